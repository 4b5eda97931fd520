// A tab strip: a row of tabs over a framed body; its pages are placed in front of it.
#pragma once

#include <QStringList>
#include <QWidget>

#include "platform/zoom.h"

class QTabBar;

namespace tarvo {

class TabStrip : public QWidget, public Zoomable {
  Q_OBJECT

 public:
  TabStrip(const QStringList& tabs, QRect geometry, QWidget* parent);
  QTabBar* tabBar() const { return tabBar_; }
  // The tabs' height follows their font.
  void zoomTo(int factor) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeParts();

  QTabBar* tabBar_;
  QWidget* body_;
};

}  // namespace tarvo
