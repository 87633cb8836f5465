#include "ui/artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QStyle>
#include <QWidget>

// Resources of a static library must be registered by hand, outside any namespace.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace tarvola {

namespace {

void registerResourcesOnce() {
  static const bool registered = (registerResources(), true);
  (void)registered;
}

QPixmap picture(const QString& path) {
  registerResourcesOnce();
  return QPixmap(path);
}

}  // namespace

Picture backgroundPicture() {
  return {picture(QStringLiteral(":/background.jpg")), QStringLiteral(":/background@2x.jpg")};
}

Picture instructionsPicture() {
  return {picture(QStringLiteral(":/instructions.jpg")), QStringLiteral(":/instructions@2x.jpg")};
}

QString instructionsText() {
  registerResourcesOnce();
  QFile file(QStringLiteral(":/instructions.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  // "|" marks where the drawing indents; a checkout with CRLF line ends reads the same.
  for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    const QString shown = QString(line).remove(u'|').trimmed();
    if (!shown.isEmpty()) lines.append(shown);
  }
  return lines.join(u'\n');
}

QIcon programIcon() {
  QIcon icon;
  icon.addPixmap(picture(QStringLiteral(":/icon-32.png")));
  icon.addPixmap(picture(QStringLiteral(":/icon-16.png")));
  return icon;
}

void paintPicture(QWidget* window, const Picture& picture) {
  QPainter painter(window);
  const qreal scale = window->devicePixelRatioF();
  if (scale <= 1) {
    painter.drawPixmap(0, 0, picture.normal);
    return;
  }
  // Scaled once per scale, by averaging: a painter's smooth transform only interpolates.
  const QString key = QStringLiteral("%1@%2").arg(picture.doubleSize).arg(scale);
  QPixmap scaled;
  if (!QPixmapCache::find(key, &scaled)) {
    scaled = QPixmap(picture.doubleSize)
                 .scaled(picture.normal.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmapCache::insert(key, scaled);
  }
  scaled.setDevicePixelRatio(scale);
  painter.drawPixmap(0, 0, scaled);
}

void centreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  window->setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

}  // namespace tarvola
