#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravix {

// Controllers are numbered 0..127. The driver name is "ezusb-" + number, the
// display name the user sees is "Usb-" + number.
inline constexpr int kDeviceNumberCount = 128;

std::string DriverName(int number);
std::string DisplayName(int number);

// The number in a driver name, letter case ignored ("ezUsb-3" is 3); empty for
// anything else, the empty name included.
std::optional<int> DriverNameNumber(std::string_view driverName);

// The driver name a player sends to for a display name: "ez" + the name in
// lower case.
std::string DriverNameOfDisplayName(std::string_view displayName);

}  // namespace ravix
