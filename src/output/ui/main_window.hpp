#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "output/desktop_session.hpp"

class QComboBox;
class QPushButton;

namespace ravix {

// The buttons of the main window that open another window.
enum class MainButton {
  kPictureEdit,
  kSegmentEdit,
  kShowEdit,
  kConverter,
  kQuickPlay,
  kTextPlay,
  kQuickPlay2,
  kSelectDevice,
};
inline constexpr int kMainButtonCount = 8;

// Every button caption, in the order the window shows them.
inline constexpr std::array<const char*, kMainButtonCount> kMainButtonCaptions = {
    "Picture Edit", "Segment Edit", "Show Edit",   "Converter",
    "Quick Play",   "Text play",    "Quick Play2", "Select Device"};
inline constexpr const char* kDetectDeviceCaption = "Detect Device";
inline constexpr int kDeviceTimerMs = 2000;

// "Main-RAVIX": opens the editors and players, finds the controllers and
// chooses the master. Its creation loads "Ravix.ini" and scans; closing it
// closes the program.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(DesktopSession& session, QWidget* parent = nullptr);

  // A window that exists: its button opens it. Buttons without an opener stay
  // disabled.
  void SetOpener(MainButton button, std::function<void()> open);
  QPushButton* button(MainButton which) const { return buttons_[static_cast<int>(which)]; }
  QComboBox* masterList() const { return masterList_; }

  // Shows the device selection and the title as they are now.
  void Refresh();
  // "Detect Device": scans for controllers again.
  void DetectDevice();

 signals:
  // The device selection changed here.
  void devicesChanged();
  // The window closed after everything was stopped and saved.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnTimer();

  DesktopSession& session_;
  DeviceSelection& devices_;
  QComboBox* masterList_;
  std::array<QPushButton*, kMainButtonCount> buttons_{};
  std::array<std::function<void()>, kMainButtonCount> openers_;
  QTimer timer_;
};

}  // namespace ravix
