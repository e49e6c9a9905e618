// The version of the program, as the About box shows it and the update check
// reports it.
#pragma once
#include "resources/product_identity.h"

constexpr char16_t kProductVersion[] = u"" PRODUCT_VERSION;
