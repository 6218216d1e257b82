# Sourced by the scripts that run Windows binaries: a private Wine prefix, quiet, no add-on
# installers, and one display for the GUI tests.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

start_display() {
    if [ -z "${DISPLAY:-}" ]; then
        Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=:97
        trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
        sleep 1
    fi
}

prepare_wine() {
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
}
