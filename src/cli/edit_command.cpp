#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "cli/edit_script.hpp"
#include "cli/json_writer.hpp"
#include "core/settings_file.hpp"
#include "drawing/editor_settings.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/picture_editor.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "edit [FILE.ddr] [-o OUT.ddr]";

// The window without its dialogs: questions are answered No, file dialogs are
// cancelled except for the one that opens FILE; the message line is recorded.
class ScriptedHost final : public PictureEditHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  DialogAnswer AskQuestion(const std::string&) override { return DialogAnswer::kNo; }
  std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest&) override {
    return std::exchange(fileToOpen, std::nullopt);
  }
  void CanvasChanged() override {}
  void ShowError(const std::string& text) override { lastError = text; }
  void OpenTextWindow() override {}

  std::vector<std::string> messages;
  std::optional<std::filesystem::path> fileToOpen;
  std::string lastError;
};

void PrintResult(CliContext& context, const PictureDocument& document,
                 const std::vector<std::string>& messages) {
  JsonWriter json;
  json.BeginObject().TextField("type", "edit").Key("objects").Drawing(document.drawing());
  json.Key("selection").BeginArray();
  for (const PointRef& ref : document.selection().entries()) {
    json.BeginArray()
        .Int(static_cast<std::int64_t>(ref.object))
        .Int(static_cast<std::int64_t>(ref.point))
        .EndArray();
  }
  json.EndArray().IntField("undoIndex", document.undoHistory().undoIndex());
  json.Key("messages").BeginArray();
  for (const std::string& message : messages)
    json.Text(message);
  json.EndArray().EndObject();
  context.out << json.Finish();
}

}  // namespace

int RunEdit(CliContext& context, Arguments& args) {
  const std::optional<std::string> output = args.TakeOption("-o");
  const auto positionals = args.Positionals();
  if (!positionals || positionals->size() > 1 || !args.problem().empty())
    return UsageError(context, args.problem().empty() ? "one FILE at most" : args.problem(),
                      kUsage);

  const std::string input((std::istreambuf_iterator<char>(std::cin)),
                          std::istreambuf_iterator<char>());
  const EditScript script = ParseEditScript(input);
  if (script.errorLine != 0) {
    return UsageError(context, "line " + std::to_string(script.errorLine) + ": " + script.error,
                      kUsage);
  }

  SettingsFile settings;
  (void)settings.LoadSettings(context.workspace.SettingsPath());  // missing: initial values
  ScriptedHost host;
  PictureDocument document(host, ReadEditorSettings(settings),
                           context.workspace.Folder(kDrawingFolder));
  PictureEditor editor(document);
  if (!positionals->empty()) {
    const std::filesystem::path file = positionals->front();
    if (!std::filesystem::is_regular_file(file))
      return Fail(context, "cannot open " + file.string());
    host.fileToOpen = file;
    document.Open();
  }
  for (const EditAction& action : script.actions)
    action(document, editor);

  PrintResult(context, document, host.messages);
  if (output && !document.SaveTo(*output))
    return Fail(context, host.lastError);
  return kExitOk;
}

}  // namespace ravix::cli
