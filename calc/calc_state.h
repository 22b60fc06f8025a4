// At most one background calculation (the focus table or the focus matrix)
// runs at a time, on a thread of its own; calcState keeps the Calc menu in
// step with it.
//
// States: 0 idle -> 1 started (startBackgroundCalc) -> 2 running (the
// calculation, when it begins) -> 3 kill requested (killBackgroundCalc) ->
// 0 idle (finishBackgroundCalc, the calculation's last step).
#pragma once

#include <atomic>
#include <functional>

namespace kelvane {

inline constexpr int CALC_IDLE = 0;
inline constexpr int CALC_STARTED = 1;
inline constexpr int CALC_RUNNING = 2;
inline constexpr int CALC_KILL_REQUESTED = 3;

inline std::atomic<int> calcState{CALC_IDLE};

// Told whenever the Calc items 300-302 must change: active = true enables
// "&Kill background calc" and grays the two sweeps, false the reverse. It is
// called on the calculation thread by finishBackgroundCalc, so the user
// interface must post the change to its own thread, never wait for it.
using CalcMenuListener = std::function<void(bool active)>;
void setCalcMenuListener(CalcMenuListener listener);

// Starts `calculation` on a new thread, telling the menu listener first.
// Returns 0, -2 (and does nothing) while a calculation is active, or -1 when
// no thread could be started.
int startBackgroundCalc(std::function<void()> calculation);

// The calculation thread's first step: calcState 1 -> 2. Returns false when
// a kill was requested before the calculation began (the state stays 3, and
// the calculation ends at once through finishBackgroundCalc).
bool beginBackgroundCalc();

// Asks a running calculation to stop at its next check (calcState -> 3).
void killBackgroundCalc();

// The calculation thread's last step: the Calc items back to idle, then
// calcState = 0.
void finishBackgroundCalc();

// Waits until the last calculation's thread has ended (for quitting and for
// tests). Does not ask it to stop: call killBackgroundCalc first for that.
void joinBackgroundCalc();

}  // namespace kelvane
