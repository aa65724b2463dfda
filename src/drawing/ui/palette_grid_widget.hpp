#pragma once

#include <QWidget>
#include <cstdint>

namespace ravix {

inline constexpr int kPaletteGridColumns = 4;
inline constexpr int kPaletteGridRows = 64;
inline constexpr int kPaletteCellSize = 30;

// "ILDA Color palette": 4 columns x 64 rows of palette cells; the cell in
// column c, row r shows palette index r + 64 x c.
class PaletteGridWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PaletteGridWidget(QWidget* parent = nullptr);

  // The cell shown as chosen.
  void ShowChosen(std::uint8_t index);

 signals:
  void cellClicked(int column, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::uint8_t chosen_ = 0;
};

}  // namespace ravix
