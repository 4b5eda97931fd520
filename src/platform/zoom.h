// The window's zoom: the whole window at a whole multiple of its size, each control at that
// multiple of its place, size, border and font, the pictures drawn crisp (every picture pixel a
// square of screen pixels). Each widget keeps what it was made with, its 1x place, size, border,
// font and picture, so any zoom, 1x again included, is made from them.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>

class QLabel;
class QPainter;
class QWidget;

namespace tarvo {

// A widget that does more at a zoom than take its place, size, border and font there: pictures
// of its own, places it computes, header sections.
class Zoomable {
 public:
  virtual ~Zoomable() = default;
  virtual void zoomTo(int factor) = 0;
};

namespace zoom {

// The zoom of the window the widget is in; 1 until one is set.
int of(const QWidget* widget);

// Sets the zoom of a window (the main window or a dialog) and of all its controls.
void set(QWidget* window, int factor);

// Brings a control made after its window was zoomed, and all its children, to the window's zoom;
// a dialog to the zoom of the window it belongs to.
void follow(QWidget* widget);

// Places a control at a 1x place after it was made, at its window's zoom.
void place(QWidget* widget, QRect place);

// Shows a picture in a label at its window's zoom.
void setPicture(QLabel* label, const QPixmap& picture);

// Makes a painter draw in a widget's 1x coordinates.
void scale(QPainter& painter, const QWidget* widget);

// A 1x font at a zoom.
QFont font(QFont font, int factor);

// A picture at a zoom: every pixel a square of `factor` pixels.
QPixmap picture(const QPixmap& picture, int factor);

}  // namespace zoom
}  // namespace tarvo
