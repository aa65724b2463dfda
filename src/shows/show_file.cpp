#include "shows/show_file.hpp"

#include <cstddef>
#include <optional>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/frame_list_file.hpp"
#include "segments/segment_file.hpp"

namespace ravix {
namespace {

constexpr char kItemSeparator = '|';
constexpr const char* kSegmentExtension = ".sec";
constexpr const char* kFrameListExtension = ".ilf";

// Header line index, or -1 when absent.
std::ptrdiff_t HeaderIndex(std::span<const std::string> lines, std::string_view header) {
  const auto index = FindLineIgnoringCase(lines, header);
  return index ? static_cast<std::ptrdiff_t>(*index) : -1;
}

// Blanks and control characters count as blank.
bool IsBlank(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > ' ')
      return false;
  }
  return true;
}

// The extension from the last "." of the name's last part, "" when none.
std::string_view StoredExtension(std::string_view name) {
  const std::size_t dot = name.find_last_of(".\\/:");
  if (dot == std::string_view::npos || name[dot] != '.')
    return {};
  return name.substr(dot);
}

Status LoadItemContent(const Workspace& workspace, TSequenceRecord& record) {
  const std::string_view extension = StoredExtension(record.itemFile);
  const bool segment = extension == kSegmentExtension;
  if (!segment && extension != kFrameListExtension)
    return {};
  const auto path = workspace.File(segment ? kSectionFolder : kFramesFolder, record.itemFile);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    return {};
  return segment ? SegmentFileRead(path, record.segmentRows) : FrameListRead(path, record.frames);
}

// Reads one item line; `loadFrom` selects the player's rules.
Status ReadItem(std::string_view line, const Workspace* loadFrom, TSequenceRecord& record) {
  const std::size_t bar = line.find(kItemSeparator);
  record.itemFile =
      bar == std::string_view::npos ? std::string() : std::string(line.substr(0, bar));
  std::string rest(bar == std::string_view::npos ? line : line.substr(bar + 1));
  if (loadFrom) {
    if (const std::size_t second = rest.find(kItemSeparator); second != std::string::npos) {
      rest.erase(second, 1);
    }
  }
  if (IsBlank(rest)) {
    record.duration = 0;
  } else {
    const auto duration = ParseDecimalInt(rest);
    if (!duration)
      return Status::Failure(InvalidIntegerMessage(rest));
    record.duration = *duration;
  }
  return loadFrom ? LoadItemContent(*loadFrom, record) : Status();
}

Status ReadShowLines(std::span<const std::string> lines, const Workspace* loadFrom,
                     TSequence& show) {
  show = TSequence{};
  const auto count = static_cast<std::ptrdiff_t>(lines.size());
  const std::ptrdiff_t musicLine = HeaderIndex(lines, kShowMusicHeader) + 1;
  if (musicLine >= count) {
    return Status::Failure("List index out of bounds (" + std::to_string(musicLine) + ")");
  }
  show.musicFile = lines[static_cast<std::size_t>(musicLine)];

  std::array<std::ptrdiff_t, kShowTrackCount> headers{};
  for (std::size_t t = 0; t < kShowTrackCount; ++t) {
    headers[t] = HeaderIndex(lines, kShowTrackHeaders[t]);
  }
  for (std::size_t t = 0; t < kShowTrackCount; ++t) {
    // Items lie strictly between a track's header and the next one; the last
    // track's run to the end of the file.
    const std::ptrdiff_t end = t + 1 < kShowTrackCount ? headers[t + 1] : count;
    for (std::ptrdiff_t i = headers[t] + 1; i < end; ++i) {
      TSequenceRecord record;
      if (Status status = ReadItem(lines[static_cast<std::size_t>(i)], loadFrom, record); !status) {
        return status;
      }
      show.tracks[t].push_back(std::move(record));
    }
  }
  return {};
}

Status ReadShowFile(const std::filesystem::path& path, const Workspace* loadFrom, TSequence& show) {
  show = TSequence{};
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  return ReadShowLines(SplitLines(*bytes), loadFrom, show);
}

}  // namespace

std::vector<std::string> ShowFileToLines(std::string_view music, const ShowTrackTables& tracks) {
  std::vector<std::string> lines = {kShowMusicHeader, std::string(music)};
  for (std::size_t t = 0; t < kShowTrackCount; ++t) {
    lines.emplace_back(kShowTrackHeaders[t]);
    for (const ShowGridRow& row : tracks[t].rows) {
      std::string& line = lines.emplace_back();
      for (std::size_t c = 0; c < kShowGridColumns; ++c) {
        line += AsciiLowerCase(row[c]);
        if (c + 1 < kShowGridColumns - 1)
          line += kItemSeparator;
      }
    }
  }
  return lines;
}

Status ShowFileWrite(const std::filesystem::path& path, std::string_view music,
                     const ShowTrackTables& tracks) {
  return WriteFileAtomically(path, JoinLinesCrLf(ShowFileToLines(music, tracks)));
}

Status ShowFileFromLines(std::span<const std::string> lines, TSequence& show) {
  return ReadShowLines(lines, nullptr, show);
}

Status ShowFileRead(const std::filesystem::path& path, TSequence& show) {
  return ReadShowFile(path, nullptr, show);
}

Status ShowFileLoadFromLines(std::span<const std::string> lines, const Workspace& workspace,
                             TSequence& show) {
  return ReadShowLines(lines, &workspace, show);
}

Status ShowFileLoad(const std::filesystem::path& path, const Workspace& workspace,
                    TSequence& show) {
  return ReadShowFile(path, &workspace, show);
}

}  // namespace ravix
