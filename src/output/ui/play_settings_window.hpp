#pragma once

#include <QTimer>
#include <QWidget>
#include <map>

#include "output/desktop_session.hpp"

class QCheckBox;
class QImage;
class QLabel;
class QLineEdit;
class QSlider;

namespace ravix {

class OffsetPadWidget;
class PlayToolbar;

inline constexpr const char* kPlaySettingsCaption = "Play settings";
inline constexpr const char* kMediaPlayerFilter = "Execute File(*.exe);;All files(*)";

// The shared play settings window: a view over the session's play settings
// rules. Player windows open it with OpenFor, which makes them its owner.
class PlaySettingsWindow : public QWidget {
  Q_OBJECT

 public:
  // Takes PlaySettings from the session's loaded settings lines.
  explicit PlaySettingsWindow(DesktopSession& session, QWidget* parent = nullptr);

  // Shows the window with `owner` as the player its play button restarts.
  void OpenFor(int owner);
  // What a player shows here: the file it plays and its point count.
  void ShowPlayFile(const QString& fileName, int pointCount);
  // The frame a player shows in its preview, copied into this one.
  void ShowPreview(const QImage& image);

  PlayToolbar* toolbar() const { return toolbar_; }
  OffsetPadWidget* pad() const { return pad_; }
  QSlider* slider(PlaySlider which) const { return sliders_.at(which); }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildOffsets();
  QWidget* BuildSliders();
  QWidget* BuildMediaPlayer();
  QWidget* BuildColourPanels();
  QWidget* BuildPlayInfo();
  // Puts every slider and label at the live settings.
  void SyncControls();
  void ChooseMediaPlayer();

  DesktopSession& session_;
  PlaySettingsPanel& panel_;
  PlayToolbar* toolbar_;
  OffsetPadWidget* pad_ = nullptr;
  QLabel* offsetXValue_ = nullptr;
  QLabel* offsetYValue_ = nullptr;
  QCheckBox* lockXY_ = nullptr;
  QLineEdit* mediaPlayerPath_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* fileName_ = nullptr;
  QLabel* pointCount_ = nullptr;
  std::map<PlaySlider, QSlider*> sliders_;
  std::map<PlaySlider, QLabel*> sliderValues_;
  QTimer padTimer_;
};

}  // namespace ravix
