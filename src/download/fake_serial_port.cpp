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
  if (!open_ || incoming.empty())
    return 0;
  std::vector<std::uint8_t>& arrival = incoming.front();
  const std::size_t n = std::min(buffer.size(), arrival.size());
  std::copy_n(arrival.begin(), n, buffer.begin());
  arrival.erase(arrival.begin(), arrival.begin() + static_cast<std::ptrdiff_t>(n));
  if (arrival.empty())
    incoming.pop_front();
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
