#include "output/ui/quick_play_window.hpp"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/ui/delete_key_filter.hpp"
#include "core/ui/qpainter_canvas.hpp"
#include "output/ui/colour_panel_group.hpp"
#include "output/ui/play_toolbar.hpp"
#include "output/ui/preview_picture.hpp"
#include "output/ui/thumbnail_slot.hpp"

namespace ravix {
namespace {

constexpr int kPictureSize = 256;
constexpr int kThumbnailColumns = 6;
constexpr int kColourPanelColumns = 9;
constexpr auto kRelaxed = std::memory_order_relaxed;

// "Select play", in QuickPlayMode order.
constexpr std::array kModeCaptions = {"Drawing", "ILDA", "segment"};

void ShowNames(QListWidget& list, const FileListModel& files) {
  const QSignalBlocker blocker(&list);
  list.clear();
  for (const std::string& name : files.names())
    list.addItem(QString::fromStdString(name));
  if (files.current())
    list.setCurrentRow(static_cast<int>(*files.current()));
}

}  // namespace

QuickPlayWindow::QuickPlayWindow(DesktopSession& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      model_(std::make_unique<QuickPlayModel>(session.workspace())),
      toolbar_(new PlayToolbar(this)),
      preview_(kPictureSize, kPictureSize, QImage::Format_RGB32) {
  setWindowTitle(kQuickPlayCaption);
  preview_.fill(Qt::black);
  addToolBar(toolbar_);
  ConnectPlayToggles(*toolbar_, session_.playSettings());
  connect(toolbar_->playAction(), &QAction::triggered, this, &QuickPlayWindow::Play);
  connect(toolbar_->AddSettingsAction(), &QAction::triggered, this,
          [this] { emit playSettingsRequested(kOwnerQuickPlay); });
  BuildMenus();

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->addWidget(BuildLists());
  columns->addWidget(BuildThumbnails());
  columns->addWidget(BuildControls());
  setCentralWidget(central);
  statusBar()->showMessage(" ");

  frameTimer_.setSingleShot(true);
  previewTimer_.setSingleShot(true);
  connect(&frameTimer_, &QTimer::timeout, this, &QuickPlayWindow::OnFrameTimer);
  connect(&previewTimer_, &QTimer::timeout, this, &QuickPlayWindow::OnPreviewTimer);

  PlaySettingsPanel& panel = session_.playSettings();
  panel.AddColourModeTarget(model_->channel->colourMode);
  panel.AddColourModeTarget(model_->segmentChannel->selectedColour);
  panel.Targets().Set(kOwnerQuickPlay, ToolbarOwnerTarget(*toolbar_, [this] { Play(); }));
  ShowLists();
  ShowMode();
  ChooseColour(model_->channel->colourMode.load(kRelaxed));
}

QuickPlayWindow::~QuickPlayWindow() {
  StopPlay(session_.live().control);
  PlaySettingsPanel& panel = session_.playSettings();
  panel.Targets().Set(kOwnerQuickPlay, {});
  panel.RemoveColourModeTarget(model_->channel->colourMode);
  panel.RemoveColourModeTarget(model_->segmentChannel->selectedColour);
}

void QuickPlayWindow::BuildMenus() {
  FillPlayMenu(*toolbar_, *menuBar()->addMenu("Play(&P)"));

  QMenu* colour = menuBar()->addMenu("Color(&C)");
  for (const ColourPanelSpec& spec : QuickColourPanels())
    connect(colour->addAction(spec.caption), &QAction::triggered, this,
            [this, code = spec.code] { ChooseColour(code); });
  colour->addSeparator();
  for (const ColourPanelSpec& spec : QuickColourModeItems())
    connect(colour->addAction(spec.caption), &QAction::triggered, this,
            [this, code = spec.code] { ChooseColour(code); });
}

QWidget* QuickPlayWindow::BuildLists() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* modes = new QGroupBox("Select play", box);
  auto* modeLayout = new QHBoxLayout(modes);
  modeGroup_ = new QButtonGroup(modes);
  for (std::size_t i = 0; i < kModeCaptions.size(); ++i) {
    auto* button = new QRadioButton(kModeCaptions[i], modes);
    button->setObjectName(kModeCaptions[i]);
    modeGroup_->addButton(button, static_cast<int>(i));
    modeLayout->addWidget(button);
  }
  connect(modeGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { model_->mode = static_cast<QuickPlayMode>(id); });
  layout->addWidget(modes);

  const auto addList = [&](const char* caption, QListWidget*& list) {
    layout->addWidget(new QLabel(caption, box));
    list = new QListWidget(box);
    list->setObjectName(caption);
    list->setMinimumWidth(180);
    layout->addWidget(list, 1);
  };
  addList("Drawing", drawingList_);
  addList("ILDA lib", ildaList_);
  addList("Section", segmentList_);
  connect(drawingList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0)
      return;
    model_->ChooseDrawing(static_cast<std::size_t>(row));
    ShowThumbnails();
    ShowMode();
  });
  connect(ildaList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0)
      return;
    model_->ChooseIldaFile(static_cast<std::size_t>(row));
    ShowMode();
  });
  connect(segmentList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0)
      return;
    model_->ChooseSegment(static_cast<std::size_t>(row));
    ShowMode();
  });
  connect(segmentList_, &QListWidget::itemDoubleClicked, this, &QuickPlayWindow::Play);
  drawingList_->installEventFilter(new DeleteKeyFilter(this, [this] { DeleteDrawing(); }));
  return box;
}

QWidget* QuickPlayWindow::BuildThumbnails() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* grid = new QGridLayout;
  grid->setSpacing(3);
  for (int slot = 0; slot < kThumbnailsPerPage; ++slot) {
    auto* thumbnail = new ThumbnailSlot(slot, box);
    thumbnail->setFixedSize(kQuickThumbnailSize, kQuickThumbnailSize);
    grid->addWidget(thumbnail, slot / kThumbnailColumns, slot % kThumbnailColumns);
    connect(thumbnail, &ThumbnailSlot::clicked, this, [this](int s) {
      model_->ClickThumbnail(s);
      ShowLists();
      ShowMode();
    });
    connect(thumbnail, &ThumbnailSlot::doubleClicked, this, [this](int s) {
      model_->ClickThumbnail(s);
      ShowLists();
      ShowMode();
      Play();
    });
    slots_[static_cast<std::size_t>(slot)] = thumbnail;
  }
  layout->addLayout(grid);

  auto* pages = new QHBoxLayout;
  auto* previous = new QPushButton("<<", box);
  auto* next = new QPushButton(">>", box);
  previous->setObjectName("previousPage");
  next->setObjectName("nextPage");
  pageLabel_ = new QLabel(box);
  pageLabel_->setAlignment(Qt::AlignCenter);
  drawingName_ = new QLabel(box);
  pages->addWidget(previous);
  pages->addWidget(pageLabel_, 1);
  pages->addWidget(next);
  layout->addLayout(pages);
  layout->addWidget(drawingName_);
  layout->addStretch();
  const auto turn = [this](bool moved) {
    if (moved)
      ShowLists();
  };
  connect(previous, &QPushButton::clicked, this, [this, turn] { turn(model_->PreviousPage()); });
  connect(next, &QPushButton::clicked, this, [this, turn] { turn(model_->NextPage()); });
  return box;
}

QWidget* QuickPlayWindow::BuildControls() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  const PreviewPicture preview = AddPreviewPicture(*layout, box, preview_, "Pointcount");
  picture_ = preview.picture;
  pointCount_ = preview.pointCount;

  auto* sliders = new QGridLayout;
  for (std::size_t i = 0; i < kQuickSliderCount; ++i) {
    auto* slider = new QSlider(Qt::Horizontal, box);
    slider->setObjectName(kQuickSliderCaptions[i]);
    slider->setRange(0, kQuickSliderMaximum);
    slider->setMinimumWidth(200);
    const int row = static_cast<int>(i);
    sliders->addWidget(new QLabel(kQuickSliderCaptions[i], box), row, 0);
    sliders->addWidget(slider, row, 1);
    connect(slider, &QSlider::valueChanged, this,
            [this, which = static_cast<QuickSlider>(i)](int v) { model_->MoveSlider(which, v); });
    sliders_[i] = slider;
  }
  const int scanRow = static_cast<int>(kQuickSliderCount);
  scanRate_ = new QSlider(Qt::Horizontal, box);
  scanRate_->setObjectName("Scan rate");
  scanRate_->setRange(kScanRateMinimum, kScanRateMaximum);
  scanRate_->setValue(kInitialScanRatePosition);
  scanRateValue_ = new QLabel(box);
  scanRateValue_->setNum(QuickPlayModel::ScanRateLabel(kInitialScanRatePosition));
  scanRateValue_->setMinimumWidth(48);
  sliders->addWidget(new QLabel("Scan rate", box), scanRow, 0);
  sliders->addWidget(scanRate_, scanRow, 1);
  sliders->addWidget(scanRateValue_, scanRow, 2);
  connect(scanRate_, &QSlider::valueChanged, this, [this](int position) {
    QuickPlayModel::SetScanRate(session_.live(), position);
    scanRateValue_->setNum(QuickPlayModel::ScanRateLabel(position));
  });
  point_ = new QCheckBox("Point", box);
  point_->setObjectName("Point");
  sliders->addWidget(point_, scanRow + 1, 1);
  connect(point_, &QCheckBox::toggled, this, [this](bool on) { model_->SetPoint(on); });
  layout->addLayout(sliders);

  colourPanels_ = new ColourPanelGroup("Color", QuickColourPanels(), kColourPanelColumns, box);
  connect(colourPanels_, &ColourPanelGroup::chosen, this, &QuickPlayWindow::ChooseColour);
  layout->addWidget(colourPanels_);
  layout->addStretch();
  return box;
}

void QuickPlayWindow::ShowLists() {
  ShowNames(*drawingList_, model_->drawings);
  ShowNames(*ildaList_, model_->ildaFiles);
  ShowNames(*segmentList_, model_->segments);
  ShowThumbnails();
}

void QuickPlayWindow::ShowThumbnails() {
  const std::vector<Drawing> drawings = model_->PageThumbnails();
  for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
    ThumbnailSlot* thumbnail = slots_[slot];
    thumbnail->setVisible(slot < drawings.size());
    if (slot >= drawings.size())
      continue;
    const bool selected = static_cast<std::int32_t>(slot) == model_->slot();
    thumbnail->setPixmap(QPixmap::fromImage(CanvasPicture(kQuickThumbnailSize, [&](Canvas& canvas) {
      DrawQuickThumbnail(canvas, drawings[slot], selected);
    })));
  }
  pageLabel_->setNum(model_->page() + 1);
  const std::optional<std::string> name = model_->drawings.currentName();
  drawingName_->setText(QString::fromStdString(name.value_or("")));
}

void QuickPlayWindow::ShowMode() {
  if (QAbstractButton* button = modeGroup_->button(static_cast<int>(model_->mode)))
    button->setChecked(true);
}

void QuickPlayWindow::ShowStatus(const std::string& text) {
  statusBar()->showMessage(QString::fromStdString(text));
}

void QuickPlayWindow::ChooseColour(std::int32_t code) {
  model_->ChooseColour(code);
  colourPanels_->ShowChosen(code);
}

void QuickPlayWindow::DeleteDrawing() {
  const std::optional<std::string> name = model_->drawings.currentName();
  if (!name)
    return;
  const auto answer = QMessageBox::question(
      this, kQuickPlayCaption, QString("Delete %1?").arg(QString::fromStdString(*name)));
  if (answer != QMessageBox::Yes)
    return;
  if (const Status deleted = model_->DeleteCurrentDrawing(); !deleted)
    ShowStatus(deleted.error());
  ShowLists();
}

void QuickPlayWindow::Play() {
  session_.playSettings().SetOwner(kOwnerQuickPlay);
  const Status started = model_->Play(session_.host(), session_.live(), toolbar_->Buttons(),
                                      [this](const std::string& text) { ShowStatus(text); });
  if (!started) {
    ShowStatus(started.error());
    return;
  }
  if (!session_.host().Running())
    return;  // no file to play
  StartTimers();
}

void QuickPlayWindow::ShowTextPlay(const QString& startText) {
  statusBar()->showMessage(startText);
  model_->BorrowForText();
  StartTimers();
}

void QuickPlayWindow::StartTimers() {
  playGeneration_ = session_.host().generation();
  frameTimer_.start(kQuickTimerStartPeriod);
  previewTimer_.start(kQuickTimerStartPeriod);
}

void QuickPlayWindow::OnFrameTimer() {
  frameTimer_.start(model_->FireFrameTimer(session_.live()));
}

void QuickPlayWindow::OnPreviewTimer() {
  if (session_.host().generation() != playGeneration_) {
    frameTimer_.stop();  // another window's play took over
    return;
  }
  QuickPreviewFrame frame;
  const QuickPreviewFiring firing = model_->FirePreview(
      session_.live(), std::chrono::milliseconds{frameTimer_.interval()}, frame);
  if (firing.draw) {
    preview_ = CanvasPicture(kPictureSize,
                             [&](Canvas& canvas) { DrawQuickPreview(canvas, frame.drawing); });
    picture_->setPixmap(QPixmap::fromImage(preview_));
    pointCount_->setNum(frame.pointCount);
    emit frameShown(QString::fromStdString(model_->playingName()), frame.pointCount, preview_);
    if (model_->playingMode() == QuickPlayMode::kText)
      emit textFrameShown(frame.pointCount, preview_);
  }
  if (firing.again) {
    previewTimer_.start(firing.nextPeriod);
    return;
  }
  frameTimer_.stop();
  if (firing.endMessage)
    ShowStatus(firing.endMessage);
}

void QuickPlayWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow())
    return;
  // Other windows may have changed the files, the scan rate or the colour.
  model_->drawings.Refresh();
  model_->ildaFiles.Refresh();
  model_->segments.Refresh();
  ShowLists();
  const QSignalBlocker blocker(scanRate_);
  const int position = QuickPlayModel::ScanRatePosition(session_.live());
  scanRate_->setValue(position);
  scanRateValue_->setNum(QuickPlayModel::ScanRateLabel(position));
  colourPanels_->ShowChosen(model_->channel->colourMode.load(kRelaxed));
}

void QuickPlayWindow::closeEvent(QCloseEvent* event) {
  StopPlay(session_.live().control);
  QMainWindow::closeEvent(event);
}

}  // namespace ravix
