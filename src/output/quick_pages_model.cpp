#include "output/quick_pages_model.hpp"

#include <algorithm>
#include <system_error>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/point_line.hpp"

namespace ravix {

const std::array<SlotKey, kSlotsPerPage> kSlotKeys = {{
    {'1', "1"},  {'2', "2"}, {'3', "3"}, {'4', "4"}, {'5', "5"}, {'6', "6"}, {'7', "7"}, {'8', "8"},
    {'9', "9"},  {'0', "0"}, {189, "-"}, {187, "="}, {'Q', "Q"}, {'W', "W"}, {'E', "E"}, {'R', "R"},
    {'T', "T"},  {'Y', "Y"}, {'U', "U"}, {'I', "I"}, {'O', "O"}, {'P', "P"}, {219, "["}, {221, "]"},
    {220, "\\"}, {'A', "A"}, {'S', "S"}, {'D', "D"}, {'F', "F"}, {'G', "G"}, {'H', "H"}, {'J', "J"},
    {'K', "K"},  {'L', "L"}, {186, ";"}, {222, "'"}, {'Z', "Z"}, {'X', "X"}, {'C', "C"}, {'V', "V"},
    {'B', "B"},  {'N', "N"}, {'M', "M"}, {188, ","}, {190, "."}, {191, "/"},
}};

std::optional<std::int32_t> SlotForKey(std::int32_t virtualKey) {
  for (std::size_t k = 0; k < kSlotKeys.size(); ++k) {
    if (kSlotKeys[k].virtualKey == virtualKey)
      return static_cast<std::int32_t>(k);
  }
  return std::nullopt;
}

QuickPagesModel::QuickPagesModel(const Workspace& workspace)
    : quickFrameFolder_(workspace.Folder(kQuickFrameFolder)) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(quickFrameFolder_, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_directory(error))
      tabs_.push_back(it->path().filename().string());
  }
  std::sort(tabs_.begin(), tabs_.end());
  ListFiles();
}

void QuickPagesModel::ListFiles() {
  files_.clear();
  if (currentTab_ < tabs_.size()) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(quickFrameFolder_ / tabs_[currentTab_], error), end;
         !error && it != end; it.increment(error)) {
      if (it->is_regular_file(error))
        files_.push_back(it->path());
    }
    std::sort(files_.begin(), files_.end(),
              [](const auto& a, const auto& b) { return a.filename() < b.filename(); });
  }
  lastPage_ = files_.empty() ? 0 : static_cast<std::int32_t>(files_.size() - 1) / kSlotsPerPage;
}

void QuickPagesModel::ChooseTab(std::size_t index) {
  if (index >= tabs_.size())
    return;
  currentTab_ = index;
  ListFiles();
  page_ = 0;
  slot_ = 0;
}

void QuickPagesModel::RefreshFiles() {
  ListFiles();
  page_ = std::min(page_, lastPage_);
}

std::string QuickPagesModel::PageDisplay() const {
  return std::to_string(page_) + " / " + std::to_string(lastPage_);
}

bool QuickPagesModel::PageUp() {
  if (page_ <= 0)
    return false;
  --page_;
  return true;
}

bool QuickPagesModel::PageDown() {
  if (page_ >= lastPage_)
    return false;
  ++page_;
  return true;
}

void QuickPagesModel::SelectSlot(std::int32_t slot) {
  if (slot >= 0 && slot < kSlotsPerPage)
    slot_ = slot;
}

PagesKeyAction QuickPagesModel::KeyDown(std::int32_t virtualKey) {
  if (virtualKey == kKeyEnter)
    return PagesKeyAction::kPlay;
  if (virtualKey == kKeyPageUp)
    return PageUp() ? PagesKeyAction::kPageChanged : PagesKeyAction::kNone;
  if (virtualKey == kKeyPageDown)
    return PageDown() ? PagesKeyAction::kPageChanged : PagesKeyAction::kNone;
  if (const auto slot = SlotForKey(virtualKey)) {
    SelectSlot(*slot);
    return PagesKeyAction::kSelected;
  }
  return PagesKeyAction::kNone;
}

std::optional<std::filesystem::path> QuickPagesModel::SelectedFile() const {
  const std::size_t index = static_cast<std::size_t>(page_) * kSlotsPerPage + slot_;
  if (index >= files_.size())
    return std::nullopt;
  return files_[index];
}

std::vector<PageSlot> QuickPagesModel::BuildPage() const {
  std::vector<PageSlot> slots;
  for (std::int32_t k = 0; k < kSlotsPerPage; ++k) {
    PageSlot& slot = slots.emplace_back();
    slot.keyLabel = kSlotKeys[k].label;
    const std::size_t index = static_cast<std::size_t>(page_) * kSlotsPerPage + k;
    if (index < files_.size()) {
      slot.fileName = files_[index].filename().string();
      slot.thumbnail = ThumbnailObjects(files_[index]);
    }
  }
  return slots;
}

Drawing ThumbnailObjects(const std::filesystem::path& file) {
  constexpr std::size_t kPointLineIndex = 2;
  Drawing objects;
  const std::optional<Bytes> bytes = ReadWholeFile(file);
  if (!bytes)
    return objects;
  const std::vector<std::string> lines = SplitLines(*bytes);
  if (lines.size() > kPointLineIndex)
    ParsePointLine(lines[kPointLineIndex], objects);  // a fault keeps the points before it
  return objects;
}

}  // namespace ravix
