// CLibCmp: construction and the index operations on jobs, stations and points.
#include "LibCmp.h"

#include <fpstream.h>

#include <utility>

namespace {
template <typename List>
bool InRange(const List& l, int i)
{
    return i >= 0 && static_cast<size_t>(i) < l.size();
}
}  // namespace

CLibCmp::CLibCmp(COpzListDisEgn* commonDrawingList, COriData* oriData, int kind)
    : CLibConOri(oriData),
      OpzListDisEtp(commonDrawingList),
      MemRoTra(std::make_unique<CMemRoTra>(this)),
      MemEdSta(std::make_unique<CMemEdSta>(this)),
      MemOrSta(std::make_unique<CMemOrSta>(this)),
      Versione(VERSIONE_CORRENTE),
      Tipo(kind),
      NuTotJob(0),
      NuTotSta(0),
      NuTotPun(0)
{
    OpzListDisEtp.SetOpzToDef(kind);
}

CLibCmp::~CLibCmp()
{
    while (!JobAr.empty())
        DelJobAt(static_cast<int>(JobAr.size()) - 1);
    MemRoTra.reset();
    MemEdSta.reset();
    MemOrSta.reset();
}

CJob* CLibCmp::Job(int j) const
{
    return InRange(JobAr, j) ? JobAr[static_cast<size_t>(j)].get() : nullptr;
}

CSta* CLibCmp::Sta(int j, int i) const
{
    CJob* job = Job(j);
    return job && InRange(job->StaAr, i) ? job->StaAr[static_cast<size_t>(i)].get() : nullptr;
}

// ---- jobs ----------------------------------------------------------------

CJob* CLibCmp::AddJob()
{
    JobAr.push_back(std::make_unique<CJob>());
    ++NuTotJob;
    return JobAr.back().get();
}

CJob* CLibCmp::InsJobAt(int i)
{
    if (i < 0 || static_cast<size_t>(i) > JobAr.size())
        return nullptr;
    auto it = JobAr.insert(JobAr.begin() + i, std::make_unique<CJob>());
    ++NuTotJob;
    return it->get();
}

void CLibCmp::DelJobAt(int i)
{
    CJob* job = Job(i);
    if (!job)
        return;
    while (!job->StaAr.empty())
        DelStaAt(i, static_cast<int>(job->StaAr.size()) - 1);
    JobAr.erase(JobAr.begin() + i);
    --NuTotJob;
}

CJob* CLibCmp::GetJobAt(int i) const
{
    return Job(i);
}

void CLibCmp::JobArReserve(int n)
{
    if (n > 0)
        JobAr.reserve(static_cast<size_t>(n));
}

int CLibCmp::JobArAddReserve(int n)
{
    if (n > 0)
        JobAr.reserve(JobAr.size() + static_cast<size_t>(n));
    return n;
}

void CLibCmp::JobSwap(int i, int k)
{
    if (InRange(JobAr, i) && InRange(JobAr, k))
        std::swap(JobAr[static_cast<size_t>(i)], JobAr[static_cast<size_t>(k)]);
}

// ---- stations ------------------------------------------------------------

CSta* CLibCmp::AddSta(int j)
{
    CJob* job = Job(j);
    if (!job)
        return nullptr;
    job->StaAr.push_back(std::make_unique<CSta>(job));
    ++NuTotSta;
    return job->StaAr.back().get();
}

CSta* CLibCmp::InsStaAt(int j, int i)
{
    CJob* job = Job(j);
    if (!job || i < 0 || static_cast<size_t>(i) > job->StaAr.size())
        return nullptr;
    auto it = job->StaAr.insert(job->StaAr.begin() + i, std::make_unique<CSta>(job));
    ++NuTotSta;
    return it->get();
}

void CLibCmp::SvuotaSta(CSta& sta)
{
    sta.AzzeraPunSet();
    while (!sta.PunAr.empty()) {
        DimenticaPun(sta.PunAr.back().get());
        sta.PunAr.pop_back();
        --NuTotPun;
    }
}

void CLibCmp::DelStaAt(int j, int i)
{
    CSta* sta = Sta(j, i);
    if (!sta)
        return;
    SvuotaSta(*sta);
    DimenticaSta(sta);
    CJob* job = Job(j);
    job->StaAr.erase(job->StaAr.begin() + i);
    --NuTotSta;
}

void CLibCmp::DelStaAt(CSta* sta)
{
    int j = 0, i = 0;
    if (GetIndiciDiSta(sta, j, i))
        DelStaAt(j, i);
}

CSta* CLibCmp::GetStaAt(int j, int i) const
{
    return Sta(j, i);
}

int CLibCmp::GetStaArSize(int j) const
{
    CJob* job = Job(j);
    return job ? static_cast<int>(job->StaAr.size()) : 0;
}

void CLibCmp::StaArReserve(int j, int n)
{
    CJob* job = Job(j);
    if (job && n > 0)
        job->StaAr.reserve(static_cast<size_t>(n));
}

int CLibCmp::StaArAddReserve(int j, int n)
{
    CJob* job = Job(j);
    if (job && n > 0)
        job->StaAr.reserve(job->StaAr.size() + static_cast<size_t>(n));
    return n;
}

void CLibCmp::StaSwap(int j, int i, int k)
{
    CJob* job = Job(j);
    if (job && InRange(job->StaAr, i) && InRange(job->StaAr, k))
        std::swap(job->StaAr[static_cast<size_t>(i)], job->StaAr[static_cast<size_t>(k)]);
}

bool CLibCmp::GetIndiciDiSta(const CSta* sta, int& j, int& i) const
{
    if (!sta)
        return false;
    const CJob* job = sta->GetJob();
    for (size_t a = 0; a < JobAr.size(); ++a) {
        if (JobAr[a].get() != job)
            continue;
        const auto& list = job->StaAr;
        for (size_t b = 0; b < list.size(); ++b) {
            if (list[b].get() == sta) {
                j = static_cast<int>(a);
                i = static_cast<int>(b);
                return true;
            }
        }
        return false;
    }
    return false;
}

// ---- points --------------------------------------------------------------

CPun* CLibCmp::AddPun(int j, int i)
{
    CSta* sta = Sta(j, i);
    if (!sta)
        return nullptr;
    sta->PunAr.push_back(std::make_unique<CPun>(sta));
    ++NuTotPun;
    return sta->PunAr.back().get();
}

CPun* CLibCmp::AddPun(CSta* sta)
{
    int j = 0, i = 0;
    return GetIndiciDiSta(sta, j, i) ? AddPun(j, i) : nullptr;
}

CPun* CLibCmp::InsPunAt(int j, int i, int k)
{
    CSta* sta = Sta(j, i);
    if (!sta || k < 0 || static_cast<size_t>(k) > sta->PunAr.size())
        return nullptr;
    auto it = sta->PunAr.insert(sta->PunAr.begin() + k, std::make_unique<CPun>(sta));
    ++NuTotPun;
    return it->get();
}

void CLibCmp::DelPunAt(int j, int i, int k)
{
    CSta* sta = Sta(j, i);
    if (!sta || !InRange(sta->PunAr, k))
        return;
    CPun* pun = sta->PunAr[static_cast<size_t>(k)].get();
    sta->TogliDaiPunSet(pun);
    DimenticaPun(pun);
    sta->PunAr.erase(sta->PunAr.begin() + k);
    --NuTotPun;
}

void CLibCmp::DelPunAt(CPun* pun)
{
    int j = 0, i = 0, k = 0;
    if (GetIndiciDiPun(pun, j, i, k))
        DelPunAt(j, i, k);
}

CPun* CLibCmp::GetPunAt(int j, int i, int k) const
{
    CSta* sta = Sta(j, i);
    return sta && InRange(sta->PunAr, k) ? sta->PunAr[static_cast<size_t>(k)].get() : nullptr;
}

CPun* CLibCmp::GetPunAt(const CSta* sta, int k) const
{
    int j = 0, i = 0;
    return GetIndiciDiSta(sta, j, i) ? GetPunAt(j, i, k) : nullptr;
}

int CLibCmp::GetPunArSize(int j, int i) const
{
    CSta* sta = Sta(j, i);
    return sta ? static_cast<int>(sta->PunAr.size()) : 0;
}

int CLibCmp::GetPunArSize(const CSta* sta) const
{
    int j = 0, i = 0;
    return GetIndiciDiSta(sta, j, i) ? GetPunArSize(j, i) : -1;
}

void CLibCmp::PunArReserve(int j, int i, int n)
{
    CSta* sta = Sta(j, i);
    if (sta && n > 0)
        sta->PunAr.reserve(static_cast<size_t>(n));
}

int CLibCmp::PunArAddReserve(int j, int i, int n)
{
    CSta* sta = Sta(j, i);
    if (sta && n > 0)
        sta->PunAr.reserve(sta->PunAr.size() + static_cast<size_t>(n));
    return n;
}

void CLibCmp::PunSwap(int j, int i, int k, int m)
{
    CSta* sta = Sta(j, i);
    if (sta && InRange(sta->PunAr, k) && InRange(sta->PunAr, m))
        std::swap(sta->PunAr[static_cast<size_t>(k)], sta->PunAr[static_cast<size_t>(m)]);
}

bool CLibCmp::GetIndiciDiPun(const CPun* pun, int& j, int& i, int& k) const
{
    if (!pun)
        return false;
    int a = 0, b = 0;
    if (!GetIndiciDiSta(pun->GetSta(), a, b))
        return false;
    const auto& list = pun->GetSta()->PunAr;
    for (size_t c = 0; c < list.size(); ++c) {
        if (list[c].get() == pun) {
            j = a;
            i = b;
            k = static_cast<int>(c);
            return true;
        }
    }
    return false;
}

// ---- whole book ------------------------------------------------------------

void CLibCmp::CancOldCodeAlfabet()
{
    for (auto& job : JobAr)
        for (auto& sta : job->StaAr) {
            sta->TrasfCodOldAlf(false, true);
            for (auto& pun : sta->PunAr)
                pun->TrasfCodOldAlf(false, true);
        }
    for (int i = 0; i < GetOriArSize(); ++i)
        GetOriAt(i)->TrasfCodOldAlf(false, true);
}

void CLibCmp::DimenticaSta(const CSta* sta)
{
    MemEdSta->DimenticaSta(sta);
    MemOrSta->DimenticaSta(sta);
    MemRoTra->DimenticaSta(sta);
}

void CLibCmp::DimenticaPun(const CPun* pun)
{
    MemOrSta->DimenticaPun(pun);
    MemRoTra->DimenticaPun(pun);
}
