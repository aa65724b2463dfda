#include "core/text_lines.hpp"

#include <gtest/gtest.h>

namespace ravix {
namespace {

std::vector<std::string> Split(const std::string& text) {
  return SplitLines(Bytes(text.begin(), text.end()));
}

TEST(TextLines, SplitsOnEveryLineEnd) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(Split(""), Lines{});
  EXPECT_EQ(Split("a"), Lines{"a"});
  EXPECT_EQ(Split("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Split("a\nb\rc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(Split("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(Split("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(TextLines, JoinEndsEveryLineWithCrLf) {
  const std::vector<std::string> lines = {"x", "", "y"};
  const Bytes joined = JoinLinesCrLf(lines);
  EXPECT_EQ(std::string(joined.begin(), joined.end()), "x\r\n\r\ny\r\n");
  EXPECT_EQ(SplitLines(joined), lines);
}

TEST(TextLines, DecimalConversion) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"-17", -17},
      {"+5", 5},
      {"  12", 12},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", {}},
      {"", {}},
      {"-", {}},
      {"12x", {}},
      {"12 ", {}},
      {"1.5", {}},
      {"99999999999999999999", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseDecimalInt(c.text), c.value) << "'" << c.text << "'";
  EXPECT_EQ(InvalidIntegerMessage("12x"), "'12x' is not a valid integer value");
}

TEST(TextLines, LetterCaseIsIgnoredForAsciiLettersOnly) {
  EXPECT_TRUE(EqualsIgnoringCase("[DrawingList]", "[drawinglist]"));
  EXPECT_FALSE(EqualsIgnoringCase("[DrawingList]", " [DrawingList]"));
  EXPECT_FALSE(EqualsIgnoringCase("\xC9", "\xE9"));  // Latin-1 letters are not folded
  EXPECT_EQ(AsciiLowerCase("INTRO.Sec\xC9"), "intro.sec\xC9");
  const std::vector<std::string> lines = {"a", "[Music]", "[MUSIC]"};
  EXPECT_EQ(FindLineIgnoringCase(lines, "[music]"), 1u);
  EXPECT_EQ(FindLineIgnoringCase(lines, "[Track1]"), std::nullopt);
}

TEST(TextLines, TrimDropsBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(TrimBlanks(" \t\r PU1 2; \x01"), "PU1 2;");
  EXPECT_EQ(TrimBlanks("\xA0x\xA0"), "\xA0x\xA0");  // bytes above ' ' stay
  EXPECT_EQ(TrimBlanks("  "), "");
}

}  // namespace
}  // namespace ravix
