#!/usr/bin/env python3
"""Fails on any name that breaks the naming rule of .clang-tidy (readability-identifier-naming):
types and functions UpperCamel, members with a trailing underscore, locals lowerCamel, constants
kUpperCamel. Runs clang-tidy with that one check, one source per core at a time, over each source
of the project (src, tools, bench, tests) once, and so over the project headers they include.

Usage: check_naming.py ROOT BUILD [--no-cache] [--shard I/N]
--shard I/N checks the sources I, I+N, I+2N... of the sorted list (I from 1), so that N tests of
the suite share the work; each then runs one clang-tidy at a time, the suite running them side by
side.
Sources built with gcc's precompiled header are read with clang's own, made from the same header
once for all the targets that share its options (BUILD/naming-cache/pch).
BUILD/naming-cache remembers each clean source; it is checked again only when its compile command
or the text of a file it reads outside the system headers (itself, a project or generated header)
changes, or a .clang-tidy file, clang-tidy's version or this script. --no-cache checks them all."""
import fcntl, glob, hashlib, json, os, re, shlex, shutil, subprocess, sys, time
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


# The newest clang-tidy Debian gives (19 reads a source in about two thirds of 14's time).
tidy = os.path.realpath(shutil.which('clang-tidy-19') or shutil.which('clang-tidy'))
clang = os.path.join(os.path.dirname(tidy), 'clang++')
clang_version = subprocess.run([clang, '--version'], capture_output=True, text=True).stdout
pch_folder = os.path.join(cache, 'pch')
os.makedirs(pch_folder, exist_ok=True)


def with_clang_pch(entry):
    """Gives ENTRY's command clang's own precompiled header in place of gcc's (which clang cannot
    read), made from the same header; sources of targets with the same definitions and options
    share it, so that the Qt and standard headers are parsed once for them all. Returns the header
    and the command that makes it, or None for a source built without one."""
    command = re.sub(r' -Winvalid-pch', '', entry['command'])
    found = re.search(r' -include (\S*cmake_pch\.hxx)', command)
    if not found:
        entry['command'] = command
        return None
    header = found.group(1)
    compiler, rest = command.replace(found.group(0), '').split(' ', 1)
    flags = re.sub(r' -o \S+| -c \S+', '', ' ' + rest).strip()
    # Include folders left out of the key: the header's includes are found in the same places.
    key_flags = re.sub(r' (-I|-isystem) ?\S+', '', ' ' + flags)
    # Keyed by the texts of the header and of the project's headers it names (a change there makes
    # a new one), by the options, and by clang.
    with open(header, 'rb') as f:
        text = f.read()
    named = re.findall(rb'#include "([^"]+)"', text)
    key = hashlib.sha256(text + b''.join(file_digest(n.decode()).encode() for n in named) +
                         key_flags.encode() + clang_version.encode()).hexdigest()[:32]
    pch = os.path.join(pch_folder, key + '.pch')
    entry['command'] = f'{compiler} -include-pch {pch} {rest}'
    return pch, [clang] + shlex.split(flags) + ['-w', '-x', 'c++-header', header, '-o', pch]


def make_pch(pch, command, stale=False):
    """Makes the precompiled header PCH once (again when STALE, unless another shard has just
    made it): the shards running side by side wait for the one making it. A header clang cannot
    make is not an error here: the sources then fail to parse and say why."""
    with open(pch + '.lock', 'w') as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if stale and os.path.exists(pch) and os.stat(pch).st_mtime < time.time() - 60:
            os.remove(pch)
        if not os.path.exists(pch):
            made = subprocess.run(command[:-1] + [pch + '.new'], capture_output=True, text=True)
            if made.returncode == 0:
                os.replace(pch + '.new', pch)
            else:
                sys.stderr.write(made.stderr)


# One compile command per source, the first target's: clang-tidy runs every command a database
# holds for a file, and a source may be compiled into more than one target.
units = {}
pch_commands = {}
with open(os.path.join(build, 'compile_commands.json')) as f:
    for entry in json.load(f):
        if re.match(project, entry['file']) and entry['file'] not in units:
            made = with_clang_pch(entry)
            if made:
                pch_commands[entry['file']] = made
            units[entry['file']] = entry
# Written whole and renamed into place: the shards write the same database side by side.
database = os.path.join(cache, f'compile_commands.json.{os.getpid()}')
with open(database, 'w') as f:
    json.dump(list(units.values()), f)
os.replace(database, os.path.join(cache, 'compile_commands.json'))

configs = [os.path.join(root, '.clang-tidy')] + sorted(
    glob.glob(os.path.join(root, '*', '**', '.clang-tidy'), recursive=True))
version = subprocess.run([tidy, '--version'], capture_output=True, text=True).stdout
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
    tidy_command = [tidy, '-p', cache, '--quiet', '--header-filter=' + project,
                    '--checks=-*,readability-identifier-naming', '--extra-arg=-w',
                    '--extra-arg=-Wp,-MMD,' + depfile, entry['file']]
    pch = pch_commands.get(entry['file'])
    if pch:
        make_pch(*pch)
    run = subprocess.run(tidy_command, capture_output=True, text=True)
    # A header it was made from changed since (a system header, after an upgrade): made again.
    if pch and 'precompiled header' in run.stdout + run.stderr:
        make_pch(*pch, stale=True)
        run = subprocess.run(tidy_command, capture_output=True, text=True)
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


def drop_all_but(pattern, kept):
    for path in set(glob.glob(pattern)) - kept:
        try:
            os.remove(path)
        except FileNotFoundError:  # another shard dropped it first
            pass


# Stamps of commands, scripts or configurations gone are dropped, and precompiled headers no
# source reads any more (every shard knows them all).
drop_all_but(os.path.join(cache, '[0-9a-f]' * 64), {stamp_of(entry) for entry in units.values()})
drop_all_but(os.path.join(pch_folder, '*.pch'), {made[0] for made in pch_commands.values()})
# A name in a header is reported by every source that includes it: each is shown once.
lines = '\n'.join(filter(None, reports)).splitlines()
found = {'\n'.join(lines[i:i + 3]) for i, line in enumerate(lines)
         if re.search('(^|: )(warning|error): ', line)}
if found:
    print('\n'.join(sorted(found)))
    print(f'naming: {len(found)} names break the rule, or sources clang-tidy could not read')
    sys.exit(1)
print(f'naming: {len(mine)} sources clean, {reports.count(None)} unchanged since a clean check')
