#pragma once

#include <QLabel>

namespace ravix {

// One thumbnail position of a page: shows a picture and reports clicks.
class ThumbnailSlot : public QLabel {
  Q_OBJECT

 public:
  explicit ThumbnailSlot(int slot, QWidget* parent = nullptr);

 signals:
  void clicked(int slot);
  void doubleClicked(int slot);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int slot_;
};

}  // namespace ravix
