#!/usr/bin/env bash
# Runs a test of the real window in a virtual X display. Without xvfb-run
# the test fails (scripts/test installs it); without xdotool, which turns
# the wheel, clicks and types there, it ends with 77: CTest shows a skip.
#
#   virtual_display.sh COMMAND [ARGUMENT...]
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run is missing: install xvfb (scripts/test does)" >&2
  exit 1
fi
if ! command -v xdotool >/dev/null; then
  echo "xdotool is missing (scripts/test installs it): skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
