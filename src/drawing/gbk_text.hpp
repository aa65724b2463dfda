#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/glyph_outline_source.hpp"

namespace ravix {

// UTF-8 text in the GBK code page. A character GBK cannot hold, or a byte that
// is not valid UTF-8, becomes '?'.
std::string EncodeGbk(std::string_view utf8);

// The Unicode code point of a character code; nothing for a two-byte code that
// is not a GBK character.
std::optional<char32_t> DecodeGbkCharacter(CharacterCode code);

}  // namespace ravix
