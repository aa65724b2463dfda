#include "output/ui/text_play_window.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

#include "core/drawing_file.hpp"
#include "drawing/editor_test_host.hpp"
#include "output/rolling_text_layout.hpp"
#include "output/ui/play_settings_window.hpp"
#include "output/ui/play_toolbar.hpp"
#include "output/ui/quick_play_window.hpp"
#include "support/fake_glyph_source.hpp"
#include "support/points.hpp"
#include "support/ui/test_session.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TestSession;

// Every letter of the font is a square.
std::unique_ptr<GlyphOutlineSource> SquareFont(const std::string&, Status&) {
  auto font = std::make_unique<testing::FakeGlyphSource>();
  font->reference = GlyphMetrics{128, 128, 0};
  const OutlineContour square{{10, 10},
                              {{OutlineCurve::Kind::kLine, {{100, 10}, {100, 100}, {10, 100}}}}};
  for (CharacterCode c = 'A'; c <= 'z'; ++c)
    font->glyphs[c] = {square};
  return font;
}

// A session on controller Usb-0 with a drawing the quick player could play,
// and the three windows wired as the program wires them.
struct TextPlayFixture {
  TextPlayFixture() {
    const auto folder = t.session->workspace().Folder(kDrawingFolder);
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(DrawingFileWrite(folder / "a.ddr", {{P(20, 20, 0, 4, 1), P(200, 20)}}, 1).ok());
    t.session->Start();
    settings = std::make_unique<PlaySettingsWindow>(*t.session);
    text = std::make_unique<TextPlayWindow>(*t.session, SquareFont);
    quick = std::make_unique<QuickPlayWindow>(*t.session);
    QObject::connect(text.get(), &TextPlayWindow::playSettingsRequested, settings.get(),
                     &PlaySettingsWindow::OpenFor);
    text->UseQuickPlayer(quick->model().channel);
    QObject::connect(text.get(), &TextPlayWindow::textPlayStarted, quick.get(),
                     &QuickPlayWindow::ShowTextPlay);
    QObject::connect(quick.get(), &QuickPlayWindow::textFrameShown, text.get(),
                     &TextPlayWindow::ShowFrame);
    QObject::connect(text.get(), &TextPlayWindow::textPlayStarted, [this] { ++started; });
  }
  ~TextPlayFixture() { t.session->StopAllPlay(); }

  bool WaitForFrameShown() {
    return QTest::qWaitFor([&] { return text->pointCountLabel()->text().toInt() > 0; }, 3000);
  }
  QString QuickStatus() const { return quick->statusBar()->currentMessage(); }

  TestSession t{{0}};
  std::unique_ptr<PlaySettingsWindow> settings;
  std::unique_ptr<TextPlayWindow> text;
  std::unique_ptr<QuickPlayWindow> quick;
  int started = 0;
};

TEST(TextPlayWindow, PlaySettingsPlayWithTheTextWindowAsOwnerStartsTheTextPlayerOnly) {
  TextPlayFixture f;
  PlaySettingsPanel& panel = f.t.session->playSettings();
  f.text->toolbar()->settingsAction()->trigger();
  EXPECT_EQ(panel.Owner(), kOwnerTextPlay);

  f.settings->toolbar()->loopAction()->setChecked(true);
  f.settings->toolbar()->playAction()->trigger();

  // The text window took the buttons and rolls its text on the quick player's
  // timers; the quick player's own drawing play did not start.
  EXPECT_EQ(f.started, 1);
  EXPECT_TRUE(f.text->toolbar()->Buttons().loop);
  EXPECT_TRUE(f.t.session->live().control.loopPlay);
  EXPECT_EQ(f.QuickStatus(), kHorizontalTextStartText);
  EXPECT_EQ(f.quick->model().playingMode(), QuickPlayMode::kText);
  ASSERT_TRUE(f.WaitForFrameShown());
  EXPECT_GT(f.t.driver->WriteCount(0), 1u);

  f.text->toolbar()->stopAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return f.QuickStatus() == kQuickTextOverText; }, 3000));
}

TEST(TextPlayWindow, ItsControlsReachThePlayersAndItsPlayRollsTheText) {
  TextPlayFixture f;
  RollingTextModel& model = f.text->model();
  f.text->findChild<QSlider*>("Rows or columns")->setValue(2);
  f.text->findChild<QSlider*>("Charactor width  factor")->setValue(8);
  EXPECT_EQ(model.channel->windowCount, 2);
  EXPECT_EQ(model.channel->widthFactor, 8);
  EXPECT_EQ(f.t.session->live().settings.textLargeSize, 0);
  f.text->findChild<QCheckBox*>("Large size")->setChecked(true);
  EXPECT_EQ(f.t.session->live().settings.textLargeSize, 1);

  // "Auto preview": the text shows its squares at once, four points each.
  f.text->findChild<QPlainTextEdit*>("text")->setPlainText("AB\nC");
  EXPECT_EQ(f.text->pointCountLabel()->text(), QString::number(3 * 5));

  f.text->findChild<QCheckBox*>("Vertical roll")->setChecked(true);
  f.text->toolbar()->playAction()->trigger();
  EXPECT_EQ(f.t.session->playSettings().Owner(), kOwnerTextPlay);
  EXPECT_EQ(f.QuickStatus(), kVerticalTextStartText);
  f.text->findChild<QPlainTextEdit*>("text")->setPlainText("");  // a playing text is a copy
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return f.text->pointCountLabel()->text().toInt() > 0 && f.t.driver->WriteCount(0) > 2;
      },
      3000));
  EXPECT_TRUE(f.t.session->host().Running());
}

TEST(TextPlayWindow, OkAddsTheTextToTheDrawingEditorAndCloses) {
  TextPlayFixture f;
  testing::EditorTestHost host;
  PictureDocument document{host, EditorSettings{}, "/nonexistent/Drawing"};
  PictureEditor editor{document};
  f.text->UsePictureEditor(editor, document);
  int changed = 0;
  QObject::connect(f.text.get(), &TextPlayWindow::editorChanged, [&] { ++changed; });
  f.text->show();
  f.text->findChild<QPushButton*>("&OK")->click();
  EXPECT_EQ(document.drawing().size(), 4u);  // "Text", a square for each letter
  EXPECT_EQ(editor.activeTool(), DrawingTool::kSelectObject);
  EXPECT_EQ(host.LastMessage(), kTextOkMessage);
  EXPECT_FALSE(f.text->isVisible());
  EXPECT_EQ(changed, 1);
}

}  // namespace
}  // namespace ravix
