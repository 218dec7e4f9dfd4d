#!/usr/bin/env bash
# The numeric CSV export in DuckDB (its npm package, which carries the engine's binaries):
# 100 000 addresses joined by range must give the records corvana lookup gives.
engine=duckdb
. "$(dirname "$0")/common.sh"

engines=${CORVANA_ENGINES:?CORVANA_ENGINES names the folder for the engine packages}
# The pinned package, installed into the build tree unless bootstrap has done it.
"$(dirname "$0")/../../scripts/engine-packages" "$engines" >&2 || die "the DuckDB package could not be installed"
say "DuckDB $(node -p "JSON.parse(require('fs').readFileSync(process.argv[1])).version" "$engines/node_modules/@duckdb/node-api/package.json")"

make_database
"$CORVANA_BIN/corvana" dump --db "$work/QQWry.Dat" --format csv --numeric --header >"$work/ranges.csv"
timeout 180 node "$(dirname "$0")/duckdb_join.cjs" "$engines" "$work/ranges.csv" "$work/numbered.csv" "$work/answers.raw"
say "ranges joined"
compare "$work/answers.raw" 1
