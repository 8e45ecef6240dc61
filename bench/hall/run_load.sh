#!/usr/bin/env bash
# The hall under load and faults over the loopback, on SQLite and then on a throwaway
# PostgreSQL 15, printing the figures:
#   1. GAMES uploads (default 2000) of real games from 8 clients at once: the answers, games/s
#      and latency, and the games in the database against the 201s;
#   2. the same while stonewick-hall is killed with SIGKILL and started again: every game
#      that got 201 is there and every stored game checks whole;
#   3. (PostgreSQL) the same while the database is stopped for two seconds: 503s, then 201s.
#   bench/hall/run_load.sh [GAMES]     # after building hall_load and stonewick-hall in build/
set -euo pipefail
cd "$(dirname "$0")/../.."

games="${1:-2000}"
build="${BUILD:-build}"
hall="$build/hall/stonewick-hall"
load="$build/bench/hall/hall_load"
work=$(mktemp -d "${TMPDIR:-/tmp}/stonewick-load.XXXXXX")
hall_pid=""

cleanup() {
  if [ -n "$hall_pid" ]; then
    kill "$hall_pid" 2>/dev/null || true
    wait "$hall_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# start_hall DB [PORT]: starts the hall on PORT (default: a free one) and sets port, hall_pid.
start_hall() {
  rm -f "$work/hall.out"
  "$hall" --listen "127.0.0.1:${2:-0}" --db "$1" --uploads-per-minute 0 >"$work/hall.out" 2>&1 &
  hall_pid=$!
  for _ in $(seq 100); do
    if grep -qs 'serving on' "$work/hall.out"; then
      port=$(sed -n 's/.*127\.0\.0\.1:\([0-9]*\)\/$/\1/p' "$work/hall.out")
      return 0
    fi
    sleep 0.1
  done
  echo "run_load: the hall did not start: $(cat "$work/hall.out")" >&2
  exit 1
}

stop_hall() {
  kill "$hall_pid"
  wait "$hall_pid" || true
  hall_pid=""
}

# A database of its own for each run: a SQLite file, or a new PostgreSQL database.
database() {
  if [ -n "${HALL_TEST_POSTGRES_URL:-}" ]; then
    psql -q "$HALL_TEST_POSTGRES_URL" -c "CREATE DATABASE $1" >/dev/null
    echo "${HALL_TEST_POSTGRES_URL%/*}/$1"
  else
    echo "$work/$1.sqlite"
  fi
}

if [ -z "${HALL_TEST_POSTGRES_URL:-}" ]; then
  kind=SQLite
else
  kind=PostgreSQL
fi

echo "== $kind: $games uploads from 8 clients"
db=$(database plain)
start_hall "$db"
"$load" "$port" "$games" 8 1 "$work/plain.ids"
stop_hall
"$load" --verify "$db" "$work/plain.ids" --exact

# under_fault NAME SEED FAULT: the load on a database of its own, with the function FAULT run
# 1 s into it; then what the database kept.
under_fault() {
  db=$(database "$1")
  start_hall "$db"
  "$load" "$port" "$games" 8 "$2" "$work/$1.ids" &
  local load_pid=$!
  while [ ! -e "$work/$1.ids.started" ]; do
    sleep 0.1
  done
  sleep 1
  "$3"
  wait "$load_pid"
  stop_hall
  "$load" --verify "$db" "$work/$1.ids"
}
kill_hall() {
  kill -KILL "$hall_pid"
  wait "$hall_pid" 2>/dev/null || true
  start_hall "$db" "$port"
}
stop_database() {
  eval "$HALL_TEST_POSTGRES_STOP" >/dev/null
  sleep 2
  eval "$HALL_TEST_POSTGRES_START" >/dev/null
}

echo "== $kind: stonewick-hall killed with SIGKILL 1 s into the load, started again"
under_fault killed 100000 kill_hall
if [ -n "${HALL_TEST_POSTGRES_URL:-}" ]; then
  echo "== $kind: the database stopped 1 s into the load for 2 s"
  under_fault stopped 200000 stop_database
else
  # The same runs on PostgreSQL, beside a throwaway server.
  trap - EXIT
  cleanup
  exec bash tests/hall/with_postgres.sh bash "$0" "$games"
fi
