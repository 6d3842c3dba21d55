"""Shape recovery from Python against the renderer's --recover report for the same inputs, and
the failures of recovery's inputs."""
import os
import subprocess

import numpy as np
import pytest

import gauss_sphere as gs

RENDERER = os.environ.get("GAUSS_SPHERE_RENDER", "gauss-sphere-render")

# (renderer options, recover() arguments): Woodham's stereo on a mask with noise and 8 bits, the
# law's fit (its ambiguous cells' line), and shape from shading (no integrator).
REPORT_CASES = [
    (["--recover", "ps", "--integrate", "poisson", "--surface", "vase", "--surface-size", "48x40",
      "--slant", "30", "--light", "30,120", "--light", "30,240", "--noise", "2", "--quantise", "8"],
     dict(method="ps", integrator="poisson", surface="vase", surface_size=(48, 40), slant=30,
          lights=[(30, 120), (30, 240)], noise=2, quantise=8)),
    (["--recover", "ps-law", "--integrate", "poisson", "--surface", "crater", "--surface-size",
      "32x32", "--function", "cook-torrance", "--slant", "20", "--light", "25,90", "--light",
      "30,200", "--light", "35,300"],
     dict(method="ps-law", integrator="poisson", surface="crater", surface_size=(32, 32),
          function="cook-torrance", slant=20, lights=[(25, 90), (30, 200), (35, 300)])),
    (["--recover", "sfs-horn", "--surface", "hemisphere", "--surface-size", "32x32", "--slant",
      "20"],
     dict(method="sfs-horn", surface="hemisphere", surface_size=(32, 32), slant=20)),
]


@pytest.mark.parametrize("options,arguments", REPORT_CASES)
def test_report_is_the_renderers(options, arguments):
    expected = subprocess.run([RENDERER, *options], check=True, timeout=50, capture_output=True,
                              text=True).stdout
    arguments = dict(arguments)
    result = gs.recover(arguments.pop("method"), arguments.pop("integrator", "dct"), **arguments)
    assert result["report"] == expected
    assert result["heights"].shape == result["truth"].shape == (arguments["surface_size"][1],
                                                                arguments["surface_size"][0])


FAILURES = [
    (dict(surface="vase", images="x"), "one input"),
    (dict(surface="vase", surface_params={"nope": 1}), "no parameter"),
    (dict(surface="vase", surface_size=(5000, 8)), "4096"),
    (dict(surface="vase", lights=[(30, "west")]), "west"),
    # Three sources in one plane through the view axis: the program's message about the lights.
    (dict(surface="vase", slant=30, lights=[(30, 180), (0, 0)]), "one plane"),
    (dict(surface="vase", slant=30, lights=[(30, 180)]), "three sources"),
    (dict(images="/nonexistent/folder"), "/nonexistent/folder"),
]


@pytest.mark.parametrize("arguments,words", FAILURES)
def test_bad_input_raises_the_programs_message(arguments, words):
    with pytest.raises(gs.Error, match=None) as raised:
        gs.recover("ps", "dct", **arguments)
    assert words in str(raised.value)


def test_integrated_heights_are_nan_where_not_recovered():
    result = gs.recover("ps", "poisson", surface="vase", surface_size=(40, 40), slant=30,
                        lights=[(30, 120), (30, 240)])
    recovered = np.isfinite(result["p"])
    assert np.array_equal(np.isfinite(result["heights"]), recovered)


def test_steps_one_at_a_time_give_the_whole_recovery():
    whole = gs.recover("ps", "poisson", surface="vase", surface_size=(40, 36), slant=30,
                       lights=[(30, 120), (30, 240)])
    normals = gs.photometric_stereo(whole["images"], whole["lights"])
    for name in ("p", "q", "albedo"):
        assert np.array_equal(normals[name], whole[name], equal_nan=True), name
    heights = gs.integrate(normals["p"], normals["q"], "poisson", *whole["spacing"])
    assert np.array_equal(heights, whole["heights"], equal_nan=True)


@pytest.mark.parametrize("call,words", [
    (lambda: gs.photometric_stereo([np.ones((4, 4))] * 3, [(30, 0), (30, 180), (0, 0)]),
     "one plane"),
    (lambda: gs.integrate(np.zeros((4, 4)), np.zeros((4, 5))), "one shape"),
    (lambda: gs.elevation("/nonexistent/model.tif"), "model.tif"),
    (lambda: gs.photo_set("/nonexistent/folder"), "/nonexistent/folder"),
])
def test_bad_step_input_raises_the_programs_message(call, words):
    with pytest.raises(gs.Error) as raised:
        call()
    assert words in str(raised.value)
