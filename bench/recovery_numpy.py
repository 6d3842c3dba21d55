#!/usr/bin/python3
"""The same two steps as BM_StereoThenIntegrate, vectorised in numpy, for comparison: Woodham's
least squares from three 512 x 512 matte images of Gaussian hills (slant 30, tilts 0, 120, 240;
cells lit in every image solved by the pseudo-inverse, the others by their own normal equations),
then Frankot and Chellappa's integration by numpy's real FFT. Prints the milliseconds of each step
and of both, the best of several runs.

Usage: recovery_numpy.py [--side N] [--runs N]"""
import argparse
import time

import numpy as np

PI = 3.14159  # the program's pi, in the source directions as in the program


def hills(side):
    """Five Gaussian hills of height 60 and width 0.3 half sides, heights in pixels."""
    rng = np.random.default_rng(3)
    y, x = np.mgrid[0:side, 0:side].astype(float)
    x -= (side - 1) / 2
    y = (side - 1) / 2 - y
    sigma = 0.3 * side / 2
    z = np.zeros((side, side))
    for cx, cy in rng.uniform(-0.6, 0.6, (5, 2)) * side / 2:
        z += 60 * np.exp(-((x - cx) ** 2 + (y - cy) ** 2) / (2 * sigma ** 2))
    return z


def gradients(z):
    """p = dz/dx, q = dz/dy with y up (rows run down), central differences inside."""
    p = np.gradient(z, axis=1)
    q = -np.gradient(z, axis=0)
    return p, q


def sources():
    slant = np.radians(30.0) * PI / np.pi
    tilts = np.array([0.0, 120.0, 240.0]) * PI / 180.0
    return np.stack([-np.sin(slant) * np.sin(tilts), np.sin(slant) * np.cos(tilts),
                     np.full(3, np.cos(slant))], axis=1)


def images(p, q, lights):
    norm = np.sqrt(1 + p * p + q * q)
    n = np.stack([-p / norm, -q / norm, 1 / norm])
    return np.maximum(0.0, np.einsum('kc,chw->khw', lights, n))


def woodham(intensity, lights, share=1e-3):
    k, h, w = intensity.shape
    flat = intensity.reshape(k, -1)
    lit = flat > share * flat.max()
    g = np.linalg.pinv(lights) @ flat
    partly = ~lit.all(axis=0) & (lit.sum(axis=0) >= 3)
    if partly.any():  # the cells lit in some images only: a 3 x 3 solve each
        m = np.einsum('kn,ki,kj->nij', lit[:, partly], lights, lights)
        b = np.einsum('kn,kn,ki->ni', lit[:, partly], flat[:, partly], lights)
        g[:, partly] = np.linalg.solve(m, b[..., None])[..., 0].T
    g[:, lit.sum(axis=0) < 3] = np.nan
    albedo = np.linalg.norm(g, axis=0)
    return (-g[0] / g[2]).reshape(h, w), (-g[1] / g[2]).reshape(h, w), albedo.reshape(h, w)


def frankot_chellappa(p, q):
    h, w = p.shape
    gx = np.nan_to_num(p)
    gy = np.nan_to_num(-q)  # the step down a column
    wu = 2 * np.pi * np.fft.rfftfreq(w)
    wv = 2 * np.pi * np.fft.fftfreq(h)
    wu, wv = np.meshgrid(wu, wv)
    power = wu ** 2 + wv ** 2
    power[0, 0] = 1.0
    spectrum = (-1j * wu * np.fft.rfft2(gx) - 1j * wv * np.fft.rfft2(gy)) / power
    spectrum[0, 0] = 0.0
    return np.fft.irfft2(spectrum, s=(h, w))


def best_ms(step, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        result = step()
        times.append(time.perf_counter() - start)
    return 1e3 * min(times), result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--side', type=int, default=512)
    parser.add_argument('--runs', type=int, default=20)
    args = parser.parse_args()
    z = hills(args.side)
    lights = sources()
    intensity = images(*gradients(z), lights)
    stereo_ms, (p, q, _) = best_ms(lambda: woodham(intensity, lights), args.runs)
    integrate_ms, heights = best_ms(lambda: frankot_chellappa(p, q), args.runs)
    both_ms, _ = best_ms(lambda: frankot_chellappa(*woodham(intensity, lights)[:2]), args.runs)
    error = heights - heights.mean() - (z - z.mean())
    print(f'numpy {np.__version__}, {args.side} x {args.side}, best of {args.runs}')
    print(f'woodham_ms={stereo_ms:.2f}')
    print(f'frankot_chellappa_ms={integrate_ms:.2f}')
    print(f'both_ms={both_ms:.2f}')
    print(f'depth_rms_percent={100 * np.sqrt(np.mean(error ** 2)) / np.ptp(z):.3f}')


if __name__ == '__main__':
    main()
