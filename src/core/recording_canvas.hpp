#pragma once

#include <string>
#include <vector>

#include "core/canvas.hpp"

namespace ravix {

// A canvas that records every call, for tests and headless inspection.
class RecordingCanvas final : public Canvas {
 public:
  enum class Op { kPen, kDashed, kMove, kLine, kEllipse, kRectangle, kFill, kPicture, kText };
  struct Call {
    Op op;
    // pen: a = colour; dashed: a = 0/1; move/line: (a, b); ellipse, rectangle,
    // fill: all four (fill: e = colour); picture: (a, b); text: (a, b), c = size.
    int a = 0, b = 0, c = 0, d = 0, e = 0;
    std::string text = {};  // picture: the file; text: the text
    friend bool operator==(const Call&, const Call&) = default;
  };

  void SetPenColour(PackedColour colour) override {
    calls_.push_back({Op::kPen, static_cast<int>(colour)});
  }
  void SetPenDashed(bool dashed) override { calls_.push_back({Op::kDashed, dashed ? 1 : 0}); }
  void MoveTo(int x, int y) override { calls_.push_back({Op::kMove, x, y}); }
  void LineTo(int x, int y) override { calls_.push_back({Op::kLine, x, y}); }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    calls_.push_back({Op::kEllipse, x1, y1, x2, y2});
  }
  void Rectangle(int x1, int y1, int x2, int y2) override {
    calls_.push_back({Op::kRectangle, x1, y1, x2, y2});
  }
  void FillRectangle(int x1, int y1, int x2, int y2, PackedColour colour) override {
    calls_.push_back({Op::kFill, x1, y1, x2, y2, static_cast<int>(colour)});
  }
  void DrawPicture(const std::filesystem::path& file, int x, int y) override {
    calls_.push_back({Op::kPicture, x, y, 0, 0, 0, file.string()});
  }
  void Text(int x, int y, std::string_view text, int pointSize) override {
    calls_.push_back({Op::kText, x, y, pointSize, 0, 0, std::string(text)});
  }

  const std::vector<Call>& calls() const { return calls_; }
  // The calls that put something on the canvas or move the pen (no pen changes).
  std::vector<Call> Strokes() const {
    std::vector<Call> strokes;
    for (const Call& call : calls_) {
      if (call.op != Op::kPen && call.op != Op::kDashed)
        strokes.push_back(call);
    }
    return strokes;
  }
  void Clear() { calls_.clear(); }

 private:
  std::vector<Call> calls_;
};

}  // namespace ravix
