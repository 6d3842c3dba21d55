#pragma once
// The parts of the Python module gauss_sphere, each adding its functions to the module.

#include <pybind11/pybind11.h>

void BindErrors(pybind11::module_& module);
void BindLaws(pybind11::module_& module);
void BindPictures(pybind11::module_& module);
void BindCurves(pybind11::module_& module);
void BindRecovery(pybind11::module_& module);
void BindStereo(pybind11::module_& module);
void BindSetup(pybind11::module_& module);
void BindSurface(pybind11::module_& module);
void BindPhotometry(pybind11::module_& module);
