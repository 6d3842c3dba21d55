#!/usr/bin/env python3
"""Photometric stereo lab with the gauss_sphere module.

1. The vase of the surface catalogue, imaged under three sources (slant 30 degrees, tilts 0, 120
   and 240), recovered by Woodham's photometric stereo and integrated three ways; the error
   figures against the true vase, as the renderer prints them.
2. The same three images written as photographs by the renderer (gauss-sphere-render, found on
   PATH or named by GAUSS_SPHERE_RENDER) into a temporary folder with their light directions,
   and recovered from that folder as from one's own photographs: at once, then step by step
   (the folder read, the stereo, the integration).

Run it with the module importable (PYTHONPATH=build/python, or after cmake --install).
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

import numpy as np

import gauss_sphere as gs

SIDE = 96
SLANT = 30.0
TILTS = [0.0, 120.0, 240.0]  # the first is the described source (slant=), tilt 0


def direction(slant, tilt):
    """The unit vector towards a source: x right, y up, z towards the camera."""
    s, t = math.radians(slant), math.radians(tilt)
    return (-math.sin(s) * math.sin(t), math.sin(s) * math.cos(t), math.cos(s))


def catalogue_vase():
    print("== The catalogue's vase, three sources at slant 30 ==")
    lights = [(SLANT, tilt) for tilt in TILTS[1:]]
    for integrator in ("fc", "dct", "poisson"):
        result = gs.recover("ps", integrator, surface="vase", surface_size=(SIDE, SIDE),
                            slant=SLANT, lights=lights)
        figures = dict(line.split("=") for line in result["report"].split())
        print(f"{integrator:8s} mean angular error {float(figures['mean_angular_error_deg']):.3f} deg,"
              f" depth RMS {float(figures['depth_rms']):.3f}")
        assert float(figures["mean_angular_error_deg"]) < 1.0, result["report"]
    albedo = result["albedo"]
    print(f"albedo over the recovered cells: {np.nanmean(albedo):.3f} (1 for the catalogue)")


def photographs(renderer):
    print("== The same images as photographs written by the renderer ==")
    with tempfile.TemporaryDirectory() as folder:
        names = []
        extra = [arg for tilt in TILTS[1:] for arg in ("--light", f"{SLANT},{tilt}")]
        for k in range(len(TILTS)):
            name = f"image_{k + 1}.png"
            subprocess.run([renderer, "--surface", "vase", "--surface-size", f"{SIDE}x{SIDE}",
                            "--slant", str(SLANT), *extra, "--source", str(k + 1), "--plain",
                            "-o", os.path.join(folder, name)], check=True, timeout=60)
            names.append(name)
        with open(os.path.join(folder, "filenames.txt"), "w") as f:
            f.write("\n".join(names) + "\n")
        with open(os.path.join(folder, "light_directions.txt"), "w") as f:
            for tilt in TILTS:
                f.write("%.9f %.9f %.9f\n" % direction(SLANT, tilt))
        result = gs.recover("ps", "poisson", images=folder)
        print(result["report"].strip())
        recovered = np.isfinite(result["heights"]).sum()
        print(f"heights on {recovered} of {SIDE * SIDE} cells")
        assert recovered > 0
        # The same, one step at a time: the folder as the program reads it, the stereo, and the
        # integration on the recovered cells.
        photos = gs.photo_set(folder)
        print("lights (slant, tilt):", [(round(s, 1), round(t, 1)) for s, t in photos["lights"]])
        normals = gs.photometric_stereo(photos["images"], photos["lights"])
        heights = gs.integrate(normals["p"], normals["q"], "poisson")
        assert np.array_equal(heights, result["heights"], equal_nan=True)
        print("step by step: the same heights")


def main():
    catalogue_vase()
    renderer = os.environ.get("GAUSS_SPHERE_RENDER") or shutil.which("gauss-sphere-render")
    if renderer:
        photographs(renderer)
    else:
        print("gauss-sphere-render not found: the photographs' part is left out")
    return 0


if __name__ == "__main__":
    sys.exit(main())
