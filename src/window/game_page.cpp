// The "Game" page: the board, play by keys, the play controls and their handlers.
#include "window/game_page.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <cstdio>

#include "house/file_dialogs_qt.h"
#include "platform/direction_keys.h"
#include "platform/look.h"
#include "platform/picture_area.h"
#include "platform/solver_run.h"
#include "platform/zoom.h"
#include "roomtext/room_collection.h"
#include "rules/completion.h"
#include "window/board_overlay.h"
#include "window/game_session.h"
#include "window/hint_overlay.h"
#include "window/name_prompt.h"
#include "window/player_progress.h"
#include "window/solution_player.h"

namespace tarvo {

using look::makeButton;
using look::makeDisplay;

namespace {

// The line above the board, and the two lines a longer text takes, up into the free space.
constexpr QRect kStatusLine{256, 32, 320, 24};
constexpr QRect kStatusLines{256, 4, 320, 52};

}  // namespace

GamePage::GamePage(PageContext context, QWidget* parent)
    : Page(parent),
      context_(std::move(context)),
      BTchoisiHouse(makeButton(this, "BTchoisiHouse", QStringLiteral("House: Easy One"),
                               QStringLiteral("Choose a House"), {32, 32, 192, 32})),
      BTrecommence(makeButton(this, "BTrecommence", QStringLiteral("Room"), QStringLiteral("Restart this Room"),
                              {32, 96, 64, 32})),
      BTmoins(makeButton(this, "BTmoins", QStringLiteral("<"), QStringLiteral("Previous Room"), {128, 96, 16, 32})),
      BTnumPiece(makeDisplay(this, "BTnumPiece", QStringLiteral("1/1"), {144, 96, 64, 32})),
      BTplus(makeButton(this, "BTplus", QStringLiteral(">"), QStringLiteral("Next Room"), {208, 96, 16, 32})),
      BTtime(makeDisplay(this, "BTtime", QStringLiteral("Time"), {32, 160, 64, 32})),
      BTtimeValue(makeDisplay(this, "BTtimeValue", QStringLiteral("00'00''"), {128, 160, 96, 32})),
      BTmove(makeDisplay(this, "BTmove", QStringLiteral("Move"), {32, 224, 64, 32})),
      BTmoinsMove(
          makeButton(this, "BTmoinsMove", QStringLiteral("<"), QStringLiteral("Undo one move"), {128, 224, 16, 32})),
      BTmoveValue(makeDisplay(this, "BTmoveValue", QStringLiteral("0000"), {144, 224, 64, 32})),
      BTplusMove(
          makeButton(this, "BTplusMove", QStringLiteral(">"), QStringLiteral("Redo one move"), {208, 224, 16, 32})),
      BTgoal(makeDisplay(this, "BTgoal", QStringLiteral("Goal:"), {32, 288, 64, 32})),
      BTgoalValue(makeDisplay(this, "BTgoalValue", QStringLiteral("00/00"), {128, 288, 96, 32})),
      BThint(makeButton(this, "BThint", QStringLiteral("Hint"), QStringLiteral("Show the next push of a solution"),
                        {32, 352, 64, 32})),
      BTsolve(makeButton(this, "BTsolve", QStringLiteral("Solve"),
                         QStringLiteral("Play a solution from here; a key or a click on the board stops it"),
                         {128, 352, 96, 32})),
      LBstatus(new QLabel(this)),
      PICroom(new PictureArea(context_.sheets, {320, 320}, this)),
      PIChint(new HintOverlay(PICroom)),
      PICselection(new SelectionMark(PICroom)),
      TimerMain(new QTimer(this)),
      solverRun_(new SolverRun(this)),
      player_(new SolutionPlayer(context_.session, this)) {
  PICroom->setObjectName(QStringLiteral("PICroom"));
  PICroom->move(256, 64);
  LBstatus->setObjectName(QStringLiteral("LBstatus"));
  LBstatus->setGeometry(kStatusLine);
  LBstatus->setFont(look::captionFont());
  LBstatus->setWordWrap(true);
  connect(BThint, &QPushButton::clicked, this, &GamePage::BThint_Click);
  connect(BTsolve, &QPushButton::clicked, this, &GamePage::BTsolve_Click);
  connect(PICroom, &PictureArea::mousePressed, this, &GamePage::PICroom_MouseDown);
  connect(solverRun_, &SolverRun::progress, this,
          [this](qulonglong positions) { showStatus(QStringLiteral("searching\u2026 %1 positions").arg(positions)); });
  connect(solverRun_, &SolverRun::finished, this, &GamePage::solverFinished);
  connect(player_, &SolutionPlayer::stepped, this, &GamePage::solutionStepped);
  connect(player_, &SolutionPlayer::ended, this, &GamePage::solutionEnded);
  connect(BTrecommence, &QPushButton::clicked, this, &GamePage::BTrecommence_Click);
  connect(BTplus, &QPushButton::clicked, this, &GamePage::BTplus_Click);
  connect(BTmoins, &QPushButton::clicked, this, &GamePage::BTmoins_Click);
  connect(BTchoisiHouse, &QPushButton::clicked, this, &GamePage::BTchoisiHouse_Click);
  // Active while the page shows: a hidden page's shortcut never fires.
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &GamePage::copyRoom);
  connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &GamePage::pasteSteps);
  connect(BTmoinsMove, &QPushButton::clicked, this, &GamePage::BTmoinsMove_Click);
  connect(BTplusMove, &QPushButton::clicked, this, &GamePage::BTplusMove_Click);
  TimerMain->setObjectName(QStringLiteral("TimerMain"));
  TimerMain->setInterval(1000);
  connect(TimerMain, &QTimer::timeout, this, &GamePage::TimerMain_Timer);
  TimerMain->start();
  const GameSession& session = context_.session;
  connect(&session, &GameSession::houseReplaced, this, &GamePage::showHouse);
  connect(&session, &GameSession::roomStarted, this, &GamePage::showStartedRoom);
  connect(&session, &GameSession::positionChanged, this, &GamePage::showPosition);
  // The store opens after the first frame: the room shown then may have been solved before.
  connect(&context_.progress, &PlayerProgress::opened, this, [this] {
    if (state().positionStamp == startStamp_) showStartNote();
  });
  showHouse();
}

const GameState& GamePage::state() const { return context_.session.state(); }

void GamePage::showHouse() {
  look::setElidedCaption(BTchoisiHouse, QStringLiteral("House: "), state().house.houseName);
  showRoomNumber();
}

void GamePage::showRoomNumber() {
  const HouseRecord& house = state().house;
  BTnumPiece->setText(QStringLiteral("%1/%2").arg(house.currentRoom).arg(house.roomCount));
}

void GamePage::applyCounters(const CounterTexts& texts) {
  BTmoveValue->setText(QString::fromStdString(texts.moveText));
  BTgoalValue->setText(QString::fromStdString(texts.goalText));
}

void GamePage::BTrecommence_Click() { context_.session.restartRoom(); }

void GamePage::showStartedRoom() {
  stopPlayAndHelp();
  helpStamp_ = state().positionStamp;
  // The editor may have chosen another room since this page last showed one.
  showRoomNumber();
  applyCounters(drawRoom(*PICroom, SpriteSheet::Large, state().curRoom, 0));
  BTtimeValue->setText(QString::fromStdString(formatElapsed(0)));
  showStartNote();
}

void GamePage::resumeUnfinished() {
  const std::optional<UnfinishedGame> game = context_.progress.unfinishedGame();
  if (!game) {
    showStatus(QStringLiteral("no unfinished game of this room"));
    return;
  }
  stopPlayAndHelp();
  if (!context_.session.resumeGame(*game)) {
    showStatus(QStringLiteral("the unfinished game does not fit this room"));
    return;
  }
  helpStamp_ = state().positionStamp;
  const int moves = state().counters.moveCount;
  showStatus(QStringLiteral("the unfinished game goes on after %1 %2")
                 .arg(moves)
                 .arg(moves == 1 ? QStringLiteral("move") : QStringLiteral("moves")));
}

void GamePage::showStartNote() {
  startStamp_ = state().positionStamp;
  QStringList parts;
  if (const std::optional<std::string> outside = playedOutsideHouse(state().house)) {
    parts << QString::fromStdString(*outside);
  }
  const QString note = context_.progress.startNote();
  if (!note.isEmpty()) parts << note;
  if (!parts.isEmpty()) showStatus(parts.join(QStringLiteral("; ")));
}

void GamePage::showOutsideHouse() {
  if (const std::optional<std::string> outside = playedOutsideHouse(state().house))
    showStatus(QString::fromStdString(*outside));
}

void GamePage::showStatus(const QString& text) {
  if (LBstatus->text() == text) return;
  LBstatus->setText(text);
  const bool wraps = LBstatus->fontMetrics().horizontalAdvance(text) > kStatusLine.width() * zoom::of(this);
  zoom::place(LBstatus, wraps ? kStatusLines : kStatusLine);
}

void GamePage::BTplus_Click() { context_.session.nextRoom(); }

void GamePage::BTmoins_Click() { context_.session.previousRoom(); }

void GamePage::copyRoom() {
  const std::string title = "Room " + std::to_string(state().house.currentRoom);
  QGuiApplication::clipboard()->setText(QString::fromStdString(writeCollectionRoom(state().curRoom, title)));
  showStatus(QStringLiteral("room %1 as it stands copied").arg(state().house.currentRoom));
}

void GamePage::BTchoisiHouse_Click() {
  const DialogChoice choice =
      context_.dialogs.showOpenDialog(QStringLiteral("HOU TXT"), QStringLiteral("CHOOSE A HOUSE"));
  QCoreApplication::processEvents();  // repaint where the dialog was
  if (!choice.path.isEmpty()) emit houseChosen(choice.path);
}

void GamePage::stepMan(int keyCode) {
  if (const std::optional<Direction> direction = directionOfKeyCode(keyCode)) playDirection(*direction);
}

void GamePage::playDirection(Direction direction) {
  // With TARVO_REPORT_KEYS=1 each key tells on stderr what it painted and how long it took.
  static const bool reportKeys = qEnvironmentVariableIntValue("TARVO_REPORT_KEYS") == 1;
  if (!reportKeys) {
    afterStep(context_.session.step(direction));
    return;
  }
  QElapsedTimer timer;
  timer.start();
  const int tilesBefore = PICroom->tilesPainted();
  afterStep(context_.session.step(direction));
  std::fprintf(stderr, "key tiles=%d us=%.1f\n", PICroom->tilesPainted() - tilesBefore,
               static_cast<double>(timer.nsecsElapsed()) / 1000.0);
}

void GamePage::BTmoinsMove_Click() {
  if (context_.session.undo()) afterStep(KeyOutcome{});
}

void GamePage::BTplusMove_Click() { afterStep(context_.session.redo()); }

void GamePage::showPosition() {
  applyCounters(redrawChangedCells(*PICroom, state().curRoom, state().counters.moveCount));
}

void GamePage::afterStep(KeyOutcome outcome) {
  // A step of the player's own: help about the position before it no longer applies.
  if (state().positionStamp != helpStamp_) {
    stopPlayAndHelp();
    helpStamp_ = state().positionStamp;
  }
  if (!outcome.completed) return;
  switch (outcome.noRecord) {
    case NoRecord::None: recordCompletion(); return;
    case NoRecord::HelpUsed: showStatus(QStringLiteral("solved with help: no record")); return;
    case NoRecord::HouseFull:
      showStatus(QStringLiteral("no record: the house is full (%1 records)").arg(kMaxHouseRecords));
      return;
    case NoRecord::NoRoom: return;
  }
}

void GamePage::recordCompletion() {
  if (!context_.session.beginRecord()) return;
  const std::optional<QString> name = askRecordName(this);
  context_.session.nameRecord(name ? name->toStdString() : std::string());
  showOutsideHouse();
}

void GamePage::TimerMain_Timer() {
  BTtimeValue->setText(QString::fromStdString(formatElapsed(context_.session.now() - state().counters.startTime)));
}

}  // namespace tarvo
