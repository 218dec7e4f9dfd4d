// Loads the numeric CSV export into DuckDB as the README shows, joins numbered addresses to
// it by range and writes one line per address in input order: the range's end, country and
// area separated by tabs, or "-" where no range holds the address.
//   node duckdb_join.cjs ENGINES_DIR RANGES.csv NUMBERED.csv OUT
'use strict';
const fs = require('fs');

const [enginesDir, rangesCsv, numberedCsv, outFile] = process.argv.slice(2);
const { DuckDBInstance } = require(require.resolve('@duckdb/node-api', { paths: [enginesDir] }));

const literal = (text) => "'" + text.replace(/'/g, "''") + "'";

async function main() {
  const instance = await DuckDBInstance.create(':memory:');
  const db = await instance.connect();
  await db.run(`
    CREATE TABLE ranges AS SELECT * FROM read_csv(${literal(rangesCsv)},
      header = true, delim = ',', quote = '"', escape = '"', force_not_null = ['country', 'area'],
      columns = {'start_int': 'UINTEGER', 'end_int': 'UINTEGER', 'start': 'VARCHAR', 'end': 'VARCHAR',
                 'country': 'VARCHAR', 'area': 'VARCHAR'});
    CREATE MACRO ip_int(t) AS (split_part(t, '.', 1)::UINTEGER << 24) | (split_part(t, '.', 2)::UINTEGER << 16)
                            | (split_part(t, '.', 3)::UINTEGER << 8) | split_part(t, '.', 4)::UINTEGER;
    CREATE TABLE addresses AS SELECT * FROM read_csv(${literal(numberedCsv)},
      header = false, columns = {'n': 'INTEGER', 'address': 'VARCHAR'});`);
  const result = await db.runAndReadAll(`
    SELECT r."end", r.country, r.area
      FROM (SELECT n, address, ip_int(address) AS ip FROM addresses) a
      LEFT JOIN ranges r ON r.start_int <= a.ip AND a.ip <= r.end_int
     ORDER BY a.n`);
  const lines = result.getRows().map(([end, country, area]) => (end === null ? '-' : `${end}\t${country}\t${area}`));
  fs.writeFileSync(outFile, lines.join('\n') + '\n');
}

main().catch((error) => {
  console.error(`duckdb: ${error && error.message ? error.message : error}`);
  process.exit(1);
});
