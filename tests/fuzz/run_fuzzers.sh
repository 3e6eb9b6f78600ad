#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a given time, then prints its executions, coverage,
# corpus size and findings. Usage: tests/fuzz/run_fuzzers.sh [SECONDS-PER-TARGET] (default 60).
# New interesting inputs are kept under build/fuzz/corpus/; a crashing input lands in
# build/fuzz/findings/ and belongs, once fixed, in the target's checked-in corpus so that CTest
# replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

declare -A corpus_of=([form_description_fuzzer]=parser_corpus [form_builder_fuzzer]=builder_corpus)
status=0
for target in form_description_fuzzer form_builder_fuzzer; do
  corpus=build/fuzz/corpus/$target findings=build/fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  cp -n tests/fuzz/"${corpus_of[$target]}"/* "$corpus"/
  log=build/fuzz/$target.log
  build/fuzz/tests/fuzz/$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -dict=tests/fuzz/form_description.dict -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || true
  runs=$(sed -nE 's/^Done ([0-9]+) runs in ([0-9]+) second.*/\1 executions in \2 s/p' "$log")
  stats=$(grep -E '^#[0-9]+' "$log" | tail -n1 | grep -oE '(cov|ft|corp): [0-9/a-zA-Z]+' | tr '\n' ' ' | sed 's/ $//')
  found=$(find "$findings" -type f | wc -l)
  echo "$target: ${runs:-no summary (see $log)}; $stats; findings: $found"
  ((found == 0)) || { find "$findings" -type f; status=1; }
done
exit "$status"
