#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

#include "output/desktop_session.hpp"
#include "output/quick_play_model.hpp"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QSlider;

namespace ravix {

class ColourPanelGroup;
class PlayToolbar;
class ThumbnailSlot;

inline constexpr const char* kQuickPlayCaption = "Quick play";

// The "Quick play" live console: a view over QuickPlayModel. It is the play
// settings window's quick-player owner and plays through the session's host.
class QuickPlayWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit QuickPlayWindow(DesktopSession& session, QWidget* parent = nullptr);
  // Stops what it plays and leaves the play settings window's targets.
  ~QuickPlayWindow() override;

  QuickPlayModel& model() { return *model_; }
  PlayToolbar* toolbar() const { return toolbar_; }
  QSlider* slider(QuickSlider which) const { return sliders_[static_cast<std::size_t>(which)]; }
  QLabel* pointCountLabel() const { return pointCount_; }
  const QImage& previewImage() const { return preview_; }

  // The toolbar's play button.
  void Play();
  // A rolling text play started: it borrows both timers in text mode and the
  // status line, which shows `startText`.
  void ShowTextPlay(const QString& startText);

 signals:
  // The toolbar's play settings button: the window to open with this owner.
  void playSettingsRequested(int owner);
  // Each frame the preview drew: the file played, its point count and the
  // picture, for the play settings and "Play" windows.
  void frameShown(const QString& fileName, int pointCount, const QImage& picture);
  // Each rolling text frame the preview drew, for the text window.
  void textFrameShown(int pointCount, const QImage& picture);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  QWidget* BuildLists();
  QWidget* BuildThumbnails();
  QWidget* BuildControls();
  void ShowLists();
  void ShowThumbnails();
  void ShowMode();
  void ShowStatus(const std::string& text);
  void ChooseColour(std::int32_t code);
  void DeleteDrawing();
  // Both timers at their start period, serving the play the host started last.
  void StartTimers();
  void OnFrameTimer();
  void OnPreviewTimer();

  DesktopSession& session_;
  std::unique_ptr<QuickPlayModel> model_;
  PlayToolbar* toolbar_;
  QButtonGroup* modeGroup_ = nullptr;
  QListWidget* drawingList_ = nullptr;
  QListWidget* ildaList_ = nullptr;
  QListWidget* segmentList_ = nullptr;
  std::array<ThumbnailSlot*, kThumbnailsPerPage> slots_{};
  QLabel* pageLabel_ = nullptr;
  QLabel* drawingName_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* pointCount_ = nullptr;
  std::array<QSlider*, kQuickSliderCount> sliders_{};
  QSlider* scanRate_ = nullptr;
  QLabel* scanRateValue_ = nullptr;
  QCheckBox* point_ = nullptr;
  ColourPanelGroup* colourPanels_ = nullptr;
  QImage preview_;
  // The host's start that the timers serve.
  std::uint64_t playGeneration_ = 0;
  QTimer frameTimer_;
  QTimer previewTimer_;
};

}  // namespace ravix
