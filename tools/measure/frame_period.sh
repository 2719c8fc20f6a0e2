#!/usr/bin/env bash
# Measures the real game's frame period: runs it under Xvfb for a while with strace
# watching its sleeps, then reports the median and worst period over 600 frames and the
# time from process start to the frame loop. Usage: tools/measure/frame_period.sh [seconds]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-14}
work=$(mktemp -d /tmp/bravin-measure-XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$top/resources" resources
cat > drive.sh <<DRIVE
strace -f -ttt -e trace=nanosleep,clock_nanosleep,execve -o trace.txt "$top/build/bravin" > out.txt 2>&1 &
sleep $seconds
kill -TERM \$(pgrep -x bravin | head -1)
wait
DRIVE
timeout $((seconds + 30)) xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash drive.sh
python3 "$top/tools/measure/frame_period.py" trace.txt
