#include "ui/artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QWidget>

// Resources of a static library must be registered by hand, outside any namespace.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace tarvola {

namespace {

QPixmap picture(const QString& path) {
  static const bool registered = (registerResources(), true);
  (void)registered;
  return QPixmap(path);
}

}  // namespace

QPixmap backgroundPicture() { return picture(QStringLiteral(":/background.jpg")); }

QPixmap instructionsPicture() { return picture(QStringLiteral(":/instructions.jpg")); }

QIcon programIcon() {
  QIcon icon;
  icon.addPixmap(picture(QStringLiteral(":/icon-32.png")));
  icon.addPixmap(picture(QStringLiteral(":/icon-16.png")));
  return icon;
}

void paintPicture(QWidget* window, const QPixmap& picture) {
  QPainter painter(window);
  painter.drawPixmap(QRect(QPoint(0, 0), picture.size() / picture.devicePixelRatio()), picture);
}

void centreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  window->setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

}  // namespace tarvola
