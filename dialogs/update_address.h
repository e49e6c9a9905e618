// The web address Check For Updates opens: the maker's server, the platform,
// the product token and the version.
#pragma once
#include <cstdint>

constexpr int32_t kUpdateAddressSize = 200;   // UTF-16 units, the terminating 0 included
// What makes the maker's host (platform/maker_site.h) a web address.
constexpr char16_t kWebScheme[] = u"http://";
constexpr char16_t kUpdatePath[] = u"/cgi-bin/upgrade?p=windows/";
constexpr char16_t kVersionKey[] = u"&v=";
// Maker, "/", product title.
constexpr char16_t kProductToken[] = u"Kestrane/Orvendel";

// Writes kWebScheme, the host, kUpdatePath, the encoded token, kVersionKey
// and the version into address (capacity units) and returns the address's
// length. An address that does not fit whole is not made: the result is 0
// and address is empty (when it has room for that).
int32_t BuildUpdateAddress(char16_t* address, int32_t capacity, const char16_t* host,
                           const char16_t* token, const char16_t* version);
// The site's own address, kWebScheme and the host, made as above.
int32_t BuildSiteAddress(char16_t* address, int32_t capacity, const char16_t* host);
