#include "output/ui/text_play_window.hpp"

#include <QAction>
#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/ui/qpainter_canvas.hpp"
#include "output/quick_preview_frame.hpp"
#include "output/ui/play_toolbar.hpp"
#include "output/ui/preview_picture.hpp"

namespace ravix {
namespace {

constexpr int kPictureSize = 256;

std::vector<std::string> Lines(const QString& text) {
  std::vector<std::string> lines;
  for (const QString& line : text.split('\n'))
    lines.push_back(line.toStdString());
  return lines;
}

}  // namespace

TextPlayWindow::TextPlayWindow(DesktopSession& session, FontOpener openFont, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      model_(std::make_unique<RollingTextModel>(std::move(openFont))),
      toolbar_(new PlayToolbar(this)),
      preview_(kPictureSize, kPictureSize, QImage::Format_RGB32) {
  setWindowTitle(kTextPlayCaption);
  preview_.fill(Qt::black);
  model_->TakeLargeSize(session_.live());
  addToolBar(toolbar_);
  ConnectPlayToggles(*toolbar_, session_.playSettings());
  connect(toolbar_->playAction(), &QAction::triggered, this, &TextPlayWindow::Play);
  connect(toolbar_->AddSettingsAction(), &QAction::triggered, this,
          [this] { emit playSettingsRequested(kOwnerTextPlay); });

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->addWidget(BuildText(), 1);
  columns->addWidget(BuildPreview());
  setCentralWidget(central);
  statusBar()->showMessage(" ");

  session_.playSettings().Targets().Set(kOwnerTextPlay,
                                        ToolbarOwnerTarget(*toolbar_, [this] { Play(); }));
}

TextPlayWindow::~TextPlayWindow() {
  StopPlay(session_.live().control);
  session_.playSettings().Targets().Set(kOwnerTextPlay, {});
}

QWidget* TextPlayWindow::BuildText() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  text_ = new QPlainTextEdit(kInitialText, box);
  text_->setObjectName("text");
  text_->setFixedHeight(110);
  layout->addWidget(text_);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    model_->text.lines = Lines(text_->toPlainText());
    Changed();
  });

  auto* font = new QHBoxLayout;
  auto* fontButton = new QPushButton("Font", box);
  fontName_ = new QLabel(QString::fromStdString(model_->text.fontFamily), box);
  font->addWidget(fontButton);
  font->addWidget(fontName_, 1);
  layout->addLayout(font);
  connect(fontButton, &QPushButton::clicked, this, &TextPlayWindow::ChooseFont);

  auto* factors = new QGridLayout;
  TextOutlineOptions& options = model_->text.options;
  // A character factor, with the character box size it gives beside it.
  const auto addFactor = [&](const char* caption, const char* sizeCaption,
                             void (RollingTextModel::*set)(std::int32_t)) {
    auto* size = new QLabel(box);
    size->setNum(RollingTextModel::CharacterSize(kCharacterFactorRange.initial));
    AddSlider(*factors, caption, kCharacterFactorRange, [this, size, set](int v) {
      ((*model_).*set)(v);
      size->setNum(RollingTextModel::CharacterSize(v));
      Changed();
    });
    const int row = factors->rowCount() - 1;
    factors->addWidget(new QLabel(sizeCaption, box), row, 3);
    factors->addWidget(size, row, 4);
  };
  addFactor("Charactor width  factor", "Charactor width", &RollingTextModel::SetWidthFactor);
  addFactor("Charactor height factor", "Charactor heigh", &RollingTextModel::SetHeightFactor);
  AddSlider(*factors, "Width interval factor", kIntervalFactorRange, [this, &options](int v) {
    options.widthInterval = v;
    Changed();
  });
  AddSlider(*factors, "Heigh interval factor", kIntervalFactorRange, [this, &options](int v) {
    options.heightInterval = v;
    Changed();
  });
  AddSlider(*factors, "Fine/ Coarse  factor", kFineFactorRange, [this, &options](int v) {
    options.fine = v;
    Changed();
  });
  layout->addLayout(factors);

  auto* checks = new QHBoxLayout;
  auto* largeSize = new QCheckBox("Large size", box);
  largeSize->setObjectName("Large size");
  largeSize->setChecked(options.largeSize);
  connect(largeSize, &QCheckBox::toggled, this, [this](bool on) {
    model_->SetLargeSize(session_.live(), on);
    Changed();
  });
  auto* autoPreview = new QCheckBox("Auto preview", box);
  autoPreview->setObjectName("Auto preview");
  autoPreview->setChecked(model_->text.autoPreview);
  connect(autoPreview, &QCheckBox::toggled, this,
          [this](bool on) { model_->text.autoPreview = on; });
  checks->addWidget(largeSize);
  checks->addWidget(autoPreview);
  checks->addStretch();
  layout->addLayout(checks);

  auto* rolling = new QGroupBox(box);
  auto* rollingGrid = new QGridLayout(rolling);
  AddSlider(*rollingGrid, "Rolling step", kRollStepRange,
            [this](int v) { model_->SetRollStep(v); });
  AddSlider(*rollingGrid, "Stay time", kStayTimeRange, [this](int v) { model_->SetStayTime(v); });
  AddSlider(*rollingGrid, "Rows or columns", kWindowCountRange,
            [this](int v) { model_->SetWindowCount(v); });
  auto* vertical = new QCheckBox("Vertical roll", rolling);
  vertical->setObjectName("Vertical roll");
  rollingGrid->addWidget(vertical, rollingGrid->rowCount(), 1);
  connect(vertical, &QCheckBox::toggled, this, [this](bool on) { model_->verticalRoll = on; });
  layout->addWidget(rolling);
  layout->addStretch();
  return box;
}

QWidget* TextPlayWindow::BuildPreview() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  const PreviewPicture picture = AddPreviewPicture(*layout, box, preview_, "PointCount");
  picture_ = picture.picture;
  pointCount_ = picture.pointCount;

  auto* preview = new QPushButton("Preview", box);
  connect(preview, &QPushButton::clicked, this, &TextPlayWindow::RunPreview);
  layout->addWidget(preview);
  layout->addStretch();
  auto* ok = new QPushButton("&OK", box);
  ok->setObjectName("&OK");
  connect(ok, &QPushButton::clicked, this, &TextPlayWindow::AddToDrawing);
  layout->addWidget(ok);
  auto* cancel = new QPushButton("&Cancel", box);
  connect(cancel, &QPushButton::clicked, this, [this] {
    close();
    emit editorChanged();
  });
  layout->addWidget(cancel);
  return box;
}

void TextPlayWindow::AddSlider(QGridLayout& grid, const char* caption,
                               const TextControlRange& range,
                               const std::function<void(int)>& moved) {
  const int row = grid.count() == 0 ? 0 : grid.rowCount();
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(caption);
  slider->setRange(range.minimum, range.maximum);
  slider->setValue(range.initial);
  slider->setMinimumWidth(160);
  auto* value = new QLabel;
  value->setNum(range.initial);
  value->setMinimumWidth(24);
  grid.addWidget(new QLabel(caption), row, 0);
  grid.addWidget(slider, row, 1);
  grid.addWidget(value, row, 2);
  connect(slider, &QSlider::valueChanged, this, [this, value, moved](int v) {
    value->setNum(v);
    moved(v);
  });
}

void TextPlayWindow::UseQuickPlayer(std::shared_ptr<QuickPlayChannel> channel) {
  model_->quick = std::move(channel);
}

void TextPlayWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  Changed();
}

void TextPlayWindow::UsePictureEditor(PictureEditor& editor, PictureDocument& document) {
  editor_ = &editor;
  document_ = &document;
}

void TextPlayWindow::AddToDrawing() {
  if (editor_ && document_) {
    if (const Status added = model_->text.Ok(*editor_, *document_); !added) {
      statusBar()->showMessage(QString::fromStdString(added.error()));
      return;  // the font did not open: the window stays with the reason
    }
  }
  close();
  emit editorChanged();
}

void TextPlayWindow::Changed() {
  if (model_->text.autoPreview)
    RunPreview();
}

void TextPlayWindow::RunPreview() {
  const Status previewed = model_->text.Preview(model_->text.options.colour);
  if (!previewed)
    statusBar()->showMessage(QString::fromStdString(previewed.error()));
  ShowFrame(static_cast<int>(model_->text.pointCount()),
            CanvasPicture(kPictureSize, [&](Canvas& canvas) {
              DrawQuickPreview(canvas, model_->text.textObjects());
            }));
}

void TextPlayWindow::ChooseFont() {
  bool chosen = false;
  const QFont font =
      QFontDialog::getFont(&chosen, QFont(QString::fromStdString(model_->text.fontFamily)), this);
  if (!chosen)
    return;
  model_->text.fontFamily = font.family().toStdString();
  fontName_->setText(font.family());
}

void TextPlayWindow::Play() {
  session_.playSettings().SetOwner(kOwnerTextPlay);
  std::string startText;
  const Status started = model_->Play(session_.host(), session_.live(), toolbar_->Buttons(),
                                      [&](const std::string& text) { startText = text; });
  if (!started) {
    statusBar()->showMessage(QString::fromStdString(started.error()));
    return;
  }
  emit textPlayStarted(QString::fromStdString(startText));
}

void TextPlayWindow::ShowFrame(int pointCount, const QImage& picture) {
  preview_ = picture;
  picture_->setPixmap(QPixmap::fromImage(preview_));
  pointCount_->setNum(pointCount);
}

}  // namespace ravix
