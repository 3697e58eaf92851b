#!/usr/bin/env bash
# imports_only_windows_dlls.sh OBJDUMP PROGRAM: the Windows program is a hardened GUI program
# that needs nothing beside it: every DLL in its import table comes with Windows itself. A compiler
# runtime DLL (libstdc++-6, libgcc_s_*, libwinpthread-1) means the runtime was not linked in.
set -uo pipefail
objdump=$1 program=$2

headers=$("$objdump" -p "$program") || { echo "FAIL: $objdump cannot read $program"; exit 1; }
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" ||
    { echo "FAIL: not a GUI program: $(grep "^Subsystem" <<<"$headers")"; exit 1; }

# Hardened: ASLR that the loader can apply (DYNAMIC_BASE, and the relocations to move the
# program with), DEP, high-entropy ASLR for a 64-bit program, and the stack protector linked in.
flags=(DYNAMIC_BASE NX_COMPAT)
grep -q '^Magic.*(PE32+)' <<<"$headers" && flags+=(HIGH_ENTROPY_VA)
characteristics=$(sed -n '/^DllCharacteristics/,/^SizeOf/p' <<<"$headers")
for flag in "${flags[@]}"; do
    grep -qw "$flag" <<<"$characteristics" || { echo "FAIL: no $flag: $characteristics"; exit 1; }
done
grep -q ' \.reloc ' <<<"$("$objdump" -h "$program")" || { echo "FAIL: no .reloc section"; exit 1; }
grep -q '_stack_chk_guard$' <<<"$("$objdump" -t "$program")" || { echo "FAIL: no stack protector"; exit 1; }
echo "hardened: ${flags[*]}, .reloc, stack protector"

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
