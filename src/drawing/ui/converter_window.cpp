#include "drawing/ui/converter_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "core/ui/delete_key_filter.hpp"
#include "core/ui/qpainter_canvas.hpp"
#include "drawing/preview_drawing.hpp"
#include "drawing/ui/frame_reduction_window.hpp"
#include "drawing/ui/name_list_view.hpp"
#include "output/ui/preview_picture.hpp"

namespace ravix {
namespace {

constexpr int kIldaPreviewPeriodMs = 20;
constexpr int kListWidth = 180;
constexpr int kFolderTreeHeight = 140;
constexpr int kDriveBoxCharacters = 12;

QPushButton* NewButton(QWidget* parent, const char* caption, const char* objectName,
                       const std::function<void()>& onClick) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  QObject::connect(button, &QPushButton::clicked, parent, onClick);
  return button;
}

void AddButton(QLayout& layout, QWidget* parent, const char* caption, const char* objectName,
               const std::function<void()>& onClick) {
  layout.addWidget(NewButton(parent, caption, objectName, onClick));
}

// A row of the list buttons under a list: (caption, object name, action).
struct ListButton {
  const char* caption;
  const char* objectName;
  std::function<void()> onClick;
};

constexpr int kListButtonColumns = 3;

void AddListButtons(QVBoxLayout& layout, QWidget* parent, const std::vector<ListButton>& buttons) {
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int n = static_cast<int>(i);
    grid->addWidget(
        NewButton(parent, buttons[i].caption, buttons[i].objectName, buttons[i].onClick),
        n / kListButtonColumns, n % kListButtonColumns);
  }
  layout.addLayout(grid);
}

void AddPopupItem(QListWidget& list, const char* caption, const std::function<void()>& onClick) {
  list.setContextMenuPolicy(Qt::ActionsContextMenu);
  QObject::connect(list.addAction(caption), &QAction::triggered, &list, onClick);
}

QListWidget* AddList(QVBoxLayout& layout, QWidget* parent, const char* objectName) {
  auto* list = new QListWidget(parent);
  list->setObjectName(objectName);
  list->setMinimumWidth(kListWidth);
  layout.addWidget(list, 1);
  return list;
}

QLineEdit* AddNameBox(QVBoxLayout& layout, QWidget* parent, const char* caption,
                      const char* objectName, std::string& name) {
  if (caption)
    layout.addWidget(new QLabel(caption, parent));
  auto* box = new QLineEdit(parent);
  box->setObjectName(objectName);
  QObject::connect(box, &QLineEdit::textEdited, parent,
                   [&name](const QString& text) { name = text.toStdString(); });
  layout.addWidget(box);
  return box;
}

// A preview picture with its "Pointcount", under object names of its own.
PreviewPicture AddHalfScalePreview(QVBoxLayout& layout, QWidget* parent, const char* pictureName,
                                   const char* countName) {
  QImage black(kHalfScalePreviewSize, kHalfScalePreviewSize, QImage::Format_RGB32);
  black.fill(Qt::black);
  const PreviewPicture preview = AddPreviewPicture(layout, parent, black, "Pointcount");
  preview.picture->setObjectName(pictureName);
  preview.pointCount->setObjectName(countName);
  return preview;
}

QPixmap Picture(const std::function<void(Canvas&)>& draw) {
  return QPixmap::fromImage(CanvasPicture(kHalfScalePreviewSize, draw));
}

// Runs under the wait cursor.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Gives the normal cursor back while a question or window waits for the user.
class CursorPause {
 public:
  CursorPause() { QApplication::restoreOverrideCursor(); }
  ~CursorPause() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  CursorPause(const CursorPause&) = delete;
  CursorPause& operator=(const CursorPause&) = delete;
};

}  // namespace

ConverterWindow::ConverterWindow(const Workspace& workspace, QWidget* parent)
    : QMainWindow(parent), model_(workspace) {
  setWindowTitle(kConverterCaption);
  BuildMenus();
  auto* central = new QWidget(this);
  auto* rows = new QVBoxLayout(central);
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildDrawingList());
  columns->addWidget(BuildConvertList());
  columns->addWidget(BuildIldaList());
  columns->addWidget(BuildMergeList());
  columns->addWidget(BuildFrameLists());
  rows->addLayout(columns, 1);
  rows->addWidget(BuildMessageRow());
  setCentralWidget(central);

  ildaTimer_.setInterval(kIldaPreviewPeriodMs);
  connect(&ildaTimer_, &QTimer::timeout, this, [this] {
    model_.AdvanceIldaPreview();
    ShowIldaPreview();
  });
  ShowState();
}

void ConverterWindow::BuildMenus() {
  const auto item = [this](QMenu* menu, const char* caption, const std::function<void()>& run) {
    connect(menu->addAction(caption), &QAction::triggered, this, run);
  };
  QMenu* lists = menuBar()->addMenu("List(&L)");
  item(lists, "Find Drawing(&D)", [this] { FindDrawing(); });
  item(lists, "Find ILD(&I)", [this] { FindIlda(); });
  lists->addSeparator();
  item(lists, "Refresh Drawing(&E)", Shown([this] { model_.drawingFiles.Refresh(); }));
  item(lists, "Refresh ILD(&U)", Shown([this] { model_.ildaFiles.Refresh(); }));

  QMenu* windows = menuBar()->addMenu("Window(&W)");
  const auto opener = [&](const char* caption, MainButton button) {
    item(windows, caption, [this, button] { emit mainButtonRequested(button); });
  };
  opener("Quick Edit(&P)", MainButton::kQuickPlay);
  opener("Pic Edit(&D)", MainButton::kPictureEdit);
  opener("Segment Edit(&Y)", MainButton::kSegmentEdit);
  opener("Show Edit(&U)", MainButton::kShowEdit);
  opener("Text Edie", MainButton::kTextPlay);
  item(windows, "Main windows(&K)", [this] { emit mainWindowRequested(); });

  QMenu* system = menuBar()->addMenu("System(&M)");
  item(system, "Detect device(&D)", [this] { emit detectDeviceRequested(); });
  item(system, "Select device(&E)",
       [this] { emit mainButtonRequested(MainButton::kSelectDevice); });
  item(system, "Exit system(&X)", [this] { emit exitRequested(); });

  QMenu* help = menuBar()->addMenu("Help(&H)");
  item(help, "about(&A)...", [this] { emit aboutRequested(); });
}

QWidget* ConverterWindow::BuildDrawingList() {
  auto* box = new QGroupBox("Drawing List", this);
  auto* layout = new QVBoxLayout(box);
  drawingList_ = AddList(*layout, box, "drawingList");
  TakeClicks(*drawingList_, model_.drawingFiles,
             [this](std::size_t row) { model_.SelectDrawingFile(row); });
  const auto add = Shown([this] { model_.AddSelectedDrawings(); });
  const auto insert = Shown([this] { model_.InsertSelectedDrawings(); });
  const auto remove = Shown([this] { model_.DeleteCurrentDrawingFile(); });
  const auto refresh = Shown([this] { model_.drawingFiles.Refresh(); });
  connect(drawingList_, &QListWidget::itemDoubleClicked, this, add);
  drawingList_->installEventFilter(new DeleteKeyFilter(this, remove));
  AddPopupItem(*drawingList_, "Add", add);
  AddPopupItem(*drawingList_, "Insert", insert);
  AddPopupItem(*drawingList_, "remove", remove);
  AddPopupItem(*drawingList_, "refresh", refresh);

  const PreviewPicture preview =
      AddHalfScalePreview(*layout, box, "drawingPreview", "drawingPointCount");
  drawingPicture_ = preview.picture;
  drawingPointCount_ = preview.pointCount;
  AddButton(*layout, box, "Find Drawing", "findDrawing", [this] { FindDrawing(); });
  return box;
}

QWidget* ConverterWindow::BuildConvertList() {
  auto* box = new QGroupBox("Drawing convert list", this);
  auto* layout = new QVBoxLayout(box);
  convertList_ = AddList(*layout, box, "convertList");
  TakeClicks(*convertList_, model_.convertList,
             [this](std::size_t row) { model_.SelectConvertEntry(row); });
  const auto remove = Shown([this] { model_.RemoveConvertEntry(); });
  const auto clear = Shown([this] { model_.convertList.Clear(); });
  connect(convertList_, &QListWidget::itemDoubleClicked, this, remove);
  convertList_->installEventFilter(new DeleteKeyFilter(this, remove));
  AddPopupItem(*convertList_, "remove Drawing", remove);
  AddPopupItem(*convertList_, "clear", clear);

  AddListButtons(
      *layout, box,
      {
          {"Add", "addDrawing", Shown([this] { model_.AddSelectedDrawings(); })},
          {"Insert", "insertDrawing", Shown([this] { model_.InsertSelectedDrawings(); })},
          {"Remove", "removeDrawing", remove},
          {"Up", "upDrawing", Shown([this] { model_.convertList.MoveCurrentUp(); })},
          {"Down", "downDrawing", Shown([this] { model_.convertList.MoveCurrentDown(); })},
      });

  newIldaName_ =
      AddNameBox(*layout, box, "New Ilda Filename", "newIldaName", model_.newIldaFileName);
  AddButton(*layout, box, "Drawing convert list->ILD", "convertToIlda", [this] {
    Convert([this] { model_.ConvertListToIlda([this](std::string_view q) { return Ask(q); }); });
  });
  frameListName_ = AddNameBox(*layout, box, nullptr, "frameListName", model_.frameListName);
  AddButton(*layout, box, "Convert list->Frame list", "convertToFrameList",
            [this] { Convert([this] { model_.ConvertListToFrameList(); }); });
  return box;
}

QWidget* ConverterWindow::BuildIldaFolders(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  drives_ = new QComboBox(box);
  drives_->setObjectName("ildaDrives");
  // Long mount points must not widen the column.
  drives_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  drives_->setMinimumContentsLength(kDriveBoxCharacters);
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (QFileInfo(volume.rootPath()).isDir())
      drives_->addItem(volume.rootPath());
  }
  layout->addWidget(drives_);
  const auto moveTo = [this](const QString& folder) {
    model_.SetIldaFolder(folder.toStdString());
    ShowState();
    ShowIldaFolder();
  };
  connect(drives_, &QComboBox::textActivated, this, moveTo);

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath(QDir::rootPath());
  folderTree_ = new QTreeView(box);
  folderTree_->setObjectName("ildaFolders");
  folderTree_->setModel(folders_);
  folderTree_->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column)
    folderTree_->hideColumn(column);
  folderTree_->setFixedHeight(kFolderTreeHeight);
  layout->addWidget(folderTree_);
  connect(folderTree_, &QTreeView::clicked, this,
          [this, moveTo](const QModelIndex& index) { moveTo(folders_->filePath(index)); });
  // The tree fills in as the model reads the folders: each folder on the way to
  // the list's folder shows it again.
  connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (IldaFolderPath().startsWith(loaded))
      ShowIldaFolder();
  });
  ShowIldaFolder();
  return box;
}

QWidget* ConverterWindow::BuildIldaList() {
  auto* box = new QGroupBox("ILDA lib", this);
  auto* layout = new QVBoxLayout(box);

  layout->addWidget(BuildIldaFolders(box));

  ildaList_ = AddList(*layout, box, "ildaList");
  TakeClicks(*ildaList_, model_.ildaFiles, [this](std::size_t row) { model_.SelectIldaFile(row); });
  const auto add = Shown([this] { model_.AddSelectedIldaFiles(); });
  const auto remove = Shown([this] { model_.DeleteCurrentIldaFile(); });
  connect(ildaList_, &QListWidget::itemDoubleClicked, this, add);
  ildaList_->installEventFilter(new DeleteKeyFilter(this, remove));
  AddPopupItem(*ildaList_, "Add ILD", add);
  AddPopupItem(*ildaList_, "Insert ILD", Shown([this] { model_.InsertSelectedIldaFiles(); }));
  AddPopupItem(*ildaList_, "remove", remove);
  AddPopupItem(*ildaList_, "preview", [this] { SetIldaPreview(true); });
  AddPopupItem(*ildaList_, "Stop preview", [this] { SetIldaPreview(false); });
  AddPopupItem(*ildaList_, "Refresh", Shown([this] { model_.ildaFiles.Refresh(); }));

  ildaSize_ = new QLabel(box);
  ildaSize_->setObjectName("ildaSize");
  layout->addWidget(ildaSize_);
  ildaPreview_ = new QCheckBox("Pre ild ", box);
  ildaPreview_->setObjectName("ildaPreviewOn");
  layout->addWidget(ildaPreview_);
  connect(ildaPreview_, &QCheckBox::clicked, this, &ConverterWindow::SetIldaPreview);

  const PreviewPicture preview = AddHalfScalePreview(*layout, box, "ildaPreview", "ildaPointCount");
  ildaPicture_ = preview.picture;
  ildaPointCount_ = preview.pointCount;
  AddButton(*layout, box, "Find ILD", "findIld", [this] { FindIlda(); });
  AddButton(*layout, box, "Frame list<-ILD", "ildaToFrameList", [this] { IldaToFrameList(); });
  return box;
}

QWidget* ConverterWindow::BuildMergeList() {
  auto* box = new QGroupBox("Merge image list", this);
  auto* layout = new QVBoxLayout(box);
  mergeList_ = AddList(*layout, box, "mergeList");
  TakeClicks(*mergeList_, model_.mergeList,
             [this](std::size_t row) { model_.mergeList.Select(row); });
  const auto remove = Shown([this] { model_.mergeList.RemoveSelected(); });
  connect(mergeList_, &QListWidget::itemDoubleClicked, this, remove);
  AddPopupItem(*mergeList_, "remove ILD", remove);
  const auto clear = Shown([this] { model_.mergeList.Clear(); });
  AddPopupItem(*mergeList_, "clear", clear);

  AddListButtons(*layout, box,
                 {
                     {"Add", "addIld", Shown([this] { model_.AddSelectedIldaFiles(); })},
                     {"Remove", "removeIld", remove},
                     {"Insert", "insertIld", Shown([this] { model_.InsertSelectedIldaFiles(); })},
                     {"Up", "upIld", Shown([this] { model_.mergeList.MoveCurrentUp(); })},
                     {"Down", "downIld", Shown([this] { model_.mergeList.MoveCurrentDown(); })},
                     {"Clear", "clearIld", clear},
                 });

  mergedIldaName_ = AddNameBox(*layout, box, "New biner ILDA filename", "mergedIldaName",
                               model_.mergedIldaFileName);
  AddButton(*layout, box, "Merge File", "mergeFile", [this] {
    Convert([this] { model_.MergeIldaList([this](std::string_view q) { return Ask(q); }); });
  });
  return box;
}

QWidget* ConverterWindow::BuildFrameLists() {
  auto* box = new QGroupBox("Frame List", this);
  auto* layout = new QVBoxLayout(box);
  frameLists_ = AddList(*layout, box, "frameLists");
  ForwardRowClicks(*frameLists_, [this](std::size_t row, bool) {
    model_.frameLists.Select(row);
    ShowState();
  });
  const auto explode = [this] { Convert([this] { model_.ExplodeSelectedFrameList(); }); };
  AddPopupItem(*frameLists_, "explosion", explode);
  AddPopupItem(*frameLists_, "refresh", Shown([this] { model_.frameLists.Refresh(); }));
  AddButton(*layout, box, "<--   Explosion the frame list", "explode", explode);
  return box;
}

QWidget* ConverterWindow::BuildMessageRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  AddButton(*layout, row, "Refresh All list", "refreshAll", Shown([this] { model_.RefreshAll(); }));
  layout->addWidget(new QLabel("Message:", row));
  message_ = new QLabel(row);
  message_->setObjectName("message");
  layout->addWidget(message_, 1);
  return row;
}

template <class Names>
void ConverterWindow::TakeClicks(QListWidget& list, Names& names,
                                 std::function<void(std::size_t)> select) {
  ForwardRowClicks(list, [this, &names, select = std::move(select)](std::size_t row, bool toggle) {
    if (toggle)
      names.ToggleSelected(row);
    else
      select(row);
    ShowState();
  });
}

std::function<void()> ConverterWindow::Shown(std::function<void()> run) {
  return [this, run = std::move(run)] {
    run();
    ShowState();
  };
}

void ConverterWindow::ShowState() {
  ShowNameList(*drawingList_, model_.drawingFiles);
  ShowNameList(*convertList_, model_.convertList);
  ShowNameList(*ildaList_, model_.ildaFiles);
  ShowNameList(*mergeList_, model_.mergeList);
  ShowNameList(*frameLists_, model_.frameLists);
  newIldaName_->setText(QString::fromStdString(model_.newIldaFileName));
  mergedIldaName_->setText(QString::fromStdString(model_.mergedIldaFileName));
  frameListName_->setText(QString::fromStdString(model_.frameListName));
  ildaSize_->setText(QString::fromStdString(model_.selectedIldaSizeText()));
  ildaList_->setToolTip(QString::fromStdString(model_.selectedIldaSizeHint()));
  ildaPreview_->setChecked(model_.ildaPreviewOn());
  message_->setText(QString::fromStdString(model_.message));
  ShowPreviews();
  RunIldaTimer();
}

QString ConverterWindow::IldaFolderPath() const {
  return QFileInfo(QString::fromStdString(model_.ildaFiles.folder().string())).absoluteFilePath();
}

void ConverterWindow::ShowIldaFolder() {
  const QString path = IldaFolderPath();
  drives_->setCurrentIndex(drives_->findText(QStorageInfo(path).rootPath()));
  const QModelIndex folder = folders_->index(path);
  for (QModelIndex up = folder.parent(); up.isValid(); up = up.parent())
    folderTree_->expand(up);
  folderTree_->setCurrentIndex(folder);
  folderTree_->scrollTo(folder);
}

void ConverterWindow::ShowPreviews() {
  const Drawing& drawing = model_.drawingPreview();
  drawingPicture_->setPixmap(
      Picture([&](Canvas& canvas) { DrawHalfScalePreview(canvas, drawing); }));
  drawingPointCount_->setNum(static_cast<int>(PointCount(drawing)));
  ShowIldaPreview();
}

void ConverterWindow::ShowIldaPreview() {
  ildaPicture_->setPixmap(Picture([this](Canvas& canvas) { model_.DrawIldaPreview(canvas); }));
  ildaPointCount_->setNum(static_cast<int>(model_.ildaPreviewObject().size()));
}

void ConverterWindow::RunIldaTimer() {
  if (isVisible() && model_.ildaPreviewOn())
    ildaTimer_.start();
  else
    ildaTimer_.stop();
}

void ConverterWindow::Convert(const std::function<void()>& conversion) {
  {
    const BusyCursor busy;
    model_.message.clear();
    conversion();
  }
  ShowState();
}

bool ConverterWindow::Ask(std::string_view question) {
  const CursorPause pause;
  return QMessageBox::question(
             this, kConverterCaption,
             QString::fromUtf8(question.data(), static_cast<int>(question.size())),
             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ConverterWindow::IldaToFrameList() {
  if (!reduction_)
    return;
  Convert([this] {
    model_.IldaToFrameList([this](std::string_view q) { return Ask(q); }, reduction_->model(),
                           [this](FrameReductionModel&) {
                             const CursorPause pause;
                             return reduction_->ShowModal();
                           });
  });
}

void ConverterWindow::FindDrawing() {
  bool ok = false;
  const QString answer = QInputDialog::getText(this, kFindDrawingTitle, kFindDrawingPrompt,
                                               QLineEdit::Normal, kFindDrawingDefault, &ok);
  if (!ok)
    return;
  model_.FindDrawing(answer.toStdString());
  ShowState();
}

void ConverterWindow::FindIlda() {
  bool ok = false;
  const QString answer = QInputDialog::getText(this, kFindIldaTitle, kFindIldaPrompt,
                                               QLineEdit::Normal, kFindIldaDefault, &ok);
  if (!ok)
    return;
  model_.FindIlda(answer.toStdString());
  ShowState();
}

void ConverterWindow::SetIldaPreview(bool on) {
  model_.SetIldaPreview(on);
  ShowState();
}

void ConverterWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  RunIldaTimer();
}

void ConverterWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  ildaTimer_.stop();
}

}  // namespace ravix
