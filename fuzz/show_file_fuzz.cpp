#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/frame_list_file.hpp"
#include "shows/show_file.hpp"

namespace {

// A workspace with one segment and one frame list for the player's reader.
const ravix::Workspace& FuzzWorkspace() {
  static const ravix::Workspace workspace = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "ravix-fuzz-XXXXXX").string();
    const std::filesystem::path root(::mkdtemp(pattern.data()));
    std::filesystem::create_directory(root / ravix::kSectionFolder);
    std::filesystem::create_directory(root / ravix::kFramesFolder);
    const std::string segment =
        "[SectionContent]\r\n0|5|null|257|\r\n[DrawingList]\r\nDrawingName=0\r\n1,2,0,3,0,128|\r\n";
    ravix::WriteFileAtomically(
        root / ravix::kSectionFolder / "a.sec",
        {reinterpret_cast<const std::uint8_t*>(segment.data()), segment.size()});
    ravix::FrameListWrite(root / ravix::kFramesFolder / "a.ilf", {{{ravix::LaserPoint{}}}});
    return ravix::Workspace(root);
  }();
  return workspace;
}

}  // namespace

// Reads arbitrary text with both show readers; a show that the editor's reader
// takes cleanly reads back the same after the writer (names in lower case).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = ravix::SplitLines({data, size});
  ravix::TSequence loaded;
  ravix::ShowFileLoadFromLines(lines, FuzzWorkspace(), loaded);
  ravix::TSequence show;
  if (!ravix::ShowFileFromLines(lines, show))
    return 0;
  if (ravix::EqualsIgnoringCase(show.musicFile, ravix::kShowMusicHeader))
    return 0;
  for (const char* header : ravix::kShowTrackHeaders) {
    if (ravix::EqualsIgnoringCase(show.musicFile, header))
      return 0;
  }
  ravix::ShowTrackTables tables;
  for (std::size_t t = 0; t < ravix::kShowTrackCount; ++t) {
    for (auto& record : show.tracks[t]) {
      tables[t].rows.push_back({record.itemFile, std::to_string(record.duration), ""});
      record.itemFile = ravix::AsciiLowerCase(record.itemFile);
    }
  }
  const ravix::Bytes written = ravix::JoinLinesCrLf(ravix::ShowFileToLines(show.musicFile, tables));
  ravix::TSequence back;
  if (!ravix::ShowFileFromLines(ravix::SplitLines(written), back) || back != show) {
    __builtin_trap();
  }
  return 0;
}
