# Sourced by the scripts that run Windows binaries: a private Wine prefix, quiet, no add-on
# installers, and one display for the GUI tests.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Starts a virtual display on a free display number unless one is already set.
start_display() {
    if [ -n "${DISPLAY:-}" ]; then
        return
    fi
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        [ -s "$number_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$number_file")"
    rm -f "$number_file"
}

prepare_wine() {
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
}
