// The About window's title bar picture: "About..." on a blue band.
#include "art/about_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace art {

QImage makeAboutTitle() {
  QImage title(titleWidth, titleHeight, QImage::Format_RGB32);
  QPainter painter(&title);
  QLinearGradient band(0, 0, titleWidth, 0);
  band.setColorAt(0, QColor(10, 36, 106));
  band.setColorAt(1, QColor(84, 150, 220));
  painter.fillRect(title.rect(), band);

  // DejaVu Sans first, then any other plain sans-serif the machine has.
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(title.rect().adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("About..."));
  return title;
}

}  // namespace art
