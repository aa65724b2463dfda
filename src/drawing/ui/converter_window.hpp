#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <string_view>

#include "core/workspace.hpp"
#include "drawing/converter_model.hpp"
#include "output/ui/main_window.hpp"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeView;

namespace ravix {

class FrameReductionWindow;

inline constexpr const char* kConverterCaption = "Convert";

// "Convert": moves content between the workspace's drawing files, ILDA files
// and frame lists. A view over ConverterModel; the model's questions are asked
// here with Yes/No boxes.
class ConverterWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit ConverterWindow(const Workspace& workspace, QWidget* parent = nullptr);

  ConverterModel& model() { return model_; }
  // The "ILD to ilf" window that "Frame list<-ILD" shows; without it that
  // button does nothing.
  void UseReductionWindow(FrameReductionWindow& window) { reduction_ = &window; }
  // Every list, name box, preview and the message as the model has them.
  void ShowState();

 signals:
  // Menu items for windows the main window opens through its buttons.
  void mainButtonRequested(MainButton button);
  void mainWindowRequested();
  void detectDeviceRequested();
  void exitRequested();
  void aboutRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildMenus();
  QWidget* BuildDrawingList();
  QWidget* BuildConvertList();
  // The drive box and folder tree that move the ILDA list.
  QWidget* BuildIldaFolders(QWidget* parent);
  QWidget* BuildIldaList();
  QWidget* BuildMergeList();
  QWidget* BuildFrameLists();
  QWidget* BuildMessageRow();
  // Clicks on the rows of a list of `names`: Ctrl toggles a row's selection,
  // a plain click calls `select`; then the state is shown.
  template <class Names>
  void TakeClicks(QListWidget& list, Names& names, std::function<void(std::size_t)> select);
  // `run`, then the state it leaves.
  std::function<void()> Shown(std::function<void()> run);
  QString IldaFolderPath() const;
  // The drive box and folder tree opened at the ILDA list's folder.
  void ShowIldaFolder();
  void ShowPreviews();
  void ShowIldaPreview();
  void RunIldaTimer();
  // Runs a conversion under a busy cursor and shows the outcome.
  void Convert(const std::function<void()>& conversion);
  // A question of the model; the busy cursor gives way while it is asked.
  bool Ask(std::string_view question);
  void IldaToFrameList();
  void FindDrawing();
  void FindIlda();
  void SetIldaPreview(bool on);

  ConverterModel model_;
  FrameReductionWindow* reduction_ = nullptr;
  QListWidget* drawingList_ = nullptr;
  QListWidget* convertList_ = nullptr;
  QListWidget* ildaList_ = nullptr;
  QListWidget* mergeList_ = nullptr;
  QListWidget* frameLists_ = nullptr;
  QComboBox* drives_ = nullptr;
  QFileSystemModel* folders_ = nullptr;
  QTreeView* folderTree_ = nullptr;
  QLabel* drawingPicture_ = nullptr;
  QLabel* drawingPointCount_ = nullptr;
  QLabel* ildaPicture_ = nullptr;
  QLabel* ildaPointCount_ = nullptr;
  QLabel* ildaSize_ = nullptr;
  QCheckBox* ildaPreview_ = nullptr;
  QLineEdit* newIldaName_ = nullptr;
  QLineEdit* mergedIldaName_ = nullptr;
  QLineEdit* frameListName_ = nullptr;
  QLabel* message_ = nullptr;
  QTimer ildaTimer_;
};

}  // namespace ravix
