#include "drawing/hpgl_import.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"

namespace ravix {
namespace {

constexpr std::string_view kLineTypeCommand = "LT";
constexpr std::string_view kSelectNoPen = "SP0;";
constexpr std::int64_t kExtentPerDivisor = 512;
constexpr std::int64_t kCanvasBottom = 510;

struct PlotPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
};
using PlotObject = std::vector<PlotPoint>;

bool IsLineTypeLine(const std::string& line) {
  return TrimBlanks(line).starts_with(kLineTypeCommand);
}

std::optional<std::size_t> FindLineTypeLine(std::span<const std::string> lines, std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (IsLineTypeLine(lines[i]))
      return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> FindSelectNoPenLine(std::span<const std::string> lines,
                                               std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (EqualsIgnoringCase(TrimBlanks(lines[i]), kSelectNoPen))
      return i;
  }
  return std::nullopt;
}

enum class PenMove { kNone, kPoint, kUnreadable };

// "PUx y;" or "PDx y;". A bare "PU;" or "PD;" moves nowhere and is not a fault.
PenMove ReadPenMove(std::string_view line, PlotPoint& point) {
  const std::string_view text = TrimBlanks(line);
  if (!text.starts_with("PU") && !text.starts_with("PD"))
    return PenMove::kNone;
  const std::string_view arguments = text.substr(2);
  if (arguments == ";")
    return PenMove::kNone;
  const std::size_t space = arguments.find(' ');
  if (space == std::string_view::npos)
    return PenMove::kUnreadable;
  std::string_view yText = arguments.substr(space + 1);
  if (yText.ends_with(';'))
    yText.remove_suffix(1);
  const auto x = ParseDecimalInt(arguments.substr(0, space));
  const auto y = ParseDecimalInt(yText);
  if (!x || !y)
    return PenMove::kUnreadable;
  point = PlotPoint{*x, *y};
  return PenMove::kPoint;
}

// The pen moves of `lines`, counting the unreadable ones.
PlotObject ReadObject(std::span<const std::string> lines, std::size_t& skippedLines) {
  PlotObject object;
  for (const std::string& line : lines) {
    PlotPoint point;
    switch (ReadPenMove(line, point)) {
      case PenMove::kPoint:
        object.push_back(point);
        break;
      case PenMove::kUnreadable:
        ++skippedLines;
        break;
      case PenMove::kNone:
        break;
    }
  }
  return object;
}

// Splits the text after the first "LT" line into one object per further "LT"
// line; the last object ends at "SP0;" and is empty without it.
std::vector<PlotObject> ReadObjects(std::span<const std::string> lines, std::size_t& skippedLines) {
  std::vector<PlotObject> objects;
  const auto firstLineType = FindLineTypeLine(lines, 0);
  if (!firstLineType)
    return objects;
  std::size_t top = *firstLineType + 1;
  while (const auto next = FindLineTypeLine(lines, top)) {
    objects.push_back(ReadObject(lines.subspan(top, *next + 1 - top), skippedLines));
    top = *next + 1;
  }
  if (const auto end = FindSelectNoPenLine(lines, top))
    objects.push_back(ReadObject(lines.subspan(top, *end + 1 - top), skippedLines));
  return objects;
}

// Moves the drawing to the origin, divides by d x (b + 1) and turns y down.
void ScaleToCanvas(std::vector<PlotObject>& objects, int sizeFactor) {
  std::int64_t minX = std::numeric_limits<std::int64_t>::max();
  std::int64_t minY = minX;
  std::int64_t maxX = std::numeric_limits<std::int64_t>::min();
  std::int64_t maxY = maxX;
  for (const PlotObject& object : objects) {
    for (const PlotPoint& p : object) {
      minX = std::min(minX, p.x);
      minY = std::min(minY, p.y);
      maxX = std::max(maxX, p.x);
      maxY = std::max(maxY, p.y);
    }
  }
  std::int64_t d = std::max((maxX - minX) / kExtentPerDivisor, (maxY - minY) / kExtentPerDivisor);
  if (d == 0)
    d = 1;
  const int b = kHpglMaxSizeFactor - std::clamp(sizeFactor, kHpglMinSizeFactor, kHpglMaxSizeFactor);
  const std::int64_t divisor = d * (b + 1);
  for (PlotObject& object : objects) {
    for (PlotPoint& p : object) {
      p.x = (p.x - minX) / divisor;
      p.y = kCanvasBottom - (p.y - minY) / divisor;
    }
  }
}

// Drops a point close to the last kept one unless it lies on the same row or
// column; the first point of the object is kept.
PlotObject Thin(const PlotObject& object, int fineFactor) {
  const std::int64_t a = std::clamp(fineFactor, kHpglMinFineFactor, kHpglMaxFineFactor);
  PlotObject kept;
  for (const PlotPoint& p : object) {
    if (!kept.empty()) {
      const std::int64_t dx = p.x - kept.back().x;
      const std::int64_t dy = p.y - kept.back().y;
      if (dx * dx + dy * dy < a * a && dx != 0 && dy != 0)
        continue;
    }
    kept.push_back(p);
  }
  return kept;
}

DrawingObject ToDrawingObject(const PlotObject& object, std::uint8_t colour) {
  DrawingObject result;
  result.reserve(object.size());
  for (const PlotPoint& p : object) {
    result.push_back(LaserPoint{static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y), 0,
                                colour, kStateNormal, 0});
  }
  if (!result.empty())
    result.front().blanked = 1;
  return result;
}

}  // namespace

HpglImport HpglImportLines(std::span<const std::string> lines, const HpglImportSettings& settings) {
  HpglImport result;
  std::vector<PlotObject> objects = ReadObjects(lines, result.skippedLines);
  std::erase_if(objects, [](const PlotObject& object) { return object.empty(); });
  if (objects.empty())
    return result;
  ScaleToCanvas(objects, settings.sizeFactor);
  for (const PlotObject& object : objects)
    result.objects.push_back(ToDrawingObject(Thin(object, settings.fineFactor), settings.colour));
  return result;
}

Status HpglImportFile(const std::filesystem::path& path, const HpglImportSettings& settings,
                      HpglImport& result) {
  result = {};
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  result = HpglImportLines(SplitLines(*bytes), settings);
  return {};
}

std::string HpglSkippedLinesMessage(std::size_t skippedLines) {
  if (skippedLines == 0)
    return {};
  if (skippedLines == 1)
    return "1 PU/PD line could not be read and was skipped";
  return std::to_string(skippedLines) + " PU/PD lines could not be read and were skipped";
}

}  // namespace ravix
