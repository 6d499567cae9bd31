#!/usr/bin/python3
"""Start-up time of pertab: from spawning the process to its main window
being mapped, seen as a MapNotify event on the root window of a private
X server (no polling). Several builds are measured in alternating runs in
the same server, so they share its state and the machine's load.

    tools/bench/startup.py [--runs N] [--close] BUILD_DIR [BUILD_DIR ...]

Each BUILD_DIR holds pertab and libDane.so; they are copied into a fresh
program folder per build, with a settings folder of its own beside them.
The first, uncounted run writes the skin files and, closed as a user closes
it, the settings file. Other runs are killed once mapped; with --close they
are closed too, and the time from the close command to the process's end
(the settings written at shutdown) is reported as well.
Needs Xvfb and python3-xlib (tools/deps.sh bench)."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error, protocol

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


def close_window(dpy, window):
    """Sends the window manager's close command, as a click on [x] would."""
    protocols = dpy.intern_atom("WM_PROTOCOLS")
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    dpy.flush()


def one_run(dpy, name, folder, close=False):
    """Milliseconds from spawn to the main window's MapNotify, and with
    close, from the close command to the end of the process (else None)."""
    env = dict(os.environ, DISPLAY=name, XDG_CONFIG_HOME=os.path.join(folder, "config"))
    env.pop("QT_QPA_PLATFORM", None)
    start = time.perf_counter()
    proc = subprocess.Popen([os.path.join(folder, "pertab")], env=env, cwd=folder,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while True:
            event = dpy.next_event()
            if event.type == X.MapNotify and is_main_window(event.window):
                mapped = (time.perf_counter() - start) * 1000.0
                if not close:
                    return mapped, None
                time.sleep(0.3)  # let it settle: the close comes from a user
                closing = time.perf_counter()
                close_window(dpy, event.window)
                proc.wait(timeout=20)
                return mapped, (time.perf_counter() - closing) * 1000.0
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
    parser.add_argument("--close", action="store_true")
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
            one_run(dpy, name, folder, close=True)  # writes skin and settings; not counted
        times = {b: [] for b in args.builds}
        closes = {b: [] for b in args.builds}
        for _ in range(args.runs):
            for build, folder in zip(args.builds, folders):
                mapped, closed = one_run(dpy, name, folder, args.close)
                times[build].append(mapped)
                if closed is not None:
                    closes[build].append(closed)
        for build in args.builds:
            for what, t in (("mapped", times[build]), ("close to end", closes[build])):
                if t:
                    t = sorted(t)
                    print(f"{build}: {what}: median {statistics.median(t):.1f} ms  "
                          f"(min {t[0]:.1f}, max {t[-1]:.1f}, {len(t)} runs)")
    finally:
        server.kill()
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
