#include <gtest/gtest.h>

#include <map>

#include "core/recording_canvas.hpp"
#include "output/frame_capture.hpp"
#include "output/quick_pages_model.hpp"
#include "output/quick_pages_pictures.hpp"
#include "output/quick_pages_player.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TempFolder;
using testing::WriteText;
using Lines = std::vector<std::string>;

TEST(QuickPagesModel, TabsPagesSlotsAndKeys) {
  TempFolder root;
  const auto quick = root.path() / kQuickFrameFolder;
  std::filesystem::create_directories(quick / "beta");
  std::filesystem::create_directories(quick / "alpha");
  WriteText(quick / "stray.ilf", "");  // a plain file is not a tab
  for (int i = 0; i < 60; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "f%02d.ilf", i);
    WriteText(quick / "alpha" / name, "[DrawingList]\r\nDrawingName=0\r\n1,2,0,4,0,128|\r\n");
  }
  WriteText(quick / "beta" / "one.ilf", "[DrawingList]\r\n");

  QuickPagesModel model{Workspace(root.path())};
  EXPECT_EQ(model.tabs(), (std::vector<std::string>{"alpha", "beta"}));
  ASSERT_EQ(model.files().size(), 60u);
  EXPECT_EQ(model.PageDisplay(), "0 / 1");
  EXPECT_EQ(model.SelectedFile()->filename(), "f00.ilf");

  EXPECT_EQ(model.KeyDown('Q'), PagesKeyAction::kSelected);
  EXPECT_EQ(model.slot(), 12);
  EXPECT_EQ(model.KeyDown(kKeyPageDown), PagesKeyAction::kPageChanged);
  EXPECT_EQ(model.PageDisplay(), "1 / 1");
  EXPECT_EQ(model.SelectedFile()->filename(), "f58.ilf");  // 46 + 12
  EXPECT_EQ(model.KeyDown(kKeyPageDown), PagesKeyAction::kNone);
  EXPECT_EQ(model.KeyDown(191), PagesKeyAction::kSelected);  // "/" is the last slot
  EXPECT_EQ(model.slot(), 45);
  EXPECT_FALSE(model.SelectedFile());  // beyond the last file
  EXPECT_EQ(model.KeyDown(kKeyEnter), PagesKeyAction::kPlay);
  EXPECT_EQ(model.KeyDown(112), PagesKeyAction::kNone);  // F1

  const std::vector<PageSlot> page = model.BuildPage();
  ASSERT_EQ(page.size(), 46u);
  EXPECT_EQ(page[0].fileName, "f46.ilf");
  EXPECT_EQ(page[0].thumbnail, (Drawing{{P(1, 2, 0, 4)}}));
  EXPECT_STREQ(page[13].keyLabel, "W");
  EXPECT_TRUE(page[14].empty());  // 14 files on the second page

  model.ChooseTab(1);
  EXPECT_EQ(model.page(), 0);
  EXPECT_EQ(model.slot(), 0);
  EXPECT_TRUE(model.BuildPage()[0].thumbnail.empty());  // fewer than three lines

  TempFolder bare;
  QuickPagesModel none{Workspace(bare.path())};
  EXPECT_TRUE(none.tabs().empty());
  EXPECT_TRUE(none.files().empty());
  EXPECT_FALSE(none.SelectedFile());
  EXPECT_EQ(none.PageDisplay(), "0 / 0");
}

TEST(QuickPagesModel, RefreshFilesKeepsSlotAndPageWithinTheNewLastPage) {
  TempFolder root;
  const auto page = root.path() / kQuickFrameFolder / "page";
  std::filesystem::create_directories(page);
  for (int i = 0; i < 50; ++i)
    WriteText(page / ("f" + std::to_string(100 + i) + ".ilf"), "");
  QuickPagesModel model{Workspace(root.path())};
  model.PageDown();
  model.SelectSlot(2);
  WriteText(page / "f099.ilf", "");
  model.RefreshFiles();
  EXPECT_EQ(model.page(), 1);
  EXPECT_EQ(model.slot(), 2);
  EXPECT_EQ(model.SelectedFile()->filename(), "f147.ilf");  // 46 + 2, one name before them all
  for (int i = 10; i < 50; ++i)
    std::filesystem::remove(page / ("f" + std::to_string(100 + i) + ".ilf"));
  model.RefreshFiles();
  EXPECT_EQ(model.PageDisplay(), "0 / 0");
  EXPECT_EQ(model.slot(), 2);
}

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

TEST(QuickPagesPictures, SlotImages) {
  const int white = static_cast<int>(PaletteColour(kColourWhite));
  RecordingCanvas empty;
  DrawPagesSlot(empty, PageSlot{"Q", "", {}}, false);
  EXPECT_EQ(empty.Strokes(), (std::vector<Call>{{Op::kFill, 0, 0, 64, 64, 0x808080},
                                                {Op::kText, 0, 0, 10, 0, 0, "Q"}}));
  EXPECT_EQ(empty.calls()[1], (Call{Op::kPen, white}));

  RecordingCanvas filled;
  DrawPagesSlot(filled, PageSlot{"1", "a.ilf", {{P(255, 8, 0, 2), P(40, 100, 0, 2, 1)}}}, true);
  const std::vector<Call> strokes = filled.Strokes();
  ASSERT_EQ(strokes.size(), 7u);
  EXPECT_EQ(strokes[0], (Call{Op::kFill, 0, 0, 64, 64, 0}));
  // Quarter scale; the blanked point is reached by a move and marked.
  EXPECT_EQ(strokes[1], (Call{Op::kMove, 63, 2}));
  EXPECT_EQ(strokes[2], (Call{Op::kMove, 10, 25}));
  EXPECT_EQ(strokes[3], (Call{Op::kEllipse, 9, 26, 11, 24}));
  EXPECT_EQ(strokes[4].text, "1");
  EXPECT_EQ(strokes[5], (Call{Op::kRectangle, 0, 0, 64, 64}));
  EXPECT_EQ(strokes[6], (Call{Op::kRectangle, 1, 1, 63, 63}));
}

TEST(QuickPagesPictures, PlayImageInThePlayersColoursAtTheDepths) {
  PlaySettingsValues settings;
  settings.greenDepth = 0;
  RecordingCanvas canvas;
  const Drawing frame = {{P(10, 10, 0, 1), P(300, 20, 0, 1)}, {P(30, -5, 0, 1, 1)}};
  DrawPagesDisplay(canvas, frame, 4, kColourModeAuto, 0, settings);
  const int magenta = 0xFF00FF;  // white without green
  EXPECT_EQ(canvas.calls(), (std::vector<Call>{{Op::kFill, 0, 0, 256, 256, 0},
                                               {Op::kPen, magenta},
                                               {Op::kMove, 10, 10},
                                               {Op::kPen, magenta},
                                               {Op::kLine, 255, 20},
                                               {Op::kPen, magenta},
                                               {Op::kMove, 30, 0},
                                               {Op::kEllipse, 29, 1, 31, -1},
                                               {Op::kPen, 0xFFFFFF},
                                               {Op::kText, 0, 0, 5, 0, 0, "5"}}));
  // The players' colour: a fixed palette index for every lit point.
  RecordingCanvas red;
  DrawPagesDisplay(red, frame, 0, kColourRed, 0, PlaySettingsValues());
  EXPECT_EQ(red.calls()[1], (Call{Op::kPen, 0x0000FF}));
}

struct PagesRun {
  LiveState live;
  std::shared_ptr<PagesPlayChannel> channel = std::make_shared<PagesPlayChannel>();

  Lines Capture(FrameList frames, std::size_t writes, bool tickEachWrite = true) {
    PlayJob job;
    job.pages = std::make_shared<PagesPlayJob>(
        PagesPlayJob{std::make_shared<const FrameList>(std::move(frames)), channel});
    return CapturePlayLoop(
        kPlayTypeQuickPages, job, live,
        FrameCaptureOptions{writes, tickEachWrite ? &channel->segmentTick : nullptr});
  }
};

// How many writes in a row each frame got.
std::vector<std::pair<std::string, int>> Runs(const Lines& lines) {
  std::vector<std::pair<std::string, int>> runs;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (runs.empty() || runs.back().first != lines[i])
      runs.emplace_back(lines[i], 0);
    ++runs.back().second;
  }
  return runs;
}

const FrameList kFrames = {{{P(0, 0, 0, 1)}}, {}, {{P(255, 255, 2, 2, 1)}}};

TEST(QuickPagesPlayer, TimeFadeHoldsEachFrameForItsTicksPlusOne) {
  for (const bool loop : {false, true}) {
    for (const int fade : {0, 2, 50}) {
      PagesRun run;
      run.channel->timeFade = fade;
      run.live.control.loopPlay = loop;
      const Lines lines = run.Capture(kFrames, 400);
      EXPECT_EQ(lines[0], "6464");
      const auto runs = Runs(lines);
      ASSERT_GE(runs.size(), 3u);
      const int empty = std::min(fade + 1, 11);  // a frame without objects: 11 at most
      EXPECT_EQ(runs[0], std::make_pair(std::string("0f00ffff"), fade + 1)) << fade;
      EXPECT_EQ(runs[1], std::make_pair(std::string(""), empty)) << fade;
      EXPECT_EQ(runs[2], std::make_pair(std::string("09030000"), fade + 1)) << fade;
      if (loop) {
        EXPECT_EQ(lines.size(), 400u);
        EXPECT_EQ(runs[3].first, "0f00ffff");
      } else {
        EXPECT_EQ(runs.size(), 3u);
        EXPECT_FALSE(run.live.control.playing);
      }
    }
  }
}

TEST(QuickPagesPlayer, AListWithoutFramesEndsEvenWithLoop) {
  PagesRun run;
  run.live.control.loopPlay = true;
  EXPECT_EQ(run.Capture({}, 5), (Lines{"6464"}));
  EXPECT_FALSE(run.live.control.playing);
}

TEST(QuickPagesPlayer, PausedHoldsTheFrameAndTheColourOffset) {
  PagesRun run;
  run.live.control.paused = true;
  run.channel->colourMode = kColourModeRnd2;
  const Lines lines = run.Capture(kFrames, 30);
  EXPECT_EQ(Runs(lines).size(), 1u);
  EXPECT_EQ(run.channel->colourOffset, 0);
}

TEST(QuickPagesPlayer, ColourOffsetMovesEveryThirdTick) {
  PagesRun run;
  run.channel->colourMode = kColourModeRnd2;
  run.channel->timeFade = 50;
  const FrameList frames = {{{P(0, 0, 0, 1), P(0, 0, 0, 0)}}};
  const Lines lines = run.Capture(frames, 20);
  // Offset k sends palette colour k + 1; black stays black.
  std::map<std::string, int> colours;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].substr(8, 2), "00");
    ++colours[lines[i].substr(0, 2)];
  }
  EXPECT_EQ(run.channel->colourOffset, 6);  // 19 ticks counted, one step per three
  EXPECT_EQ(PagesDisplayFrame({{P(300, -4, 0, 9), P(1, 1, 0, 0)}}, kColourModeRnd3, 231),
            (Drawing{{P(255, 0, 0, 232), P(1, 1, 0, 0)}}));
}

TEST(QuickPagesPlayer, DisplayLowersTheHandOffAndEndsWithPlay) {
  LiveState live;
  PagesPlayChannel channel;
  channel.frameIndex = 3;
  channel.pointCount = 7;
  channel.segmentTick = true;
  live.control.playing = true;
  EXPECT_FALSE(FirePagesDisplay(live, channel).draw);
  live.control.settingsChanged = true;
  const PagesDisplayFiring firing = FirePagesDisplay(live, channel);
  EXPECT_TRUE(firing.draw);
  EXPECT_EQ(firing.frameIndex, 3);
  EXPECT_EQ(firing.pointCount, 7);
  EXPECT_TRUE(firing.again);
  EXPECT_FALSE(live.control.settingsChanged);
  live.control.playing = false;
  EXPECT_FALSE(FirePagesDisplay(live, channel).again);
  EXPECT_FALSE(channel.segmentTick);
}

}  // namespace
}  // namespace ravix
