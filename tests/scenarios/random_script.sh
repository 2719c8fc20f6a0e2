#!/usr/bin/env bash
# Writes a random input script of FRAMES frames to standard output, the same for the same
# SEED on any machine (its own LCG, not bash's RANDOM): runs of 1 to 40 frames of
# directions with A and B; now and then START, let go and pressed again a little later (a
# pause and its resume); one Escape near the end. Usage: random_script.sh SEED FRAMES
set -euo pipefail
state=$1 frames=$2
next() {  # next random number 0..32767 into r
  state=$(((state * 1103515245 + 12345) % 2147483648))
  r=$((state / 65536))
}
done_frames=0
escape_at=$((frames - frames / 100))
while [ "$done_frames" -lt "$frames" ]; do
  next; count=$((r % 40 + 1))
  line=""
  next; [ $((r % 3)) -eq 0 ] && line+=" UP"
  next; [ $((r % 3)) -eq 0 ] && line+=" DOWN"
  next; [ $((r % 3)) -eq 0 ] && line+=" LEFT"
  next; [ $((r % 3)) -eq 0 ] && line+=" RIGHT"
  next; [ $((r % 2)) -eq 0 ] && line+=" A"
  next; [ $((r % 5)) -eq 0 ] && line+=" B"
  next
  if [ $((r % 25)) -eq 0 ]; then
    next; printf '2 START\n%d\n' $((r % 30 + 1))
    done_frames=$((done_frames + 2 + r % 30 + 1))
    count=2 line=" START"
  fi
  if [ "$escape_at" -ge 0 ] && [ $((done_frames + count)) -ge "$escape_at" ]; then
    count=2 line=" ESC" escape_at=-1
  fi
  echo "$count$line"
  done_frames=$((done_frames + count))
done
