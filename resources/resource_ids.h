// Identifiers of the program's resources and of its menu, accelerator and
// toolbar commands. Plain #defines: the resource compiler reads this file too.
#pragma once

#define IDR_MAIN_MENU 102
#define IDR_ACCELERATORS 3
#define IDI_ORVENDEL 101
#define IDB_TOOLBAR 114
#define IDB_GLYPH_PLUS 201    /* index list: a closed section */
#define IDB_GLYPH_MINUS 202   /* index list: an open section */
#define IDB_GLYPH_PAGE 203    /* index list: an article */
#define IDD_CHOOSE_SECTION 118   /* the table of contents dialog */

/* The About box and its picture. */
#define IDD_ABOUT 103
#define IDB_ABOUT 113
#define IDC_MAKER_LINK 1025
/* The Choose Font dialog. No control of the template has IDC_BASE_LATIN:
   base 97 comes only from the settings. */
#define IDD_CHOOSE_FONT 105
#define IDC_FONT_FACES 1001
#define IDC_FONT_SAMPLE 1002
#define IDC_BASE_LATIN 1003
#define IDC_BASE_1255 1004
#define IDC_BASE_UNICODE 1005
#define IDC_FONT_SIZES 1006
/* The Search dialog, its keyboard picture and its field. */
#define IDD_SEARCH 115
#define IDB_SEARCH_KEYBOARD 119
/* Each bitmap drawn at twice its size for screens of 192 dots per inch and
   more: its own identifier plus IDB_TWICE_OFFSET, written out because the
   resource compiler takes no sum for a name. */
#define IDB_TWICE_OFFSET 1000
#define IDB_TOOLBAR_TWICE 1114
#define IDB_ABOUT_TWICE 1113
#define IDB_SEARCH_KEYBOARD_TWICE 1119
#define IDB_GLYPH_PLUS_TWICE 1201
#define IDB_GLYPH_MINUS_TWICE 1202
#define IDB_GLYPH_PAGE_TWICE 1203
/* The toolbar strip drawn from 24 x 24 art, for 144 to 191 dots per inch. */
#define IDB_TOOLBAR_ONE_AND_HALF 1514
#define IDC_SEARCH_FIELD 1013
/* The Go to Verse dialog: its field is the search field again, and the
   line below it says what the field is understood as. */
#define IDD_GO_TO_VERSE 121
#define IDC_VERSE_FIELD IDC_SEARCH_FIELD
#define IDC_VERSE_LINE 1050
/* The Find All dialog: the search field again, the count of hits and the
   list of them. */
#define IDD_FIND_ALL 120
#define IDC_FIND_FIELD IDC_SEARCH_FIELD
#define IDC_FIND_STATUS 1050
#define IDC_FIND_LIST 1051

#define IDM_ABOUT 40004
#define IDM_CHECK_FOR_UPDATES 129
#define IDM_CHOOSE_ARTICLE 119
#define IDM_CHOOSE_ARTICLE_ALIAS 107   /* no menu item or key sends it */
#define IDM_FONT 40006
#define IDM_REVERSE 122
#define IDM_COPY 40007
#define IDM_APPEND_TO_CLIPBOARD 40009
#define IDM_PRINT 40008
#define IDM_EXIT 40005
#define IDM_BOOKMARK 123
#define IDM_PREVIOUS_ARTICLE 110
#define IDM_NEXT_ARTICLE 109
#define IDM_SEARCH 116
#define IDM_SEARCH_AGAIN 117
#define IDM_GO_TO_VERSE 40010
#define IDM_FIND_ALL 40011
#define IDM_COPY_VERSE 40012

/* The toolbar's control id and the number of pictures in its bitmap strip. */
#define IDC_TOOLBAR 1
#define TOOLBAR_IMAGE_COUNT 6
#define TOOLBAR_IMAGE_SIZE 16
