"""Which test programs a source file reaches, from the build folder itself: the compilers'
dependency files (or Ninja's record of them) say which targets compile the file (a header through every source that
includes it), CMake's graph which targets link those, and CTest's own listing how each test of
those programs is run (a GoogleTest program once whole, instead of once a case)."""
import collections
import dataclasses
import json
import os
import pathlib
import re
import subprocess
import tempfile

TARGET_DIR = re.compile(r"CMakeFiles/([^/]+)\.dir/")


@dataclasses.dataclass(frozen=True)
class TestRun:
    command: tuple
    env: dict
    cwd: str
    timeout: float


def compiled_by(build):
    """{absolute source or header path: targets whose objects depend on it}: from Ninja's own
    record of each object's dependencies in a Ninja build (Ninja reads the compiler's dependency
    files and deletes them), else from the dependency file beside each object (relative paths are
    from the folder it compiled in)."""
    users = collections.defaultdict(set)
    if (build / "build.ninja").exists():
        shown = subprocess.run(["ninja", "-C", str(build), "-t", "deps"], check=True,
                               capture_output=True, text=True).stdout
        target = None
        for line in shown.splitlines():
            if line and not line[0].isspace():
                found = TARGET_DIR.search(line.split(":", 1)[0])
                target = found.group(1) if found else None
            elif target and line.strip().endswith((".cpp", ".h")):
                users[os.path.realpath(os.path.join(build, line.strip()))].add(target)
        return users
    for depend in build.glob("**/CMakeFiles/*.dir/**/*.o.d"):
        text = str(depend)
        target = TARGET_DIR.search(text).group(1)
        compiled_in = text[:text.index("/CMakeFiles/")]
        for word in depend.read_text(errors="replace").split():
            word = word.rstrip(":\\")
            if word.endswith((".cpp", ".h")):
                users[os.path.realpath(os.path.join(compiled_in, word))].add(target)
    return users


def link_graph(build):
    """{target: targets it links, directly}, from CMake's graphviz output."""
    with tempfile.TemporaryDirectory() as folder:
        dot = pathlib.Path(folder) / "graph.dot"
        subprocess.run(["cmake", f"--graphviz={dot}", "."], cwd=build, check=True,
                       capture_output=True)
        text = dot.read_text()
    names = dict(re.findall(r'"(node\d+)" \[ label = "([^"]+)"', text))
    links = collections.defaultdict(set)
    for user, used in re.findall(r'"(node\d+)" -> "(node\d+)"', text):
        links[names[user]].add(names[used])
    return links, set(names.values())


# Checks of the whole tree or of an installation, which no single mutant is worth their time.
SKIPPED_LABELS = {"style", "install"}


def listed_tests(build):
    """CTest's tests: (command, environment, working folder, timeout) each."""
    shown = subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"], check=True,
                           capture_output=True, text=True).stdout
    for test in json.loads(shown)["tests"]:
        if "command" not in test:
            continue
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        if SKIPPED_LABELS & set(properties.get("LABELS", [])):
            continue
        env = dict(os.environ)
        for pair in properties.get("ENVIRONMENT", []):
            key, _, value = pair.partition("=")
            env[key] = value
        yield (test["command"], env, properties.get("WORKING_DIRECTORY", str(build)),
               float(properties.get("TIMEOUT", 1500)))


class Plan:
    """The test programs to rebuild and run for a mutated file."""

    def __init__(self, build):
        self.build = build
        self.users = compiled_by(build)
        self.links, targets = link_graph(build)
        # Each test run, under the targets it runs: its program, and any program a script runs.
        self.runs = collections.defaultdict(set)
        for command, env, cwd, timeout in listed_tests(build):
            kept = tuple(a for a in command if not a.startswith("--gtest_filter")
                         and a != "--gtest_also_run_disabled_tests")
            named = {pathlib.Path(a).name for a in command} & targets
            run = TestRun(kept, tuple(sorted(env.items())), cwd, timeout)
            for target in named:
                self.runs[target].add(run)

    def reaches(self, program, targets):
        seen, todo = set(), [program]
        while todo:
            current = todo.pop()
            if current in targets:
                return True
            if current not in seen:
                seen.add(current)
                todo.extend(self.links.get(current, ()))
        return False

    def targets_for(self, path):
        """The test programs that compile or link the file, sorted."""
        owners = self.users.get(os.path.realpath(path), set())
        return sorted(t for t in self.runs if owners and self.reaches(t, owners))

    def tests_for(self, targets):
        runs = {run for target in targets for run in self.runs[target]}
        for run in sorted(runs, key=lambda r: r.command):
            yield TestRun(list(run.command), dict(run.env), run.cwd, run.timeout)
