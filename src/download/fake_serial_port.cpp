#include "download/fake_serial_port.hpp"

#include <algorithm>
#include <thread>

namespace ravix {

bool FakeSerialPort::Open(const std::string& device) {
  if (open_ || !openSucceeds)
    return false;
  open_ = true;
  openedDevice = device;
  ++openCount;
  return true;
}

bool FakeSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!open_)
    return false;
  written.emplace_back(bytes.begin(), bytes.end());
  return written.size() <= failWritesFrom;
}

std::size_t FakeSerialPort::Read(std::span<std::uint8_t> buffer) {
  std::size_t n = 0;
  while (open_ && n < buffer.size() && !incoming.empty()) {
    std::vector<std::uint8_t>& arrival = incoming.front();
    const std::size_t take = std::min(buffer.size() - n, arrival.size());
    std::copy_n(arrival.begin(), take, buffer.begin() + static_cast<std::ptrdiff_t>(n));
    arrival.erase(arrival.begin(), arrival.begin() + static_cast<std::ptrdiff_t>(take));
    if (arrival.empty())
      incoming.pop_front();
    n += take;
  }
  return n;
}

bool FakeSerialPort::WaitForInput(std::chrono::milliseconds timeout) {
  if (incoming.empty())
    std::this_thread::sleep_for(timeout);
  return !incoming.empty();
}

void FakeSerialPort::Close() {
  if (!open_)
    return;
  open_ = false;
  ++closeCount;
}

}  // namespace ravix
