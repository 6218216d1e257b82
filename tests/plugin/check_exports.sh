#!/usr/bin/env bash
# Checks that a plug-in binary exports exactly its entry point under its two names and, for the
# Windows binary, that it needs no DLL beyond those every Windows has.
#   check_exports.sh BINARY
set -euo pipefail
binary="$1"
case "$binary" in
*.dll)
    dump=$(x86_64-w64-mingw32-objdump -p "$binary")
    exports=$(echo "$dump" |
        awk '/\[Ordinal\/Name Pointer\] Table/ {on=1; next} on && /^[ \t]*\[/ {print $NF} on && /^$/ {on=0}')
    system='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|OLE32|COMDLG32|COMCTL32|msvcrt)\.dll$'
    for dll in $(echo "$dump" | awk '/DLL Name:/ {print $3}'); do
        if ! [[ "$dll" =~ $system ]]; then
            echo "$binary needs a DLL that Windows does not ship: $dll"
            exit 1
        fi
    done
    ;;
*) exports=$(nm -D --defined-only "$binary" | awk '{print $3}') ;;
esac
sorted=$(echo "$exports" | sort | tr '\n' ' ')
if [ "$sorted" != "VSTPluginMain main " ]; then
    echo "unexpected exports of $binary: $sorted"
    exit 1
fi
echo "exports: $sorted"
