// Playing a room: steps and pushes, taking them back, completion and records, and the
// painting of the board.
#include <gtest/gtest.h>

#include <utility>

#include "rules/completion.h"
#include "room_builder.h"

namespace tarvo::test {
namespace {

// A key press that must change nothing at all.
void expectUnchanged(GameState& state, int keyCode) {
  const GameState before = state;
  EXPECT_EQ(stepMan(state, keyCode), StepKind::None) << "key " << keyCode << roomText(before.curRoom);
  EXPECT_TRUE(state.curRoom.cells == before.curRoom.cells) << "key " << keyCode << roomText(state.curRoom);
  EXPECT_EQ(state.counters.moveHistory, before.counters.moveHistory);
}

TEST(Steps, KeypadKeysWalkAndPushAndWriteTheirLetters) {
  GameState state = startRoom(roomFromRows({"#####", "# . #", "# $ #", "#@  #", "#####"}));
  EXPECT_EQ(stepMan(state, 102), StepKind::Walk);
  EXPECT_EQ(stepMan(state, 104), StepKind::Push);
  EXPECT_EQ(stepMan(state, 100), StepKind::Walk);
  EXPECT_EQ(stepMan(state, 98), StepKind::Walk);
  EXPECT_EQ(state.counters.moveHistory, "rUld");
  EXPECT_EQ(state.counters.moveCount, 4);
  EXPECT_TRUE(state.curRoom.cells == roomFromRows({"#####", "# * #", "#   #", "#@  #", "#####"}).cells)
      << roomText(state.curRoom);
}

TEST(Steps, WallsOutsideCellsAndSecondBoxesBlock) {
  const std::pair<Texts, int> cases[] = {
      {{"#@#"}, keyRight},
      {{"#@$#"}, keyRight},
      {{"#@$$ #"}, keyRight},
      {{"@ "}, keyUp},                                                  // off the top row
      {{"-", "-", "-", "-", "-", "-", "-", "-", " ", " @ "}, keyDown},   // off the bottom row
      {{"-", "-", "-", "-", "-", "-", "-", "-", " @ ", " $ "}, keyDown}  // a box off the bottom row
  };
  for (const auto& [rows, key] : cases) {
    GameState state = startRoom(roomFromRows(rows));
    expectUnchanged(state, key);
  }
  GameState state = startRoom(roomFromRows({"#@#"}));
  setMark(state.curRoom, 2);
  expectUnchanged(state, keyRight);
}

TEST(Steps, MarkedCellsNeverBlockAndKeepTheirMarks) {
  RoomRecord room = roomFromRows({"#@  $ . #"});
  ASSERT_FALSE(parsePlaceList(room, "2;5;6;"));
  GameState state = startRoom(room);
  EXPECT_EQ(stepMan(state, keyRight), StepKind::Walk);
  EXPECT_EQ(state.curRoom.cells[2], 17);
  EXPECT_EQ(stepMan(state, keyRight), StepKind::Walk);
  EXPECT_EQ(stepMan(state, keyRight), StepKind::Push);
  EXPECT_EQ(codes(state.curRoom, 1, 6), (Codes{0, 1, 0, 16, 9, 5}));
  EXPECT_EQ(stepMan(state, keyRight), StepKind::Push);
  EXPECT_EQ(codes(state.curRoom, 1, 6), (Codes{0, 1, 0, 0, 17, 13})) << roomText(state.curRoom);
  EXPECT_EQ(state.counters.moveHistory, "rrRR");
}

TEST(Steps, OnlyDirectionKeysAndARealManMove) {
  GameState state = startRoom(roomFromRows({"-", "-", "---------@", " "}));
  EXPECT_EQ(stepMan(state, keyRight), StepKind::Walk) << "the index is linear";
  EXPECT_EQ(state.curRoom.man, 30);

  state = startRoom(roomFromRows({"#@$   #"}));
  ASSERT_EQ(stepMan(state, keyRight), StepKind::Push);
  // Keypad 5, 7, 9, the arrow keys, a letter: the last push is not made again.
  for (int key : {0, 101, 103, 105, 37, 38, 39, 40, 65}) expectUnchanged(state, key);
  state.curRoom.man = 4;  // floor, next to floor
  expectUnchanged(state, keyRight);
  state.curRoom.man = -5;
  expectUnchanged(state, keyDown);
  GameState noMan = startRoom(roomFromRows({"# $ #"}));
  expectUnchanged(noMan, keyRight);
}

TEST(UndoRedo, StepsAreTakenBackAndMadeAgainWithTheirMarks) {
  RoomRecord room = roomFromRows({"#######", "#@ $  #", "#######"});
  ASSERT_FALSE(parsePlaceList(room, "14;"));
  ASSERT_FALSE(parseCoupleList(room, "13,15;"));
  GameState state = startRoom(room);
  const RoomRecord atStart = state.curRoom;
  stepMan(state, keyRight);
  ASSERT_EQ(stepMan(state, keyRight), StepKind::Push);
  const RoomRecord afterPush = state.curRoom;
  EXPECT_TRUE(undoStep(state) && undoStep(state));
  EXPECT_FALSE(undoStep(state));
  EXPECT_TRUE(state.curRoom.cells == atStart.cells) << "marks included" << roomText(state.curRoom);
  EXPECT_TRUE(state.counters.moveCount == 0 && state.counters.moveHistory.empty());
  EXPECT_EQ(redoStep(state), StepKind::Walk);
  EXPECT_EQ(redoStep(state), StepKind::Push);
  EXPECT_TRUE(state.curRoom.cells == afterPush.cells) << roomText(state.curRoom);
  EXPECT_EQ(state.counters.moveHistory, "rR");

  EXPECT_TRUE(undoStep(state));
  EXPECT_EQ(stepMan(state, keyLeft), StepKind::Walk);
  EXPECT_EQ(redoStep(state), StepKind::None) << "a new step drops what could be redone";
  clearUndo(state);
  EXPECT_FALSE(undoStep(state));
}

TEST(Completion, OnlyTheStepThatCoversTheLastGoalCompletes) {
  for (const char* row : {"#@$#", "#@*.$#"}) EXPECT_FALSE(isComplete(roomFromRows({row}))) << row;  // no goal; one bare
  EXPECT_TRUE(isComplete(roomFromRows({"#@*$#"}))) << "a spare box may stand anywhere";
  GameState state = startRoom(roomFromRows({"######", "#@$. #", "#    #", "######"}));
  EXPECT_TRUE(playKey(state, keyRight).completed) << roomText(state.curRoom);
  for (int key : {keyDown, keyDown, 101, keyLeft}) EXPECT_FALSE(playKey(state, key).completed) << key;
  ASSERT_TRUE(undoStep(state) && undoStep(state) && undoStep(state));
  EXPECT_TRUE(playRedo(state).completed) << "redoing the push";
}

TEST(Records, ACompletionAppendsToTheCurrentRoomsLists) {
  GameState state = startRoom(roomFromRows({"#@$.#"}), 2);
  state.counters.startTime = 5000;
  ASSERT_TRUE(playKey(state, keyRight).completed);
  EXPECT_TRUE(appendRecordExceptName(state, 5000 + 65000));
  EXPECT_TRUE(state.house.rooms[1].recNames->empty()) << "the name comes afterwards";
  appendRecordName(state, "Ann\tLee\r\n");
  EXPECT_TRUE(appendRecordExceptName(state, 5000 + ((1 * 60 + 2) * 60 + 3) * 1000));
  appendRecordName(state, "");
  EXPECT_EQ(records(state.house.rooms[1]), (Texts{"Ann Lee  |1|01:05|R", "|1|02:03|R"}));
  EXPECT_EQ(formatElapsed(65000), "01:05");
  EXPECT_EQ(formatElapsed(64999), "01:04");
  EXPECT_EQ(formatElapsed(3599999), "59:59");
}

class RecordingCanvas : public TileCanvas {
 public:
  struct Painted { SpriteSheet sheet; Tile tile; int x, y; };
  void drawTile(SpriteSheet sheet, Tile tile, int x, int y) override { painted.push_back({sheet, tile, x, y}); }
  std::size_t count() { return std::exchange(painted, {}).size(); }
  std::vector<Painted> painted;
};

TEST(Drawing, AWholeRoomIsPaintedTileByTileAndCached) {
  const std::pair<int, Tile> table[] = {
      {-1, {0, 0}}, {2, {1, 0}},  {0, {2, 0}},  {4, {3, 0}}, {1, {4, 0}},  {5, {5, 0}},  {16, {2, 1}},
      {20, {3, 1}}, {17, {4, 1}}, {21, {5, 1}}, {8, {2, 2}}, {12, {3, 2}}, {9, {4, 2}}, {13, {5, 2}}};
  for (const auto& [code, tile] : table) EXPECT_TRUE(tileOf(code) == tile) << code;
  for (int code : {3, 6, 7, 10, 11, 14, 15, 18, 19, 22, 24, 25, -2}) EXPECT_FALSE(tileOf(code)) << code;

  RoomRecord room = roomFromRows({"#####", "#@$.#", "#*. #", "#####", "", "-------$"});
  setMark(room, 0);  // a marked wall has no tile
  DrawnCells drawn;
  RecordingCanvas canvas;
  CounterTexts texts = drawRoom(canvas, SpriteSheet::Small, room, drawn, 7);
  ASSERT_EQ(canvas.painted.size(), 99u) << roomText(room);
  const auto& box = canvas.painted[56];  // cell 57, the marked wall being skipped
  EXPECT_TRUE(box.sheet == SpriteSheet::Small && box.x == 56 && box.y == 40 && box.tile == (Tile{2, 2}));
  for (int cell = 0; cell < kPlayableCells; ++cell) EXPECT_EQ(drawn[cell], room.cells[cell]) << cell;
  EXPECT_EQ(texts.moveText, "7");
  EXPECT_EQ(texts.goalText, "1/3");
}

TEST(Drawing, OnlyChangedCellsAreRepainted) {
  RoomRecord room = roomFromRows({"#######", "#@ $ .#", "#  $ *#", "#######"});
  ASSERT_FALSE(parseCoupleList(room, "13,23;"));
  GameState state = startRoom(room);
  RecordingCanvas canvas;
  // After start-up every inner cell counts as changed; walls and outside are never painted here.
  redrawChangedCells(canvas, state.curRoom, state.drawnCells, 0);
  ASSERT_EQ(canvas.painted.size(), 10u);
  const auto& first = canvas.painted[0];
  EXPECT_TRUE(first.sheet == SpriteSheet::Large && first.x == 32 && first.y == 32);
  EXPECT_EQ(canvas.count(), 10u);
  redrawChangedCells(canvas, state.curRoom, state.drawnCells, 0);
  EXPECT_EQ(canvas.count(), 0u);
  CounterTexts texts;
  for (std::size_t tiles : {2, 4, 3}) {  // a walk; a push that unmarks 23; a push
    stepMan(state, keyRight);
    texts = redrawChangedCells(canvas, state.curRoom, state.drawnCells, state.counters.moveCount);
    EXPECT_EQ(canvas.count(), tiles) << roomText(state.curRoom);
  }
  EXPECT_EQ(texts.goalText, "2/2");
}

}  // namespace
}  // namespace tarvo::test
