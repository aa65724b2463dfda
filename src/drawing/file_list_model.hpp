#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.hpp"

namespace ravix {

// A file list box: the names of the files in one folder whose extension
// matches (letter case ignored), sorted, with a current entry and a set of
// selected entries.
class FileListModel {
 public:
  // `extension` with its dot, e.g. ".ddr". The list is read at once and its
  // first file is selected.
  FileListModel(std::filesystem::path folder, std::string extension);

  const std::filesystem::path& folder() const { return folder_; }
  // Moves to another folder (the folder tree) and re-reads it.
  void SetFolder(std::filesystem::path folder);
  std::filesystem::path PathOf(std::string_view name) const { return folder_ / name; }

  const std::vector<std::string>& names() const { return names_; }
  // Re-reads the folder, keeping the current and selected names that still
  // exist; the first file becomes current when the current one is gone.
  void Refresh();

  std::optional<std::size_t> current() const { return current_; }
  std::optional<std::string> currentName() const;
  // A plain click: `index` becomes current and the only selected entry.
  void Select(std::size_t index);
  // A Ctrl-click: adds or removes `index` from the selection and makes it current.
  void ToggleSelected(std::size_t index);
  bool IsSelected(std::size_t index) const;
  // The selected names in list order.
  std::vector<std::string> SelectedNames() const;
  // Selects the entry of that name (letter case ignored); false when absent.
  bool SelectName(std::string_view name);

  // Deletes the current file from the disk, re-reads the folder and selects
  // the file after it (the one before it when it was the last).
  Status DeleteCurrent();

 private:
  std::filesystem::path folder_;
  std::string extension_;
  std::vector<std::string> names_;
  std::vector<bool> selected_;
  std::optional<std::size_t> current_;
};

}  // namespace ravix
