#include "toc/win32/choose_section.h"

#include "platform/allocation.h"
#include "platform/win32/dialog.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "toc/bookmarks_group.h"
#include "toc/contents.h"
#include "toc/index_view.h"
#include "view/win32/gdi_text_device.h"

namespace {

// From the client width to the list's: the scroll bar lies outside the client
// area, and the list keeps this margin (pixels at 96 DPI) from the right edge.
constexpr int32_t kListRightMargin = 5;

// What the opening is given.
struct ChooseSectionRequest {
    uint16_t CurrentArticle;
    FontSpec Font;
};

// The dialog's state: one dialog exists at a time.
struct ChooseSectionState {
    uint16_t SectionResult;
    HWND Dialog;
    HDC Dc;
    GdiTextDevice Device{nullptr};   // on Dc, for the list
    Rect CreationRect;
    IndexView* View;
    FontSpec Font;
};

ChooseSectionState State;

// A fresh copy of the contents record, or none when it cannot be had or is
// not well formed (so that no walk over it can leave the buffer).
uint8_t* LoadContents() {
    uint32_t length = 0;
    uint8_t* contents = LoadRecord(kContentsRecordNumber, nullptr, &length);
    if (contents && !ContentsEndWithin(contents, size_t(length) + kRecordTerminators)) {
        PlainFree(contents);
        contents = nullptr;
    }
    return contents;
}

void FillClientWhite(HDC dc) {
    RECT client{};
    GetClientRect(State.Dialog, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// One eighth of the main window's frame in from its top-left corner, three
// quarters of the frame in size.
void PlaceDialog() {
    const int32_t width = AppSettings.FrameWidth;
    const int32_t height = AppSettings.FrameHeight;
    if (width <= 0 || height <= 0) return;   // no frame size stored: stay centred
    RECT parent{};
    if (!GetWindowRect(GetParent(State.Dialog), &parent)) return;
    MoveWindow(State.Dialog, parent.left + width / 8, parent.top + height / 8, width * 3 / 4,
               height * 3 / 4, FALSE);
}

void UpdateIndexScrollBar() {
    if (!State.Dialog) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = State.View ? State.View->MaxTopRow : 0;
    info.nPos = State.View ? State.View->TopRow : 0;
    SetScrollInfo(State.Dialog, SB_VERT, &info, TRUE);
}

// Builds the list from a fresh copy of the contents record with the bookmarks
// group in front, reveals the current article and sets the scroll bar.
void OpenIndexContents() {
    uint8_t* buffer = PrependBookmarksGroup(LoadContents());
    IndexView* view = CreateIndexView(&State.Device, &State.CreationRect, &State.Font,
                                      kIndexViewCapacity);
    State.View = view;
    if (LayoutIndex(view, buffer, kKeepPrevious) != kLayoutDone && (!view || view->Contents != buffer))
        PlainFree(buffer);   // the view did not take it
    RevealArticle(view, State.SectionResult);
    UpdateIndexScrollBar();
}

// The state starts afresh from the request at every opening.
INT_PTR OnInitDialog(HWND dialog, LPARAM lParam) {
    const ChooseSectionRequest* request = DialogRequest<ChooseSectionRequest>(lParam);
    State = ChooseSectionState{};
    State.SectionResult = request->CurrentArticle;
    State.Font = request->Font;
    State.Dialog = dialog;
    State.Dc = GetDC(dialog);
    State.Device = GdiTextDevice(State.Dc);
    RECT client{};
    GetClientRect(dialog, &client);
    State.CreationRect = Rect{client.left, client.top, client.right - GetSystemMetrics(SM_CXVSCROLL),
                              client.bottom};
    OpenIndexContents();
    PlaceDialog();
    return 0;
}

// The list laid out again for the new client size, keeping what was shown.
INT_PTR OnSize(LPARAM lParam) {
    IndexView* view = State.View;
    if (!view) return 0;
    const int32_t width = LOWORD(lParam);
    const int32_t height = HIWORD(lParam);
    ShownEntry* snapshot = SaveShownEntries(view);
    ResizeIndexView(view, width - ScreenPixels(kListRightMargin), height);
    RestoreShownEntries(view, snapshot);
    PlainFree(snapshot);
    if (view->MaxTopRow == 0) view->TopRow = 0;
    FillClientWhite(State.Dc);
    DrawIndexView(view, kErase);
    UpdateIndexScrollBar();
    return 0;
}

INT_PTR OnPaint(HWND dialog) {
    // BeginPaint erases first (WM_ERASEBKGND), so the list is drawn over the
    // white and not wiped by it.
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    DrawIndexView(State.View, kErase);
    EndPaint(dialog, &paint);
    return TRUE;
}

INT_PTR OnEraseBackground(HWND dialog, HDC dc) {
    FillClientWhite(dc);
    return SetDialogResult(dialog, 1);
}

void Scroll(int32_t delta) {
    ScrollIndexView(State.View, delta, kScrollRedraw, kScrollClampAtEnd);
    UpdateIndexScrollBar();
}

// The key table: Page Up and Page Down move one row, not a page.
INT_PTR OnKeyDown(WPARAM key) {
    IndexView* view = State.View;
    const int32_t topRow = view ? view->TopRow : 0;
    const int32_t maxTopRow = view ? view->MaxTopRow : 0;
    int32_t delta = 0;
    switch (key) {
        case VK_UP:    delta = -1; break;
        case VK_DOWN:  delta = +1; break;
        case VK_PRIOR: delta = -1; break;
        case VK_NEXT:  delta = +1; break;
        case VK_HOME:  delta = topRow == 0 ? -1 : -topRow; break;
        case VK_END:   delta = maxTopRow; break;
        default:       return 1;
    }
    Scroll(delta);
    return 0;
}

// The scroll table: the bar's page areas move by the rows last drawn; its
// bottom request moves one row.
INT_PTR OnVScroll(WPARAM wParam) {
    IndexView* view = State.View;
    const int32_t topRow = view ? view->TopRow : 0;
    const int32_t rowsDrawn = view ? view->RowsDrawn : 0;
    int32_t delta = 0;
    switch (LOWORD(wParam)) {
        case SB_LINEUP:        delta = -1; break;
        case SB_LINEDOWN:      delta = +1; break;
        case SB_PAGEUP:        delta = -rowsDrawn; break;
        case SB_PAGEDOWN:      delta = +rowsDrawn; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:    delta = int16_t(HIWORD(wParam)) - topRow; break;
        case SB_TOP:           delta = -topRow; break;
        case SB_BOTTOM:        delta = +1; break;
        default:               delta = 0; break;
    }
    if (delta != 0) Scroll(delta);
    return 1;
}

INT_PTR OnLButtonDown(HWND dialog, LPARAM lParam) {
    const int32_t hit = HitTestIndex(State.View, LOWORD(lParam), HIWORD(lParam));
    if (hit > 0) {
        State.SectionResult = uint16_t(hit);
        EndDialog(dialog, IDOK);
    } else if (hit < 0) {
        UpdateIndexScrollBar();
    }
    return 0;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, IDOK);   // SectionResult keeps the current article
            return 1;
        case IDCANCEL:
            State.SectionResult = 0;
            EndDialog(dialog, IDCANCEL);
            return 1;
    }
    return 0;
}

INT_PTR OnDestroy(HWND dialog) {
    if (State.Dc) ReleaseDC(dialog, State.Dc);
    State.Dc = nullptr;
    DestroyIndexView(State.View, kReleaseView);
    State.View = nullptr;
    return 0;
}

// The dialog has no controls, so the arrow keys would only move the focus
// between controls; it asks for them, so that they scroll the list.
INT_PTR OnGetDialogCode(HWND dialog) {
    return SetDialogResult(dialog, DLGC_WANTARROWS);
}

INT_PTR CALLBACK ChooseSectionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:  return OnInitDialog(dialog, lParam);
        case WM_SIZE:        return OnSize(lParam);
        case WM_PAINT:       return OnPaint(dialog);
        case WM_ERASEBKGND:  return OnEraseBackground(dialog, reinterpret_cast<HDC>(wParam));
        case WM_KEYDOWN:     return OnKeyDown(wParam);
        case WM_VSCROLL:     return OnVScroll(wParam);
        case WM_LBUTTONDOWN: return OnLButtonDown(dialog, lParam);
        case WM_COMMAND:     return OnCommand(dialog, wParam);
        case WM_DESTROY:     return OnDestroy(dialog);
        case WM_GETDLGCODE:  return OnGetDialogCode(dialog);
    }
    return 0;
}

}  // namespace

uint16_t ChooseSection(HWND owner, uint16_t currentArticle, const FontSpec* fontSpec) {
    ChooseSectionRequest request{currentArticle, {}};
    if (fontSpec) request.Font = *fontSpec;
    // A dialog that could not be made chose nothing: the current article stays.
    if (RunDialog(IDD_CHOOSE_SECTION, owner, ChooseSectionProc, &request) == -1) return currentArticle;
    return State.SectionResult;
}
