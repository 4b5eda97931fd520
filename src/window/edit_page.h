// The "Edit" sub-page: the canvas, the palette, the room choice and store, the import and
// export of room text, the shifts, and the room check, with their handlers.
#pragma once

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

#include "editor/canvas.h"
#include "editor/commands.h"
#include "platform/page.h"
#include "rules/direction.h"
#include "rules/working_room.h"
#include "window/page_context.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvo {

namespace solver {
struct SolveResult;
}

struct RoomStoredNews;
class PageSwitch;
class PictureArea;
class SolverRun;
class TabStrip;

class EditPage : public Page {
  Q_OBJECT

 public:
  EditPage(PageContext context, QWidget* parent);

  // The "Option" tab: the current room as stored, what was not stored dropped.
  void showForEditing();
  // The "Edit" tab after another sub-page: the room as it was left, unless the current room
  // changed meanwhile.
  void showAgain();
  // The editor's room, with its painting not stored yet.
  const WorkingRoom& workingRoom() const { return room_; }

 protected:
  // The palette's presses and the releases on "<" and ">", which tell the mouse buttons apart.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Leaving the page stops the check: the room is reloaded or stripped elsewhere.
  void hideEvent(QHideEvent* event) override;

 private:
  void PICsprites_MouseDown(int button, QPoint position);
  void PICedit_MouseDown(int button, QPoint position);
  void PICedit_MouseMove(int buttons, QPoint position);
  void BTeditMoins_MouseUp(int button);
  void BTeditPlus_MouseUp(int button);
  // The left button chooses a room, the right one counts them, and any button then loads the
  // current room, dropping what was not stored.
  void roomArrow(int button, EditorArrow left, EditorArrow right);
  void BTeditSave_Click();
  void BTexport_Click();
  void BTimport_Click();
  // Ctrl+C and Ctrl+V, unless the import box has the focus: the editor's room as collection
  // text, and the first room of the clipboard's text into the editor's room.
  void copyRoom();
  void pasteRoom();
  void shift(Direction direction);
  bool paletteShown() const;
  void paintCell(int cell);
  void BTcheck_Click();
  void checkFinished(const solver::SolveResult& result, int roomNumber);
  void showCheck(const QString& answer);
  // The line under the canvas: what the check, the store or the import did.
  void showStatus(const QString& text);
  // Paints the editor's room, as it stands, on the canvas.
  void drawWorkingRoom();
  // The number of the room that "<", ">" and "Save" act on.
  void showRoomNumber(int number);
  // Another house: the painting belonged to a room of the one before.
  void houseReplaced();
  // Another page stored a room: the editor's room of it follows with its lists.
  void roomStored(const RoomStoredNews& news);
  const HouseRecord& house() const;
  // Every edit of the editor's room: a running check stops and a finished report goes, as neither
  // speaks of the room any more.
  void dropCheck();

  PageContext context_;
  WorkingRoom room_;  // the editor's room and the house's room it was taken from
  Palette palette_;   // the codes of the left and right buttons
  QPushButton* BTeditSave;
  QPushButton* BTeditMoins;
  QPushButton* BTeditNum;
  QPushButton* BTeditPlus;
  PictureArea* PICedit;
  TabStrip* LesOnglets3;
  std::array<Page*, 3> Onglet3{};
  std::array<QLabel*, 2> PICsprite{};
  QLabel* PICsprites;
  QPlainTextEdit* TXTimport;
  QPushButton* BTimport;
  QPushButton* BTexport;
  QPushButton* BTup;
  QPushButton* BTleft;
  QPushButton* BTright;
  QPushButton* BTdown;
  PageSwitch* frameSwitch;
  QPushButton* BTcheck;
  QLabel* checkStatus_;
  SolverRun* checkRun_;
  QString checkedRoom_;     // the counts and closedness of the room checked
  CellArray checkedCells_;  // the cells that room had, to spot an edit no handler reported
};

}  // namespace tarvo
