#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ravix {

inline constexpr std::size_t kLampPortCount = 5;

// One entry of "选择通信端口": "Com1".."Com5" and the device it stands for.
struct SerialPortChoice {
  std::string name;
  std::filesystem::path device;
  // The name with the path beside it, "Com1 (/dev/ttyUSB0)".
  std::string Label() const { return name + " (" + device.string() + ")"; }
};

// The first five serial devices found among the terminals of `ttyClass` that
// belong to a device (USB adapters first, then ACM modems, then on-board
// ports, each in number order), named "Com1".."Com5", with their paths in `devFolder`.
std::vector<SerialPortChoice> FindLampPorts(
    const std::filesystem::path& ttyClass = "/sys/class/tty",
    const std::filesystem::path& devFolder = "/dev");

}  // namespace ravix
