#include <cstddef>
#include <cstdint>

#include "core/text_lines.hpp"
#include "drawing/hpgl_import.hpp"

// Imports arbitrary text as a plot file with factors taken from the first two
// bytes. Every imported object has points, its first one alone blanked, and
// the points lie on the canvas the scaling allows (0..1023, y up to 510).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2)
    return 0;
  const ravix::HpglImportSettings settings{data[0] % 21, data[1] % 41, 4};
  const ravix::HpglImport import =
      ravix::HpglImportLines(ravix::SplitLines({data + 2, size - 2}), settings);
  for (const ravix::DrawingObject& object : import.objects) {
    if (object.empty() || object.front().blanked != 1)
      __builtin_trap();
    for (std::size_t i = 0; i < object.size(); ++i) {
      const ravix::LaserPoint& p = object[i];
      if ((i > 0 && p.blanked != 0) || p.x < 0 || p.x > 1023 || p.y > 510 || p.y < 510 - 1023)
        __builtin_trap();
    }
  }
  return 0;
}
