#!/usr/bin/env python3
"""The mutation script on a tiny project whose test never reaches the clamp's upper bound: a
mutant of that bound survives and one of the lower bound is killed; a run interrupted while a
mutant is in place, or killed outright and started again, leaves `git status` clean.

usage: mutate_test.py SOURCE_DIR"""
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def git(folder, *args):
    return subprocess.run(["git", *args], cwd=folder, check=True, capture_output=True,
                          text=True).stdout


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    script = root / "scripts/mutate.py"
    failures = []
    # The builds a killed run leaves behind are killed with it (below); whatever one of them still
    # writes while the folder goes is no failure of the script.
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as folder:
        tree = pathlib.Path(folder) / "tree"
        shutil.copytree(root / "tests/style/mutate/fixture", tree)
        git(tree, "init", "-q")
        git(tree, "add", ".")
        git(tree, "-c", "user.name=t", "-c", "user.email=t@t", "commit", "-qm", "fixture")
        build = tree / "build"
        # Ninja, as the README's builds are: it keeps the compiler's dependency files to itself.
        subprocess.run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja"], check=True,
                       capture_output=True)
        subprocess.run(["cmake", "--build", str(build)], check=True, capture_output=True)
        clamp = tree / "clamp.cpp"

        # Line 8 returns the upper bound, which the weak test never reaches; line 5 the lower one.
        run = subprocess.run([sys.executable, str(script), "--build", str(build),
                              f"{clamp}:5", f"{clamp}:8"], cwd=tree, capture_output=True,
                             text=True)
        verdicts = {}
        for row in run.stdout.splitlines():
            words = row.split()
            if len(words) > 1 and words[1].startswith("clamp.cpp:"):
                verdicts[words[1]] = words[0]
        if verdicts.get("clamp.cpp:8:4:dropped-return") != "survived":
            failures.append(f"upper bound's mutant not a survivor: {run.stdout}{run.stderr}")
        if verdicts.get("clamp.cpp:5:4:dropped-return") != "killed":
            failures.append(f"lower bound's mutant not killed: {run.stdout}{run.stderr}")

        original = clamp.read_bytes()
        for stop in (signal.SIGINT, signal.SIGKILL):
            process = subprocess.Popen([sys.executable, str(script), "--build", str(build),
                                        f"{clamp}:5"], cwd=tree, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
            deadline = time.monotonic() + 50
            while clamp.read_bytes() == original and time.monotonic() < deadline:
                time.sleep(0.01)
            process.send_signal(stop)
            process.wait(timeout=50)
            try:  # its build or test run, orphaned by SIGKILL
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            if stop == signal.SIGKILL:
                # Killed outright: the next start puts the file back before anything else.
                subprocess.run([sys.executable, str(script), "--build", str(build), "--list",
                                f"{clamp}:5"], cwd=tree, capture_output=True, check=True)
            status = git(tree, "status", "--porcelain", "--untracked-files=no")
            if status or clamp.read_bytes() != original:
                failures.append(f"{stop.name} left the tree changed: {status}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
