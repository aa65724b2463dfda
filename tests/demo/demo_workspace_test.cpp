#include "demo/demo_workspace.hpp"

#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "core/settings_file.hpp"
#include "core/workspace.hpp"
#include "drawing/font_glyph_source.hpp"
#include "drawing/frame_list_file.hpp"
#include "segments/effect_list.hpp"
#include "segments/segment_file.hpp"
#include "shows/show_file.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::TempFolder;

TEST(DemoWorkspace, EveryReaderTakesTheMaterial) {
  TempFolder folder;
  const auto root = folder / "demo";
  const DemoWorkspaceResult result = CreateDemoWorkspace(root);
  ASSERT_TRUE(result.status.ok()) << result.status.error();
  const Workspace w(root);
  for (const char* name : kWorkspaceFolders)
    EXPECT_TRUE(std::filesystem::is_directory(w.Folder(name))) << name;

  SettingsFile settings;
  ASSERT_TRUE(settings.LoadSettings(w.SettingsPath()).ok());
  EXPECT_EQ(settings.Lines().size(), kSettingsLineCount);
  EXPECT_EQ(settings.SettingsLine(kSettingScanRateCode - 1), "Scan rate");
  EXPECT_EQ(settings.SettingsValue(kSettingScanRateCode), 100);

  Drawing star;
  ASSERT_TRUE(DrawingFileRead(w.File(kDrawingFolder, "Star.ddr"), star, 2).ok());
  ASSERT_EQ(star.size(), 1u);
  EXPECT_GT(star[0].size(), 20u);
  EXPECT_EQ(star[0].front().blanked, 1);

  FrameList frames;
  ASSERT_TRUE(FrameListRead(w.File(kFramesFolder, "turningstar.ilf"), frames).ok());
  EXPECT_EQ(frames.size(), 36u);

  TILDAimage image;
  const IldaReadResult ilda = IldaFileRead(w.File(kIldaFolder, "shapes.ild"), image);
  EXPECT_TRUE(ilda.messages.empty());
  EXPECT_EQ(image.frames.size(), 5u);

  EffectList effects;
  ASSERT_TRUE(EffectListFileRead(w.File(kEffectListFolder, kDefaultEffectListName), effects).ok());
  ASSERT_NE(effects.Find("spin"), nullptr);

  TSequence show;
  ASSERT_TRUE(ShowFileLoad(w.File(kSequenceFolder, "demo.seq"), w, show).ok());
  for (const auto& track : show.tracks)
    ASSERT_FALSE(track.empty());
  EXPECT_EQ(show.tracks[0][0].segmentRows.size(), 4u);
  EXPECT_EQ(show.tracks[0][0].segmentRows[2].effectName, "Wave");
  EXPECT_FALSE(show.tracks[0][0].segmentRows[2].objects.empty());
  EXPECT_EQ(show.tracks[1][0].frames.size(), 24u);

  EXPECT_TRUE(std::filesystem::exists(w.Folder(kQuickFrameFolder) / "Demo" / "pulse.ilf"));
}

TEST(DemoWorkspace, TextDrawingsAreTracedFromTheDefaultFont) {
  Status font;
  if (!FontGlyphSource::Open(kDefaultTextFont, font))
    GTEST_SKIP() << font.error();
  TempFolder folder;
  const DemoWorkspaceResult result = CreateDemoWorkspace(folder.path());
  ASSERT_TRUE(result.status.ok()) << result.status.error();
  EXPECT_TRUE(result.skipped.empty());
  const Workspace w(folder.path());
  for (const std::string name : {"Ravix", "Laser", "Hello"}) {
    Drawing word;
    ASSERT_TRUE(DrawingFileRead(w.File(kDrawingFolder, name + ".ddr"), word, 2).ok()) << name;
    ASSERT_EQ(word.size(), 5u) << name;  // every letter inside the canvas
    for (const DrawingObject& letter : word) {
      ASSERT_FALSE(letter.empty()) << name;
      EXPECT_EQ(letter.front().blanked, 1) << name;
    }
  }
  FrameList words;
  ASSERT_TRUE(FrameListRead(w.Folder(kQuickFrameFolder) / "Demo" / "words.ilf", words).ok());
  EXPECT_EQ(words.size(), 3u);
}

TEST(DemoWorkspace, WithoutAFontTheTextDrawingsAreSkipped) {
  TempFolder folder;
  const DemoWorkspaceResult result = CreateDemoWorkspace(folder.path(), nullptr);
  ASSERT_TRUE(result.status.ok()) << result.status.error();
  EXPECT_EQ(result.skipped, std::vector<std::string>{"text drawings: no font"});
  const Workspace w(folder.path());
  EXPECT_FALSE(std::filesystem::exists(w.File(kDrawingFolder, "Ravix.ddr")));
  EXPECT_FALSE(std::filesystem::exists(w.Folder(kQuickFrameFolder) / "Demo" / "words.ilf"));
  EXPECT_TRUE(std::filesystem::exists(w.File(kSequenceFolder, "demo.seq")));
}

TEST(DemoWorkspace, ExistingFilesAreLeftAlone) {
  TempFolder folder;
  const Workspace w(folder.path());
  std::filesystem::create_directories(w.Folder(kDrawingFolder));
  testing::WriteText(w.SettingsPath(), "mine\r\n");
  testing::WriteText(w.File(kDrawingFolder, "Star.ddr"), "x");
  const DemoWorkspaceResult result = CreateDemoWorkspace(folder.path());
  ASSERT_TRUE(result.status.ok());
  EXPECT_EQ(testing::ReadText(w.SettingsPath()), "mine\r\n");
  EXPECT_EQ(testing::ReadText(w.File(kDrawingFolder, "Star.ddr")), "x");
  EXPECT_TRUE(std::filesystem::exists(w.File(kDrawingFolder, "Circle.ddr")));

  // A second run creates nothing.
  EXPECT_TRUE(CreateDemoWorkspace(folder.path()).created.empty());
}

TEST(DemoWorkspace, CommandLine) {
  TempFolder folder;
  const auto made = testing::RunCli({"demo-workspace", (folder / "w").string()});
  EXPECT_EQ(made.exitCode, 0) << made.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "w" / "Section" / "demo.sec"));
  EXPECT_EQ(testing::RunCli({"demo-workspace"}).exitCode, 2);

  testing::WriteText(folder / "file", "");
  const auto blocked = testing::RunCli({"demo-workspace", (folder / "file").string()});
  EXPECT_EQ(blocked.exitCode, 1);
}

}  // namespace
}  // namespace ravix
