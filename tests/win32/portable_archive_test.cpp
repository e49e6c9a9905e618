// The portable archive a Windows user is handed: one folder holding the
// stripped program, its read-me and the text's licence. Unpacked into a fresh
// folder, the program starts from there, shows the book, keeps its settings in
// the registry and writes nothing beside itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/product_version.h"
#include "resources/resource_ids.h"
#include "settings/settings_values.h"
#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/ink_rows.h"
#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_capture.h"

namespace {

using PortableArchive = ReaderTest;

std::string ProductVersion() {
    std::string version;
    for (const char16_t* c = kProductVersion; *c; ++c) version += char(*c);
    return version;
}

// The files under folder, one relative path a line, sorted.
std::string FilesUnder(const std::string& folder) {
    const LinuxCommandResult listing =
        RunLinuxCommand("cd " + ShellQuoted(folder) + " && find . -type f | sort");
    EXPECT_TRUE(listing.Succeeded()) << listing.Failure;
    return listing.Output;
}

// strip leaves neither the symbol table nor the debug sections (whose long
// names stand in the symbol table's strings, as "/<offset>").
void ExpectStripped(const std::string& image) {
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    ASSERT_LT(size_t(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64), image.size());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
    ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->FileHeader.NumberOfSymbols, 0u) << "the program keeps its symbol table";
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        const std::string name(reinterpret_cast<const char*>(section->Name),
                               strnlen(reinterpret_cast<const char*>(section->Name), 8));
        EXPECT_TRUE(name[0] != '/' && name.rfind(".debug", 0) != 0)
            << "the program keeps the section " << name;
    }
}

// The accelerators of the program, as a read-me names them ("Ctrl+D", "Alt+F3").
std::vector<std::string> AcceleratorKeys(const std::wstring& program) {
    std::vector<std::string> keys;
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return keys;
    HACCEL table = LoadAcceleratorsW(module, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    std::vector<ACCEL> entries(table ? CopyAcceleratorTableW(table, nullptr, 0) : 0);
    if (table) CopyAcceleratorTableW(table, entries.data(), int(entries.size()));
    for (const ACCEL& entry : entries) {
        std::string key = (entry.fVirt & FCONTROL) ? "Ctrl+" : "";
        if (entry.fVirt & FALT) key += "Alt+";
        if (entry.fVirt & FSHIFT) key += "Shift+";
        if (entry.key >= VK_F1 && entry.key <= VK_F24) {
            key += "F" + std::to_string(entry.key - VK_F1 + 1);
        } else {
            key += char(entry.key);
        }
        keys.push_back(key);
    }
    if (table) DestroyAcceleratorTable(table);
    FreeLibrary(module);
    return keys;
}

TEST_F(PortableArchive, UnpackedIntoAFreshFolderTheReaderStartsFromItAndShowsTheBook) {
    const char* binary = std::getenv("ORVENDEL_BINARY_DIR");
    ASSERT_TRUE(binary && *binary) << "ORVENDEL_BINARY_DIR is not set";
    const std::string version = ProductVersion();
    const std::string archive = std::string(binary) + "/Orvendel-" + version + "-win64.zip";
    const std::string folder = "Orvendel-" + version;
    const std::string expectedFiles =
        "./" + folder + "/licence.txt\n./" + folder + "/orvendel.exe\n./" + folder + "/read-me.txt\n";

    // Unpacked as any unzip does, into a folder that was not there.
    const std::string unpacked = TestFilesDir("portable_archive") + "/unpacked";
    const LinuxCommandResult unzip = RunLinuxCommand("rm -rf " + ShellQuoted(unpacked) + " && unzip -q " +
                                                     ShellQuoted(archive) + " -d " + ShellQuoted(unpacked));
    ASSERT_TRUE(unzip.Succeeded()) << archive << ": " << unzip.Failure;
    ASSERT_EQ(FilesUnder(unpacked), expectedFiles);
    const std::string home = unpacked + "/" + folder;

    const std::string program = ReadWholeFile(WinePath(home + "/orvendel.exe"));
    ExpectStripped(program);

    const std::string readMe = ReadWholeFile(WinePath(home + "/read-me.txt"));
    EXPECT_NE(readMe.find("Orvendel " + version + "\r\n"), std::string::npos) << readMe;
    EXPECT_NE(readMe.find("needs no installation"), std::string::npos);
    EXPECT_NE(readMe.find("HKEY_CURRENT_USER\\Software\\Kestrane"), std::string::npos);
    const std::vector<std::string> keys = AcceleratorKeys(WinePath(home + "/orvendel.exe"));
    EXPECT_GE(keys.size(), 10u) << "the program's accelerators";
    for (const std::string& key : keys) {
        EXPECT_NE(readMe.find(key), std::string::npos) << "the read-me does not name " << key;
    }
    const std::string licence = ReadWholeFile(WinePath(home + "/licence.txt"));
    for (const char* words : {"Open Scriptures Hebrew Bible", "CC BY 4.0",
                              "https://creativecommons.org/licenses/by/4.0/",
                              "Westminster Leningrad Codex", "public domain"}) {
        EXPECT_NE(licence.find(words), std::string::npos) << "the licence lacks: " << words;
    }

    // Started from its folder as a user starts it there.
    ASSERT_FALSE(SettingExists(kValueLastPosition));
    ASSERT_TRUE(SetCurrentDirectoryW(WinePath(home).c_str()));
    _wputenv_s(L"ORVENDEL_EXE", WinePath(home + "/orvendel.exe").c_str());
    LaunchReader();
    const Capture capture = CaptureClientArea(Window());
    EXPECT_GE(FindInkRows(capture, ArticleViewRect(Window())).size(), 8u)
        << "the first article's title and verses";
    CloseReader();

    EXPECT_TRUE(SettingExists(kValueLastPosition)) << "the settings are kept in the registry";
    EXPECT_EQ(FilesUnder(unpacked), expectedFiles) << "nothing is written beside the program";
}

}  // namespace
