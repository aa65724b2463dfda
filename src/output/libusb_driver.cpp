#include "output/libusb_driver.hpp"

#include <libusb.h>

#include <algorithm>
#include <numeric>

#include "output/device_names.hpp"

namespace ravix {
namespace {

constexpr unsigned kBulkTimeoutMs = 5000;
constexpr unsigned kControlTimeoutMs = 1000;
constexpr int kControllerInterface = 0;

// The device list of one enumeration, freed on destruction.
class DeviceList {
 public:
  explicit DeviceList(libusb_context* context) {
    if (!context)
      return;
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0)
      return;
    list_ = list;
    count_ = static_cast<std::size_t>(count);
  }
  ~DeviceList() {
    if (list_)
      libusb_free_device_list(list_, 1);
  }
  DeviceList(const DeviceList&) = delete;
  DeviceList& operator=(const DeviceList&) = delete;

  // The device with `number`, or null.
  libusb_device* Numbered(int number) const {
    std::vector<UsbLocation> locations(count_);
    for (std::size_t i = 0; i < count_; ++i) {
      std::uint8_t ports[8];
      const int depth = libusb_get_port_numbers(list_[i], ports, sizeof ports);
      locations[i].bus = libusb_get_bus_number(list_[i]);
      if (depth > 0)
        locations[i].ports.assign(ports, ports + depth);
    }
    const auto order = NumberUsbDevices(locations);
    return number >= 0 && static_cast<std::size_t>(number) < order.size() ? list_[order[number]]
                                                                          : nullptr;
  }

 private:
  libusb_device** list_ = nullptr;
  std::size_t count_ = 0;
};

class LibusbHandle : public ControllerHandle {
 public:
  explicit LibusbHandle(libusb_device_handle* handle) : handle_(handle) {}
  ~LibusbHandle() override {
    if (claimed_)
      libusb_release_interface(handle_, kControllerInterface);
    libusb_close(handle_);
  }

  bool BulkWrite(std::uint32_t pipe, std::span<const std::uint8_t> data) override {
    const auto endpoint = PipeEndpoint(pipe);
    if (!endpoint || !Claim())
      return false;
    int transferred = 0;
    const int result =
        libusb_bulk_transfer(handle_, *endpoint, const_cast<unsigned char*>(data.data()),
                             static_cast<int>(data.size()), &transferred, kBulkTimeoutMs);
    return result == 0 && static_cast<std::size_t>(transferred) == data.size();
  }

  // libusb has no pipe abort: with no transfer pending, clearing the
  // endpoint's halt is what resets the pipe.
  bool AbortPipe(std::uint32_t pipe) override {
    const auto endpoint = PipeEndpoint(pipe);
    return endpoint && Claim() && libusb_clear_halt(handle_, *endpoint) == 0;
  }

  bool SendVendorRequest(const VendorRequest& r) override {
    const auto type = static_cast<std::uint8_t>(
        unsigned{LIBUSB_REQUEST_TYPE_VENDOR} | unsigned{LIBUSB_RECIPIENT_DEVICE} |
        (r.direction ? unsigned{LIBUSB_ENDPOINT_IN} : unsigned{LIBUSB_ENDPOINT_OUT}));
    unsigned char data = r.data;
    const int result =
        libusb_control_transfer(handle_, type, r.request, r.value, r.index, &data,
                                std::min<std::uint16_t>(r.length, 1), kControlTimeoutMs);
    return result >= 0;
  }

 private:
  bool Claim() {
    if (!claimed_) {
      libusb_set_auto_detach_kernel_driver(handle_, 1);
      claimed_ = libusb_claim_interface(handle_, kControllerInterface) == 0;
    }
    return claimed_;
  }

  std::optional<unsigned char> PipeEndpoint(std::uint32_t pipe) const {
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(libusb_get_device(handle_), &config) != 0) {
      return std::nullopt;
    }
    std::optional<unsigned char> endpoint;
    if (config->bNumInterfaces > kControllerInterface &&
        config->interface[kControllerInterface].num_altsetting > 0) {
      const libusb_interface_descriptor& alt =
          config->interface[kControllerInterface].altsetting[0];
      if (pipe < alt.bNumEndpoints)
        endpoint = alt.endpoint[pipe].bEndpointAddress;
    }
    libusb_free_config_descriptor(config);
    return endpoint;
  }

  libusb_device_handle* handle_;
  bool claimed_ = false;
};

}  // namespace

std::vector<std::size_t> NumberUsbDevices(const std::vector<UsbLocation>& locations) {
  std::vector<std::size_t> order(locations.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return locations[a] < locations[b]; });
  if (order.size() > static_cast<std::size_t>(kDeviceNumberCount))
    order.resize(kDeviceNumberCount);
  return order;
}

LibusbDriver::LibusbDriver() {
  if (libusb_init(&context_) != 0)
    context_ = nullptr;
}

LibusbDriver::~LibusbDriver() {
  if (context_)
    libusb_exit(context_);
}

std::optional<UsbDeviceDescriptor> LibusbDriver::ReadDeviceDescriptor(int number) {
  const DeviceList list(context_);
  libusb_device* device = list.Numbered(number);
  libusb_device_descriptor d;
  if (!device || libusb_get_device_descriptor(device, &d) != 0)
    return std::nullopt;
  const auto low = [](std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
  const auto high = [](std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); };
  return UsbDeviceDescriptor{d.bLength,         d.bDescriptorType, low(d.bcdUSB),
                             high(d.bcdUSB),    d.bDeviceClass,    d.bDeviceSubClass,
                             d.bDeviceProtocol, d.bMaxPacketSize0, low(d.idVendor),
                             high(d.idVendor),  low(d.idProduct),  high(d.idProduct),
                             low(d.bcdDevice),  high(d.bcdDevice), d.iManufacturer,
                             d.iProduct,        d.iSerialNumber,   d.bNumConfigurations};
}

std::unique_ptr<ControllerHandle> LibusbDriver::Open(int number) {
  const DeviceList list(context_);
  libusb_device* device = list.Numbered(number);
  libusb_device_handle* handle = nullptr;
  if (!device || libusb_open(device, &handle) != 0)
    return nullptr;
  return std::make_unique<LibusbHandle>(handle);
}

}  // namespace ravix
