#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# The Windows program as a user meets it, under Wine on a virtual X display: installed by its
# setup program for the user alone, started, started again, closed, killed, set up again while
# it runs and after, installed for everyone beside, built again and signed, and uninstalled, one
# row each, in the Wine prefix of the caller's own. Each row does its part, then checks what must
# hold afterwards. Usage: windows.sh path/to/Tunewell-1.0-setup.exe
set -euo pipefail
: "${WINEPREFIX:?a Wine prefix of this run's own, never the user's}"
# Where qt.sh keeps the Qt for Windows it has built, for the builds below; read before the
# session's home of its own takes the place of the user's.
export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache}
source "$(dirname "$0")/x11_session.sh" "$@"
setup=$(realpath "$1")
# A Windows path, its %VARIABLES% expanded, as a Linux path.
linux() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')"; }
mine=$(wine cmd /c echo '%LOCALAPPDATA%\Programs\Tunewell' | tr -d '\r') # by its Windows name
folder=$(winepath -u "$mine")
app=$folder/TunewellApp.exe
shortcut=$(linux '%APPDATA%\Microsoft\Windows\Start Menu\Programs\Tunewell.lnk')
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tunewell'
# The install for all users: its folder and shortcut, and its entry ${entry/CU/LM}.
all=$(linux 'C:\Program Files\Tunewell')
all_shortcut=$(linux '%ProgramData%\Microsoft\Windows\Start Menu\Programs\Tunewell.lnk')
setting='HKCU\Software\Tunewell\TunewellApp\Settings'
lock=$(linux '%LOCALAPPDATA%\Tunewell\TunewellApp')
# Links go to a browser that hands each address it is given through a FIFO, read as it comes.
mkfifo "$home/opened"
printf '#!/bin/sh\necho "$1" >%s\n' "$home/opened" >"$home/browser" && chmod +x "$home/browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$home/browser" /f >/dev/null

# A registry key's values, the user's own folder named as %LOCALAPPDATA%.
reg() { local values && values=$(wine reg query "$@" 2>/dev/null | tr -d '\r') \
    && echo "${values//"${mine%\\Programs\\Tunewell}"/%LOCALAPPDATA%}"; }
# The installed folder: every folder, and every file with its contents' sum.
files() { find "$folder" -type d -print -o -exec sha256sum {} + | sort; }
signed() { osslsigncode verify -CAfile ca.pem -in "$1" >/dev/null; }
# Whether every line of the file $1 stands in the input; those that do not are printed.
all_of() { ! grep -vxFf /dev/stdin "$1"; }
# Starts the program, which must show its main window, in Qt's Windows style.
start() {
    wine "$app" & pid=$!
    main=$(window -) || fail "no main window"
    grep -q qwindowsvistastyle.dll "/proc/$pid/maps" || fail "not in the Windows style"
}
# Leaves as a user does: Alt+X on the main window, then Exit on the farewell window.
leave() { role=- end_cleanly "$pid"; }

# Rows: name | what the user does | what must hold then. A row goes on after a '\'.
while IFS= read -r row; do
    while [[ $row == *\\ ]] && IFS= read -r more; do row=${row%\\}$more; done
    IFS='|' read -r name does check <<<"$row"
    echo "$name"
    eval "$does"
    eval "$check" || fail "$check"
done <<'ROWS'
installed silently, for the user alone, asking for no administrator: program, shortcut, entry \
    | wine "$setup" /S; files >"$home/files" \
    | grep -aq 'level="asInvoker"' "$setup" && [ -f "$app" ] && [ -f "$shortcut" ] \
    && reg "$entry" | all_of "$(dirname "$0")/texts/windows-entry.txt" \
    && reg "$entry" /v EstimatedSize | grep -Eq 'REG_DWORD +0x[0-9a-f]{4,}$' # 4 MiB and more
first start over a registry value of another type, which counts as none: nothing asked, the \
main window, its date recorded, nothing written beside it \
    | wine reg add "$setting" /v Duration /t REG_DWORD /d 1 /f >/dev/null; start; leave \
    | reg "$setting" /v Duration | grep -Eq 'REG_SZ +20[0-9-]{8}T[0-9:]{8}$' \
    && files | cmp - "$home/files"
a second start says it is already running and ends, and the first goes on \
    | start; wine "$app" & second=$!; xdotool windowfocus --sync "$(message_box)" key Return; \
    ended "$second"; kill -0 "$pid"; leave
a link reaches the browser, Donate by its access key \
    | start; xdotool windowfocus --sync "$main" key alt+d; leave \
    | [ "$(timeout 30 cat "$home/opened")" = http://help.lantern.example/donate.html ]
a lock left by a killed instance does not block the next start \
    | start; kill -9 "$pid"; ! wait "$pid" 2>/dev/null; [ -e "$lock/TunewellApp.lock" ]; \
    start; leave
over the running program a silent setup fails, changing nothing; after it, no file of the old one \
    | start; wine "$setup" /S && fail "set up"; cmp <(files) "$home/files"; leave; \
    : >"$folder/old.dll"; echo old.dll >>"$folder/Uninstall.files"; wine "$setup" /S \
    | files | cmp - "$home/files"
for everyone on request, into Program Files; the user's own uninstalled, but for their setting \
    | wine "$setup" /S /AllUsers; wine "$mine\Uninstall.exe" /S; wineserver --wait \
    | [ ! -e "$folder" ] && [ ! -e "$shortcut" ] && ! reg "$entry" && reg "$setting" >/dev/null \
    && [ -f "$all/TunewellApp.exe" ] && [ -f "$all_shortcut" ] && reg "${entry/CU/LM}" >/dev/null
the same source built again, later, in another folder: the same program, setup and zip \
    | cd "$(dirname "$0")/.."; tree=$(git stash create); tar -x -C "$home" \
    -f <(git archive --prefix=again/ "${tree:-HEAD}"); cd "$home"; \
    again/packaging/windows/build.sh again/build >/dev/null; cd "$(dirname "$setup")" \
    | sha256sum Tunewell/*.exe Tunewell-1.0-* | (cd "$home/again/build" && sha256sum -c --quiet)
signed by a certificate of the test's own: program, uninstaller, setup verify; it installs, starts \
    | cd "$home"; openssl req -x509 -nodes -subj /CN=Tunewell -keyout ca.pem -out ca.pem \
    2>/dev/null; echo secret >pw; openssl pkcs12 -export -in ca.pem -out ca.p12 -passout file:pw; \
    again/packaging/windows/build.sh again/build -DTUNEWELL_SIGN_PKCS12=ca.p12 >/dev/null \
    -DTUNEWELL_SIGN_PASSWORD_FILE=pw; wine again/build/Tunewell-1.0-setup.exe /S; start; leave \
    | signed "$app" && signed "$folder/Uninstall.exe" && signed again/build/Tunewell-1.0-setup.exe
the install for everyone uninstalled silently: nothing of it left, the user's own kept \
    | wine 'C:\Program Files\Tunewell\Uninstall.exe' /S; wineserver --wait \
    | [ ! -e "$all" ] && [ ! -e "$all_shortcut" ] && ! reg "${entry/CU/LM}" && [ -f "$shortcut" ]
ROWS
