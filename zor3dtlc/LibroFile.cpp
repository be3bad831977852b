// Field-book files: header, tag and version around the field-book block.
#include "LibroFile.h"

#include "LibCmp.h"

#include <fpstream.h>

#include <filesystem>
#include <system_error>

namespace {
bool Errore(TEsitoLibro* esito, const std::string& msg)
{
    if (esito)
        esito->Errore = msg;
    return false;
}
}  // namespace

bool SalvaLibroInFile(const CLibCmp& lib, const std::string& path, TEsitoLibro* esito)
{
    const std::string tmp = path + ".tmp";
    bool ok = false;
    {
        ofpstream out(tmp, VERSIONE_CORRENTE, TAG_LIBRO);
        if (!out.good())
            return Errore(esito, "impossibile creare il file '" + tmp + "'");
        out.WriteTagAndVersion();
        lib.SalvaBlocco(out, VERSIONE_CORRENTE);
        ok = out.close();
    }
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(tmp, path, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(tmp, ec);
        return Errore(esito, "scrittura del libretto '" + path + "' non riuscita");
    }
    if (esito)
        esito->Versione = VERSIONE_CORRENTE;
    return true;
}

bool LeggeLibroDaFile(CLibCmp& lib, const std::string& path, TEsitoLibro* esito)
{
    ifpstream in(path);
    if (in.fail())
        return Errore(esito, "impossibile aprire il file '" + path + "'");
    if (!in.ReadTagAndVersion())
        return Errore(esito, "file troppo corto: manca l'intestazione del libretto");
    if (in.GetTag() != TAG_LIBRO)
        return Errore(esito, "il file non è un libretto delle misure (tipo '" + in.GetTag() + "')");
    const short v = in.GetVersion();
    if (esito)
        esito->Versione = v;
    if (v <= 0 || v > VERSIONE_CORRENTE)
        return Errore(esito, "versione del libretto non gestita: " + std::to_string(v));
    if (!lib.LeggeDaFile(in, true, true, v))
        return Errore(esito, "libretto troncato o danneggiato");
    if (esito)
        esito->ByteAvanzati = in.Remaining();
    return true;
}
