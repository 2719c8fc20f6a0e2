# Writes an input script that flies the player to meet a boss seen in a reference trace:
# every frame it steers toward where the boss will be when a shot fired now reaches it.
# usage: pilot.py TRACE TYPE FRAMES [FIRST_FRAME]
import json, sys
trace, btype, frames = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
LOCK = True
first = int(sys.argv[4]) if len(sys.argv) > 4 else 140
boss = {}
for line in open(trace):
    d = json.loads(line)
    b = [a for a in d['ac'] if a['t'] == btype]
    if b: boss[d['f']] = b[0]
px, py = 0.0, 400.0
lines = []
def clamp(v, lo, hi): return max(lo, min(hi, v))
for f in range(frames):
    keys = ['A']
    if f >= first and f in boss:
        a = boss[f]
        lead = f + max(0, int((a['z'] - 240) / 100))
        a = boss.get(lead, a)
        # A straight shot spreads with the player's offset: x grows by 0.2 x px and y by
        # 0.1 x (py - 400) for every 100 of depth.
        k = max(0.0, a['z'] - 240)
        tx = a['x'] / (1 + 0.002 * k)
        ty = (a['y'] - 20 + 0.4 * k) / (1 + 0.001 * k)
        if (abs(tx) > 256 or ty < 64 or ty > 400) and ((a['fl'] >> 8) & 255) == 1 and a['z'] > 300:
            # Out of reach of a straight shot: line up the lock-on instead.
            tx = a['x'] / a['z'] * 240 / 0.9
            ty = (a['z'] - 240 + a['y']) / a['z'] * 240 / 0.8
        tx, ty = clamp(tx, -256, 256), clamp(ty, 64, 400)
        dx, dy = tx - px, ty - py
        h = 'RIGHT' if dx > 3 else 'LEFT' if dx < -3 else None
        v = 'DOWN' if dy > 3 else 'UP' if dy < -3 else None
        step = 4.0 if (h and v) else 5.65685424
        if h: keys.append(h); px = clamp(px + (step if h == 'RIGHT' else -step), -256, 256)
        if v: keys.append(v); py = clamp(py + (step if v == 'DOWN' else -step), 64, 400)
    lines.append(' '.join(keys))
# run-length encode
out, prev, n = [], None, 0
for l in lines + [None]:
    if l == prev: n += 1; continue
    if prev is not None: out.append(f'{n} {prev}')
    prev, n = l, 1
print('\n'.join(out))
