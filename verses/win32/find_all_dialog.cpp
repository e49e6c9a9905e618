#include "verses/win32/find_all_dialog.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32/dialog.h"
#include "platform/win32/selected_object.h"
#include "platform/win32/subclassed_control.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "search/book_search.h"
#include "search/search_pattern.h"
#include "search/win32/search_field.h"
#include "settings/app_settings.h"
#include "verses/article_verses.h"
#include "verses/book_hits.h"
#include "verses/display_order.h"
#include "verses/verse_reference.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr Colour kHeadingBack = MakeColour(232, 232, 232);
constexpr Colour kSelectedBack = kVerseMarkColour;
constexpr Colour kHitBack = kYellow;   // as the article highlights a hit
constexpr int32_t kRowPadding = 3;     // pixels above and below a row's letters
constexpr int32_t kPieceGap = 12;      // pixels between a row's pieces and at its ends
constexpr int kControlMargin = 7;      // dialog units around the controls
// The widest chapter and verse numerals, for the references' column.
constexpr uint32_t kWidestChapter = 148;
constexpr uint32_t kWidestVerse = 178;

// One dialog at a time. The book's text and the hits live as long as it.
struct FindAllState {
    const VerseIndex* Index;
    HFONT FieldFont;
    HFONT DialogFont;   // the dialog's, for the Latin counts; not owned
    BookText Text;
    HitList List;
    uint8_t Pattern[kPatternMaxLength + 1];
    int32_t ReferenceWidth;
    bool Chosen;
    BookHit ChosenHit;
};
FindAllState State{};

// The search field's procedure, under the Find All field's own.
WNDPROC SearchFieldProc = nullptr;

HWND FieldOf(HWND dialog) { return GetDlgItem(dialog, IDC_FIND_FIELD); }
HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_FIND_LIST); }

int32_t WidthOf(TextDevice& device, const std::u16string& units, size_t first, size_t last) {
    return last > first ? device.MeasureRun(units.data() + first, int32_t(last - first)).Width : 0;
}

// Draws units[first, last) with its left edge at x; returns its width.
int32_t DrawPiece(TextDevice& device, const std::u16string& units, size_t first, size_t last, int32_t x,
                  const RECT& row) {
    const int32_t width = WidthOf(device, units, first, last);
    if (width > 0) device.DrawRunCentred(units.data() + first, int32_t(last - first), Rect{x, row.top, x + width, row.bottom});
    return width;
}

// The part of a string that fits width: all of it, or the hit [hitFirst,
// hitLast) with as much on either side as half the room left takes.
struct Slice {
    size_t First, Last;
};
Slice SliceAround(TextDevice& device, const std::u16string& units, size_t hitFirst, size_t hitLast, int32_t width) {
    if (WidthOf(device, units, 0, units.size()) <= width) return Slice{0, units.size()};
    const int32_t side = std::max(0, (width - WidthOf(device, units, hitFirst, hitLast)) / 2);
    int32_t fit = 0;
    device.MeasureFit(units.data() + hitLast, int32_t(units.size() - hitLast), side, &fit);
    size_t low = 0, high = hitFirst;   // the first unit of the longest run before the hit that fits
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (WidthOf(device, units, middle, hitFirst) <= side) high = middle; else low = middle + 1;
    }
    return Slice{low, hitLast + size_t(fit)};
}

// A hit's row: its reference against the right edge, and left of it the
// string that holds the hit, the hit on yellow.
void DrawHitRow(TextDevice& device, const RECT& row, const BookHit& hit) {
    const std::u16string reference =
        StoredOrderUnits(TurnedOrder(FormatReference(*State.Index, HitVerse(State.Text, *State.Index, hit))));
    const int32_t referenceWidth = WidthOf(device, reference, 0, reference.size());
    DrawPiece(device, reference, 0, reference.size(), row.right - kPieceGap - referenceWidth, row);

    const HitString string = StringHolding(State.Text, hit);
    const std::u16string units = StoredOrderUnits(ArticleTextOf(State.Text, hit.Article) + string.Start, string.Length);
    const size_t hitFirst = size_t(hit.Last + 1 - hit.Length - string.Start);
    const size_t hitLast = std::min(units.size(), size_t(hit.Last + 1 - string.Start));
    if (hitFirst >= hitLast) return;
    const int32_t right = row.right - 2 * kPieceGap - std::max(State.ReferenceWidth, referenceWidth);
    const Slice slice = SliceAround(device, units, hitFirst, hitLast, right - row.left - kPieceGap);
    int32_t x = right - WidthOf(device, units, slice.First, slice.Last);
    x += DrawPiece(device, units, slice.First, hitFirst, x, row);
    const int32_t hitWidth = WidthOf(device, units, hitFirst, hitLast);
    device.FillSolid(Rect{x, row.top + 1, x + hitWidth, row.bottom - 1}, kHitBack);
    x += DrawPiece(device, units, hitFirst, hitLast, x, row);
    DrawPiece(device, units, hitLast, slice.Last, x, row);
}

// A book's heading: its name against the right edge, its count left of it.
void DrawHeadingRow(TextDevice& device, HDC dc, const RECT& row, const HitBook& book) {
    const std::u16string name = StoredOrderUnits(TurnedOrder(State.Index->Books[book.Book].Name));
    const int32_t nameWidth = WidthOf(device, name, 0, name.size());
    const int32_t nameLeft = row.right - kPieceGap - nameWidth;
    DrawPiece(device, name, 0, name.size(), nameLeft, row);
    const std::string count = std::to_string(book.Count);
    const std::u16string latin(count.begin(), count.end());
    const SelectedObject dialogFont(dc, State.DialogFont);
    device.DrawLatinLine(latin.data(), int32_t(latin.size()), Rect{row.left, row.top, nameLeft - kPieceGap, row.bottom}, true);
}

void DrawRow(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    GdiTextDevice device(dc);
    const RECT& row = item.rcItem;
    const uint32_t rows = HitRowCount(State.List);
    const HitRow hitRow = item.itemID < rows ? HitRowAt(State.List, item.itemID) : HitRow{false, 0, 0};
    const bool selected = item.itemID < rows && (item.itemState & ODS_SELECTED);
    const Rect box{row.left, row.top, row.right, row.bottom};
    if (selected)
        device.FillSolid(box, kSelectedBack);
    else if (item.itemID < rows && hitRow.Heading)
        device.FillSolid(box, kHeadingBack);
    else
        device.FillWhite(box);
    if (item.itemID >= rows) return;
    const SelectedObject font(dc, State.FieldFont);
    device.SetTransparentBackground();
    device.SetTextColour(kBlack);
    if (hitRow.Heading)
        DrawHeadingRow(device, dc, row, State.List.Books[hitRow.Book]);
    else
        DrawHitRow(device, row, State.List.Hits[hitRow.Hit]);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
}

// The column the references take: the widest a book's name can give.
int32_t ReferenceColumnWidth(HDC dc) {
    GdiTextDevice device(dc);
    const SelectedObject font(dc, State.FieldFont);
    int32_t widest = 0;
    const std::string numbers = " " + HebrewNumeralText(kWidestChapter) + ", " + HebrewNumeralText(kWidestVerse);
    for (const IndexedBook& book : State.Index->Books) {
        const std::u16string units = StoredOrderUnits(TurnedOrder(book.Name + numbers));
        widest = std::max(widest, WidthOf(device, units, 0, units.size()));
    }
    return widest;
}

// Rows as high as the field's letters, and the references' column.
void MeasureRows(HWND list) {
    HDC dc = GetDC(list);
    TEXTMETRICW metrics{};
    {
        const SelectedObject font(dc, State.FieldFont);
        GetTextMetricsW(dc, &metrics);
    }
    State.ReferenceWidth = ReferenceColumnWidth(dc);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(metrics.tmHeight + 2 * kRowPadding, 0));
}

// The whole book searched again for what the field holds: the count and the
// list, the first hit selected.
void SearchAgainForField(HWND dialog) {
    wchar_t units[kFieldMaxCharacters + 1] = {};
    ReadFieldText(FieldOf(dialog), units);
    ConvertPatternInto(AsUnits(units), State.Pattern);
    FindAllHits(State.Text, *State.Index, State.Pattern, &State.List);
    const std::string status = HitCountText(State.List);
    SetDlgItemTextW(dialog, IDC_FIND_STATUS, std::wstring(status.begin(), status.end()).c_str());
    HWND list = ListOf(dialog);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_SETCOUNT, HitRowCount(State.List), 0);
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    if (!State.List.Hits.empty()) SendMessageW(list, LB_SETCURSEL, RowOfHit(State.List, 0), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Keys that move the list's selection while the field has the focus; Home
// and End move the field's caret unless Ctrl is held.
bool MovesSelection(WPARAM key) {
    switch (key) {
        case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: return true;
        case VK_HOME: case VK_END: return GetKeyState(VK_CONTROL) < 0;
    }
    return false;
}

// The field hands the list its keys and the wheel; everything else goes on
// to the search field's procedure.
LRESULT CALLBACK FindFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_KEYDOWN && MovesSelection(wParam)) || message == WM_MOUSEWHEEL)
        return SendMessageW(ListOf(GetParent(field)), message, wParam, lParam);
    return CallWindowProcW(SearchFieldProc, field, message, wParam, lParam);
}

INT_PTR OnInitDialog(HWND dialog, LPARAM lParam) {
    State = FindAllState{};
    State.Index = DialogRequest<const VerseIndex>(lParam);
    State.DialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    LoadBookText(&State.Text);
    HWND field = FieldOf(dialog);
    State.FieldFont = CreateSearchFieldFont(field);
    wchar_t text[kFieldMaxCharacters + 1] = {};
    StoredPatternText(text);
    SetUpSearchField(field, State.FieldFont, kFieldMaxCharacters, text);
    SubclassControl(field, FindFieldProc, &SearchFieldProc);
    MeasureRows(ListOf(dialog));
    SearchAgainForField(dialog);
    return TRUE;   // the focus goes to the field, the first tab stop
}

// The controls keep their tops and follow the dialog's width; the list takes
// the height below them.
INT_PTR OnSize(HWND dialog, LPARAM lParam) {
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    RECT margin{kControlMargin, kControlMargin, 0, 0};
    MapDialogRect(dialog, &margin);
    for (int id : {IDC_FIND_FIELD, IDC_FIND_STATUS, IDC_FIND_LIST}) {
        HWND control = GetDlgItem(dialog, id);
        if (!control) continue;
        RECT box{};
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
        const int controlHeight = id == IDC_FIND_LIST ? height - margin.top - box.top : box.bottom - box.top;
        MoveWindow(control, margin.left, box.top, width - 2 * margin.left, std::max(0, controlHeight), TRUE);
    }
    return FALSE;
}

// Enter or a double click: the selected row's hit (a heading's is its book's
// first), shown once the dialog is gone.
void OnOk(HWND dialog) {
    const LRESULT row = SendMessageW(ListOf(dialog), LB_GETCURSEL, 0, 0);
    if (row < 0 || uint32_t(row) >= HitRowCount(State.List)) {
        MessageBeep(MB_OK);
        return;
    }
    State.ChosenHit = State.List.Hits[HitRowAt(State.List, uint32_t(row)).Hit];
    State.Chosen = true;
    EndDialog(dialog, IDOK);
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case IDOK:     OnOk(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDC_FIND_FIELD:
            if (HIWORD(wParam) == EN_CHANGE) {
                KeepFieldOrderMark(reinterpret_cast<HWND>(lParam));
                SearchAgainForField(dialog);
            }
            return TRUE;
        case IDC_FIND_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) OnOk(dialog);
            return TRUE;
    }
    return FALSE;
}

INT_PTR OnDrawItem(const DRAWITEMSTRUCT* item) {
    if (item->CtlID != IDC_FIND_LIST) return FALSE;
    DrawRow(*item);
    return TRUE;
}

INT_PTR OnDestroy() {
    DeleteDialogObject(&State.FieldFont);
    State.Text = BookText{};
    State.List = HitList{};
    return FALSE;
}

INT_PTR CALLBACK FindAllDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog, lParam);
        case WM_SIZE:       return OnSize(dialog, lParam);
        case WM_COMMAND:    return OnCommand(dialog, wParam, lParam);
        case WM_DRAWITEM:   return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_DESTROY:    return OnDestroy();
    }
    return FALSE;
}

}  // namespace

void ShowFindAllDialog(HWND owner) {
    const VerseIndex* index = BookVerseIndex();
    if (!index) return;
    if (RunDialog(IDD_FIND_ALL, owner, FindAllDialogProc, const_cast<VerseIndex*>(index)) != IDOK || !State.Chosen)
        return;
    std::memcpy(AppSettings.SearchString, State.Pattern, sizeof State.Pattern);
    // Where the dialog stood is painted now, not after the location box,
    // which no repaint draws again.
    UpdateWindow(owner);
    ShowBookHit(State.ChosenHit.Article, State.ChosenHit.Last, State.ChosenHit.Length);
}
