#include "output/ui/play_settings_window.hpp"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "output/ui/colour_panel_group.hpp"
#include "output/ui/offset_pad_widget.hpp"
#include "output/ui/play_toolbar.hpp"

namespace ravix {
namespace {

constexpr int kPadRedrawMs = 90;
constexpr int kPreviewSize = 128;

}  // namespace

PlaySettingsWindow::PlaySettingsWindow(DesktopSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      panel_(session.playSettings()),
      toolbar_(new PlayToolbar(this)) {
  setWindowTitle(kPlaySettingsCaption);
  panel_.Load(session.settings());

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildOffsets());
  left->addWidget(BuildPlayInfo());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(BuildSliders());
  right->addWidget(BuildMediaPlayer());
  right->addWidget(BuildColourPanels());
  right->addStretch();
  columns->addLayout(left);
  columns->addLayout(right, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolbar_);
  layout->addLayout(columns);
  ConnectPlayToolbar(*toolbar_, panel_);

  padTimer_.setSingleShot(true);
  padTimer_.setInterval(kPadRedrawMs);
  connect(&padTimer_, &QTimer::timeout, pad_, &OffsetPadWidget::Redraw);
  SyncControls();
}

QWidget* PlaySettingsWindow::BuildOffsets() {
  auto* box = new QWidget(this);
  auto* layout = new QGridLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  pad_ = new OffsetPadWidget(panel_, box);
  offsetXValue_ = new QLabel(box);
  offsetYValue_ = new QLabel(box);
  offsetXValue_->setObjectName("offsetXValue");
  offsetYValue_->setObjectName("offsetYValue");
  auto* reset = new QPushButton("Reset to 0", box);
  layout->addWidget(pad_, 0, 0, 1, 3);
  layout->addWidget(new QLabel("Horizontal offset:", box), 1, 0);
  layout->addWidget(offsetXValue_, 1, 1);
  layout->addWidget(reset, 1, 2, 2, 1);
  layout->addWidget(new QLabel("Vertical offset:", box), 2, 0);
  layout->addWidget(offsetYValue_, 2, 1);
  connect(pad_, &OffsetPadWidget::offsetsChanged, this, &PlaySettingsWindow::SyncControls);
  connect(reset, &QPushButton::clicked, this, [this] {
    panel_.ResetOffsets();
    pad_->Redraw();
    SyncControls();
  });
  return box;
}

QWidget* PlaySettingsWindow::BuildSliders() {
  auto* box = new QWidget(this);
  auto* layout = new QGridLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  for (const PlaySliderSpec& spec : PlaySliders()) {
    auto* slider = new QSlider(Qt::Horizontal, box);
    slider->setObjectName(spec.label);
    slider->setRange(spec.minimum, spec.maximum);
    slider->setValue(spec.initial);
    slider->setMinimumWidth(220);
    auto* value = new QLabel(box);
    value->setMinimumWidth(48);
    layout->addWidget(new QLabel(spec.label, box), row, 0);
    layout->addWidget(slider, row, 1);
    layout->addWidget(value, row, 2);
    sliders_[spec.slider] = slider;
    sliderValues_[spec.slider] = value;
    connect(slider, &QSlider::valueChanged, this, [this, which = spec.slider](int position) {
      panel_.MoveSlider(which, position);
      SyncControls();
    });
    ++row;
    if (spec.slider == PlaySlider::kVerticalSize) {
      lockXY_ = new QCheckBox("Lock XY size", box);
      lockXY_->setObjectName("Lock XY size");
      layout->addWidget(lockXY_, row++, 1);
      connect(lockXY_, &QCheckBox::toggled, this, [this](bool ticked) {
        panel_.SetLockXY(ticked);
        SyncControls();
      });
    }
  }
  return box;
}

QWidget* PlaySettingsWindow::BuildMediaPlayer() {
  auto* box = new QWidget(this);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  mediaPlayerPath_ =
      new QLineEdit(QString::fromStdString(session_.live().settings.MediaPlayerPath()), box);
  mediaPlayerPath_->setObjectName("Media player path");
  auto* find = new QPushButton("Find", box);
  layout->addWidget(new QLabel("Media player path", box));
  layout->addWidget(mediaPlayerPath_, 1);
  layout->addWidget(find);
  connect(mediaPlayerPath_, &QLineEdit::textChanged, this, [this](const QString& text) {
    session_.live().settings.SetMediaPlayerPath(text.toStdString());
  });
  connect(find, &QPushButton::clicked, this, &PlaySettingsWindow::ChooseMediaPlayer);
  return box;
}

QWidget* PlaySettingsWindow::BuildColourPanels() {
  auto* panels = new ColourPanelGroup("Color palette", ColourPanels(), 6, this);
  connect(panels, &ColourPanelGroup::chosen, this,
          [this](std::int32_t code) { panel_.ChooseColour(code); });
  return panels;
}

QWidget* PlaySettingsWindow::BuildPlayInfo() {
  auto* box = new QWidget(this);
  auto* layout = new QGridLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  picture_ = new QLabel(box);
  picture_->setObjectName("picture");
  picture_->setFixedSize(kPreviewSize, kPreviewSize);
  picture_->setStyleSheet("background: black;");
  fileName_ = new QLabel(box);
  pointCount_ = new QLabel("0", box);
  layout->addWidget(picture_, 0, 0, 3, 1);
  layout->addWidget(new QLabel("Filename", box), 0, 1);
  layout->addWidget(fileName_, 0, 2);
  layout->addWidget(new QLabel("Pointcount", box), 1, 1);
  layout->addWidget(pointCount_, 1, 2);
  return box;
}

void PlaySettingsWindow::SyncControls() {
  for (const auto& [which, slider] : sliders_) {
    const int position = panel_.SliderPosition(which);
    const QSignalBlocker blocker(slider);
    slider->setValue(position);
    sliderValues_[which]->setNum(PlaySettingsPanel::ShownValue(which, position));
  }
  const PlaySettings& s = session_.live().settings;
  offsetXValue_->setNum(s.offsetX.load(std::memory_order_relaxed));
  offsetYValue_->setNum(s.offsetY.load(std::memory_order_relaxed));
}

void PlaySettingsWindow::OpenFor(int owner) {
  panel_.SetOwner(owner);
  show();
  raise();
  activateWindow();
}

void PlaySettingsWindow::ShowPlayFile(const QString& fileName, int pointCount) {
  fileName_->setText(fileName);
  pointCount_->setNum(pointCount);
}

void PlaySettingsWindow::ShowPreview(const QImage& image) {
  picture_->setPixmap(QPixmap::fromImage(
      image.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PlaySettingsWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    // The quick player may have changed scan rate or blank delay meanwhile.
    SyncControls();
    padTimer_.start();
  }
}

void PlaySettingsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  padTimer_.start();
}

void PlaySettingsWindow::ChooseMediaPlayer() {
  const QString chosen =
      QFileDialog::getOpenFileName(this, "Media player", QString(), kMediaPlayerFilter);
  if (!chosen.isEmpty() && QFileInfo::exists(chosen))
    mediaPlayerPath_->setText(chosen);
}

}  // namespace ravix
