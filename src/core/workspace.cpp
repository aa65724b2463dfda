#include "core/workspace.hpp"

#include <string>
#include <system_error>

namespace ravix {

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return std::filesystem::current_path();
  return program.parent_path();
}

std::filesystem::path StoredNameToPath(std::string_view storedName) {
  std::string name(storedName);
  for (char& c : name) {
    if (c == '\\')
      c = '/';
  }
  return std::filesystem::path(name);
}

}  // namespace ravix
