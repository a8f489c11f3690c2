#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Makes Tunewell's Debian package from a build folder and checks it as a distribution and a
# user's machine meet it: lintian's verdict, the same bytes from two fresh builds, the files it
# installs, the packages it asks apt for, and that the program in it starts on a virtual X
# display. Usage: package.sh path/to/build-folder
set -euo pipefail
source "$(dirname "$0")/x11_session.sh" "$@"
build=$(realpath "$1")
source=$(realpath "$(dirname "$0")/..")
work=$(mktemp -d -p "$home")

pack() {
    (cd "$work" && cpack --config "$1/CPackConfig.cmake" -B "$2") >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed in $1"; }
}

# cpack makes one package, tunewell_1.0, with no error, warning or information from lintian.
pack "$build" "$work/out"
deb=$(echo "$work"/out/tunewell_1.0_*.deb)
[ -f "$deb" ] || fail "expected one package tunewell_1.0, found: $(ls "$work/out")"
# lintian also checks the file permissions, the hardening of the program, the manual page and
# the change log. A tag that has to stay would be suppressed here, with the reason; none has to.
lintian --fail-on error,warning,info --display-info "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log"; fail "lintian"; }

# Two fresh builds of this source, in two other folders at two times, pack to the same bytes.
for copy in one other/two; do
    # cpack then builds nothing but the program, which is all that the package needs.
    cmake -S "$source" -B "$work/$copy" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
    cmake --build "$work/$copy" --target TunewellApp
    pack "$work/$copy" "$work/$copy/out"
done
cmp "$work"/one/out/*.deb "$work"/other/two/out/*.deb || fail "one source made two packages"

root=$work/root
dpkg-deb -x "$deb" "$root"

# The metainfo, valid on its own and with the installed tree (pedantic hints are shown only).
appstreamcli validate-tree --no-net --strict --pedantic "$root" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "appstreamcli validate-tree"; }

# Depends names Qt and its platform plugins; Recommends, Qt's Wayland.
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends lacks qt6-wayland"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    dpkg-deb -f "$deb" Depends | grep -q "\b$package\b" || fail "Depends lacks $package"
done

# The packaged program starts, by its desktop entry's Exec line, and shows its window.
"$root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/usr/share/applications/io.example.Tunewell.desktop")" & app=$!
[ "$(xdotool getwindowpid "$(window frmMain)")" = "$app" ] || fail "no window of the packaged program"
grep -q '^Duration=' "$settings" || fail "the program kept its setting somewhere other than the test's own home"
end_cleanly "$app"
