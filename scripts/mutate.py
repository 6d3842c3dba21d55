#!/usr/bin/env python3
"""Mutation testing: do the tests catch a plausible fault planted on the lines given?

Plants one textual mutant at a time (a comparison or arithmetic operator changed, a constant
moved by one, a condition negated, true and false swapped, two arguments swapped, a statement or
a return dropped), rebuilds only the test programs that link the mutated file, runs their tests
with a timeout, and puts the file back. Prints each mutant as killed, survived, timeout (counted
as killed) or stillborn (does not build: not counted), then the rate killed / (killed + survived).

usage: mutate.py [--build DIR] [--range REV..REV | FILE[:FIRST-LAST]...]
                 [--max N] [--seed S] [--timeout SEC] [--equivalent FILE] [--list]

--range takes the lines a git range adds; FILE alone takes all its lines. --equivalent names
mutants (their ids, one a line, # comments) judged equivalent: they are set aside and counted.
The tree is left as it was even when the run is interrupted: the original of the file being
mutated is kept in DIR/mutate-backup and put back on any exit, and on the next start if a run
was killed outright."""
import argparse
import os
import pathlib
import random
import signal
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from mutate_lib import coverage, mutants  # noqa: E402  (beside this script)


class Interrupted(Exception):
    pass


def on_signal(number, _frame):
    raise Interrupted(signal.Signals(number).name)


class Backup:
    """The original bytes of the file under mutation, in memory and on disk until restored."""

    def __init__(self, build):
        self.folder = build / "mutate-backup"
        self.folder.mkdir(parents=True, exist_ok=True)
        self.record = self.folder / "path"
        self.saved = self.folder / "original"

    def restore_leftover(self):
        if self.record.exists() and self.saved.exists():
            target = pathlib.Path(self.record.read_text())
            target.write_bytes(self.saved.read_bytes())
            print(f"restored {target} from an interrupted run", file=sys.stderr)
        self.clear()

    def keep(self, path, original):
        self.saved.write_bytes(original)
        self.record.write_text(str(path))

    def clear(self):
        for f in (self.record, self.saved):
            if f.exists():
                f.unlink()


def run(command, timeout, env=None, cwd=None):
    """(status, timed_out) of a command, its whole process group killed at the timeout."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               env=env, cwd=cwd, start_new_session=True)
    try:
        return process.wait(timeout=timeout), False
    except subprocess.TimeoutExpired:
        return None, True
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def judge(mutant, plan, build, timeout):
    """killed, survived, timeout or stillborn."""
    targets = plan.targets_for(mutant.path)
    if not targets:
        return "uncovered"
    status, _ = run(["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2), "--target",
                     *targets], timeout=1800)
    if status != 0:
        return "stillborn"
    for test in plan.tests_for(targets):
        status, timed_out = run(test.command, timeout=min(timeout, test.timeout), env=test.env,
                                cwd=test.cwd)
        if timed_out:
            return "timeout"
        if status != 0:
            return "killed"
    return "survived"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build", type=pathlib.Path)
    parser.add_argument("--range")
    parser.add_argument("--max", type=int, default=0, help="at most N mutants, chosen by --seed")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeout", type=float, default=300.0, help="seconds a test program")
    parser.add_argument("--equivalent", type=pathlib.Path)
    parser.add_argument("--list", action="store_true", help="print the mutants, run nothing")
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()
    root = pathlib.Path(subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True,
                                       capture_output=True, text=True).stdout.strip())
    build = args.build.resolve()
    backup = Backup(build)
    backup.restore_leftover()

    lines = mutants.lines_of_range(root, args.range) if args.range else {}
    for spec in args.files:
        path, _, span = spec.partition(":")
        path = (pathlib.Path.cwd() / path).resolve()
        first, _, last = span.partition("-")
        if not first:
            lines[path] = None  # every line
        elif lines.get(path, set()) is not None:
            lines[path] = lines.get(path, set()) | set(range(int(first), int(last or first) + 1))
    candidates = [m for path, wanted in sorted(lines.items())
                  for m in mutants.mutants_of(path, wanted)]
    if args.max and len(candidates) > args.max:
        candidates = sorted(random.Random(args.seed).sample(candidates, args.max),
                            key=lambda m: (str(m.path), m.line, m.column, m.kind))
    equivalent = set()
    if args.equivalent:
        equivalent = {line.split("#")[0].strip() for line in args.equivalent.read_text().splitlines()}
    if args.list:
        for m in candidates:
            print(m.id(root), m.describe())
        return 0

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)
    plan = coverage.Plan(build)
    counts = {}
    try:
        for m in candidates:
            ident = m.id(root)
            if ident in equivalent:
                verdict = "equivalent"
            else:
                original = m.path.read_bytes()
                backup.keep(m.path, original)
                try:
                    m.path.write_bytes(m.apply(original))
                    started = time.monotonic()
                    verdict = judge(m, plan, build, args.timeout)
                finally:
                    # No signal may cut the file's restoring short.
                    held = signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM})
                    m.path.write_bytes(original)
                    backup.clear()
                    signal.pthread_sigmask(signal.SIG_SETMASK, held)
                print(f"{verdict:10} {ident} {m.describe()} ({time.monotonic() - started:.0f} s)",
                      flush=True)
            counts[verdict] = counts.get(verdict, 0) + 1
    except Interrupted as stop:
        print(f"interrupted ({stop}); the file is back as it was", file=sys.stderr)
        return 130
    killed = counts.get("killed", 0) + counts.get("timeout", 0)
    judged = killed + counts.get("survived", 0)
    summary = ", ".join(f"{k} {v}" for k, v in sorted(counts.items()))
    rate = f"{100.0 * killed / judged:.0f}%" if judged else "no mutant judged"
    print(f"mutants: {len(candidates)} ({summary}); killed {killed} of {judged}: {rate}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
