#include <cstddef>
#include <cstdint>

#include "core/text_lines.hpp"
#include "drawing/frame_list_file.hpp"

// Reads arbitrary text as a frame list; a list that reads cleanly must come
// back unchanged through the writer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravix::FrameList frames;
  if (!ravix::FrameListFromLines(ravix::SplitLines({data, size}), frames))
    return 0;
  ravix::FrameList back;
  const ravix::Bytes written = ravix::JoinLinesCrLf(ravix::FrameListToLines(frames));
  if (!ravix::FrameListFromLines(ravix::SplitLines(written), back) || back != frames) {
    __builtin_trap();
  }
  return 0;
}
