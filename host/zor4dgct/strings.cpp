// The numbered strings of the cadastral dialog library. Texts that go into
// the PREGEO file and its report are plain ASCII, so they are the same bytes
// in CP1252.
#include "zor4dgct.h"

#include <utility>

namespace {
const std::pair<int, const char*> kStringhe[] = {
    {10782, "Lavoro: "},
    {10783, " - Operatore: "},
    {10784, "Strumento: "},
    {10785, "Quota media del rilievo: "},
    {10786, "RELAZIONE TECNICA"},
    {10787, "FINE RELAZIONE TECNICA"},
    {10788, "DATI CENSUARI"},
    {10789, "Nell'archivio PREGEO esiste gia' un atto dell'anno "},
    {10790, " con protocollo "},
    {10791, ". Sovrascriverlo?"},
    {10792, "Archivio PREGEO mancante o vuoto nell'installazione "},
    {10793, ": il file PREGEO non e' stato scritto."},
    {10794, "Alcuni nomi di stazioni o punti non sono validi per PREGEO: il file e' stato scritto con i nomi com'erano."},
    {10795, "Alcuni punti sono stati osservati nella seconda posizione del cannocchiale: le letture sono state ridotte alla prima."},
    {10796, "DATI CENSUARI DEL RILIEVO"},
    {10797, "File PREGEO"},
};
}  // namespace

std::string DgctGetString(int id)
{
    for (const auto& [n, text] : kStringhe)
        if (n == id)
            return text;
    return "";
}
