#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Builds Qt for Windows from Debian's own qt6-base source, the version of the Qt installed here
# (whose moc, uic and rcc the cross build runs), and prints the folder it is installed in.
#
# The build is kept in a cache and made once per machine: its folder is named after everything
# that shapes it, so a change to the source version, the compiler, the options or the mends
# below builds anew beside the old one.
# Clear it with: rm -rf "${XDG_CACHE_HOME:-$HOME/.cache}/tunewell"
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Configured as Qt's own Windows packages are, with their bundled HarfBuzz, FreeType, libpng,
# zlib and PCRE2 (Windows has no system copies), less what Tunewell never uses. Left out:
# - network, sql, dbus, printsupport, concurrent, xml: modules the program and its tests never
#   load; D-Bus is no Windows service at all;
# - opengl, vulkan: every window is drawn by the raster engine, so no GL context is ever made;
# - icu: no text is collated or formatted by locale; Qt's own tables serve the rest;
# - jpeg, gif: the only pictures are the program's PNG and ICO files;
# - zstd: rcc compresses the few small resources with zlib just as well;
# - tabletevent: no pen input is read;
# - direct2d: a second platform plugin, never the default one the program ships;
# - directwrite3: without it the native plugin asks for no DirectWrite font database, which
#   this toolchain's headers cannot build; the GDI and DirectWrite engines stay.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
)
compiler=x86_64-w64-mingw32-g++-posix
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$( { echo "$version"; "$compiler" --version | head -n 1; printf '%s\n' "${options[@]}"
         cat "$here/mingw-w64.cmake" "$here"/qt-*.patch; } | sha256sum | cut -c 1-16)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tunewell
prefix=$cache/qt-$version-windows-$key
if [ -f "$prefix/.built" ]; then
    echo "$prefix"
    exit 0
fi

# Debian's source lists are not always enabled: fetch the source through a list of its own,
# the same archive and suites as the binary packages.
sources=$(mktemp -d)
trap 'rm -rf "$sources"' EXIT
mkdir -p "$sources/lists/partial"
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -e "$list" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$list"
done >"$sources/src.list"
for list in /etc/apt/sources.list.d/*.sources; do
    [ -e "$list" ] && sed 's/^Types:.*/Types: deb-src/' "$list" >"$sources/$(basename "$list")"
done
apt_src=(-o Dir::Etc::SourceList="$sources/src.list" -o Dir::Etc::SourceParts="$sources"
         -o Dir::State::Lists="$sources/lists" -o APT::Sandbox::User=root)
apt-get "${apt_src[@]}" update -qq >&2
rm -rf "$prefix" "$cache/qt-build"
mkdir -p "$cache/qt-build"
echo "Building Qt $version for Windows into $prefix (about half an hour)" >&2
# Each step's output goes to a log in the build folder, shown when the step fails.
step() {
    local log=$cache/qt-build/$1.log
    shift
    "$@" >"$log" 2>&1 || { tail -n 30 "$log" >&2; echo "The whole log: $log" >&2; return 1; }
}
(cd "$cache/qt-build" && step source apt-get "${apt_src[@]}" source "qt6-base=$version")
# Our mends to Qt, each saying what it mends.
for mend in "$here"/qt-*.patch; do
    step patch patch -d "$(echo "$cache"/qt-build/qt6-base-*/)" -p1 -i "$mend"
done
step configure cmake -S "$cache"/qt-build/qt6-base-*/ -B "$cache/qt-build/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
step build cmake --build "$cache/qt-build/build"
step install cmake --install "$cache/qt-build/build"
rm -rf "$cache/qt-build"
touch "$prefix/.built"
echo "$prefix"
