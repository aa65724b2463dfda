#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace ravix {

// A serial port as the lamp download uses it: 38400 baud, 8 data bits, 1 stop
// bit, no parity checking, DTR off, no flow control, reads that return at once
// with what is waiting, writes that give up after 5000 ms.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // OpenPort: fails when this port is already open or the device cannot be
  // opened (the system error code is kept).
  virtual bool Open(const std::string& device) = 0;
  virtual bool IsOpen() const = 0;
  // WritePort: true only when every byte was written.
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // ReadPort: up to buffer.size() bytes of what is waiting; 0 when nothing is.
  virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
  // Drops what has been received and not read yet.
  virtual void DiscardInput() = 0;
  // Sleeps until input is waiting or `timeout` has passed; true when input is
  // waiting. Never spins.
  virtual bool WaitForInput(std::chrono::milliseconds timeout) = 0;
  // ClosePort: discards pending input and output and closes. Nothing when closed.
  virtual void Close() = 0;
  // The system error code of the last failed open, 0 when none.
  virtual int lastError() const = 0;
};

}  // namespace ravix
