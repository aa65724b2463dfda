#pragma once

#include <QWidget>

#include "output/desktop_session.hpp"

class QLabel;

namespace ravix {

class PlayToolbar;

inline constexpr const char* kPlayPreviewCaption = "Play";

// The "Play" preview: a 256 x 256 black picture, the point count, the file
// label and a play toolbar. No window opens it as owner, so its play button
// takes the toolbar's buttons and starts nothing.
class PlayPreviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PlayPreviewWindow(DesktopSession& session, QWidget* parent = nullptr);

  void ShowPlayFile(const QString& fileName, int pointCount);
  PlayToolbar* toolbar() const { return toolbar_; }

 private:
  PlaySettingsPanel panel_;
  PlayToolbar* toolbar_;
  QLabel* fileName_;
  QLabel* pointCount_;
};

}  // namespace ravix
