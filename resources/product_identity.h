/* The program's name, maker, version and the text's attribution, written once.
   Plain #defines: the resource script spells them into the version resource
   and the About box, the code makes its constants of them
   (dialogs/product_version.h, platform/maker_site.h). */
#pragma once

#define PRODUCT_NAME "Orvendel"
#define MAKER_NAME "Kestrane"
#define PRODUCT_DESCRIPTION "Orvendel, a reader of the Hebrew Bible"
#define TEXT_ATTRIBUTION "Text: OSHB, CC BY 4.0"
#define TEXT_LICENCE                                                                  \
    "The Hebrew text: Westminster Leningrad Codex as published by the Open "         \
    "Scriptures Hebrew Bible (OSHB), licensed under CC BY 4.0, "                      \
    "https://creativecommons.org/licenses/by/4.0/"
#define MAKER_HOST "www.kestrane.example"

/* The version as people read it, and as the four numbers that file
   properties and installers compare: major, minor, the letter's place in the
   alphabet (none 0, a 1, b 2, ...), build. 1.84 < 1.84a < 1.84b < 1.85. */
#define PRODUCT_VERSION "1.84a"
#define PRODUCT_VERSION_NUMBERS 1, 84, 1, 0
