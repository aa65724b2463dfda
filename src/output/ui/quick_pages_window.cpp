#include "output/ui/quick_pages_window.hpp"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/ui/qpainter_canvas.hpp"
#include "output/quick_pages_pictures.hpp"
#include "output/ui/colour_panel_group.hpp"
#include "output/ui/play_toolbar.hpp"
#include "output/ui/thumbnail_slot.hpp"
#include "output/ui/virtual_key.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr int kTimeFadeMaximum = 50;
constexpr int kColourPanelColumns = 4;
// The tick timer fires first after 100 ms, then every 5 ms; the display timer
// first after 50 ms, then every 1 ms.
constexpr int kTickFirstMs = 100;
constexpr int kTickIntervalMs = 5;
constexpr int kDisplayFirstMs = 50;
constexpr int kDisplayIntervalMs = 1;

// The slots of each keyboard row and how far the row is indented, in
// quarters of a slot.
struct KeyRow {
  int first;
  int count;
  int indentQuarters;
};
constexpr std::array<KeyRow, 4> kKeyRows = {{{0, 12, 0}, {12, 13, 2}, {25, 11, 3}, {36, 10, 5}}};
constexpr int kSlotSpacing = 4;

}  // namespace

QuickPagesWindow::QuickPagesWindow(DesktopSession& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      model_(std::make_unique<QuickPagesModel>(session.workspace())),
      toolbar_(new PlayToolbar(this)),
      playImage_(kPagesPictureSize, kPagesPictureSize, QImage::Format_RGB32) {
  setWindowTitle(kQuickPagesCaption);
  playImage_.fill(Qt::black);
  addToolBar(toolbar_);
  ConnectPlayToggles(*toolbar_, session_.playSettings());
  connect(toolbar_->playAction(), &QAction::triggered, this, &QuickPagesWindow::Play);
  connect(toolbar_->AddSettingsAction(), &QAction::triggered, this,
          [this] { emit playSettingsRequested(kOwnerQuickPlayPages); });

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->addWidget(BuildSlots(), 1);
  columns->addWidget(BuildControls());
  setCentralWidget(central);
  statusBar()->showMessage(" ");

  tickTimer_.setInterval(kTickFirstMs);
  connect(&tickTimer_, &QTimer::timeout, this, [this] {
    channel_->segmentTick.store(true, kRelaxed);
    tickTimer_.setInterval(kTickIntervalMs);
  });
  displayTimer_.setSingleShot(true);
  connect(&displayTimer_, &QTimer::timeout, this, &QuickPagesWindow::OnDisplayTimer);

  PlaySettingsPanel& panel = session_.playSettings();
  panel.AddColourModeTarget(channel_->colourMode);
  panel.Targets().Set(
      kOwnerQuickPlayPages,
      PlayOwnerTarget{
          [this](const PlayButtons& b) { toolbar_->SetButtons(b); }, [this] { Play(); }, {}});
  ChooseColour(channel_->colourMode.load(kRelaxed));
  BuildPage();
  qApp->installEventFilter(this);
}

QuickPagesWindow::~QuickPagesWindow() {
  qApp->removeEventFilter(this);
  StopPlay(session_.live().control);
  PlaySettingsPanel& panel = session_.playSettings();
  panel.Targets().Set(kOwnerQuickPlayPages, {});
  panel.RemoveColourModeTarget(channel_->colourMode);
}

QWidget* QuickPagesWindow::BuildSlots() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  tabs_ = new QTabBar(box);
  tabs_->setFocusPolicy(Qt::NoFocus);
  tabs_->setExpanding(false);
  for (const std::string& tab : model_->tabs())
    tabs_->addTab(QString::fromStdString(tab));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (index < 0)
      return;
    model_->ChooseTab(static_cast<std::size_t>(index));
    BuildPage();
  });
  layout->addWidget(tabs_);

  auto* play = new QAction(QString::fromUtf8("播放"), this);
  auto* stop = new QAction(QString::fromUtf8("停止"), this);
  connect(play, &QAction::triggered, this, &QuickPagesWindow::Play);
  connect(stop, &QAction::triggered, toolbar_->stopAction(), &QAction::trigger);
  for (const KeyRow& row : kKeyRows) {
    auto* keys = new QHBoxLayout;
    keys->setSpacing(kSlotSpacing);
    keys->addSpacing(row.indentQuarters * (kPagesSlotSize + kSlotSpacing) / 4);
    for (int slot = row.first; slot < row.first + row.count; ++slot) {
      auto* cell = new QVBoxLayout;
      cell->setSpacing(1);
      auto* image = new ThumbnailSlot(slot, box);
      image->setFixedSize(kPagesSlotSize, kPagesSlotSize);
      image->setContextMenuPolicy(Qt::ActionsContextMenu);
      image->addActions({play, stop});
      connect(image, &ThumbnailSlot::clicked, this, &QuickPagesWindow::SelectSlot);
      connect(image, &ThumbnailSlot::doubleClicked, this, [this](int s) {
        SelectSlot(s);
        Play();
      });
      auto* name = new QLabel(box);
      name->setFixedWidth(kPagesSlotSize);
      name->setAlignment(Qt::AlignHCenter);
      cell->addWidget(image);
      cell->addWidget(name);
      keys->addLayout(cell);
      slots_[static_cast<std::size_t>(slot)] = image;
      names_[static_cast<std::size_t>(slot)] = name;
    }
    keys->addStretch();
    layout->addLayout(keys);
  }
  layout->addStretch();
  return box;
}

QWidget* QuickPagesWindow::BuildControls() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  picture_ = new QLabel(box);
  picture_->setObjectName("playImage");
  picture_->setFixedSize(kPagesPictureSize, kPagesPictureSize);
  picture_->setPixmap(QPixmap::fromImage(playImage_));
  layout->addWidget(picture_);
  auto* count = new QHBoxLayout;
  pointCount_ = new QLabel("0", box);
  pointCount_->setObjectName("PointCount");
  count->addWidget(new QLabel("PointCount", box));
  count->addWidget(pointCount_, 1);
  layout->addLayout(count);

  auto* fade = new QHBoxLayout;
  timeFade_ = new QSlider(Qt::Horizontal, box);
  timeFade_->setObjectName("Time Fade");
  timeFade_->setRange(0, kTimeFadeMaximum);
  timeFade_->setValue(kDefaultTimeFade);
  timeFade_->setFocusPolicy(Qt::NoFocus);
  auto* fadeValue = new QLabel(box);
  fadeValue->setNum(kDefaultTimeFade);
  fadeValue->setMinimumWidth(24);
  fade->addWidget(new QLabel("Time Fade", box));
  fade->addWidget(timeFade_, 1);
  fade->addWidget(fadeValue);
  connect(timeFade_, &QSlider::valueChanged, this, [this, fadeValue](int value) {
    channel_->timeFade.store(value, kRelaxed);
    fadeValue->setNum(value);
  });
  layout->addLayout(fade);

  auto* pages = new QHBoxLayout;
  auto* up = new QPushButton("Up Page", box);
  auto* down = new QPushButton("Down Page", box);
  auto* refresh = new QPushButton("Refresh", box);  // carries no action
  pageNumber_ = new QLabel(box);
  lastPage_ = new QLabel(box);
  pages->addWidget(up);
  pages->addWidget(down);
  pages->addWidget(pageNumber_);
  pages->addWidget(new QLabel("/", box));
  pages->addWidget(lastPage_);
  pages->addStretch();
  pages->addWidget(refresh);
  for (QPushButton* button : {up, down, refresh})
    button->setFocusPolicy(Qt::NoFocus);
  connect(up, &QPushButton::clicked, this, [this] { TurnPage(model_->PageUp()); });
  connect(down, &QPushButton::clicked, this, [this] { TurnPage(model_->PageDown()); });
  layout->addLayout(pages);

  colourPanels_ = new ColourPanelGroup("Color", ColourPanels(), kColourPanelColumns, box);
  connect(colourPanels_, &ColourPanelGroup::chosen, this, &QuickPagesWindow::ChooseColour);
  layout->addWidget(colourPanels_);
  layout->addStretch();
  return box;
}

void QuickPagesWindow::RefreshFiles() {
  model_->RefreshFiles();
  BuildPage();
}

void QuickPagesWindow::BuildPage() {
  page_ = model_->BuildPage();
  const QFontMetrics metrics(names_[0]->font());
  for (std::size_t k = 0; k < page_.size(); ++k) {
    const QString name = QString::fromStdString(page_[k].fileName);
    names_[k]->setText(metrics.elidedText(name, Qt::ElideMiddle, kPagesSlotSize));
    names_[k]->setToolTip(name);
    ShowSlot(static_cast<int>(k));
  }
  pageNumber_->setNum(model_->page());
  lastPage_->setNum(model_->lastPage());
}

void QuickPagesWindow::ShowSlot(int slot) {
  const auto k = static_cast<std::size_t>(slot);
  slotImages_[k] = CanvasPicture(kPagesSlotSize, [&](Canvas& canvas) {
    DrawPagesSlot(canvas, page_[k], slot == model_->slot());
  });
  slots_[k]->setPixmap(QPixmap::fromImage(slotImages_[k]));
}

void QuickPagesWindow::SelectSlot(int slot) {
  const int previous = model_->slot();
  model_->SelectSlot(slot);
  ShowSelection(previous);
}

void QuickPagesWindow::ShowSelection(int previous) {
  ShowSlot(previous);
  ShowSlot(model_->slot());
}

void QuickPagesWindow::TurnPage(bool moved) {
  if (moved)
    BuildPage();
}

void QuickPagesWindow::ChooseColour(std::int32_t code) {
  channel_->colourMode.store(code, kRelaxed);
  colourPanels_->ShowChosen(code);
}

void QuickPagesWindow::ShowMessage(const std::string& text) {
  statusBar()->showMessage(QString::fromStdString(text));
}

void QuickPagesWindow::Play() {
  session_.playSettings().SetOwner(kOwnerQuickPlayPages);
  const std::optional<std::filesystem::path> file = model_->SelectedFile();
  std::shared_ptr<const FrameList> list;
  const Status started =
      StartPagesPlay(session_.host(), session_.live(), file, channel_, toolbar_->Buttons(), list,
                     [this](const std::string& text) { ShowMessage(text); });
  if (!started)
    ShowMessage(started.error());
  if (!list)
    return;  // nothing selected, or the running play did not stop
  frames_ = std::move(list);
  playingName_ = QString::fromStdString(file->filename().string());
  playGeneration_ = session_.host().generation();
  tickTimer_.start(kTickFirstMs);
  displayTimer_.start(kDisplayFirstMs);
}

void QuickPagesWindow::OnDisplayTimer() {
  if (session_.host().generation() != playGeneration_) {
    tickTimer_.stop();  // another window's play took over
    return;
  }
  const PagesDisplayFiring firing = FirePagesDisplay(session_.live(), *channel_);
  if (firing.draw && frames_ && static_cast<std::size_t>(firing.frameIndex) < frames_->size()) {
    playImage_ = CanvasPicture(kPagesPictureSize, [&](Canvas& canvas) {
      DrawPagesDisplay(canvas, (*frames_)[static_cast<std::size_t>(firing.frameIndex)],
                       firing.frameIndex, channel_->colourMode.load(kRelaxed),
                       channel_->colourOffset.load(kRelaxed), session_.live().settings.Values());
    });
    picture_->setPixmap(QPixmap::fromImage(playImage_));
    pointCount_->setNum(firing.pointCount);
    emit frameShown(playingName_, firing.pointCount, playImage_);
  }
  if (firing.again) {
    displayTimer_.start(kDisplayIntervalMs);
    return;
  }
  tickTimer_.stop();
  ShowMessage(kPagesPlayOverText);
}

bool QuickPagesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != this)
    return QMainWindow::eventFilter(watched, event);
  const std::optional<std::int32_t> key = VirtualKeyOf(*static_cast<QKeyEvent*>(event));
  if (!key)
    return QMainWindow::eventFilter(watched, event);
  const int previous = model_->slot();
  switch (model_->KeyDown(*key)) {
    case PagesKeyAction::kSelected:
      ShowSelection(previous);
      break;
    case PagesKeyAction::kPlay:
      Play();
      break;
    case PagesKeyAction::kPageChanged:
      BuildPage();
      break;
    case PagesKeyAction::kNone:
      break;
  }
  return true;
}

void QuickPagesWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // The play settings window's colour panels set the same colour mode.
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    colourPanels_->ShowChosen(channel_->colourMode.load(kRelaxed));
}

}  // namespace ravix
