#!/usr/bin/env bash
# Many second starts at once, each with a script of its own: every one hands
# its script over and ends with 0, and the first instance runs every script,
# one after the other, in the order it took them. A script shows that it
# started by its one unreadable line, which the runner reports with the
# script's name before it runs the first line.
# Usage: handoff_burst_test.sh PATH-TO-KELVANE
KELVANE=$1
source "$(dirname "$0")/../wm/wm_session.sh"
source "$(dirname "$0")/endurance_lib.sh"
wm_start_session

STARTS=${ENDURANCE_STARTS:-20}
echo "second starts at once: $STARTS"
mkdir -p "$wm_tmp/scripts"
for ((i = 1; i <= STARTS; i++)); do
  name=$(printf 's%02d.ops' "$i")
  printf 'lens %d,200,300,200,80,CVCC\nwindow 1 2\nsleep 100\n' $((250 + i)) \
    >"$wm_tmp/scripts/$name"
done

en_start
started=$(en_now_ns)
pids=()
for ((i = 1; i <= STARTS; i++)); do
  name=$(printf 's%02d' "$i")
  "$KELVANE" "$wm_tmp/scripts/$name.ops" >"$wm_tmp/second_$name.log" 2>&1 &
  pids+=($!)
done

# No second start hangs: each ends, with 0, in the time one condition may take.
all_ended() {
  local pid n=0
  for pid in "${pids[@]}"; do en_running "$pid" && n=$((n + 1)); done
  wm_seen="$n still running"
  [ "$n" = 0 ]
}
wm_wait_for "every second start to end" all_ended
echo "the second starts ended after $((($(en_now_ns) - started) / 1000000)) ms"
for ((i = 0; i < STARTS; i++)); do
  wait "${pids[i]}"
  rc=$?
  name=$(printf 's%02d' $((i + 1)))
  [ "$rc" = 0 ] || wm_fail "the second start with $name.ops ended with $rc: $(cat "$wm_tmp/second_$name.log")"
done
wm_program_alive || wm_fail "the first instance ended: $(tail -n 20 "$wm_tmp/kelvane.log")"

# Every script ran: its warning is in the first instance's output.
runs_seen() { grep -c '/s[0-9][0-9]\.ops:2: ' "$wm_tmp/kelvane.log"; }
all_ran() {
  wm_seen="$(runs_seen) of $STARTS scripts started"
  [ "$(runs_seen)" -ge "$STARTS" ]
}
WM_DEADLINE=$((WM_DEADLINE + STARTS)) wm_wait_for "every script to run" all_ran
echo "every script ran after $((($(en_now_ns) - started) / 1000000)) ms"

# Once each, in the order the hand-offs were taken.
handed=$(sed -n 's|^Script hand-off: .*/\(s[0-9][0-9]\)\.ops$|\1|p' "$wm_tmp/kelvane.log")
ran=$(sed -n 's|^.*/\(s[0-9][0-9]\)\.ops:2: .*|\1|p' "$wm_tmp/kelvane.log")
wm_expect "scripts handed over" "$(echo "$handed" | sort | uniq | wc -l)" "$STARTS"
wm_expect "the order of the runs" "$(echo $ran)" "$(echo $handed)"

en_quit close
en_check_quit "quitting after the hand-offs"
echo "PASS"
