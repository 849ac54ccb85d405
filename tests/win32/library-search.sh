#!/bin/sh
# Starts a copy of the program under Wine's relay trace, limited to the calls below, until its first window.
# From the program's first code on (its first TLS callback, or else its entry point) the library search
# must be restricted before any call that can load a library, and no library looked for in its folder.
# What the system's libraries load while the loader brings them in comes before any code of the program.
set -eu
run="$1"
restricting='KERNEL32.SetDefaultDllDirectories KERNEL32.SetDllDirectoryW'
loading='ntdll.LdrLoadDll KERNEL32.LoadLibraryA KERNEL32.LoadLibraryW KERNEL32.LoadLibraryExA KERNEL32.LoadLibraryExW
         advapi32.CryptAcquireContextA advapi32.CryptAcquireContextW'
window='user32.CreateWindowExW'
work=$(mktemp -d)
debug='HKCU\Software\Wine\Debug'
job=''  # the program's run; whatever ends this script ends the program first
trap '[ -z "$job" ] || pkill -KILL -P "$job"; "$run" reg delete "$debug" /v RelayInclude /f >/dev/null 2>&1; rm -rf "$work"' EXIT
cp "$2" "$work/zarvik.exe"
cd "$work"
"$run" reg add "$debug" /v RelayInclude /d "$(echo $restricting $loading $window | tr ' ' ';')" /f >/dev/null
# None of the test's own streams: the desktop process the program starts takes them over, and outlives it.
: >trace.txt
WINEDEBUG=-all,+pid,+loaddll,+relay "$run" "$work/zarvik.exe" </dev/null >/dev/null 2>>trace.txt &
job=$!
for tenth in $(seq 200); do  # the program's process is the one that loaded the copy
    pid=$(sed -n 's/^\([0-9a-f]*\):.*:build_module Loaded L".*zarvik\.exe" at .*/\1/p' trace.txt)
    [ -n "$pid" ] && grep -q "^$pid:[0-9a-f]*:Call $window(" trace.txt && break
    sleep 0.1
done
pkill -KILL -P "$job" || true  # the program: the one child of that run
wait "$job" || true
job=''

# Wine shows the Linux root as drive Z:, and doubles each backslash in a trace.
export pid restricting loading window folder="Z:$(printf '%s' "$work" | sed 's|/|\\\\|g')"
awk '
BEGIN {
    for (i = split(ENVIRON["restricting"], names, " "); i > 0; i--) restricts[names[i]] = 1
    for (i = split(ENVIRON["loading"], names, " "); i > 0; i--) loads[names[i]] = 1
}
index($0, ENVIRON["pid"] ":") != 1 { next }
/:build_module Loaded L".*zarvik\.exe" at / { base = $0; sub(/.*" at /, "", base); sub(/:.*/, "", base) }
/:Call TLS callback \(/ && index($0, "module=" base ",") || /:Starting thread proc / { ours = 1 }
!ours || !sub(/^[0-9a-f]+:[0-9a-f]+:Call /, "") { next }
{ call = $0; sub(/\(.*/, "", call) }
call in restricts { restricted = 1 }
call in loads && !restricted { print "before the search was restricted: " $0; failed = 1 }
call in loads && index($0, ENVIRON["folder"]) { print "looked for in the program'"'"'s folder: " $0; failed = 1 }
call == ENVIRON["window"] { windowMade = 1; exit }
END {
    if (!windowMade) { print "the program made no window within 20 s"; failed = 1 }
    if (!failed) print "the library search was restricted before the program could load a library"
    exit failed
}' trace.txt
