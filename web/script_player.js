// Plays a script on the page from timers: the C++ stepper runs the lines up
// to the next wait, the page shows the lens and comes back when the wait is
// over. Pause and stop act between steps.
export class ScriptPlayer {
  // session: the C++ PageSession; onStep(): show the lens after a step;
  // onState(state): "running", "paused" or "stopped".
  constructor(session, onStep, onState) {
    this.session = session;
    this.onStep = onStep;
    this.onState = onState;
    this.timer = null;
    this.state = "stopped";
    this.steps = 0;
    this.warnings = [];
  }

  // Starts `text`; returns the lines it will pass over ("script:LINE: …").
  start(text) {
    this.stop();
    const started = this.session.startScript(text);
    this.warnings = started.warnings;
    if (!started.started) return this.warnings;
    this.steps = 0;
    this.setState("running");
    this.timer = setTimeout(() => this.step(), 0);
    return this.warnings;
  }

  step() {
    this.timer = null;
    if (this.state !== "running") return;
    const wait = this.session.stepScript();
    this.steps++;
    this.onStep();
    if (wait.kind === "end") {
      this.setState("stopped");
    } else if (wait.kind === "pause") {
      this.setState("paused");
    } else {
      this.timer = setTimeout(() => this.step(), wait.ms);
    }
  }

  // Pause a running script, resume a paused one.
  togglePause() {
    if (this.state === "running") {
      clearTimeout(this.timer);
      this.timer = null;
      this.setState("paused");
    } else if (this.state === "paused") {
      this.setState("running");
      this.timer = setTimeout(() => this.step(), 0);
    }
  }

  stop() {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
    this.session.stopScript();
    if (this.state !== "stopped") this.setState("stopped");
  }

  setState(state) {
    this.state = state;
    this.onState(state);
  }
}
