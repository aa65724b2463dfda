#include "core/ui/about_box.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ravix {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(kAboutCaption);
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel("Ravix", this);
  QFont large = name->font();
  large.setPointSize(large.pointSize() * 2);
  large.setBold(true);
  name->setFont(large);
  name->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel(kVersionLine, this);
  version->setObjectName("versionLine");
  version->setAlignment(Qt::AlignCenter);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addWidget(ok, 0, Qt::AlignCenter);
}

}  // namespace ravix
