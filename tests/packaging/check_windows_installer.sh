#!/usr/bin/env bash
# The installer of the Windows build tree given as $1 and its uninstaller, run silently (/S) in
# a fresh Wine prefix as a player without administrator rights. While the game runs, neither
# touches anything; installing over an install, and uninstalling, keep the best times.
# scripts/windows runs it on the display it gives Wine.
set -euo pipefail
build=$1
source "$(dirname "$0")/wine_game.sh"

fail() { echo "check_windows_installer: $*" >&2; exit 1; }
setup=$(package -setup.exe)
name=$(fact CMAKE_PROJECT_NAME)
key="HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
values='DisplayName|DisplayVersion|Publisher|DisplayIcon|InstallLocation|UninstallString'
values+='|QuietUninstallString|EstimatedSize|NoModify|NoRepair'
new_prefix "$build/wine-setup"
folder=$(unix_path "%LOCALAPPDATA%\\Programs\\$name")
shortcut=$(unix_path "%APPDATA%\\Microsoft\\Windows\\Start Menu\\Programs\\$name.lnk")

installed() {
    [[ -f $folder/kestravon.exe && -f $folder/Qt6Widgets.dll && -f $folder/uninstall.exe &&
        -f $folder/platforms/qwindows.dll && -f $shortcut ]] &&
        [[ $(wine reg query "$key" 2>/dev/null | grep -cE "^ +($values) ") == 10 ]]
}
nothing_left() {
    [[ ! -e $folder && ! -e $folder.old && ! -e $shortcut ]] &&
        ! wine reg query "$key" >/dev/null 2>&1
}
# The uninstaller copies itself away and runs the copy (Un.exe), so that it can remove its
# own folder: the run ends with that copy.
uninstaller_runs() {
    local pid
    for pid in $(pgrep -f 'Un\.exe /S'); do
        grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && return 0
    done
    return 1
}
uninstall_quietly() {
    local quiet
    quiet=$(wine reg query "$key" /v QuietUninstallString 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *QuietUninstallString *REG_SZ *//p')
    [[ $quiet =~ ^\"(.+)\"\ /S$ ]] || fail "QuietUninstallString is '$quiet'"
    wine "${BASH_REMATCH[1]}" /S
    wait_until eval '! uninstaller_runs' || fail "the uninstaller did not end"
}

wine "$setup" /S || fail "the silent install failed"
installed || fail "the install lacks a file, the shortcut or a value of $key"
start_game "$shortcut"
if wine "$setup" /S; then fail "it installed over the running game"; fi
uninstall_quietly
installed && [[ ! -e $folder.new && ! -e $folder.old ]] ||
    fail "the running game's folder was touched"
close_game
wine reg add "$best_times" /v 0 /t REG_SZ /d 12.3 /f >/dev/null 2>&1
wine "$setup" /S || fail "installing over the install failed"
uninstall_quietly
nothing_left || fail "the program, its shortcut or its entry stayed"
[[ $(best_times_holding 12.3) == 1 && $(best_times_holding 999) == 11 ]] ||
    fail "the best times did not stay"
echo "check_windows_installer: installs, starts from its shortcut, leaves a running game alone," \
    "installs over itself and uninstalls, keeping the best times"
