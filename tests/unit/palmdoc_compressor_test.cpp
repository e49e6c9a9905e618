#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/synthetic_book_text.h"
#include "tools/palmdoc/palmdoc_compressor.h"
#include "tools/palmdoc/record_container.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> RandomBytes(uint32_t seed, size_t size, uint8_t low = 0, uint8_t high = 255) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (auto& byte : bytes) byte = uint8_t(low + random() % (high - low + 1));
    return bytes;
}

// Decompresses with the program's own decoder and returns what it produced;
// fails the test when the decoder refuses the stream.
std::vector<uint8_t> Decompress(const std::vector<uint8_t>& compressed, size_t size) {
    CompressedData descriptor{compressed.data(), uint32_t(compressed.size()), uint32_t(size)};
    int32_t status = 0;
    uint8_t* buffer = UnCompress(&descriptor, &status);
    EXPECT_NE(buffer, nullptr) << "status " << status;
    if (!buffer) return {};
    EXPECT_EQ(buffer[size], 0) << "the data is followed by a NUL";
    std::vector<uint8_t> data(buffer, buffer + size);
    PlainFree(buffer);
    return data;
}

void ExpectRoundTrip(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> compressed = CompressPalmDoc(data.data(), data.size());
    EXPECT_EQ(Decompress(compressed, data.size()), data);
}

}  // namespace

TEST(PalmDocCompressor, RandomBytesRoundTrip) {
    for (uint32_t seed = 1; seed <= 20; ++seed) ExpectRoundTrip(RandomBytes(seed, seed * 397));
}

TEST(PalmDocCompressor, RandomBytesFromFewValuesRoundTrip) {
    for (uint32_t seed = 1; seed <= 10; ++seed) ExpectRoundTrip(RandomBytes(seed, 8000, 0x7E, 0x82));
}

TEST(PalmDocCompressor, RepetitiveDataRoundTripsAndShrinks) {
    std::vector<uint8_t> data(65535, 'x');
    std::vector<uint8_t> compressed = CompressPalmDoc(data.data(), data.size());
    EXPECT_EQ(Decompress(compressed, data.size()), data);
    // One literal, then back-references of 10 bytes each.
    EXPECT_LE(compressed.size(), 1 + 2 * (65535 / 10 + 1));

    std::vector<uint8_t> period;
    for (int i = 0; i < 30000; ++i) period.push_back(uint8_t("abcdefg"[i % 7]));
    ExpectRoundTrip(period);
}

TEST(PalmDocCompressor, EveryByteValueRoundTrips) {
    std::vector<uint8_t> data;
    for (int pass = 0; pass < 3; ++pass)
        for (int value = 0; value < 256; ++value) data.push_back(uint8_t(pass == 1 ? 255 - value : value));
    ExpectRoundTrip(data);
    for (int value = 0; value < 256; ++value) ExpectRoundTrip({uint8_t(value)});
}

TEST(PalmDocCompressor, HighBytesTravelInFullLiteralRuns) {
    std::vector<uint8_t> data = RandomBytes(7, 8000, 0x80, 0xFF);
    std::vector<uint8_t> compressed = CompressPalmDoc(data.data(), data.size());
    EXPECT_EQ(Decompress(compressed, data.size()), data);
    // Nothing repeats, so the best is runs of 8: 9 bytes for every 8.
    EXPECT_LE(compressed.size(), data.size() / 8 * 9 + 9);

    std::vector<uint8_t> runHeaders = RandomBytes(8, 5000, 0x01, 0x08);
    ExpectRoundTrip(runHeaders);
}

TEST(PalmDocCompressor, SpaceBeforeLetterPacksIntoOneByte) {
    std::vector<uint8_t> data = Bytes(" a b c d e f g h i j k l");
    std::vector<uint8_t> compressed = CompressPalmDoc(data.data(), data.size());
    EXPECT_EQ(compressed.size(), 12u);
    EXPECT_EQ(compressed[0], 'a' ^ 0x80);
    EXPECT_EQ(Decompress(compressed, data.size()), data);
}

TEST(PalmDocCompressor, SpacesAndLettersRoundTrip) {
    std::mt19937 random(3);
    std::vector<uint8_t> data;
    for (int i = 0; i < 20000; ++i) data.push_back(random() % 3 == 0 ? ' ' : uint8_t(0x3E + random() % 0x44));
    ExpectRoundTrip(data);
}

TEST(PalmDocCompressor, ReachesBackExactlyTheWindow) {
    // A ten-byte phrase, 2037 bytes nothing repeats in, then the phrase again: it
    // starts 2047 bytes after the first one, the farthest a back-reference reaches.
    std::vector<uint8_t> phrase = Bytes("ABCDEFGHIJ");
    std::vector<uint8_t> data = phrase;
    std::vector<uint8_t> filler = RandomBytes(11, 2037, 0x80, 0xFF);
    data.insert(data.end(), filler.begin(), filler.end());
    data.insert(data.end(), phrase.begin(), phrase.end());
    std::vector<uint8_t> inWindow = CompressPalmDoc(data.data(), data.size());
    EXPECT_EQ(Decompress(inWindow, data.size()), data);

    data.insert(data.begin() + 10, 0x90);   // now 2048 bytes apart
    std::vector<uint8_t> outOfWindow = CompressPalmDoc(data.data(), data.size());
    EXPECT_EQ(Decompress(outOfWindow, data.size()), data);
    EXPECT_EQ(outOfWindow.size(), inWindow.size() + 1 + 10 - 2)
        << "one more filler byte, and the phrase as ten literals instead of a back-reference";
}

TEST(PalmDocCompressor, EmptyInputGivesEmptyStream) {
    EXPECT_TRUE(CompressPalmDoc(nullptr, 0).empty());
    EXPECT_TRUE(CompressPalmDocGreedy(nullptr, 0).empty());
}

TEST(PalmDocCompressor, BeatsGreedyOnArticleText) {
    size_t optimal = 0, greedy = 0;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        std::vector<uint8_t> article = MakeSyntheticArticle(seed, 20000);
        std::vector<uint8_t> compressed = CompressPalmDoc(article.data(), article.size());
        std::vector<uint8_t> baseline = CompressPalmDocGreedy(article.data(), article.size());
        EXPECT_EQ(Decompress(compressed, article.size()), article);
        EXPECT_EQ(Decompress(baseline, article.size()), article);
        EXPECT_LE(compressed.size(), baseline.size());
        optimal += compressed.size();
        greedy += baseline.size();
    }
    EXPECT_LT(optimal * 100, greedy * 99) << "at least 1% smaller than greedy";
}

TEST(PalmDocCompressor, NeverLongerThanGreedy) {
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        std::vector<uint8_t> data = RandomBytes(seed, 6000, 0x1E, 0x8A);
        EXPECT_LE(CompressPalmDoc(data.data(), data.size()).size(),
                  CompressPalmDocGreedy(data.data(), data.size()).size());
    }
}

TEST(RecordContainer, WritesHeaderDataAndTrailerBigEndian) {
    std::vector<uint8_t> record = MakeRecord(reinterpret_cast<const uint8_t*>("A"), 1, 0x0102, 0x0304);
    std::vector<uint8_t> expected = {0x00, 0x09, 0x01, 0x02, 0x03, 0x04, 0x00, 0x01, 0x00, 0x01,
                                     'A',  0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(record, expected);
}

TEST(RecordContainer, BlockLengthIsRecordSizeLessSix) {
    std::vector<uint8_t> article = MakeSyntheticArticle(5, 30000);
    std::vector<uint8_t> record = MakeRecord(article.data(), article.size(), 1, 255);
    size_t blockLength = size_t(record[0]) << 8 | record[1];
    size_t compressedLength = size_t(record[6]) << 8 | record[7];
    size_t uncompressedLength = size_t(record[8]) << 8 | record[9];
    EXPECT_EQ(blockLength, record.size() - 6);
    EXPECT_EQ(compressedLength, blockLength - 8);
    EXPECT_EQ(uncompressedLength, article.size());
    EXPECT_EQ(record[4] << 8 | record[5], 255);
}

TEST(RecordContainer, LoadsBackThroughTheRecordLoader) {
    ScopedFakePorts ports;
    std::vector<uint8_t> article = MakeSyntheticArticle(9, 28259);
    ports.Records.Records[1705 + kRecordIdBase] = MakeRecord(article.data(), article.size(), 1705, 1705);
    int32_t status = 0;
    uint8_t* loaded = LoadRecord(1705, &status);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(loaded, loaded + article.size()), article);
    EXPECT_EQ(status, 0);
    PlainFree(loaded);
}

TEST(RecordContainer, RefusesDataThatCannotFormARecord) {
    uint8_t byte = 'A';
    EXPECT_THROW(MakeRecord(&byte, 0, 1, 1), std::invalid_argument);
    std::vector<uint8_t> tooLong(65536, 'A');
    EXPECT_THROW(MakeRecord(tooLong.data(), tooLong.size(), 1, 1), std::invalid_argument);
    std::vector<uint8_t> incompressible = RandomBytes(4, 65535, 0x80, 0xFF);
    EXPECT_THROW(MakeRecord(incompressible.data(), incompressible.size(), 1, 1), std::invalid_argument);
    std::vector<uint8_t> largest(65535, 'A');
    EXPECT_NO_THROW(MakeRecord(largest.data(), largest.size(), 1, 1));
}
