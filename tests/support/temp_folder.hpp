#pragma once

#include <filesystem>
#include <string>

#include "core/byte_file.hpp"

namespace ravix::testing {

// A fresh folder under the system's temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
Bytes ReadBytes(const std::filesystem::path& path);
std::string ReadText(const std::filesystem::path& path);

// The shared fixture folder, or an empty path when it is absent.
std::filesystem::path FixturePath(const std::string& relative);

}  // namespace ravix::testing
