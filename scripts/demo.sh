#!/usr/bin/env bash
# Builds the Linux and Windows plug-ins and the command-line host, then shows the plug-in
# through the host.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh native
bash scripts/build.sh windows

echo
echo "Linux plug-in:   build/native/bin/TavAmberlow.so"
echo "Windows plug-in: build/windows/bin/TavAmberlow.dll"
echo
build/native/bin/amberlow info
