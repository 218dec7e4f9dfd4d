# Shared steps of the query-engine tests (sourced): a generated database, corvana lookup's
# answers for random addresses, and the comparison with what an engine answers.
set -euo pipefail

: "${CORVANA_BIN:?CORVANA_BIN names the bin folder of the build tree}"
readonly records=200000 addresses=100000 seed=2601

die() {
  echo "$engine: $*" >&2
  exit 1
}

# Everything goes to a fresh folder. Clean-ups registered by the engine (stopping its
# server) run first, on success, failure and interruption alike.
work=$(mktemp -d "${TMPDIR:-/tmp}/corvana-$engine.XXXXXX")
cleanups=()
cleanup() {
  local c
  for c in "${cleanups[@]}"; do eval "$c" >/dev/null 2>&1 || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

started=$EPOCHREALTIME
say() { awk -v e="$engine" -v a="$started" -v b="$EPOCHREALTIME" -v m="$*" 'BEGIN { printf "%s: %5.1f s  %s\n", e, b - a, m }'; }

# records.csv -> QQWry.Dat; addresses.txt (one per line) and numbered.csv (n,address);
# lookup.txt: corvana lookup's line for each address.
make_database() {
  "$CORVANA_BIN/corvana-engine-data" "$work/records.csv" "$work/addresses.txt" "$work/numbered.csv" \
    "$records" "$addresses" "$seed"
  "$CORVANA_BIN/corvana-qqwry" build "$work/records.csv" "$work/QQWry.Dat"
  timeout 120 "$CORVANA_BIN/corvana" lookup --db "$work/QQWry.Dat" <"$work/addresses.txt" >"$work/lookup.txt"
  say "database of $records records built, $addresses addresses looked up"
}

# Both sides in one form per address: "-" where no range holds it, else (with ends) the
# range's end, "|", and the country and area. The lookup splits a record's texts at commas
# and blanks as the window does, so the texts are compared with those as one separator, and
# shows an empty area as "无"; an address past its record's end lies in a gap, where an
# engine has no row.
readonly awk_norm='function norm(t) { gsub(/[, ]+/, " ", t); sub(/^ /, "", t); sub(/ $/, "", t); return t }'

expected_lines() {
  awk -v with_end="$1" "$awk_norm"'
    function num(a, p) { split(a, p, "."); return ((p[1] * 256 + p[2]) * 256 + p[3]) * 256 + p[4] }
    NR == FNR { address[FNR] = $0; next }
    {
      c = index($0, " 国家:"); a = index($0, " 地区:")
      end = substr($0, 4, c - 4)
      area = substr($0, a + length(" 地区:"))
      if (area == "无") area = ""
      text = substr($0, c + length(" 国家:"), a - c - length(" 国家:")) " " area
      if (num(address[FNR]) > num(end)) print "-"
      else print (with_end ? end "|" : "") norm(text)
    }' "$work/addresses.txt" "$work/lookup.txt"
}

# An engine writes one line per address in input order: "-", or END<tab>COUNTRY<tab>AREA
# (END empty where the export has no range ends).
engine_lines() {
  awk -F '\t' -v with_end="$2" "$awk_norm"'
    $0 == "-" { print; next }
    { print (with_end ? $1 "|" : "") norm($2 " " $3) }' "$1"
}

compare() {
  local answers=$1 with_end=$2
  expected_lines "$with_end" >"$work/expected.txt"
  engine_lines "$answers" "$with_end" >"$work/answers.txt"
  [ "$(wc -l <"$work/lookup.txt")" -eq "$addresses" ] || die "corvana lookup did not answer every address"
  if ! cmp -s "$work/expected.txt" "$work/answers.txt"; then
    echo "$engine: answers differ from corvana lookup (address, lookup, engine):" >&2
    paste "$work/addresses.txt" "$work/expected.txt" "$work/answers.txt" |
      awk -F '\t' '$2 != $3' | head -n 20 >&2
    die "$(wc -l <"$work/answers.txt") answers for $addresses addresses"
  fi
  # Both kinds of answer must have turned up, or the comparison proved little.
  local gaps
  gaps=$(grep -c '^-$' "$work/expected.txt" || true)
  [ "$gaps" -gt 0 ] && [ "$gaps" -lt $((addresses / 2)) ] || die "unexpected share of addresses in gaps: $gaps"
  say "all $addresses answers identical to corvana lookup ($gaps in gaps between ranges)"
}
