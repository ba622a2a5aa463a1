#!/usr/bin/env bash
# The desktop program itself, in a real window on the X display it is given
# (CTest runs it through tests/support/virtual_display.sh): --help; a second
# copy's notice in a small window; a window resized from outside (the
# screens are laid out afresh for its new size) and a name with accents,
# Cyrillic and € typed through the keyboard's text input, then saved by
# "Exit"; under a window manager, the window back at
# the size it ended with, then maximised and used where the driver lays the
# screens out for the new size; and --screen larger than the display.
#
#   real_window.sh ZORVANEL MAKE_DATA SHIPPED_DIR DRIVER
set -euo pipefail
zorvanel=$1 make_data=$2 shipped=$3 driver=$4

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
# A second copy on the same data says "Already running" in a window of the
# notice's own size, well under the screen it asked for, and ends with 1.
"$zorvanel" --screen 480x640 --folder "$folder" 2>/dev/null &
second=$!
notice=$(timeout 60 xdotool search --sync --onlyvisible --all --pid "$second" \
  --name '^Zorvanel$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$notice")"
[ "$WIDTH" -le 480 ] && [ "$HEIGHT" -le 320 ] ||
  { echo "the second copy's window is ${WIDTH}x$HEIGHT"; exit 1; }
xdotool windowfocus --sync "$notice" key Return
status=0
wait "$second" || status=$?
[ "$status" -eq 1 ] || { echo "the second copy ended with $status"; exit 1; }
# The window made half as large again from outside: the screens are laid
# out for 720 x 960, the same shape, so each part is where it was, half as
# large again.
xdotool windowsize "$window" 720 960
xdotool windowfocus --sync "$window"
sleep 1
pause() { sleep 1; }
# A point of the 480 x 640 screen, where the larger window shows it.
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

if ! command -v openbox >/dev/null || ! command -v wmctrl >/dev/null; then
  echo "openbox or wmctrl missing (scripts/test installs them)"
  exit 77
fi

# Under a window manager: the window comes back at 720 x 960, is maximised,
# and the lens is renamed by taps where the driver, at the maximised size,
# shows the controls. Then --screen larger than the display: a window that
# fits, and one line on stderr.
openbox >/dev/null 2>&1 &
manager=$!
trap 'kill $manager; rm -rf "$work"' EXIT
sleep 1
start() {
  "$zorvanel" "$@" --folder "$folder" 2>"$work/stderr" &
  program=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zorvanel$' |
    head -n 1)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool windowfocus --sync "$window"
}
keys() { for k in "$@"; do key "$k"; done; }
start
[ "${WIDTH}x$HEIGHT" = 720x960 ] || { echo "restored ${WIDTH}x$HEIGHT"; exit 1; }
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -gt 720 ] && [ "$HEIGHT" -gt 960 ] || { echo "${WIDTH}x$HEIGHT"; exit 1; }
# Taps the centre of control $2 where the driver shows it after lines $1.
tap_control() {
  rm -rf "$work/copy" && cp -r "$folder" "$work/copy"
  printf "$1\ndump\n" | "$driver" --screen "${WIDTH}x$HEIGHT" \
    --folder "$work/copy" | grep -o "\"id\":$2,[^}]*" |
    sed 's/.*"rect":\[\([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\)\].*/\1 \2 \3 \4/' |
    { read -r x y w h
      xdotool mousemove --window "$window" $((x + w / 2)) $((y + h / 2)) click 1; }
  pause
}
keys F1                                              # "Options..."
tap_control "soft left" 1003                         # the lens button
tap_control "soft left\nclick 1003" 1004             # "Edit"
tap_control "soft left\nclick 1003\nclick 1004" 1009 # the lens's name
xdotool type --delay 120 "Maximised"
keys Return F1 F2 F2 F2
wait "$program"
grep -qF 'model="Maximised"' <<<"$("$make_data" --print "$folder/ZorvanelData.ptb")" ||
  { echo "the name typed in the maximised window was not saved"; exit 1; }
start --screen 960x1280
keys F2
wait "$program"
[ "$HEIGHT" -le 1024 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] &&
  grep -q "larger than the usable display" "$work/stderr" || {
  echo "--screen 960x1280 on a 1024 display gave ${WIDTH}x$HEIGHT, and:"
  cat "$work/stderr"
  exit 1
}
