// The "Option" page: the editor and help sub-pages under their own tab strip.
#pragma once

#include <array>

#include "platform/page.h"
#include "window/page_context.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvo {

class PageSwitch;
class PictureArea;
class TabStrip;

// The "Edit" sub-page: the canvas, the room choice and the palette, import and shift frames.
class EditPage : public Page {
  Q_OBJECT

 public:
  EditPage(PageContext context, QWidget* parent);

  // Paints curRoom, as it stands, on the canvas.
  void drawWorkingRoom();
  void showRoomNumber(int number);

 private:
  PageContext context_;
  QPushButton* BTeditSave;
  QPushButton* BTeditMoins;
  QPushButton* BTeditNum;
  QPushButton* BTeditPlus;
  PictureArea* PICedit;
  TabStrip* LesOnglets3;
  std::array<Page*, 3> Onglet3{};
  std::array<QLabel*, 2> PICsprite{};
  QLabel* PICsprites;
  QPlainTextEdit* TXTimport;
  QPushButton* BTimport;
  QPushButton* BTexport;
  QPushButton* BTup;
  QPushButton* BTleft;
  QPushButton* BTright;
  QPushButton* BTdown;
  PageSwitch* frameSwitch;
};

class OptionPage : public Page {
  Q_OBJECT

 public:
  OptionPage(PageContext context, QWidget* parent);

  // The "Option" tab: the current room as stored, without marks, on the editor canvas.
  void showForEditing();
  // The editor's room number display follows the room chosen elsewhere.
  void showRoomNumber(int number);
  // Background pictures of the sub-pages.
  const std::array<Page*, 2>& subPages() const { return Onglet2; }

 private:
  void LesOnglets2_Click(int page);

  PageContext context_;
  TabStrip* LesOnglets2;
  std::array<Page*, 2> Onglet2{};
  EditPage* edit;
  PageSwitch* subPageSwitch;
};

}  // namespace tarvo
