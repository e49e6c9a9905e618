// The faces Wine draws window frames and dialogs with are there: a font asked
// for by one of these names comes back as that face, not as a substitute.
// Without them the caption buttons read as letters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The face GDI gives for a font asked for by name.
std::wstring ResolvedFace(const wchar_t* faceName) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, faceName);
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    return face;
}

TEST(FrameFonts, CaptionButtonsFaceResolvesToItself) {
    EXPECT_EQ(ResolvedFace(L"Marlett"), L"Marlett");
}

TEST(FrameFonts, DialogFacesResolveToThemselves) {
    EXPECT_EQ(ResolvedFace(L"Tahoma"), L"Tahoma");
    EXPECT_EQ(ResolvedFace(L"MS Sans Serif"), L"MS Sans Serif");
}

}  // namespace
