#!/usr/bin/env python3
"""scripts/recovery_table.py: every surface, law and method a row whose measures are the
renderer's own report, and a surface the renderer refuses a row with its message and exit 1
(never a table that looks complete)."""

import csv
import io
import subprocess
import sys

renderer, source = sys.argv[1], sys.argv[2]
script = f"{source}/scripts/recovery_table.py"


def table(surfaces):
    done = subprocess.run([sys.executable, script, "--renderer", renderer, "--grid", "16",
                           "--surfaces", surfaces, "--format", "csv"],
                          capture_output=True, text=True, timeout=120)
    return done.returncode, list(csv.DictReader(io.StringIO(done.stdout)))


status, rows = table("cone")
assert status == 0, status
assert len(rows) == 10, len(rows)
glossy_law = next(r for r in rows if r["law"] == "glossy" and r["method"] == "ps-law")
direct = subprocess.run([renderer, "--surface", "cone", "--surface-size", "16x16", "--slant", "30",
                         "--function", "blinn-phong", "--light", "30,90", "--light", "30,180",
                         "--light", "30,270", "--recover", "ps-law"],
                        capture_output=True, text=True, check=True).stdout
compared = 0
for line in direct.splitlines():
    key, _, value = line.partition("=")
    if key in glossy_law:
        assert glossy_law[key] == value, (key, glossy_law[key], value)
        compared += 1
assert compared >= 6, compared

status, rows = table("cone,nosuch")
assert status == 1, status
refused = [r for r in rows if r["surface"] == "nosuch"]
assert len(refused) == 10 and all("nosuch" in r["mean_angular_error_deg"] for r in refused), refused
print("ok")
