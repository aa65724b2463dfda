#pragma once

#include <string>
#include <utility>

namespace ravix {

// Outcome of an operation that can fail in an expected way: empty error = success.
class Status {
 public:
  Status() = default;
  static Status Failure(std::string error) { return Status(std::move(error)); }

  bool ok() const { return error_.empty(); }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return error_; }

 private:
  explicit Status(std::string error) : error_(error.empty() ? "failed" : std::move(error)) {}
  std::string error_;
};

}  // namespace ravix
