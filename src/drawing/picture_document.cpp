#include "drawing/picture_document.hpp"

#include <algorithm>

#include "core/drawing_file.hpp"
#include "core/palette.hpp"
#include "drawing/drawing_copy.hpp"

namespace ravix {
namespace {

constexpr const char* kNewQuestion = "File have been changed,Save it?";
constexpr const char* kOpenQuestion = "the drawing have been change, do you want to save it?";
constexpr const char* kCloseQuestion = "the drawing have been change, do you want to save it??";

}  // namespace

PictureDocument::PictureDocument(PictureEditHost& host, const EditorSettings& settings,
                                 std::filesystem::path drawingFolder)
    : host_(host),
      drawingFolder_(std::move(drawingFolder)),
      settings_(settings),
      pointSpace_(kMinPointSpace, settings.pointSpace),
      polygonSides_(kMinPolygonSides, settings.polygonSides) {
  ShowMessage("Auto create a new drawing");
  Changed();
}

// ---- file operations ----------------------------------------------------------------

bool PictureDocument::ConfirmDiscard(const char* question) {
  if (!drawingChanged_)
    return true;
  switch (host_.AskQuestion(question)) {
    case DialogAnswer::kYes:
      return Save();
    case DialogAnswer::kNo:
      return true;
    case DialogAnswer::kCancel:
      break;
  }
  return false;
}

void PictureDocument::New() {
  if (!ConfirmDiscard(kNewQuestion))
    return;
  SetDrawing({});
  undo_.Clear();
  Changed();
  drawingPath_.clear();
  fileNameLabel_ = kNewDrawingLabel;
  ShowMessage("Create a new drawing");
  drawingChanged_ = false;
}

void PictureDocument::Open() {
  if (!ConfirmDiscard(kOpenQuestion))
    return;
  const auto path =
      host_.ChooseFile({FileDialogRequest::Kind::kOpen, kDrawingFilter, "", drawingFolder_, false});
  if (!path || !ChosenFileExists(*path))
    return;
  ReadFile(*path);
  drawingChanged_ = false;
  needsRepaint_ = true;
}

std::optional<std::filesystem::path> PictureDocument::ChooseSavePath() {
  return host_.ChooseFile(
      {FileDialogRequest::Kind::kSave, kDrawingFilter, "ddr", drawingFolder_, true});
}

bool PictureDocument::Save() {
  if (fileNameLabel_ != kNewDrawingLabel && !drawingPath_.empty())
    return SaveTo(drawingPath_);
  return SaveAs();
}

bool PictureDocument::SaveAs() {
  const auto path = ChooseSavePath();
  return path && SaveTo(*path);
}

bool PictureDocument::SaveTo(const std::filesystem::path& path) {
  if (Status status = DrawingFileWrite(path, drawing_, kEditorFileScale); !status) {
    host_.ShowError(status.error());
    return false;
  }
  undo_.Clear();
  drawingPath_ = path;
  fileNameLabel_ = path.filename().string();
  drawingChanged_ = false;
  needsRepaint_ = true;
  return true;
}

CloseResult PictureDocument::CloseQuery() {
  if (!drawingChanged_)
    return {true, DialogAnswer::kNo};
  switch (host_.AskQuestion(kCloseQuestion)) {
    case DialogAnswer::kYes:
      if (Save())
        return {true, DialogAnswer::kYes};
      break;
    case DialogAnswer::kNo:
      drawingChanged_ = false;
      return {true, DialogAnswer::kNo};
    case DialogAnswer::kCancel:
      break;
  }
  return {false, DialogAnswer::kCancel};
}

void PictureDocument::ReadFile(const std::filesystem::path& path) {
  Drawing drawing;
  (void)DrawingFileRead(path, drawing, kEditorFileScale);  // an unreadable file reads empty
  drawingPath_ = path;
  fileNameLabel_ = path.filename().string();
  SetDrawing(std::move(drawing));
  undo_.Clear();
  Changed();
}

// ---- entry points -------------------------------------------------------------------

void PictureDocument::LoadDrawingFile(const std::filesystem::path& path) {
  ReadFile(path);
}

void PictureDocument::BeginPointEdit(const Drawing& points, const std::filesystem::path& path,
                                     const std::string& label) {
  Drawing doubled = CopyDrawing(points, kStateNormal);
  for (DrawingObject& object : doubled) {
    for (LaserPoint& point : object) {
      point.x *= kEditorFileScale;
      point.y *= kEditorFileScale;
    }
  }
  SetDrawing(std::move(doubled));
  drawingPath_ = path;
  fileNameLabel_ = label;
  undo_.Clear();
  Changed();
}

Drawing PictureDocument::PointEditResult() const {
  Drawing halved = CopyDrawing(drawing_, kStateNormal);
  for (DrawingObject& object : halved) {
    for (LaserPoint& point : object) {
      point.x /= kEditorFileScale;
      point.y /= kEditorFileScale;
    }
  }
  return halved;
}

void PictureDocument::AppendObjects(const std::vector<DrawingObject>& objects, bool selectThem) {
  for (const DrawingObject& object : objects) {
    const std::size_t index = AppendObject(CopyObject(object, kStateNormal));
    if (selectThem) {
      for (std::size_t i = 0; i < object.size(); ++i)
        Select({index, i});
    }
  }
  RecordUndoStep();
  needsRepaint_ = true;
}

void PictureDocument::ReplaceDrawing(Drawing drawing) {
  SetDrawing(std::move(drawing));
  Changed();
}

void PictureDocument::SetDrawing(Drawing drawing) {
  drawing_ = std::move(drawing);
  for (DrawingObject& object : drawing_) {
    for (LaserPoint& point : object)
      point.state = kStateNormal;
  }
  selection_.Clear();
  DropToolProgress();
}

// Pending clicks, the move backup and the open line object belong to the
// drawing they were made on; the tool in progress ends with them.
void PictureDocument::DropToolProgress() {
  pendingClicks_.clear();
  moveBackup_.clear();
  openObject_.reset();
  cursorConfined_ = false;
}

// ---- buttons ------------------------------------------------------------------------

void PictureDocument::SaveToBuffer() {
  if (drawing_.empty())
    return;
  copyBuffer_ = CopyDrawing(drawing_, kStateNormal);
  ShowMessage("Save selected objects to buffer success!");
}

void PictureDocument::LoadFromBuffer() {
  ClearSelection();
  AppendObjects(copyBuffer_, true);
  Changed();
  ShowMessage("load object from buffer!");
}

void PictureDocument::Undo() {
  if (!undo_.CanUndo())
    return;
  SetDrawing(undo_.Undo());
  Changed();
  ShowMessage("undo a action!");
}

void PictureDocument::Redo() {
  if (!undo_.CanRedo())
    return;
  SetDrawing(undo_.Redo());
  Changed();
}

void PictureDocument::SelectAll() {
  ClearSelection();
  for (std::size_t o = 0; o < drawing_.size(); ++o) {
    for (std::size_t p = 0; p < drawing_[o].size(); ++p)
      Select({o, p});
  }
  Changed();
  ShowMessage("SelectAll the blanking staus of selected objects have been changed...");
}

void PictureDocument::UnselectAll() {
  ClearSelection();
  Changed();
  ShowMessage("UnSelect cancle selected(Esc)");
}

void PictureDocument::Erase() {
  for (const PointRef& ref : selection_.entries())
    MutablePoint(ref).state = kStateDeleted;
  selection_.Clear();
  moveBackup_.clear();
  for (DrawingObject& object : drawing_)
    std::erase_if(object, [](const LaserPoint& p) { return p.state == kStateDeleted; });
  RecordUndoStep();
  Changed();
  ShowMessage("E Erase, delete objects success!");
}

void PictureDocument::ChangeSelectionColour() {
  for (const PointRef& ref : selection_.entries())
    MutablePoint(ref).colour = currentColour_;
  Changed();
  if (!selection_.empty())
    RecordUndoStep();
}

void PictureDocument::Rainbow() {
  const std::size_t band = selection_.size() / 6;
  std::size_t counter = 1;
  std::uint8_t colour = kColourRed;
  for (std::size_t i = 0; i < selection_.size(); ++i) {
    if (i >= band * counter) {
      ++counter;
      if (++colour == 8)
        colour = kColourRed;
    }
    MutablePoint(selection_.entries()[i]).colour = colour;
  }
  Changed();
  if (!selection_.empty())
    RecordUndoStep();
}

void PictureDocument::ToggleSelectionBlanking() {
  for (const PointRef& ref : selection_.entries()) {
    LaserPoint& point = MutablePoint(ref);
    point.blanked = point.blanked ? 0 : 1;
  }
  Changed();
  RecordUndoStep();
  ShowMessage("AreaSetBlanking the blanking status of selected objects have been changed...");
}

void PictureDocument::SetBackgroundColour() {
  settings_.backgroundColour = currentColour_;
  Changed();
  ShowMessage("refresh background success! the current background color index " +
              std::to_string(currentColour_));
}

void PictureDocument::SetBlankingColour() {
  settings_.blankingColour = currentColour_;
  Changed();
  ShowMessage("refresh blankink success! the current blankink color index " +
              std::to_string(currentColour_));
}

void PictureDocument::ToggleVisiblePoints() {
  visiblePoints_ = !visiblePoints_;
  Changed();
}

void PictureDocument::Redraw() {
  backgroundPicture_.clear();
  Changed();
}

void PictureDocument::ChooseBackgroundPicture() {
  const auto path =
      host_.ChooseFile({FileDialogRequest::Kind::kOpen, kPictureFilter, "", {}, false});
  if (!path || !ChosenFileExists(*path))
    return;
  backgroundPicture_ = *path;
  Changed();
  ShowMessage("BackgroundPicture import a background picture...");
}

namespace {

void TypeInto(NumberBox& box, std::string_view text, PictureEditHost& host) {
  box.SetText("");
  for (char key : text)
    box.TypeKey(key);
  if (std::string error = box.Commit(); !error.empty())
    host.ShowError(error);
}

}  // namespace

void PictureDocument::EnterPointSpace(std::string_view text) {
  TypeInto(pointSpace_, text, host_);
}

void PictureDocument::EnterPolygonSides(std::string_view text) {
  TypeInto(polygonSides_, text, host_);
}

// ---- state the tools work on --------------------------------------------------------

std::size_t PictureDocument::AppendObject(DrawingObject object) {
  drawing_.push_back(std::move(object));
  return drawing_.size() - 1;
}

void PictureDocument::AppendPoint(std::size_t object, const LaserPoint& point) {
  drawing_[object].push_back(point);
}

void PictureDocument::InsertPoint(PointRef at, const LaserPoint& point) {
  DrawingObject& object = drawing_[at.object];
  object.insert(object.begin() + static_cast<std::ptrdiff_t>(at.point), point);
  selection_.PointInserted(at);
  for (MoveBackupEntry& entry : moveBackup_) {
    if (entry.ref.object == at.object && entry.ref.point >= at.point)
      ++entry.ref.point;
  }
}

void PictureDocument::Select(PointRef ref) {
  LaserPoint& point = MutablePoint(ref);
  if (point.state == kStateSelected)
    return;
  point.state = kStateSelected;
  selection_.Add(ref);
}

void PictureDocument::Unselect(PointRef ref) {
  LaserPoint& point = MutablePoint(ref);
  if (point.state != kStateSelected)
    return;
  point.state = kStateNormal;
  selection_.Remove(ref);
}

void PictureDocument::ClearSelection() {
  for (const PointRef& ref : selection_.entries())
    MutablePoint(ref).state = kStateNormal;
  selection_.Clear();
}

void PictureDocument::SaveMoveBackup() {
  moveBackup_.clear();
  for (const PointRef& ref : selection_.entries())
    moveBackup_.push_back({ref, Point(ref)});
}

void PictureDocument::RestoreMoveBackup() {
  for (const MoveBackupEntry& entry : moveBackup_) {
    LaserPoint& point = MutablePoint(entry.ref);
    point.x = entry.saved.x;
    point.y = entry.saved.y;
  }
}

void PictureDocument::RecordUndoStep() {
  undo_.Record(drawing_);
  drawingChanged_ = true;
}

EditorSettings PictureDocument::CurrentSettings() const {
  EditorSettings values = settings_;
  values.pointSpace = pointSpace_.value();
  values.polygonSides = polygonSides_.value();
  return values;
}

void PictureDocument::RepaintTimerTick() {
  if (!needsRepaint_)
    return;
  needsRepaint_ = false;
  Changed();
}

}  // namespace ravix
