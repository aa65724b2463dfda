#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ilda_image.hpp"
#include "core/laser_point.hpp"

namespace ravix::cli {

// Builds one compact JSON document. Text taken from files is shown byte for
// byte: each byte becomes the character with the same code (Latin-1).
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& Int(std::int64_t value);
  JsonWriter& Text(std::string_view bytes);
  JsonWriter& Null();
  JsonWriter& IntField(std::string_view key, std::int64_t value) { return Key(key).Int(value); }
  JsonWriter& TextField(std::string_view key, std::string_view bytes) {
    return Key(key).Text(bytes);
  }

  // [x, y, z, colour, blanked]
  JsonWriter& Point(const LaserPoint& point);
  JsonWriter& Object(const DrawingObject& object);
  JsonWriter& Drawing(const ravix::Drawing& drawing);

  // The document followed by one newline.
  std::string Finish() const { return out_ + "\n"; }

 private:
  void Separate();
  std::string out_;
  bool needComma_ = false;
};

}  // namespace ravix::cli
