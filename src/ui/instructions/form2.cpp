#include "ui/instructions/form2.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "ui/artwork.h"

namespace tarvola {

namespace {

constexpr QSize kClientSize(390, 314);

Form2* loadInstructionsWindow() {
  auto* window = new Form2;
  centreOnScreen(window);
  return window;
}

}  // namespace

Form2::Form2()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      picture_(instructionsPicture()) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("使用说明"));
  setWindowIcon(programIcon());
  setFixedSize(kClientSize);
  QPalette lightBlue = palette();
  lightBlue.setColor(QPalette::Window, QColor(192, 192, 255));
  setPalette(lightBlue);
  setAutoFillBackground(true);
  // The text is in the picture; a screen reader reads it here.
  setAccessibleDescription(instructionsText());
  // Closing unloads the window; the next choice loads a fresh one.
  setAttribute(Qt::WA_DeleteOnClose);
  // Nothing owns the window, so one still open when the program quits is deleted here.
  connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

void Form2::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  paintPicture(this, picture_);
}

void Form2::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void showInstructionsWindow() {
  static QPointer<Form2> window;
  // A closed window is hidden at once but deleted only later: it counts as gone.
  if (!window || window->isHidden()) window = loadInstructionsWindow();
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace tarvola
