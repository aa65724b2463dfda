#include "support/temp_folder.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace ravix::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ravix-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "mkdtemp failed";
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteBytes(path, Bytes(text.begin(), text.end()));
}

Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::filesystem::path& path) {
  const Bytes bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::filesystem::path FixturePath(const std::string& relative) {
  const std::filesystem::path path = std::filesystem::path(RAVIX_FIXTURES_DIR) / relative;
  return std::filesystem::exists(path) ? path : std::filesystem::path();
}

}  // namespace ravix::testing
