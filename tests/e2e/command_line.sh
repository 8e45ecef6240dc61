#!/usr/bin/env bash
# The real program's command line with no display at all: --help and --version, mistakes in
# the options, Qt's own options passed on, and the one-line word when no display can be
# opened, and --hall without the hall client. Every run starts from an empty environment.
# Usage: command_line.sh STONEWICK VERSION
set -uo pipefail

game=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  sed 's/^/  stdout: /' "$work/out" >&2
  sed 's/^/  stderr: /' "$work/err" >&2
  failures=$((failures + 1))
}

# run ARGS...: the game with the environment given in front of it by `env -i`, at most 20 s.
run() {
  (cd "$work" && timeout 20 env -i "$@" >"$work/out" 2>"$work/err")
  status=$?
}

# expect WHAT STATUS STDOUT STDERR: the last run's exit status and its two outputs, exactly.
expect() {
  local what=$1 want_status=$2 want_out=$3 want_err=$4
  [[ $status == "$want_status" ]] || { fail "$what: exit status $status, not $want_status"; return; }
  [[ $(cat "$work/out") == "$want_out" ]] || { fail "$what: standard output"; return; }
  [[ $(cat "$work/err") == "$want_err" ]] || fail "$what: standard error"
}

try_help="(try 'stonewick --help')"
no_display="stonewick: cannot open a display; run it on a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY"

run "$game" --help
usage=$(cat "$work/out")
expect "--help" 0 "$usage" ""
[[ $(head -n1 "$work/out") == "Usage: stonewick [--play FILE] [--record FILE] [--hall URL [--daily]]" ]] ||
  fail "--help: first line"
grep -q 'stonewick(6)' "$work/out" || fail "--help: no pointer to the manual page"
(($(wc -l <"$work/out") <= 24)) || fail "--help: more than one screen"

run "$game" --version
expect "--version" 0 "stonewick $version" ""

run "$game" --frobnicate
expect "unknown option" 2 "" "stonewick: unrecognized option '--frobnicate' $try_help"
run LANGUAGE=de "$game" --frobnicate
expect "unknown option in German" 2 "" \
  "stonewick: unbekannte Option '--frobnicate' (siehe 'stonewick --help')"
run "$game" -platform
expect "Qt option without its value" 2 "" "stonewick: option '-platform' needs a value $try_help"
run "$game" --record
expect "--record without FILE" 2 "" "stonewick: option '--record' needs a FILE $try_help"
run "$game" --record=
expect "--record= without FILE" 2 "" "stonewick: option '--record' needs a FILE $try_help"

# A recording that cannot be played is refused before any display is needed, with the line
# stonewick-replay --check gives, under the game's own name; a file --record would take over
# is left alone.
echo "an old recording" >"$work/b.rec"
run "$game" --record b.rec --play no-such.rec
expect "--play a missing file" 2 "" "stonewick: cannot open script 'no-such.rec'"
[[ $(cat "$work/b.rec") == "an old recording" ]] || fail "--record's file emptied before use"
run "$game" --play "$work"
expect "--play a directory" 2 "" "stonewick: '$work' is a directory, not a script"
printf 'manual\nkey 37\nfrobnicate 3\n' >"$work/bad.rec"
run "$game" --play=bad.rec
expect "--play a bad script" 2 "" "stonewick: bad.rec: line 3: unknown command 'frobnicate'"
printf 'manual\nkey 37\n>4 tick\n' >"$work/unplayable.rec"
run "$game" --play unplayable.rec
expect "--play a script a replay stops in" 2 "" \
  "stonewick: unplayable.rec: line 3: not run: the event on line 2 ended after 0 yield points, before yield point 4"
printf 'manual\nkey 37\n#~ 1234\n' >"$work/badcheckpoint.rec"
run "$game" --play badcheckpoint.rec
expect "--play a bad checkpoint" 2 "" \
  "stonewick: badcheckpoint.rec: line 3: a checkpoint is eight lower-case hexadecimal digits, not '1234'"

# Accepted options, then no display: one line and status 1, no abort; 2 when watching, where 1
# would say the recording differed.
run "$game"
expect "no display" 1 "" "$no_display"
run "$game" --record game.script
expect "--record FILE, no display" 1 "" "$no_display"
run "$game" --record=game.script
expect "--record=FILE, no display" 1 "" "$no_display"
printf 'manual\nkey 37\n' >"$work/good.rec"
run "$game" --play good.rec
expect "--play FILE, no display" 2 "" "$no_display"
run DISPLAY=:99999 "$game"
expect "a display that is not running" 1 "" "$no_display"
run QT_QPA_PLATFORM=xcb "$game"
expect "xcb asked for, no display" 1 "" "$no_display"

# Qt's own options reach Qt: -platform offscreen needs no display.
run STONEWICK_EXIT_AFTER_FIRST_PAINT=1 XDG_RUNTIME_DIR="$work" "$game" -platform offscreen
[[ $status == 0 ]] || fail "-platform offscreen: exit status $status"
grep -q '^first-paint-ns ' "$work/out" || fail "-platform offscreen: the window did not paint"

# --hall needs the hall client module; a program without it says where it looked, before
# any window opens.
mkdir -p "$work/games"
cp "$game" "$work/games/stonewick"
run XDG_RUNTIME_DIR="$work" "$work/games/stonewick" -platform offscreen --hall http://127.0.0.1:9/
expect "--hall, no hall client" 2 "" "stonewick: the hall client is neither \
$work/games/libstonewick-hall.so nor $work/lib/$(gcc -print-multiarch)/stonewick/libstonewick-hall.so"

((failures == 0)) || exit 1
echo "command line: all checks passed"
