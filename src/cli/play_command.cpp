#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/controller_options.hpp"
#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "core/settings_file.hpp"
#include "output/drawing_playback.hpp"
#include "output/late_connection_probe.hpp"
#include "output/play_host.hpp"
#include "output/quick_pages_player.hpp"
#include "output/quick_play_timers.hpp"
#include "output/quick_player.hpp"
#include "segments/effect_list.hpp"
#include "segments/media_player.hpp"
#include "segments/segment_file.hpp"
#include "segments/segment_play_timers.hpp"
#include "segments/segment_player.hpp"
#include "shows/show_player.hpp"

namespace ravix::cli {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr const char* kUsage = "play FILE [--simulate N] [--seconds S] [--loop]";
constexpr auto kProbeInterval = 2000ms;
constexpr auto kProgressInterval = 1000ms;
constexpr auto kEndCheckInterval = 200ms;

// Lines on stderr from the main thread and the play thread, one at a time.
class StatusLines {
 public:
  explicit StatusLines(std::ostream& err) : err_(err) {}
  void Write(const std::string& line) {
    std::lock_guard lock(mutex_);
    err_ << line << '\n' << std::flush;
  }

 private:
  std::mutex mutex_;
  std::ostream& err_;
};

// Everything a play needs to start.
struct PlaySession {
  LiveState& live;
  const ControllerBus& bus;
  const FoundDevices& found;
  const SettingsFile& settings;
  const Workspace& workspace;
  StatusLines& status;
};

// A play that runs until it ends or is stopped, with the window timers it
// needs, driven by the real clock.
class ActivePlay {
 public:
  virtual ~ActivePlay() = default;
  virtual bool Running() = 0;
  // Fires the timers due at `now`; returns when the next one is due.
  virtual Clock::time_point FireTimers(Clock::time_point now) = 0;
  virtual void Stop() = 0;
};

// A timer that fires at `next` and then after the period each firing returns.
struct RealTimer {
  Clock::time_point next;
  bool enabled = true;
  template <typename Fire>
  void FireIfDue(Clock::time_point now, Fire fire) {
    if (enabled && now >= next)
      next = now + fire();
  }
};

// A play of the play host, with no timers of its own.
class HostPlay : public ActivePlay {
 public:
  explicit HostPlay(const PlaySession& session) : host_(session.live, session.bus) {}
  PlayHost& host() { return host_; }
  bool Running() override { return host_.Running(); }
  Clock::time_point FireTimers(Clock::time_point) override { return Clock::time_point::max(); }
  void Stop() override { host_.StopAndWait(); }

 private:
  PlayHost host_;
};

Status PlayDrawing(const std::filesystem::path& file, const PlaySession& session,
                   std::unique_ptr<ActivePlay>& play) {
  Drawing editorDrawing;
  if (Status status = DrawingFileRead(file, editorDrawing, 2); !status)
    return status;
  auto hostPlay = std::make_unique<HostPlay>(session);
  Status started = StartDrawingPlayback(
      hostPlay->host(), session.live, editorDrawing, false, false,
      [&status = session.status](const std::string& text) { status.Write(text); });
  play = std::move(hostPlay);
  return started;
}

// The "Segment edit" window playing a segment file: its rows and effect list,
// the tick timer (first tick after 100 ms, then every 5 ms) and the preview
// timer, which hands each frame back to the player.
class SegmentFilePlay : public HostPlay {
 public:
  explicit SegmentFilePlay(const PlaySession& session)
      : HostPlay(session),
        channel_(std::make_shared<SegmentPlayChannel>()),
        timers_(session.live, *channel_, /*drawingMode=*/false, kSegmentPlayOverText,
                [&status = session.status](const std::string& text) { status.Write(text); }) {
    const auto now = Clock::now();
    tick_.next = now + SegmentPlayTimers::kSegmentFirstTick;
    preview_.next = now + SegmentPlayTimers::kSegmentFirstPreview;
  }

  std::shared_ptr<SegmentPlayChannel> channel() { return channel_; }
  bool Running() override { return preview_.enabled; }
  Clock::time_point FireTimers(Clock::time_point now) override {
    tick_.FireIfDue(now, [&] { return timers_.Tick(); });
    preview_.FireIfDue(now, [&] {
      preview_.enabled = timers_.Preview().keepRunning;
      return SegmentPlayTimers::kPreviewInterval;
    });
    tick_.enabled = timers_.TickEnabled();
    return std::min(tick_.enabled ? tick_.next : Clock::time_point::max(),
                    preview_.enabled ? preview_.next : Clock::time_point::max());
  }

 private:
  std::shared_ptr<SegmentPlayChannel> channel_;
  SegmentPlayTimers timers_;
  RealTimer tick_;
  RealTimer preview_;
};

Status PlaySegment(const std::filesystem::path& file, const PlaySession& session,
                   std::unique_ptr<ActivePlay>& play) {
  std::vector<TSectionRecord> rows;
  if (Status status = SegmentFileRead(file, rows); !status)
    return status;
  EffectList effects;
  if (Status status = EffectListFileRead(file, effects); !status)
    return status;
  auto segmentPlay = std::make_unique<SegmentFilePlay>(session);
  segmentPlay->channel()->effects.Set(effects);
  Status started = StartSegmentPlay(
      segmentPlay->host(), session.live, std::move(rows), segmentPlay->channel(), std::nullopt, {},
      [&status = session.status](const std::string& text) { status.Write(text); });
  play = std::move(segmentPlay);
  return started;
}

// The "Quick play" window playing an ILDA file: the frame timer (first after
// 100 ms, then every frame interval) and the preview timer.
class IldaFilePlay : public HostPlay {
 public:
  explicit IldaFilePlay(const PlaySession& session)
      : HostPlay(session), live_(session.live), status_(session.status) {
    const auto now = Clock::now();
    frame_.next = now + kQuickTimerStartPeriod;
    preview_.next = now + kQuickTimerStartPeriod;
  }

  std::shared_ptr<QuickPlayChannel> channel() { return channel_; }
  bool Running() override { return preview_.enabled; }
  Clock::time_point FireTimers(Clock::time_point now) override {
    std::chrono::milliseconds framePeriod{live_.settings.frameInterval.load()};
    frame_.FireIfDue(now, [&] {
      framePeriod = FireQuickFrameTimer(QuickPlayMode::kIlda, live_, *channel_);
      return framePeriod;
    });
    preview_.FireIfDue(now, [&] {
      const QuickPreviewFiring firing =
          FireQuickPreview(QuickPlayMode::kIlda, live_, framePeriod, {});
      if (!firing.again) {
        preview_.enabled = false;
        frame_.enabled = false;
        status_.Write(firing.endMessage);
      }
      return firing.nextPeriod;
    });
    return std::min(frame_.enabled ? frame_.next : Clock::time_point::max(),
                    preview_.enabled ? preview_.next : Clock::time_point::max());
  }

 private:
  LiveState& live_;
  StatusLines& status_;
  std::shared_ptr<QuickPlayChannel> channel_ = std::make_shared<QuickPlayChannel>();
  RealTimer frame_;
  RealTimer preview_;
};

Status PlayIlda(const std::filesystem::path& file, const PlaySession& session,
                std::unique_ptr<ActivePlay>& play) {
  TILDAimage image;
  if (const IldaReadResult read = IldaFileRead(file, image); !read.fileStatus)
    return read.fileStatus;
  auto ildaPlay = std::make_unique<IldaFilePlay>(session);
  auto job = std::make_shared<QuickPlayJob>();
  job->frames = MakeQuickIldaCopy(image);
  job->channel = ildaPlay->channel();
  PlayButtons buttons;
  buttons.loop = session.live.control.loopPlay;
  Status started =
      StartQuickPlay(ildaPlay->host(), session.live, std::move(job), kPlayTypeQuickIlda, buttons,
                     [&status = session.status](const std::string& text) { status.Write(text); });
  play = std::move(ildaPlay);
  return started;
}

// The "Quick play II" window playing a frame list: the tick timer (first after
// 100 ms, then every 5 ms) and the display timer (first after 50 ms, then every
// 1 ms).
class PagesFilePlay : public HostPlay {
 public:
  static constexpr auto kTickFirst = 100ms;
  static constexpr auto kTickInterval = 5ms;
  static constexpr auto kDisplayFirst = 50ms;
  static constexpr auto kDisplayInterval = 1ms;

  explicit PagesFilePlay(const PlaySession& session)
      : HostPlay(session), live_(session.live), status_(session.status) {
    const auto now = Clock::now();
    tick_.next = now + kTickFirst;
    display_.next = now + kDisplayFirst;
  }

  std::shared_ptr<PagesPlayChannel> channel() { return channel_; }
  std::shared_ptr<const FrameList>& frames() { return frames_; }
  bool Running() override { return display_.enabled; }
  Clock::time_point FireTimers(Clock::time_point now) override {
    tick_.FireIfDue(now, [&] {
      channel_->segmentTick.store(true);
      return kTickInterval;
    });
    display_.FireIfDue(now, [&] {
      if (!FirePagesDisplay(live_, *channel_).again) {
        display_.enabled = false;
        tick_.enabled = false;
        status_.Write(kPagesPlayOverText);
      }
      return kDisplayInterval;
    });
    return std::min(tick_.enabled ? tick_.next : Clock::time_point::max(),
                    display_.enabled ? display_.next : Clock::time_point::max());
  }

 private:
  LiveState& live_;
  StatusLines& status_;
  std::shared_ptr<PagesPlayChannel> channel_ = std::make_shared<PagesPlayChannel>();
  std::shared_ptr<const FrameList> frames_;
  RealTimer tick_;
  RealTimer display_;
};

Status PlayPages(const std::filesystem::path& file, const PlaySession& session,
                 std::unique_ptr<ActivePlay>& play) {
  auto pagesPlay = std::make_unique<PagesFilePlay>(session);
  PlayButtons buttons;
  buttons.loop = session.live.control.loopPlay;
  Status started = StartPagesPlay(
      pagesPlay->host(), session.live, file, pagesPlay->channel(), buttons, pagesPlay->frames(),
      [&status = session.status](const std::string& text) { status.Write(text); });
  if (!started && (!pagesPlay->frames() || pagesPlay->frames()->empty()))
    return started;  // nothing could be read; a list read in part still plays
  play = std::move(pagesPlay);
  return {};
}

// The "Show Edit" window playing a show file: track devices from the stored
// choices, music, the show clock, the display timer and the loop timer.
class ShowFilePlay : public ActivePlay {
 public:
  explicit ShowFilePlay(const PlaySession& session)
      : player_(session.live, session.bus, show_, session.workspace, FindPlayerOnPath(),
                [&status = session.status](const std::string& text) { status.Write(text); }) {
    show_.SetFoundDevices(session.found.driverNames);
    constexpr std::size_t kChoiceLines[] = {kSettingShowList1, kSettingShowList2,
                                            kSettingShowList3};
    for (std::size_t t = 0; t < kShowTrackCount; ++t) {
      show_.tracks[t].deviceChoice = session.settings.SettingsValue(kChoiceLines[t]);
    }
  }

  Status Start(const std::filesystem::path& file) {
    Status status = player_.PlayShow(file);
    const auto now = Clock::now();
    clock_.next = now + ShowClock::kFirstInterval;
    display_.next = now + ShowPlayer::kDisplayFirstInterval;
    loop_.next = now + ShowPlayer::kLoopInterval;
    return status;
  }

  bool Running() override { return player_.DisplayEnabled() || player_.LoopEnabled(); }
  Clock::time_point FireTimers(Clock::time_point now) override {
    const bool wasRunning = player_.ClockEnabled();
    clock_.enabled = player_.ClockEnabled();
    clock_.FireIfDue(now, [&] { return player_.ClockFire(); });
    display_.enabled = player_.DisplayEnabled();
    display_.FireIfDue(now, [&] {
      player_.DisplayFire();
      return ShowPlayer::kDisplayInterval;
    });
    loop_.enabled = player_.LoopEnabled();
    loop_.FireIfDue(now, [&] {
      player_.LoopFire(now);
      return ShowPlayer::kLoopInterval;
    });
    // A restart starts the clock and the display timer again from scratch.
    if (!wasRunning && player_.ClockEnabled()) {
      clock_.next = now + ShowClock::kFirstInterval;
      display_.next = now + ShowPlayer::kDisplayFirstInterval;
    }
    Clock::time_point next = Clock::time_point::max();
    for (const RealTimer* timer : {&clock_, &display_, &loop_}) {
      if (timer->enabled)
        next = std::min(next, timer->next);
    }
    return next;
  }
  void Stop() override { player_.Stop(); }

 private:
  ShowState show_;
  ShowPlayer player_;
  RealTimer clock_;
  RealTimer display_;
  RealTimer loop_;
};

Status PlayShow(const std::filesystem::path& file, const PlaySession& session,
                std::unique_ptr<ActivePlay>& play) {
  auto showPlay = std::make_unique<ShowFilePlay>(session);
  Status started = showPlay->Start(file);
  play = std::move(showPlay);
  return started;
}

struct Material {
  const char* extension;
  // null until its player exists
  Status (*start)(const std::filesystem::path&, const PlaySession&, std::unique_ptr<ActivePlay>&);
};

constexpr Material kMaterials[] = {
    {".ddr", PlayDrawing}, {".ild", PlayIlda}, {".ilf", PlayPages},
    {".sec", PlaySegment}, {".seq", PlayShow},
};

// Ctrl-C and termination are taken by sigtimedwait in the main thread; threads
// started afterwards inherit the blocked mask.
sigset_t BlockStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  return signals;
}

// True when a stop signal arrived within `timeout`.
bool StopSignalWithin(const sigset_t& signals, Clock::duration timeout) {
  const auto ns = std::max<std::int64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(timeout).count(), 0);
  const timespec wait{static_cast<time_t>(ns / 1'000'000'000),
                      static_cast<long>(ns % 1'000'000'000)};
  return sigtimedwait(&signals, nullptr, &wait) > 0;
}

}  // namespace

int RunPlay(CliContext& context, Arguments& args) {
  const auto simulate = args.TakeInteger("--simulate");
  const auto seconds = args.TakeInteger("--seconds");
  const bool loop = args.TakeFlag("--loop");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() != 1)
    return UsageError(context, "expected one FILE", kUsage);
  if (seconds && *seconds < 0)
    return UsageError(context, "--seconds must not be negative", kUsage);
  const auto driver = MakeControllerDriver(simulate, /*paceWrites=*/true);
  if (!driver)
    return UsageError(context, "--simulate takes 0 to 128 controllers", kUsage);

  const std::filesystem::path file = positionals->front();
  const Material* material = nullptr;
  for (const Material& m : kMaterials) {
    if (LowerExtension(file) == m.extension)
      material = &m;
  }
  if (!material)
    return UsageError(context, "cannot play " + file.string(), kUsage);
  if (!material->start) {
    return Fail(context, "playing " + LowerExtension(file) + " files is not available yet");
  }

  LiveState live;
  SettingsFile settings;
  settings.LoadSettings(context.workspace.SettingsPath());  // missing: initial positions
  LoadPlaySettings(settings, live.settings);
  live.control.loopPlay = loop;
  const ControllerBus bus(*driver, kTransferPause);
  FoundDevices found = bus.ScanDevices();
  if (!found.empty())
    live.devices.SetMasterDevice(found.driverNames.front());

  const sigset_t stopSignals = BlockStopSignals();
  StatusLines status(context.err);
  const PlaySession session{live, bus, found, settings, context.workspace, status};
  std::unique_ptr<ActivePlay> play;
  if (Status started = material->start(file, session, play); !started) {
    return Fail(context, started.error());
  }

  const auto start = Clock::now();
  const auto deadline = seconds ? start + std::chrono::seconds(*seconds) : Clock::time_point::max();
  auto nextProgress = start + kProgressInterval;
  auto nextProbe = start + kProbeInterval;
  int elapsed = 0;
  while (play->Running()) {
    const auto now = Clock::now();
    if (now >= deadline)
      break;
    const auto nextTimer = play->FireTimers(now);
    if (!play->Running())
      break;
    const auto wake =
        std::min({deadline, nextProgress, nextProbe, nextTimer, now + kEndCheckInterval});
    if (wake > Clock::now() && StopSignalWithin(stopSignals, wake - Clock::now()))
      break;
    if (Clock::now() >= nextProgress) {
      status.Write("playing " + file.filename().string() + ": " + std::to_string(++elapsed) + " s");
      nextProgress += kProgressInterval;
    }
    if (Clock::now() >= nextProbe) {
      ProbeLateConnection(bus, live, found);
      nextProbe += kProbeInterval;
    }
  }
  play->Stop();
  return kExitOk;
}

}  // namespace ravix::cli
