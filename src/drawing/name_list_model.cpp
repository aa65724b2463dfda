#include "drawing/name_list_model.hpp"

#include <utility>

namespace ravix {

std::optional<std::string> NameListModel::currentName() const {
  if (!current_)
    return std::nullopt;
  return entries_[*current_];
}

void NameListModel::SelectOnly(std::optional<std::size_t> index) {
  selected_.assign(entries_.size(), false);
  if (index && *index >= entries_.size())
    index.reset();
  if (index)
    selected_[*index] = true;
  current_ = index;
}

void NameListModel::Select(std::size_t index) {
  if (index < entries_.size())
    SelectOnly(index);
}

void NameListModel::ToggleSelected(std::size_t index) {
  if (index >= entries_.size())
    return;
  selected_[index] = !selected_[index];
  current_ = index;
}

bool NameListModel::IsSelected(std::size_t index) const {
  return index < selected_.size() && selected_[index];
}

void NameListModel::Append(std::span<const std::string> names) {
  entries_.insert(entries_.end(), names.begin(), names.end());
  SelectOnly(entries_.empty() ? std::nullopt : std::optional(entries_.size() - 1));
}

void NameListModel::InsertEachAtCurrent(std::span<const std::string> names) {
  if (!current_) {
    Append(names);
    return;
  }
  const auto at = static_cast<std::ptrdiff_t>(*current_);
  for (const std::string& name : names)
    entries_.insert(entries_.begin() + at, name);
  SelectOnly(current_);
}

void NameListModel::InsertBlockAtCurrent(std::span<const std::string> names) {
  const auto at = static_cast<std::ptrdiff_t>(current_.value_or(0));
  entries_.insert(entries_.begin() + at, names.begin(), names.end());
  SelectOnly(entries_.empty() ? std::nullopt : std::optional(current_.value_or(0)));
}

void NameListModel::MoveCurrentUp() {
  if (!current_ || *current_ == 0)
    return;
  std::swap(entries_[*current_], entries_[*current_ - 1]);
  SelectOnly(*current_ - 1);
}

void NameListModel::MoveCurrentDown() {
  if (!current_ || *current_ + 1 >= entries_.size())
    return;
  std::swap(entries_[*current_], entries_[*current_ + 1]);
  SelectOnly(*current_ + 1);
}

void NameListModel::RemoveCurrent() {
  if (!current_)
    return;
  const std::size_t index = *current_;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  SelectOnly(entries_.empty() ? std::nullopt
                              : std::optional(index < entries_.size() ? index : index - 1));
}

void NameListModel::RemoveSelected() {
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!selected_[i])
      kept.push_back(std::move(entries_[i]));
  }
  entries_ = std::move(kept);
  std::optional<std::size_t> index = current_;
  if (index && *index >= entries_.size())
    index = entries_.empty() ? std::nullopt : std::optional(entries_.size() - 1);
  SelectOnly(index);
}

void NameListModel::Clear() {
  entries_.clear();
  SelectOnly(std::nullopt);
}

}  // namespace ravix
