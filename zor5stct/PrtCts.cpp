// CPrtCts: the PREGEO survey file, its archive record and its report.
#include "PrtCts.h"

#include "RighePregeo.h"

#include <LibCmp.h>
#include <hostui.h>
#include <zor0util.h>
#include <zor3dtct.h>
#include <zor4dgct.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

CPrtCts::CPrtCts(void* window, CCts& doc, CLibCmp& lib, const char* fileName)
    : Window(window), Doc(&doc), Lib(&lib), NomeFile(fileName ? fileName : ""), Sep("|")
{
}

CPrtCts::~CPrtCts() = default;

void CPrtCts::Inizializza(bool report)
{
    ModoReport = report;
    Caption = DgctGetString(10797);
    NomiValidi = true;
    FaceDue = false;
    NuSegnaposto = 0;
    NuCampiTagliati = 0;
    PosArch = -1;
    Sep = report ? " " : "|";
}

bool CPrtCts::CreaFile()
{
    Inizializza(false);
    bool ok = CreaFileInterno();
    ShowWarnings();
    return ok;
}

bool CPrtCts::Stampa()
{
    Inizializza(true);
    return StampaInterna();
}

std::string CPrtCts::AddZero(const std::string& text, int width)
{
    return pregeo::AddZero(text, width);
}

std::string CPrtCts::AddSpace(const std::string& text, int width, bool right)
{
    return pregeo::AddSpace(text, width, right);
}

void CPrtCts::IniziaRiga(const std::string& tipo)
{
    if (ModoReport)
        ScriviStringaTab(tipo, -1);
    ScriviStringa(tipo + Sep);
}

void CPrtCts::RigaTesto(const std::string& tipo, const std::string& text)
{
    IniziaRiga(tipo);
    Campo(text);
    FineRiga();
}

void CPrtCts::ScriviStringaNoSpazi(const std::string& text)
{
    Campo(pregeo::TestoPulito(text));
}

void CPrtCts::ScriviNomeConvertitoPregeo(const std::string& name)
{
    std::string s = pregeo::NomeConvertito(name);
    NomiValidi = NomiValidi && NomeStazionePregeoValido(s);
    Campo(s);
}

void CPrtCts::Errore(const std::string& text)
{
    hostui::Beep();
    hostui::MessageBox(hostui::Level::Error, text, Caption);
}

void CPrtCts::ScriviRiga0()
{
    const CCts& d = *Doc;
    IniziaRiga("0");
    ScriviStringaNoSpazi(pregeo::TestoPulito(d.GetGior()) + pregeo::TestoPulito(d.GetMese()) +
                         pregeo::TestoPulito(d.GetAnno()));
    ScriviStringaNoSpazi(d.GetProt());
    ScriviStringaNoSpazi(d.GetCdCm());
    ScriviStringaNoSpazi(d.GetFogl());
    ScriviStringaNoSpazi(d.GetMapp());
    Campo(pregeo::TestoPulito(d.GetTcnC()) + " " + pregeo::TestoPulito(d.GetTcnN()));
    ScriviStringaNoSpazi(d.GetQualificaDecodif());
    ScriviStringaNoSpazi(d.GetNomeProvCompleto());
    FineRiga();
}

void CPrtCts::ScriviIntestazioneDelJob(CRig& rig)
{
    CJob* job = rig.GetIntero1() >= 1 ? Lib->GetJobAt(rig.GetIntero1() - 1) : nullptr;
    if (job == nullptr)
        return;
    std::string nome, oper, strum, data;
    job->GetLabels(&nome, &oper, &strum, &data);
    RigaTesto("6", DgctGetString(10782) + pregeo::TestoPulito(nome) + DgctGetString(10783) + pregeo::TestoPulito(oper) +
                       " " + pregeo::TestoPulito(data));
    RigaTesto("6", DgctGetString(10784) + pregeo::TestoPulito(strum));
    if (EstValido(rig.GetReale1()))
        RigaTesto("6", DgctGetString(10785) + StringDaDouble(rig.GetReale1(), 0, 2) + " mt");
}

void CPrtCts::ScriviStazioniDelJob(CRig& rig)
{
    if (rig.GetIntero1() < 1 || Lib->GetJobAt(rig.GetIntero1() - 1) == nullptr)
        return;
    const int j = rig.GetIntero1() - 1;
    for (int i = 0; i < Lib->GetStaArSize(j); ++i) {
        CSta* sta = Lib->GetStaAt(j, i);
        if (sta->IsCodedNP())
            continue;
        IniziaRiga("1");
        ScriviNomeConvertitoPregeo(sta->GetNome());
        ScriviStringaNoSpazi(sta->GetIden());
        FineRiga();
        for (int k = 0; k < Lib->GetPunArSize(j, i); ++k) {
            CPun* pun = Lib->GetPunAt(j, i, k);
            if (!pun->IsCodedNP())
                ScriviPun(*pun);
        }
    }
}

void CPrtCts::ScriviPun(CPun& pun)
{
    // Face correction on copies: the book keeps its readings as they were taken.
    double di = pun.GetDato0();
    double zen = pun.GetDato1();
    double hz = pun.GetDato2();
    if (CalcoloDrittoOCap(zen, hz) == 1)
        FaceDue = true;
    double dist = Lib->GetCalcDsOr().CalcDistOr(di, zen);
    if (!EstValido(dist)) {
        dist = 0;
        ++NuSegnaposto;
    }
    IniziaRiga("2");
    ScriviNomeConvertitoPregeo(pun.GetNome());
    if (EstValido(hz)) {
        Campo(StringDaDouble(hz, 0, 4));
    } else {
        Campo(" ");
        ++NuSegnaposto;
    }
    Campo(StringDaDouble(dist, 0, 3));
    ScriviStringaNoSpazi(pun.GetCode());
    FineRiga();
}

void CPrtCts::ScriviRiga3o7(CRig& rig)
{
    for (const std::string& line : pregeo::RigheVertici(rig, Sep)) {
        if (ModoReport)
            ScriviStringaTab(std::string(1, rig.GetTipo()), -1);
        ScriviStringaLn(line);
    }
}

void CPrtCts::ScriviRiga4(CRig& rig)
{
    IniziaRiga("4");
    ScriviStringaNoSpazi(rig.GetEtich1());
    ScriviStringaNoSpazi(rig.GetEtich2());
    if (!EstValido(rig.GetReale2()))
        ++NuSegnaposto;
    Campo(pregeo::NumeroOAsterischi(rig.GetReale2(), 5));
    ScriviStringaNoSpazi(rig.GetEtichMat());
    FineRiga();
}

void CPrtCts::ScriviRiga5(CRig& rig)
{
    IniziaRiga("5");
    ScriviStringaNoSpazi(rig.GetEtich1());
    NuSegnaposto += !EstValido(rig.GetReale1()) + !EstValido(rig.GetReale2());
    Campo(pregeo::NumeroOAsterischi(rig.GetReale1(), 3));
    Campo(pregeo::NumeroOAsterischi(rig.GetReale2(), 3));
    ScriviStringaNoSpazi(rig.GetEtichMat());
    FineRiga();
}

void CPrtCts::ScriviRiga6(CRig& rig)
{
    if (pregeo::TestoPulito(rig.GetEtichMat()).empty())
        return;
    IniziaRiga("6");
    ScriviStringaNoSpazi(rig.GetEtichMat());
    FineRiga();
}

void CPrtCts::ScriviRiga9(CRig& rig)
{
    IniziaRiga("9");
    if (!EstValido(rig.GetReale1()))
        ++NuSegnaposto;
    Campo(pregeo::NumeroOAsterischi(rig.GetReale1(), 0));
    for (int v : {rig.GetIntero1(), rig.GetIntero2()}) {
        if (v < 1) {
            ++NuSegnaposto;
            Campo("***");
        } else {
            Campo(std::to_string(v));
        }
    }
    ScriviStringaNoSpazi(rig.GetEtich1());
    const double ver = rig.GetReale2();
    Campo((EstValido(ver) ? StringDaDouble(ver, 0, 2) : std::string("7.01")) + "-G");
    if (EstValido(ver) && (ver > 7.52 || UgualeA(ver, 7.52)))
        ScriviStringaNoSpazi(rig.GetEtich2());
    ScriviStringaNoSpazi(rig.GetEtichMat());
    FineRiga();
}

void CPrtCts::ScriviPuntiFiduciali()
{
    int volte = 0;
    for (int i = 0; i < Doc->GetRigArSize(); ++i)
        if (Doc->GetRigAt(i)->GetTipo() == '8')
            ++volte;
    for (int n = 0; n < volte; ++n) {
        for (int i = 0; i < Lib->GetOriArSize(); ++i) {
            const COri* o = Lib->GetOriAt(i);
            if (!o->EstValidoXY())
                continue;
            IniziaRiga("8");
            ScriviNomeConvertitoPregeo(o->GetNome());
            Campo(StringDaDouble(o->GetCoordY(), 0, 3));
            Campo(StringDaDouble(o->GetCoordX(), 0, 3));
            Campo(StringDaDouble(o->GetAttendib(), 0, 0));
            ScriviStringaNoSpazi(o->GetComm());
            FineRiga();
        }
    }
}

void CPrtCts::ScriviGruppoCens(char gruppo, const char* codice)
{
    std::vector<const CCensRig*> righe;
    for (int i = 0; i < Doc->GetCensRigArSize(); ++i) {
        const CCensRig* c = Doc->GetCensRigAt(i);
        if (c->GetGruppo() != gruppo)
            continue;
        if (gruppo == 'A' && pregeo::TestoPulito(c->Operazione) == "D")
            continue;   // deleted auxiliary entries are not written
        righe.push_back(c);
    }
    if (righe.empty())
        return;
    IniziaRiga("6");
    Campo(codice);
    Campo(AddZero(std::to_string(righe.size()), 3));
    Campo(std::string(57, ' '));
    FineRiga();
    for (const CCensRig* c : righe) {
        IniziaRiga("6");
        for (const std::string& f : pregeo::CampiCensuario(*c, NuCampiTagliati))
            Campo(f);
        FineRiga();
    }
}

void CPrtCts::ScriviRigheMapp()
{
    ScriviGruppoCens('M', "3SPC ");
}

void CPrtCts::ScriviRigheFraz()
{
    ScriviGruppoCens('F', "51FTP");
}

void CPrtCts::ScriviRigheAus()
{
    ScriviGruppoCens('A', "M31FU");
}

void CPrtCts::ScriviCensuario()
{
    // The groups in the document's order; an empty order still writes every group.
    std::string ordine = Doc->GetOrdineCens().empty() ? std::string("AFM") : Doc->GetOrdineCens();
    std::string fatti;
    for (char g : ordine) {
        if (fatti.find(g) != std::string::npos)
            continue;
        fatti += g;
        if (g == 'A')
            ScriviRigheAus();
        else if (g == 'F')
            ScriviRigheFraz();
        else if (g == 'M')
            ScriviRigheMapp();
    }
}

void CPrtCts::StampaRelazTecn()
{
    if (Doc->GetRelazArSize() == 0)
        return;
    RigaTesto("6", DgctGetString(10786));
    for (int i = 0; i < Doc->GetRelazArSize(); ++i)
        for (const std::string& pezzo : pregeo::SpezzaRigaRelaz(pregeo::SenzaSeparatori(Doc->GetRelazAt(i)), 70))
            RigaTesto("6", " " + AddSpace(pezzo, 70, true));
    RigaTesto("6", DgctGetString(10787));
}

// Row 0, then the document's rows in their order, each as its type asks.
void CPrtCts::ScriviRigheDelDocumento()
{
    ScriviRiga0();
    for (int i = 0; i < Doc->GetRigArSize(); ++i) {
        CRig& rig = *Doc->GetRigAt(i);
        switch (rig.GetTipo()) {
        case 'L': ScriviIntestazioneDelJob(rig); break;
        case 'S': ScriviStazioniDelJob(rig); break;
        case '3':
        case '7': ScriviRiga3o7(rig); break;
        case '4': ScriviRiga4(rig); break;
        case '5': ScriviRiga5(rig); break;
        case '6': ScriviRiga6(rig); break;
        case '9': ScriviRiga9(rig); break;
        default: break;   // '8': the fiducial points come after the report
        }
    }
}

void CPrtCts::ScriviTutteLeRighe()
{
    ScriviRigheDelDocumento();
    StampaRelazTecn();
    ScriviPuntiFiduciali();
    if (Doc->GetCensRigArSize() > 0) {
        RigaTesto("6", DgctGetString(10788));
        ScriviCensuario();
    }
}

bool CPrtCts::RichSeScrivereSopra()
{
    std::string text = DgctGetString(10789) + pregeo::TestoPulito(Doc->GetAnno()) + DgctGetString(10790) +
                       pregeo::TestoPulito(Doc->GetProt()) + DgctGetString(10791);
    return hostui::MessageBox(hostui::Level::Question, text, Caption, hostui::Buttons::YesNo) == hostui::AnswerYes;
}

bool CPrtCts::ControlloFilePregeoArch()
{
    std::FILE* f = std::fopen(NomeArch.c_str(), "rb");
    long size = -1;
    if (f) {
        if (std::fseek(f, 0, SEEK_END) == 0)
            size = std::ftell(f);
        std::fclose(f);
    }
    if (size <= 0) {
        hostui::Beep();
        hostui::MessageBox(hostui::Level::Warning,
                           DgctGetString(10792) + (Doc->GetOpzCts().GetUsaPregeo() ? Doc->GetOpzCts().GetPathPregeo() : NomeArch) +
                               DgctGetString(10793),
                           Caption);
        return false;
    }
    if (size % static_cast<long>(pregeo::kDimRecordArchivio) != 0) {
        Errore("L'archivio PREGEO " + NomeArch + " non e' fatto di record di " +
               std::to_string(pregeo::kDimRecordArchivio) + " byte (" + std::to_string(size) +
               " byte): non viene modificato e il file PREGEO non e' stato scritto.");
        return false;
    }
    return true;
}

// Chooses the record to write: the first record of the same protocol and year
// that the user agrees to overwrite, or the end when none matches. False when
// records match and the user keeps them all, or the archive cannot be read.
bool CPrtCts::ScriveFilePregeoArch()
{
    std::FILE* f = std::fopen(NomeArch.c_str(), "rb");
    if (!f) {
        Errore("Impossibile leggere l'archivio PREGEO " + NomeArch + ": " + std::strerror(errno));
        return false;
    }
    const std::string nuovo = pregeo::RecordArchivio(*Doc);
    const std::string chiave = nuovo.substr(0, 6) + nuovo.substr(11, 2);
    char rec[pregeo::kDimRecordArchivio];
    long pos = 0;
    bool trovato = false;
    PosArch = -1;
    while (std::fread(rec, 1, sizeof rec, f) == sizeof rec) {
        if (std::string(rec, 6) + std::string(rec + 11, 2) == chiave) {
            trovato = true;
            if (RichSeScrivereSopra()) {
                PosArch = pos;
                break;
            }
        }
        pos += static_cast<long>(sizeof rec);
    }
    bool letto = std::ferror(f) == 0;
    std::fclose(f);
    if (!letto) {
        Errore("Errore di lettura dell'archivio PREGEO " + NomeArch);
        return false;
    }
    if (PosArch < 0 && trovato)
        return false;   // the user keeps the records already there
    if (PosArch < 0)
        PosArch = pos;   // a new record at the end
    return true;
}

bool CPrtCts::RichiestaNomeDriveEtPath()
{
    return FInpNomeFilePregeo(NomeFile);
}

namespace {
bool ScriviRecordArchivio(const std::string& path, long pos, const std::string& rec, std::string& err)
{
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (!f) {
        err = std::strerror(errno);
        return false;
    }
    bool ok = std::fseek(f, pos, SEEK_SET) == 0 && std::fwrite(rec.data(), 1, rec.size(), f) == rec.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok)
        err = "scrittura non riuscita";
    return ok;
}
}  // namespace

bool CPrtCts::CreaFileInterno()
{
    NomeFile = pregeo::TestoPulito(Doc->GetAnno()) + pregeo::TestoPulito(Doc->GetProt()) + ".DAT";
    COpzCts& opz = Doc->GetOpzCts();
    if (!FDlgOpzCts(opz))
        return false;
    bool ok = false;
    bool conArchivio = false;
    if (opz.GetUsaPregeo()) {
        const std::string base = UnisciPath(opz.GetPathPregeo(), "PREGEO");
        const bool m = opz.GetVal1() != 0;
        NomeFile = UnisciPath(UnisciPath(base, m ? "DATIm" : "DATI"), NomeFile);
        NomeArch = UnisciPath(UnisciPath(base, "ARCH"), m ? "ARCH2m" : "ARCH2");
        conArchivio = true;
        ok = ControlloFilePregeoArch() && ScriveFilePregeoArch();
    } else {
        ok = RichiestaNomeDriveEtPath();
        if (ok && !NomeArch.empty()) {
            conArchivio = true;
            ok = ControlloFilePregeoArch() && ScriveFilePregeoArch();
        }
    }
    if (!ok)
        return false;
    if (!IsFileAperto(NomeFile)) {
        Errore("Impossibile scrivere il file PREGEO " + NomeFile + ": " + GetErrore());
        return false;
    }
    ScriviTutteLeRighe();
    if (!ChiudeFile()) {
        Errore("Il file PREGEO " + NomeFile + " non e' stato scritto: " + GetErrore());
        return false;
    }
    if (conArchivio) {
        std::string err;
        if (!ScriviRecordArchivio(NomeArch, PosArch, pregeo::RecordArchivio(*Doc), err)) {
            Errore("Il file PREGEO " + NomeFile + " e' stato scritto, ma l'archivio " + NomeArch +
                   " non e' stato aggiornato: " + err);
            return false;
        }
    }
    return true;
}

bool CPrtCts::StampaInterna()
{
    if (!IsFileAperto("rpt\\cts.qdt")) {
        Errore(GetErrore());
        return false;
    }
    ScriviRigheDelDocumento();
    StampaRelazTecn();
    ScriviPuntiFiduciali();
    if (!Doc->GetOrdineCens().empty()) {
        RigaTesto("6", DgctGetString(10796));
        ScriviCensuario();
    }
    ChiudeFile();
    ShowWarnings();
    if (!StampaReport("cts", NomeFile)) {
        Errore("La stampa non e' stata scritta: " + GetErrore());
        return false;
    }
    return true;
}

void CPrtCts::ShowWarnings()
{
    auto avviso = [&](const std::string& text) {
        hostui::Beep();
        hostui::MessageBox(hostui::Level::Warning, text, Caption);
    };
    if (!NomiValidi)
        avviso(DgctGetString(10794));
    if (FaceDue)
        avviso(DgctGetString(10795));
    if (NuSegnaposto > 0)
        avviso(std::to_string(NuSegnaposto) +
               " valori non validi sono stati scritti come segnaposto (distanza 0, lettura orizzontale vuota o \"***\").");
    if (NuCampiTagliati > 0)
        avviso(std::to_string(NuCampiTagliati) + " campi dei dati censuari erano piu' lunghi della loro colonna e sono stati tagliati.");
}
