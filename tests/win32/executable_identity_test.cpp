// What Windows reads from orvendel.exe before and while it runs: the version
// resource that file properties show, the application manifest, and a start
// that leaves the libraries of printing and of the shell unloaded until a
// user needs them.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "dialogs/product_version.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/program_process.h"
#include "tests/win32/support/reader_test.h"

namespace {

class VersionResource {
public:
    explicit VersionResource(const std::wstring& path) {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        data_.resize(size);
        if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) data_.clear();
    }
    bool Present() const { return !data_.empty(); }

    const VS_FIXEDFILEINFO* Numbers() {
        return static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\"));
    }
    // A string of the first language the resource lists.
    std::wstring Text(const wchar_t* name) {
        const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation"));
        if (!translation) return L"<no translation>";
        wchar_t path[128];
        swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1],
                 name);
        const auto* text = static_cast<const wchar_t*>(Query(path));
        return text ? text : L"<missing>";
    }

private:
    const void* Query(const wchar_t* path) {
        void* value = nullptr;
        UINT length = 0;
        if (data_.empty() || !VerQueryValueW(data_.data(), path, &value, &length) || length == 0)
            return nullptr;
        return value;
    }
    std::vector<BYTE> data_;
};

std::wstring ManifestOf(const std::wstring& path) {
    HMODULE image = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image) return {};
    std::wstring text;
    if (HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
        if (bytes) text.assign(bytes, bytes + SizeofResource(image, found));
    }
    FreeLibrary(image);
    return text;
}

// The file names, in lower case, of the modules loaded in a process.
std::vector<std::wstring> LoadedModules(HANDLE process) {
    HMODULE modules[512];
    DWORD bytes = 0;
    std::vector<std::wstring> names;
    if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) return names;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        wchar_t name[MAX_PATH];
        if (!GetModuleBaseNameW(process, modules[i], name, MAX_PATH)) continue;
        std::wstring lower = name;
        for (wchar_t& c : lower) c = wchar_t(towlower(c));
        names.push_back(lower);
    }
    return names;
}

TEST(ExecutableIdentity, FilePropertiesShowProductMakerVersionAndTheTextsAttribution) {
    VersionResource version(ProgramPath());
    ASSERT_TRUE(version.Present()) << "orvendel.exe has no version resource";
    EXPECT_EQ(version.Text(L"ProductName"), L"Orvendel");
    EXPECT_EQ(version.Text(L"CompanyName"), L"Kestrane");
    EXPECT_EQ(version.Text(L"ProductVersion"), AsWide(kProductVersion));
    EXPECT_EQ(version.Text(L"FileVersion"), AsWide(kProductVersion));
    EXPECT_FALSE(version.Text(L"FileDescription").empty());
    const std::wstring attribution = version.Text(L"LegalCopyright") + version.Text(L"Comments");
    EXPECT_NE(attribution.find(L"OSHB"), std::wstring::npos) << attribution;
    EXPECT_NE(attribution.find(L"CC BY 4.0"), std::wstring::npos) << attribution;

    const VS_FIXEDFILEINFO* numbers = version.Numbers();
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(numbers->dwFileType, DWORD(VFT_APP));
    const DWORD high = MAKELONG(kProductVersionNumbers[1], kProductVersionNumbers[0]);
    const DWORD low = MAKELONG(kProductVersionNumbers[3], kProductVersionNumbers[2]);
    EXPECT_EQ(numbers->dwFileVersionMS, high);
    EXPECT_EQ(numbers->dwFileVersionLS, low);
    EXPECT_EQ(numbers->dwProductVersionMS, high);
    EXPECT_EQ(numbers->dwProductVersionLS, low);
}

TEST(ExecutableIdentity, ManifestNamesWindows7To11PerMonitorScalingAndTheInvokersRights) {
    const std::wstring manifest = ManifestOf(ProgramPath());
    ASSERT_FALSE(manifest.empty()) << "orvendel.exe has no application manifest";
    for (const wchar_t* part :
         {L"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", L"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          L"{1f676c76-80e1-4239-95bb-83d0f6d0da78}", L"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
          L">true/pm<", L">PerMonitorV2, PerMonitor<", L"level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(part), std::wstring::npos) << "the manifest lacks " << ToUtf8(AsUnits(part));
    }
}

using ReaderStart = ReaderTest;

TEST_F(ReaderStart, LeavesTheLibrariesOfPrintingAndTheShellForFirstUse) {
    LaunchReader();
    const std::vector<std::wstring> modules = LoadedModules(reader.Handle());
    ASSERT_NE(std::find(modules.begin(), modules.end(), L"user32.dll"), modules.end())
        << "the reader's modules could not be read";
    for (const wchar_t* library : {L"comdlg32.dll", L"shell32.dll", L"winspool.drv"}) {
        EXPECT_EQ(std::find(modules.begin(), modules.end(), library), modules.end())
            << ToUtf8(AsUnits(library)) << " is loaded at start";
    }
    CloseReader();
}

}  // namespace
