# The portable archive a Windows user unpacks and runs, with no installation:
# <build>/Orvendel-<version>-win64.zip (tools/package.sh) holding one folder
# with the stripped program, its read-me and the text's licence, written from
# resources/package. The version is the one the About box shows.
set(PRODUCT_VERSION_HEADER ${CMAKE_SOURCE_DIR}/resources/product_identity.h)
file(STRINGS ${PRODUCT_VERSION_HEADER} version_line REGEX "#define PRODUCT_VERSION ")
if(NOT version_line MATCHES "\"([^\"]+)\"")
  message(FATAL_ERROR "No version in ${PRODUCT_VERSION_HEADER}")
endif()
set(ORVENDEL_VERSION ${CMAKE_MATCH_1})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PRODUCT_VERSION_HEADER})

# In the cache too, for tools/package.sh to say where it landed.
set(PORTABLE_ARCHIVE ${CMAKE_BINARY_DIR}/Orvendel-${ORVENDEL_VERSION}-win64.zip CACHE INTERNAL
  "The portable archive")
set(PACKAGE_TEXTS ${CMAKE_SOURCE_DIR}/resources/package)
set(PACKAGE_SCRIPT ${CMAKE_SOURCE_DIR}/tools/package/make_archive.cmake)
add_custom_command(OUTPUT ${PORTABLE_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=${WIN32_BINARY_DIR}/orvendel.exe -DVERSION=${ORVENDEL_VERSION}
          -DTEXTS=${PACKAGE_TEXTS} -DSTAGE=${CMAKE_BINARY_DIR}/package -DARCHIVE=${PORTABLE_ARCHIVE}
          -P ${PACKAGE_SCRIPT}
  DEPENDS ${WIN32_BINARY_DIR}/orvendel.exe ${PACKAGE_TEXTS}/read-me.txt.in ${PACKAGE_TEXTS}/licence.txt
          ${PACKAGE_SCRIPT}
  COMMENT "Packing ${PORTABLE_ARCHIVE}"
  VERBATIM)
add_custom_target(portable_archive ALL DEPENDS ${PORTABLE_ARCHIVE})
add_dependencies(portable_archive reader)
