# How the project's targets are compiled quickly: a precompiled header a target, made of the
# headers most of its sources read (precompiled.h), each Qt module's share only where the target
# links that module. Every Qt library, program and test target calls gauss_precompile; the core's
# libraries do not (they read few and small headers, and a PCH would hide a missing include from
# the builds without it).
#
#   gauss_precompile(<target> [GTEST] [PYBIND11])   GTEST adds GoogleTest's header, PYBIND11
#                                                   pybind11's (read first, as Python's must be)
#
# A PCH is per target rather than shared (REUSE_FROM): a shared one needs identical flags, and
# libraries (-fPIC) and programs (-fPIE) differ. GAUSS_PCH=OFF builds without them.
option(GAUSS_PCH "Precompiled headers for the Qt libraries, the programs and the tests" ON)

set(GAUSS_PRECOMPILED_HEADER ${CMAKE_CURRENT_LIST_DIR}/precompiled.h)

function(gauss_precompile target)
  cmake_parse_arguments(arg "GTEST;PYBIND11" "" "" ${ARGN})
  if(NOT GAUSS_PCH)
    return()
  endif()
  if(arg_PYBIND11)
    target_precompile_headers(${target} PRIVATE <pybind11/pybind11.h> <pybind11/numpy.h>
                              <pybind11/stl.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${GAUSS_PRECOMPILED_HEADER})
  # GCC 12 at -O3 reports a false overlap (-Wrestrict) in short std::string assignments, and with
  # the standard headers precompiled it reports it in more sources.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(arg_GTEST)
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
  endif()
endfunction()
