#!/usr/bin/env bash
# Start-up to the first window mapped: the game against the floor, a bare Qt main window with
# the same menu bar and a central widget of the 初級 board's client area (bare_window.cpp).
#
#   flock /tmp/kestravon-build.lock bench/startup.sh [BUILD_DIR]   (default: build, in the tree)
#
# Run it under the build lock, so that no build competes for the CPU. It runs ROUNDS (3)
# rounds of PAIRS (48) pairs, each pair both programs one after the other, the order
# alternating from pair to pair, after one discarded pair that warms the caches. For each
# round, and then for all its pairs, it prints the medians of each program's figures and the
# medians of the pairs' ratios (the game's wall and CPU times over the floor's) and
# differences (peak memory): a shared machine's speed drifts, and both runs of a pair see
# much the same.
#
# How it measures (startup_timer.cpp): on a private Xvfb, 1366 x 768 x 24 with no window
# manager, the timer listens for MapNotify on the root window and then forks the program. The
# wall time runs from just before the fork to the moment the X server's MapNotify for the
# program's own window (its _NET_WM_PID) reaches the timer; the CPU time is the program's
# process clock, all its threads, read at that moment. The peak memory is the program's largest
# resident set (wait4), ended by SIGTERM SETTLE_MS (100) after its window mapped, its first
# paint done. Every run has its own empty settings and runtime folders; all share a font cache
# of their own (below) and a session bus of their own, as a desktop has one: without a bus,
# each program would launch one itself (D-Bus's autolaunch) while it is timed.
#
# CALLGRIND=1 instead counts each program's instructions with valgrind's callgrind, after the
# warm-up pair, over a run that starts, shows its window and is ended by SIGTERM a second
# later: up to the program's handling of its window's MapNotify (a profile dumped there), and
# over the whole run. The profiles (callgrind_annotate reads them) stay in OUT (default
# /tmp/kestravon-startup).
set -euo pipefail
if [[ -z ${KESTRAVON_STARTUP_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null ||
        { echo "startup.sh: dbus-run-session is missing (package dbus-daemon)" >&2; exit 1; }
    KESTRAVON_STARTUP_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
timer=$build/bench/startup_timer
programs=(game "$build/src/app/kestravon" bare "$build/bench/bare_window")
rounds=${ROUNDS:-3}
pairs=${PAIRS:-48}
settle=${SETTLE_MS:-100}
for file in "$timer" "${programs[1]}" "${programs[3]}"; do
    [[ -x $file ]] || { echo "startup.sh: $file is not built" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
export QT_QPA_PLATFORM=xcb
# The system's font configuration with a font cache of the benchmark's own, filled by the
# warm-up runs: another program's fontconfig (Wine's, say) that rewrites the system's cache
# would otherwise have the next run rebuild it, reading every font file.
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
    <cachedir>$work/font-cache</cachedir>
    <include>/etc/fonts/fonts.conf</include>
</fontconfig>
EOF
export FONTCONFIG_FILE=$work/fonts.conf
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

# One run of a program, each with fresh folders: "WALL_MS CPU_MS PEAK_KIB".
run() {
    local settle=$1
    shift
    local home
    home=$(mktemp -d "$work/run.XXXXXX")
    mkdir -m 700 "$home/runtime"
    XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime "$timer" "$settle" "$@"
    rm -rf "$home"
}

run "$settle" "${programs[1]}" >/dev/null
run "$settle" "${programs[3]}" >/dev/null

if [[ ${CALLGRIND:-0} == 1 ]]; then
    out=${OUT:-/tmp/kestravon-startup}
    mkdir -p "$out"
    for ((i = 0; i < ${#programs[@]}; i += 2)); do
        profile=$out/callgrind.${programs[i]}
        rm -f "$profile" "$profile".*
        run 1000 valgrind --tool=callgrind --callgrind-out-file="$profile" \
            --dump-before='QXcbWindow::handleMapNotifyEvent*' "${programs[i + 1]}" \
            >/dev/null 2>"$work/valgrind.log"
        # The first dump ends at the MapNotify; the others hold the rest of the run.
        toMap=$(sed -n 's/^summary: //p' "$profile.1")
        whole=$(awk '/^summary:/ { total += $2 } END { print total }' "$profile" "$profile".*)
        printf '%s: %s instructions to its window mapped (%s.1), %s over the whole run\n' \
            "${programs[i]}" "$toMap" "$profile" "$whole"
    done
    exit 0
fi

# The median of each column of numbers.
medians() {
    awk '{ for (c = 1; c <= NF; c++) v[c, NR] = $c }
        END { for (c = 1; c <= NF; c++) {
            n = 0; for (r = 1; r <= NR; r++) s[++n] = v[c, r]
            for (i = 2; i <= n; i++) for (j = i; j > 1 && s[j - 1] > s[j]; j--) { t = s[j]; s[j] = s[j - 1]; s[j - 1] = t }
            printf "%s%s", (n % 2 ? s[(n + 1) / 2] : (s[n / 2] + s[n / 2 + 1]) / 2), (c < NF ? " " : "\n") } }'
}

report() {
    medians | awk -v what="$1" '{
        printf "%s medians: wall %.1f ms against %.1f ms, CPU %.1f ms against %.1f ms, peak %.2f MiB against %.2f MiB; pairs: wall %.3fx, CPU %.3fx, peak %+.2f MiB\n",
            what, $1, $4, $2, $5, $3 / 1024, $6 / 1024, $7, $8, $9 }'
}

# A line per pair: the game's wall, CPU and peak, the floor's, and the pair's ratios.
: >"$work/all"
for ((round = 1; round <= rounds; round++)); do
    : >"$work/pairs"
    for ((pair = 0; pair < pairs; pair++)); do
        if ((pair % 2 == 0)); then
            game=$(run "$settle" "${programs[1]}") && bare=$(run "$settle" "${programs[3]}")
        else
            bare=$(run "$settle" "${programs[3]}") && game=$(run "$settle" "${programs[1]}")
        fi
        echo "$game $bare" | awk '{ print $0, $1 / $4, $2 / $5, ($3 - $6) / 1024 }' >>"$work/pairs"
    done
    report "round $round" <"$work/pairs"
    cat "$work/pairs" >>"$work/all"
done
report "all $((rounds * pairs)) pairs," <"$work/all"
