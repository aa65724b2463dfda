#include "drawing/file_list_model.hpp"

#include <algorithm>
#include <system_error>
#include <utility>

#include "core/text_lines.hpp"

namespace ravix {
namespace {

std::vector<std::string> ListFiles(const std::filesystem::path& folder,
                                   std::string_view extension) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError))
      continue;
    const std::filesystem::path& path = it->path();
    if (EqualsIgnoringCase(path.extension().string(), extension))
      names.push_back(path.filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::size_t> IndexOf(const std::vector<std::string>& names, std::string_view name) {
  const auto exact = std::find(names.begin(), names.end(), name);
  if (exact != names.end())
    return static_cast<std::size_t>(exact - names.begin());
  const auto anyCase = std::find_if(names.begin(), names.end(), [&](const std::string& entry) {
    return EqualsIgnoringCase(entry, name);
  });
  if (anyCase != names.end())
    return static_cast<std::size_t>(anyCase - names.begin());
  return std::nullopt;
}

}  // namespace

FileListModel::FileListModel(std::filesystem::path folder, std::string extension)
    : folder_(std::move(folder)), extension_(std::move(extension)) {
  Refresh();
}

void FileListModel::SetFolder(std::filesystem::path folder) {
  folder_ = std::move(folder);
  names_.clear();
  selected_.clear();
  current_.reset();
  Refresh();
}

void FileListModel::Refresh() {
  const std::vector<std::string> selectedBefore = SelectedNames();
  const std::optional<std::string> currentBefore = currentName();
  names_ = ListFiles(folder_, extension_);
  selected_.assign(names_.size(), false);
  current_.reset();
  for (const std::string& name : selectedBefore) {
    if (const auto index = IndexOf(names_, name))
      selected_[*index] = true;
  }
  if (currentBefore)
    current_ = IndexOf(names_, *currentBefore);
  if (!current_ && !names_.empty())
    Select(0);
}

std::optional<std::string> FileListModel::currentName() const {
  if (!current_)
    return std::nullopt;
  return names_[*current_];
}

void FileListModel::Select(std::size_t index) {
  if (index >= names_.size())
    return;
  selected_.assign(names_.size(), false);
  selected_[index] = true;
  current_ = index;
}

void FileListModel::ToggleSelected(std::size_t index) {
  if (index >= names_.size())
    return;
  selected_[index] = !selected_[index];
  current_ = index;
}

bool FileListModel::IsSelected(std::size_t index) const {
  return index < selected_.size() && selected_[index];
}

std::vector<std::string> FileListModel::SelectedNames() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (selected_[i])
      names.push_back(names_[i]);
  }
  return names;
}

bool FileListModel::SelectName(std::string_view name) {
  const auto index = IndexOf(names_, name);
  if (!index)
    return false;
  Select(*index);
  return true;
}

Status FileListModel::DeleteCurrent() {
  if (!current_)
    return {};
  const std::size_t index = *current_;
  std::error_code error;
  std::filesystem::remove(PathOf(names_[index]), error);
  names_ = ListFiles(folder_, extension_);
  selected_.assign(names_.size(), false);
  current_.reset();
  if (!names_.empty())
    Select(std::min(index, names_.size() - 1));
  if (error)
    return Status::Failure(error.message());
  return {};
}

}  // namespace ravix
