# Native tools: the PalmDoc record compressor and container writer the book
# builder uses, as the library orvendel_tools (unit tests and benchmarks link it).
file(GLOB PALMDOC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/palmdoc/*.cpp)
add_library(orvendel_tools STATIC ${PALMDOC_SOURCES})
target_link_libraries(orvendel_tools PUBLIC orvendel_core)
target_compile_options(orvendel_tools PRIVATE ${WARNINGS})

# The book: its source, the builder and the generated records (book_records).
include(${CMAKE_SOURCE_DIR}/tools/book/book.cmake)

# The program's pictures drawn as text (program_art).
include(${CMAKE_SOURCE_DIR}/tools/art/art.cmake)
