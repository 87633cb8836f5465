#pragma once

#include <QIcon>
#include <QPixmap>

class QWidget;

namespace tarvola {

// The pictures compiled into the executable.
QPixmap backgroundPicture();
QPixmap instructionsPicture();
QIcon programIcon();

// Puts a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);

}  // namespace tarvola
