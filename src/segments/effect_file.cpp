#include "segments/effect_file.hpp"

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "segments/effect_list.hpp"

namespace ravix {

std::vector<std::string> EffectFileToLines(std::string_view name,
                                           std::span<const EffectStep> steps) {
  std::vector<std::string> lines;
  lines.reserve(1 + steps.size());
  std::string& first = lines.emplace_back(kEffectNameMarker);
  first += name;
  first += kEffectFileExtension;
  lines.insert(lines.end(), steps.begin(), steps.end());
  return lines;
}

Status EffectFileWrite(const Workspace& workspace, std::string_view name,
                       std::span<const EffectStep> steps) {
  const auto path = workspace.File(kEffectFolder, std::string(name) + kEffectFileExtension);
  return WriteFileAtomically(path, JoinLinesCrLf(EffectFileToLines(name, steps)));
}

std::vector<EffectStep> EffectFileFromLines(std::span<const std::string> lines) {
  if (lines.empty())
    return {};
  return {lines.begin() + 1, lines.end()};
}

Status EffectFileRead(const std::filesystem::path& path, std::vector<EffectStep>& steps) {
  steps.clear();
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  steps = EffectFileFromLines(SplitLines(*bytes));
  return {};
}

}  // namespace ravix
