// The screen view made on a real window: its device context, its place below
// the toolbar and inside the gutters, and the message when the current article
// is missing.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/screen_view.h"
#include "platform/ports.h"
#include "platform/record_source.h"
#include "settings/app_settings.h"
#include "tests/fakes/fake_ports.h"
#include "view/article_view.h"

namespace {

// Article 5 as a record with literal tokens only: a title block "ab" and the
// end marker.
const std::vector<uint8_t> kArticleFive = {
    0, 15, 0, 5, 0, 5,          // block length, the article's number twice
    0, 7, 0, 6,                 // compressed and uncompressed lengths
    1, 0xD1, 0, 'a', 'b', 0, 0, // format byte in a literal run, layout byte, "ab", ends
    0, 0, 0, 0};

class LoadFirstArticleTest : public testing::Test {
protected:
    MemoryRecordSource Records;
    FakeMessagePort Messages;
    FakeShellPort Shell;
    PlatformPorts Saved = Ports;
    HWND Window = nullptr;

    void SetUp() override {
        ClearAppSettings();
        Records.Records[1005] = kArticleFive;
        Ports.Records = &Records;
        Ports.Messages = &Messages;
        Ports.Shell = &Shell;
        AppSettings.SurroundingGutter = 10;
        const std::u16string face = u"DejaVu Sans";
        face.copy(AppSettings.Font.FontName, face.size());
        AppSettings.Font.FontAsciiBase = 1488;
        Window = CreateWindowExW(0, L"STATIC", L"view", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(Window, nullptr);
    }
    void TearDown() override {
        ReleaseViewDc(Window);
        if (AppSettings.View) DestroyArticleView(AppSettings.View, kReleaseView);
        if (AppSettings.Toolbar) DestroyWindow(static_cast<HWND>(AppSettings.Toolbar));
        DestroyWindow(Window);
        ClearAppSettings();
        Ports = Saved;
    }
    RECT Client() const {
        RECT client;
        GetClientRect(Window, &client);
        return client;
    }
};

}  // namespace

TEST_F(LoadFirstArticleTest, ViewSitsInsideTheGuttersAndShowsTheArticle) {
    AppSettings.Lesson = 5;
    AppSettings.LastPosition = 0;
    LoadFirstArticle(Window);

    ArticleView* view = AppSettings.View;
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->Text, nullptr);
    EXPECT_EQ(view->Text[2], 'a');
    RECT client = Client();
    EXPECT_EQ(view->Left, 10);
    EXPECT_EQ(view->Top, 10);
    EXPECT_EQ(view->Width, client.right - 30);
    EXPECT_EQ(view->Height, client.bottom - 30);
    EXPECT_EQ(Shell.ScrollBarUpdates, 1);
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(LoadFirstArticleTest, ToolbarOverlapsTheViewByOnePixel) {
    HWND toolbar = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 500, 28, Window,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    AppSettings.Toolbar = toolbar;
    AppSettings.Lesson = 5;
    LoadFirstArticle(Window);
    ASSERT_NE(AppSettings.View, nullptr);
    EXPECT_EQ(AppSettings.View->Top, 27 + 10);
}

TEST_F(LoadFirstArticleTest, MissingArticleIsReportedAsAWarning) {
    AppSettings.Lesson = 6;
    LoadFirstArticle(Window);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Text, u"Resource not found");
    EXPECT_EQ(Messages.Shown[0].Style, uint32_t(MB_ICONWARNING));
    EXPECT_EQ(Messages.Shown[0].Owner, Window);
    ASSERT_NE(AppSettings.View, nullptr);
    EXPECT_EQ(AppSettings.View->Text, nullptr);
}

TEST_F(LoadFirstArticleTest, ViewMeasuresWithTheWindowsDeviceUntilReleased) {
    AppSettings.Lesson = 5;
    LoadFirstArticle(Window);
    ASSERT_NE(AppSettings.View, nullptr);
    EXPECT_GT(AppSettings.View->Lines[0].Width, 0);
    EXPECT_GT(AppSettings.View->Lines[0].Height, 0);
    ReleaseViewDc(Window);
    // The view is still freed cleanly after its device context went.
    DestroyArticleView(AppSettings.View, kReleaseView);
    AppSettings.View = nullptr;
}
