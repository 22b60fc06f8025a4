#!/usr/bin/env bash
# The real program started again and again under openbox and quit at a
# random moment of something busy: a script fading the lens, the focus table
# writing into a trace file, the Lens Control dialog being dragged, PsView
# flooded by the focus table during a fade. Each time the process must end
# after the quit with exit code 0 (`make endurance`: within a second), and a
# trace file must hold only whole lines; the slowest quit is printed.
# The RNG seed is printed; ENDURANCE_SEED=N replays a run.
# Usage: random_quits_test.sh PATH-TO-KELVANE
KELVANE=$1
source "$(dirname "$0")/../wm/wm_session.sh"
source "$(dirname "$0")/endurance_lib.sh"
wm_start_session

QUITS=${ENDURANCE_QUITS:-50}
SEED=${ENDURANCE_SEED:-$(( $(date +%s) % 32768 ))}
echo "random quits: $QUITS, seed $SEED (ENDURANCE_SEED=$SEED replays them)"
RANDOM=$SEED

# A fade back and forth that never ends by itself.
cat >"$wm_tmp/fade.ops" <<'OPS'
delay 10
fade 300,200,300,200,80,CVCC  600,300,500,300,140,CVCC  30
fade 600,300,500,300,140,CVCC  300,200,300,200,80,CVCC  30
repeat 0
OPS
echo "lens 300,200,300,200,80,CVCC" >"$wm_tmp/lens.ops"

scenarios=(fade focus_table drag psview_flood)
declare -A counts
quit_ms_max=0

# A random pause of up to MAX milliseconds: the moment of the quit.
random_moment() { sleep "$(printf '0.%03d' $((RANDOM % $1)))"; }

scenario_fade() {
  en_start "$wm_tmp/fade.ops"
  wm_wait_for "the Lens Control dialog" wm_window_shown "Lens Control"
  random_moment 999
}

scenario_focus_table() {
  en_start
  en_open_trace_file "$trace"
  en_menu alt+c t Return
  trace_growing() { [ -s "$trace" ]; }
  wm_wait_for "focus table rows in $trace" trace_growing
  random_moment 999
}

scenario_drag() {
  en_start "$wm_tmp/lens.ops"
  wm_wait_for "the Lens Control dialog" wm_window_shown "Lens Control"
  local dialog
  dialog=$(wm_window_id "Lens Control")
  wm_wait_for "the dialog's frame" wm_framed "$dialog"
  en_drag_window "$dialog" &
  drag_pid=$!
  random_moment 999
}

scenario_psview_flood() {
  en_start "$wm_tmp/fade.ops"
  wm_wait_for "the Lens Control dialog" wm_window_shown "Lens Control"
  en_menu alt+d p
  wm_wait_for "PsView" wm_window_shown "PsView Trace"
  # The focus table floods it from its thread while the fade redraws.
  en_menu alt+c t Return
  random_moment 500
}

for ((round = 1; round <= QUITS; round++)); do
  scenario=${scenarios[RANDOM % ${#scenarios[@]}]}
  method=$([ $((RANDOM % 2)) = 0 ] && echo close || echo menu)
  trace="$wm_tmp/trace_$round.trc"
  drag_pid=""
  "scenario_$scenario"
  # openbox holds the keyboard while the button is down: the drag lets go
  # just before the quit.
  if [ -n "$drag_pid" ]; then
    kill "$drag_pid" 2>/dev/null
    wait "$drag_pid" 2>/dev/null
    xdotool mouseup 1 2>/dev/null
  fi
  en_quit "$method"
  en_check_quit "round $round ($scenario, $method, seed $SEED)"
  [ -e "$trace" ] && en_check_whole_lines "$trace" "round $round ($scenario)"
  counts[$scenario]=$((${counts[$scenario]:-0} + 1))
  [ "$en_quit_ms" -gt "$quit_ms_max" ] && quit_ms_max=$en_quit_ms
done

for s in "${scenarios[@]}"; do echo "  $s: ${counts[$s]:-0}"; done
echo "slowest end after a quit: ${quit_ms_max} ms"
echo "PASS"
