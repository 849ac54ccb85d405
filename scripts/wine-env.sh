# Sourced: the Wine prefix, locale and debug channels of every Windows run of this project, by the test
# runner, the emulator ctest uses and the run and bench scripts alike.
# Russian locale: ANSI code page 1251, the one the built-in texts were written in.
repo=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$repo/build/win64/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
# A library found beside a program before Wine's own copy, as Windows does for one outside its list of
# known libraries, so that a test sees what a library planted there would do.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winmm,shell32,comdlg32=n,b}"

# A fresh prefix: unmanaged windows (no 2-second wait for a window manager) and no crash dialog
# that would hang a test until its timeout.
prepare_wine_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    mkdir -p "$WINEPREFIX"
    {
        wineboot -i
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        wineserver -w
    } </dev/null >/dev/null 2>&1
}

# A persistent server, so the helper processes the first Wine program starts hold none of our pipes
# (a test under ctest would otherwise wait for their end until its timeout). With an argument it stays
# that many seconds after its last client; without, until stop_wine_server. Nothing happens when a
# server is already running.
start_wine_server() {
    wineserver "-p$1" </dev/null >/dev/null 2>&1 || return 0
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

stop_wine_server() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
}
