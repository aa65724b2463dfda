#include "app/screenshots.hpp"

#include <QAction>
#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "output/ui/play_toolbar.hpp"

namespace ravix {
namespace {

constexpr int kPlayDelayMs = 300;
constexpr int kGrabDelayMs = 1500;

// The operator's way: the quick player opens the play settings window, whose
// play button then restarts the quick player on its current drawing.
void PlayFromPlaySettings(DesktopProgram& program) {
  program.quickPlayWindow().toolbar()->settingsAction()->trigger();
  program.playSettingsWindow().toolbar()->playAction()->trigger();
}

// The editor shows the first drawing of the workspace.
void LoadFirstDrawing(DesktopProgram& program) {
  const auto folder = program.session().workspace().Folder(kDrawingFolder);
  std::error_code error;
  std::vector<std::filesystem::path> drawings;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == ".ddr")
      drawings.push_back(entry.path());
  if (!drawings.empty())
    program.pictureEditWindow().LoadDrawing(*std::min_element(drawings.begin(), drawings.end()));
}

void SaveAll(DesktopProgram& program, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const auto& [name, window] : program.Windows()) {
    const auto file = folder / (name + ".png");
    if (!window->grab().save(QString::fromStdString(file.string())))
      std::fprintf(stderr, "ravix: cannot save %s\n", file.c_str());
  }
}

}  // namespace

void ScheduleScreenshots(DesktopProgram& program, const std::filesystem::path& folder) {
  // Every controller receives the output, so each laser view shows it.
  DeviceSelection& devices = program.session().devices();
  devices.SetMultipleDevices(true);
  devices.TickAll();
  LoadFirstDrawing(program);
  int offset = 0;
  for (const auto& [name, window] : program.Windows()) {
    window->move(offset, offset);
    window->show();
    offset += 24;
  }
  QTimer::singleShot(kPlayDelayMs, [&program] { PlayFromPlaySettings(program); });
  QTimer::singleShot(kGrabDelayMs, [&program, folder] {
    SaveAll(program, folder);
    program.mainWindow().close();
  });
}

}  // namespace ravix
