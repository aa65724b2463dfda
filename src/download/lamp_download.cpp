#include "download/lamp_download.hpp"

#include <system_error>
#include <utility>

namespace ravix {

LampDownload::~LampDownload() {
  if (inProgress())
    port_.Close();
}

bool LampDownload::Start(const std::filesystem::path& file, const std::string& device) {
  if (inProgress())
    return false;
  succeeded_ = false;
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    report_.ShowMessageBox(kLampFileMissing);
    return true;
  }
  if (!port_.Open(device)) {
    report_.ShowMessageBox(kLampPortOpenFailed);
    return true;
  }
  auto data = ReadWholeFile(file);
  if (!data) {
    report_.ShowMessageBox(kLampFileMissing);
    port_.Close();
    return true;
  }
  fileData_ = std::move(*data);
  report_.AddMessage(kLampSendStart);
  if (!SendCommand(kLampStartCommand)) {
    report_.ShowMessageBox(kLampWriteFailed);
    report_.AddMessage(kLampStartFailed);
    port_.Close();
    return true;
  }
  AwaitReply(State::kAwaitStartReply);
  return true;
}

void LampDownload::Poll() {
  if (!inProgress())
    return;
  std::array<std::uint8_t, kLampMessageBytes> reply{};
  if (port_.Read(reply) > 0)
    HandleReply(reply[0]);
}

void LampDownload::Tick() {
  if (!inProgress())
    return;
  if (++ticks_ > kLampReplyTicks)
    HandleTimeout();
}

bool LampDownload::SendCommand(std::uint8_t code) {
  std::array<std::uint8_t, kLampMessageBytes> command{};
  command[0] = code;
  return port_.Write(command);
}

void LampDownload::AwaitReply(State state) {
  state_ = state;
  ticks_ = 0;
  ++replyWaits_;
}

void LampDownload::HandleReply(std::uint8_t firstByte) {
  if (state_ == State::kAwaitStartReply) {
    if (firstByte != kLampStartCommand) {
      report_.AddMessage(kLampStartWrongReply);
      report_.ShowMessageBox(kLampWrongReplyBox);
      Finish();
      return;
    }
    report_.AddMessage(kLampStartConfirmed);
    report_.AddMessage(kLampSendErase);
    // The rest of a start reply that came in pieces is not an erase reply.
    port_.DiscardInput();
    if (!SendCommand(kLampEraseCommand)) {
      report_.AddMessage(kLampEraseFailed);
      report_.ShowMessageBox(kLampWriteFailed);
      Finish();
      return;
    }
    AwaitReply(State::kAwaitEraseReply);
    return;
  }
  if (firstByte != kLampEraseCommand) {
    report_.AddMessage(kLampEraseWrongReply);
    report_.ShowMessageBox(kLampWrongReplyBox);
  } else {
    report_.AddMessage(kLampEraseConfirmed);
    succeeded_ = true;
  }
  Finish();
}

void LampDownload::HandleTimeout() {
  report_.AddMessage(state_ == State::kAwaitStartReply ? kLampStartTimeout : kLampEraseTimeout);
  report_.ShowMessageBox(kLampTimeoutBox);
  Finish();
}

void LampDownload::Finish() {
  port_.Close();
  state_ = State::kIdle;
}

}  // namespace ravix
