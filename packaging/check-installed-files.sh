#!/usr/bin/env bash
# Installs the build into an empty root as the Debian package does (prefix /usr)
# and checks that exactly the expected files are there, each PNG icon at its size.
# check-installed-files.sh <cmake> <build folder> <root> <application id> <icon size>...
set -euo pipefail
cmake=$1 build=$2 root=$3 id=$4
shift 4
rm -rf "$root"
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null

expected=(usr/bin/morvi
          "usr/share/applications/$id.desktop"
          "usr/share/metainfo/$id.metainfo.xml"
          usr/share/icons/hicolor/scalable/apps/morvi.svg
          "usr/share/dbus-1/services/$id.service"
          usr/share/man/man1/morvi.1.gz
          usr/share/lintian/overrides/morvi
          usr/share/doc/morvi/copyright)
for size in "$@"; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/morvi.png")
done
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort)

[ -x "$root/usr/bin/morvi" ] || { echo "usr/bin/morvi is not executable"; exit 1; }
if grep -n '@[A-Z_]*@' "$root/usr/share/metainfo/$id.metainfo.xml"; then
  echo "the metainfo has an unreplaced value"; exit 1
fi

grep -qx "Exec=/usr/bin/morvi" "$root/usr/share/dbus-1/services/$id.service" \
  || { echo "the bus service does not start /usr/bin/morvi"; exit 1; }

# A PNG starts with its 8-byte signature, then the IHDR chunk: length, type, width, height.
for size in "$@"; do
  png=$root/usr/share/icons/hicolor/${size}x$size/apps/morvi.png
  header=($(od -An -tu1 -N24 -v "$png"))
  width=$(( header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19] ))
  height=$(( header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23] ))
  if [ "${header[*]:0:4}" != "137 80 78 71" ] || [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
    echo "$png is not a ${size}x$size PNG (read ${width}x$height)"; exit 1
  fi
done
echo "installed files: ${#expected[@]}, all as expected"
