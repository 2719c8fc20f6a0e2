# gdb script of kill_ranks.sh: runs a program to a function and kills it with SIGKILL
# after a chosen system call made within that call, or counts them. What is on the disk
# changes only at a system call, so a kill anywhere between two of them leaves what a
# kill just after the first does: killing after each one in turn (on its way in, or out
# and a few instructions further) reaches every state a kill at any instruction can.
# Driven by environment variables:
#   KILL_AT     the function
#   KILL_MODE   count  print "syscalls N": the stops (entries and returns) of its calls
#               kill   go KILL_STOPS stops into it, step KILL_STEPS instructions, kill
#   KILL_STOPS, KILL_STEPS
# It prints "killed after N stops and M instructions", or "ended before the moment" when
# the program never reached the function.
import os
import signal

import gdb

function = os.environ["KILL_AT"]
mode = os.environ["KILL_MODE"]
stops = int(os.environ.get("KILL_STOPS", "0"))
steps = int(os.environ.get("KILL_STEPS", "0"))

for command in ("set pagination off", "set confirm off", "set print thread-events off",
                "set print inferior-events off", "handle SIGPIPE nostop noprint pass"):
    gdb.execute(command)


def stopped():
    return gdb.selected_inferior().pid != 0 and gdb.selected_thread() is not None


def returned(back_to, frame_sp):
    return (int(gdb.parse_and_eval("$pc")) == back_to and
            int(gdb.parse_and_eval("$sp")) > frame_sp)


gdb.execute("break *%s" % function, to_string=True)
gdb.execute("run", to_string=True)
if not stopped():
    print("ended before the moment")
else:
    frame_sp = int(gdb.parse_and_eval("$sp"))
    back_to = int(gdb.parse_and_eval("*(unsigned long*)$sp"))
    gdb.execute("delete", to_string=True)
    gdb.execute("break *%d" % back_to, to_string=True)
    gdb.execute("catch syscall", to_string=True)
    n = 0
    while (mode == "count" or n < stops) and stopped() and not returned(back_to, frame_sp):
        gdb.execute("continue", to_string=True)
        n += 1
    if mode == "count":
        print("syscalls %d" % (n - 1))
        gdb.execute("kill")
    elif stopped():
        gdb.execute("delete", to_string=True)
        if steps > 0:
            gdb.execute("stepi %d" % steps, to_string=True)
        if stopped():
            os.kill(gdb.selected_inferior().pid, signal.SIGKILL)
            gdb.execute("kill")
        print("killed after %d stops and %d instructions" % (n, steps))
    else:
        print("ended before the moment")
