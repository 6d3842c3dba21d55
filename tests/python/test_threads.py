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
