#include "drawing/ui/name_list_view.hpp"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ravix {
namespace {

void ShowRows(QListWidget& list, const std::vector<std::string>& names,
              std::optional<std::size_t> current,
              const std::function<bool(std::size_t)>& isSelected) {
  const QSignalBlocker blocker(&list);
  const int count = static_cast<int>(names.size());
  while (list.count() > count)
    delete list.takeItem(list.count() - 1);
  for (int row = 0; row < count; ++row) {
    const QString text = QString::fromStdString(names[static_cast<std::size_t>(row)]);
    if (row < list.count())
      list.item(row)->setText(text);
    else
      list.addItem(text);
  }
  list.setCurrentRow(current ? static_cast<int>(*current) : -1, QItemSelectionModel::NoUpdate);
  // The box's own selection calls refuse to select without a selection mode.
  QItemSelectionModel& selection = *list.selectionModel();
  for (int row = 0; row < count; ++row) {
    selection.select(list.model()->index(row, 0), isSelected(static_cast<std::size_t>(row))
                                                      ? QItemSelectionModel::Select
                                                      : QItemSelectionModel::Deselect);
  }
}

// Left clicks on the rows, and the rows the keys move to.
class RowClickFilter : public QObject {
 public:
  RowClickFilter(QListWidget& list, RowClick onClick)
      : QObject(&list), list_(list), onClick_(std::move(onClick)) {
    list.viewport()->installEventFilter(this);
    list.installEventFilter(this);
    connect(&list, &QListWidget::currentRowChanged, this, [this](int row) {
      if (keyHeld_ && row >= 0)
        onClick_(static_cast<std::size_t>(row), false);
    });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        keyHeld_ = false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list_.indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid())
          onClick_(static_cast<std::size_t>(index.row()),
                   mouse->modifiers().testFlag(Qt::ControlModifier));
        break;
      }
      case QEvent::KeyPress:
        keyHeld_ = true;
        break;
      case QEvent::KeyRelease:
        keyHeld_ = false;
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QListWidget& list_;
  RowClick onClick_;
  // The box moves its current row for the key held, not for a click.
  bool keyHeld_ = false;
};

}  // namespace

void ShowNameList(QListWidget& list, const FileListModel& files) {
  ShowRows(list, files.names(), files.current(),
           [&](std::size_t row) { return files.IsSelected(row); });
}

void ShowNameList(QListWidget& list, const NameListModel& names) {
  ShowRows(list, names.entries(), names.current(),
           [&](std::size_t row) { return names.IsSelected(row); });
}

void ForwardRowClicks(QListWidget& list, RowClick onClick) {
  list.setSelectionMode(QAbstractItemView::NoSelection);
  new RowClickFilter(list, std::move(onClick));
}

}  // namespace ravix
