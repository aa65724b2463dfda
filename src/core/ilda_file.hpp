#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/byte_file.hpp"
#include "core/ilda_image.hpp"
#include "core/laser_point.hpp"
#include "core/status.hpp"

namespace ravix {

inline constexpr const char* kIldaReadError = "Read Error!";
inline constexpr std::size_t kIldaHeaderBytes = 32;
inline constexpr std::size_t kIldaClosingSectionBytes = 26;
inline constexpr std::size_t kIldaMaxRecords = 0xFFFF;

struct IldaReadResult {
  // Every message the reader shows, in order ("Read Error!" on a bad magic).
  std::vector<std::string> messages;
  // The data ended inside a section: what was complete is kept.
  bool truncated = false;
  // The file itself could not be read (the image is then empty).
  Status fileStatus;
};

// Replaces the frames and palettes of `image` with the sections in `data`.
IldaReadResult IldaParse(std::span<const std::uint8_t> data, TILDAimage& image);

IldaReadResult IldaFileRead(const std::filesystem::path& path, TILDAimage& image);

// The whole file, format 0. Fails when a frame has more points, or the image
// more frames, than the format's 16-bit counts can state.
Status IldaFileEncode(const TILDAimage& image, Bytes& out);

Status IldaFileWrite(const std::filesystem::path& path, const TILDAimage& image);

// Replaces the points of `frame` with every point of `drawing`, in ILDA space.
void DrawingToIldaFrame(const Drawing& drawing, TILDAframe& frame);

}  // namespace ravix
