#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Runs a Qt Test program of the Windows build under Wine (the window tests choose Qt's offscreen
# platform unless told another), with Qt's and MinGW's libraries on its path, in the Wine prefix
# of the caller's own.
# Usage: wine.sh QT_PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
: "${WINEPREFIX:?a Wine prefix of this run's own, never the user's}"
work=$(mktemp -d)
# What the program said, however it ended.
trap 'cat "$work/out.txt" 2>/dev/null; rm -rf "$work"' EXIT
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
# Wine hands Windows programs no QT_ variable, but WINEQT_ ones as QT_. On Windows the offscreen
# platform knows no fonts but those of its folder: DejaVu Sans, as Linux gives it there.
mkdir "$work/fonts" && cp /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf "$work/fonts"
export WINEPATH="Z:$1/bin;Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib" WINEQT_QPA_FONTDIR=Z:$work/fonts
# A program without a console of its own gives us its output only through a file.
wine "$2" "${@:3}" -o "Z:$work/out.txt,txt"
