#!/usr/bin/env bash
# The desktop program itself, in a real window on the X display it is given
# (CTest runs it through tests/support/virtual_display.sh): --help, a window
# resized by force (clicks land where the scaled picture shows the
# buttons), and a name with accents, Cyrillic and € typed through the
# keyboard's text input, then saved by "Exit".
#
#   real_window.sh ZORVANEL MAKE_DATA SHIPPED_DIR
set -euo pipefail
zorvanel=$1 make_data=$2 shipped=$3

help=$("$zorvanel" --help)
for option in "--screen WxH" "--folder DIR" "--help"; do
  grep -qF -- "$option" <<<"$help" || { echo "--help lacks $option"; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zorvanel-window.XXXXXX")
trap 'rm -rf "$work"' EXIT
folder=$work/folder
"$make_data" fifty "$folder"
cp "$shipped/CameraDB.ptb" "$shipped/Translation.lang" "$folder/"

"$zorvanel" --screen 480x640 --folder "$folder" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zorvanel$' |
  head -n 1)
# No window manager here to keep the window at its size: it is made half
# as large again, as some window managers do.
xdotool windowsize "$window" 720 960
xdotool windowfocus --sync "$window"
sleep 1
pause() { sleep 1; }
# A point of the 480 x 640 screen, where the stretched window shows it.
tap() {
  xdotool mousemove --window "$window" $(($1 * 3 / 2)) $(($2 * 3 / 2)) \
    click 1
  pause
}
key() {
  xdotool key "$1"
  pause
}
key F1                # "Options..."
tap 310 205           # the lens button
tap 240 540           # "Edit" under the lens list
tap 240 150           # the name of the lens
xdotool type --delay 120 "Объектив Café €"
pause
key Return
key F1                # "Ok" in the lens editor
key F2                # "Back" from the lens list
key F2                # "Main screen"
key F2                # "Exit": saves
timeout 30 tail --pid="$program" -f /dev/null
wait "$program"

saved=$("$make_data" --print "$folder/ZorvanelData.ptb")
grep -qF 'model="Объектив Café €"' <<<"$saved" || {
  echo "the typed name was not saved:"
  echo "$saved"
  exit 1
}
