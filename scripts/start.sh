#!/usr/bin/env bash
# Starts ORVEL, installing and building first what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" "$root/build" -- orvel
exec "$root/build/src/app/orvel" "$@"
