#!/usr/bin/env bash
# Runs `make test` on Debian 13 "trixie", as a new user would on a fresh machine:
#   - a minbase trixie root (with git, make, ca-certificates) is made with mmdebstrap and kept in
#     a cache outside the clone, rebuilt when it is a week old;
#   - each run works in a fresh copy of that root, so every package the suite needs is
#     installed there by `make test` itself (downloaded .debs are kept in a shared apt cache);
#   - the checkout's HEAD is cloned into it: uncommitted changes are NOT tested;
#   - everything mounted is unmounted, processes left in the copy ended, and the copy removed
#     on any exit. The exit status is the suite's.
# Needs root. Settings (environment):
#   VELMORA_CACHE   the cache folder (default /var/cache/velmora)
#   DEBIAN_MIRROR   the Debian mirror (default: the one this machine's apt uses, else
#                   deb.debian.org)
#   TARGETS         what to make there instead of `test` (e.g. "-k test", "test-quick")
#   KEEP_ROOT=1     keep the copy after the run, for a look inside (it is still unmounted)
set -euo pipefail
# Bash reads a script as it runs it: the braces make it read this whole one first, so that
# editing or checking out the file during a run changes nothing in that run.
{
suite=trixie
cache=${VELMORA_CACHE:-/var/cache/velmora}
pristine=$cache/$suite-root
archives=$cache/$suite-apt-archives
max_age_days=7

[ "$(id -u)" -eq 0 ] || { echo "test-debian13: needs root (chroot and mounts)" >&2; exit 2; }
top=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
head=$(git -C "$top" rev-parse HEAD)
if [ -n "$(git -C "$top" status --porcelain --untracked-files=no)" ]; then
    echo "test-debian13: uncommitted changes are not tested; testing HEAD $head"
fi

# The mirror this machine's apt uses for Debian, so the root comes from the same place.
host_mirror() {
    grep -hoE '(https?://[^ ]+/debian)/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 | tr -d ' ' | sed 's:/$::' || true
}
mirror=${DEBIAN_MIRROR:-$(host_mirror)}
mirror=${mirror:-http://deb.debian.org/debian}

if ! command -v mmdebstrap >/dev/null; then
    apt-get -o DPkg::Lock::Timeout=600 install -y mmdebstrap
fi

mkdir -p "$cache" "$archives/partial"
# The cached root: made once a week.
exec 9>"$cache/$suite.lock"
flock 9
# dpkg skips fsync and man-db skips its index in this throwaway root: installing the suite's
# thousand packages takes minutes less. A change of these settings remakes the root.
make_root=(mmdebstrap --variant=minbase --include=git,make,ca-certificates
    --aptopt='APT::Keep-Downloaded-Packages "true"' --dpkgopt=force-unsafe-io
    --customize-hook='echo "man-db man-db/auto-update boolean false" | chroot "$1" debconf-set-selections'
    "$suite" "$pristine.new"
    "deb $mirror $suite main" "deb $mirror $suite-updates main"
    "deb ${mirror%/debian}/debian-security $suite-security main")
if [ "$(cat "$pristine/.complete" 2>/dev/null)" != "${make_root[*]}" ] ||
    [ -n "$(find "$pristine/.complete" -mtime +$((max_age_days - 1)))" ]; then
    echo "test-debian13: making a minbase $suite root from $mirror"
    rm -rf --one-file-system "$pristine.new"
    "${make_root[@]}"
    echo "${make_root[*]}" >"$pristine.new/.complete"
    rm -rf --one-file-system "$pristine"
    mv "$pristine.new" "$pristine"
fi

# The lock is held to the end: runs sharing the cache wait for each other (apt does not wait
# for another apt's lock on the shared archive folder).
root=$(mktemp -d "$cache/run.XXXXXX")
cp -a "$pristine/." "$root/"

mounted=()
mount_in() { # mount_in TARGET mount-arguments...
    local target=$root$1
    shift
    mount "$@" "$target"
    mounted=("$target" "${mounted[@]}")
}
cleanup() {
    local status=$?
    # End whatever the suite left running inside the copy (each by its id), then unmount.
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -KILL "${p#/proc/}" 2>/dev/null
    done
    for p in "${mounted[@]}"; do
        umount "$p" 2>/dev/null || umount -l "$p"
    done
    if [ "${KEEP_ROOT:-0}" = 1 ]; then
        echo "test-debian13: the root is kept in $root"
    elif ! findmnt -rno TARGET | grep -q "^$root"; then
        rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_in /proc -t proc proc
mount_in /sys -t sysfs sysfs
mount_in /dev --bind /dev
mount_in /dev/pts -t devpts -o newinstance,ptmxmode=0666,mode=620,gid=5 devpts
mount_in /dev/shm -t tmpfs -o mode=1777 tmpfs
mount_in /tmp -t tmpfs -o mode=1777 tmpfs
mount_in /var/cache/apt/archives --bind "$archives"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# The certificates this machine trusts beyond Debian's own (a proxy's, say), so that npm
# reaches its registry from the copy as it does from here (Node, which has a list of its own,
# is told to take the system's too).
node_certificates=()
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null
    node_certificates=(NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt)
fi
# The user's runtime folder, which a login session makes: Wine 10 aborts ("free(): invalid
# pointer") when it is missing.
mkdir -p -m 0700 "$root/run/user/0"

git clone --quiet --no-hardlinks "$top" "$root/root/velmora"
git -C "$root/root/velmora" checkout --quiet --detach "$head"
echo "test-debian13: make ${TARGETS:-test} of $head in a fresh Debian $(cat "$root/etc/debian_version") root"

set +e
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    "${node_certificates[@]}" \
    bash -c "cd /root/velmora && make ${TARGETS:-test}"
status=$?
set -e
exit "$status"
}
