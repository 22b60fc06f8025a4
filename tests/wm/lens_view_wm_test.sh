#!/usr/bin/env bash
# The lens view and its Lens Control dialog under openbox, as a user sees
# them: the view's outer rectangle (frame included) is the 860 by 720 one at
# 100, 10; the dialog opens 4 pixels in from the view's bottom-right frame
# corner; the view belongs to the main window and stays above it.
# Usage: lens_view_wm_test.sh PATH-TO-KELVANE
KELVANE=$1
source "$(dirname "$0")/wm_session.sh"
wm_start_session

echo "lens 300,200,300,200,80,CVCC" >"$wm_tmp/lens.ops"
wm_start_program "$wm_tmp/lens.ops"
wm_wait_for "the lens view" wm_window_shown "Kelvane Lens Demo"
wm_wait_for "the Lens Control dialog" wm_window_shown "Lens Control"
view=$(wm_window_id "Kelvane Lens Demo")
dialog=$(wm_window_id "Lens Control")
main=$(wm_window_id "Kelvane")
wm_wait_for "frames" wm_framed "$view"
wm_wait_for "frames" wm_framed "$dialog"

outer_is_lens_rect() { wm_rect_is "$view" "100 10 860 720"; }
wm_wait_for "the view's outer rectangle 100 10 860 720" outer_is_lens_rect

dialog_in_corner() {
  local vl vt vw vh dl dt dw dh
  read -r vl vt vw vh < <(wm_outer_rect "$view")
  read -r dl dt dw dh < <(wm_outer_rect "$dialog")
  wm_seen="view $vl $vt $vw $vh, dialog $dl $dt $dw $dh"
  [ $((vl + vw - (dl + dw))) = 4 ] && [ $((vt + vh - (dt + dh))) = 4 ]
}
wm_wait_for "the dialog 4 pixels in from the view's bottom-right corner" dialog_in_corner

# Owned by the main window: transient for it, and above it even when the
# main window is activated.
transient=$(xprop -id "$view" WM_TRANSIENT_FOR | sed -n 's/.*# *//p')
wm_expect "the view's owner" "$((${transient:-0}))" "$main"
timeout "$WM_DEADLINE" xdotool windowactivate --sync "$main" 2>/dev/null
main_active() { [ "$(xdotool getactivewindow)" = "$main" ]; }
wm_wait_for "the main window to be active" main_active
wm_above "$view" "$main" || wm_fail "the lens view went below the main window: $(wm_stacking)"

# Save: the button's centre in dialog units (229 + 11, 94 + 6.5) of the
# 291 by 196 unit client area (the "Colour" and "Light source" groups below the buttons);
# a new file name typed into the chooser.
eval "$(xwininfo -id "$dialog" | awk '/^  Width:/ {print "w=" $NF} /^  Height:/ {print "h=" $NF}')"
xdotool mousemove --window "$dialog" $((w * 240 / 291)) $((h * 201 / 392)) click 1
chooser_shown() { wm_window_shown "Save As"; }
wm_wait_for "the file chooser" chooser_shown
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$wm_tmp/snap.lens"
xdotool key --clearmodifiers Return
snapshot_written() { grep -q '^trace' "$wm_tmp/snap.lens" 2>/dev/null; }
wm_wait_for "the snapshot file" snapshot_written
wm_expect "the snapshot's window line" "$(grep '^; window' "$wm_tmp/snap.lens")" \
  "; window 100,10,860,720"

wm_program_alive || wm_fail "the program ended: $(cat "$wm_tmp/kelvane.log")"
echo "PASS"
