// The About box: a small borderless window with the program's name, version and executable,
// the maker's links, a looping animation and a home-made close button.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>

#include <array>

#include "about/close_button_qt.h"

class QLabel;
class QTimer;

namespace tarvo {

class Desktop;

// The maker's site and address: the reserved example domain, which reaches no stranger.
inline constexpr const char* kMakerSite = "https://tarvoplim.example.org/";
inline constexpr const char* kMakerAddress = "contact@tarvoplim.example.org";

class FRMabout : public QDialog {
  Q_OBJECT

 public:
  FRMabout(Desktop& desktop, QWidget* parent);

  // The frame the animation shows (0..14).
  int frameNumber() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Timer1_Timer();
  void LBLCieName_Click();
  void LBLcopyRight_Click();
  QLabel* caption(const QString& text, int row);
  QLabel* value(const QString& text, int row, const char* name);

  Desktop& desktop_;
  QPixmap title_;
  QPoint dragOrigin_;
  int frame_ = 0;
  std::array<int, 15> durations_{};
  QLabel* LBLappname;
  QLabel* LBLversion;
  QLabel* LBLexe;
  QLabel* LBLcopyRight;
  QLabel* LBLCieName;
  CloseButton* LBLexit;
  QLabel* Image1;
  QTimer* Timer1;
};

// "mailto:" the maker's address, with the subject "About <title> <version>", blanks encoded.
QString aboutMailto(const QString& title, const QString& version);

}  // namespace tarvo
