#!/usr/bin/env bash
# Builds the tool and opens it on a simulated unit: kvsim serves a pseudo-terminal under
# build/, and a demo application folder maps COM1 to it.
#   ./run.sh          the window on the simulated unit
#   ./run.sh --real   the window on the real serial ports, with the default folder
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
kv_install_missing_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target kvtool kvctl kvsim

if [ "${1:-}" = "--real" ]; then
    exec build/bin/kvtool
fi

link="$PWD/build/kvsim.link"
demo="$PWD/build/demo"
mkdir -p "$demo/savefiles"
printf 'COM1=%s' "$link" > "$demo/savefiles/COMMAP.TXT"
[ -f "$demo/savefiles/COM.TXT" ] || printf '1' > "$demo/savefiles/COM.TXT"

# The store keeps the unit's address, rate and other kept settings from one run to the
# next, as a real unit keeps them over a power cycle, so the rate the demo folder
# remembers in BTL.TXT stays the unit's.
build/bin/kvsim --link "$link" --unit 1:9600 --store "$PWD/build/kvsim-store.json" \
    --state "$PWD/build/kvsim-state.json" --log "$PWD/build/kvsim.log" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.05; done

echo "kvsim serves $link (log: build/kvsim.log, state: build/kvsim-state.json," \
     "kept settings: build/kvsim-store.json)"
build/bin/kvtool --dir "$demo"
