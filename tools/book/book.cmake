# The book: its source is fetched and checked at build time, the builder turns
# it into the embedded records, and the Win32 half embeds them through
# generated/book.rc. The book's model (source parsing, articles, markup, the
# contents record) is part of orvendel_tools, so unit tests reach it directly.
find_package(pugixml REQUIRED)

file(GLOB BOOK_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/book/*.cpp)
list(FILTER BOOK_SOURCES EXCLUDE REGEX "_main\\.cpp$")
target_sources(orvendel_tools PRIVATE ${BOOK_SOURCES})
target_link_libraries(orvendel_tools PUBLIC pugixml::pugixml)

# The sanitizer build makes no book: its whole-book tests read the normal
# build's (ORVENDEL_BOOK_BUILD, which ./test sets).
if(ORVENDEL_SANITIZE)
  return()
endif()

set(ORVENDEL_BOOK_PACKAGE "morphhb@2.0.2")
set(ORVENDEL_BOOK_TARBALL "" CACHE FILEPATH
  "A local copy of the ${ORVENDEL_BOOK_PACKAGE} tarball, used instead of the npm registry")
set(BOOK_CHECKSUM ${CMAKE_SOURCE_DIR}/tools/book/morphhb-2.0.2.sha256)
set(BOOK_SOURCE_DIR ${CMAKE_BINARY_DIR}/book-source)
set(BOOK_SOURCE_STAMP ${BOOK_SOURCE_DIR}/unpacked.stamp)
set(BOOK_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(BOOK_STAMP ${BOOK_GENERATED_DIR}/book.stamp)

find_program(NPM_EXECUTABLE npm)
set(book_fetch_depends ${BOOK_CHECKSUM} ${CMAKE_SOURCE_DIR}/tools/book/fetch_book_source.cmake)
if(ORVENDEL_BOOK_TARBALL)
  list(APPEND book_fetch_depends ${ORVENDEL_BOOK_TARBALL})
elseif(NOT NPM_EXECUTABLE)
  message(WARNING "npm is missing: the book's source can only come from ORVENDEL_BOOK_TARBALL")
  set(NPM_EXECUTABLE npm)
endif()
add_custom_command(OUTPUT ${BOOK_SOURCE_STAMP}
  COMMAND ${CMAKE_COMMAND} -DDESTINATION=${BOOK_SOURCE_DIR} -DCHECKSUM_FILE=${BOOK_CHECKSUM}
          -DNPM=${NPM_EXECUTABLE} -DPACKAGE=${ORVENDEL_BOOK_PACKAGE} -DTARBALL=${ORVENDEL_BOOK_TARBALL}
          -P ${CMAKE_SOURCE_DIR}/tools/book/fetch_book_source.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${BOOK_SOURCE_STAMP}
  DEPENDS ${book_fetch_depends}
  COMMENT "Fetching the book's source (${ORVENDEL_BOOK_PACKAGE})"
  VERBATIM)
# A target of its own, so the fetch runs while the builder compiles.
add_custom_target(book_source DEPENDS ${BOOK_SOURCE_STAMP})

add_executable(orvendel_book_builder ${CMAKE_SOURCE_DIR}/tools/book/build_book_main.cpp)
target_link_libraries(orvendel_book_builder PRIVATE orvendel_tools)
target_compile_options(orvendel_book_builder PRIVATE ${WARNINGS})

add_custom_command(OUTPUT ${BOOK_STAMP}
  BYPRODUCTS ${BOOK_GENERATED_DIR}/book.rc
  COMMAND orvendel_book_builder ${BOOK_SOURCE_DIR}/package/wlc ${BOOK_GENERATED_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${BOOK_STAMP}
  DEPENDS orvendel_book_builder ${BOOK_SOURCE_STAMP}
  COMMENT "Building the book's records"
  VERBATIM)
add_custom_target(book_records ALL DEPENDS ${BOOK_STAMP})
add_dependencies(book_records book_source)
set_property(GLOBAL APPEND PROPERTY ORVENDEL_RESOURCE_TARGETS book_records)
