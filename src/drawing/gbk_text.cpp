#include "drawing/gbk_text.hpp"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ravix {
namespace {

// One conversion descriptor, closed on leaving the scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid())
      iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts as much of `in` as possible; the error number of the stop, 0 when
  // all was converted.
  int Convert(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
    if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
      return errno;
    return 0;
  }

 private:
  iconv_t cd_;
};

// The length of the UTF-8 sequence that `lead` starts; 1 for a stray byte.
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4)
    return 4;
  if (lead >= 0xE0)
    return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2)
    return 2;
  return 1;
}

}  // namespace

std::string EncodeGbk(std::string_view utf8) {
  Converter converter("GBK", "UTF-8");
  if (!converter.valid())
    return std::string(utf8);
  std::string input(utf8);
  std::string result;
  char* in = input.data();
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const int error = converter.Convert(in, inLeft, out, outLeft);
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    if (error == E2BIG)
      continue;
    if (error != 0) {
      // Not representable, not valid or cut off: one '?' for the sequence.
      result.push_back('?');
      const std::size_t skip =
          std::min(inLeft, Utf8SequenceLength(static_cast<unsigned char>(*in)));
      in += skip;
      inLeft -= skip;
    }
  }
  return result;
}

std::optional<char32_t> DecodeGbkCharacter(CharacterCode code) {
  if (code < 0x80)
    return static_cast<char32_t>(code);
  Converter converter("UTF-32LE", "GBK");
  if (!converter.valid())
    return std::nullopt;
  char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  unsigned char utf32[8] = {};
  char* in = bytes;
  std::size_t inLeft = code > 0xFF ? 2 : 1;
  if (code <= 0xFF)
    bytes[0] = static_cast<char>(code);
  char* out = reinterpret_cast<char*>(utf32);
  std::size_t outLeft = sizeof utf32;
  if (converter.Convert(in, inLeft, out, outLeft) != 0 || outLeft != sizeof utf32 - 4)
    return std::nullopt;
  return static_cast<char32_t>(utf32[0] | (utf32[1] << 8) | (utf32[2] << 16) |
                               (static_cast<char32_t>(utf32[3]) << 24));
}

}  // namespace ravix
