#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "search/book_search.h"
#include "search/location_box.h"
#include "store/navigation.h"
#include "store/record_loader.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/settings_environment.h"
#include "tools/palmdoc/record_container.h"
#include "view/letter_codes.h"

namespace {

constexpr uint8_t kTitle = 0xD1;   // right to left, centred, paragraph end
constexpr uint8_t kBody = 0xB1;    // right to left, right-aligned, paragraph end

// Counts the records asked for, to see which articles a search loaded.
class CountingRecordSource : public MemoryRecordSource {
public:
    std::map<uint16_t, int> Asked;
    RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) override {
        ++Asked[identifier];
        return MemoryRecordSource::Find(identifier, bytes, size);
    }
};

class BookSearch : public SettingsEnvironment {
protected:
    FakeTextDevice Device;
    CountingRecordSource Records;
    int Window = 0;
    int Dialog = 0;

    void SetUp() override {
        SettingsEnvironment::SetUp();
        Ports.Records = &Records;
        AppSettings.Font.FontAsciiBase = kLatinBase;
        AppSettings.MainWindow = &Window;
    }

    void AddArticle(uint16_t number, const std::vector<TestBlock>& blocks) {
        const std::vector<uint8_t> bytes = ArticleMarkup(blocks);
        Records.Records[uint16_t(kRecordIdBase + number)] =
            MakeRecord(bytes.data(), bytes.size(), number, number);
    }
    // An article of a title and `paragraphs` one-line paragraphs.
    void AddPlainArticle(uint16_t number, int paragraphs, const std::string& title = "tt") {
        std::vector<TestBlock> blocks = {{kTitle, 0, title}};
        for (int i = 0; i < paragraphs; ++i) blocks.push_back({kBody, 0, "cd ef"});
        AddArticle(number, blocks);
    }
    void StartOn(uint16_t lesson, int32_t height = 200) {
        AppSettings.Lesson = lesson;
        ASSERT_EQ(ShowFirstArticle(&Window, &Device, Rect{10, 30, 410, 30 + height}), 0);
        Records.Asked.clear();
        Fakes.Shell.Repaints.clear();
        Device.ClearRecording();
    }
    void Store(const std::string& pattern) {
        std::memset(AppSettings.SearchString, 0, sizeof AppSettings.SearchString);
        std::memcpy(AppSettings.SearchString, pattern.data(), pattern.size());
    }
    ArticleView* View() const { return AppSettings.View; }
    // The highlighted bytes.
    std::string Highlighted() const {
        const ArticleView* v = View();
        return std::string(reinterpret_cast<const char*>(v->Text) + v->MatchStart,
                           v->MatchEnd - v->MatchStart);
    }
    // The offset in the current article of the first occurrence of bytes.
    uint16_t OffsetOf(const std::string& bytes, size_t from = 0) const {
        const std::string text(reinterpret_cast<const char*>(View()->Text), View()->TextSize);
        return uint16_t(text.find(bytes, from));
    }
};

}  // namespace

TEST_F(BookSearch, NoStoredPatternDoesNothing) {
    AddPlainArticle(1, 3);
    StartOn(1);
    EXPECT_EQ(SearchBook(&Window), 0);
    EXPECT_TRUE(Records.Asked.empty());
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
}

TEST_F(BookSearch, HitInAnotherArticleMakesItCurrentWithItsLineOnTop) {
    AddPlainArticle(3, 2);
    std::vector<TestBlock> blocks = {{kTitle, 0, "hh"}};
    for (int i = 0; i < 30; ++i) blocks.push_back({kBody, 0, i == 12 ? "xx qrs" : "cd ef"});
    AddArticle(7, blocks);
    StartOn(3);
    AppSettings.LastPosition = 4;
    Store("qrs");

    EXPECT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 7);
    EXPECT_EQ(AppSettings.LastPosition, 0);
    EXPECT_EQ(Highlighted(), "qrs");
    // Title and twelve paragraphs, each with its blank line, above the hit's.
    EXPECT_EQ(View()->TopLine, std::min<int>(26, View()->MaxTopLine));
    EXPECT_EQ(Fakes.Shell.Repaints, std::vector<uint32_t>{kRepaintAll});
    EXPECT_EQ(Fakes.Shell.BookmarkMarkUpdates, 1);
    EXPECT_FALSE(Device.SolidFills.empty());   // the location box
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
}

TEST_F(BookSearch, WalkWrapsFromTheLastArticleToTheFirst) {
    AddPlainArticle(kArticleCount, 2);
    AddPlainArticle(1, 2, "zq");
    StartOn(kArticleCount);
    Store("zq");
    EXPECT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 1);
    EXPECT_EQ(Records.Asked.count(uint16_t(kRecordIdBase + 1)), 1u);
}

TEST_F(BookSearch, WithoutACurrentNumberEveryArticleIsTriedThenTheView) {
    AddPlainArticle(5, 2, "zq");
    StartOn(5);
    AppSettings.Lesson = 0;   // the view still shows article 5
    Store("zq");
    EXPECT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 5);   // found among 1 to 1705
    Store("cd");
    View()->MatchStart = View()->MatchEnd = 0;
    AppSettings.Lesson = 0;
    Records.Records.clear();
    Records.Asked.clear();
    EXPECT_EQ(SearchBook(&Window), 1);   // found in the view's text at last
    EXPECT_EQ(Records.Asked.size(), size_t(kArticleCount));
    EXPECT_EQ(Records.Asked.count(uint16_t(kRecordIdBase + 0)), 0u);
}

TEST_F(BookSearch, PatternOnlyBeforeTheTopLineIsFoundInTheFinalPass) {
    std::vector<TestBlock> blocks = {{kTitle, 0, "hh"}, {kBody, 0, "wxy"}};
    for (int i = 0; i < 30; ++i) blocks.push_back({kBody, 0, "cd ef"});
    AddArticle(9, blocks);
    AddPlainArticle(10, 2);
    StartOn(9);
    View()->TopLine = 10;
    Store("wxy");
    EXPECT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 9);
    EXPECT_EQ(Highlighted(), "wxy");
    EXPECT_EQ(View()->TopLine, 2);
    EXPECT_EQ(Records.Asked.size(), size_t(kArticleCount - 1));
}

TEST_F(BookSearch, NothingFoundIsSaidOnceAndChangesNothing) {
    AddPlainArticle(4, 40);
    AddPlainArticle(5, 2);
    StartOn(4);
    View()->TopLine = 6;
    View()->MatchStart = 20;
    View()->MatchEnd = 22;
    const uint8_t* text = View()->Text;
    Store("nowhere");

    EXPECT_EQ(SearchBook(&Dialog), 0);
    ASSERT_EQ(Fakes.Messages.Shown.size(), 1u);
    EXPECT_EQ(Fakes.Messages.Shown[0].Owner, &Dialog);
    EXPECT_EQ(Fakes.Messages.Shown[0].Text, kNotFoundText);
    EXPECT_EQ(Fakes.Messages.Shown[0].Caption, u"Orvendel");
    EXPECT_EQ(Fakes.Messages.Shown[0].Style, kMbOk);
    EXPECT_EQ(AppSettings.Lesson, 4);
    EXPECT_EQ(View()->Text, text);
    EXPECT_EQ(View()->TopLine, 6);
    EXPECT_EQ(View()->MatchStart, 20);
    EXPECT_EQ(View()->MatchEnd, 22);
    EXPECT_TRUE(Fakes.Shell.Repaints.empty());
    // Every other article asked for once, the current one never.
    EXPECT_EQ(Records.Asked.size(), size_t(kArticleCount - 1));
    for (const auto& asked : Records.Asked) EXPECT_EQ(asked.second, 1);
    EXPECT_EQ(Records.Asked.count(uint16_t(kRecordIdBase + 4)), 0u);
}

TEST_F(BookSearch, TwoHitsInOneRightToLeftBlockComeInReadingOrder) {
    // Stored in display order: reading starts at the right, the higher bytes.
    AddArticle(2, {{kTitle, 0, "hh"}, {kBody, 0, "ab2 cd ab1 ef"}});
    StartOn(2);
    Store("ab");
    const uint16_t later = OffsetOf("ab1");
    const uint16_t earlier = OffsetOf("ab2");
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(View()->MatchStart, later);
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(View()->MatchStart, earlier);
}

TEST_F(BookSearch, SearchAgainMovesOnFromAHitThatBeginsAString) {
    // The article fits the view; both hits begin their strings and neither is
    // on the top line.
    AddArticle(6, {{kTitle, 0, "hh"}, {kBody, 0, "ab x"}, {kBody, 0, "ab y"}});
    StartOn(6);
    ASSERT_EQ(View()->MaxTopLine, 0);
    Store("ab");
    const uint16_t first = OffsetOf("ab x");
    const uint16_t second = OffsetOf("ab y");
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(View()->MatchStart, first);
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(View()->MatchStart, second);
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(View()->MatchStart, first);   // round the book and back
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
}

TEST_F(BookSearch, SearchAgainLeavesTheArticleAfterAHitAtItsLastLinesStart) {
    std::vector<TestBlock> blocks = {{kTitle, 0, "hh"}};
    for (int i = 0; i < 30; ++i) blocks.push_back({kBody, 0, "cd ef"});
    blocks.push_back({kBody, 0, "ab"});
    AddArticle(6, blocks);
    AddArticle(8, {{kTitle, 0, "ab"}});
    StartOn(6);
    Store("ab");
    View()->TopLine = View()->MaxTopLine;
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 8);
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 6);   // and the last line's hit, as the wrap brings it
    ASSERT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 8);
}

TEST_F(BookSearch, StartOffsetFollowsTheTopLineAndTheHighlight) {
    std::vector<TestBlock> blocks = {{kTitle, 0, "hh"}};
    for (int i = 0; i < 30; ++i) blocks.push_back({kBody, 0, "cd ef"});
    AddArticle(1, blocks);
    StartOn(1);
    ArticleView* v = View();
    const ArticleLine* lines = v->Lines;
    ASSERT_GT(v->MaxTopLine, 6);

    // Nothing highlighted: the top line's last byte (its first in reading).
    v->TopLine = 4;   // title + blank, paragraph 1 + blank: entry 2
    EXPECT_EQ(SearchStartOffset(v), lines[2].Offset + lines[2].Length - 1);
    v->TopLine = 5;   // the blank line after entry 2 shows entry 3 next
    EXPECT_EQ(SearchStartOffset(v), lines[3].Offset + lines[3].Length - 1);

    // A hit on the top line, not at its start: just below the hit.
    v->TopLine = 4;
    v->MatchStart = uint16_t(lines[2].Offset + 3);
    v->MatchEnd = uint16_t(lines[2].Offset + 5);
    EXPECT_EQ(SearchStartOffset(v), lines[2].Offset + 2);

    // A hit at the top line's start: the next entry's end.
    v->MatchStart = lines[2].Offset;
    v->MatchEnd = uint16_t(lines[2].Offset + 2);
    EXPECT_EQ(SearchStartOffset(v), lines[3].Offset + lines[3].Length);

    // At the end of the scroll range with nothing highlighted: nothing here.
    v->TopLine = v->MaxTopLine;
    v->MatchStart = v->MatchEnd = 0;
    EXPECT_EQ(SearchStartOffset(v), 0xFFFF);

    // A highlight off the top line at the end of the range: after the hit.
    v->MatchStart = uint16_t(lines[2].Offset + 3);
    v->MatchEnd = uint16_t(lines[2].Offset + 5);
    EXPECT_EQ(SearchStartOffset(v), lines[2].Offset + 2);
}

TEST_F(BookSearch, ArticleThatCannotBeLoadedIsSkipped) {
    AddPlainArticle(1, 2);
    AddPlainArticle(2, 2, "zq");
    AddPlainArticle(3, 2, "zq");
    Records.Unavailable.push_back(uint16_t(kRecordIdBase + 2));
    StartOn(1);
    Store("zq");
    EXPECT_EQ(SearchBook(&Window), 1);
    EXPECT_EQ(AppSettings.Lesson, 3);
}

TEST_F(BookSearch, TitlesAreTheLeadingBlocksStrings) {
    const std::vector<uint8_t> both = ArticleMarkup({{0xDC, 0, "one"}, {kTitle, 0, "two"}, {kBody, 0, "x"}});
    ArticleTitle first{7, 7, nullptr}, second{7, 7, nullptr};
    FindArticleTitles(both.data(), &first, &second);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first.Run), size_t(first.Count)), "one");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(second.Run), size_t(second.Count)), "two");
    EXPECT_EQ(first.Width, 0);

    const std::vector<uint8_t> titleOnly = ArticleMarkup({{kTitle, 0, "ttl"}});
    FindArticleTitles(titleOnly.data(), &first, &second);
    EXPECT_EQ(first.Count, 0);
    EXPECT_EQ(first.Run, nullptr);
    EXPECT_EQ(second.Count, 3);

    const std::vector<uint8_t> none = ArticleMarkup({{kBody, 0, "x"}});
    FindArticleTitles(none.data(), &first, &second);
    EXPECT_EQ(second.Count, 0);
    const uint8_t cut[] = {0xDC, 0, 'a'};   // ends inside its first string
    FindArticleTitles(cut, &first, &second, sizeof cut);
    EXPECT_EQ(first.Count, 1);
    EXPECT_EQ(second.Count, 0);
}

TEST_F(BookSearch, FramesShrinkTheRectangleOnePixelEach) {
    Rect box{10, 20, 110, 60};
    DrawFrames(&Device, &box, kRed, 2);
    ASSERT_EQ(Device.Frames.size(), 2u);
    EXPECT_EQ(Device.Frames[0].Box.Left, 10);
    EXPECT_EQ(Device.Frames[1].Box.Left, 11);
    EXPECT_EQ(Device.Frames[1].Box.Bottom, 59);
    EXPECT_EQ(Device.Frames[1].Paint, kRed);
    EXPECT_EQ(box.Left, 12);
    EXPECT_EQ(box.Top, 22);
    EXPECT_EQ(box.Right, 108);
    EXPECT_EQ(box.Bottom, 58);
}

TEST_F(BookSearch, LocationBoxNamesTheArticleInRedOnYellowAtTheBottom) {
    AddPlainArticle(1, 2, "ttl");
    StartOn(1);
    DrawLocationBox(View());
    // Small font: FontSize 0 and the small size; its height h as the device says.
    std::vector<Colour> frames;
    for (const ColouredRect& f : Device.Frames) frames.push_back(f.Paint);
    EXPECT_EQ(frames, (std::vector<Colour>{kRed, kRed, kWhite, kBlue, kBlue}));
    ASSERT_EQ(Device.Frames.size(), 5u);
    const Rect outer = Device.Frames[0].Box;
    ASSERT_EQ(Device.Runs.size(), 1u);
    const DrawnRun& title = Device.Runs[0];
    const int32_t h = title.Box.Bottom - title.Box.Top;
    EXPECT_EQ(title.Text, u"ttl");
    EXPECT_EQ(title.TextColour, kRed);
    EXPECT_EQ(title.BackColour, kYellow);
    EXPECT_EQ(outer.Bottom, 30 + 200 - 2);
    EXPECT_EQ(outer.Top, outer.Bottom - h - 10);
    EXPECT_EQ(outer.Right - outer.Left, 24 + 2 * h + 8);
    EXPECT_EQ(outer.Left, 10 + (400 - (outer.Right - outer.Left)) / 2);
    ASSERT_EQ(Device.SolidFills.size(), 1u);
    const Rect fill = Device.SolidFills[0].Box;
    EXPECT_EQ(Device.SolidFills[0].Paint, kYellow);
    EXPECT_EQ(fill.Left, outer.Left + 5);
    EXPECT_EQ(fill.Bottom, outer.Bottom - 5);
    // The title centred in the box, inside it.
    EXPECT_EQ(title.Box.Top, fill.Top);
    EXPECT_EQ(title.Box.Left, fill.Left + (fill.Right - fill.Left - 24) / 2);
    EXPECT_EQ(Device.Text, kBlack);   // colours given back
}

TEST_F(BookSearch, LongTitleIsCutToWhatFitsTheView) {
    AddPlainArticle(1, 1, std::string(80, 'k'));   // 640 units in a 400-unit view
    StartOn(1);
    DrawLocationBox(View());
    ASSERT_EQ(Device.Runs.size(), 1u);
    EXPECT_EQ(Device.Runs[0].Text.size(), 50u);
    const Rect outer = Device.Frames[0].Box;
    EXPECT_EQ(outer.Right - outer.Left, 400);
    EXPECT_EQ(Device.Runs[0].Box.Left, outer.Left + 5 + (390 - 400) / 2);   // overhangs the inner box
}

TEST_F(BookSearch, TwoTitlesTakeTwoRows) {
    AddArticle(1, {{0xDC, 0, "one"}, {kTitle, 0, "second"}, {kBody, 0, "x"}});
    StartOn(1);
    DrawLocationBox(View());
    ASSERT_EQ(Device.Runs.size(), 2u);
    const int32_t h = Device.Runs[0].Box.Bottom - Device.Runs[0].Box.Top;
    EXPECT_EQ(Device.Runs[1].Box.Top, Device.Runs[0].Box.Top + h);
    const Rect outer = Device.Frames[0].Box;
    EXPECT_EQ(outer.Bottom - outer.Top, 2 * h + 10);
    EXPECT_EQ(outer.Right - outer.Left, 48 + 2 * h + 8);
}
