#include "output/ui/colour_panel_group.hpp"

#include <QGridLayout>
#include <QPushButton>

#include "core/palette.hpp"
#include "core/ui/qpainter_canvas.hpp"

namespace ravix {
namespace {

QString PanelStyle(std::int32_t code) {
  const QColor face =
      code < 256 ? ToQColor(PaletteColour(static_cast<std::uint8_t>(code))) : QColor(200, 200, 200);
  const QColor text = qGray(face.rgb()) > 128 ? Qt::black : Qt::white;
  return QString(
             "QPushButton { background: %1; color: %2; border: 2px outset #888; "
             "padding: 3px; } QPushButton:checked { border: 2px inset #444; }")
      .arg(face.name(), text.name());
}

}  // namespace

ColourPanelGroup::ColourPanelGroup(const QString& title, std::span<const ColourPanelSpec> panels,
                                   int columns, QWidget* parent)
    : QGroupBox(title, parent) {
  auto* layout = new QGridLayout(this);
  for (const ColourPanelSpec& spec : panels) {
    const int index = static_cast<int>(buttons_.size());
    auto* button = new QPushButton(spec.caption, this);
    button->setObjectName(spec.caption);
    button->setCheckable(true);
    button->setStyleSheet(PanelStyle(spec.code));
    layout->addWidget(button, index / columns, index % columns);
    connect(button, &QPushButton::clicked, this, [this, code = spec.code] {
      ShowChosen(code);
      emit chosen(code);
    });
    buttons_.push_back(button);
    codes_.push_back(spec.code);
  }
}

void ColourPanelGroup::ShowChosen(std::int32_t code) {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->setChecked(codes_[i] == code);
}

}  // namespace ravix
