#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/allocation.h"
#include "store/navigation.h"
#include "store/record_loader.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/expect_message.h"
#include "tests/unit/settings_environment.h"
#include "tools/palmdoc/record_container.h"

namespace {

constexpr uint8_t kTitle = 0xD1;
constexpr uint8_t kBody = 0xB1;

// An article of a title and `paragraphs` short paragraphs; `mark` tells the
// articles apart.
std::vector<uint8_t> Article(char mark, int paragraphs) {
    std::vector<TestBlock> blocks = {{kTitle, 0, std::string{mark, 'a', 'b'}}};
    for (int i = 0; i < paragraphs; ++i) blocks.push_back({kBody, 0, std::string("cd ") + mark});
    return ArticleMarkup(blocks);
}

class Navigation : public SettingsEnvironment {
protected:
    FakeTextDevice Device;
    int Window = 0;

    void AddArticle(uint16_t number, const std::vector<uint8_t>& bytes) {
        Fakes.Records.Records[uint16_t(kRecordIdBase + number)] =
            MakeRecord(bytes.data(), bytes.size(), number, number);
    }
    void AddArticle(uint16_t number, int paragraphs = 3) {
        AddArticle(number, Article(char('a' + number % 26), paragraphs));
    }
    // The screen view showing the current article, as at start-up.
    void StartOn(uint16_t lesson, uint16_t lastPosition = 0) {
        AppSettings.Lesson = lesson;
        AppSettings.LastPosition = lastPosition;
        ASSERT_EQ(ShowFirstArticle(&Window, &Device, Rect{10, 30, 400, 300}), 0);
    }
    // The third byte of the shown article: its mark.
    char Shown() const { return char(AppSettings.View->Text[2]); }
};

}  // namespace

TEST_F(Navigation, SetCurrentArticleClearsThePositionOnlyOnAChange) {
    AppSettings.Lesson = 4;
    AppSettings.LastPosition = 9;
    SetCurrentArticle(4);
    EXPECT_EQ(AppSettings.LastPosition, 9);
    SetCurrentArticle(0);
    EXPECT_EQ(AppSettings.Lesson, 4);
    SetCurrentArticle(5);
    EXPECT_EQ(AppSettings.Lesson, 5);
    EXPECT_EQ(AppSettings.LastPosition, 0);
}

TEST_F(Navigation, FirstArticleOpensAtTheStoredPosition) {
    AddArticle(12, 20);
    StartOn(12, 5);
    ASSERT_NE(AppSettings.View, nullptr);
    EXPECT_EQ(Shown(), 'm');
    EXPECT_EQ(AppSettings.View->TopLine, 5);
    EXPECT_EQ(AppSettings.View->Left, 10);
    EXPECT_EQ(AppSettings.View->Top, 30);
    EXPECT_EQ(Fakes.Shell.ScrollBarUpdates, 1);
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
}

TEST_F(Navigation, MissingFirstArticleIsReportedAndLeavesAnEmptyView) {
    AppSettings.Lesson = 7;
    EXPECT_EQ(ShowFirstArticle(&Window, &Device, Rect{0, 0, 300, 200}), 1);

    ASSERT_NO_FATAL_FAILURE(
        ExpectOnlyMessage(Fakes.Messages, &Window, u"Resource not found", u"Error", kMbIconWarning));
    ASSERT_NE(AppSettings.View, nullptr);
    EXPECT_EQ(AppSettings.View->Text, nullptr);

    AddArticle(8);   // the window stays usable: Next reaches another article
    EXPECT_EQ(StepArticle(&Window, +1), 0);
    EXPECT_EQ(Shown(), 'i');
}

TEST_F(Navigation, StoredPositionPastTheEndShowsTheArticleEnd) {
    AddArticle(2, 2);
    StartOn(2, 60000);
    EXPECT_EQ(AppSettings.View->TopLine, 60000);
    DrawArticleView(AppSettings.View, kErase);
    EXPECT_EQ(AppSettings.View->TopLine, AppSettings.View->MaxTopLine);
    EXPECT_FALSE(Device.Runs.empty());
}

TEST_F(Navigation, GoingToAnArticleOpensItAtTheFirstLineAndRepaints) {
    AddArticle(1, 20);
    AddArticle(2);
    StartOn(1, 6);
    EXPECT_EQ(GoToArticle(&Window, 2), 0);

    EXPECT_EQ(AppSettings.Lesson, 2);
    EXPECT_EQ(AppSettings.LastPosition, 0);
    EXPECT_EQ(AppSettings.View->TopLine, 0);
    EXPECT_EQ(Shown(), 'c');
    EXPECT_EQ(Fakes.Shell.Repaints, std::vector<uint32_t>{0x1FF});
    EXPECT_EQ(Fakes.Shell.BookmarkMarkUpdates, 1);
}

TEST_F(Navigation, GoingToTheCurrentArticleReloadsItKeepingLastPosition) {
    AddArticle(1, 20);
    StartOn(1, 6);
    AppSettings.View->TopLine = 4;
    EXPECT_EQ(GoToArticle(&Window, 1), 0);
    EXPECT_EQ(AppSettings.View->TopLine, 0);
    EXPECT_EQ(AppSettings.LastPosition, 6);
}

TEST_F(Navigation, ArticleThatCannotBeLoadedKeepsTheOldOne) {
    AddArticle(3, 20);
    StartOn(3);
    AppSettings.View->TopLine = 4;
    const uint8_t* text = AppSettings.View->Text;

    EXPECT_EQ(GoToArticle(&Window, 4), 1);
    EXPECT_EQ(AppSettings.Lesson, 3);
    EXPECT_EQ(AppSettings.View->Text, text);
    EXPECT_EQ(AppSettings.View->TopLine, 4);
    EXPECT_TRUE(Fakes.Shell.Repaints.empty());
    EXPECT_EQ(Fakes.Shell.BookmarkMarkUpdates, 0);
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
}

TEST_F(Navigation, RefusedArticleKeepsTheOldOneLaidOut) {
    AddArticle(3, 20);
    AddArticle(4, ArticleMarkup({{kBody, 0, ""}}));   // an empty first string
    StartOn(3);
    uint16_t lines = AppSettings.View->DisplayLineCount;
    uint16_t maxTopLine = AppSettings.View->MaxTopLine;

    EXPECT_EQ(GoToArticle(&Window, 4), 1);
    EXPECT_EQ(AppSettings.Lesson, 3);
    EXPECT_EQ(Shown(), 'd');
    EXPECT_EQ(AppSettings.View->DisplayLineCount, lines);
    EXPECT_EQ(AppSettings.View->MaxTopLine, maxTopLine);
}

TEST_F(Navigation, WithoutAViewNothingMoves) {
    AddArticle(2);
    AppSettings.Lesson = 1;
    EXPECT_EQ(StepArticle(&Window, +1), 1);
    EXPECT_EQ(AppSettings.Lesson, 1);
}

TEST_F(Navigation, NextOnTheLastArticleWrapsToTheFirst) {
    AddArticle(1);
    AddArticle(kArticleCount);
    StartOn(kArticleCount);
    EXPECT_EQ(StepArticle(&Window, +1), 0);
    EXPECT_EQ(AppSettings.Lesson, 1);
    EXPECT_EQ(Shown(), 'b');
}

TEST_F(Navigation, PreviousOnTheFirstArticleWrapsToTheLast) {
    AddArticle(1);
    AddArticle(kArticleCount);
    StartOn(1);
    EXPECT_EQ(StepArticle(&Window, -1), 0);
    EXPECT_EQ(AppSettings.Lesson, kArticleCount);
}

TEST_F(Navigation, NumberBeyondTheBookStepsToTheFirstEitherWay) {
    AddArticle(1);
    AddArticle(5);
    StartOn(5);
    for (int delta : {+1, -1}) {
        AppSettings.Lesson = 2000;
        EXPECT_EQ(StepArticle(&Window, delta), 0);
        EXPECT_EQ(AppSettings.Lesson, 1) << delta;
    }
}

// A corrupt record whose data ends in a format byte: the walk that follows it
// would step past the loader's buffer. The screen view is laid out with the
// record's own length, so the walk ends inside it, also when the view lays the
// same text out again on a resize.
TEST_F(Navigation, ArticleEndingInAFormatByteIsLaidOutWithinItsRecord) {
    AddArticle(1);
    std::vector<uint8_t> corrupt = {kBody, 0, 'a', 'b', 0, kBody};
    AddArticle(2, corrupt);
    StartOn(1);

    ASSERT_EQ(GoToArticle(&Window, 2), 0);
    EXPECT_EQ(AppSettings.View->LineCount, 1);
    EXPECT_EQ(AppSettings.View->TextSize, corrupt.size() + kRecordTerminators);
    EXPECT_EQ(ResizeArticleView(AppSettings.View, 200, 100), kLayoutDone);
    EXPECT_EQ(AppSettings.View->LineCount, 1);
}
