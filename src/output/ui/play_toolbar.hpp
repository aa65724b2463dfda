#pragma once

#include <QToolBar>

#include "output/play_settings_panel.hpp"

class QAction;

namespace ravix {

// The play toolbar of the player windows: play, loop, stop, horizontal and
// vertical mirror, pause, with their hints. Loop, mirrors and pause are toggles.
class PlayToolbar : public QToolBar {
  Q_OBJECT

 public:
  explicit PlayToolbar(QWidget* parent = nullptr);

  PlayButtons Buttons() const;
  // Sets the toggles without announcing it.
  void SetButtons(const PlayButtons& buttons);

  QAction* playAction() const { return play_; }
  QAction* loopAction() const { return loop_; }
  QAction* stopAction() const { return stop_; }
  QAction* invertXAction() const { return invertX_; }
  QAction* invertYAction() const { return invertY_; }
  QAction* pauseAction() const { return pause_; }

 private:
  QAction* play_;
  QAction* loop_;
  QAction* stop_;
  QAction* invertX_;
  QAction* invertY_;
  QAction* pause_;
};

// Connects a toolbar's buttons to the rules of `panel`.
void ConnectPlayToolbar(PlayToolbar& toolbar, PlaySettingsPanel& panel);

}  // namespace ravix
