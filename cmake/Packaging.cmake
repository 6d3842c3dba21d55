# cpack -G DEB in the build folder: one package with both programs and the desktop files, its
# shared-library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME gauss-sphere)
set(CPACK_PACKAGE_VENDOR "The Gauss Sphere developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "reflectance map of a surface on the Gaussian sphere")
set(CPACK_PACKAGE_DESCRIPTION
    "A program for teaching and exploring the reflectance map of a surface:\n\
its window paints a sphere pixel by pixel in grey tones or colour isolines\n\
of a reflectance function (matte, glossy, rocky or mirror).\n\
gauss-sphere-render writes the same picture to a PPM or PNG file, and the\n\
Python module gauss_sphere gives the same pictures and laws to labs.")
set(CPACK_PACKAGE_CONTACT "The Gauss Sphere developers <gauss-sphere@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${GAUSS_SPHERE_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog buttons in Russian, like the rest of the window; English without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# The Python module, where built, needs the Python it was built for and numpy; the programs'
# dependencies come from their shared libraries.
if(TARGET gauss_sphere)
  get_target_property(CPACK_DEBIAN_PACKAGE_DEPENDS gauss_sphere DEBIAN_DEPENDS)
endif()
include(CPack)
