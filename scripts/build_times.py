#!/usr/bin/env python3
"""Prints where a build folder's time went: the slowest steps of its last build (Ninja's log, the
newest entry of each output) and the slowest tests of its last test run (CTest's cost data), with
the sum of each, so that a slow step or test can be found after `scripts/test.sh`.

Usage: build_times.py BUILD [COUNT]   (COUNT of each, 20 by default)"""
import os
import sys

build = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 20

steps = {}
try:
    with open(os.path.join(build, '.ninja_log')) as log:
        for line in log:
            fields = line.rstrip('\n').split('\t')
            if len(fields) == 5 and fields[0].isdigit():
                # A later line for the same output is a later build of it.
                steps[fields[3]] = (int(fields[1]) - int(fields[0])) / 1000
except OSError:
    print(f'{build}: no Ninja log (not built with Ninja)')
if steps:
    print(f'build steps: {len(steps)}, {sum(steps.values()):.0f} s in all (each its wall time)')
    for output, seconds in sorted(steps.items(), key=lambda s: -s[1])[:count]:
        print(f'  {seconds:7.1f} s  {output}')

tests = {}
try:
    with open(os.path.join(build, 'Testing', 'Temporary', 'CTestCostData.txt')) as data:
        for line in data:
            fields = line.split()
            if line.startswith('---'):
                break
            if len(fields) == 3:
                tests[fields[0]] = float(fields[2])
except OSError:
    print(f'{build}: no test run recorded')
if tests:
    print(f'tests: {len(tests)}, {sum(tests.values()):.0f} s in all (their mean times)')
    for name, seconds in sorted(tests.items(), key=lambda t: -t[1])[:count]:
        print(f'  {seconds:7.1f} s  {name}')
