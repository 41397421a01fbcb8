#!/usr/bin/env bash
# Builds the Debian package into an empty folder and has lintian check it; any error or
# warning fails. lintian.sh <cpack> <build folder> <package folder> <maintainer or "">
# Exits 77, which CTest reports as skipped, when lintian is not installed. A build that
# names no maintainer is packaged with a stand-in one, which only this check sees.
set -euo pipefail
cpack=$1 build=$2 out=$3 maintainer=$4
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
rm -rf "$out"
options=()
[ -n "$maintainer" ] \
  || options=(-D "CPACK_DEBIAN_PACKAGE_MAINTAINER=Package check <package-check@morvi.invalid>")
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" "${options[@]}" >/dev/null
exec lintian --fail-on error,warning "$out"/*.deb
