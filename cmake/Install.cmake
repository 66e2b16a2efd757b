# Install rules and desktop integration.
#
# Wattlan reads its product catalogue from the directory that holds the
# executable, and its window icon by a relative name from the working
# directory. So the program, the catalogue and the icon share a private
# directory, and <prefix>/bin/wattlan is a small launcher that starts the
# program there.
#
# Every file belongs to one of two install components, one Debian package each
# (Packaging.cmake):
#   cli     wattlan-cli, with what both programs read beside themselves: the
#           product catalogue and the application's translations (the run
#           sheet is worded from them too). Installs without a desktop.
#   window  the window's program, its launcher, menu entry, metainfo and icons,
#           and the toolkit's translations, which only the window loads.
# The window shares the cli component's files, so it depends on it.

include(GNUInstallDirs)

set(WATTLAN_APP_ID com.orvane.wattlan)
set(WATTLAN_PRIVATE_DIR lib/wattlan)
set(WATTLAN_CATALOGUE_FILES ym_config_zv.xml ym_config_ob.xml ym_config_ts.xml)
set(WATTLAN_SCREENSHOT_URL "https://wattlan.example/screenshot.png"
    CACHE STRING "Web address of the screenshot named in the AppStream metainfo")

# The package and the metainfo carry the version the program shows.
file(STRINGS ${PROJECT_SOURCE_DIR}/core/version.h _version_lines
     REGEX "constexpr int (VERSION_MAJOR|VERSION_MINOR|VERSION_REVISION|BUILD_DATE) =")
foreach(_line IN LISTS _version_lines)
  string(REGEX MATCH "([A-Z_]+) = ([0-9]+)" _ "${_line}")
  set(_version_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
endforeach()
set(_shown_version "${_version_VERSION_MAJOR}.${_version_VERSION_MINOR}.${_version_VERSION_REVISION}")
if(NOT _shown_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The project version ${PROJECT_VERSION} differs from the version "
                      "${_shown_version} in core/version.h: change both together.")
endif()
string(REGEX REPLACE "^([0-9][0-9][0-9][0-9])([0-9][0-9])([0-9][0-9])$" "\\1-\\2-\\3"
       WATTLAN_RELEASE_DATE "${_version_BUILD_DATE}")

# The catalogue is installed when its files are in data/. Until then the
# install leaves it out and the checks that start the program are skipped;
# once any of them is there, all three are required.
set(WATTLAN_HAVE_CATALOGUE OFF)
foreach(_file IN LISTS WATTLAN_CATALOGUE_FILES)
  if(EXISTS ${PROJECT_SOURCE_DIR}/data/${_file})
    set(WATTLAN_HAVE_CATALOGUE ON)
  endif()
endforeach()
# Files added to data/ later are noticed by the next build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data)

install(TARGETS wattlan RUNTIME DESTINATION ${WATTLAN_PRIVATE_DIR} COMPONENT window)
install(TARGETS wattlan-cli RUNTIME DESTINATION ${WATTLAN_PRIVATE_DIR} COMPONENT cli)
install(FILES resources/Wattlan.ico DESTINATION ${WATTLAN_PRIVATE_DIR} COMPONENT window)
if(WATTLAN_HAVE_CATALOGUE)
  list(TRANSFORM WATTLAN_CATALOGUE_FILES PREPEND data/ OUTPUT_VARIABLE _catalogue)
  install(FILES ${_catalogue} DESTINATION ${WATTLAN_PRIVATE_DIR} COMPONENT cli)
else()
  message(STATUS "The product catalogue (data/ym_config_*.xml) is not in the source tree: "
                 "the install leaves it out and the checks that start the installed program are skipped.")
endif()

# The translations lie beside the program as well.
include(${CMAKE_CURRENT_LIST_DIR}/Translations.cmake)

file(RELATIVE_PATH WATTLAN_BIN_TO_PRIVATE
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${WATTLAN_PRIVATE_DIR})
configure_file(packaging/wattlan.sh.in ${PROJECT_BINARY_DIR}/packaging/wattlan @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/wattlan DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT window)
# The command-line companion stays in the caller's working directory, where
# its file arguments are; it finds the catalogue beside itself.
configure_file(packaging/wattlan-cli.sh.in ${PROJECT_BINARY_DIR}/packaging/wattlan-cli @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/wattlan-cli DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT cli)

configure_file(packaging/${WATTLAN_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${WATTLAN_APP_ID}.metainfo.xml @ONLY)
install(FILES packaging/${WATTLAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT window)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${WATTLAN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT window)

set(_hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable)
install(FILES resources/wattlan-icon.svg DESTINATION ${_hicolor}/apps RENAME ${WATTLAN_APP_ID}.svg
        COMPONENT window)
foreach(_action new open save)
  install(FILES resources/${_action}icon.svg DESTINATION ${_hicolor}/actions
          RENAME ${WATTLAN_APP_ID}-${_action}.svg COMPONENT window)
endforeach()

# The checks install into a folder of the build and start what they installed.
# A sanitizer build is for finding faults in the code, not for shipping.
if(BUILD_TESTING AND NOT WATTLAN_SANITIZE)
  set(_check ${PROJECT_SOURCE_DIR}/packaging/check.sh)
  list(JOIN WATTLAN_CATALOGUE_FILES " " _catalogue_names)
  list(JOIN WATTLAN_TOOLKIT_TRANSLATION_FILES " " _toolkit_translations)
  set(_check_env "WATTLAN_HAVE_CATALOGUE=${WATTLAN_HAVE_CATALOGUE}"
                 "WATTLAN_CATALOGUE_FILES=${_catalogue_names}"
                 "WATTLAN_TOOLKIT_TRANSLATION_FILES=${_toolkit_translations}"
                 "WATTLAN_APP_ID=${WATTLAN_APP_ID}"
                 "WATTLAN_VERSION=${PROJECT_VERSION}"
                 "WATTLAN_TITLE=Wattlan Release ${PROJECT_VERSION}")
  list(JOIN _check_env ";" _check_env)
  set(_prefix ${PROJECT_BINARY_DIR}/install-check)

  add_test(NAME install_tree COMMAND ${_check} install ${PROJECT_BINARY_DIR} ${_prefix})
  add_test(NAME install_starts COMMAND ${_check} start ${_prefix})
  set_tests_properties(install_tree PROPERTIES FIXTURES_SETUP wattlan_installed)
  set_tests_properties(install_starts PROPERTIES FIXTURES_REQUIRED wattlan_installed)
  set_tests_properties(install_tree install_starts PROPERTIES
    ENVIRONMENT "${_check_env}" SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()
