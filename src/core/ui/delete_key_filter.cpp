#include "core/ui/delete_key_filter.hpp"

#include <QEvent>
#include <QKeyEvent>
#include <utility>

namespace ravix {

DeleteKeyFilter::DeleteKeyFilter(QObject* parent, std::function<void()> onDelete)
    : QObject(parent), onDelete_(std::move(onDelete)) {}

bool DeleteKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    onDelete_();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ravix
