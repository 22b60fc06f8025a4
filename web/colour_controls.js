// The page's "Colour" controls: the glass (Custom or a catalogue glass), the
// medium (air or water) and the light (one wavelength on a slider with a
// swatch of its colour, or white), with the read-outs of the light. The
// session holds the colour state and refuses one it cannot trace; these
// controls only send what the user picks and show what it holds.

import { word } from "./page_lang.js";

const $ = (id) => document.getElementById(id);

export class ColourControls {
  // changed(finished): the session has a new colour state; finished is
  // false while the slider is still being dragged.
  constructor(kelvane, session, changed) {
    this.kelvane = kelvane;
    this.session = session;
    this.changed = changed;
    for (let i = 0; i < kelvane.PageSession.glassCount(); i++) {
      const name = kelvane.PageSession.glassName(i);
      $("glass").add(new Option(name, name));
    }
    for (const id of ["glass", "medium", "light"])
      $(id).addEventListener("change", () => this.send(true));
    $("wavelength").addEventListener("input", () => this.send(false));
    $("wavelength").addEventListener("change", () => this.changed(true));
  }

  light() {
    return $("light").value === "white" ? "white" : $("wavelength").value;
  }

  send(finished) {
    const problem = this.session.setColour($("glass").value, $("medium").value, this.light());
    $("colourProblem").textContent = problem;
    if (problem) this.show(this.session.state());
    else this.changed(finished);
  }

  // Shows the colour state and its read-outs as the session holds them.
  show(state) {
    $("glass").value = state.glass;
    $("medium").value = state.water ? "water" : "air";
    $("light").value = state.white ? "white" : "one";
    $("wavelength").value = Math.round(state.wavelength);
    $("wavelength").disabled = state.white;
    $("wavelengthValue").value = state.white ? word("white light") : state.wavelengthText;
    const [r, g, b] = state.white ? [255, 255, 255] : state.swatch;
    $("swatch").style.background = `rgb(${r}, ${g}, ${b})`;
    $("rindex").disabled = state.glass !== "";
    $("indexAt").value = state.indexText;
    $("lca").value = state.lcaText;
    $("foci").value = state.fociText;
    $("colourReadout").hidden = state.indexText === "";
  }
}
