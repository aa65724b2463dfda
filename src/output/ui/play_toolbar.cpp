#include "output/ui/play_toolbar.hpp"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>

namespace ravix {
namespace {

constexpr int kIconSize = 24;

// A double-headed arrow across the icon: horizontal or vertical.
QIcon MirrorIcon(bool horizontal) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 40), 2));
  if (!horizontal) {
    painter.translate(kIconSize, 0);
    painter.rotate(90);
  }
  const int m = kIconSize / 2;
  painter.drawLine(4, m, kIconSize - 4, m);
  painter.drawLine(4, m, 9, m - 5);
  painter.drawLine(4, m, 9, m + 5);
  painter.drawLine(kIconSize - 4, m, kIconSize - 9, m - 5);
  painter.drawLine(kIconSize - 4, m, kIconSize - 9, m + 5);
  painter.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
  painter.drawLine(m, 3, m, kIconSize - 3);
  return QIcon(pixmap);
}

QAction* AddAction(QToolBar* bar, const QIcon& icon, const char* hint, bool toggle) {
  QAction* action = bar->addAction(icon, QString::fromUtf8(hint));
  action->setToolTip(QString::fromUtf8(hint));
  action->setCheckable(toggle);
  return action;
}

}  // namespace

PlayToolbar::PlayToolbar(QWidget* parent) : QToolBar(parent) {
  setIconSize(QSize(kIconSize, kIconSize));
  setMovable(false);
  QStyle* s = style();
  play_ = AddAction(this, s->standardIcon(QStyle::SP_MediaPlay), "播放", false);
  loop_ = AddAction(this, s->standardIcon(QStyle::SP_BrowserReload), "循环", true);
  stop_ = AddAction(this, s->standardIcon(QStyle::SP_MediaStop), "停止", false);
  invertX_ = AddAction(this, MirrorIcon(true), "水平反向", true);
  invertY_ = AddAction(this, MirrorIcon(false), "垂直反向", true);
  pause_ = AddAction(this, s->standardIcon(QStyle::SP_MediaPause), "暂停", true);
}

QAction* PlayToolbar::AddSettingsAction() {
  addSeparator();
  settings_ =
      AddAction(this, style()->standardIcon(QStyle::SP_FileDialogDetailedView), "播放设定", false);
  return settings_;
}

PlayButtons PlayToolbar::Buttons() const {
  return {loop_->isChecked(), invertX_->isChecked(), invertY_->isChecked(), pause_->isChecked()};
}

void PlayToolbar::SetButtons(const PlayButtons& buttons) {
  const QSignalBlocker b1(loop_), b2(invertX_), b3(invertY_), b4(pause_);
  loop_->setChecked(buttons.loop);
  invertX_->setChecked(buttons.invertX);
  invertY_->setChecked(buttons.invertY);
  pause_->setChecked(buttons.paused);
}

void FillPlayMenu(PlayToolbar& toolbar, QMenu& menu) {
  toolbar.playAction()->setText("Play");
  toolbar.stopAction()->setText("Stop");
  toolbar.loopAction()->setText("Loop(&L)");
  toolbar.pauseAction()->setText("Pause(&B)");
  toolbar.invertXAction()->setText("Horizontal invert(&H)");
  toolbar.invertYAction()->setText("Vertical invert(&V)");
  menu.addAction(toolbar.playAction());
  menu.addAction(toolbar.stopAction());
  menu.addSeparator();
  menu.addAction(toolbar.loopAction());
  menu.addAction(toolbar.pauseAction());
  menu.addAction(toolbar.invertXAction());
  menu.addAction(toolbar.invertYAction());
}

void ConnectPlayToggles(PlayToolbar& toolbar, PlaySettingsPanel& panel) {
  QObject::connect(toolbar.loopAction(), &QAction::toggled, &toolbar,
                   [&](bool on) { panel.SetLoop(on); });
  QObject::connect(toolbar.stopAction(), &QAction::triggered, &toolbar, [&] { panel.Stop(); });
  QObject::connect(toolbar.invertXAction(), &QAction::toggled, &toolbar,
                   [&](bool on) { panel.SetInvertX(on); });
  QObject::connect(toolbar.invertYAction(), &QAction::toggled, &toolbar,
                   [&](bool on) { panel.SetInvertY(on); });
  QObject::connect(toolbar.pauseAction(), &QAction::toggled, &toolbar,
                   [&](bool on) { panel.SetPaused(on); });
}

PlayOwnerTarget ToolbarOwnerTarget(PlayToolbar& toolbar, std::function<void()> pressPlay) {
  return PlayOwnerTarget{[&toolbar](const PlayButtons& b) { toolbar.SetButtons(b); },
                         std::move(pressPlay),
                         [&toolbar](bool on) {
                           PlayButtons buttons = toolbar.Buttons();
                           buttons.loop = on;
                           toolbar.SetButtons(buttons);
                         }};
}

void ConnectPlayToolbar(PlayToolbar& toolbar, PlaySettingsPanel& panel) {
  ConnectPlayToggles(toolbar, panel);
  QObject::connect(toolbar.playAction(), &QAction::triggered, &toolbar,
                   [&] { panel.PressPlay(toolbar.Buttons()); });
}

}  // namespace ravix
