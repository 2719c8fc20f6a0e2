# gdb script of kill_save.sh: runs the game to a chosen moment of a save and kills it there
# with SIGKILL, or counts the instructions of a save. Driven by environment variables:
#   KILL_MODE   count   run to the first save and print "instructions N": how many the
#                       save takes from its first instruction to its return
#               save    run to the first save, step KILL_STEPS instructions into it, kill
#               appear  run to the return of the first rename (the moment the new file
#                       takes the old one's name), step KILL_STEPS further, kill
#   KILL_STEPS  instructions to step before the kill
# It prints "killed after N instructions" or "ended before the moment" (the game quit
# without saving, which the caller counts as a failed case).
import os
import signal

import gdb

mode = os.environ["KILL_MODE"]
steps = int(os.environ.get("KILL_STEPS", "0"))

for command in ("set pagination off", "set confirm off", "set print thread-events off",
                "set print inferior-events off", "handle SIGPIPE nostop noprint pass"):
    gdb.execute(command)


def stopped():
    """Whether the game is stopped (rather than ended) after the last command."""
    return gdb.selected_inferior().pid != 0 and gdb.selected_thread() is not None


def count_save():
    """Steps through the whole save one instruction at a time; the count to its return."""
    frame_sp = int(gdb.parse_and_eval("$sp"))
    back_to = int(gdb.parse_and_eval("*(unsigned long*)$sp"))
    n = 0
    while True:
        gdb.execute("stepi", to_string=True)
        n += 1
        pc = int(gdb.parse_and_eval("$pc"))
        if pc == back_to and int(gdb.parse_and_eval("$sp")) > frame_sp:
            return n


if mode in ("count", "save"):
    gdb.execute("break *saveWholeFile", to_string=True)
else:
    gdb.execute("catch syscall rename renameat renameat2", to_string=True)
gdb.execute("run", to_string=True)
if mode == "appear" and stopped():
    gdb.execute("continue", to_string=True)  # the rename's return
if not stopped():
    print("ended before the moment")
elif mode == "count":
    print("instructions %d" % count_save())
    gdb.execute("kill")
else:
    if steps > 0:
        gdb.execute("stepi %d" % steps, to_string=True)
    os.kill(gdb.selected_inferior().pid, signal.SIGKILL)
    print("killed after %d instructions" % steps)
    gdb.execute("kill")
