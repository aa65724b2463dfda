#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "output/desktop_session.hpp"
#include "output/quick_pages_model.hpp"
#include "output/quick_pages_player.hpp"

class QLabel;
class QSlider;
class QTabBar;

namespace ravix {

class ColourPanelGroup;
class PlayToolbar;
class ThumbnailSlot;

inline constexpr const char* kQuickPagesCaption = "Quick play II";

// "Quick play II": the keyboard as a trigger pad for frame lists, a view over
// QuickPagesModel. Keys act anywhere in the window before its controls see
// them. It is the play settings window's pages owner and plays through the
// session's host.
class QuickPagesWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit QuickPagesWindow(DesktopSession& session, QWidget* parent = nullptr);
  // Stops what it plays and leaves the play settings window's targets.
  ~QuickPagesWindow() override;

  QuickPagesModel& model() { return *model_; }
  PlayToolbar* toolbar() const { return toolbar_; }
  QLabel* pointCountLabel() const { return pointCount_; }
  const QImage& playImage() const { return playImage_; }
  const QImage& slotImage(int slot) const { return slotImages_[static_cast<std::size_t>(slot)]; }

  // The main window's "Quick Play2": the current tab's files listed again.
  void RefreshFiles();
  // The toolbar's play button.
  void Play();

 signals:
  // The toolbar's play settings button: the window to open with this owner.
  void playSettingsRequested(int owner);
  // Each frame the display drew: the file played, its point count and the
  // picture, for the play settings and "Play" windows.
  void frameShown(const QString& fileName, int pointCount, const QImage& picture);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QWidget* BuildSlots();
  QWidget* BuildControls();
  void BuildPage();
  void ShowSlot(int slot);
  void SelectSlot(int slot);
  // Redraws the slot selected before and the one selected now.
  void ShowSelection(int previous);
  void TurnPage(bool moved);
  void ChooseColour(std::int32_t code);
  void ShowMessage(const std::string& text);
  void OnDisplayTimer();

  DesktopSession& session_;
  std::unique_ptr<QuickPagesModel> model_;
  const std::shared_ptr<PagesPlayChannel> channel_ = std::make_shared<PagesPlayChannel>();
  // pagesPlayList of the play started last, and its file name.
  std::shared_ptr<const FrameList> frames_;
  QString playingName_;
  // The host's start that the timers serve.
  std::uint64_t playGeneration_ = 0;
  PlayToolbar* toolbar_;
  QTabBar* tabs_ = nullptr;
  std::vector<PageSlot> page_;
  std::array<ThumbnailSlot*, kSlotsPerPage> slots_{};
  std::array<QLabel*, kSlotsPerPage> names_{};
  std::array<QImage, kSlotsPerPage> slotImages_;
  QLabel* pageNumber_ = nullptr;
  QLabel* lastPage_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* pointCount_ = nullptr;
  QSlider* timeFade_ = nullptr;
  ColourPanelGroup* colourPanels_ = nullptr;
  QImage playImage_;
  QTimer tickTimer_;
  QTimer displayTimer_;
};

}  // namespace ravix
