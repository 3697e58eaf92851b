#!/usr/bin/env bash
# if_wine_runs.sh PROGRAM COMMAND...: runs COMMAND when this machine's Wine can run the Windows
# PROGRAM, else exits with the tests' "skipped" status (wine_loader.sh says why).
source "$(dirname "$0")/wine_loader.sh"
choose_wine "$1" || exit
shift
exec "$@"
