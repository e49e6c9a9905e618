#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/unit/expect_message.h"
#include "tools/palmdoc/record_container.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Decompresses a hand-written token stream through the loader's own entry.
struct Decoded {
    uint8_t* Buffer;
    int32_t Status;
    ~Decoded() { PlainFree(Buffer); }
    std::string Text(size_t size) const { return std::string(Buffer, Buffer + size); }
};

Decoded Decode(const Bytes& tokens, uint32_t uncompressedLength) {
    CompressedData descriptor{tokens.data(), uint32_t(tokens.size()), uncompressedLength};
    Decoded decoded{nullptr, 0};
    decoded.Buffer = UnCompress(&descriptor, &decoded.Status);
    return decoded;
}

// A container written byte for byte, so that its lengths can lie.
Bytes RawRecord(uint16_t blockLength, uint16_t compressedLength, uint16_t uncompressedLength,
                const Bytes& tokens) {
    Bytes record;
    for (uint16_t field : {blockLength, uint16_t(1), uint16_t(1), compressedLength, uncompressedLength}) {
        record.push_back(uint8_t(field >> 8));
        record.push_back(uint8_t(field));
    }
    record.insert(record.end(), tokens.begin(), tokens.end());
    return record;
}

Bytes TextRecord(const std::string& text) {
    return MakeRecord(reinterpret_cast<const uint8_t*>(text.data()), text.size(), 1, 1);
}

std::string LoadText(int number, int32_t* status) {
    uint8_t* buffer = LoadRecord(number, status);
    if (!buffer) return "<null>";
    std::string text(reinterpret_cast<char*>(buffer));
    PlainFree(buffer);
    return text;
}

// Loads a record that must not load and returns the status that was left.
int32_t FailedLoadStatus(int number) {
    int32_t status = 0;
    uint8_t* buffer = LoadRecord(number, &status);
    EXPECT_EQ(buffer, nullptr);
    PlainFree(buffer);
    return status;
}

constexpr int32_t kUntouched = -77;

}  // namespace

TEST(RecordLoader, NumberBelowOneGivesNothingAndLeavesStatus) {
    ScopedFakePorts ports;
    ports.Records.Records[1000] = TextRecord("zero");
    for (int number : {0, -1, -1000, INT_MIN}) {
        int32_t status = kUntouched;
        EXPECT_EQ(LoadRecord(number, &status), nullptr);
        EXPECT_EQ(status, kUntouched);
    }
}

TEST(RecordLoader, ArticleNumberReadsRecordThousandAbove) {
    ScopedFakePorts ports;
    ports.Records.Records[1001] = TextRecord("first article");
    ports.Records.Records[2705] = TextRecord("last article");
    int32_t status = kUntouched;
    EXPECT_EQ(LoadText(1, &status), "first article");
    EXPECT_EQ(LoadText(kArticleCount, &status), "last article");
    EXPECT_EQ(status, kUntouched) << "success leaves the status alone";
}

TEST(RecordLoader, ContentsNumberReadsIdentifier32767) {
    ScopedFakePorts ports;
    ports.Records.Records[kContentsRecordId] = TextRecord("contents");
    EXPECT_EQ(LoadText(kContentsRecordNumber, nullptr), "contents");
}

TEST(RecordLoader, IdentifierWrapsToSixteenBits) {
    ScopedFakePorts ports;
    ports.Records.Records[1000] = TextRecord("wrapped");
    EXPECT_EQ(LoadText(65536, nullptr), "wrapped");
    EXPECT_EQ(FailedLoadStatus(INT_MAX), kStatusNoRecord) << "no overflow on the way";
}

TEST(RecordLoader, MissingRecordGivesStatus1) {
    ScopedFakePorts ports;
    ports.Records.Records[2705] = TextRecord("last article");
    EXPECT_EQ(FailedLoadStatus(kArticleCount + 1), kStatusNoRecord);
    EXPECT_TRUE(ports.Messages.Shown.empty());
}

TEST(RecordLoader, NoRecordSourceGivesStatus1) {
    ScopedFakePorts ports;
    Ports.Records = nullptr;
    EXPECT_EQ(FailedLoadStatus(1), kStatusNoRecord);
}

TEST(RecordLoader, UnloadableOrEmptyRecordGivesStatus2) {
    ScopedFakePorts ports;
    ports.Records.Records[1001] = TextRecord("locked");
    ports.Records.Unavailable.push_back(1001);
    ports.Records.Records[1002] = Bytes();
    EXPECT_EQ(FailedLoadStatus(1), kStatusUnavailable);
    EXPECT_EQ(FailedLoadStatus(2), kStatusUnavailable);
}

TEST(RecordLoader, ShortBlockLengthGivesStatus3) {
    ScopedFakePorts ports;
    for (uint16_t blockLength : {0, 1, 4}) {
        ports.Records.Records[1001] = RawRecord(blockLength, 1, 1, {'A', 0, 0, 0, 0});
        EXPECT_EQ(FailedLoadStatus(1), kStatusBadBlock) << blockLength;
    }
}

TEST(RecordLoader, ZeroCompressedLengthGivesStatus3) {
    ScopedFakePorts ports;
    ports.Records.Records[1001] = RawRecord(8, 0, 1, {0, 0, 0, 0});
    EXPECT_EQ(FailedLoadStatus(1), kStatusBadBlock);
}

TEST(RecordLoader, ZeroUncompressedLengthGivesStatus4) {
    ScopedFakePorts ports;
    ports.Records.Records[1001] = RawRecord(9, 1, 0, {'A', 0, 0, 0, 0});
    EXPECT_EQ(FailedLoadStatus(1), kStatusBadDescriptor);
}

TEST(RecordLoader, RecordTooShortForItsHeaderGivesStatus3) {
    ScopedFakePorts ports;
    for (const Bytes& record : {Bytes{0}, Bytes{0, 9, 0, 1, 0}, Bytes{0, 9, 0, 1, 0, 1, 0, 1, 0}}) {
        ports.Records.Records[1001] = record;
        EXPECT_EQ(FailedLoadStatus(1), kStatusBadBlock) << record.size();
    }
}

TEST(RecordLoader, BlockLengthBeyondTheRecordGivesStatus3) {
    ScopedFakePorts ports;
    // L says 20 bytes follow offset 6, the record holds 9.
    ports.Records.Records[1001] = RawRecord(20, 1, 1, {'A', 0, 0, 0, 0});
    EXPECT_EQ(FailedLoadStatus(1), kStatusBadBlock);
}

TEST(RecordLoader, CompressedLengthBeyondTheBlockGivesStatus3) {
    ScopedFakePorts ports;
    // c claims 200 bytes; only one (and the trailer) is there.
    ports.Records.Records[1001] = RawRecord(9, 200, 1, {'A', 0, 0, 0, 0});
    EXPECT_EQ(FailedLoadStatus(1), kStatusBadBlock);
    EXPECT_TRUE(ports.Messages.Shown.empty());
}

TEST(RecordLoader, BlockLongerThanItsDataIsAccepted) {
    ScopedFakePorts ports;
    ports.Records.Records[1001] = RawRecord(12, 1, 1, {'A', 0, 0, 0, 0, 9, 9, 9});
    EXPECT_EQ(LoadText(1, nullptr), "A");
}

TEST(UnCompress, MissingDescriptorOrDataGivesStatus4) {
    int32_t status = 0;
    EXPECT_EQ(UnCompress(nullptr, &status), nullptr);
    EXPECT_EQ(status, kStatusBadDescriptor);
    CompressedData noData{nullptr, 4, 4};
    status = 0;
    EXPECT_EQ(UnCompress(&noData, &status), nullptr);
    EXPECT_EQ(status, kStatusBadDescriptor);
    EXPECT_EQ(UnCompress(nullptr, nullptr), nullptr) << "the status pointer is optional";
}

TEST(UnCompress, TokensDecodeToTheirBytes) {
    // 'H', a run of two high bytes, a space pair, 0x00, 'i'.
    Decoded decoded = Decode({'H', 0x02, 0xC7, 0xCE, 'a' ^ 0x80, 0x00, 'i'}, 7);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(7), std::string("H\xC7\xCE a\0i", 7));
    EXPECT_EQ(decoded.Buffer[7], 0) << "a NUL follows the data";
}

TEST(UnCompress, ZeroTokenWritesAZeroByte) {
    Decoded decoded = Decode({0x00, 0x00, 'A'}, 3);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(4), std::string("\0\0A\0", 4));
}

TEST(UnCompress, DistanceOneRepeatsTheLastByte) {
    // distance 1, length 10: (1 << 3) | (10 - 3)
    Decoded decoded = Decode({0x41, 0x80, 0x0F}, 11);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(11), std::string(11, 'A'));
}

TEST(UnCompress, OverlappingCopyRepeatsAPattern) {
    // "ab", then distance 2 length 7
    Decoded decoded = Decode({'a', 'b', 0x80, 0x14}, 9);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(9), "ababababa");
}

TEST(UnCompress, BackReferenceStopsAtTheUncompressedLength) {
    Decoded decoded = Decode({0x41, 0x80, 0x0F, 'x', 'y'}, 5);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(6), std::string("AAAAA\0", 6));
    EXPECT_EQ(decoded.Status, 0) << "the tokens left over are ignored";
}

TEST(UnCompress, LiteralRunStopsAtTheUncompressedLength) {
    Decoded decoded = Decode({0x05, 'a', 'b', 'c', 'd', 'e'}, 3);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(4), std::string("abc\0", 4));
}

TEST(UnCompress, RunCutShortByTheOutputNeedsNoMoreInput) {
    // The run announces five bytes but the output is full after two, so the
    // stream ending there is not a fault.
    Decoded decoded = Decode({0x05, 'a', 'b'}, 2);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(2), "ab");
}

TEST(UnCompress, SpacePairAtTheLastByteKeepsOnlyTheSpace) {
    Decoded decoded = Decode({'A', 'b' ^ 0x80}, 2);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(3), std::string("A \0", 3));
    EXPECT_EQ(decoded.Status, 0);
}

TEST(UnCompress, InputEndingEarlyShowsTheErrorAndGivesStatus5) {
    ScopedFakePorts ports;
    Decoded decoded = Decode({'A', 'B', 'C'}, 4);
    EXPECT_EQ(decoded.Buffer, nullptr);   // the partial buffer is freed (the leak check sees it)
    EXPECT_EQ(decoded.Status, kStatusCorrupt);
    ASSERT_NO_FATAL_FAILURE(
        ExpectOnlyMessage(ports.Messages, nullptr, u"UnCompress() buffer error!", nullptr, kMbOk));
}

TEST(UnCompress, ZeroDistanceIsCorrupt) {
    ScopedFakePorts ports;
    Decoded decoded = Decode({'A', 0x80, 0x07}, 11);
    EXPECT_EQ(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Status, kStatusCorrupt);
    EXPECT_EQ(ports.Messages.Shown.size(), 1u);
}

TEST(UnCompress, BackReferenceBeforeTheStartIsCorrupt) {
    ScopedFakePorts ports;
    // Two bytes written, distance 3.
    Decoded decoded = Decode({'A', 'B', 0x80, 0x18}, 5);
    EXPECT_EQ(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Status, kStatusCorrupt);
    // And at the very start, the farthest distance.
    Decoded first = Decode({0xBF, 0xFF}, 10);
    EXPECT_EQ(first.Buffer, nullptr);
    EXPECT_EQ(first.Status, kStatusCorrupt);
    EXPECT_EQ(ports.Messages.Shown.size(), 2u);
}

TEST(UnCompress, BackReferenceCutAfterItsFirstByteIsCorrupt) {
    ScopedFakePorts ports;
    Decoded decoded = Decode({'A', 0x80}, 5);
    EXPECT_EQ(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Status, kStatusCorrupt);
}

TEST(UnCompress, LiteralRunPastTheInputIsCorrupt) {
    ScopedFakePorts ports;
    Decoded decoded = Decode({0x08, 'a', 'b', 'c'}, 8);
    EXPECT_EQ(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Status, kStatusCorrupt);
    EXPECT_EQ(ports.Messages.Shown.size(), 1u);
}

TEST(UnCompress, CorruptDataWithoutAMessagePortFailsQuietly) {
    ScopedFakePorts ports;
    Ports.Messages = nullptr;
    Decoded decoded = Decode({'A'}, 4);
    EXPECT_EQ(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Status, kStatusCorrupt);
}

TEST(UnCompress, OutOfMemoryGivesStatus2WithoutAMessage) {
    ScopedFakePorts ports;
    FailAllocationAfter(0);
    Decoded decoded = Decode({'A'}, 1);
    FailAllocationAfter(-1);
    EXPECT_EQ(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Status, kStatusUnavailable);
    EXPECT_TRUE(ports.Messages.Shown.empty());
}

TEST(UnCompress, LargestOutputFillsExactly65535Bytes) {
    Bytes tokens = {'x'};
    for (int i = 0; i < 6554; ++i) tokens.insert(tokens.end(), {0x80, 0x0F});
    Decoded decoded = Decode(tokens, 65535);
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(65535), std::string(65535, 'x'));
    EXPECT_EQ(decoded.Buffer[65535], 0);
}

// Long streams run through the wide copies far from both ends and byte by
// byte near them; every token kind must give the same bytes in either place.
TEST(UnCompress, WideCopiesGiveTheBytesOfTheByteByByteRules) {
    Bytes tokens;
    std::string expected;
    for (int round = 0; round < 40; ++round) {
        tokens.insert(tokens.end(), {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i'});
        expected += "abcdefghi";
        tokens.insert(tokens.end(), {0x08, 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q'});   // a run of 8
        expected += "JKLMNOPQ";
        tokens.insert(tokens.end(), {0x03, 'r', 's', 't'});                           // a run of 3
        expected += "rst";
        tokens.insert(tokens.end(), {0x80, 0x0F});   // distance 1, length 10
        expected += std::string(10, 't');
        tokens.insert(tokens.end(), {0x80, 0x1D});   // distance 3, length 8
        for (int k = 0; k < 8; ++k) expected += expected[expected.size() - 3];
        tokens.insert(tokens.end(), {0x80, 0x97});   // distance 18, length 10
        for (int k = 0; k < 10; ++k) expected += expected[expected.size() - 18];
        tokens.push_back(0xE1);                      // space and 'a'
        expected += " a";
    }
    Decoded decoded = Decode(tokens, uint32_t(expected.size()));
    ASSERT_NE(decoded.Buffer, nullptr);
    EXPECT_EQ(decoded.Text(expected.size()), expected);
    EXPECT_EQ(decoded.Buffer[expected.size()], 0);

    // Cut by the output inside the last tokens; a reference before the start.
    Decoded cut = Decode(tokens, uint32_t(expected.size() - 7));
    ASSERT_NE(cut.Buffer, nullptr);
    EXPECT_EQ(cut.Text(expected.size() - 7), expected.substr(0, expected.size() - 7));
    Bytes corrupt = tokens;
    corrupt.insert(corrupt.begin() + 1, {0x80, 0x50});   // distance 10 after one byte
    EXPECT_EQ(Decode(corrupt, uint32_t(expected.size() + 10)).Buffer, nullptr);
}
