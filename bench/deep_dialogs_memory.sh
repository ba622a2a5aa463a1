#!/usr/bin/env bash
# Peak memory with four dialogs covered (on a first run: the options, my
# cameras, the choice of how to add one, the manufacturer list) under the
# model list, on large screens, beside the options screen alone: a covered
# dialog should hold no more than what it needs to paint again, so the
# difference is what the top list itself needs.
#
#   deep_dialogs_memory.sh BIN_DIR [WxH ...]
#
# BIN_DIR holds zorvanel-drive; tests/e2e/make_data (which writes the data
# folder and a small camera database) is found beside it in the build tree.
set -euo pipefail
bin=$1; shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(480x640 3840x2160 8192x8192)
make_data=$bin/../tests/e2e/make_data
work=$(mktemp -d "${TMPDIR:-/tmp}/zorvanel-deep.XXXXXX")
trap 'rm -rf "$work"' EXIT

peak_kib() {  # SCREEN SCRIPT
  rm -rf "$work/folder"
  "$make_data" empty "$work/folder"
  "$make_data" --camera-db small "$work/folder" >/dev/null
  printf '%b' "$2" >"$work/script"
  /usr/bin/time -f '%M' -o "$work/time" \
    "$bin/zorvanel-drive" --screen "$1" --folder "$work/folder" \
    "$work/script" >/dev/null
  cat "$work/time"
}

printf '%-10s %14s %16s %12s\n' screen "options (MiB)" "4 covered (MiB)" "more (MiB)"
for size in "${sizes[@]}"; do
  main=$(peak_kib "$size" 'wait 16\n')
  deep=$(peak_kib "$size" \
    'click 1000\nclick 1002\nclick 1001\nrow 0\nsoft left\nwait 16\n')
  awk -v s="$size" -v m="$main" -v d="$deep" 'BEGIN {
    printf "%-10s %14.0f %16.0f %12.0f\n", s, m / 1024, d / 1024, (d - m) / 1024 }'
done
