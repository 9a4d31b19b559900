#!/usr/bin/env bash
# Real-window smoke test of the built program, on a virtual X server with a window manager and a
# session bus of its own as on a desktop (without one, libdbus would start one writing into HOME): it
# maps a window titled "Quadrivello" within 10 seconds showing a generated level-1 puzzle (two starts,
# two puzzles), ends with status 0 when the window manager closes it, writes nothing into HOME or the
# XDG folders, and, with one grid picture or the manual missing, survives start-up, every level and
# (without the manual) "Help", telling of a missing picture in a message box. Usage:
# tests/smoke/real_window.sh PROGRAM. Needs xvfb-run, dbus, openbox, wmctrl, xdotool, x11-utils, ImageMagick.
set -euo pipefail

program=$(realpath "$1")
for tool in xvfb-run dbus-run-session openbox wmctrl xdotool xwininfo import convert compare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/test installs it)"; exit 77; }
done
[ -n "${QUADRIVELLO_SMOKE_DISPLAY:-}" ] ||
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- env QUADRIVELLO_SMOKE_DISPLAY=1 "$0" "$program"

work=$(mktemp -d)
game_pid="" wm_pid=""
trap 'kill $game_pid $wm_pid 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/game.log" ] && sed 's/^/  program: /' "$work/game.log" >&2
    exit 1
}
# Polls a command every tenth of a second, at most $1 times.
wait_for() {
    local tries=$1
    shift
    until "$@" >/dev/null 2>&1; do
        [ $((tries--)) -gt 0 ] || return 1
        sleep 0.1
    done
}

# The window manager has a home of its own; the game's HOME and XDG folders must stay as they are.
mkdir -p "$work/wm-home" "$work/home"
HOME="$work/wm-home" openbox >/dev/null 2>&1 &
wm_pid=$!
wait_for 100 wmctrl -m || fail "the window manager did not start"
home="$work/home"
mkdir -m 700 "$home/runtime"
game_env=(env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share"
          XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb)

window_id() { xwininfo -name Quadrivello 2>/dev/null | awk '/Window id:/ { print $4 }'; }
viewable() { xwininfo -name Quadrivello 2>/dev/null | grep -q 'Map State: IsViewable'; }
alive() { kill -0 "$game_pid" 2>/dev/null; }
message_shown() { wmctrl -l | grep -q ' Quadrivello1$'; }
# The level-1 panel colour RGB(192, 192, 255) covers much of the window.
level_one_shown() {
    import -window "$(window_id)" "$work/shot.png" &&
        convert "$work/shot.png" -alpha off -fill black +opaque "rgb(192,192,255)" -fill white -opaque "rgb(192,192,255)" \
            -format "%[fx:mean > 0.2 ? 1 : 0]" info: | grep -q 1
}

start_game() {
    "${game_env[@]}" "$1" >"$work/game.log" 2>&1 &
    game_pid=$!
    wait_for 100 viewable || fail "no window titled Quadrivello within 10 seconds ($1)"
}
close_game() {
    wmctrl -F -c Quadrivello || fail "the window manager could not close the window"
    wait_for 100 sh -c "! kill -0 $game_pid" || fail "the program did not end after its window was closed"
    wait "$game_pid" || fail "the program ended with status $? after its window was closed"
    game_pid=""
}
# Closes the game's message boxes (titled Quadrivello1), waiting at most $1 tenths of a second for
# the first; prints how many it closed.
close_messages() {
    local closed=0
    wait_for "$1" message_shown || { echo 0; return; }
    while [ "$closed" -lt 10 ] && wmctrl -F -c Quadrivello1 2>/dev/null; do
        closed=$((closed + 1))
        wait_for 10 message_shown || break
    done
    echo "$closed"
}

for run in 1 2; do
    start_game "$program"
    wait_for 100 level_one_shown || fail "the level-1 puzzle did not appear"
    cp "$work/shot.png" "$work/puzzle-$run.png"
    close_game
done
! compare -metric AE "$work/puzzle-1.png" "$work/puzzle-2.png" null: 2>/dev/null ||
    fail "two starts showed the same picture: no puzzle was generated"
written=$(find "$home" -mindepth 1 -not -path "$home/runtime")
[ -z "$written" ] || fail "files appeared in HOME or the XDG folders: $written"
echo "ok: window mapped, level-1 puzzle shown, clean end on close, nothing written"

# A copy of the program's folder with one data file missing, for each file in turn; a message box is
# due where a missing picture is loaded: at start-up for level 1, else on its level.
for missing in Schema-01.bmp Schema-02.bmp Schema-03.bmp Quadrivello.pdf; do
    copy="$work/app-without-$missing"
    mkdir -p "$copy"
    cp -r "$program" "$(dirname "$program")/Dati" "$copy/"
    rm "$copy/Dati/$missing"
    start_game "$copy/$(basename "$program")"
    boxes=$(close_messages "$([ "$missing" = Schema-01.bmp ] && echo 50 || echo 10)")
    alive || fail "the program died at start-up without $missing"
    # Livello 2, 3 and 1 from the menu bar by keyboard, and "Help" where the manual is missing.
    for choice in "2 Right Down Down" "3 Right Down Down Down" "1 Right Down" "Help Right Right"; do
        read -ra keys <<<"$choice"
        [ "${keys[0]}" != Help ] || [ "$missing" = Quadrivello.pdf ] || continue
        xdotool windowactivate --sync "$(window_id)" key --delay 100 alt "${keys[@]:1}" Return
        boxes=$((boxes + $(close_messages "$([ "$missing" = "Schema-0${keys[0]}.bmp" ] && echo 50 || echo 5)")))
        alive || fail "the program died on menu choice ${keys[0]} without $missing"
    done
    [ "$missing" = Quadrivello.pdf ] || [ "$boxes" -gt 0 ] || fail "no message box told that $missing is missing"
    close_game
    echo "ok: without $missing the program survived ($boxes message boxes)"
done
