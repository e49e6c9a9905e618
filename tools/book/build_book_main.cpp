// orvendel_book_builder <source wlc directory> <generated directory>
// Reads the biblical text, writes the book's records into
// <generated>/records/ and their resource script <generated>/book.rc, and
// prints the book's figures. Files whose bytes are unchanged are left alone,
// so an unchanged book compiles no resources again.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "store/record_loader.h"
#include "tools/book/book_records.h"
#include "tools/book/book_source.h"

namespace {
void WriteIfChanged(const std::filesystem::path& path, const void* bytes, size_t size) {
    {
        std::ifstream existing(path, std::ios::binary);
        if (existing) {
            const std::string old((std::istreambuf_iterator<char>(existing)), std::istreambuf_iterator<char>());
            if (old.size() == size && std::equal(old.begin(), old.end(), static_cast<const char*>(bytes)))
                return;
        }
    }
    const std::filesystem::path temporary = path.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
        if (!out) throw std::runtime_error("cannot write " + temporary.string());
    }
    std::filesystem::rename(temporary, path);
}

void PrintFigures(const BuiltBook& book, double seconds) {
    size_t uncompressed = 0, compressed = 0;
    const BookRecord* largest = nullptr;
    const BookRecord* smallest = nullptr;
    for (const BookRecord& record : book.Records) {
        uncompressed += record.Data.size();
        compressed += record.Record.size();
        if (record.Identifier == kContentsRecordId) continue;
        if (!largest || record.Data.size() > largest->Data.size()) largest = &record;
        if (!smallest || record.Data.size() < smallest->Data.size()) smallest = &record;
    }
    const BookRecord& contents = book.Records.back();
    std::printf("book: %zu records, %zu bytes uncompressed, %zu bytes as records (%.1f%%, ratio %.2f:1)\n",
                book.Records.size(), uncompressed, compressed, 100.0 * compressed / uncompressed,
                double(uncompressed) / compressed);
    std::printf("largest article: %d (%zu bytes); smallest article: %d (%zu bytes)\n",
                largest->Identifier - kRecordIdBase, largest->Data.size(),
                smallest->Identifier - kRecordIdBase, smallest->Data.size());
    std::printf("contents record: %zu bytes (%zu as a record)\n", contents.Data.size(), contents.Record.size());
    std::printf("built in %.2f s\n", seconds);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source wlc directory> <generated directory>\n", argv[0]);
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        const BuiltBook book = BuildBook(LoadBookSource(argv[1]));
        const std::filesystem::path generated = argv[2];
        std::filesystem::create_directories(generated / "records");
        for (const BookRecord& record : book.Records)
            WriteIfChanged(generated / RecordFileName(record.Identifier), record.Record.data(), record.Record.size());
        const std::string script = BookResourceScript(book.Records);
        WriteIfChanged(generated / "book.rc", script.data(), script.size());
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        PrintFigures(book, elapsed.count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "book builder: %s\n", error.what());
        return 1;
    }
    return 0;
}
