#include "segments/effect_list.hpp"

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"

namespace ravix {

const Effect* EffectList::Find(std::string_view name) const {
  for (const Effect& effect : effects) {
    if (EqualsIgnoringCase(effect.name, name))
      return &effect;
  }
  return nullptr;
}

EffectList EffectListRead(std::span<const std::string> lines) {
  const auto header = FindLineIgnoringCase(lines, kEffectListHeader);
  const std::size_t markerLength = std::string_view(kEffectNameMarker).size();
  EffectList list;
  for (std::size_t i = header ? *header + 1 : 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.find(kEffectNameMarker) != std::string::npos) {
      list.effects.push_back(Effect{line.substr(markerLength), {}});
    } else if (!list.effects.empty()) {
      list.effects.back().steps.push_back(line);
    }
  }
  return list;
}

std::vector<std::string> EffectListWrite(const EffectList& list) {
  std::vector<std::string> lines;
  lines.emplace_back(kEffectListHeader);
  for (const Effect& effect : list.effects) {
    lines.push_back(kEffectNameMarker + effect.name);
    lines.insert(lines.end(), effect.steps.begin(), effect.steps.end());
  }
  return lines;
}

Status EffectListFileRead(const std::filesystem::path& path, EffectList& list) {
  list.effects.clear();
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  list = EffectListRead(SplitLines(*bytes));
  return {};
}

Status EffectListFileWrite(const std::filesystem::path& path, const EffectList& list) {
  return WriteFileAtomically(path, JoinLinesCrLf(EffectListWrite(list)));
}

}  // namespace ravix
