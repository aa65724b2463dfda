#include "output/ui/thumbnail_slot.hpp"

#include <QMouseEvent>

namespace ravix {

ThumbnailSlot::ThumbnailSlot(int slot, QWidget* parent) : QLabel(parent), slot_(slot) {}

void ThumbnailSlot::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    emit clicked(slot_);
  QLabel::mousePressEvent(event);
}

void ThumbnailSlot::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    emit doubleClicked(slot_);
  QLabel::mouseDoubleClickEvent(event);
}

}  // namespace ravix
