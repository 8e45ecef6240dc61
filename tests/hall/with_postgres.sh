#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL 15 from Debian's packages: its own data folder
# under a temporary folder, owned by an unprivileged user when run as root, on a free port of
# the loopback, stopped and removed when the command ends, whether it passed or not.
#   tests/hall/with_postgres.sh COMMAND...
# The command finds the database in HALL_TEST_POSTGRES_URL, and the commands that stop and
# start it again in HALL_TEST_POSTGRES_STOP and HALL_TEST_POSTGRES_START.
set -euo pipefail

bin=/usr/lib/postgresql/15/bin
if [ ! -x "$bin/initdb" ]; then
  echo "with_postgres: PostgreSQL 15 is missing (scripts/install-deps.sh hall)" >&2
  exit 1
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/stonewick-postgres.XXXXXX")
owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$dir"
  owner=(runuser -u nobody --)
fi
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
ctl=("${owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w)
start=("${ctl[@]}" -o "-p $port -k $dir -c listen_addresses=127.0.0.1" start)

stop() {
  "${ctl[@]}" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT TERM

(cd "$dir" && "${owner[@]}" "$bin/initdb" -D "$dir/data" -U hall --auth=trust -E UTF8 \
  --no-locale >"$dir/initdb.log")
"${start[@]}" >/dev/null

export HALL_TEST_POSTGRES_URL="postgresql://hall@127.0.0.1:$port/postgres"
printf -v HALL_TEST_POSTGRES_STOP '%q ' "${ctl[@]}" -m fast stop
printf -v HALL_TEST_POSTGRES_START '%q ' "${start[@]}"
export HALL_TEST_POSTGRES_STOP HALL_TEST_POSTGRES_START
"$@"
