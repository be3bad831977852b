// CConvFileCts: cadastral survey rows into jobs, stations and points.
#include "ConvFileCts.h"

#include <zor0util.h>

CConvFileCts::CConvFileCts(CLibCmp& lib, std::string* nomeFile) : CConvGen(lib, nomeFile) {}

CConvFileCts::~CConvFileCts() = default;

bool CConvFileCts::OpenFile()
{
    return m_pNomeFile && !m_pNomeFile->empty() && m_File.Apre(*m_pNomeFile);
}

std::string CConvFileCts::SeparaCampo()
{
    // A field ends at the next "|"; the last one also at the end of the line.
    const std::size_t fine = m_Resto.find('|');
    std::string campo;
    if (fine == std::string::npos) {
        campo = m_Resto;
        m_Resto.clear();
    } else {
        campo = m_Resto.substr(0, fine);
        m_Resto.erase(0, fine + 1);
    }
    return campo;
}

bool CConvFileCts::Esegui()
{
    if (!OpenFile())
        return false;
    std::string nome = *m_pNomeFile;
    StringToUpper(nome);
    m_bCorto = nome.find(".PRE") == std::string::npos;
    std::string line;
    while (m_File.LeggeRiga(line))
        ConvertiRiga(line);
    m_File.Chiude();
    return true;
}

void CConvFileCts::ConvertiRiga(const std::string& line)
{
    if (line.size() <= 2 || line[0] == '@')
        return;
    m_Resto = line.substr(line.size() > 3 ? 3 : line.size());
    m_bJobPend = m_bStaPend = m_bPunPend = false;
    switch (line[1]) {
    case '0':
        m_NomeJob = SeparaCampo();
        m_bJobPend = true;
        break;
    case '1':
        m_NomeSta = SeparaCampo();
        StringTrimBoth(m_NomeSta);
        m_Code = SeparaCampo();
        if (m_bCorto) {
            StringTrimBoth(m_Code);
            m_dAltStr = 0.0;
        } else {
            m_Code.clear();
            m_dAltStr = DoubleDaString(SeparaCampo());
        }
        m_bStaPend = true;
        break;
    case '2':
        m_NomePun = SeparaCampo();
        StringTrimBoth(m_NomePun);
        if (m_bCorto) {
            SeparaCampo();
            m_dHz = DoubleDaString(SeparaCampo());
            m_dDist = DoubleDaString(SeparaCampo());
            m_Code = SeparaCampo();
            m_dAltPri = 0.0;
            m_dZen = 100.0;
        } else {
            m_dAltPri = DoubleDaString(SeparaCampo());
            m_Code = SeparaCampo();
            m_dHz = DoubleDaString(SeparaCampo());
            m_dZen = DoubleDaString(SeparaCampo());
            m_dDist = DoubleDaString(SeparaCampo());
        }
        StringTrimBoth(m_Code);
        m_bPunPend = true;
        break;
    default:
        return;
    }
    if (m_bJobPend)
        AggiungeJob(m_NomeJob, "", "", "");
    if (m_bStaPend)
        AggiungeSta(m_NomeSta, m_Code, m_dAltStr, m_dTemperatura, m_dPressione);
    if (m_bPunPend) {
        const double dist = m_dDist == 0.0 ? VAL_NON : m_dDist;
        AggiungePun(m_NomePun, m_Code, "", m_dAltPri, dist, m_dZen, m_dHz);
    }
}
