#!/usr/bin/env bash
# Runs a validator on an installed file: validate.sh <validator> <arguments>...
# Exits 77, which CTest reports as skipped, when the validator is not installed.
command -v "$1" >/dev/null || { echo "$1 is not installed"; exit 77; }
exec "$@"
