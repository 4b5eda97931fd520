// The page switch shared by every tab strip: show the chosen page, hide the one shown before.
#include "window/page_switch.h"

#include <QTabBar>
#include <QWidget>

namespace tarvo {

PageSwitch::PageSwitch(QTabBar* strip, QList<QWidget*> pages, QObject* parent)
    : PageSwitch(
          strip, [pages](int page) { return pages[page - 1]; }, parent) {
  for (qsizetype i = 0; i < pages.size(); ++i) pages[i]->setVisible(i == 0);
}

PageSwitch::PageSwitch(QTabBar* strip, std::function<QWidget*(int)> page, QObject* parent)
    : QObject(parent), page_(std::move(page)) {
  strip->setCurrentIndex(0);
  connect(strip, &QTabBar::currentChanged, this, &PageSwitch::onTabChosen);
}

void PageSwitch::onTabChosen(int index) {
  const int chosen = index + 1;
  if (chosen == shownPage_ || index < 0) return;
  QWidget* page = page_(chosen);
  page->show();
  page->raise();
  page_(shownPage_)->hide();
  shownPage_ = chosen;
  emit pageChanged(chosen);
}

}  // namespace tarvo
