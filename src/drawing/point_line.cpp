#include "drawing/point_line.hpp"

#include <charconv>

#include "core/text_lines.hpp"

namespace ravix {
namespace {

constexpr char kFieldSeparator = ',';
constexpr char kTokenEnd = '|';
constexpr std::size_t kConvertedFields = 4;  // x, y, z, colour; then state and flags

void AppendNumber(std::int64_t value, std::string& out) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

struct PointToken {
  LaserPoint point;
  bool endsObject = false;
};

// Splits off the text before the next ","; false when the token has none left.
bool TakeField(std::string_view& rest, std::string_view& field) {
  const std::size_t comma = rest.find(kFieldSeparator);
  if (comma == std::string_view::npos)
    return false;
  field = rest.substr(0, comma);
  rest.remove_prefix(comma + 1);
  return true;
}

Status ParsePointToken(std::string_view token, PointToken& parsed) {
  std::string_view rest = token;
  std::string_view field;
  std::int32_t values[kConvertedFields];
  for (std::int32_t& value : values) {
    if (!TakeField(rest, field))
      return Status::Failure(InvalidIntegerMessage(token));
    const auto number = ParseDecimalInt(field);
    if (!number)
      return Status::Failure(InvalidIntegerMessage(field));
    value = *number;
  }
  if (!TakeField(rest, field))
    return Status::Failure(InvalidIntegerMessage(token));
  const std::string_view flags = rest;
  parsed.point =
      LaserPoint{values[0],    values[1],
                 values[2],    static_cast<std::uint8_t>(values[3]),
                 kStateNormal, static_cast<std::uint8_t>(flags == "1" || flags == "129")};
  parsed.endsObject = flags == "128" || flags == "129";
  return {};
}

}  // namespace

void AppendPointLine(const Drawing& drawing, std::string& out) {
  for (const DrawingObject& object : drawing) {
    for (std::size_t i = 0; i < object.size(); ++i) {
      const LaserPoint& p = object[i];
      AppendNumber(p.x, out);
      out.push_back(kFieldSeparator);
      AppendNumber(p.y, out);
      out.push_back(kFieldSeparator);
      AppendNumber(p.z, out);
      out.push_back(kFieldSeparator);
      AppendNumber(p.colour, out);
      out.push_back(kFieldSeparator);
      AppendNumber(p.state, out);
      out.push_back(kFieldSeparator);
      const int flags = (p.blanked != 0 ? kPointFlagBlanked : 0) +
                        (i + 1 == object.size() ? kPointFlagLastOfObject : 0);
      AppendNumber(flags, out);
      out.push_back(kTokenEnd);
    }
  }
}

std::string EncodePointLine(const Drawing& drawing) {
  std::string line;
  AppendPointLine(drawing, line);
  return line;
}

Status ParsePointLine(std::string_view line, Drawing& drawing) {
  drawing.clear();
  bool objectOpen = false;
  for (std::size_t bar = line.find(kTokenEnd); bar != std::string_view::npos;
       bar = line.find(kTokenEnd)) {
    PointToken parsed;
    if (Status status = ParsePointToken(line.substr(0, bar), parsed); !status)
      return status;
    line.remove_prefix(bar + 1);
    if (!objectOpen) {
      drawing.emplace_back();
      objectOpen = true;
    }
    drawing.back().push_back(parsed.point);
    if (parsed.endsObject)
      objectOpen = false;
  }
  return {};
}

}  // namespace ravix
