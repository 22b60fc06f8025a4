#!/usr/bin/env bash
# Lenses per second of the focus table on one process (one thread, then as
# many threads as ranks) and on MPI ranks of one thread each, on a slice of the default table (depth 40:45 unless SLICE is
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

# Wall time and CPU time (user + system, children included) of "$@".
timed() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" ; } 2>&1 >/dev/null | tail -1
}

rate() { echo "scale=2; $1 / $2 / 1000000" | bc -l; }
report() { # label, lenses, "wall user sys"
  local wall user sys
  read -r wall user sys <<< "$3"
  printf '%-22s %7.2f s wall %7.2f s CPU  %5.2f million lenses/s (%5.2f per CPU second)\n' "$1" "$wall" \
    "$(echo "$user + $sys" | bc -l)" "$(rate "$2" "$wall")" "$(rate "$2" "$(echo "$user + $sys" | bc -l)")"
}

one=$(timed "$cli" table --depth "$slice" --threads 1 -q -o "$work/one.csv")
threads=$(timed "$cli" table --depth "$slice" --threads "$ranks" -q -o "$work/threads.csv")
many=$(timed mpirun --oversubscribe -n "$ranks" "$cli" table --depth "$slice" --threads 1 -q -o "$work/many.csv")
cmp -s "$work/one.csv" "$work/many.csv" && same="same bytes" || same="DIFFERENT BYTES"
# The lenses the sweep traced: one more run with its progress line.
"$cli" table --depth "$slice" --threads 2 -o /dev/null 2> "$work/count"
lenses=$(grep -o '[0-9]* lenses evaluated' "$work/count" | tail -1 | cut -d' ' -f1)
printf 'depth %s: %s lenses, load %s\n' "$slice" "$lenses" "$(cut -d' ' -f1-3 /proc/loadavg)"
report "1 process x 1 thread" "$lenses" "$one"
report "1 process x $ranks threads" "$lenses" "$threads"
report "$ranks ranks x 1 thread" "$lenses" "$many"
printf 'ranks: %.2f times one thread (wall); %s\n' "$(echo "${one%% *} / ${many%% *}" | bc -l)" "$same"
printf 'CPU time per lens, ranks against one thread: %.2f; threads against one thread: %.2f\n' \
  "$(echo "($(echo "$many" | cut -d' ' -f2) + $(echo "$many" | cut -d' ' -f3)) / ($(echo "$one" | cut -d' ' -f2) + $(echo "$one" | cut -d' ' -f3))" | bc -l)" \
  "$(echo "($(echo "$threads" | cut -d' ' -f2) + $(echo "$threads" | cut -d' ' -f3)) / ($(echo "$one" | cut -d' ' -f2) + $(echo "$one" | cut -d' ' -f3))" | bc -l)"
