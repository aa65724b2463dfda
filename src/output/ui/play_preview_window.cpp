#include "output/ui/play_preview_window.hpp"

#include <QGridLayout>
#include <QLabel>

#include "output/ui/play_toolbar.hpp"

namespace ravix {

PlayPreviewWindow::PlayPreviewWindow(DesktopSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      panel_(session.live()),
      toolbar_(new PlayToolbar(this)),
      fileName_(new QLabel(this)),
      pointCount_(new QLabel("0", this)) {
  setWindowTitle(kPlayPreviewCaption);
  auto* picture = new QLabel(this);
  picture->setFixedSize(256, 256);
  picture->setStyleSheet("background: black;");
  auto* layout = new QGridLayout(this);
  layout->addWidget(toolbar_, 0, 0, 1, 2);
  layout->addWidget(picture, 1, 0, 1, 2);
  layout->addWidget(new QLabel("Pointcount", this), 2, 0);
  layout->addWidget(pointCount_, 2, 1);
  layout->addWidget(fileName_, 3, 0, 1, 2);
  ConnectPlayToolbar(*toolbar_, panel_);
}

void PlayPreviewWindow::ShowPlayFile(const QString& fileName, int pointCount) {
  fileName_->setText(fileName);
  pointCount_->setNum(pointCount);
}

}  // namespace ravix
