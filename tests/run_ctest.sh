#!/usr/bin/env bash
# Runs ctest in BUILD with the given arguments and names every test that was
# skipped or disabled (a missing tool, GTEST_SKIP, exit code 77): a test that
# did not run tested nothing. With CI set that fails the run; otherwise the
# skips are named in one line at the end. Tests left out by a label or -R
# were not run on purpose and do not count.
#
# Usage: tests/run_ctest.sh BUILD [ctest arguments...]
set -uo pipefail
build=${1:?build directory}
shift
junit=$(mktemp "${TMPDIR:-/tmp}/kelvane-ctest-XXXXXX.xml")
trap 'rm -f "$junit"' EXIT

(cd "$build" && ctest --no-tests=error --output-junit "$junit" "$@")
rc=$?

# One <testcase ... status="notrun|disabled"> line per test that did not run.
mapfile -t skipped < <(grep -E '<testcase .*status="(notrun|disabled)"' "$junit" 2>/dev/null |
                       sed -E 's/.*<testcase name="([^"]*)".*/\1/')
if [ ${#skipped[@]} -gt 0 ]; then
  names=$(printf '%s, ' "${skipped[@]}")
  names=${names%, }
  case "${CI:-}" in
    "" | 0 | false)
      echo "note: ${#skipped[@]} test(s) skipped and tested nothing: $names" ;;
    *)
      echo "FAILED: ${#skipped[@]} test(s) skipped; CI runs every test: $names" >&2
      [ $rc -ne 0 ] || rc=1 ;;
  esac
fi
exit $rc
