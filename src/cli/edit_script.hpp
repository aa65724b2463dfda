#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/picture_document.hpp"
#include "drawing/picture_editor.hpp"

namespace ravix::cli {

// One script line, applied as the window would apply that button, key or
// mouse event.
using EditAction = std::function<void(PictureDocument& document, PictureEditor& editor)>;

struct EditScript {
  std::vector<EditAction> actions;
  // The first bad line (1-based) and what is wrong with it; 0 when none.
  std::size_t errorLine = 0;
  std::string error;
};

// Parses the `edit` command's script: one command a line, blank lines and
// lines starting with '#' ignored.
EditScript ParseEditScript(std::string_view text);

}  // namespace ravix::cli
