#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "download/serial_port.hpp"

namespace ravix {

// A SerialPort test double: it records what is written, hands out queued
// replies and fails opens or writes on request.
class FakeSerialPort final : public SerialPort {
 public:
  bool Open(const std::string& device) override;
  bool IsOpen() const override { return open_; }
  bool Write(std::span<const std::uint8_t> bytes) override;
  std::size_t Read(std::span<std::uint8_t> buffer) override;
  void DiscardInput() override { incoming.clear(); }
  // Nothing arrives while the double waits: with nothing queued it sleeps the
  // timeout out.
  bool WaitForInput(std::chrono::milliseconds timeout) override;
  void Close() override;
  int lastError() const override { return open_ ? 0 : openError; }

  bool openSucceeds = true;
  int openError = 2;
  // Writes from this one on (0-based) fail.
  std::size_t failWritesFrom = SIZE_MAX;
  // Bytes waiting to be read, each entry one arrival.
  std::deque<std::vector<std::uint8_t>> incoming;

  // Every write attempted while open, failed ones included.
  std::vector<std::vector<std::uint8_t>> written;
  std::string openedDevice;
  int openCount = 0;
  int closeCount = 0;

 private:
  bool open_ = false;
};

}  // namespace ravix
