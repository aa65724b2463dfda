#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/status.hpp"
#include "drawing/text_edit_model.hpp"
#include "output/play_buttons.hpp"
#include "output/play_host.hpp"
#include "output/quick_player_channel.hpp"
#include "output/rolling_text_player.hpp"

namespace ravix {

// An integer control of the text window: its range and initial position.
struct TextControlRange {
  std::int32_t minimum;
  std::int32_t maximum;
  std::int32_t initial;
};

inline constexpr TextControlRange kCharacterFactorRange{1, 20, 4};  // width and height factor
inline constexpr TextControlRange kIntervalFactorRange{1, 20, 4};   // width and height interval
inline constexpr TextControlRange kFineFactorRange{0, 40, 3};       // "Fine/ Coarse  factor"
inline constexpr TextControlRange kRollStepRange{0, 64, 5};         // "Rolling step"
inline constexpr TextControlRange kStayTimeRange{0, 100, 2};        // "Stay time"
inline constexpr TextControlRange kWindowCountRange{1, 20, 4};      // "Rows or columns"

// The text window's controls: the text, font and factors of its preview
// (TextEditModel) and the rolling parameters, which every change publishes to
// the channel the rolling text players read; and its play button.
class RollingTextModel {
 public:
  explicit RollingTextModel(FontOpener openFont = InstalledFonts());

  TextEditModel text;
  const std::shared_ptr<RollingTextChannel> channel = std::make_shared<RollingTextChannel>();
  // "Vertical roll": the vertical player instead of the horizontal one.
  bool verticalRoll = false;
  // The quick player's channel: the players take its frame tick, colour mode
  // and "Point" box and leave their frames there for its preview.
  std::shared_ptr<QuickPlayChannel> quick;

  // Each limited to its range; the factors also set the preview's.
  void SetWidthFactor(std::int32_t value);
  void SetHeightFactor(std::int32_t value);
  void SetRollStep(std::int32_t value);
  void SetStayTime(std::int32_t value);
  void SetWindowCount(std::int32_t value);
  // "Large size" is the settings value both the preview and the players read.
  void SetLargeSize(LiveState& live, bool on);
  // The preview takes "Large size" from the live settings.
  void TakeLargeSize(const LiveState& live);

  // "Charactor width" and "Charactor heigh": the character box of a factor.
  static std::int32_t CharacterSize(std::int32_t factor) { return 256 / factor; }

  // The play button: the text box's lines in the font, horizontally or with
  // "Vertical roll" vertically, on the quick player's channel. Fails, starting
  // nothing, without that channel or when the font cannot be opened.
  Status Play(PlayHost& host, LiveState& live, const PlayButtons& buttons,
              const std::function<void(const std::string&)>& showStatus);
};

}  // namespace ravix
