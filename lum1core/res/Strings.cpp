// The drawing core's Italian string table, bound at load.
#include "lum/core/Strings.h"

#include "fnd/StringLoader.h"

namespace lum::core {

namespace {
const fnd::CStringLoader& Table()
{
    static const fnd::CStringLoader table{
        {10, "Errore sconosciuto"},
        {11, "File non trovato"},
        {12, "Errore nell'accesso al file"},
        {13, "File troncato"},
        {14, "Formato campo non valido"},
        {15, "Campo vuoto"},
        {16, "Formato file non valido"},
        {17, "Variabile non definita"},
        {18, "Valore non valido"},
        {19, "Handle gia' utilizzato"},
        {20, "Campo richiesto non specificato"},
        {21, "Tipo di linea non presente"},
        {22, "Font non presente"},
        {23, "Errore generico"},
        // Colour names: 0, 1 ... 7 and 256.
        {24, "DABLOCCO"},
        {25, "Rosso"},
        {26, "Giallo"},
        {27, "Verde"},
        {28, "Cyan"},
        {29, "Blu"},
        {30, "Magenta"},
        {31, "Bianco"},
        {32, "DAPIANO"},
        {34, "Versione DXF non supportata"},
        {35, "L'algoritmo di hatching ha fallito!!!\n\nSalvare il progetto e comunicare l'errore"},
        {36, "Errore"},
    };
    return table;
}
// Bind the table when the library is loaded.
[[maybe_unused]] const fnd::CStringLoader& g_bound = Table();
}  // namespace

fnd::String LoadCoreString(unsigned id) { return Table().Load(id); }

}  // namespace lum::core
