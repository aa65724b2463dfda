#include "cli/json_writer.hpp"

#include <cstdio>

namespace ravix::cli {

void JsonWriter::Separate() {
  if (needComma_)
    out_.push_back(',');
  needComma_ = false;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  out_.push_back('{');
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  out_.push_back('}');
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  out_.push_back('[');
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  out_.push_back(']');
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  Text(key);
  out_.push_back(':');
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
  Separate();
  out_ += std::to_string(value);
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Null() {
  Separate();
  out_ += "null";
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Text(std::string_view bytes) {
  Separate();
  out_.push_back('"');
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\b':
        out_ += "\\b";
        break;
      case '\f':
        out_ += "\\f";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out_ += escaped;
        } else if (c < 0x80) {
          out_.push_back(static_cast<char>(c));
        } else {  // U+0080..U+00FF in UTF-8
          out_.push_back(static_cast<char>(0xC0 | (c >> 6)));
          out_.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
  }
  out_.push_back('"');
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Point(const LaserPoint& point) {
  BeginArray();
  Int(point.x).Int(point.y).Int(point.z).Int(point.colour).Int(point.blanked);
  return EndArray();
}

JsonWriter& JsonWriter::Object(const DrawingObject& object) {
  BeginArray();
  for (const LaserPoint& point : object)
    Point(point);
  return EndArray();
}

JsonWriter& JsonWriter::Drawing(const ravix::Drawing& drawing) {
  BeginArray();
  for (const DrawingObject& object : drawing)
    Object(object);
  return EndArray();
}

}  // namespace ravix::cli
