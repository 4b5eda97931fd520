// Random walks across the pages, as a player who never sticks to one page: each step is an
// action on the page shown (or a tab), any dialog it opens is answered at random, and after
// every step the pages must still agree about the house and its rooms. TARVO_WALKS=N walks N
// times from as many seeds.
#include <QInputDialog>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include <random>
#include <sstream>

#include "about/about_box_qt.h"
#include "editor/commands.h"
#include "help/help_edits.h"
#include "room_builder.h"
#include "rules/replay.h"
#include "solver/solver.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

// A room as the checks compare it: its cells, lists and records.
std::string described(const RoomRecord& room) {
  std::ostringstream text;
  text << roomText(room) << "places";
  for (std::int32_t cell : places(room)) text << ' ' << cell;
  text << "\ncouples";
  for (const CouplePair& couple : couples(room)) text << ' ' << couple.cellA << ',' << couple.cellB;
  for (const std::string& record : records(room)) text << "\nrecord " << record;
  return text.str();
}

RoomRecord withLists(RoomRecord room, const RoomRecord& lists) {
  room.forbPlaceCount = lists.forbPlaceCount;
  room.forbPlaces = lists.forbPlaces;
  room.forbCoupleCount = lists.forbCoupleCount;
  room.forbCouples = lists.forbCouples;
  return room;
}

// Answers every modal dialog that opens while a step runs, at random: the name prompt, the
// store's question, the About box and any message.
class DialogAnswers {
 public:
  explicit DialogAnswers(std::mt19937& random) : random_(random) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
    poll_.start(2);
  }
  std::vector<std::string> questions;  // the store questions asked
  std::vector<bool> stored;            // and whether Store was the answer

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    const bool yes = random_() % 2 == 0;
    if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
      prompt->setTextValue(QStringLiteral("Walker"));
      yes ? prompt->accept() : prompt->reject();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      QAbstractButton* store = nullptr;
      for (QAbstractButton* button : box->buttons())
        if (button->text() == QStringLiteral("Store")) store = button;
      if (store == nullptr) {
        box->done(0);
        return;
      }
      questions.push_back(box->text().toStdString());
      stored.push_back(yes);
      (yes ? store : box->button(QMessageBox::Cancel))->click();
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
  enum class Kind { Other, Tab, OptionTab, EditorSave, HelpSave };

  const GameState& state() const { return window->state(); }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  QPoint anyTile() { return tile(pick(100)).center(); }
  bool editorShown() const { return shown(QStringLiteral("Onglet2_1")); }
  bool helpShown() const { return shown(QStringLiteral("Onglet2_2")); }

  void pressOn(QWidget* widget, Qt::MouseButton button, QPoint at) { QTest::mousePress(widget, button, {}, at); }
  Qt::MouseButton anyButton() { return std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[pick(3)]; }

  // Clicks the button of that name, which names the step.
  void clickNamed(std::string& name, const char* button) {
    name = button;
    click(QString::fromLatin1(button));
  }

  // One random action on the page shown, or on a tab strip. Returns what kind it was.
  Kind act(std::string& name) {
    const int choice = pick(10);
    const bool about =
        !shown(QStringLiteral("Onglet1")) && !shown(QStringLiteral("Onglet2")) && !shown(QStringLiteral("Onglet3"));
    if (choice < 2 || about) {
      const int tab = pick(4);
      name = "main tab " + std::to_string(tab + 1);
      clickMainTab(tab + 1);
      return tab == 2 ? Kind::OptionTab : Kind::Tab;
    }
    if (shown(QStringLiteral("Onglet1"))) return actOnGame(name);
    if (shown(QStringLiteral("Onglet2"))) return actOnRoomPage(name);
    if (choice < 3) {
      const int page = pick(2);
      name = "option tab " + std::to_string(page + 1);
      clickTab(tabs(QStringLiteral("LesOnglets2")), page);
      return Kind::Tab;
    }
    return editorShown() ? actOnEditor(name) : actOnHelp(name);
  }

  Kind actOnGame(std::string& name) {
    const int choice = pick(10);
    if (choice < 5) {
      clickNamed(name, std::array{"BTmoinsMove", "BTplusMove", "BTrecommence", "BTmoins", "BTplus"}[choice]);
    } else if (choice < 9) {
      name = "keys";
      for (int k = pick(6); k >= 0; --k) key(kDirectionKeys[pick(4)]);
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
    if (rows > 0 && pick(2) == 0) {
      name = "record double click";
      const QRect row = list->visualRect(list->model()->index(pick(rows), 0));
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    } else {
      const int preview = pick(state().house.roomCount < 16 ? state().house.roomCount + 1 : 16);
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
      pressOn(find(QStringLiteral("PICsprites")), button, slot(pick(4), pick(3)));
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
      QTest::mouseClick(button(QString::fromLatin1(name.c_str())), anyButton());
    } else if (choice == 6) {
      clickNamed(name, "BTeditSave");
      return Kind::EditorSave;
    } else if (choice == 7) {
      clickTab(tabs(QStringLiteral("LesOnglets3")), 2);
      clickNamed(name, std::array{"BTup", "BTdown", "BTleft", "BTright"}[pick(4)]);
    } else if (choice == 8) {
      clickTab(tabs(QStringLiteral("LesOnglets3")), 1);
      if (pick(2) == 0) {
        clickNamed(name, "BTexport");
        return Kind::Other;
      }
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
      pressHelpCell(pick(100), button);
    } else {
      clickNamed(name, std::array{"BThelpSave", "BThelpMoins", "BThelpPlus", "BThelpSuggest"}[choice - 4]);
      if (choice == 4) return Kind::HelpSave;
    }
    return Kind::Other;
  }

  // The house as the checks see it, room by room.
  std::vector<std::string> house() const {
    std::vector<std::string> rooms;
    for (const RoomRecord& room : state().house.rooms) rooms.push_back(described(room));
    return rooms;
  }

  // What the checks need of the state before a step.
  struct Before {
    std::array<RoomRecord, kMaxRooms> rooms;  // the records lists are shared, the rest copied
    std::vector<std::string> house;
    int editNumberShown = 0;
    int helpNumberShown = 0;
    RoomRecord editRoom;
    RoomRecord helpRoom;
    bool editorShown = false;
    int currentRoom = 1;
  };

  Before snapshot() const {
    return {state().house.rooms,
            house(),
            caption(QStringLiteral("BTeditNum")).toInt(),
            caption(QStringLiteral("BThelpNum")).toInt(),
            editorWork().room,
            helpWork().room,
            shown(QStringLiteral("Onglet3")) && editorShown(),
            state().house.currentRoom};
  }

  // The editor's room stored as room `slot` was: what it showed, with the records of the room
  // that still solve it. Sets `drops` when some do not.
  static std::string storedAs(const Before& before, std::size_t slot, bool& drops) {
    RoomRecord stored = roomAsStored(before.editRoom);
    const RoomRecord& old = before.rooms[slot];
    stored.records = std::make_shared<RecordList>();
    for (std::size_t k = 0; k < old.recordCount(); ++k) {
      if (!replayProblem(stored, (*old.records)[k].solution)) stored.records->add((*old.records)[k]);
    }
    drops = stored.recordCount() < old.recordCount();
    return described(stored);
  }

  // The checks after each step; `where` names the walk and the step for the failure message.
  void check(const Before& before, Kind kind, std::size_t questionsBefore, const std::string& where) {
    const HouseRecord& house = state().house;
    for (int slot = 0; slot < kMaxRooms; ++slot) {
      const RoomRecord& room = house.rooms[static_cast<std::size_t>(slot)];
      for (std::size_t k = 0; k < room.recordCount(); ++k)
        ASSERT_EQ(replayProblem(room, (*room.records)[k].solution), std::nullopt)
            << where << ": a record of room " << slot + 1;
    }

    // A room changes only by a store on the page that shows it, then into what the page showed,
    // or by the record of a completion in play.
    std::vector<std::string> expected = before.house;
    const bool asked = answers_->questions.size() > questionsBefore;
    if (kind == Kind::EditorSave) {
      const auto slot = static_cast<std::size_t>(before.editNumberShown - 1);
      bool drops = false;
      const std::string stored = storedAs(before, slot, drops);
      ASSERT_EQ(asked, drops) << where << ": a store asks exactly when it drops records" << stored
                              << described(before.rooms[slot]);
      if (!asked || answers_->stored.back()) expected[slot] = stored;
    } else {
      ASSERT_FALSE(asked) << where;
    }
    if (kind == Kind::HelpSave) {
      const auto slot = static_cast<std::size_t>(before.helpNumberShown - 1);
      expected[slot] = described(withLists(before.rooms[slot], before.helpRoom));
    }
    // A completion's record joins the shared lists; the check above replays it.
    const auto current = static_cast<std::size_t>(before.currentRoom - 1);
    if (kind == Kind::Other) expected[current] = described(before.rooms[current]);
    const std::vector<std::string> now = this->house();
    for (std::size_t slot = 0; slot < now.size(); ++slot)
      ASSERT_EQ(now[slot], expected[slot]) << where << ": room " << slot + 1 << " changed";

    // The numbers shown name the rooms the pages act on.
    ASSERT_EQ(caption(QStringLiteral("BTeditNum")), QString::number(house.currentRoom)) << where;
    if (shown(QStringLiteral("Onglet3")) && helpShown()) {
      ASSERT_EQ(helpWork().number, house.currentRoom) << where;
      ASSERT_EQ(caption(QStringLiteral("BThelpNum")), QString::number(house.currentRoom)) << where;
      ASSERT_EQ(helpTree().topLevelItem(0)->text(0),
                QStringLiteral("Death position for Room %1").arg(house.currentRoom))
          << where;
      if (const RoomRecord* stored = house.roomNumber(house.currentRoom)) {
        RoomRecord bare = *stored, shownRoom = helpWork().room;
        prepareHelpRoom(bare);
        clearAllMarks(shownRoom);
        ASSERT_EQ(roomText(shownRoom), roomText(bare)) << where << ": the help board shows another room";
      }
    }

    // The editor shown again holds what it held, unless the room changed or its tab reloaded it.
    const bool editorNow = shown(QStringLiteral("Onglet3")) && editorShown();
    if (editorNow) {
      ASSERT_EQ(editorWork().number, house.currentRoom) << where;
    }
    if (editorNow && !before.editorShown && editorMemo_) {
      const RoomRecord* stored = house.roomNumber(house.currentRoom);
      const RoomRecord want =
          kind == Kind::OptionTab || editorMemoNumber_ != house.currentRoom ? *stored : *editorMemo_;
      ASSERT_EQ(described(editorWork().room), described(want)) << where << ": the editor's room";
    }
    if (editorNow || kind == Kind::OptionTab) {
      editorMemo_ = editorWork().room;
      editorMemoNumber_ = editorWork().number;
    } else if (kind == Kind::HelpSave && editorMemo_ && editorMemoNumber_ == before.helpNumberShown) {
      editorMemo_ = withLists(*editorMemo_, before.helpRoom);  // the editor takes the lists saved
    }
  }

  // One walk of `steps` random actions from `seed`.
  void walk(unsigned seed, int steps) {
    random_.seed(seed);
    std::mt19937 answersRandom(seed ^ 0x9E3779B9u);
    start();
    DialogAnswers answers(answersRandom);
    answers_ = &answers;
    editorMemo_.reset();
    std::string steps_so_far;
    for (int step = 0; step < steps; ++step) {
      const Before before = snapshot();
      const std::size_t asked = answers.stored.size();
      std::string name;
      const Kind kind = act(name);
      steps_so_far += name + "; ";
      const std::string where =
          "walk " + std::to_string(seed) + " step " + std::to_string(step) + " (" + steps_so_far + ")";
      check(before, kind, asked, where);
      if (::testing::Test::HasFatalFailure()) return;
    }
    answers_ = nullptr;
    window.reset();
  }

  std::mt19937 random_;
  DialogAnswers* answers_ = nullptr;
  std::optional<RoomRecord> editorMemo_;  // the editor's room when it was last shown or loaded
  int editorMemoNumber_ = 0;
};

TEST_F(PageWalk, PagesAgreeAfterEveryStepOfRandomWalks) {
  const int walks = qEnvironmentVariableIsSet("TARVO_WALKS") ? qEnvironmentVariableIntValue("TARVO_WALKS") : 200;
  for (int k = 0; k < walks; ++k) {
    walk(static_cast<unsigned>(k + 1), 50);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace tarvo::test
