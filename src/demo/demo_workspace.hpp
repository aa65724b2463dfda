#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/status.hpp"
#include "drawing/glyph_outline_source.hpp"

namespace ravix {

// What CreateDemoWorkspace wrote: every file it created, in order, and what it
// left out, with the reason.
struct DemoWorkspaceResult {
  Status status;
  std::vector<std::filesystem::path> created;
  std::vector<std::string> skipped;
};

// Makes `root` a complete workspace: the folders, a "Ravix.ini" with labelled
// lines and the controls' initial values, and demo material made with the
// engine's own generators and writers: drawings of shapes and of text traced
// from `textFont`, a frame-list animation, an ILDA file, effects and an effect
// list, a segment using them, a show with three tracks and a page of
// quick-play frame lists. Without a font (null) the text drawings are skipped.
// Files that already exist are left alone.
DemoWorkspaceResult CreateDemoWorkspace(const std::filesystem::path& root,
                                        GlyphOutlineSource* textFont);

// The same with the text window's default font, when one is installed.
DemoWorkspaceResult CreateDemoWorkspace(const std::filesystem::path& root);

}  // namespace ravix
