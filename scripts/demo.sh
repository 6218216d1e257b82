#!/usr/bin/env bash
# Builds the Linux and Windows plug-ins and the command-line host, shows the plug-in through the
# host, and renders a demo: a generated drum loop through the plug-in binary.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh native
bash scripts/build.sh windows

host=build/native/bin/amberlow
demo=build/demo
mkdir -p "$demo"

echo
echo "Linux plug-in:   build/native/bin/TavAmberlow.so"
echo "Windows plug-in: build/windows/bin/TavAmberlow.dll"
echo
"$host" info
echo
"$host" generate "$demo/drums.wav" --seconds 8
"$host" render "$demo/drums.wav" "$demo/drums-glue.wav" --program "Glue Things Together"
"$host" render "$demo/drums.wav" "$demo/drums-pump.wav" --program "Make it Pump"
echo
echo "Demo: $demo/drums.wav is the dry loop; $demo/drums-glue.wav and $demo/drums-pump.wav"
echo "are the same loop through the plug-in."
