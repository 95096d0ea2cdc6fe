#!/usr/bin/env bash
# Runs one command inside a fresh Xvfb display (a free one), a private session bus, the dunst
# notification daemon and the openbox window manager, as a desktop session would offer them.
set -euo pipefail
if [ -z "${BW_INSIDE_XVFB:-}" ]; then
  export BW_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" dbus-run-session -- "$0" "$@"
fi
dunst_conf=$(mktemp)
trap 'rm -f "$dunst_conf"; kill ${wm_pid:-} ${dunst_pid:-} 2>/dev/null || true' EXIT
printf '[global]\n  idle_threshold = 0\n  show_age_threshold = -1\n[urgency_normal]\n  timeout = 0\n' >"$dunst_conf"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
dunst -config "$dunst_conf" >/dev/null 2>&1 &
dunst_pid=$!
# Wait until both the window manager and the notification service are up.
for _ in $(seq 1 100); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
       org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null | grep -q true; then
    break
  fi
  sleep 0.05
done
export QT_QPA_PLATFORM=xcb
"$@"
