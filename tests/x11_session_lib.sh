# Shared by the session tests of the real program on Xvfb. Source it, then:
#   require_tools TOOL...    skips the test (status 77) when one is missing
#   inside_xvfb "$0" "$@"    runs the calling script again inside xvfb-run
#   within SECONDS CMD...    waits up to SECONDS for CMD to succeed
#   fail MESSAGE             ends the test, with the program's $work/stderr

require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed (scripts/setup installs xvfb, xdotool and imagemagick)"
            exit 77
        fi
    done
}

inside_xvfb() {
    if [[ -z ${TAVRO_INSIDE_XVFB:-} ]]; then
        TAVRO_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$@"
    fi
}

within() {
    local seconds=$1
    shift
    for ((tenth = 0; tenth < seconds * 10; ++tenth)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

fail() {
    echo "FAILED: $*"
    echo "--- the program's error output:"
    cat "${work:-/nonexistent}/stderr" 2>/dev/null || true
    exit 1
}
