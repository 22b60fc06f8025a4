#!/usr/bin/env bash
# Lenses per second of the focus table on one process and on MPI ranks, one
# thread each, on a slice of the default table (depth 40:45 unless SLICE is
# set), and whether both wrote the same bytes.
#   bench/mpi_speed.sh [path/to/kelvane-cli]     RANKS=2 SLICE=40:45 by default
set -euo pipefail
cli=${1:-build/cli/kelvane-cli}
ranks=${RANKS:-2}
slice=${SLICE:-40:45}
if [ "$(id -u)" -eq 0 ]; then
  export OMPI_ALLOW_RUN_AS_ROOT=1 OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seconds() { # runs "$@", prints its wall time in seconds
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

one=$(seconds "$cli" table --depth "$slice" --threads 1 -o "$work/one.csv" 2> "$work/one.err")
lenses=$(grep -o '[0-9]* lenses evaluated' "$work/one.err" | tail -1 | cut -d' ' -f1)
many=$(seconds mpirun --oversubscribe -n "$ranks" "$cli" table --depth "$slice" --threads 1 -q \
  -o "$work/many.csv")
cmp -s "$work/one.csv" "$work/many.csv" && same="same bytes" || same="DIFFERENT BYTES"
printf 'depth %s: %s lenses\n' "$slice" "$lenses"
printf '1 process x 1 thread: %6.2f s  %5.2f million lenses/s\n' "$one" "$(echo "$lenses / $one / 1e6" | bc -l)"
printf '%d ranks x 1 thread:   %6.2f s  %5.2f million lenses/s  (%.2f times one; %s)\n' "$ranks" "$many" \
  "$(echo "$lenses / $many / 1e6" | bc -l)" "$(echo "$one / $many" | bc -l)" "$same"
