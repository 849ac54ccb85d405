#!/bin/sh
# Inside a virtual display: starts the program, waits for its first paint, saves a screenshot, closes it.
exe="$1"
out="$2"
. "$(dirname "$0")/wine-env.sh"
. "$(dirname "$0")/product.sh"
read_product "$repo" || exit 1  # sets the caption start-up gives the window
prepare_wine_prefix || exit 1
start_wine_server
wine "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
# Wait (at most 30 s) until the window is mapped with its final caption; without it the picture would show
# a window before start-up, or none, so the run fails.
i=0
until xwininfo -root -tree 2>/dev/null | grep -qF "\"$caption\""; do
    if [ $i -ge 300 ]; then
        echo "screenshot.sh: no window captioned \"$caption\" within 30 s" >&2
        wine taskkill /im zarvik.exe </dev/null >/dev/null 2>&1 || kill $pid
        stop_wine_server
        exit 1
    fi
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
