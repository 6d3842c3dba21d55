#!/usr/bin/python3
"""BM_StereoThenIntegrate's two steps called from Python through the gauss_sphere module, beside
the same steps vectorised in numpy (recovery_numpy.py), on the same images: Woodham's stereo of
three 512 x 512 matte images of Gaussian hills, then Frankot and Chellappa's integration. Prints
the milliseconds of each step and of both, the best of several runs, for the module and numpy.
A timing for a person to read, not a test.

Usage: PYTHONPATH=build/python recovery_module.py [--side N] [--runs N]"""
import argparse

import numpy as np

import gauss_sphere as gs
from recovery_numpy import best_ms, frankot_chellappa, gradients, hills, images, sources, woodham

LIGHTS = [(30.0, 0.0), (30.0, 120.0), (30.0, 240.0)]  # as sources() builds them


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--side', type=int, default=512)
    parser.add_argument('--runs', type=int, default=20)
    args = parser.parse_args()
    z = hills(args.side)
    intensity = images(*gradients(z), sources())
    stack = list(intensity)

    def stereo():
        return gs.photometric_stereo(stack, LIGHTS)

    def both():
        normals = stereo()
        return gs.integrate(normals['p'], normals['q'], 'fc')

    stereo_ms, normals = best_ms(stereo, args.runs)
    integrate_ms, heights = best_ms(lambda: gs.integrate(normals['p'], normals['q'], 'fc'),
                                    args.runs)
    both_ms, _ = best_ms(both, args.runs)
    numpy_ms, _ = best_ms(lambda: frankot_chellappa(*woodham(intensity, sources())[:2]), args.runs)
    error = heights - np.nanmean(heights) - (z - z.mean())
    print(f'gauss_sphere from Python, {args.side} x {args.side}, best of {args.runs}')
    print(f'woodham_ms={stereo_ms:.2f}')
    print(f'frankot_chellappa_ms={integrate_ms:.2f}')
    print(f'both_ms={both_ms:.2f}')
    print(f'numpy_both_ms={numpy_ms:.2f}')
    print(f'speed_up_over_numpy={numpy_ms / both_ms:.1f}')
    print(f'depth_rms_percent={100 * np.sqrt(np.nanmean(error ** 2)) / np.ptp(z):.3f}')


if __name__ == '__main__':
    main()
