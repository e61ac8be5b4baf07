# The program's texts in other languages (Qt Linguist).
#
# translations/pinewick_<language>.ts are the sources, kept in the repository
# and refreshed from the code with `cmake --build build --target
# update-translations` (lupdate); the build compiles them (lrelease) into
# Data/Translations/, where the program finds them in the build folder and,
# installed with the rest of the data, in share/pinewick/Data/Translations/.
set(PW_LANGUAGES de fr es it pl ru)
set(pw_qt_bins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin)
find_program(PW_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${pw_qt_bins} REQUIRED)
find_program(PW_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${pw_qt_bins} REQUIRED)

set(PW_QM_FILES)
foreach(language ${PW_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/pinewick_${language}.ts)
  set(qm ${PINEWICK_DATA_DIR}/Translations/pinewick_${language}.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${PW_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the ${language} translation"
    VERBATIM)
  list(APPEND PW_QM_FILES ${qm})
endforeach()
add_custom_target(translations ALL DEPENDS ${PW_QM_FILES})

# The texts are read from every source folder and from the data generator
# (the help balloons, the painted labels). Line numbers are left out of the
# .ts files, so a change elsewhere in a file does not touch all six.
set(pw_ts_files)
foreach(language ${PW_LANGUAGES})
  list(APPEND pw_ts_files ${CMAKE_SOURCE_DIR}/translations/pinewick_${language}.ts)
endforeach()
add_custom_target(
  update-translations
  COMMAND ${PW_LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h ${CMAKE_SOURCE_DIR}/src
          ${CMAKE_SOURCE_DIR}/tools/make-data -ts ${pw_ts_files}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Reading the program's texts into translations/*.ts"
  VERBATIM)
