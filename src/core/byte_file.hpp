#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/status.hpp"

namespace ravix {

using Bytes = std::vector<std::uint8_t>;

// The largest file a reader takes whole into memory.
inline constexpr std::uintmax_t kMaxReadFileBytes = std::uintmax_t{1} << 31;

// Reads the whole file. Empty optional (and `error` set when given) when the
// file cannot be opened or read, or is larger than kMaxReadFileBytes.
std::optional<Bytes> ReadWholeFile(const std::filesystem::path& path, std::string* error = nullptr);

// Replaces `path` with `data` atomically: a temporary file in the same folder
// is written in full, flushed, then renamed over the target. On failure the old
// file is left as it was and no temporary file remains.
Status WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> data);

}  // namespace ravix
