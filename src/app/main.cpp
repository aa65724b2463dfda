#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QSplashScreen>
#include <cstdio>
#include <memory>

#include "app/desktop_program.hpp"
#include "app/program_options.hpp"
#include "app/screenshots.hpp"
#include "core/workspace.hpp"
#include "output/device_selection.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<std::string> args;
  for (const QString& arg : app.arguments().mid(1))
    args.push_back(arg.toStdString());
  const ravix::ProgramOptionsResult parsed = ravix::ParseProgramOptions(args);
  if (!parsed.problem.empty()) {
    std::fprintf(stderr, "ravix: %s\n%s\n", parsed.problem.c_str(), ravix::kProgramUsage);
    return 2;
  }

  // The splash picture is looked up in the current folder.
  std::unique_ptr<QSplashScreen> splash;
  if (QFile::exists(ravix::kSplashFileName)) {
    splash = std::make_unique<QSplashScreen>(QPixmap(ravix::kSplashFileName));
    splash->show();
    app.processEvents();
  }
  QCoreApplication::setApplicationName(ravix::kBaseTitle);

  ravix::DesktopProgram program(parsed.options);
  program.CreateWindows();
  if (splash)
    splash->finish(&program.mainWindow());
  splash.reset();
  QObject::connect(&program.mainWindow(), &ravix::MainWindow::closed, &app,
                   &QCoreApplication::quit);
  if (parsed.options.screenshotFolder)
    ravix::ScheduleScreenshots(program, *parsed.options.screenshotFolder);
  else
    program.ShowStartWindows();
  return app.exec();
}
