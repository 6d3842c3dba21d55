"""Hapke's law with roughness against a reference written here from the papers with numpy:
Hapke (1984), Icarus 59, 41-59, the rough surface's effective cosines and shadowing function
S(i, e, psi) in their two cases; Hapke (2002), Icarus 157, 523-534, the H-function of its eq. 13
and the coherent backscatter multiplier. The module's phi is the pass's 32-bit value."""
import numpy as np
import pytest

import gauss_sphere as gs

PI = 3.14159  # the module's degrees, as the readout writes them


def shadowed(i, e, psi, theta):
    """mu0e, mue and S for angles in radians, theta > 0, i and e in (0, pi/2)."""
    t = np.tan(theta)
    chi = 1.0 / np.sqrt(1.0 + np.pi * t * t)
    e1 = lambda y: np.exp(-2.0 / np.pi / t / np.tan(y))
    e2 = lambda y: np.exp(-1.0 / np.pi / (t * np.tan(y)) ** 2)
    eta = lambda y: chi * (np.cos(y) + np.sin(y) * t * e2(y) / (2.0 - e1(y)))
    f = np.exp(-2.0 * np.tan(psi / 2.0))
    s2 = np.sin(psi / 2.0) ** 2
    if i <= e:
        d = 2.0 - e1(e) - psi / np.pi * e1(i)
        mu0e = chi * (np.cos(i) + np.sin(i) * t * (np.cos(psi) * e2(e) + s2 * e2(i)) / d)
        mue = chi * (np.cos(e) + np.sin(e) * t * (e2(e) - s2 * e2(i)) / d)
        s = mue / eta(e) * np.cos(i) / eta(i) * chi / (1 - f + f * chi * np.cos(i) / eta(i))
    else:
        d = 2.0 - e1(i) - psi / np.pi * e1(e)
        mu0e = chi * (np.cos(i) + np.sin(i) * t * (e2(i) - s2 * e2(e)) / d)
        mue = chi * (np.cos(e) + np.sin(e) * t * (np.cos(psi) * e2(i) + s2 * e2(e)) / d)
        s = mue / eta(e) * np.cos(i) / eta(i) * chi / (1 - f + f * chi * np.cos(e) / eta(e))
    return mu0e, mue, s, chi


def h2002(x, w):
    gamma = np.sqrt(1.0 - w)
    r0 = (1.0 - gamma) / (1.0 + gamma)
    return 1.0 / (1.0 - w * x * (r0 + (1.0 - 2.0 * r0 * x) / 2.0 * np.log((1.0 + x) / x)))


def reference(i_deg, e_deg, g_deg, p):
    i, e, g = (np.radians(v) * PI / np.pi for v in (i_deg, e_deg, g_deg))
    cos_psi = (np.cos(g) - np.cos(i) * np.cos(e)) / (np.sin(i) * np.sin(e))
    psi = np.arccos(np.clip(cos_psi, -1.0, 1.0))
    mu0e, mue, s, chi = shadowed(i, e, psi, np.radians(p["theta"]))
    hg = lambda c: (1 - p["xi"] ** 2) / (1 + 2 * p["xi"] * c + p["xi"] ** 2) ** 1.5
    z = np.tan(g / 2.0) / p["hC"]
    coherent = 1.0 + p["BC0"] * (1.0 + (1.0 - np.exp(-z)) / z) / (2.0 * (1.0 + z) ** 2)
    surge = p["B0"] / (1.0 + np.tan(g / 2.0) / p["h"])
    r = mu0e / (mu0e + mue) * ((1 + surge) * hg(np.cos(g)) + h2002(mu0e, p["w"]) * h2002(mue, p["w"]) - 1)
    r0 = 0.5 * ((1 + p["B0"]) * hg(1.0) + h2002(chi, p["w"]) ** 2 - 1) * (1.0 + p["BC0"])
    return r * coherent * s / r0


@pytest.mark.parametrize("i,e,g", [(30, 50, 40), (50, 30, 40), (60, 20, 75), (10, 70, 65),
                                   (45, 45, 5), (70, 60, 120), (80, 10, 85), (25, 35, 0.5)])
@pytest.mark.parametrize("theta", [15.0, 45.0])
def test_the_rough_law_agrees_with_the_papers(i, e, g, theta):
    p = {"w": 0.6, "B0": 1.2, "h": 0.08, "xi": -0.3, "theta": theta, "BC0": 0.5, "hC": 0.03,
         "Hyear": 2002}
    got = float(gs.phi("hapke-rough", i, e, g, params=p))
    assert got == pytest.approx(reference(i, e, g, p), rel=2e-5)


def test_the_switch_of_the_h_function_refuses_a_year_between():
    with pytest.raises(gs.Error) as raised:
        gs.phi("hapke-rough", 30, 30, 0, params={"Hyear": 1990})
    assert "1981 or 2002" in str(raised.value)
