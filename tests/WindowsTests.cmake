# The tests of the Windows build: the core and platform test binaries,
# cross-compiled and run by ctest through Wine (the toolchain's emulator;
# scripts/test-windows.sh makes the Wine prefix). What cannot run there is
# listed with its reason, in the configure output and in
# not-run-under-wine.txt, which the test script prints.

# GoogleTest from Debian's source package, built with the cross compiler.
set(TAVILO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, built for Windows")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TAVILO_GTEST_SOURCE} ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# (it names its targets GTest::gtest and GTest::gtest_main itself)
foreach(t gtest gtest_main)
  target_compile_options(${t} PRIVATE -w)  # not our warnings
endforeach()

set(tavilo_not_run "")
# tavilo_not_under_wine(REASON FILES...): FILES (below tests/) are neither built nor run.
macro(tavilo_not_under_wine reason)
  foreach(f ${ARGN})
    list(APPEND tavilo_not_run "tests/${f}: ${reason}")
  endforeach()
endmacro()

tavilo_not_under_wine("the GUI tests read pixels and windows back through X11 (tests/gui/x11_probe.cpp)"
  gui/)
tavilo_not_under_wine("the desktop's settings read on X11 (the Windows side asks the system, no parser)"
  platform/xsettings_test.cpp)
tavilo_not_under_wine("its faults are injected by an LD_PRELOAD shim of the C library"
  core/file_utils_fault_test.cpp)
tavilo_not_under_wine("runs parts as another user (fork, setuid: tests/support/as_user.cpp)"
  core/file_utils_copy_test.cpp core/file_utils_delete_test.cpp core/file_utils_paths_test.cpp
  core/ini_config_file_test.cpp core/tree_walker_test.cpp platform/files_test.cpp)
tavilo_not_under_wine("sets up its files and processes with POSIX calls (unistd.h, sys/stat.h)"
  core/catalogue_test.cpp core/file_utils_search_test.cpp
  core/picture_file_test.cpp core/tavilo_check_program_test.cpp core/tree_copy_test.cpp
  platform/launch_test.cpp platform/paths_test.cpp)

# tavilo_test_not_under_wine(REASON TESTS...): GoogleTest cases that are built
# but not run (ctest -E in scripts/test-windows.sh).
set(tavilo_not_run_tests "")
macro(tavilo_test_not_under_wine reason)
  foreach(t ${ARGN})
    list(APPEND tavilo_not_run "${t}: ${reason}")
    list(APPEND tavilo_not_run_tests ${t})
  endforeach()
endmacro()

tavilo_test_not_under_wine("written with POSIX paths ('/' the root, '//' one separator)"
  FolderTree.NormalFolderDropsTrailingAndDoubledSeparators FolderTree.TrailingSeparatorRules
  FolderTree.RootAncestorsFolderThenSubFoldersOneLevelDeeper PathShorten.MiddleFoldersGiveWayFirst
  CopySourceFolder.TheEntrysFolderOrItsFilesFolderWhenItCanBeEnteredElseTheProgramFolder
  CopyFailureMessage.ListsTheFirstFewBelowTheSourceAndCountsAllInTheQuestion)

# The support files: TempTree has a Windows side, running as another user has none.
add_library(tavilo_test_support STATIC ${CMAKE_CURRENT_SOURCE_DIR}/support/win32/temp_tree_win32.cpp)
target_include_directories(tavilo_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
                           ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_link_libraries(tavilo_test_support PUBLIC tavilo_core GTest::gtest)

foreach(layer platform core)
  file(GLOB srcs CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${layer}/*.cpp)
  foreach(entry ${tavilo_not_run})
    string(REGEX REPLACE "^tests/([^:]*):.*" "\\1" f "${entry}")
    list(REMOVE_ITEM srcs ${f})
  endforeach()
  if(NOT srcs)
    message(STATUS "No ${layer} tests run under Wine")
    continue()
  endif()
  list(TRANSFORM srcs PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  add_executable(tavilo_${layer}_tests ${srcs})
  target_link_libraries(tavilo_${layer}_tests PRIVATE tavilo_test_support GTest::gtest_main)
  if(layer STREQUAL "platform")
    # The system's open dialog, answered as a person would.
    target_link_libraries(tavilo_platform_tests PRIVATE tavilo_platform_window)
  endif()
  if(layer STREQUAL "core")
    add_dependencies(tavilo_core_tests tavilo-check)
    target_compile_definitions(tavilo_core_tests PRIVATE TAVILO_CHECK_PROGRAM="$<TARGET_FILE:tavilo-check>")
  endif()
  target_compile_definitions(tavilo_${layer}_tests PRIVATE
    TAVILO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TAVILO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  # Listed when ctest runs (through Wine), not when they are built.
  gtest_discover_tests(tavilo_${layer}_tests
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "TAVILO_TEST_TMP=${PROJECT_BINARY_DIR}/test-tmp")
endforeach()

add_test(NAME layers.includes
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)

list(JOIN tavilo_not_run "\n" tavilo_not_run_text)
string(REPLACE "." "\\." tavilo_not_run_tests "${tavilo_not_run_tests}")
list(JOIN tavilo_not_run_tests "|" tavilo_not_run_regex)
file(WRITE ${PROJECT_BINARY_DIR}/not-run-under-wine.regex "^(${tavilo_not_run_regex})$\n")
file(WRITE ${PROJECT_BINARY_DIR}/not-run-under-wine.txt "${tavilo_not_run_text}\n")
foreach(entry ${tavilo_not_run})
  message(STATUS "Not run under Wine: ${entry}")
endforeach()

# Tavilo.exe started from the demo medium in CD drive D:, an entry opened, a
# folder copied through the copy window, the program closed;
# tavilo-check.exe on D:.
add_test(NAME e2e.windows_main_window
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/windows_main_window.sh $<TARGET_FILE:Tavilo>
          $<TARGET_FILE:tavilo-check> ${PROJECT_SOURCE_DIR}/examples/demo-medium)
set_tests_properties(e2e.windows_main_window PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE
  ENVIRONMENT "TAVILO_TEST_TMP=${PROJECT_BINARY_DIR}/test-tmp")

# The shown picture copied through the image window and the system's open dialog.
add_test(NAME e2e.windows_image_copy
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/windows_image_copy.sh $<TARGET_FILE:Tavilo>
          ${PROJECT_SOURCE_DIR}/examples/demo-medium)
set_tests_properties(e2e.windows_image_copy PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE
  ENVIRONMENT "TAVILO_TEST_TMP=${PROJECT_BINARY_DIR}/test-tmp")
