#!/usr/bin/env bash
# The zip of the Windows build tree given as $1, alone, unpacked into a fresh Wine prefix,
# starts the game, and a WM_CLOSE saves the twelve best times in the registry. scripts/windows
# runs it on the display it gives Wine.
set -euo pipefail
build=$1
source "$(dirname "$0")/wine_game.sh"

new_prefix "$build/wine-package"
folder=$WINEPREFIX/drive_c/$(fact CMAKE_PROJECT_NAME)
unzip -q "$(package .zip)" -d "$folder"
start_game "$folder"/*/kestravon.exe
close_game
saved=$(best_times_holding 999)
[[ $saved == 12 ]] || { echo "check_windows_zip: $saved of 12 best times saved" >&2; exit 1; }
echo "check_windows_zip: the unpacked zip starts, and WM_CLOSE saved the 12 best times"
