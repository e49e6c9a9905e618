// The printer's device mode as the settings store keeps it: the block the page
// setup dialog returned, all its bytes. The stored bytes are read back before
// they are offered to the dialog, so a damaged value is never handed on.
#pragma once
#include <cstddef>
#include <cstdint>

// Where the fields the check reads lie in a device mode (DEVMODEW).
constexpr size_t kDeviceNameUnits = 32;        // dmDeviceName, UTF-16
constexpr size_t kDeviceModeSizeOffset = 68;   // dmSize, 16-bit
constexpr size_t kDeviceModeExtraOffset = 70;  // dmDriverExtra, 16-bit
constexpr size_t kDeviceModeFieldsEnd = 76;    // past dmFields: the least a device mode holds

// True when the bytes hold a whole device mode: its public part (dmSize bytes,
// at least up to dmFields) and its driver's private part (dmDriverExtra
// bytes) both lie inside size, and the device name ends within its field.
bool IsWholeDeviceMode(const uint8_t* bytes, size_t size);
