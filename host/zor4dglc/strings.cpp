// The library's string table: the Italian texts of its numbered strings.
#include "zor4dglc.h"

#include <algorithm>
#include <iterator>

namespace {
struct Entry {
    int id;
    const char* text;
};

// Sorted by number.
constexpr Entry kStrings[] = {
    {11374, "Importazione dati strumento"},
    {11375, "Alcuni lavori, stazioni o punti non sono stati aggiunti al libretto."},
    {11376, "Il file conteneva distanze orizzontali e dislivelli (record HD): sono stati "
            "convertiti in distanze inclinate e angoli zenitali."},
    {11377, "Il file conteneva dati che non sono stati importati."},
};
}  // namespace

std::string DglcGetString(int id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return {};
    return it->text;
}
