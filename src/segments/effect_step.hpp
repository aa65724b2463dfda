#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ravix {

// One effect step as the files hold it: the code, ":", then one value or three
// values separated by ",", e.g. "hb:128" or "ro:128,128,200". Readers keep step
// texts unchanged; the effect engine parses them.
using EffectStep = std::string;

// The text form of a step from its code and its values.
EffectStep FormatEffectStep(std::string_view code, std::span<const int> values);

}  // namespace ravix
