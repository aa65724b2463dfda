#include "output/ui/device_select_window.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ravix {
namespace {

constexpr int kBoxColumns = 8;

}  // namespace

DeviceSelectWindow::DeviceSelectWindow(DesktopSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      devices_(session.devices()),
      masterList_(new QComboBox(this)),
      multiple_(new QCheckBox("Enable mutiple device", this)),
      all_(new QPushButton("All ", this)),
      none_(new QPushButton("None", this)) {
  setWindowTitle(kDeviceSelectCaption);
  masterList_->setMinimumWidth(120);
  auto* ok = new QPushButton("&OK", this);
  auto* reset = new QPushButton("Reset device", this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Master device", this));
  top->addWidget(masterList_);
  top->addStretch();
  top->addWidget(multiple_);

  auto* grid = new QGridLayout;
  for (int n = 0; n < kDeviceNumberCount; ++n) {
    auto* box = new QCheckBox(QString::fromStdString(DisplayName(n)), this);
    box->setVisible(false);
    grid->addWidget(box, n / kBoxColumns, n % kBoxColumns);
    connect(box, &QCheckBox::toggled, this, [this, n](bool ticked) {
      devices_.SetBoxTicked(n, ticked);
      Changed();
    });
    boxes_[n] = box;
  }

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(all_);
  buttons->addWidget(none_);
  buttons->addStretch();
  buttons->addWidget(reset);
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(buttons);

  connect(masterList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    devices_.ChooseSelectionMaster(index);
    Changed();
  });
  connect(multiple_, &QCheckBox::toggled, this, [this](bool ticked) {
    devices_.SetMultipleDevices(ticked);
    Changed();
  });
  connect(all_, &QPushButton::clicked, this, [this] {
    devices_.TickAll();
    Changed();
  });
  connect(none_, &QPushButton::clicked, this, [this] {
    devices_.TickNone();
    Changed();
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    for (const std::string& failure : devices_.ResetDevices())
      QMessageBox::warning(this, QCoreApplication::applicationName(),
                           QString::fromStdString(failure));
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    close();
    emit okPressed();
  });
  Refresh();
}

void DeviceSelectWindow::Changed() {
  Refresh();
  emit devicesChanged();
}

void DeviceSelectWindow::Refresh() {
  {
    const QSignalBlocker blocker(masterList_);
    masterList_->clear();
    for (const std::string& name : devices_.Found().displayNames)
      masterList_->addItem(QString::fromStdString(name));
    masterList_->setCurrentIndex(devices_.MasterIndex());
  }
  {
    const QSignalBlocker blocker(multiple_);
    multiple_->setEnabled(devices_.MultipleDevicesAllowed());
    multiple_->setChecked(devices_.MultipleDevices());
  }
  for (int n = 0; n < kDeviceNumberCount; ++n) {
    const QSignalBlocker blocker(boxes_[n]);
    boxes_[n]->setChecked(devices_.BoxTicked(n));
    boxes_[n]->setVisible(devices_.BoxVisible(n));
  }
  all_->setVisible(devices_.AllNoneVisible());
  none_->setVisible(devices_.AllNoneVisible());
}

void DeviceSelectWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

void DeviceSelectWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    devices_.ActivateSelectionWindow();
    Refresh();
  }
}

}  // namespace ravix
