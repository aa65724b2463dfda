#pragma once

#include <cstddef>
#include <functional>

#include "drawing/file_list_model.hpp"
#include "drawing/name_list_model.hpp"

class QListWidget;

namespace ravix {

// Shows a file list or name list in a list box: the names, the current row and
// the selected rows. Rows are updated in place, so a click being handled keeps
// its row.
void ShowNameList(QListWidget& list, const FileListModel& files);
void ShowNameList(QListWidget& list, const NameListModel& names);

// A left click on a row; `toggle` when Ctrl was held.
using RowClick = std::function<void(std::size_t row, bool toggle)>;

// Leaves the box's selection to its model and forwards every left click on a
// row before the box handles it, and every row the arrow keys move to as a
// plain click.
void ForwardRowClicks(QListWidget& list, RowClick onClick);

}  // namespace ravix
