// gauss_sphere: the program's core for labs in Python, the arrays numpy's.

#include <pybind11/pybind11.h>

#include "module_parts.h"

PYBIND11_MODULE(gauss_sphere, module) {
  module.doc() =
      "The reflectance map of a surface on the Gaussian sphere, for labs: the laws phi(i, e, g), "
      "the sphere's picture and the map in gradient space as the renderer paints them, the "
      "readout, the phase curve, and shape recovery (photometric stereo, shape from shading) "
      "with the renderer's report. Failures raise gauss_sphere.Error with the program's message.";
  BindErrors(module);
  BindLaws(module);
  BindPictures(module);
  BindCurves(module);
  BindRecovery(module);
  BindStereo(module);
  BindSetup(module);
  BindSurface(module);
  BindPhotometry(module);
}
