// The mark of a room the player has solved.
#include "platform/solved_mark.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/zoom.h"

namespace tarvo {

namespace {

constexpr int kSide = 11;   // at 1x
constexpr int kMargin = 2;  // from the picture's corner, inside it

}  // namespace

QPixmap solvedMarkPicture() {
  QPixmap mark(kSide, kSide);
  mark.fill(Qt::transparent);
  QPainter painter(&mark);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(20, 70, 20), 1));
  painter.setBrush(QColor(60, 170, 60));
  painter.drawEllipse(QRectF(0.5, 0.5, kSide - 1, kSide - 1));
  QPainterPath tick;
  tick.moveTo(2.8, 5.6);
  tick.lineTo(4.7, 7.6);
  tick.lineTo(8.3, 3.3);
  painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tick);
  return mark;
}

SolvedMark::SolvedMark(QWidget* picture) : QWidget(picture) {
  setObjectName(QStringLiteral("solvedMark"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(picture->width() - kSide - kMargin, kMargin, kSide, kSide);
  hide();
}

void SolvedMark::paintEvent(QPaintEvent*) {
  static const QPixmap mark = solvedMarkPicture();
  QPainter painter(this);
  zoom::scale(painter, this);
  painter.drawPixmap(0, 0, mark);
}

}  // namespace tarvo
