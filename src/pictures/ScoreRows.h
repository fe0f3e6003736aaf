// The top rows of the number fields in the two score pictures, where the
// numbers go beside the painted labels.
#pragma once

// The main window's score picture.
namespace ScoreRow {
inline constexpr int Level = 11;
inline constexpr int Attempt = 38;
inline constexpr int Points = 68;
inline constexpr int Total = 109;
} // namespace ScoreRow

// The picture of the level score dialog "Wertung".
namespace WertungRow {
inline constexpr int Level = 11;
inline constexpr int Points = 46;
inline constexpr int Bonus = 73;
inline constexpr int Total = 109;
} // namespace WertungRow
