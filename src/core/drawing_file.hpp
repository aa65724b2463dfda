#pragma once

#include <filesystem>
#include <span>

#include "core/byte_file.hpp"
#include "core/laser_point.hpp"
#include "core/status.hpp"

namespace ravix {

// ".ddr": 5-byte records X, Y, z, colour, status (bit 7 = last point of its
// object, bits 0..6 non-zero = blanked). Coordinates are stored divided by
// `scale`: 2 for the drawing editor's double resolution, 1 everywhere else.
inline constexpr std::size_t kDrawingRecordBytes = 5;

// Replaces `drawing` with the records in `data`; trailing 1..4 bytes are ignored.
void DrawingFileParse(std::span<const std::uint8_t> data, Drawing& drawing, int scale);

// Replaces `drawing` with the file's content. A file that cannot be read leaves
// the drawing empty; the failure is returned for callers that want it.
Status DrawingFileRead(const std::filesystem::path& path, Drawing& drawing, int scale);

Bytes DrawingFileEncode(const Drawing& drawing, int scale);

Status DrawingFileWrite(const std::filesystem::path& path, const Drawing& drawing, int scale);

}  // namespace ravix
