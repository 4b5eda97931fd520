// The "Game" page's play by mouse: a click on the board walks the man, chooses a box or pushes
// the chosen one; the right button takes a step back.
#include "window/game_page.h"

#include "editor/canvas.h"
#include "solver/layout.h"
#include "solver/push_path.h"
#include "window/board_overlay.h"
#include "window/solution_player.h"

namespace tarvo {

void GamePage::PICroom_MouseDown(Qt::MouseButton button, QPoint position) {
  // A click, like a key, stops what plays or searches and does nothing more, so no step comes
  // that the player did not see coming. A left click during the player's own way to a cell names
  // a new place to go: it goes on from wherever the man has got to.
  const bool redirects = pointedPlaying() && button == Qt::LeftButton;
  if (interruptPlay() && !redirects) return;
  if (button == Qt::RightButton) {
    BTmoinsMove_Click();
    return;
  }
  // A press always lies on the picture, so the canvas's rule for points a little outside it
  // never comes into play; past the ten columns and rows there is no cell.
  const std::optional<int> cell = button == Qt::LeftButton ? canvasCell(position.x(), position.y()) : std::nullopt;
  if (!cell) return;
  const solver::Pointing pointing =
      solver::pointAt(solver::snapshotOf(state().curRoom), PICselection->shownCell(), *cell);
  PICselection->showCell(pointing.selected);
  if (pointing.steps.empty()) return;
  // A hint or a search is about the position these steps leave behind.
  stopPlayAndHelp();
  player_->start(pointing.steps, SolutionPlayer::Kind::Pointed);
}

}  // namespace tarvo
