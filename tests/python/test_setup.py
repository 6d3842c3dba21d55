"""A setup the renderer writes, read by the module, paints the renderer's --setup picture."""
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
