# The Debian package, built by CPack from the install rules of Install.cmake:
#   cpack --config build/CPackConfig.cmake     (or ./package.sh)

set(WATTLAN_PACKAGE_MAINTAINER "Wattlan maintainers <maintainers@wattlan.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wattlan)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "${WATTLAN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for planning LED lighting installations")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Wattlan lets lighting designers and installers lay out a run of LED fixtures fed from a "
  "power supply, and shows at once its power, current and voltage drop, whether it stays "
  "within every limit of the circuit, the supply and the fixtures, and the longest run that "
  "is still valid. The command-line companion wattlan-cli checks a product catalogue, reports "
  "saved runs and tabulates the largest run of every product, with no display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the program links. The SVG icons of the
# menus are drawn by plugins loaded at run time, which it cannot see, and the
# run sheet's typeface is a file it opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

if(BUILD_TESTING AND NOT WATTLAN_SANITIZE)
  add_test(NAME package_deb
           COMMAND ${_check} package ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/package-check)
  set_tests_properties(package_deb PROPERTIES
    ENVIRONMENT "${_check_env}" SKIP_RETURN_CODE 77 TIMEOUT 180)
endif()
