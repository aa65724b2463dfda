#pragma once

#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "drawing/frame_list_panel.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/picture_edit_host.hpp"
#include "drawing/picture_editor.hpp"
#include "output/desktop_session.hpp"
#include "output/ui/main_window.hpp"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace ravix {

class FrameListPanelWidget;
class PaletteGridWidget;
class PictureCanvasWidget;
class PlayToolbar;
class RotationDialog;

inline constexpr const char* kPictureEditCaption = "Picture edit";
inline constexpr int kRepaintTimerMs = 1000;

// The modal dialogs of the window; tests answer them instead.
struct PictureEditDialogs {
  std::function<DialogAnswer(const std::string& question)> ask;
  std::function<std::optional<std::filesystem::path>(const FileDialogRequest&)> chooseFile;
  std::function<void(const std::string& text)> showError;
};

// "Picture edit", the drawing editor: a view over PictureDocument and
// PictureEditor. Its buttons and menus call the document's operations, the
// canvas and the keys go to the editor, and the play button plays the drawing.
// The program closes only when this window agrees to close.
class PictureEditWindow : public QMainWindow, public PictureEditHost {
  Q_OBJECT

 public:
  explicit PictureEditWindow(DesktopSession& session, QWidget* parent = nullptr);
  // Stops what it plays.
  ~PictureEditWindow() override;

  PictureDocument& document() { return *document_; }
  PictureEditor& editor() { return *editor_; }
  FrameListPanel& frameList() { return *frames_; }
  FrameListPanelWidget* frameListPanel() const { return framesPanel_; }
  PictureCanvasWidget* canvas() const { return canvas_; }
  RotationDialog* rotationDialog() const { return rotation_; }
  PlayToolbar* toolbar() const { return toolbar_; }
  QLabel* messageLabel() const { return message_; }
  QLabel* pointCountLabel() const { return pointCount_; }
  void SetDialogs(PictureEditDialogs dialogs) { dialogs_ = std::move(dialogs); }

  // Another window's drawing file, read without asking about unsaved changes.
  void LoadDrawing(const std::filesystem::path& file);
  // The close question; true when the window may close.
  bool AgreeToClose();
  // The canvas drawn again as it is.
  void RepaintCanvas();

  // PictureEditHost
  void ShowMessage(const std::string& text) override;
  DialogAnswer AskQuestion(const std::string& text) override;
  std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request) override;
  void CanvasChanged() override;
  void ShowError(const std::string& text) override;
  void OpenTextWindow() override;

 signals:
  // The menu items that open what the main window opens ("Text", the T key
  // and "Text Edit" ask for the text window this way).
  void mainButtonRequested(MainButton button);
  void mainWindowRequested();
  void detectDeviceRequested();
  void exitRequested();
  void aboutRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenusAndButtons(QWidget* buttonPanel);
  void BuildWindowMenus();
  QWidget* BuildStatusLine();
  QWidget* BuildColourPanel();
  // Runs a button's operation and shows the state after it.
  void Run(const std::function<void()>& operation);
  void ChooseTool(DrawingTool tool);
  void ChoosePaletteCell(int column, int row);
  void Play();
  void ShowState();

  DesktopSession& session_;
  PictureEditDialogs dialogs_;
  // Set before the document, which shows its first message and asks for a
  // redraw at once; the canvas comes later.
  QLabel* message_;
  PictureCanvasWidget* canvas_ = nullptr;
  std::unique_ptr<PictureDocument> document_;
  std::unique_ptr<PictureEditor> editor_;
  std::unique_ptr<FrameListPanel> frames_;
  PlayToolbar* toolbar_;
  RotationDialog* rotation_ = nullptr;
  FrameListPanelWidget* framesPanel_ = nullptr;
  QButtonGroup* tools_ = nullptr;
  QCheckBox* copyObject_ = nullptr;
  QAction* copyObjectAction_ = nullptr;
  QSpinBox* pointSpace_ = nullptr;
  QSpinBox* polygonSides_ = nullptr;
  PaletteGridWidget* palette_ = nullptr;
  QLabel* lastX_ = nullptr;
  QLabel* lastY_ = nullptr;
  QLabel* mouseX_ = nullptr;
  QLabel* mouseY_ = nullptr;
  QLabel* pointCount_ = nullptr;
  QLabel* fileName_ = nullptr;
  QLabel* colourIndex_ = nullptr;
  QLabel* red_ = nullptr;
  QLabel* green_ = nullptr;
  QLabel* blue_ = nullptr;
  QLabel* swatch_ = nullptr;
  QTimer repaintTimer_;
};

}  // namespace ravix
