#!/usr/bin/env bash
# Installs what is missing, builds the native, sanitizer and Windows flavours, and runs every test:
# natively, under the sanitizers, and the Windows build under Wine (with a virtual display).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh
source scripts/wine-env.sh

bash scripts/build.sh native
bash scripts/build.sh sanitize
bash scripts/build.sh windows

start_display
prepare_wine

status=0
for flavour in native sanitize windows; do
    echo "== tests: $flavour"
    ctest --test-dir "build/$flavour" --output-on-failure -j2 || status=1
done
exit $status
