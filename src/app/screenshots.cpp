#include "app/screenshots.hpp"

#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/drawing_file.hpp"
#include "output/drawing_playback.hpp"

namespace ravix {
namespace {

constexpr int kPlayDelayMs = 300;
constexpr int kGrabDelayMs = 1500;
constexpr int kEditorScale = 2;

// The first drawing file of the workspace's "Drawing" folder, by name.
std::filesystem::path FirstDrawing(const Workspace& workspace) {
  std::vector<std::filesystem::path> drawings;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(workspace.Folder(kDrawingFolder), error)) {
    if (entry.path().extension() == ".ddr")
      drawings.push_back(entry.path());
  }
  std::sort(drawings.begin(), drawings.end());
  return drawings.empty() ? std::filesystem::path() : drawings.front();
}

void PlayFirstDrawing(DesktopSession& session) {
  const std::filesystem::path file = FirstDrawing(session.workspace());
  if (file.empty())
    return;
  Drawing drawing;
  DrawingFileRead(file, drawing, kEditorScale);
  StartDrawingPlayback(session.host(), session.live(), drawing, false, false, nullptr);
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
  int offset = 0;
  for (const auto& [name, window] : program.Windows()) {
    window->move(offset, offset);
    window->show();
    offset += 24;
  }
  QTimer::singleShot(kPlayDelayMs, [&program] { PlayFirstDrawing(program.session()); });
  QTimer::singleShot(kGrabDelayMs, [&program, folder] {
    SaveAll(program, folder);
    program.mainWindow().close();
  });
}

}  // namespace ravix
