#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Makes Tunewell's Debian package and RPM from a build folder and checks them as distributions
# and a user's machine meet them: lintian's and rpmlint's verdicts, the same bytes from two fresh
# builds, the files they install, the packages they ask for, and that the program in them starts
# on a virtual X display. Usage: package.sh path/to/build-folder
set -euo pipefail
source "$(dirname "$0")/x11_session.sh" "$@"
build=$(realpath "$1")
source=$(realpath "$(dirname "$0")/..")
work=$(mktemp -d -p "$home")

# Runs a command quietly; only when it fails, what it said and its name.
quietly() { "$@" >"$work/log" 2>&1 || { cat "$work/log"; fail "$1"; }; }
pack() { (cd "$work" && quietly cpack --config "$1/CPackConfig.cmake" -B "$2" "${@:3}"); }

# cpack makes one package, tunewell_1.0, and one RPM, tunewell-1.0-1.
pack "$build" "$work/out"
pack "$build" "$work/out" -G RPM
deb=$(echo "$work"/out/tunewell_1.0_*.deb)
rpm=$(echo "$work"/out/tunewell-1.0-1.*.rpm)
[ -f "$deb" ] && [ -f "$rpm" ] || fail "expected tunewell_1.0 and tunewell-1.0-1: $(ls "$work/out")"

# Two fresh builds pack to the same bytes: in two folders, at two times, under two umasks, one
# of this source and one of an archive of it that has no git history.
fresh() ( # umask, source folder, build folder
    umask "$1"
    # cpack then builds nothing but the program, which is all that the package needs.
    cmake -S "$2" -B "$3" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
    cmake --build "$3" --target TunewellApp
    pack "$3" "$3/out"
)
tree=$(git -C "$source" stash create) # the source as it is, changes not yet committed too
git -C "$source" archive --prefix=archive/ "${tree:-HEAD}" | tar -x -C "$work"
fresh 002 "$source" "$work/one"
fresh 022 "$work/archive" "$work/other/two"
cmp "$work"/one/out/*.deb "$work"/other/two/out/*.deb || fail "one source made two packages"

# No error, warning or information from lintian on the package made under umask 002, the one
# most likely to go wrong, nor an error from rpmlint (the README says why each of its warnings
# stays). lintian also checks the file permissions, the hardening of the program, the manual
# page and the change log.
quietly lintian --fail-on error,warning,info --display-info "$work"/one/out/*.deb
quietly rpmlint -c "$source/packaging/rpmlint.toml" "$rpm"

root=$work/root
dpkg-deb -x "$deb" "$root"
# The RPM holds the same files and links (of the folders, only its own).
diff <(rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$rpm" | sed -n 's/^[^d][^ ]* //p') \
    <(cd "$root" && find . ! -type d | cut -c2- | LC_ALL=C sort) || fail "the RPM holds other files"
# The program finds Qt where the system keeps its libraries, not by a path of its own.
! readelf -d "$root/usr/bin/TunewellApp" | grep -E 'RUNPATH|RPATH' || fail "a RUNPATH or RPATH"

# The metainfo, valid on its own and with the installed tree (pedantic hints are shown only).
quietly appstreamcli validate-tree --no-net --strict --pedantic "$root"

# Depends names Qt and its platform plugins; Recommends, Qt's Wayland. rpm finds the same
# libraries by itself.
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends lacks qt6-wayland"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    dpkg-deb -f "$deb" Depends | grep -q "\b$package\b" || fail "Depends lacks $package"
done
rpm -qp --requires "$rpm" | grep -q '^libQt6Widgets\.so\.6()' || fail "Requires lacks Qt"

# The packaged program starts, by its desktop entry's Exec line, and shows its window.
entry=$root/usr/share/applications/io.example.Tunewell.desktop
"$root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")" & app=$!
[ "$(xdotool getwindowpid "$(window frmMain)")" = "$app" ] || fail "no window of the packaged one"
grep -q '^Duration=' "$settings" || fail "the program kept its setting out of the test's own home"
end_cleanly "$app"
