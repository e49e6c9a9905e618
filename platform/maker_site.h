// The maker's web site: the About box's link and the printed footer name it,
// and the update check asks its server.
#pragma once

constexpr char16_t kMakerSiteAddress[] = u"http://www.kestrane.example";
