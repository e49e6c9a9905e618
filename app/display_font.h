// The font the article is drawn in: the fallback while no font has been
// chosen, and the font choice on the very first run (no face name stored).
#pragma once
#include <windows.h>

#include "view/article_view.h"

// A face with Hebrew letters that the program's setup installs. The view asks
// for character set 0, and faces that declare only the Hebrew code page are
// passed over for that, so the face must cover both. Used only for drawing:
// AppSettings keeps the empty face name until the user picks one, so the
// first-run font choice still comes and nothing unchosen is stored.
constexpr char16_t kFallbackFaceName[] = u"DejaVu Sans";
// Its size in points. With no size the normal text would take the font
// mapper's small default while the subtitle's small size becomes 14 points,
// larger than the title above it.
constexpr int32_t kFallbackFontSize = 14;

// fontSpec as the view should draw it: unchanged when it names a face, else
// with the fallback face, and the fallback size when it has none.
FontSpec DisplayFontSpec(const FontSpec& fontSpec);

// Shows the Choose Font dialog over the new main window and hands the result
// to the view whatever the answer. The dialog comes with the font subsystem;
// until then the article opens in the fallback face and nothing is asked.
void ChooseFirstRunFont(HWND window);
