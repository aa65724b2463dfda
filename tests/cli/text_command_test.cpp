#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFolder;

TEST(CliText, TracesTheTextAsTheOkButtonAddsIt) {
  const CliRun o = RunCli({"text", "o", "--font", "DejaVu Sans", "--large", "--colour", "2"});
  ASSERT_EQ(o.exitCode, 0) << o.err;
  // One object; its first point starts the outer run dark, in the chosen colour.
  EXPECT_EQ(o.out.rfind("{\"type\":\"drawing\",\"objects\":[[[", 0), 0u) << o.out;
  EXPECT_EQ(o.out.find("]],["), std::string::npos) << o.out;
  EXPECT_NE(o.out.find(",2,2,1]"), std::string::npos) << o.out;
  EXPECT_EQ(o.out.back(), '\n');

  const TempFolder folder;
  const auto file = folder.path() / "text.ddr";
  const CliRun saved =
      RunCli({"text", "啊", "Text", "--font", "WenQuanYi Zen Hei", "-o", file.string()});
  ASSERT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_TRUE(saved.out.empty());
  Drawing drawing;
  ASSERT_TRUE(DrawingFileRead(file, drawing, 2).ok());
  EXPECT_EQ(drawing.size(), 5u);  // one object per character, the space-free lines

  EXPECT_EQ(RunCli({"text", "Text"}).exitCode, 2);
  EXPECT_EQ(RunCli({"text", "Text", "--font", "DejaVu Sans", "--width-factor", "0"}).exitCode, 2);
  EXPECT_EQ(RunCli({"text", "--font", "DejaVu Sans"}).exitCode, 2);
}

}  // namespace
}  // namespace ravix
