#include <cstddef>
#include <cstdint>

#include "core/drawing_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravix::Drawing drawing;
  ravix::DrawingFileParse({data, size}, drawing, 2);
  const ravix::Bytes again = ravix::DrawingFileEncode(drawing, 2);
  // Every whole record comes back as one record.
  if (again.size() != size / ravix::kDrawingRecordBytes * ravix::kDrawingRecordBytes)
    __builtin_trap();
  return 0;
}
