// The "Edit" sub-page: the canvas, the palette, the room choice and store, the import and
// export of room text, the shifts, and the room check, with their handlers.
#include "window/edit_page.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include <memory>

#include "editor/canvas.h"
#include "editor/commands.h"
#include "editor/room_check.h"
#include "platform/bounded_text_box.h"
#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/mouse_buttons.h"
#include "platform/picture_area.h"
#include "platform/solver_run.h"
#include "platform/sprite_sheets.h"
#include "platform/tab_strip.h"
#include "platform/zoom.h"
#include "roomtext/room_collection.h"
#include "roomtext/room_exchange.h"
#include "rules/drawing.h"
#include "window/game_session.h"
#include "window/page_switch.h"

namespace tarvo {

using look::makeButton;
using look::makeDisplay;

namespace {

// The room text box holds this many characters: a room is ten lines of ten, and a paste of
// a few hundred rooms, to pick one from, still fits. Beyond it a paste is cut, as a line of
// megabytes would take the box minutes to lay out.
constexpr qsizetype kImportBoxCharacters = 65536;

// The border around the palette and the canvas, in pixels.
constexpr int kBorder = 2;

// The brush of a press, or of a drag while exactly one of the two painting buttons is held.
std::optional<Brush> brushOf(int buttons) {
  if (buttons == kLeftButton) return Brush::Left;
  if (buttons == kRightButton) return Brush::Right;
  return std::nullopt;
}

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
  zoom::setPicture(PICsprites, context_.sheets.sheet(SpriteSheet::Large).copy(0, 0, 128, 96));

  auto* textBox = new BoundedTextBox(kImportBoxCharacters, Onglet3[1]);
  connect(textBox, &BoundedTextBox::pasteCut, this, [this](qsizetype offered, qsizetype kept) {
    showStatus(QStringLiteral("the paste of %L1 characters was cut to %L2: the box holds %L3")
                   .arg(offered)
                   .arg(kept)
                   .arg(kImportBoxCharacters));
  });
  TXTimport = textBox;
  TXTimport->setGeometry(4, 8, 97, 169);
  TXTimport->setFont(look::textBoxFont());
  TXTimport->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Ten rows of ten symbols fill the narrow box exactly; a vertical scroll bar would take the
  // room of a column (the wheel and the keys still scroll a longer paste).
  TXTimport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  BTimport = makeButton(Onglet3[1], "BTimport", QStringLiteral("==>"), QString(), {108, 40, 65, 33});
  BTexport = makeButton(Onglet3[1], "BTexport", QStringLiteral("<=="), QString(), {108, 104, 65, 33});
  for (QPushButton* button : {BTimport, BTexport}) button->setFont(look::largeButtonFont());

  BTup = makeButton(Onglet3[2], "BTup", QStringLiteral("8"), QString(), {72, 32, 32, 32});
  BTleft = makeButton(Onglet3[2], "BTleft", QStringLiteral("4"), QString(), {24, 80, 32, 32});
  BTright = makeButton(Onglet3[2], "BTright", QStringLiteral("6"), QString(), {120, 80, 32, 32});
  BTdown = makeButton(Onglet3[2], "BTdown", QStringLiteral("2"), QString(), {72, 128, 32, 32});

  frameSwitch = new PageSwitch(LesOnglets3->tabBar(), {Onglet3[0], Onglet3[1], Onglet3[2]}, this);

  // The check under the room choice, its status line under the canvas and the frames.
  BTcheck = makeButton(this, "BTcheck", QStringLiteral("Check"),
                       QStringLiteral("Count, check the walls and solve this room"), {64, 96, 128, 32});
  // Tab goes down the page: "Save", "Check", then the frames.
  QWidget::setTabOrder(BTcheck, LesOnglets3->tabBar());
  checkStatus_ = new QLabel(this);
  checkStatus_->setObjectName(QStringLiteral("editStatus"));
  checkStatus_->setGeometry(32, 358, 548, 22);
  checkStatus_->setFont(look::statusFont());
  checkStatus_->setTextFormat(Qt::PlainText);
  checkRun_ = new SolverRun(this);
  checkRun_->setObjectName(QStringLiteral("checkRun"));

  PICsprites->setObjectName(QStringLiteral("PICsprites"));
  PICsprite[0]->setObjectName(QStringLiteral("PICsprite1"));
  PICsprite[1]->setObjectName(QStringLiteral("PICsprite2"));
  TXTimport->setObjectName(QStringLiteral("TXTimport"));
  PICsprites->installEventFilter(this);
  // "<" and ">" act on the release of any mouse button, never from the keyboard.
  for (QPushButton* button : {BTeditMoins, BTeditPlus}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
  }
  connect(PICedit, &PictureArea::mousePressed, this,
          [this](Qt::MouseButton button, QPoint at) { PICedit_MouseDown(buttonNumber(button), at); });
  connect(PICedit, &PictureArea::mouseMoved, this,
          [this](Qt::MouseButtons buttons, QPoint at) { PICedit_MouseMove(buttonNumber(buttons), at); });
  connect(BTeditSave, &QPushButton::clicked, this, &EditPage::BTeditSave_Click);
  connect(BTexport, &QPushButton::clicked, this, &EditPage::BTexport_Click);
  connect(BTimport, &QPushButton::clicked, this, &EditPage::BTimport_Click);
  // The import box takes Ctrl+C and Ctrl+V for its own text before any shortcut sees them.
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &EditPage::copyRoom);
  connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &EditPage::pasteRoom);
  connect(BTup, &QPushButton::clicked, this, [this] { shift(Direction::Up); });
  connect(BTdown, &QPushButton::clicked, this, [this] { shift(Direction::Down); });
  connect(BTleft, &QPushButton::clicked, this, [this] { shift(Direction::Left); });
  connect(BTright, &QPushButton::clicked, this, [this] { shift(Direction::Right); });
  connect(BTcheck, &QPushButton::clicked, this, &EditPage::BTcheck_Click);
  connect(checkRun_, &SolverRun::progress, this,
          [this](qulonglong positions) { showCheck(QStringLiteral("searching\u2026 %1 positions").arg(positions)); });
  connect(checkRun_, &SolverRun::finished, this, &EditPage::checkFinished);
  const GameSession& session = context_.session;
  connect(&session, &GameSession::houseReplaced, this, &EditPage::houseReplaced);
  connect(&session, &GameSession::currentRoomChanged, this, &EditPage::showRoomNumber);
  connect(&session, &GameSession::roomStored, this, &EditPage::roomStored);
  showRoomNumber(house().currentRoom);
}

const HouseRecord& EditPage::house() const { return context_.session.house(); }

bool EditPage::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == PICsprites && type == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // In the palette's own pixels, whatever the zoom, from inside its border.
    const QPoint at = mouse->position().toPoint();
    const int factor = zoom::of(this);
    PICsprites_MouseDown(buttonNumber(mouse->button()),
                         QPoint(at.x() / factor, at.y() / factor) - QPoint(kBorder, kBorder));
    return true;
  }
  // Only presses and releases are mouse events: the buttons also get paint, hover and focus events.
  if ((watched == BTeditMoins || watched == BTeditPlus) &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A button takes only the left press; taking the others too sends their release here.
    if (type == QEvent::MouseButtonPress) return mouse->button() != Qt::LeftButton;
    if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
      const int button = buttonNumber(mouse->button());
      watched == BTeditMoins ? BTeditMoins_MouseUp(button) : BTeditPlus_MouseUp(button);
    }
    return false;
  }
  return Page::eventFilter(watched, event);
}

bool EditPage::paletteShown() const { return frameSwitch->shownPage() == 1; }

void EditPage::PICsprites_MouseDown(int button, QPoint position) {
  const std::optional<Brush> brush = brushOf(button);
  if (!brush) return;
  const std::optional<std::int32_t> code = choosePaletteCode(palette_, *brush, position.x(), position.y());
  if (!code) return;
  const std::optional<Tile> tile = tileOf(*code);
  const int size = tileSize(SpriteSheet::Large);
  zoom::setPicture(PICsprite[*brush == Brush::Left ? 0 : 1],
                   context_.sheets.sheet(SpriteSheet::Large).copy(tile->column * size, tile->row * size, size, size));
}

void EditPage::paintCell(int cell) { drawCell(*PICedit, SpriteSheet::Large, cell, room_.room.cells[cell]); }

void EditPage::PICedit_MouseDown(int button, QPoint position) {
  const std::optional<Brush> brush = brushOf(button);
  if (!paletteShown() || !brush) return;
  if (const std::optional<int> cell = paintWithPress(room_.room, palette_.code(*brush), position.x(), position.y())) {
    dropCheck();
    paintCell(*cell);
  }
}

void EditPage::PICedit_MouseMove(int buttons, QPoint position) {
  const std::optional<Brush> brush = brushOf(buttons);
  if (!paletteShown() || !brush) return;
  if (const std::optional<int> cell = paintWithDrag(room_.room, palette_.code(*brush), position.x(), position.y())) {
    dropCheck();
    paintCell(*cell);
  }
}

void EditPage::roomArrow(int button, EditorArrow left, EditorArrow right) {
  if (button == kLeftButton) context_.session.editorArrow(left);
  if (button == kRightButton) context_.session.editorArrow(right);
  loadRoomForEditing(room_, house());
  dropCheck();
  drawWorkingRoom();
}

void EditPage::BTeditMoins_MouseUp(int button) {
  roomArrow(button, EditorArrow::PreviousRoom, EditorArrow::OneRoomLess);
}

void EditPage::BTeditPlus_MouseUp(int button) { roomArrow(button, EditorArrow::NextRoom, EditorArrow::OneRoomMore); }

void EditPage::BTeditSave_Click() {
  dropCheck();
  const std::optional<RoomStore> store = prepareStore(room_, house());
  if (!store) return;
  if (store->dropped > 0) {
    const std::unique_ptr<QMessageBox> question(makeMessageBox(QMessageBox::Question, window()->windowTitle(),
                                                               QString::fromStdString(storeQuestion(*store)), this));
    question->setStandardButtons(QMessageBox::Cancel);
    QPushButton* storeButton = question->addButton(QStringLiteral("Store"), QMessageBox::AcceptRole);
    question->setDefaultButton(QMessageBox::Cancel);
    question->exec();
    if (question->clickedButton() != storeButton) {
      showStatus(QStringLiteral("nothing stored"));
      return;
    }
  }
  context_.session.storeRoom(*store, room_.shifts, this);
  keepStored(room_, *store);
  showStatus(QString::fromStdString(describeStore(*store, house())));
}

void EditPage::shift(Direction direction) {
  shiftRoom(room_, direction);
  dropCheck();
  drawWorkingRoom();
}

void EditPage::BTexport_Click() { TXTimport->setPlainText(QString::fromStdString(exportRoomText(room_.room))); }

void EditPage::BTimport_Click() {
  const ImportReport report = importRoomText(room_.room, TXTimport->toPlainText().toStdString());
  dropCheck();
  drawWorkingRoom();
  showStatus(QString::fromStdString(describeImport(report)));
}

void EditPage::copyRoom() {
  const std::string title = "Room " + std::to_string(room_.number);
  QGuiApplication::clipboard()->setText(QString::fromStdString(writeCollectionRoom(room_.room, title)));
  showStatus(QStringLiteral("the editor's room copied"));
}

void EditPage::pasteRoom() {
  // The clipboard is read as far as the import box would hold it: a room is far shorter.
  const QString clipboard = QGuiApplication::clipboard()->text();
  QString report =
      QString::fromStdString(pasteRoomText(room_.room, clipboard.left(kImportBoxCharacters).toStdString()));
  if (clipboard.size() > kImportBoxCharacters) {
    report += QStringLiteral(" (of the clipboard's %L1 characters, the first %L2 were read)")
                  .arg(clipboard.size())
                  .arg(kImportBoxCharacters);
  }
  dropCheck();
  drawWorkingRoom();
  showStatus(report);
}

void EditPage::showForEditing() {
  loadRoomForEditing(room_, house());
  drawWorkingRoom();
}

void EditPage::showAgain() {
  if (editCurrentRoom(room_, house())) dropCheck();
  drawWorkingRoom();
}

void EditPage::drawWorkingRoom() {
  showRoomNumber(room_.number);
  drawRoom(*PICedit, SpriteSheet::Large, room_.room, context_.session.state().counters.moveCount);
}

void EditPage::showRoomNumber(int number) { BTeditNum->setText(QString::number(number)); }

void EditPage::houseReplaced() {
  room_ = WorkingRoom{};
  showRoomNumber(house().currentRoom);
  // Shown, the editor takes the new house's room at once; hidden, when next shown.
  if (!isVisible()) return;
  loadRoomForEditing(room_, house());
  dropCheck();
  drawWorkingRoom();
}

void EditPage::roomStored(const RoomStoredNews& news) {
  if (news.by == this || news.number != room_.number) return;
  if (const RoomRecord* stored = house().roomNumber(news.number)) followStoredLists(room_, *stored, news.shifts);
}

void EditPage::BTcheck_Click() {
  if (checkRun_->running()) {
    checkRun_->cancel();
    BTcheck->setText(QStringLiteral("Check"));
    showCheck(QStringLiteral("check cancelled"));
    return;
  }
  const RoomCheck check = checkRoom(room_.room);
  checkedRoom_ = QString::fromStdString(describeRoomCheck(check));
  if (!check.noSearch.empty()) {
    showCheck(QString::fromStdString(check.noSearch));
    return;
  }
  checkedCells_ = room_.room.cells;
  checkRun_->start(check.snapshot, room_.number, context_.budget);
  BTcheck->setText(QStringLiteral("Cancel"));
  showCheck(QStringLiteral("searching\u2026"));
}

void EditPage::checkFinished(const solver::SolveResult& result, int roomNumber) {
  BTcheck->setText(QStringLiteral("Check"));
  // Every edit cancels the search; this keeps an answer off a room changed some other way.
  const bool sameRoom = roomNumber == room_.number && checkedCells_ == room_.room.cells;
  showCheck(sameRoom ? QString::fromStdString(describeSearch(result, context_.budget))
                     : QStringLiteral("check cancelled: the room changed"));
}

void EditPage::showCheck(const QString& answer) { showStatus(checkedRoom_ + QStringLiteral(": ") + answer); }

void EditPage::showStatus(const QString& text) { checkStatus_->setText(text); }

void EditPage::dropCheck() {
  if (!checkRun_->running()) {
    checkStatus_->clear();
    return;
  }
  checkRun_->cancel();
  BTcheck->setText(QStringLiteral("Check"));
  showCheck(QStringLiteral("check cancelled: the room changed"));
}

void EditPage::hideEvent(QHideEvent* event) {
  // A minimised window is no change of room.
  if (!event->spontaneous()) dropCheck();
  Page::hideEvent(event);
}

}  // namespace tarvo
