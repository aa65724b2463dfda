#include "core/ilda_file.hpp"

#include <algorithm>
#include <cstring>

namespace ravix {
namespace {

constexpr std::uint8_t kStatusLastPoint = 0x80;
constexpr std::uint8_t kStatusBlanked = 0x40;
constexpr std::size_t kFormat0RecordBytes = 8;
constexpr std::size_t kFormat1RecordBytes = 6;
constexpr std::size_t kPaletteEntryBytes = 6;
constexpr char kMagic[4] = {'I', 'L', 'D', 'A'};
constexpr char kWrittenName[8] = {'I', 'I', 'I', 'I', 'I', 'I', 'I', 'I'};

// Reads header fields; bytes past the end of the data read as 0 (the closing
// section is 26 bytes, not 32).
class HeaderView {
 public:
  HeaderView(std::span<const std::uint8_t> data, std::size_t start) : data_(data), start_(start) {}

  std::uint8_t Byte(std::size_t offset) const {
    const std::size_t at = start_ + offset;
    return at < data_.size() ? data_[at] : 0;
  }
  std::uint16_t Word(std::size_t offset) const {
    return static_cast<std::uint16_t>((Byte(offset) << 8) | Byte(offset + 1));
  }
  std::string Text(std::size_t offset) const {
    std::string text;
    for (std::size_t i = 0; i < 8; ++i) {
      const std::uint8_t c = Byte(offset + i);
      if (c == 0)
        break;
      text.push_back(static_cast<char>(c));
    }
    return text;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t start_;
};

// High byte of a big-endian coordinate as a signed value.
std::int32_t Coordinate(const std::uint8_t* high) {
  return static_cast<std::int8_t>(*high);
}

// Reads point records from `p` until the last-point bit; returns the position after.
std::size_t ReadFramePoints(std::span<const std::uint8_t> data, std::size_t p, bool format0,
                            std::size_t statedCount, TILDAframe& frame, bool& truncated) {
  const std::size_t recordBytes = format0 ? kFormat0RecordBytes : kFormat1RecordBytes;
  const std::size_t statusOffset = format0 ? 6 : 4;
  frame.points.reserve(std::min(statedCount, (data.size() - p) / recordBytes));
  while (true) {
    if (data.size() - p < recordBytes) {
      truncated = true;
      return data.size();
    }
    const std::uint8_t* record = data.data() + p;
    const std::uint8_t status = record[statusOffset];
    LaserPoint point;
    point.x = Coordinate(record);
    point.y = Coordinate(record + 2);
    point.z = format0 ? Coordinate(record + 4) : 0;
    point.colour = record[statusOffset + 1];
    point.state = kStateNormal;
    point.blanked = (status & kStatusBlanked) ? 1 : 0;
    frame.points.push_back(point);
    p += recordBytes;
    if (status & kStatusLastPoint)
      return p;
  }
}

std::size_t ReadPaletteEntries(std::span<const std::uint8_t> data, std::size_t p,
                               TILDAcolorplatte& palette, bool& truncated) {
  const std::size_t wanted = static_cast<std::size_t>(palette.entryCount);
  const std::size_t available = (data.size() - p) / kPaletteEntryBytes;
  const std::size_t count = std::min(wanted, available);
  palette.entries.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::memcpy(palette.entries[i].data(), data.data() + p, kPaletteEntryBytes);
    p += kPaletteEntryBytes;
  }
  if (count < wanted) {
    truncated = true;
    return data.size();
  }
  return p;
}

void PutWord(std::uint8_t* at, std::size_t value) {
  at[0] = static_cast<std::uint8_t>(value >> 8);
  at[1] = static_cast<std::uint8_t>(value);
}

std::uint8_t ClampedHighByte(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::int8_t>(std::clamp(value, -128, 127)));
}

}  // namespace

IldaReadResult IldaParse(std::span<const std::uint8_t> data, TILDAimage& image) {
  IldaReadResult result;
  image.frames.clear();
  image.palettes.clear();
  std::size_t p = 0;
  while (p < data.size()) {
    if (data.size() - p < sizeof kMagic || std::memcmp(data.data() + p, kMagic, 4) != 0) {
      result.messages.emplace_back(kIldaReadError);
      break;
    }
    const std::size_t remaining = data.size() - p;
    if (remaining < kIldaClosingSectionBytes) {
      result.truncated = true;
      break;
    }
    const HeaderView header(data, p);
    const std::uint8_t format = header.Byte(7);
    const std::uint16_t records = header.Word(24);
    const bool isFrame = format == 0 || format == 1;
    if (isFrame && records == 0)
      break;  // closing section
    if (remaining < kIldaHeaderBytes) {
      result.truncated = true;
      break;
    }
    if (isFrame) {
      TILDAframe& frame = image.frames.emplace_back();
      frame.name = header.Text(8);
      frame.company = header.Text(16);
      frame.pointCount = records;
      frame.frameNumber = header.Word(26);
      frame.totalFrames = header.Word(28);
      frame.scannerHead = header.Byte(30);
      frame.reserved = header.Byte(31);
      p = ReadFramePoints(data, p + kIldaHeaderBytes, format == 0, records, frame,
                          result.truncated);
    } else {
      TILDAcolorplatte& palette = image.palettes.emplace_back();
      palette.name = header.Text(8);
      palette.company = header.Text(16);
      palette.entryCount = records;
      palette.paletteNumber = header.Word(26);
      palette.totalPalettes = header.Word(28);
      palette.scannerHead = header.Byte(30);
      palette.reserved = header.Byte(31);
      p = ReadPaletteEntries(data, p + kIldaHeaderBytes, palette, result.truncated);
    }
  }
  return result;
}

IldaReadResult IldaFileRead(const std::filesystem::path& path, TILDAimage& image) {
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes) {
    image.frames.clear();
    image.palettes.clear();
    IldaReadResult result;
    result.fileStatus = Status::Failure(error);
    return result;
  }
  return IldaParse(*bytes, image);
}

Status IldaFileEncode(const TILDAimage& image, Bytes& out) {
  const std::size_t frameCount = image.frames.size();
  if (frameCount > kIldaMaxRecords) {
    return Status::Failure("an ILDA file holds at most 65535 frames");
  }
  std::size_t size = kIldaClosingSectionBytes;
  for (std::size_t i = 0; i < frameCount; ++i) {
    const std::size_t points = image.frames[i].points.size();
    if (points > kIldaMaxRecords) {
      return Status::Failure("frame " + std::to_string(i + 1) +
                             " has more than 65535 points, more than an ILDA frame holds");
    }
    size += kIldaHeaderBytes + kFormat0RecordBytes * points;
  }
  out.assign(size, 0);
  std::uint8_t* at = out.data();
  for (std::size_t i = 0; i < frameCount; ++i) {
    const auto& points = image.frames[i].points;
    std::memcpy(at, kMagic, 4);
    // at[4..6] reserved, at[7] format 0
    std::memcpy(at + 8, kWrittenName, 8);
    std::memcpy(at + 16, kWrittenName, 8);
    PutWord(at + 24, points.size());
    PutWord(at + 26, i);
    PutWord(at + 28, frameCount);
    at += kIldaHeaderBytes;
    for (std::size_t k = 0; k < points.size(); ++k) {
      const LaserPoint& point = points[k];
      at[0] = ClampedHighByte(point.x);
      at[2] = ClampedHighByte(point.y);
      at[6] = static_cast<std::uint8_t>((point.blanked ? kStatusBlanked : 0) |
                                        (k + 1 == points.size() ? kStatusLastPoint : 0));
      at[7] = point.colour;
      at += kFormat0RecordBytes;
    }
  }
  std::memcpy(at, kMagic, 4);
  std::memcpy(at + 8, kWrittenName, 8);
  std::memcpy(at + 16, kWrittenName, 8);
  return {};
}

Status IldaFileWrite(const std::filesystem::path& path, const TILDAimage& image) {
  Bytes bytes;
  if (Status status = IldaFileEncode(image, bytes); !status)
    return status;
  return WriteFileAtomically(path, bytes);
}

void DrawingToIldaFrame(const Drawing& drawing, TILDAframe& frame) {
  frame.points.clear();
  frame.points.reserve(PointCount(drawing));
  for (const auto& object : drawing) {
    for (const auto& point : object)
      frame.points.push_back(DrawingToIldaPoint(point));
  }
}

}  // namespace ravix
