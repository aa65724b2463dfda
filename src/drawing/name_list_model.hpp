#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ravix {

// An ordered list of file names built by the operator (the converter's convert
// and merge lists, the picker's "Added drawing"), with a current entry and a
// set of selected entries.
class NameListModel {
 public:
  const std::vector<std::string>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }
  std::optional<std::size_t> current() const { return current_; }
  std::optional<std::string> currentName() const;

  // A plain click: `index` becomes current and the only selected entry.
  void Select(std::size_t index);
  // A Ctrl-click: adds or removes `index` from the selection and makes it current.
  void ToggleSelected(std::size_t index);
  bool IsSelected(std::size_t index) const;

  // Appends the names; the last entry becomes current.
  void Append(std::span<const std::string> names);
  // Inserts each name in turn at the current position, so that several names
  // end up in reverse order; the position stays current (now the last name
  // inserted). An empty list appends.
  void InsertEachAtCurrent(std::span<const std::string> names);
  // Inserts the names, in their order, at the current position (0 when there
  // is none); the current position stays.
  void InsertBlockAtCurrent(std::span<const std::string> names);
  // Swaps the current entry with its neighbour and follows it; nothing at the
  // ends of the list.
  void MoveCurrentUp();
  void MoveCurrentDown();
  // Removes the current entry; the entry that takes its place becomes current
  // (the new last entry when it was the last).
  void RemoveCurrent();
  // Removes every selected entry; the current position stays unless it is now
  // past the end, when the new last entry becomes current.
  void RemoveSelected();
  void Clear();

 private:
  void SelectOnly(std::optional<std::size_t> index);

  std::vector<std::string> entries_;
  std::vector<bool> selected_;
  std::optional<std::size_t> current_;
};

}  // namespace ravix
