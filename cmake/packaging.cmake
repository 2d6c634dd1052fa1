# cpack -G DEB: a Debian package of what `cmake --install` installs. The package lands
# under the build's install prefix, so configure its build with -DCMAKE_INSTALL_PREFIX=/usr
# (scripts/package.sh does): the paths the programs know, such as the user guide that the
# About box names, are then those of the package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkor)
set(CPACK_PACKAGE_VENDOR "The Velkor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(VELKOR_PACKAGE_MAINTAINER "The Velkor developers <velkor@localhost>"
    CACHE STRING "Maintainer of the Debian package, as: name <e-mail address>")
set(CPACK_PACKAGE_CONTACT ${VELKOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and menus in the user's language
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# the summary, then the long description; cpack indents it as Debian wants
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "geometric properties of cross-sections for structural engineers
Velkor computes the area, moments of inertia, section moduli, radii of gyration, static
moments, centroid, principal axes and weight per metre of nine kinds of cross-section:
round bar or tube, rectangular or square tube, solid square or rectangle, rhombus,
hexagon, cross, I- or T-section, channel or angle, Z-section or angle. Results are cut,
never rounded, to the chosen number of decimals. The interface is in Russian;
velkor-cli gives the same figures on the command line.")
include(CPack)
