#!/usr/bin/env python3
"""Rewrites replays by their parts (docs/replay.md), the checksum redone:
  splice FIRST SECOND OUT [VERSION]: the header and trailer of FIRST, the frames of SECOND;
    with a game version, it is written in the header instead;
  cut_short IN OUT: IN marked cut short;
  recorded_at IN OUT UNIX_TIME: IN with another time of recording."""
import sys

HEADER = 2586 + 4 + 4 * 31  # up to the frames' length, which is the last 4 bytes of it


def parts(b):
    n = int.from_bytes(b[HEADER - 4:HEADER], 'little')
    return b[:HEADER - 4], b[HEADER:HEADER + n], b[HEADER + n:-8]


def write(path, head, frames, trailer):
    body = head + len(frames).to_bytes(4, 'little') + frames + trailer
    h = 1469598103934665603
    for c in body:
        h = ((h ^ c) * 1099511628211) % 2**64
    open(path, 'wb').write(body + h.to_bytes(8, 'little'))


command, first = sys.argv[1], open(sys.argv[2], 'rb').read()
head, frames, trailer = parts(first)
if command == 'splice':
    frames = parts(open(sys.argv[3], 'rb').read())[1]
    if len(sys.argv) > 5:
        head = head[:10] + sys.argv[5].encode().ljust(16, b'\0') + head[26:]
    write(sys.argv[4], head, frames, trailer)
elif command == 'cut_short':
    write(sys.argv[3], head, frames, trailer[:4] + b'\1' + trailer[5:])
elif command == 'recorded_at':
    head = head[:26] + int(sys.argv[4]).to_bytes(8, 'little', signed=True) + head[34:]
    write(sys.argv[3], head, frames, trailer)
else:
    sys.exit('usage: replay_edit.py splice|cut_short|recorded_at ...')
