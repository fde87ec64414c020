#!/usr/bin/env bash
# Runs a command inside a fresh X server (Xvfb, 1280x1024) with the openbox window
# manager, so windows are maximised and framed as on a desktop. Usage: xsession.sh CMD...
set -euo pipefail

display=""
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
        display=":${n}"
        break
    fi
done
[ -n "$display" ] || { echo "xsession: no free X display" >&2; exit 1; }

# -noreset: a server reset when a probe disconnects would kill the window manager.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
openbox --sm-disable >"${TMPDIR:-/tmp}/openbox-${display#:}.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
# The check window appears before the manager has finished starting up.
sleep 0.5
unset QT_QPA_PLATFORM
"$@"
