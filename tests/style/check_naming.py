#!/usr/bin/env python3
"""Fails on any name that breaks the naming rule of .clang-tidy (readability-identifier-naming):
types and functions UpperCamel, members with a trailing underscore, locals lowerCamel, constants
kUpperCamel. Runs clang-tidy with that one check, one source per core at a time, over each source
of the project (src, tools, bench, tests) once, and so over the project headers they include.

Usage: check_naming.py ROOT BUILD [--no-cache] [--shard I/N]
--shard I/N checks the sources I, I+N, I+2N... of the sorted list (I from 1), so that N tests of
the suite share the work; each then runs one clang-tidy at a time, the suite running them side by
side.
BUILD/naming-cache remembers each clean source; it is checked again only when its compile command
or the text of a file it reads outside the system headers (itself, a project or generated header)
changes, or a .clang-tidy file, clang-tidy's version or this script. --no-cache checks them all."""
import glob, hashlib, json, os, re, subprocess, sys, time
from concurrent.futures import ThreadPoolExecutor

root, build = (os.path.realpath(p) for p in sys.argv[1:3])
options = sys.argv[3:]
use_cache = '--no-cache' not in options
shard, shards = (int(n) for n in options[options.index('--shard') + 1].split('/')) \
    if '--shard' in options else (1, 1)
project = '^' + re.escape(root) + '/(src|tools|bench|tests)/'
cache = os.path.join(build, 'naming-cache')
os.makedirs(cache, exist_ok=True)


def file_digest(path):
    try:
        with open(path, 'rb') as f:
            return hashlib.sha256(f.read()).hexdigest()
    except OSError:
        return 'missing'


# One compile command per source, the first target's: clang-tidy runs every command a database
# holds for a file, and a source may be compiled into more than one target.
# The precompiled header is left out: clang cannot read gcc's, and without it a source that
# misses an include of its own fails here.
units = {}
with open(os.path.join(build, 'compile_commands.json')) as f:
    for entry in json.load(f):
        if re.match(project, entry['file']):
            entry['command'] = re.sub(r' -include \S*cmake_pch\.hxx| -Winvalid-pch', '',
                                      entry['command'])
            units.setdefault(entry['file'], entry)
# Written whole and renamed into place: the shards write the same database side by side.
database = os.path.join(cache, f'compile_commands.json.{os.getpid()}')
with open(database, 'w') as f:
    json.dump(list(units.values()), f)
os.replace(database, os.path.join(cache, 'compile_commands.json'))

configs = [os.path.join(root, '.clang-tidy')] + sorted(
    glob.glob(os.path.join(root, '*', '**', '.clang-tidy'), recursive=True))
version = subprocess.run(['clang-tidy', '--version'], capture_output=True, text=True).stdout
salt = version + ''.join(p + file_digest(p) for p in configs + [os.path.realpath(__file__)])


def stamp_of(entry):
    key = salt + entry['directory'] + entry['command']
    return os.path.join(cache, hashlib.sha256(key.encode()).hexdigest())


def check(entry):
    """Returns clang-tidy's report on ENTRY's source, or None when the cache holds it clean."""
    stamp = stamp_of(entry)
    if use_cache and os.path.exists(stamp):
        with open(stamp) as f:
            kept = [line.split(' ', 1) for line in f.read().splitlines()]
        if kept and all(file_digest(path) == sha for sha, path in kept):
            return None
    # -w: the compiler's warnings are not this check's, and gcc's own options (-Wno-restrict) would
    # be errors under -Werror. -MMD lists the files this very parse read, system headers left out.
    depfile = stamp + '.d'
    start = time.time_ns()
    run = subprocess.run(['clang-tidy', '-p', cache, '--quiet', '--header-filter=' + project,
                          '--checks=-*,readability-identifier-naming', '--extra-arg=-w',
                          '--extra-arg=-Wp,-MMD,' + depfile, entry['file']],
                         capture_output=True, text=True)
    report = run.stdout
    if run.returncode != 0 and 'error:' not in report:
        report += f"{entry['file']}: error: clang-tidy failed\n{run.stderr}"
    try:
        with open(depfile) as f:
            deps = [os.path.join(entry['directory'], d)
                    for d in f.read().replace('\\\n', ' ').split(':', 1)[1].split()]
        os.remove(depfile)
    except (OSError, IndexError):
        deps = []
    # Kept only when clean, and when no file it read was written while clang-tidy ran.
    if deps and run.returncode == 0 and not re.search('(warning|error): ', report) and all(
            os.path.exists(d) and os.stat(d).st_mtime_ns < start for d in deps):
        with open(stamp + '.new', 'w') as f:
            f.write(''.join(f'{file_digest(d)} {d}\n' for d in deps))
        os.replace(stamp + '.new', stamp)
    return report


mine = [units[path] for path in sorted(units)][shard - 1::shards]
with ThreadPoolExecutor(len(os.sched_getaffinity(0)) if shards == 1 else 1) as pool:
    reports = list(pool.map(check, mine))
# Stamps of commands, scripts or configurations gone are dropped (every shard knows them all).
current = {stamp_of(entry) for entry in units.values()}
for path in set(glob.glob(os.path.join(cache, '[0-9a-f]' * 64))) - current:
    try:
        os.remove(path)
    except FileNotFoundError:  # another shard dropped it first
        pass
# A name in a header is reported by every source that includes it: each is shown once.
lines = '\n'.join(filter(None, reports)).splitlines()
found = {'\n'.join(lines[i:i + 3]) for i, line in enumerate(lines)
         if re.search('(^|: )(warning|error): ', line)}
if found:
    print('\n'.join(sorted(found)))
    print(f'naming: {len(found)} names break the rule, or sources clang-tidy could not read')
    sys.exit(1)
print(f'naming: {len(mine)} sources clean, {reports.count(None)} unchanged since a clean check')
