#!/usr/bin/env bash
# Installs what is missing, builds Quillon, starts the simulated instrument on a
# pseudo-terminal and starts Quillon connected to it. Closing Quillon stops the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=${QUILLON_BUILD:-build/release}
# Only the two programs it starts and the manual that "Help Topic" opens: no tests, benchmarks
# or fuzz targets.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DQUILLON_BENCH=OFF -DQUILLON_FUZZ=OFF
cmake --build "$build" -j"$(nproc)" --target quillon vantor-sim manual

# Quillon keeps dfd.cfg (the port) and its bank files in its working directory.
work=${QUILLON_WORKDIR:-$HOME/quillon}
mkdir -p "$work"
link="$work/vantor-sim.tty"
"$build/tools/sim/vantor-sim" --link "$link" --send-every 20 &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
echo "$link" > "$work/dfd.cfg"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: set DISPLAY (or WAYLAND_DISPLAY) to see the window." >&2
fi
cd "$work"
"$OLDPWD/$build/src/app/quillon" "$@"
