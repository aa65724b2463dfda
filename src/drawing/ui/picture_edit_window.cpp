#include "drawing/ui/picture_edit_window.hpp"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>
#include <array>
#include <climits>

#include "core/palette.hpp"
#include "drawing/picture_renderer.hpp"
#include "drawing/ui/frame_list_panel_widget.hpp"
#include "drawing/ui/palette_grid_widget.hpp"
#include "drawing/ui/picture_canvas_widget.hpp"
#include "drawing/ui/rotation_dialog.hpp"
#include "output/drawing_playback.hpp"
#include "output/ui/play_toolbar.hpp"

namespace ravix {
namespace {

constexpr int kButtonColumns = 3;
constexpr int kSwatchSize = 40;

struct ToolMenuItem {
  DrawingTool tool;
  const char* menuItem;
};

// The tool buttons in the order the window shows them, with their menu items.
constexpr std::array<ToolMenuItem, 18> kToolItems = {{
    {DrawingTool::kLine2P, "2P Line(&L)"},
    {DrawingTool::kLineMP, "Mp Line(&M)"},
    {DrawingTool::kArc, "Arc(&A)"},
    {DrawingTool::kCircle, "Circle or ellipse (&C)"},
    {DrawingTool::kRectangle, "Rectangle(4 Points)(&R)"},
    {DrawingTool::kRectangleMP, "Rectangle(many  Points)(&E)"},
    {DrawingTool::kPolygon, "Polygon(vertex)(&P)"},
    {DrawingTool::kPolygonMP, "Polygon(many Point)(&O)"},
    {DrawingTool::kPoint, "Draw Point(&K)"},
    {DrawingTool::kSelectPoint, "Select Point(&S)"},
    {DrawingTool::kSelectObject, "Select Object(&O)"},
    {DrawingTool::kMovePoint, "Move Point(&H)"},
    {DrawingTool::kAddPoint, "Add Point(&J)"},
    {DrawingTool::kXChange, "Change color(for Line)(&L)"},
    {DrawingTool::kBlankLine, "blanking(for line)(&B)"},
    {DrawingTool::kMove, "Move(&M)"},
    {DrawingTool::kScale, "Scale(&X)"},
    {DrawingTool::kDropper, "Dropper(pick color)(&D))"},
}};

// A button and its menu item; either may be absent.
struct Operation {
  const char* button;
  const char* menuItem;
  QMenu* menu;
  std::function<void()> run;
};

// "drawing files(*.ddr)|*.ddr" as a Qt name filter.
QString QtNameFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    filters << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + parts[i + 1] + ")");
  return filters.join(";;");
}

std::optional<std::filesystem::path> QtChooseFile(QWidget* parent,
                                                  const FileDialogRequest& request) {
  QFileDialog dialog(parent);
  dialog.setNameFilter(QtNameFilter(request.filter));
  if (!request.startFolder.empty())
    dialog.setDirectory(QString::fromStdString(request.startFolder.string()));
  if (request.kind == FileDialogRequest::Kind::kSave) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

DialogAnswer QtAsk(QWidget* parent, const std::string& question) {
  switch (QMessageBox::question(parent, parent->windowTitle(), QString::fromStdString(question),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return DialogAnswer::kYes;
    case QMessageBox::No:
      return DialogAnswer::kNo;
    default:
      return DialogAnswer::kCancel;
  }
}

// The window's letter keys and Esc; nothing else.
std::optional<char> EditorKey(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Escape)
    return kEscapeKey;
  const QString text = event.text();
  if (text.size() == 1 && text[0].isLetter() && text[0].unicode() < 0x80)
    return text[0].toLatin1();
  return std::nullopt;
}

QSpinBox* NumberSpinBox(int lowerLimit, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(lowerLimit, INT_MAX);
  box->setKeyboardTracking(false);
  return box;
}

}  // namespace

PictureEditWindow::PictureEditWindow(DesktopSession& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      dialogs_{[this](const std::string& q) { return QtAsk(this, q); },
               [this](const FileDialogRequest& r) { return QtChooseFile(this, r); },
               [this](const std::string& text) {
                 QMessageBox::warning(this, windowTitle(), QString::fromStdString(text));
               }},
      message_(new QLabel(this)),
      document_(std::make_unique<PictureDocument>(*this, ReadEditorSettings(session.settings()),
                                                  session.workspace().Folder(kDrawingFolder))),
      editor_(std::make_unique<PictureEditor>(*document_)),
      frames_(std::make_unique<FrameListPanel>(*this, session.workspace().Folder(kFramesFolder))),
      toolbar_(new PlayToolbar(this)) {
  setWindowTitle(kPictureEditCaption);
  addToolBar(toolbar_);
  ConnectPlayToggles(*toolbar_, session_.playSettings());
  connect(toolbar_->playAction(), &QAction::triggered, this, &PictureEditWindow::Play);

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout;
  auto* buttonPanel = new QWidget(central);
  columns->addWidget(buttonPanel, 0, Qt::AlignTop);
  auto* middle = new QVBoxLayout;
  canvas_ = new PictureCanvasWidget(*editor_, *document_, central);
  middle->addWidget(canvas_);
  middle->addWidget(BuildStatusLine());
  middle->addStretch(1);
  columns->addLayout(middle);
  columns->addWidget(BuildColourPanel());
  framesPanel_ = new FrameListPanelWidget(*frames_, *document_, this);
  auto* rows = new QVBoxLayout;
  rows->addLayout(columns);
  rows->addWidget(framesPanel_);
  central->setLayout(rows);
  setCentralWidget(central);
  rotation_ = new RotationDialog(*editor_, *document_, this);
  BuildMenusAndButtons(buttonPanel);
  connect(canvas_, &PictureCanvasWidget::mouseForwarded, this, &PictureEditWindow::ShowState);
  connect(framesPanel_, &FrameListPanelWidget::handled, this, &PictureEditWindow::ShowState);
  connect(rotation_, &RotationDialog::finished, this, &PictureEditWindow::RepaintCanvas);

  qApp->installEventFilter(this);
  connect(&repaintTimer_, &QTimer::timeout, this,
          [this] { Run([this] { document_->RepaintTimerTick(); }); });
  repaintTimer_.start(kRepaintTimerMs);

  const QPointer<PictureEditWindow> self(this);
  session_.AddCloseGuard([self] { return !self || self->AgreeToClose(); });
  session_.AddSettingsWriter([self](SettingsFile& settings) {
    if (self)
      WriteEditorSettings(settings, self->document().CurrentSettings());
  });
  ShowState();
}

PictureEditWindow::~PictureEditWindow() {
  StopPlay(session_.live().control);
}

void PictureEditWindow::BuildMenusAndButtons(QWidget* buttonPanel) {
  QMenu* file = menuBar()->addMenu("File(&F)");
  QMenu* modify = menuBar()->addMenu("Modify(&M)");
  QMenu* colour = menuBar()->addMenu("Color(&C)");
  PictureDocument& d = *document_;
  PictureEditor& e = *editor_;
  const std::vector<Operation> operations = {
      {"New", "New(&N)", file, [&d] { d.New(); }},
      {"Open", "Open(&O)", file, [&d] { d.Open(); }},
      {"Save", "Save(&S)", file, [&d] { d.Save(); }},
      {"Save As", "Save As(&A)", file, [&d] { d.SaveAs(); }},
      {"Save to buff", "Save to Buffer(&W)", file, [&d] { d.SaveToBuffer(); }},
      {"load Buff", "Load from buffer(&R)", file, [&d] { d.LoadFromBuffer(); }},
      {"Picture", "Background Picture(&B)", file, [&d] { d.ChooseBackgroundPicture(); }},
      {nullptr, "Close(&C)", file, [this] { close(); }},
      {"Undo", "Undo(&U)", modify, [&d] { d.Undo(); }},
      {"Redo", "Redo(&Z)", modify, [&d] { d.Redo(); }},
      {"SelectAll", "Select All(&A)", modify, [&d] { d.SelectAll(); }},
      {"UnSelectAll", "Cancle Select(&Q)", modify, [&d] { d.UnselectAll(); }},
      {"Erase", "Erase(delete Selected)(&D)", modify, [&d] { d.Erase(); }},
      {"Visible P", "Visible Point(&W)", modify, [&d] { d.ToggleVisiblePoints(); }},
      {"Redraw", "Redraw(&N)", modify, [&d] { d.Redraw(); }},
      {"Rotate", "Rorate(&R)", modify, [this] { rotation_->Open(); }},
      {"H Mirror", "Horiznotal mirror(&H)", modify, [&e] { e.HorizontalMirror(); }},
      {"V Mirror", "vertical mirror(&V)", modify, [&e] { e.VerticalMirror(); }},
      {"Text", nullptr, nullptr, [&e] { e.TextButton(); }},
      {nullptr, "Draw Text(&T)", modify,
       [&d] {
         d.ShowMessage("T Text import text...");
         d.host().OpenTextWindow();
       }},
      {"Ch O", "Change color(for selected)(&O)", colour, [&d] { d.ChangeSelectionColour(); }},
      {"Rainbow", "Rainbow color(for Selected)(&R)", colour, [&d] { d.Rainbow(); }},
      {"Blank O", "blanking(for selected)(&V)", colour, [&d] { d.ToggleSelectionBlanking(); }},
      {"Set Backcolor", "set to Background color(&K)", colour, [&d] { d.SetBackgroundColour(); }},
      {"Set Blankcolor", "Set to Blanking color(&J)", colour, [&d] { d.SetBlankingColour(); }},
  };

  auto* grid = new QGridLayout(buttonPanel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  int cell = 0;
  const auto place = [&](QPushButton* button) {
    grid->addWidget(button, cell / kButtonColumns, cell % kButtonColumns);
    ++cell;
  };

  tools_ = new QButtonGroup(this);
  modify->addSeparator();
  for (const ToolMenuItem& item : kToolItems) {
    const DrawingToolInfo& info = ToolInfo(item.tool);
    auto* button = new QPushButton(info.button, buttonPanel);
    button->setCheckable(true);
    button->setToolTip(info.message);
    tools_->addButton(button, static_cast<int>(item.tool));
    place(button);
    connect(modify->addAction(item.menuItem), &QAction::triggered, this,
            [this, tool = item.tool] { ChooseTool(tool); });
  }
  connect(tools_, &QButtonGroup::idClicked, this,
          [this](int id) { ChooseTool(static_cast<DrawingTool>(id)); });
  cell = (cell + kButtonColumns - 1) / kButtonColumns * kButtonColumns;

  for (const Operation& operation : operations) {
    if (operation.button) {
      auto* button = new QPushButton(operation.button, buttonPanel);
      connect(button, &QPushButton::clicked, this, [this, run = operation.run] { Run(run); });
      place(button);
    }
    if (operation.menuItem)
      connect(operation.menu->addAction(operation.menuItem), &QAction::triggered, this,
              [this, run = operation.run] { Run(run); });
  }

  copyObjectAction_ = modify->addAction("copy object flag(&C)");
  copyObjectAction_->setCheckable(true);
  connect(copyObjectAction_, &QAction::toggled, this, [this](bool on) {
    document_->SetCopyObjectFlag(on);
    ShowState();
  });

  FillPlayMenu(*toolbar_, *menuBar()->addMenu("Run(&T)"));
  BuildWindowMenus();
}

void PictureEditWindow::BuildWindowMenus() {
  const auto item = [this](QMenu* menu, const char* caption, const std::function<void()>& run) {
    connect(menu->addAction(caption), &QAction::triggered, this, run);
  };
  QMenu* windows = menuBar()->addMenu("Window(&W)");
  for (const auto& [caption, button] : {std::pair{"Quick Play(&P)", MainButton::kQuickPlay},
                                        {"Segment Edit(&Y)", MainButton::kSegmentEdit},
                                        {"Show Edit(&U)", MainButton::kShowEdit},
                                        {"Converter(&I)", MainButton::kConverter},
                                        {"Text Edit", MainButton::kTextPlay}})
    item(windows, caption, [this, button] { emit mainButtonRequested(button); });
  item(windows, "Main window(&K)", [this] { emit mainWindowRequested(); });

  QMenu* system = menuBar()->addMenu("System(&M)");
  item(system, "Detect device(&D)", [this] { emit detectDeviceRequested(); });
  item(system, "Select device(&E)",
       [this] { emit mainButtonRequested(MainButton::kSelectDevice); });
  item(system, "exit system(&X)", [this] { emit exitRequested(); });

  QMenu* help = menuBar()->addMenu("Help(&H)");
  item(help, "About(&A)...", [this] { emit aboutRequested(); });
}

QWidget* PictureEditWindow::BuildStatusLine() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto value = [&](const char* caption, int row, int column) {
    grid->addWidget(new QLabel(caption, box), row, column);
    auto* label = new QLabel(box);
    label->setMinimumWidth(40);
    grid->addWidget(label, row, column + 1);
    return label;
  };
  grid->addWidget(new QLabel("Message:", box), 0, 0);
  message_->setWordWrap(true);
  message_->setMaximumWidth(kPictureCanvasSize - 60);
  grid->addWidget(message_, 0, 1, 1, 7);
  lastX_ = value("LastX", 1, 0);
  lastY_ = value("LastY:", 1, 2);
  mouseX_ = value("X:", 1, 4);
  mouseY_ = value("Y:", 1, 6);
  pointCount_ = value("Pointcount", 2, 0);
  fileName_ = value("FileName:", 2, 2);
  grid->addWidget(fileName_, 2, 3, 1, 5);
  return box;
}

QWidget* PictureEditWindow::BuildColourPanel() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("ILDA Color palette", box));
  palette_ = new PaletteGridWidget(box);
  auto* scroll = new QScrollArea(box);
  scroll->setWidget(palette_);
  scroll->setFixedWidth(palette_->width() + 24);
  scroll->setMinimumHeight(300);
  layout->addWidget(scroll, 1);
  connect(palette_, &PaletteGridWidget::cellClicked, this, &PictureEditWindow::ChoosePaletteCell);

  auto* values = new QGridLayout;
  const auto value = [&](const char* caption, int row) {
    values->addWidget(new QLabel(caption, box), row, 0);
    auto* label = new QLabel(box);
    values->addWidget(label, row, 1);
    return label;
  };
  colourIndex_ = value("Color Index", 0);
  red_ = value("R :", 1);
  green_ = value("G:", 2);
  blue_ = value("B:", 3);
  swatch_ = new QLabel(box);
  swatch_->setFixedSize(kSwatchSize, kSwatchSize);
  values->addWidget(swatch_, 0, 2, 4, 1);
  layout->addLayout(values);

  layout->addWidget(new QLabel("Point Space", box));
  pointSpace_ = NumberSpinBox(kMinPointSpace, box);
  layout->addWidget(pointSpace_);
  connect(pointSpace_, &QSpinBox::valueChanged, this, [this] {
    Run([this] { document_->EnterPointSpace(pointSpace_->cleanText().toStdString()); });
  });
  layout->addWidget(new QLabel("Sides of polygon", box));
  polygonSides_ = NumberSpinBox(kMinPolygonSides, box);
  layout->addWidget(polygonSides_);
  connect(polygonSides_, &QSpinBox::valueChanged, this, [this] {
    Run([this] { document_->EnterPolygonSides(polygonSides_->cleanText().toStdString()); });
  });
  copyObject_ = new QCheckBox("Copy object flag", box);
  layout->addWidget(copyObject_);
  connect(copyObject_, &QCheckBox::toggled, this, [this](bool on) {
    document_->SetCopyObjectFlag(on);
    ShowState();
  });
  return box;
}

void PictureEditWindow::Run(const std::function<void()>& operation) {
  operation();
  ShowState();
}

void PictureEditWindow::ChooseTool(DrawingTool tool) {
  Run([this, tool] { editor_->ChooseTool(tool); });
}

void PictureEditWindow::ChoosePaletteCell(int column, int row) {
  Run([this, column, row] { document_->SelectPaletteCell(column, row); });
}

void PictureEditWindow::Play() {
  const QPointer<QLabel> message(message_);
  const Status started = StartDrawingPlayback(
      session_.host(), session_.live(), document_->CopyForPlay(),
      toolbar_->invertXAction()->isChecked(), toolbar_->invertYAction()->isChecked(),
      [message](const std::string& text) {
        QMetaObject::invokeMethod(
            qApp,
            [message, shown = QString::fromStdString(text)] {
              if (message)
                message->setText(shown);
            },
            Qt::QueuedConnection);
      });
  if (!started.ok())
    ShowError(started.error());
}

void PictureEditWindow::LoadDrawing(const std::filesystem::path& file) {
  Run([this, &file] { document_->LoadDrawingFile(file); });
}

bool PictureEditWindow::AgreeToClose() {
  return document_->CloseQuery().closes;
}

void PictureEditWindow::RepaintCanvas() {
  canvas_->update();
  ShowState();
}

void PictureEditWindow::ShowState() {
  const PictureDocument& d = *document_;
  lastX_->setNum(d.lastClick().x);
  lastY_->setNum(d.lastClick().y);
  mouseX_->setNum(d.mousePosition().x);
  mouseY_->setNum(d.mousePosition().y);
  std::size_t points = 0;
  for (const DrawingObject& object : d.drawing())
    points += object.size();
  pointCount_->setNum(static_cast<int>(points));
  fileName_->setText(QString::fromStdString(d.fileNameLabel()));

  const std::uint8_t index = d.currentColour();
  const PackedColour colour = PaletteColour(index);
  colourIndex_->setNum(index);
  red_->setNum(RedOf(colour));
  green_->setNum(GreenOf(colour));
  blue_->setNum(BlueOf(colour));
  swatch_->setStyleSheet(QString("background-color: rgb(%1,%2,%3)")
                             .arg(RedOf(colour))
                             .arg(GreenOf(colour))
                             .arg(BlueOf(colour)));
  palette_->ShowChosen(index);

  {
    const QSignalBlocker blockSpace(pointSpace_);
    const QSignalBlocker blockSides(polygonSides_);
    const QSignalBlocker blockFlag(copyObject_);
    const QSignalBlocker blockFlagItem(copyObjectAction_);
    pointSpace_->setValue(d.pointSpace());
    polygonSides_->setValue(d.polygonSides());
    copyObject_->setChecked(d.copyObjectFlag());
    copyObjectAction_->setChecked(d.copyObjectFlag());
  }

  const int tool = static_cast<int>(editor_->activeTool());
  if (QAbstractButton* button = tools_->button(tool)) {
    button->setChecked(true);
  } else if (QAbstractButton* checked = tools_->checkedButton()) {
    tools_->setExclusive(false);
    checked->setChecked(false);
    tools_->setExclusive(true);
  }
  canvas_->FollowCursorConfinement();
}

void PictureEditWindow::ShowMessage(const std::string& text) {
  message_->setText(QString::fromStdString(text));
}

DialogAnswer PictureEditWindow::AskQuestion(const std::string& text) {
  return dialogs_.ask(text);
}

std::optional<std::filesystem::path> PictureEditWindow::ChooseFile(
    const FileDialogRequest& request) {
  return dialogs_.chooseFile(request);
}

void PictureEditWindow::CanvasChanged() {
  if (canvas_)  // null while the document is made
    canvas_->update();
}

void PictureEditWindow::ShowError(const std::string& text) {
  dialogs_.showError(text);
}

void PictureEditWindow::OpenTextWindow() {
  emit mainButtonRequested(MainButton::kTextPlay);
}

bool PictureEditWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress)
    return QMainWindow::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this)
    return QMainWindow::eventFilter(watched, event);
  const std::optional<char> key = EditorKey(*static_cast<QKeyEvent*>(event));
  if (!key)
    return QMainWindow::eventFilter(watched, event);
  Run([this, key] { editor_->KeyPress(*key); });
  return true;
}

void PictureEditWindow::closeEvent(QCloseEvent* event) {
  if (AgreeToClose())
    event->accept();
  else
    event->ignore();
}

}  // namespace ravix
