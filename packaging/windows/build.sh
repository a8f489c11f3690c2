#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Builds Tunewell for Windows in the given build folder, with the Qt for Windows that qt.sh
# builds once and keeps: the program, the setup program and the portable zip. The options after
# the folder go to CMake, a certificate to sign with for one (see the README).
# Usage: build.sh BUILD_FOLDER [CMAKE_OPTION...]
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
qt=$("$source/packaging/windows/qt.sh")
cmake -S "$source" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" \
    -DCMAKE_TOOLCHAIN_FILE="$source/packaging/windows/mingw-w64.cmake" -DQT_HOST_PATH=/usr \
    "${@:2}" >/dev/null
cmake --build "$1" --target installer
