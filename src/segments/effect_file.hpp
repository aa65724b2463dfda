#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.hpp"
#include "core/workspace.hpp"
#include "segments/effect_step.hpp"

namespace ravix {

inline constexpr const char* kEffectFileExtension = ".ect";

// An effect file (".ect"): "EffectName=" + name + ".ect", then one step a line.
std::vector<std::string> EffectFileToLines(std::string_view name,
                                           std::span<const EffectStep> steps);

// Writes the effect `name` to the workspace's "Effect" folder as name + ".ect",
// replacing any file of that name.
Status EffectFileWrite(const Workspace& workspace, std::string_view name,
                       std::span<const EffectStep> steps);

// The steps of an effect file: every line after the first, unchanged.
std::vector<EffectStep> EffectFileFromLines(std::span<const std::string> lines);

// Replaces `steps` with the file's steps; a file that cannot be read leaves
// them empty and is reported.
Status EffectFileRead(const std::filesystem::path& path, std::vector<EffectStep>& steps);

}  // namespace ravix
