#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "core/ilda_file.hpp"
#include "drawing/converter.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/point_reduction.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "convert IN... OUT [--reduce T]";

bool AllHaveExtension(std::span<const std::filesystem::path> files, const std::string& extension) {
  for (const auto& file : files) {
    if (LowerExtension(file) != extension)
      return false;
  }
  return true;
}

int DrawingsToIlda(CliContext& context, std::span<const std::filesystem::path> inputs,
                   const std::filesystem::path& output) {
  const TILDAimage image = DrawingListToIldaImage(inputs);
  if (Status status = IldaFileWrite(output, image); !status)
    return Fail(context, status.error());
  return kExitOk;
}

int DrawingsToFrameList(CliContext& context, std::span<const std::filesystem::path> inputs,
                        const std::filesystem::path& output) {
  if (Status status = FrameListWrite(output, DrawingListToFrameList(inputs)); !status) {
    return Fail(context, status.error());
  }
  return kExitOk;
}

int IldaToFrameList(CliContext& context, const std::filesystem::path& input,
                    const std::filesystem::path& output, std::optional<long> reduce) {
  TILDAimage image;
  if (const IldaReadResult read = IldaFileRead(input, image); !read.fileStatus) {
    return Fail(context, read.fileStatus.error());
  }
  FrameList frames = IldaImageToFrameList(image);
  if (reduce)
    frames = ReduceFrameListPoints(frames, static_cast<int>(*reduce));
  if (Status status = FrameListWrite(output, frames); !status) {
    return Fail(context, status.error());
  }
  return kExitOk;
}

int MergeIlda(CliContext& context, std::span<const std::filesystem::path> inputs,
              const std::filesystem::path& output) {
  if (Status status = IldaFileWrite(output, MergeIldaFiles(inputs)); !status) {
    return Fail(context, status.error());
  }
  return kExitOk;
}

// A frame list that does not read cleanly is not exploded at all.
int ExplodeFrames(CliContext& context, const std::filesystem::path& input,
                  const std::filesystem::path& base) {
  FrameList frames;
  if (Status status = FrameListRead(input, frames); !status) {
    return Fail(context, status.error());
  }
  if (Status status = ExplodeFrameList(frames, base); !status) {
    return Fail(context, status.error());
  }
  return kExitOk;
}

}  // namespace

int RunConvert(CliContext& context, Arguments& args) {
  const std::optional<long> reduce = args.TakeInteger("--reduce");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() < 2)
    return UsageError(context, "convert needs IN and OUT", kUsage);

  const std::vector<std::filesystem::path> inputs(positionals->begin(), positionals->end() - 1);
  const std::filesystem::path output = positionals->back();
  for (const auto& input : inputs) {
    if (!std::filesystem::is_regular_file(input)) {
      return Fail(context, input.string() + ": no such file");
    }
  }
  const std::string outExtension = LowerExtension(output);
  const bool single = inputs.size() == 1;
  const bool ildaToFrameList = single && AllHaveExtension(inputs, ".ild") && outExtension == ".ilf";
  if (reduce && !ildaToFrameList)
    return UsageError(context, "--reduce applies to .ild to .ilf only", kUsage);
  if (reduce && (*reduce < kMinReductionThreshold || *reduce > kMaxReductionThreshold)) {
    return UsageError(context, "--reduce needs a threshold from 0 to 300", kUsage);
  }
  if (AllHaveExtension(inputs, ".ddr") && outExtension == ".ild") {
    return DrawingsToIlda(context, inputs, output);
  }
  if (AllHaveExtension(inputs, ".ddr") && outExtension == ".ilf") {
    return DrawingsToFrameList(context, inputs, output);
  }
  if (ildaToFrameList)
    return IldaToFrameList(context, inputs.front(), output, reduce);
  if (AllHaveExtension(inputs, ".ild") && outExtension == ".ild") {
    return MergeIlda(context, inputs, output);
  }
  if (single && AllHaveExtension(inputs, ".ilf") && outExtension.empty()) {
    return ExplodeFrames(context, inputs.front(), output);
  }
  return UsageError(
      context, "cannot convert '" + LowerExtension(inputs.front()) + "' to '" + outExtension + "'",
      kUsage);
}

}  // namespace ravix::cli
