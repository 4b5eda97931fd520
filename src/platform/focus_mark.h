// The frame that shows which control of a window has the keyboard focus, in the game's look:
// the styles draw none on the flat buttons and the tab strips.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/zoom.h"

namespace tarvo {

class FocusMark : public QWidget, public Zoomable {
  Q_OBJECT

 public:
  // Follows the focus among the controls of `window`.
  explicit FocusMark(QWidget* window);
  void zoomTo(int factor) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Frames the control that now has the focus, or hides when it lies outside the window.
  void follow(QWidget* now);
  void place();

  QWidget* window_;
  QPointer<QWidget> framed_;
};

}  // namespace tarvo
