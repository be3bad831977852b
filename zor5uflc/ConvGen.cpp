// CConvGen: appending jobs, stations and points to the field book.
#include "ConvGen.h"

#include <LibCmp.h>
#include <zor3mgen.h>
#include <zor4dglc.h>

CConvGen::CConvGen(CLibCmp& lib, std::string* nomeFile)
    : m_pNomeFile(nomeFile), m_pConvCod(std::make_unique<CConvCod>()), m_iJob(lib.GetJobArSize() - 1), m_pLib(&lib)
{
}

CConvGen::~CConvGen()
{
    if (m_bAggFallita)
        DglcMessageBoxOkExclam(nullptr, IDS_CONV_AGGIUNTA_FALLITA, IDS_CONV_TITOLO);
    if (m_iAvviso == 1)
        DglcMessageBoxOkExclam(nullptr, IDS_CONV_AVVISO_1, IDS_CONV_TITOLO);
    else if (m_iAvviso == 2)
        DglcMessageBoxOkExclam(nullptr, IDS_CONV_AVVISO_2, IDS_CONV_TITOLO);
}

void CConvGen::AggiungeJob(const std::string& nome, const std::string& oper, const std::string& strum,
                           const std::string& data)
{
    m_iSta = -1;
    CJob* job = m_pLib->AddJob();
    if (!job) {
        m_bAggFallita = true;
        m_iJob = -1;
        return;
    }
    job->SetLabels(nome, oper, strum, data);
    ++m_iJob;
}

bool CConvGen::CreaJobSeManca()
{
    if (m_iJob >= 0)
        return true;
    if (!m_pLib->AddJob()) {
        m_bAggFallita = true;
        m_iSta = -1;
        return false;
    }
    m_iJob = 0;
    return true;
}

void CConvGen::AggiungeSta(const std::string& nome, const std::string& iden, double altStr, double temper,
                           double pressi)
{
    if (!CreaJobSeManca())
        return;
    CSta* sta = m_pLib->AddSta(m_iJob);
    if (!sta) {
        m_bAggFallita = true;
        m_iSta = -1;
        return;
    }
    sta->SetNome(nome);
    sta->SetIden(m_pConvCod->IdenConvertito(iden));
    sta->SetAltStr(altStr);
    sta->SetTemper(temper);
    sta->SetPressi(pressi);
    sta->TrasfCodOldAlf(true, m_pConvCod->CancCodAlf);
    int j = -1;
    int i = -1;
    if (m_pLib->GetIndiciDiSta(sta, j, i)) {
        m_iJob = j;
        m_iSta = i;
    }
}

void CConvGen::AggiungePun(const std::string& nome, const std::string& code, const std::string& note, double altPri,
                           double d0, double d1, double d2)
{
    if (m_iSta < 0) {
        if (!CreaJobSeManca())
            return;
        CSta* sta = m_pLib->AddSta(m_iJob);
        if (!sta) {
            m_bAggFallita = true;
            return;
        }
        int j = -1;
        int i = -1;
        if (!m_pLib->GetIndiciDiSta(sta, j, i)) {
            m_bAggFallita = true;
            return;
        }
        m_iJob = j;
        m_iSta = i;
    }
    CPun* pun = m_pLib->AddPun(m_iJob, m_iSta);
    if (!pun) {
        m_bAggFallita = true;
        return;
    }
    pun->SetNome(nome);
    pun->SetCode(m_pConvCod->CodeConvertito(code));
    pun->SetNote(note);
    pun->SetAttribDis(m_pConvCod->ModalitaConver(code));
    pun->SetAltPri(altPri);
    pun->SetDtIntAng(d0, d1, d2);
    pun->TrasfCodOldAlf(true, m_pConvCod->CancCodAlf);
}
