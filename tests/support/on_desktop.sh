#!/usr/bin/env bash
# on_desktop.sh COMMAND ARGS...: runs COMMAND on a private X display with the openbox window
# manager, the end-to-end tests' desktop, and returns its exit status. For test programs
# that need a real window system, such as the framework's tests under Wine. Needs
# desktops.sh, which it sources.
source "$(dirname "$0")/desktops.sh"

start_desktop
"$@" &
wait $!
