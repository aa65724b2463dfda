#include "output/drawing_playback.hpp"

#include <algorithm>
#include <vector>

#include "output/control_message.hpp"
#include "output/device_output.hpp"
#include "output/frame_encoder.hpp"
#include "output/play_types.hpp"

namespace ravix {

Drawing MakeDrawingPlayCopy(const Drawing& editorDrawing) {
  Drawing copy;
  copy.reserve(editorDrawing.size());
  for (const DrawingObject& object : editorDrawing) {
    DrawingObject& out = copy.emplace_back();
    out.reserve(object.size());
    for (const LaserPoint& p : object) {
      LaserPoint q;
      q.x = std::clamp(p.x / 2, 0, 255);
      q.y = std::clamp(p.y / 2, 0, 255);
      q.z = p.z;
      q.colour = p.colour;
      q.blanked = p.blanked != 0 ? 1 : 0;
      out.push_back(q);
    }
  }
  return copy;
}

void DrawingPlaybackLoop(const PlayContext& context) {
  LiveState& live = context.live;
  const std::atomic<bool>& stop = live.control.stopRequested;
  ControlMessageSender controlMessages(context.bus, live);
  controlMessages.SendFirst();
  live.control.playing.store(true, std::memory_order_relaxed);

  std::vector<std::uint8_t> block;
  while (!stop.load(std::memory_order_relaxed)) {
    controlMessages.SendIfChanged();
    const PointEncoder encoder(live.settings.Values(), BasePosition::kMirrored);
    if (!EncodeFrame(context.job.drawing, encoder, block, &stop))
      break;
    if (stop.load(std::memory_order_relaxed))
      break;
    SendFrame(context.bus, live, block);
  }

  live.control.playing.store(false, std::memory_order_relaxed);
  if (context.job.showStatus)
    context.job.showStatus(kDrawingPlayOverText);
}

Status StartDrawingPlayback(PlayHost& host, LiveState& live, const Drawing& editorDrawing,
                            bool invertX, bool invertY,
                            std::function<void(const std::string&)> showStatus) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  live.settings.invertX.store(invertX, std::memory_order_relaxed);
  live.settings.invertY.store(invertY, std::memory_order_relaxed);
  if (editorDrawing.empty())
    return {};
  if (showStatus)
    showStatus(kDrawingPlayStartText);
  return host.StartPlay(kPlayTypeDrawingPlayback,
                        PlayJob{MakeDrawingPlayCopy(editorDrawing), std::move(showStatus), {}});
}

}  // namespace ravix
