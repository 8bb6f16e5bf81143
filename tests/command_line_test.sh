#!/usr/bin/env bash
# The tavro program's command line, answered without a display: --help and
# --version on stdout with status 0, anything it does not take with one line
# on stderr and status 2, and no display at all said in one line with
# status 1. Usage: command_line_test.sh PATH/TO/tavro
set -uo pipefail

tavro=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGUMENTS...: runs the program
# without a display and checks its status and what it wrote (a pattern of ""
# means nothing at all).
expect() {
    local status=$1 out=$2 err=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tavro" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    local problem=""
    [[ $got == "$status" ]] || problem+=" status $got, not $status;"
    if [[ -z $out ]]; then [[ ! -s $work/out ]] || problem+=" stdout not empty;"
    elif ! grep -qE -- "$out" "$work/out"; then problem+=" stdout lacks /$out/;"; fi
    if [[ -z $err ]]; then [[ ! -s $work/err ]] || problem+=" stderr not empty;"
    else
        grep -qE -- "$err" "$work/err" || problem+=" stderr lacks /$err/;"
        [[ $(wc -l <"$work/err") == 1 ]] || problem+=" stderr is not one line;"
    fi
    if [[ -n $problem ]]; then
        echo "FAILED: tavro $*:$problem"
        sed 's/^/  stdout: /' "$work/out"
        sed 's/^/  stderr: /' "$work/err"
        failures=$((failures + 1))
    fi
}

expect 0 '^Usage: tavro \[OPTION\]\.\.\. \[FILE\]$' "" --help
expect 0 '^Usage: tavro' "" -h
expect 0 '^Usage: tavro' "" some.file --bogus --help
expect 0 '^tavro 1\.13$' "" --version
expect 0 '^tavro 1\.13$' "" -platform offscreen --version
expect 2 "" "^tavro: unknown option '--bogus' \(try 'tavro --help'\)$" --bogus
expect 2 "" "^tavro: only one file can be opened, but both 'a' and 'b' are named" a b
expect 2 "" "^tavro: the option '-platform' needs a value" -platform
expect 1 "" "^tavro: no display to show the board on" "$work/missing.tavro"
expect 1 "" "^tavro: no display to show the board on"

[[ $failures == 0 ]] && echo "passed"
exit $((failures > 0))
