// The stones in the help's words: each colour's name and the way it swaps,
// for whoever cannot see the pictures (a screen reader reading the board,
// the editor's palette). The help's table of the stones says the same.
#pragma once

#include <string>
#include <string_view>

// "hellorange" ... "dunkelorange" for codes 1..12; empty for anything else.
std::string_view ColourName(int code);

// The way a stone of `code` swaps with its neighbour: "nach oben", "schräg
// nach links oben oder nach rechts unten"; empty for anything but a stone.
std::string WayWords(int code);

// What a cell holds: "leer", "Block" (a code above 12, which the game does
// not show), or the stone's colour and way ("hellorange, nach links oder
// nach rechts").
std::string CellWords(int code);
