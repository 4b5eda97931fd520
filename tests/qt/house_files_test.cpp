// Opening and saving house files through the dialogs, and a start without the default house.
#include "window_harness.h"

#include <QDir>
#include <QFileDialog>

#include <sys/resource.h>

#include <cerrno>
#include <cstring>

#include "house/file_save.h"
#include "house/house_writer.h"
#include "roomtext/house_files.h"
#include "window/house_opener.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, OpeningAHouseReplacesTheHouseInPlay) {
  writeFile("other.hou", houseFile("Other House", {kShortRoom, kPushRoom}));
  FRMain& w = start();
  click("BTplus");
  ASSERT_EQ(caption("BTeditNum"), "2");
  key(Qt::Key_6);
  answering<QFileDialog>(chooseFile(path("other.hou"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  EXPECT_EQ(caption("BTchoisiHouse"), "House: Other House");
  EXPECT_EQ(caption("BTnumPiece"), "1/2");
  EXPECT_EQ(caption("BTeditNum"), "1") << "the editor's number follows";
  EXPECT_EQ(w.state().curRoom.cells[23], BOX);
  EXPECT_EQ(caption("BTmoveValue"), "0");

  // Cancelling the dialog changes nothing.
  key(Qt::Key_6);
  answering<QFileDialog>(reject, [&] { click("BTchoisiHouse"); });
  EXPECT_EQ(caption("BTnumPiece"), "1/2");
  EXPECT_EQ(man(), 23);

  // A name is shown as it stands: no "&" in it becomes a keyboard shortcut.
  writeFile("amp.hou", houseFile("Tom & Jerry &amp;", {kShortRoom}));
  answering<QFileDialog>(chooseFile(path("amp.hou"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  EXPECT_EQ(caption("BTchoisiHouse").replace("&&", "&"), "House: Tom & Jerry &amp;");
  EXPECT_TRUE(QKeySequence::mnemonic(caption("BTchoisiHouse")).isEmpty());

  // A huge house name: the button shows its start, elided.
  writeFile("long.hou", houseFile(std::string(1 << 20, 'x'), {kShortRoom}));
  answering<QFileDialog>(chooseFile(path("long.hou"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  EXPECT_TRUE(caption("BTchoisiHouse").startsWith("House: xxx"));
  EXPECT_LT(caption("BTchoisiHouse").size(), 100);
}

TEST_F(WindowTest, AFileThatIsNotAHouseOrIsBrokenIsNamedAndTheHouseStays) {
  writeFile("<font size=7>notes.doc", "Shopping list\r\nmilk\r\n");
  const QByteArrayList lines = threeRoomHouse().split('\n');
  writeFile("broken.hou", lines.mid(0, 8).join('\n') + '\n');  // ends after row 3 of room 1
  FRMain& w = start();
  const std::string before = writeHouse(w.state().house);

  for (auto [name, line] : {std::pair{"<font size=7>notes.doc", "it holds no room"}, {"broken.hou", "line 9:"}}) {
    answering<QFileDialog>(chooseFile(path(name), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
    QMessageBox* box = shownMessage();
    ASSERT_NE(box, nullptr) << name;
    EXPECT_TRUE(box->text().contains(QDir::toNativeSeparators(path(name)))) << box->text().toStdString();
    EXPECT_TRUE(box->text().contains(line)) << box->text().toStdString();
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->textFormat(), Qt::PlainText) << "a file name is shown as it stands";
    box->button(QMessageBox::Ok)->click();

    EXPECT_EQ(writeHouse(w.state().house), before);
    EXPECT_EQ(caption("BTchoisiHouse"), "House: Three Rooms");
  }

  // A house cut inside its last record opens without it, and says so.
  const QByteArray whole = houseFile("Cut", {kPushRoom, kRecordRoom});
  writeFile("cut.hou", whole.left(whole.size() - 6));
  answering<QFileDialog>(chooseFile(path("cut.hou"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  QMessageBox* box = shownMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->icon(), QMessageBox::Information);
  EXPECT_TRUE(box->text().endsWith("the last record is cut short: it is left out.")) << box->text().toStdString();
  box->button(QMessageBox::Ok)->click();
  EXPECT_EQ(w.state().house.rooms[1].recordCount(), 1u) << "room 2's first record stays";
}

// The records a completion adds reach the saved file: the core and the end-to-end test check it.
TEST_F(WindowTest, SavingWritesTheHouseAndOffersTheSameFileAgain) {
  start();
  clickMainTab(2);
  const auto save = [&] { click("BTsaveDisk"); };
  answering<QFileDialog>(
      [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        chooseFile(path("saved.hou"), "SAVE A HOUSE")(dialog);
      },
      save);
  EXPECT_EQ(readFile("saved.hou"), threeRoomHouse());

  // The dialog offers the last file again, and saving over it asks nothing.
  writeFile("saved.hou", "old");
  answering<QFileDialog>(
      [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->selectedFiles().value(0), path("saved.hou"));
        static_cast<QDialog*>(dialog)->accept();
      },
      save);
  EXPECT_EQ(readFile("saved.hou"), threeRoomHouse());
}

TEST_F(WindowTest, AFailedSaveShowsTheErrorAndKeepsTheFileThatWasThere) {
  writeFile("keep.hou", threeRoomHouse());
  start();
  clickMainTab(2);

  // The disk fills up while the house is written (tests run as root, so a read-only file
  // would not stop the save): a file size limit of 64 bytes makes the write fail, and the
  // window, which ignores the signal of that limit, says so instead of dying.
  rlimit original{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
  auto limitFileSize = [](rlim_t bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  };
  {
    DialogScript script;
    script
        .then<QFileDialog>([&](QFileDialog* dialog) {
          limitFileSize(64);
          chooseFile(path("keep.hou"), "SAVE A HOUSE")(dialog);
        })
        .then<QMessageBox>([&](QMessageBox* box) {
          limitFileSize(original.rlim_cur);
          EXPECT_EQ(box->windowTitle(), QStringLiteral("ERREUR n\u00B0%1 in BTsaveDisk_Click").arg(EFBIG));
          EXPECT_GE(box->width(), titleWidth(box->windowTitle())) << "the whole title shows";
          EXPECT_TRUE(box->text().contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << box->text().toStdString();
          EXPECT_EQ(box->icon(), QMessageBox::Critical);
          box->accept();
        });
    click("BTsaveDisk");
  }
  limitFileSize(original.rlim_cur);
  EXPECT_EQ(readFile("keep.hou"), threeRoomHouse());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{"default.hou", "keep.hou"}));  // no temporary file left behind
}

// A house the reader would refuse (one that went past the record bound while rooms were
// taken off the house and added back) is not written, and the file stays; the core finds why.
TEST_F(WindowTest, AHouseBeyondTheRecordBoundIsNotSavedAndTheFileStays) {
  writeFile("keep.hou", threeRoomHouse());
  HouseRecord house;
  for (std::int64_t k = 0; k <= kMaxHouseRecords; ++k) house.rooms[0].records->add(RecordList::Record{});
  const SaveResult outcome =
      saveHouseOrCollection(QFile::encodeName(path("keep.hou")).toStdString(), house, SavedAs::House);
  EXPECT_TRUE(!outcome.ok && outcome.errorNumber == kSaveUnreadable) << outcome.description;
  EXPECT_EQ(readFile("keep.hou"), threeRoomHouse());
}

// A window manager places the window once it is asked to show it, and only then is the window
// exposed: the message of the start-up must open in the middle of the window where it now is.
class PlacingWindowManager : public QObject {
 public:
  explicit PlacingWindowManager(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
  ~PlacingWindowManager() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && watched == window_.windowHandle() && !placed_) {
      placed_ = true;
      window_.move(240, 180);
    }
    return false;
  }

 private:
  QWidget& window_;
  bool placed_ = false;
};

class StartTest : public WindowTest {
 protected:
  QMessageBox* startupMessage(FRMain::Options options) {
    window = std::make_unique<FRMain>(std::move(options));
    PlacingWindowManager manager(*window);
    window->show();
    QMessageBox* box = shownMessage();
    if (box != nullptr) {
      const QPoint off = box->frameGeometry().center() - window->frameGeometry().center();
      EXPECT_LE(off.manhattanLength(), 2)
          << "the box opens in the middle, not " << off.x() << ", " << off.y() << " off";
    }
    return box;
  }
};

// A house named at start that opens is the end-to-end test's. The start is not blocked.
TEST_F(StartTest, AHouseThatCannotBeReadAtStartIsNamedAndTheDefaultOrAnEmptyRoomIsPlayed) {
  FRMain::Options options;
  options.programFolder = folder.path();
  options.houseFile = path("missing.hou");
  QMessageBox* box = startupMessage(options);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().contains(QStringLiteral("missing.hou"))) << box->text().toStdString();
  EXPECT_TRUE(box->text().endsWith(QStringLiteral("The default house is played instead.")))
      << box->text().toStdString();
  box->button(QMessageBox::Ok)->click();
  EXPECT_EQ(caption("BTchoisiHouse"), "House: Three Rooms");

  // No house named, and no default house.
  ASSERT_TRUE(QFile::remove(path("default.hou")));
  options.houseFile.clear();
  box = startupMessage(options);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().contains(QDir::toNativeSeparators(path("default.hou")))) << box->text().toStdString();
  EXPECT_TRUE(box->text().endsWith(QStringLiteral("An empty room is played instead."))) << box->text().toStdString();
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  box->button(QMessageBox::Ok)->click();
  EXPECT_EQ(caption("BTnumPiece"), "1/1");
  EXPECT_EQ(caption("BTgoalValue"), "0/0");
}

// A large house named at start is read while the window shows the empty room; one that cannot
// be read then leaves the default house, as a small one does.
TEST_F(StartTest, ALargeHouseNamedAtStartIsReadWhileTheEmptyRoomShows) {
  RoomText room = kRecordRoom;
  room.records.assign(60000, RecordFields{"A player with a long name", "2", "00:07", "rD"});
  writeFile("large.hou", houseFile("Large", {room}));
  ASSERT_GT(QFileInfo(path("large.hou")).size(), HouseOpener::kReadAtOnceBytes);
  FRMain::Options options;
  options.programFolder = folder.path();
  options.houseFile = path("large.hou");
  window = std::make_unique<FRMain>(std::move(options));
  window->show();
  EXPECT_EQ(caption("BTnumPiece"), "1/1");
  EXPECT_EQ(caption("BTgoalValue"), "0/0") << "the empty room";
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: Large"; }));
  EXPECT_EQ(window->state().house.rooms[0].recordCount(), 60000u);

  QByteArray broken = houseFile("Large", {room});
  broken.replace("NUMBER OF ROOM:1", "NUMBER OF ROOM:x");
  writeFile("large.hou", broken);
  options.programFolder = folder.path();
  options.houseFile = path("large.hou");
  QMessageBox* box = startupMessage(options);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().endsWith(QStringLiteral("The default house is played instead.")))
      << box->text().toStdString();
  EXPECT_EQ(caption("BTchoisiHouse"), "House: Three Rooms");
}

}  // namespace
}  // namespace tarvo::test
