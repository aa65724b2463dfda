#pragma once

#include <QImage>
#include <QWidget>

#include "output/play_settings_panel.hpp"

namespace ravix {

// The 256 x 256 offset pad: a press or drag sets the offsets; the picture is
// redrawn when the marker moves and when the window asks for it.
class OffsetPadWidget : public QWidget {
  Q_OBJECT

 public:
  OffsetPadWidget(PlaySettingsPanel& panel, QWidget* parent = nullptr);

  // Draws the pad with the marker at the live offsets.
  void Redraw();
  const QImage& picture() const { return picture_; }

 signals:
  void offsetsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Press(QPoint position);

  PlaySettingsPanel& panel_;
  QImage picture_;
};

}  // namespace ravix
