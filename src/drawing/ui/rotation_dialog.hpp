#pragma once

#include <QDialog>

#include "drawing/picture_editor.hpp"

class QCheckBox;
class QLabel;
class QSlider;

namespace ravix {

class RotationPreview;

inline constexpr const char* kRotationCaption = "Rotation";

// "Rotation": turns the editor's selection by the track bar's degrees about
// the centre clicked in the preview. It opens without blocking the editor.
class RotationDialog : public QDialog {
  Q_OBJECT

 public:
  RotationDialog(PictureEditor& editor, PictureDocument& document, QWidget* parent = nullptr);

  // Shows the dialog; the track bar returns to 0 then and whenever the dialog
  // becomes the active window again.
  void Open();

  QSlider* angleSlider() const { return angle_; }
  QCheckBox* anticlockwiseBox() const { return anticlockwise_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Activate();
  void ShowModel();

  PictureEditor& editor_;
  PictureDocument& document_;
  RotationPreview* preview_;
  QSlider* angle_;
  QLabel* angleValue_;
  QCheckBox* anticlockwise_;
};

}  // namespace ravix
