#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "core/status.hpp"

namespace ravix {

// ".ilf": an ordered list of frames in drawing space, each a Drawing.
using FrameList = std::vector<Drawing>;

inline constexpr const char* kDrawingListHeader = "[DrawingList]";
inline constexpr const char* kDrawingNamePrefix = "DrawingName=";

// "[DrawingList]", then per frame k a line "DrawingName=k" and its point line.
std::vector<std::string> FrameListToLines(const FrameList& frames);

// Writes `frames`, replacing the file atomically.
Status FrameListWrite(const std::filesystem::path& path, const FrameList& frames);

// Replaces `frames` with the frames of `lines`, taken by position: line 1 is
// not examined, then each pair of a name line (not interpreted) and a point
// line is one frame. A malformed point line stops the read: the frames before
// it and the points of its own frame read before the fault are kept. A name
// line without its point line is reported and adds no frame.
Status FrameListFromLines(std::span<const std::string> lines, FrameList& frames);

// Reads the file by FrameListFromLines; a file that cannot be read leaves
// `frames` empty and is reported.
Status FrameListRead(const std::filesystem::path& path, FrameList& frames);

}  // namespace ravix
