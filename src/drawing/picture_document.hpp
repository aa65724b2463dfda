#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/laser_point.hpp"
#include "drawing/editor_hit_tests.hpp"
#include "drawing/editor_settings.hpp"
#include "drawing/number_box.hpp"
#include "drawing/picture_edit_host.hpp"
#include "drawing/point_selection.hpp"
#include "drawing/undo_history.hpp"

namespace ravix {

inline constexpr const char* kNewDrawingLabel = "newdrawing";
inline constexpr const char* kDrawingFilter = "drawing files(*.ddr)|*.ddr";
inline constexpr const char* kPictureFilter = "Bitmaps (*.bmp)|*.bmp";
// The canvas runs 0..510 in both directions; mirrors reflect about 510 / 2.
inline constexpr std::int32_t kCanvasExtent = 510;
inline constexpr std::uint8_t kDefaultDrawingColour = 4;
// The drawing file and the frame lists hold half the canvas coordinates.
inline constexpr int kEditorFileScale = 2;

// A selected point's coordinates saved when Move, Scale or Move Point starts.
struct MoveBackupEntry {
  PointRef ref;
  LaserPoint saved;
};

// How a close request ends: whether the window closes, and its modal result.
struct CloseResult {
  bool closes = true;
  DialogAnswer modalResult = DialogAnswer::kNo;
};

// The "Picture edit" document: the drawing in canvas coordinates (0..510), its
// file, the selection, the undo history, the object buffer, the colours and
// the editor settings, with the operations of the window's buttons.
//
// The selection is held by (object, point) positions. Every change that adds
// or removes points goes through this class, which keeps the selection, the
// open line object and the move backup valid: removing points or replacing the
// drawing empties them, inserting a point shifts them.
class PictureDocument {
 public:
  PictureDocument(PictureEditHost& host, const EditorSettings& settings,
                  std::filesystem::path drawingFolder);

  // --- file operations -------------------------------------------------------
  void New();
  void Open();
  // False when nothing was written (dialog cancelled or the write failed).
  bool Save();
  bool SaveAs();
  // Writes the drawing to `path` (scale 2) as Save does after its dialog.
  bool SaveTo(const std::filesystem::path& path);
  // The close question; Yes saves first (a save that does not happen keeps the
  // window open).
  CloseResult CloseQuery();

  // --- entry points of other windows ---------------------------------------------
  // Reads a drawing file (scale 2) without asking about unsaved changes.
  void LoadDrawingFile(const std::filesystem::path& path);
  // Puts drawing-space points in for editing (x and y doubled).
  void BeginPointEdit(const Drawing& points, const std::filesystem::path& path,
                      const std::string& label);
  // The drawing back in drawing space (x and y halved toward zero).
  Drawing PointEditResult() const;
  // Appends objects in canvas coordinates, optionally selected, and records an
  // undo step; the canvas is repainted by the timer.
  void AppendObjects(const std::vector<DrawingObject>& objects, bool selectThem);
  // Replaces the drawing without an undo step (the frame list's Send to Drawing).
  void ReplaceDrawing(Drawing drawing);
  // A copy of the drawing for the play loop.
  Drawing CopyForPlay() const { return drawing_; }

  // --- buttons -------------------------------------------------------------
  void SaveToBuffer();
  void LoadFromBuffer();
  void Undo();
  void Redo();
  void SelectAll();
  void UnselectAll();
  void Erase();
  void ChangeSelectionColour();
  void Rainbow();
  void ToggleSelectionBlanking();
  void SetBackgroundColour();
  void SetBlankingColour();
  void ToggleVisiblePoints();
  void Redraw();
  void ChooseBackgroundPicture();
  void SetCopyObjectFlag(bool on) { copyObjectFlag_ = on; }
  void EnterPointSpace(std::string_view text);
  void EnterPolygonSides(std::string_view text);
  // The palette grid: palette index row + 64 x column.
  void SelectPaletteCell(int column, int row) {
    SelectColour(static_cast<std::uint8_t>(row + 64 * column));
  }
  void SelectColour(std::uint8_t index) { currentColour_ = index; }

  // --- state the tools work on ---------------------------------------------------
  const Drawing& drawing() const { return drawing_; }
  const LaserPoint& Point(PointRef ref) const { return drawing_[ref.object][ref.point]; }
  // Coordinates, colour and blanking may change through this; the state only
  // through Select and Unselect.
  LaserPoint& MutablePoint(PointRef ref) { return drawing_[ref.object][ref.point]; }
  std::size_t AppendObject(DrawingObject object);
  void AppendPoint(std::size_t object, const LaserPoint& point);
  void InsertPoint(PointRef at, const LaserPoint& point);

  const PointSelection& selection() const { return selection_; }
  bool IsSelected(PointRef ref) const { return Point(ref).state == kStateSelected; }
  // Selects the point unless it already is.
  void Select(PointRef ref);
  void Unselect(PointRef ref);
  // Every selected point back to normal, the selection emptied.
  void ClearSelection();

  std::vector<LaserPoint>& pendingClicks() { return pendingClicks_; }
  const std::vector<LaserPoint>& pendingClicks() const { return pendingClicks_; }
  // Saves the coordinates of every selected point.
  void SaveMoveBackup();
  const std::vector<MoveBackupEntry>& moveBackup() const { return moveBackup_; }
  // Every saved point gets its saved coordinates back.
  void RestoreMoveBackup();
  void DropMoveBackup() { moveBackup_.clear(); }

  std::optional<std::size_t> openObject() const { return openObject_; }
  void SetOpenObject(std::optional<std::size_t> object) { openObject_ = object; }

  void RecordUndoStep();
  const UndoHistory& undoHistory() const { return undo_; }
  const Drawing& copyBuffer() const { return copyBuffer_; }

  // --- values ----------------------------------------------------------------
  std::uint8_t currentColour() const { return currentColour_; }
  std::uint8_t backgroundColour() const { return settings_.backgroundColour; }
  std::uint8_t blankingColour() const { return settings_.blankingColour; }
  std::int32_t gridSpacingX() const { return settings_.gridSpacingX; }
  std::int32_t gridSpacingY() const { return settings_.gridSpacingY; }
  std::int32_t pointSpace() const { return pointSpace_.value(); }
  std::int32_t polygonSides() const { return polygonSides_.value(); }
  const NumberBox& pointSpaceBox() const { return pointSpace_; }
  const NumberBox& polygonSidesBox() const { return polygonSides_; }
  // The values written back to "Ravix.ini".
  EditorSettings CurrentSettings() const;
  bool visiblePoints() const { return visiblePoints_; }
  bool copyObjectFlag() const { return copyObjectFlag_; }
  bool backgroundPictureOn() const { return !backgroundPicture_.empty(); }
  const std::filesystem::path& backgroundPicture() const { return backgroundPicture_; }

  const std::filesystem::path& drawingPath() const { return drawingPath_; }
  const std::string& fileNameLabel() const { return fileNameLabel_; }
  bool drawingChanged() const { return drawingChanged_; }
  void MarkChanged() { drawingChanged_ = true; }

  // The mouse cursor is held inside the canvas while a tool needs it there.
  bool cursorConfined() const { return cursorConfined_; }
  void ConfineCursor() { cursorConfined_ = true; }
  void ReleaseCursor() { cursorConfined_ = false; }

  // The 1-second repaint timer: repaints once when a repaint is pending.
  bool needsRepaint() const { return needsRepaint_; }
  void RepaintTimerTick();

  // The status line's other fields.
  CanvasPoint lastClick() const { return lastClick_; }
  void SetLastClick(CanvasPoint p) { lastClick_ = p; }
  CanvasPoint mousePosition() const { return mouse_; }
  void SetMousePosition(CanvasPoint p) { mouse_ = p; }

  PictureEditHost& host() { return host_; }
  void ShowMessage(const std::string& text) { host_.ShowMessage(text); }
  // A full redraw of the canvas.
  void Changed() { host_.CanvasChanged(); }

 private:
  bool ConfirmDiscard(const char* question);
  std::optional<std::filesystem::path> ChooseSavePath();
  void ReadFile(const std::filesystem::path& path);
  void SetDrawing(Drawing drawing);
  void DropToolProgress();

  PictureEditHost& host_;
  std::filesystem::path drawingFolder_;
  EditorSettings settings_;

  Drawing drawing_;
  std::filesystem::path drawingPath_;
  std::string fileNameLabel_ = kNewDrawingLabel;
  bool drawingChanged_ = false;
  PointSelection selection_;
  std::vector<LaserPoint> pendingClicks_;
  std::vector<MoveBackupEntry> moveBackup_;
  std::optional<std::size_t> openObject_;
  UndoHistory undo_;
  Drawing copyBuffer_;
  std::uint8_t currentColour_ = kDefaultDrawingColour;
  NumberBox pointSpace_;
  NumberBox polygonSides_;
  bool visiblePoints_ = true;
  bool copyObjectFlag_ = false;
  std::filesystem::path backgroundPicture_;
  bool needsRepaint_ = false;
  bool cursorConfined_ = false;
  CanvasPoint lastClick_;
  CanvasPoint mouse_;
};

}  // namespace ravix
