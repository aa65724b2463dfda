#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "drawing/frame_list_panel.hpp"
#include "drawing/picture_document.hpp"

class QLabel;

namespace ravix {

class ThumbnailSlot;

// The frame list under the editor canvas: its counts, its buttons and a page
// of 24 thumbnails in two rows of 12, over FrameListPanel.
class FrameListPanelWidget : public QWidget {
  Q_OBJECT

 public:
  FrameListPanelWidget(FrameListPanel& panel, PictureDocument& document, QWidget* parent = nullptr);

  // Shows the counts and draws the page shown.
  void ShowPanel();
  ThumbnailSlot* thumbnail(std::size_t slot) const { return slots_[slot]; }

 signals:
  // A button or thumbnail click was handled ("Send to Drawing" replaces the
  // editor's drawing).
  void handled();

 private:
  void Run(const std::function<void()>& operation);

  FrameListPanel& panel_;
  PictureDocument& document_;
  QLabel* fileName_;
  QLabel* total_;
  QLabel* frameNumber_;
  QLabel* framePointCount_;
  QLabel* pageShown_;
  std::array<ThumbnailSlot*, kFramesPerPage> slots_{};
};

}  // namespace ravix
