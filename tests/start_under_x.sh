#!/bin/sh
# Starts PROGRAM on the current X display and prints what an onlooker would see: "window mapped" once
# its main window "Quadrivello" is on screen, "message shown" if a message box ("Quadrivello1") comes
# up, "still running" if it has not ended. Then ends it. Usage: start_under_x.sh PROGRAM
"$1" >/dev/null 2>&1 &
pid=$!

# shows NAME TENTHS: whether the window NAME is on screen within TENTHS tenths of a second.
shows() {
    i=0
    until xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; do
        [ $i -ge "$2" ] && return 1
        sleep 0.1
        i=$((i + 1))
    done
}

shows Quadrivello 300 && echo "window mapped"
# A missing grid picture is reported at the first activation, right after the window is shown.
shows Quadrivello1 20 && echo "message shown"
kill -0 $pid 2>/dev/null && echo "still running"
kill $pid 2>/dev/null
wait $pid 2>/dev/null
exit 0
