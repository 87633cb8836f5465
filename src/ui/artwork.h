#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace tarvola {

// A picture compiled into the executable, drawn for 100 % screens and again
// at twice the size for the larger scales.
struct Picture {
  QPixmap normal;
  QString doubleSize;  // loaded only on a screen above 100 %
};

Picture backgroundPicture();
Picture instructionsPicture();
// The instructions picture's text, line by line: the picture is drawn from the same file.
QString instructionsText();
QIcon programIcon();

// Paints a picture at its natural size from the window's top-left corner, in
// logical pixels whatever the screen's scale: above 100 % from the double-size
// drawing scaled smoothly to the screen's pixels, never with doubled pixels.
void paintPicture(QWidget* window, const Picture& picture);

// Puts a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);

}  // namespace tarvola
