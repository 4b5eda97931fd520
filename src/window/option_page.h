// The "Option" page: the editor and help sub-pages under their own tab strip.
#pragma once

#include <array>

#include "platform/page.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvo {

class PageSwitch;
class PictureArea;
class SpriteSheets;
class TabStrip;

// The "Edit" sub-page: the canvas, the room choice and the palette, import and shift frames.
class EditPage : public Page {
  Q_OBJECT

 public:
  EditPage(const SpriteSheets& sheets, QWidget* parent);

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
  OptionPage(const SpriteSheets& sheets, QWidget* parent);

  TabStrip* LesOnglets2;
  std::array<Page*, 2> Onglet2{};
  EditPage* edit;
  PageSwitch* subPageSwitch;
};

}  // namespace tarvo
