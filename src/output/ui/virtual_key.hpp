#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace ravix {

// The virtual key code of a key of the main keyboard block: digits and letters
// by their own codes, the punctuation keys of the four main rows, Enter, Page
// Up and Page Down. Nothing for any other key, keypad digits included.
std::optional<std::int32_t> VirtualKeyOf(const QKeyEvent& event);

}  // namespace ravix
