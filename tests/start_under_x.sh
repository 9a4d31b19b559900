#!/bin/sh
# Starts the game on the current X display and reports, one line each, what an onlooker would see:
# "window mapped" once its main window "Quadrivello" is on screen, "message shown" if a message
# box ("Quadrivello1") comes up, "still running" if the program has not ended. Then ends it.
# Usage: start_under_x.sh PROGRAM
program=$1
"$program" >/dev/null 2>&1 &
pid=$!

viewable() {
    xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

i=0
while [ $i -lt 300 ] && ! viewable Quadrivello; do
    sleep 0.1
    i=$((i + 1))
done
viewable Quadrivello && echo "window mapped"
# A missing grid picture is reported at the first activation, right after the window is shown.
i=0
while [ $i -lt 20 ] && ! viewable Quadrivello1; do
    sleep 0.1
    i=$((i + 1))
done
viewable Quadrivello1 && echo "message shown"
kill -0 $pid 2>/dev/null && echo "still running"
kill $pid 2>/dev/null
wait $pid 2>/dev/null
exit 0
