#include "drawing/glyph_tracer.hpp"

#include "core/truncate.hpp"

namespace ravix {

GlyphScale ReferenceScale(GlyphOutlineSource& source) {
  if (const auto metrics = source.Metrics(kReferenceCharacter)) {
    const double e = metrics->blackBoxWidth + metrics->originX;
    if (e > 0)
      return {e, metrics->blackBoxHeight};
  }
  const GlyphMetrics em = source.EmBox();
  return {em.blackBoxWidth > 0 ? em.blackBoxWidth : 1, em.blackBoxHeight};
}

namespace {

constexpr std::int32_t kVertex = 2;
constexpr std::int32_t kGenerated = 0;

struct RunWriter {
  const GlyphScale& scale;
  CharacterBox box;
  std::uint8_t colour;
  DrawingObject& object;

  LaserPoint Map(OutlinePoint p, std::int32_t z) const {
    LaserPoint point;
    point.x = TruncateToInt(2.0 * box.width * (p.x + 0.5) / scale.e);
    point.y = TruncateToInt(box.height * (scale.by - (p.y + 0.5)) / scale.e);
    point.z = z;
    point.colour = colour;
    return point;
  }
  void Add(LaserPoint point) { object.push_back(point); }
  void AddAt(std::int32_t x, std::int32_t y, std::int32_t z) {
    LaserPoint point = object.back();
    point.x = x;
    point.y = y;
    point.z = z;
    point.blanked = 0;
    object.push_back(point);
  }
};

}  // namespace

void TraceGlyph(const GlyphOutline& outline, const GlyphScale& scale, CharacterBox box,
                std::uint8_t colour, DrawingObject& object) {
  RunWriter run{scale, box, colour, object};
  for (const OutlineContour& contour : outline) {
    LaserPoint start = run.Map(contour.start, kVertex);
    start.blanked = 1;
    run.Add(start);
    for (const OutlineCurve& curve : contour.curves) {
      if (curve.kind == OutlineCurve::Kind::kLine) {
        for (const OutlinePoint& p : curve.points)
          run.Add(run.Map(p, kVertex));
        continue;
      }
      const std::size_t n = curve.points.size();
      for (std::size_t k = 0; k + 1 < n; ++k) {
        const LaserPoint previous = object.back();
        run.AddAt(previous.x, previous.y, kGenerated);
        const LaserPoint a = run.Map(curve.points[k], kGenerated);
        const LaserPoint b = run.Map(curve.points[k + 1], kGenerated);
        run.AddAt((a.x + b.x) / 2, (a.y + b.y) / 2, kGenerated);
      }
      if (n > 0)
        run.Add(run.Map(curve.points[n - 1], kVertex));
    }
    LaserPoint closing = start;
    closing.blanked = 0;
    run.Add(closing);
  }
}

void ThinObject(DrawingObject& object, std::int32_t fine) {
  if (object.empty())
    return;
  const std::int64_t limit = static_cast<std::int64_t>(fine) * fine;
  std::size_t kept = 1;
  bool carryBlank = false;
  for (std::size_t i = 1; i < object.size(); ++i) {
    const LaserPoint& last = object[kept - 1];
    const std::int64_t dx = object[i].x - last.x;
    const std::int64_t dy = object[i].y - last.y;
    if (dx * dx + dy * dy < limit) {
      carryBlank = carryBlank || object[i].blanked != 0;
      continue;
    }
    object[kept] = object[i];
    if (carryBlank)
      object[kept].blanked = 1;
    carryBlank = false;
    ++kept;
  }
  object.resize(kept);
}

}  // namespace ravix
