#pragma once

#include <QWidget>

#include "ui/artwork.h"

namespace tarvola {

// The instructions window: one fixed picture that carries the text, no controls;
// Escape closes it.
// A top-level window of its own, so the program runs on while either window is open.
class Form2 final : public QWidget {
  Q_OBJECT

 public:
  Form2();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  const Picture picture_;
};

// Shows the instructions window: loaded and centred if it isn't open, modeless,
// without owner; there is only ever one.
void showInstructionsWindow();

}  // namespace tarvola
