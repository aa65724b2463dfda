#pragma once

#include <string>
#include <string_view>

#include "core/laser_point.hpp"
#include "core/status.hpp"

namespace ravix {

// The text form of one drawing, as frame lists and segment files store it: one
// token "x,y,z,colour,state,flags|" per point, objects in order.
inline constexpr int kPointFlagBlanked = 1;
inline constexpr int kPointFlagLastOfObject = 128;

// Appends the point line of `drawing` to `out`. Every object's last point
// carries 128; an object without points writes nothing.
void AppendPointLine(const Drawing& drawing, std::string& out);
std::string EncodePointLine(const Drawing& drawing);

// Replaces `drawing` with the points of `line`. Text after the last "|" is
// ignored; state reads as 0 and colour keeps its low 8 bits. A field that is
// not a decimal number, or a token with fewer than six fields, stops the parse
// with the conversion error naming that text; the points before it are kept.
Status ParsePointLine(std::string_view line, Drawing& drawing);

}  // namespace ravix
