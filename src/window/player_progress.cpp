// The player's progress as the window keeps it.
#include "window/player_progress.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include "progress/progress_texts.h"
#include "progress/room_identity.h"
#include "window/game_session.h"

namespace tarvo {

namespace {

std::int64_t nowSeconds() { return QDateTime::currentSecsSinceEpoch(); }

bool isSolved(const RoomRecord& room) {
  const std::int32_t goals = goalCount(room);
  return goals > 0 && countBoxesOnGoals(room) == goals;
}

}  // namespace

PlayerProgress::PlayerProgress(GameSession& session, QObject* parent)
    : QObject(parent), session_(session), writeTimer_(new QTimer(this)) {
  writeTimer_->setSingleShot(true);
  writeTimer_->setInterval(kWriteAfterMs);
  connect(writeTimer_, &QTimer::timeout, this, &PlayerProgress::writeGame);
  connect(&session_, &GameSession::roomLeaving, this, &PlayerProgress::leaveGame);
  connect(&session_, &GameSession::roomStarted, this, [this] { writtenMoves_ = 0; });
  connect(&session_, &GameSession::positionChanged, this, &PlayerProgress::positionChanged);
  connect(&session_, &GameSession::roomSolved, this, &PlayerProgress::roomSolved);
  connect(&session_, &GameSession::recordNamed, this, &PlayerProgress::recordNamed);
}

PlayerProgress::~PlayerProgress() = default;

QString PlayerProgress::defaultFile() {
  if (qEnvironmentVariableIntValue("TARVO_NO_PROGRESS") == 1) return {};
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return folder.isEmpty() ? QString() : folder + QStringLiteral("/progress.sqlite3");
}

void PlayerProgress::open(const QString& file) {
  if (file.isEmpty()) return;
  QDir().mkpath(QFileInfo(file).absolutePath());  // a folder that cannot be made fails the open below
  const std::string path = QFile::encodeName(file).toStdString();
  OpenedStore result = ProgressStore::open(path, nowSeconds());
  store_ = std::move(result.store);
  journal_ = std::make_unique<JournalCopier>(path);
  if (!result.note.empty()) emit news(QString::fromStdString(result.note));
  if (store_ == nullptr) return;
  offered();    // the game left last time, before
  writeGame();  // the steps made since the start are written
  emit opened();
}

std::optional<RoomProgress> PlayerProgress::progressOf(const std::string& content) {
  if (store_ == nullptr) return std::nullopt;
  return store_->progressOf(content);
}

std::optional<RoomProgress> PlayerProgress::progressOf(const RoomRecord& room) { return progressOf(roomContent(room)); }

std::vector<StoredSolution> PlayerProgress::solutionsOf(const RoomRecord& room) {
  if (store_ == nullptr) return {};
  return store_->solutionsOf(roomContent(room));
}

std::optional<UnfinishedGame> PlayerProgress::unfinishedGame() { return offered(); }

const std::optional<UnfinishedGame>& PlayerProgress::offered() {
  if (!offeredKnown_ && store_ != nullptr) {
    offered_ = store_->unfinishedOf(session_.roomInPlayContent());
    offeredKnown_ = true;
  }
  return offered_;
}

QString PlayerProgress::startNote() {
  if (store_ == nullptr) return {};
  const std::string& room = session_.roomInPlayContent();
  QStringList parts;
  if (const std::optional<RoomProgress> progress = store_->progressOf(room)) {
    parts << QString::fromStdString(solvedBeforeNote(*progress));
  }
  if (const std::optional<UnfinishedGame>& game = offered()) parts << QString::fromStdString(unfinishedOffer(*game));
  return parts.join(QStringLiteral("; "));
}

void PlayerProgress::positionChanged() {
  const GameState& state = session_.state();
  // A solved position is no game to go on with: the solve itself forgets the game.
  if (isSolved(state.curRoom)) {
    waiting_ = false;
    writeTimer_->stop();
    return;
  }
  offered();  // before the game in play writes over it
  gameRoom_ = session_.roomInPlayContent();
  game_ = UnfinishedGame{state.counters.moveHistory, session_.now() - state.counters.startTime, state.helpUsed};
  waiting_ = true;
  const std::size_t moves = game_.steps.size();
  if (moves >= writtenMoves_ + kStepsPerWrite || moves + kStepsPerWrite <= writtenMoves_) {
    writeGame();
  } else if (!writeTimer_->isActive()) {
    writeTimer_->start();
  }
}

void PlayerProgress::leaveGame() {
  // The time the game was left at, not that of its last step, is the time it goes on from.
  const GameState& state = session_.state();
  if (!waiting_ && state.counters.moveCount > 0 && !isSolved(state.curRoom)) {
    offered();
    gameRoom_ = session_.roomInPlayContent();
    game_ = UnfinishedGame{state.counters.moveHistory, 0, state.helpUsed};
    waiting_ = true;
  }
  if (waiting_) game_.timeMs = session_.now() - state.counters.startTime;
  writeGame();
  offered_.reset();
  offeredKnown_ = false;
}

void PlayerProgress::writeGame() {
  writeTimer_->stop();
  if (!waiting_ || store_ == nullptr) return;
  waiting_ = false;
  writtenMoves_ = game_.steps.size();
  if (!store_->saveUnfinished(gameRoom_, game_, nowSeconds())) {
    failed();
    return;
  }
  journal_->afterWrite(*store_);
}

void PlayerProgress::roomSolved(bool alone, std::int64_t timeMs) {
  waiting_ = false;
  writeTimer_->stop();
  writtenMoves_ = 0;
  offered_.reset();
  offeredKnown_ = store_ != nullptr;
  if (store_ == nullptr) return;
  const std::string& room = session_.roomInPlayContent();
  if (!alone) {
    // Solved with help: no completion, and no game left to go on with either.
    if (!store_->saveUnfinished(room, {}, nowSeconds())) failed();
    return;
  }
  const GameState& state = session_.state();
  const Completion completion{
      room, {}, state.counters.moveHistory, timeMs, session_.sourceFile(), state.house.currentRoom, nowSeconds()};
  lastCompletion_ = store_->addCompletion(completion);
  if (lastCompletion_ == 0) {
    failed();
    return;
  }
  journal_->afterWrite(*store_);
  emit changed();
}

void PlayerProgress::recordNamed(const std::string& name) {
  if (store_ != nullptr && lastCompletion_ != 0 && !store_->nameCompletion(lastCompletion_, name)) failed();
  lastCompletion_ = 0;
}

void PlayerProgress::failed() {
  emit news(
      QStringLiteral("your progress is no longer kept this time: %1").arg(QString::fromStdString(store_->problem())));
  store_.reset();
}

}  // namespace tarvo
