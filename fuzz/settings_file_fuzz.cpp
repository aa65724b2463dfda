#include <cstddef>
#include <cstdint>

#include "core/settings_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravix::SettingsFile settings;
  settings.ParseSettings({data, size});
  for (const auto& line : ravix::SettingsValueLines())
    settings.SettingsValue(line.index);
  settings.SetSettingsValue(ravix::kSettingScanRateCode, 100);
  ravix::SettingsFile again;
  again.ParseSettings(settings.EncodeSettings());
  // A saved file always reads back complete, with what was set.
  if (again.Lines().size() < ravix::kSettingsLineCount)
    __builtin_trap();
  if (again.SettingsValue(ravix::kSettingScanRateCode) != 100)
    __builtin_trap();
  return 0;
}
