// The page's View choices, as the desktop's View menu has them: the
// classroom view (kept in this browser) and its fans, the zoom - Fit to
// window, True scale (Ctrl+0), Zoom in (Ctrl++) and Zoom out (Ctrl+-) - and
// full screen (F11). The zoom steps and the fitted zoom come from the C++
// core, so the page and the desktop zoom alike.

const CLASSROOM_KEY = "kelvane.classroom";
const FAN_ANGLES = [40, 30, 20, 10, 0];

function element(tag, props, text) {
  const e = Object.assign(document.createElement(tag), props);
  if (text) e.textContent = text;
  return e;
}

function storedClassroom() {
  try {
    return localStorage.getItem(CLASSROOM_KEY) === "1";
  } catch {
    return false;  // storage refused (a private window): the default view
  }
}

function keepClassroom(on) {
  try {
    localStorage.setItem(CLASSROOM_KEY, on ? "1" : "0");
  } catch {
    // Not kept: the choice still holds for this visit.
  }
}

// Builds the controls into `bar` and calls onChange() after every choice.
// zoomStep(zoom, direction) is the core's step; fullScreenTarget is the
// element shown full screen.
export function installViewControls(bar, zoomStep, fullScreenTarget, onChange) {
  // mode: "true" (true scale, shrunk on a small canvas), "fit", or "fixed" at `zoom`.
  // shown: the zoom last drawn, where a step starts from.
  const view = { mode: "true", zoom: 1, shown: 1 };

  const classroom = element("input", { type: "checkbox", id: "classroom" });
  classroom.checked = storedClassroom();
  const fan = element("select", { id: "fan", title: "Fans shown in the classroom view" });
  fan.setAttribute("aria-label", "Fans shown");
  fan.append(element("option", { value: "-1" }, "All fans"));
  FAN_ANGLES.forEach((a, r) => fan.append(element("option", { value: String(r) }, `${a}° fan only`)));
  const fit = element("button", { type: "button", id: "zoomFit" }, "Fit to window");
  const trueScale = element("button", { type: "button", id: "zoomTrue", title: "Ctrl+0" },
                            "True scale");
  const out = element("button", { type: "button", id: "zoomOut", title: "Zoom out (Ctrl+−)" }, "−");
  out.setAttribute("aria-label", "Zoom out");
  const inn = element("button", { type: "button", id: "zoomIn", title: "Zoom in (Ctrl++)" }, "+");
  inn.setAttribute("aria-label", "Zoom in");
  const full = element("button", { type: "button", id: "fullScreen", title: "F11" }, "Full screen");
  const label = element("label", {}, " Classroom view");
  label.prepend(classroom);
  bar.append(label, fan, fit, trueScale, out, inn, full);

  function showChoices() {
    fan.disabled = !classroom.checked;
    fit.setAttribute("aria-pressed", String(view.mode === "fit"));
    trueScale.setAttribute("aria-pressed", String(view.mode === "true"));
  }
  function changed() {
    showChoices();
    onChange();
  }
  function setMode(mode, zoom = 1) {
    view.mode = mode;
    view.zoom = zoom;
    changed();
  }
  function step(direction) {
    setMode("fixed", zoomStep(view.shown, direction));
  }
  function toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else fullScreenTarget.requestFullscreen?.().catch(() => {});
  }

  classroom.addEventListener("change", () => {
    keepClassroom(classroom.checked);
    changed();
  });
  fan.addEventListener("change", changed);
  fit.addEventListener("click", () => setMode("fit"));
  trueScale.addEventListener("click", () => setMode("true"));
  out.addEventListener("click", () => step(-1));
  inn.addEventListener("click", () => step(1));
  full.addEventListener("click", toggleFullScreen);
  document.addEventListener("fullscreenchange", () =>
    full.setAttribute("aria-pressed", String(!!document.fullscreenElement)));
  document.addEventListener("keydown", (e) => {
    if (e.key === "F11") {
      e.preventDefault();
      toggleFullScreen();
      return;
    }
    if (!(e.ctrlKey || e.metaKey) || e.altKey) return;
    const act = { "+": () => step(1), "=": () => step(1), "-": () => step(-1),
                  "0": () => setMode("true") }[e.key];
    if (act) {
      e.preventDefault();
      act();
    }
  });
  showChoices();

  return {
    // The zoom over true scale, or null for true scale as the page has
    // always drawn it (shrunk to `trueShown` on a small canvas); fitted()
    // gives the core's fitted zoom.
    zoom(fitted, trueShown) {
      if (view.mode === "fit") return (view.shown = fitted());
      if (view.mode === "fixed") return (view.shown = view.zoom);
      view.shown = trueShown;
      return null;
    },
    // The style for the core's picture at `zoom`.
    style(zoom = 1) {
      return { classroom: classroom.checked, fan: Number(fan.value), zoom };
    },
  };
}
