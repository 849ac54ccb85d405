# Sourced: the Wine prefix, locale and debug channels of every Windows run of this project, by the test
# runner, the emulator ctest uses and the run and bench scripts alike.
# Russian locale: ANSI code page 1251, the one the built-in texts were written in.
repo=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$repo/build/win64/wineprefix}"
# Wine's error messages stay on, and only they, so a program that Wine ends says why.
export WINEDEBUG="${WINEDEBUG:--all,err+all}"
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
# A library found beside a program before Wine's own copy, as Windows does for one outside its list of
# known libraries, so that a test sees what a library planted there would do.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winmm,shell32,comdlg32=n,b}"

# A fresh prefix: unmanaged windows (no 2-second wait for a window manager) and no crash dialog
# that would hang a test until its timeout. ZARVIK_THEME=off makes one whose windows are drawn without
# Wine's theme. Every prefix, old or new, gets Wine's own fonts.
prepare_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        {
            wineboot -i
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
            if [ "$ZARVIK_THEME" = off ]; then
                wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f
            fi
            wineserver -w
        } </dev/null >/dev/null 2>&1
    fi
    install_wine_fonts
    set_wine_dpi
}

# ZARVIK_DPI sets the prefix's display scale for the programs started after it; the tests at other scales
# than 96 DPI have a prefix of their own for it, so no run at 96 DPI ever sees another.
set_wine_dpi() {
    [ -n "$ZARVIK_DPI" ] || return 0
    start_wine_server 30
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$ZARVIK_DPI" /f </dev/null >/dev/null 2>&1
}

# Wine's own Windows-metric fonts (Debian's fonts-wine), which this Wine never looks for by itself:
# without them "System" becomes a wide outline font, the system dialog's picture spills over the credits
# and the display's lines come out wider than on Windows. Wine reads the folder at every start.
install_wine_fonts() {
    if [ ! -f /usr/share/wine/fonts/system.ttf ]; then
        echo "Wine's fonts are missing (/usr/share/wine/fonts): run make deps" >&2
        return 1
    fi
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
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

# Wine maps some of its memory at fixed addresses; now and then the kernel's random placement put another
# mapping there and Wine ended the program at its start ("failed to map the shared user data", status 1,
# about one start in two thousand here). Without that randomization, which children inherit, it can't.
without_aslr() {
    setarch "$(uname -m)" -R "$@"
}
