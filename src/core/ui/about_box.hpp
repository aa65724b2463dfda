#pragma once

#include <QDialog>

namespace ravix {

inline constexpr const char* kAboutCaption = "About Ravix";
inline constexpr const char* kVersionLine = "Ravix laser show system, version 0.1.0";

// The about box: a fixed caption, the version line and an OK button.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace ravix
