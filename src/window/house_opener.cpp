// Opening a house file or a room collection as the house in play.
#include "window/house_opener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "platform/message_box.h"
#include "platform/zoom.h"
#include "roomtext/house_files.h"
#include "window/collection_chooser.h"
#include "window/game_session.h"
#include "window/player_progress.h"

namespace tarvo {

namespace {

// The file a house was read from, as the player's progress names it.
std::string sourceOf(const QString& path) { return QFileInfo(path).absoluteFilePath().toStdString(); }

QString counted(std::int64_t n, const QString& one, const QString& several) {
  return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : several);
}

// "3 records and 1 stored room"
QString describeUnsaved(const UnsavedWork& unsaved) {
  QStringList parts;
  if (unsaved.records > 0) parts << counted(unsaved.records, QStringLiteral("record"), QStringLiteral("records"));
  if (unsaved.storedRooms > 0)
    parts << counted(unsaved.storedRooms, QStringLiteral("stored room"), QStringLiteral("stored rooms"));
  return parts.join(QStringLiteral(" and "));
}

}  // namespace

HouseOpener::HouseOpener(GameSession& session, const SpriteSheets& sheets, PlayerProgress& playerProgress,
                         QWidget* window)
    : QObject(window),
      session_(session),
      sheets_(sheets),
      playerProgress_(playerProgress),
      window_(window),
      progress_(new QTimer(this)) {
  progress_->setInterval(100);
  connect(progress_, &QTimer::timeout, this, &HouseOpener::showProgress);
}

HouseOpener::~HouseOpener() {
  if (!reading()) return;
  watch_->stop = true;
  worker_.join();
}

HouseOpener::Read HouseOpener::take(const QString& path, OpenedFile opened, HouseRecord house, bool atStart,
                                    QString& problem) {
  if (!opened.result.ok()) {
    problem = problemText(path, opened);
    return Read::Failed;
  }
  if (!opened.collection()) {
    session_.takeHouse(std::move(house), sourceOf(path));
    // A house may open with a part left out, which the player must hear of.
    if (!opened.result.problem.empty()) {
      problem = QStringLiteral("The house file \"%1\" was read without its last record.\n\n%2.")
                    .arg(QDir::toNativeSeparators(path), QString::fromStdString(opened.result.describe()));
    }
    return Read::Taken;
  }
  if (takesWholeCollection(*opened.rooms)) {
    std::vector<std::size_t> places(opened.rooms->size());
    for (std::size_t k = 0; k < places.size(); ++k) places[k] = k;
    session_.takeHouse(houseOfChosenRooms(*opened.rooms, places, QFileInfo(path).completeBaseName().toStdString()),
                       sourceOf(path));
    return Read::Taken;
  }
  std::shared_ptr<const RoomCollection> rooms = std::move(opened.rooms);
  if (atStart) {
    QTimer::singleShot(0, this, [this, path, rooms] { choose(path, rooms); });
  } else {
    choose(path, rooms);
  }
  return Read::Choosing;
}

void HouseOpener::choose(const QString& path, const std::shared_ptr<const RoomCollection>& rooms) {
  auto* chooser = new CollectionChooser(rooms, sheets_, QFileInfo(path).fileName(), window_);
  chooser->showProgress([progress = &playerProgress_](const RoomRecord& room) { return progress->progressOf(room); });
  chooser->setObjectName(QStringLiteral("CollectionChooser"));
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  zoom::follow(chooser);
  connect(chooser, &QDialog::accepted, this, [this, path, rooms, chooser] {
    session_.takeHouse(
        houseOfChosenRooms(*rooms, chooser->tickedRooms(), QFileInfo(path).completeBaseName().toStdString()),
        sourceOf(path));
  });
  chooser->open();
}

void HouseOpener::start(const QString& path, bool atStart) {
  stopReading();
  const QFileInfo file(path);
  if (!file.isFile() || file.size() <= kReadAtOnceBytes) {
    HouseRecord house = session_.house();
    OpenedFile opened = readHouseOrCollection(QFile::encodeName(path).toStdString(), house);
    QString problem;
    tell(take(path, std::move(opened), std::move(house), atStart, problem), problem);
    return;
  }
  // The read runs on its own thread into what only it touches until it is over; the window
  // goes on with the house in play, which the house read then replaces.
  readingPath_ = path;
  watch_ = std::make_unique<ReadWatch>();
  house_ = std::make_unique<HouseRecord>(session_.house());
  opened_ = std::make_unique<OpenedFile>();
  worker_ = std::thread([this, file = QFile::encodeName(path).toStdString(), atStart] {
    *opened_ = readHouseOrCollection(file, *house_, watch_.get());
    QMetaObject::invokeMethod(
        this, [this, atStart] { finishReading(atStart); }, Qt::QueuedConnection);
  });
  progress_->start();
  showProgress();
}

void HouseOpener::showProgress() {
  if (!reading()) return;
  const std::size_t total = watch_->total;
  const QString name = QFileInfo(readingPath_).fileName();
  emit readingNews(
      total > 0 ? QStringLiteral("reading %1\u2026 %2% (Escape stops it)")
                      .arg(name)
                      .arg(static_cast<int>(100.0 * static_cast<double>(watch_->done) / static_cast<double>(total)))
                : QStringLiteral("reading %1\u2026 (Escape stops it)").arg(name));
}

void HouseOpener::stopReading() {
  if (!reading()) return;
  watch_->stop = true;
  worker_.join();
  progress_->stop();
  emit readingNews(QStringLiteral("%1 was not read: the house in play stays").arg(QFileInfo(readingPath_).fileName()));
}

void HouseOpener::finishReading(bool atStart) {
  // A read stopped meanwhile was joined and has nothing more to say.
  if (!reading()) return;
  worker_.join();
  progress_->stop();
  emit readingNews(QString());
  OpenedFile opened = std::move(*opened_);
  HouseRecord house = std::move(*house_);
  QString problem;
  const Read read = take(readingPath_, std::move(opened), std::move(house), atStart, problem);
  if (!atStart || read != Read::Failed) {
    tell(read, problem);
    return;
  }
  // At start-up, a file that cannot be read leaves the default house, as a small one does.
  emit failedAtStart(problem + QStringLiteral("\n\n") + readDefaultHouse(true));
}

QString HouseOpener::readDefaultHouse(bool afterFailure) {
  QString problem;
  HouseRecord house = session_.house();
  OpenedFile opened = readHouseOrCollection(QFile::encodeName(defaultHouse_).toStdString(), house);
  if (take(defaultHouse_, std::move(opened), std::move(house), true, problem) == Read::Failed) {
    session_.restartRoom();
    return problem + QStringLiteral("\n\nAn empty room is played instead.");
  }
  return afterFailure ? QStringLiteral("The default house is played instead.") : problem;
}

void HouseOpener::tell(Read read, const QString& problem) {
  if (read == Read::Choosing) return;  // the chooser's "OK" makes the house
  if (read == Read::Taken) {           // its first room is started
    if (!problem.isEmpty()) openMessageBox(QMessageBox::Information, window_->windowTitle(), problem, window_);
    return;
  }
  session_.restartRoom();
  openMessageBox(QMessageBox::Warning, window_->windowTitle(),
                 problem + QStringLiteral("\n\nThe house in play stays as it was."), window_);
}

void HouseOpener::open(const QString& path) { start(path, false); }

void HouseOpener::openDropped(const QString& path) {
  // A drop is easily made by mistake: work not saved to disk is not let go without a word.
  const UnsavedWork unsaved = session_.unsaved();
  if (unsaved.any()) {
    const std::unique_ptr<QMessageBox> question(
        makeMessageBox(QMessageBox::Question, window_->windowTitle(),
                       QStringLiteral("Open '%1'? %2 not saved to disk will be lost.")
                           .arg(QFileInfo(path).fileName(), describeUnsaved(unsaved)),
                       window_));
    question->setStandardButtons(QMessageBox::Cancel);
    QPushButton* openButton = question->addButton(QStringLiteral("Open"), QMessageBox::AcceptRole);
    question->setDefaultButton(QMessageBox::Cancel);
    question->exec();
    if (question->clickedButton() != openButton) return;
  }
  open(path);
}

QString HouseOpener::openAtStart(const QString& named, const QString& defaultHouse) {
  defaultHouse_ = defaultHouse;
  if (named.isEmpty()) return readDefaultHouse(false);
  const QFileInfo file(named);
  if (file.isFile() && file.size() > kReadAtOnceBytes) {
    // The window shows the empty room at once; the read tells what it gave.
    session_.restartRoom();
    start(named, true);
    return {};
  }
  QString problem;
  HouseRecord house = session_.house();
  OpenedFile opened = readHouseOrCollection(QFile::encodeName(named).toStdString(), house);
  const Read read = take(named, std::move(opened), std::move(house), true, problem);
  if (read == Read::Taken) return problem;
  if (read == Read::Choosing) return readDefaultHouse(false);
  return problem + QStringLiteral("\n\n") + readDefaultHouse(true);
}

QString HouseOpener::problemText(const QString& path, const OpenedFile& opened) const {
  // A file that could not be read at all is named by the reader's own sentence.
  const HouseReadResult& result = opened.result;
  const QString problem = QString::fromStdString(result.describe());
  const QString file = opened.kind == OpenedFile::Kind::House        ? QStringLiteral("house file")
                       : opened.kind == OpenedFile::Kind::Collection ? QStringLiteral("room collection")
                                                                     : QStringLiteral("file");
  return result.status == HouseReadResult::Status::CannotOpen
             ? QStringLiteral("The %1 was not read.\n\n%2.").arg(file, problem)
             : QStringLiteral("The %1 \"%2\" was not read.\n\n%3.").arg(file, QDir::toNativeSeparators(path), problem);
}

}  // namespace tarvo
