"""Absolute photometry from Python: a white Lambert sphere's albedos, the H, G phase function at
g = 0, and a fit that finds the H and G its points were made with, refusing names it cannot fit."""
import numpy as np
import pytest

import gauss_sphere as gs


def test_albedos_of_the_lambert_sphere_follow_its_albedo():
    white = gs.albedos(function="matte")
    half = gs.albedos(0.5, function="matte")
    assert abs(white["geometric_albedo"] - 2 / 3) < 1e-4
    assert abs(white["phase_integral"] - 1.5) < 1e-4
    assert abs(half["spherical_albedo"] - 0.5) < 1e-4


def test_a_fit_finds_the_parameters_of_its_points():
    g = np.linspace(1.0, 40.0, 12)
    magnitudes = 9.0 - 2.5 * np.log10(gs.hg_phase(np.radians(g), 0.3))
    fit = gs.fit_phase_curve(g, magnitudes, ["H", "G"], magnitudes=True)
    assert abs(fit["values"]["H"] - 9.0) < 1e-6
    assert abs(fit["values"]["G"] - 0.3) < 1e-6
    assert np.allclose(fit["residuals"], 0.0, atol=1e-6)
    with pytest.raises(gs.Error) as raised:
        gs.fit_phase_curve(g, magnitudes, ["k"], magnitudes=True)
    assert "k" in str(raised.value)
