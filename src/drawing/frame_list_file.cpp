#include "drawing/frame_list_file.hpp"

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/point_line.hpp"

namespace ravix {

std::vector<std::string> FrameListToLines(const FrameList& frames) {
  std::vector<std::string> lines;
  lines.reserve(1 + 2 * frames.size());
  lines.emplace_back(kDrawingListHeader);
  for (std::size_t k = 0; k < frames.size(); ++k) {
    lines.push_back(kDrawingNamePrefix + std::to_string(k));
    lines.push_back(EncodePointLine(frames[k]));
  }
  return lines;
}

Status FrameListWrite(const std::filesystem::path& path, const FrameList& frames) {
  return WriteFileAtomically(path, JoinLinesCrLf(FrameListToLines(frames)));
}

Status FrameListFromLines(std::span<const std::string> lines, FrameList& frames) {
  frames.clear();
  // Frame k: name line at index 2k + 1, point line at index 2k + 2.
  for (std::size_t nameLine = 1; nameLine < lines.size(); nameLine += 2) {
    if (nameLine + 1 == lines.size()) {
      return Status::Failure("line " + std::to_string(nameLine + 1) + " '" + lines[nameLine] +
                             "' has no point line after it");
    }
    if (Status status = ParsePointLine(lines[nameLine + 1], frames.emplace_back()); !status) {
      return status;
    }
  }
  return {};
}

Status FrameListRead(const std::filesystem::path& path, FrameList& frames) {
  frames.clear();
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  return FrameListFromLines(SplitLines(*bytes), frames);
}

}  // namespace ravix
