#include "drawing/ui/frame_reduction_window.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/ui/qpainter_canvas.hpp"
#include "drawing/point_reduction.hpp"
#include "drawing/preview_drawing.hpp"
#include "output/ui/thumbnail_slot.hpp"

namespace ravix {
namespace {

constexpr int kThumbnailColumns = 5;

}  // namespace

FrameReductionWindow::FrameReductionWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(kFrameReductionCaption);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildThumbnails());
  layout->addWidget(BuildControls());
  ShowState();
}

QWidget* FrameReductionWindow::BuildThumbnails() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(4);
  for (std::size_t slot = 0; slot < kReductionThumbnailsPerPage; ++slot) {
    const int s = static_cast<int>(slot);
    auto* thumbnail = new ThumbnailSlot(s, box);
    thumbnail->setFixedSize(kHalfScalePreviewSize, kHalfScalePreviewSize);
    grid->addWidget(thumbnail, s / kThumbnailColumns, s % kThumbnailColumns);
    connect(thumbnail, &ThumbnailSlot::clicked, this, [this](int clicked) {
      model_.SelectSlot(static_cast<std::size_t>(clicked));
      ShowThumbnails();
    });
    slots_[slot] = thumbnail;
  }
  return box;
}

QWidget* FrameReductionWindow::BuildControls() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* name = new QHBoxLayout;
  name_ = new QLabel(box);
  name_->setObjectName("name");
  name->addWidget(new QLabel("Name:", box));
  name->addWidget(name_, 1);
  layout->addLayout(name);

  threshold_ = new QSlider(Qt::Horizontal, box);
  threshold_->setObjectName("threshold");
  threshold_->setRange(kMinReductionThreshold, kMaxReductionThreshold);
  threshold_->setMinimumWidth(200);
  thresholdValue_ = new QLabel(box);
  thresholdValue_->setObjectName("thresholdValue");
  thresholdValue_->setMinimumWidth(32);
  auto* track = new QHBoxLayout;
  track->addWidget(new QLabel(QString::number(kMinReductionThreshold), box));
  track->addWidget(threshold_, 1);
  track->addWidget(new QLabel(QString::number(kMaxReductionThreshold), box));
  track->addWidget(thresholdValue_);
  layout->addLayout(track);
  connect(threshold_, &QSlider::valueChanged, this, [this](int value) {
    model_.SetThreshold(value);
    thresholdValue_->setNum(model_.threshold());
  });

  auto* reduceOne = new QPushButton("Reduce points for this frame", box);
  reduceAll_ = new QPushButton("Reduce points for  all frame", box);
  reduceOne->setObjectName("reduceThis");
  reduceAll_->setObjectName("reduceAll");
  layout->addWidget(reduceOne);
  layout->addWidget(reduceAll_);
  connect(reduceOne, &QPushButton::clicked, this, [this] {
    model_.ReduceSelectedFrame();
    ShowThumbnails();
  });
  connect(reduceAll_, &QPushButton::clicked, this, [this] {
    reduceAll_->setEnabled(false);
    model_.ReduceAllFrames();
    ShowThumbnails();
    reduceAll_->setEnabled(true);
  });

  auto* pages = new QHBoxLayout;
  auto* previous = new QPushButton("<<", box);
  auto* next = new QPushButton(">>", box);
  previous->setObjectName("previousPage");
  next->setObjectName("nextPage");
  page_ = new QLabel(box);
  page_->setObjectName("page");
  page_->setAlignment(Qt::AlignCenter);
  pages->addWidget(new QLabel("Page", box));
  pages->addWidget(previous);
  pages->addWidget(page_, 1);
  pages->addWidget(next);
  layout->addLayout(pages);
  connect(previous, &QPushButton::clicked, this, [this] {
    model_.PreviousPage();
    ShowState();
  });
  connect(next, &QPushButton::clicked, this, [this] {
    model_.NextPage();
    ShowState();
  });

  createDrawings_ = new QCheckBox("Create ddr files", box);
  createDrawings_->setObjectName("createDrawings");
  layout->addWidget(createDrawings_);
  connect(createDrawings_, &QCheckBox::toggled, this,
          [this](bool on) { model_.createDrawingFiles = on; });
  layout->addStretch();

  auto* closing = new QHBoxLayout;
  auto* ok = new QPushButton("&Ok", box);
  auto* cancel = new QPushButton("&Cancel", box);
  ok->setObjectName("ok");
  cancel->setObjectName("cancel");
  closing->addWidget(ok);
  closing->addWidget(cancel);
  layout->addLayout(closing);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return box;
}

bool FrameReductionWindow::ShowModal() {
  ShowState();
  return exec() == QDialog::Accepted;
}

void FrameReductionWindow::ShowState() {
  name_->setText(QString::fromStdString(model_.frameListName()));
  threshold_->setValue(model_.threshold());
  thresholdValue_->setNum(model_.threshold());
  page_->setText(QString("%1 / %2").arg(model_.page()).arg(model_.lastPage()));
  createDrawings_->setChecked(model_.createDrawingFiles);
  ShowThumbnails();
}

void FrameReductionWindow::ShowThumbnails() {
  for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
    slots_[slot]->setPixmap(QPixmap::fromImage(CanvasPicture(
        kHalfScalePreviewSize, [&](Canvas& canvas) { model_.DrawThumbnail(canvas, slot); })));
  }
}

}  // namespace ravix
