#!/bin/sh
# Runs the real program under Xvfb with a private session bus and the accessibility bus, and
# drives it through AT-SPI the way a screen reader does (scripts/atspi_drive.py).
# Usage: atspi-test.sh <path to the zorvix program>
# Exit 0 passed, 1 failed, 77 skipped (something the test needs is not installed or cannot run).
# Installs nothing: the packages come from scripts/packages.txt.
set -u

program=${1:-}
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "atspi-test: SKIP: $*" >&2; exit 77; }

[ -n "$program" ] && [ -x "$program" ] || { echo "atspi-test: no program given or not executable: $program" >&2; exit 1; }
for tool in Xvfb dbus-run-session timeout; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
# Debian's pyatspi lives with the system Python, whatever python3 comes first on PATH.
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3)
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed for $python"

work=$(mktemp -d "${TMPDIR:-/tmp}/zorvix-atspi.XXXXXX")
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A display of our own: Xvfb picks a free number and writes it to the pipe.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/displayfd" 2>"$work/xvfb.log" &
xvfb_pid=$!
display=$(timeout 20 head -n1 "$work/displayfd") || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
[ -n "$display" ] || skip "Xvfb gave no display number"

# The session bus lives as long as the driver; at-spi-bus-launcher and the registry are started
# on it by D-Bus activation and end with it.
export DISPLAY=":$display"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="$work/home"
mkdir "$HOME"
export NO_AT_BRIDGE=0
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export QT_QPA_PLATFORM=xcb
export GTK_A11Y=atspi
timeout -k 5 120 dbus-run-session -- "$python" "$here/atspi_drive.py" "$program"
status=$?
case $status in
  0|77) exit $status ;;
  124|137) echo "atspi-test: FAIL: timed out" >&2; exit 1 ;;
  *) exit 1 ;;
esac
