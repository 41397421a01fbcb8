#!/usr/bin/env bash
# Runs the README's test command (scripts/test.sh) on a new minimal Debian 12 root, as on a
# new user's machine: the committed HEAD cloned in, no display, no session bus, nothing
# installed beyond what the test command installs. Exits with the test command's status.
#
# The root comes from the Debian mirror that this machine's apt sources name; its base is
# kept as a tarball in ${XDG_CACHE_HOME:-$HOME/.cache}/morvi-fresh-root/ so later runs
# skip making it (delete the folder to make a new one). Needs root: mounts and chroot.
set -euo pipefail
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
if [ "$(id -u)" -ne 0 ]; then
  exec sudo XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" "$repo/scripts/fresh-root-test.sh" "$@"
fi

# The host's apt sources for Debian 12 (bookworm and its -updates and -security suites), one-line
# entries and deb822 stanzas apart; other repositories (and their keys) stay out of the new root.
one_line_sources() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk '{ line = $0; sub(/\[[^]]*\]/, "") }
         $1 == "deb" && $3 ~ /^bookworm(-[a-z]+)?$/ { print line }' "$f"
  done
}
deb822_sources() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         { deb = 0; bookworm = 0; enabled = 1; n = split($0, lines, "\n")
           for (i = 1; i <= n; i++) {
             split(lines[i], word, /[ \t]+/); key = tolower(word[1])
             for (j = 2; j in word; j++) {
               if (key == "types:" && word[j] == "deb") deb = 1
               if (key == "suites:" && word[j] ~ /^bookworm(-[a-z]+)?$/) bookworm = 1
               if (key == "enabled:" && tolower(word[j]) == "no") enabled = 0
             }
           }
           if (deb && bookworm && enabled) print }' "$f"
  done
}

one_line=$(one_line_sources)
deb822=$(deb822_sources)
if [ -z "$one_line$deb822" ]; then
  echo "No Debian 12 (bookworm) entry in /etc/apt/sources.list or /etc/apt/sources.list.d/." >&2
  exit 1
fi
command -v mmdebstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq mmdebstrap

cache="${XDG_CACHE_HOME:-$HOME/.cache}/morvi-fresh-root"
base="$cache/bookworm-apt-$(printf '%s\n' "$one_line" "$deb822" | sha256sum | cut -c1-16).tar"
work=$(mktemp -d "${TMPDIR:-/var/tmp}/morvi-fresh-root.XXXXXX")
root="$work/root"

mounted_below() { awk -v r="$root" '$5 == r || index($5, r "/") == 1 { print $5 }' /proc/self/mountinfo; }
cleanup() {
  local status=$?
  mounted_below | sort -r | xargs -r -n1 umount -l
  if [ -n "$(mounted_below)" ]; then
    echo "Still mounted under $root; left in place." >&2
  else
    rm -rf --one-file-system "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ ! -f "$base" ]; then
  mkdir -p "$cache"
  # mmdebstrap tells the two formats apart by content and writes them into the root's
  # /etc/apt, so apt inside works from the same mirror.
  mirrors=()
  [ -n "$one_line" ] && printf '%s\n' "$one_line" >"$work/debian.list" && mirrors+=("$work/debian.list")
  [ -n "$deb822" ] && printf '%s\n' "$deb822" >"$work/debian.sources" && mirrors+=("$work/debian.sources")
  mmdebstrap --variant=apt --mode=root --quiet bookworm "$work/base.tar" "${mirrors[@]}"
  mv "$work/base.tar" "$base"
fi

mkdir "$root"
tar -C "$root" -xpf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# /dev holds only the usual nodes, not the host's devices: removing the root can never
# reach them.
mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount -t tmpfs -o mode=755,nosuid dev "$root/dev"
for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
  IFS=: read -r name major minor <<<"$node"
  mknod -m 666 "$root/dev/$name" c "$major" "$minor"
done
mkdir "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=666,mode=620 devpts "$root/dev/pts"
ln -s pts/ptmx "$root/dev/ptmx"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
ln -s /proc/self/fd "$root/dev/fd"
for i in 0:stdin 1:stdout 2:stderr; do ln -s "/proc/self/fd/${i%%:*}" "$root/dev/${i#*:}"; done
mount -t tmpfs -o mode=1777,nosuid,nodev tmp "$root/tmp"

# Only what is committed is tested.
git clone -q --no-hardlinks --no-checkout "$repo" "$root/root/morvi"
git -C "$root/root/morvi" checkout -q --detach "$(git -C "$repo" rev-parse HEAD)"
echo "Testing commit $(git -C "$repo" log -1 --format='%h (%s)') on a new Debian 12 root."

# A login's environment only: no DISPLAY, WAYLAND_DISPLAY, DBUS_SESSION_BUS_ADDRESS or
# XDG_RUNTIME_DIR. A desktop session always has a UTF-8 locale; C.UTF-8 is part of libc.
set +e
chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 CI=true \
  /bin/bash -c 'cd /root/morvi && scripts/test.sh'
status=$?
set -e
echo "scripts/test.sh on a new Debian 12 root exited with status $status."
exit "$status"
