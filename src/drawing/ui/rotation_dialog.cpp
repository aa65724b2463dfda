#include "drawing/ui/rotation_dialog.hpp"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "core/ui/qpainter_canvas.hpp"

namespace ravix {

// The half-scale preview of the rotated selection; a click sets the centre.
class RotationPreview : public QWidget {
 public:
  RotationPreview(RotationDialogModel& model, const PictureDocument& document, QWidget* parent)
      : QWidget(parent), model_(model), document_(document) {
    setFixedSize(kRotationPreviewSize, kRotationPreviewSize);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    model_.RenderPreview(canvas, document_);
  }
  void mousePressEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    model_.ClickPreview({at.x(), at.y()});
    update();
  }

 private:
  RotationDialogModel& model_;
  const PictureDocument& document_;
};

RotationDialog::RotationDialog(PictureEditor& editor, PictureDocument& document, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      document_(document),
      preview_(new RotationPreview(editor.rotation(), document, this)),
      angle_(new QSlider(Qt::Horizontal, this)),
      angleValue_(new QLabel(this)),
      anticlockwise_(new QCheckBox("Anticlockwise", this)) {
  setWindowTitle(kRotationCaption);
  setModal(false);
  angle_->setRange(0, kMaxRotationAngle);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview_, 0, Qt::AlignHCenter);
  auto* track = new QGridLayout;
  track->addWidget(angle_, 0, 0, 1, 3);
  track->addWidget(new QLabel("0", this), 1, 0, Qt::AlignLeft);
  track->addWidget(angleValue_, 1, 1, Qt::AlignHCenter);
  track->addWidget(new QLabel("360", this), 1, 2, Qt::AlignRight);
  layout->addLayout(track);
  auto* options = new QHBoxLayout;
  options->addWidget(new QLabel("degree", this));
  options->addStretch(1);
  options->addWidget(anticlockwise_);
  layout->addLayout(options);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("&OK", this);
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());

  connect(angle_, &QSlider::valueChanged, this, [this](int degrees) {
    editor_.rotation().SetAngle(degrees);
    ShowModel();
  });
  connect(anticlockwise_, &QCheckBox::toggled, this, [this](bool on) {
    editor_.rotation().SetAnticlockwise(on);
    ShowModel();
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    editor_.rotation().Ok(document_);
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowModel();
}

void RotationDialog::Open() {
  Activate();
  show();
  raise();
  activateWindow();
}

void RotationDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    Activate();
}

void RotationDialog::Activate() {
  editor_.OpenRotation();
  ShowModel();
}

void RotationDialog::ShowModel() {
  const RotationDialogModel& model = editor_.rotation();
  const QSignalBlocker blockAngle(angle_);
  const QSignalBlocker blockTurn(anticlockwise_);
  angle_->setValue(model.angle());
  anticlockwise_->setChecked(model.anticlockwise());
  angleValue_->setNum(model.angle());
  preview_->update();
}

}  // namespace ravix
