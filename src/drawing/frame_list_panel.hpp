#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/canvas.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/picture_edit_host.hpp"

namespace ravix {

class PictureDocument;

inline constexpr std::size_t kFramesPerPage = 24;
inline constexpr int kThumbnailSize = 64;
inline constexpr const char* kNewFrameListName = "NewImage.ilf";
inline constexpr const char* kFrameListOpenFilter = "IDF files(*.ilf)|*.ilf";
inline constexpr const char* kFrameListSaveFilter = "ILDA files(*.ilf)|*.ilf";

// The frame list panel of the "Picture edit" window: a frame list assembled
// from drawings, shown as pages of 24 thumbnails. The selected frame is held
// by its 1-based number (0 = none), so inserting and deleting change which
// frame it names.
class FrameListPanel {
 public:
  FrameListPanel(PictureEditHost& host, std::filesystem::path framesFolder);

  void New();
  void Open();
  // False when nothing was written (dialog cancelled or the write failed).
  bool Save();
  bool SaveAs();
  void Add();
  void Insert();
  void Delete();
  // The selected frame onto the canvas (x and y doubled), without an undo step.
  void SendToDrawing(PictureDocument& document) const;
  // The canvas drawing into the selected frame (clamped to 0..510, halved).
  void GetFromDrawing(const PictureDocument& document);
  void PreviousPage();
  void NextPage();
  // A click on thumbnail `slot` (0..23) of the page shown.
  void ClickThumbnail(std::size_t slot);

  const FrameList& frames() const { return frames_; }
  const std::string& fileName() const { return fileName_; }
  std::size_t selectedFrame() const { return selected_; }
  // "FramePCount": the points of the selected frame.
  std::size_t selectedPointCount() const;
  // The page shown, 0-based, and ceil(frames / 24).
  std::size_t page() const { return page_; }
  std::size_t pageCount() const { return (frames_.size() + kFramesPerPage - 1) / kFramesPerPage; }
  // The number of thumbnails the page shows, for frames page x 24 onwards.
  std::size_t ThumbnailsShown() const;

  // The 64 x 64 thumbnail of frame `index` (0-based).
  void DrawThumbnail(Canvas& canvas, std::size_t index) const;

 private:
  std::optional<std::filesystem::path> ChooseSavePath();
  bool WriteTo(const std::filesystem::path& path);
  void ResetView();

  PictureEditHost& host_;
  std::filesystem::path framesFolder_;
  FrameList frames_;
  std::filesystem::path path_;
  std::string fileName_ = kNewFrameListName;
  std::size_t selected_ = 0;
  std::size_t page_ = 0;
};

}  // namespace ravix
