#pragma once

#include <QDialog>
#include <array>

#include "drawing/frame_reduction_model.hpp"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace ravix {

class ThumbnailSlot;

inline constexpr const char* kFrameReductionCaption = "ILD to ilf";

// "ILD to ilf": the converter's frames of an ILDA file in pages of 20
// thumbnails, thinned out by a distance threshold before the converter writes
// them as a frame list. A view over FrameReductionModel, which lives as long
// as the window.
class FrameReductionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit FrameReductionWindow(QWidget* parent = nullptr);

  FrameReductionModel& model() { return model_; }
  // Shows the frames the converter prepared, modally; true for "&Ok".
  bool ShowModal();

 private:
  QWidget* BuildThumbnails();
  QWidget* BuildControls();
  void ShowState();
  void ShowThumbnails();

  FrameReductionModel model_;
  std::array<ThumbnailSlot*, kReductionThumbnailsPerPage> slots_{};
  QLabel* name_ = nullptr;
  QSlider* threshold_ = nullptr;
  QLabel* thresholdValue_ = nullptr;
  QLabel* page_ = nullptr;
  QPushButton* reduceAll_ = nullptr;
  QCheckBox* createDrawings_ = nullptr;
};

}  // namespace ravix
