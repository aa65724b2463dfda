#include "segments/segment_file.hpp"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/point_line.hpp"

namespace ravix {
namespace {

constexpr char kItemFieldEnd = '|';

struct ItemFields {
  std::string_view drawingKey;
  std::string_view time;
  std::string_view effectName;
  std::string_view colour;
};

// Field k is the text before the k-th "|", or the rest when none is left.
std::string_view TakeItemField(std::string_view& rest) {
  const std::size_t bar = rest.find(kItemFieldEnd);
  const std::string_view field = rest.substr(0, bar);
  rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  return field;
}

ItemFields SplitItemLine(std::string_view line) {
  ItemFields fields;
  fields.drawingKey = TakeItemField(line);
  fields.time = TakeItemField(line);
  fields.effectName = TakeItemField(line);
  fields.colour = TakeItemField(line);
  return fields;
}

// An empty field counts 0.
Status ConvertItemNumber(std::string_view text, std::int32_t& value) {
  if (text.empty()) {
    value = 0;
    return {};
  }
  const auto number = ParseDecimalInt(text);
  if (!number)
    return Status::Failure(InvalidIntegerMessage(text));
  value = *number;
  return {};
}

// The item lines: from the second line up to the first "[DrawingList]" line;
// none when there is no such line.
std::span<const std::string> ItemLines(std::span<const std::string> lines) {
  const auto drawingList = FindLineIgnoringCase(lines, kDrawingListHeader);
  if (!drawingList || *drawingList < 1)
    return {};
  return lines.subspan(1, *drawingList - 1);
}

// Finds the first line equal to "DrawingName=" + key, letter case ignored,
// through an index of every such line built once.
class DrawingNameIndex {
 public:
  explicit DrawingNameIndex(std::span<const std::string> lines) {
    const std::string_view prefix = kDrawingNamePrefix;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string_view line = lines[i];
      if (line.size() >= prefix.size() &&
          EqualsIgnoringCase(line.substr(0, prefix.size()), prefix)) {
        firstLine_.try_emplace(AsciiLowerCase(line.substr(prefix.size())), i);
      }
    }
  }

  std::optional<std::size_t> Find(std::string_view key) const {
    const auto it = firstLine_.find(AsciiLowerCase(key));
    if (it == firstLine_.end())
      return std::nullopt;
    return it->second;
  }

 private:
  std::unordered_map<std::string, std::size_t> firstLine_;
};

}  // namespace

std::vector<std::string> SegmentFileToLines(std::span<const SegmentItemCells> items,
                                            std::span<const std::string> drawingLines,
                                            const EffectList& effects) {
  std::vector<std::string> lines;
  lines.emplace_back(kSectionContentHeader);
  for (const SegmentItemCells& item : items) {
    lines.push_back(item.drawingKey + kItemFieldEnd + item.time + kItemFieldEnd + item.effectName +
                    kItemFieldEnd + item.colour + kItemFieldEnd);
  }
  lines.emplace_back(kDrawingListHeader);
  std::size_t drawings = drawingLines.size();
  while (drawings > 0 && drawingLines[drawings - 1].empty())
    --drawings;
  for (std::size_t n = 0; n < drawings; ++n) {
    lines.push_back(kDrawingNamePrefix + std::to_string(n));
    lines.push_back(drawingLines[n]);
  }
  const std::vector<std::string> block = EffectListWrite(effects);
  lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

Status SegmentFileWrite(const std::filesystem::path& path, std::span<const SegmentItemCells> items,
                        std::span<const std::string> drawingLines, const EffectList& effects) {
  return WriteFileAtomically(path, JoinLinesCrLf(SegmentFileToLines(items, drawingLines, effects)));
}

Status SegmentFileFromLines(std::span<const std::string> lines, std::vector<TSectionRecord>& rows) {
  rows.clear();
  const std::span<const std::string> itemLines = ItemLines(lines);
  if (itemLines.empty())
    return {};
  const DrawingNameIndex drawingNames(lines);
  for (const std::string& line : itemLines) {
    const ItemFields fields = SplitItemLine(line);
    TSectionRecord record;
    record.drawingKey = fields.drawingKey;
    if (Status status = ConvertItemNumber(fields.time, record.time); !status)
      return status;
    record.effectName = fields.effectName;
    if (Status status = ConvertItemNumber(fields.colour, record.colour); !status)
      return status;
    const auto nameLine = drawingNames.Find(record.drawingKey);
    if (nameLine && *nameLine + 1 < lines.size()) {
      if (Status status = ParsePointLine(lines[*nameLine + 1], record.objects); !status) {
        return status;
      }
    }
    rows.push_back(std::move(record));
  }
  return {};
}

Status SegmentFileRead(const std::filesystem::path& path, std::vector<TSectionRecord>& rows) {
  rows.clear();
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  return SegmentFileFromLines(SplitLines(*bytes), rows);
}

Status SegmentDurationFromLines(std::span<const std::string> lines, std::int32_t& duration) {
  duration = 0;
  std::int64_t total = 0;
  for (const std::string& line : ItemLines(lines)) {
    std::int32_t time = 0;
    if (Status status = ConvertItemNumber(SplitItemLine(line).time, time); !status)
      return status;
    total += time;
  }
  duration = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      total, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
  return {};
}

Status SegmentDuration(const std::filesystem::path& path, std::int32_t& duration) {
  duration = 0;
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  return SegmentDurationFromLines(SplitLines(*bytes), duration);
}

}  // namespace ravix
