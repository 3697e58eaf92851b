#!/usr/bin/env bash
# The downloads of HEAD built a second time, in a fresh clone in another folder, with another
# umask, time zone and locale, must equal the first build byte for byte: the Linux program,
# the .deb, both Windows programs, their zips and installers. The first build is the checkout's
# own (its build folders, made by the caller) when the checkout has no local changes; otherwise
# a second clone, built in the ordinary environment, stands in for it. The rebuild makes only
# what the downloads need. On a difference the files are named and diffoscope shows why.
#   rebuild_and_compare.sh CHECKOUT BUILD WIN32_BUILD WIN64_BUILD
set -uo pipefail
checkout=$(realpath "$1") build=$2 win32=$3 win64=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d /tmp/velmora-rebuild.XXXXXX) || fail "no scratch folder"
trap 'rm -rf "$work"' EXIT
commit=$(git -C "$checkout" rev-parse HEAD) || fail "$checkout is no git checkout"

# clone_and_build FOLDER: a clone of the commit in FOLDER with only the downloads built there.
clone_and_build() {
    git clone -q --no-checkout "$checkout" "$1" && git -C "$1" checkout -q --detach "$commit" ||
        fail "could not clone $commit into $1"
    # The program alone, without tests or benchmarks, whatever the caller's make or
    # environment sets (a command-line variable of make reaches its commands' environment).
    env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$1" package windows-package windows64 \
        CMAKE_ARGS="-DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF" JOBS=2 \
        >"$1.log" 2>&1 ||
        fail "the build in $1 failed: $(tail -n 30 "$1.log")"
}

if [ -z "$(git -C "$checkout" status --porcelain --untracked-files=no)" ]; then
    first=$checkout
else
    echo "the checkout has local changes: building $commit twice"
    first=$work/first
    clone_and_build "$first"
    build=build win32=build-windows win64=build-windows64
fi
second="$work/second in Tokyo"
(umask 002 && export TZ=Asia/Tokyo LC_ALL=C && clone_and_build "$second") || exit 1

# download ROOT FOLDER PATTERN: the one file PATTERN matches in FOLDER of ROOT.
download() {
    local matches
    matches=("$1/$2"/$3)
    [ ${#matches[@]} -eq 1 ] && [ -f "${matches[0]}" ] ||
        fail "not one download $3 in $1/$2: ${matches[*]}"
    echo "${matches[0]}"
}
# Each download as its build folder in the first build, that folder in the rebuild, a pattern.
downloads=("$build build app/velmora" "$build build velmora_*.deb"
           "$win32 build-windows app/velmora.exe" "$win64 build-windows64 app/velmora.exe"
           "$win32 build-windows velmora-*-win32.zip" "$win32 build-windows velmora-*-win32-setup.exe")
downloads+=("$win64 build-windows64 velmora-*-win64.zip"
            "$win64 build-windows64 velmora-*-win64-setup.exe")
different=0
for entry in "${downloads[@]}"; do
    read -r folder rebuilt pattern <<<"$entry"
    one=$(download "$first" "$folder" "$pattern") && two=$(download "$second" "$rebuilt" "$pattern") ||
        exit 1
    if cmp -s "$one" "$two"; then
        echo "same: $folder/$pattern"
        continue
    fi
    different=$((different + 1))
    echo "DIFFERENT: $one and $two"
    if command -v diffoscope >/dev/null; then
        diffoscope --max-report-size 200000 "$one" "$two" | head -n 200
    fi
done
[ $different -eq 0 ] || fail "$different of ${#downloads[@]} downloads differ between two builds of $commit"
echo "PASS: the downloads of $commit are reproducible (compared in ${SECONDS}s)"
