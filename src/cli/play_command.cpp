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
#include "core/settings_file.hpp"
#include "output/drawing_playback.hpp"
#include "output/late_connection_probe.hpp"
#include "output/play_host.hpp"

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

// Everything a play needs while it runs.
struct PlaySession {
  LiveState& live;
  PlayHost& host;
  StatusLines& status;
};

Status PlayDrawing(const std::filesystem::path& file, PlaySession& session) {
  Drawing editorDrawing;
  if (Status status = DrawingFileRead(file, editorDrawing, 2); !status)
    return status;
  return StartDrawingPlayback(
      session.host, session.live, editorDrawing, false, false,
      [&status = session.status](const std::string& text) { status.Write(text); });
}

struct Material {
  const char* extension;
  Status (*start)(const std::filesystem::path&, PlaySession&);  // null until its player exists
};

constexpr Material kMaterials[] = {
    {".ddr", PlayDrawing}, {".ild", nullptr}, {".ilf", nullptr},
    {".sec", nullptr},     {".seq", nullptr},
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
  PlayHost host(live, bus);
  PlaySession session{live, host, status};
  if (Status started = material->start(file, session); !started) {
    return Fail(context, started.error());
  }

  const auto start = Clock::now();
  const auto deadline = seconds ? start + std::chrono::seconds(*seconds) : Clock::time_point::max();
  auto nextProgress = start + kProgressInterval;
  auto nextProbe = start + kProbeInterval;
  int elapsed = 0;
  while (host.Running()) {
    const auto now = Clock::now();
    if (now >= deadline)
      break;
    const auto wake = std::min({deadline, nextProgress, nextProbe, now + kEndCheckInterval});
    if (StopSignalWithin(stopSignals, wake - now))
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
  host.StopAndWait();
  return kExitOk;
}

}  // namespace ravix::cli
