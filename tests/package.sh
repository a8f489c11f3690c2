#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Makes Tunewell's Debian package from a build folder and checks it as a user's machine meets
# it: the files it installs, the packages it asks apt for, and that the program in it starts
# on a virtual X display. Usage: package.sh path/to/build-folder
set -euo pipefail
build=$(realpath "$1")

if [ -z "${DISPLAY:-}" ] || [ "${PACKAGE_UNDER_XVFB:-}" != 1 ]; then
    export PACKAGE_UNDER_XVFB=1
    exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# The program gets a home of its own: the user's settings and lock are never touched.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/home/runtime
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

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

echo "cpack makes one package, tunewell_1.0"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
[[ "$(basename "$deb")" == tunewell_1.0_*.deb ]] || fail "package file name $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = tunewell ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.0 ] || fail "package version"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "Lantern Softwares <support@lantern.example>" ] \
    || fail "maintainer"

echo "it holds the program, the desktop entry, the metainfo and every icon, all under /usr"
dpkg-deb -c "$deb" | awk '{print $1, $6}' >"$work/contents"
has() { grep -qxF -e "$1" "$work/contents" || fail "the package lacks $1"; }
has "-rwxr-xr-x ./usr/bin/TunewellApp"
has "-rw-r--r-- ./usr/share/applications/$app_id.desktop"
has "-rw-r--r-- ./usr/share/metainfo/$app_id.metainfo.xml"
for size in "${sizes[@]}"; do
    has "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
has "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
stray=$(awk '$2 != "./" && $2 !~ /^\.\/usr\// {print $2}' "$work/contents")
[ -z "$stray" ] || fail "files outside /usr: $stray"

root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/TunewellApp

echo "each icon is a PNG of its size"
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

echo "Depends names Qt's libraries, its platform plugins and every library the program links"
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
