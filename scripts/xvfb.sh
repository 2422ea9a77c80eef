# A virtual display for the scripts that run Lexido's window on X: sourced, it defines
# lexido_start_xvfb.

# Starts Xvfb on the first free display numbered $1 to $2 (neither its lock nor its socket
# there) and waits up to 5 s for its socket. Sets LEXIDO_DISPLAY (":N") and LEXIDO_XVFB (the
# server's pid); fails when no display is free or the server does not come up.
lexido_start_xvfb() {
    local n
    LEXIDO_DISPLAY=
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { LEXIDO_DISPLAY=:$n; break; }
    done
    [ -n "$LEXIDO_DISPLAY" ] || return 1
    # -noreset: the server must not reset when its last client leaves, which refuses the next one.
    Xvfb "$LEXIDO_DISPLAY" -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    LEXIDO_XVFB=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${LEXIDO_DISPLAY#:}" ] && return 0
        sleep 0.1
    done
    return 1
}
