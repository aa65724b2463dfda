#include "output/ui/preview_picture.hpp"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace ravix {

PreviewPicture AddPreviewPicture(QVBoxLayout& layout, QWidget* parent, const QImage& image,
                                 const char* countCaption) {
  auto* picture = new QLabel(parent);
  picture->setObjectName("preview");
  picture->setFixedSize(image.size());
  picture->setPixmap(QPixmap::fromImage(image));
  auto* pointCount = new QLabel("0", parent);
  pointCount->setObjectName(countCaption);
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(countCaption, parent));
  count->addWidget(pointCount, 1);
  layout.addWidget(picture);
  layout.addLayout(count);
  return {picture, pointCount};
}

}  // namespace ravix
