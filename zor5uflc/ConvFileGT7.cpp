// CConvFileGT7: reading GTS-7 records into jobs, stations and points.
#include "ConvFileGT7.h"

#include <hostui.h>
#include <zor0util.h>
#include <zor4dglc.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {
// The value of pi the instrument formulas use.
constexpr double kPi = 3.141592654;
constexpr double kPiede = 0.3048;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Shortest text that reads back as exactly v.
std::string Testo(double v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

// Blank or empty after trimming: a missing value.
bool Vuoto(const std::string& s)
{
    for (char c : s)
        if (!IsBlank(c))
            return false;
    return true;
}

// DDD.MMSSsss (degrees, minutes, seconds and decimals of a second) to gon.
// The digits are taken from the text, so that "10.30" is 10 degrees 30
// minutes exactly. Invalid when the text is not such a number.
double GradiSessInGon(const std::string& campo)
{
    std::string t = campo;
    StringTrimBoth(t);
    size_t p = 0;
    bool neg = false;
    if (p < t.size() && (t[p] == '+' || t[p] == '-'))
        neg = t[p++] == '-';
    double gradi = 0.0;
    bool any = false;
    while (p < t.size() && t[p] >= '0' && t[p] <= '9') {
        gradi = gradi * 10.0 + (t[p++] - '0');
        any = true;
    }
    std::string frac;
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && t[p] >= '0' && t[p] <= '9')
            frac += t[p++];
    }
    if (p != t.size() || (!any && frac.empty()))
        return VAL_NON_VALIDO;
    frac.resize(std::max<size_t>(frac.size(), 4), '0');
    const double primi = (frac[0] - '0') * 10 + (frac[1] - '0');
    double secondi = (frac[2] - '0') * 10 + (frac[3] - '0');
    double scala = 0.1;
    for (size_t i = 4; i < frac.size(); ++i, scala /= 10.0)
        secondi += (frac[i] - '0') * scala;
    const double deg = gradi + primi / 60.0 + secondi / 3600.0;
    const double gon = deg * 400.0 / 360.0;
    return neg ? -gon : gon;
}
}  // namespace

CConvFileGT7::CConvFileGT7(CLibCmp& lib, std::string* nomeFile)
    : CConvGen(lib, nomeFile),
      m_LastAltPri(VAL_NON_VALIDO),
      m_LastHz(VAL_NON_VALIDO),
      m_LastV(VAL_NON_VALIDO),
      m_LastSD(VAL_NON_VALIDO)
{
}

CConvFileGT7::~CConvFileGT7() = default;

bool CConvFileGT7::OpenFile()
{
    return m_pNomeFile && !m_pNomeFile->empty() && m_File.Apre(*m_pNomeFile);
}

bool CConvFileGT7::LeggeUnaRigaGTS7()
{
    std::string& riga = m_RigaLetta;
    if (!m_File.LeggeRiga(riga))
        return false;
    size_t blank = 0;
    while (blank < riga.size() && !IsBlank(riga[blank]))
        ++blank;
    m_Tag.assign(riga, 0, blank);
    if (blank < riga.size())
        m_Riga.assign(riga, blank + 1);
    else
        m_Riga.clear();
    StringTrimBoth(m_Riga);
    return true;
}

std::string CConvFileGT7::SeparaCampo()
{
    std::string campo;
    const size_t comma = m_Riga.find(',');
    if (comma == std::string::npos) {
        campo.swap(m_Riga);
        m_Riga.clear();
    } else {
        campo.assign(m_Riga, 0, comma);
        m_Riga.erase(0, comma + 1);
    }
    return campo;
}

void CConvFileGT7::AnnullaCampi()
{
    for (std::string& s : m_S)
        s.clear();
}

std::string CConvFileGT7::Angolo(const std::string& campo) const
{
    if (!m_bGradi || Vuoto(campo))
        return campo;
    // A value that is no DDD.MMSS number must not pass for gon.
    const double gon = GradiSessInGon(campo);
    return EstValido(gon) ? Testo(gon) : std::string("?");
}

std::string CConvFileGT7::Distanza(const std::string& campo) const
{
    if (!m_bPiedi || Vuoto(campo))
        return campo;
    const double v = DoubleDaString(campo);
    return EstValido(v) ? Testo(v * kPiede) : campo;
}

double CConvFileGT7::NumDistanza(const std::string& campo) const
{
    return DoubleDaString(Distanza(campo));
}

void CConvFileGT7::SalvaRigaL()
{
    AggiungeJob(m_S[0], m_S[1], m_S[2], m_S[3]);
    AnnullaCampi();
    m_bJob = false;
}

void CConvFileGT7::SalvaRigaS()
{
    // A station without instrument height was measured with it at 0.
    const double altStr = Vuoto(m_S[2]) ? 0.0 : DoubleDaString(m_S[2]);
    AggiungeSta(m_S[0], m_S[1], altStr, DoubleDaString(m_S[3]), DoubleDaString(m_S[4]));
    AnnullaCampi();
    m_bSta = false;
}

void CConvFileGT7::SalvaRigaP()
{
    m_LastNome = m_S[0];
    m_LastCode = m_S[1];
    m_LastNote = m_S[6];
    m_LastAltPri = Vuoto(m_S[2]) ? 0.0 : DoubleDaString(m_S[2]);
    m_LastSD = DoubleDaString(m_S[5]);
    m_LastV = DoubleDaString(m_S[4]);
    m_LastHz = DoubleDaString(m_S[3]);
    m_bPunScritto = true;
    AggiungePun(m_LastNome, m_LastCode, m_LastNote, m_LastAltPri, m_LastSD, m_LastV, m_LastHz);
    AnnullaCampi();
    m_bPun = false;
}

void CConvFileGT7::FlushJob()
{
    if (m_bJob)
        SalvaRigaL();
}

void CConvFileGT7::FlushSta()
{
    if (m_bSta)
        SalvaRigaS();
}

void CConvFileGT7::FlushPun()
{
    if (m_bPun)
        SalvaRigaP();
}

void CConvFileGT7::NuovaOsservazione()
{
    const std::string nome = m_S[0];
    const std::string code = m_S[1];
    const std::string alt = m_S[2];
    SalvaRigaP();
    m_S[0] = nome;
    m_S[1] = code;
    m_S[2] = alt;
}

void CConvFileGT7::CampoJOB()
{
    FlushSta();
    FlushPun();
    if (!m_S[0].empty())
        SalvaRigaL();
    std::string campo = SeparaCampo();
    if (const size_t bs = campo.find('\\'); bs != std::string::npos)
        campo.erase(0, bs + 1);
    m_S[0] = campo;
    m_bJob = true;
}

void CConvFileGT7::CampoDATE()
{
    FlushSta();
    FlushPun();
    if (!m_S[3].empty())
        SalvaRigaL();
    m_S[3] = SeparaCampo();
    m_bJob = true;
}

void CConvFileGT7::CampoNAME()
{
    FlushSta();
    FlushPun();
    if (!m_S[1].empty())
        SalvaRigaL();
    m_S[1] = SeparaCampo();
    m_bJob = true;
}

void CConvFileGT7::CampoINST()
{
    FlushSta();
    FlushPun();
    if (!m_S[2].empty())
        SalvaRigaL();
    m_S[2] = SeparaCampo();
    m_bJob = true;
}

void CConvFileGT7::CampoUNITS()
{
    std::string dist = SeparaCampo();
    std::string ang = SeparaCampo();
    StringTrimBoth(dist);
    StringTrimBoth(ang);
    StringToUpper(dist);
    StringToUpper(ang);
    if (dist == "M")
        m_bPiedi = false;
    else if (dist == "F")
        m_bPiedi = true;
    if (ang == "G")
        m_bGradi = false;
    else if (ang == "D")
        m_bGradi = true;
}

void CConvFileGT7::CampoSTN()
{
    FlushJob();
    FlushPun();
    if (!m_S[0].empty() || !m_S[2].empty() || !m_S[1].empty())
        SalvaRigaS();
    m_S[0] = SeparaCampo();
    m_S[2] = Distanza(SeparaCampo());
    m_S[1] = SeparaCampo();
    m_bSta = true;
}

void CConvFileGT7::CampoBS()
{
    FlushJob();
    FlushSta();
    if (!m_S[0].empty() || !m_S[2].empty())
        SalvaRigaP();
    m_S[0] = SeparaCampo();
    m_S[2] = Distanza(SeparaCampo());
    m_bPun = true;
}

void CConvFileGT7::CampoFS()
{
    FlushJob();
    FlushSta();
    if (!m_S[0].empty() || !m_S[2].empty() || !m_S[1].empty())
        SalvaRigaP();
    m_S[0] = SeparaCampo();
    m_S[2] = Distanza(SeparaCampo());
    m_S[1] = SeparaCampo();
    m_bPun = true;
}

void CConvFileGT7::CampoHV()
{
    FlushJob();
    FlushSta();
    if (!m_S[3].empty() || !m_S[4].empty())
        NuovaOsservazione();
    m_S[3] = Angolo(SeparaCampo());
    m_S[4] = Angolo(SeparaCampo());
    m_bPun = true;
}

void CConvFileGT7::CampoSD()
{
    FlushJob();
    FlushSta();
    if (!m_S[3].empty() || !m_S[4].empty() || !m_S[5].empty())
        NuovaOsservazione();
    m_S[3] = Angolo(SeparaCampo());
    m_S[4] = Angolo(SeparaCampo());
    m_S[5] = Distanza(SeparaCampo());
    m_bPun = true;
}

void CConvFileGT7::CampoHD()
{
    FlushJob();
    FlushSta();
    if (!m_S[3].empty() || !m_S[4].empty() || !m_S[5].empty())
        NuovaOsservazione();
    m_S[3] = Angolo(SeparaCampo());
    const double hd = NumDistanza(SeparaCampo());
    const double vd = NumDistanza(SeparaCampo());
    if (EstValido(hd) && EstValido(vd)) {
        double zenith = 100.0;
        if (vd != 0.0) {
            zenith = std::atan(hd / vd) * 200.0 / kPi;
            if (zenith < 0.0)
                zenith += 200.0;
        }
        m_S[4] = StringDaDouble(zenith, 0, 6);
        m_S[5] = StringDaDouble(std::sqrt(vd * vd + hd * hd), 0, 6);
    } else {
        // Without both distances there is neither angle nor slope distance.
        m_S[4].clear();
        m_S[5].clear();
    }
    m_bPun = true;
    m_iAvviso = 1;
}

void CConvFileGT7::CampoOFFSET()
{
    FlushJob();
    FlushSta();
    FlushPun();
    const double a = NumDistanza(SeparaCampo());
    const double b = NumDistanza(SeparaCampo());
    const double c = NumDistanza(SeparaCampo());
    if (!m_bPunScritto)
        return;   // nothing to displace yet

    double sd = VAL_NON_VALIDO;
    double v = VAL_NON_VALIDO;
    double hz = m_LastHz;
    const bool misure = EstValido(m_LastSD) && EstValido(m_LastV) && EstValido(a) && EstValido(b) && EstValido(c);
    if (misure) {
        const double alfa = m_LastV * kPi / 200.0;
        const double x = std::sin(alfa) * m_LastSD + a;
        const double z = std::cos(alfa) * m_LastSD + c;
        const double h = std::sqrt(x * x + b * b);
        sd = std::sqrt(h * h + z * z);
        v = h == 0.0 ? 100.0 : 100.0 - std::atan(z / h) * 200.0 / kPi;
        if (m_LastV >= 200.0)
            v = 400.0 - v;
        if (b != 0.0) {
            const double dir = x == 0.0 ? (b > 0.0 ? 100.0 : -100.0) : std::atan(b / x) * 200.0 / kPi;
            hz = EstValido(m_LastHz) ? LimiteAng0_400(dir + m_LastHz) : VAL_NON_VALIDO;
        }
    } else if (!EstValido(b) || b != 0.0) {
        hz = VAL_NON_VALIDO;
    }
    m_LastNome = "*" + m_LastNome;
    m_LastSD = sd;
    m_LastV = v;
    m_LastHz = hz;
    AggiungePun(m_LastNome, m_LastCode, std::string(), m_LastAltPri, m_LastSD, m_LastV, m_LastHz);
    m_bPun = false;
    AnnullaCampi();
}

void CConvFileGT7::CampoNOTE()
{
    FlushJob();
    FlushSta();
    if (!m_S[6].empty())
        SalvaRigaP();
    m_S[6] = SeparaCampo();
    m_bPun = true;
}

bool CConvFileGT7::EseguiRecord()
{
    const std::string& t = m_Tag;
    if (t == "JOB")
        CampoJOB();
    else if (t == "DATE")
        CampoDATE();
    else if (t == "NAME")
        CampoNAME();
    else if (t == "INST")
        CampoINST();
    else if (t == "UNITS")
        CampoUNITS();
    else if (t == "STN")
        CampoSTN();
    else if (t == "BS")
        CampoBS();
    else if (t == "FS" || t == "SS")
        CampoFS();
    else if (t == "HV")
        CampoHV();
    else if (t == "SD")
        CampoSD();
    else if (t == "HD")
        CampoHD();
    else if (t == "OFFSET")
        CampoOFFSET();
    else if (t == "NOTE")
        CampoNOTE();
    else if (t == "ATMOS" || t == "BKB" || t == "CTL")
        ;   // known, nothing to keep
    else
        return false;
    return true;
}

bool CConvFileGT7::Esegui()
{
    if (!OpenFile())
        return false;
    bool formato = false;
    if (LeggeUnaRigaGTS7()) {
        const std::string_view tag = m_Tag;
        formato = tag.starts_with("GT") || tag.starts_with("AP") || tag.starts_with("GM") || tag.starts_with("FC");
        // A first line naming the field software: the file is GTS-7 when
        // the next line is already one of its records.
        if (!formato && LeggeUnaRigaGTS7())
            formato = EseguiRecord();
    }
    if (!formato) {
        m_File.Chiude();
        hostui::MessageBox(hostui::Level::Warning,
                           "Il file '" + *m_pNomeFile + "' non è un file GTS-7: nessun dato importato.",
                           DglcGetString(IDS_CONV_TITOLO));
        return false;
    }
    while (LeggeUnaRigaGTS7())
        EseguiRecord();
    FlushJob();
    FlushSta();
    FlushPun();
    const bool errore = m_File.ErroreLettura();
    m_File.Chiude();
    if (errore) {
        hostui::MessageBox(hostui::Level::Error,
                           "Errore di lettura del file '" + *m_pNomeFile + "': importati i dati letti fin qui.",
                           DglcGetString(IDS_CONV_TITOLO));
        return false;
    }
    return true;
}
