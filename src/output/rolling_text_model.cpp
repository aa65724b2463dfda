#include "output/rolling_text_model.hpp"

#include <algorithm>

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

std::int32_t Limited(std::int32_t value, const TextControlRange& range) {
  return std::clamp(value, range.minimum, range.maximum);
}

}  // namespace

RollingTextModel::RollingTextModel(FontOpener openFont) : text(std::move(openFont)) {}

void RollingTextModel::SetWidthFactor(std::int32_t value) {
  text.options.widthFactor = Limited(value, kCharacterFactorRange);
  channel->widthFactor.store(text.options.widthFactor, kRelaxed);
}

void RollingTextModel::SetHeightFactor(std::int32_t value) {
  text.options.heightFactor = Limited(value, kCharacterFactorRange);
  channel->heightFactor.store(text.options.heightFactor, kRelaxed);
}

void RollingTextModel::SetRollStep(std::int32_t value) {
  channel->rollStep.store(Limited(value, kRollStepRange), kRelaxed);
}

void RollingTextModel::SetStayTime(std::int32_t value) {
  channel->stayTicks.store(Limited(value, kStayTimeRange), kRelaxed);
}

void RollingTextModel::SetWindowCount(std::int32_t value) {
  channel->windowCount.store(Limited(value, kWindowCountRange), kRelaxed);
}

void RollingTextModel::SetLargeSize(LiveState& live, bool on) {
  live.settings.textLargeSize.store(on ? 1 : 0, kRelaxed);
  text.options.largeSize = on;
}

void RollingTextModel::TakeLargeSize(const LiveState& live) {
  text.options.largeSize = live.settings.textLargeSize.load(kRelaxed) != 0;
}

Status RollingTextModel::Play(PlayHost& host, LiveState& live, const PlayButtons& buttons,
                              const std::function<void(const std::string&)>& showStatus) {
  if (!quick)
    return Status::Failure("no quick player to play the text with");
  Status status;
  GlyphOutlineSource* font = text.Font(status);
  if (!font)
    return status;
  return StartTextPlay(host, live, text.GbkLines(), *font, quick, channel, verticalRoll, buttons,
                       showStatus);
}

}  // namespace ravix
