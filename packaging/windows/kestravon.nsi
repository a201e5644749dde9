; The Windows installer: installs the program for the current user only, with no administrator,
; into %LOCALAPPDATA%\Programs\Kestravon, with a Start-menu shortcut and an entry under
; Settings > Apps; its uninstaller removes all three. The best times stay in the player's own
; key, HKCU\Software\Kestravon, which neither of them touches.
; scripts/windows builds it: makensis -INPUTCHARSET UTF8 -DFACTS=<the build's kestravon-facts.nsh>
;   -DFILES=<the unpacked zip's folder> -DICON=<kestravon.ico> -DOUTFILE=<setup.exe>

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
; NAME, VERSION and GAME_LOCK, as the build states them for the program too.
!include "${FACTS}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
BrandingText "${NAME} ${VERSION}"
; A file that cannot be written stops the installation; it is never skipped.
AllowSkipFiles off

; As in the program's own version resource: major.minor.0.0, and no copyright line.
!pragma warning disable 9100
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1041 "CompanyName" "${NAME}"
VIAddVersionKey /LANG=1041 "FileDescription" "${NAME} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(^NameDA) をあなたのユーザー アカウントにインストールします。\
管理者の権限は要りません。$\r$\n$\r$\n以前にインストールした $(^NameDA) は新しいものに置き換わり、\
ベストタイムはそのまま残ります。$\r$\n$\r$\n「インストール」をクリックすると始まります。"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kestravon.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; Every way a run ends early leaves the earlier state as it was, and says so.
!define MUI_TEXT_ABORT_TITLE "インストールを中止しました"
!define MUI_TEXT_ABORT_SUBTITLE "何も変更していません。"
!define MUI_UNTEXT_ABORT_TITLE "アンインストールを中止しました"
!define MUI_UNTEXT_ABORT_SUBTITLE "何も削除していません。"
!insertmacro MUI_LANGUAGE "Japanese"

; Asks the player to close the game while it runs, as often as they like; Cancel (and a
; silent run, /S) ends the run before any file is touched. A lock file left by a game that
; did not end normally is not held, and goes.
!macro WAIT_UNTIL_THE_GAME_IS_CLOSED
    ${Do}
        Delete "${GAME_LOCK}"
        ${IfNot} ${FileExists} "${GAME_LOCK}"
            ${Break}
        ${EndIf}
        ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${NAME} が起動しています。$\r$\nゲームを終了してから再試行してください。" \
                /SD IDCANCEL IDRETRY`
            Abort
        ${EndIf}
    ${Loop}
!macroend

; Renames a folder; while that fails, tries again for a few seconds (a virus scanner, or the
; uninstaller's first copy on its way out, lets go in a moment), then asks the player to close
; what holds it. Cancel (and a silent run) ends the run.
!macro RENAME_OR_ASK FROM TO
    StrCpy $R9 0
    ${Do}
        ClearErrors
        Rename "${FROM}" "${TO}"
        ${IfNot} ${Errors}
            ${Break}
        ${EndIf}
        IntOp $R9 $R9 + 1
        ${If} $R9 < 10
            Sleep 300
        ${ElseIfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${FROM} は使用中です。$\r$\n${NAME} や、このフォルダーを開いているプログラムを終了してから再試行してください。" \
                /SD IDCANCEL IDRETRY`
            Abort
        ${EndIf}
    ${Loop}
!macroend

; The folder of an earlier install is swapped for the new one in two renames, so that it
; holds either the old program or the new one, never a mixture.
Section
    !insertmacro WAIT_UNTIL_THE_GAME_IS_CLOSED
    RMDir /r "$INSTDIR.new"
    SetOutPath "$INSTDIR.new"
    File /r "${FILES}\*"
    WriteUninstaller "$INSTDIR.new\uninstall.exe"

    ; No handle of this process may stay on the folders it renames.
    SetOutPath "$TEMP"
    RMDir /r "$INSTDIR.old"
    ${If} ${FileExists} "$INSTDIR\*.*"
        !insertmacro RENAME_OR_ASK "$INSTDIR" "$INSTDIR.old"
    ${EndIf}
    ClearErrors
    Rename "$INSTDIR.new" "$INSTDIR"
    ${If} ${Errors}
        Rename "$INSTDIR.old" "$INSTDIR"
        Abort
    ${EndIf}
    RMDir /r "$INSTDIR.old"

    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\kestravon.exe"

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kestravon.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function .onInit
    ; The folders beside the program's are this installer's own (".new", ".old"), and are
    ; removed whole: /D cannot point the installation elsewhere.
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
FunctionEnd

Function .onInstFailed
    RMDir /r "$INSTDIR.new"
FunctionEnd

Function un.onInit
    ; The uninstaller removes the folder it stands in, whole: only where the installer put it.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $INSTDIR != $0
    ${AndIf} $INSTDIR != "$LOCALAPPDATA\Programs\${NAME}"
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR には ${NAME} がインストールされていません。" /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

Section Uninstall
    !insertmacro WAIT_UNTIL_THE_GAME_IS_CLOSED
    SetOutPath "$TEMP"
    RMDir /r "$INSTDIR.old"
    !insertmacro RENAME_OR_ASK "$INSTDIR" "$INSTDIR.old"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    RMDir /r "$INSTDIR.old"
SectionEnd
