#!/usr/bin/env bash
# PsView Trace and Listbox Trace under openbox: the first opening stands
# fully on the screen in the work area's bottom-right corner, and a window
# moved, resized, closed and opened again comes back at the rectangle it had
# (frame included), however often that is done.
# Usage: trace_windows_wm_test.sh PATH-TO-KELVANE
KELVANE=$1
source "$(dirname "$0")/wm_session.sh"
wm_start_session

wm_start_program
wm_wait_for "the main window" wm_window_shown "Kelvane"
main=$(wm_window_id "Kelvane")
wm_wait_for "the main window's frame" wm_framed "$main"

# toggle_from_menu KEY: the Debug menu's item with that mnemonic.
toggle_from_menu() {
  timeout "$WM_DEADLINE" xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool key --clearmodifiers alt+d
  xdotool key --clearmodifiers "$1"
}
window_gone() { ! wm_window_shown "$1"; }

# check_window TITLE KEY "FIRST-RECT"
check_window() {
  local title=$1 key=$2 first=$3 id rect round
  toggle_from_menu "$key"
  wm_wait_for "$title" wm_window_shown "$title"
  id=$(wm_window_id "$title")
  wm_wait_for "the frame of $title" wm_framed "$id"
  wm_wait_for "$title at its first rectangle $first" wm_rect_is "$id" "$first"

  # Moved and resized by the user, then closed and opened twice.
  xdotool windowsize "$id" 500 400
  xdotool windowmove "$id" 150 120
  moved() {
    wm_seen=$(wm_outer_rect "$id")
    local l t w h
    read -r l t w h <<<"$wm_seen"
    [ "$l $t" != "${first% * *}" ] && [ "$w" != "${first##* * }" ]
  }
  wm_wait_for "$title to move" moved
  rect=$(wm_outer_rect "$id")
  for round in 1 2; do
    toggle_from_menu "$key"
    wm_wait_for "$title to close" window_gone "$title"
    toggle_from_menu "$key"
    wm_wait_for "$title to reopen" wm_window_shown "$title"
    id=$(wm_window_id "$title")
    wm_wait_for "the frame of $title" wm_framed "$id"
    wm_wait_for "$title back at $rect (reopening $round)" wm_rect_is "$id" "$rect"
  done
}

# The work area is the whole 1280 by 1024 screen (openbox has no panel).
check_window "PsView Trace" p "960 256 320 768"
check_window "Listbox Trace" l "960 512 320 512"

wm_program_alive || wm_fail "the program ended: $(cat "$wm_tmp/kelvane.log")"
echo "PASS"
