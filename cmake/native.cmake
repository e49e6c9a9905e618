# The native half: unit tests, benchmarks, tools, the book, and the Win32 half
# as an external project whose test programs run under Wine.

# The reader alone: the tools that write its resources, then the Win32 half,
# which builds only the program.
if(ORVENDEL_READER_ONLY)
  include(${CMAKE_SOURCE_DIR}/tools/tools.cmake)
  include(${CMAKE_SOURCE_DIR}/cmake/win32_half.cmake)
  return()
endif()

enable_testing()
include(GoogleTest)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Native tools (the record compressor, the book builder, the resource
# generators) bring their own CMake file. It defines the library
# orvendel_tools, which the unit tests and benchmarks link, and targets that
# write resources for the Win32 half (added to the global property
# ORVENDEL_RESOURCE_TARGETS).
include(${CMAKE_SOURCE_DIR}/tools/tools.cmake)

# The portable core needs no window system: its sources build here natively,
# and so does each of its headers on its own, so a core header that includes
# <windows.h> (or leans on what it does not include) breaks the build.
set(CORE_HEADER_CHECKS)
foreach(dir ${CORE_DIRS})
  file(GLOB dir_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  foreach(header ${dir_headers})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${header})
    string(MAKE_C_IDENTIFIER ${relative} name)
    set(check ${CMAKE_BINARY_DIR}/core_headers/${name}.cpp)
    file(CONFIGURE OUTPUT ${check} CONTENT "#include \"${relative}\"\n")
    list(APPEND CORE_HEADER_CHECKS ${check})
  endforeach()
endforeach()
add_library(orvendel_core_headers OBJECT ${CORE_HEADER_CHECKS})
target_include_directories(orvendel_core_headers PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orvendel_core_headers PRIVATE ${WARNINGS})

# The core's folders depend one way (the layering of docs/architecture.md):
# every build fails while their includes go round in a circle.
add_custom_target(core_layering ALL
  COMMAND ${CMAKE_SOURCE_DIR}/tools/check_layering.sh ${CMAKE_SOURCE_DIR} ${CORE_DIRS}
  COMMENT "Checking that the core's folders include each other one way"
  VERBATIM)

file(GLOB FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
add_library(orvendel_fakes STATIC ${FAKE_SOURCES})
target_link_libraries(orvendel_fakes PUBLIC orvendel_core)

file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
# The build tree whose book (generated/ and book-source/) the whole-book tests
# read: this one, or, for a build that makes no book (the sanitizer build),
# the normal build's.
set(ORVENDEL_BOOK_BUILD "${CMAKE_BINARY_DIR}" CACHE PATH "The build tree whose book the unit tests read")

add_executable(orvendel_unit_tests ${UNIT_SOURCES})
target_link_libraries(orvendel_unit_tests PRIVATE
  orvendel_fakes orvendel_tools orvendel_core GTest::gtest_main)
target_compile_options(orvendel_unit_tests PRIVATE ${WARNINGS})
target_compile_definitions(orvendel_unit_tests PRIVATE
  ORVENDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ORVENDEL_BINARY_DIR="${CMAKE_BINARY_DIR}"
  ORVENDEL_BOOK_BUILD_DIR="${ORVENDEL_BOOK_BUILD}")
gtest_discover_tests(orvendel_unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)

if(ORVENDEL_SANITIZE)
  return()
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  foreach(source ${BENCH_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE
      orvendel_fakes orvendel_tools orvendel_core benchmark::benchmark)
    target_compile_definitions(${name} PRIVATE
      ORVENDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ORVENDEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  endforeach()
endif()

if(NOT ORVENDEL_WIN32)
  return()
endif()

include(${CMAKE_SOURCE_DIR}/cmake/win32_half.cmake)

# The program imports only what Windows 7 has (the list is checked by hand
# against the platform's documentation; anything newer goes through
# GetProcAddress).
add_test(NAME ProgramImports.OnlyWhatWindows7Has
  COMMAND ${CMAKE_SOURCE_DIR}/tools/check_imports.sh ${WIN32_BINARY_DIR}/orvendel.exe
          ${CMAKE_SOURCE_DIR}/tools/windows7_imports.txt)
set_tests_properties(ProgramImports.OnlyWhatWindows7Has PROPERTIES LABELS unit)

# Wine: one throw-away prefix and one Xvfb display per test run, set up and torn
# down by fixtures; the Win32 programs drive windows, so they run one at a time.
set(WINE_SESSION ${CMAKE_SOURCE_DIR}/tools/wine-session.sh)
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine-session)
add_test(NAME wine.start COMMAND ${WINE_SESSION} start ${WINE_STATE})
add_test(NAME wine.stop COMMAND ${WINE_SESSION} stop ${WINE_STATE})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*_test.cpp)
foreach(source ${WIN32_TEST_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_test(NAME win32.${name}
    COMMAND ${WINE_SESSION} run ${WINE_STATE} ${WIN32_BINARY_DIR}/${name}.exe)
  # A test that skips is reported as skipped, not passed (./test fails on it).
  set_tests_properties(win32.${name} PROPERTIES
    FIXTURES_REQUIRED wine RESOURCE_LOCK wine LABELS win32 TIMEOUT 600
    SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
    ENVIRONMENT "ORVENDEL_EXE=${WIN32_BINARY_DIR}/orvendel.exe;ORVENDEL_SOURCE_DIR=${CMAKE_SOURCE_DIR};ORVENDEL_BINARY_DIR=${CMAKE_BINARY_DIR}")
endforeach()

# A print queue for the Win32 tests that print: CUPS with a PDF printer as the
# default, started for the run when no scheduler runs, shared with other runs.
set(CUPS_SESSION ${CMAKE_SOURCE_DIR}/tools/cups-session.sh)
set(CUPS_STATE ${CMAKE_BINARY_DIR}/cups-session)
add_test(NAME cups.start COMMAND ${CUPS_SESSION} start ${CUPS_STATE})
add_test(NAME cups.stop COMMAND ${CUPS_SESSION} stop ${CUPS_STATE})
set_tests_properties(cups.start PROPERTIES FIXTURES_SETUP cups)
set_tests_properties(cups.stop PROPERTIES FIXTURES_CLEANUP cups)
set(PRINT_QUEUE_TESTS printing_test)
foreach(name ${PRINT_QUEUE_TESTS})
  set_property(TEST win32.${name} APPEND PROPERTY FIXTURES_REQUIRED cups)
  set_property(TEST win32.${name} APPEND PROPERTY ENVIRONMENT "ORVENDEL_CUPS_STATE=${CUPS_STATE}")
endforeach()
