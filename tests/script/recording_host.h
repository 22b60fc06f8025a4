// A script host for the runner tests: a user-interface thread of its own
// that runs posted work in order, and a log of every operation the runner
// asked for, read by the test thread under the host's lock.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "model/source_text.h"
#include "script/script_host.h"

namespace kelvane::test {

// The user-interface thread: runs posted work one item at a time. hold()
// keeps it from taking more work, as a busy window would.
class FakeUiThread {
 public:
  FakeUiThread() : m_thread([this] { loop(); }) {}
  ~FakeUiThread() {
    {
      std::lock_guard lock(m_mutex);
      m_quit = true;
      m_held = false;
    }
    m_cv.notify_all();
    m_thread.join();
  }

  void post(std::function<void()> work) {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(work));
    m_cv.notify_all();
  }

  // Runs `work` on this thread and waits for it: the test acting through
  // the user interface (pressing a button, closing a window).
  void runSync(const std::function<void()>& work) {
    std::mutex doneMutex;
    std::condition_variable doneCv;
    bool done = false;
    post([&] {
      work();
      std::lock_guard lock(doneMutex);
      done = true;
      doneCv.notify_all();
    });
    std::unique_lock lock(doneMutex);
    doneCv.wait(lock, [&] { return done; });
  }

  void hold() {
    std::lock_guard lock(m_mutex);
    m_held = true;
  }
  void release() {
    {
      std::lock_guard lock(m_mutex);
      m_held = false;
    }
    m_cv.notify_all();
  }

 private:
  void loop() {
    for (;;) {
      std::function<void()> work;
      {
        std::unique_lock lock(m_mutex);
        m_cv.wait(lock, [&] { return m_quit || (!m_held && !m_queue.empty()); });
        if (m_quit) return;  // work left over is dropped, as after the host has gone
        work = std::move(m_queue.front());
        m_queue.pop_front();
      }
      work();
    }
  }

  std::mutex m_mutex;
  std::condition_variable m_cv;
  std::deque<std::function<void()>> m_queue;
  bool m_held = false;
  bool m_quit = false;
  std::thread m_thread;
};

class RecordingHost : public ScriptHost {
 public:
  // The view and dialog exist unless a test says otherwise.
  bool viewExists = true;
  bool controlExists = true;
  // requestLensView opens the view and the dialog a little later (as the
  // posted command would), or never.
  bool openOnRequest = true;
  // openLensView (toggleScript's start) creates the view and the dialog.
  bool openCreates = true;
  // Width reported as the last trace's result.
  double width = 150.7;
  // What chooseScript answers: a path to open, or empty for Cancel.
  std::string chosenPath;

  // ---- the test thread's side (all under the lock) ----

  std::vector<std::string> log() const {
    std::lock_guard lock(m_mutex);
    return m_log;
  }
  // Entries of the log that start with `prefix`, in order.
  std::vector<std::string> entries(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : log())
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }
  int controlQueries() const {
    std::lock_guard lock(m_mutex);
    return m_controlQueries;
  }
  int controlQueriesLocked() const { return m_controlQueries; }
  std::string buttonText() const {
    std::lock_guard lock(m_mutex);
    return m_button;
  }
  // Waits until pred() holds (checked under the lock at every change).
  bool waitUntil(const std::function<bool()>& pred,
                 std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, pred);
  }
  // Changes a setting under the lock (the UI thread reads them).
  void set(const std::function<void(RecordingHost&)>& change) {
    {
      std::lock_guard lock(m_mutex);
      change(*this);
    }
    m_changed.notify_all();
  }
  // Count of log entries with the prefix; for waitUntil predicates, which
  // already hold the lock.
  int countLocked(const std::string& prefix) const {
    int n = 0;
    for (const auto& e : m_log)
      if (e.rfind(prefix, 0) == 0) ++n;
    return n;
  }

  // ---- ScriptHost ----

  void postToUi(std::function<void()> work) override { ui.post(std::move(work)); }
  bool lensViewExists() override {
    std::lock_guard lock(m_mutex);
    return viewExists;
  }
  bool lensControlExists() override {
    std::lock_guard lock(m_mutex);
    ++m_controlQueries;
    m_changed.notify_all();
    return controlExists;
  }
  void openLensView() override {
    record("open view");
    set([](RecordingHost& h) {
      if (h.openCreates) h.viewExists = h.controlExists = true;
    });
  }
  void requestLensView() override {
    record("request view");
    bool open = false;
    {
      std::lock_guard lock(m_mutex);
      open = openOnRequest;
    }
    if (open)
      ui.post([this] {
        record("view opened");
        set([](RecordingHost& h) { h.viewExists = h.controlExists = true; });
      });
  }
  void setLensValues(const std::array<double, 5>& v) override {
    std::lock_guard lock(m_mutex);
    m_values = v;
  }
  void setLensShape(int shape) override {
    std::lock_guard lock(m_mutex);
    m_shape = shape;
    ++m_shapeWrites;
  }
  void setIndexRatio(double ratio) override { record("index " + num(ratio)); }
  ColourState colour() override { return m_colour; }
  void setColour(const ColourState& c) override {
    m_colour = c;
    record("colour " + colourText(c));
  }
  void setCanvas(int x, int y) override { record("canvas " + num(x) + "," + num(y)); }
  void setSource(const LightSource& s) override { record("source " + sourceText(s)); }
  void setBeamMode(int mode) override { record("mode " + num(mode)); }
  void refreshLensControl() override {
    std::lock_guard lock(m_mutex);
    std::string e = "refresh ";
    for (double v : m_values) e += num(v) + ",";
    e += num(m_shape);
    m_log.push_back(e);
    m_changed.notify_all();
  }
  void setLockWidth(int a) override { record("lock " + num(a)); }
  void setFillPercent(int p) override { record("fill " + num(p)); }
  double traceWidth() override {
    std::lock_guard lock(m_mutex);
    return width;
  }
  void moveLensView(int x, int y, int w, int h) override {
    record("move " + num(x) + "," + num(y) + "," + num(w) + "," + num(h));
  }
  void placeLensControl(int anchor, int dx, int dy) override {
    record("place " + num(anchor) + "," + num(dx) + "," + num(dy));
  }
  void setScriptStatus(const std::string& text) override { record("status " + text); }
  void enableScriptStatus(bool enabled) override { record(enabled ? "status on" : "status off"); }
  void setScriptButtonText(const std::string& text) override {
    {
      std::lock_guard lock(m_mutex);
      m_button = text;
    }
    record("button " + text);
  }
  ScriptFile chooseScript(std::string& path) override {
    std::string chosen;
    {
      std::lock_guard lock(m_mutex);
      chosen = chosenPath;
    }
    record("choose " + path);
    if (chosen.empty()) return nullptr;
    path = chosen;
    return ScriptFile(std::fopen(chosen.c_str(), "r"));
  }

  // An entry of the test's own (a warning the runner reported).
  void note(const std::string& entry) { record(entry); }

  int shapeWrites() const {
    std::lock_guard lock(m_mutex);
    return m_shapeWrites;
  }

 private:
  static std::string num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
  }
  void record(const std::string& entry) {
    {
      std::lock_guard lock(m_mutex);
      m_log.push_back(entry);
    }
    m_changed.notify_all();
  }

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<std::string> m_log;
  std::array<double, 5> m_values{};
  int m_shape = 0;
  ColourState m_colour;
  int m_shapeWrites = 0;
  int m_controlQueries = 0;
  std::string m_button = "&Script";

 public:
  // Last, so it stops before the state its work touches goes away.
  FakeUiThread ui;
};

}  // namespace kelvane::test
