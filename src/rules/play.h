// The game's actions on the state object: choosing and starting rooms, steps, undo, redo and
// the record a completion leaves. Every caller (window, tests, tools) goes through these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/direction.h"
#include "rules/game_state.h"

namespace tarvo {

// Copies room `number` (1-based) of the house into curRoom, sharing its five lists. Returns
// false, leaving curRoom as it was, when the number names no slot.
bool copyRoomIntoWorkingCopy(GameState& state, std::int32_t number);

// Starts the current room afresh for play, as a restart, a change of room and the "Game" tab
// all do: the stored room with its forbidden marks, no moves, no history, no undo, and the
// clock started at `now` (milliseconds).
void startRoom(GameState& state, std::int64_t now);

// The next or previous room, wrapping between 1 and the room count, then started.
void nextRoom(GameState& state, std::int64_t now);
void previousRoom(GameState& state, std::int64_t now);

// Whether `number` names a room of the house: 1..roomCount. A slot past the count may still
// hold a room taken off the house, which is no longer played.
bool isHouseRoom(const HouseRecord& house, std::int32_t number);

// A house file holds rooms 1..roomCount only. While the current room lies past the count (the
// editor lowered it), play says so: "room 16 is not in the house (15 rooms): its records are
// not saved"; nothing while it is a room of the house.
std::optional<std::string> playedOutsideHouse(const HouseRecord& house);
// The same for a store into room `number`: "room 16 stored, but it is not in the house
// (15 rooms): it is not saved to disk".
std::optional<std::string> storedOutsideHouse(const HouseRecord& house, std::int32_t number);

// Makes room `number` the current room and starts it. Returns false, changing nothing, when
// the number names no room of the house.
bool chooseRoom(GameState& state, std::int32_t number, std::int64_t now);

// What keeps a completion from making a record, if anything.
enum class NoRecord {
  None,       // it makes one
  HelpUsed,   // the solver helped since the room was started
  HouseFull,  // the house holds kMaxHouseRecords records, as many as a house file may hold
  NoRoom,     // the current room number names no slot
};

// The one rule for whether finishing the room now would make a record.
NoRecord whyNoRecord(const GameState& state);

// What a step did, and whether it completed the room with a solution not yet recorded since
// the room was started, and what keeps that completion from making a record.
struct KeyOutcome {
  StepKind step = StepKind::None;
  bool completed = false;
  NoRecord noRecord = NoRecord::None;  // set when completed
  bool solved = false;                 // the step covered the last bare goal, whether its solution was recorded or not

  bool makesRecord() const { return completed && noRecord == NoRecord::None; }
};

// Takes up a game left before its end: the room started afresh, `steps` played on it as the
// player made them, and the clock set as if `elapsedMs` had gone by since the start, so that
// its record holds all its steps and both parts' time. A game the solver helped stays helped.
// Returns false, leaving the room at its start, when the steps do not fit the room or would
// solve it (a game that ended is no game to go on with).
bool resumeGame(GameState& state, std::string_view steps, std::int64_t elapsedMs, bool helped, std::int64_t now);

// Notes that the solver helped the player (a hint, its solution or a record played for him):
// nothing completed before the room is started again makes a record. Undo does not take it back.
void markHelpUsed(GameState& state);

// One step of the man, written into the history and the move count. A step drops what could
// have been redone.
KeyOutcome playStep(GameState& state, Direction direction);

// Takes back the last step made since the room was started: the man steps back, a pushed box
// comes back with him, the couple marks follow, the count and history lose the step. Returns
// false when there is nothing to undo.
bool undoStep(GameState& state);

// Makes the last undone step again, as a normal step.
KeyOutcome redoStep(GameState& state);

// Makes the record of the finished game but for its name (its move count, time and solution)
// and sets endTime; the caller then asks the player's name and adds the record to the current
// room with appendRecordName. Returns false, changing nothing, when whyNoRecord gives a reason.
bool appendRecordExceptName(GameState& state, std::int64_t now);
// Adds the record made last to the current room with the name typed (made fit for a record);
// does nothing when there is no such record.
void appendRecordName(GameState& state, std::string_view typed);

}  // namespace tarvo
