#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/byte_file.hpp"
#include "download/serial_port.hpp"

namespace ravix {

inline constexpr const char* kLampDownloadCaption = "下载文件至灯内存储器";
inline constexpr const char* kLampFileFilter = "Binary Files(*.bin)|*.bin";

inline constexpr const char* kLampFileMissing = "文件不存在!";
inline constexpr const char* kLampPortOpenFailed = "串口打开失败!";
inline constexpr const char* kLampSendStart = "发送 _开始下载命令_!";
inline constexpr const char* kLampWriteFailed = "向串口写数据失败,命令发送失败!";
inline constexpr const char* kLampStartFailed = "_开始下载命令_ 失败,下载终止!";
inline constexpr const char* kLampStartTimeout = "终端设备响应超时，_开始下载命令_!";
inline constexpr const char* kLampTimeoutBox = "终端设备响应超时,下载终止!";
inline constexpr const char* kLampStartWrongReply = "设备错误响应 _开始下载命令_!";
inline constexpr const char* kLampWrongReplyBox = "终端设备错误响应,下载终止!";
inline constexpr const char* kLampStartConfirmed = "设备正确回复 _开始下载命令_";
inline constexpr const char* kLampSendErase = "发送 _擦除命令_...!";
inline constexpr const char* kLampEraseFailed = "_擦除命令_ 失败,下载终止!";
inline constexpr const char* kLampEraseTimeout = "终端设备响应超时，_擦除命令_!";
inline constexpr const char* kLampEraseWrongReply = "设备错误响应 _擦除命令_!";
inline constexpr const char* kLampEraseConfirmed = "设备正确回复 _擦除命令_!";

inline constexpr std::uint8_t kLampStartCommand = 0xA0;
inline constexpr std::uint8_t kLampEraseCommand = 0xA4;
inline constexpr std::size_t kLampMessageBytes = 8;
// A reply is given up once the 1-second timer has ticked more than this often.
inline constexpr int kLampReplyTicks = 4;

// Where the download reports: the window's message list and its message boxes.
class LampDownloadReport {
 public:
  virtual ~LampDownloadReport() = default;
  virtual void AddMessage(std::string_view text) = 0;
  virtual void ShowMessageBox(std::string_view text) = 0;
};

// The lamp handshake of "下载": the start command 0xA0, its reply, the erase
// command 0xA4, its reply. It never blocks: the caller polls for replies as
// often as it likes and ticks the 1-second timer while inProgress().
class LampDownload {
 public:
  LampDownload(SerialPort& port, LampDownloadReport& report) : port_(port), report_(report) {}
  ~LampDownload();
  LampDownload(const LampDownload&) = delete;
  LampDownload& operator=(const LampDownload&) = delete;

  // "下载": ignored (false) while a download is in progress. Checks the file,
  // opens the port, sends the start command and waits for its reply; a
  // failure on the way reports and ends with the port closed.
  bool Start(const std::filesystem::path& file, const std::string& device);
  // Reads up to 8 bytes of what the lamp has sent and moves on when it has
  // answered; whatever else is waiting then is dropped before the next
  // command. Callers let a reply arrive whole before polling (see
  // RunLampDownload).
  void Poll();
  // One tick of the 1-second timer; a reply still missing after more than
  // four ticks times out.
  void Tick();

  // A reply is awaited: the window's timer runs.
  bool inProgress() const { return state_ != State::kIdle; }
  // Counts the waits for a reply; each one restarts the window's timer.
  std::size_t replyWaits() const { return replyWaits_; }
  // The last sequence ended with the erase command confirmed.
  bool succeeded() const { return succeeded_; }
  // The file read for the download (no data phase follows the handshake).
  const Bytes& fileData() const { return fileData_; }

 private:
  enum class State { kIdle, kAwaitStartReply, kAwaitEraseReply };

  bool SendCommand(std::uint8_t code);
  void AwaitReply(State state);
  void HandleReply(std::uint8_t firstByte);
  void HandleTimeout();
  void Finish();

  SerialPort& port_;
  LampDownloadReport& report_;
  State state_ = State::kIdle;
  int ticks_ = 0;
  std::size_t replyWaits_ = 0;
  bool succeeded_ = false;
  Bytes fileData_;
};

}  // namespace ravix
