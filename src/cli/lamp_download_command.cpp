#include <ostream>
#include <string>
#include <string_view>

#include "cli/commands.hpp"
#include "download/lamp_download.hpp"
#include "download/lamp_download_runner.hpp"
#include "download/termios_serial_port.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "lamp-download FILE.bin --port DEVICE";

// The message list and the message boxes as lines, in the order they appear.
class PrintedReport final : public LampDownloadReport {
 public:
  explicit PrintedReport(std::ostream& out) : out_(out) {}
  void AddMessage(std::string_view text) override { out_ << text << "\n" << std::flush; }
  void ShowMessageBox(std::string_view text) override {
    out_ << "[box] " << text << "\n" << std::flush;
  }

 private:
  std::ostream& out_;
};

}  // namespace

int RunLampDownload(CliContext& context, Arguments& args) {
  const auto device = args.TakeOption("--port");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() != 1 || !device)
    return UsageError(context, "lamp-download needs FILE.bin and --port DEVICE", kUsage);

  TermiosSerialPort port;
  PrintedReport report(context.out);
  LampDownload download(port, report);
  download.Start(positionals->front(), *device);
  RunLampDownload(download, port);
  return download.succeeded() ? kExitOk : kExitFailed;
}

}  // namespace ravix::cli
