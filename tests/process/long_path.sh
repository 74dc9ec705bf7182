#!/usr/bin/env bash
# Starts the launcher from a folder whose path is over 260 characters long: it
# must make its folders beside itself, not in a folder cut from that path.
# Wine starts a program from such a folder only from the Unix side.
#   long_path.sh DIST_FOLDER
set -uo pipefail
root=$(mktemp -d /tmp/halvorunde-long-path.XXXXXX)
trap 'rm -rf "$root"' EXIT
deep=$root
for name in a b c d e f; do deep=$deep/$(printf "$name%.0s" $(seq 50)); done
mkdir -p "$deep"
# Without the settings tool beside it nothing else is started.
cp "$1/Halvorunde.exe" "$deep/"
(cd "$root" && wine "$deep/Halvorunde.exe")
code=$?
found=$(find "$root" -type d \( -name config -o -name history \) | sort)
echo "exit code $code; folders made: ${found//$root/}"
[ "$code" -eq 1 ] && [ "$found" = "$(printf '%s\n' "$deep/config" "$deep/history")" ]
