// The page's "Design" panel: the lens designer run in slices between
// frames, so that the page keeps drawing and "Stop" is heard. It designs
// for the page's shape and index, with the focus table's bounds and the
// page's initial beams, and "Apply" makes the found lens the page's.
import { word, wordWith } from "./page_lang.js";

const SLICE_MS = 12;  // searching per slice; the rest of a frame is the page's

// kelvane: the module; session: the PageSession; state(): the page's state;
// onApply(): show the session after a lens was applied.
export function addDesignPanel(container, kelvane, session, state, onApply) {
  const box = document.createElement("fieldset");
  box.id = "designPanel";
  box.innerHTML = `<legend>Design</legend>
    <p class="note">The lens of the page's shape and index that focuses at the target with
      the least spread (semi-axes 150–350, depth 30–180), for beams over 90 % of the rim,
      which Apply sets.</p>
    <label>Focus <input type="number" id="designFocus" min="1" step="any" value="300"></label>
    <div class="buttons"><button id="designRun">Design</button><button id="designStop" disabled>Stop</button>
      <button id="designApply" disabled>Apply</button></div>
    <progress id="designProgress" max="1" value="0"></progress>
    <p id="designResult" aria-live="polite"></p>
    <p><output id="designLine"></output></p>`;
  container.appendChild(box);
  const $ = (id) => document.getElementById(id);
  const design = new kelvane.PageDesign();
  let timer = null;
  let found = null;  // the last outcome with a lens

  function setRunning(running) {
    $("designRun").disabled = running;
    $("designStop").disabled = !running;
    $("designApply").disabled = running || !found;
  }

  function finish() {
    timer = null;
    const o = design.outcome();
    $("designProgress").value = o.cancelled ? 0 : 1;
    $("designResult").textContent = o.message;
    found = o.reached ? o : null;
    $("designLine").value = found ? found.line : "";
    setRunning(false);
  }

  function slice() {
    const t0 = performance.now();
    let more = true;
    while (more && performance.now() - t0 < SLICE_MS) more = design.step(1);
    $("designProgress").value = design.doneShare();
    if (more) timer = setTimeout(slice, 0);
    else finish();
  }

  $("designRun").addEventListener("click", () => {
    const s = state();
    found = null;
    $("designLine").value = "";
    const problem = design.start(Number($("designFocus").value), s.lens[5], s.rindex);
    if (problem) {
      $("designResult").textContent = wordWith("Cannot design: %1.", problem);
      setRunning(false);
      return;
    }
    $("designResult").textContent = word("Designing…");
    $("designProgress").value = 0;
    setRunning(true);
    timer = setTimeout(slice, 0);
  });
  $("designStop").addEventListener("click", () => {
    if (timer !== null) clearTimeout(timer);
    design.stop();
    finish();
  });
  $("designApply").addEventListener("click", () => {
    if (!found) return;
    const s = state();
    session.setLockWidth(-1);
    session.setFillPercent(90);
    session.setRindex(s.rindex);
    session.setLens(...found.lens);
    onApply();
  });
  return { design, outcome: () => (found ? found : design.outcome()) };
}
