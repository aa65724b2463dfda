#include "core/byte_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ravix {
namespace {

std::string ErrnoText(const std::string& what, const std::filesystem::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<Bytes> ReadWholeFile(const std::filesystem::path& path, std::string* error) {
  auto fail = [&](std::string text) -> std::optional<Bytes> {
    if (error)
      *error = std::move(text);
    return std::nullopt;
  };
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0)
    return fail(ErrnoText("cannot open", path));
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0)
    return fail(ErrnoText("cannot read", path));
  if (!S_ISREG(info.st_mode))
    return fail("not a regular file: " + path.string());
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxReadFileBytes) {
    return fail("file too large: " + path.string());
  }
  Bytes bytes(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return fail(ErrnoText("cannot read", path));
    }
    if (n == 0)
      break;  // the file shrank while being read
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

Status WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> data) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string temporaryName = ".";
  temporaryName += path.filename().string();
  temporaryName += ".tmp-XXXXXX";
  std::string pattern = (folder / temporaryName).string();
  FileDescriptor fd(::mkstemp(pattern.data()));
  if (fd.get() < 0)
    return Status::Failure(ErrnoText("cannot write", path));
  const std::filesystem::path temporary(pattern);

  auto abandon = [&](const char* what) {
    Status failure = Status::Failure(ErrnoText(what, path));
    ::close(fd.release());
    ::unlink(temporary.c_str());
    return failure;
  };
  // mkstemp creates 0600: keep the mode of the file being replaced, else 0644.
  struct stat existing {};
  const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  if (::fchmod(fd.get(), mode) != 0)
    return abandon("cannot write");
  if (!WriteAll(fd.get(), data))
    return abandon("cannot write");
  if (::fsync(fd.get()) != 0)
    return abandon("cannot write");
  if (::close(fd.release()) != 0) {
    Status failure = Status::Failure(ErrnoText("cannot write", path));
    ::unlink(temporary.c_str());
    return failure;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    Status failure = Status::Failure(ErrnoText("cannot replace", path));
    ::unlink(temporary.c_str());
    return failure;
  }
  return {};
}

}  // namespace ravix
