#include "cli/edit_script.hpp"

#include <array>
#include <cctype>
#include <limits>
#include <optional>
#include <span>
#include <utility>

#include "core/text_lines.hpp"
#include "drawing/rotation_dialog_model.hpp"

namespace ravix::cli {
namespace {

using Tokens = std::vector<std::string_view>;
using T = DrawingTool;

constexpr std::array<std::pair<const char*, DrawingTool>, 18> kToolNames = {{
    {"line2p", T::kLine2P},
    {"linemp", T::kLineMP},
    {"arc", T::kArc},
    {"circle", T::kCircle},
    {"rect4", T::kRectangle},
    {"rectmp", T::kRectangleMP},
    {"polygon", T::kPolygon},
    {"polygonmp", T::kPolygonMP},
    {"point", T::kPoint},
    {"selectp", T::kSelectPoint},
    {"selecto", T::kSelectObject},
    {"movepoint", T::kMovePoint},
    {"addpoint", T::kAddPoint},
    {"xchange", T::kXChange},
    {"blankline", T::kBlankLine},
    {"move", T::kMove},
    {"scale", T::kScale},
    {"dropper", T::kDropper},
}};

using Operation = void (*)(PictureDocument&, PictureEditor&);

constexpr std::array<std::pair<const char*, Operation>, 17> kOperations = {{
    {"undo", [](PictureDocument& d, PictureEditor&) { d.Undo(); }},
    {"redo", [](PictureDocument& d, PictureEditor&) { d.Redo(); }},
    {"selectall", [](PictureDocument& d, PictureEditor&) { d.SelectAll(); }},
    {"unselectall", [](PictureDocument& d, PictureEditor&) { d.UnselectAll(); }},
    {"erase", [](PictureDocument& d, PictureEditor&) { d.Erase(); }},
    {"colour", [](PictureDocument& d, PictureEditor&) { d.ChangeSelectionColour(); }},
    {"rainbow", [](PictureDocument& d, PictureEditor&) { d.Rainbow(); }},
    {"blank", [](PictureDocument& d, PictureEditor&) { d.ToggleSelectionBlanking(); }},
    {"savebuffer", [](PictureDocument& d, PictureEditor&) { d.SaveToBuffer(); }},
    {"loadbuffer", [](PictureDocument& d, PictureEditor&) { d.LoadFromBuffer(); }},
    {"hmirror", [](PictureDocument&, PictureEditor& e) { e.HorizontalMirror(); }},
    {"vmirror", [](PictureDocument&, PictureEditor& e) { e.VerticalMirror(); }},
    {"setbackground", [](PictureDocument& d, PictureEditor&) { d.SetBackgroundColour(); }},
    {"setblanking", [](PictureDocument& d, PictureEditor&) { d.SetBlankingColour(); }},
    {"visible", [](PictureDocument& d, PictureEditor&) { d.ToggleVisiblePoints(); }},
    {"redraw", [](PictureDocument& d, PictureEditor&) { d.Redraw(); }},
    {"new", [](PictureDocument& d, PictureEditor&) { d.New(); }},
}};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<std::pair<const char*, Value>, N>& table,
                            std::string_view name) {
  for (const auto& [key, value] : table) {
    if (name == key)
      return value;
  }
  return std::nullopt;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

Tokens Split(std::string_view line) {
  Tokens tokens;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsBlank(line[at]))
      ++at;
    const std::size_t start = at;
    while (at < line.size() && !IsBlank(line[at]))
      ++at;
    if (at > start)
      tokens.push_back(line.substr(start, at - start));
  }
  return tokens;
}

// The text after the command word and the blanks that follow it.
std::string_view RestAfterWord(std::string_view line) {
  std::size_t at = 0;
  while (at < line.size() && IsBlank(line[at]))
    ++at;
  while (at < line.size() && !IsBlank(line[at]))
    ++at;
  if (at < line.size())
    ++at;  // one separating blank; what follows is typed as is
  return line.substr(at);
}

std::optional<int> IntegerIn(std::string_view token, int low, int high) {
  const std::optional<std::int32_t> value = ParseDecimalInt(token);
  if (!value || *value < low || *value > high)
    return std::nullopt;
  return *value;
}

std::optional<int> AnyInteger(std::string_view token) {
  return IntegerIn(token, std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max());
}

// A malformed line yields an empty action and sets `error`.
class LineParser {
 public:
  explicit LineParser(std::string& error) : error_(error) {}

  EditAction Parse(std::string_view line) {
    const Tokens t = Split(line);
    const std::string_view word = t.front();
    if (word == "tool")
      return Tool(t);
    if (word == "left" || word == "right" || word == "move")
      return Mouse(t);
    if (word == "key")
      return Key(t);
    if (word == "op")
      return Op(t);
    if (word == "colour")
      return Colour(t);
    if (word == "pointspace" || word == "sides")
      return NumberBox(word, RestAfterWord(line));
    if (word == "copyflag")
      return CopyFlag(t);
    if (word == "rotate")
      return Rotate(t);
    return Bad("unknown command '" + std::string(word) + "'");
  }

 private:
  EditAction Bad(std::string problem) {
    error_ = std::move(problem);
    return {};
  }
  EditAction Malformed(const Tokens& t) {
    return Bad("malformed '" + std::string(t.front()) + "' command");
  }

  EditAction Tool(const Tokens& t) {
    const auto tool = t.size() == 2 ? Lookup(kToolNames, t[1]) : std::nullopt;
    if (!tool)
      return Malformed(t);
    return [tool = *tool](PictureDocument&, PictureEditor& e) { e.ChooseTool(tool); };
  }

  EditAction Mouse(const Tokens& t) {
    if (t.size() < 3 || t.size() > 4 || (t.size() == 4 && t[3] != "ctrl"))
      return Malformed(t);
    const auto x = AnyInteger(t[1]);
    const auto y = AnyInteger(t[2]);
    if (!x || !y)
      return Malformed(t);
    const ToolEvent event{{*x, *y}, t.size() == 4};
    if (t[0] == "left")
      return [event](PictureDocument&, PictureEditor& e) { e.LeftDown(event); };
    if (t[0] == "right")
      return [event](PictureDocument&, PictureEditor& e) { e.RightDown(event); };
    return [event](PictureDocument&, PictureEditor& e) { e.MouseMove(event); };
  }

  EditAction Key(const Tokens& t) {
    if (t.size() != 2)
      return Malformed(t);
    char key = '\0';
    if (t[1] == "Esc") {
      key = kEscapeKey;
    } else if (t[1].size() == 1 && std::isalpha(static_cast<unsigned char>(t[1][0]))) {
      key = t[1][0];
    } else {
      return Malformed(t);
    }
    return [key](PictureDocument&, PictureEditor& e) { e.KeyPress(key); };
  }

  EditAction Op(const Tokens& t) {
    const auto operation = t.size() == 2 ? Lookup(kOperations, t[1]) : std::nullopt;
    if (!operation)
      return Malformed(t);
    return *operation;
  }

  EditAction Colour(const Tokens& t) {
    const auto index = t.size() == 2 ? IntegerIn(t[1], 0, 255) : std::nullopt;
    if (!index)
      return Malformed(t);
    return [index = static_cast<std::uint8_t>(*index)](PictureDocument& d, PictureEditor&) {
      d.SelectColour(index);
    };
  }

  EditAction NumberBox(std::string_view word, std::string_view text) {
    if (word == "pointspace") {
      return [text = std::string(text)](PictureDocument& d, PictureEditor&) {
        d.EnterPointSpace(text);
      };
    }
    return [text = std::string(text)](PictureDocument& d, PictureEditor&) {
      d.EnterPolygonSides(text);
    };
  }

  EditAction CopyFlag(const Tokens& t) {
    if (t.size() != 2 || (t[1] != "on" && t[1] != "off"))
      return Malformed(t);
    return [on = t[1] == "on"](PictureDocument& d, PictureEditor&) { d.SetCopyObjectFlag(on); };
  }

  EditAction Rotate(const Tokens& t) {
    const auto angle = t.size() >= 2 ? IntegerIn(t[1], 0, kMaxRotationAngle) : std::nullopt;
    if (!angle)
      return Malformed(t);
    bool anticlockwise = false;
    std::optional<CanvasPoint> centre;
    for (std::size_t i = 2; i < t.size(); ++i) {
      if (t[i] == "anticlockwise" && !anticlockwise) {
        anticlockwise = true;
      } else if (t[i] == "centre" && !centre && i + 2 < t.size()) {
        const auto cx = IntegerIn(t[i + 1], 0, kRotationPreviewSize - 1);
        const auto cy = IntegerIn(t[i + 2], 0, kRotationPreviewSize - 1);
        if (!cx || !cy)
          return Malformed(t);
        centre = CanvasPoint{*cx, *cy};
        i += 2;
      } else {
        return Malformed(t);
      }
    }
    return [angle = *angle, anticlockwise, centre](PictureDocument& d, PictureEditor& e) {
      RotationDialogModel& dialog = e.OpenRotation();
      dialog.SetAngle(angle);
      dialog.SetAnticlockwise(anticlockwise);
      if (centre)
        dialog.ClickPreview(*centre);
      dialog.Ok(d);
    };
  }

  std::string& error_;
};

bool Ignored(std::string_view line) {
  const Tokens tokens = Split(line);
  return tokens.empty() || tokens.front().front() == '#';
}

}  // namespace

EditScript ParseEditScript(std::string_view text) {
  EditScript script;
  const std::vector<std::string> lines =
      SplitLines(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Ignored(lines[i]))
      continue;
    EditAction action = LineParser(script.error).Parse(lines[i]);
    if (!action) {
      script.errorLine = i + 1;
      script.actions.clear();
      return script;
    }
    script.actions.push_back(std::move(action));
  }
  return script;
}

}  // namespace ravix::cli
