"""Long calls release the GIL, and Ctrl+C stops a pass that checks its control."""
import os
import signal
import threading
import time

import pytest

import gauss_sphere as gs


def test_other_python_threads_run_during_a_recovery():
    done = threading.Event()
    ticks = 0

    def recover():
        gs.recover("ps", "dct", surface="vase", surface_size=(512, 512), slant=30,
                   lights=[(30, 120), (30, 240)])
        done.set()

    worker = threading.Thread(target=recover)
    start = time.monotonic()
    worker.start()
    while not done.is_set():
        ticks += 1
        done.wait(0.001)
    elapsed = time.monotonic() - start
    worker.join(timeout=50)
    # Each tick waits a millisecond: a call that kept the GIL would starve this loop for most of
    # the call, instead of letting it tick through it.
    assert ticks > elapsed / 0.001 / 4, (ticks, elapsed)


def test_interrupt_stops_a_long_phase_curve():
    timer = threading.Timer(0.3, lambda: os.kill(os.getpid(), signal.SIGINT))
    timer.start()
    try:
        with pytest.raises(KeyboardInterrupt):
            gs.phase_curve(step=0.1, function="hapke")
    finally:
        timer.cancel()


# Calls from several Python threads at once each run on a worker of their own and get their own
# result: a worker handed a second job while busy would return another call's normals, or leave a
# call waiting for ever (daemon threads and a join with a timeout keep that a failure, not a hang).
def test_calls_at_once_from_threads_get_their_own_results():
    import numpy as np

    lights = [(30, 0), (30, 120), (30, 240)]
    rng = np.random.default_rng(7)
    stacks = [[rng.uniform(0.2, 1.0, (96, 80)) for _ in lights] for _ in range(6)]
    expected = [gs.photometric_stereo(stack, lights)["p"] for stack in stacks]
    got = {}

    def solve(k):
        for round_ in range(5):
            got[k, round_] = gs.photometric_stereo(stacks[k], lights)["p"]

    threads = [threading.Thread(target=solve, args=(k,), daemon=True) for k in range(6)]
    for thread in threads:
        thread.start()
    deadline = time.monotonic() + 15
    for thread in threads:
        thread.join(timeout=max(0.0, deadline - time.monotonic()))
    assert len(got) == 30
    for (k, _), p in got.items():
        assert np.array_equal(p, expected[k], equal_nan=True)


# A process forked after a call (multiprocessing's default here) has none of the parent's worker
# threads: its own call must not wait for one of them for ever.
def test_call_in_a_forked_child_finishes():
    import numpy as np

    p = np.zeros((32, 32))
    gs.integrate(p, p, "dct")
    child = os.fork()
    if child == 0:
        gs.integrate(p, p, "dct")
        os._exit(0)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        done, status = os.waitpid(child, os.WNOHANG)
        if done:
            assert status == 0
            return
        time.sleep(0.05)
    os.kill(child, signal.SIGKILL)
    os.waitpid(child, 0)
    pytest.fail("the forked child's call never finished")
