#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Tunewell's commands. Each one installs what is missing, builds, then does its job.
#   ./tunewell.sh run          start the program (on a virtual display if there is none)
#   ./tunewell.sh test         run the whole test suite
#   ./tunewell.sh windows      build for Windows, check it under Wine, and leave its setup
#                              program and a portable zip in build-windows/
#   ./tunewell.sh screenshots  picture every window a user meets, into docs/screenshots/, the
#                              main window on Wayland and, once built, every window on Windows
#   ./tunewell.sh bench        start-up time and memory next to a bare Qt window
#   ./tunewell.sh fuzz [SECS]  hunt with fresh random inputs, ten minutes by default
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ clang-14 libclang-rt-14-dev qt6-base-dev qt6-qpa-plugins libgl-dev
          xvfb xdotool x11-utils imagemagick fonts-dejavu-core weston qt6-wayland
          clang-format desktop-file-utils appstream dpkg-dev file binutils time git lintian reuse
          rpm rpmlint)
# For Windows: MinGW-w64, Debian's own Qt source and what builds and mends it, Wine, NSIS,
# ImageMagick for the setup program's picture, zip, osslsigncode to sign; openssl and git for the
# checks that sign with a certificate of their own and build a fresh copy again. Wine has no
# Verdana: the checks run where a face with far other line metrics stands in for it (DejaVu Math
# TeX Gyre), which finds any text placed by the one and measured by the other.
windows_packages=(cmake ninja-build qt6-base-dev dpkg-dev perl xz-utils patch
                  g++-mingw-w64-x86-64-posix icoutils imagemagick nsis zip osslsigncode openssl
                  git wine wine64 xvfb xdotool fonts-dejavu-core fonts-dejavu-extra)

# Installs those of the given packages (the Linux build's by default) that are missing.
install_missing() {
    local missing=() package
    (($#)) || set -- "${packages[@]}"
    for package in "$@"; do
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

# Runs a command with its output held back, shown only if it fails.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || status=$?
    ((status == 0)) || cat "$log" >&2
    rm -f "$log"
    return "$status"
}

run() {
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec build/TunewellApp
    fi
    # No display: Tunewell runs on a virtual one, in a home of its own that goes with the run, so
    # that the user's settings and lock are never touched, and leaves a screenshot of its window.
    local shot="$PWD/build/tunewell-screenshot.png"
    home=$(mktemp -d) # not local: the trap reads it when the script ends
    trap 'rm -rf "$home"' EXIT
    mkdir -m 700 "$home/runtime"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state \
    XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime \
        tools/with_xvfb.sh 1024x768 bash -c '
        build/TunewellApp &
        app=$!
        timeout 30 xdotool search --sync --onlyvisible --name "Tunewell v1.0" >/dev/null
        import -window root "$1"
        kill "$app"; wait "$app" || true' _ "$shot"
    echo "$shot"
}

run_tests() {
    ctest --test-dir build --output-on-failure
    # The same suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
    # any report fails it.
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTUNEWELL_SANITIZE=ON >/dev/null
    cmake --build build-sanitize
    # Some tests run the program as another user, who may not enter this folder: the sanitizers
    # read a copy of their suppressions that anyone may read.
    suppressions=$(mktemp) # not local: the trap reads it when the script ends
    trap 'rm -f "$suppressions"' EXIT
    cp tests/sanitizers.supp "$suppressions"
    chmod 644 "$suppressions"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$suppressions \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-sanitize --output-on-failure
    # Fuzz the refer-a-friend request: a fixed number of inputs from a fixed seed, so every run
    # of the suite tries the same ones.
    build_fuzzers
    ctest --test-dir build-fuzz -L fuzz --output-on-failure
}

build_fuzzers() {
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
        -DTUNEWELL_FUZZ=ON >/dev/null
    cmake --build build-fuzz --target fuzz_referral
}

# A longer hunt with fresh seeds for the given seconds, growing its own corpus in
# build-fuzz/found/, where any input that breaks a rule is left as crash-*.
hunt() {
    build_fuzzers
    mkdir -p build-fuzz/found
    (cd build-fuzz/found && ../fuzz/fuzz_referral -max_total_time="${1:-600}" -timeout=5 \
        -rss_limit_mb=2048 . ../../fuzz/corpus/referral)
}

# Qt for Windows, built once per machine into a cache, then Tunewell with it: the program, the
# setup program and the portable zip, then the tests.
build_windows() {
    packaging/windows/build.sh build-windows
    cmake --build build-windows
}

# A Wine prefix of this run's own, never the user's, gone when the script ends.
own_wine_prefix() {
    WINEPREFIX=$(mktemp -d) # not local: the trap reads it when the script ends
    trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
    export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET, no browser
    wineboot --init 2>/dev/null
    wineserver --wait
}

# The Windows checks, each on a virtual display of its own.
windows_checks() {
    own_wine_prefix
    tools/with_xvfb.sh 1024x768 ctest --test-dir build-windows --output-on-failure
    # Wine's server goes with the display it was started on: the next display starts its own.
    wineserver --wait
    tests/windows.sh build-windows/Tunewell-1.0-setup.exe
}

# The Windows program's windows under Wine, when there is a Windows build to picture.
windows_screenshots() {
    if [ ! -e build-windows/Tunewell/TunewellApp.exe ]; then
        echo "No pictures of the Windows program: ./tunewell.sh windows builds it first." >&2
        return
    fi
    install_missing "${windows_packages[@]}" imagemagick
    own_wine_prefix
    tools/windows_screenshots.sh build-windows "$(packaging/windows/qt.sh)" \
        docs/screenshots/windows
}

case "${1:-}" in
    run) install_missing; quietly build; run ;;
    test) install_missing; build; run_tests ;;
    screenshots) install_missing; build; tools/screenshots.sh build docs/screenshots
        tests/wayland.sh build/TunewellApp docs/screenshots/wayland-main.png
        windows_screenshots ;;
    bench) install_missing; build; bench/startup.sh build ;;
    fuzz) install_missing; hunt "${2:-600}" ;;
    windows) install_missing "${windows_packages[@]}"; build_windows; windows_checks ;;
    *) echo "usage: $0 run | test | windows | screenshots | bench | fuzz [SECONDS]" >&2; exit 2 ;;
esac
