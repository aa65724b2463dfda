#include "segments/preview_lines.hpp"

#include <charconv>

namespace ravix {
namespace {

void AppendNumber(std::string& line, std::int32_t value) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  line.append(digits, end);
}

}  // namespace

void AppendPreviewPoint(std::string& line, std::int32_t x, std::int32_t y, std::int32_t z,
                        std::uint8_t colour, bool blanked) {
  AppendNumber(line, x);
  line += ',';
  AppendNumber(line, y);
  line += ',';
  AppendNumber(line, z);
  line += ',';
  AppendNumber(line, colour);
  line += ",0,";
  line += blanked ? '1' : '0';
  line += '|';
}

void PreviewLines::Publish(std::vector<std::string>& lines) {
  std::lock_guard lock(mutex_);
  lines_.swap(lines);
}

std::vector<std::string> PreviewLines::Copy() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

std::string& PreviewLineBuilder::NextLine() {
  if (count_ == lines_.size())
    lines_.emplace_back();
  std::string& line = lines_[count_++];
  line.clear();
  return line;
}

void PreviewLineBuilder::PublishTo(PreviewLines& target) {
  lines_.resize(count_);
  target.Publish(lines_);
  count_ = 0;
}

}  // namespace ravix
