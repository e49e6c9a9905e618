#include "tests/win32/support/index_list_model.h"

#include <cstring>

#include "platform/allocation.h"
#include "platform/ports.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/win32/support/standard_settings.h"
#include "toc/bookmarks_group.h"
#include "toc/contents.h"

namespace {
// From the dialog's client width to the list's.
constexpr int kListRightMargin = 5;
}  // namespace

IndexListModel::IndexListModel(HWND dialog, uint16_t currentArticle,
                               const std::vector<uint16_t>& bookmarks)
    : screen_(CreateCompatibleDC(nullptr)), device_(screen_), records_(GetModuleHandleW(nullptr)) {
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kDefaultFontAsciiBase;
    for (int i = 0; kStandardFontName[i] && i < 31; ++i)
        AppSettings.Font.FontName[i] = char16_t(kStandardFontName[i]);
    AppSettings.Font.FontSize = int32_t(kStandardFontSize);
    if (!bookmarks.empty()) {
        auto* list = static_cast<uint16_t*>(PlainAlloc((bookmarks.size() + 1) * sizeof(uint16_t)));
        for (size_t i = 0; i < bookmarks.size(); ++i) list[i] = bookmarks[i];
        list[bookmarks.size()] = 0;
        AppSettings.Bookmarks = list;
        AppSettings.BookmarkCount = uint16_t(bookmarks.size());
    }

    PlatformPorts saved = Ports;
    Ports.Records = &records_;
    uint8_t* buffer = PrependBookmarksGroup(LoadRecord(kContentsRecordNumber, nullptr));
    Ports = saved;

    RECT client{};
    GetClientRect(dialog, &client);
    const Rect area{0, 0, client.right - kListRightMargin, client.bottom};
    view_ = CreateIndexView(&device_, &area, &AppSettings.Font, kIndexViewCapacity);
    if (LayoutIndex(view_, buffer, kKeepPrevious) != kLayoutDone) PlainFree(buffer);
    RevealArticle(view_, currentArticle);
}

IndexListModel::~IndexListModel() {
    DestroyIndexView(view_, kReleaseView);
    PlainFree(AppSettings.Bookmarks);
    ClearAppSettings();
    DeleteDC(screen_);
}

IndexRow* IndexListModel::RowWithKey(uint16_t key) {
    if (!Valid()) return nullptr;
    for (IndexRow* row = view_->Rows; row->Flags != 0; ++row)
        if (row->Key == key) return row;
    return nullptr;
}

bool IndexListModel::PointOnRow(uint16_t key, POINT* point) {
    if (!Valid()) return false;
    int y = view_->Top;
    int space = view_->Height;
    for (IndexRow* row = SkipTopRows(view_); row->Flags != 0 && space >= row->Height; ++row) {
        if (!(row->Flags & kEntryShown)) continue;
        if (row->Key == key) {
            point->x = int16_t(row->X) + row->Width / 2;
            point->y = y + row->Height / 2;
            return true;
        }
        y += row->Height;
        space -= row->Height;
    }
    return false;
}

std::vector<uint16_t> IndexListModel::ShownKeys() const {
    std::vector<uint16_t> keys;
    if (!view_ || !view_->Rows) return keys;
    for (const IndexRow* row = view_->Rows; row->Flags != 0; ++row) {
        if (!(row->Flags & kEntryShown)) continue;
        if (keys.empty() || keys.back() != row->Key) keys.push_back(row->Key);
    }
    return keys;
}

int IndexListModel::RowsOnPage() {
    if (!Valid()) return 0;
    DrawIndexView(view_, kNoErase);
    return view_->RowsDrawn;
}
