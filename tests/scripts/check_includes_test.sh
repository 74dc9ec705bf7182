#!/usr/bin/env bash
# scripts/check-includes passes this tree, and fails a copy of it into which
# one wrong include of each kind it must find has been planted.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d /tmp/halvorunde-includes.XXXXXX)
trap 'rm -rf "$copy"' EXIT
cp -r "$root/common" "$root/launcher" "$root/settings" "$copy/"
check() { "$root/scripts/check-includes" "$copy" >/dev/null; }

check || { echo "the tree itself fails"; exit 1; }
failed=0
plant() { # FILE LINE: the check must fail while FILE holds LINE
  mkdir -p "$copy/$(dirname "$1")"
  printf '%s\n' "$2" >"$copy/$1"
  if check; then
    echo "not found: $2 in $1"
    failed=1
  fi
  rm -r "${copy:?}/$1"
}
plant common/planted.h '#include <launcher/shell/layout.h>'
plant launcher/history/planted.h '#include "launcher/folders/item_entry.h"'
plant launcher/folders/planted.h '#include "../history/history_list.h"'
plant launcher/planted/planted.h '#include "common/text_lines.h"'
exit $failed
