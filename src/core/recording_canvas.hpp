#pragma once

#include <vector>

#include "core/canvas.hpp"

namespace ravix {

// A canvas that records every call, for tests and headless inspection.
class RecordingCanvas final : public Canvas {
 public:
  enum class Op { kPen, kMove, kLine, kEllipse };
  struct Call {
    Op op;
    int a = 0, b = 0, c = 0, d = 0;  // pen: a = colour; move/line: (a, b); ellipse: all four
    friend bool operator==(const Call&, const Call&) = default;
  };

  void SetPenColour(PackedColour colour) override {
    calls_.push_back({Op::kPen, static_cast<int>(colour)});
  }
  void MoveTo(int x, int y) override { calls_.push_back({Op::kMove, x, y}); }
  void LineTo(int x, int y) override { calls_.push_back({Op::kLine, x, y}); }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    calls_.push_back({Op::kEllipse, x1, y1, x2, y2});
  }

  const std::vector<Call>& calls() const { return calls_; }
  // The calls that put something on the canvas or move the pen (no pen changes).
  std::vector<Call> Strokes() const {
    std::vector<Call> strokes;
    for (const Call& call : calls_) {
      if (call.op != Op::kPen)
        strokes.push_back(call);
    }
    return strokes;
  }

 private:
  std::vector<Call> calls_;
};

}  // namespace ravix
