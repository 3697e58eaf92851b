#!/usr/bin/env bash
# imports_only_windows_dlls.sh OBJDUMP PROGRAM: the Windows program is a GUI program that
# needs nothing beside it: every DLL in its import table comes with Windows itself. A compiler
# runtime DLL (libstdc++-6, libgcc_s_*, libwinpthread-1) means the runtime was not linked in.
set -uo pipefail
objdump=$1 program=$2

headers=$("$objdump" -p "$program") || { echo "FAIL: $objdump cannot read $program"; exit 1; }
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" ||
    { echo "FAIL: not a GUI program: $(grep "^Subsystem" <<<"$headers")"; exit 1; }

dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$dlls" ] || { echo "FAIL: no import table in $program"; exit 1; }

foreign=()
for dll in $dlls; do
    case $dll in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll | advapi32.dll | \
            shell32.dll | ole32.dll | oleaut32.dll | comdlg32.dll | uxtheme.dll | shlwapi.dll | \
            version.dll | imm32.dll | ntdll.dll | api-ms-win-*.dll) ;;
        *) foreign+=("$dll") ;;
    esac
done
echo "imports:" $dlls
[ ${#foreign[@]} -eq 0 ] || { echo "FAIL: imports DLLs that do not come with Windows: ${foreign[*]}"; exit 1; }
echo "PASS: $(basename "$program") imports only Windows' own DLLs"
