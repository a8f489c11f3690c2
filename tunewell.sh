#!/usr/bin/env bash
# Tunewell's commands. Each one installs what is missing, builds, then does its job.
#   ./tunewell.sh run          start the program (on a virtual display if there is none)
#   ./tunewell.sh test         run the whole test suite
#   ./tunewell.sh screenshots  picture every window a user meets, into screenshots/
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev
          xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core)

install_missing() {
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' \
            || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}

run() {
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec build/TunewellApp
    fi
    echo "No display here: running Tunewell on a virtual one and taking a screenshot instead."
    local shot="$PWD/build/tunewell-screenshot.png"
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        build/TunewellApp &
        app=$!
        timeout 30 xdotool search --sync --onlyvisible --name "Tunewell v1.0" >/dev/null
        import -window root "$1"
        kill "$app"; wait "$app" || true' _ "$shot"
    echo "Screenshot: $shot"
}

case "${1:-}" in
    run) install_missing; build; run ;;
    test) install_missing; build; ctest --test-dir build --output-on-failure ;;
    screenshots) install_missing; build; tests/screenshots.sh build screenshots ;;
    *) echo "usage: $0 run | test | screenshots" >&2; exit 2 ;;
esac
