// Random walks across the pages, as a player who never sticks to one page: each step is an
// action on the page shown (or a tab, or a file opened, dropped or saved), any dialog it opens is
// answered at random, and after every step the pages must still agree about the house and its
// rooms. The checks keep their own model of the rooms, as symbols, and replay records with their
// own mover, so they do not lean on the code they check. The window's zoom changes now and then
// on the way, the mouse aiming at its cells at that zoom. TARVO_WALKS=N walks N times, and
// TARVO_WALK_FROM=K starts from the walk after K (to replay the walk a failure names).
#include <QClipboard>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeView>

#include <algorithm>
#include <bitset>
#include <random>
#include <set>
#include <sstream>

#include "about/about_box_qt.h"
#include "house/house_reader.h"
#include "platform/zoom.h"
#include "room_builder.h"
#include "solver/solver.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

// A room as the checks see it: its cells as the symbols of the room text, row after row (a
// marked cell shows as "m"), its forbidden lists and its records.
struct Model {
  std::string cells;
  std::vector<std::int32_t> places;
  std::vector<CouplePair> couples;
  std::vector<std::string> records;  // "name|moves|time|solution"

  bool operator==(const Model&) const = default;
  std::string text() const {
    std::ostringstream out;
    for (int row = 0; row < kRows; ++row)
      out << "\n|" << cells.substr(static_cast<std::size_t>(row * kColumns), 10) << "|";
    out << "\nplaces";
    for (std::int32_t cell : places) out << ' ' << cell;
    out << "\ncouples";
    for (const CouplePair& couple : couples) out << ' ' << couple.cellA << ',' << couple.cellB;
    for (const std::string& record : records) out << "\nrecord " << record;
    return out.str();
  }
};

char symbolOf(std::int32_t code) {
  switch (code) {
    case OUTSIDE: return '-';
    case FLOOR: return ' ';
    case WALL: return '#';
    case GOAL: return '.';
    case BOX: return '$';
    case BOX + GOAL: return '*';
    case MAN: return '@';
    case MAN + GOAL: return '+';
    default: return 'm';
  }
}

bool isMan(char symbol) { return symbol == '@' || symbol == '+'; }

Model modelOf(const RoomRecord& room) {
  Model model;
  for (int cell = 0; cell < kPlayableCells; ++cell) model.cells += symbolOf(room.cells[cell]);
  model.places = places(room);
  model.couples = couples(room);
  model.records = records(room);
  return model;
}

// The help board's picture of a room: no box, and not the man the room names (painted extra
// men stay), no mark.
std::string bare(std::string cells, int man) {
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    char& symbol = cells[cell];
    const bool named = static_cast<int>(cell) == man;
    if (symbol == '$' || (symbol == '@' && named)) symbol = ' ';
    if (symbol == '*' || (symbol == '+' && named)) symbol = '.';
  }
  return cells;
}

// The man a store keeps: the one the room names when a man stands there, else the last in row
// order, else none.
int storedMan(const std::string& cells, int named) {
  if (named >= 0 && named < kPlayableCells && isMan(cells[static_cast<std::size_t>(named)])) return named;
  const std::size_t last = cells.find_last_of("@+");
  return last == std::string::npos ? kNoMan : static_cast<int>(last);
}

// The checks' own mover: plays a solution from the man's cell under the game's rules (a small
// letter walks onto floor or a goal, a capital pushes the box ahead onto floor or a goal, and
// the index runs on from one row into the next) and tells whether every letter fits and every
// goal then holds a box.
bool solves(std::string cells, int man, std::string_view steps) {
  const auto at = [&](int cell) -> char& { return cells[static_cast<std::size_t>(cell)]; };
  const auto onBoard = [](int cell) { return cell >= 0 && cell < kPlayableCells; };
  const auto free = [](char symbol) { return symbol == ' ' || symbol == '.'; };
  if (!onBoard(man) || !isMan(at(man)) || cells.find_first_of(".*+") == std::string::npos) return false;
  for (char letter : steps) {
    const char lower = static_cast<char>(letter | 0x20);
    const int offset = lower == 'u' ? -kColumns : lower == 'd' ? kColumns : lower == 'r' ? 1 : lower == 'l' ? -1 : 0;
    const int to = man + offset;
    if (offset == 0 || !onBoard(to)) return false;
    if (letter != lower) {
      const int beyond = to + offset;
      if ((at(to) != '$' && at(to) != '*') || !onBoard(beyond) || !free(at(beyond))) return false;
      at(beyond) = at(beyond) == '.' ? '*' : '$';
      at(to) = at(to) == '*' ? '.' : ' ';
    } else if (!free(at(to))) {
      return false;
    }
    at(man) = at(man) == '+' ? '.' : ' ';
    at(to) = at(to) == '.' ? '+' : '@';
    man = to;
  }
  return cells.find_first_of(".+") == std::string::npos;
}

std::string solutionOf(const std::string& record) { return record.substr(record.rfind('|') + 1); }

// A file the walk may open, and the rooms the house then holds.
struct PoolFile {
  QString name;
  QString houseName;
  std::vector<Model> rooms;
};

// Rows of up to ten symbols, the rest of the board outside.
std::string boardOf(const std::vector<std::string>& rows, int top = 0, int left = 0) {
  std::string cells(kPlayableCells, '-');
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      cells[static_cast<std::size_t>((top + static_cast<int>(row)) * kColumns + left) + column] = rows[row][column];
  }
  return cells;
}

Model modelOf(const RoomText& room) {
  Model model{boardOf(room.rows), {}, {}, {}};
  std::istringstream placeList(room.places), coupleList(room.couples);
  for (std::string entry; std::getline(placeList, entry, ';');) model.places.push_back(std::stoi(entry));
  for (std::string entry; std::getline(coupleList, entry, ';');) {
    const std::size_t comma = entry.find(',');
    model.couples.push_back({std::stoi(entry.substr(0, comma)), std::stoi(entry.substr(comma + 1))});
  }
  for (const RecordFields& record : room.records)
    model.records.push_back(record.name + "|" + record.moves + "|" + record.time + "|" + record.solution);
  return model;
}

// Closed rooms as a collection holds them; each is placed in the middle of the board.
const std::vector<std::vector<std::string>> kCollectionRooms = {
    {"#####", "#@$.#", "#####"},
    {"######", "#@ $.#", "#  $.#", "######"},
    {"#####", "#@  #", "# $ #", "# . #", "#####"},
};

// The pool: houses and collections of 1, 3 and 16 rooms.
std::vector<PoolFile> writePool(const std::function<void(const QString&, const QByteArray&)>& write) {
  std::vector<PoolFile> pool;
  const std::vector<RoomText> texts = {kPushRoom, kRecordRoom, kShortRoom};
  for (int count : {1, 3, 16}) {
    std::vector<RoomText> rooms;
    for (int k = 0; k < count; ++k) rooms.push_back(texts[static_cast<std::size_t>((k + count) % 3)]);
    PoolFile house{QStringLiteral("house%1.hou").arg(count), QStringLiteral("House %1").arg(count), {}};
    for (const RoomText& room : rooms) house.rooms.push_back(modelOf(room));
    write(house.name, houseFile(house.houseName.toStdString(), rooms));
    pool.push_back(house);

    PoolFile collection{QStringLiteral("rooms%1.txt").arg(count), QStringLiteral("rooms%1").arg(count), {}};
    std::string text;
    for (int k = 0; k < count; ++k) {
      const std::vector<std::string>& rows = kCollectionRooms[static_cast<std::size_t>(k % 3)];
      text += "; room " + std::to_string(k + 1) + "\n";
      for (const std::string& row : rows) text += row + "\n";
      text += "\n";
      const int top = (kRows - static_cast<int>(rows.size())) / 2;
      const int left = (kColumns - static_cast<int>(rows[0].size())) / 2;
      collection.rooms.push_back(Model{boardOf(rows, top, left), {}, {}, {}});
    }
    write(collection.name, QByteArray::fromStdString(text));
    pool.push_back(collection);
  }
  return pool;
}

// Answers every modal dialog that opens while a step runs, at random: the name prompt, the
// store's question, the drop's question, the file dialogs, the About box and any message.
class DialogAnswers {
 public:
  explicit DialogAnswers(std::mt19937& random) : random_(random) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
    poll_.start(2);
  }
  std::vector<bool> stored;  // each store question and whether Store was the answer
  std::vector<bool> opened;  // each drop question and whether Open was the answer
  QString fileToChoose;      // what a file dialog is given
  bool fileChosen = false;   // whether the last file dialog was accepted

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    const bool yes = random_() % 4 != 0;
    if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
      prompt->setTextValue(QStringLiteral("Walker"));
      yes ? prompt->accept() : prompt->reject();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      fileChosen = yes;
      if (yes) {
        chooseFile(fileToChoose, dialog->windowTitle())(dialog);
      } else {
        dialog->reject();
      }
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == QStringLiteral("Store") || button->text() == QStringLiteral("Open")) {
          (button->text() == QStringLiteral("Store") ? stored : opened).push_back(yes);
          (yes ? button : box->button(QMessageBox::Cancel))->click();
          return;
        }
      }
      box->done(0);
    } else {
      modal->close();  // the About box
    }
  }

  std::mt19937& random_;
  QTimer poll_;
};

constexpr std::array kDirectionKeys{Qt::Key_8, Qt::Key_2, Qt::Key_4, Qt::Key_6};  // up, down, left, right

class PageWalk : public WindowTest {
 protected:
  // What a step did that the checks must know of.
  enum class Kind { Other, Start, Tab, OptionTab, EditorArrow, EditorSave, HelpSave, Read, SaveToDisk, RecordsAdded };

  const GameState& state() const { return window->state(); }
  const HouseRecord& houseInPlay() const { return state().house; }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  // A point of a board or of the palette at the window's zoom.
  QPoint zoomed(QPoint at) const { return at * zoom::of(window.get()); }
  QPoint anyTile() { return zoomed(tile(pick(100)).center()); }
  bool editorShown() const { return shown(QStringLiteral("Onglet3")) && shown(QStringLiteral("Onglet2_1")); }
  bool helpShown() const { return shown(QStringLiteral("Onglet3")) && shown(QStringLiteral("Onglet2_2")); }
  bool gameShown() const { return shown(QStringLiteral("Onglet1")); }

  void pressOn(QWidget* widget, Qt::MouseButton button, QPoint at) { QTest::mousePress(widget, button, {}, at); }
  Qt::MouseButton anyButton() { return std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[pick(3)]; }

  // Clicks the button of that name, which names the step.
  void clickNamed(std::string& name, const char* button) {
    name = button;
    click(QString::fromLatin1(button));
  }

  // One random action on the page shown, on a tab strip, or on the house's file.
  Kind act(std::string& name) {
    const int choice = pick(20);
    const bool about = !gameShown() && !shown(QStringLiteral("Onglet2")) && !shown(QStringLiteral("Onglet3"));
    if (choice < 4 || about) {
      const int tab = pick(4);
      name = "main tab " + std::to_string(tab + 1);
      const bool playing = gameShown();  // a click on the tab shown changes nothing
      clickMainTab(tab + 1);
      return tab == 2 ? Kind::OptionTab : tab == 0 && !playing ? Kind::Start : Kind::Tab;
    }
    if (choice == 4) return dropFromPool(name);
    if (choice == 5 && pick(3) == 0) {
      // Ctrl+Plus, Ctrl+Minus or Ctrl+0, between 1x and 2x: nothing of the game changes.
      const Qt::Key key = std::array{Qt::Key_Plus, Qt::Key_Minus, Qt::Key_0}[pick(3)];
      name = "zoom " + QKeySequence(key).toString().toStdString();
      QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get(), key,
                      Qt::ControlModifier);
      return Kind::Other;
    }
    if (gameShown()) return actOnGame(name);
    if (shown(QStringLiteral("Onglet2"))) return actOnRoomPage(name);
    if (choice < 7) {
      const int page = pick(2);
      name = "option tab " + std::to_string(page + 1);
      clickTab(tabs(QStringLiteral("LesOnglets2")), page);
      return Kind::Tab;
    }
    return editorShown() ? actOnEditor(name) : actOnHelp(name);
  }

  Kind dropFromPool(std::string& name) {
    reading_ = &pool_[static_cast<std::size_t>(pick(static_cast<int>(pool_.size())))];
    name = "drop " + reading_->name.toStdString();
    const std::size_t asked = answers_->opened.size();
    EXPECT_TRUE(dropFile(reading_->name));
    QTest::qWait(5);  // the file opens once the drop is over
    const bool read = answers_->opened.size() == asked || answers_->opened.back();
    return read ? Kind::Read : Kind::Other;
  }

  Kind actOnGame(std::string& name) {
    const int choice = pick(16);
    if (choice == 14) {
      name = "Ctrl+Shift+R";  // the room's unfinished game, if it has one, goes on
      key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
      return Kind::Other;
    }
    if (choice == 15) {
      // Steps pasted: a record's of any room, or letters at random; played as help.
      const RoomRecord& room = houseInPlay().rooms[static_cast<std::size_t>(pick(kMaxRooms))];
      std::string steps;
      if (room.recordCount() > 0 && pick(2) == 0) {
        steps =
            std::string((*room.records)[static_cast<std::size_t>(pick(static_cast<int>(room.recordCount())))].solution);
      } else {
        for (int k = pick(12); k >= 0; --k) steps += "udlrUDLR x"[pick(10)];
      }
      name = "paste " + steps;
      QApplication::clipboard()->setText(QString::fromStdString(steps));
      key(Qt::Key_V, Qt::ControlModifier);
      if (pick(2) == 0) QTest::qWait(pick(40));
      return Kind::Other;
    }
    if (choice < 3) {
      clickNamed(name, std::array{"BTrecommence", "BTmoins", "BTplus"}[choice]);
      return Kind::Start;
    }
    if (choice < 5) {
      clickNamed(name, std::array{"BTmoinsMove", "BTplusMove"}[choice - 3]);
    } else if (choice < 8) {
      name = "keys";
      for (int k = pick(6); k >= 0; --k) key(kDirectionKeys[pick(4)]);
    } else if (choice < 10) {
      // The solver's help, stopped at once or left to play while the walk goes on.
      clickNamed(name, choice == 8 ? "BThint" : "BTsolve");
      if (pick(2) == 0) QTest::qWait(pick(60));
      if (pick(2) == 0) {
        name += " stopped";
        key(kDirectionKeys[pick(4)]);
      }
    } else if (choice == 10) {
      name = "house button";
      reading_ = &pool_[static_cast<std::size_t>(pick(static_cast<int>(pool_.size())))];
      answers_->fileToChoose = path(reading_->name);
      click(QStringLiteral("BTchoisiHouse"));
      return answers_->fileChosen ? Kind::Read : Kind::Other;
    } else {
      name = "completion";
      complete();
    }
    return Kind::Other;
  }

  // The room's solution from its start, played by keys: the completion asks a name.
  void complete() {
    click(QStringLiteral("BTrecommence"));
    solver::Limits limits;
    limits.positions = 20000;
    const solver::SolveResult result = solver::solve(solver::snapshotOf(state().curRoom), limits);
    if (result.outcome != solver::Outcome::Solved) return;
    for (char step : result.solution.steps) key(kDirectionKeys[std::string_view("udlr").find(step | 0x20)]);
  }

  Kind actOnRoomPage(std::string& name) {
    auto* list = find<QTreeView>(QStringLiteral("LVrecord"));
    const int rows = list->model()->rowCount();
    const int choice = pick(7);
    if (choice == 6) {
      name = "add my solutions";
      list->setFocus();
      QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
      return Kind::RecordsAdded;
    }
    if (choice == 0) {
      name = "save to disk";
      answers_->fileToChoose = path(QStringLiteral("walk.hou"));
      click(QStringLiteral("BTsaveDisk"));
      return answers_->fileChosen ? Kind::SaveToDisk : Kind::Other;
    }
    if (rows > 0 && choice < 3) {
      name = "record double click";
      const QRect row = list->visualRect(list->model()->index(pick(rows), 0));
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    } else {
      const int preview = pick(houseInPlay().roomCount < 16 ? houseInPlay().roomCount + 1 : 16);
      name = "preview " + std::to_string(preview);
      QTest::mouseClick(&picture(QStringLiteral("PICpreview%1").arg(preview)), Qt::LeftButton);
    }
    return Kind::Other;
  }

  Kind actOnEditor(std::string& name) {
    PictureArea& canvas = picture(QStringLiteral("PICedit"));
    const int choice = pick(12);
    if (choice == 0) {
      name = "frame tab";
      clickTab(tabs(QStringLiteral("LesOnglets3")), pick(3));
    } else if (choice == 1) {
      name = "palette";
      const Qt::MouseButton button = pick(2) == 0 ? Qt::LeftButton : Qt::RightButton;
      pressOn(find(QStringLiteral("PICsprites")), button, zoomed(slot(pick(4), pick(3))));
    } else if (choice < 4) {
      name = "paint";
      const Qt::MouseButton button = pick(2) == 0 ? Qt::LeftButton : Qt::RightButton;
      pressOn(&canvas, button, anyTile());
      for (int k = pick(4); k > 0; --k) {
        const QPoint at = anyTile();
        QMouseEvent move(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
      }
      QTest::mouseRelease(&canvas, button, {}, anyTile());
    } else if (choice < 6) {
      name = pick(2) == 0 ? "BTeditMoins" : "BTeditPlus";
      const Qt::MouseButton button = anyButton();
      name += button == Qt::LeftButton ? " left" : button == Qt::RightButton ? " right" : " middle";
      QTest::mouseClick(this->button(QString::fromLatin1(name.substr(0, name.find(' ')).c_str())), button);
      return Kind::EditorArrow;  // any button loads the current room as stored
    } else if (choice == 6) {
      shownRows_ = exported().remove(QLatin1Char('\n')).toStdString();
      clickNamed(name, "BTeditSave");
      return Kind::EditorSave;
    } else if (choice == 7) {
      clickTab(tabs(QStringLiteral("LesOnglets3")), 2);
      clickNamed(name, std::array{"BTup", "BTdown", "BTleft", "BTright"}[pick(4)]);
    } else if (choice == 8) {
      if (pick(2) == 0) {
        name = "export";
        exported();
        return Kind::Other;
      }
      clickTab(tabs(QStringLiteral("LesOnglets3")), 1);
      QString text;
      for (int k = pick(140); k > 0; --k) text += QStringLiteral("#. $*@+-\n")[pick(9)];
      find<QPlainTextEdit>(QStringLiteral("TXTimport"))->setPlainText(text);
      clickNamed(name, "BTimport");
    } else {
      clickNamed(name, "BTcheck");
    }
    return Kind::Other;
  }

  Kind actOnHelp(std::string& name) {
    QTreeWidget& tree = helpTree();
    const int choice = pick(8);
    if (choice < 2) {
      QTreeWidgetItem* node = tree.topLevelItem(0)->child(pick(2));
      if (node->childCount() > 0 && pick(2) == 0) node = node->child(pick(node->childCount()));
      name = "node " + node->text(0).toStdString();
      clickNode(node);
      if (pick(3) == 0) {
        name += " Delete";
        QTest::keyClick(&tree, Qt::Key_Delete);
      }
    } else if (choice < 4) {
      name = "help board";
      const Qt::MouseButton button = pick(2) == 0 ? Qt::LeftButton : Qt::RightButton;
      QTest::mouseClick(&picture(QStringLiteral("PIChelp")), button, {}, anyTile());
    } else {
      clickNamed(name, std::array{"BThelpSave", "BThelpMoins", "BThelpPlus", "BThelpSuggest"}[choice - 4]);
      if (choice == 4) return Kind::HelpSave;
      return Kind::Other;
    }
    return Kind::Other;
  }

  std::vector<Model> models() const {
    std::vector<Model> rooms;
    for (const RoomRecord& room : houseInPlay().rooms) rooms.push_back(modelOf(room));
    return rooms;
  }

  // What the checks need of the state before a step.
  struct Before {
    std::vector<Model> rooms;
    std::array<int, kMaxRooms> men{};
    int count = 1;
    int currentRoom = 1;
    int editNumberShown = 0;
    int helpNumberShown = 0;
    Model editRoom;
    int editMan = kNoMan;
    Model helpRoom;
    bool editorShown = false;
  };

  Before snapshot() const {
    Before before;
    before.rooms = models();
    for (std::size_t k = 0; k < kMaxRooms; ++k) before.men[k] = houseInPlay().rooms[k].man;
    before.count = houseInPlay().roomCount;
    before.currentRoom = houseInPlay().currentRoom;
    before.editNumberShown = caption(QStringLiteral("BTeditNum")).toInt();
    before.helpNumberShown = caption(QStringLiteral("BThelpNum")).toInt();
    before.editRoom = modelOf(editorWork().room);
    before.editMan = editorWork().room.man;
    before.helpRoom = modelOf(helpWork().room);
    before.editorShown = editorShown();
    return before;
  }

  // Every record of the rooms replays on its room with the checks' own mover.
  static void expectRecordsReplay(const HouseRecord& house, const std::string& where) {
    for (int slot = 0; slot < kMaxRooms; ++slot) {
      const RoomRecord& room = house.rooms[static_cast<std::size_t>(slot)];
      const Model model = modelOf(room);
      for (const std::string& record : model.records)
        ASSERT_TRUE(solves(model.cells, room.man, solutionOf(record)))
            << where << ": a record of room " << slot + 1 << " does not replay: " << record << model.text();
    }
  }

  // The editor's room stored as room `number` was: the rows the page showed, its lists, and the
  // records of the room that still solve it. Sets `drops` when some do not.
  Model storedAs(const Before& before, int number, bool& drops, int& man) const {
    const auto slot = static_cast<std::size_t>(number - 1);
    const Model& old = before.rooms[slot];
    Model stored{shownRows_, before.editRoom.places, before.editRoom.couples, {}};
    man = storedMan(stored.cells, before.editMan);
    const bool sameLayout = stored.cells == old.cells && man == before.men[slot];
    for (const std::string& record : old.records)
      if (sameLayout || solves(stored.cells, man, solutionOf(record))) stored.records.push_back(record);
    drops = stored.records.size() < old.records.size();
    return stored;
  }

  // The checks after each step; `where` names the walk and the steps for the failure message.
  void check(const Before& before, Kind kind, std::size_t storesAsked, const std::string& where) {
    const HouseRecord& house = houseInPlay();
    expectRecordsReplay(house, where);
    if (::testing::Test::HasFatalFailure()) return;

    // A room changes only by a store on the page that shows it, into what the page showed, by a
    // house read, by the record of a completion in play, or by joining the house.
    std::vector<Model> expected = before.rooms;
    const bool asked = answers_->stored.size() > storesAsked;
    if (kind == Kind::EditorSave) {
      bool drops = false;
      int man = kNoMan;
      const Model stored = storedAs(before, before.editNumberShown, drops, man);
      ASSERT_EQ(asked, drops) << where << ": a store asks exactly when it drops records" << stored.text();
      if (!asked || answers_->stored.back()) {
        expected[static_cast<std::size_t>(before.editNumberShown - 1)] = stored;
        ASSERT_EQ(house.rooms[static_cast<std::size_t>(before.editNumberShown - 1)].man, man) << where;
        previewsDrawn_.set(static_cast<std::size_t>(before.editNumberShown - 1));
        if (before.editNumberShown > house.roomCount) {
          ASSERT_TRUE(text(QStringLiteral("editStatus")).contains("is not in the house")) << where;
        }
      }
    } else {
      ASSERT_FALSE(asked) << where;
    }
    if (kind == Kind::HelpSave) {
      Model& lists = expected[static_cast<std::size_t>(before.helpNumberShown - 1)];
      lists.places = before.helpRoom.places;
      lists.couples = before.helpRoom.couples;
      if (before.helpNumberShown > house.roomCount) {
        ASSERT_TRUE(text(QStringLiteral("helpStatus")).contains("is not in the house")) << where;
      }
    }
    if (kind == Kind::Read) {
      ASSERT_EQ(caption(QStringLiteral("BTchoisiHouse")), QStringLiteral("House: ") + reading_->houseName) << where;
      ASSERT_EQ(house.roomCount, static_cast<int>(reading_->rooms.size())) << where;
      ASSERT_EQ(house.currentRoom, 1) << where;
      // A house file leaves the cells and lists past its count as they were, without records; a
      // collection makes those places anew.
      const std::vector<Model> now = models();
      for (std::size_t slot = 0; slot < kMaxRooms; ++slot) {
        if (slot < reading_->rooms.size()) {
          expected[slot] = reading_->rooms[slot];
        } else if (reading_->name.endsWith(".txt")) {
          expected[slot] = now[slot];
        } else {
          expected[slot].records.clear();
        }
      }
      previewsDrawn_.reset();
      for (std::size_t slot = 0; slot < reading_->rooms.size(); ++slot) previewsDrawn_.set(slot);
      editorMemo_.reset();
    } else {
      ASSERT_TRUE(house.roomCount == before.count ||
                  (kind == Kind::EditorArrow && std::abs(house.roomCount - before.count) == 1))
          << where << ": the count changes only by a house read or a right release on an arrow";
    }
    // The player's solutions join the listed room's records, after those it had, none twice.
    if (kind == Kind::RecordsAdded && find<QLabel>(QStringLiteral("LBlisted"))->text().startsWith("Records of room ")) {
      const auto listed = static_cast<std::size_t>(text(QStringLiteral("LBlisted")).mid(16).toInt() - 1);
      const std::vector<std::string>& now = modelOf(house.rooms[listed]).records;
      std::vector<std::string>& had = expected[listed].records;
      ASSERT_TRUE(now.size() >= had.size() && std::equal(had.begin(), had.end(), now.begin())) << where;
      std::set<std::string> steps;
      for (const std::string& record : now) {
        const std::string solution = solutionOf(record);
        if (!steps.insert(solution).second && std::find(had.begin(), had.end(), record) == had.end())
          FAIL() << where << ": a solution the room held was added again: " << solution;
      }
      had = now;
    }
    // A completion's record joins the room in play's records, after those it had.
    const auto current = static_cast<std::size_t>(before.currentRoom - 1);
    if (kind == Kind::Other && gameShown()) {
      const std::vector<std::string>& now = modelOf(house.rooms[current]).records;
      if (now.size() > expected[current].records.size() &&
          std::equal(expected[current].records.begin(), expected[current].records.end(), now.begin()))
        expected[current].records = now;
    }
    const std::vector<Model> now = models();
    for (std::size_t slot = 0; slot < now.size(); ++slot)
      ASSERT_EQ(now[slot], expected[slot])
          << where << ": room " << slot + 1 << " changed" << now[slot].text() << "\nexpected" << expected[slot].text();

    if (kind == Kind::SaveToDisk) checkSavedFile(where);
    checkPages(before, kind, where);
  }

  // The file just saved holds the house's rooms and records, and its records replay.
  void checkSavedFile(const std::string& where) {
    HouseRecord saved = emptyHouse();
    ASSERT_TRUE(readHouseFile(path(QStringLiteral("walk.hou")).toStdString(), saved).ok()) << where;
    const HouseRecord& house = houseInPlay();
    ASSERT_EQ(saved.roomCount, house.roomCount) << where;
    PoolFile file{QStringLiteral("walk.hou"), QString::fromStdString(house.houseName), {}};
    for (int slot = 0; slot < house.roomCount; ++slot) {
      const auto k = static_cast<std::size_t>(slot);
      ASSERT_EQ(modelOf(saved.rooms[k]), modelOf(house.rooms[k])) << where << ": room " << slot + 1 << " on disk";
      file.rooms.push_back(modelOf(house.rooms[k]));
    }
    expectRecordsReplay(saved, where + " (the saved file)");
    // The file joins the pool, to be opened again.
    pool_.erase(std::remove_if(pool_.begin(), pool_.end(), [](const PoolFile& f) { return f.name == "walk.hou"; }),
                pool_.end());
    pool_.push_back(file);
  }

  // What each page shows names a room of the house in play, or the current room past the count.
  void checkPages(const Before& before, Kind kind, const std::string& where) {
    const HouseRecord& house = houseInPlay();
    const std::vector<Model> rooms = models();
    const Model& current = rooms[static_cast<std::size_t>(house.currentRoom - 1)];
    ASSERT_EQ(caption(QStringLiteral("BTeditNum")), QString::number(house.currentRoom)) << where;
    if (gameShown() && kind == Kind::Start && house.currentRoom > house.roomCount) {
      // What the player's progress says of the room may follow.
      ASSERT_TRUE(text(QStringLiteral("LBstatus"))
                      .startsWith(QStringLiteral("room %1 is not in the house (%2 %3): its records are not saved")
                                      .arg(house.currentRoom)
                                      .arg(house.roomCount)
                                      .arg(house.roomCount == 1 ? "room" : "rooms")))
          << where << text(QStringLiteral("LBstatus")).toStdString();
    }
    if (helpShown()) {
      ASSERT_EQ(helpWork().number, house.currentRoom) << where;
      ASSERT_EQ(caption(QStringLiteral("BThelpNum")), QString::number(house.currentRoom)) << where;
      ASSERT_EQ(helpTree().topLevelItem(0)->text(0),
                QStringLiteral("Death position for Room %1").arg(house.currentRoom))
          << where;
      std::string shownCells = modelOf(helpWork().room).cells;
      for (int cell = 0; cell < kPlayableCells; ++cell) {
        if (shownCells[static_cast<std::size_t>(cell)] == 'm')
          shownCells[static_cast<std::size_t>(cell)] = symbolOf(helpWork().room.cells[cell] - MARK);
      }
      ASSERT_EQ(shownCells, bare(current.cells, house.rooms[static_cast<std::size_t>(house.currentRoom - 1)].man))
          << where << ": the help board shows another room";
      // Lists the page did not edit are the stored ones, whichever page stored them last.
      if (!helpWork().listsEdited) {
        const Model shownLists = modelOf(helpWork().room);
        ASSERT_TRUE(shownLists.places == current.places && shownLists.couples == current.couples)
            << where << ": the help page lists what is not stored" << shownLists.text() << current.text();
      }
    }
    if (shown(QStringLiteral("Onglet2"))) checkPreviews(where);

    // The editor shown again holds what it held, unless the room changed or was loaded afresh.
    const bool editorNow = editorShown();
    if (editorNow) {
      ASSERT_EQ(editorWork().number, house.currentRoom) << where;
    }
    // The room the editor has just loaded is the one stored.
    const bool loaded =
        kind == Kind::EditorArrow || kind == Kind::Read || (kind == Kind::OptionTab && !before.editorShown);
    if (editorNow && loaded && pick(3) == 0) {
      ASSERT_EQ(exported().remove(QLatin1Char('\n')).toStdString(), current.cells) << where << ": the editor's room";
    }
    if (editorNow && !before.editorShown && editorMemo_) {
      const std::string want =
          kind == Kind::OptionTab || editorMemoNumber_ != house.currentRoom ? current.cells : *editorMemo_;
      ASSERT_EQ(modelOf(editorWork().room).cells, want) << where << ": the editor's room";
    }
    if (editorNow || kind == Kind::OptionTab || kind == Kind::EditorArrow) {
      editorMemo_ = modelOf(editorWork().room).cells;
      editorMemoNumber_ = editorWork().number;
    }
  }

  // Each preview drawn since it was last read or stored shows its room, tile for tile.
  void checkPreviews(const std::string& where) {
    const QImage sheet = QImage(QStringLiteral(":/art/sprites8.png")).convertToFormat(QImage::Format_RGB32);
    const std::string tiles = "-# .@+$*";  // the palette's order: columns 0-3 of row 0, then 2-3 of rows 1 and 2
    const std::vector<Model> rooms = models();
    for (int slot = 0; slot < houseInPlay().roomCount; ++slot) {
      if (!previewsDrawn_.test(static_cast<std::size_t>(slot))) continue;
      QImage want(80, 80, QImage::Format_RGB32);
      want.fill(Qt::black);
      QPainter painter(&want);
      const std::string& cells = rooms[static_cast<std::size_t>(slot)].cells;
      for (int cell = 0; cell < kPlayableCells; ++cell) {
        const std::size_t at = tiles.find(cells[static_cast<std::size_t>(cell)]);
        const int column = at < 4 ? static_cast<int>(at) : 2 + static_cast<int>(at - 4) % 2;
        const int row = at < 4 ? 0 : 1 + static_cast<int>(at - 4) / 2;
        painter.drawImage(cell % 10 * 8, cell / 10 * 8, sheet, column * 8, row * 8, 8, 8);
      }
      painter.end();
      const QImage shownPicture =
          picture(QStringLiteral("PICpreview%1").arg(slot)).picture().toImage().convertToFormat(QImage::Format_RGB32);
      ASSERT_TRUE(shownPicture == want) << where << ": preview " << slot << " does not show its room"
                                        << rooms[static_cast<std::size_t>(slot)].text();
    }
  }

  // One walk of `steps` random actions from `seed`.
  void walk(unsigned seed, int steps) {
    random_.seed(seed);
    std::mt19937 answersRandom(seed ^ 0x9E3779B9u);
    mostZoom = 2;
    // The player's progress, kept from walk to walk: solutions of earlier walks come back.
    progressFile = path(QStringLiteral("walk-progress.sqlite3"));
    start();
    DialogAnswers answers(answersRandom);
    answers_ = &answers;
    editorMemo_.reset();
    previewsDrawn_.reset();
    for (int slot = 0; slot < houseInPlay().roomCount; ++slot) previewsDrawn_.set(static_cast<std::size_t>(slot));
    std::string stepsSoFar;
    for (int step = 0; step < steps; ++step) {
      const Before before = snapshot();
      const std::size_t asked = answers.stored.size();
      std::string name;
      const Kind kind = act(name);
      stepsSoFar += name + "; ";
      const std::string where =
          "walk " + std::to_string(seed) + " step " + std::to_string(step) + " (" + stepsSoFar + ")";
      check(before, kind, asked, where);
      if (::testing::Test::HasFatalFailure()) return;
    }
    answers_ = nullptr;
    window.reset();
  }

  std::mt19937 random_;
  DialogAnswers* answers_ = nullptr;
  std::vector<PoolFile> pool_;
  const PoolFile* reading_ = nullptr;      // the file the step opened
  std::string shownRows_;                  // the editor's room as it showed it before "Save"
  std::optional<std::string> editorMemo_;  // the editor's cells when it was last shown or loaded
  int editorMemoNumber_ = 0;
  std::bitset<kMaxRooms> previewsDrawn_;  // the previews drawn since their room was read or stored
};

TEST_F(PageWalk, PagesAgreeAfterEveryStepOfRandomWalks) {
  pool_ = writePool([this](const QString& name, const QByteArray& bytes) { writeFile(name, bytes); });
  const int walks = qEnvironmentVariableIsSet("TARVO_WALKS") ? qEnvironmentVariableIntValue("TARVO_WALKS") : 200;
  for (int k = 0; k < walks; ++k) {
    walk(static_cast<unsigned>(k + 1 + qEnvironmentVariableIntValue("TARVO_WALK_FROM")), 50);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace tarvo::test
