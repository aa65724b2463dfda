#pragma once

class QImage;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace ravix {

// A player window's preview: the picture, and below it a row with the point
// count after its caption ("Pointcount" or "PointCount"), which is also the
// count label's object name.
struct PreviewPicture {
  QLabel* picture;
  QLabel* pointCount;
};

// Adds the preview at the picture's size to `layout`, showing `image` and 0.
PreviewPicture AddPreviewPicture(QVBoxLayout& layout, QWidget* parent, const QImage& image,
                                 const char* countCaption);

}  // namespace ravix
