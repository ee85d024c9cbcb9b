#!/usr/bin/env python3
"""The real menu and checker on hostile media (hostile_media.py), each run
under a limit of time and address space: every case must be answered (all
its windows closed, the program ended) within the time limit, with a peak
resident size under the memory limit, nothing on the medium changed, and the
checker's output short and free of control characters. Prints one line of
figures per case. Needs $DISPLAY for the menu cases.

Usage: hostile_media_test.py --tavilo BIN --check BIN --xwin BIN --work DIR
       [--no-limits] [--time-limit S] [--time-v] [--only NAME...]
--no-limits leaves out the address-space limit and the peak check (for the
sanitizer build, whose shadow memory counts in both). --time-v takes the
figures from /usr/bin/time -v instead of the process's own peak (VmHWM).
"""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from hostile_media import CASES, make_case  # noqa: E402

MAIN_TITLE = "Tavilo 4.02"
ADDRESS_LIMIT = 2 << 30  # bytes of address space
PEAK_LIMIT = 300 << 20   # bytes of resident memory at the peak
OUTPUT_LIMIT = 64 << 10  # bytes of checker output


def windows(xwin):
    out = subprocess.run([xwin, "list"], capture_output=True, timeout=20).stdout.decode("utf-8", errors="replace")
    found = []
    for line in out.splitlines():
        head, _, name = line.partition("|")
        parts = head.split(" ", 6)
        if len(parts) == 7:
            found.append({"id": parts[0], "x": int(parts[2]), "y": int(parts[3]), "w": int(parts[4]),
                          "h": int(parts[5]), "name": name})
    return found


def medium_state(folder):
    """What must stay as it was: names, link targets, sizes."""
    state = {}
    for name in sorted(os.listdir(folder)):
        if name in ("Tavilo", "out.txt"):
            continue
        path = os.path.join(folder, name)
        state[name] = os.readlink(path) if os.path.islink(path) else os.lstat(path).st_size
    return state


class Child:
    """A program started in its own session under the limits; its peak
    resident size is watched while it runs."""

    def __init__(self, argv, args, out, err):
        self.timing = None
        if not args.no_limits:
            argv = ["prlimit", f"--as={ADDRESS_LIMIT}", "--"] + argv  # prlimit execs the program
        if args.time_v:
            self.timing = os.path.join(args.work, "time-v.txt")
            argv = ["/usr/bin/time", "-v", "-o", self.timing] + argv
        self.started = time.monotonic()
        self.proc = subprocess.Popen(argv, stdout=out, stderr=err, start_new_session=True)
        self.peak = 0
        self.seconds = None

    def ended(self):
        if self.seconds is None:
            if not self.timing:
                try:
                    with open(f"/proc/{self.proc.pid}/status") as f:
                        m = re.search(r"VmHWM:\s+(\d+) kB", f.read())
                    if m:
                        self.peak = max(self.peak, int(m.group(1)) * 1024)
                except OSError:
                    pass
            if self.proc.poll() is None:
                return False
            self.seconds = time.monotonic() - self.started
            if self.timing:
                with open(self.timing) as f:
                    m = re.search(r"Maximum resident set size \(kbytes\): (\d+)", f.read())
                self.peak = int(m.group(1)) * 1024 if m else 0
                os.remove(self.timing)
        return True

    def kill(self):
        if not self.ended():
            os.killpg(self.proc.pid, signal.SIGKILL)
            while not self.ended():
                time.sleep(0.01)


def run_menu(name, folder, args, image):
    """Closes each box the menu shows, opens the image window once when asked,
    closes the main window last; returns a failure text or None."""
    shutil.copy(args.tavilo, os.path.join(folder, "Tavilo"))
    before = medium_state(folder)
    errors = os.path.join(args.work, name + ".err")
    with open(errors, "wb") as err:
        child = Child([os.path.join(folder, "Tavilo")], args, subprocess.DEVNULL, err)
    opened = False
    closed_main = 0.0  # when the main window was last asked to close
    seen = {}  # window name -> seconds after the start when it first showed
    timed_out = False
    while not child.ended():
        if time.monotonic() - child.started > args.time_limit:
            child.kill()
            timed_out = True
            break
        shown = windows(args.xwin)
        others = [w for w in shown if w["name"] != MAIN_TITLE]
        main = [w for w in shown if w["name"] == MAIN_TITLE]
        for w in shown:
            seen.setdefault(w["name"], time.monotonic() - child.started)
        if others:
            for w in others:  # error boxes, messages, the image window
                subprocess.run([args.xwin, "close", w["id"]], timeout=20)
        elif main and image and not opened:
            # The picture panel lies in the left part, below the group list.
            m = main[0]
            subprocess.run(["xdotool", "mousemove", str(m["x"] + m["w"] // 5), str(m["y"] + m["h"] * 2 // 3),
                            "click", "1"], timeout=20)
            opened = True
        elif main and time.monotonic() - closed_main > 0.5:
            # Asked again: a request that comes while a modal window ends is dropped.
            subprocess.run([args.xwin, "close", main[0]["id"]], timeout=20)
            closed_main = time.monotonic()
        time.sleep(0.05)
    with open(errors, "rb") as f:
        said = f.read().decode(errors="replace").strip()
    os.remove(errors)
    problem = finish(name, child, args, ", ".join(f"{n!r} at {t:.2f} s" for n, t in seen.items()))
    if timed_out:
        return f"not answered within {args.time_limit} s"
    if medium_state(folder) != before:
        return f"the medium changed: {before} -> {medium_state(folder)}"
    if not problem and child.proc.returncode != 0:
        problem = f"ended with {child.proc.returncode}: {said[-500:]}"
    return problem


def run_check(name, folder, args):
    before = medium_state(folder)
    output = os.path.join(args.work, name + ".out")
    with open(output, "wb") as out:
        child = Child([args.check, folder], args, out, subprocess.STDOUT)
    timed_out = False
    while not child.ended():
        if time.monotonic() - child.started > args.time_limit:
            child.kill()
            timed_out = True
            break
        time.sleep(0.02)
    size = os.path.getsize(output)
    with open(output, "rb") as f:
        text = f.read(OUTPUT_LIMIT + 1)
    os.remove(output)
    problem = finish(name, child, args, f"{size} bytes of output")
    if timed_out:
        return f"not answered within {args.time_limit} s"
    if medium_state(folder) != before:
        return "the checker changed the medium"
    bad = sorted({c for c in text if c < 0x20 and c != 0x0A or c == 0x7F})
    if bad:
        return f"control characters on the terminal: {bad}"
    if size > OUTPUT_LIMIT:
        return f"{size} bytes of output"
    if not text.strip():
        return "no output"
    expected = CASES[name][2] if len(CASES[name]) > 2 else None
    if expected and expected not in text.decode(errors="replace"):
        return f"the checker does not say {expected!r}:\n{text.decode(errors='replace')}"
    return problem


def finish(name, child, args, note=""):
    print(f"{name:28} {child.seconds:7.2f} s {child.peak / 2**20:8.1f} MiB  exit {child.proc.returncode:3} {note}",
          flush=True)
    if not args.no_limits and child.peak > PEAK_LIMIT:
        return f"peak of {child.peak / 2**20:.0f} MiB"
    if child.proc.returncode < 0:
        return f"ended by signal {-child.proc.returncode}"
    return None


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--tavilo", required=True)
    p.add_argument("--check", required=True)
    p.add_argument("--xwin", required=True)
    p.add_argument("--work", required=True)
    p.add_argument("--no-limits", action="store_true")
    p.add_argument("--time-limit", type=float, default=60, help="seconds for a whole case")
    p.add_argument("--time-v", action="store_true")
    p.add_argument("--only", nargs="*")
    args = p.parse_args()
    os.makedirs(args.work, exist_ok=True)
    # An X server resets when its last client leaves, and refuses clients
    # meanwhile: one connection stays open for the whole run.
    keeper = subprocess.Popen(["xprop", "-root", "-spy"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) \
        if os.environ.get("DISPLAY") else None
    try:
        return run_all(args)
    finally:
        if keeper:
            keeper.kill()
            keeper.wait()


def run_all(args):
    failures = []
    for name, case in CASES.items():
        if args.only and name not in args.only:
            continue
        folder = os.path.join(args.work, name)
        shutil.rmtree(folder, ignore_errors=True)
        make_case(name, folder)
        problem = run_check(name, folder, args) if case[0] == "check" else run_menu(name, folder, args,
                                                                                      case[0] == "image")
        if problem:
            failures.append(f"{name}: {problem}")
            print(f"FAIL {name}: {problem}", flush=True)
        else:
            shutil.rmtree(folder, ignore_errors=True)
    if failures:
        print("\n".join(failures), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
