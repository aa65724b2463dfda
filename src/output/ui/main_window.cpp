#include "output/ui/main_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace ravix {

MainWindow::MainWindow(DesktopSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      devices_(session.devices()),
      masterList_(new QComboBox(this)) {
  setWindowTitle(kMainWindowCaption);
  session_.Start();

  masterList_->setObjectName("masterList");
  masterList_->setMinimumWidth(120);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("Master device", this), 0, 0);
  layout->addWidget(masterList_, 0, 1);
  for (int i = 0; i < kMainButtonCount; ++i) {
    auto* b = new QPushButton(kMainButtonCaptions[i], this);
    b->setObjectName(kMainButtonCaptions[i]);
    b->setEnabled(false);
    b->setMinimumWidth(120);
    layout->addWidget(b, 1 + i / 2, i % 2);
    connect(b, &QPushButton::clicked, this, [this, i] {
      if (openers_[i])
        openers_[i]();
    });
    buttons_[i] = b;
  }
  auto* detect = new QPushButton(kDetectDeviceCaption, this);
  detect->setObjectName(kDetectDeviceCaption);
  layout->addWidget(detect, 1 + kMainButtonCount / 2, 0, 1, 2);

  connect(masterList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    devices_.ChooseMaster(index);
    Refresh();
    emit devicesChanged();
  });
  connect(detect, &QPushButton::clicked, this, &MainWindow::DetectDevice);
  connect(&timer_, &QTimer::timeout, this, &MainWindow::OnTimer);
  Refresh();
  timer_.start(kDeviceTimerMs);
}

void MainWindow::SetOpener(MainButton which, std::function<void()> open) {
  const int i = static_cast<int>(which);
  openers_[i] = std::move(open);
  buttons_[i]->setEnabled(static_cast<bool>(openers_[i]));
}

void MainWindow::Refresh() {
  const QSignalBlocker blocker(masterList_);
  masterList_->clear();
  for (const std::string& name : devices_.Found().displayNames)
    masterList_->addItem(QString::fromStdString(name));
  masterList_->setCurrentIndex(devices_.MasterIndex());
  QCoreApplication::setApplicationName(QString::fromStdString(devices_.Title()));
  setWindowTitle(QString::fromStdString(devices_.Caption()));
}

void MainWindow::DetectDevice() {
  devices_.DetectDevice();
  Refresh();
  emit devicesChanged();
}

void MainWindow::OnTimer() {
  const bool wasEmpty = devices_.Found().empty();
  devices_.OnTimer();
  if (wasEmpty && !devices_.Found().empty()) {
    Refresh();
    emit devicesChanged();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!session_.MayClose()) {
    event->ignore();
    return;
  }
  timer_.stop();
  const Status saved = session_.Close();
  if (!saved.ok())
    QMessageBox::warning(this, QCoreApplication::applicationName(),
                         QString::fromStdString(saved.error()));
  event->accept();
  emit closed();
}

}  // namespace ravix
