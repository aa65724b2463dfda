#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/program_options.hpp"
#include "core/ui/about_box.hpp"
#include "drawing/ui/converter_window.hpp"
#include "drawing/ui/frame_reduction_window.hpp"
#include "drawing/ui/picture_edit_window.hpp"
#include "output/desktop_session.hpp"
#include "output/simulated_laser_views.hpp"
#include "output/ui/device_select_window.hpp"
#include "output/ui/laser_view_window.hpp"
#include "output/ui/main_window.hpp"
#include "output/ui/play_preview_window.hpp"
#include "output/ui/play_settings_window.hpp"
#include "output/ui/quick_pages_window.hpp"
#include "output/ui/quick_play_window.hpp"
#include "output/ui/text_play_window.hpp"

namespace ravix {

// The desktop program: the session, the simulated controllers' laser views and
// every window, created in a fixed order and living until the program ends.
class DesktopProgram {
 public:
  explicit DesktopProgram(const ProgramOptions& options);
  // Closes the windows, then waits for any play still running before the
  // laser views and the session go.
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  // Creates every window in the program's order.
  void CreateWindows();
  // Shows the main window and the laser views.
  void ShowStartWindows();

  DesktopSession& session() { return *session_; }
  MainWindow& mainWindow() { return *main_; }
  PictureEditWindow& pictureEditWindow() { return *pictureEdit_; }
  PlaySettingsWindow& playSettingsWindow() { return *playSettings_; }
  TextPlayWindow& textPlayWindow() { return *textPlay_; }
  QuickPlayWindow& quickPlayWindow() { return *quickPlay_; }
  QuickPagesWindow& quickPagesWindow() { return *quickPages_; }
  ConverterWindow& converterWindow() { return *converter_; }
  // Every window with a file-friendly name, in creation order.
  const std::vector<std::pair<std::string, QWidget*>>& Windows() const { return windows_; }

 private:
  void CreateMainWindow();
  void CreatePictureEditWindow();
  void CreatePlaySettingsWindow();
  void CreateDeviceSelectWindow();
  void CreateTextPlayWindow();
  void CreateQuickPlayWindow();
  void CreateConverterWindow();
  void CreateAboutBox();
  void CreatePlayPreviewWindow();
  void CreateFrameReductionWindow();
  void CreateQuickPagesWindow();
  // A player window's play settings button and the frames it shows.
  template <class Player>
  void ConnectPlayer(Player& player);
  // A window's menu items that open the main window's windows and its device
  // and exit items.
  template <class Window>
  void ConnectWindowMenus(Window& window);
  void CreateLaserViewWindows();
  void Register(std::string name, QWidget* window);

  SimulatedDriver* simulated_ = nullptr;
  std::unique_ptr<DesktopSession> session_;
  std::unique_ptr<SimulatedLaserViews> laserViews_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<PictureEditWindow> pictureEdit_;
  std::unique_ptr<PlaySettingsWindow> playSettings_;
  std::unique_ptr<DeviceSelectWindow> deviceSelect_;
  std::unique_ptr<TextPlayWindow> textPlay_;
  std::unique_ptr<QuickPlayWindow> quickPlay_;
  std::unique_ptr<ConverterWindow> converter_;
  std::unique_ptr<AboutBox> about_;
  std::unique_ptr<PlayPreviewWindow> playPreview_;
  std::unique_ptr<FrameReductionWindow> frameReduction_;
  std::unique_ptr<QuickPagesWindow> quickPages_;
  std::vector<std::unique_ptr<LaserViewWindow>> laserViewWindows_;
  std::vector<std::pair<std::string, QWidget*>> windows_;
};

// Shows a window in front.
void OpenWindow(QWidget& window);

}  // namespace ravix
