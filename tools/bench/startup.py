#!/usr/bin/python3
"""Start-up time of pertab: from spawning the process to its main window
being mapped, seen as a MapNotify event on the root window of a private
X server (no polling). Several builds are measured in alternating runs in
the same server, so they share its state and the machine's load.

    tools/bench/startup.py [--runs N] BUILD_DIR [BUILD_DIR ...]

Each BUILD_DIR holds pertab and libDane.so; they are copied into a fresh
program folder per build (the first, uncounted run writes the skin files).
Needs Xvfb and python3-xlib (tools/deps.sh bench)."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error

MAIN_SIZE = (787, 414)


def start_server():
    for n in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            break
    server = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              stderr=subprocess.DEVNULL)
    for _ in range(100):
        try:
            return server, f":{n}", display.Display(f":{n}")
        except Exception:
            time.sleep(0.05)
    server.kill()
    sys.exit("Xvfb did not start")


def is_main_window(window):
    try:
        g = window.get_geometry()
    except error.XError:
        return False
    return (g.width, g.height) == MAIN_SIZE


def one_run(dpy, name, folder):
    """Milliseconds from spawn to the main window's MapNotify."""
    env = dict(os.environ, DISPLAY=name)
    env.pop("QT_QPA_PLATFORM", None)
    start = time.perf_counter()
    proc = subprocess.Popen([os.path.join(folder, "pertab")], env=env, cwd=folder,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while True:
            event = dpy.next_event()
            if event.type == X.MapNotify and is_main_window(event.window):
                return (time.perf_counter() - start) * 1000.0
            if proc.poll() is not None:
                sys.exit(f"{folder}/pertab ended before its window was mapped")
    finally:
        proc.kill()
        proc.wait()
        dpy.sync()
        while dpy.pending_events():
            dpy.next_event()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("builds", nargs="+")
    args = parser.parse_args()

    server, name, dpy = start_server()
    folders = []
    try:
        dpy.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        dpy.sync()
        for build in args.builds:
            folder = tempfile.mkdtemp(prefix="zfk-startup-")
            for f in ("pertab", "libDane.so"):
                shutil.copy2(os.path.join(build, f), folder)
            folders.append(folder)
            one_run(dpy, name, folder)  # writes the skin files; not counted
        times = {b: [] for b in args.builds}
        for _ in range(args.runs):
            for build, folder in zip(args.builds, folders):
                times[build].append(one_run(dpy, name, folder))
        for build in args.builds:
            t = sorted(times[build])
            print(f"{build}: median {statistics.median(t):.1f} ms  "
                  f"(min {t[0]:.1f}, max {t[-1]:.1f}, {len(t)} runs)")
    finally:
        server.kill()
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
