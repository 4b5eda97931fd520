// The About box: a small borderless window with the program's name, version and executable,
// the maker's links, a looping animation and a home-made close button.
#include "about/about_box_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "about/shell_open_qt.h"
#include "platform/look.h"
#include "platform/zoom.h"

namespace tarvo {

namespace {

constexpr int kWidth = 387;
constexpr int kHeight = 124;
constexpr int kFrameHeight = 85;
constexpr int kFilmLeft = kWidth - 164 - 4;  // the film's frame, at the right
constexpr int kValueLeft = 78;               // the values, after the captions
constexpr int kShowDefault = 10;
constexpr const char* kDurations = "1000,200,200,200,200,1000,200,200,200,200,1000,200,200,200,100";
// Where the tip of the link pointer's finger is.
constexpr int kPointerHotX = 9;
constexpr int kPointerHotY = 0;

QFont aboutFont(bool bold) {
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(10);
  font.setBold(bold);
  return font;
}

}  // namespace

QString aboutMailto(const QString& title, const QString& version) {
  QString subject = QStringLiteral("About ") + title + QLatin1Char(' ') + version;
  subject.replace(QLatin1Char(' '), QStringLiteral("%20"));
  return QStringLiteral("mailto:") + QLatin1String(kMakerAddress) + QStringLiteral("?subject=") + subject;
}

FRMabout::FRMabout(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      desktop_(desktop),
      title_(QStringLiteral(":/art/about_title.png")),
      LBLexit(new CloseButton(this)),
      Image1(nullptr),
      Timer1(new QTimer(this)) {
  setObjectName(QStringLiteral("FRMabout"));
  setWindowTitle(QStringLiteral("About"));
  setModal(true);
  setFixedSize(kWidth, kHeight);
  setMouseTracking(true);

  caption(QStringLiteral("Application   :"), 0);
  caption(QStringLiteral("Version         :"), 1);
  caption(QStringLiteral("Ex\u00E9cutable   :"), 2);
  caption(QStringLiteral("CopyRight    :"), 3);
  caption(QStringLiteral("Organisation :"), 4);
  LBLappname = value(QApplication::applicationName(), 0, "LBLappname");
  LBLversion =
      value(QStringLiteral("%1.%2.%3").arg(TARVO_VERSION_MAJOR).arg(TARVO_VERSION_MINOR).arg(TARVO_VERSION_PATCH), 1,
            "LBLversion");
  // On Linux the executable's name has no ".exe": it is shown as it is.
  LBLexe = value(QFileInfo(QCoreApplication::applicationFilePath()).fileName(), 2, "LBLexe");
  LBLcopyRight = value(QLatin1String(kMakerAddress), 3, "LBLcopyRight");
  LBLCieName = value(QStringLiteral("Orvan Tesk Soft"), 4, "LBLCieName");
  const QCursor pointer(QPixmap(QStringLiteral(":/art/link_pointer.png")), kPointerHotX, kPointerHotY);
  for (QLabel* link : {LBLcopyRight, LBLCieName}) {
    link->setCursor(pointer);
    link->setStyleSheet(QStringLiteral("color: #00007f; text-decoration: underline;"));
    link->installEventFilter(this);
  }
  LBLexit->move(kWidth - LBLexit->width() - 3, 2);
  connect(LBLexit, &CloseButton::clicked, this, &QDialog::accept);

  auto* picture1 = new QFrame(this);
  picture1->setObjectName(QStringLiteral("Picture1"));
  picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture1->setLineWidth(2);
  picture1->setGeometry(kFilmLeft, 24, 164, kFrameHeight + 4);
  auto* viewport = new QWidget(picture1);
  viewport->setGeometry(2, 2, 160, kFrameHeight);
  Image1 = new QLabel(viewport);
  Image1->setObjectName(QStringLiteral("Image1"));
  zoom::setPicture(Image1, QPixmap(QStringLiteral(":/art/about_film.png")));
  Image1->setGeometry(0, 0, 160, kFrameHeight * 15);
  Image1->installEventFilter(this);

  const QStringList pieces = QString::fromLatin1(kDurations).split(QLatin1Char(','));
  for (int k = 0; k < static_cast<int>(durations_.size()) && k < pieces.size(); ++k) durations_[k] = pieces[k].toInt();
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &FRMabout::Timer1_Timer);
  Timer1->start();
  // At the zoom of the window it belongs to.
  zoom::follow(this);
}

QLabel* FRMabout::caption(const QString& text, int row) {
  auto* label = new QLabel(text, this);
  label->setFont(aboutFont(true));
  label->setGeometry(6, 26 + row * 19, kValueLeft - 8, 17);
  return label;
}

QLabel* FRMabout::value(const QString& text, int row, const char* name) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(aboutFont(false));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(kValueLeft, 26 + row * 19, kFilmLeft - kValueLeft - 2, 17);
  return label;
}

void FRMabout::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  zoom::scale(painter, this);
  const QRect area(QPoint(0, 0), rect().size() / zoom::of(this));
  painter.fillRect(area, look::pageColour().lighter(150));
  painter.drawPixmap(0, 0, title_);
  painter.setPen(Qt::darkGray);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void FRMabout::mousePressEvent(QMouseEvent* event) { dragOrigin_ = event->position().toPoint(); }

void FRMabout::mouseMoveEvent(QMouseEvent* event) {
  LBLexit->setHovered(false);
  if (event->buttons() != Qt::LeftButton) return;
  // The window follows the pointer, which keeps its place on the window.
  move(pos() + event->position().toPoint() - dragOrigin_);
  raise();
}

bool FRMabout::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == Image1 && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    const bool running = Timer1->isActive();
    if (type == QEvent::MouseButtonPress && button == Qt::LeftButton && running) Timer1->stop();
    if (type == QEvent::MouseButtonPress && button == Qt::RightButton && !running) Timer1_Timer();
    if (type == QEvent::MouseButtonRelease && button == Qt::LeftButton && !running) Timer1->start();
    return true;
  }
  if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == LBLCieName) LBLCieName_Click();
    if (watched == LBLcopyRight) LBLcopyRight_Click();
  }
  return QDialog::eventFilter(watched, event);
}

void FRMabout::Timer1_Timer() {
  frame_ = (frame_ + 1) % 15;
  Image1->move(0, -kFrameHeight * frame_ * zoom::of(this));
  Timer1->setInterval(durations_[static_cast<std::size_t>(frame_)]);
}

void FRMabout::LBLCieName_Click() {
  QString operation = QStringLiteral("open");
  ShellOpen(desktop_, QLatin1String(kMakerSite), kShowDefault, QString(), QString(), operation, this, parentWidget());
}

void FRMabout::LBLcopyRight_Click() {
  QString operation = QStringLiteral("open");
  ShellOpen(desktop_, aboutMailto(LBLappname->text(), LBLversion->text()), kShowDefault, QString(), QString(),
            operation, this, parentWidget());
}

}  // namespace tarvo
