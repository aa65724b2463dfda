#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ravix {

// An edit box with up/down arrows that takes a whole number with a lower limit
// ("Point Space", "Sides of polygon"). Only digits and Backspace reach the
// text; Enter or leaving the box commits it.
class NumberBox {
 public:
  NumberBox(std::int32_t lowerLimit, std::int32_t value)
      : lowerLimit_(lowerLimit), value_(value), text_(std::to_string(value)) {}

  // A typed key: digits are appended, Backspace ('\b') removes the last
  // character, everything else is swallowed.
  void TypeKey(char key);
  void SetText(std::string_view text) { text_ = text; }

  // Enter or focus loss. An empty box shows the value again; otherwise the
  // number is taken, raised to the lower limit. A number beyond 32 bits ends
  // with the conversion error (returned) and the box shows the value again.
  std::string Commit();

  std::int32_t value() const { return value_; }
  void SetValue(std::int32_t value);
  const std::string& text() const { return text_; }

 private:
  std::int32_t lowerLimit_;
  std::int32_t value_;
  std::string text_;
};

}  // namespace ravix
