#!/bin/sh
# The Windows program stands alone and keeps the loader's defences: it
# imports only DLLs every Windows has (no libstdc++, libgcc, winpthread or
# libssp beside it), and is marked for ASLR, high-entropy addresses and DEP.
# usage: check-program.sh OBJDUMP PROGRAM.exe
set -eu
dump=$("$1" -p "$2")
system='^(ADVAPI32|COMCTL32|COMDLG32|GDI32|KERNEL32|MSVCRT|OLE32|SHELL32|SHLWAPI|USER32|UXTHEME|VERSION|WINMM|UCRTBASE|API-MS-WIN-[A-Z0-9-]+)\.DLL$'
others=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr a-z A-Z | grep -Ev "$system" || true)
if [ -n "$others" ]; then
    echo "$2 needs DLLs that Windows does not have:" $others
    exit 1
fi
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    if ! printf '%s\n' "$dump" | grep -qw "$flag"; then
        echo "$2 is not marked $flag"
        exit 1
    fi
done
