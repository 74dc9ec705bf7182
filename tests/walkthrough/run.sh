#!/usr/bin/env bash
# Unpacks the package into an empty folder and walks through a first run there.
#   run.sh WALKTHROUGH_EXE PACKAGE_ZIP
set -euo pipefail
exe=$1
zip=$2
folder=$(mktemp -d /tmp/halvorunde-first-run.XXXXXX)
trap 'rm -rf "$folder"' EXIT
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$folder"
# Everything lies in the one folder the zip holds.
top=("$folder"/*)
[ ${#top[@]} -eq 1 ] && [ -d "${top[0]}" ] || { echo "the zip does not hold one folder: ${top[*]}"; exit 1; }
wine "$exe" "$(winepath -w "${top[0]}")"
