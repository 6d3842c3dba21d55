"""The module's pictures against the renderer's PNG files for the same options, byte for byte,
and the per-pixel phi and readout against the laws' phi(i, e, g)."""
import os
import subprocess

import numpy as np
import pytest

import gauss_sphere as gs
from png_pixels import read_png

RENDERER = os.environ.get("GAUSS_SPHERE_RENDER", "gauss-sphere-render")

# (renderer options, the module's call): laws, rotations, isolines on and off, the half sphere,
# smoothing, the legend, the background and exposure, and the map.
PICTURE_CASES = [
    ([], dict()),
    (["--function", "glossy", "--s", "0.3", "--n", "20", "--slant", "40", "--rot-x", "10",
      "--rot-y", "20", "--rot-z", "30"],
     dict(function="glossy", params={"s": 0.3, "n": 20}, slant=40, rot_x=10, rot_y=20, rot_z=30)),
    (["--function", "rocky", "--grey", "--whole-sphere", "--rot-x", "-75"],
     dict(function="rocky", grey=True, whole_sphere=True, rot_x=-75)),
    (["--function", "minnaert", "--param", "k=0.7", "--slant", "60", "--smooth"],
     dict(function="minnaert", params={"k": 0.7}, slant=60, smooth=True)),
    (["--function", "hapke", "--param", "w=0.4", "--param", "h=0.1", "--slant", "30",
      "--levels", "0.95,0.85,0.75,0.65,0.55,0.45,0.35", "--half-widths",
      "0.01,0.01,0.02,0.02,0.03,0.03,0.04"],
     dict(function="hapke", params={"w": 0.4, "h": 0.1}, slant=30,
          levels=[0.95, 0.85, 0.75, 0.65, 0.55, 0.45, 0.35],
          half_widths=[0.01, 0.01, 0.02, 0.02, 0.03, 0.03, 0.04])),
    (["--function", "lunar-lambert", "--param", "L=mcewen", "--slant", "90", "--rot-x", "0"],
     dict(function="lunar-lambert", params={"L": "mcewen"}, slant=90, rot_x=0)),
    (["--function", "formula", "--formula", "a*ci + (1-a)*ci*ce", "--param", "a=0.25",
      "--slant", "20"],
     dict(function="formula", formula="a*ci + (1-a)*ci*ce", params={"a": 0.25}, slant=20)),
    (["--function", "mirror", "--slant", "30"], dict(function="mirror", slant=30)),
    (["--function", "oren-nayar", "--param", "sigma=30", "--size", "120x90", "--background",
      "black", "--exposure", "1.5", "--slant", "45"],
     dict(function="oren-nayar", params={"sigma": 30}, size=(120, 90), background="black",
          exposure=1.5, slant=45)),
    (["--plain", "--function", "minnaert", "--slant", "70", "--scale", "2"],
     dict(plain=True, function="minnaert", slant=70, scale=2)),
    (["--function", "lommel-seeliger", "--slant", "60", "--exposure", "auto", "--background",
      "black"], dict(function="lommel-seeliger", slant=60, exposure="auto", background="black")),
    (["--gradient-space", "--slant", "45"], dict(gradient_space=True, slant=45)),
    (["--gradient-space", "--function", "minnaert", "--param", "k=1.4", "--exposure", "auto"],
     dict(gradient_space=True, function="minnaert", params={"k": 1.4}, exposure="auto")),
    (["--gradient-space", "--function", "cook-torrance", "--slant", "30", "--smooth", "--grey"],
     dict(gradient_space=True, function="cook-torrance", slant=30, smooth=True, grey=True)),
    (["--gradient-space", "--function", "glossy", "--scale", "2", "--slant", "-20"],
     dict(gradient_space=True, function="glossy", scale=2, slant=-20)),
    # The marks over the sphere (a mark at the wrong scale or the outline's colour on black
    # shows), and the contour lines over the map's untinted pass.
    (["--outline", "--source-mark", "--contour-lines", "--line-width", "3", "--slant", "40",
      "--rot-z", "30", "--background", "black", "--scale", "2"],
     dict(outline=True, source_mark=True, contour_lines=True, line_width=3, slant=40, rot_z=30,
          background="black", scale=2)),
    (["--gradient-space", "--contour-lines", "--line-width", "2", "--function", "minnaert",
      "--slant", "30"],
     dict(gradient_space=True, contour_lines=True, line_width=2, function="minnaert", slant=30)),
    # A surface's image: the second source of two with cast shadows (a light's tilt or a shadow
    # taken from the wrong source shows), and an elevation model with a cell of no data.
    (["--surface", "crater", "--surface-size", "120x90", "--surface-param", "depth=0.6",
      "--function", "minnaert", "--param", "k=0.8", "--slant", "40", "--light", "60,120",
      "--source", "2", "--cast-shadows", "--levels", "0.95,0.85,0.75,0.65,0.55,0.45,0.35"],
     dict(surface="crater", surface_size=(120, 90), surface_params={"depth": 0.6},
          function="minnaert", params={"k": 0.8}, slant=40, lights=[(60, 120)], source=2,
          cast_shadows=True, levels=[0.95, 0.85, 0.75, 0.65, 0.55, 0.45, 0.35])),
    (["--surface", "{dem}", "--height-scale", "3", "--slant", "50", "--grey", "--exposure", "1.4"],
     dict(surface="{dem}", height_scale=3, slant=50, grey=True, exposure=1.4)),
    # Each image's own brightest cell painted white: the dim grazing light's image too.
    (["--surface", "cone", "--plain", "--light", "80,90", "--source", "2", "--exposure", "auto"],
     dict(surface="cone", plain=True, lights=[(80, 90)], source=2, exposure="auto")),
]

# A small elevation model: an ASCII grid, a ridge across it and one cell without data.
DEM_TEXT = "ncols 24\nnrows 18\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -9999\n" + "".join(
    " ".join("-9999" if (x, y) == (5, 4) else str(8 - abs(x - 12) * 0.7 + 0.2 * y)
             for x in range(24)) + "\n" for y in range(18))


def rendered(tmp_path, options):
    out = tmp_path / "picture.png"
    subprocess.run([RENDERER, *options, "-o", str(out)], check=True, timeout=30)
    return read_png(out)


@pytest.mark.parametrize("options,call", PICTURE_CASES, ids=lambda v: " ".join(v) if isinstance(v, list) else None)
def test_picture_is_the_renderers(tmp_path, options, call):
    dem = tmp_path / "ridge.asc"
    dem.write_text(DEM_TEXT)
    options = [option.replace("{dem}", str(dem)) for option in options]
    call = {key: value.replace("{dem}", str(dem)) if isinstance(value, str) else value
            for key, value in call.items()}
    if "surface" in call:
        source = call.pop("source", 1)
        picture = gs.surface_images(**call)["images"][source - 1]
    elif call.pop("gradient_space", False):
        picture = gs.gradient_map(**call)
    else:
        picture = gs.sphere(**call)
    expected = rendered(tmp_path, options)
    assert picture.dtype == np.uint8 and picture.shape == expected.shape
    differing = np.argwhere(np.any(picture != expected, axis=2))
    assert len(differing) == 0, f"{len(differing)} pixels differ, first at row, column {differing[0]}"


# Each law at a lit pixel off the centre: the readout's phi is phi(i, e, g) of its angles. A slip
# in the degrees (the true pi instead of the program's) or in the phase angle's constants shows.
@pytest.mark.parametrize("function,params,formula", [
    ("matte", None, None),
    ("glossy", {"s": 0.6, "n": 8}, None),
    ("rocky", None, None),
    ("minnaert", {"k": 1.3}, None),
    ("lunar-lambert", {"L": "mcewen"}, None),
    ("oren-nayar", {"sigma": 40}, None),
    ("hapke", None, None),
    ("blinn-phong", None, None),
    ("cook-torrance", None, None),
    ("formula", {"b": 2}, "ci^b * cos(g/2)"),
])
def test_readout_phi_is_phi_of_its_angles(function, params, formula):
    view = dict(function=function, params=params or {}, slant=50, rot_x=20)
    if formula:
        view["formula"] = formula
    reading = gs.readout(230, 140, **view)
    assert reading is not None
    phi = gs.phi(function, reading["i"], reading["e"], reading["g"], params=params,
                 formula=formula)
    assert phi.dtype == np.float32
    assert float(phi) == reading["phi"], reading["line"]


def test_phi_per_pixel_is_the_readouts_and_nan_off_the_sphere():
    phi = gs.sphere_phi(function="minnaert", slant=30, size=(260, 220))
    assert phi.shape == (220, 260) and np.isnan(phi[0, 0])
    for x, y in [(130, 110), (40, 120), (200, 60), (5, 5)]:
        reading = gs.readout(x, y, function="minnaert", slant=30, size=(260, 220))
        assert (reading is None and np.isnan(phi[y, x])) or phi[y, x] == np.float32(reading["phi"])


@pytest.mark.parametrize("options,x,y,call", [
    (["--gradient-space", "--slant", "30"], 250, 120, dict(gradient_space=True, slant=30)),
    (["--function", "hapke", "--slant", "40", "--rot-z", "25"], 200, 150,
     dict(function="hapke", slant=40, rot_z=25)),
    ([], 2, 2, dict()),
])
def test_readout_line_is_the_renderers(options, x, y, call):
    line = subprocess.run([RENDERER, *options, "--readout", f"{x},{y}"], check=True, timeout=30,
                          capture_output=True, text=True).stdout.strip()
    reading = gs.readout(x, y, **call)
    assert (reading["line"] if reading else "background") == line


# (renderer options, the module's call): a line over the sphere's edge, one on the map, and the
# photometric equator; the CSV text as the renderer writes it.
@pytest.mark.parametrize("options,call", [
    (["--profile", "100,100:300,200", "--function", "minnaert", "--slant", "30"],
     lambda: gs.profile(100, 100, 300, 200, function="minnaert", slant=30)),
    (["--gradient-space", "--profile", "10,300:380,20", "--slant", "50"],
     lambda: gs.profile(10, 300, 380, 20, gradient_space=True, slant=50)),
    (["--profile", "equator", "--function", "oren-nayar", "--slant", "40", "--rot-x", "15"],
     lambda: gs.equator_profile(function="oren-nayar", slant=40, rot_x=15)),
])
def test_profile_is_the_renderers(tmp_path, options, call):
    out = tmp_path / "profile.csv"
    subprocess.run([RENDERER, *options, "-o", str(out)], check=True, timeout=30)
    profile = call()
    assert profile["csv"] == out.read_text()
    assert len(profile["phi"]) == len(profile["csv"].splitlines()) - 1


def test_profile_end_off_the_picture_is_refused():
    with pytest.raises(gs.Error, match="lies outside the 393x337 picture"):
        gs.profile(0, 0, 393, 10)


# phi per cell is the surface readout's, each source's own (phi2= for the light), at the cell
# the line names (row y from the top); NaN at the model's cell without data.
def test_surface_phi_is_the_readouts(tmp_path):
    dem = tmp_path / "ridge.asc"
    dem.write_text(DEM_TEXT)
    for surface, size, x, y in [("crater", (120, 90), 60, 45), ("crater", (120, 90), 101, 12),
                                (str(dem), None, 15, 9)]:
        options = ["--surface", surface, "--slant", "40", "--light", "60,120",
                   "--function", "oren-nayar", "--readout", f"{x},{y}"]
        if size:
            options += ["--surface-size", f"{size[0]}x{size[1]}"]
        line = subprocess.run([RENDERER, *options], check=True, timeout=30, capture_output=True,
                              text=True).stdout.split()
        fields = dict(item.split("=", 1) for item in line)
        result = gs.surface_images(surface=surface, surface_size=size, slant=40,
                                   lights=[(60, 120)], function="oren-nayar")
        assert f"{result['phi'][0][y, x]:.3f}" == fields["phi"]
        assert f"{result['phi'][1][y, x]:.3f}" == fields["phi2"]
    phi = gs.surface_images(surface=str(dem))["phi"][0]
    assert phi.shape == (18, 24) and np.isnan(phi[4, 5]) and np.isnan(phi).sum() == 1
