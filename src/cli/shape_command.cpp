#include <array>
#include <functional>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/json_writer.hpp"
#include "core/text_lines.hpp"
#include "drawing/shape_generators.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "shape KIND ARGS... [--spacing S] [--sides K]";
constexpr long kDefaultSpacing = 20;
constexpr long kDefaultSides = 5;

using Numbers = std::array<std::int32_t, 6>;

struct ShapeKind {
  const char* name;
  std::size_t argumentCount;
  std::function<DrawingObject(const Numbers&, std::int32_t spacing, std::int32_t sides)> make;
};

const ShapeKind kShapeKinds[] = {
    {"line", 4,
     [](const Numbers& a, std::int32_t s, std::int32_t) {
       return LineFill(a[0], a[1], a[2], a[3], s);
     }},
    {"ellipse", 4,
     [](const Numbers& a, std::int32_t s, std::int32_t) {
       return EllipseFill(a[0], a[1], a[2], a[3], s);
     }},
    {"arc", 6,
     [](const Numbers& a, std::int32_t s, std::int32_t) {
       return ArcFill(a[0], a[1], a[2], a[3], a[4], a[5], s);
     }},
    {"polygon", 4,
     [](const Numbers& a, std::int32_t, std::int32_t k) {
       return PolygonVertices(a[0], a[1], a[2], a[3], k);
     }},
};

}  // namespace

int RunShape(CliContext& context, Arguments& args) {
  const long spacing = args.TakeInteger("--spacing").value_or(kDefaultSpacing);
  const long sides = args.TakeInteger("--sides").value_or(kDefaultSides);
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->empty())
    return UsageError(context, "missing KIND", kUsage);
  if (spacing < 1)
    return UsageError(context, "--spacing must be at least 1", kUsage);
  if (sides < 3)
    return UsageError(context, "--sides must be at least 3", kUsage);

  const std::string& kindName = positionals->front();
  const ShapeKind* kind = nullptr;
  for (const ShapeKind& k : kShapeKinds) {
    if (kindName == k.name)
      kind = &k;
  }
  if (!kind)
    return UsageError(context, "unknown shape " + kindName, kUsage);
  if (positionals->size() != kind->argumentCount + 1) {
    return UsageError(
        context, kindName + " takes " + std::to_string(kind->argumentCount) + " numbers", kUsage);
  }
  Numbers numbers{};
  for (std::size_t i = 0; i < kind->argumentCount; ++i) {
    const auto value = ParseDecimalInt((*positionals)[i + 1]);
    if (!value)
      return UsageError(context, "'" + (*positionals)[i + 1] + "' is not a number", kUsage);
    numbers[i] = *value;
  }

  const DrawingObject points =
      kind->make(numbers, static_cast<std::int32_t>(spacing), static_cast<std::int32_t>(sides));
  JsonWriter json;
  json.BeginObject().Key("type").Text("points").Key("points").BeginArray();
  for (const LaserPoint& p : points)
    json.BeginArray().Int(p.x).Int(p.y).EndArray();
  json.EndArray().EndObject();
  context.out << json.Finish();
  return kExitOk;
}

}  // namespace ravix::cli
