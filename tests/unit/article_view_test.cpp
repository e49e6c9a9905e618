#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/view_fixture.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/mul_div.h"

namespace {
class ArticleViewModel : public ViewFixture {
protected:
    ArticleView* Create(int32_t fontSize, int32_t capacity = 100) {
        const Rect rectangle{10, 20, 330, 220};
        const FontSpec spec = TestFontSpec(u"David CLM", fontSize);
        view = CreateArticleView(&device, &rectangle, &spec, capacity);
        return view;
    }
    // The font SelectFormatFont put into the device for a format word.
    const FakeFont& FontFor(uint16_t formatWord) {
        FontHandle previous = SelectFormatFont(view, formatWord);
        const FakeFont* selected = device.Selected;
        device.SelectFont(previous);
        return *selected;
    }
};
}  // namespace

TEST(MulDiv, RoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(3, -1, 2), -2);
    EXPECT_EQ(MulDiv(-3, -1, -2), -2);
    EXPECT_EQ(MulDiv(20, 96, 72), 27);     // 26.67
    EXPECT_EQ(MulDiv(10, 120, 72), 17);    // 16.67
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
}

TEST(MulDiv, ReportsZeroDivisorAndOverflowAsMinusOne) {
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT32_MAX, 4, 1), -1);
    EXPECT_EQ(MulDiv(INT32_MAX, 4, 4), INT32_MAX);
}

TEST_F(ArticleViewModel, CreateWithoutDeviceGivesNone) {
    const FontSpec spec = TestFontSpec(u"David CLM", 12);
    EXPECT_EQ(CreateArticleView(nullptr, nullptr, &spec, 100), nullptr);
}

TEST_F(ArticleViewModel, CreateTakesRectangleFontAndTable) {
    ASSERT_NE(Create(12), nullptr);
    EXPECT_EQ(view->Dc, &device);
    EXPECT_EQ(view->Left, 10);
    EXPECT_EQ(view->Top, 20);
    EXPECT_EQ(view->Width, 320);
    EXPECT_EQ(view->Height, 200);
    EXPECT_EQ(std::u16string(view->Font.FontName), u"David CLM");
    EXPECT_EQ(view->Font.FontSize, 12);
    ASSERT_NE(view->Lines, nullptr);
    EXPECT_EQ(view->LineCapacity, 100);
    EXPECT_EQ(view->Lines[0].Format, 0);
    EXPECT_EQ(view->Text, nullptr);
    EXPECT_EQ(view->TopLine, 0);
    EXPECT_EQ(view->FontCache, nullptr);
}

TEST_F(ArticleViewModel, CreateWithoutRectangleOrCapacityLeavesThemZero) {
    const FontSpec spec = TestFontSpec(u"David CLM", 12);
    view = CreateArticleView(&device, nullptr, &spec, 0);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Width, 0);
    EXPECT_EQ(view->Lines, nullptr);
    EXPECT_EQ(view->LineCapacity, 0);
}

TEST_F(ArticleViewModel, CreateWithoutMemoryForTheTableStillGivesAView) {
    FailAllocationAfter(1);
    ASSERT_NE(Create(12), nullptr);
    EXPECT_EQ(view->Lines, nullptr);
    EXPECT_EQ(view->LineCapacity, 0);
}

TEST_F(ArticleViewModel, CreateWithoutMemoryGivesNone) {
    FailAllocationAfter(0);
    EXPECT_EQ(Create(12), nullptr);
}

TEST_F(ArticleViewModel, OperationsWithoutViewRefuse) {
    const FontSpec spec = TestFontSpec(u"David CLM", 12);
    EXPECT_EQ(ResizeArticleView(nullptr, 10, 10), kNoView);
    EXPECT_EQ(SetArticleFont(nullptr, &spec), kNoView);
    EXPECT_EQ(SelectFormatFont(nullptr, 1), nullptr);
    EXPECT_EQ(LayoutArticle(nullptr, nullptr, kReleasePrevious), kNoView);
    DestroyArticleView(nullptr, kReleaseView);
}

TEST_F(ArticleViewModel, NormalLargeAndSmallSizesFollowFontSize) {
    Create(12);
    EXPECT_EQ(FontFor(0x01).EmHeight, -16);    // 12 pt at 96 dpi
    EXPECT_EQ(FontFor(0x04).EmHeight, -20);    // 15 pt
    EXPECT_EQ(FontFor(0x02).EmHeight, -12);    // 9 pt
    EXPECT_EQ(FontFor(0x01).FaceName, u"David CLM");
}

TEST_F(ArticleViewModel, FontSizeZeroGivesTwentyFourteenAndTheMappersDefault) {
    Create(0);
    EXPECT_EQ(FontFor(0x04).EmHeight, -27);    // 20 pt
    EXPECT_EQ(FontFor(0x02).EmHeight, -19);    // 14 pt
    EXPECT_EQ(FontFor(0x01).EmHeight, 0);
}

TEST_F(ArticleViewModel, EmHeightsFollowTheDevicesPixelsPerInch) {
    device.LogPixelsY = 120;
    Create(10);
    EXPECT_EQ(FontFor(0x01).EmHeight, -17);    // 16.67
    EXPECT_EQ(FontFor(0x04).EmHeight, -20);    // 12 pt
    EXPECT_EQ(FontFor(0x02).EmHeight, -12);    // 7 pt: 11.67
    EXPECT_EQ(FontFor(kFormatPrintSmall).EmHeight, -13);   // 8 pt: 13.33
}

TEST_F(ArticleViewModel, PrintSmallFontAppliesOnlyWithoutSizeBits) {
    Create(12);
    EXPECT_EQ(FontFor(kFormatPrintSmall).EmHeight, -11);   // 8 pt: 10.67
    EXPECT_EQ(FontFor(kFormatPrintSmall | kFormatSmall).EmHeight, -12);
    EXPECT_EQ(FontFor(kFormatPrintSmall | kFormatLarge).EmHeight, -20);
}

TEST_F(ArticleViewModel, BoldBitGivesWeight700) {
    Create(12);
    EXPECT_EQ(FontFor(0x09).Weight, 700);
    EXPECT_EQ(FontFor(0x01).Weight, 400);
}

TEST_F(ArticleViewModel, FontKeyIgnoresAlignmentParagraphEndAndColourRequest) {
    Create(12);
    const FakeFont* body = &FontFor(0xB1);
    EXPECT_EQ(&FontFor(0xD1), body);
    EXPECT_EQ(&FontFor(0xD1 | kFormatSetColour), body);
    EXPECT_EQ(device.Fonts.size(), 1u);
}

TEST_F(ArticleViewModel, DirectionBitMakesItsOwnCacheEntry) {
    Create(12);
    const FakeFont& plain = FontFor(kFormatPrintSmall);
    const FakeFont& rightToLeft = FontFor(kFormatPrintSmall | kFormatRightToLeft);
    EXPECT_NE(&plain, &rightToLeft);
    EXPECT_EQ(plain.EmHeight, rightToLeft.EmHeight);
    EXPECT_EQ(plain.Weight, rightToLeft.Weight);
    int entries = 0;
    for (FontCacheEntry* entry = view->FontCache; entry; entry = entry->Next) ++entries;
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(view->FontCache->Key, kFormatPrintSmall | kFormatRightToLeft);   // newest first
}

TEST_F(ArticleViewModel, SelectReturnsTheFontSelectedBefore) {
    Create(12);
    const FakeFont* before = device.Selected;
    FontHandle previous = SelectFormatFont(view, 0xB1);
    EXPECT_EQ(reinterpret_cast<const FakeFont*>(previous), before);
    EXPECT_NE(device.Selected, before);
}

TEST_F(ArticleViewModel, ColourRequestGivesBlueOnlyForLargeBold) {
    Create(12);
    device.Text = kYellow;
    SelectFormatFont(view, 0x0C);
    EXPECT_EQ(device.Text, kYellow);   // no colour without the request
    SelectFormatFont(view, 0x0C | kFormatSetColour);
    EXPECT_EQ(device.Text, kBlue);
    SelectFormatFont(view, 0x04 | kFormatSetColour);
    EXPECT_EQ(device.Text, kBlack);
    SelectFormatFont(view, 0x0C | kFormatSetColour);
    SelectFormatFont(view, 0x08 | kFormatSetColour);
    EXPECT_EQ(device.Text, kBlack);
}

TEST_F(ArticleViewModel, ResizeRefusesNonPositiveSizes) {
    Create(12);
    EXPECT_EQ(ResizeArticleView(view, 0, 10), kBadSize);
    EXPECT_EQ(ResizeArticleView(view, 10, -1), kBadSize);
    EXPECT_EQ(view->Width, 320);
    EXPECT_EQ(view->Height, 200);
}

TEST_F(ArticleViewModel, ResizeLaysTheSameTextOutAgain) {
    Create(12);
    uint8_t* text = NewArticle({{0xB1, 0, "aaaa bbbb cccc"}});
    ASSERT_EQ(LayoutArticle(view, text, kKeepPrevious), kLayoutDone);
    EXPECT_EQ(view->LineCount, 1);
    view->TopLine = 3;
    EXPECT_EQ(ResizeArticleView(view, 80, 50), kLayoutDone);
    EXPECT_EQ(view->Text, text);
    EXPECT_EQ(view->LineCount, 2);
    EXPECT_EQ(view->Left, 10);
    EXPECT_EQ(view->Top, 20);
    EXPECT_EQ(view->TopLine, 3);
}

TEST_F(ArticleViewModel, ResizeWithoutTextReportsNoText) {
    Create(12);
    EXPECT_EQ(ResizeArticleView(view, 100, 100), kLayoutNoText);
}

TEST_F(ArticleViewModel, SetFontWithoutSpecReleasesFontsButKeepsEntries) {
    Create(12);
    const FakeFont& font = FontFor(0xB1);
    EXPECT_EQ(SetArticleFont(view, nullptr), 0);
    EXPECT_TRUE(font.Deleted);
    ASSERT_NE(view->FontCache, nullptr);
    EXPECT_EQ(view->FontCache->Font, nullptr);
    // Selecting the format again makes its font anew.
    const FakeFont& again = FontFor(0xB1);
    EXPECT_FALSE(again.Deleted);
    EXPECT_EQ(again.EmHeight, -16);
}

TEST_F(ArticleViewModel, SetFontRemakesEveryCachedFontAndRedraws) {
    Create(12);
    uint8_t* text = NewArticle({{0xB1, 0, "aaaa bbbb"}});
    ASSERT_EQ(LayoutArticle(view, text, kKeepPrevious), kLayoutDone);
    const FakeFont& old = FontFor(0xB1);
    const FontSpec bigger = TestFontSpec(u"Miriam CLM", 24);
    device.ClearRecording();
    EXPECT_EQ(SetArticleFont(view, &bigger), 0);
    EXPECT_TRUE(old.Deleted);
    const FakeFont& remade = FontFor(0xB1);
    EXPECT_EQ(remade.FaceName, u"Miriam CLM");
    EXPECT_EQ(remade.EmHeight, -32);
    EXPECT_EQ(view->Lines[0].Height, 36);   // relaid out in the new font
    EXPECT_FALSE(device.WhiteFills.empty());   // redrawn with erasing
    EXPECT_FALSE(device.Runs.empty());
}

TEST_F(ArticleViewModel, SetFontReportsAFailedLayout) {
    Create(12);
    const FontSpec spec = TestFontSpec(u"Miriam CLM", 24);
    EXPECT_EQ(SetArticleFont(view, &spec), 1);   // no text to lay out
    EXPECT_EQ(view->Font.FontSize, 24);
}

TEST_F(ArticleViewModel, DestroyReleasesTextTableAndFonts) {
    Create(12);
    ASSERT_EQ(LayoutArticle(view, NewArticle({{0xB1, 0, "aaaa"}}), kKeepPrevious), kLayoutDone);
    const FakeFont& font = FontFor(0xB1);
    DestroyArticleView(view, kReleaseView);
    view = nullptr;
    EXPECT_TRUE(font.Deleted);
    // Leaks of the text, table or cache entries show under the sanitizer build.
}

TEST_F(ArticleViewModel, DestroyKeepingTheRecordLeavesItEmpty) {
    ArticleView printView{};
    printView.Dc = &device;
    printView.Width = 100;
    printView.Height = 100;
    uint8_t* text = NewArticle({{0xB1, 0, "aaaa"}});
    ASSERT_EQ(LayoutArticle(&printView, text, kKeepPrevious), kLayoutDone);
    printView.Text = nullptr;   // borrowed
    DestroyArticleView(&printView, kKeepViewRecord);
    EXPECT_EQ(printView.Lines, nullptr);
    EXPECT_EQ(printView.FontCache, nullptr);
    PlainFree(text);
}
