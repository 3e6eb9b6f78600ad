#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
