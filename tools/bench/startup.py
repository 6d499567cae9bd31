#!/usr/bin/python3
"""Start-up time and memory of pertab: from spawning the process to its main
window being mapped, seen as a MapNotify event on the root window of a
private X server (no polling), and the process's peak resident memory
(/usr/bin/time -f %M). Several builds are measured in alternating runs in
the same server, so they share its state and the machine's load.

    tools/bench/startup.py [--runs N] [--close] [--floor PROGRAM] [--text-floor PROGRAM] BUILD_DIR [BUILD_DIR ...]

Each BUILD_DIR holds pertab and libDane.so*; they are copied into a fresh
program folder per build, with a settings folder of its own beside them.
The first, uncounted run writes the skin files and, closed as a user closes
it, the settings file. Other runs are killed a moment after being mapped
(so that the first paint counts in the memory); with --close they are
closed instead, and the time from the close command to the process's end
(the settings written at shutdown) is reported as well.

--floor adds a bare window of the main window's size (build it with
`cmake --build build --target startup_floor`, then pass
build/tools/bench/startup_floor), measured the same way in the same
rotation: the time and memory no Qt program can beat.

--text-floor adds startup_textfloor (same target name): the bare window
plus only the text the start-up must show (the splash with its three faces,
painted, and a label in each face the main window measures before it is
shown), reported over the floor too: what no program with this start-up
can beat.
Needs Xvfb, python3-xlib and time (tools/deps.sh bench)."""

import argparse
import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error, protocol

MAIN_SIZE = (787, 414)
# Time from MapNotify to the kill: the first paint is done by then.
SETTLE_S = 0.3


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


def traced_child(wrapper):
    """The process /usr/bin/time started: killing that one, not time itself,
    lets time report the peak memory."""
    for _ in range(200):
        try:
            with open(f"/proc/{wrapper.pid}/task/{wrapper.pid}/children") as f:
                pids = f.read().split()
            if pids:
                return int(pids[0])
        except OSError:
            pass
        if wrapper.poll() is not None:
            return None
        time.sleep(0.005)
    return None


def one_run(dpy, name, program, folder, close=False):
    """Milliseconds from spawn to the main window's MapNotify; with close,
    from the close command to the end of the process (else None); and the
    peak resident memory in KiB."""
    env = dict(os.environ, DISPLAY=name, XDG_CONFIG_HOME=os.path.join(folder, "config"))
    env.pop("QT_QPA_PLATFORM", None)
    rss_file = os.path.join(folder, "rss")
    start = time.perf_counter()
    proc = subprocess.Popen(["/usr/bin/time", "-q", "-f", "%M", "-o", rss_file, program], env=env, cwd=folder,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    closed = None
    child = None
    try:
        while True:
            event = dpy.next_event()
            if event.type == X.MapNotify and is_main_window(event.window):
                mapped = (time.perf_counter() - start) * 1000.0
                time.sleep(SETTLE_S)  # let it paint; with close, the close comes from a user
                child = traced_child(proc)
                if close:
                    closing = time.perf_counter()
                    close_window(dpy, event.window)
                    proc.wait(timeout=20)
                    closed = (time.perf_counter() - closing) * 1000.0
                break
            if proc.poll() is not None:
                sys.exit(f"{program} ended before its window was mapped")
    finally:
        if child is None:
            child = traced_child(proc)
        if child is not None and proc.poll() is None:
            try:
                os.kill(child, 9)
            except ProcessLookupError:
                pass
        try:
            proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
        dpy.sync()
        while dpy.pending_events():
            dpy.next_event()
    with open(rss_file) as f:
        rss = int(f.read().split()[-1])
    os.remove(rss_file)
    return mapped, closed, rss


def report(label, what, values, unit, scale=1.0):
    if values:
        v = sorted(x * scale for x in values)
        print(f"{label}: {what}: median {statistics.median(v):.1f} {unit}  "
              f"(min {v[0]:.1f}, max {v[-1]:.1f}, {len(v)} runs)")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--close", action="store_true")
    parser.add_argument("--floor", help="the bare-window program (startup_floor)")
    parser.add_argument("--text-floor", help="the bare window with the start-up's text (startup_textfloor)")
    parser.add_argument("builds", nargs="+")
    args = parser.parse_args()

    server, name, dpy = start_server()
    # (label, program, folder) in the order of each round.
    entries = []
    try:
        dpy.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        dpy.sync()
        for label, path, binary in (("floor", args.floor, "startup_floor"),
                                    ("text floor", args.text_floor, "startup_textfloor")):
            if path:
                folder = tempfile.mkdtemp(prefix="zfk-startup-")
                program = os.path.join(folder, binary)
                shutil.copy2(path, program)
                entries.append((label, program, folder))
        for build in args.builds:
            folder = tempfile.mkdtemp(prefix="zfk-startup-")
            shutil.copy2(os.path.join(build, "pertab"), folder)
            # The library and its links as they are (libDane.so.1 and the
            # libDane.so link, or an older build's single libDane.so).
            for lib in glob.glob(os.path.join(build, "libDane.so*")):
                shutil.copy2(lib, folder, follow_symlinks=False)
            entries.append((build, os.path.join(folder, "pertab"), folder))
        for _, program, folder in entries:
            one_run(dpy, name, program, folder, close=True)  # writes skin and settings; not counted
        times = {e[0]: [] for e in entries}
        closes = {e[0]: [] for e in entries}
        peaks = {e[0]: [] for e in entries}
        for _ in range(args.runs):
            for label, program, folder in entries:
                mapped, closed, rss = one_run(dpy, name, program, folder, args.close)
                times[label].append(mapped)
                peaks[label].append(rss)
                if closed is not None:
                    closes[label].append(closed)
        for label, _, _ in entries:
            report(label, "mapped", times[label], "ms")
            report(label, "close to end", closes[label], "ms")
            report(label, "peak RSS", peaks[label], "MiB", 1 / 1024)
        if args.floor:
            floor_time = statistics.median(times["floor"])
            floor_rss = statistics.median(peaks["floor"]) / 1024
            for label, _, _ in entries[1:]:
                print(f"{label}: over the floor: mapped {statistics.median(times[label]) - floor_time:+.1f} ms, "
                      f"peak RSS {statistics.median(peaks[label]) / 1024 - floor_rss:+.1f} MiB")
    finally:
        server.kill()
        for _, _, folder in entries:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
