#!/usr/bin/env bash
# Real-window smoke test of a built or installed game on a virtual X server with a window manager and
# a session bus of its own (without one libdbus starts one that writes into HOME). Twice, a window
# "Quadrivello" shows a level-1 puzzle within 10 s and no message (it finds its pictures), and ends
# with status 0 when closed; the two puzzles differ, and nothing is written into HOME or XDG folders.
# Usage: tests/smoke/real_window.sh PROGRAM. Needs xvfb-run, dbus, openbox, wmctrl, x11-utils, ImageMagick.
set -euo pipefail
program=$(realpath -s "$1")
for tool in xvfb-run dbus-run-session openbox wmctrl xwininfo import convert compare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/test installs it)"; exit 77; }
done
[ -n "${QUADRIVELLO_SMOKE_DISPLAY:-}" ] ||
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- env QUADRIVELLO_SMOKE_DISPLAY=1 "$0" "$program"

work=$(mktemp -d) home=$(mktemp -d) game=""
trap 'kill $game %1 2>/dev/null; rm -rf "$work" "$home"' EXIT
fail() { echo "FAIL: $*" >&2; sed 's/^/  program: /' "$work/log" >&2; exit 1; }
# Polls a command every tenth of a second, at most $1 times.
wait_for() {
    local tries=$1
    shift
    until "$@" >/dev/null 2>&1; do
        [ $((tries--)) -gt 0 ] || return 1
        sleep 0.1
    done
}
# The level-1 panel colour RGB(192, 192, 255) covers much of the window.
level_one_shown() {
    local id
    id=$(xwininfo -name Quadrivello 2>/dev/null | awk '/Window id:/ { print $4 }') && [ -n "$id" ] &&
        import -window "$id" "$work/shot.png" &&
        convert "$work/shot.png" -alpha off -fill black +opaque "rgb(192,192,255)" -fill white -opaque "rgb(192,192,255)" \
            -format "%[fx:mean > 0.2 ? 1 : 0]" info: | grep -q 1
}

HOME="$work" openbox >/dev/null 2>&1 &
wait_for 100 wmctrl -m || fail "the window manager did not start"
mkdir -m 700 "$home/runtime"
for run in 1 2; do
    env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share" \
        XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb "$program" >"$work/log" 2>&1 &
    game=$!
    wait_for 100 level_one_shown || fail "no window with a level-1 puzzle within 10 seconds"
    cp "$work/shot.png" "$work/puzzle-$run.png"
    ! wait_for 10 sh -c "wmctrl -l | grep -q ' Quadrivello1$'" || fail "a message box showed: $(cat "$work/log")"
    wmctrl -F -c Quadrivello || fail "the window manager could not close the window"
    wait_for 100 sh -c "! kill -0 $game" || fail "the program did not end after its window was closed"
    wait "$game" || fail "the program ended with status $? after its window was closed"
    game=""
done
! compare -metric AE "$work/puzzle-1.png" "$work/puzzle-2.png" null: 2>/dev/null || fail "two starts showed the same puzzle"
written=$(find "$home" -mindepth 1 -not -path "$home/runtime")
[ -z "$written" ] || fail "files appeared in HOME or the XDG folders: $written"
echo "ok: window mapped twice with a level-1 puzzle and no message, clean end on close, nothing written"
