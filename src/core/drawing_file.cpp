#include "core/drawing_file.hpp"

#include <algorithm>

namespace ravix {
namespace {

constexpr std::uint8_t kLastPointBit = 0x80;
constexpr std::uint8_t kBlankedBits = 0x7F;

std::uint8_t StoredCoordinate(std::int32_t value, int scale) {
  return static_cast<std::uint8_t>(std::clamp(value / scale, 0, 255));
}

}  // namespace

void DrawingFileParse(std::span<const std::uint8_t> data, Drawing& drawing, int scale) {
  drawing.clear();
  const std::size_t records = data.size() / kDrawingRecordBytes;
  bool objectOpen = false;
  for (std::size_t r = 0; r < records; ++r) {
    const std::uint8_t* record = data.data() + r * kDrawingRecordBytes;
    LaserPoint point;
    point.x = record[0] * scale;
    point.y = record[1] * scale;
    point.z = record[2];
    point.colour = record[3];
    point.state = kStateNormal;
    point.blanked = (record[4] & kBlankedBits) != 0 ? 1 : 0;
    if (!objectOpen) {
      drawing.emplace_back();
      objectOpen = true;
    }
    drawing.back().push_back(point);
    if (record[4] & kLastPointBit)
      objectOpen = false;
  }
}

Status DrawingFileRead(const std::filesystem::path& path, Drawing& drawing, int scale) {
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes) {
    drawing.clear();
    return Status::Failure(error);
  }
  DrawingFileParse(*bytes, drawing, scale);
  return {};
}

Bytes DrawingFileEncode(const Drawing& drawing, int scale) {
  Bytes out;
  out.reserve(PointCount(drawing) * kDrawingRecordBytes);
  for (const auto& object : drawing) {
    for (std::size_t i = 0; i < object.size(); ++i) {
      const LaserPoint& p = object[i];
      const bool last = i + 1 == object.size();
      out.push_back(StoredCoordinate(p.x, scale));
      out.push_back(StoredCoordinate(p.y, scale));
      out.push_back(static_cast<std::uint8_t>(p.z));
      out.push_back(p.colour);
      // Bit 7 of the blanked byte would read back as an object end: keep it out.
      out.push_back(
          static_cast<std::uint8_t>((p.blanked & kBlankedBits) | (last ? kLastPointBit : 0)));
    }
  }
  return out;
}

Status DrawingFileWrite(const std::filesystem::path& path, const Drawing& drawing, int scale) {
  return WriteFileAtomically(path, DrawingFileEncode(drawing, scale));
}

}  // namespace ravix
