#!/usr/bin/env python3
"""The recovery methods against every catalogue surface, matte and glossy: one table of the
renderer's own measures, for a lecture or a paper.

    python3 scripts/recovery_table.py [--renderer build/bin/gauss-sphere-render] [--grid 128]
                                      [--surfaces vase,cone] [--format md|csv]

Each row is one surface, law and method, run as
    gauss-sphere-render --surface S --surface-size GxG --slant 30 [--function blinn-phong]
                        [--light 30,90 --light 30,180 --light 30,270] --recover M
(the stereo methods under four lights, shape from shading under the first alone); its columns
are the report's lines. A run the renderer refuses is a row with its message, and the script
exits 1 once the table is written.
"""

import argparse
import csv
import subprocess
import sys

LAWS = [("matte", []), ("glossy", ["--function", "blinn-phong"])]
STEREO_LIGHTS = ["--light", "30,90", "--light", "30,180", "--light", "30,270"]
METHODS = [
    ("ps", True),
    ("ps-robust", True),
    ("ps-law", True),
    ("sfs-tsai-shah", False),
    ("sfs-horn", False),
]
MEASURES = [
    "mean_angular_error_deg",
    "median_angular_error_deg",
    "depth_rms_percent",
    "mean_depth_error",
    "mean_gradient_error",
    "recovered_pixels",
    "rejected_samples",
    "ambiguous_cells",
]


def catalogue(renderer):
    listed = subprocess.run([renderer, "--list-surfaces"], capture_output=True, text=True,
                            check=True).stdout
    return [line.split()[0] for line in listed.splitlines() if line.strip()]


def run_one(renderer, surface, law, method, stereo, grid):
    args = [renderer, "--surface", surface, "--surface-size", f"{grid}x{grid}", "--slant", "30"]
    args += law + (STEREO_LIGHTS if stereo else []) + ["--recover", method]
    done = subprocess.run(args, capture_output=True, text=True, timeout=600)
    if done.returncode != 0:
        return None, done.stderr.strip().splitlines()[0] if done.stderr.strip() else "failed"
    report = {}
    for line in done.stdout.splitlines():
        key, _, value = line.partition("=")
        report[key] = value
    return report, None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--renderer", default="build/bin/gauss-sphere-render")
    parser.add_argument("--grid", type=int, default=128)
    parser.add_argument("--surfaces", help="comma-separated; the whole catalogue by default")
    parser.add_argument("--format", choices=["md", "csv"], default="md")
    options = parser.parse_args()
    surfaces = options.surfaces.split(",") if options.surfaces else catalogue(options.renderer)
    header = ["surface", "law", "method"] + MEASURES
    rows, refused = [], 0
    for surface in surfaces:
        for law_name, law in LAWS:
            for method, stereo in METHODS:
                report, message = run_one(options.renderer, surface, law, method, stereo,
                                          options.grid)
                if report is None:
                    refused += 1
                    rows.append([surface, law_name, method, message] + [""] * (len(MEASURES) - 1))
                else:
                    rows.append([surface, law_name, method] + [report.get(m, "") for m in MEASURES])
    if options.format == "csv":
        writer = csv.writer(sys.stdout, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)
    else:
        print("| " + " | ".join(header) + " |")
        print("|" + "---|" * len(header))
        for row in rows:
            print("| " + " | ".join(cell.replace("|", "/") for cell in row) + " |")
    return 1 if refused else 0


if __name__ == "__main__":
    sys.exit(main())
