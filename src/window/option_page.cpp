// The "Option" page: the editor and help sub-pages under their own tab strip.
#include "window/option_page.h"

#include "platform/tab_strip.h"
#include "window/edit_page.h"
#include "window/help_page.h"
#include "window/page_switch.h"

namespace tarvo {

OptionPage::OptionPage(PageContext context, QWidget* parent)
    : Page(parent),
      context_(context),
      // Sized from the "Game" page's inner size: 609 x 417 less 6 and 3.
      LesOnglets2(new TabStrip({QStringLiteral("Edit"), QStringLiteral("Help Info")}, {4, 0, 603, 414}, this)),
      edit(new EditPage(std::move(context), this)) {
  LesOnglets2->setObjectName(QStringLiteral("LesOnglets2"));
  Onglet2[0] = edit;
  help = new HelpPage(context_, this);
  Onglet2[1] = help;
  for (std::size_t i = 0; i < Onglet2.size(); ++i) {
    Page* subPage = Onglet2[i];
    subPage->setObjectName(QStringLiteral("Onglet2_%1").arg(i + 1));
    subPage->setGeometry(8, 28, 593, 382);
    subPage->raise();
  }
  subPageSwitch = new PageSwitch(LesOnglets2->tabBar(), {Onglet2[0], Onglet2[1]}, this);
  connect(subPageSwitch, &PageSwitch::pageChanged, this, &OptionPage::LesOnglets2_Click);
}

void OptionPage::showForEditing() {
  // Both sub-pages take the stored room afresh; the one shown paints it.
  edit->showForEditing();
  help->showForEditing();
}

void OptionPage::LesOnglets2_Click(int page) {
  if (page == 1) edit->showAgain();
  if (page == 2) help->showAgain();
}

}  // namespace tarvo
