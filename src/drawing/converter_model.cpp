#include "drawing/converter_model.hpp"

#include <system_error>
#include <vector>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "core/text_lines.hpp"
#include "drawing/converter.hpp"
#include "drawing/file_size_text.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/preview_drawing.hpp"

namespace ravix {
namespace {

constexpr int kDrawingScale = 1;
// The converter's "base" of a file name drops its last four characters.
constexpr std::size_t kExtensionLength = 4;
constexpr int kFrameNumberPointSize = 5;

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::vector<std::filesystem::path> PathsIn(const FileListModel& list, const NameListModel& names) {
  std::vector<std::filesystem::path> paths;
  paths.reserve(names.entries().size());
  for (const std::string& name : names.entries())
    paths.push_back(list.PathOf(name));
  return paths;
}

std::vector<std::string> ExplodedNames(const std::string& base, std::size_t count) {
  std::vector<std::string> names;
  names.reserve(count);
  for (std::size_t i = 1; i <= count; ++i)
    names.push_back(ExplodedDrawingFileName(base, i));
  return names;
}

std::string BaseName(const std::string& fileName) {
  return fileName.size() > kExtensionLength ? fileName.substr(0, fileName.size() - kExtensionLength)
                                            : std::string();
}

std::string DrawingFilesText(std::size_t count) {
  return std::to_string(count) + " drawing files";
}

}  // namespace

std::string WithExtension(std::string_view name, std::string_view extension) {
  std::string result(name);
  if (name.size() < extension.size() ||
      !EqualsIgnoringCase(name.substr(name.size() - extension.size()), extension)) {
    result += extension;
  }
  return result;
}

ConverterModel::ConverterModel(const Workspace& workspace)
    : drawingFiles(workspace.Folder(kDrawingFolder), ".ddr"),
      ildaFiles(workspace.Folder(kIldaFolder), ".ild"),
      frameLists(workspace.Folder(kFramesFolder), ".ilf") {
  if (const auto name = drawingFiles.currentName())
    PreviewDrawingFile(drawingFiles.PathOf(*name));
}

Status ConverterModel::Report(Status status) {
  if (!status)
    message = status.error();
  return status;
}

Status ConverterModel::Saved(const std::string& what) {
  message = "Saved " + what;
  return {};
}

Status ConverterModel::ConvertListToIlda(const YesNoQuestion& ask) {
  const std::string_view typed = TrimBlanks(newIldaFileName);
  if (convertList.empty() || typed.empty())
    return {};
  const std::string name = WithExtension(typed, ".ild");
  if (FileExists(ildaFiles.PathOf(name)) && !ask(kImageExistsQuestion))
    return {};
  const TILDAimage image = DrawingListToIldaImage(PathsIn(drawingFiles, convertList));
  if (Status status = IldaFileWrite(ildaFiles.PathOf(name), image); !status)
    return Report(status);
  ShowNewIldaFile(name);
  return Saved(name);
}

Status ConverterModel::ConvertListToFrameList() {
  if (TrimBlanks(frameListName).empty())
    frameListName = kEmptyFrameListName;
  const std::string name = WithExtension(TrimBlanks(frameListName), ".ilf");
  const FrameList frames = DrawingListToFrameList(PathsIn(drawingFiles, convertList));
  const Status status = FrameListWrite(frameLists.PathOf(name), frames);
  frameLists.Refresh();
  return status ? Saved(name) : Report(status);
}

Status ConverterModel::IldaToFrameList(const YesNoQuestion& ask, FrameReductionModel& window,
                                       const ShowReductionWindow& showModal) {
  const auto ildaName = ildaFiles.currentName();
  if (!ildaName)
    return {};
  if (!FileExists(ildaFiles.PathOf(*ildaName))) {
    ildaFiles.Refresh();
    return {};
  }
  const std::string base = BaseName(*ildaName);
  if (base.empty())
    return {};
  const std::string listName = WithExtension(base, ".ilf");
  if (FileExists(frameLists.PathOf(listName)) && !ask(kFrameListExistsQuestion))
    return {};
  TILDAimage image;
  if (const IldaReadResult read = IldaFileRead(ildaFiles.PathOf(*ildaName), image);
      !read.fileStatus) {
    return Report(read.fileStatus);
  }
  window.Prepare(IldaImageToFrameList(image), listName);
  if (!showModal(window))
    return {};
  const Status written = window.WriteResult(frameLists.folder());
  frameLists.Refresh();
  if (!written)
    return Report(written);
  if (!window.createDrawingFiles)
    return Saved(listName);
  convertList.Clear();
  const Status exploded = ExplodeFrameList(window.resultFrames(), drawingFiles.folder() / base);
  if (exploded)
    convertList.Append(ExplodedNames(base, window.resultFrames().size()));
  drawingFiles.Refresh();
  if (!exploded)
    return Report(exploded);
  return Saved(listName + ", " + DrawingFilesText(window.resultFrames().size()));
}

Status ConverterModel::ExplodeSelectedFrameList() {
  const auto listName = frameLists.currentName();
  if (!listName)
    return {};
  FrameList frames;
  FrameListRead(frameLists.PathOf(*listName), frames);
  const std::string base = BaseName(*listName);
  const Status exploded = ExplodeFrameList(frames, drawingFiles.folder() / base);
  if (exploded)
    convertList.Append(ExplodedNames(base, frames.size()));
  drawingFiles.Refresh();
  return exploded ? Saved(DrawingFilesText(frames.size())) : Report(exploded);
}

Status ConverterModel::MergeIldaList(const YesNoQuestion& ask) {
  if (mergeList.empty() || mergedIldaFileName.empty())
    return {};
  const std::string name = WithExtension(mergedIldaFileName, ".ild");
  if (FileExists(ildaFiles.PathOf(name)) && !ask(kMergedIldaExistsQuestion))
    return {};
  const TILDAimage merged = MergeIldaFiles(PathsIn(ildaFiles, mergeList));
  if (Status status = IldaFileWrite(ildaFiles.PathOf(name), merged); !status)
    return Report(status);
  ShowNewIldaFile(name);
  return Saved(name);
}

void ConverterModel::RefreshAll() {
  drawingFiles.Refresh();
  ildaFiles.Refresh();
  drawingPreview_.clear();
  if (const auto name = drawingFiles.currentName())
    PreviewDrawingFile(drawingFiles.PathOf(*name));
  ReloadIldaPreview();
}

void ConverterModel::SelectDrawingFile(std::size_t index) {
  drawingFiles.Select(index);
  if (const auto name = drawingFiles.currentName())
    PreviewDrawingFile(drawingFiles.PathOf(*name));
}

void ConverterModel::AddSelectedDrawings() {
  convertList.Append(drawingFiles.SelectedNames());
  PreviewConvertEntry();
}

void ConverterModel::InsertSelectedDrawings() {
  convertList.InsertEachAtCurrent(drawingFiles.SelectedNames());
  PreviewConvertEntry();
}

void ConverterModel::RemoveConvertEntry() {
  convertList.RemoveCurrent();
  PreviewConvertEntry();
}

void ConverterModel::SelectConvertEntry(std::size_t index) {
  convertList.Select(index);
  PreviewConvertEntry();
}

void ConverterModel::SelectIldaFile(std::size_t index) {
  ildaFiles.Select(index);
  ReloadIldaPreview();
}

void ConverterModel::SetIldaFolder(const std::filesystem::path& folder) {
  ildaFiles.SetFolder(folder);
  ReloadIldaPreview();
}

void ConverterModel::AddSelectedIldaFiles() {
  mergeList.Append(ildaFiles.SelectedNames());
}

void ConverterModel::InsertSelectedIldaFiles() {
  mergeList.InsertEachAtCurrent(ildaFiles.SelectedNames());
}

Status ConverterModel::DeleteCurrentDrawingFile() {
  const Status status = drawingFiles.DeleteCurrent();
  drawingPreview_.clear();
  if (const auto name = drawingFiles.currentName())
    PreviewDrawingFile(drawingFiles.PathOf(*name));
  return Report(status);
}

Status ConverterModel::DeleteCurrentIldaFile() {
  const Status status = ildaFiles.DeleteCurrent();
  ReloadIldaPreview();
  return Report(status);
}

void ConverterModel::FindDrawing(std::string_view answer) {
  const std::string name = WithExtension(TrimBlanks(answer), ".ddr");
  if (!drawingFiles.SelectName(name)) {
    message = kDrawingNotFound;
    return;
  }
  PreviewDrawingFile(drawingFiles.PathOf(name));
}

void ConverterModel::FindIlda(std::string_view answer) {
  if (!ildaFiles.SelectName(WithExtension(answer, ".ild"))) {
    message = kIldaNotFound;
    return;
  }
  ReloadIldaPreview();
}

void ConverterModel::SetIldaPreview(bool on) {
  ildaPreviewOn_ = on;
  ReloadIldaPreview();
}

void ConverterModel::AdvanceIldaPreview() {
  if (!ildaPreviewOn_ || ildaPreviewImage_.frames.empty())
    return;
  ildaPreviewFrame_ = (ildaPreviewFrame_ + 1) % ildaPreviewImage_.frames.size();
}

DrawingObject ConverterModel::ildaPreviewObject() const {
  DrawingObject object;
  if (!ildaPreviewOn_ || ildaPreviewFrame_ >= ildaPreviewImage_.frames.size())
    return object;
  for (const LaserPoint& point : ildaPreviewImage_.frames[ildaPreviewFrame_].points)
    object.push_back(IldaToDrawingPoint(point));
  return object;
}

void ConverterModel::DrawIldaPreview(Canvas& canvas) const {
  const DrawingObject object = ildaPreviewObject();
  DrawHalfScalePreview(canvas, {object});
  if (object.empty())
    return;
  canvas.SetPenColour(PaletteColour(kColourWhite));
  canvas.Text(0, 0, std::to_string(ildaPreviewFrame_ + 1), kFrameNumberPointSize);
}

std::optional<std::uintmax_t> ConverterModel::SelectedIldaSize() const {
  const auto name = ildaFiles.currentName();
  if (!name)
    return std::nullopt;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(ildaFiles.PathOf(*name), error);
  if (error)
    return std::nullopt;
  return size;
}

std::string ConverterModel::selectedIldaSizeText() const {
  const auto size = SelectedIldaSize();
  return size ? FileSizeText(*size) : std::string();
}

std::string ConverterModel::selectedIldaSizeHint() const {
  const auto size = SelectedIldaSize();
  return size ? FileSizeHint(*size) : std::string();
}

void ConverterModel::PreviewDrawingFile(const std::filesystem::path& path) {
  DrawingFileRead(path, drawingPreview_, kDrawingScale);
}

void ConverterModel::PreviewConvertEntry() {
  drawingPreview_.clear();
  if (const auto name = convertList.currentName())
    PreviewDrawingFile(drawingFiles.PathOf(*name));
}

void ConverterModel::ReloadIldaPreview() {
  ildaPreviewImage_ = {};
  ildaPreviewFrame_ = 0;
  if (!ildaPreviewOn_)
    return;
  if (const auto name = ildaFiles.currentName())
    IldaFileRead(ildaFiles.PathOf(*name), ildaPreviewImage_);
}

void ConverterModel::ShowNewIldaFile(const std::string& name) {
  ildaFiles.Refresh();
  ildaFiles.SelectName(name);
  ReloadIldaPreview();
}

}  // namespace ravix
