// A room to and from the editor's text box.
#include <gtest/gtest.h>

#include <string>

#include "house/house_reader.h"
#include "room_builder.h"
#include "roomtext/room_exchange.h"

namespace tarvo::test {
namespace {

TEST(RoomTextImport, LinesAreReadAsTheUserSeesThem) {
  RoomRecord room = roomFromRows({"#@$.#"});
  ASSERT_FALSE(parsePlaceList(room, "11;"));
  room.recNames->push_back("Ann");
  const RoomRecord sharing = room;
  // "é" and "€" take two and three bytes; a CR LF and an empty line; a line too long; eleven lines.
  importRoomText(room, "#\xC3\xA9@$.\r\n\r\n#\xE2\x82\xAC+##########\n\n\n\n\n\n\n*\n@@@\n");
  EXPECT_EQ(codes(room, 0, 10), (Codes{2, -1, 16, 8, 4, 0, 0, 0, 0, 0})) << roomText(room);
  EXPECT_EQ(codes(room, 10, 10), Codes(10, FLOOR));
  EXPECT_EQ(codes(room, 20, 10), (Codes{2, -1, 20, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(codes(room, 90, 10), (Codes{12, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(room.man, 22) << "the eleventh line is ignored";
  EXPECT_EQ(*room.goals, (Codes{4, 22, 90}));
  EXPECT_EQ(*sharing.goals, (Codes{3})) << "a copy sharing the old goal list keeps it";
  EXPECT_EQ(places(room), (Codes{11}));
  EXPECT_EQ(*room.recNames, (Texts{"Ann"}));

  importRoomText(room, "");
  EXPECT_EQ(codes(room, 0, 100), Codes(100, FLOOR));
  EXPECT_TRUE(room.goals->empty());
}

TEST(RoomTextExport, TenLinesOfTenUnmarkedAndEveryBundledRoomComesBack) {
  RoomRecord room = roomFromRows({"#@$.*+ #"});
  setMark(room, 0);
  setMark(room, 6);
  std::string expected = "#@$.*+ #--\n";
  for (int row = 1; row < kRows; ++row) expected += "----------\n";
  EXPECT_EQ(exportRoomText(room), expected);

  HouseRecord house;
  ASSERT_TRUE(readHouseFile(TARVO_ASSETS "/default.hou", house).ok());
  for (int r = 0; r < house.roomCount; ++r) {
    const RoomRecord& original = house.rooms[static_cast<std::size_t>(r)];
    RoomRecord back;
    importRoomText(back, exportRoomText(original));
    EXPECT_TRUE(back.cells == original.cells) << "room " << r + 1 << roomText(back);
    EXPECT_EQ(*back.goals, *original.goals) << r + 1;
  }
}

}  // namespace
}  // namespace tarvo::test
