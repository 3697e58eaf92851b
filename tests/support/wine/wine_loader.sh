# shellcheck shell=bash
# choose_wine PROGRAM: sets WINEARCH for a Windows program (a 32-bit prefix for PE32, 64-bit
# for PE32+) and WINE_COMMAND, the Wine command that runs it on this machine.
# Debian's `wine` starts Wine's 32-bit loader first, for 64-bit programs too. On a kernel that
# runs no 32-bit program (IA-32 emulation turned off, as on some virtual machines) that loader
# fails with "Exec format error": there a 64-bit program is started by the 64-bit loader
# itself, and a 32-bit one cannot run at all, so choose_wine says why on stderr and returns
# 77, which the tests report as skipped. A WINE from the environment is taken as it is.
WINE_SKIPPED=77
choose_wine() {
    local loader32=/usr/lib/wine/wine loader64=/usr/lib/wine/wine64
    # The PE format by objdump's name for it, as the download tests read the PE headers.
    case "$(objdump -f "$1" 2>/dev/null)" in
        *"file format pei-x86-64"*) export WINEARCH=win64 ;;
        *"file format pei-i386"*) export WINEARCH=win32 ;;
        *) echo "$1 is not a Windows program" >&2; return 2 ;;
    esac
    WINE_COMMAND=${WINE:-wine}
    if [ -n "${WINE:-}" ] || [ ! -x "$loader32" ] || "$loader32" --version >/dev/null 2>&1; then
        return 0
    fi
    if [ "$WINEARCH" = win32 ]; then
        echo "SKIPPED: this machine runs no 32-bit program (its kernel has no IA-32" \
             "emulation), so Wine cannot run the 32-bit $(basename "$1")" >&2
        return $WINE_SKIPPED
    fi
    export WINELOADER=$loader64
    WINE_COMMAND=$loader64
}
