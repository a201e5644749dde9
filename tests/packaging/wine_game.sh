# Sourced by scripts/windows and the checks of its packages, which set build to the Windows
# build tree: the facts that the program and its installer share, the packages, throw-away Wine
# prefixes, and the game started and closed in one as a player would.

# A fact that CMakeLists.txt states once, from the build tree's cache.
fact() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

# A package's path from the name CPack gives the zip: package .zip, package -setup.exe.
package() {
    local name
    name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    echo "$build/$name$1"
}

# A throw-away Wine prefix: made afresh, with no Mono or Gecko (nothing here is .NET or
# HTML, and their installers would ask), and a wineserver that stays for the whole run.
new_prefix() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p
    wine wineboot --init >/dev/null 2>&1
}

# A Unix path in the prefix from a Windows path with %VARIABLES% in it.
unix_path() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r"')" 2>/dev/null; }

# Waits up to 30 s for a test to come true.
wait_until() {
    for _ in $(seq 300); do
        "$@" && return
        sleep 0.1
    done
    return 1
}

# The game holds its single-instance lock file from start-up to its end.
game_runs() { [[ -s $game_lock ]]; }

# Starts the game (its program or a shortcut to it, by a Unix path), and waits until it
# runs and has had a second to show its window.
start_game() {
    game_lock=$(unix_path "%$(fact KESTRAVON_LOCK_FOLDER)%\\$(fact KESTRAVON_LOCK_NAME)")
    wine start /unix "$1" >/dev/null 2>&1
    wait_until game_runs || { echo "the game did not start from $1" >&2; return 1; }
    sleep 1
}

# Closes the game as the player's close box does (taskkill without /F sends WM_CLOSE), and
# waits until it has ended, its best times saved.
close_game() {
    wine taskkill /IM kestravon.exe >/dev/null 2>&1
    wait_until eval '! game_runs' || { echo "the game did not end" >&2; return 1; }
}

# Where the game keeps its best times in the registry: the settings store that
# src/store/best_time_store.cpp names.
best_times='HKEY_CURRENT_USER\Software\Kestravon\Kestravon\ベストタイム'

# The number of the twelve best times in the registry that hold $1.
best_times_holding() {
    wine reg query "$best_times" 2>/dev/null |
        grep -cE "^ +([0-9]|1[01]) +REG_SZ +$1\b" || true
}
