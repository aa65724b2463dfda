#include "drawing/text_edit_model.hpp"

#include <gtest/gtest.h>

#include "drawing/editor_fixture.hpp"
#include "support/fake_glyph_source.hpp"

namespace ravix {
namespace {

using testing::FakeGlyphSource;
using testing::P;

// Every character is one point at the top left of its box; the opener counts
// how often a font is opened.
class TextEditModelTest : public testing::EditorFixture {
 protected:
  TextEditModel Model() {
    return TextEditModel([this](const std::string& family, Status& status) {
      ++opened;
      if (family == "missing") {
        status = Status::Failure("no font found for missing");
        return std::unique_ptr<GlyphOutlineSource>();
      }
      auto font = std::make_unique<FakeGlyphSource>();
      font->reference = GlyphMetrics{128, 128, 0};
      for (CharacterCode c = 'A'; c <= 'z'; ++c)
        font->glyphs[c] = {{{-0.5, 127.5}, {}}};
      return std::unique_ptr<GlyphOutlineSource>(std::move(font));
    });
  }
  int opened = 0;
};

TEST_F(TextEditModelTest, OkAddsTheObjectsThatFitSelectedAndChoosesSelectObject) {
  TextEditModel model = Model();
  model.lines = {"Text", "ABC"};
  model.options.widthInterval = 1;  // 256 apart: doubled, the third of a row passes 530
  model.options.fine = 0;
  document.SelectColour(6);
  const std::int32_t undoBefore = document.undoHistory().undoIndex();
  ASSERT_TRUE(model.Ok(editor, document).ok());
  ASSERT_EQ(drawing().size(), 4u);
  EXPECT_EQ(drawing()[0][0], (LaserPoint{0, 0, 2, 6, kStateSelected, 1}));
  EXPECT_EQ(drawing()[1][0].x, 512);
  EXPECT_EQ(drawing()[2][0].y, 128);  // the second row, 64 preview pixels down, doubled
  EXPECT_EQ(selection().size(), 8u);
  EXPECT_EQ(editor.activeTool(), DrawingTool::kSelectObject);
  EXPECT_EQ(host.LastMessage(), kTextOkMessage);
  EXPECT_EQ(document.undoHistory().undoIndex(), undoBefore + 1);
  EXPECT_EQ(model.pointCount(), 14u);  // seven characters of two points
  EXPECT_EQ(opened, 1);
}

TEST_F(TextEditModelTest, BlankTextAddsNothingAndAMissingFontIsReported) {
  TextEditModel model = Model();
  model.lines = {"  ", ""};
  const std::int32_t undoBefore = document.undoHistory().undoIndex();
  ASSERT_TRUE(model.Ok(editor, document).ok());
  EXPECT_TRUE(drawing().empty());
  EXPECT_EQ(document.undoHistory().undoIndex(), undoBefore);
  EXPECT_EQ(model.pointCount(), 0u);

  model.lines = {"A"};
  model.fontFamily = "missing";
  EXPECT_FALSE(model.Preview(4).ok());
  EXPECT_TRUE(model.textObjects().empty());
  model.fontFamily = "other";
  EXPECT_TRUE(model.Preview(4).ok());
  // Thinning at 3 drops the closing copy on the start point.
  EXPECT_EQ(model.textObjects(), (Drawing{{P(0, 0, 2, 4, 1)}}));
}

}  // namespace
}  // namespace ravix
