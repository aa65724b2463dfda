#include "output/rolling_text_player.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>
#include <vector>

#include "core/truncate.hpp"
#include "drawing/text_outline.hpp"
#include "output/control_message.hpp"
#include "output/device_output.hpp"
#include "output/frame_encoder.hpp"
#include "output/player_colour.hpp"
#include "output/rolling_text_clip.hpp"
#include "output/rolling_text_layout.hpp"
#include "output/settings_snapshot.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;
// A pass that showed nothing (no text, or "Stay time" 0) waits this long
// before the next, so a looping play never spins.
constexpr std::chrono::milliseconds kIdlePassWait{10};

using ColourBlock = std::array<std::uint8_t, 4>;

ColourBlock CurrentColourBlock(const PlaySettings& settings) {
  return {settings.redDepth.load(kRelaxed), settings.greenDepth.load(kRelaxed),
          settings.blueDepth.load(kRelaxed), settings.brightness.load(kRelaxed)};
}

// What both loops share: the messages, the snapshot, the hold at a position
// and TextFrameSend.
class TextPlaySession {
 public:
  TextPlaySession(const PlayContext& context, bool sendsColourBlock)
      : context_(context),
        live_(context.live),
        job_(*context.job.text),
        sendsColourBlock_(sendsColourBlock),
        controlMessages_(context.bus, context.live),
        snapshot_(context.live.settings) {
    live_.control.settingsChanged.store(false, kRelaxed);
    live_.control.playing.store(true, kRelaxed);
    controlMessages_.SendFirst();
    if (sendsColourBlock_)
      SendColourBlock();
  }
  ~TextPlaySession() { live_.control.playing.store(false, kRelaxed); }
  TextPlaySession(const TextPlaySession&) = delete;
  TextPlaySession& operator=(const TextPlaySession&) = delete;

  bool Stopped() const { return live_.control.stopRequested.load(kRelaxed); }
  const RollingTextChannel& parameters() const { return *job_.text; }
  const Drawing& objects() const { return job_.objects; }
  double DivisorX() const { return GlyphDivisorX(LargeSize()); }
  double DivisorY() const { return GlyphDivisorY(LargeSize()); }

  // Shows `frame` for "Stay time" frame ticks, sending it again and again.
  void Hold(const Drawing& frame) {
    job_.quick->pointCount.store(static_cast<std::int32_t>(PointCount(frame)), kRelaxed);
    job_.quick->PublishTextFrame(frame);
    // A new frame for the quick player's preview timer.
    live_.control.settingsChanged.store(true, kRelaxed);
    std::int32_t held = 0;
    while (held < job_.text->stayTicks.load(kRelaxed) && !Stopped()) {
      controlMessages_.SendIfChanged();
      if (sendsColourBlock_ && CurrentColourBlock(live_.settings) != colourBlock_)
        SendColourBlock();
      TextFrameSend(frame);
      sentInPass_ = true;
      if (job_.quick->frameTick.exchange(false, kRelaxed) && !live_.control.paused.load(kRelaxed)) {
        ++held;
      }
    }
  }

  // Runs `pass` once, and again while loopPlay and not stopped.
  template <typename Pass>
  void Run(Pass pass) {
    do {
      sentInPass_ = false;
      pass();
      if (!sentInPass_ && !Stopped() && live_.control.loopPlay.load(kRelaxed))
        std::this_thread::sleep_for(kIdlePassWait);
    } while (!Stopped() && live_.control.loopPlay.load(kRelaxed));
  }

 private:
  bool LargeSize() const { return live_.settings.textLargeSize.load(kRelaxed) != 0; }

  void SendColourBlock() {
    colourBlock_ = CurrentColourBlock(live_.settings);
    SendToAllDevices(context_.bus, live_, colourBlock_);
  }

  // One frame from 255 - x and 255 - y, in the quick player's colour mode with
  // the offset at 0, every point blanked while "Point" is ticked.
  void TextFrameSend(const Drawing& frame) {
    snapshot_.Refresh(live_);
    const PointEncoder encoder(live_.settings.Values(), BasePosition::kMirrored);
    const std::int32_t mode = job_.quick->colourMode.load(kRelaxed);
    const bool point = job_.quick->point.load(kRelaxed);
    block_.clear();
    std::int32_t running = 0;
    for (const DrawingObject& object : frame) {
      for (const LaserPoint& p : object) {
        const std::uint8_t colour = PlayerColourIndex(mode, p.colour, 0, running++);
        const DeviceRecord r = encoder.Place(encoder.Orient(p), colour, point ? 1 : p.blanked, p.z);
        block_.insert(block_.end(), {r.colourBits, r.flags, r.x, r.y});
      }
    }
    SendFrame(context_.bus, live_, block_);
  }

  const PlayContext& context_;
  LiveState& live_;
  const RollingTextJob& job_;
  bool sendsColourBlock_;
  ControlMessageSender controlMessages_;
  SettingsSnapshot snapshot_;
  ColourBlock colourBlock_{};
  std::vector<std::uint8_t> block_;
  bool sentInPass_ = false;
};

// Moves every point of `object` by (dx, dy).
void Shift(DrawingObject& object, std::int32_t dx, std::int32_t dy) {
  for (LaserPoint& p : object) {
    p.x += dx;
    p.y += dy;
  }
}

}  // namespace

void HorizontalTextLoop(const PlayContext& context) {
  if (!context.job.text)
    return;
  TextPlaySession session(context, /*sendsColourBlock=*/false);
  const RollingTextChannel& parameters = session.parameters();
  const Drawing& characters = session.objects();
  const std::size_t n = characters.size();
  Drawing window;
  Drawing frame;
  session.Run([&] {
    for (std::size_t j = 0; j < n && !session.Stopped(); ++j) {
      const std::int32_t count = std::max(1, parameters.windowCount.load(kRelaxed));
      const std::int32_t heightFactor = std::max(1, parameters.heightFactor.load(kRelaxed));
      const std::size_t last = std::min(j + static_cast<std::size_t>(count), n - 1);
      const double dx = session.DivisorX();
      const double dy = session.DivisorY();
      const double top = 128 - 128 / heightFactor;
      window.assign(characters.begin() + static_cast<std::ptrdiff_t>(j),
                    characters.begin() + static_cast<std::ptrdiff_t>(last) + 1);
      for (DrawingObject& object : window) {
        for (LaserPoint& p : object) {
          p.x = TruncateToInt(p.x / dx);
          p.y = TruncateToInt(top + p.y / dy);
        }
      }
      for (std::int32_t a = 0; !window.empty() && !session.Stopped();
           a += parameters.rollStep.load(kRelaxed)) {
        const std::int32_t slots = std::max(1, parameters.windowCount.load(kRelaxed));
        if (a >= 256 / slots)
          break;
        frame = window;
        for (std::size_t i = 0; i < frame.size(); ++i)
          Shift(frame[i], static_cast<std::int32_t>(i) * 256 / slots - a, 0);
        frame.front() = ClipObjectAtEdge(frame.front(), PictureEdge::kLeft);
        if (frame.size() >= 2)
          frame.back() = ClipObjectAtEdge(frame.back(), PictureEdge::kRight);
        session.Hold(frame);
      }
    }
  });
}

void VerticalTextLoop(const PlayContext& context) {
  if (!context.job.text)
    return;
  TextPlaySession session(context, /*sendsColourBlock=*/true);
  const RollingTextChannel& parameters = session.parameters();
  const Drawing& lines = session.objects();
  const std::size_t n = lines.size();
  Drawing frame;
  session.Run([&] {
    for (std::size_t k = 0; k < n && !session.Stopped(); ++k) {
      const std::int32_t count = std::max(1, parameters.windowCount.load(kRelaxed));
      const std::size_t end = std::min(k + static_cast<std::size_t>(count), n);
      for (std::int32_t a = 256 / count; !session.Stopped();
           a -= parameters.rollStep.load(kRelaxed)) {
        const std::int32_t slots = std::max(1, parameters.windowCount.load(kRelaxed));
        if (a <= -256 / slots)
          break;
        frame.assign(lines.begin() + static_cast<std::ptrdiff_t>(k),
                     lines.begin() + static_cast<std::ptrdiff_t>(end));
        for (std::size_t i = 0; i < frame.size(); ++i)
          Shift(frame[i], 0, static_cast<std::int32_t>(i) * 512 / slots + a);
        frame.front() = ClipObjectAtEdge(frame.front(), PictureEdge::kTop);
        frame.back() = ClipObjectAtEdge(frame.back(), PictureEdge::kBottom);
        session.Hold(frame);
      }
    }
  });
}

Status StartTextPlay(PlayHost& host, LiveState& live, std::span<const std::string> gbkLines,
                     GlyphOutlineSource& font, std::shared_ptr<QuickPlayChannel> quick,
                     std::shared_ptr<RollingTextChannel> text, bool verticalRoll,
                     const PlayButtons& buttons,
                     const std::function<void(const std::string&)>& showStatus) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  ApplyPlayButtons(buttons, live);
  const RollingTextFactors factors{text->widthFactor.load(kRelaxed),
                                   text->heightFactor.load(kRelaxed),
                                   live.settings.textLargeSize.load(kRelaxed) != 0};
  if (showStatus)
    showStatus(verticalRoll ? kVerticalTextStartText : kHorizontalTextStartText);
  auto job = std::make_shared<RollingTextJob>();
  job->objects = verticalRoll ? VerticalTextObjects(gbkLines, factors, font)
                              : HorizontalTextObjects(gbkLines, factors, font);
  job->quick = std::move(quick);
  job->text = std::move(text);
  job->quick->frameTick.store(false, kRelaxed);
  PlayJob playJob;
  playJob.text = std::move(job);
  return host.StartPlay(verticalRoll ? kPlayTypeVerticalText : kPlayTypeHorizontalText,
                        std::move(playJob));
}

}  // namespace ravix
