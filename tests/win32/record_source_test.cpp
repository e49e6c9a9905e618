// The book's records as RT_RCDATA resources of this program, found and
// decompressed through the resource record source and the record loader.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tests/win32/support/scoped_resource_records.h"

namespace {

class RecordSourceTest : public testing::Test {
protected:
    ScopedResourceRecords records;

    // The loaded bytes, or empty with the status when nothing came back.
    std::string Load(int number, int32_t* status) {
        uint8_t* buffer = LoadRecord(number, status);
        if (!buffer) return {};
        std::string text(reinterpret_cast<const char*>(buffer));
        PlainFree(buffer);
        return text;
    }
};

}  // namespace

TEST_F(RecordSourceTest, ArticleRecordDecompresses) {
    int32_t status = 0;
    EXPECT_EQ(Load(1, &status), "ababababa");
    EXPECT_EQ(status, 0);
}

TEST_F(RecordSourceTest, LastArticleDecompressesBytesOutsideAscii) {
    EXPECT_EQ(Load(kArticleCount, nullptr), "\xC7\xCEz");
}

TEST_F(RecordSourceTest, ContentsNumberFindsIdentifier32767) {
    EXPECT_EQ(Load(kContentsRecordNumber, nullptr), "TOC a");
}

TEST_F(RecordSourceTest, MissingResourceGivesStatus1) {
    int32_t status = 0;
    EXPECT_EQ(LoadRecord(2, &status), nullptr);
    EXPECT_EQ(status, kStatusNoRecord);
    status = 0;
    EXPECT_EQ(LoadRecord(kArticleCount + 1, &status), nullptr);
    EXPECT_EQ(status, kStatusNoRecord);
    EXPECT_TRUE(records.Messages.Texts.empty());
}

TEST_F(RecordSourceTest, EmptyResourceGivesStatus2) {
    int32_t status = 0;
    EXPECT_EQ(LoadRecord(3, &status), nullptr);
    EXPECT_EQ(status, kStatusUnavailable);
}

TEST_F(RecordSourceTest, TruncatedDataShowsTheBufferError) {
    int32_t status = 0;
    EXPECT_EQ(LoadRecord(4, &status), nullptr);
    EXPECT_EQ(status, kStatusCorrupt);
    ASSERT_EQ(records.Messages.Texts.size(), 1u);
    EXPECT_EQ(records.Messages.Texts[0], u"UnCompress() buffer error!");
}
