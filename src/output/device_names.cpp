#include "output/device_names.hpp"

#include <algorithm>
#include <cctype>

namespace ravix {
namespace {

constexpr std::string_view kDriverPrefix = "ezusb-";

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

std::string DriverName(int number) {
  return std::string(kDriverPrefix) + std::to_string(number);
}

std::string DisplayName(int number) {
  return "Usb-" + std::to_string(number);
}

std::optional<int> DriverNameNumber(std::string_view name) {
  if (name.size() <= kDriverPrefix.size() || name.size() > kDriverPrefix.size() + 3) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kDriverPrefix.size(); ++i) {
    if (Lower(name[i]) != kDriverPrefix[i])
      return std::nullopt;
  }
  const std::string_view digits = name.substr(kDriverPrefix.size());
  if (digits.size() > 1 && digits[0] == '0')
    return std::nullopt;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9')
      return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number >= kDeviceNumberCount)
    return std::nullopt;
  return number;
}

std::string DriverNameOfDisplayName(std::string_view displayName) {
  std::string name = "ez";
  std::transform(displayName.begin(), displayName.end(), std::back_inserter(name), Lower);
  return name;
}

}  // namespace ravix
