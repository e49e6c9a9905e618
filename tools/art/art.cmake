# The program's pictures (icon, toolbar strip, index-list glyphs, About box) are drawn as
# text in resources/art and turned into .bmp and .ico files for the resource
# script at build time. Each bitmap is also drawn at twice its size (*_2x.bmp),
# every art pixel a 2 x 2 square, for screens of 192 dots per inch and more;
# the toolbar also has art of its own at 24 x 24 for 144 to 191.
add_executable(make_art ${CMAKE_CURRENT_LIST_DIR}/make_art.cpp)
target_compile_options(make_art PRIVATE ${WARNINGS})

set(ART_SOURCE_DIR ${CMAKE_SOURCE_DIR}/resources/art)
set(ART_OUTPUT_DIR ${CMAKE_BINARY_DIR}/generated)
set(ART_OUTPUTS
  ${ART_OUTPUT_DIR}/orvendel.ico
  ${ART_OUTPUT_DIR}/toolbar.bmp
  ${ART_OUTPUT_DIR}/glyph_plus.bmp
  ${ART_OUTPUT_DIR}/glyph_minus.bmp
  ${ART_OUTPUT_DIR}/glyph_page.bmp
  ${ART_OUTPUT_DIR}/about.bmp
  ${ART_OUTPUT_DIR}/search_keyboard.bmp
  ${ART_OUTPUT_DIR}/toolbar_24.bmp
  ${ART_OUTPUT_DIR}/toolbar_2x.bmp
  ${ART_OUTPUT_DIR}/glyph_plus_2x.bmp
  ${ART_OUTPUT_DIR}/glyph_minus_2x.bmp
  ${ART_OUTPUT_DIR}/glyph_page_2x.bmp
  ${ART_OUTPUT_DIR}/about_2x.bmp
  ${ART_OUTPUT_DIR}/search_keyboard_2x.bmp)
add_custom_command(
  OUTPUT ${ART_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ART_OUTPUT_DIR}
  COMMAND make_art icon ${ART_SOURCE_DIR}/icon.txt ${ART_OUTPUT_DIR}/orvendel.ico
  COMMAND make_art strip ${ART_SOURCE_DIR}/toolbar.txt ${ART_OUTPUT_DIR}/toolbar.bmp 4
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/glyphs.txt glyph_plus ${ART_OUTPUT_DIR}/glyph_plus.bmp 1
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/glyphs.txt glyph_minus ${ART_OUTPUT_DIR}/glyph_minus.bmp 1
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/glyphs.txt glyph_page ${ART_OUTPUT_DIR}/glyph_page.bmp 1
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/about.txt about ${ART_OUTPUT_DIR}/about.bmp 1
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/search_keyboard.txt search_keyboard ${ART_OUTPUT_DIR}/search_keyboard.bmp 1
  COMMAND make_art strip ${ART_SOURCE_DIR}/toolbar_24.txt ${ART_OUTPUT_DIR}/toolbar_24.bmp 4
  COMMAND make_art strip ${ART_SOURCE_DIR}/toolbar.txt ${ART_OUTPUT_DIR}/toolbar_2x.bmp 4 2
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/glyphs.txt glyph_plus ${ART_OUTPUT_DIR}/glyph_plus_2x.bmp 1 2
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/glyphs.txt glyph_minus ${ART_OUTPUT_DIR}/glyph_minus_2x.bmp 1 2
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/glyphs.txt glyph_page ${ART_OUTPUT_DIR}/glyph_page_2x.bmp 1 2
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/about.txt about ${ART_OUTPUT_DIR}/about_2x.bmp 1 2
  COMMAND make_art bitmap ${ART_SOURCE_DIR}/search_keyboard.txt search_keyboard ${ART_OUTPUT_DIR}/search_keyboard_2x.bmp 1 2
  DEPENDS make_art ${ART_SOURCE_DIR}/icon.txt ${ART_SOURCE_DIR}/toolbar.txt ${ART_SOURCE_DIR}/toolbar_24.txt ${ART_SOURCE_DIR}/glyphs.txt
    ${ART_SOURCE_DIR}/about.txt ${ART_SOURCE_DIR}/search_keyboard.txt
  COMMENT "Drawing the icon, toolbar and glyph bitmaps"
  VERBATIM)
add_custom_target(program_art ALL DEPENDS ${ART_OUTPUTS})
set_property(GLOBAL APPEND PROPERTY ORVENDEL_RESOURCE_TARGETS program_art)
