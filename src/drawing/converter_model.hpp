#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/canvas.hpp"
#include "core/ilda_image.hpp"
#include "core/laser_point.hpp"
#include "core/status.hpp"
#include "core/workspace.hpp"
#include "drawing/file_list_model.hpp"
#include "drawing/frame_reduction_model.hpp"
#include "drawing/name_list_model.hpp"

namespace ravix {

inline constexpr const char* kImageExistsQuestion = "Image exit do you want to save?";
inline constexpr const char* kFrameListExistsQuestion = "Frame list have exists,Replace it?";
inline constexpr const char* kMergedIldaExistsQuestion = "ILDA exit do you want to save?";
inline constexpr const char* kDefaultNewIldaFileName = "NewImage";
inline constexpr const char* kDefaultMergedIldaFileName = "BinerImage1";
inline constexpr const char* kDefaultFrameListName = "NewFrameList";
inline constexpr const char* kEmptyFrameListName = "newframe";

inline constexpr const char* kFindDrawingTitle = "Fine drawing";
inline constexpr const char* kFindDrawingPrompt = "drawing Filename";
inline constexpr const char* kFindDrawingDefault = "drawing1";
inline constexpr const char* kDrawingNotFound = "Drawing nothing!";
inline constexpr const char* kFindIldaTitle = "Find ILDA image";
inline constexpr const char* kFindIldaPrompt = "Image Finename";
inline constexpr const char* kFindIldaDefault = "Image1";
inline constexpr const char* kIldaNotFound = "Image nothing!";

// A Yes/No question; true for Yes.
using YesNoQuestion = std::function<bool(std::string_view question)>;
// Shows the "ILD to ilf" window modally; true when it closed with "&Ok".
using ShowReductionWindow = std::function<bool(FrameReductionModel& window)>;

// `name` with `extension` (".ild") appended unless it already ends in it,
// letter case ignored.
std::string WithExtension(std::string_view name, std::string_view extension);

// The "Convert" window's state and operations: the drawing, ILDA and frame
// list listings of the workspace, the convert and merge lists, the name boxes,
// the previews and the status message.
class ConverterModel {
 public:
  explicit ConverterModel(const Workspace& workspace);

  FileListModel drawingFiles;
  FileListModel ildaFiles;
  FileListModel frameLists;
  // Names resolved in the drawing list's folder.
  NameListModel convertList;
  // Names resolved in the ILDA list's folder.
  NameListModel mergeList;

  std::string newIldaFileName = kDefaultNewIldaFileName;
  std::string mergedIldaFileName = kDefaultMergedIldaFileName;
  std::string frameListName = kDefaultFrameListName;
  // "Message:": errors, names not found, and what a conversion saved.
  std::string message;

  // --- conversions ---------------------------------------------------------
  // "Drawing convert list->ILD".
  Status ConvertListToIlda(const YesNoQuestion& ask);
  // "Convert list->Frame list".
  Status ConvertListToFrameList();
  // "Frame list<-ILD": the selected ILDA file through the "ILD to ilf" window;
  // on its OK the frame list is written and, with "Create ddr files", every
  // result frame becomes a numbered drawing file that replaces the convert list.
  Status IldaToFrameList(const YesNoQuestion& ask, FrameReductionModel& window,
                         const ShowReductionWindow& showModal);
  // "<--   Explosion the frame list".
  Status ExplodeSelectedFrameList();
  // "Merge File".
  Status MergeIldaList(const YesNoQuestion& ask);
  // "Refresh All list".
  void RefreshAll();

  // --- list handling -------------------------------------------------------
  // A click in the drawing list previews the file.
  void SelectDrawingFile(std::size_t index);
  void AddSelectedDrawings();
  void InsertSelectedDrawings();
  void RemoveConvertEntry();
  void SelectConvertEntry(std::size_t index);
  // A click in the ILDA list loads the file into the preview when it is on.
  void SelectIldaFile(std::size_t index);
  // The ILDA list's folder tree moves the list to another folder.
  void SetIldaFolder(const std::filesystem::path& folder);
  void AddSelectedIldaFiles();
  void InsertSelectedIldaFiles();
  // The Delete key on a file of the drawing or ILDA list.
  Status DeleteCurrentDrawingFile();
  Status DeleteCurrentIldaFile();
  // The answers of the find input boxes.
  void FindDrawing(std::string_view answer);
  void FindIlda(std::string_view answer);

  // --- previews ------------------------------------------------------------
  // The drawing last previewed (scale 1) and its point count.
  const Drawing& drawingPreview() const { return drawingPreview_; }
  // "Pre ild ": on loads the selected ILDA file.
  void SetIldaPreview(bool on);
  bool ildaPreviewOn() const { return ildaPreviewOn_; }
  const TILDAimage& ildaPreviewImage() const { return ildaPreviewImage_; }
  // The frame the preview shows; the 20 ms timer advances it, cycling.
  std::size_t ildaPreviewFrame() const { return ildaPreviewFrame_; }
  void AdvanceIldaPreview();
  // The shown frame's points at (x + 128, 128 - y), which DrawColouredPolyline
  // at divisor 2 draws as the ILDA preview; empty without a frame.
  DrawingObject ildaPreviewObject() const;
  // The ILDA preview picture: the shown frame at half scale, numbered from 1 at
  // the top left; black while the preview is off.
  void DrawIldaPreview(Canvas& canvas) const;
  // The size text and hint of the selected ILDA file; empty without one.
  std::string selectedIldaSizeText() const;
  std::string selectedIldaSizeHint() const;

 private:
  void PreviewDrawingFile(const std::filesystem::path& path);
  void PreviewConvertEntry();
  void ReloadIldaPreview();
  // Selects the written ILDA file and previews it when the preview is on.
  void ShowNewIldaFile(const std::string& name);
  Status Report(Status status);
  // The message of a conversion that wrote `what`.
  Status Saved(const std::string& what);
  std::optional<std::uintmax_t> SelectedIldaSize() const;

  Drawing drawingPreview_;
  bool ildaPreviewOn_ = false;
  TILDAimage ildaPreviewImage_;
  std::size_t ildaPreviewFrame_ = 0;
};

}  // namespace ravix
