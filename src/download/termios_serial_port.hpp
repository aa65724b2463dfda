#pragma once

#include "download/serial_port.hpp"

namespace ravix {

inline constexpr std::chrono::milliseconds kSerialWriteTimeout{5000};

// SerialPort on a Linux serial device (or pseudo-terminal) through termios.
// Linux fixes the driver's queue sizes itself, so the 1024/512 byte buffer
// request of the port settings has no counterpart here.
class TermiosSerialPort final : public SerialPort {
 public:
  TermiosSerialPort() = default;
  ~TermiosSerialPort() override { Close(); }
  TermiosSerialPort(const TermiosSerialPort&) = delete;
  TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

  bool Open(const std::string& device) override;
  bool IsOpen() const override { return fd_ >= 0; }
  bool Write(std::span<const std::uint8_t> bytes) override;
  std::size_t Read(std::span<std::uint8_t> buffer) override;
  void DiscardInput() override;
  bool WaitForInput(std::chrono::milliseconds timeout) override;
  void Close() override;
  int lastError() const override { return lastError_; }

  // The write timeout; tests shorten it.
  std::chrono::milliseconds writeTimeout = kSerialWriteTimeout;

 private:
  int fd_ = -1;
  int lastError_ = 0;
};

}  // namespace ravix
