#include "tests/win32/support/gdi_object_count.h"

#include <winternl.h>

#include <vector>

namespace {

// The 64-bit environment block's pointer to the GDI handle table, and the
// table's entries: the type byte (0 for a free entry) and the stock flag.
constexpr size_t kPebGdiHandleTable = 0xF8;
constexpr size_t kHandleCount = 0x10000;
constexpr size_t kEntrySize = 24;
constexpr size_t kEntryStockByte = 12;
constexpr unsigned char kStockFlag = 0x80;
constexpr size_t kEntryTypeByte = 14;
constexpr int kEntryTypeMask = 0x7F;
// Entry types: a bitmap is a surface (Windows) or a bitmap of Wine's own type.
constexpr int kSurfaceType = 0x05;
constexpr int kWineBitmapType = 0x09;
constexpr int kFontType = 0x0A;

bool IsOf(GdiObjects which, int type) {
    switch (which) {
        case GdiObjects::All:     return true;
        case GdiObjects::Fonts:   return type == kFontType;
        case GdiObjects::Bitmaps: return type == kSurfaceType || type == kWineBitmapType;
    }
    return false;
}

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

int CountFromHandleTable(HANDLE process, GdiObjects which) {
    auto query = reinterpret_cast<QueryProcess>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess"));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    ULONG_PTR table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiHandleTable,
                           &table, sizeof table, &read) || table == 0)
        return -1;
    std::vector<unsigned char> entries(kHandleCount * kEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), &read))
        return -1;
    int count = 0;
    for (size_t i = 0; i < kHandleCount; ++i) {
        const unsigned char* entry = &entries[i * kEntrySize];
        const int entryType = entry[kEntryTypeByte] & kEntryTypeMask;
        if (entryType != 0 && !(entry[kEntryStockByte] & kStockFlag) && IsOf(which, entryType)) ++count;
    }
    return count;
}

}  // namespace

int GdiObjectCount(HANDLE process, GdiObjects which) {
    if (which != GdiObjects::All) return CountFromHandleTable(process, which);
    SetLastError(0);
    const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS);
    if (counted != 0 || GetLastError() == 0) return int(counted);
    return CountFromHandleTable(process, GdiObjects::All);
}
