#!/usr/bin/env bash
# Runs every benchmark and prints its figures: the model's cost per click (Google Benchmark), and
# from outside, on a private Xvfb, the editor against the toolkit's floor: start-up to the first
# frame, peak memory, idle cost, and click to repaint.
# Usage: bench/run.sh [RUNS] [IDLE-SECONDS]   (defaults: 10 runs after one warm-up, 5 s idle)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
idle=${2:-5}
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target segment-editor model_bench probe floor_window >/dev/null

echo "== model: ToggleSegment + LoadDataText per call"
build/default/bench/model_bench --benchmark_min_time=0.5 2>/dev/null | grep -E "^(ToggleAndText|Benchmark|-)"

work=$(mktemp -d)
xvfb_pid=""
trap '[[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
source scripts/private_xvfb.sh
# A white root, so that only a window can turn the probe pixels black.
start_private_xvfb "$work" -wr

echo "== start-up, memory, idle and clicks on Xvfb $DISPLAY ($(nproc) CPUs): the editor and the floor in turns"
build/default/bench/probe "$runs" "$idle" 20 \
  editor=build/default/app/segment-editor floor=build/default/bench/floor_window 2>/dev/null
