#!/usr/bin/env bash
# NLopt for the web page: Debian ships it for the machine only, so the page's
# build compiles the same release from Debian's source package (the version
# of the installed libnlopt-dev) with Emscripten, once, into DIR:
#   DIR/include/nlopt.h, nlopt.hpp and DIR/lib/libnlopt.a
# apt-get reads the source index from a list of its own under DIR, so the
# system's apt configuration stays as it is. Usage: tools/nlopt-wasm.sh DIR
set -euo pipefail
dir=$(realpath -m "${1:?usage: tools/nlopt-wasm.sh DIR}")
[ -f "$dir/lib/libnlopt.a" ] && exit 0
version=$(dpkg-query -W -f='${Version}' libnlopt-dev)
mkdir -p "$dir/apt/lists/partial" "$dir/src"
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $suite main" \
  > "$dir/apt/sources.list"
apt_opts=(-o "Dir::Etc::SourceList=$dir/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
          -o "Dir::State::Lists=$dir/apt/lists" -o APT::Sandbox::User=root -qq)
apt-get "${apt_opts[@]}" update
(cd "$dir/src" && apt-get "${apt_opts[@]}" source --download-only "nlopt=$version")
upstream=${version%-*}
tar -xzf "$dir/src/nlopt_${upstream}.orig.tar.gz" -C "$dir/src"
# Only the C library: no language bindings, no tests, no C++ algorithms
# (the designer uses COBYLA, which is C).
NODE_PATH=/usr/share/nodejs emcmake cmake -S "$dir/src/nlopt-${upstream}" -B "$dir/build" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DNLOPT_CXX=OFF -DNLOPT_PYTHON=OFF \
  -DNLOPT_OCTAVE=OFF -DNLOPT_MATLAB=OFF -DNLOPT_GUILE=OFF -DNLOPT_SWIG=OFF -DNLOPT_FORTRAN=OFF \
  -DNLOPT_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$dir" -DCMAKE_INSTALL_LIBDIR=lib > "$dir/cmake.log"
NODE_PATH=/usr/share/nodejs cmake --build "$dir/build" -j2 > "$dir/build.log"
cmake --install "$dir/build" > /dev/null
