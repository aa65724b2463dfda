#include "download/serial_port_list.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <system_error>
#include <tuple>

namespace ravix {
namespace {

constexpr std::array<std::string_view, 3> kFamilies = {"ttyUSB", "ttyACM", "ttyS"};

struct Found {
  std::size_t family = 0;
  unsigned long number = 0;
  std::string name;
};

// The family and number of "ttyUSB3" and the like; false for other names.
bool Classify(const std::string& name, Found& found) {
  for (std::size_t f = 0; f < kFamilies.size(); ++f) {
    const std::string_view prefix = kFamilies[f];
    if (!name.starts_with(prefix) || name.size() == prefix.size())
      continue;
    const std::string_view digits = std::string_view(name).substr(prefix.size());
    unsigned long number = 0;
    const auto [end, problem] =
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (problem != std::errc() || end != digits.data() + digits.size())
      return false;
    found = Found{f, number, name};
    return true;
  }
  return false;
}

}  // namespace

std::vector<SerialPortChoice> FindLampPorts(const std::filesystem::path& ttyClass,
                                            const std::filesystem::path& devFolder) {
  std::vector<Found> found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(ttyClass, error), end; !error && it != end;
       it.increment(error)) {
    Found entry;
    std::error_code linkError;
    if (Classify(it->path().filename().string(), entry) &&
        std::filesystem::exists(it->path() / "device", linkError)) {
      found.push_back(entry);
    }
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return std::tie(a.family, a.number) < std::tie(b.family, b.number);
  });
  std::vector<SerialPortChoice> ports;
  for (std::size_t i = 0; i < found.size() && i < kLampPortCount; ++i)
    ports.push_back(SerialPortChoice{"Com" + std::to_string(i + 1), devFolder / found[i].name});
  return ports;
}

}  // namespace ravix
