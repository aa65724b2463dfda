#pragma once

#include <QGroupBox>
#include <cstdint>
#include <span>
#include <vector>

#include "output/play_settings_panel.hpp"

class QPushButton;

namespace ravix {

// A group of colour panels, each in the face of its colour (grey for the
// colour modes). The chosen panel shows lowered, the others flat.
class ColourPanelGroup : public QGroupBox {
  Q_OBJECT

 public:
  ColourPanelGroup(const QString& title, std::span<const ColourPanelSpec> panels, int columns,
                   QWidget* parent = nullptr);

  // Shows the panel of `code` lowered; no panel when none has that code.
  void ShowChosen(std::int32_t code);
  QPushButton* panel(std::size_t index) const { return buttons_[index]; }

 signals:
  // A click on a panel.
  void chosen(std::int32_t code);

 private:
  std::vector<QPushButton*> buttons_;
  std::vector<std::int32_t> codes_;
};

}  // namespace ravix
