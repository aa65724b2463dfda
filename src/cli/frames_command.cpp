#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/commands.hpp"
#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "core/settings_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/frame_list_file.hpp"
#include "output/drawing_playback.hpp"
#include "output/frame_capture.hpp"
#include "output/play_types.hpp"
#include "output/quick_pages_player.hpp"
#include "output/quick_player.hpp"
#include "segments/effect_list.hpp"
#include "segments/segment_file.hpp"
#include "segments/segment_player.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage =
    "frames FILE --player P [--count N] [--settings INI] [--invert-x] [--invert-y] [--loop] "
    "[--paused] [--colour CODE] [--point] [--sliders NAME=V,...] [--time-fade V] "
    "[--tick-each-write]";

constexpr std::array kSliderNames = {"rotation", "hturn",    "vturn",    "slowdraw", "hmove",
                                     "vmove",    "hstretch", "vstretch", "zoom",     "chspeed"};

// The options that set live values of the players.
struct PlayerOptions {
  int colourMode = 257;
  bool point = false;
  std::array<std::int32_t, kSliderNames.size()> sliders{0, 0, 0, 0, 0, 0, 0, 0, 0, 30};
  std::int32_t timeFade = 2;
  bool tickEachWrite = false;
};

struct FramesRun {
  std::filesystem::path file;
  std::size_t count = 1;
  LiveState live;
  PlayerOptions player;
};

int PlayPicture(CliContext& context, FramesRun& run) {
  Drawing editorDrawing;
  if (Status status = DrawingFileRead(run.file, editorDrawing, 2); !status) {
    return Fail(context, status.error());
  }
  // The window starts nothing for a drawing without objects.
  if (editorDrawing.empty())
    return kExitOk;
  const PlayJob job{MakeDrawingPlayCopy(editorDrawing), {}, {}};
  for (const std::string& line :
       CapturePlayLoop(kPlayTypeDrawingPlayback, job, run.live, FrameCaptureOptions{run.count})) {
    context.out << line << '\n';
  }
  return kExitOk;
}

// Prints what the loop of `playType` sends on `job`.
int CaptureAndPrint(CliContext& context, const FramesRun& run, std::uint8_t playType,
                    const PlayJob& job, std::atomic<bool>& tick, LiveState& live) {
  const FrameCaptureOptions options{run.count, run.player.tickEachWrite ? &tick : nullptr};
  for (const std::string& line : CapturePlayLoop(playType, job, live, options))
    context.out << line << '\n';
  return kExitOk;
}

// The "Quick play" window's segment mode: rows and effects from the file, the
// window's colour and "Point" box, its frame tick as the row clock.
int PlaySegment(CliContext& context, FramesRun& run) {
  auto job = std::make_shared<SegmentPlayJob>();
  if (Status status = SegmentFileRead(run.file, job->rows); !status)
    return Fail(context, status.error());
  EffectList effects;
  if (Status status = EffectListFileRead(run.file, effects); !status)
    return Fail(context, status.error());
  job->channel = std::make_shared<SegmentPlayChannel>();
  SegmentPlayChannel& channel = *job->channel;
  channel.effects.Set(effects);
  channel.selectedColour = run.player.colourMode;
  channel.pointOverride = run.player.point;
  return CaptureAndPrint(context, run, kPlayTypeQuickPlaySegment, PlayJob{{}, {}, std::move(job)},
                         channel.tick, run.live);
}

// The "Quick play" window's channel as the options set it.
std::shared_ptr<QuickPlayChannel> QuickChannel(FramesRun& run) {
  auto channel = std::make_shared<QuickPlayChannel>();
  for (std::size_t i = 0; i < kQuickSliderCount; ++i)
    channel->sliders[i].store(run.player.sliders[i], std::memory_order_relaxed);
  channel->point.store(run.player.point, std::memory_order_relaxed);
  channel->colourMode.store(run.player.colourMode, std::memory_order_relaxed);
  return channel;
}

// Prints what the "Quick play" loop of `playType` sends on `job`.
int PlayQuickJob(CliContext& context, FramesRun& run, std::uint8_t playType,
                 std::shared_ptr<QuickPlayJob> job) {
  job->channel = QuickChannel(run);
  std::atomic<bool>& tick = job->channel->frameTick;
  PlayJob playJob;
  playJob.quick = std::move(job);
  return CaptureAndPrint(context, run, playType, playJob, tick, run.live);
}

int PlayQuick(CliContext& context, FramesRun& run) {
  Drawing drawing;
  if (Status status = DrawingFileRead(run.file, drawing, 1); !status)
    return Fail(context, status.error());
  auto job = std::make_shared<QuickPlayJob>();
  job->drawing = MakeQuickDrawingCopy(drawing);
  return PlayQuickJob(context, run, kPlayTypeQuickDrawing, std::move(job));
}

int PlayIlda(CliContext& context, FramesRun& run) {
  TILDAimage image;
  if (const IldaReadResult read = IldaFileRead(run.file, image); !read.fileStatus)
    return Fail(context, read.fileStatus.error());
  auto job = std::make_shared<QuickPlayJob>();
  job->frames = MakeQuickIldaCopy(image);
  return PlayQuickJob(context, run, kPlayTypeQuickIlda, std::move(job));
}

// The "Quick play II" page player on the frames of the file; a list the
// reader stopped in is played as far as it was read, as the window does.
int PlayPages(CliContext& context, FramesRun& run) {
  auto frames = std::make_shared<FrameList>();
  if (Status status = FrameListRead(run.file, *frames); !status && frames->empty())
    return Fail(context, status.error());
  auto channel = std::make_shared<PagesPlayChannel>();
  channel->timeFade.store(run.player.timeFade, std::memory_order_relaxed);
  channel->colourMode.store(run.player.colourMode, std::memory_order_relaxed);
  PlayJob playJob;
  playJob.pages = std::make_shared<PagesPlayJob>(PagesPlayJob{frames, channel});
  return CaptureAndPrint(context, run, kPlayTypeQuickPages, playJob, channel->segmentTick,
                         run.live);
}

struct Player {
  const char* name;
  const char* extension;
  int (*play)(CliContext&, FramesRun&);  // null until the player exists
};

constexpr Player kPlayers[] = {
    {"picture", ".ddr", PlayPicture}, {"quick", ".ddr", PlayQuick}, {"ilda", ".ild", PlayIlda},
    {"segment", ".sec", PlaySegment}, {"pages", ".ilf", PlayPages},
};

// "NAME=V,..." into the slider values; false on a malformed list.
bool ParseSliders(const std::string& text, PlayerOptions& options) {
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    const auto equals = item.find('=');
    if (equals == std::string::npos)
      return false;
    const auto value = ParseDecimalInt(item.substr(equals + 1));
    const std::string name = item.substr(0, equals);
    std::size_t index = 0;
    while (index < kSliderNames.size() && name != kSliderNames[index])
      ++index;
    if (!value || index == kSliderNames.size())
      return false;
    options.sliders[index] = *value;
  }
  return true;
}

bool ValidColourMode(long code) {
  return (code >= 0 && code <= 255) || (code >= 257 && code <= 260);
}

}  // namespace

int RunFrames(CliContext& context, Arguments& args) {
  FramesRun run;
  const auto playerName = args.TakeOption("--player");
  const auto count = args.TakeInteger("--count");
  const auto settingsPath = args.TakeOption("--settings");
  run.live.settings.invertX = args.TakeFlag("--invert-x");
  run.live.settings.invertY = args.TakeFlag("--invert-y");
  run.live.control.loopPlay = args.TakeFlag("--loop");
  run.live.control.paused = args.TakeFlag("--paused");
  const auto colour = args.TakeInteger("--colour");
  run.player.point = args.TakeFlag("--point");
  const auto sliders = args.TakeOption("--sliders");
  const auto timeFade = args.TakeInteger("--time-fade");
  run.player.tickEachWrite = args.TakeFlag("--tick-each-write");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() != 1)
    return UsageError(context, "expected one FILE", kUsage);
  if (!playerName)
    return UsageError(context, "--player is required", kUsage);
  if (count && *count < 0)
    return UsageError(context, "--count must not be negative", kUsage);
  if (colour && !ValidColourMode(*colour)) {
    return UsageError(context, "--colour takes 0..255 or 257..260", kUsage);
  }
  if (sliders && !ParseSliders(*sliders, run.player)) {
    return UsageError(context, "--sliders takes NAME=V,... with the Quick play slider names",
                      kUsage);
  }
  run.file = positionals->front();
  run.count = count ? static_cast<std::size_t>(*count) : 1;
  if (colour)
    run.player.colourMode = static_cast<int>(*colour);
  if (timeFade)
    run.player.timeFade = static_cast<std::int32_t>(*timeFade);

  const Player* player = nullptr;
  for (const Player& p : kPlayers) {
    if (*playerName == p.name)
      player = &p;
  }
  if (!player)
    return UsageError(context, "unknown player " + *playerName, kUsage);
  if (LowerExtension(run.file) != player->extension) {
    return UsageError(
        context,
        std::string("the ") + player->name + " player plays " + player->extension + " files",
        kUsage);
  }
  if (!player->play)
    return Fail(context, std::string("the ") + player->name + " player is not available yet");

  if (settingsPath) {
    SettingsFile settings;
    if (Status status = settings.LoadSettings(*settingsPath); !status) {
      return Fail(context, status.error());
    }
    LoadPlaySettings(settings, run.live.settings);  // the mirror flags stay as given
  }
  return player->play(context, run);
}

}  // namespace ravix::cli
