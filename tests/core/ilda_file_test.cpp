#include "core/ilda_file.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::FixturePath;
using testing::TempFolder;

LaserPoint Ilda(int x, int y, int colour = 1, int blanked = 0, int z = 0) {
  return LaserPoint{
      x, y, z, static_cast<std::uint8_t>(colour), 0, static_cast<std::uint8_t>(blanked)};
}

TILDAframe FrameOf(std::vector<LaserPoint> points) {
  TILDAframe frame;
  frame.points = std::move(points);
  return frame;
}

Bytes Encode(const TILDAimage& image) {
  Bytes bytes;
  EXPECT_TRUE(IldaFileEncode(image, bytes));
  return bytes;
}

// A header as other software writes it.
Bytes Header(std::uint8_t format, std::uint16_t records, const char* name = "frame",
             std::uint16_t number = 0, std::uint16_t total = 1) {
  Bytes h(32, 0);
  std::memcpy(h.data(), "ILDA", 4);
  h[7] = format;
  std::memcpy(h.data() + 8, name, std::min<std::size_t>(8, std::strlen(name)));
  std::memcpy(h.data() + 16, "maker", 5);
  h[24] = records >> 8;
  h[25] = records & 0xFF;
  h[26] = number >> 8;
  h[27] = number & 0xFF;
  h[28] = total >> 8;
  h[29] = total & 0xFF;
  h[30] = 3;
  h[31] = 9;
  return h;
}

void Append(Bytes& to, const Bytes& more) {
  to.insert(to.end(), more.begin(), more.end());
}

TEST(IldaFile, WrittenLayoutOfTwoFrames) {
  TILDAimage image;
  image.frames = {
      FrameOf({Ilda(0, 0), Ilda(1, 1), Ilda(2, 2)}),
      FrameOf({Ilda(-129, 128, 5, 1), Ilda(0, 0), Ilda(0, 0), Ilda(0, 0), Ilda(127, -128, 7)})};
  image.frames[0].name = "ignored";
  const Bytes bytes = Encode(image);
  ASSERT_EQ(bytes.size(), 154u);

  const Bytes firstHeader(bytes.begin(), bytes.begin() + 32);
  Bytes expected = {'I', 'L', 'D', 'A', 0, 0, 0, 0};
  Append(expected, Bytes(16, 'I'));
  Append(expected, Bytes{0, 3, 0, 0, 0, 2, 0, 0});
  EXPECT_EQ(firstHeader, expected);

  const std::uint8_t* second = bytes.data() + 32 + 24;
  EXPECT_EQ(second[27], 1);  // frame number
  EXPECT_EQ(second[29], 2);  // total frames
  const std::uint8_t* firstPoint = second + 32;
  EXPECT_EQ(Bytes(firstPoint, firstPoint + 8), (Bytes{0x80, 0, 0x7F, 0, 0, 0, 0x40, 5}));
  const std::uint8_t* lastPoint = second + 32 + 4 * 8;
  EXPECT_EQ(Bytes(lastPoint, lastPoint + 8), (Bytes{0x7F, 0, 0x80, 0, 0, 0, 0x80, 7}));

  Bytes closing = {'I', 'L', 'D', 'A', 0, 0, 0, 0};
  Append(closing, Bytes(16, 'I'));
  Append(closing, Bytes{0, 0});
  EXPECT_EQ(Bytes(bytes.end() - 26, bytes.end()), closing);
}

TEST(IldaFile, RoundTripKeepsCoordinatesAndDropsZ) {
  TILDAframe frame;
  for (int v = -128; v <= 127; ++v)
    frame.points.push_back(Ilda(v, -v - 1, v & 0xFF, v & 1, 5));
  TILDAimage image;
  image.frames = {frame};

  TILDAimage back;
  const IldaReadResult result = IldaParse(Encode(image), back);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_FALSE(result.truncated);
  ASSERT_EQ(back.frames.size(), 1u);
  EXPECT_EQ(back.frames[0].name, "IIIIIIII");
  EXPECT_EQ(back.frames[0].pointCount, 256);
  ASSERT_EQ(back.frames[0].points.size(), 256u);
  for (std::size_t i = 0; i < 256; ++i) {
    LaserPoint expected = frame.points[i];
    expected.z = 0;
    EXPECT_EQ(back.frames[0].points[i], expected);
  }
}

TEST(IldaFile, ClosingSectionAloneAndEmptyFrameEndTheFile) {
  TILDAimage image;
  TILDAimage back;
  EXPECT_EQ(Encode(image).size(), 26u);
  back.frames = {FrameOf({Ilda(1, 1)})};  // replaced by the read
  EXPECT_TRUE(IldaParse(Encode(image), back).messages.empty());
  EXPECT_TRUE(back.frames.empty());

  image.frames = {FrameOf({Ilda(1, 1)}), FrameOf({}), FrameOf({Ilda(2, 2)})};
  IldaParse(Encode(image), back);
  EXPECT_EQ(back.frames.size(), 1u);
}

TEST(IldaFile, ReadsFormatOneHeadersAndPalettes) {
  Bytes data = Header(2, 2, "colours", 0, 1);
  Append(data, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  Append(data, Header(1, 2, "eightchr", 4, 10));
  Append(data, Bytes{0x12, 0x34, 0xFF, 0x00, 0x40, 6});  // x = 0x12, y = -1, blanked
  Append(data, Bytes{0x80, 0x00, 0x7F, 0xFF, 0x80, 7});  // last point
  Append(data, Header(5, 0));  // a palette of no entries does not end the file
  Append(data, Header(0, 1));
  Append(data, Bytes{0x00, 0xFF, 0x01, 0, 0xFF, 0, 0xC0, 3});

  TILDAimage image;
  const IldaReadResult result = IldaParse(data, image);
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(image.palettes.size(), 2u);
  EXPECT_EQ(image.palettes[0].name, "colours");
  EXPECT_EQ(image.palettes[0].company, "maker");
  EXPECT_EQ(image.palettes[0].entryCount, 2);
  EXPECT_EQ(image.palettes[0].entries[1], (TILDAcolorplatte::Entry{7, 8, 9, 10, 11, 12}));
  EXPECT_TRUE(image.palettes[1].entries.empty());

  ASSERT_EQ(image.frames.size(), 2u);
  const TILDAframe& f = image.frames[0];
  EXPECT_EQ(f.name, "eightchr");
  EXPECT_EQ(f.frameNumber, 4);
  EXPECT_EQ(f.totalFrames, 10);
  EXPECT_EQ(f.scannerHead, 3);
  EXPECT_EQ(f.reserved, 9);
  EXPECT_EQ(f.points, (std::vector<LaserPoint>{Ilda(0x12, -1, 6, 1), Ilda(-128, 127, 7)}));
  // The header's count does not bound a frame: only the last-point bit does.
  EXPECT_EQ(image.frames[1].points, (std::vector<LaserPoint>{Ilda(0, 1, 3, 1, -1)}));
}

TEST(IldaFile, BadMagicStopsWithReadErrorKeepingEarlierFrames) {
  TILDAimage image;
  image.frames = {FrameOf({Ilda(1, 1)})};
  Bytes data = Encode(image);
  data.resize(data.size() - 26);
  Append(data, Bytes{'J', 'U', 'N', 'K', 0, 0, 0, 0});
  TILDAimage back;
  const IldaReadResult result = IldaParse(data, back);
  EXPECT_EQ(result.messages, std::vector<std::string>{"Read Error!"});
  EXPECT_EQ(back.frames.size(), 1u);

  EXPECT_EQ(IldaParse(Bytes{'I', 'L'}, back).messages, std::vector<std::string>{"Read Error!"});
}

TEST(IldaFile, EveryCutOfAFileStopsAtTheEndOfTheData) {
  Bytes data = Header(3, 2);
  Append(data, Bytes(12, 0xAB));
  TILDAimage image;
  image.frames = {FrameOf({Ilda(1, 1), Ilda(2, 2), Ilda(3, 3)}), FrameOf({Ilda(4, 4)})};
  Append(data, Encode(image));
  for (std::size_t cut = 0; cut < data.size(); ++cut) {
    const Bytes part(data.begin(), data.begin() + cut);
    TILDAimage back;
    const IldaReadResult result = IldaParse(part, back);
    std::size_t points = 0;
    for (const auto& frame : back.frames)
      points += frame.points.size();
    const std::size_t wholeRecords = cut < 76 ? 0 : std::min<std::size_t>(3, (cut - 76) / 8);
    EXPECT_GE(points, wholeRecords) << "cut at " << cut;
    EXPECT_LE(back.frames.size(), 2u);
    // A cut inside a section is noticed; a cut between sections is a file
    // without its closing section.
    const bool betweenSections = cut == 44 || cut == 100 || cut == 140;
    if (cut >= 4 && cut < data.size() - 26 && !betweenSections) {
      EXPECT_TRUE(result.truncated || !result.messages.empty()) << "cut at " << cut;
    }
  }
}

TEST(IldaFile, RefusesFramesLargerThanTheFormatCounts) {
  TILDAimage image;
  image.frames = {FrameOf(std::vector<LaserPoint>(65536))};
  Bytes bytes;
  EXPECT_FALSE(IldaFileEncode(image, bytes));
}

TEST(IldaFile, DrawingToIldaFrameFlattensObjects) {
  TILDAframe frame;
  frame.points = {Ilda(9, 9)};
  const Drawing drawing = {{LaserPoint{0, 0, 2, 3, 1, 1}}, {}, {LaserPoint{255, 255, 0, 4, 0, 0}}};
  DrawingToIldaFrame(drawing, frame);
  EXPECT_EQ(frame.points, (std::vector<LaserPoint>{Ilda(-128, 128, 3, 1, 2), Ilda(127, -127, 4)}));
}

TEST(IldaFile, ReadsTheSharedFixtures) {
  const auto boeing = FixturePath("ilda/boeing.ild");
  const auto title = FixturePath("ilda/lase_title.ild");
  const auto pattern = FixturePath("ilda/ildatest12k.ild");
  if (boeing.empty() || title.empty() || pattern.empty())
    GTEST_SKIP() << "no shared fixtures";

  TILDAimage image;
  IldaReadResult result = IldaFileRead(boeing, image);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_FALSE(result.truncated);
  // 61 frames and the closing section.
  ASSERT_EQ(image.frames.size(), 61u);
  EXPECT_EQ(image.frames[0].name, "Jet0001 ");
  for (std::size_t i = 0; i < image.frames.size(); ++i) {
    EXPECT_EQ(image.frames[i].points.size(), static_cast<std::size_t>(image.frames[i].pointCount));
    EXPECT_EQ(image.frames[i].frameNumber, static_cast<int>(i));
  }

  result = IldaFileRead(title, image);
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(image.frames.size(), 1u);
  EXPECT_EQ(image.frames[0].points.size(), 1049u);
  for (const auto& point : image.frames[0].points)
    EXPECT_EQ(point.z, 0);

  result = IldaFileRead(pattern, image);
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(image.frames.size(), 1u);
  EXPECT_EQ(image.frames[0].points.size(), 1191u);
}

}  // namespace
}  // namespace ravix
