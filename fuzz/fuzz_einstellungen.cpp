// Any bytes as "schatten.ini", "schatten.usr" or a field text: lines and Windows-1252 decoding
// never crash, and what was decoded encodes back to the same bytes.

#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "model/Zahltext.h"

#include "Pruefen.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace umbrarix;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const std::string text = AusCp1252(bytes);
    std::string erwartet = bytes;
    for (char& c : erwartet) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            c = '?'; // bytes that Windows-1252 leaves undefined
        }
    }
    Pruefen(NachCp1252(text) == erwartet);
    std::size_t laenge = 0;
    for (const std::string& z : Zeilen(text)) {
        laenge += z.size();
        if (const auto zahl = TextZuZahl(z)) {
            Pruefen(std::isfinite(*zahl));
        }
    }
    Pruefen(laenge <= text.size());
    (void)MitCrLf(Zeilen(text));
    (void)NachCp1252(bytes); // bytes taken as UTF-8, whatever they are
    return 0;
}
