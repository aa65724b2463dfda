#include "drawing/font_glyph_source.hpp"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include "drawing/gbk_text.hpp"

namespace ravix {

struct FontGlyphSource::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Handles() {
    if (face)
      FT_Done_Face(face);
    if (library)
      FT_Done_FreeType(library);
  }
};

namespace {

constexpr double kUnitsPerPixel = 64.0;  // 26.6 fixed point

OutlinePoint ToPoint(const FT_Vector& v) {
  return {v.x / kUnitsPerPixel, v.y / kUnitsPerPixel};
}

OutlinePoint Midpoint(OutlinePoint a, OutlinePoint b) {
  return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

OutlinePoint Lerp(OutlinePoint a, OutlinePoint b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// The records of one contour, in the form the tracing takes: runs of on-curve
// points as line records, runs of conic control points with their end point as
// spline records. A cubic segment (CFF fonts) becomes two quadratic records
// that meet at the cubic's midpoint.
class ContourBuilder {
 public:
  explicit ContourBuilder(OutlinePoint start) { contour_.start = start; }

  void On(OutlinePoint p) {
    if (!controls_.empty()) {
      EndSpline(p);
    } else if (!cubic_.empty()) {
      EndCubic(p);
    } else {
      line_.push_back(p);
    }
    last_ = p;
  }
  void Conic(OutlinePoint p) {
    FlushLine();
    controls_.push_back(p);
  }
  void Cubic(OutlinePoint p) {
    FlushLine();
    cubic_.push_back(p);
  }
  // Ends the contour back at its start point.
  OutlineContour Close() {
    if (!controls_.empty())
      EndSpline(contour_.start);
    else if (!cubic_.empty())
      EndCubic(contour_.start);
    FlushLine();
    return std::move(contour_);
  }
  void SetLast(OutlinePoint p) { last_ = p; }

 private:
  void FlushLine() {
    if (line_.empty())
      return;
    contour_.curves.push_back({OutlineCurve::Kind::kLine, std::move(line_)});
    line_.clear();
  }
  void EndSpline(OutlinePoint end) {
    controls_.push_back(end);
    contour_.curves.push_back({OutlineCurve::Kind::kQuadraticSpline, std::move(controls_)});
    controls_.clear();
  }
  void EndCubic(OutlinePoint end) {
    // A cubic with one control point is a quadratic.
    if (cubic_.size() == 1) {
      contour_.curves.push_back({OutlineCurve::Kind::kQuadraticSpline, {cubic_[0], end}});
    } else {
      const OutlinePoint p0 = last_, c1 = cubic_[0], c2 = cubic_[1];
      const OutlinePoint a = Lerp(p0, c1, 0.5), b = Lerp(c1, c2, 0.5), c = Lerp(c2, end, 0.5);
      const OutlinePoint ab = Lerp(a, b, 0.5), bc = Lerp(b, c, 0.5);
      const OutlinePoint mid = Lerp(ab, bc, 0.5);
      // Each half (p0, a, ab, mid) and (mid, bc, c, end) as the quadratic whose
      // control point is (3 (c1 + c2) - p0 - p3) / 4 of that half.
      auto control = [](OutlinePoint q0, OutlinePoint q1, OutlinePoint q2, OutlinePoint q3) {
        return OutlinePoint{(3 * (q1.x + q2.x) - q0.x - q3.x) / 4,
                            (3 * (q1.y + q2.y) - q0.y - q3.y) / 4};
      };
      contour_.curves.push_back(
          {OutlineCurve::Kind::kQuadraticSpline, {control(p0, a, ab, mid), mid}});
      contour_.curves.push_back(
          {OutlineCurve::Kind::kQuadraticSpline, {control(mid, bc, c, end), end}});
    }
    cubic_.clear();
  }

  OutlineContour contour_;
  std::vector<OutlinePoint> line_;
  std::vector<OutlinePoint> controls_;
  std::vector<OutlinePoint> cubic_;
  OutlinePoint last_;
};

GlyphOutline ConvertOutline(const FT_Outline& outline) {
  GlyphOutline result;
  int first = 0;
  for (int c = 0; c < outline.n_contours; ++c) {
    const int last = outline.contours[c];
    if (last < first)
      break;
    auto tag = [&](int i) { return FT_CURVE_TAG(outline.tags[i]); };
    auto point = [&](int i) { return ToPoint(outline.points[i]); };
    // Start on an on-curve point: the first, else the last, else the midpoint
    // between the two.
    OutlinePoint start;
    int from = first, to = last;
    if (tag(first) == FT_CURVE_TAG_ON) {
      start = point(first);
      from = first + 1;
    } else if (tag(last) == FT_CURVE_TAG_ON) {
      start = point(last);
      to = last - 1;
    } else {
      start = Midpoint(point(first), point(last));
    }
    ContourBuilder builder(start);
    builder.SetLast(start);
    for (int i = from; i <= to; ++i) {
      switch (tag(i)) {
        case FT_CURVE_TAG_ON:
          builder.On(point(i));
          break;
        case FT_CURVE_TAG_CONIC:
          builder.Conic(point(i));
          break;
        default:
          builder.Cubic(point(i));
          break;
      }
    }
    result.push_back(builder.Close());
    first = last + 1;
  }
  return result;
}

// The file and face index fontconfig chooses for `family`.
struct FontFile {
  std::string path;
  int index = 0;
  std::string family;
};

std::optional<FontFile> FindFontFile(const std::string& family) {
  // A configuration of its own, destroyed after the match, so that nothing of
  // fontconfig's outlives the lookup.
  const std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)> config(FcInitLoadConfigAndFonts(),
                                                                     FcConfigDestroy);
  if (!config)
    return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  // Weaker than the family: where the family is missing, a font for Chinese.
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
  FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
  FcConfigSubstitute(config.get(), pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config.get(), pattern, &result);
  FcPatternDestroy(pattern);
  if (!match)
    return std::nullopt;
  std::optional<FontFile> found;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    found.emplace();
    found->path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch)
      found->index = index;
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
      found->family = reinterpret_cast<const char*>(name);
  }
  FcPatternDestroy(match);
  return found;
}

}  // namespace

FontGlyphSource::FontGlyphSource(std::unique_ptr<Handles> handles, std::string familyName)
    : handles_(std::move(handles)), familyName_(std::move(familyName)) {}

FontGlyphSource::~FontGlyphSource() = default;

std::unique_ptr<FontGlyphSource> FontGlyphSource::Open(const std::string& family, Status& status) {
  const std::optional<FontFile> file = FindFontFile(family);
  if (!file) {
    status = Status::Failure("no font found for " + family);
    return nullptr;
  }
  auto handles = std::make_unique<Handles>();
  if (FT_Init_FreeType(&handles->library) != 0 ||
      FT_New_Face(handles->library, file->path.c_str(), file->index, &handles->face) != 0 ||
      FT_Set_Pixel_Sizes(handles->face, 0, kGlyphPixelSize) != 0) {
    status = Status::Failure("cannot load the font file " + file->path);
    return nullptr;
  }
  status = {};
  return std::unique_ptr<FontGlyphSource>(new FontGlyphSource(std::move(handles), file->family));
}

bool FontGlyphSource::LoadGlyph(CharacterCode code, bool requireGlyph) {
  const std::optional<char32_t> unicode = DecodeGbkCharacter(code);
  if (!unicode)
    return false;
  const FT_UInt index = FT_Get_Char_Index(handles_->face, *unicode);
  if (index == 0 && requireGlyph)
    return false;
  return FT_Load_Glyph(handles_->face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0;
}

std::optional<GlyphMetrics> FontGlyphSource::Metrics(CharacterCode code) {
  if (!LoadGlyph(code, /*requireGlyph=*/true))
    return std::nullopt;
  const FT_Glyph_Metrics& m = handles_->face->glyph->metrics;
  return GlyphMetrics{m.width / kUnitsPerPixel, m.height / kUnitsPerPixel,
                      m.horiBearingX / kUnitsPerPixel};
}

std::optional<GlyphOutline> FontGlyphSource::Outline(CharacterCode code) {
  // A character the font lacks is traced as the font's default glyph.
  if (!LoadGlyph(code, /*requireGlyph=*/false))
    return std::nullopt;
  const FT_GlyphSlot slot = handles_->face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE)
    return std::nullopt;
  return ConvertOutline(slot->outline);
}

GlyphMetrics FontGlyphSource::EmBox() {
  const FT_Size_Metrics& m = handles_->face->size->metrics;
  return GlyphMetrics{static_cast<double>(m.x_ppem), m.ascender / kUnitsPerPixel, 0};
}

}  // namespace ravix
