#!/usr/bin/env python3
"""Fails on any name that breaks the naming rule of .clang-tidy (readability-identifier-naming):
types and functions UpperCamel, members with a trailing underscore, locals lowerCamel, constants
kUpperCamel. Runs clang-tidy with that one check over each source of the project (src, tools,
bench, tests) once, and so over the project headers they include: the sources of one target up
to eight at a time, read as one unit that includes each (in halves when two clash).

Usage: check_naming.py ROOT BUILD [--no-cache] [--cache DIR] [--shard I/N]
--shard I/N checks the batches of eight I, I+N, I+2N... (I from 1), so that N tests of the suite
share the work; each then runs one clang-tidy at a time, the suite running them side by side.
Sources built with gcc's precompiled header are read with clang's own, made from the same header
once for all the targets that share its options (BUILD/naming-cache/pch).
The cache remembers each clean source; it is checked again only when its compile command or the
text of a file it reads outside the system headers (itself, a project or generated header)
changes, or a .clang-tidy file, clang-tidy's version or this script. It lies in the user's cache
folder (~/.cache/gauss-sphere/naming, or DIR), its entries naming the source and build folders
only relatively, so that every clone and build folder of the project shares it as ccache shares
compiled objects; an entry unused for 30 days is dropped. --no-cache checks them all."""
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
stamps = options[options.index('--cache') + 1] if '--cache' in options else os.path.join(
    os.environ.get('XDG_CACHE_HOME') or os.path.expanduser('~/.cache'), 'gauss-sphere', 'naming')
try:
    os.makedirs(stamps, exist_ok=True)
except OSError:  # no writable cache folder: the build folder's
    stamps = cache


def portable(text):
    """TEXT with the build and source folders named by marks, the same in every clone."""
    return text.replace(build, '@build').replace(root, '@root')


def local(text):
    return text.replace('@build', build).replace('@root', root)


def file_digest(path):
    """The digest of PATH's bytes; a file the build wrote is read with the folders replaced by
    marks, since CMake names them whole in some (the precompiled header's wrapper includes
    precompiled.h by its full path), and every clone's copy would otherwise differ."""
    try:
        with open(path, 'rb') as f:
            data = f.read()
    except OSError:
        return 'missing'
    if path.startswith(build + os.sep):
        data = data.replace(build.encode(), b'@build').replace(root.encode(), b'@root')
    return hashlib.sha256(data).hexdigest()


# The newest clang-tidy Debian gives (19 reads a source in about two thirds of 14's time).
tidy_program = os.path.realpath(shutil.which('clang-tidy-19') or shutil.which('clang-tidy'))
clang = os.path.join(os.path.dirname(tidy_program), 'clang++')
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
    key = hashlib.sha256(portable(text.decode()).encode() +
                         b''.join(file_digest(n.decode()).encode() for n in named) +
                         portable(key_flags).encode() + clang_version.encode()).hexdigest()[:32]
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


# One compile command per source, the first target's (a source may be compiled into more than one
# target).
units = {}
pch_commands = {}
with open(os.path.join(build, 'compile_commands.json')) as f:
    for entry in json.load(f):
        if re.match(project, entry['file']) and entry['file'] not in units:
            made = with_clang_pch(entry)
            if made:
                pch_commands[entry['file']] = made
            units[entry['file']] = entry

configs = [os.path.join(root, '.clang-tidy')] + sorted(
    glob.glob(os.path.join(root, '*', '**', '.clang-tidy'), recursive=True))
version = subprocess.run([tidy_program, '--version'], capture_output=True, text=True).stdout
salt = version + ''.join(
    portable(p) + file_digest(p) for p in configs + [os.path.realpath(__file__)])


def stamp_of(entry):
    key = salt + portable(entry['directory'] + ' ' + entry['command'])
    return os.path.join(stamps, hashlib.sha256(key.encode()).hexdigest())


def is_kept(entry):
    """True when the cache holds ENTRY's source clean and no file that check read has changed."""
    stamp = stamp_of(entry)
    if not use_cache or not os.path.exists(stamp):
        return False
    with open(stamp) as f:
        kept = [line.split(' ', 1) for line in f.read().splitlines()]
    if kept and all(file_digest(local(path)) == sha for sha, path in kept):
        os.utime(stamp)
        return True
    return False


def arguments_of(entry):
    """ENTRY's compile options alone: no compiler, no output, no source."""
    words = shlex.split(entry['command'])[1:]
    dropped = {i + 1 for i, word in enumerate(words) if word in ('-o', '-c')}
    return [word for i, word in enumerate(words)
            if i not in dropped and word not in ('-o', '-c')]


def tidy(entries):
    """Runs clang-tidy once over ENTRIES (sources of one target, compiled alike), read together as
    one unit that includes each, so that the headers they share are parsed once; keeps each source
    clean in the cache when the run is. Returns the report and whether clang could read the unit
    (sources that clash read together, as two helpers of one name, cannot be)."""
    first = entries[0]
    name = hashlib.sha256(''.join(e['file'] for e in entries).encode()).hexdigest()[:24]
    unit = os.path.join(cache, name + '.cpp')
    if len(entries) == 1:
        unit = first['file']
    else:
        with open(unit, 'w') as f:
            f.write(''.join(f'#include "{e["file"]}"\n' for e in entries))
    # -w: the compiler's warnings are not this check's, and gcc's own options (-Wno-restrict) would
    # be errors under -Werror. -MMD lists the files this very parse read, system headers left out.
    depfile = os.path.join(cache, f'{name}.{os.getpid()}.d')
    start = time.time_ns()
    command = [tidy_program, '--quiet', '--header-filter=' + project,
               '--checks=-*,readability-identifier-naming', unit, '--'] + arguments_of(first) + [
               '-w', '-Wp,-MMD,' + depfile]
    pch = pch_commands.get(first['file'])
    if pch:
        make_pch(*pch)
    run = subprocess.run(command, capture_output=True, text=True, cwd=first['directory'])
    # A header it was made from changed since (a system header, after an upgrade): made again.
    if pch and 'precompiled header' in run.stdout + run.stderr:
        make_pch(*pch, stale=True)
        run = subprocess.run(command, capture_output=True, text=True, cwd=first['directory'])
    report = run.stdout
    read = run.returncode == 0 or not re.search('error: ', report)
    if run.returncode != 0 and 'error:' not in report:
        report += f"{first['file']}: error: clang-tidy failed\n{run.stderr}"
    try:
        with open(depfile) as f:
            deps = [os.path.normpath(os.path.join(first['directory'], d))
                    for d in f.read().replace('\\\n', ' ').split(':', 1)[1].split()]
        os.remove(depfile)
    except (OSError, IndexError):
        deps = []
    sources = {e['file'] for e in entries}
    # Kept only when clean, and when no file it read was written while clang-tidy ran; a source
    # depends on what the unit read, less the unit and the other sources.
    if deps and run.returncode == 0 and not re.search('(warning|error): ', report) and all(
            os.path.exists(d) and os.stat(d).st_mtime_ns < start for d in deps):
        for entry in entries:
            own = [d for d in deps if d != unit and (d == entry['file'] or d not in sources)]
            stamp = stamp_of(entry)
            with open(stamp + f'.{os.getpid()}', 'w') as f:
                f.write(''.join(f'{file_digest(d)} {portable(d)}\n' for d in own))
            os.replace(stamp + f'.{os.getpid()}', stamp)
    if unit != first['file']:
        os.remove(unit)
    return report, read


def check_together(entries):
    """Returns clang-tidy's report on ENTRIES read as one unit, or as two halves (and so on) when
    clang cannot read them together."""
    report, read = tidy(entries)
    if read or len(entries) == 1:
        return report
    half = len(entries) // 2
    return check_together(entries[:half]) + check_together(entries[half:])


def check(batch):
    """Returns clang-tidy's report on the sources of BATCH the cache does not hold clean, and how
    many it holds clean."""
    left = [entry for entry in batch if not is_kept(entry)]
    return check_together(left) if left else '', len(batch) - len(left)


# The sources in batches of up to 8 compiled alike (one target's, in the order of their paths),
# shared among the shards batch by batch.
batches = []
alike = {}
for path in sorted(units):
    entry = units[path]
    key = (entry['directory'], ' '.join(arguments_of(entry)))
    if key not in alike or len(alike[key]) == 8:
        alike[key] = []
        batches.append(alike[key])
    alike[key].append(entry)
mine = batches[shard - 1::shards]
with ThreadPoolExecutor(len(os.sched_getaffinity(0)) if shards == 1 else 1) as pool:
    reports = list(pool.map(check, mine))


def drop_all_but(pattern, kept):
    for path in set(glob.glob(pattern)) - kept:
        try:
            os.remove(path)
        except FileNotFoundError:  # another shard dropped it first
            pass


# Stamps unused for 30 days are dropped (other clones' and branches' stay meanwhile), and
# precompiled headers no source reads any more (every shard knows them all).
month_ago = time.time() - 30 * 24 * 3600
for path in glob.glob(os.path.join(stamps, '[0-9a-f]' * 64)):
    try:
        if os.stat(path).st_mtime < month_ago:
            os.remove(path)
    except FileNotFoundError:  # another shard dropped it first
        pass
drop_all_but(os.path.join(pch_folder, '*.pch'), {made[0] for made in pch_commands.values()})
# A name in a header is reported by every source that includes it: each is shown once.
lines = '\n'.join(report for report, _ in reports).splitlines()
found = {'\n'.join(lines[i:i + 3]) for i, line in enumerate(lines)
         if re.search('(^|: )(warning|error): ', line)}
if found:
    print('\n'.join(sorted(found)))
    print(f'naming: {len(found)} names break the rule, or sources clang-tidy could not read')
    sys.exit(1)
print(f'naming: {sum(map(len, mine))} sources clean, {sum(kept for _, kept in reports)} unchanged '
      'since a clean check')
