// The main window's commands: from the menus, the accelerators, the toolbar
// and a second start of the program.
#include "app/commands.h"

#include "app/article_font.h"
#include "app/menu_marks.h"
#include "dialogs/win32/about_dialog.h"
#include "dialogs/win32/web_address.h"
#include "output/clipboard_copy.h"
#include "output/win32/printing.h"
#include "resources/resource_ids.h"
#include "search/book_search.h"
#include "search/win32/search_dialog.h"
#include "settings/app_settings.h"
#include "settings/bookmarks.h"
#include "store/navigation.h"
#include "toc/win32/choose_section.h"
#include "verses/verse_selection.h"
#include "verses/win32/find_all_dialog.h"
#include "verses/win32/go_to_verse_dialog.h"
#include "view/article_view.h"

namespace {

void Exit(HWND window) { DestroyWindow(window); }

void ToggleReverse(HWND window) {
    UpdateReverseMark(window, MarkMode::Toggle);
    DrawArticleView(AppSettings.View, kErase);
}

void Bookmark(HWND window) {
    ToggleBookmark(IsBookmarked());
    UpdateBookmarkMark(window, MarkMode::Set);
}

// The titles are drawn in the article's face and at the settings' size; until
// a face is chosen, in the face the article falls back to, so the list never
// shows boxes.
FontSpec IndexFontSpec() {
    FontSpec font = ShownArticleFont();
    font.FontSize = AppSettings.Font.FontSize;
    return font;
}

void ChooseArticle(HWND window) {
    const FontSpec font = IndexFontSpec();
    const uint16_t current = AppSettings.Lesson;
    const uint16_t chosen = ChooseSection(window, current, &font);
    if (chosen != 0 && chosen != current) GoToArticle(window, chosen);
}

void Copy(HWND) { CopyArticle(AppSettings.View, kReplaceClipboard); }
void AppendToClipboard(HWND) { CopyArticle(AppSettings.View, kAppendToClipboard); }
void CopyVerses(HWND) { CopyVerse(AppSettings.View); }
void Print(HWND) { PrintArticle(AppSettings.View); }

void PreviousArticle(HWND window) { StepArticle(window, -1); }
void NextArticle(HWND window) { StepArticle(window, +1); }
void Search(HWND window) { ShowSearchDialog(window); }
void SearchAgain(HWND window) { SearchBook(window); }
void GoToVerses(HWND window) { ShowGoToVerseDialog(window); }
void FindAll(HWND window) { ShowFindAllDialog(window); }

struct CommandEntry {
    int Command;
    void (*Run)(HWND window);
};

const CommandEntry kCommands[] = {
    {IDM_ABOUT,                ShowAboutBox},
    {IDM_CHECK_FOR_UPDATES,    CheckForUpdates},
    {IDM_CHOOSE_ARTICLE,       ChooseArticle},
    {IDM_CHOOSE_ARTICLE_ALIAS, ChooseArticle},
    {IDM_FONT,                 ChooseArticleFont},
    {IDM_REVERSE,              ToggleReverse},
    {IDM_COPY,                 Copy},
    {IDM_APPEND_TO_CLIPBOARD,  AppendToClipboard},
    {IDM_COPY_VERSE,           CopyVerses},
    {IDM_PRINT,                Print},
    {IDM_EXIT,                 Exit},
    {IDM_BOOKMARK,             Bookmark},
    {IDM_PREVIOUS_ARTICLE,     PreviousArticle},
    {IDM_NEXT_ARTICLE,         NextArticle},
    {IDM_SEARCH,               Search},
    {IDM_SEARCH_AGAIN,         SearchAgain},
    {IDM_GO_TO_VERSE,          GoToVerses},
    {IDM_FIND_ALL,             FindAll},
};

}  // namespace

int OnCommand(HWND window, int command) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.Command == command) {
            entry.Run(window);
            return 0;
        }
    }
    return 1;
}
