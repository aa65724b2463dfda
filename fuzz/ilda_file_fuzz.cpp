#include <cstddef>
#include <cstdint>

#include "core/ilda_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravix::TILDAimage image;
  ravix::IldaParse({data, size}, image);
  ravix::Bytes written;
  if (ravix::IldaFileEncode(image, written)) {
    ravix::TILDAimage back;
    ravix::IldaParse(written, back);
  }
  return 0;
}
