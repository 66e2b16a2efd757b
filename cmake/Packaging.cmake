# The Debian packages wattlan and wattlan-cli, built by CPack from the install
# rules of Install.cmake:
#   cpack --config build/CPackConfig.cmake     (or ./package.sh)

set(WATTLAN_PACKAGE_MAINTAINER "Wattlan maintainers <maintainers@wattlan.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wattlan)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "${WATTLAN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Two packages, one per install component of Install.cmake: wattlan-cli for a
# build server or a catalogue maintainer's pipeline, which has no desktop, and
# wattlan, the window. The window reads the catalogue and the translations that
# wattlan-cli installs beside both programs, so wattlan depends on the same
# version of wattlan-cli; wattlan-cli needs nothing of the window.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli window)
set(CPACK_COMPONENT_WINDOW_DEPENDS cli)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME wattlan-cli)
set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME wattlan)

# Each description starts with its own summary line.
string(CONCAT CPACK_DEBIAN_WINDOW_DESCRIPTION
  "calculator for planning LED lighting installations\n"
  "Wattlan lets lighting designers and installers lay out a run of LED fixtures fed from a "
  "power supply, and shows at once its power, current and voltage drop, whether it stays "
  "within every limit of the circuit, the supply and the fixtures, and the longest run that "
  "is still valid. This package holds the window and its menu entry; the product catalogue "
  "comes with wattlan-cli.")
string(CONCAT CPACK_DEBIAN_CLI_DESCRIPTION
  "command-line checks of LED lighting catalogues and runs\n"
  "wattlan-cli checks a product catalogue, reports saved runs of the Wattlan calculator with "
  "their run sheets, and tabulates the largest run of every product, with no display and no "
  "desktop. The sample product catalogue and the translations, which the window reads too, "
  "are installed with it.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries each program links. The SVG icons of the
# menus are drawn by plugins loaded at run time, which it cannot see, and the
# run sheet's typeface is a file it opens (the window links the sheet too).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_CLI_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "libqt6svg6, fonts-dejavu-core")
set(CPACK_DEBIAN_WINDOW_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

if(BUILD_TESTING AND NOT WATTLAN_SANITIZE)
  add_test(NAME package_deb
           COMMAND ${_check} package ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/package-check)
  set_tests_properties(package_deb PROPERTIES
    ENVIRONMENT "${_check_env}" SKIP_RETURN_CODE 77 TIMEOUT 180)
endif()
