#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: a game in progress and the best-time
# window. Usage: tools/screenshots.sh BUILD_DIR OUTPUT_DIR   (needs xvfb, xdotool, imagemagick)
set -euo pipefail
build=$1
out=$2
display=:97
home=$(mktemp -d)
trap 'kill $game; wait $game; kill $xvfb; rm -rf "$home"' EXIT

mkdir -p "$home/config/Kestravon" "$home/runtime" "$out"
chmod 700 "$home/runtime"
cat > "$home/config/Kestravon/Kestravon.conf" <<'INI'
[%U30D9%U30B9%U30C8%U30BF%U30A4%U30E0]
0=7.4
1=11.2
2=15.9
3=48.3
4=61
5=87.4
6=152.6
7=999
8=999
9=999
10=999
11=999
INI

Xvfb $display -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"
"$build/src/app/kestravon" &
game=$!
window=$(xdotool search --sync --onlyvisible --name '^Kestravon$' | head -1)

read -r x y < <(xdotool getwindowgeometry "$window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
# Opens the game menu with a click on its title and chooses an item by its access key.
game_menu() { xdotool mousemove $((x + 25)) $((y + 8)) click 1; sleep 0.4; xdotool key "$1"; sleep 0.6; }

# 中級, then a few presses near the middle of the board and one flag.
game_menu i
# The 中級 client area is 302 pixels high; the menu bar is the rest of the window.
menu=$(( $(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, g, "x"); print g[2]}') - 302 ))
press() { xdotool mousemove $((x + 7 + 15 * $1 + 7)) $((y + menu + 56 + 15 * $2 + 7)) click "$3"; sleep 0.2; }
# The face button of 中級 sits at (114, 12); its left eye is black while a game runs.
face_x=114
eye_is_black() {
    import -window "$window" "$home/shot.png"
    [ "$(convert "$home/shot.png" -crop "1x1+$((face_x + 9))+$((menu + 12 + 9))" -format '%[hex:p{0,0}]' info:)" = 000000 ]
}
# The mines are new every game: start again until the presses hit none.
for attempt in $(seq 20); do
    press 15 15 3; press 7 7 1; press 3 12 1; press 12 3 1
    eye_is_black && break
    xdotool mousemove $((x + face_x + 5)) $((y + menu + 17)) click 1
    sleep 0.2
done
sleep 1.5
import -window "$window" "$out/game.png"

game_menu t
best=$(xdotool search --onlyvisible --name 'ベストタイム' | head -1)
import -window "$best" "$out/best-times.png"
