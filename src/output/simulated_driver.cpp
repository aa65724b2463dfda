#include "output/simulated_driver.hpp"

#include <chrono>
#include <thread>

namespace ravix {
namespace {

constexpr std::size_t kControlMessageBytes = 2;
constexpr std::size_t kPointBytes = 4;

// How long a controller takes to scan `bytes` of point records.
std::chrono::microseconds ScanTime(std::size_t bytes, std::uint8_t scanRateCode) {
  const auto pointsPerSecond = static_cast<std::int64_t>(250 - scanRateCode) * 240;
  if (pointsPerSecond <= 0)
    return {};
  const auto points = static_cast<std::int64_t>(bytes / kPointBytes);
  return std::chrono::microseconds(points * 1'000'000 / pointsPerSecond);
}

}  // namespace

class SimulatedDriver::Handle : public ControllerHandle {
 public:
  Handle(SimulatedDriver& driver, int number) : driver_(driver), number_(number) {}

  bool BulkWrite(std::uint32_t pipe, std::span<const std::uint8_t> data) override {
    ControllerEvent event{ControllerEvent::Kind::kBulkWrite, pipe, {data.begin(), data.end()}, {}};
    return driver_.Receive(number_, std::move(event));
  }
  bool AbortPipe(std::uint32_t pipe) override {
    return driver_.Receive(number_,
                           ControllerEvent{ControllerEvent::Kind::kAbortPipe, pipe, {}, {}});
  }
  bool SendVendorRequest(const VendorRequest& request) override {
    return driver_.Receive(number_,
                           ControllerEvent{ControllerEvent::Kind::kVendorRequest, 0, {}, request});
  }

 private:
  SimulatedDriver& driver_;
  int number_;
};

SimulatedDriver::SimulatedDriver(int count, bool paceWrites, std::size_t eventLimit)
    : paceWrites_(paceWrites), eventLimit_(eventLimit) {
  for (int n = 0; n < count && n < kDeviceNumberCount; ++n)
    controllers_[n].plugged = true;
}

std::optional<UsbDeviceDescriptor> SimulatedDriver::ReadDeviceDescriptor(int number) {
  if (!Valid(number))
    return std::nullopt;
  std::lock_guard lock(mutex_);
  const Controller& c = controllers_[number];
  if (!c.plugged)
    return std::nullopt;
  return MakeDeviceDescriptor(c.vendorId, c.productId);
}

std::unique_ptr<ControllerHandle> SimulatedDriver::Open(int number) {
  if (!Valid(number))
    return nullptr;
  std::lock_guard lock(mutex_);
  const Controller& c = controllers_[number];
  if (!c.plugged || c.failOpen)
    return nullptr;
  return std::make_unique<Handle>(*this, number);
}

bool SimulatedDriver::Receive(int number, ControllerEvent event) {
  std::chrono::microseconds pace{};
  std::shared_ptr<const Observer> observer;
  {
    std::lock_guard lock(mutex_);
    Controller& c = controllers_[number];
    if (!c.plugged)
      return false;
    if (event.kind == ControllerEvent::Kind::kBulkWrite) {
      if (c.failWrite)
        return false;
      ++c.writeCount;
      if (event.bytes.size() == kControlMessageBytes) {
        c.scanRateCode = event.bytes[1];
      } else if (paceWrites_) {
        pace = ScanTime(event.bytes.size(), c.scanRateCode);
      }
    }
    observer = observer_;
    c.events.push_back(event);
    if (c.events.size() > eventLimit_)
      c.events.pop_front();
  }
  if (observer)
    (*observer)(number, event);
  if (pace.count() > 0)
    std::this_thread::sleep_for(pace);
  return true;
}

void SimulatedDriver::SetObserver(Observer observer) {
  auto shared = observer ? std::make_shared<const Observer>(std::move(observer)) : nullptr;
  std::lock_guard lock(mutex_);
  observer_ = std::move(shared);
}

void SimulatedDriver::SetPlugged(int number, bool plugged) {
  if (!Valid(number))
    return;
  std::lock_guard lock(mutex_);
  controllers_[number].plugged = plugged;
}

void SimulatedDriver::SetFailOpen(int number, bool fail) {
  if (!Valid(number))
    return;
  std::lock_guard lock(mutex_);
  controllers_[number].failOpen = fail;
}

void SimulatedDriver::SetFailWrite(int number, bool fail) {
  if (!Valid(number))
    return;
  std::lock_guard lock(mutex_);
  controllers_[number].failWrite = fail;
}

void SimulatedDriver::SetIdentity(int number, std::uint16_t vendorId, std::uint16_t productId) {
  if (!Valid(number))
    return;
  std::lock_guard lock(mutex_);
  controllers_[number].vendorId = vendorId;
  controllers_[number].productId = productId;
}

std::vector<ControllerEvent> SimulatedDriver::Events(int number) const {
  if (!Valid(number))
    return {};
  std::lock_guard lock(mutex_);
  const auto& events = controllers_[number].events;
  return {events.begin(), events.end()};
}

std::size_t SimulatedDriver::WriteCount(int number) const {
  if (!Valid(number))
    return 0;
  std::lock_guard lock(mutex_);
  return controllers_[number].writeCount;
}

void SimulatedDriver::ClearEvents(int number) {
  if (!Valid(number))
    return;
  std::lock_guard lock(mutex_);
  controllers_[number].events.clear();
}

}  // namespace ravix
