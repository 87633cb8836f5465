#pragma once

#include <QIcon>
#include <QPixmap>

class QWidget;

namespace tarvola {

// The pictures compiled into the executable.
QPixmap backgroundPicture();
QPixmap instructionsPicture();
QIcon programIcon();

// Paints a picture at its natural size from the window's top-left corner, in
// logical pixels whatever the screen's scale.
void paintPicture(QWidget* window, const QPixmap& picture);

// Puts a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);

}  // namespace tarvola
