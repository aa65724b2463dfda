#include "core/byte_file.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::size_t EntryCount(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

TEST(ByteFile, ReplacesTheWholeFile) {
  TempFolder folder;
  const auto path = folder / "f.bin";
  WriteBytes(path, Bytes(100, 7));
  ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}));
  EXPECT_EQ(ReadBytes(path), (Bytes{1, 2, 3}));
  EXPECT_EQ(EntryCount(folder.path()), 1u);
}

TEST(ByteFile, FailedReplaceLeavesTargetAndNoTemporary) {
  TempFolder folder;
  const auto target = folder / "busy";
  std::filesystem::create_directory(target);
  WriteBytes(target / "inside", Bytes{9});
  const Status status = WriteFileAtomically(target, Bytes{1, 2, 3});
  EXPECT_FALSE(status);
  EXPECT_NE(status.error().find("busy"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(EntryCount(folder.path()), 1u);

  EXPECT_FALSE(WriteFileAtomically(folder / "missing" / "f.bin", Bytes{1}));
}

TEST(ByteFile, ReadReportsMissingFilesAndFolders) {
  TempFolder folder;
  std::string error;
  EXPECT_FALSE(ReadWholeFile(folder / "missing", &error));
  EXPECT_NE(error.find("missing"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(folder.path()));
  WriteBytes(folder / "empty", Bytes{});
  const auto empty = ReadWholeFile(folder / "empty");
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->empty());
}

}  // namespace
}  // namespace ravix
