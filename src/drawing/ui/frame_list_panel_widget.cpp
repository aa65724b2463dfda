#include "drawing/ui/frame_list_panel_widget.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/qpainter_canvas.hpp"
#include "output/ui/thumbnail_slot.hpp"

namespace ravix {
namespace {

constexpr int kThumbnailColumns = 12;
constexpr int kSelectionBorder = 2;

struct PanelButton {
  const char* caption;
  const char* hint;
  std::function<void(FrameListPanel&, PictureDocument&)> run;
};

}  // namespace

FrameListPanelWidget::FrameListPanelWidget(FrameListPanel& panel, PictureDocument& document,
                                           QWidget* parent)
    : QWidget(parent),
      panel_(panel),
      document_(document),
      fileName_(new QLabel(this)),
      total_(new QLabel(this)),
      frameNumber_(new QLabel(this)),
      framePointCount_(new QLabel(this)),
      pageShown_(new QLabel(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* counts = new QHBoxLayout;
  const auto value = [&](const char* caption, QLabel* label) {
    counts->addWidget(new QLabel(caption, this));
    label->setMinimumWidth(30);
    counts->addWidget(label);
  };
  value("FrameName :", fileName_);
  value("Total frame:", total_);
  value("FrameNO", frameNumber_);
  value("FramePCount", framePointCount_);
  value("Page:", pageShown_);
  counts->addStretch(1);
  layout->addLayout(counts);

  const std::vector<PanelButton> buttons = {
      {"New", nullptr, [](FrameListPanel& p, PictureDocument&) { p.New(); }},
      {"Opwn", "打开动画文件", [](FrameListPanel& p, PictureDocument&) { p.Open(); }},
      {"Save", "保存动画文件", [](FrameListPanel& p, PictureDocument&) { p.Save(); }},
      {"Save As", "另存动画文件", [](FrameListPanel& p, PictureDocument&) { p.SaveAs(); }},
      {"Add", nullptr, [](FrameListPanel& p, PictureDocument&) { p.Add(); }},
      {"insert", nullptr, [](FrameListPanel& p, PictureDocument&) { p.Insert(); }},
      {"Delete", nullptr, [](FrameListPanel& p, PictureDocument&) { p.Delete(); }},
      {"Send to Drawing", nullptr,
       [](FrameListPanel& p, PictureDocument& d) { p.SendToDrawing(d); }},
      {"Get from Drawing", nullptr,
       [](FrameListPanel& p, PictureDocument& d) { p.GetFromDrawing(d); }},
      {"<", nullptr, [](FrameListPanel& p, PictureDocument&) { p.PreviousPage(); }},
      {">", nullptr, [](FrameListPanel& p, PictureDocument&) { p.NextPage(); }},
  };
  auto* row = new QHBoxLayout;
  for (const PanelButton& button : buttons) {
    auto* push = new QPushButton(button.caption, this);
    if (button.hint)
      push->setToolTip(button.hint);
    connect(push, &QPushButton::clicked, this,
            [this, run = button.run] { Run([this, &run] { run(panel_, document_); }); });
    row->addWidget(push);
  }
  row->addStretch(1);
  layout->addLayout(row);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  for (std::size_t slot = 0; slot < kFramesPerPage; ++slot) {
    auto* thumbnail = new ThumbnailSlot(static_cast<int>(slot), this);
    thumbnail->setFixedSize(kThumbnailSize + 2 * kSelectionBorder,
                            kThumbnailSize + 2 * kSelectionBorder);
    grid->addWidget(thumbnail, static_cast<int>(slot) / kThumbnailColumns,
                    static_cast<int>(slot) % kThumbnailColumns);
    connect(thumbnail, &ThumbnailSlot::clicked, this, [this](int s) {
      Run([this, s] { panel_.ClickThumbnail(static_cast<std::size_t>(s)); });
    });
    slots_[slot] = thumbnail;
  }
  layout->addLayout(grid);
  ShowPanel();
}

void FrameListPanelWidget::Run(const std::function<void()>& operation) {
  operation();
  ShowPanel();
  emit handled();
}

void FrameListPanelWidget::ShowPanel() {
  fileName_->setText(QString::fromStdString(panel_.fileName()));
  total_->setNum(static_cast<int>(panel_.frames().size()));
  frameNumber_->setNum(static_cast<int>(panel_.selectedFrame()));
  framePointCount_->setNum(static_cast<int>(panel_.selectedPointCount()));
  pageShown_->setText(QString("%1/%2").arg(panel_.page() + 1).arg(panel_.pageCount()));
  const std::size_t shown = panel_.ThumbnailsShown();
  for (std::size_t slot = 0; slot < kFramesPerPage; ++slot) {
    ThumbnailSlot* thumbnail = slots_[slot];
    thumbnail->setVisible(slot < shown);
    if (slot >= shown)
      continue;
    const std::size_t index = panel_.page() * kFramesPerPage + slot;
    const bool selected = index + 1 == panel_.selectedFrame();
    thumbnail->setStyleSheet(QString("border: %1px solid %2")
                                 .arg(kSelectionBorder)
                                 .arg(selected ? "yellow" : "transparent"));
    thumbnail->setPixmap(QPixmap::fromImage(CanvasPicture(
        kThumbnailSize, [&](Canvas& canvas) { panel_.DrawThumbnail(canvas, index); })));
  }
}

}  // namespace ravix
