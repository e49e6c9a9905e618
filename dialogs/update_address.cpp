#include "dialogs/update_address.h"

namespace {

bool StaysAsItIs(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'a' && unit <= u'z') || unit == u'.' || unit == u'/';
}

// Appends text at *length; false when it does not fit with room for the 0.
bool Append(char16_t* address, int32_t capacity, int32_t* length, const char16_t* text) {
    for (; *text; ++text) {
        if (*length + 1 >= capacity) return false;
        address[(*length)++] = *text;
    }
    return true;
}

// The token as it goes into the query: a space becomes "+"; digits, A to Z,
// a to z, "." and "/" stay; every other unit becomes "%" and its value in
// uppercase hexadecimal, at least two digits. Writes at most capacity units
// (no terminating 0) and returns how many it needed; more than capacity means
// it did not fit.
int32_t EncodeProductToken(const char16_t* token, char16_t* out, int32_t capacity) {
    static const char16_t kHexDigits[] = u"0123456789ABCDEF";
    int32_t needed = 0;
    auto put = [&](char16_t unit) {
        if (needed < capacity) out[needed] = unit;
        ++needed;
    };
    for (; *token; ++token) {
        const char16_t unit = *token;
        if (unit == u' ') {
            put(u'+');
        } else if (StaysAsItIs(unit)) {
            put(unit);
        } else {
            put(u'%');
            // As "%.2X": two digits at least, as many as the value needs.
            int digits = unit > 0xFFF ? 4 : unit > 0xFF ? 3 : 2;
            for (int d = digits - 1; d >= 0; --d) put(kHexDigits[(unit >> (4 * d)) & 0xF]);
        }
    }
    return needed;
}

}  // namespace

int32_t BuildSiteAddress(char16_t* address, int32_t capacity, const char16_t* host) {
    if (capacity <= 0) return 0;
    int32_t length = 0;
    if (!Append(address, capacity, &length, kWebScheme) || !Append(address, capacity, &length, host))
        length = 0;
    address[length] = 0;
    return length;
}

int32_t BuildUpdateAddress(char16_t* address, int32_t capacity, const char16_t* host,
                           const char16_t* token, const char16_t* version) {
    if (capacity <= 0) return 0;
    int32_t length = BuildSiteAddress(address, capacity, host);
    bool fits = length > 0 && Append(address, capacity, &length, kUpdatePath);
    if (fits) {
        const int32_t room = capacity - 1 - length;
        const int32_t encoded = EncodeProductToken(token, address + length, room);
        fits = encoded <= room;
        if (fits) length += encoded;
    }
    fits = fits && Append(address, capacity, &length, kVersionKey) &&
           Append(address, capacity, &length, version);
    if (!fits) length = 0;
    address[length] = 0;
    return length;
}
