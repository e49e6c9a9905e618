// The version of the program, as the About box shows it and the update check
// reports it. The About box's template (resources/orvendel.rc) spells out
// "Version 1.84a"; the About box test holds the two together.
#pragma once

constexpr char16_t kProductVersion[] = u"1.84a";
