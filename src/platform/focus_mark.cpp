// The frame that shows which control of a window has the keyboard focus.
#include "platform/focus_mark.h"

#include <QApplication>
#include <QPainter>
#include <QTabBar>

namespace tarvo {

namespace {

// Around the control, clear of its own border.
constexpr int kMargin = 3;

}  // namespace

FocusMark::FocusMark(QWidget* window) : QWidget(window), window_(window) {
  setObjectName(QStringLiteral("focusMark"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setProperty("tarvoPlacedByParent", true);  // it follows the control it frames
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMark::follow(QWidget* now) {
  if (framed_ != nullptr) framed_->removeEventFilter(this);
  framed_ = now != nullptr && now != window_ && now->window() == window_ ? now : nullptr;
  if (framed_ == nullptr) {
    hide();
    return;
  }
  // A tab strip moves its frame with its current tab.
  framed_->installEventFilter(this);
  setParent(framed_->parentWidget());
  place();
  show();
  raise();
}

void FocusMark::zoomTo(int) {
  if (framed_ != nullptr) place();
}

void FocusMark::place() {
  const int margin = kMargin * zoom::of(this);
  QRect frame = framed_->geometry();
  if (const auto* tabs = qobject_cast<const QTabBar*>(framed_.data())) {
    frame = tabs->tabRect(tabs->currentIndex()).translated(tabs->pos());
  }
  setGeometry(frame.adjusted(-margin, -margin, margin, margin));
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == framed_ && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint ||
                             type == QEvent::Hide || type == QEvent::Show)) {
    if (type == QEvent::Hide) {
      hide();
    } else {
      place();
      if (type == QEvent::Show) show();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent*) {
  // The hint's yellow on a dark line, seen on light buttons and on the grey pages alike.
  QPainter painter(this);
  zoom::scale(painter, this);
  const QRect frame(QPoint(0, 0), rect().size() / zoom::of(this));
  painter.setPen(QPen(QColor(40, 40, 40), 1));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(QColor(255, 214, 0), 2));
  painter.drawRect(QRectF(frame).adjusted(2, 2, -2, -2));
}

}  // namespace tarvo
