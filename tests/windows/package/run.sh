#!/usr/bin/env bash
# Runs the tests of the two Windows downloads, each in a Wine prefix of its own, and fails
# when either fails.
#   run.sh ZIP SETUP SOURCE_DIR VERSION
ZIP=$1 SETUP=$2 SOURCE_DIR=$3 VERSION=$4
here=$(dirname "$0")
failed=0
bash "$here/zip_package.sh" "$ZIP" "$SOURCE_DIR" || failed=1
bash "$here/installer.sh" "$SETUP" "$SOURCE_DIR" "$VERSION" || failed=1
exit $failed
