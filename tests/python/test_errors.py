"""Failures raise gauss_sphere.Error (a ValueError) with the program's own message, and change
nothing: a later good call gives the usual picture."""
import numpy as np
import pytest

import gauss_sphere as gs

ERROR_CASES = [
    (lambda: gs.sphere(rot_x="abc"), "abc"),
    (lambda: gs.sphere(slant="1e41"), "1e41"),
    (lambda: gs.sphere(function="glossy", params={"s": ""}), "s"),
    (lambda: gs.sphere(function="phong"), "unknown function \"phong\""),
    (lambda: gs.sphere(function="minnaert", params={"q": 1}), "its parameters: k"),
    (lambda: gs.sphere(function="minnaert", params={"k": 2.5}), "k lies from 0 to 2"),
    (lambda: gs.sphere(function="matte", params={"k": 1}), "takes no parameters"),
    (lambda: gs.sphere(function="formula", formula="ci +"), "formula"),
    (lambda: gs.sphere(function="formula", formula="ci * zz"), "zz"),
    (lambda: gs.sphere(levels=[0.9, 0.8]), "7 numbers"),
    (lambda: gs.sphere(size=(0, 10)), "width"),
    (lambda: gs.sphere(colour=True), "unknown keyword"),
    (lambda: gs.phi("mirror", 10, 10, 20), "mirror"),
    (lambda: gs.phase_curve(function="mirror"), "mirror"),
    (lambda: gs.surface_images(surface="cone", smooth=True), "smooth shapes the sphere"),
    (lambda: gs.surface_images(surface="cone", size=(64, 64)), "size shapes the sphere"),
]


@pytest.mark.parametrize("call,words", ERROR_CASES)
def test_failure_raises_the_programs_message(call, words):
    with pytest.raises(gs.Error) as raised:
        call()
    assert isinstance(raised.value, ValueError)
    assert words in str(raised.value)


def test_core_message_is_english_not_russian():
    with pytest.raises(gs.Error) as raised:
        gs.sphere(rot_y="x1")
    text = str(raised.value)
    assert not any("\u0400" <= c <= "\u04ff" for c in text), text


def test_phi_broadcasts_and_keeps_the_shadow_of_every_law():
    i = np.array([[0.0, 60.0, 120.0]])
    for law in gs.laws():
        if law["key"] in ("mirror", "formula"):
            continue
        phi = gs.phi(law["key"], i, np.zeros((2, 1)), 0.0)
        assert phi.shape == (2, 3), law["key"]
        # Facing away from the source every law but rocky's ratio gives cos i.
        if law["key"] not in ("rocky", "glossy"):
            assert phi[0, 2] == pytest.approx(np.cos(np.radians(120)), abs=1e-5), law["key"]
    assert gs.phi("matte", 0, 0, 0) == 1.0
