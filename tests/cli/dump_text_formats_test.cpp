#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteText;

const char* const kSegment =
    "[SectionContent]\r\n"
    "0|400|Spin.ect|257|\r\n"
    "1|200|null|2|\r\n"
    "[DrawingList]\r\n"
    "DrawingName=0\r\n"
    "10,10,0,3,0,1|200,10,0,3,0,128|128,128,0,3,0,128|\r\n"
    "DrawingName=1\r\n"
    "128,128,0,5,0,128|\r\n"
    "[EffectList]\r\n"
    "EffectName=Spin.ect\r\n"
    "ro:128,128,160\r\n";

CliRun Dump(const TempFolder& folder, const std::string& name, const std::string& text,
            std::vector<std::string> extra = {}) {
  WriteText(folder / name, text);
  std::vector<std::string> args = {"--workspace", folder.path().string(), "dump",
                                   (folder / name).string()};
  args.insert(args.end(), extra.begin(), extra.end());
  return RunCli(args);
}

TEST(CliDumpTextFormats, FrameListEffectAndEffectList) {
  TempFolder folder;
  CliRun run = Dump(folder, "a.ILF",
                    "[DrawingList]\r\nDrawingName=0\r\n"
                    "10,20,2,4,0,1|100,20,2,4,0,128|30,40,0,1,0,129|\r\nDrawingName=1\r\n\r\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"framelist\",\"frames\":[[[[10,20,2,4,1],[100,20,2,4,0]],"
            "[[30,40,0,1,1]]],[]]}\n");

  run = Dump(folder, "Drift.ect", "EffectName=Drift.ect\r\nhb:140\r\nco:200\r\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "{\"type\":\"effect\",\"steps\":[\"hb:140\",\"co:200\"]}\n");

  run = Dump(folder, "list.ecl",
             "[EffectList]\r\nEffectName=Drift.ect\r\nhb:140\r\nco:200\r\n"
             "EffectName=Spin \xE9.ect\r\nro:128,128,160\r\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"effectlist\",\"effects\":[{\"name\":\"Drift.ect\",\"steps\":[\"hb:140\","
            "\"co:200\"]},{\"name\":\"Spin \xC3\xA9.ect\",\"steps\":[\"ro:128,128,160\"]}]}\n");
}

TEST(CliDumpTextFormats, MalformedFrameListShowsWhatWasReadAndFails) {
  TempFolder folder;
  const CliRun run = Dump(folder, "bad.ilf",
                          "[DrawingList]\r\nDrawingName=0\r\n1,1,0,1,0,128|\r\n"
                          "DrawingName=1\r\n2,2,0,1,0,128|2,x,0,1,0,0|\r\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "{\"type\":\"framelist\",\"frames\":[[[[1,1,0,1,0]]],[[[2,2,0,1,0]]]]}\n");
  EXPECT_EQ(run.err, "ravix-cli: 'x' is not a valid integer value\n");
}

TEST(CliDumpTextFormats, SegmentWithItemsEffectsAndError) {
  TempFolder folder;
  CliRun run = Dump(folder, "s.sec", kSegment);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "{\"type\":\"segment\",\"items\":["
      "{\"drawingKey\":\"0\",\"time\":400,\"effectName\":\"Spin.ect\",\"colour\":257,"
      "\"objects\":[[[10,10,0,3,1],[200,10,0,3,0]],[[128,128,0,3,0]]]},"
      "{\"drawingKey\":\"1\",\"time\":200,\"effectName\":\"null\",\"colour\":2,"
      "\"objects\":[[[128,128,0,5,0]]]}],"
      "\"effects\":[{\"name\":\"Spin.ect\",\"steps\":[\"ro:128,128,160\"]}],\"error\":null}\n");

  std::string broken = kSegment;
  broken.replace(broken.find("1|200|"), 6, "1|12x|");
  run = Dump(folder, "broken.SEC", broken);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"segment\",\"items\":["
            "{\"drawingKey\":\"0\",\"time\":400,\"effectName\":\"Spin.ect\",\"colour\":257,"
            "\"objects\":[[[10,10,0,3,1],[200,10,0,3,0]],[[128,128,0,3,0]]]}],"
            "\"effects\":[{\"name\":\"Spin.ect\",\"steps\":[\"ro:128,128,160\"]}],"
            "\"error\":\"'12x' is not a valid integer value\"}\n");
}

TEST(CliDumpTextFormats, ShowReadAndLoaded) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "Section");
  std::filesystem::create_directory(folder / "Frames");
  WriteText(folder / "Section/intro.sec",
            "[SectionContent]\r\n0|5|null|257|\r\n[DrawingList]\r\nDrawingName=0\r\n"
            "1,2,0,3,0,128|\r\n[EffectList]\r\n");
  WriteText(folder / "Frames/logo.ilf", "[DrawingList]\r\nDrawingName=0\r\n7,8,0,9,0,129|\r\n");
  const std::string show =
      "[Music]\r\nsong.mp3\r\n[Track1]\r\nintro.sec|1200|\r\n[Track2]\r\nlogo.ilf|48\r\n"
      "[Track3]\r\n";

  CliRun run = Dump(folder, "a.seq", show, {"--load"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"show\",\"music\":\"song.mp3\",\"tracks\":["
            "[{\"itemFile\":\"intro.sec\",\"duration\":1200,\"segmentRows\":["
            "{\"drawingKey\":\"0\",\"time\":5,\"effectName\":\"null\",\"colour\":257,"
            "\"objects\":[[[1,2,0,3,0]]]}],\"frames\":[]}],"
            "[{\"itemFile\":\"logo.ilf\",\"duration\":48,\"segmentRows\":[],"
            "\"frames\":[[[[7,8,0,9,1]]]]}],[]],\"error\":null}\n");

  run = Dump(folder, "a.seq", show);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"show\",\"music\":\"song.mp3\",\"tracks\":[[],[],[]],"
            "\"error\":\"'1200|' is not a valid integer value\"}\n");
}

}  // namespace
}  // namespace ravix
