#include "output/ui/virtual_key.hpp"

#include <QKeyEvent>
#include <array>
#include <utility>

#include "output/quick_pages_model.hpp"

namespace ravix {
namespace {

constexpr std::array<std::pair<int, std::int32_t>, 13> kNamedKeys = {{
    {Qt::Key_Minus, 189},
    {Qt::Key_Equal, 187},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_Comma, 188},
    {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_Return, kKeyEnter},
}};

}  // namespace

std::optional<std::int32_t> VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Enter)
    return kKeyEnter;
  if (event.modifiers() & Qt::KeypadModifier)
    return std::nullopt;
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
    return key;  // the same codes
  for (const auto& [qtKey, virtualKey] : kNamedKeys) {
    if (qtKey == key)
      return virtualKey;
  }
  return std::nullopt;
}

}  // namespace ravix
