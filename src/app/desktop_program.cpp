#include "app/desktop_program.hpp"

#include <QPushButton>
#include <array>

#include "drawing/ui/rotation_dialog.hpp"
#include "output/libusb_driver.hpp"

namespace ravix {
namespace {

// The windows in the order the program creates them. The full order is: main
// window (it loads "Ravix.ini" and scans), drawing editor, play settings (it
// takes PlaySettings from the loaded lines), HPGL import, device selection,
// rotation dialog, text window, segment editor, quick player, show editor,
// converter, lamp download, about box, effect editor, "Play", ILDA to frame
// list, drawing-list picker, quick-play pages. Each window joins the list at
// its place once it is built.
using CreateStep = void (DesktopProgram::*)();

}  // namespace

void OpenWindow(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

DesktopProgram::DesktopProgram(const ProgramOptions& options) {
  std::unique_ptr<ControllerDriver> driver;
  if (options.simulate) {
    auto simulated = std::make_unique<SimulatedDriver>(*options.simulate, /*paceWrites=*/true);
    simulated_ = simulated.get();
    driver = std::move(simulated);
  } else {
    driver = std::make_unique<LibusbDriver>();
  }
  session_ = std::make_unique<DesktopSession>(Workspace(options.workspace), std::move(driver));
  if (simulated_)
    laserViews_ = std::make_unique<SimulatedLaserViews>(*simulated_, *options.simulate);
}

DesktopProgram::~DesktopProgram() {
  windows_.clear();
  laserViewWindows_.clear();
  quickPages_.reset();
  frameReduction_.reset();
  playPreview_.reset();
  about_.reset();
  converter_.reset();
  quickPlay_.reset();
  textPlay_.reset();
  deviceSelect_.reset();
  playSettings_.reset();
  pictureEdit_.reset();
  main_.reset();
  session_->StopAllPlay();
  laserViews_.reset();
}

void DesktopProgram::CreateWindows() {
  static constexpr std::array<CreateStep, 12> kCreationOrder = {
      &DesktopProgram::CreateMainWindow,         &DesktopProgram::CreatePictureEditWindow,
      &DesktopProgram::CreatePlaySettingsWindow, &DesktopProgram::CreateDeviceSelectWindow,
      &DesktopProgram::CreateTextPlayWindow,     &DesktopProgram::CreateQuickPlayWindow,
      &DesktopProgram::CreateConverterWindow,    &DesktopProgram::CreateAboutBox,
      &DesktopProgram::CreatePlayPreviewWindow,  &DesktopProgram::CreateFrameReductionWindow,
      &DesktopProgram::CreateQuickPagesWindow,   &DesktopProgram::CreateLaserViewWindows,
  };
  for (CreateStep step : kCreationOrder)
    (this->*step)();
}

void DesktopProgram::ShowStartWindows() {
  main_->show();
  for (auto& view : laserViewWindows_)
    view->show();
}

void DesktopProgram::Register(std::string name, QWidget* window) {
  windows_.emplace_back(std::move(name), window);
}

void DesktopProgram::CreateMainWindow() {
  main_ = std::make_unique<MainWindow>(*session_);
  Register("main_window", main_.get());
}

// The editor comes right after the main window; the program closes only when
// it agrees.
void DesktopProgram::CreatePictureEditWindow() {
  pictureEdit_ = std::make_unique<PictureEditWindow>(*session_);
  Register("picture_edit_window", pictureEdit_.get());
  Register("rotation_dialog", pictureEdit_->rotationDialog());
  main_->SetOpener(MainButton::kPictureEdit, [this] { OpenWindow(*pictureEdit_); });
  ConnectWindowMenus(*pictureEdit_);
}

void DesktopProgram::CreatePlaySettingsWindow() {
  playSettings_ = std::make_unique<PlaySettingsWindow>(*session_);
  Register("play_settings_window", playSettings_.get());
}

void DesktopProgram::CreateDeviceSelectWindow() {
  deviceSelect_ = std::make_unique<DeviceSelectWindow>(*session_);
  Register("device_select_window", deviceSelect_.get());
  main_->SetOpener(MainButton::kSelectDevice, [this] { OpenWindow(*deviceSelect_); });
  QObject::connect(main_.get(), &MainWindow::devicesChanged, deviceSelect_.get(),
                   &DeviceSelectWindow::Refresh);
  QObject::connect(deviceSelect_.get(), &DeviceSelectWindow::devicesChanged, main_.get(),
                   &MainWindow::Refresh);
  QObject::connect(deviceSelect_.get(), &DeviceSelectWindow::okPressed, pictureEdit_.get(),
                   &PictureEditWindow::RepaintCanvas);
}

void DesktopProgram::CreateTextPlayWindow() {
  textPlay_ = std::make_unique<TextPlayWindow>(*session_);
  Register("text_play_window", textPlay_.get());
  textPlay_->UsePictureEditor(pictureEdit_->editor(), pictureEdit_->document());
  QObject::connect(textPlay_.get(), &TextPlayWindow::editorChanged, pictureEdit_.get(),
                   &PictureEditWindow::RepaintCanvas);
  main_->SetOpener(MainButton::kTextPlay, [this] { OpenWindow(*textPlay_); });
  QObject::connect(textPlay_.get(), &TextPlayWindow::playSettingsRequested, playSettings_.get(),
                   &PlaySettingsWindow::OpenFor);
}

void DesktopProgram::CreateQuickPlayWindow() {
  quickPlay_ = std::make_unique<QuickPlayWindow>(*session_);
  Register("quick_play_window", quickPlay_.get());
  main_->SetOpener(MainButton::kQuickPlay, [this] { OpenWindow(*quickPlay_); });
  ConnectPlayer(*quickPlay_);
  // Rolling text plays on the quick player's channel and timers, which show
  // its frames in the text window too.
  textPlay_->UseQuickPlayer(quickPlay_->model().channel);
  QObject::connect(textPlay_.get(), &TextPlayWindow::textPlayStarted, quickPlay_.get(),
                   &QuickPlayWindow::ShowTextPlay);
  QObject::connect(quickPlay_.get(), &QuickPlayWindow::textFrameShown, textPlay_.get(),
                   &TextPlayWindow::ShowFrame);
}

void DesktopProgram::CreateConverterWindow() {
  converter_ = std::make_unique<ConverterWindow>(session_->workspace());
  Register("converter_window", converter_.get());
  main_->SetOpener(MainButton::kConverter, [this] { OpenWindow(*converter_); });
  ConnectWindowMenus(*converter_);
}

void DesktopProgram::CreateAboutBox() {
  about_ = std::make_unique<AboutBox>();
  Register("about_box", about_.get());
}

void DesktopProgram::CreatePlayPreviewWindow() {
  playPreview_ = std::make_unique<PlayPreviewWindow>(*session_);
  Register("play_preview_window", playPreview_.get());
  QObject::connect(quickPlay_.get(), &QuickPlayWindow::frameShown, playPreview_.get(),
                   &PlayPreviewWindow::ShowPlayFile);
}

void DesktopProgram::CreateFrameReductionWindow() {
  frameReduction_ = std::make_unique<FrameReductionWindow>();
  Register("frame_reduction_window", frameReduction_.get());
  converter_->UseReductionWindow(*frameReduction_);
}

void DesktopProgram::CreateQuickPagesWindow() {
  quickPages_ = std::make_unique<QuickPagesWindow>(*session_);
  Register("quick_pages_window", quickPages_.get());
  main_->SetOpener(MainButton::kQuickPlay2, [this] {
    quickPages_->RefreshFiles();
    OpenWindow(*quickPages_);
  });
  ConnectPlayer(*quickPages_);
  QObject::connect(quickPages_.get(), &QuickPagesWindow::frameShown, playPreview_.get(),
                   &PlayPreviewWindow::ShowPlayFile);
}

// Its menu opens what the main window opens, once those windows exist.
template <class Window>
void DesktopProgram::ConnectWindowMenus(Window& window) {
  QObject::connect(&window, &Window::mainButtonRequested, &window,
                   [this](MainButton button) { main_->button(button)->click(); });
  QObject::connect(&window, &Window::mainWindowRequested, &window, [this] { OpenWindow(*main_); });
  QObject::connect(&window, &Window::detectDeviceRequested, main_.get(), &MainWindow::DetectDevice);
  QObject::connect(&window, &Window::exitRequested, main_.get(), &QWidget::close);
  QObject::connect(&window, &Window::aboutRequested, &window, [this] { OpenWindow(*about_); });
}

template <class Player>
void DesktopProgram::ConnectPlayer(Player& player) {
  QObject::connect(&player, &Player::playSettingsRequested, playSettings_.get(),
                   &PlaySettingsWindow::OpenFor);
  QObject::connect(&player, &Player::frameShown, playSettings_.get(),
                   [this](const QString& file, int pointCount, const QImage& picture) {
                     playSettings_->ShowPlayFile(file, pointCount);
                     playSettings_->ShowPreview(picture);
                   });
}

void DesktopProgram::CreateLaserViewWindows() {
  if (!laserViews_)
    return;
  for (int n = 0; n < laserViews_->size(); ++n) {
    const std::string device = DisplayName(n);
    laserViewWindows_.push_back(
        std::make_unique<LaserViewWindow>(laserViews_->View(n), QString::fromStdString(device)));
    Register("laser_view_usb_" + std::to_string(n), laserViewWindows_.back().get());
  }
}

}  // namespace ravix
