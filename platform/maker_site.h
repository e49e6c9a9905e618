// The maker's web site. The footer of every printed page, the About box's link
// and the update check all name this one host; the About box and the update
// check put the scheme and their path in front of and after it.
#pragma once
#include "resources/product_identity.h"

constexpr char16_t kMakerWebAddress[] = u"" MAKER_HOST;
