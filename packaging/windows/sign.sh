#!/bin/sh
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Signs a Windows program in place with Authenticode, SHA-256, by osslsigncode, with the
# certificate and key of a PKCS#12 file and the password in a file of its own. The build calls
# it for TunewellApp.exe, makensis for the uninstaller and the setup program.
# Usage: sign.sh CERTIFICATE.p12 PASSWORD_FILE PROGRAM.exe
set -eu
osslsigncode sign -pkcs12 "$1" -readpass "$2" -h sha256 -n Tunewell -in "$3" -out "$3.signed" \
    >/dev/null
mv "$3.signed" "$3"
