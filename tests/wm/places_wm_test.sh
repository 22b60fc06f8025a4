#!/usr/bin/env bash
# Remembered places under openbox: the main window, the lens view, the Lens
# Control dialog and both trace windows, moved and resized by the user, open at the same outer
# rectangles (frame included, so nothing creeps by the frame) in the next
# run, which finds them in the settings under XDG_CONFIG_HOME; a place off
# every screen gives the first-run placement again.
# Usage: places_wm_test.sh PATH-TO-KELVANE
KELVANE=$1
source "$(dirname "$0")/wm_session.sh"
wm_start_session

settings="$XDG_CONFIG_HOME/Kelvane/Kelvane.conf"
echo "lens 300,200,300,200,80,CVCC" >"$wm_tmp/lens.ops"

# start_run: the program with the lens view and its dialog framed.
start_run() {
  wm_start_program "$wm_tmp/lens.ops"
  wm_wait_for "the lens view" wm_window_shown "Kelvane Lens Demo"
  wm_wait_for "the Lens Control dialog" wm_window_shown "Lens Control"
  view=$(wm_window_id "Kelvane Lens Demo")
  dialog=$(wm_window_id "Lens Control")
  main=$(wm_window_id "Kelvane")
  wm_wait_for "frames" wm_framed "$view"
  wm_wait_for "frames" wm_framed "$dialog"
  wm_wait_for "frames" wm_framed "$main"
}

end_run() {
  kill "$wm_program_pid"
  wait "$wm_program_pid" 2>/dev/null
}

# open_trace KEY TITLE: the Debug menu's item with that mnemonic; sets $id.
open_trace() {
  timeout "$WM_DEADLINE" xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool key --clearmodifiers alt+d
  xdotool key --clearmodifiers "$1"
  wm_wait_for "$2" wm_window_shown "$2"
  id=$(wm_window_id "$2")
  wm_wait_for "the frame of $2" wm_framed "$id"
}

# move_window ID W H X Y: resized and moved as the user would, then settled.
move_window() {
  local id=$1 before
  before=$(wm_outer_rect "$id")
  [ "$2" = - ] || xdotool windowsize "$id" "$2" "$3"
  xdotool windowmove "$id" "$4" "$5"
  moved() {
    wm_seen=$(wm_outer_rect "$id")
    [ -n "$wm_seen" ] && [ "$wm_seen" != "$before" ]
  }
  wm_wait_for "window $id to move" moved
}

# kept KEY "L T W H": the settings hold that frame rectangle under KEY.
kept() {
  wm_seen=$(grep "^$1=" "$settings" 2>/dev/null)
  [ "$wm_seen" = "$1=@Rect($2)" ]
}

# --- first run: everything where the program first puts it, then moved --
start_run
first_view() { wm_rect_is "$view" "100 10 860 720"; }
wm_wait_for "the view's first-run rectangle" first_view

move_window "$view" 700 560 160 90
view_rect=$(wm_outer_rect "$view")
move_window "$dialog" - - 40 620
dialog_rect=$(wm_outer_rect "$dialog")
move_window "$main" - - 700 760
main_rect=$(wm_outer_rect "$main")
open_trace p "PsView Trace"
move_window "$id" 420 300 820 140
psview_rect=$(wm_outer_rect "$id")
open_trace l "Listbox Trace"
move_window "$id" 380 260 860 600
listbox_rect=$(wm_outer_rect "$id")

# Kept while the windows are open: the run may end any way it likes.
wm_wait_for "the view's place in $settings" kept LensView "$view_rect"
wm_wait_for "the dialog's place in $settings" kept LensControl "$dialog_rect"
wm_wait_for "the main window's place in $settings" kept MainWindow "$main_rect"
wm_wait_for "PsView Trace's place in $settings" kept PsViewTrace "$psview_rect"
wm_wait_for "Listbox Trace's place in $settings" kept ListboxTrace "$listbox_rect"
end_run

# --- second run: each window back at its rectangle ----------------------
start_run
wm_wait_for "the view back at $view_rect" wm_rect_is "$view" "$view_rect"
wm_wait_for "the dialog back at $dialog_rect" wm_rect_is "$dialog" "$dialog_rect"
wm_wait_for "the main window back at $main_rect" wm_rect_is "$main" "$main_rect"
open_trace p "PsView Trace"
wm_wait_for "PsView Trace back at $psview_rect" wm_rect_is "$id" "$psview_rect"
open_trace l "Listbox Trace"
wm_wait_for "Listbox Trace back at $listbox_rect" wm_rect_is "$id" "$listbox_rect"
# What this run keeps is what it read: no drift from run to run.
wm_wait_for "the view's place kept unchanged" kept LensView "$view_rect"
wm_wait_for "the dialog's place kept unchanged" kept LensControl "$dialog_rect"
wm_wait_for "PsView Trace's place kept unchanged" kept PsViewTrace "$psview_rect"
wm_wait_for "Listbox Trace's place kept unchanged" kept ListboxTrace "$listbox_rect"
end_run

# --- third run: the view's place is off every screen --------------------
sed -i "s/^LensView=.*/LensView=@Rect(5000 4000 700 560)/" "$settings"
start_run
wm_wait_for "the view's first-run rectangle again" first_view
wm_wait_for "the dialog at its own kept place" wm_rect_is "$dialog" "$dialog_rect"

wm_program_alive || wm_fail "the program ended: $(cat "$wm_tmp/kelvane.log")"
echo "PASS"
