#!/usr/bin/env bash
# Installs what is missing, builds and starts Velkor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Velkor needs a display; on a machine without one run: xvfb-run -a scripts/run.sh (apt-get install xvfb xauth)" >&2
  exit 1
fi
exec build/app/velkor "$@"
