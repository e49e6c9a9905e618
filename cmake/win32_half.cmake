# The Win32 half, built with MinGW-w64 as an external project of the native
# half: first the program alone (the target `reader`, all that ./run builds),
# then the rest of that half (the Win32 test programs, the timed tools).
# Native targets that write resources for it into generated/ (book records,
# bitmaps, icon) register themselves in the global property
# ORVENDEL_RESOURCE_TARGETS.
include(ExternalProject)
set(WIN32_BINARY_DIR ${CMAKE_BINARY_DIR}/win32)
get_property(win32_depends GLOBAL PROPERTY ORVENDEL_RESOURCE_TARGETS)
set(ORVENDEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
ExternalProject_Add(win32
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${WIN32_BINARY_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DORVENDEL_GENERATED_DIR=${ORVENDEL_GENERATED_DIR}
    -DORVENDEL_READER_ONLY=${ORVENDEL_READER_ONLY}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS ${win32_depends}
  USES_TERMINAL_BUILD ON)

# Make's own recursion shares its job slots with the sub-build.
if(CMAKE_GENERATOR MATCHES "Makefiles")
  set(build_program $(MAKE) orvendel)
else()
  set(build_program ${CMAKE_COMMAND} --build . --target orvendel)
endif()
ExternalProject_Add_Step(win32 program
  COMMAND ${build_program}
  WORKING_DIRECTORY <BINARY_DIR>
  DEPENDEES configure
  DEPENDERS build
  ALWAYS ON
  COMMENT "Building orvendel.exe")
ExternalProject_Add_StepTargets(win32 program)
add_custom_target(reader)
add_dependencies(reader win32-program)

include(${CMAKE_SOURCE_DIR}/tools/package/package.cmake)
