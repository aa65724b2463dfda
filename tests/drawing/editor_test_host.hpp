#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "drawing/picture_edit_host.hpp"

namespace ravix::testing {

// Records what the engine shows; questions and file dialogs are answered from
// queues (No and cancel when empty).
class EditorTestHost final : public PictureEditHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  DialogAnswer AskQuestion(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty())
      return DialogAnswer::kNo;
    const DialogAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request) override {
    dialogs.push_back(request);
    if (files.empty())
      return std::nullopt;
    const std::filesystem::path file = files.front();
    files.pop_front();
    return file;
  }
  void CanvasChanged() override { ++redraws; }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void OpenTextWindow() override { ++textWindows; }

  std::string LastMessage() const { return messages.empty() ? "" : messages.back(); }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> errors;
  std::vector<FileDialogRequest> dialogs;
  std::deque<DialogAnswer> answers;
  std::deque<std::filesystem::path> files;
  int redraws = 0;
  int textWindows = 0;
};

}  // namespace ravix::testing
