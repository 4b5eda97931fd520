// The About box's close button, drawn by our own paint code: a cross, a bevel while the
// pointer is over it, pushed in by one pixel while pressed.
#pragma once

#include <QWidget>

namespace tarvo {

// The close button: a cross, with a bevel drawn around it while the pointer is over it.
class CloseButton : public QWidget {
  Q_OBJECT

 public:
  explicit CloseButton(QWidget* parent);
  void setHovered(bool hovered);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace tarvo
