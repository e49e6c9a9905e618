// A stored device mode is offered to page setup only when it is whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "output/stored_device_mode.h"

namespace {

// A device mode of a printer named "PDF": 220 public bytes and extra private ones.
std::vector<uint8_t> DeviceMode(uint16_t publicSize, uint16_t privateSize, size_t total) {
    std::vector<uint8_t> bytes(total, 0);
    const char16_t name[] = u"PDF";
    for (size_t i = 0; i < 3; ++i) bytes[2 * i] = uint8_t(name[i]);
    bytes[kDeviceModeSizeOffset] = uint8_t(publicSize);
    bytes[kDeviceModeSizeOffset + 1] = uint8_t(publicSize >> 8);
    bytes[kDeviceModeExtraOffset] = uint8_t(privateSize);
    bytes[kDeviceModeExtraOffset + 1] = uint8_t(privateSize >> 8);
    return bytes;
}

TEST(StoredDeviceMode, AWholeBlockIsOffered) {
    std::vector<uint8_t> mode = DeviceMode(220, 100, 320);
    EXPECT_TRUE(IsWholeDeviceMode(mode.data(), mode.size()));
    mode = DeviceMode(220, 0, 400);
    EXPECT_TRUE(IsWholeDeviceMode(mode.data(), mode.size())) << "room to spare is harmless";
}

TEST(StoredDeviceMode, ATruncatedBlockIsNot) {
    std::vector<uint8_t> mode = DeviceMode(220, 100, 319);
    EXPECT_FALSE(IsWholeDeviceMode(mode.data(), mode.size())) << "the private part is cut";
    mode = DeviceMode(220, 0, 200);
    EXPECT_FALSE(IsWholeDeviceMode(mode.data(), mode.size())) << "the public part is cut";
    EXPECT_FALSE(IsWholeDeviceMode(mode.data(), 40));
    EXPECT_FALSE(IsWholeDeviceMode(nullptr, 0));
}

TEST(StoredDeviceMode, AStatedSizeBelowTheFieldsIsNot) {
    std::vector<uint8_t> mode = DeviceMode(60, 0, 220);
    EXPECT_FALSE(IsWholeDeviceMode(mode.data(), mode.size()));
}

TEST(StoredDeviceMode, ADeviceNameWithoutItsEndIsNot) {
    std::vector<uint8_t> mode = DeviceMode(220, 0, 220);
    for (size_t i = 0; i < kDeviceNameUnits; ++i) mode[2 * i] = 'P';
    EXPECT_FALSE(IsWholeDeviceMode(mode.data(), mode.size()));
}

}  // namespace
