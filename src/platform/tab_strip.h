// A tab strip: a row of tabs over a framed body; its pages are placed in front of it.
#pragma once

#include <QStringList>
#include <QWidget>

class QTabBar;

namespace tarvo {

class TabStrip : public QWidget {
  Q_OBJECT

 public:
  TabStrip(const QStringList& tabs, QRect geometry, QWidget* parent);
  QTabBar* tabBar() const { return tabBar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* tabBar_;
  QWidget* body_;
};

}  // namespace tarvo
