# Shared by the endurance tests, on top of wm_session.sh: starting the
# program and waiting for its main window, the menu by keyboard, the trace
# file's chooser, dragging a window by its title bar, quitting the way a user
# does and checking how the program ended. Needs KELVANE.

en_main=""          # the main window of the program started last
en_quit_start=0     # when the last quit was sent, in nanoseconds
en_quit_ms=0        # how long the last program took to end after its quit
# How soon a quit must end the program; unset, only a program that never
# ends fails (`make endurance` sets it: a timed line is no pass/fail line
# under someone else's load).
EN_QUIT_LIMIT_MS=${EN_QUIT_LIMIT_MS:-}

en_now_ns() { date +%s%N; }

# en_running PID: the process exists and has not ended (a child that ended
# stays a zombie until waited for, and kill -0 still finds it).
en_running() {
  local state
  state=$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# en_start [ARGS...]: starts the program and waits for its main window.
en_start() {
  wm_start_program "$@"
  wm_wait_for "the main window" wm_window_shown "Kelvane"
  en_main=$(wm_window_id "Kelvane")
  wm_wait_for "the main window's frame" wm_framed "$en_main"
}

en_active_is_main() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$en_main" ]; }

# A popup menu of the program is on the screen.
en_popup_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$wm_program_pid" "" 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_MENU' && return 0
  done
  return 1
}

en_no_popup() { ! en_popup_shown; }

# en_menu ALT-KEY KEYS...: opens the main window's menu with ALT-KEY, then
# presses KEYS (a mnemonic that two items share only selects: add Return),
# and waits for the menu to close. A close request to a program whose menu
# is open is dropped, as a click outside the menu only closes the menu.
en_menu() {
  en_menu_open "$1"
  shift
  xdotool key --clearmodifiers "$@"
  wm_wait_for "the menu to close" en_no_popup
}

# en_focus_main: the main window is the active one. (The keyboard focus
# may be on a window inside it, so only the active window is compared.)
en_focus_main() {
  timeout "$WM_DEADLINE" xdotool windowactivate --sync "$en_main" 2>/dev/null
  wm_wait_for "the main window to be active" en_active_is_main
}

# en_menu_open ALT-KEY: opens that menu of the main window.
en_menu_open() {
  local attempt
  # Asked again when it does not open: a key can still reach the window
  # that had the keyboard a moment before.
  for attempt in 1 2 3 4; do
    en_focus_main
    xdotool key --clearmodifiers "$1"
    WM_DEADLINE=5 wm_wait_up en_popup_shown && return 0
    xdotool key --clearmodifiers Escape
  done
  wm_fail "the menu of $1 did not open"
}

# en_open_trace_file PATH: "open trace &File", PATH typed into the chooser.
en_open_trace_file() {
  local path=$1
  en_menu alt+d f
  wm_wait_for "the trace file chooser" wm_window_shown "Open Trace File"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$path"
  xdotool key --clearmodifiers Return
  chooser_gone() { ! wm_window_shown "Open Trace File"; }
  wm_wait_for "the chooser to close" chooser_gone
  trace_exists() { [ -e "$path" ]; }
  wm_wait_for "the trace file $path" trace_exists
}

# en_drag_window ID: drags the window by its title bar back and forth until
# it is gone or this is killed. Run it in the background.
en_drag_window() {
  local id=$1 l t w h top x y step
  while read -r l t w h < <(wm_outer_rect "$id" 2>/dev/null) && [ -n "${h:-}" ]; do
    read -r _ _ top _ < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
    x=$((l + w / 2))
    y=$((t + ${top:-20} / 2))
    xdotool mousemove "$x" "$y" mousedown 1 || return
    for step in 1 2 3 4 5 6 7 8; do
      xdotool mousemove "$((x + step * 15))" "$((y + step * 10))" || break
    done
    xdotool mouseup 1 || return
    h=""
  done
}

# en_quit menu|close: "e&Xit" from the File menu, or closing the main window
# through the window manager (openbox's Alt+F4, as its close box does).
en_quit() {
  if [ "$1" = menu ]; then
    en_menu_open alt+f
    xdotool key --clearmodifiers x
  else
    en_focus_main
    xdotool key --clearmodifiers alt+F4
  fi
  en_quit_start=$(en_now_ns)
}

# en_check_quit WHAT: the program ended after its quit with 0 (within
# EN_QUIT_LIMIT_MS when set).
en_check_quit() {
  local pid=$wm_program_pid end=$((SECONDS + WM_DEADLINE)) rc
  while en_running "$pid"; do
    [ "$SECONDS" -ge "$end" ] && break
    sleep 0.01
  done
  en_quit_ms=$((($(en_now_ns) - en_quit_start) / 1000000))
  if en_running "$pid"; then
    kill -ABRT "$pid" 2>/dev/null
    wm_fail "$1: the program still runs ${en_quit_ms} ms after the quit"
  fi
  wait "$pid"
  rc=$?
  [ "$rc" = 0 ] || wm_fail "$1: exit code $rc; log: $(tail -n 20 "$wm_tmp/kelvane.log")"
  echo "$1: ended ${en_quit_ms} ms after the quit"
  [ -z "$EN_QUIT_LIMIT_MS" ] || [ "$en_quit_ms" -le "$EN_QUIT_LIMIT_MS" ] ||
    wm_fail "$1: the program ended ${en_quit_ms} ms after the quit (limit ${EN_QUIT_LIMIT_MS} ms)"
}

# en_check_whole_lines FILE WHAT: empty, or only lines ended by a line end,
# no NUL byte, none longer than a trace line may be.
en_check_whole_lines() {
  local file=$1
  [ -s "$file" ] || return 0
  [ "$(tail -c1 "$file" | od -An -tx1 | tr -d ' ')" = 0a ] ||
    wm_fail "$2: $file ends inside a line: $(tail -c 80 "$file")"
  [ "$(tr -cd '\000' <"$file" | wc -c)" = 0 ] || wm_fail "$2: $file holds NUL bytes"
  local long
  long=$(awk 'length > 199 { n++ } END { print n + 0 }' "$file")
  [ "$long" = 0 ] || wm_fail "$2: $file has $long lines longer than 199 characters"
}
