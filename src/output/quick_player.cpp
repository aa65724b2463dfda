#include "output/quick_player.hpp"

#include <algorithm>

#include "output/control_message.hpp"
#include "output/device_output.hpp"
#include "output/frame_encoder.hpp"
#include "output/quick_frame_builder.hpp"
#include "output/settings_snapshot.hpp"

namespace ravix {

Drawing MakeQuickDrawingCopy(const Drawing& drawing) {
  Drawing copy = drawing;
  for (DrawingObject& object : copy) {
    for (LaserPoint& p : object) {
      p.x = std::clamp(p.x, 0, 255);
      p.y = std::clamp(p.y, 0, 255);
    }
  }
  return copy;
}

std::vector<Drawing> MakeQuickIldaCopy(const TILDAimage& image) {
  std::vector<Drawing> frames;
  frames.reserve(image.frames.size());
  for (const TILDAframe& frame : image.frames) {
    DrawingObject& object = frames.emplace_back().emplace_back();
    object.reserve(frame.points.size());
    for (LaserPoint p : frame.points) {
      p.x = std::clamp(p.x + 128, 0, 255);
      p.y = std::clamp(p.y + 128, 0, 255);
      p.state = kStateNormal;
      object.push_back(p);
    }
  }
  return frames;
}

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// What both modes share: the control messages, the settings snapshot and the
// block built with the live effects.
class QuickPlaySession {
 public:
  QuickPlaySession(const PlayContext& context, BasePosition base)
      : context_(context),
        base_(base),
        controlMessages_(context.bus, context.live),
        snapshot_(context.live.settings),
        builder_(context.live, *context.job.quick->channel) {
    controlMessages_.SendFirst();
    context.live.control.playing.store(true, kRelaxed);
  }
  ~QuickPlaySession() { context_.live.control.playing.store(false, kRelaxed); }
  QuickPlaySession(const QuickPlaySession&) = delete;
  QuickPlaySession& operator=(const QuickPlaySession&) = delete;

  bool Stopped() const { return context_.live.control.stopRequested.load(kRelaxed); }

  // One pass: a new control message when needed, the snapshot, the block
  // (announced to the preview); the block sent unless a stop came first. False
  // when stopped.
  bool SendPass(const Drawing& objects) {
    controlMessages_.SendIfChanged();
    snapshot_.Refresh(context_.live);
    const PointEncoder encoder(context_.live.settings.Values(), base_);
    if (!builder_.Build(objects, encoder, block_) || Stopped())
      return false;
    // A new frame for the window's preview timer.
    context_.live.control.settingsChanged.store(true, kRelaxed);
    return SendFrame(context_.bus, context_.live, block_);
  }

 private:
  const PlayContext& context_;
  BasePosition base_;
  ControlMessageSender controlMessages_;
  SettingsSnapshot snapshot_;
  QuickFrameBuilder builder_;
  std::vector<std::uint8_t> block_;
};

}  // namespace

void QuickDrawingLoop(const PlayContext& context) {
  if (!context.job.quick)
    return;
  QuickPlaySession session(context, BasePosition::kAsStored);
  while (!session.Stopped() && session.SendPass(context.job.quick->drawing)) {
  }
}

void QuickIldaLoop(const PlayContext& context) {
  if (!context.job.quick)
    return;
  const std::vector<Drawing>& frames = context.job.quick->frames;
  QuickPlayChannel& channel = *context.job.quick->channel;
  LiveState& live = context.live;
  QuickPlaySession session(context, BasePosition::kMirroredY);
  std::size_t j = 0;
  while (j < frames.size() && !session.Stopped()) {
    channel.frameIndex.store(static_cast<std::int32_t>(j), kRelaxed);
    if (!session.SendPass(frames[j]))
      break;
    if (!channel.frameTick.exchange(false, kRelaxed) || live.control.paused.load(kRelaxed))
      continue;
    if (++j == frames.size() && live.control.loopPlay.load(kRelaxed))
      j = 0;
  }
}

Status StartQuickPlay(PlayHost& host, LiveState& live, std::shared_ptr<QuickPlayJob> job,
                      std::uint8_t playType, const PlayButtons& buttons,
                      const std::function<void(const std::string&)>& showStatus) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  ApplyPlayButtons(buttons, live);
  if (showStatus)
    showStatus(playType == kPlayTypeQuickIlda ? kQuickIldaStartText : kQuickDrawingStartText);
  job->channel->frameTick.store(false, kRelaxed);
  PlayJob playJob;
  playJob.quick = std::move(job);
  return host.StartPlay(playType, std::move(playJob));
}

}  // namespace ravix
