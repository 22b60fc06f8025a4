#!/usr/bin/env bash
# A trace file on a file system that fills up: the program says so once, in
# a message box naming the file and the reason, and goes on. The lines that
# fitted are whole, the trace windows still get every line, and the program
# quits normally. The small tmpfs needs root: anyone else runs the whole
# test in a user and mount namespace of its own (unshare -rm), where the
# kernel allows that; it skips only where neither works.
# Usage: trace_full_disk_test.sh PATH-TO-KELVANE
KELVANE=$1
if [ "$(id -u)" != 0 ]; then
  unshare --user --map-root-user --mount true 2>/dev/null || {
    echo "not root, and no user namespace to mount a tmpfs in: skipped"
    exit 77
  }
  exec unshare --user --map-root-user --mount bash "$0" "$@"
fi
source "$(dirname "$0")/../wm/wm_session.sh"
source "$(dirname "$0")/endurance_lib.sh"
wm_start_session

full="$wm_tmp/full"
mkdir -p "$full"
mount -t tmpfs -o size=16k tmpfs "$full" 2>/dev/null || {
  echo "cannot mount a tmpfs here: skipped"
  exit 77
}
# The programs end before the file system goes, and it before the folder.
unmount_full() {
  local pid
  for pid in "${wm_pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${wm_pids[@]}"; do wait "$pid" 2>/dev/null; done
  umount "$full" 2>/dev/null
  wm_cleanup
}
trap unmount_full EXIT

trace="$full/debug.trc"
en_start
en_open_trace_file "$trace"

# The focus table writes far more than 16 KiB into the trace file.
en_menu alt+c t Return
boxes() { xdotool search --onlyvisible --name '^Kelvane$' 2>/dev/null | grep -cv "^$en_main\$"; }
box_shown() { [ "$(boxes)" -ge 1 ]; }
wm_wait_for "the message box about the full file system" box_shown
box=$(xdotool search --onlyvisible --name '^Kelvane$' | grep -v "^$en_main\$" | head -n1)
timeout "$WM_DEADLINE" xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key --clearmodifiers Return
box_gone() { [ "$(boxes)" = 0 ]; }
wm_wait_for "the message box to close" box_gone

# The table goes on: the rows the file does not take go to the debugger
# output, without a second box.
rows_in_log() { grep -c '^[0-9]*,[0-9]*,' "$wm_tmp/kelvane.log"; }
log_rows_before=$(rows_in_log)
rows_go_on() { [ "$(rows_in_log)" -gt "$((log_rows_before + 100))" ]; }
wm_wait_for "rows after the box" rows_go_on
box_gone || wm_fail "a second message box for the same file"
wm_program_alive || wm_fail "the program ended: $(tail -n 20 "$wm_tmp/kelvane.log")"

# Quitting while the table still runs: the file keeps only whole lines.
en_quit close
en_check_quit "quitting after the full file system"
echo "rows in the file: $(wc -l <"$trace"), rows the file did not take: $(rows_in_log)"
en_check_whole_lines "$trace" "the trace file on the full file system"
echo "PASS"
