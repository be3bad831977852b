// CConvFilePregeo: the PREGEO survey file and its result file, read back.
#include "ConvFilePregeo.h"

#include <LibCmp.h>
#include <zor0util.h>
#include <zor3dtct.h>
#include <zor4dglc.h>

#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace {
// Texts of the rows 6 that the writer uses to mark jobs, the technical report
// and the census rows.
constexpr std::string_view kLavoro = "Lavoro:";
constexpr std::string_view kOperatore = " - Operatore:";
constexpr std::string_view kStrumento = "Strumento:";
constexpr std::string_view kQuota = "Quota media del rilievo:";
constexpr std::string_view kRelazInizio = "RELAZIONE TECNICA";
constexpr std::string_view kRelazFine = "FINE RELAZIONE TECNICA";
constexpr std::string_view kCensuario = "DATI CENSUARI";

bool IniziaCon(const std::string& s, std::string_view p)
{
    return s.size() >= p.size() && std::string_view(s).substr(0, p.size()) == p;
}

std::string Trim(std::string s)
{
    StringTrimBoth(s);
    return s;
}

bool EstStile(const std::string& s)
{
    return s.size() == 2 && std::strchr("NPRVnprv", s[0]) != nullptr && std::strchr("CDPTVcdptv", s[1]) != nullptr;
}

char GruppoDaCodice(const std::string& code)
{
    if (code == "3SPC")
        return 'M';
    if (code == "51FTP")
        return 'F';
    if (code == "M31FU")
        return 'A';
    return 0;
}
}  // namespace

CConvFilePregeo::CConvFilePregeo(CLibCmp& lib, CCts& doc)
    : m_pLib(&lib), m_pDoc(&doc), m_iJob(lib.GetJobArSize() - 1)
{
}

CConvFilePregeo::~CConvFilePregeo() = default;

bool CConvFilePregeo::RichiestaNomeDriveEtPath()
{
    std::string nome;
    if (!FInpNomeFileConvDaPregeo(nome) || nome.empty())
        return false;
    m_NomeFile = nome;
    return m_File.Apre(m_NomeFile);
}

bool CConvFilePregeo::Importa(bool& coordinatesRead)
{
    coordinatesRead = false;
    if (!RichiestaNomeDriveEtPath())
        return false;
    return Esegui(coordinatesRead);
}

bool CConvFilePregeo::Load(const char* path, bool& coordinatesRead)
{
    coordinatesRead = false;
    m_NomeFile = path ? path : "";
    if (m_NomeFile.empty() || !m_File.Apre(m_NomeFile))
        return false;
    return Esegui(coordinatesRead);
}

bool CConvFilePregeo::LeggeUnaRigaPregeo()
{
    return m_File.LeggeRiga(m_Riga);
}

bool CConvFilePregeo::Esegui(bool& coordinatesRead)
{
    std::string line;
    while (m_File.LeggeRiga(line))
        ConvertiRiga(line);
    m_File.Chiude();
    m_bRelaz = false;
    m_bCens = false;
    coordinatesRead = ConversioneFileOut();
    return true;
}

void CConvFilePregeo::LeggeTesto(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t fine = text.find('\n', pos);
        if (fine == std::string_view::npos)
            fine = text.size();
        std::string line(text.substr(pos, fine - pos));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ConvertiRiga(line);
        pos = fine + 1;
    }
    m_bRelaz = false;
    m_bCens = false;
}

void CConvFilePregeo::ConvertiRiga(const std::string& line)
{
    m_Riga = line;
    if (m_Riga.empty() || m_Riga[0] < '0' || m_Riga[0] > '9')
        return;
    m_iTipoRiga = m_Riga[0] - '0';
    m_iPos = 2;   // the fields start at the third character
    switch (m_iTipoRiga) {
    case 0: ConversioneRiga0(); break;
    case 1: ConversioneRiga1(); break;
    case 2: ConversioneRiga2(); break;
    case 3: ConversioneRiga3o7('3'); break;
    case 7: ConversioneRiga3o7('7'); break;
    case 4: ConversioneRiga4(); break;
    case 5: ConversioneRiga5(); break;
    case 6: ControllaRiga6(); break;
    case 8: ConversioneRiga8(); break;
    case 9: ConversioneRiga9(); break;
    default: break;
    }
}

std::string CConvFilePregeo::SeparaCampoGrezzo()
{
    if (m_iPos >= m_Riga.size())
        return "";
    std::size_t fine = m_Riga.find('|', m_iPos);
    std::string campo;
    if (fine == std::string::npos) {
        // the last field of a row is read even without its separator
        campo = m_Riga.substr(m_iPos);
        m_iPos = m_Riga.size();
    } else {
        campo = m_Riga.substr(m_iPos, fine - m_iPos);
        m_iPos = fine + 1;
    }
    return campo;
}

std::string CConvFilePregeo::SeparaCampo()
{
    return Trim(SeparaCampoGrezzo());
}

CRig* CConvFilePregeo::GetRigaDiTipo(char type, int value)
{
    for (int i = 0; i < m_pDoc->GetRigArSize(); ++i) {
        CRig* r = m_pDoc->GetRigAt(i);
        if (r->GetTipo() == type && r->GetIntero1() == value)
            return r;
    }
    CRig* r = m_pDoc->AddRig(type);
    r->SetIntero1(value);
    return r;
}

void CConvFilePregeo::ConversioneRiga0()
{
    const std::string data = SeparaCampo();
    std::string g, m, a;
    if (data.size() >= 4) {
        g = data.substr(0, 2);
        m = data.substr(2, 2);
        a = data.substr(4);
    } else {
        g = data;
    }
    m_pDoc->SetData(g, m, a);
    m_pDoc->SetProt(SeparaCampo());
    m_pDoc->SetCdCm(SeparaCampo());
    m_pDoc->SetFogl(SeparaCampo());
    m_pDoc->SetMapp(SeparaCampo());
    const std::string tecnico = SeparaCampo();
    const std::size_t blank = tecnico.find(' ');
    m_pDoc->SetTcnC(Trim(tecnico.substr(0, blank)));
    m_pDoc->SetTcnN(blank == std::string::npos ? std::string() : Trim(tecnico.substr(blank + 1)));
    // A known qualification is kept as its code.
    const std::string qualifica = SeparaCampo();
    CCts prova;
    m_pDoc->SetQualifica(qualifica);
    for (char c = '1'; c <= '9'; ++c) {
        prova.SetQualifica(std::string(1, c));
        if (!qualifica.empty() && prova.GetQualificaDecodif() == qualifica) {
            m_pDoc->SetQualifica(std::string(1, c));
            break;
        }
    }
    m_pDoc->SetNomeProvCompleto(SeparaCampo());
}

void CConvFilePregeo::IntestazioneJob(const std::string& text)
{
    // "Lavoro: NAME - Operatore: OPERATOR DATE"
    std::string resto = text.substr(kLavoro.size());
    std::string nome, oper, data;
    const std::size_t sep = resto.find(kOperatore);
    if (sep == std::string::npos) {
        nome = Trim(resto);
    } else {
        nome = Trim(resto.substr(0, sep));
        std::string od = Trim(resto.substr(sep + kOperatore.size()));
        const std::size_t ultimo = od.rfind(' ');
        if (ultimo == std::string::npos) {
            oper = od;
        } else {
            oper = Trim(od.substr(0, ultimo));
            data = Trim(od.substr(ultimo + 1));
        }
    }
    CJob* job = m_pLib->AddJob();
    if (job == nullptr) {
        m_bAggFallita = true;
        m_iJob = -1;
        return;
    }
    job->SetLabels(nome, oper, "", data);
    m_iJob = m_pLib->GetJobArSize() - 1;
    m_iSta = -1;
    m_bIntestJobPend = true;
    m_pRigL = m_pDoc->AddRig('L');
    m_pRigL->SetIntero1(m_iJob + 1);
}

void CConvFilePregeo::ConversioneRiga1()
{
    if (m_iJob < 0) {
        // A file without job headers: its stations go to a new job.
        if (m_pLib->AddJob() == nullptr) {
            m_bAggFallita = true;
            return;
        }
        m_iJob = m_pLib->GetJobArSize() - 1;
        m_bIntestJobPend = true;
    }
    if (m_bIntestJobPend) {
        m_pDoc->AddRig('S')->SetIntero1(m_iJob + 1);
        m_bIntestJobPend = false;
        m_pRigL = nullptr;
    }
    const std::string nome = SeparaCampo();
    const std::string iden = SeparaCampo();
    CSta* sta = m_pLib->AddSta(m_iJob);
    if (sta == nullptr) {
        m_bAggFallita = true;
        m_iSta = -1;
        return;
    }
    sta->SetNome(nome);
    sta->SetIden(iden);
    sta->SetAltStr(0.0);
    m_iSta = m_pLib->GetStaArSize(m_iJob) - 1;
}

void CConvFilePregeo::ConversioneRiga2()
{
    if (m_iJob < 0 || m_iSta < 0)
        return;
    const std::string nome = SeparaCampo();
    const double hz = DoubleDaString(SeparaCampo());
    double dist = DoubleDaString(SeparaCampo());
    const std::string code = SeparaCampo();
    if (dist == 0.0)
        dist = VAL_NON_VALIDO;
    CPun* pun = m_pLib->AddPun(m_iJob, m_iSta);
    if (pun == nullptr) {
        m_bAggFallita = true;
        return;
    }
    pun->SetNome(nome);
    pun->SetCode(code);
    pun->SetAltPri(0.0);
    pun->SetDtIntAng(dist, 100.0, hz);
    pun->TrasfCodOldAlf(true, false);
}

void CConvFilePregeo::ConversioneRiga3o7(char type)
{
    std::vector<std::string> f;
    const std::string conta = SeparaCampo();
    while (m_iPos < m_Riga.size())
        f.push_back(SeparaCampo());
    const int n = IntDaString(conta);
    if (n > 0 || m_pRigVrt == nullptr || m_pRigVrt->GetTipo() != type) {
        m_pRigVrt = m_pDoc->AddRig(type);
        m_iUltimoVrtRigaPrec = -1;
        m_bEtichPrese = false;
    }
    std::size_t nomi = f.size();
    std::string stile;
    if (type == '7') {
        const std::size_t m = f.size();
        if (!m_bEtichPrese && m >= 5 && EstStile(f[m - 4])) {
            nomi = m - 4;
            stile = f[m - 4];
            m_pRigVrt->SetEtich1(f[m - 3]);
            m_pRigVrt->SetEtich2(f[m - 2]);
            m_pRigVrt->SetEtichMat(f[m - 1]);
            m_pRigVrt->SetIntero1(1);
            m_bEtichPrese = true;
        } else if (m >= 2 && EstStile(f[m - 1])) {
            nomi = m - 1;
            stile = f[m - 1];
        }
    }
    const char colore = stile.empty() ? 'N' : stile[0];
    const char tpLinea = stile.empty() ? 'C' : stile[1];
    // The last vertex of the line before carries the style of this line: the
    // writer ends a line on the vertex where the style changes.
    if (CCtsVrt* prec = m_pRigVrt->GetVrtAt(m_iUltimoVrtRigaPrec); prec && !stile.empty()) {
        prec->SetColore(colore);
        prec->SetTpLinea(tpLinea);
    }
    for (std::size_t i = 0; i < nomi; ++i)
        m_pRigVrt->AddVrt(f[i], colore, tpLinea);
    m_iUltimoVrtRigaPrec = m_pRigVrt->GetVrtArSize() - 1;
}

void CConvFilePregeo::ConversioneRiga4()
{
    CRig* r = m_pDoc->AddRig('4');
    r->SetEtich1(SeparaCampo());
    r->SetEtich2(SeparaCampo());
    r->SetReale2(DoubleDaString(SeparaCampo()));
    r->SetEtichMat(SeparaCampo());
}

void CConvFilePregeo::ConversioneRiga5()
{
    CRig* r = m_pDoc->AddRig('5');
    r->SetEtich1(SeparaCampo());
    r->SetReale1(DoubleDaString(SeparaCampo()));
    r->SetReale2(DoubleDaString(SeparaCampo()));
    r->SetEtichMat(SeparaCampo());
}

void CConvFilePregeo::ControllaRiga6()
{
    const std::size_t inizio = m_iPos;
    const std::string raw = SeparaCampoGrezzo();
    const std::string testo = Trim(raw);
    if (m_bCens) {
        if (char g = GruppoDaCodice(testo)) {
            m_cGruppoCens = g;
            if (m_pDoc->GetOrdineCens().find(g) == std::string::npos)
                m_pDoc->SetOrdineCens(m_pDoc->GetOrdineCens() + g);
            return;
        }
        m_iPos = inizio;
        ConversioneRigaCens(testo);
        return;
    }
    if (m_bRelaz) {
        if (testo == kRelazFine)
            m_bRelaz = false;
        else
            ConversioneRigaRelaz(raw);
        return;
    }
    if (testo == kRelazInizio) {
        m_bRelaz = true;
    } else if (IniziaCon(testo, kCensuario)) {
        m_bCens = true;
    } else if (IniziaCon(testo, kLavoro)) {
        IntestazioneJob(testo);
    } else if (IniziaCon(testo, kStrumento) && m_pRigL && m_bIntestJobPend) {
        if (CJob* job = m_pLib->GetJobAt(m_iJob))
            job->SetStrum(Trim(testo.substr(kStrumento.size())));
    } else if (IniziaCon(testo, kQuota) && m_pRigL && m_bIntestJobPend) {
        m_pRigL->SetReale1(DoubleDaString(testo.substr(kQuota.size())));
    } else {
        ConversioneRiga6(testo);
    }
}

void CConvFilePregeo::ConversioneRiga6(const std::string& text)
{
    m_pDoc->AddRig('6')->SetEtichMat(text);
}

void CConvFilePregeo::ConversioneRigaRelaz(const std::string& raw)
{
    // The writer puts one blank before the text and pads it with blanks.
    std::string s = raw;
    if (!s.empty() && s[0] == ' ')
        s.erase(0, 1);
    StringTrimRight(s);
    m_pDoc->AddRelaz(s);
}

void CConvFilePregeo::ConversioneRigaCens(const std::string& /*first*/)
{
    CCensRig* c = m_pDoc->AddCensRig(m_cGruppoCens);
    c->Operazione = SeparaCampo();
    c->OrigPrinc = SeparaCampo();
    c->SubOrig = SeparaCampo();
    c->IdProvv = SeparaCampo();
    c->IdDef = SeparaCampo();
    const std::string sup = SeparaCampo();
    if (sup.size() == 9) {
        c->Ettari = sup.substr(0, 5);
        c->Are = sup.substr(5, 2);
        c->Centiare = sup.substr(7, 2);
    } else {
        c->Ettari = sup;
    }
    c->Natura = SeparaCampo();
    if (m_cGruppoCens == 'A') {
        c->CodAnnot = SeparaCampo();
        c->Qualita = SeparaCampo();
        c->Classe = SeparaCampo();
        c->TestoAnnot = SeparaCampo();
    } else {
        c->LottiProvv = SeparaCampo();
        c->LottiDef = SeparaCampo();
        c->Qualita = SeparaCampo();
        c->Classe = SeparaCampo();
    }
}

void CConvFilePregeo::ConversioneRiga8()
{
    if (m_bPrimoFiduc) {
        m_pDoc->AddRig('8');
        m_bPrimoFiduc = false;
    }
    COri* o = m_pLib->AddOri();
    if (o == nullptr) {
        m_bAggFallita = true;
        return;
    }
    o->SetNome(SeparaCampo());
    o->SetCoordY(DoubleDaString(SeparaCampo()));
    o->SetCoordX(DoubleDaString(SeparaCampo()));
    const std::string att = SeparaCampo();
    if (!att.empty())
        o->SetAttendib(IntDaString(att));
    o->SetComm(SeparaCampo());
    o->CalcolaValiditaXYZ();
}

void CConvFilePregeo::ConversioneRiga9()
{
    CRig* r = m_pDoc->AddRig('9');
    r->SetReale1(DoubleDaString(SeparaCampo()));
    r->SetIntero1(IntDaString(SeparaCampo()));
    r->SetIntero2(IntDaString(SeparaCampo()));
    r->SetEtich1(SeparaCampo());
    std::string ver = SeparaCampo();
    if (ver.size() >= 2 && ver.compare(ver.size() - 2, 2, "-G") == 0)
        ver.resize(ver.size() - 2);
    const double v = DoubleDaString(ver);
    r->SetReale2(v);
    if (EstValido(v) && (v > 7.52 || UgualeA(v, 7.52)))
        r->SetEtich2(SeparaCampo());
    r->SetEtichMat(SeparaCampo());
}

bool CConvFilePregeo::ConversioneFileOut()
{
    if (m_iJob < 0 || (m_NomeFile.empty() && m_NomeFileOut.empty()))
        return false;
    CLettoreRighe out;
    if (!m_NomeFileOut.empty()) {
        if (!out.Apre(m_NomeFileOut))
            return false;
    } else {
        std::string base = m_NomeFile;
        std::string nome = m_NomeFile;
        EstraiIlNomeFile(nome);
        const std::size_t punto = nome.rfind('.');
        if (punto != std::string::npos)
            base.resize(base.size() - (nome.size() - punto));
        if (!out.Apre(base + ".out") && !out.Apre(base + ".OUT"))
            return false;
    }

    // Names of the current job's stations and points, and of the orientation points.
    std::unordered_map<std::string, std::vector<CEgn*>> stazioni, punti;
    for (int i = 0; i < m_pLib->GetStaArSize(m_iJob); ++i) {
        CSta* s = m_pLib->GetStaAt(m_iJob, i);
        stazioni[s->GetNome()].push_back(s);
        for (int k = 0; k < m_pLib->GetPunArSize(m_iJob, i); ++k) {
            CPun* p = m_pLib->GetPunAt(m_iJob, i, k);
            punti[p->GetNome()].push_back(p);
        }
    }
    std::unordered_set<std::string> ori;
    for (int i = 0; i < m_pLib->GetOriArSize(); ++i)
        ori.insert(m_pLib->GetOriAt(i)->GetNome());

    bool letto = false;
    std::string line;
    while (out.LeggeRiga(line)) {
        std::vector<std::string> f;
        std::size_t i = 0;
        while (i < line.size() && f.size() < 3) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '|'))
                ++i;
            std::size_t j = i;
            while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '|')
                ++j;
            if (j > i)
                f.push_back(line.substr(i, j - i));
            i = j;
        }
        if (f.size() < 3)
            continue;
        const double x = DoubleDaString(f[1]);
        const double y = DoubleDaString(f[2]);
        if (!EstValido(x) || !EstValido(y))
            continue;
        if (auto it = stazioni.find(f[0]); it != stazioni.end()) {
            for (CEgn* e : it->second) {
                if (e->EstValidoXY())
                    continue;
                auto* s = static_cast<CSta*>(e);
                s->SetCoordX(x);
                s->SetCoordY(y);
                s->SetAnCoAz(VAL_NON_VALIDO);
                s->CalcolaValiditaXYZ();
                letto = true;
            }
        }
        if (auto it = punti.find(f[0]); it != punti.end()) {
            for (CEgn* e : it->second) {
                if (e->EstValidoXY())
                    continue;
                e->SetCoordX(x);
                e->SetCoordY(y);
                e->CalcolaValiditaXYZ();
                if (ori.count(f[0]))
                    e->SetCodeOR(true);
                else
                    e->SetCodePO(true);
                letto = true;
            }
        }
    }
    return letto;
}

bool FImportFilePregeo(CLibCmp& lib, CCts& doc, bool& coordinatesRead)
{
    CConvFilePregeo conv(lib, doc);
    return conv.Importa(coordinatesRead);
}

bool FLoadFilePregeo(CLibCmp& lib, CCts& doc, const char* fileName, bool& coordinatesRead)
{
    CConvFilePregeo conv(lib, doc);
    return conv.Load(fileName, coordinatesRead);
}
