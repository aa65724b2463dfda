#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace ravix {

// Appends the preview text of one sent point: "X,Y,z,c,0,b|" with the final
// coordinates, the point kind, the colour index sent and b 1 for a blanked
// point. Allocates only while the line outgrows its capacity.
void AppendPreviewPoint(std::string& line, std::int32_t x, std::int32_t y, std::int32_t z,
                        std::uint8_t colour, bool blanked);

// The lines (one per object) of the last frame a player built, handed to the
// window's preview. The flag settingsChanged (or the show's trackDisplayHeld)
// says whose turn it is; the lock only makes the hand-over itself safe.
class PreviewLines {
 public:
  // The player's side: swaps its finished lines in and gets the old ones back
  // to build the next frame in, keeping their capacity.
  void Publish(std::vector<std::string>& lines);
  // The preview's side: a copy of the last lines published.
  std::vector<std::string> Copy() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// The lines the player works on: one per object, reused frame after frame.
class PreviewLineBuilder {
 public:
  void Clear() { count_ = 0; }
  // A new, empty line for the next object.
  std::string& NextLine();
  // Publishes the lines built since Clear.
  void PublishTo(PreviewLines& target);

 private:
  std::vector<std::string> lines_;
  std::size_t count_ = 0;
};

}  // namespace ravix
