# Translations.
#
# The application's own texts: translations/wattlan_<lang>.ts, kept current
# with the update_translations target (lupdate over the sources and forms of
# wattlan_core) and compiled by every build into wattlan_<lang>.qm beside the
# executable, where the program loads it from.
#
# The toolkit's own texts ("qt_" + locale) are loaded from the working
# directory: the build folder under run.sh, the private lib directory once
# installed. Debian's qt_<lang>.qm holds no texts, only the names of the
# catalogues it consists of (qtbase_<lang>, qtmultimedia_<lang>), and it fails
# to load unless all of them lie beside it: so all are copied, or none.

set(WATTLAN_LANGUAGES de)
set(WATTLAN_TS_FILES "")
foreach(_lang IN LISTS WATTLAN_LANGUAGES)
  list(APPEND WATTLAN_TS_FILES ${PROJECT_SOURCE_DIR}/translations/wattlan_${_lang}.ts)
endforeach()
# Obsolete entries are dropped, so a text removed from the code leaves the catalogue too. The
# command-line companion's own texts are in the same catalogue.
get_target_property(_core_sources wattlan_core SOURCES)
get_target_property(_cli_sources wattlan_cli_lib SOURCES)
list(TRANSFORM _cli_sources PREPEND ${PROJECT_SOURCE_DIR}/cli/)
qt_add_lupdate(wattlan_core TS_FILES ${WATTLAN_TS_FILES} SOURCES ${_core_sources} ${_cli_sources}
  OPTIONS -no-obsolete -locations none)
qt_add_lrelease(wattlan TS_FILES ${WATTLAN_TS_FILES} QM_FILES_OUTPUT_VARIABLE WATTLAN_QM_FILES)
install(FILES ${WATTLAN_QM_FILES} DESTINATION ${WATTLAN_PRIVATE_DIR})

set(WATTLAN_QT_TRANSLATIONS_DIR /usr/share/qt6/translations
    CACHE PATH "Directory of the toolkit's compiled translations (package qt6-translations-l10n)")
set(WATTLAN_TOOLKIT_TRANSLATION_FILES "")
foreach(_lang IN LISTS WATTLAN_LANGUAGES)
  set(_files qt_${_lang}.qm qtbase_${_lang}.qm qtmultimedia_${_lang}.qm)
  set(_missing "")
  foreach(_file IN LISTS _files)
    if(NOT EXISTS ${WATTLAN_QT_TRANSLATIONS_DIR}/${_file})
      list(APPEND _missing ${_file})
    endif()
  endforeach()
  if(_missing)
    message(STATUS "${_missing} missing in ${WATTLAN_QT_TRANSLATIONS_DIR} (package "
                   "qt6-translations-l10n): the toolkit's own texts stay in English.")
    continue()
  endif()
  foreach(_file IN LISTS _files)
    configure_file(${WATTLAN_QT_TRANSLATIONS_DIR}/${_file} ${PROJECT_BINARY_DIR}/${_file} COPYONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${_file} DESTINATION ${WATTLAN_PRIVATE_DIR})
  endforeach()
  list(APPEND WATTLAN_TOOLKIT_TRANSLATION_FILES ${_files})
endforeach()
