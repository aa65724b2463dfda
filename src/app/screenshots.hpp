#pragma once

#include <filesystem>

#include "app/desktop_program.hpp"

namespace ravix {

// Sends to every controller, shows every window, plays the workspace's first drawing so the laser
// views have something to show, saves a PNG of each window into `folder` (named after the window)
// and then closes the main window.
void ScheduleScreenshots(DesktopProgram& program, const std::filesystem::path& folder);

}  // namespace ravix
