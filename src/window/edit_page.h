// The "Edit" sub-page: the canvas, the palette, the room choice and store, the import and
// export of room text, and the shifts, with their handlers.
#pragma once

#include <QPoint>

#include <array>
#include <cstdint>

#include "platform/page.h"
#include "rules/direction.h"
#include "window/page_context.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvo {

class PageSwitch;
class PictureArea;
class TabStrip;

class EditPage : public Page {
  Q_OBJECT

 public:
  EditPage(PageContext context, QWidget* parent);

  // Paints curRoom, as it stands, on the canvas.
  void drawWorkingRoom();
  void showRoomNumber(int number);

 signals:
  // The room of this place (0..15) was stored into the house.
  void roomStored(int slot);

 protected:
  // The palette's presses and the releases on "<" and ">", which tell the mouse buttons apart.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PICsprites_MouseDown(int button, QPoint position);
  void PICedit_MouseDown(int button, QPoint position);
  void PICedit_MouseMove(int buttons, QPoint position);
  void BTeditMoins_MouseUp(int button);
  void BTeditPlus_MouseUp(int button);
  void BTeditSave_Click();
  void BTexport_Click();
  void BTimport_Click();
  void shift(Direction direction);
  bool paletteShown() const;
  void paintCell(int cell);
  void afterRoomChoice(int button);

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

}  // namespace tarvo
