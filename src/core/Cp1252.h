// Names in the high-score file are stored in the Windows-1252 code page;
// the game itself works in UTF-8. Conversion goes through glibc's iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Windows-1252 bytes of a UTF-8 text, or nullopt when a character has
// no place in that code page (or the text is not valid UTF-8).
std::optional<std::string> Cp1252FromUtf8(std::string_view utf8);

// The UTF-8 text of Windows-1252 bytes. The five byte values the code page
// leaves unassigned (and any other the converter refuses) show as U+FFFD.
std::string Utf8FromCp1252(std::string_view bytes);

// Whether every character of the UTF-8 text has a place in Windows-1252.
bool FitsCp1252(std::string_view utf8);
