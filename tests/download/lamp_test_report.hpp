#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "download/lamp_download.hpp"

namespace ravix::testing {

// Message list entries as they are, message boxes prefixed "[box] ".
class RecordedReport final : public LampDownloadReport {
 public:
  void AddMessage(std::string_view text) override { lines.emplace_back(text); }
  void ShowMessageBox(std::string_view text) override {
    lines.push_back("[box] " + std::string(text));
  }
  std::vector<std::string> lines;
};

inline std::string Box(const char* text) {
  return std::string("[box] ") + text;
}

// An 8-byte lamp command or reply with the given code.
inline std::vector<std::uint8_t> Command(std::uint8_t code) {
  return {code, 0, 0, 0, 0, 0, 0, 0};
}

}  // namespace ravix::testing
