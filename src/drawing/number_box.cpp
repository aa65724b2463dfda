#include "drawing/number_box.hpp"

#include <algorithm>

#include "core/text_lines.hpp"

namespace ravix {

void NumberBox::TypeKey(char key) {
  if (key >= '0' && key <= '9') {
    text_.push_back(key);
  } else if (key == '\b' && !text_.empty()) {
    text_.pop_back();
  }
}

std::string NumberBox::Commit() {
  if (text_.empty()) {
    text_ = std::to_string(value_);
    return {};
  }
  const std::optional<std::int32_t> number = ParseDecimalInt(text_);
  if (!number) {
    std::string error = InvalidIntegerMessage(text_);
    text_ = std::to_string(value_);
    return error;
  }
  SetValue(*number);
  return {};
}

void NumberBox::SetValue(std::int32_t value) {
  value_ = std::max(lowerLimit_, value);
  text_ = std::to_string(value_);
}

}  // namespace ravix
