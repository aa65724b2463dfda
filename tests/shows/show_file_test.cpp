#include "shows/show_file.hpp"

#include <gtest/gtest.h>

#include "drawing/frame_list_file.hpp"
#include "segments/segment_file.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

using Lines = std::vector<std::string>;

TSequenceRecord Item(std::string file, std::int32_t duration) {
  TSequenceRecord record;
  record.itemFile = std::move(file);
  record.duration = duration;
  return record;
}

TEST(ShowFile, WritesLowerCasedCellsWithOneBarAndTheMusicAsTyped) {
  ShowTrackTables tracks;
  tracks[0].rows = {{"INTRO.Sec", "1200", ""}, {"logo.ilf", "48", "Thumb"}};
  tracks[1].rows = {{"", "0", ""}};
  tracks[2].rows = {{"", "", ""}};
  TempFolder folder;
  WriteText(folder / "a.seq", "old");
  ASSERT_TRUE(ShowFileWrite(folder / "a.seq", "C:\\Music\\My Song.MP3", tracks));
  EXPECT_EQ(ReadText(folder / "a.seq"),
            "[Music]\r\nC:\\Music\\My Song.MP3\r\n[Track1]\r\nintro.sec|1200\r\n"
            "logo.ilf|48thumb\r\n[Track2]\r\n|0\r\n[Track3]\r\n|\r\n");

  EXPECT_EQ(ShowFileToLines("", {}), (Lines{"[Music]", "", "[Track1]", "[Track2]", "[Track3]"}));

  TSequence show;
  TSequence expected;
  expected.musicFile = "C:\\Music\\My Song.MP3";
  expected.tracks = {
      {{Item("intro.sec", 1200), Item("logo.ilf", 48)}, {Item("", 0)}, {Item("", 0)}}};
  // "48thumb" is not a number: the editor's reader stops there.
  EXPECT_EQ(ShowFileRead(folder / "a.seq", show).error(), "'48thumb' is not a valid integer value");
  tracks[0].rows[1][2] = "";
  ASSERT_TRUE(ShowFileWrite(folder / "a.seq", "C:\\Music\\My Song.MP3", tracks));
  ASSERT_TRUE(ShowFileRead(folder / "a.seq", show));
  EXPECT_EQ(show, expected);
}

TEST(ShowFile, HeadersAreWholeLinesWithLetterCaseIgnored) {
  TSequence show;
  ASSERT_TRUE(
      ShowFileFromLines(Lines{"[music]", "song.mp3", "[TRACK1]", "[track2]", "[Track3]"}, show));
  EXPECT_EQ(show.musicFile, "song.mp3");
  for (const auto& track : show.tracks)
    EXPECT_TRUE(track.empty());

  // A header with a leading blank is not found: the music is the first line.
  ASSERT_TRUE(
      ShowFileFromLines(Lines{" [Music]", "song.mp3", "[Track1]", "[Track2]", "[Track3]"}, show));
  EXPECT_EQ(show.musicFile, " [Music]");
  // Without "[Track3]" the third track runs from the first line.
  EXPECT_EQ(ShowFileFromLines(Lines{"[Music]", "song.mp3", "[Track1]", "[Track2]"}, show).error(),
            "'[Music]' is not a valid integer value");

  EXPECT_EQ(ShowFileFromLines(Lines{}, show).error(), "List index out of bounds (0)");
  EXPECT_EQ(ShowFileFromLines(Lines{"x", "[MUSIC]"}, show).error(), "List index out of bounds (2)");
}

TEST(ShowFile, DurationRulesOfTheTwoReaders) {
  struct Case {
    const char* line;
    const char* itemFile;
    const char* editor;  // duration, or the error text
    const char* player;
  };
  const Case cases[] = {
      {"intro.sec|1200", "intro.sec", "1200", "1200"},
      {"intro.sec|1200|", "intro.sec", "'1200|' is not a valid integer value", "1200"},
      {"intro.sec|", "intro.sec", "0", "0"},
      {"intro.sec||", "intro.sec", "'|' is not a valid integer value", "0"},
      {"x.sec|12|00", "x.sec", "'12|00' is not a valid integer value", "1200"},
      {"a|b|c|", "a", "'b|c|' is not a valid integer value", "'bc|' is not a valid integer value"},
      {"x.ilf| 48", "x.ilf", "48", "48"},
      {"x.ilf|48 ", "x.ilf", "'48 ' is not a valid integer value",
       "'48 ' is not a valid integer value"},
      {"x.ilf|\t ", "x.ilf", "0", "0"},
      {"|", "", "0", "0"},
      {"", "", "0", "0"},
      {"1200", "", "1200", "1200"},  // no bar: the whole line is the duration text
  };
  const Workspace workspace("/nonexistent-workspace");
  for (const Case& c : cases) {
    const Lines lines = {"[Music]", "", "[Track1]", "[Track2]", "[Track3]", "first.sec|5", c.line};
    for (const bool player : {false, true}) {
      TSequence show;
      const Status status =
          player ? ShowFileLoadFromLines(lines, workspace, show) : ShowFileFromLines(lines, show);
      const std::string expected = player ? c.player : c.editor;
      const auto& track = show.tracks[2];
      ASSERT_FALSE(track.empty());
      EXPECT_EQ(track[0], Item("first.sec", 5));
      if (expected.front() == '\'') {
        EXPECT_EQ(status.error(), expected) << c.line;
        EXPECT_EQ(track.size(), 1u);
      } else {
        EXPECT_TRUE(status) << c.line << ": " << status.error();
        ASSERT_EQ(track.size(), 2u);
        EXPECT_EQ(track[1], Item(c.itemFile, std::stoi(expected))) << c.line;
      }
    }
  }
}

TEST(ShowFile, LoadFillsSegmentsAndFrameListsFromTheWorkspace) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "Section");
  std::filesystem::create_directory(folder / "Frames");
  const SegmentItemCells items[] = {{"0", "400", "Spin.ect", "257"}};
  const std::string drawings[] = {"1,2,0,3,0,128|"};
  ASSERT_TRUE(SegmentFileWrite(folder / "Section/intro.sec", items, drawings, {}));
  const FrameList frames = {{{LaserPoint{5, 6, 0, 7, 0, 1}}}, {}};
  ASSERT_TRUE(FrameListWrite(folder / "Frames/logo.ilf", frames));
  WriteText(folder / "Section/bad.sec", "[SectionContent]\r\n0|oops|\r\n[DrawingList]\r\n");

  const Workspace workspace(folder.path());
  const Lines lines = {"[Music]",       "m.mp3",    "[Track1]",      "intro.sec|1200|",
                       "INTRO.SEC|10",  "[Track2]", "logo.ilf|48",   "missing.sec|3",
                       "missing.ilf|4", "[Track3]", "pause.txt|100", ""};
  TSequence show;
  ASSERT_TRUE(ShowFileLoadFromLines(lines, workspace, show));
  ASSERT_EQ(show.tracks[0].size(), 2u);
  std::vector<TSectionRecord> rows;
  ASSERT_TRUE(SegmentFileRead(folder / "Section/intro.sec", rows));
  EXPECT_EQ(show.tracks[0][0].duration, 1200);
  EXPECT_EQ(show.tracks[0][0].segmentRows, rows);
  EXPECT_TRUE(show.tracks[0][1].segmentRows.empty());  // the extension test is case-sensitive
  ASSERT_EQ(show.tracks[1].size(), 3u);
  EXPECT_EQ(show.tracks[1][0].frames, frames);
  EXPECT_TRUE(show.tracks[1][1].segmentRows.empty());
  EXPECT_TRUE(show.tracks[1][2].frames.empty());
  ASSERT_EQ(show.tracks[2].size(), 2u);
  EXPECT_EQ(show.tracks[2][0], Item("pause.txt", 100));
  EXPECT_EQ(show.tracks[2][1], Item("", 0));

  // The editor's reader loads nothing.
  ASSERT_TRUE(ShowFileFromLines(
      Lines{"[Music]", "", "[Track1]", "intro.sec|1", "logo.ilf|1", "[Track2]", "[Track3]"}, show));
  EXPECT_TRUE(show.tracks[0][0].segmentRows.empty());
  EXPECT_TRUE(show.tracks[0][1].frames.empty());

  // A fault in an item's file stops the load; the records before it stay.
  const Lines faulty = {"[Music]",   "",           "[Track1]", "intro.sec|1",
                        "bad.sec|2", "logo.ilf|3", "[Track2]", "[Track3]"};
  EXPECT_EQ(ShowFileLoadFromLines(faulty, workspace, show).error(),
            "'oops' is not a valid integer value");
  ASSERT_EQ(show.tracks[0].size(), 1u);
  EXPECT_EQ(show.tracks[0][0].segmentRows, rows);

  WriteText(folder / "Sequence.seq",
            "[Music]\r\nm.mp3\r\n[Track1]\r\nlogo.ilf|48\r\n[Track2]\r\n[Track3]\r\n");
  ASSERT_TRUE(ShowFileLoad(folder / "Sequence.seq", workspace, show));
  EXPECT_EQ(show.musicFile, "m.mp3");
  ASSERT_EQ(show.tracks[0].size(), 1u);
  EXPECT_EQ(show.tracks[0][0].frames, frames);
  EXPECT_FALSE(ShowFileLoad(folder / "missing.seq", workspace, show));
}

}  // namespace
}  // namespace ravix
