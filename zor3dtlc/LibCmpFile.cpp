// CLibCmp: the field-book block of the book's file.
//
// Order: drawing options, reduction settings, book options, tolerances, data
// (jobs, stations, points, orientation points), further processing options,
// the three station memories, the name of the common-points file. Reading
// goes into temporaries and is committed only when the whole block was read,
// so a truncated or damaged file leaves the book as it was.
#include "LibCmp.h"

#include <fpstream.h>

#include <utility>

struct CLibCmp::TDatiLetti {
    std::vector<std::unique_ptr<CJob>> Jobs;
    TOriList Ori;
    int NuSta = 0;
    int NuPun = 0;
};

// Positions in the file's memories refer to the file's own jobs: with the
// data loaded, job j of the file is the j-th job read, which the book appends.
class CLibCmp::CRisolviRifNuovi : public IRisolviRif {
public:
    explicit CRisolviRifNuovi(const std::vector<std::unique_ptr<CJob>>& jobs) : Jobs(jobs) {}
    CSta* Sta(int32_t j, int32_t i) const override
    {
        if (j < 0 || static_cast<size_t>(j) >= Jobs.size())
            return nullptr;
        const auto& list = Jobs[static_cast<size_t>(j)]->StaAr;
        return (i >= 0 && static_cast<size_t>(i) < list.size()) ? list[static_cast<size_t>(i)].get() : nullptr;
    }
    CPun* Pun(int32_t j, int32_t i, int32_t k) const override
    {
        CSta* s = Sta(j, i);
        if (!s || k < 0 || static_cast<size_t>(k) >= s->PunAr.size())
            return nullptr;
        return s->PunAr[static_cast<size_t>(k)].get();
    }

private:
    const std::vector<std::unique_ptr<CJob>>& Jobs;
};

bool CLibCmp::SalvaTutteLeEtp(ofpstream& out, short v) const
{
    out.WriteInt32(static_cast<int32_t>(JobAr.size()));
    for (const auto& job : JobAr) {
        job->SalvaRecord(out, v);
        out.WriteInt32(static_cast<int32_t>(job->StaAr.size()));
        for (const auto& sta : job->StaAr) {
            sta->SalvaRecord(out, v);
            out.WriteInt32(static_cast<int32_t>(sta->PunAr.size()));
            for (const auto& pun : sta->PunAr)
                pun->SalvaRecord(out, v);
        }
    }
    SalvaOriInFile(out, v);
    return out.good();
}

namespace {
bool LeggeConta(ifpstream& in, uint64_t minSize, int32_t& n)
{
    if (!in.ReadInt32(n))
        return false;
    if (n < 0 || static_cast<uint64_t>(n) > in.Remaining() / minSize) {
        in.SetFailed();
        return false;
    }
    return true;
}
}  // namespace

bool CLibCmp::LeggeDati(ifpstream& in, short v, short cdElabLib, TDatiLetti& out) const
{
    int32_t nJob = 0;
    if (!LeggeConta(in, CJob::DimMinRecord(v) + 4, nJob))
        return false;
    out.Jobs.reserve(static_cast<size_t>(nJob));
    for (int32_t a = 0; a < nJob; ++a) {
        auto job = std::make_unique<CJob>();
        int32_t nSta = 0;
        if (!job->LeggeRecord(in, v, cdElabLib) || !LeggeConta(in, CSta::DimMinRecord(v) + 4, nSta))
            return false;
        job->StaAr.reserve(static_cast<size_t>(nSta));
        for (int32_t b = 0; b < nSta; ++b) {
            auto sta = std::make_unique<CSta>(job.get());
            int32_t nPun = 0;
            if (!sta->LeggeRecord(in, v) || !LeggeConta(in, CPun::DimMinRecord(v), nPun))
                return false;
            sta->PunAr.reserve(static_cast<size_t>(nPun));
            for (int32_t c = 0; c < nPun; ++c) {
                auto pun = std::make_unique<CPun>(sta.get());
                if (!pun->LeggeRecord(in, v))
                    return false;
                sta->PunAr.push_back(std::move(pun));
            }
            out.NuPun += nPun;
            job->StaAr.push_back(std::move(sta));
        }
        out.NuSta += nSta;
        out.Jobs.push_back(std::move(job));
    }
    return LeggeListaOri(in, v, out.Ori);
}

void CLibCmp::CommittaDati(TDatiLetti& dati)
{
    JobAr.reserve(JobAr.size() + dati.Jobs.size());
    for (auto& job : dati.Jobs)
        JobAr.push_back(std::move(job));
    NuTotJob += static_cast<int>(dati.Jobs.size());
    NuTotSta += dati.NuSta;
    NuTotPun += dati.NuPun;
    dati.Jobs.clear();
    AccodaOri(std::move(dati.Ori));
}

void CLibCmp::CancOldCodeAlfabet(TDatiLetti& dati)
{
    for (auto& job : dati.Jobs)
        for (auto& sta : job->StaAr) {
            sta->TrasfCodOldAlf(false, true);
            for (auto& pun : sta->PunAr)
                pun->TrasfCodOldAlf(false, true);
        }
    for (auto& o : dati.Ori)
        o->TrasfCodOldAlf(false, true);
}

bool CLibCmp::LeggeTutteLeEtp(ifpstream& in, bool load, short v)
{
    TDatiLetti dati;
    if (!LeggeDati(in, v, OpzLibCmp.CdElab, dati))
        return false;
    Versione = v;
    if (load)
        CommittaDati(dati);
    return true;
}

bool CLibCmp::SalvaBlocco(ofpstream& out, short v) const
{
    OpzListDisEtp.SalvaInFile(out, v);
    CalcDsOr.SalvaInFile(out, v);
    OpzLibCmp.SalvaInFile(out, v);
    OpzElaToll.SalvaInFile(out, v);
    SalvaTutteLeEtp(out, v);
    OpzElaVarie.SalvaInFile(out, v);
    MemEdSta->SalvaInFile(out, v);
    MemOrSta->SalvaInFile(out, v);
    MemRoTra->SalvaInFile(out, v);
    SalvaNomeFileOcm(out, v);
    return out.good();
}

bool CLibCmp::SalvaInFile(ofpstream& out, short v)
{
    Versione = v;
    return SalvaBlocco(out, v);
}

bool CLibCmp::LeggeDaFile(ifpstream& in, short v)
{
    return LeggeDaFile(in, true, true, v);
}

bool CLibCmp::LeggeDaFile(ifpstream& in, bool loadOptions, bool loadData, short v)
{
    if (!in.good())
        return false;
    // Every block is read into a copy; the copies replace the book's own
    // objects only when the whole block was read.
    COpzListDisEtp dis(OpzListDisEtp);
    CCalcDsOr calc(CalcDsOr);
    COpzLibCmp opzLib(OpzLibCmp);
    COpzElaToll toll(OpzElaToll);
    TDatiLetti dati;
    COpzElaVarie varie(OpzElaVarie);
    CMemEdSta memEd(*MemEdSta);
    CMemOrSta memOr(*MemOrSta);
    CMemRoTra memRt(*MemRoTra);
    std::string nomeOcm = GetNomeFileOcm();

    if (!dis.LeggeDaFile(in, loadOptions, v) || !calc.LeggeDaFile(in, loadOptions, v) ||
        !opzLib.LeggeDaFile(in, true, v) || !toll.LeggeDaFile(in, loadOptions, v))
        return false;
    // Jobs of old books take the book's processing state as read from the file.
    if (!LeggeDati(in, v, opzLib.CdElab, dati) || !varie.LeggeDaFile(in, loadOptions, v))
        return false;
    const CRisolviRifNuovi risNuovi(dati.Jobs);
    const CRisolviRifLib risLib(*this);
    const IRisolviRif& ris = loadData ? static_cast<const IRisolviRif&>(risNuovi) : risLib;
    if (!memEd.LeggeDaFile(in, loadOptions, v, ris) || !memOr.LeggeDaFile(in, loadOptions, v, ris) ||
        !memRt.LeggeDaFile(in, loadOptions, v, ris) || !LeggeNomeFileOcm(in, v, nomeOcm))
        return false;

    // Commit.
    if (v < 710 && OpzLibCmp.CanCdAlfO)
        CancOldCodeAlfabet(dati);
    OpzListDisEtp.AssegnaValori(dis);
    CalcDsOr = calc;
    if (loadOptions)
        OpzLibCmp = opzLib;
    OpzElaToll = toll;
    OpzElaVarie = varie;
    *MemEdSta = memEd;
    *MemOrSta = memOr;
    *MemRoTra = memRt;
    Versione = v;
    if (loadData)
        CommittaDati(dati);
    SetNomeFileOcm(nomeOcm.c_str());
    LeggeOcmDaFile();   // a missing common-points file keeps the points held
    return true;
}
