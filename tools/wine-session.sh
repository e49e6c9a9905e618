#!/usr/bin/env bash
# One Wine session for a test run: a throw-away WINEPREFIX and an Xvfb display.
#   wine-session.sh start STATE_DIR       fresh prefix, display started
#   wine-session.sh run STATE_DIR EXE ... runs EXE under Wine in that session
#   wine-session.sh stop STATE_DIR        ends Wine and the display
set -u
command=$1
state=$2
shift 2
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export WINEPREFIX="$state/prefix"

free_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return
    fi
  done
  echo 99
}

case "$command" in
  start)
    "$0" stop "$state" >/dev/null 2>&1
    rm -rf "$state"
    mkdir -p "$state"
    display=$(free_display)
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    echo ":$display" >"$state/display"
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
    export DISPLAY=":$display"
    # One wineserver stays alive for the session so each program starts quickly.
    "$WINESERVER" -p >/dev/null 2>&1
    timeout 300 "$WINE" wineboot --init >"$state/wineboot.log" 2>&1
    "$(dirname "$0")/wine-fonts.sh" "$WINEPREFIX" || exit 1
    # Every program of the session runs in one Wine desktop window: Wine then
    # manages the windows itself (frames, maximizing), as a window manager
    # would on a real display.
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    echo "wine session ready on :$display, prefix $WINEPREFIX"
    ;;
  run)
    if [ ! -f "$state/display" ]; then
      echo "no wine session in $state (run 'start' first)" >&2
      exit 2
    fi
    export DISPLAY=$(cat "$state/display")
    exe=$1
    shift
    cd "$(dirname "$exe")" || exit 2
    "$WINE" "$exe" "$@"
    status=$?
    exit $status
    ;;
  stop)
    if [ -d "$WINEPREFIX" ]; then
      "$WINESERVER" -k >/dev/null 2>&1
    fi
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" >/dev/null 2>&1
      rm -f "$state/xvfb.pid"
    fi
    exit 0
    ;;
  *)
    echo "usage: $0 start|run|stop STATE_DIR [EXE ARGS...]" >&2
    exit 2
    ;;
esac
