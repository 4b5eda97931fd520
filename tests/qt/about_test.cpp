// The About box on the real widgets: its labels, the animation's frames and timing, the
// close button, dragging, the links through a desktop double; the Linux opener.
#include <QLabel>
#include <QMouseEvent>
#include <QTimerEvent>

#include <deque>
#include <optional>

#include "about/about_box_qt.h"
#include "about/shell_open_qt.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

// Answers each call with the next shell number given, and remembers the calls.
class DesktopDouble : public Desktop {
 public:
  void open(const ShellCall& call, std::function<void(std::int64_t)> answer) override {
    calls.push_back(call);
    answer(numbers.empty() ? kShellOpened : numbers.front());
    if (!numbers.empty()) numbers.pop_front();
  }
  std::deque<std::int64_t> numbers;
  std::vector<ShellCall> calls;
};

class AboutTest : public WindowTest {
 protected:
  AboutTest() : box(desktop, nullptr) {
    box.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
  }
  template <typename Widget = QWidget>
  Widget* part(const char* name) {
    auto* widget = box.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QTimer& timer() { return *part<QTimer>("Timer1"); }
  void tick() {
    QTimerEvent event(timer().timerId());
    QCoreApplication::sendEvent(&timer(), &event);
  }
  void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }

  DesktopDouble desktop;
  FRMabout box;
};

TEST_F(AboutTest, TheLabelsShowTheProgramWholeAndTheAnimationLoopsAndIsSteppedByTheMouse) {
  EXPECT_EQ(part<QLabel>("LBLexe")->text(), "widget_tests") << "the real name, with no \".exe\" added";
  for (const char* name : {"LBLappname", "LBLversion", "LBLexe", "LBLcopyRight", "LBLCieName"}) {
    EXPECT_LE(part<QLabel>(name)->sizeHint().width(), part<QLabel>(name)->width()) << name << " is cut";
  }

  QWidget* film = part("Image1");
  for (int k = 1; k <= 15; ++k) {
    tick();
    EXPECT_EQ(box.frameNumber(), k % 15);
    EXPECT_EQ(film->y(), -85 * (k % 15));
    if (k == 1) {
      EXPECT_EQ(timer().interval(), 200) << "the frames have their own times";
    }
  }
  EXPECT_EQ(timer().interval(), 1000);
  mouse(film, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});  // running: nothing
  EXPECT_EQ(box.frameNumber(), 0);
  mouse(film, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
  EXPECT_FALSE(timer().isActive());
  mouse(film, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
  mouse(film, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
  EXPECT_EQ(box.frameNumber(), 2);
  mouse(film, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
  EXPECT_TRUE(timer().isActive());
}

TEST_F(AboutTest, TheCloseButtonSinksOnePixelAndClosesAndTheBackgroundDrags) {
  QWidget* close = part("LBLexit");
  const QPoint start = close->pos();
  mouse(close, QEvent::MouseButtonPress, Qt::LeftButton, {7, 7});
  EXPECT_EQ(close->pos(), start + QPoint(1, 1));
  mouse(close, QEvent::MouseButtonRelease, Qt::LeftButton, {30, 30});  // released off it: stays open
  EXPECT_EQ(close->pos(), start);
  EXPECT_TRUE(box.isVisible());

  const QPoint where = box.pos();
  mouse(&box, QEvent::MouseButtonPress, Qt::LeftButton, {50, 100});
  QMouseEvent drag(QEvent::MouseMove, QPointF(70, 110), box.mapToGlobal(QPointF(70, 110)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&box, &drag);
  EXPECT_EQ(box.pos(), where + QPoint(20, 10));

  QTest::mouseClick(close, Qt::LeftButton, {}, {7, 7});
  EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutTest, ALinkRefusedByTheDesktopSaysWhyOverTheBox) {
  desktop.numbers = {2, 40};  // a refusal, then success
  for (int k = 0; k < 2; ++k) QTest::mouseClick(part("LBLCieName"), Qt::LeftButton);
  ASSERT_EQ(desktop.calls.size(), 2u);
  EXPECT_EQ(desktop.calls[0].target, "https://tarvoplim.example.org/");
  const QList<QMessageBox*> shown = box.findChildren<QMessageBox*>();
  ASSERT_EQ(shown.size(), 1) << "success shows nothing";
  EXPECT_EQ(shown[0]->icon(), QMessageBox::Critical);
  EXPECT_EQ(shown[0]->windowTitle(), QApplication::applicationName());
  EXPECT_EQ(shown[0]->text(), "Erreur 53\r\nFile not found");
  QTest::mouseClick(part("LBLcopyRight"), Qt::LeftButton);
  EXPECT_EQ(desktop.calls.back().target, aboutMailto(QApplication::applicationName(), "1.0.0").toStdString());
  EXPECT_EQ(aboutMailto("Tarvo Plim", "1.0.0"),
            "mailto:contact@tarvoplim.example.org?subject=About%20Tarvo%20Plim%201.0.0");
}

// The Linux opener, replaced by a script of the same name: an opener still running after two
// seconds has opened the document; one that ends says how.
TEST(XdgDesktop, AnOpenerStillRunningHasOpenedAndAnEndedOneSaysHow) {
  QTemporaryDir folder;
  const auto opener = [&](const char* body) {
    QFile script(folder.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QByteArray("#!/bin/sh\n") + body + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", folder.path().toUtf8() + ":" + path);
  XdgDesktop desktop;
  for (auto [body, expected] : {std::pair{"exit 3", std::int64_t{31}}, {"sleep 4", kShellOpened}}) {
    opener(body);
    std::optional<std::int64_t> answer;
    desktop.open(shellCall("https://tarvoplim.example.org/", 10, "", "", "open"), [&](std::int64_t n) { answer = n; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 3000)) << body;
    EXPECT_EQ(answer, expected) << body;
  }
  qputenv("PATH", path);
}

}  // namespace
}  // namespace tarvo::test
