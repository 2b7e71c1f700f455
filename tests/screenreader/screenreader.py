#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a blind person hears: the program runs under the Orca screen reader on a private X display
and session bus, keys are pressed as a person would press them, and what Orca says (into a log, as
there is no speech server) is checked row by row: every line a row expects must be said, in that
order, each beginning as written.
    screenreader.py PROGRAM DATA_FOLDER
Everything started here ends with it, also on a failure or a signal; every wait has a bound."""
import ctypes
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
Q1 = "What would you do on a free afternoon aboard the Brindle Wren?\nAnswer A: Race skiffs around the hull"
# A row: what is done, the steps (xdotool keys; "click" the right button on the window; "type:TEXT";
# "until:LINE" waits for Orca to say it; "focus" gives the focus back, as a window manager would),
# and what Orca says.
MAIN = [
    ("window focused", [], ["Brindlecast Match Maker!", "New Test push button.", "notification Question 1 of 20",
                            Q1]),
    ("A", ["a"], ["notification Question 2 of 20.", "A storm hits the ship at night. What is your first move?"]),
    ("Backspace", ["BackSpace"], ["notification Question 1 of 20.", Q1]),
    ("menu by key", ["shift+F10"], ["New Test..."]),
    ("menu closed", ["Escape"], ["New Test push button."]),
    ("menu by mouse", ["click"], ["New Test..."]),
    ("menu closed again", ["Escape"], ["New Test push button."]),
    ("link", ["shift+Tab"], ["Contact e-mail address link.", "mailto:matchmaker@brindlecast.example"]),
    ("nineteen answers", [key for n in range(2, 20) for key in ("a", "until:notification Question %d " % n)] + ["a"],
     ["notification Question 20 of 20.", "Which role would you take"]),
    ("results", ["a"], ["alert Your results!", "Your most compatible with Kest!", "OK push button."]),
    ("votes", ["Tab", "space", "Tab", "Tab"], ["Details read only text.", "Kest: 20\nDorv: 0\nOro: 0\nBexal: 0"]),
    ("OK", ["Tab", "space", "focus"], ["Brindlecast Match Maker!", "notification Question 1 of 20.", Q1]),
    ("New Test", ["ctrl+n", "until:File name", "type:episode2.QZT", "Return", "focus"],
     ["notification Question 1 of 20.", "Episode 2: the Festival of Kites begins!"]),
]
EDITOR = [
    ("editor", [], ["episode1.qzt - Quiz Editor frame."]),
    ("answer A of question 1", ["Tab"] * 6, ["Answer A: text.", "votes for Kest."]),
    ("Try it", ["ctrl+t"], ["Brindlecast Match Maker!", "notification Question 1 of 20.", Q1]),
]
ORCA_SETTINGS = {"general": {
    "firstStart": False, "enableSpeech": True, "speechServerFactory": None, "enableBraille": False,
    "enableSound": False, "enableKeyEcho": False, "enableEchoByCharacter": False, "enableEchoByWord": False,
    "enableMouseReview": False, "enableTutorialMessages": False, "presentToolTips": False,
    "speechVerbosityLevel": 1, "startingProfile": ["Default", "default"],
    "activeProfile": ["Default", "default"], "profile": ["Default", "default"]},
    "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}
MARK = "SCREENREADER_RUN"
processes = []


class Failure(Exception):
    pass


def bounded(what, condition, seconds):
    end = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > end:
            raise Failure("no %s within %d s" % (what, seconds))
        time.sleep(0.05)


def die_with_us():
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def start(name, argv, env, **more):
    with open(os.path.join(env[MARK], name + ".out"), "ab") as out:
        processes.append(subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                          stderr=subprocess.STDOUT, preexec_fn=die_with_us, **more))
    return processes[-1]


def printed_line(argv, env):
    """Starts a server that writes its address to a descriptor, and returns that address."""
    read, write = os.pipe()
    start(argv[0], [arg.replace("FD", str(write)) for arg in argv], env, pass_fds=(write,))
    os.close(write)
    # Read to the end of the line: Xvfb writes its newline apart, and ends if nobody reads it.
    line, end = b"", time.monotonic() + 20
    while not line.endswith(b"\n") and select.select([read], [], [], max(0, end - time.monotonic()))[0]:
        chunk = os.read(read, 4096)
        line += chunk
        if not chunk:
            break
    os.close(read)
    if not line.endswith(b"\n"):
        raise Failure("%s did not start" % argv[0])
    return line.decode().strip()


def session(tmp):
    env = {key: value for key, value in os.environ.items() if key not in (
        "GTK_A11Y", "NO_AT_BRIDGE", "QT_ACCESSIBILITY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    for name in ("XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"):
        env[name] = os.path.join(tmp, name.lower())
        os.mkdir(env[name], 0o700)
    env.update({MARK: tmp, "LANG": "C.UTF-8", "QT_QPA_PLATFORM": "xcb", "GSETTINGS_BACKEND": "memory",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "SCREENREADER_SPEECH_LOG": os.path.join(tmp, "speech")})
    env["DISPLAY"] = ":" + printed_line(["Xvfb", "-displayfd", "FD", "-screen", "0", "1280x1024x24", "-nolisten",
                                         "tcp", "-noreset"], env)
    env["DBUS_SESSION_BUS_ADDRESS"] = printed_line(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                                    "--address=unix:dir=" + tmp, "--print-address=FD"], env)
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.a11y.Bus.GetAddress"], env=env, stdout=subprocess.DEVNULL, check=True, timeout=20)
    settings = shutil.copytree(os.path.join(HERE, "orca-settings"), os.path.join(tmp, "orca"))
    with open(os.path.join(settings, "user-settings.conf"), "w", encoding="utf-8") as file:
        json.dump(ORCA_SETTINGS, file)
    start("orca", ["/usr/bin/python3", os.path.join(HERE, "orca_launch.py"), "-u", settings], env)
    bounded("Orca", lambda: "Screen reader on." in heard(env), 30)
    return env


def heard(env):
    try:
        with open(env["SCREENREADER_SPEECH_LOG"], encoding="utf-8") as log:
            return [json.loads(line) for line in log if line.endswith("\n")]
    except FileNotFoundError:
        return []


def said(lines, expected):
    found = 0
    for line in lines:
        found += found < len(expected) and line.startswith(expected[found])
    return found == len(expected)


def xdo(env, *argv):
    return subprocess.run(["xdotool", *argv], env=env, stdout=subprocess.PIPE, text=True, timeout=20).stdout.split()


def step(env, program, since, action):
    def windows():
        return xdo(env, "search", "--onlyvisible", "--pid", str(program.pid))
    if action == "focus":
        bounded("single window", lambda: len(windows()) == 1, 20)
        xdo(env, "windowfocus", "--sync", windows()[0])
    elif action == "click":
        xdo(env, "mousemove", "--window", windows()[0], "300", "300", "click", "3")
    elif action.startswith("until:"):
        bounded(action, lambda: said(heard(env)[since:], [action[6:]]), 20)
    elif action.startswith("type:"):
        xdo(env, "type", "--delay", "20", action[5:])
    else:
        xdo(env, "key", action)


def take(env, argv, data, rows):
    program = start("program", argv, env, cwd=data)
    bounded("window", lambda: xdo(env, "search", "--onlyvisible", "--pid", str(program.pid)), 20)
    xdo(env, "windowfocus", "--sync", xdo(env, "search", "--onlyvisible", "--pid", str(program.pid))[0])
    for what, actions, expected in rows:
        since = len(heard(env))
        for action in actions:
            step(env, program, since, action)
        try:
            bounded("%s: %s" % (what, expected), lambda: said(heard(env)[since:], expected), 20)
        finally:
            count, still = len(heard(env)), time.monotonic()  # what the row says to its end
            while time.monotonic() - still < 0.4:
                time.sleep(0.05)
                count, still = (count, still) if len(heard(env)) == count else (len(heard(env)), time.monotonic())
            print("%s: %s" % (what, json.dumps(heard(env)[since:], ensure_ascii=False)), flush=True)
    program.kill()
    program.wait()


def stop_all(tmp):
    for process in reversed(processes):
        process.terminate()
        try:
            process.wait(0.3)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    # What the session bus started for itself (the accessibility bus and its registry) carries
    # the mark in its environment; as the subreaper we reap it.
    end = time.monotonic() + 5
    while marked(tmp) and time.monotonic() < end:
        for pid in marked(tmp):
            os.kill(pid, signal.SIGKILL)
        time.sleep(0.05)
        reap()
    reap()
    shutil.rmtree(tmp, ignore_errors=True)


def marked(tmp):
    pids = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as environ:
                if ("%s=%s" % (MARK, tmp)).encode() in environ.read().split(b"\0") and int(pid) != os.getpid():
                    pids.append(int(pid))
        except OSError:
            pass
    return pids


def reap():
    try:
        while os.waitpid(-1, os.WNOHANG)[0]:
            pass
    except ChildProcessError:
        pass


def main(program, data):
    def stop(signum, frame):
        raise Failure("stopped by signal %d" % signum)
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP, signal.SIGALRM):
        signal.signal(signum, stop)
    signal.alarm(100)
    ctypes.CDLL("libc.so.6").prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: what we start stays ours to end
    tmp = tempfile.mkdtemp(prefix="screenreader-")
    try:
        env = session(tmp)
        program = os.path.abspath(program)
        take(env, [program], data, MAIN)
        take(env, [program, "--edit", "episode1.qzt"], data, EDITOR)
    except (Failure, OSError, subprocess.SubprocessError) as failure:
        print("FAIL:", failure)
        for name in ("Xvfb", "dbus-daemon", "orca", "program"):
            if os.path.exists(os.path.join(tmp, name + ".out")):
                with open(os.path.join(tmp, name + ".out"), errors="replace") as out:
                    print("%s said:\n%s" % (name, out.read()[-3000:]))
        return 1
    finally:
        signal.alarm(0)
        for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(signum, signal.SIG_IGN)
        stop_all(tmp)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
