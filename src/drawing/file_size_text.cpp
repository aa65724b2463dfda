#include "drawing/file_size_text.hpp"

namespace ravix {
namespace {

constexpr std::uintmax_t kKilobyte = 1024;
constexpr std::uintmax_t kMegabyte = 1024 * 1024;
constexpr std::uintmax_t kFirstMegabyteSize = 1049600;

// bytes / unit cut to two decimals.
std::string CutToTwoDecimals(std::uintmax_t bytes, std::uintmax_t unit) {
  const std::uintmax_t hundredths = bytes / unit * 100 + bytes % unit * 100 / unit;
  std::string text = std::to_string(hundredths / 100);
  const std::uintmax_t fraction = hundredths % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0)
      text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace

std::string FileSizeText(std::uintmax_t bytes) {
  if (bytes < kKilobyte)
    return std::to_string(bytes) + " Byte";
  if (bytes < kFirstMegabyteSize)
    return CutToTwoDecimals(bytes, kKilobyte) + " KB";
  return CutToTwoDecimals(bytes, kMegabyte) + " MB";
}

std::string FileSizeHint(std::uintmax_t bytes) {
  return FileSizeText(bytes) + "(" + std::to_string(bytes) + " Byte)";
}

}  // namespace ravix
