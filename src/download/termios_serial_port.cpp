#include "download/termios_serial_port.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace ravix {
namespace {

// 38400 8N1, parity checking off (the parity bit itself left alone), no
// software or hardware flow control, raw bytes, reads return at once.
bool ApplyLampSettings(int fd) {
  termios settings{};
  if (::tcgetattr(fd, &settings) != 0)
    return false;
  settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | INLCR | IGNCR |
                                             ICRNL | BRKINT | PARMRK | IGNBRK);
  settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  settings.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHOE | ECHONL | ISIG | IEXTEN);
  settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | CRTSCTS);
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  if (::cfsetispeed(&settings, B38400) != 0 || ::cfsetospeed(&settings, B38400) != 0)
    return false;
  return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

// DTR held off; a device without modem lines (a pseudo-terminal) has none to hold.
void HoldDtrOff(int fd) {
  int dtr = TIOCM_DTR;
  ::ioctl(fd, TIOCMBIC, &dtr);
}

}  // namespace

bool TermiosSerialPort::Open(const std::string& device) {
  if (IsOpen())
    return false;
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    lastError_ = errno;
    return false;
  }
  if (::ioctl(fd, TIOCEXCL) != 0 || !ApplyLampSettings(fd)) {
    lastError_ = errno;
    ::close(fd);
    return false;
  }
  HoldDtrOff(fd);
  ::tcflush(fd, TCIOFLUSH);
  fd_ = fd;
  lastError_ = 0;
  return true;
}

bool TermiosSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!IsOpen())
    return false;
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + writeTimeout;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR)
      return false;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0)
      return false;
    pollfd waitFor{fd_, POLLOUT, 0};
    ::poll(&waitFor, 1, static_cast<int>(left.count()));
  }
  return true;
}

std::size_t TermiosSerialPort::Read(std::span<std::uint8_t> buffer) {
  if (!IsOpen() || buffer.empty())
    return 0;
  const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void TermiosSerialPort::DiscardInput() {
  if (IsOpen())
    ::tcflush(fd_, TCIFLUSH);
}

bool TermiosSerialPort::WaitForInput(std::chrono::milliseconds timeout) {
  if (!IsOpen())
    return false;
  pollfd waitFor{fd_, POLLIN, 0};
  const int ready = ::poll(&waitFor, 1, static_cast<int>(timeout.count()));
  if (ready > 0 && (waitFor.revents & POLLIN) != 0)
    return true;
  // A hung-up line reports at once; sleep out the wait instead of spinning.
  if (ready > 0)
    std::this_thread::sleep_for(timeout);
  return false;
}

void TermiosSerialPort::Close() {
  if (!IsOpen())
    return;
  ::tcflush(fd_, TCIOFLUSH);
  ::close(fd_);
  fd_ = -1;
}

}  // namespace ravix
