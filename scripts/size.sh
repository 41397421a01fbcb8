#!/usr/bin/env bash
# Prints the size of the tests against the code (non-blank lines of the tracked files
# under tests/ and src/) and fails when the tests exceed 40 % of the code.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -z -- "$1" | xargs -0 -r cat | grep -cv '^[[:space:]]*$'; }
src=$(count src)
tests=$(count tests)
percent=$((tests * 100 / src))
echo "Size: ${src} non-blank lines under src/, ${tests} under tests/: tests are ${percent} % of src (at most 40 %)."
if [ $((tests * 100)) -gt $((src * 40)) ]; then
  echo "The tests are more than 40 % of the size of the code." >&2
  exit 1
fi
