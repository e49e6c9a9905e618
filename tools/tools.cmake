# Native tools: the PalmDoc record compressor and container writer the book
# builder uses, as the library orvendel_tools (unit tests and benchmarks link it).
file(GLOB PALMDOC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/palmdoc/*.cpp)
add_library(orvendel_tools STATIC ${PALMDOC_SOURCES})
# The tools share the core's headers (letter codes, the record layout) but
# none of its code, so the reader's build compiles no core natively.
target_include_directories(orvendel_tools PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orvendel_tools PRIVATE ${WARNINGS})

# The book: its source, the builder and the generated records (book_records).
include(${CMAKE_SOURCE_DIR}/tools/book/book.cmake)

# The program's pictures drawn as text (program_art).
include(${CMAKE_SOURCE_DIR}/tools/art/art.cmake)
