#!/bin/sh
# A short real session in a window: run under an X display (xvfb-run), the
# game records it while xdotool plays the player, then closes it the way a
# desktop does (SIGTERM arrives as a quit). Fails, saying why, when no game
# window shows up.
# Usage: windowed_session.sh GAME DATA RECORD TRACE
game=$1 data=$2 record=$3 trace=$4

# A real X window whatever the caller's environment asks of SDL, and no sound
# card: OpenAL Soft's null output. The tick limit and the timeout only stop a
# game that was never closed; a message box would wait for ever.
SDL_VIDEODRIVER=x11 ALSOFT_DRIVERS=null WAYLAND_DISPLAY= timeout 120 \
  "$game" --data "$data" --ticks 5000 --record "$record" --trace "$trace" &
pid=$!
window=
for attempt in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Quillmoor$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "windowed_session.sh: no Quillmoor window showed up on $DISPLAY" >&2
  kill "$pid" 2>/dev/null
  wait "$pid"
  exit 2
fi
xdotool windowfocus "$window" 2>/dev/null
xdotool mousemove --window "$window" 400 300 click 1   # ends the intro
sleep 0.5
xdotool mousemove --window "$window" 100 225           # over Новая Игра
sleep 0.2
xdotool click 1
sleep 3
xdotool keydown w
sleep 0.5
xdotool keydown d
sleep 0.3
xdotool keyup d keyup w
sleep 0.3
kill -TERM "$pid"
wait "$pid"
