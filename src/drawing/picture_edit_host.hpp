#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace ravix {

enum class DialogAnswer { kYes, kNo, kCancel };

// What a file dialog offers.
struct FileDialogRequest {
  enum class Kind { kOpen, kSave };
  Kind kind = Kind::kOpen;
  std::string filter;            // "drawing files(*.ddr)|*.ddr"
  std::string defaultExtension;  // without the dot; empty for none
  std::filesystem::path startFolder;
  bool overwritePrompt = false;
};

// A file a dialog returned exists as a regular file (false on any error).
inline bool ChosenFileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The window side of the drawing editor engine: what it shows and asks. The
// window implements it; tests and the command line answer without dialogs.
class PictureEditHost {
 public:
  virtual ~PictureEditHost() = default;
  // The "Message:" line now shows `text`.
  virtual void ShowMessage(const std::string& text) = 0;
  // A Yes/No/Cancel question with the question icon.
  virtual DialogAnswer AskQuestion(const std::string& text) = 0;
  // A file dialog; empty when it is cancelled.
  virtual std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request) = 0;
  // The canvas content changed: draw it again (the engine's Render).
  virtual void CanvasChanged() = 0;
  // An error box, e.g. a number the edit boxes cannot convert.
  virtual void ShowError(const std::string& text) = 0;
  // The "Text  Edit" window is to be opened.
  virtual void OpenTextWindow() = 0;
};

}  // namespace ravix
