#include "tests/win32/support/printed_pdf.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/linux_command.h"

std::string PdfDirectory() {
    const char* state = std::getenv("ORVENDEL_CUPS_STATE");
    if (!state || !*state) return {};
    std::string directory = ReadWholeFile(WinePath(std::string(state) + "/pdf-directory"));
    while (!directory.empty() && (directory.back() == '\n' || directory.back() == '\r'))
        directory.pop_back();
    return directory;
}

std::string LongNamePrinter() {
    const char* state = std::getenv("ORVENDEL_CUPS_STATE");
    if (!state || !*state) return {};
    std::string name = ReadWholeFile(WinePath(std::string(state) + "/long-name-printer"));
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    return name;
}

std::string QueueThatPrinted(const std::string& pdf) {
    // The queues name every PDF after its job: job_<number>-<title>.pdf.
    const std::string name = pdf.substr(pdf.rfind('/') + 1);
    if (name.rfind("job_", 0) != 0) return {};
    const std::string job = name.substr(4, name.find('-') - 4);
    const LinuxCommandResult result = RunLinuxCommand("lpstat -W completed -o");
    if (!result.Succeeded()) return {};
    std::istringstream lines(result.Output);
    std::string line;
    const std::string end = "-" + job + " ";
    while (std::getline(lines, line)) {
        const size_t at = line.find(end);
        if (at != std::string::npos && line.find(' ') == at + end.size() - 1) return line.substr(0, at);
    }
    return {};
}

std::set<std::string> PdfFiles() {
    std::set<std::string> names;
    const std::string directory = PdfDirectory();
    if (directory.empty()) return names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((WinePath(directory) + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name;
        for (const wchar_t* c = found.cFileName; *c; ++c) name += char(*c);
        names.insert(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string WaitForNewPdf(const std::set<std::string>& before, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        for (const std::string& name : PdfFiles()) {
            if (before.count(name)) continue;
            const std::string path = PdfDirectory() + "/" + name;
            // cups-pdf writes the file as the job runs: it is done once
            // poppler reads it whole.
            if (ReadPdfInfo(path).Pages > 0) return path;
        }
        Sleep(200);
    } while (GetTickCount() - start < timeoutMs);
    return {};
}

PdfInfo ReadPdfInfo(const std::string& pdf) {
    PdfInfo info;
    const LinuxCommandResult result = RunLinuxCommand("pdfinfo " + ShellQuoted(pdf));
    if (!result.Succeeded()) {
        info.Failure = result.Failure;
        return info;
    }
    std::istringstream lines(result.Output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Pages:", 0) == 0) info.Pages = std::atoi(line.c_str() + 6);
        if (line.rfind("Title:", 0) == 0) {
            size_t value = line.find_first_not_of(' ', 6);
            info.Title = value == std::string::npos ? "" : line.substr(value);
        }
        if (line.rfind("Page size:", 0) == 0)
            std::sscanf(line.c_str() + 10, " %lf x %lf", &info.PageWidth, &info.PageHeight);
    }
    return info;
}

namespace {
std::u16string ExtractText(const std::string& pdf, int page, const std::string& mode,
                           std::string* failure) {
    const std::string p = std::to_string(page);
    const LinuxCommandResult result = RunLinuxCommand("pdftotext " + mode + "-enc UTF-8 -f " + p +
                                                      " -l " + p + " " + ShellQuoted(pdf) + " -");
    if (!result.Succeeded()) {
        *failure = "pdftotext failed: " + result.Failure;
        return {};
    }
    return FromUtf8(result.Output);
}
}  // namespace

std::u16string PdfPageText(const std::string& pdf, int page, std::string* failure) {
    return ExtractText(pdf, page, "", failure);
}

std::u16string PdfLayoutText(const std::string& pdf, int page, std::string* failure) {
    return ExtractText(pdf, page, "-layout ", failure);
}

std::u16string RecognisePdfPage(const std::string& pdf, int page, std::string* failure) {
    if (GetFileAttributesW(L"Z:\\usr\\bin\\tesseract") == INVALID_FILE_ATTRIBUTES) {
        *failure = "tesseract is not installed (tools/setup.sh installs tesseract-ocr-heb)";
        return {};
    }
    const std::string p = std::to_string(page);
    const std::string image = ScratchPath("page-" + std::to_string(GetCurrentProcessId()));
    const LinuxCommandResult result = RunLinuxCommand(
        "pdftoppm -r 200 -gray -png -singlefile -f " + p + " -l " + p + " " + ShellQuoted(pdf) + " " +
            ShellQuoted(image) + " && tesseract " + ShellQuoted(image + ".png") + " - -l heb; s=$?; rm -f " +
            ShellQuoted(image + ".png") + "; exit $s",
        120000);
    if (!result.Succeeded()) {
        *failure = "rendering or recognition failed: " + result.Failure;
        return {};
    }
    return FromUtf8(result.Output);
}
