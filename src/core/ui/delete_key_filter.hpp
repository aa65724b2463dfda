#pragma once

#include <QObject>
#include <functional>

namespace ravix {

// Calls `onDelete` for the Delete key pressed in the watched widget, which
// then does not see the key.
class DeleteKeyFilter : public QObject {
 public:
  DeleteKeyFilter(QObject* parent, std::function<void()> onDelete);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onDelete_;
};

}  // namespace ravix
