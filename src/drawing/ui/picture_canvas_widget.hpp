#pragma once

#include <QWidget>

#include "drawing/picture_editor.hpp"

namespace ravix {

// The editor's 512 x 512 canvas: draws the engine's full redraw and hands its
// button presses and mouse moves, with the state of Ctrl, to the editor. While
// a tool holds the cursor inside the canvas, it cannot leave it.
class PictureCanvasWidget : public QWidget {
  Q_OBJECT

 public:
  PictureCanvasWidget(PictureEditor& editor, const PictureDocument& document,
                      QWidget* parent = nullptr);

  QSize sizeHint() const override;
  // Holds the cursor inside the canvas, or lets it go, as the engine says.
  void FollowCursorConfinement();

 signals:
  // A button press or mouse move reached the editor.
  void mouseForwarded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  PictureEditor& editor_;
  const PictureDocument& document_;
  bool grabbing_ = false;
};

}  // namespace ravix
