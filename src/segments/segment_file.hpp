#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/section_record.hpp"
#include "core/status.hpp"
#include "segments/effect_list.hpp"

namespace ravix {

inline constexpr const char* kSectionContentHeader = "[SectionContent]";

// One row of the segment editor's grid, cells as typed; written unchanged.
struct SegmentItemCells {
  std::string drawingKey;
  std::string time;
  std::string effectName;
  std::string colour;
};

// "[SectionContent]", one line per item (four fields, each followed by "|"),
// "[DrawingList]" with "DrawingName=n" and point line n for every drawing up to
// the last non-empty one, then the effect list block.
std::vector<std::string> SegmentFileToLines(std::span<const SegmentItemCells> items,
                                            std::span<const std::string> drawingLines,
                                            const EffectList& effects);

Status SegmentFileWrite(const std::filesystem::path& path, std::span<const SegmentItemCells> items,
                        std::span<const std::string> drawingLines, const EffectList& effects);

// Replaces `rows` with one record per item line (the lines after the first up
// to "[DrawingList]"), each with its own copy of its drawing. A time or colour
// that is not a decimal number, or a malformed point line, stops the read with
// the conversion error; the records before that item are kept.
Status SegmentFileFromLines(std::span<const std::string> lines, std::vector<TSectionRecord>& rows);

// Reads the file by SegmentFileFromLines; a file that cannot be read leaves
// `rows` empty and is reported.
Status SegmentFileRead(const std::filesystem::path& path, std::vector<TSectionRecord>& rows);

// The sum of the items' times (an empty time counts 0), held within 32 bits.
// Fails with the conversion error as the reader does.
Status SegmentDurationFromLines(std::span<const std::string> lines, std::int32_t& duration);
Status SegmentDuration(const std::filesystem::path& path, std::int32_t& duration);

}  // namespace ravix
