#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace umbrarix {

// Text inside the program is UTF-8; every file it writes or reads is Windows-1252, one byte
// per character ("€" is 0x80, unlike Latin-1). Characters without a Windows-1252 byte are
// written as "?"; invalid UTF-8 bytes likewise.
std::string NachCp1252(std::string_view utf8);
std::string AusCp1252(std::string_view bytes);

// A text file as the user may have saved it: bytes that are valid UTF-8 and hold at least one
// multi-byte sequence (a byte-order mark counts; it is dropped) are UTF-8, as a modern editor
// writes them; everything else is Windows-1252, as the program writes it.
// A file that is neither (valid UTF-8 lines beside lines that are not) is read line by line,
// each line in the encoding its bytes are valid in.
std::string AusDateitext(std::string_view bytes);

// The same, with the lines (counted from 1) of such a mixed file that were read as
// Windows-1252, so that the reader can say so.
struct TDateitext {
    std::string Text;
    std::vector<int> Cp1252Zeilen;
};
TDateitext DateitextLesen(std::string_view bytes);

} // namespace umbrarix
