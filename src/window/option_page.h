// The "Option" page: the editor and help sub-pages under their own tab strip.
#pragma once

#include <array>

#include "platform/page.h"
#include "window/page_context.h"

namespace tarvo {

class EditPage;
class HelpPage;
class PageSwitch;
class TabStrip;

class OptionPage : public Page {
  Q_OBJECT

 public:
  OptionPage(PageContext context, QWidget* parent);

  // The "Option" tab: the current room as stored, for the editor and the help page alike.
  void showForEditing();
  // Background pictures of the sub-pages.
  const std::array<Page*, 2>& subPages() const { return Onglet2; }

 private:
  void LesOnglets2_Click(int page);

  PageContext context_;
  TabStrip* LesOnglets2;
  std::array<Page*, 2> Onglet2{};
  EditPage* edit;
  HelpPage* help;
  PageSwitch* subPageSwitch;
};

}  // namespace tarvo
