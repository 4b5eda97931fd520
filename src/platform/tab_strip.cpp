// A tab strip: a row of tabs over a framed body; its pages are placed in front of it.
#include "platform/tab_strip.h"

#include <QFrame>
#include <QTabBar>

#include "platform/look.h"

namespace tarvo {

TabStrip::TabStrip(const QStringList& tabs, QRect geometry, QWidget* parent)
    : QWidget(parent), tabBar_(new QTabBar(this)), body_(new QFrame(this)) {
  tabBar_->setFont(look::captionFont());
  tabBar_->setDrawBase(false);
  tabBar_->setExpanding(false);
  for (const QString& tab : tabs) tabBar_->addTab(tab);
  // Placed by resizeEvent at any zoom, from the tabs' own height.
  tabBar_->setProperty("tarvoPlacedByParent", true);
  body_->setProperty("tarvoPlacedByParent", true);
  static_cast<QFrame*>(body_)->setFrameShape(QFrame::StyledPanel);
  setGeometry(geometry);
}

void TabStrip::resizeEvent(QResizeEvent*) { placeParts(); }

void TabStrip::zoomTo(int) { placeParts(); }

void TabStrip::placeParts() {
  const int tabHeight = tabBar_->sizeHint().height();
  tabBar_->setGeometry(0, 0, width(), tabHeight);
  body_->setGeometry(0, tabHeight - 1, width(), height() - tabHeight + 1);
}

}  // namespace tarvo
