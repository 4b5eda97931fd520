// The rules: the room's cells, its record lists and its text, the forbidden place and couple
// lists (read from whole files in the house reader test) and the marks they put on the working
// room; playing a room: steps and pushes, taking them back, starting over, completion and
// records, and the painting of the board.
#include <gtest/gtest.h>

#include <utility>

#include "house/house_reader.h"
#include "house/house_writer.h"
#include "room_builder.h"
#include "rules/completion.h"
#include "rules/drawing.h"
#include "rules/forbidden_marks.h"
#include "rules/replay.h"

namespace tarvo::test {
namespace {

TEST(RoomCells, MarksNeverChangeOutsideCellsAndBoxesAreRemovedWithTheManLeavingTheGoals) {
  RoomRecord room = roomFromRows({"# $.@-"});
  const RoomRecord unmarked = room;
  for (int cell : {0, 1, 2, 3, 4, 5, 1, 2}) setMark(room, cell);
  EXPECT_EQ(codes(room, 0, 6), (Codes{3, 1, 9, 5, 17, -1})) << "a wall turns into three";
  clearAllMarks(room);
  EXPECT_TRUE(room.cells == unmarked.cells) << roomText(room);

  room = roomFromRows({"#$*.*+#"});
  removeBoxesAndMan(room);
  EXPECT_EQ(codes(room, 0, 7), (Codes{2, 0, 4, 4, 4, 4, 2})) << roomText(room);
}

// Records point into their text: adding more (past a block, and one longer than a block) never
// moves those made earlier, and a list of kept records shares the text.
TEST(RecordLists, RecordsStayWhereTheyWereMadeAndKeptListsShareTheirText) {
  RecordList list;
  std::vector<std::string> solutions;
  for (std::size_t k = 0; k < 300; ++k) {
    solutions.push_back(std::string(k == 7 ? 70000 : k * 3 % 500, "udlr"[k % 4]));
    list.add(RecordFields{"N" + std::to_string(k), std::to_string(k), "00:01", solutions.back()});
  }
  const std::string_view firstName = list[0].name;
  list.add(RecordList::Record{"last", "", "", ""});
  EXPECT_EQ(firstName.data(), list[0].name.data());
  for (std::size_t k = 0; k < solutions.size(); ++k) {
    const RecordList::Record record = list[k];
    ASSERT_TRUE(record.name == "N" + std::to_string(k) && record.moves == std::to_string(k) && record.time == "00:01" &&
                record.solution == solutions[k])
        << k;
  }
  const std::shared_ptr<RecordList> kept = list.kept({7, 300});
  EXPECT_EQ(kept->text(), list.text());
  RecordList copied;
  for (std::size_t k : {7, 300}) copied.add(list[k]);
  EXPECT_TRUE(copied == *kept && !(copied == list));
}

TEST(RoomRows, EachByteIsOneCellShortRowsEndInFloorAndWrittenRowsReadBack) {
  RowBuffer rows = {"####", "#\xE9@$.#", "#x+*-#####!!"};  // 0xE9: an accented byte, one outside cell
  RoomRecord room;
  room.goals->push_back(99);  // left over from an earlier room
  parseRoomRows(room, rows);
  EXPECT_EQ(codes(room, 10, 10), (Codes{2, -1, 16, 8, 4, 2, 0, 0, 0, 0}));
  EXPECT_EQ(codes(room, 20, 10), (Codes{2, -1, 20, 12, -1, 2, 2, 2, 2, 2})) << "two bytes too many";
  EXPECT_EQ(codes(room, 95, 10), (Codes{0, 0, 0, 0, 0, -1, -1, -1, -1, -1}));
  EXPECT_EQ(*room.goals, (Codes{14, 22, 23}));
  EXPECT_EQ(room.man, 22) << "the last man met";

  rows = {"----------", "-#######--", "-#@ $. #--", "-# *+$ #--", "-#######--",
          "----------", "          ", "##########", "          ", "----------"};
  parseRoomRows(room, rows);
  EXPECT_EQ(buildRoomRows(room), rows);
  // A marked cell is written as the same cell unmarked, a code without symbol as outside.
  for (int cell : {11, 22, 23, 24, 25, 26, 33, 34}) setMark(room, cell);
  room.cells[61] = 6;
  room.cells[62] = 7;
  room.cells[63] = 22;
  rows[6] = " ---      ";
  EXPECT_EQ(buildRoomRows(room), rows) << roomText(room);
}

TEST(ForbiddenLists, ListsAreReadInOrderOrRefusedWhole) {
  RoomRecord room;
  std::string placeText;
  std::string coupleText;
  for (int i = 0; i < kMaxPlaces; ++i) placeText += std::to_string(i) + ";";
  for (int i = 0; i < kMaxCouples; ++i) coupleText += "5,6;";
  EXPECT_FALSE(parsePlaceList(room, placeText));
  EXPECT_FALSE(parseCoupleList(room, coupleText));
  EXPECT_TRUE(room.forbPlaces[80] == 79 && room.forbPlaceCount == 80 && room.forbCoupleCount == 40);
  EXPECT_FALSE(parsePlaceList(room, " -10 ;109; "));
  EXPECT_FALSE(parseCoupleList(room, "23,34;45,46;"));
  for (const char* text : {"7;88", "7;x;", "1.5;", "99999999999;"}) EXPECT_TRUE(parsePlaceList(room, text)) << text;
  for (const char* text : {"7,8;9,10", "7;", "7,x;"}) EXPECT_TRUE(parseCoupleList(room, text)) << text;
  EXPECT_EQ(places(room), (Codes{-10, 109})) << "a refused list changes nothing";
  EXPECT_EQ(couples(room), (std::vector<CouplePair>{{23, 34}, {45, 46}}));
}

Codes marksAtStart(const Texts& rows, const char* places, const char* couples) {
  RoomRecord room = roomFromRows(rows, places, couples);
  applyForbiddenMarks(room);
  return markedCells(room);
}

TEST(ForbiddenMarks, APlaceIsAlwaysMarkedAndACoupleCellWhileItsPartnerHoldsABox) {
  // 14 is a place and in a couple whose partner holds no box: it stays marked. 0 is a wall.
  EXPECT_EQ(marksAtStart({"##########", "# $  .   #"}, "0;11;13;14;15;-5;105;", "12,13;14,16;"),
            (Codes{0, 11, 13, 14, 15}));
  // Cell 1 in two couples: it is marked when either partner holds a box, whatever the order.
  const Texts rows = {"# $ #"};  // cell 2 holds the only box
  EXPECT_EQ(marksAtStart(rows, "", "1,2;1,3;"), Codes{1});
  EXPECT_EQ(marksAtStart(rows, "", "1,3;1,2;"), Codes{1});
  EXPECT_EQ(marksAtStart(rows, "", "1,3;"), Codes{});
  EXPECT_EQ(marksAtStart(rows, "", "1,1;2,2;"), Codes{2}) << "a box marks its own cell";
  // A deleted couple (0, 0) names no cell: a place on 0 stays marked, a box on 0 marks nothing.
  EXPECT_EQ(marksAtStart({" $#"}, "0;", "0,0;"), Codes{0});
  EXPECT_EQ(marksAtStart({"$ #"}, "", "0,0;"), Codes{});
}

TEST(ForbiddenMarks, PushesRefreshCoupleMarksAndWalksLeaveThem) {
  GameState state = gameOn(roomFromRows({"######", "#@$  #", "#    #", "######"}, "21;", "13,23;"));
  EXPECT_EQ(markedCells(state.curRoom), Codes{21});
  playStep(state, Direction::Right);
  EXPECT_EQ(markedCells(state.curRoom), (Codes{21, 23})) << roomText(state.curRoom);
  state.curRoom.cells[22] += MARK;  // a mark that no list names is left alone
  for (Direction d : {Direction::Down, Direction::Right, Direction::Right, Direction::Up}) playStep(state, d);
  EXPECT_EQ(markedCells(state.curRoom), (Codes{21, 22, 23})) << roomText(state.curRoom);
  EXPECT_EQ(playStep(state, Direction::Left).step, StepKind::Push);
  EXPECT_EQ(markedCells(state.curRoom), (Codes{21, 22})) << roomText(state.curRoom);
}

constexpr Direction kUp = Direction::Up, kDown = Direction::Down, kRight = Direction::Right, kLeft = Direction::Left;

StepKind step(GameState& state, Direction direction) { return playStep(state, direction).step; }

// A step that must change nothing at all.
void expectUnchanged(GameState& state, Direction direction) {
  const GameState before = state;
  EXPECT_EQ(step(state, direction), StepKind::None) << letterOf(direction) << roomText(before.curRoom);
  EXPECT_TRUE(state.curRoom.cells == before.curRoom.cells) << letterOf(direction) << roomText(state.curRoom);
  EXPECT_EQ(state.counters.moveHistory, before.counters.moveHistory);
}

TEST(Steps, WalkAndPushWriteTheirLetters) {
  GameState state = gameOn(roomFromRows({"#####", "# . #", "# $ #", "#@  #", "#####"}));
  EXPECT_EQ(step(state, kRight), StepKind::Walk);
  EXPECT_EQ(step(state, kUp), StepKind::Push);
  EXPECT_EQ(step(state, kLeft), StepKind::Walk);
  EXPECT_EQ(step(state, kDown), StepKind::Walk);
  EXPECT_EQ(state.counters.moveHistory, "rUld");
  EXPECT_EQ(state.counters.moveCount, 4);
}

TEST(Steps, WallsOutsideCellsSecondBoxesAndAMissingManBlock) {
  const std::pair<RoomRecord, Direction> cases[] = {
      {roomFromRows({"#@#"}), kRight},
      {roomFromRows({"#@#"}, "2;"), kRight},  // a marked wall
      {roomFromRows({"#@$#"}), kRight},
      {roomFromRows({"#@$$ #"}), kRight},
      {roomFromRows({"@ "}), kUp},                                                    // off the top row
      {roomFromRows({"-", "-", "-", "-", "-", "-", "-", "-", " ", " @ "}), kDown},    // off the bottom row
      {roomFromRows({"-", "-", "-", "-", "-", "-", "-", "-", " @ ", " $ "}), kDown},  // a box off the bottom row
      {roomFromRows({"# $ #"}), kRight},                                              // no man
  };
  for (const auto& [room, direction] : cases) {
    GameState state = gameOn(room);
    expectUnchanged(state, direction);
  }
}

TEST(Steps, MarkedCellsNeverBlockAndKeepTheirMarks) {
  GameState state = gameOn(roomFromRows({"#@  $ . #"}, "2;5;6;"));
  EXPECT_EQ(step(state, kRight), StepKind::Walk);
  EXPECT_EQ(state.curRoom.cells[2], 17);
  EXPECT_EQ(step(state, kRight), StepKind::Walk);
  EXPECT_EQ(step(state, kRight), StepKind::Push);
  EXPECT_EQ(codes(state.curRoom, 1, 6), (Codes{0, 1, 0, 16, 9, 5}));
  EXPECT_EQ(step(state, kRight), StepKind::Push);
  EXPECT_EQ(codes(state.curRoom, 1, 6), (Codes{0, 1, 0, 0, 17, 13})) << roomText(state.curRoom);
  EXPECT_EQ(state.counters.moveHistory, "rrRR");
}

TEST(UndoRedo, StepsAreTakenBackAndMadeAgainWithTheirMarks) {
  GameState state = gameOn(roomFromRows({"#######", "#@ $  #", "#######"}, "14;", "13,15;"));
  const RoomRecord atStart = state.curRoom;
  step(state, kRight);
  ASSERT_EQ(step(state, kRight), StepKind::Push);
  const RoomRecord afterPush = state.curRoom;
  EXPECT_TRUE(undoStep(state) && undoStep(state));
  EXPECT_FALSE(undoStep(state));
  expectUnchanged(state, kUp);  // a key into a wall keeps what could be redone
  EXPECT_TRUE(state.curRoom.cells == atStart.cells) << "marks included" << roomText(state.curRoom);
  EXPECT_TRUE(state.counters.moveCount == 0 && state.counters.moveHistory.empty());
  EXPECT_EQ(redoStep(state).step, StepKind::Walk);
  EXPECT_EQ(redoStep(state).step, StepKind::Push);
  EXPECT_TRUE(state.curRoom.cells == afterPush.cells) << roomText(state.curRoom);
  EXPECT_EQ(state.counters.moveHistory, "rR");

  EXPECT_TRUE(undoStep(state));
  EXPECT_EQ(step(state, kLeft), StepKind::Walk);
  EXPECT_EQ(redoStep(state).step, StepKind::None) << "a new step drops what could be redone";
}

TEST(StartingRooms, AStartBringsBackTheStoredRoomWithFreshCountersAndNoUndo) {
  RoomRecord room = roomFromRows({"######", "#@$. #", "#    #", "######"});
  GameState state = gameOn(room);
  state.house.rooms[1] = roomFromRows({"#@ #"});
  state.house.roomCount = 2;
  step(state, kDown);
  step(state, kUp);
  startRoom(state, 7000);
  EXPECT_TRUE(state.curRoom.cells == room.cells) << roomText(state.curRoom);
  EXPECT_TRUE(state.counters.moveCount == 0 && state.counters.moveHistory.empty() && state.counters.startTime == 7000);
  EXPECT_FALSE(undoStep(state));
  EXPECT_EQ(state.curRoom.records, state.house.rooms[0].records) << "records made in play reach the house";

  // Next and previous wrap around; a room number without a slot keeps the working room.
  nextRoom(state, 0);
  EXPECT_EQ(state.curRoom.man, 1);
  nextRoom(state, 0);
  previousRoom(state, 0);
  EXPECT_EQ(state.house.currentRoom, 2);
  state.house.currentRoom = 17;
  startRoom(state, 0);
  EXPECT_EQ(state.curRoom.man, 1);
}

TEST(Completion, OnlyTheStepThatCoversTheLastGoalWithANewSolutionCompletes) {
  for (const char* row : {"#@$#", "#@*.$#"}) EXPECT_FALSE(isComplete(roomFromRows({row}))) << row;  // no goal; one bare
  EXPECT_TRUE(isComplete(roomFromRows({"#@*$#"}))) << "a spare box may stand anywhere";
  GameState state = gameOn(roomFromRows({"######", "#@$. #", "#    #", "######"}));
  ASSERT_TRUE(playStep(state, kRight).completed) << roomText(state.curRoom);
  ASSERT_TRUE(appendRecordExceptName(state, 0));
  appendRecordName(state, "Ann");
  for (Direction d : {kDown, kDown, kLeft}) EXPECT_FALSE(playStep(state, d).solved) << letterOf(d);
  // Undoing the winning push and making it again is the same solution: no second record, though
  // the room is solved again by that step.
  ASSERT_TRUE(undoStep(state) && undoStep(state) && undoStep(state));
  const KeyOutcome again = redoStep(state);
  EXPECT_TRUE(again.solved && !again.completed);
  // Another way to the goal is a new solution.
  ASSERT_TRUE(undoStep(state));
  for (Direction d : {kDown, kUp}) EXPECT_FALSE(playStep(state, d).completed);
  EXPECT_TRUE(playStep(state, kRight).completed) << state.counters.moveHistory;
}

TEST(Records, ACompletionAppendsToTheCurrentRoomsListsAndReplays) {
  const RoomRecord room = roomFromRows({"######", "#@$. #", "#    #", "######"});
  GameState state = gameOn(room, 2);
  state.counters.startTime = 5000;
  step(state, kDown);
  step(state, kUp);
  // Back to the room's start, as the "Game" tab does: the next record holds only what follows.
  startRoom(state, 5000);
  ASSERT_TRUE(playStep(state, kRight).completed);
  EXPECT_TRUE(appendRecordExceptName(state, 5000 + 65000));
  EXPECT_TRUE(state.house.rooms[1].records->empty()) << "the name comes afterwards";
  appendRecordName(state, "Ann\tLee\r\n");
  startRoom(state, 5000);
  ASSERT_TRUE(playStep(state, kRight).completed) << "after a restart the first solution counts again";
  // An hour and more: the minutes go on, and the time reads back from the file as it was.
  EXPECT_TRUE(appendRecordExceptName(state, 5000 + 3661 * 1000));
  appendRecordName(state, "");
  HouseRecord back;
  ASSERT_TRUE(readHouse(writeHouse(state.house), back).ok());
  EXPECT_EQ(records(back.rooms[1]), (Texts{"Ann Lee  |1|01:05|R", "|1|61:01|R"}));
  const RecordList& made = *state.house.rooms[1].records;
  for (std::size_t k = 0; k < made.size(); ++k) EXPECT_EQ(replayProblem(room, made[k].solution), std::nullopt);
  EXPECT_EQ(formatElapsed(64999), "01:04");
  EXPECT_EQ(formatElapsed(6000000), "100:00");
}

// The reader takes at most kMaxHouseRecords records in all: play stops there, and a house
// past it (a room taken off the house and added back brings its records) is not written.
TEST(Records, AtTheHouseBoundACompletionMakesNoRecordAndAHouseBeyondItIsNotWritten) {
  GameState state = gameOn(roomFromRows({"######", "#@$. #", "#    #", "######"}), 2);
  const RoomRecord& other = state.house.rooms[0];
  for (std::int64_t k = 1; k < kMaxHouseRecords; ++k) other.records->add(RecordList::Record{});
  ASSERT_TRUE(playStep(state, kRight).makesRecord());
  ASSERT_TRUE(appendRecordExceptName(state, 0));
  appendRecordName(state, "Last");
  EXPECT_EQ(whyNotReadBack(state.house, writeHouse(state.house).size()), std::nullopt);

  startRoom(state, 0);
  const KeyOutcome full = playStep(state, kRight);
  EXPECT_TRUE(full.completed && full.noRecord == NoRecord::HouseFull && !full.makesRecord());
  EXPECT_FALSE(appendRecordExceptName(state, 0));
  EXPECT_EQ(records(state.house.rooms[1]), (Texts{"Last|1|00:00|R"}));

  const RecordList atTheBound = *other.records;
  other.records->add(RecordList::Record{});
  const std::string bytes = writeHouse(state.house);
  EXPECT_EQ(whyNotReadBack(state.house, bytes.size()),
            "the house holds 200001 records, more than the 200000 a house file may hold, so it was not saved: it "
            "could not be opened again");
  HouseRecord back;
  EXPECT_FALSE(readHouse(bytes, back).ok()) << "the reader agrees";
  *other.records = atTheBound;
  EXPECT_TRUE(whyNotReadBack(state.house, kMaxHouseFileBytes + 1).has_value()) << "nor a file too large to read";
}

TEST(Help, TheStampFollowsThePositionAndACompletionAfterHelpMakesNoRecordUntilARestart) {
  GameState state = gameOn(roomFromRows({"######", "#@$. #", "#    #", "######"}));
  // The position stamp, which tells an answer in flight from a stale one, changes with every
  // change of the position only.
  std::uint32_t seen = state.positionStamp;
  auto changed = [&] { return std::exchange(seen, state.positionStamp) != state.positionStamp; };
  step(state, kUp);  // a wall
  undoStep(state);   // nothing to undo
  EXPECT_FALSE(changed());
  step(state, kDown);
  EXPECT_TRUE(changed());
  undoStep(state);
  EXPECT_TRUE(changed()) << "back to an earlier position is still a change for an answer in flight";
  redoStep(state);
  EXPECT_TRUE(changed());
  startRoom(state, 0);
  EXPECT_TRUE(changed());

  markHelpUsed(state);
  step(state, kDown);
  ASSERT_TRUE(undoStep(state));
  const KeyOutcome helped = playStep(state, kRight);
  EXPECT_TRUE(helped.completed && helped.noRecord == NoRecord::HelpUsed && !helped.makesRecord())
      << "undo keeps the help";
  EXPECT_FALSE(appendRecordExceptName(state, 0)) << "the core refuses the record too";
  EXPECT_TRUE(state.house.rooms[0].records->empty());
  startRoom(state, 0);
  EXPECT_TRUE(playStep(state, kRight).makesRecord());
  EXPECT_TRUE(appendRecordExceptName(state, 0));

  // Choosing a room by number: only rooms of the house; each choice is a fresh start.
  state.house.roomCount = 2;
  state.house.rooms[1] = roomFromRows({"#@ #"});
  markHelpUsed(state);
  EXPECT_FALSE(chooseRoom(state, 3, 0));
  EXPECT_FALSE(chooseRoom(state, 0, 0));
  EXPECT_TRUE(state.helpUsed && state.house.currentRoom == 1) << "a refused choice changes nothing";
  EXPECT_TRUE(chooseRoom(state, 2, 0));
  EXPECT_TRUE(state.curRoom.man == 1 && !state.helpUsed);
}

TEST(Replay, TheFirstStepThatDoesNotFitIsNamedAndNotPlayedAndTheFirstPushIsFound) {
  const RoomRecord room = roomFromRows({"#######", "#@ $ .#", "#     #", "#######"});
  GameState state = gameOn(room);
  const std::string steps = "rRdR";
  for (std::size_t k = 0; k < 3; ++k)
    EXPECT_EQ(replayStep(state, steps, k).outcome.step, k == 1 ? StepKind::Push : StepKind::Walk);
  const RoomRecord before = state.curRoom;
  const ReplayedStep walk = replayStep(state, steps, 3);  // a push letter where the man would walk
  EXPECT_EQ(walk.problem, "step 4 'R' walks without pushing");
  EXPECT_EQ(walk.outcome.step, StepKind::None);
  EXPECT_TRUE(state.curRoom.cells == before.cells && state.counters.moveHistory == "rRd") << roomText(state.curRoom);
  EXPECT_EQ(replayEndProblem(state.curRoom), "the room is not complete after the last step");
  const RoomRecord corridor = roomFromRows({"#######", "#@$  .#", "#######"});
  EXPECT_EQ(replayProblem(corridor, "RRR"), std::nullopt);
  EXPECT_EQ(replayProblem(corridor, "rRR"), "step 1 'r' pushes a box");
  EXPECT_EQ(replayProblem(corridor, "RuR"), "step 2 'u' is blocked");
  EXPECT_EQ(replayProblem(corridor, "RxR"), "step 2 'x' is no step letter");
  EXPECT_EQ(replayProblem(corridor, "R\x01R"), "step 2 (byte 0x01) is no step letter") << "a control byte shows";

  const std::optional<Push> push = firstPush(room, "druR");
  ASSERT_TRUE(push.has_value());
  EXPECT_TRUE(push->box == 13 && push->direction == kRight) << push->box;
  EXPECT_FALSE(firstPush(room, "rr").has_value()) << "no push";
  EXPECT_FALSE(firstPush(room, "rrR").has_value()) << "the walk pushes before the push letter";
  EXPECT_FALSE(firstPush(room, "U").has_value()) << "no box above";
}

class RecordingCanvas : public TileCanvas {
 public:
  struct Painted {
    SpriteSheet sheet;
    Tile tile;
    int x, y;
  };
  void drawTile(SpriteSheet sheet, Tile tile, int x, int y) override { painted.push_back({sheet, tile, x, y}); }
  std::size_t count() { return std::exchange(painted, {}).size(); }
  std::vector<Painted> painted;
};

TEST(Drawing, AWholeRoomIsPaintedTileByTileAndAMarkedWallAsAWall) {
  RoomRecord room = roomFromRows({"#####", "#@$.#", "#*. #", "#####", "", "-------$"});
  setMark(room, 0);
  RecordingCanvas canvas;
  CounterTexts texts = drawRoom(canvas, SpriteSheet::Small, room, 7);
  ASSERT_EQ(canvas.painted.size(), 100u) << roomText(room);
  EXPECT_TRUE(canvas.painted[0].tile == canvas.painted[1].tile) << "the marked wall shows the wall tile";
  const auto& box = canvas.painted[57];
  EXPECT_TRUE(box.sheet == SpriteSheet::Small && box.x == 56 && box.y == 40 && box.tile == (Tile{2, 2}));
  for (int cell = 0; cell < kPlayableCells; ++cell) EXPECT_EQ(canvas.drawnCells()[cell], room.cells[cell]) << cell;
  EXPECT_EQ(texts.moveText, "7");
  EXPECT_EQ(texts.goalText, "1/3");
}

TEST(Drawing, OnlyChangedCellsAreRepaintedAndEachPictureKeepsItsOwnCache) {
  GameState state = gameOn(roomFromRows({"#######", "#@ $ .#", "#  $ *#", "#######"}, "", "13,23;"));
  RecordingCanvas board;
  RecordingCanvas other;
  // A fresh picture counts every inner cell as changed; walls and outside are never painted here.
  redrawChangedCells(board, state.curRoom, 0);
  ASSERT_EQ(board.painted.size(), 10u);
  EXPECT_TRUE(board.painted[0].sheet == SpriteSheet::Large && board.painted[0].x == 32 && board.painted[0].y == 32);
  EXPECT_EQ(board.count(), 10u);
  redrawChangedCells(board, state.curRoom, 0);
  EXPECT_EQ(board.count(), 0u);
  drawRoom(other, SpriteSheet::Large, gameOn(roomFromRows({"#@#"})).curRoom, 0);
  CounterTexts texts;
  for (std::size_t tiles : {2, 4, 3}) {  // a walk; a push that unmarks 23; a push
    step(state, kRight);
    texts = redrawChangedCells(board, state.curRoom, state.counters.moveCount);
    EXPECT_EQ(board.count(), tiles) << roomText(state.curRoom);
  }
  EXPECT_EQ(texts.goalText, "2/2");
  drawCell(board, SpriteSheet::Large, 11, BOX);
  EXPECT_EQ(board.count(), 1u);
  redrawChangedCells(board, state.curRoom, 0);
  EXPECT_EQ(board.count(), 1u) << "a single tile painted directly is in the cache";
}

}  // namespace
}  // namespace tarvo::test
