// The page switch shared by every tab strip: show the chosen page, hide the one shown before.
#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QTabBar;
class QWidget;

namespace tarvo {

class PageSwitch : public QObject {
  Q_OBJECT

 public:
  // `pages` are in tab order; page 1 is shown, the others hidden.
  PageSwitch(QTabBar* strip, QList<QWidget*> pages, QObject* parent = nullptr);
  // Pages that may be built when first chosen: `page(n)` gives page n (1-based), hidden unless
  // it is page 1, building it if need be.
  PageSwitch(QTabBar* strip, std::function<QWidget*(int)> page, QObject* parent = nullptr);

  // The number (1-based) of the page shown.
  int shownPage() const { return shownPage_; }

 signals:
  // After a tab other than the shown page's was chosen and its page shown.
  void pageChanged(int page);

 private:
  void onTabChosen(int index);

  std::function<QWidget*(int)> page_;
  int shownPage_ = 1;
};

}  // namespace tarvo
