// Records of the book and their PalmDoc LZ77 decompression.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/record_source.h"

constexpr int kRecordIdBase = 1000;            // article n is record 1000 + n
constexpr int kContentsRecordNumber = 31767;   // 1000 + 31767 = identifier 32767
constexpr int kContentsRecordId = 32767;
constexpr uint32_t kRecordTerminators = 2;     // the zero bytes after the u bytes of data

// Status codes stored through the optional status pointer.
constexpr int32_t kStatusNoRecord = 1;
constexpr int32_t kStatusUnavailable = 2;      // size 0, unloadable, or no memory
constexpr int32_t kStatusBadBlock = 3;         // L below 5, or c is 0
constexpr int32_t kStatusBadDescriptor = 4;    // no descriptor, no data, or u = 0
constexpr int32_t kStatusCorrupt = 5;          // data ran out or points outside itself

// Shown (no owner, the platform's caption, OK only) when a record's data is corrupt.
constexpr char16_t kUnCompressErrorText[] = u"UnCompress() buffer error!";

struct CompressedData {
    const uint8_t* Data;
    uint32_t CompressedLength;    // c
    uint32_t UncompressedLength;  // u
};

// A new buffer of u + 2 bytes (data, then a NUL) owned by the caller, who
// releases it with PlainFree; null on failure.
// With length, u is stored there on success, so that callers can bound their
// walks by the data they were given.
uint8_t* LoadRecord(int number, int32_t* status, uint32_t* length = nullptr);
uint8_t* UnpackRecordBlock(const uint8_t* block, uint32_t blockLength, int32_t* status);
uint8_t* UnCompress(const CompressedData* descriptor, int32_t* status);
