#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Makes Tunewell's Debian package from a build folder and checks it as a distribution and a
# user's machine meet it: lintian's verdict, the same bytes from two fresh builds, the files it
# installs, the packages it asks apt for, and that the program in it starts on a virtual X
# display. Usage: package.sh path/to/build-folder
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$(dirname "$0")/..")

if [ -z "${DISPLAY:-}" ] || [ "${PACKAGE_UNDER_XVFB:-}" != 1 ]; then
    export PACKAGE_UNDER_XVFB=1
    exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# The program gets a home of its own: the user's settings and lock are never touched.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/home/runtime
export QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

app_id=io.example.Tunewell
sizes=(16 22 24 32 48 64 128 256)

fail() { echo "FAIL: $*"; exit 1; }

# Prints the package that owns a library found at $1; merged /usr means dpkg may know the
# file under /lib or under /usr/lib.
owner() {
    local candidate found
    for candidate in "$1" "/usr${1#/usr}" "${1#/usr}"; do
        found=$(dpkg-query -S "$candidate" 2>/dev/null | sed -n 's/^\([^:, ]*\).*/\1/p' | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
    done
    return 1
}

# Packs the build folder $1 into the folder $2.
pack() {
    (cd "$work" && cpack --config "$1/CPackConfig.cmake" -B "$2") >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed in $1"; }
}

echo "cpack makes one package, tunewell_1.0, with no error, warning or information from lintian"
pack "$build" "$work/out"
deb=$(echo "$work"/out/tunewell_1.0_*.deb)
[ -f "$deb" ] || fail "expected one package tunewell_1.0, found: $(ls "$work/out")"
# lintian also checks the file permissions, the hardening of the program, the manual page and
# the change log. A tag that has to stay would be suppressed here, with the reason; none has to.
lintian --fail-on error,warning,info --display-info "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log"; fail "lintian"; }

echo "two fresh builds of this source, in two other folders at two times, pack to the same bytes"
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
program=$root/usr/bin/TunewellApp

echo "it holds the program, manual page, copyright, change log, desktop entry, metainfo, icons"
for file in bin/TunewellApp share/man/man1/TunewellApp.1.gz share/doc/tunewell/changelog.gz \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml; do
    [ -f "$root/usr/$file" ] || fail "the package lacks /usr/$file"
done
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$root/usr/share/doc/tunewell/copyright" || fail "the copyright file is not machine-readable"
for size in "${sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "icon $icon: $(file -b "$icon")"
done
file -b "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q SVG \
    || fail "the scalable icon is no SVG"

echo "the desktop entry starts the packaged program and names the packaged icon"
entry=$root/usr/share/applications/$app_id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
exec_program=${exec_line%% *}
[ -n "$exec_program" ] && [ -x "$root/usr/bin/$exec_program" ] \
    || fail "Exec=$exec_line is not a program in /usr/bin of the package"
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$app_id" ] || fail "Icon= does not name $app_id"

echo "the metainfo agrees with the installed tree"
appstreamcli validate-tree --no-net --strict "$root" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "appstreamcli validate-tree"; }
grep -q "<binary>$exec_program</binary>" "$root/usr/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metainfo does not provide the binary $exec_program"

echo "Depends names Qt, its platform plugins and all the program links; Recommends, Qt's Wayland"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends lacks qt6-wayland"
depends_field=$(dpkg-deb -f "$deb" Depends)
depends=$(tr ',|' '\n\n' <<<"$depends_field" | sed 's/(.*)//; s/:any//; s/ //g')
declared() { grep -qxF -e "$1" <<<"$depends" || fail "Depends lacks $1 ($2): $depends_field"; }
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    declared "$package" "always needed"
done
ldd "$program" >"$work/ldd"
for soname in $(objdump -p "$program" | awk '$1 == "NEEDED" {print $2}'); do
    path=$(awk -v so="$soname" '$1 == so && $2 == "=>" {print $3}' "$work/ldd")
    [ -n "$path" ] && [ "$path" != "not" ] || fail "$soname is not found on this machine"
    package=$(owner "$path") || fail "no package owns $path"
    declared "$package" "for $soname"
done

echo "the packaged program starts, by its desktop entry's Exec line, and shows its window"
"$root/usr/bin/$exec_program" & app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tunewell v1.0$' | head -n 1) \
    || fail "no window within 20 seconds"
[ "$(xdotool getwindowpid "$window")" = "$app" ] || fail "the window is not the packaged program's"
# The plugins Qt loaded (the platform among them) come from packages that Depends must name.
for plugin in $(awk '$6 ~ /\/plugins\/.*\.so$/ {print $6}' "/proc/$app/maps" | sort -u); do
    package=$(owner "$plugin") || fail "no package owns $plugin"
    declared "$package" "for $plugin"
done
grep -q '^Duration=' "$XDG_CONFIG_HOME/Tunewell/TunewellApp.conf" \
    || fail "the program kept its setting somewhere other than the test's own home"
kill "$app"
wait "$app" || true
echo "1 passed, 0 failed"
