#!/bin/sh
# Inside a virtual display: starts the program, waits for its first paint, saves a screenshot, closes it.
exe="$1"
out="$2"
. "$(dirname "$0")/wine-env.sh"
prepare_wine_prefix || exit 1
start_wine_server
wine "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
# Wait (at most 30 s) until the window is mapped with its final caption.
i=0
while [ $i -lt 300 ]; do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Zarvik 1 Moves Generator version 7"'; then break; fi
    sleep 0.1
    i=$((i + 1))
done
sleep 1
import -window root "$out"
wine taskkill /im zarvik.exe </dev/null >/dev/null 2>&1 || kill $pid
wait $pid
rc=$?
stop_wine_server
echo "Screenshot saved to $out (program exit code $rc)."
