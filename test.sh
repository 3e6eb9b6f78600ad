#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice through CTest: in the Release
# build, and under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
for preset in default asan; do
  echo "=== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
