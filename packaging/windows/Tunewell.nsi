; SPDX-FileCopyrightText: The Tunewell authors
; SPDX-License-Identifier: MIT
; Tunewell's setup program. The build defines VERSION, FOLDER (the installed program's folder),
; ICON, LICENSE, PRODUCT_HOST and OUTFILE.

; A 64-bit stub: the program is 64-bit, and so is a Windows without 32-bit support.
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tunewell"
Name "Tunewell"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tunewell"
; Program Files and the Start menu of all users are the administrator's.
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tunewell"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tunewell setup"
VIAddVersionKey "CompanyName" "The Tunewell authors"
VIAddVersionKey "LegalCopyright" "Copyright (c) The Tunewell authors"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\TunewellApp.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The same files in, and out again: the uninstaller names each one, so that it never removes what
; it did not bring, even from a folder the user shares with other programs.
!macro Files Do
    !insertmacro ${Do} "TunewellApp.exe"
    !insertmacro ${Do} "Qt6Core.dll"
    !insertmacro ${Do} "Qt6Gui.dll"
    !insertmacro ${Do} "Qt6Widgets.dll"
    !insertmacro ${Do} "libstdc++-6.dll"
    !insertmacro ${Do} "libgcc_s_seh-1.dll"
    !insertmacro ${Do} "libssp-0.dll"
    !insertmacro ${Do} "libwinpthread-1.dll"
    !insertmacro ${Do} "platforms\qwindows.dll"
    !insertmacro ${Do} "styles\qwindowsvistastyle.dll"
!macroend
!macro Add File
    File "/oname=$INSTDIR\${File}" "${FOLDER}\${File}"
!macroend
!macro Remove File
    Delete "$INSTDIR\${File}"
!macroend

Section
    CreateDirectory "$INSTDIR\platforms"
    CreateDirectory "$INSTDIR\styles"
    !insertmacro Files Add
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    SetShellVarContext all
    CreateShortcut "$SMPROGRAMS\Tunewell.lnk" "$INSTDIR\TunewellApp.exe"

    ; Apps & features: the entry, its icon, links and size; removal only, nothing to change.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tunewell"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Lantern Softwares"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\TunewellApp.exe$\",0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "https://${PRODUCT_HOST}/"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "https://${PRODUCT_HOST}/tunewell-help.html"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    !insertmacro Files Remove
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR\platforms"
    RMDir "$INSTDIR\styles"
    RMDir "$INSTDIR"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Tunewell.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; The lock's folder, if nothing is left in it; the user's own setting stays.
    SetShellVarContext current
    RMDir "$LOCALAPPDATA\Tunewell\TunewellApp"
    RMDir "$LOCALAPPDATA\Tunewell"
SectionEnd
