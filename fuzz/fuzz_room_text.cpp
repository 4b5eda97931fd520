// Fuzz target: room text, forbidden lists and play on the room it gives.
//
// Input layout, lines ended by LF (a CR before the LF is dropped):
//   lines 1..10  the room rows (missing lines are empty rows)
//   line 11      the forbidden place list, e.g. "23;24;"
//   line 12      the forbidden couple list, e.g. "23,34;"
//   the rest     one action per byte: direction keys, undo, redo, other keys, redraws
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "rules/drawing.h"
#include "rules/forbidden_marks.h"
#include "rules/play.h"
#include "rules/room_text.h"
#include "rules/symbols.h"

namespace {

using namespace tarvo;
using fuzz::require;

// Long enough to reach deep play, short enough to keep executions fast.
constexpr std::size_t kMaxActions = 4096;

std::string_view takeLine(std::string_view& rest) {
  std::size_t lf = rest.find('\n');
  std::string_view line = rest.substr(0, lf);
  rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Counts the tiles painted, and checks that each lands on a cell of the board.
class CountingCanvas : public TileCanvas {
 public:
  void drawTile(SpriteSheet sheet, Tile tile, int x, int y) override {
    const int size = tileSize(sheet);
    require(x >= 0 && y >= 0 && x < kColumns * size && y < kRows * size && x % size == 0 && y % size == 0,
            "a tile was painted off the board's grid");
    require(tile.column >= 0 && tile.column < 6 && tile.row >= 0 && tile.row < 3, "a tile outside the sheet");
    ++painted;
  }
  int painted = 0;
};

bool isKnownCode(std::int32_t code) {
  switch (code) {
    case -1:
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 8:
    case 9:
    case 12:
    case 13:
    case 16:
    case 17:
    case 20:
    case 21: return true;
    default: return false;
  }
}

int countCells(const RoomRecord& room, bool (*test)(std::int32_t)) {
  int count = 0;
  for (int i = 0; i < kPlayableCells; ++i) count += test(room.cells[i]) ? 1 : 0;
  return count;
}

bool hasMan(const RoomRecord& room) { return isPlayableCell(room.man) && isManCode(room.cells[room.man]); }

// parseRoomRows against the symbol table, cell by cell.
void checkParsedRows(const RoomRecord& room, const RowBuffer& rows) {
  require(fuzz::borderIsOutside(room), "a border cell is not outside after parsing");
  std::vector<std::int32_t> goals;
  int lastMan = -1;
  for (int row = 0; row < kRows; ++row) {
    const std::string& text = rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < kColumns; ++column) {
      const char symbol = static_cast<std::size_t>(column) < text.size() ? text[static_cast<std::size_t>(column)] : ' ';
      const int cell = cellIndex(row, column);
      require(room.cells[cell] == codeOfSymbol(symbol), "a cell does not hold its symbol's code");
      if (symbol == symGoal || symbol == symManOnGoal || symbol == symBoxOnGoal) goals.push_back(cell);
      if (symbol == symMan || symbol == symManOnGoal) lastMan = cell;
    }
  }
  require(*room.goals == goals, "the goal list is not the goal cells in row order");
  if (lastMan >= 0) require(room.man == lastMan, "man is not the last man of the rows");
}

// The rows written for a room read back as the room's cells without their marks.
void checkRowsRoundTrip(const RoomRecord& room) {
  const RowBuffer rows = buildRoomRows(room);
  for (const std::string& row : rows) {
    require(row.size() == static_cast<std::size_t>(kColumns), "a built row is not ten characters");
    for (char symbol : row) require(symbolOfCode(codeOfSymbol(symbol)) == symbol, "a built row holds a non-symbol");
  }
  RoomRecord expected = room;
  expected.giveFreshLists();
  clearAllMarks(expected);
  RoomRecord back;
  parseRoomRows(back, rows);
  require(back.cells == expected.cells, "built rows do not read back as the room's cells");
  require(*back.goals == *room.goals, "built rows do not read back with the room's goals");
}

std::string placeListText(const RoomRecord& room) {
  std::string text;
  for (int i = 1; i <= room.forbPlaceCount; ++i) {
    text += std::to_string(room.forbPlaces[static_cast<std::size_t>(i)]) + ";";
  }
  return text;
}

std::string coupleListText(const RoomRecord& room) {
  std::string text;
  for (int i = 1; i <= room.forbCoupleCount; ++i) {
    const CouplePair& couple = room.forbCouples[static_cast<std::size_t>(i)];
    text += std::to_string(couple.cellA) + "," + std::to_string(couple.cellB) + ";";
  }
  return text;
}

// A refused list leaves the room alone; an accepted one fits the arrays and reads back the same
// from the form the house writer gives it (values outside the room included).
void checkLists(RoomRecord& room, std::string_view places, std::string_view couples) {
  const RoomRecord before = room;
  if (parsePlaceList(room, places)) {
    require(room.forbPlaceCount == before.forbPlaceCount && room.forbPlaces == before.forbPlaces,
            "a refused place list changed the room");
  } else {
    require(room.forbPlaceCount >= 0 && room.forbPlaceCount <= kMaxPlaces, "place count outside 0..80");
    RoomRecord again = room;
    require(!parsePlaceList(again, placeListText(room)), "a written place list is refused");
    require(again.forbPlaceCount == room.forbPlaceCount && again.forbPlaces == room.forbPlaces,
            "a written place list reads back differently");
  }
  if (parseCoupleList(room, couples)) {
    require(room.forbCoupleCount == before.forbCoupleCount && room.forbCouples == before.forbCouples,
            "a refused couple list changed the room");
  } else {
    require(room.forbCoupleCount >= 0 && room.forbCoupleCount <= kMaxCouples, "couple count outside 0..40");
    RoomRecord again = room;
    require(!parseCoupleList(again, coupleListText(room)), "a written couple list is refused");
    require(again.forbCoupleCount == room.forbCoupleCount && again.forbCouples == room.forbCouples,
            "a written couple list reads back differently");
  }
  require(room.cells == before.cells && room.goals == before.goals, "a list parser touched the cells");
}

// What play may change and what it may not: checked after every action.
struct PlayFacts {
  int boxes = 0;
  int men = 0;
  bool manKnown = false;
  std::vector<std::int32_t> goals;
};

void checkPlayInvariants(const GameState& state, const PlayFacts& facts) {
  const RoomRecord& room = state.curRoom;
  require(fuzz::borderIsOutside(room), "a border cell is not outside during play");
  for (int i = 0; i < kPlayableCells; ++i) require(isKnownCode(room.cells[i]), "a cell holds an unknown code");
  require(countCells(room, isBoxCode) == facts.boxes, "play changed the number of boxes");
  require(countCells(room, isManCode) == facts.men, "play changed the number of men");
  require(hasMan(room) == facts.manKnown, "the man is no longer where the room says");
  require(*room.goals == facts.goals, "play changed the goals");
  require(state.counters.moveCount >= 0 &&
              static_cast<std::size_t>(state.counters.moveCount) == state.counters.moveHistory.size(),
          "the move count and the history disagree");
  require(state.undoSteps.size() == state.counters.moveHistory.size(), "undo steps and the history disagree");
  // Couple marks follow the boxes: refreshing them again changes nothing.
  RoomRecord refreshed = room;
  refreshCoupleMarks(refreshed);
  require(refreshed.cells == room.cells, "couple marks do not match the boxes");
}

struct Snapshot {
  CellArray cells;
  std::int32_t man = 0;
  std::int32_t moveCount = 0;
  std::string history;

  explicit Snapshot(const GameState& state)
      : cells(state.curRoom.cells),
        man(state.curRoom.man),
        moveCount(state.counters.moveCount),
        history(state.counters.moveHistory) {}
  bool matches(const GameState& state) const {
    return cells == state.curRoom.cells && man == state.curRoom.man && moveCount == state.counters.moveCount &&
           history == state.counters.moveHistory;
  }
};

struct StepPair {
  Snapshot before;
  Snapshot after;
};

constexpr std::int32_t kDirectionOffsets[] = {-kColumns, kColumns, 1, -1};  // as kDirections: up, down, right, left

// One step, checked against what the step says it did.
void step(GameState& state, std::size_t d, std::vector<StepPair>& undone, std::vector<StepPair>& done) {
  const Snapshot before(state);
  const StepKind kind = playStep(state, kDirections[d]).step;
  if (kind == StepKind::None) {
    require(before.matches(state), "a step that did nothing changed the room or counters");
    return;
  }
  require(state.curRoom.man == before.man + kDirectionOffsets[d], "the man did not move one cell the step's way");
  const char letter = state.counters.moveHistory.back();
  require(letter == (kind == StepKind::Push ? "UDRL"[d] : "udrl"[d]), "the step letter does not match the step");
  require(state.counters.moveCount == before.moveCount + 1, "a step did not count one move");
  int changed = 0;
  for (int i = 0; i < kPlayableCells; ++i) changed += state.curRoom.cells[i] != before.cells[i] ? 1 : 0;
  if (kind == StepKind::Walk) require(changed == 2, "a walk changed other than two cells");
  if (kind == StepKind::Push) require(changed >= 3, "a push changed fewer than three cells");
  done.push_back(StepPair{before, Snapshot(state)});
  undone.clear();
}

void undo(GameState& state, std::vector<StepPair>& undone, std::vector<StepPair>& done) {
  const Snapshot before(state);
  if (!undoStep(state)) {
    require(done.empty(), "undo refused a step that was made");
    require(before.matches(state), "a refused undo changed the room");
    return;
  }
  require(!done.empty(), "undo took back a step that was never made");
  require(done.back().before.matches(state), "undo did not restore the room as it was before the step");
  undone.push_back(done.back());
  done.pop_back();
}

void redo(GameState& state, std::vector<StepPair>& undone, std::vector<StepPair>& done) {
  const Snapshot before(state);
  if (redoStep(state).step == StepKind::None) {
    require(undone.empty(), "redo refused a step that was undone");
    require(before.matches(state), "a refused redo changed the room");
    return;
  }
  require(!undone.empty(), "redo made a step that was never undone");
  require(undone.back().after.matches(state), "redo did not give the room as the step left it");
  done.push_back(undone.back());
  undone.pop_back();
}

// The changed-cell redraw paints each changed cell that has a tile, once, and nothing after.
void redraw(const GameState& state, CountingCanvas& board) {
  int expected = 0;
  for (int i = 0; i < kPlayableCells; ++i) {
    const std::int32_t code = state.curRoom.cells[i];
    const bool wall = code == WALL || code == WALL + MARK;
    if (code != board.drawnCells()[i] && code != OUTSIDE && !wall && tileOf(code)) ++expected;
  }
  board.painted = 0;
  redrawChangedCells(board, state.curRoom, state.counters.moveCount);
  require(board.painted == expected, "the redraw painted other than the changed cells");
  for (int i = 0; i < kPlayableCells; ++i) {
    require(board.drawnCells()[i] == state.curRoom.cells[i], "the cache missed a cell");
  }
  board.painted = 0;
  redrawChangedCells(board, state.curRoom, state.counters.moveCount);
  require(board.painted == 0, "a second redraw painted again");
}

void play(GameState& state, CountingCanvas& board, std::string_view actions) {
  PlayFacts facts;
  facts.boxes = countCells(state.curRoom, isBoxCode);
  facts.men = countCells(state.curRoom, isManCode);
  facts.manKnown = hasMan(state.curRoom);
  facts.goals = *state.curRoom.goals;

  std::vector<StepPair> done;
  std::vector<StepPair> undone;
  for (std::size_t i = 0; i < actions.size() && i < kMaxActions; ++i) {
    const auto byte = static_cast<unsigned char>(actions[i]);
    switch (byte % 8) {
      case 0:
      case 1:
      case 2:
      case 3: step(state, byte % 8, undone, done); break;
      case 4: undo(state, undone, done); break;
      case 5: redo(state, undone, done); break;
      default: redraw(state, board); break;
    }
    checkPlayInvariants(state, facts);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const fuzz::MemoryBound memory(size);
  RowBuffer rows;
  for (std::string& row : rows) row = std::string(takeLine(rest));
  const std::string_view places = takeLine(rest);
  const std::string_view couples = takeLine(rest);

  RoomRecord room;
  parseRoomRows(room, rows);
  checkParsedRows(room, rows);
  checkRowsRoundTrip(room);
  checkLists(room, places, couples);

  // Start the room as play does: marks applied, painted whole, counters at zero.
  GameState state;
  initRules(state);
  state.house.rooms[0] = room;
  startRoom(state, 0);
  CountingCanvas board;
  drawRoom(board, SpriteSheet::Large, state.curRoom, 0);
  for (int i = 0; i < kPlayableCells; ++i) {
    require(board.drawnCells()[i] == state.curRoom.cells[i], "drawRoom missed a cell");
  }

  play(state, board, rest);
  checkRowsRoundTrip(state.curRoom);
  return 0;
}
