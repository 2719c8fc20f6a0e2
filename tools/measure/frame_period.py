# Frame period of the running game from an strace -f -ttt log of its sleeps: the main
# thread's sleeps after the start-up waits (the first 10 ms ones) mark the frame ends.
import re, statistics, sys
lines = open(sys.argv[1]).read().splitlines()
main = lines[0].split()[0]
start = float(lines[0].split()[1])
sleeps = []
for l in lines:
    p = l.split(None, 2)
    if p[0] != main or 'resumed' in p[2]: continue
    m = re.search(r'nanosleep\(.*tv_nsec=(\d+)', p[2])
    if m: sleeps.append((float(p[1]), int(m.group(1))))
i = 0
while sleeps[i][1] == 10000000: i += 1
t = [s[0] for s in sleeps[i:]]
print('process start -> first frame-loop sleep: %.1f ms' % ((t[0] - start) * 1000))
iv = sorted((b - a) * 1000 for a, b in zip(t[:600], t[1:601]))
print('frames %d  median %.2f ms  worst %.2f ms  p99 %.2f ms  best %.2f ms  mean %.3f ms' % (
    len(iv), statistics.median(iv), iv[-1], iv[int(len(iv) * 0.99)], iv[0], statistics.mean(iv)))
