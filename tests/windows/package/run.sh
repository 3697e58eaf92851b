#!/usr/bin/env bash
# Runs the tests of the Windows downloads, the 64-bit ones then the 32-bit ones, each in a Wine
# prefix of its own, and fails when any fails. Both programs must carry the 64-bit one's resources.
#   run.sh SOURCE_DIR WIN64_BUILD WIN32_BUILD
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$2/CMakeCache.txt")
here=$(dirname "$0")
failed=0
for download in "$2/velmora-$version-win64" "$3/velmora-$version-win32"; do
    bash "$here/zip_package.sh" "$download.zip" "$1" "$2/app/velmora.exe" || failed=1
    bash "$here/installer.sh" "$download-setup.exe" "$1" "$version" || failed=1
done
exit $failed
