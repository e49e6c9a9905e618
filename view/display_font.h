// The font the book is drawn in while no font has been chosen, or when the
// chosen face cannot draw the letters.
#pragma once
#include "view/article_view.h"

// A face with Hebrew letters that the program's setup installs. Used only for
// drawing: AppSettings keeps the empty face name until the user picks one, so
// the first-run font choice still comes and nothing unchosen is stored; and a
// chosen face that lacks the letters stays chosen while this one draws them.
constexpr char16_t kFallbackFaceName[] = u"DejaVu Sans";
// Its size in points. With no size the normal text would take the font
// mapper's small default while the subtitle's small size becomes 14 points,
// larger than the title above it.
constexpr int32_t kFallbackFontSize = 14;

// fontSpec as the view should draw it: unchanged when it names a face, else
// with the fallback face, and the fallback size when it has none.
FontSpec DisplayFontSpec(const FontSpec& fontSpec);
