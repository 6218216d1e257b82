#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh native|sanitize|windows [extra cmake arguments...]
# Each flavour has its own directory under build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
flavour="$1"
shift

case "$flavour" in
native) args=(-DCMAKE_BUILD_TYPE=Release -DAMBERLOW_BENCH=ON) ;;
sanitize) args=(-DCMAKE_BUILD_TYPE=Debug -DAMBERLOW_SANITIZE=ON) ;;
windows) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
*)
    echo "unknown flavour: $flavour" >&2
    exit 2
    ;;
esac

cmake -S "$root" -B "$root/build/$flavour" -G Ninja "${args[@]}" "$@" >/dev/null
cmake --build "$root/build/$flavour" --parallel "$(nproc)"
