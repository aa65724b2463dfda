#include "download/lamp_download_runner.hpp"

#include <thread>

namespace ravix {

void RunLampDownload(LampDownload& download, SerialPort& port,
                     std::chrono::milliseconds tickPeriod) {
  using Clock = std::chrono::steady_clock;
  auto nextTick = Clock::now() + tickPeriod;
  std::size_t wait = download.replyWaits();
  while (download.inProgress()) {
    const auto untilTick = std::chrono::ceil<std::chrono::milliseconds>(nextTick - Clock::now());
    if (untilTick.count() > 0 && port.WaitForInput(untilTick))
      std::this_thread::sleep_for(kLampReplySettleTime);
    download.Poll();
    if (download.replyWaits() != wait) {
      wait = download.replyWaits();
      nextTick = Clock::now() + tickPeriod;
    }
    if (download.inProgress() && Clock::now() >= nextTick) {
      download.Tick();
      nextTick += tickPeriod;
    }
  }
}

}  // namespace ravix
