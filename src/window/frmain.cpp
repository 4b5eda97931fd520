// The main window: holds the owner of the game's state, builds the pages, routes the tab strips,
// the keys and the drops.
#include "window/frmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <csignal>

#include "about/about_box_qt.h"
#include "about/shell_open_qt.h"
#include "platform/clock.h"
#include "platform/direction_keys.h"
#include "platform/focus_mark.h"
#include "platform/message_box.h"
#include "platform/solver_run.h"
#include "platform/tab_strip.h"
#include "platform/zoom.h"
#include "window/game_page.h"
#include "window/house_opener.h"
#include "window/option_page.h"
#include "window/page_switch.h"
#include "window/player_progress.h"
#include "window/room_page.h"

namespace tarvo {

namespace {

constexpr int kInnerWidth = 618;
constexpr int kInnerHeight = 453;
// The pictures decoded while the window starts.
constexpr qsizetype kLargeSheet = 0;
constexpr qsizetype kBackground = 1;

}  // namespace

FRMain::FRMain(Options options, QWidget* parent)
    : QWidget(parent),
      session_(options.clock ? std::move(options.clock) : std::function<std::int64_t()>(monotonicMilliseconds)),
      CommonDialog1(this),
      budget_(options.budget.value_or(helpBudget())),
      programFolder_(std::move(options.programFolder)),
      houseFile_(std::move(options.houseFile)),
      allPagesAtStart_(options.allPagesAtStart),
      startZoom_(options.zoom),
      mostZoom_(options.mostZoom),
      progressFile_(std::move(options.progressFile)),
      desktop_(options.desktop ? std::move(options.desktop) : std::make_shared<XdgDesktop>()) {
  // A save beyond the file size limit must fail with "File too large", not end the program and
  // lose the records made since it started.
  std::signal(SIGXFSZ, SIG_IGN);
  setWindowTitle(QStringLiteral("Tarvo Plim"));
  setFixedSize(kInnerWidth, kInnerHeight);
  setAcceptDrops(true);
  progress_ = new PlayerProgress(session_, this);
  opener_ = new HouseOpener(session_, sheets_, *progress_, this);
}

void FRMain::setVisible(bool visible) {
  // The window maps first, empty, as the map needs nothing else; what its first frame shows is
  // built and laid out next, before any paint. The fonts and pictures that takes would hold the
  // window back for longer than the toolkit's own start-up.
  QWidget::setVisible(visible);
  if (visible && LesOnglets == nullptr) start();
}

void FRMain::start() {
  // Decoded on another thread while the fonts load.
  pictures_.emplace(QStringList{SpriteSheets::file(SpriteSheet::Large), dataFile(QStringLiteral("background.gif"))});
  // The tab strip and the "Game" page; the other pages come when needed or after the first frame.
  LesOnglets =
      new TabStrip({QStringLiteral("Game"), QStringLiteral("Room"), QStringLiteral("Option"), QStringLiteral("About")},
                   {4, 4, kInnerWidth - 8, kInnerHeight - 8}, this);
  LesOnglets->setObjectName(QStringLiteral("LesOnglets"));
  game_ = new GamePage({session_, sheets_, CommonDialog1, budget_, *progress_}, this);
  Onglet[0] = game_;
  sheets_.take(SpriteSheet::Large, pictures_->pixmap(kLargeSheet));
  pageSwitch_ = new PageSwitch(
      LesOnglets->tabBar(), [this](int number) -> QWidget* { return page(number); }, this);
  connect(pageSwitch_, &PageSwitch::pageChanged, this, &FRMain::LesOnglets_Click);
  connect(game_, &GamePage::houseChosen, opener_, &HouseOpener::open);
  connect(opener_, &HouseOpener::readingNews, game_, &GamePage::showReadingNews);
  connect(opener_, &HouseOpener::failedAtStart, this, &FRMain::tellAtStart);
  connect(progress_, &PlayerProgress::news, game_, &GamePage::showReadingNews);
  if (allPagesAtStart_) {
    for (int number = 2; number <= 4; ++number) page(number);
  }
  // The window sees the keys of its pages before any button or tab bar does.
  qApp->installEventFilter(this);

  new FocusMark(this);
  startupProblem_ = opener_->openAtStart(houseFile_, dataFile(QStringLiteral("default.hou")));
  placePage(1);
  LesOnglets->show();
  if (startZoom_ != 1) setZoom(startZoom_);
}

FRMain::~FRMain() {
  qApp->removeEventFilter(this);
  // The pages refer to session_ and sheets_, which are gone by the time QWidget's destructor
  // would delete its children: the children go now, while both still stand.
  while (QObject* child = findChild<QObject*>(QString(), Qt::FindDirectChildrenOnly)) delete child;
}

Page* FRMain::page(int number) {
  Page*& page = Onglet[static_cast<std::size_t>(number - 1)];
  if (page != nullptr) return page;
  const PageContext context{session_, sheets_, CommonDialog1, budget_, *progress_};
  if (number == 2) {
    auto* roomPage = new RoomPage(context, this);
    connect(roomPage, &RoomPage::recordChosen, this, &FRMain::replayRecord);
    page = roomPage;
  } else if (number == 3) {
    option_ = new OptionPage(context, this);
    for (Page* subPage : option_->subPages()) subPage->setBackgroundPicture(pictures_->pixmap(kBackground));
    page = option_;
  } else {
    page = new Page(this);
  }
  placePage(number);
  zoom::follow(page);
  return page;
}

int FRMain::mostZoom() const {
  if (mostZoom_) return std::max(1, *mostZoom_);
  // The whole window on the screen, with room for a title bar above it.
  constexpr int kTitleBar = 40;
  const QRect screen = this->screen()->availableGeometry();
  return std::max(1, std::min(screen.width() / kInnerWidth, (screen.height() - kTitleBar) / kInnerHeight));
}

void FRMain::setZoom(int factor) { zoom::set(this, std::clamp(factor, 1, mostZoom())); }

bool FRMain::zoomByKey(const QKeyEvent& key) {
  // Shift may be needed for "+" and the keypad may give it: neither counts.
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (modifiers != Qt::ControlModifier) return false;
  const int now = zoom::of(this);
  switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: setZoom(now + 1); return true;
    case Qt::Key_Minus: setZoom(now - 1); return true;
    case Qt::Key_0: setZoom(1); return true;
    default: return false;
  }
}

void FRMain::placePage(int number) {
  Page* page = Onglet[static_cast<std::size_t>(number - 1)];
  page->setObjectName(QStringLiteral("Onglet%1").arg(number));
  zoom::place(page, {5, 32, 608, 416});
  page->setBackgroundPicture(pictures_->pixmap(kBackground));
  page->raise();
  page->setVisible(number == 1);
}

void FRMain::buildNextPage() {
  const auto unbuilt = std::find(Onglet.begin(), Onglet.end(), nullptr);
  if (unbuilt == Onglet.end()) return;
  page(static_cast<int>(unbuilt - Onglet.begin()) + 1);
  QTimer::singleShot(0, this, &FRMain::buildNextPage);
}

QString FRMain::dataFile(const QString& name) const {
  const QDir folder(programFolder_);
  const QString beside = folder.filePath(name);
  const QString shared = folder.filePath(QStringLiteral("../share/tarvoplim/") + name);
  return QFileInfo::exists(beside) || !QFileInfo::exists(shared) ? beside : QDir::cleanPath(shared);
}

void FRMain::replayRecord(int number, const std::string& solution) {
  // The "Game" tab first: choosing it starts the room in play afresh, and then the replay
  // starts the chosen one.
  LesOnglets->tabBar()->setCurrentIndex(0);
  game_->replayRecord(number, solution);
}

QString FRMain::droppedHouse(const QMimeData* data) {
  // One local file (or folder) is read for what it holds; anything else is no drop here.
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile()) {
    return {};
  }
  return data->urls().constFirst().toLocalFile();
}

void FRMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedHouse(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FRMain::dropEvent(QDropEvent* event) {
  const QString path = droppedHouse(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop is over, so that the source of the drag is not kept waiting on a
  // message or the chooser.
  QTimer::singleShot(0, this, [this, path] { opener_->openDropped(path); });
}

void FRMain::LesOnglets_Click(int page) {
  // Play starts over whenever the board is reloaded from the house, so a record always
  // replays the room from its start.
  if (page == 1) game_->BTrecommence_Click();
  if (page == 3) option_->showForEditing();
  if (page == 4) {
    // The box holds no game state; the "About" page stays selected when it closes.
    FRMabout about(*desktop_, this);
    about.exec();
  }
}

void FRMain::tellAtStart(const QString& text) {
  // Once the window is where the window manager put it, so that the box opens in its middle.
  if (windowHandle() == nullptr || !windowHandle()->isExposed()) {
    startupProblem_ = text;
    return;
  }
  openMessageBox(QMessageBox::Warning, windowTitle(), text, this);
}

bool FRMain::switchPageByKey(const QKeyEvent& key) {
  // Ctrl+PageDown / Ctrl+Tab and Ctrl+PageUp / Ctrl+Shift+Tab go round the four pages from
  // anywhere, choosing the tab as a click does.
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  const bool control = modifiers == Qt::ControlModifier;
  const bool next = control && (key.key() == Qt::Key_PageDown || key.key() == Qt::Key_Tab);
  const bool previous = (control && key.key() == Qt::Key_PageUp) ||
                        (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key.key() == Qt::Key_Backtab);
  if (!next && !previous) return false;
  QTabBar* tabs = LesOnglets->tabBar();
  tabs->setCurrentIndex((tabs->currentIndex() + (next ? 1 : tabs->count() - 1)) % tabs->count());
  return true;
}

bool FRMain::eventFilter(QObject* watched, QEvent* event) {
  if (!painted_ && watched == game_ && event->type() == QEvent::Paint) {
    painted_ = true;
    // After this paint and the flush to the screen that follows it.
    QTimer::singleShot(0, this, [this] {
      emit firstFrameShown();
      // The player's progress, off the start's path: what it shows comes when it is open.
      progress_->open(progressFile_);
      buildNextPage();
    });
  }
  // A message at start-up waits until the window is on the screen where the window manager
  // put it, so that the box opens in its middle rather than where the window was first placed.
  if (!startupProblem_.isEmpty() && event->type() == QEvent::Expose && watched == windowHandle() &&
      windowHandle()->isExposed()) {
    QTimer::singleShot(
        0, this, [this, text = startupProblem_] { openMessageBox(QMessageBox::Warning, windowTitle(), text, this); });
    startupProblem_.clear();
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() != QEvent::KeyPress || widget == nullptr || widget->window() != this) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (switchPageByKey(*key) || zoomByKey(*key)) return true;
  // Escape stops the read of a large file, from any page.
  if (key->key() == Qt::Key_Escape && opener_->reading()) {
    opener_->stopReading();
    return true;
  }
  const bool playing = pageSwitch_->shownPage() == 1;
  if (playing) game_->hideHint();  // any key ends the hint's outline
  // A key stops the steps playing on the board (a solution, a record, the way to a clicked cell)
  // and does nothing else, so a player taking over never makes a step he did not see coming.
  if (playing && game_->interruptPlay()) return true;
  // Enter presses the button that has the focus, as Space does.
  auto* button = qobject_cast<QAbstractButton*>(widget);
  if (button != nullptr && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    button->click();
    return true;
  }
  if (!playing) return QWidget::eventFilter(watched, event);
  if (key->matches(QKeySequence::Undo)) {
    game_->BTmoinsMove_Click();
    return true;
  }
  if (key->matches(QKeySequence::Redo) || (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier)) {
    game_->BTplusMove_Click();
    return true;
  }
  // The room's unfinished game goes on.
  if (key->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_R)) {
    game_->resumeUnfinished();
    return true;
  }
  if (const std::optional<int> keyCode = keyCodeOf(*key)) {
    game_->stepMan(*keyCode);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarvo
