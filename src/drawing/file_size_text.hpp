#pragma once

#include <cstdint>
#include <string>

namespace ravix {

// The converter's size of a file: below 1024 bytes "N Byte"; below 1049600
// bytes the size in KB, from there in MB, each cut (not rounded) to two
// decimals and written without trailing zeros, e.g. "1.5 KB".
std::string FileSizeText(std::uintmax_t bytes);

// The list's hint: the size text followed by the exact size, "1.5 KB(1536 Byte)".
std::string FileSizeHint(std::uintmax_t bytes);

}  // namespace ravix
