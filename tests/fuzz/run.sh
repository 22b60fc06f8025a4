#!/usr/bin/env bash
# Runs every fuzz target of a KELVANE_FUZZ build for SECONDS each, one after
# the other in one process each, from its corpus (tests/fuzz/corpus/<target>/)
# and its named seeds (tests/fuzz/seeds/<target>/: hand-written inputs and
# the reproducers of what was once found). Then it minimises the corpus
# again: the corpus, the seeds and the new inputs are merged into an empty
# folder, which replaces the corpus, so the corpus never only grows. It
# reports how many inputs each target ran.
# A crash, a leak, undefined behaviour or an input that takes longer than
# FUZZ_TIMEOUT seconds (default 1) fails the target; its input is kept under
# BUILD/fuzz-work/<target>/artifacts/. The exit code is 1 when any target
# failed.
#
# Usage: tests/fuzz/run.sh BUILD SECONDS
set -uo pipefail
build=${1:?build directory}
seconds=${2:?seconds per target}
timeout=${FUZZ_TIMEOUT:-1}
here=$(cd "$(dirname "$0")" && pwd)
work=$build/fuzz-work

found=0
failed=0
report=()
for bin in "$build"/tests/fuzz/fuzz_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  found=1
  name=${bin##*/fuzz_}
  corpus=$here/corpus/$name
  seeds=()
  [ -d "$here/seeds/$name" ] && seeds=("$here/seeds/$name")
  # Longer inputs make a run slower rather than find more.
  case $name in
    psview) max_len=256 ;;
    handoff | focus_results) max_len=512 ;;
    *) max_len=1024 ;;
  esac
  new=$work/$name/new
  artifacts=$work/$name/artifacts
  log=$work/$name/fuzz.log
  mkdir -p "$corpus" "$new" "$artifacts"
  dict=()
  [ -f "$here/$name.dict" ] && dict=(-dict="$here/$name.dict")
  before=$(find "$corpus" -type f | wc -l)
  echo "== fuzz_$name for ${seconds} s (log: $log)"
  # New inputs go to the first folder, in the build tree; the merge below
  # keeps only those that add coverage.
  "$bin" "$new" "$corpus" "${seeds[@]}" "${dict[@]}" -max_total_time="$seconds" \
    -max_len="$max_len" -timeout="$timeout" \
    -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' | tail -1)
  [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  speed=$(grep -oE 'stat::average_exec_per_sec: *[0-9]+' "$log" | grep -oE '[0-9]+$' | tail -1)
  merged=$work/$name/merged
  rm -rf "$merged" && mkdir -p "$merged"
  if "$bin" -merge=1 -max_len="$max_len" "$merged" "$corpus" "$new" "${seeds[@]}" \
       >"$work/$name/merge.log" 2>&1; then
    rm -f "$corpus"/* && cp "$merged"/* "$corpus"/
  fi
  after=$(find "$corpus" -type f | wc -l)
  if [ $rc -eq 0 ]; then
    result=ok
  else
    failed=1
    result="FAILED ($(grep -m1 -oE 'ERROR: [A-Za-z]+: [^ ]+( [^ ]+)?|deadly signal|timeout|out-of-memory' "$log" || echo "exit $rc"))"
    result+="; input: $(grep -oE "Test unit written to [^ ]+" "$log" | tail -1 | cut -d' ' -f5)"
    tail -40 "$log"
  fi
  report+=("$(printf '%-10s %10s executions %8s exec/s  corpus %d -> %d  %s' \
    "$name" "${runs:-?}" "${speed:-?}" "$before" "$after" "$result")")
done
[ $found -eq 1 ] || { echo "no fuzz targets in $build/tests/fuzz" >&2; exit 1; }
echo "== fuzzing: ${seconds} s per target"
printf '%s\n' "${report[@]}"
exit $failed
