#!/usr/bin/env bash
# Runs one driver script on a fresh copy of its fixture folder and compares
# its output with the .out file beside it.
#
#   run_e2e.sh DRIVER MAKE_DATA MATCH SHIPPED_DIR SCRIPT.zvs
#
# Lines at the top of the script set up the run:
#   # fixture: NAME   the data file to start from (make_data --list; default
#                     "empty": no data file)
#   # screen: WxH     the screen (default 480x640)
#   # saved           after the run, append the saved data file (make_data
#                     --print) to the output
#   # camera_db: small  put make_data's small test camera database in the
#                     folder in place of the shipped one
# A line "# restart" starts the program again on the same folder: the script
# is cut there and each part runs in turn, as a user would start it again.
# The output compared is the driver's stdout, then "exit N" with its status,
# for each part, then the saved data when asked for.
set -u
driver=$1 make_data=$2 match=$3 shipped=$4 script=$5
expected=${script%.zvs}.out

directive() {
  sed -n "s/^# *$1: *\\(.*\\)$/\\1/p" "$script" | head -n 1 | tr -d '\r'
}
fixture=$(directive fixture)
screen=$(directive screen)
fixture=${fixture:-empty}
screen=${screen:-480x640}

work=$(mktemp -d "${TMPDIR:-/tmp}/zorvanel-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
folder=$work/folder
"$make_data" "$fixture" "$folder" || exit 1
# The files that ship beside the program, when the build made them.
for f in CameraDB.ptb Translation.lang; do
  [ -f "$shipped/$f" ] && cp "$shipped/$f" "$folder/"
done
camera_db=$(directive camera_db)
if [ -n "$camera_db" ]; then
  "$make_data" --camera-db "$camera_db" "$folder" || exit 1
fi

awk -v dir="$work" 'BEGIN { part = 1 }
  /^# *restart *$/ { part++; next }
  { print > (dir "/part" part ".zvs") }' "$script"
: >"$work/actual"
: >"$work/stderr"
part=1
while [ -f "$work/part$part.zvs" ]; do
  (cd "$work" && "$driver" --screen "$screen" --folder "$folder" \
    "$work/part$part.zvs") >>"$work/actual" 2>>"$work/stderr"
  echo "exit $?" >>"$work/actual"
  part=$((part + 1))
done
if grep -q '^# *saved *$' "$script"; then
  "$make_data" --print "$folder/ZorvanelData.ptb" >>"$work/actual"
fi

if ! "$match" "$expected" "$work/actual"; then
  echo "--- output of $(basename "$script"):"
  cat "$work/actual"
  echo "--- stderr:"
  cat "$work/stderr"
  exit 1
fi
