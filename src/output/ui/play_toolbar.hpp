#pragma once

#include <QToolBar>

#include "output/play_settings_panel.hpp"

class QAction;
class QMenu;

namespace ravix {

// The play toolbar of the player windows: play, loop, stop, horizontal and
// vertical mirror, pause, with their hints. Loop, mirrors and pause are toggles.
class PlayToolbar : public QToolBar {
  Q_OBJECT

 public:
  explicit PlayToolbar(QWidget* parent = nullptr);

  // The play settings button ("播放设定") of a player window.
  QAction* AddSettingsAction();

  PlayButtons Buttons() const;
  // Sets the toggles without announcing it.
  void SetButtons(const PlayButtons& buttons);

  QAction* playAction() const { return play_; }
  QAction* loopAction() const { return loop_; }
  QAction* stopAction() const { return stop_; }
  QAction* invertXAction() const { return invertX_; }
  QAction* invertYAction() const { return invertY_; }
  QAction* pauseAction() const { return pause_; }
  // Null until AddSettingsAction.
  QAction* settingsAction() const { return settings_; }

 private:
  QAction* play_;
  QAction* loop_;
  QAction* stop_;
  QAction* invertX_;
  QAction* invertY_;
  QAction* pause_;
  QAction* settings_ = nullptr;
};

// Fills a player window's play menu with the toolbar's actions under their menu
// texts, so check marks and buttons stay in step: play, stop, then the toggles.
void FillPlayMenu(PlayToolbar& toolbar, QMenu& menu);
// Connects a toolbar's loop, stop, mirror and pause buttons to the rules of
// `panel`; a player window handles play itself.
void ConnectPlayToggles(PlayToolbar& toolbar, PlaySettingsPanel& panel);
// What a player window with `toolbar` offers the play settings window: its
// toggles set from there, and `pressPlay` for its play button.
PlayOwnerTarget ToolbarOwnerTarget(PlayToolbar& toolbar, std::function<void()> pressPlay);
// Connects every button, play included, to the rules of `panel`.
void ConnectPlayToolbar(PlayToolbar& toolbar, PlaySettingsPanel& panel);

}  // namespace ravix
