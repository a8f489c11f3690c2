; SPDX-FileCopyrightText: The Tunewell authors
; SPDX-License-Identifier: MIT
; Tunewell's setup program. The build defines VERSION, FOLDER (the installed program's folder),
; ICON, PICTURE (the welcome and finish pages' picture), LICENSE, PRODUCT_HOST and OUTFILE; to
; sign, SIGN too: the command that signs the program file it is given, in place.
;
; Tunewell is one user's program, so the setup installs for the user alone, with no
; administrator, into their own programs folder, Start menu and registry. For everyone on the
; computer it installs into Program Files, on request: `/AllUsers`, or a choice on a page, which
; asks for an administrator when the setup has none.

; A 64-bit stub: the program is 64-bit, and so is a Windows without 32-bit support.
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include TextFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tunewell"
; What the uninstaller removes: every file its install made, one to a line, and that list.
!define LIST "Uninstall.files"
; The lock a running Tunewell holds open, in the user's local application data folder.
!define LOCK "Tunewell\TunewellApp\TunewellApp.lock"
; Windows' own exit code for a program that needs an administrator.
!define ELEVATION_REQUIRED 740
Name "Tunewell"
OutFile "${OUTFILE}"
BrandingText "Tunewell ${VERSION}"
RequestExecutionLevel user
; When the build signs: the uninstaller as makensis makes it, before the setup program takes it
; in, and the setup program once written. A signature that fails fails the build.
!ifdef SIGN
    !finalize '${SIGN} "%1"' = 0
    !uninstfinalize '${SIGN} "%1"' = 0
!endif

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tunewell"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tunewell setup"
VIAddVersionKey "CompanyName" "The Tunewell authors"
VIAddVersionKey "LegalCopyright" "Copyright (c) The Tunewell authors"

Var AllUsers ; 1 for everyone on the computer
Var Asked ; 1 when the command line chose the users, and no page asks
Var Given ; the folder /D= chose, if any
Var List
Var Me
Var Everyone

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURE}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
Page custom UsersPage UsersChosen
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; Started by the desktop's shell, Tunewell runs as the user who logged in, never with the rights
; an administrator may have given this setup.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunTunewell
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The setup and the uninstaller alike (un. before the uninstaller's).
!macro Functions un
    ; Goes on only with an administrator when for everyone. Without, a silent run ends with
    ; ELEVATION_REQUIRED; otherwise an administrator's copy of this program, which Windows asks
    ; for, takes over, with the arguments it needs.
    Function ${un}Elevate
        Exch $0
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            ${If} ${Silent}
                SetErrorLevel ${ELEVATION_REQUIRED}
                Quit
            ${EndIf}
            ClearErrors
            ExecShell "runas" "$EXEPATH" $0
            ${IfNot} ${Errors}
                Quit
            ${EndIf}
            MessageBox MB_OK|MB_ICONSTOP "Tunewell for everyone needs an administrator."
            SetErrorLevel ${ELEVATION_REQUIRED}
            Quit
        ${EndIf}
        Pop $0
    FunctionEnd

    ; Nothing is touched while Tunewell runs: its lock, held open, cannot be opened, nor on
    ; Windows its program for writing. The user is asked to close it; a silent run, or Cancel,
    ; ends here with exit code 2.
    Function ${un}CloseTunewell
        SetShellVarContext current
        StrCpy $1 "$LOCALAPPDATA\${LOCK}"
        ${If} $AllUsers == 1
            SetShellVarContext all
        ${EndIf}
        retry:
        ClearErrors
        ${If} ${FileExists} $1
            FileOpen $0 $1 r
            FileClose $0
        ${EndIf}
        ${If} ${FileExists} "$INSTDIR\TunewellApp.exe"
            FileOpen $0 "$INSTDIR\TunewellApp.exe" a
            FileClose $0
        ${EndIf}
        ${IfNot} ${Errors}
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Tunewell is running. Please close it, then choose Retry." /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
    FunctionEnd

    ; Every file the list of the install in $INSTDIR names, and any folder that leaves empty.
    Function ${un}RemoveFiles
        ClearErrors
        FileOpen $List "$INSTDIR\${LIST}" r
        ${IfNot} ${Errors}
            ${Do}
                ClearErrors ; as a folder left not empty sets it
                FileRead $List $0
                ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
                ${${un}TrimNewLines} $0 $0
                ${If} $0 != ""
                    Delete "$INSTDIR\$0"
                    ${${un}GetParent} "$INSTDIR\$0" $0
                    RMDir $0
                ${EndIf}
            ${Loop}
            FileClose $List
            Delete "$INSTDIR\${LIST}"
        ${EndIf}
    FunctionEnd
!macroend
!insertmacro Functions ""
!insertmacro Functions "un."

; The users to install for, from the command line or later from the page, and with them the
; folder: the one given, the one Tunewell is installed in already, or the usual one.
Function ChooseUsers
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $0 "$PROGRAMFILES64\Tunewell"
    ${Else}
        SetShellVarContext current
        GetKnownFolderPath $0 {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; the user's own programs
        ${IfThen} $0 == "" ${|} StrCpy $0 "$LOCALAPPDATA\Programs" ${|}
        StrCpy $0 "$0\Tunewell"
    ${EndIf}
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${IfThen} $1 != "" ${|} StrCpy $0 $1 ${|}
    ${IfThen} $Given != "" ${|} StrCpy $0 $Given ${|}
    StrCpy $INSTDIR $0
FunctionEnd

Function .onInit
    StrCpy $Given $INSTDIR
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
        StrCpy $Asked 1
        Push "/AllUsers"
        Call Elevate
    ${EndIf}
    Call ChooseUsers
    Call CloseTunewell
FunctionEnd

Function UsersPage
    ${IfThen} $Asked == 1 ${|} Abort ${|}
    !insertmacro MUI_HEADER_TEXT "Choose Users" "Install Tunewell for you alone, or for everyone."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "Only for me (no administrator needed)"
    Pop $Me
    ${NSD_CreateRadioButton} 0 20u 100% 12u "For everyone on this computer (needs an administrator)"
    Pop $Everyone
    ${If} $AllUsers == 1
        ${NSD_Check} $Everyone
    ${Else}
        ${NSD_Check} $Me
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function UsersChosen
    ${NSD_GetState} $Everyone $AllUsers
    ${If} $AllUsers == ${BST_CHECKED}
        StrCpy $AllUsers 1
        Push "/AllUsers"
        Call Elevate
    ${Else}
        StrCpy $AllUsers ""
    ${EndIf}
    Call ChooseUsers
FunctionEnd

Function RunTunewell
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\TunewellApp.exe"'
FunctionEnd

; Each file in, named in the list as it goes.
!macro Add File
    File "/oname=$INSTDIR\${File}" "${FOLDER}\${File}"
    FileWrite $List "${File}$\r$\n"
!macroend

Section
    Call CloseTunewell
    ; What an earlier install brought goes first, so that no file this one does not ship stays.
    Call RemoveFiles
    CreateDirectory "$INSTDIR\platforms"
    CreateDirectory "$INSTDIR\styles"
    FileOpen $List "$INSTDIR\${LIST}" w
    !insertmacro Add "TunewellApp.exe"
    !insertmacro Add "Qt6Core.dll"
    !insertmacro Add "Qt6Gui.dll"
    !insertmacro Add "Qt6Widgets.dll"
    !insertmacro Add "libstdc++-6.dll"
    !insertmacro Add "libgcc_s_seh-1.dll"
    !insertmacro Add "libssp-0.dll"
    !insertmacro Add "libwinpthread-1.dll"
    !insertmacro Add "platforms\qwindows.dll"
    !insertmacro Add "styles\qwindowsvistastyle.dll"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    FileWrite $List "Uninstall.exe$\r$\n"
    FileClose $List
    CreateShortcut "$SMPROGRAMS\Tunewell.lnk" "$INSTDIR\TunewellApp.exe"

    ; Apps & features: the entry, its icon, links and size; removal only, nothing to change.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Tunewell"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Lantern Softwares"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\TunewellApp.exe$\",0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "https://${PRODUCT_HOST}/"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "https://${PRODUCT_HOST}/tunewell-help.html"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        "$\"$INSTDIR\Uninstall.exe$\" /S"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller is for everyone when the computer's entry names its folder, and else for the
; user alone. Folders compare by their short names, which one folder has but one of.
Var Here
Function un.onInit
    GetFullPathName /SHORT $Here $INSTDIR
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    GetFullPathName /SHORT $0 $0
    ${If} $0 == $Here
    ${AndIf} $0 != ""
        StrCpy $AllUsers 1
        Push "_?=$INSTDIR"
        Call un.Elevate
        SetShellVarContext all
    ${EndIf}
    Call un.CloseTunewell
FunctionEnd

Section "Uninstall"
    Call un.CloseTunewell
    ; The shortcut and the entry, unless they are another install's by now.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    GetFullPathName /SHORT $0 $0
    ${If} $0 == $Here
    ${AndIf} $0 != ""
        Delete "$SMPROGRAMS\Tunewell.lnk"
        DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${EndIf}
    Call un.RemoveFiles
    RMDir "$INSTDIR"
    ; The lock's folder, if nothing is left in it; the user's own setting stays.
    SetShellVarContext current
    RMDir "$LOCALAPPDATA\Tunewell\TunewellApp"
    RMDir "$LOCALAPPDATA\Tunewell"
SectionEnd
