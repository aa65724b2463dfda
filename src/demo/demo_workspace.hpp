#pragma once

#include <filesystem>
#include <vector>

#include "core/status.hpp"

namespace ravix {

// What CreateDemoWorkspace wrote: every file it created, in order.
struct DemoWorkspaceResult {
  Status status;
  std::vector<std::filesystem::path> created;
};

// Makes `root` a complete workspace: the folders, a "Ravix.ini" with labelled
// lines and the controls' initial values, and demo material made with the
// engine's own generators and writers: drawings, a frame-list animation, an
// ILDA file, effects and an effect list, a segment using them, a show with
// three tracks and a page of quick-play frame lists. Files that already exist
// are left alone.
DemoWorkspaceResult CreateDemoWorkspace(const std::filesystem::path& root);

}  // namespace ravix
