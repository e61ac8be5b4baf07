# Helpers shared by the folder CMakeLists files.
#
# Sources are collected per folder (one class per .h/.cpp pair), so adding a
# file to a folder needs no edit of a build file.

# pw_folder_library(NAME [EXCLUDE file...] LINK target...)
function(pw_folder_library name)
  cmake_parse_arguments(ARG "" "" "EXCLUDE;LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  foreach(ex ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
endfunction()

include(GoogleTest)

# Test code is compiled for a quick build rather than speed: the code under
# test comes optimised from the folder libraries, and the tests' own code
# (assertions, fixtures, GoogleTest's expansions) compiles two to three times
# faster without optimisation. Line tables stay for backtraces. A Debug build
# keeps its own flags.
set(PW_TEST_COMPILE_OPTIONS "$<$<NOT:$<CONFIG:Debug>>:-O0;-g1>" -Winvalid-pch)

# pw_test(NAME SOURCES file... LINK target... [LABELS label...] [QT] [COSTS name seconds...])
# A GoogleTest program registered with CTest, one CTest entry per test case.
# QT: the program runs under a QApplication on the offscreen platform.
# CORE: under a QCoreApplication (an event loop without any window library).
# COSTS: the seconds that the slow cases take, each case named whole or by the
# start of its name. CTest starts the costliest tests first, so a parallel run
# does not end with one long test running alone; a fresh build folder has no
# timings of its own yet and goes by these.
function(pw_test name)
  cmake_parse_arguments(ARG "QT;GUI;CORE" "" "SOURCES;LINK;LABELS;COSTS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  if(ARG_QT OR ARG_GUI)
    target_link_libraries(${name} PRIVATE pw_test_main_qt)
  elseif(ARG_CORE)
    target_link_libraries(${name} PRIVATE pw_test_main_core)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE pw_test_support GTest::gtest GTest::gmock ${ARG_LINK})
  target_precompile_headers(${name} REUSE_FROM pw_test_support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_LABELS)
    set(labels ${ARG_LABELS})
  else()
    set(labels unit)
  endif()
  set(environment QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy PINEWICK_SOURCE_DIR=${CMAKE_SOURCE_DIR}
      PINEWICK_BUILD_DIR=${CMAKE_BINARY_DIR} PINEWICK_PROGRAM=$<TARGET_FILE:pinewick>)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    # Parameterised cases keep their index (or their generated name): printed
    # values would put object bytes into the names, different in every build.
    NO_PRETTY_VALUES
    TEST_LIST ${name}_TESTS)
  # Properties with several values can't pass through gtest_discover_tests:
  # they are set on the discovered tests by a file CTest reads after discovery.
  set(costs "")
  while(ARG_COSTS)
    list(POP_FRONT ARG_COSTS prefix seconds)
    string(APPEND costs "  string(FIND \"\${test}\" \"${prefix}\" at)\n"
           "  if(at EQUAL 0)\n    set_tests_properties(\"\${test}\" PROPERTIES COST ${seconds})\n  endif()\n")
  endwhile()
  set(properties ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(GENERATE OUTPUT ${properties} CONTENT
       "foreach(test IN LISTS ${name}_TESTS)\n  set_tests_properties(\"\${test}\" PROPERTIES LABELS \"${labels}\" ENVIRONMENT \"${environment}\")\n${costs}endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties})
endfunction()

# pw_bench(NAME SOURCES file... LINK target... [QT])
# QT: the program's main is the shared one (bench/support/benchmain.cpp), which
# runs the benchmarks under an application object.
function(pw_bench name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LINK" ${ARGN})
  if(ARG_QT)
    list(APPEND ARG_SOURCES ${CMAKE_SOURCE_DIR}/bench/support/benchmain.cpp)
    list(APPEND ARG_LINK Qt6::Widgets)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LINK})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# Adds every direct sub-folder of the current folder that has a CMakeLists.txt.
function(pw_add_subfolders)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
