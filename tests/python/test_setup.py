"""A setup the renderer writes, read by the module, paints the renderer's --setup picture; one
the module writes is the renderer's file for the same options."""
import os
import subprocess

import numpy as np
import pytest

import gauss_sphere as gs
from png_pixels import read_png

RENDERER = os.environ.get("GAUSS_SPHERE_RENDER", "gauss-sphere-render")


@pytest.mark.parametrize("options", [
    ["--function", "lunar-lambert", "--param", "L=mcewen", "--slant", "33.3", "--rot-y", "12.5",
     "--levels", "0.91,0.82,0.73,0.64,0.55,0.46,0.37", "--grey", "--smooth"],
    ["--function", "formula", "--formula", "ci^k", "--param", "k=1.7", "--whole-sphere",
     "--background", "grey", "--exposure", "0.8", "--rot-x", "-10"],
    ["--function", "glossy", "--s", "0.25", "--n", "40", "--slant", "15", "--exposure", "auto"],
])
def test_setup_read_paints_the_renderers_setup_picture(tmp_path, options):
    setup, picture = tmp_path / "lecture.gsetup", tmp_path / "picture.png"
    subprocess.run([RENDERER, *options, "--write-setup", str(setup)], check=True, timeout=30)
    subprocess.run([RENDERER, "--setup", str(setup), "-o", str(picture)], check=True, timeout=30)
    assert np.array_equal(gs.sphere(**gs.read_setup(str(setup))), read_png(picture))


def test_unreadable_setup_names_the_file(tmp_path):
    setup = tmp_path / "broken.gsetup"
    setup.write_text('{"version": 1, "sphere": {"rotX": "thirty"}}')
    with pytest.raises(gs.Error) as raised:
        gs.read_setup(str(setup))
    assert "broken.gsetup" in str(raised.value)


# (renderer options, the module's view): the file must be the renderer's byte for byte, read back
# as the same view, and paint the renderer's --setup picture. The rows catch a law's parameters,
# a formula's names, a legend or a picture setting left out or written from the wrong field.
@pytest.mark.parametrize("options,view", [
    (["--function", "hapke", "--param", "w=0.4", "--slant", "30", "--rot-x", "-12.5",
      "--levels", "0.95,0.85,0.75,0.65,0.55,0.45,0.35", "--smooth", "--background", "black"],
     dict(function="hapke", params={"w": 0.4}, slant=30, rot_x=-12.5, smooth=True,
          levels=[0.95, 0.85, 0.75, 0.65, 0.55, 0.45, 0.35], background="black")),
    (["--function", "formula", "--formula", "ci^k * ce", "--param", "k=1.7", "--whole-sphere",
      "--grey", "--exposure", "auto", "--rot-z", "40"],
     dict(function="formula", formula="ci^k * ce", params={"k": 1.7}, whole_sphere=True,
          grey=True, exposure="auto", rot_z=40)),
    (["--function", "glossy", "--s", "0.25", "--n", "40", "--exposure", "0.8", "--rot-y", "7",
      "--outline", "--source-mark", "--contour-lines", "--line-width", "2", "--slant", "25"],
     dict(function="glossy", params={"s": 0.25, "n": 40}, exposure=0.8, rot_y=7, outline=True,
          source_mark=True, contour_lines=True, line_width=2, slant=25)),
])
def test_setup_written_is_the_renderers(tmp_path, options, view):
    theirs, ours, picture = tmp_path / "r.gsetup", tmp_path / "m.gsetup", tmp_path / "p.png"
    subprocess.run([RENDERER, *options, "--write-setup", str(theirs)], check=True, timeout=30)
    gs.write_setup(str(ours), **view)
    assert ours.read_text() == theirs.read_text()
    read = gs.read_setup(str(ours))
    gs.write_setup(str(ours), **read)
    assert gs.read_setup(str(ours)) == read
    subprocess.run([RENDERER, "--setup", str(ours), "-o", str(picture)], check=True, timeout=30)
    assert np.array_equal(gs.sphere(**read), read_png(picture))
    assert np.array_equal(gs.sphere(**view), read_png(picture))


def test_failed_setup_write_raises_and_leaves_nothing(tmp_path):
    missing = tmp_path / "no such folder" / "lecture.gsetup"
    with pytest.raises(gs.Error, match="cannot write the setup .*No such file or directory"):
        gs.write_setup(str(missing), slant=30)
    assert list(tmp_path.iterdir()) == []
    kept = tmp_path / "kept.gsetup"
    kept.write_text("old")
    with pytest.raises(gs.Error):
        gs.write_setup(str(kept), slant="thirty")
    assert kept.read_text() == "old"
