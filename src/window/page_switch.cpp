// The page switch shared by every tab strip: show the chosen page, hide the one shown before.
#include "window/page_switch.h"

#include <QTabBar>
#include <QWidget>

namespace tarvo {

PageSwitch::PageSwitch(QTabBar* strip, QList<QWidget*> pages, QObject* parent)
    : QObject(parent), pages_(std::move(pages)) {
  for (qsizetype i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(i == 0);
  strip->setCurrentIndex(0);
  connect(strip, &QTabBar::currentChanged, this, &PageSwitch::onTabChosen);
}

void PageSwitch::onTabChosen(int index) {
  const int chosen = index + 1;
  if (chosen == shownPage_ || index < 0 || index >= pages_.size()) return;
  pages_[chosen - 1]->show();
  pages_[chosen - 1]->raise();
  pages_[shownPage_ - 1]->hide();
  shownPage_ = chosen;
  emit pageChanged(chosen);
}

}  // namespace tarvo
