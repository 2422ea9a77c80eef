#!/usr/bin/env bash
# Installs the Debian package on a fresh minimal Debian 12 and runs it there: apt pulls the
# dependencies the package names, as on a learner's machine, and both programs answer
# --version; lexido-tty then runs a batch pass over a phrase-book file with HOME in a
# temporary folder and leaves its per-user program folder there.
#
#   scripts/check-deb.sh [BUILD_DIR] [DEB]
#
# Without DEB the package is built in BUILD_DIR (default: build) by cpack -G DEB. The minimal
# system comes from debootstrap (bookworm, minbase, from $LEXIDO_DEBIAN_MIRROR, by default
# http://deb.debian.org/debian) and is kept as BUILD_DIR/debian12/root.tar, the packages apt
# fetched in BUILD_DIR/debian12/archives/: a second run needs no download. Each run unpacks a
# fresh copy into a temporary folder. Needs root (debootstrap, chroot) and, the first time,
# the network. Exits 0 when everything passed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
deb=${2:-}
mirror=${LEXIDO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=$build/debian12
[ "$(id -u)" = 0 ] || { echo "check-deb.sh needs root (debootstrap and chroot)"; exit 1; }
command -v debootstrap >/dev/null || { echo "debootstrap is missing: apt-get install debootstrap"; exit 1; }

if [ -z "$deb" ]; then
    cmake --build "$build" -j2 >/dev/null
    (cd "$build" && rm -f lexido_*.deb && cpack -G DEB >/dev/null)
    deb=$(ls "$build"/lexido_*.deb)
fi
echo "package: $deb"

mkdir -p "$cache/archives"
if [ ! -f "$cache/root.tar" ]; then
    echo "making a minimal Debian 12 (once; kept in $cache/root.tar)"
    made=$(mktemp -d)
    debootstrap --variant=minbase bookworm "$made" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        { echo "debootstrap failed, see $cache/debootstrap.log"; rm -rf "$made"; exit 1; }
    tar -C "$made" -cf "$cache/root.tar.part" . && mv "$cache/root.tar.part" "$cache/root.tar"
    rm -rf "$made"
fi

root=$(mktemp -d)
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$cache/root.tar"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$root/tmp/lexido.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

# The lists of the cached system may have grown old: a failed install reads them anew once.
install() { in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends /tmp/lexido.deb; }
if ! install >"$cache/install.log" 2>&1; then
    in_root apt-get update >>"$cache/install.log" 2>&1
    install >>"$cache/install.log" 2>&1 || { echo "FAIL: apt could not install the package, see $cache/install.log"; exit 1; }
fi
cp "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null || true
echo "installed with $(grep -c '^Setting up' "$cache/install.log") packages set up (apt log: $cache/install.log)"

fail=0
for prog in lexido lexido-tty; do
    out=$(in_root env HOME=/tmp/home QT_QPA_PLATFORM=offscreen "$prog" --version 2>&1) || { echo "FAIL: $prog --version: $out"; fail=1; continue; }
    echo "$prog --version: $out"
done

# A batch pass over a small phrase book, as a learner's first start.
mkdir -p "$root/tmp/home"
printf '*Hello\n=Hallo\n*Good morning\n=Guten Morgen\n' >"$root/tmp/home/book.mix"
if in_root sh -c 'cd /tmp/home && HOME=/tmp/home lexido-tty --mode 0 book.mix <<EOF >/tmp/home/pass.out 2>&1
x
x
EOF'; then
    user=$root/tmp/home/.local/share/Lexido
    for f in Settings/Gnrl.cfg Settings/UnSv.cfg "Text/Conversational Guide/English_Russian" Lexido.log; do
        [ -e "$user/$f" ] || { echo "FAIL: $f not in the per-user program folder"; fail=1; }
    done
    grep -qF 'OpnPath sv = "/tmp/home/book.mix"' "$user/Settings/UnSv.cfg" || { echo "FAIL: the pass did not keep its file"; fail=1; }
else
    echo "FAIL: the batch pass:"; cat "$root/tmp/home/pass.out"; fail=1
fi
[ $fail -eq 0 ] && echo "check-deb: the package installs and runs on Debian 12"
exit $fail
