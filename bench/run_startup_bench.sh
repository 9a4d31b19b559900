#!/usr/bin/env bash
# Start-up benchmark under a virtual X server and a session bus of its own, as on a desktop: the game
# against a bare Qt window, empty and with one line of text, side by side.
# Usage: bench/run_startup_bench.sh [build folder] [runs]. It reports and never fails.
set -uo pipefail
build=${1:-build}
runs=${2:-9}
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    "$build/bench/startup_bench" "$runs" "$build/app/quadrivello" "$build/bench/bare_window" \
    "$build/bench/bare_window_text" ||
    echo "The start-up benchmark could not run."
exit 0
