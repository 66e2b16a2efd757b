# Translations.
#
# The application's own texts: translations/wattlan_<lang>.ts, kept current
# with the update_translations target (lupdate over the sources and forms of
# every layer: the core, the widgets and the run sheet) and compiled by every build into wattlan_<lang>.qm beside the
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
# command line's own texts are in the same catalogue.
file(GLOB WATTLAN_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/core/*.cpp ${PROJECT_SOURCE_DIR}/core/*.h
  ${PROJECT_SOURCE_DIR}/runeditor/*.cpp ${PROJECT_SOURCE_DIR}/runeditor/*.h
  ${PROJECT_SOURCE_DIR}/tabs/*.cpp ${PROJECT_SOURCE_DIR}/tabs/*.h
  ${PROJECT_SOURCE_DIR}/prefs/*.cpp ${PROJECT_SOURCE_DIR}/prefs/*.h ${PROJECT_SOURCE_DIR}/prefs/*.ui
  ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h ${PROJECT_SOURCE_DIR}/app/*.ui
  ${PROJECT_SOURCE_DIR}/sheet/*.cpp ${PROJECT_SOURCE_DIR}/sheet/*.h
  ${PROJECT_SOURCE_DIR}/cli/*.cpp ${PROJECT_SOURCE_DIR}/cli/*.h)
list(FILTER WATTLAN_TRANSLATED_SOURCES EXCLUDE REGEX "/app/main\\.cpp$")
qt_add_lupdate(wattlan_widgets TS_FILES ${WATTLAN_TS_FILES} SOURCES ${WATTLAN_TRANSLATED_SOURCES}
  OPTIONS -no-obsolete -locations none)
qt_add_lrelease(wattlan TS_FILES ${WATTLAN_TS_FILES} QM_FILES_OUTPUT_VARIABLE WATTLAN_QM_FILES)
# The run sheet of wattlan-cli is worded from the same catalogue: it goes with the command line.
install(FILES ${WATTLAN_QM_FILES} DESTINATION ${WATTLAN_PRIVATE_DIR} COMPONENT cli)

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
    install(FILES ${PROJECT_BINARY_DIR}/${_file} DESTINATION ${WATTLAN_PRIVATE_DIR} COMPONENT window)
  endforeach()
  list(APPEND WATTLAN_TOOLKIT_TRANSLATION_FILES ${_files})
endforeach()
