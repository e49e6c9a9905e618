// The Choose Section dialog's list as the program lays it out, rebuilt in the
// test program: the contents record from the test program's own copy of the
// book (its .rc includes book.rc), the bookmarks and the font of the settings
// the reader was started with, and the size of the dialog's client area. It
// tells where on the dialog a row's text lies, so a test clicks where a user
// would.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/resource_record_source.h"
#include "toc/index_view.h"
#include "view/win32/gdi_text_device.h"

class IndexListModel {
public:
    // The list of the open dialog, laid out for its client area, with
    // currentArticle revealed; the face and size are the standard settings'.
    IndexListModel(HWND dialog, uint16_t currentArticle, const std::vector<uint16_t>& bookmarks = {});
    ~IndexListModel();
    IndexListModel(const IndexListModel&) = delete;
    IndexListModel& operator=(const IndexListModel&) = delete;

    bool Valid() const { return view_ && view_->RowCount > 0; }
    IndexView* View() { return view_; }

    // A point on the text of the first row with key that the list shows now
    // (from TopRow on, within its height); false when none is.
    bool PointOnRow(uint16_t key, POINT* point);
    // The shown rows' keys, one per entry, from the top of the list.
    std::vector<uint16_t> ShownKeys() const;
    // The first row with key, shown or not.
    IndexRow* RowWithKey(uint16_t key);
    // Rows the list shows from TopRow down, as many as fit its height.
    int RowsOnPage();

private:
    // A memory device context like the screen's: the same measurements, and
    // what the model draws goes nowhere.
    HDC screen_;
    GdiTextDevice device_;
    ResourceRecordSource records_;
    IndexView* view_ = nullptr;
};
