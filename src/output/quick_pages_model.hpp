#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "core/workspace.hpp"

namespace ravix {

inline constexpr std::int32_t kSlotsPerPage = 46;

// Virtual key codes the "Quick play II" window acts on besides the slot keys.
inline constexpr std::int32_t kKeyEnter = 13;
inline constexpr std::int32_t kKeyPageUp = 33;
inline constexpr std::int32_t kKeyPageDown = 34;

// The key of a slot: its virtual key code and the label drawn on it.
struct SlotKey {
  std::int32_t virtualKey;
  const char* label;
};

// Slot k carries the k-th key of the four main keyboard rows.
extern const std::array<SlotKey, kSlotsPerPage> kSlotKeys;

// The slot a virtual key selects; nothing for any other key.
std::optional<std::int32_t> SlotForKey(std::int32_t virtualKey);

// One slot of the page as the window shows it.
struct PageSlot {
  const char* keyLabel;
  // Empty for a slot without a file (shown grey).
  std::string fileName;
  // The thumbnail: the point line of the file's third line, drawn at quarter
  // scale.
  Drawing thumbnail;
  bool empty() const { return fileName.empty(); }
};

// What a key press asks of the window.
enum class PagesKeyAction { kNone, kSelected, kPlay, kPageChanged };

// The "Quick play II" window's model: the tabs from the subfolders of
// "quickframe", the current folder's files on pages of 46 slots, the page and
// the selected slot. A workspace without subfolders there gives no tabs and
// no slots.
class QuickPagesModel {
 public:
  // Window creation: the tabs, the first tab's files, page 0, slot 0.
  explicit QuickPagesModel(const Workspace& workspace);

  const std::vector<std::string>& tabs() const { return tabs_; }
  std::size_t currentTab() const { return currentTab_; }
  // Makes tab `index` current: page 0, slot 0, its files listed again.
  void ChooseTab(std::size_t index);
  // Lists the current tab's files again (the main window's "Quick Play2"):
  // page and slot stay, the page no further than the new last page.
  void RefreshFiles();

  const std::vector<std::filesystem::path>& files() const { return files_; }
  std::int32_t page() const { return page_; }
  std::int32_t lastPage() const { return lastPage_; }
  std::int32_t slot() const { return slot_; }
  // "page / last page", both 0-based.
  std::string PageDisplay() const;

  // "Up Page" and "Down Page": the slot stays.
  bool PageUp();
  bool PageDown();
  void SelectSlot(std::int32_t slot);
  PagesKeyAction KeyDown(std::int32_t virtualKey);

  // The file of the selected slot, when the slot holds one.
  std::optional<std::filesystem::path> SelectedFile() const;
  // The 46 slots of the current page.
  std::vector<PageSlot> BuildPage() const;

 private:
  void ListFiles();

  std::filesystem::path quickFrameFolder_;
  std::vector<std::string> tabs_;
  std::size_t currentTab_ = 0;
  std::vector<std::filesystem::path> files_;
  std::int32_t page_ = 0;
  std::int32_t lastPage_ = 0;
  std::int32_t slot_ = 0;
};

// The thumbnail objects of a frame list file: its third line parsed as a
// point line; nothing when the file has fewer lines.
Drawing ThumbnailObjects(const std::filesystem::path& file);

}  // namespace ravix
