#!/bin/sh
# A short real session in a window: run under an X display (xvfb-run), the
# game records it while xdotool plays the player. The game ends by itself
# after its ticks, whatever the player managed to do.
# Usage: windowed_session.sh GAME DATA RECORD TRACE
game=$1 data=$2 record=$3 trace=$4

# No sound card here: OpenAL Soft's null output. A message box would wait
# for ever, so the game gets a minute.
ALSOFT_DRIVERS=null timeout 60 "$game" --data "$data" --ticks 400 --record "$record" --trace "$trace" &
pid=$!
window=
for attempt in $(seq 50); do
  window=$(xdotool search --onlyvisible --name '^Quillmoor$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -n "$window" ]; then
  xdotool windowfocus "$window" 2>/dev/null
  xdotool mousemove --window "$window" 400 300 click 1   # ends the intro
  sleep 0.2
  xdotool mousemove --window "$window" 100 225           # over Новая Игра
  sleep 0.1
  xdotool click 1
  sleep 3
  xdotool keydown w
  sleep 0.5
  xdotool keydown d
  sleep 0.3
  xdotool keyup d keyup w
fi
wait "$pid"
