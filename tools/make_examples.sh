#!/usr/bin/env bash
# Makes the example scorecards, rosters and pitcher profiles in data/Examples/ with the program
# itself: the sample world's first game with posted lineups on 07/04/2014, served by the sample
# server, run through `quillbat-cli create`. Run after a build (cmake --build build); BUILD may name another
# build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
game=${GAME:-1}
work=$(mktemp -d)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

"$build/tools/quillbat-sample-world" "$work/world" >/dev/null
mkdir -p "$work/program"
for entry in "$build"/quillbat/*; do
  case "$(basename "$entry")" in
    Quillbat.ini | *.log | Output | Examples) continue ;;
  esac
  cp -a "$entry" "$work/program/"
done

"$build/tools/quillbat-sample-server" "$work/world" --port 0 >"$work/server.log" 2>&1 &
server=$!
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's|^listening on http://127\.0\.0\.1:\([0-9]*\)$|\1|p' "$work/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { cat "$work/server.log" >&2; exit 1; }

day=$("$build/tools/quillbat-sample-settings" "$work/program/Quillbat.ini" "$port")
"$work/program/quillbat-cli" create "$day" "$game" --scorecards
mkdir -p data/Examples
cp "$work/program/Output/ScorecardAway.xls" "$work/program/Output/ScorecardHome.xls" data/Examples/
"$work/program/quillbat-cli" create "$day" "$game" --rosters
cp "$work/program/Output"/Rosters*.xls data/Examples/
echo "data/Examples: ScorecardAway.xls, ScorecardHome.xls and the rosters of game $game on $day"

"$work/program/quillbat-cli" create "$day" "$game" --profiles
cp "$work/program/Output/Starting Pitchers Profiles.xls" data/Examples/
echo "data/Examples: Starting Pitchers Profiles.xls of game $game on $day"
