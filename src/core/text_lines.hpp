#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_file.hpp"

namespace ravix {

// Splits text into lines ended by CR, LF or CR LF. A last line without an end
// counts; a final line end does not add an empty line. Bytes are kept as is.
std::vector<std::string> SplitLines(std::span<const std::uint8_t> text);

// Joins lines with CR LF after every line, the last one included.
Bytes JoinLinesCrLf(std::span<const std::string> lines);

// The platform's decimal conversion: optional leading blanks, an optional sign
// and decimal digits filling the rest, within 32 bits. Empty optional otherwise.
std::optional<std::int32_t> ParseDecimalInt(std::string_view text);

// ASCII letters to lower case; every other byte is kept.
inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
std::string AsciiLowerCase(std::string_view text);

// Whole texts compared without regard to letter case (ASCII letters only).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Index of the first line equal to `text` without regard to letter case.
std::optional<std::size_t> FindLineIgnoringCase(std::span<const std::string> lines,
                                                std::string_view text);

// The text without the blanks and control characters (bytes up to ' ') at
// both ends, as the platform's Trim.
std::string_view TrimBlanks(std::string_view text);

// The platform's conversion error text: "'<text>' is not a valid integer value".
std::string InvalidIntegerMessage(std::string_view text);

}  // namespace ravix
