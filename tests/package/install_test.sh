#!/usr/bin/env bash
# The Debian package installed for real, tried and removed again: lintian
# finds no error in it; apt-get installs it with its dependencies; the
# installed kelvane-cli prints what the build's prints; the installed kelvane
# opens its windows under Xvfb with openbox and finds its help page in the
# installed Doc folder; `man kelvane-cli` shows the page; `apt-get remove`
# leaves none of its files behind. Installs packages, so it runs as root
# (.ci/run calls it after `make package`).
# Usage: tests/package/install_test.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || fail "this test installs a package: run it as root"
shopt -s nullglob
debs=("$build"/kelvane_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "want one $build/kelvane_*.deb (make package), found ${#debs[@]}"
deb=${debs[0]}
if dpkg-query -W -f='${Status}' kelvane 2>/dev/null | grep -q 'ok installed'; then
  fail "kelvane is installed already; remove it first (this test installs and removes it)"
fi

echo "== lintian $deb"
lintian --fail-on error "$deb" || fail "lintian found errors"

echo "== apt-get install ./$deb"
installed=0
remove_package() {
  [ $installed -eq 1 ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kelvane >/dev/null
  installed=0
}
trap remove_package EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
installed=1
mapfile -t files < <(dpkg -L kelvane | while read -r f; do [ -d "$f" ] || echo "$f"; done)
echo "${#files[@]} files installed"
for f in /usr/bin/kelvane /usr/bin/kelvane-cli /usr/share/man/man1/kelvane.1.gz \
  /usr/share/man/man1/kelvane-cli.1.gz /usr/share/applications/kelvane.desktop \
  /usr/share/icons/hicolor/scalable/apps/kelvane.svg /usr/share/doc/kelvane/copyright \
  /usr/share/doc/kelvane/changelog.gz /usr/share/doc/kelvane/examples/width_fade.ops; do
  [ -e "$f" ] || fail "$f was not installed"
done
# The program looks for the guide and translations beside itself.
for sub in guide translations; do
  [ ! -d "/usr/share/kelvane/$sub" ] || [ -d "/usr/lib/kelvane/$sub" ] ||
    fail "/usr/share/kelvane/$sub is installed, but not reached from /usr/lib/kelvane/$sub"
done

echo "== kelvane-cli focus 219 163 143 260 112 CVCV"
[ "$(command -v kelvane-cli)" = /usr/bin/kelvane-cli ] || fail "kelvane-cli is not /usr/bin's"
want=$("$build/cli/kelvane-cli" focus 219 163 143 260 112 CVCV)
got=$(/usr/bin/kelvane-cli focus 219 163 143 260 112 CVCV)
echo "$got"
[ "$got" = "$want" ] || fail "the installed kelvane-cli printed otherwise than the build's: $want"

echo "== kelvane under Xvfb and openbox"
(
  # The session's helpers end the test through wm_fail, and its clean-up
  # waits for processes it killed: no errexit in here.
  set +e
  KELVANE=/usr/bin/kelvane
  source tests/wm/wm_session.sh
  wm_start_session
  echo "lens 300,200,300,200,80,CVCC" >"$wm_tmp/lens.ops"
  wm_start_program "$wm_tmp/lens.ops"
  wm_wait_for "the main window" wm_window_shown "Kelvane"
  wm_wait_for "the lens view of the script" wm_window_shown "Kelvane Lens Demo"
  # The help page is found in the installed Doc folder beside the program,
  # so none is made in the user's folders.
  for dir in "$TEMP/Kelvane/Doc" "$HOME/Kelvane/Doc"; do
    [ ! -e "$dir" ] || wm_fail "the installed program made $dir: it did not find its own Doc"
  done
  echo "main window and lens view shown"
)

echo "== man kelvane-cli"
page=$(LC_ALL=C MANWIDTH=80 man kelvane-cli 2>&1) || fail "man kelvane-cli: $page"
grep -q "Usage: kelvane-cli focus " <<<"$page" || fail "man kelvane-cli lacks the focus command"
echo "$page" | sed -n '1,4p'

echo "== apt-get remove -y kelvane"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kelvane >/dev/null
installed=0
for f in "${files[@]}"; do
  [ ! -e "$f" ] && [ ! -L "$f" ] || fail "$f is still there after the package was removed"
done
for dir in /usr/lib/kelvane /usr/share/kelvane /usr/share/doc/kelvane; do
  [ ! -e "$dir" ] || fail "$dir is still there after the package was removed"
done
echo "PASS: ${#files[@]} files installed, tried and removed"
