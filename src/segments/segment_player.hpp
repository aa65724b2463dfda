#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "core/section_record.hpp"
#include "core/status.hpp"
#include "output/play_host.hpp"
#include "output/play_job.hpp"
#include "segments/media_player.hpp"
#include "segments/segment_play_channel.hpp"

namespace ravix {

inline constexpr std::uint8_t kPlayTypeSegmentEdit = 3;
inline constexpr std::uint8_t kPlayTypeEffectPreview = 7;
inline constexpr std::uint8_t kPlayTypeQuickPlaySegment = 9;

inline constexpr const char* kSegmentPlayingText = "segment Playing...";
inline constexpr const char* kSegmentPlayOverText = "Setment play over.....";
inline constexpr const char* kEffectPreviewPlayingText = "Drawing Playing";
inline constexpr const char* kEffectPreviewOverText = "Drawing play over.....";

// The material of a segment play: the player's own copy of the rows (play
// types 3 and 9) or of the previewed drawing (play type 7), and the window's
// channel.
struct SegmentPlayJob {
  std::vector<TSectionRecord> rows;
  Drawing previewDrawing;
  std::shared_ptr<SegmentPlayChannel> channel;
};

// Play types 3 and 9: every row for its time, counted in ticks of the
// channel's tick flag, with its effect and colour; again while loopPlay.
// Each cycle builds a frame only after the preview lowered settingsChanged;
// otherwise it sends a write of length 0. Play type 9 takes the "Point" box.
void SegmentEditPlayLoop(const PlayContext& context);
void QuickPlaySegmentLoop(const PlayContext& context);

// Play type 7: the previewed drawing with the selected effect, no time, until
// stopped. Each loop returns at once for a job without segment material.
void EffectPreviewLoop(const PlayContext& context);

// The "Segment edit" play command over rows built from its grid: stops what
// plays and waits, shows "segment Playing...", starts the music when a player
// and a music file are given and none runs, lowers the tick and starts play
// type 3.
Status StartSegmentPlay(PlayHost& host, LiveState& live, std::vector<TSectionRecord> rows,
                        std::shared_ptr<SegmentPlayChannel> channel,
                        const std::optional<MediaPlayer>& player,
                        const std::filesystem::path& musicFile,
                        std::function<void(const std::string&)> showStatus);

// The "Play" command on a thumbnail: stops what plays and waits; unless the
// drawing has no objects, shows "Drawing Playing" and starts play type 7 on a
// copy with x and y limited to 0..255.
Status StartEffectPreview(PlayHost& host, const Drawing& drawing,
                          std::shared_ptr<SegmentPlayChannel> channel,
                          std::function<void(const std::string&)> showStatus);

}  // namespace ravix
