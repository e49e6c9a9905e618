// The address Check For Updates opens: base, path, encoded product token and
// version, in a buffer of 200 units that is never overrun.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/product_version.h"
#include "dialogs/update_address.h"
#include "platform/maker_site.h"

namespace {

std::u16string Address(const char16_t* token, const char16_t* host = kMakerWebAddress) {
    char16_t address[kUpdateAddressSize];
    const int32_t length = BuildUpdateAddress(address, kUpdateAddressSize, host, token,
                                              kProductVersion);
    EXPECT_EQ(std::u16string(address).size(), size_t(length));
    return address;
}

TEST(UpdateAddress, RealTokenGoesIntoTheQueryUnchanged) {
    EXPECT_EQ(Address(kProductToken),
              u"http://www.kestrane.example/cgi-bin/upgrade?p=windows/Kestrane/Orvendel&v=1.84a");
}

TEST(UpdateAddress, SpaceBecomesAPlus) {
    EXPECT_EQ(Address(u"Kestrane/Orvendel Reader"),
              u"http://www.kestrane.example/cgi-bin/upgrade?p=windows/Kestrane/"
              u"Orvendel+Reader&v=1.84a");
}

TEST(UpdateAddress, HyphenAndOtherPunctuationArePercentEncodedInUppercaseHex) {
    EXPECT_EQ(Address(u"Kestrane/Orv-endel"),
              u"http://www.kestrane.example/cgi-bin/upgrade?p=windows/Kestrane/Orv%2Dendel&v=1.84a");
    EXPECT_EQ(Address(u"a&b=c?"),
              u"http://www.kestrane.example/cgi-bin/upgrade?p=windows/a%26b%3Dc%3F&v=1.84a");
    EXPECT_EQ(Address(u"\n"),
              u"http://www.kestrane.example/cgi-bin/upgrade?p=windows/%0A&v=1.84a");
}

TEST(UpdateAddress, DotsSlashesDigitsAndLettersStay) {
    EXPECT_EQ(Address(u"K.2/z9Z", u"h"), u"http://h/cgi-bin/upgrade?p=windows/K.2/z9Z&v=1.84a");
}

TEST(UpdateAddress, UnitAboveFFGivesThreeOrFourHexDigits) {
    EXPECT_EQ(Address(u"\u05D0", u"h"), u"http://h/cgi-bin/upgrade?p=windows/%5D0&v=1.84a");
    EXPECT_EQ(Address(u"\u20AC", u"h"), u"http://h/cgi-bin/upgrade?p=windows/%20AC&v=1.84a");
    EXPECT_EQ(Address(u"\u00E9", u"h"), u"http://h/cgi-bin/upgrade?p=windows/%E9&v=1.84a");
}

TEST(UpdateAddress, AlwaysEndsWithTheVersion) {
    const std::u16string address = Address(u"x y-z");
    const std::u16string end = u"&v=1.84a";
    ASSERT_GE(address.size(), end.size());
    EXPECT_EQ(address.substr(address.size() - end.size()), end);
}

TEST(UpdateAddress, AddressThatDoesNotFitIsNotMadeAndNothingPastTheBufferIsWritten) {
    // 40 letters above 0xFFF take 200 units encoded.
    std::u16string longToken(40, u'\u05D0');
    char16_t buffer[kUpdateAddressSize + 8];
    for (char16_t& unit : buffer) unit = u'#';
    EXPECT_EQ(BuildUpdateAddress(buffer, kUpdateAddressSize, kMakerWebAddress, longToken.c_str(),
                                 kProductVersion),
              0);
    EXPECT_EQ(buffer[0], 0);
    for (int i = kUpdateAddressSize; i < kUpdateAddressSize + 8; ++i) EXPECT_EQ(buffer[i], u'#');
}

TEST(UpdateAddress, AddressOfExactlyTheRoomFits) {
    // "http://" 7 + host 1 + path 27 + "&v=" 3 + version 5 = 43 units; the
    // token fills the rest but the 0.
    const std::u16string host = u"h";
    std::u16string token(kUpdateAddressSize - 1 - 43, u'a');
    char16_t buffer[kUpdateAddressSize];
    EXPECT_EQ(BuildUpdateAddress(buffer, kUpdateAddressSize, host.c_str(), token.c_str(),
                                 kProductVersion),
              kUpdateAddressSize - 1);
    token += u'a';
    EXPECT_EQ(BuildUpdateAddress(buffer, kUpdateAddressSize, host.c_str(), token.c_str(),
                                 kProductVersion),
              0);
}

TEST(UpdateAddress, SiteAddressIsTheHostAsAWebAddress) {
    char16_t address[kUpdateAddressSize];
    EXPECT_EQ(BuildSiteAddress(address, kUpdateAddressSize, kMakerWebAddress), 27);
    EXPECT_EQ(std::u16string(address), u"http://www.kestrane.example");
    EXPECT_EQ(BuildSiteAddress(address, 10, kMakerWebAddress), 0) << "too long for the buffer";
    EXPECT_EQ(address[0], 0);
}

}  // namespace
