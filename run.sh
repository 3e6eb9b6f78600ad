#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and opens the editor.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target segment-editor

if [[ -z "${DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: no display to open the editor on. Run it from a desktop session, or under a virtual" >&2
  echo "        X server: xvfb-run -s '-screen 0 1024x768x24' ./run.sh" >&2
  exit 1
fi
exec build/default/app/segment-editor
