// CJob: values and the job record.
#include "Job.h"

#include <fpstream.h>
#include <zor0util.h>

CJob::CJob() : CdElab(0), FlagOld(false) {}

CJob::CJob(const CJob& o) : ZORNotifySource(o)
{
    CopiaValori(o);
}

CJob& CJob::operator=(const CJob& o)
{
    if (this != &o) {
        ZORNotifySource::operator=(o);
        CopiaValori(o);
    }
    return *this;
}

CJob::~CJob() = default;

void CJob::CopiaValori(const CJob& o)
{
    CdElab = o.CdElab;
    FlagOld = o.FlagOld;
    Nome = o.Nome;
    Oper = o.Oper;
    Strum = o.Strum;
    Data = o.Data;
    Localita = o.Localita;
    StrProgr = o.StrProgr;
}

void CJob::SetLabels(const std::string& nome, const std::string& oper, const std::string& strum,
                     const std::string& data)
{
    Nome = nome;
    Oper = oper;
    Strum = strum;
    Data = data;
}

void CJob::GetLabels(std::string* nome, std::string* oper, std::string* strum, std::string* data) const
{
    if (nome)
        *nome = Nome;
    if (oper)
        *oper = Oper;
    if (strum)
        *strum = Strum;
    if (data)
        *data = Data;
}

void CJob::IncStrProgr()
{
    StrProgr = IncrementaNuProg(StrProgr.c_str(), true, 1);
}

bool CJob::SalvaRecord(ofpstream& out, short v) const
{
    out.WriteString(Nome);
    out.WriteString(Oper);
    out.WriteString(Strum);
    out.WriteString(Data);
    if (v >= 715) {
        out.WriteString(Localita);
        out.WriteString(StrProgr);
    }
    if (v >= 670) {
        out.WriteInt16(CdElab);
        out.WriteBool(FlagOld);
    }
    return out.good();
}

bool CJob::LeggeRecord(ifpstream& in, short v, short cdElabLib)
{
    CJob r(*this);
    if (!in.ReadString(r.Nome) || !in.ReadString(r.Oper) || !in.ReadString(r.Strum) || !in.ReadString(r.Data))
        return false;
    if (v >= 715) {
        if (!in.ReadString(r.Localita) || !in.ReadString(r.StrProgr))
            return false;
    } else {
        r.Localita.clear();
        r.StrProgr.clear();
    }
    if (v >= 670) {
        int16_t cd = 0;
        if (!in.ReadInt16(cd) || !in.ReadBoolB1(r.FlagOld))
            return false;
        r.CdElab = cd;
    } else {
        r.CdElab = cdElabLib;
        r.FlagOld = true;
    }
    CopiaValori(r);
    return true;
}
