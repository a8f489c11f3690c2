#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Runs a Qt Test program of the Windows build under Wine, on Qt's offscreen platform, with the
# Qt and MinGW libraries it needs on its path, in the Wine prefix of the caller's own.
# Usage: wine.sh QT_PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
: "${WINEPREFIX:?a Wine prefix of this run's own, never the user's}"
qt=$1 program=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Where the program finds Qt's libraries, and MinGW's C++ and thread runtimes.
for library in "$qt/bin/Qt6Core.dll" libstdc++-6.dll libwinpthread-1.dll; do
    folder=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name="$library")")
    WINEPATH+="$(winepath -w "$folder");"
done
export WINEPATH
# Wine hands Windows programs no QT_ variables, but WINEQT_ ones as QT_. On Windows the offscreen
# platform knows no fonts but those in the folder it is given: DejaVu Sans, as on Linux.
mkdir "$work/fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf "$work/fonts"
export WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR=$(winepath -w "$work/fonts")
# A program with no console of its own gives its output to none: it goes to a file.
status=0
wine "$program" "$@" -o "$(winepath -w "$work/out.txt"),txt" || status=$?
cat "$work/out.txt"
exit "$status"
