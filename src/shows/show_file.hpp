#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/sequence.hpp"
#include "core/status.hpp"
#include "core/workspace.hpp"

namespace ravix {

inline constexpr const char* kShowMusicHeader = "[Music]";
inline constexpr std::array<const char*, kShowTrackCount> kShowTrackHeaders = {
    "[Track1]", "[Track2]", "[Track3]"};

// The show editor's track grids: columns "FileName", "time" and the thumbnail
// column; the rows below the header row, cells as the grid holds them.
inline constexpr std::size_t kShowGridColumns = 3;
using ShowGridRow = std::array<std::string, kShowGridColumns>;
struct ShowTrackTable {
  std::vector<ShowGridRow> rows;
};
using ShowTrackTables = std::array<ShowTrackTable, kShowTrackCount>;

// "[Music]", the music text unchanged, then per track its header and one line
// per row: the lower-cased cells, "|" after the first one only.
std::vector<std::string> ShowFileToLines(std::string_view music, const ShowTrackTables& tracks);

Status ShowFileWrite(const std::filesystem::path& path, std::string_view music,
                     const ShowTrackTables& tracks);

// The editor's reader: replaces `show` with the music line and one record per
// item line, name before the first "|" and duration after it (0 when blank).
// A duration that is not a decimal number stops the read with the conversion
// error; the records before it stay. A file without a line after its music
// header (or without lines) fails with the list's index error.
Status ShowFileFromLines(std::span<const std::string> lines, TSequence& show);
Status ShowFileRead(const std::filesystem::path& path, TSequence& show);

// The player's reader: as ShowFileFromLines, but one further "|" is removed
// from the duration text first ("x.sec|1200|" reads as 1200), and each ".sec"
// or ".ilf" item (extension as stored, lower case) gets the rows or frames of
// its file in the workspace's "Section" or "Frames" folder when that exists.
// A fault in an item's file stops the load like a faulty duration.
Status ShowFileLoadFromLines(std::span<const std::string> lines, const Workspace& workspace,
                             TSequence& show);
Status ShowFileLoad(const std::filesystem::path& path, const Workspace& workspace, TSequence& show);

}  // namespace ravix
