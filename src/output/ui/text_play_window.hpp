#pragma once

#include <QImage>
#include <QMainWindow>
#include <memory>

#include "drawing/picture_document.hpp"
#include "drawing/picture_editor.hpp"
#include "output/desktop_session.hpp"
#include "output/rolling_text_model.hpp"

class QGridLayout;
class QLabel;
class QPlainTextEdit;

namespace ravix {

class PlayToolbar;

inline constexpr const char* kTextPlayCaption = "Text  Edit";

// The text window: the text, font and factors with their preview, and the
// rolling text parameters, a view over RollingTextModel. Its play button plays
// the text as rolling text on the quick player's timers; it is the play
// settings window's text owner.
class TextPlayWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit TextPlayWindow(DesktopSession& session, FontOpener openFont = InstalledFonts(),
                          QWidget* parent = nullptr);
  // Stops what plays and leaves the play settings window's targets.
  ~TextPlayWindow() override;

  RollingTextModel& model() { return *model_; }
  PlayToolbar* toolbar() const { return toolbar_; }
  QLabel* pointCountLabel() const { return pointCount_; }
  const QImage& previewImage() const { return preview_; }

  // The quick player whose channel the rolling text plays on.
  void UseQuickPlayer(std::shared_ptr<QuickPlayChannel> channel);
  // The drawing editor that "&OK" adds the text to.
  void UsePictureEditor(PictureEditor& editor, PictureDocument& document);
  // The toolbar's play button.
  void Play();
  // The preview picture and its point count: the text objects, or a rolling
  // text frame the quick player's preview drew.
  void ShowFrame(int pointCount, const QImage& picture);

 signals:
  // The toolbar's play settings button: the window to open with this owner.
  void playSettingsRequested(int owner);
  // Rolling text started: the quick player's timers are to run in text mode,
  // its status line showing `startText`.
  void textPlayStarted(const QString& startText);
  // "&OK" or "&Cancel": the drawing editor is to be drawn again.
  void editorChanged();

 protected:
  // With "Auto preview" ticked the text shows as soon as the window does.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildText();
  QWidget* BuildPreview();
  void AddToDrawing();
  // A slider row of `grid`: caption, slider over `range` and its value;
  // `moved` takes each new value.
  void AddSlider(QGridLayout& grid, const char* caption, const TextControlRange& range,
                 const std::function<void(int)>& moved);
  // "Auto preview": a change of text or factor previews again.
  void Changed();
  void RunPreview();
  void ChooseFont();

  DesktopSession& session_;
  std::unique_ptr<RollingTextModel> model_;
  PictureEditor* editor_ = nullptr;
  PictureDocument* document_ = nullptr;
  PlayToolbar* toolbar_;
  QPlainTextEdit* text_ = nullptr;
  QLabel* fontName_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* pointCount_ = nullptr;
  QImage preview_;
};

}  // namespace ravix
