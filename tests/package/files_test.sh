#!/usr/bin/env bash
# files_test.sh PACKAGING_DIR MAN_DIR KELVANE_CLI: the desktop entry and the
# metainfo validate; each manual page renders without a warning; the
# kelvane-cli page has a section, with its usage line, for every command
# `kelvane-cli --help` lists.
set -uo pipefail
packaging=$1
man_dir=$2
cli=$3
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

desktop-file-validate "$packaging/kelvane.desktop" || fail "desktop-file-validate kelvane.desktop"
for metainfo in "$packaging"/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
done

render() {
  local page=$1 err
  err=$(LC_ALL=C MANWIDTH=80 man --warnings -l "$man_dir/$page.1.gz" 2>&1 >"$man_dir/$page.txt") ||
    fail "man -l $page.1.gz failed: $err"
  [ -z "$err" ] || fail "$page(1) renders with warnings: $err"
}
render kelvane
render kelvane-cli

grep -q '^NAME' "$man_dir/kelvane.txt" && grep -q 'kelvane \[OPTION\]\.\.\. \[FILE\]' "$man_dir/kelvane.txt" ||
  fail "kelvane(1) lacks its name or usage line"
mapfile -t commands < <("$cli" --help | awk '
  /^Subcommands:/ { listing = 1; next }
  listing && /^[^ ]/ { listing = 0 }
  listing && NF && $1 != "help" { print $1 }')
[ ${#commands[@]} -ge 8 ] || fail "kelvane-cli --help lists ${#commands[@]} commands"
for command in "${commands[@]}"; do
  grep -q "^   $command\$" "$man_dir/kelvane-cli.txt" || fail "kelvane-cli(1) has no section $command"
  grep -q "Usage: kelvane-cli $command " "$man_dir/kelvane-cli.txt" ||
    fail "kelvane-cli(1) lacks the usage line of $command"
done
[ $failed -eq 0 ] && echo "desktop entry, metainfo and manual pages (${#commands[@]} commands) pass"
exit $failed
