// The window's zoom: each control at a whole multiple of its 1x place, size, border and font.
#include "platform/zoom.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

namespace tarvo::zoom {

namespace {

constexpr const char* kZoom = "tarvoZoom";  // on a window
constexpr const char* kKept = "tarvoKept1x";
constexpr const char* kGeometry = "tarvo1xGeometry";
constexpr const char* kFixed = "tarvo1xFixed";
constexpr const char* kFont = "tarvo1xFont";
constexpr const char* kLine = "tarvo1xLine";
constexpr const char* kPicture = "tarvo1xPicture";

// Whether a layout or the parent's own code places the widget: Qt's own compound controls (a list's
// scroll bars and header, a text box's viewport) place their parts; plain containers and the
// game's own widgets leave their children where they were put.
bool placedByParent(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  if (parent == nullptr) return false;
  if (parent->layout() != nullptr && parent->layout()->indexOf(widget) >= 0) return true;
  if (widget->property("tarvoPlacedByParent").toBool()) return true;
  const QLatin1StringView kind(parent->metaObject()->className());
  const bool container = kind == QLatin1StringView("QWidget") || kind == QLatin1StringView("QFrame") ||
                         kind == QLatin1StringView("QDialog") || kind.startsWith(QLatin1StringView("tarvo::"));
  return !container || parent->inherits("QAbstractScrollArea");
}

// Notes what the widget was made with, the first time it is zoomed.
void keep1x(QWidget* widget) {
  if (widget->property(kKept).toBool()) return;
  widget->setProperty(kKept, true);
  // A place given at 1x (by place()) stays what it was given.
  if (!widget->property(kGeometry).isValid()) widget->setProperty(kGeometry, widget->geometry());
  widget->setProperty(kFixed, widget->minimumSize() == widget->maximumSize());
  if (widget->isWindow() || widget->testAttribute(Qt::WA_SetFont)) widget->setProperty(kFont, widget->font());
  if (const auto* frame = qobject_cast<const QFrame*>(widget)) widget->setProperty(kLine, frame->lineWidth());
}

void zoomWidget(QWidget* widget, int factor) {
  keep1x(widget);
  const QRect place = widget->property(kGeometry).toRect();
  const bool fixed = widget->property(kFixed).toBool();
  if (widget->isWindow()) {
    if (fixed) widget->setFixedSize(place.size() * factor);
  } else if (!placedByParent(widget)) {
    if (fixed) widget->setFixedSize(place.size() * factor);
    widget->setGeometry(QRect(place.topLeft() * factor, place.size() * factor));
  }
  if (const QVariant font = widget->property(kFont); font.isValid()) {
    widget->setFont(zoom::font(font.value<QFont>(), factor));
  }
  if (auto* frame = qobject_cast<QFrame*>(widget); frame != nullptr && widget->property(kLine).isValid()) {
    frame->setLineWidth(widget->property(kLine).toInt() * factor);
  }
  if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && widget->property(kPicture).isValid()) {
    label->setPixmap(zoom::picture(widget->property(kPicture).value<QPixmap>(), factor));
  }
  for (QObject* child : widget->children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control != nullptr && !control->isWindow()) zoomWidget(control, factor);
  }
  // The style's measures changed with the zoom: what a widget keeps of them (a tree's indent) is
  // taken anew, as after a change of style. A header is left out: it would set every column to
  // the style's width, and its last column would never again stretch narrower than that.
  if (qobject_cast<QHeaderView*>(widget) == nullptr) {
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(widget, &styleChange);
  }

  if (auto* zoomable = dynamic_cast<Zoomable*>(widget)) zoomable->zoomTo(factor);
}

// The desktop's style with its measures (tab and button spaces, frames, scroll bars, indicators,
// icons) at the zoom of the widget measured; at 1x it measures as the desktop's style does. A
// widget is measured at 1x until it is zoomed, so that what it keeps of the measures it was made
// with is what it keeps at 1x, and zooming takes it to any zoom and back.
class ZoomStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int measure = QProxyStyle::pixelMetric(metric, option, widget);
    return widget != nullptr && widget->property(kKept).toBool() ? measure * of(widget) : measure;
  }
};

// Set once, the first time a window is zoomed, so that a window never zoomed is drawn by the
// desktop's style itself.
void useZoomStyle() {
  static QPointer<QStyle> installed;
  if (installed != nullptr && QApplication::style() == installed) return;
  installed = new ZoomStyle(QApplication::style()->name());
  QApplication::setStyle(installed);
}

}  // namespace

int of(const QWidget* widget) {
  if (widget == nullptr) return 1;
  const QVariant factor = widget->window()->property(kZoom);
  return factor.isValid() ? factor.toInt() : 1;
}

void set(QWidget* window, int factor) {
  if (factor == of(window) && !window->property(kKept).toBool()) return;  // 1x as made
  if (factor != 1) useZoomStyle();
  window->setProperty(kZoom, factor);
  zoomWidget(window, factor);
}

void follow(QWidget* widget) {
  // A dialog takes the zoom of the window it belongs to.
  if (widget->isWindow()) {
    set(widget, of(widget->parentWidget()));
    return;
  }
  const int factor = of(widget);
  if (factor != 1) zoomWidget(widget, factor);
}

void place(QWidget* widget, QRect place) {
  const int factor = of(widget);
  widget->setProperty(kGeometry, place);
  widget->setGeometry(QRect(place.topLeft() * factor, place.size() * factor));
}

void setPicture(QLabel* label, const QPixmap& picture) {
  label->setProperty(kPicture, picture);
  label->setPixmap(zoom::picture(picture, of(label)));
}

void scale(QPainter& painter, const QWidget* widget) {
  const int factor = of(widget);
  if (factor != 1) painter.scale(factor, factor);
}

QFont font(QFont font, int factor) {
  if (factor == 1) return font;
  if (font.pixelSize() > 0) {
    font.setPixelSize(font.pixelSize() * factor);
  } else {
    font.setPointSizeF(font.pointSizeF() * factor);
  }
  return font;
}

QPixmap picture(const QPixmap& picture, int factor) {
  if (factor == 1 || picture.isNull()) return picture;
  return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace tarvo::zoom
