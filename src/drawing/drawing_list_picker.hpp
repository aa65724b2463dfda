#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "drawing/file_list_model.hpp"
#include "drawing/name_list_model.hpp"

namespace ravix {

// How the caller places the picked drawings at its current position.
enum class PickPlacement { kCover, kInsert };

// The drawing list picker: the drawing files of a folder, the ordered list of
// picked names, the two previews and the placement mode ("Cover" at start).
class DrawingListPicker {
 public:
  explicit DrawingListPicker(const std::filesystem::path& drawingFolder);

  FileListModel drawingFiles;
  // "Added drawing": names resolved in the drawing list's folder.
  NameListModel added;
  PickPlacement placement = PickPlacement::kCover;

  // A click in "Drawing List" or in "Added drawing" previews that drawing.
  void SelectFile(std::size_t index);
  void SelectAdded(std::size_t index);
  // "add": every selected file appended; the last entry becomes current.
  void Add();
  // "Insert": the selected files, in file-list order, before the current entry.
  void Insert();
  void Up();
  void Down();
  void Remove();
  void Clear();
  // "refresh" of the file list, keeping the selected name.
  void Refresh() { drawingFiles.Refresh(); }

  // The previews (drawing space, scale 1); their point counts are PointCount.
  const Drawing& filePreview() const { return filePreview_; }
  const Drawing& addedPreview() const { return addedPreview_; }

  // What the caller reads after "ok": the picked files in order.
  std::vector<std::filesystem::path> PickedFiles() const;

 private:
  void PreviewFile();
  void PreviewAdded();

  Drawing filePreview_;
  Drawing addedPreview_;
};

// Places `picked` into `list` at `position`: kInsert inserts them there in
// order; kCover lets picked item i replace the entry at position + i, and
// appends those that fall past the end.
template <typename T>
void PlacePicked(std::vector<T>& list, std::size_t position, std::vector<T> picked,
                 PickPlacement placement) {
  position = std::min(position, list.size());
  if (placement == PickPlacement::kInsert) {
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position),
                std::make_move_iterator(picked.begin()), std::make_move_iterator(picked.end()));
    return;
  }
  for (std::size_t i = 0; i < picked.size(); ++i) {
    if (position + i < list.size())
      list[position + i] = std::move(picked[i]);
    else
      list.push_back(std::move(picked[i]));
  }
}

}  // namespace ravix
