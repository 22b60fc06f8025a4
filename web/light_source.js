// The page's "Light source" controls: parallel light, a point or an object
// arrow at a distance before the lens. The session holds the source; these
// controls only send it what the user picks and show what it holds.

const $ = (id) => document.getElementById(id);

export class LightSourceControls {
  // changed(finished): the session has a new source; finished is false
  // while a slider is still being dragged.
  constructor(session, changed) {
    this.session = session;
    this.changed = changed;
    this.distance = $("sourceDistance");
    this.height = $("sourceHeight");
    for (const radio of document.querySelectorAll("input[name=source]"))
      radio.addEventListener("change", () => this.send(true));
    for (const slider of [this.distance, this.height]) {
      slider.addEventListener("input", () => this.send(false));
      slider.addEventListener("change", () => this.changed(true));
    }
  }

  kind() {
    return document.querySelector("input[name=source]:checked").value;
  }

  text() {
    const kind = this.kind();
    if (kind === "point") return `point,${this.distance.value}`;
    if (kind === "object") return `object,${this.distance.value},${this.height.value}`;
    return "parallel";
  }

  send(finished) {
    if (this.session.setSource(this.text())) this.changed(finished);
  }

  // Shows "parallel", "point,D" or "object,D,H" as the session holds it.
  show(source) {
    const [kind, distance, height] = source.split(",");
    const radio = document.querySelector(`input[name=source][value=${kind}]`);
    if (radio) radio.checked = true;
    if (distance !== undefined) {
      this.distance.value = distance;
      $("sourceDistanceValue").textContent = distance;
    }
    if (height !== undefined) {
      this.height.value = height;
      $("sourceHeightValue").textContent = height;
    }
    this.distance.disabled = kind === "parallel";
    this.height.disabled = kind !== "object";
  }
}
