#pragma once

#include <QWidget>
#include <array>

#include "output/desktop_session.hpp"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace ravix {

inline constexpr const char* kDeviceSelectCaption = "Select device";

// "Select device": the master list, a box per device number, sending to extra
// devices and resetting controllers, over the session's device selection.
class DeviceSelectWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DeviceSelectWindow(DesktopSession& session, QWidget* parent = nullptr);

  // Shows the device selection as it is now.
  void Refresh();

  QCheckBox* box(int number) const { return boxes_.at(number); }
  QCheckBox* multipleDevices() const { return multiple_; }
  QPushButton* allButton() const { return all_; }
  QPushButton* noneButton() const { return none_; }
  QComboBox* masterList() const { return masterList_; }

 signals:
  // The device selection changed here.
  void devicesChanged();
  // "&OK": the drawing editor redraws.
  void okPressed();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Changed();

  DeviceSelection& devices_;
  QComboBox* masterList_;
  QCheckBox* multiple_;
  QPushButton* all_;
  QPushButton* none_;
  std::array<QCheckBox*, kDeviceNumberCount> boxes_{};
};

}  // namespace ravix
