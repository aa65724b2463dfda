#pragma once

#include <chrono>

#include "download/lamp_download.hpp"
#include "download/serial_port.hpp"

namespace ravix {

inline constexpr std::chrono::milliseconds kLampTickPeriod{1000};
// Once a reply begins, the time its remaining bytes get to arrive before it
// is read (8 bytes take about 2 ms at 38400 baud).
inline constexpr std::chrono::milliseconds kLampReplySettleTime{20};

// Drives a started download to its end on the calling thread with a real
// clock: sleeps on the port until input arrives (then lets the reply settle)
// or the next tick is due, polls and ticks. `tickPeriod` is the timer's period (1 s; tests shorten
// it).
void RunLampDownload(LampDownload& download, SerialPort& port,
                     std::chrono::milliseconds tickPeriod = kLampTickPeriod);

}  // namespace ravix
