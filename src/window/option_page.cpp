// The "Option" page: the editor and help sub-pages under their own tab strip.
#include "window/option_page.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>

#include "platform/look.h"
#include "platform/picture_area.h"
#include "platform/sprite_sheets.h"
#include "platform/tab_strip.h"
#include "rules/play.h"
#include "window/page_switch.h"

namespace tarvo {

using look::makeButton;
using look::makeDisplay;

namespace {

// A picture inside a 2-pixel sunken border.
QFrame* borderedFrame(QWidget* parent, QRect geometry) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(2);
  frame->setGeometry(geometry);
  return frame;
}

QLabel* borderedPicture(QWidget* parent, QRect geometry) {
  auto* label = new QLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setLineWidth(2);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

}  // namespace

EditPage::EditPage(PageContext context, QWidget* parent)
    : Page(parent),
      context_(std::move(context)),
      BTeditSave(makeButton(this, "BTeditSave", QStringLiteral("Save"), QString(), {64, 32, 128, 32})),
      BTeditMoins(makeButton(this, "BTeditMoins", QStringLiteral("<"), QString(), {64, 64, 32, 32})),
      BTeditNum(makeDisplay(this, "BTeditNum", QStringLiteral("01"), {96, 64, 65, 32})),
      BTeditPlus(makeButton(this, "BTeditPlus", QStringLiteral(">"), QString(), {160, 64, 32, 32})),
      PICedit(nullptr),
      LesOnglets3(new TabStrip({QStringLiteral("Edit"), QStringLiteral("Import"), QStringLiteral("Place")},
                               {32, 128, 193, 225}, this)) {
  LesOnglets3->setObjectName(QStringLiteral("LesOnglets3"));
  QFrame* canvasFrame = borderedFrame(this, {256, 32, 324, 324});
  PICedit = new PictureArea(context_.sheets, {320, 320}, canvasFrame);
  PICedit->setObjectName(QStringLiteral("PICedit"));
  PICedit->move(2, 2);

  for (std::size_t i = 0; i < Onglet3.size(); ++i) {
    Onglet3[i] = new Page(this);
    Onglet3[i]->setObjectName(QStringLiteral("Onglet3_%1").arg(i + 1));
    Onglet3[i]->setGeometry(40, 160, 177, 185);
    Onglet3[i]->raise();
  }
  PICsprite[0] = borderedPicture(Onglet3[0], {20, 12, 36, 36});
  PICsprite[1] = borderedPicture(Onglet3[0], {116, 12, 36, 36});
  PICsprites = borderedPicture(Onglet3[0], {20, 80, 132, 100});
  PICsprites->setPixmap(context_.sheets.sheet(SpriteSheet::Large).copy(0, 0, 128, 96));

  TXTimport = new QPlainTextEdit(Onglet3[1]);
  TXTimport->setGeometry(4, 8, 97, 169);
  TXTimport->setFont(look::textBoxFont());
  TXTimport->setLineWrapMode(QPlainTextEdit::NoWrap);
  BTimport = makeButton(Onglet3[1], "BTimport", QStringLiteral("==>"), QString(), {108, 40, 65, 33});
  BTexport = makeButton(Onglet3[1], "BTexport", QStringLiteral("<=="), QString(), {108, 104, 65, 33});

  BTup = makeButton(Onglet3[2], "BTup", QStringLiteral("8"), QString(), {72, 32, 32, 32});
  BTleft = makeButton(Onglet3[2], "BTleft", QStringLiteral("4"), QString(), {24, 80, 32, 32});
  BTright = makeButton(Onglet3[2], "BTright", QStringLiteral("6"), QString(), {120, 80, 32, 32});
  BTdown = makeButton(Onglet3[2], "BTdown", QStringLiteral("2"), QString(), {72, 128, 32, 32});

  frameSwitch = new PageSwitch(LesOnglets3->tabBar(), {Onglet3[0], Onglet3[1], Onglet3[2]}, this);
}

OptionPage::OptionPage(PageContext context, QWidget* parent)
    : Page(parent),
      context_(context),
      // Sized from the "Game" page's inner size: 609 x 417 less 6 and 3.
      LesOnglets2(new TabStrip({QStringLiteral("Edit"), QStringLiteral("Help Info")}, {4, 0, 603, 414}, this)),
      edit(new EditPage(std::move(context), this)) {
  LesOnglets2->setObjectName(QStringLiteral("LesOnglets2"));
  Onglet2[0] = edit;
  Onglet2[1] = new Page(this);
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
  loadRoomForEditing(context_.state);
  edit->drawWorkingRoom();
}

void OptionPage::LesOnglets2_Click(int page) {
  if (page == 1) edit->drawWorkingRoom();
}

void OptionPage::showRoomNumber(int number) { edit->showRoomNumber(number); }

void EditPage::drawWorkingRoom() {
  drawRoom(*PICedit, SpriteSheet::Large, context_.state.curRoom, context_.state.counters.moveCount);
}

void EditPage::showRoomNumber(int number) { BTeditNum->setText(QString::number(number)); }

}  // namespace tarvo
