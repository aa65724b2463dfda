#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/byte_file.hpp"
#include "core/settings_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "ravix-fuzz-XXXXXX").string();
    return std::filesystem::path(::mkdtemp(pattern.data()));
  }();
  const auto path = folder / "Ravix.ini";
  if (!ravix::WriteFileAtomically(path, {data, size})) return 0;
  ravix::SettingsFile settings;
  settings.LoadSettings(path);
  for (const auto& line : ravix::SettingsValueLines()) settings.SettingsValue(line.index);
  settings.SetSettingsValue(ravix::kSettingScanRateCode, 100);
  settings.SaveSettings(path);
  ravix::SettingsFile again;
  again.LoadSettings(path);
  if (again.SettingsValue(ravix::kSettingScanRateCode) != 100) __builtin_trap();
  return 0;
}
