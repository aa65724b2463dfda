#include "core/text_lines.hpp"

#include <limits>

namespace ravix {

std::vector<std::string> SplitLines(std::span<const std::uint8_t> text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::uint8_t c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(reinterpret_cast<const char*>(text.data()) + start, i - start);
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) {
    lines.emplace_back(reinterpret_cast<const char*>(text.data()) + start, text.size() - start);
  }
  return lines;
}

Bytes JoinLinesCrLf(std::span<const std::string> lines) {
  std::size_t size = 0;
  for (const auto& line : lines)
    size += line.size() + 2;
  Bytes out;
  out.reserve(size);
  for (const auto& line : lines) {
    out.insert(out.end(), line.begin(), line.end());
    out.push_back('\r');
    out.push_back('\n');
  }
  return out;
}

std::optional<std::int32_t> ParseDecimalInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size())
    return std::nullopt;
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kLimit)
      return std::nullopt;
  }
  if (negative)
    value = -value;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string AsciiLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = AsciiLower(c);
  return lower;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i]))
      return false;
  }
  return true;
}

std::optional<std::size_t> FindLineIgnoringCase(std::span<const std::string> lines,
                                                std::string_view text) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (EqualsIgnoringCase(lines[i], text))
      return i;
  }
  return std::nullopt;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string InvalidIntegerMessage(std::string_view text) {
  std::string message = "'";
  message += text;
  message += "' is not a valid integer value";
  return message;
}

}  // namespace ravix
