#!/usr/bin/env bash
# The cidr export in a throw-away PostgreSQL cluster: 100 000 addresses looked up with >>=
# over an SP-GiST index must give the records corvana lookup gives. The server listens on a
# Unix socket in a temporary folder only, and is stopped however the test ends (each step
# has its own time limit, so the test fails, and cleans up, well before ctest kills it).
engine=postgresql
. "$(dirname "$0")/common.sh"

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bin" ] && [ -x "$bin/initdb" ] || die "no PostgreSQL server in /usr/lib/postgresql (scripts/bootstrap installs it)"

# The server refuses to run as root; as root, it runs as the package's own user.
pg=$work/pg
mkdir "$pg"
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  owner=postgres
  id -u "$owner" >/dev/null 2>&1 || owner=nobody
  as_owner=(runuser -u "$owner" --)
  chmod 711 "$work"
  chown "$owner" "$pg"
fi
server() { (cd "$pg" && "${as_owner[@]}" "$@"); }
sql() { timeout 120 "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h "$pg" -U postgres -d postgres "$@"; }

server "$bin/initdb" -D "$pg/data" -U postgres --auth=trust --encoding=UTF8 --locale=C >"$work/initdb.log" 2>&1 ||
  { cat "$work/initdb.log" >&2; die "initdb failed"; }
cleanups+=("server '$bin/pg_ctl' -D '$pg/data' -m immediate -w stop")
server "$bin/pg_ctl" -D "$pg/data" -l "$pg/server.log" -w -t 60 start \
  -o "-c listen_addresses='' -c unix_socket_directories='$pg' -c fsync=off -c synchronous_commit=off" >/dev/null ||
  { cat "$pg/server.log" >&2; die "the server did not start"; }
say "server $("$bin/postgres" --version | awk '{ print $3 }') started"

make_database
"$CORVANA_BIN/corvana" dump --db "$work/QQWry.Dat" --format cidr --header >"$work/blocks.csv"

# The recipe of the README (a GiST index answers the same queries, but takes milliseconds per
# address on millions of small blocks), then the addresses in input order.
sql <<SQL
CREATE TABLE blocks (network cidr NOT NULL, country text NOT NULL, area text NOT NULL);
\copy blocks FROM '$work/blocks.csv' WITH (FORMAT csv, HEADER, FORCE_NOT_NULL (country, area))
CREATE INDEX blocks_network ON blocks USING spgist (network inet_ops);
CREATE TABLE addresses (n integer PRIMARY KEY, address inet NOT NULL);
\copy addresses FROM '$work/numbered.csv' WITH (FORMAT csv)
ANALYZE;
SQL
say "$(sql -At -c 'SELECT count(*) FROM blocks') blocks loaded and indexed"

query="SELECT CASE WHEN b.network IS NULL THEN '-' ELSE E'\\t' || b.country || E'\\t' || b.area END
         FROM addresses a LEFT JOIN blocks b ON b.network >>= a.address ORDER BY a.n"
sql -At -c "EXPLAIN $query" | grep -q blocks_network || die "the lookup does not use the index"
sql -At -o "$work/answers.raw" -c "$query"
say "addresses looked up"
compare "$work/answers.raw" 0
