// FConvFileDaStrum and FConvFileNoTopcon: choosing and running a converter.
#include "FConvFile.h"

#include "ConvFileCts.h"
#include "ConvFileGT7.h"

#include <hostui.h>
#include <zor0util.h>
#include <zor4dglc.h>

#include <memory>

namespace {
using Fabbrica = std::unique_ptr<CConvGen> (*)(CLibCmp&, std::string*);

// The factory of a converter class, for the entries of the table below.
template <class T>
std::unique_ptr<CConvGen> Crea(CLibCmp& lib, std::string* nome)
{
    return std::make_unique<T>(lib, nome);
}

struct Formato {
    const char* nome;
    Fabbrica crea;   // null: the converter is not available yet
};

// The formats of FConvFileNoTopcon, by number (index + 1).
constexpr Formato kFormati[NU_FORMATI_NO_TOPCON] = {
    {"parole numerate", nullptr},
    {"elenco stampato delle stazioni", nullptr},
    {"colonne fisse con righe 11 e 41", nullptr},
    {"parole chiave di due lettere", nullptr},
    {"colonne fisse con marcatori 1 e 2", nullptr},
    {"parole chiave di due lettere (seconda forma)", nullptr},
    {"righe di rilievo catastale", Crea<CConvFileCts>},
    {"righe S e record di tre righe", nullptr},
    {"record codificati", nullptr},
    {"SDR3", nullptr},
    {"SPECTRA", nullptr},
    {"INPUT VALUES / PRISM / MEASURE", nullptr},
    {"cam", nullptr},
    {"etichette di campo", nullptr},
    {"elenco di campi (prima forma)", nullptr},
    {"elenco di campi (seconda forma)", nullptr},
};

bool NonSupportato(const std::string& formato)
{
    hostui::MessageBox(hostui::Level::Warning, "Il formato " + formato + " non è ancora supportato.",
                       DglcGetString(IDS_CONV_TITOLO));
    return false;
}

bool Esegue(std::unique_ptr<CConvGen> conv)
{
    const bool ok = conv->Esegui();
    conv.reset();   // shows the end-of-import messages
    return ok;
}
}  // namespace

std::string NomeFormatoNoTopcon(int format)
{
    if (format < 1 || format > NU_FORMATI_NO_TOPCON)
        return {};
    return kFormati[format - 1].nome;
}

bool FConvFileDaStrum(CLibCmp& lib, int kind)
{
    std::string nome;
    if (!FInpNomeFileConvInStell(nome, kind) || nome.empty())
        return false;
    if (nome.size() <= 2) {
        hostui::MessageBox(hostui::Level::Warning, "Nome di file non valido: '" + nome + "'.",
                           DglcGetString(IDS_CONV_TITOLO));
        return false;
    }
    std::string est = nome.substr(nome.size() - 3);
    StringToUpper(est);
    if (est == "GT7" || est == "DAT")
        return Esegue(std::make_unique<CConvFileGT7>(lib, &nome));
    if (est == "MM2" || est == "MMT" || est == "SCR")
        return NonSupportato(est);
    hostui::MessageBox(hostui::Level::Warning,
                       "Estensione del file non riconosciuta: '" + est + "' (attese GT7, DAT, MM2, MMT, SCR).",
                       DglcGetString(IDS_CONV_TITOLO));
    return false;
}

bool FConvFileNoTopcon(CLibCmp& lib)
{
    std::string nome;
    int format = 0;
    if (!FInpNomeFileConvNoTopcon(nome, format) || nome.empty())
        return false;
    if (format < 1 || format > NU_FORMATI_NO_TOPCON) {
        hostui::MessageBox(hostui::Level::Warning,
                           "Formato " + std::to_string(format) + " inesistente: i formati vanno da 1 a 16.",
                           DglcGetString(IDS_CONV_TITOLO));
        return false;
    }
    const Formato& f = kFormati[format - 1];
    if (!f.crea)
        return NonSupportato(std::to_string(format) + " (" + f.nome + ")");
    return Esegue(f.crea(lib, &nome));
}
