#!/usr/bin/env bash
# Real-window smoke test of the built program, on a virtual X server with a window manager:
#  - it maps a window titled "Quadrivello" within 10 seconds, showing a generated level-1 puzzle
#    (the level-1 colours are on, and two starts show two different puzzles);
#  - it ends cleanly, with status 0, when the window manager closes the window (WM_DELETE_WINDOW);
#  - with HOME and the XDG folders in an empty temporary folder, that folder stays empty;
#  - started from a copy of its folder with one grid picture or the manual missing, it survives
#    start-up, all three levels and "Help" (a missing picture is reported in a message box).
# Usage: tests/smoke/real_window.sh PROGRAM. Needs xvfb-run, openbox, wmctrl, xdotool, x11-utils and
# ImageMagick.
set -euo pipefail

program=$(realpath "$1")
for tool in xvfb-run openbox wmctrl xdotool xwininfo import convert compare; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/test installs it)"
        exit 77
    fi
done
if [ -z "${QUADRIVELLO_SMOKE_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env QUADRIVELLO_SMOKE_DISPLAY=1 "$0" "$program"
fi

work=$(mktemp -d)
game_pid=""
wm_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/game.log" ] && sed 's/^/  program: /' "$work/game.log" >&2
    exit 1
}

# Polls a command every tenth of a second for up to $1 seconds (fractions allowed).
wait_for() {
    local tries
    tries=$(awk -v s="$1" 'BEGIN { print int(s * 10) }')
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$tries" -gt 0 ] || return 1
        tries=$((tries - 1))
        sleep 0.1
    done
}

# The window manager, with a home of its own so that nothing it writes lands in the game's.
mkdir -p "$work/wm-home"
HOME="$work/wm-home" openbox >/dev/null 2>&1 &
wm_pid=$!
wait_for 10 wmctrl -m || fail "the window manager did not start"

# The game's HOME and XDG folders, all inside one folder that must stay as it is.
home="$work/home"
mkdir -p "$home"
mkdir -m 700 "$home/runtime"
game_env=(env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache"
          XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state"
          XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb)

window_id() { xwininfo -name Quadrivello 2>/dev/null | awk '/Window id:/ { print $4 }'; }
viewable() { xwininfo -name Quadrivello 2>/dev/null | grep -q 'Map State: IsViewable'; }
alive() { kill -0 "$game_pid" 2>/dev/null; }
message_shown() { wmctrl -l | grep -q ' Quadrivello1$'; }

start_game() {
    "${game_env[@]}" "$1" >"$work/game.log" 2>&1 &
    game_pid=$!
    wait_for 10 viewable || fail "no window titled Quadrivello within 10 seconds ($1)"
}

# Closes the window the way a window manager does, and expects a clean end within 10 seconds.
close_game() {
    wmctrl -F -c Quadrivello || fail "the window manager could not close the window"
    local status=0
    wait_for 10 sh -c "! kill -0 $game_pid" || fail "the program did not end after its window was closed"
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status after its window was closed"
}

# Closes the game's message boxes (titled Quadrivello1), waiting up to $1 seconds for the first;
# prints how many it closed.
close_messages() {
    local closed=0
    wait_for "$1" message_shown || { echo 0; return; }
    while wmctrl -F -c Quadrivello1 2>/dev/null; do
        closed=$((closed + 1))
        wait_for 1 message_shown || break
        [ "$closed" -lt 10 ] || break
    done
    echo "$closed"
}

# The share of the window's pixels in the level-1 panel colour RGB(192, 192, 255).
panel_share() {
    import -window "$(window_id)" "$work/shot.png" 2>/dev/null || { echo 0; return; }
    convert "$work/shot.png" -alpha off -fill black +opaque "rgb(192,192,255)" -fill white \
        -opaque "rgb(192,192,255)" -format "%[fx:mean]" info:
}
level_one_shown() { awk -v s="$(panel_share)" 'BEGIN { exit !(s > 0.2) }'; }

# The menu bar's items, left to right, as the x centres of the runs of text in its strip.
menu_items() {
    import -window "$(window_id)" "$work/menu.png" 2>/dev/null
    local width
    width=$(identify -format "%w" "$work/menu.png")
    convert "$work/menu.png" -crop "${width}x14+0+4" +repage -colorspace Gray -threshold 50% \
        -scale "${width}x1!" -depth 8 txt:- |
        awk -F'[,:()]' 'NR > 1 { dark = ($4 + 0) < 250; x = $1 + 0
                 if (dark) { if (start < 0) start = x; last = x }
                 else if (start >= 0 && x - last > 6) { print int((start + last) / 2); start = -1 } }
             BEGIN { start = -1 }
             END { if (start >= 0) print int((start + last) / 2) }'
}

# Opens menu number $1 of the menu bar (1 = Esci, 2 = Livelli, 3 = Help, 4 = Info) and, for a
# drop-down, chooses its item number $2 with the keyboard.
choose() {
    local x
    x=$(menu_items | sed -n "${1}p")
    [ -n "$x" ] || fail "menu item $1 not found on the menu bar"
    xdotool mousemove --window "$(window_id)" "$x" 10 click 1
    if [ "${2:-0}" -gt 0 ]; then
        sleep 0.8
        for _ in $(seq "$2"); do xdotool key Down; done
        xdotool key Return
    fi
}

before=$(find "$home" | sort)

# Two clean starts: each shows level 1 and ends when closed; their puzzles differ.
for run in 1 2; do
    start_game "$program"
    wait_for 10 level_one_shown || fail "the level-1 puzzle did not appear"
    cp "$work/shot.png" "$work/puzzle-$run.png"
    close_game
done
if compare -metric AE "$work/puzzle-1.png" "$work/puzzle-2.png" null: 2>/dev/null; then
    fail "two starts showed the same picture: no puzzle was generated"
fi
after=$(find "$home" | sort)
[ "$before" = "$after" ] || fail "files appeared in HOME or the XDG folders: $(comm -13 <(echo "$before") <(echo "$after"))"
echo "ok: window mapped, level-1 puzzle shown, clean end on close, nothing written"

# A copy of the program's folder with one data file missing, for each file in turn.
for missing in Schema-01.bmp Schema-02.bmp Schema-03.bmp Quadrivello.pdf; do
    copy="$work/app-without-$missing"
    mkdir -p "$copy"
    cp "$program" "$copy/"
    cp -r "$(dirname "$program")/Dati" "$copy/"
    rm -f "$copy/Dati/$missing"
    start_game "$copy/$(basename "$program")"
    # A box is due where the missing picture is loaded: at start-up for level 1, else on its level.
    boxes=$(close_messages "$([ "$missing" = Schema-01.bmp ] && echo 5 || echo 1)")
    alive || fail "the program died at start-up without $missing"
    for level in 2 3 1; do
        choose 2 "$level"
        boxes=$((boxes + $(close_messages "$([ "$missing" = "Schema-0$level.bmp" ] && echo 5 || echo 0.5)")))
        alive || fail "the program died on Livello $level without $missing"
    done
    if [ "$missing" = Quadrivello.pdf ]; then
        choose 3
        boxes=$((boxes + $(close_messages 1)))
        alive || fail "the program died on Help without the manual"
    elif [ "$boxes" -lt 1 ]; then
        fail "no message box told that $missing is missing"
    fi
    close_game
    echo "ok: without $missing the program survived ($boxes message boxes)"
done
