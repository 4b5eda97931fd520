// The pages other than "Game" are built when first needed or after the first frame: opened for
// the first time, each looks, pixel for pixel, as it does when every page was built at start.
#include <QImage>

#include <vector>

#include "about/about_box_qt.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, EachPageBuiltLaterLooksTheFirstTimeItOpensAsIfBuiltAtStart) {
  struct Opening {
    const char* page;
    const char* strip;
    int tab;
  };
  const std::vector<Opening> openings = {
      {"Room", "LesOnglets", 1}, {"Option: Edit", "LesOnglets", 2}, {"Option: Help Info", "LesOnglets2", 1}};

  // The window as each page first opens, from a start where the room changed before any page
  // but "Game" was built.
  const auto firstLooks = [&](bool allPagesAtStart) {
    FRMain::Options options;
    options.programFolder = folder.path();
    options.clock = [this] { return clockMs; };
    options.allPagesAtStart = allPagesAtStart;
    window = std::make_unique<FRMain>(std::move(options));
    window->show();
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Onglet2")) != nullptr, allPagesAtStart);
    button(QStringLiteral("BTplus"))->click();
    std::vector<QImage> looks;
    for (const Opening& opening : openings) {
      tabs(QString::fromLatin1(opening.strip))->setCurrentIndex(opening.tab);
      looks.push_back(window->grab().toImage());
    }
    // The "About" page, behind the box its tab opens.
    answering<FRMabout>(reject, [&] { tabs(QStringLiteral("LesOnglets"))->setCurrentIndex(3); });
    looks.push_back(window->grab().toImage());
    return looks;
  };

  const std::vector<QImage> later = firstLooks(false);
  const std::vector<QImage> atStart = firstLooks(true);
  ASSERT_EQ(later.size(), atStart.size());
  for (std::size_t k = 0; k < later.size(); ++k) {
    EXPECT_TRUE(later[k] == atStart[k]) << (k < openings.size() ? openings[k].page : "About");
  }
}

}  // namespace
}  // namespace tarvo::test
