// The main window: its pages and tab strips, start-up, play, navigation, open and save.
#include "window/frmain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <cstdio>

#include "help/forbidden_marks.h"
#include "house/house_save_qt.h"
#include "platform/clock.h"
#include "platform/direction_keys.h"
#include "platform/look.h"
#include "platform/picture_area.h"
#include "platform/tab_strip.h"
#include "rules/moves.h"
#include "window/game_page.h"
#include "window/option_page.h"
#include "window/page_switch.h"
#include "window/room_page.h"

namespace tarvo {

namespace {

constexpr int kInnerWidth = 618;
constexpr int kInnerHeight = 453;

}  // namespace

FRMain::FRMain(Options options, QWidget* parent)
    : QWidget(parent),
      CommonDialog1(this),
      clock_(options.clock ? std::move(options.clock) : std::function<std::int64_t()>(monotonicMilliseconds)),
      programFolder_(std::move(options.programFolder)) {
  // Lay out the window, its three tab strips and their pages.
  setWindowTitle(QStringLiteral("Tarvo Plim"));
  setFixedSize(kInnerWidth, kInnerHeight);
  LesOnglets = new TabStrip({QStringLiteral("Game"), QStringLiteral("Room"), QStringLiteral("Option"), QStringLiteral("About")},
                            {4, 4, kInnerWidth - 8, kInnerHeight - 8}, this);
  game = new GamePage(sheets_, this);
  roomPage = new RoomPage(sheets_, this);
  option = new OptionPage(sheets_, this);
  Onglet = {game, roomPage, option, new Page(this)};
  const QPixmap background(QDir(programFolder_).filePath(QStringLiteral("background.gif")));
  for (Page* page : Onglet) {
    page->setGeometry(5, 32, 608, 416);
    page->setBackgroundPicture(background);
    page->raise();
  }
  for (Page* subPage : option->Onglet2) subPage->setBackgroundPicture(background);
  pageSwitch = new PageSwitch(LesOnglets->tabBar(), {Onglet[0], Onglet[1], Onglet[2], Onglet[3]}, this);

  connect(pageSwitch, &PageSwitch::pageChanged, this, &FRMain::LesOnglets_Click);
  connect(option->subPageSwitch, &PageSwitch::pageChanged, this, &FRMain::LesOnglets2_Click);
  connect(game->BTrecommence, &QPushButton::clicked, this, &FRMain::BTrecommence_Click);
  connect(game->BTplus, &QPushButton::clicked, this, &FRMain::BTplus_Click);
  connect(game->BTmoins, &QPushButton::clicked, this, &FRMain::BTmoins_Click);
  connect(game->BTchoisiHouse, &QPushButton::clicked, this, &FRMain::BTchoisiHouse_Click);
  connect(game->BTmoinsMove, &QPushButton::clicked, this, &FRMain::BTmoinsMove_Click);
  connect(game->BTplusMove, &QPushButton::clicked, this, &FRMain::BTplusMove_Click);
  connect(roomPage->BTsaveDisk, &QPushButton::clicked, this, &FRMain::BTsaveDisk_Click);
  for (int k = 0; k < kMaxRooms; ++k) {
    connect(roomPage->PICpreview[static_cast<std::size_t>(k)], &PictureArea::mouseReleased, this,
            [this, k] { PICpreview_MouseUp(k); });
  }
  TimerMain = new QTimer(this);
  TimerMain->setInterval(1000);
  connect(TimerMain, &QTimer::timeout, this, &FRMain::TimerMain_Timer);
  TimerMain->start();
  // The window sees the keys of its pages before any button or tab bar does.
  qApp->installEventFilter(this);

  // Start-up: the rules' defaults, a house of one empty room until the default house is
  // read, then room 1.
  state_.house = emptyHouse();
  initRules(state_);
  const QString defaultHouse = QDir(programFolder_).filePath(QStringLiteral("default.hou"));
  HouseReadResult result = readHouse(defaultHouse);
  if (!result.ok()) startupProblem_ = readProblemText(defaultHouse, result);
  BTrecommence_Click();
}

FRMain::~FRMain() { qApp->removeEventFilter(this); }

HouseReadResult FRMain::readHouse(const QString& path) {
  HouseReadResult result = readHouseFile(QFile::encodeName(path).toStdString(), state_.house);
  look::setElidedCaption(game->BTchoisiHouse, QStringLiteral("House: ") + QString::fromStdString(state_.house.houseName));
  showRoomNumber();
  const int rooms = std::clamp(state_.house.roomCount, 0, kMaxRooms);
  for (int r = 0; r < rooms; ++r) {
    // The captions follow the working room; they are put right by the restart that follows.
    drawRoom(*roomPage->PICpreview[static_cast<std::size_t>(r)], SpriteSheet::Small, state_.house.rooms[static_cast<std::size_t>(r)],
             state_.drawnCells, state_.counters.moveCount);
  }
  return result;
}

QString FRMain::readProblemText(const QString& path, const HouseReadResult& result) const {
  QString text;
  if (result.status == HouseReadResult::Status::CannotOpen) {
    text = QStringLiteral("The house file could not be opened.\n\n%1").arg(QString::fromStdString(result.problem));
  } else {
    text = QStringLiteral("The house file \"%1\" was not read.\n\n%2.")
               .arg(QDir::toNativeSeparators(path), QString::fromStdString(result.describe()));
  }
  return text + QStringLiteral("\n\nThe house in play stays as it was.");
}

void FRMain::showWarning(const QString& text) {
  auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void FRMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!startupProblem_.isEmpty()) {
    QTimer::singleShot(0, this, [this, text = startupProblem_] { showWarning(text); });
    startupProblem_.clear();
  }
}

void FRMain::applyCounters(const CounterTexts& texts) {
  game->BTmoveValue->setText(QString::fromStdString(texts.moveText));
  game->BTgoalValue->setText(QString::fromStdString(texts.goalText));
}

void FRMain::showRoomNumber() {
  game->BTnumPiece->setText(QStringLiteral("%1/%2").arg(state_.house.currentRoom).arg(state_.house.roomCount));
}

void FRMain::loadCurrentRoomIntoWorkingCopy() {
  // A room number without a slot leaves the working room as it was.
  if (const RoomRecord* room = state_.house.roomNumber(state_.house.currentRoom)) state_.curRoom = *room;
  clearUndo(state_);
}

void FRMain::BTrecommence_Click() {
  loadCurrentRoomIntoWorkingCopy();
  applyForbiddenMarks(state_.curRoom);
  state_.counters.moveCount = 0;
  state_.counters.moveHistory.clear();
  applyCounters(drawRoom(*game->PICroom, SpriteSheet::Large, state_.curRoom, state_.drawnCells, state_.counters.moveCount));
  state_.counters.startTime = now();
  game->BTtimeValue->setText(QString::fromStdString(formatElapsed(0)));
}

void FRMain::BTplus_Click() {
  HouseRecord& house = state_.house;
  house.currentRoom += 1;
  if (house.currentRoom == house.roomCount + 1 || house.currentRoom > kMaxRooms) house.currentRoom = 1;
  showRoomNumber();
  option->edit->BTeditNum->setText(QString::number(house.currentRoom));
  BTrecommence_Click();
}

void FRMain::BTmoins_Click() {
  HouseRecord& house = state_.house;
  house.currentRoom -= 1;
  if (house.currentRoom < 1 || house.currentRoom > kMaxRooms) house.currentRoom = std::clamp(house.roomCount, 1, kMaxRooms);
  showRoomNumber();
  option->edit->BTeditNum->setText(QString::number(house.currentRoom));
  BTrecommence_Click();
}

void FRMain::PICpreview_MouseUp(int index) {
  if (index >= 0 && index < kMaxRooms) roomPage->showRecords(state_.house.rooms[static_cast<std::size_t>(index)]);
}

void FRMain::BTchoisiHouse_Click() {
  const DialogChoice choice = CommonDialog1.showOpenDialog(QStringLiteral("HOU"), QStringLiteral("CHOOSE A HOUSE"));
  QCoreApplication::processEvents();  // repaint where the dialog was
  if (choice.path.isEmpty()) return;
  const HouseReadResult result = readHouse(choice.path);
  BTrecommence_Click();
  if (!result.ok()) showWarning(readProblemText(choice.path, result));
}

void FRMain::BTsaveDisk_Click() {
  const DialogChoice choice = CommonDialog1.showSaveDialog(QStringLiteral("HOU"), QStringLiteral("SAVE A HOUSE"));
  if (choice.path.isEmpty()) return;
  const SaveOutcome outcome = saveHouseFile(choice.path, state_.house);
  if (outcome.ok) return;
  QMessageBox box(QMessageBox::Critical, QStringLiteral("ERREUR n\u00B0%1 in BTsaveDisk_Click").arg(outcome.errorNumber),
                  outcome.description, QMessageBox::Ok, this);
  box.exec();
}

void FRMain::Form_KeyDown(int keyCode) {
  // With TARVO_REPORT_KEYS=1 each key tells on stderr what it painted and how long it took.
  static const bool reportKeys = qEnvironmentVariableIntValue("TARVO_REPORT_KEYS") == 1;
  if (!reportKeys) {
    afterStep(playKey(state_, keyCode));
    return;
  }
  QElapsedTimer timer;
  timer.start();
  const int tilesBefore = game->PICroom->tilesPainted();
  afterStep(playKey(state_, keyCode));
  std::fprintf(stderr, "key tiles=%d us=%.1f\n", game->PICroom->tilesPainted() - tilesBefore,
               static_cast<double>(timer.nsecsElapsed()) / 1000.0);
}

void FRMain::BTmoinsMove_Click() {
  if (undoStep(state_)) afterStep(KeyOutcome{});
}

void FRMain::BTplusMove_Click() { afterStep(playRedo(state_)); }

void FRMain::afterStep(KeyOutcome outcome) {
  applyCounters(redrawChangedCells(*game->PICroom, state_.curRoom, state_.drawnCells, state_.counters.moveCount));
  if (outcome.completed) recordCompletion();
}

void FRMain::recordCompletion() {
  if (!appendRecordExceptName(state_, now())) return;
  bool accepted = false;
  const QString name = QInputDialog::getText(this, QStringLiteral("It's a new record"), QStringLiteral("Enter Your Name"),
                                             QLineEdit::Normal, QString(), &accepted);
  appendRecordName(state_, accepted ? name.toStdString() : std::string());
}

void FRMain::LesOnglets_Click(int page) {
  if (page == 1) {
    loadCurrentRoomIntoWorkingCopy();
    applyForbiddenMarks(state_.curRoom);
    applyCounters(drawRoom(*game->PICroom, SpriteSheet::Large, state_.curRoom, state_.drawnCells, state_.counters.moveCount));
  } else if (page == 3) {
    loadCurrentRoomIntoWorkingCopy();
    applyCounters(drawRoom(*option->edit->PICedit, SpriteSheet::Large, state_.curRoom, state_.drawnCells, state_.counters.moveCount));
  }
}

void FRMain::LesOnglets2_Click(int page) {
  if (page == 1) {
    applyCounters(drawRoom(*option->edit->PICedit, SpriteSheet::Large, state_.curRoom, state_.drawnCells, state_.counters.moveCount));
  }
}

void FRMain::TimerMain_Timer() {
  game->BTtimeValue->setText(QString::fromStdString(formatElapsed(now() - state_.counters.startTime)));
}

bool FRMain::ownsKeyEvent(QObject* watched) const {
  auto* widget = qobject_cast<QWidget*>(watched);
  return widget != nullptr && widget->window() == this && pageSwitch->shownPage() == 1;
}

bool FRMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !ownsKeyEvent(watched)) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->matches(QKeySequence::Undo)) {
    BTmoinsMove_Click();
    return true;
  }
  if (key->matches(QKeySequence::Redo) || (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier)) {
    BTplusMove_Click();
    return true;
  }
  if (const int keyCode = directionKeyCode(*key)) {
    Form_KeyDown(keyCode);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarvo
