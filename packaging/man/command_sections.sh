#!/usr/bin/env bash
# command_sections.sh KELVANE_CLI OUT: writes a help2man include file with a
# COMMANDS section that holds `kelvane-cli help CMD` for every command that
# `kelvane-cli --help` lists, so the manual page follows the program's own
# help and cannot drift from it.
set -euo pipefail
cli=$1
out=$2

# The commands: the first word of each line of the Subcommands list.
mapfile -t commands < <("$cli" --help | awk '
  /^Subcommands:/ { listing = 1; next }
  listing && /^[^ ]/ { listing = 0 }
  listing && NF { print $1 }')
[ ${#commands[@]} -gt 0 ] || { echo "$0: $cli --help lists no commands" >&2; exit 1; }

# Help text as roff, kept line for line: backslashes and minus signs escaped,
# a line that starts with a dot or quote kept from being read as a request.
to_roff() {
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

tmp=$(mktemp "$out.XXXXXX")
trap 'rm -f "$tmp"' EXIT
{
  echo "[COMMANDS]"
  echo "Each command's own help, as \\fBkelvane\\-cli help\\fR \\fICOMMAND\\fR prints it."
  for command in "${commands[@]}"; do
    [ "$command" = help ] && continue
    echo ".SS \"$command\""
    echo ".nf"
    "$cli" help "$command" | to_roff
    echo ".fi"
  done
  echo "[SEE ALSO]"
  echo ".BR kelvane (1)"
} >"$tmp"
mv "$tmp" "$out"
trap - EXIT
