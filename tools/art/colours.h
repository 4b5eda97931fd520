// The artwork's palette: one place to change a colour for every tile and both tile sizes.
#pragma once

#include <QRgb>

namespace art::colours {

// The grey of the program's pages; unused sheet tiles are left in it.
inline constexpr QRgb page = qRgb(132, 132, 132);

// Outside the room: a quiet dark grey, so the room stands out from it.
inline constexpr QRgb outside = qRgb(86, 88, 96);
inline constexpr QRgb outsideLine = qRgb(96, 98, 106);

// Walls: slate-blue stone blocks in grey mortar.
inline constexpr QRgb mortar = qRgb(46, 52, 68);
inline constexpr QRgb stone = qRgb(92, 106, 134);
inline constexpr QRgb stoneLight = qRgb(128, 142, 168);
inline constexpr QRgb stoneDark = qRgb(68, 78, 102);

// Floor: warm sandstone slabs.
inline constexpr QRgb sand = qRgb(214, 192, 150);
inline constexpr QRgb sandLight = qRgb(232, 214, 178);
inline constexpr QRgb sandDark = qRgb(182, 158, 118);
inline constexpr QRgb sandGap = qRgb(160, 136, 100);

// Goal: a teal plate set into the floor.
inline constexpr QRgb plate = qRgb(74, 170, 168);
inline constexpr QRgb plateLight = qRgb(132, 210, 198);
inline constexpr QRgb plateDark = qRgb(34, 112, 118);
inline constexpr QRgb plateEdge = qRgb(24, 78, 86);

// A box still to be placed: orange-brown wood.
inline constexpr QRgb woodEdge = qRgb(74, 40, 18);
inline constexpr QRgb woodDark = qRgb(148, 84, 34);
inline constexpr QRgb wood = qRgb(202, 126, 54);
inline constexpr QRgb woodLight = qRgb(236, 170, 92);

// A box on a goal: the same crate in green, so a finished box reads at a glance.
inline constexpr QRgb leafEdge = qRgb(22, 62, 30);
inline constexpr QRgb leafDark = qRgb(46, 122, 52);
inline constexpr QRgb leaf = qRgb(86, 176, 78);
inline constexpr QRgb leafLight = qRgb(150, 218, 118);

// The man: dark hair, red jumper, navy trousers.
inline constexpr QRgb outline = qRgb(38, 28, 36);
inline constexpr QRgb hair = qRgb(92, 56, 34);
inline constexpr QRgb hairLight = qRgb(132, 86, 50);
inline constexpr QRgb skin = qRgb(246, 204, 160);
inline constexpr QRgb skinDark = qRgb(214, 160, 120);
inline constexpr QRgb mouth = qRgb(176, 98, 84);
inline constexpr QRgb jumper = qRgb(214, 52, 58);
inline constexpr QRgb jumperLight = qRgb(244, 100, 92);
inline constexpr QRgb jumperDark = qRgb(150, 30, 44);
inline constexpr QRgb trousers = qRgb(50, 66, 132);
inline constexpr QRgb trousersDark = qRgb(34, 44, 92);
inline constexpr QRgb shoe = qRgb(60, 40, 32);

// A forbidden mark darkens the ground under it by this much.
inline constexpr double markFactor = 0.62;

}  // namespace art::colours
