// COpzListDisEgn: the book-wide drawing options and their option sets.
#include "OpzListDisEgn.h"

#include "fpstream.h"

#include <zor1inif.h>

#include <algorithm>
#include <cstdio>

namespace {
bool InRange(int size, int i)
{
    return i >= 0 && i < size;
}
}  // namespace

COpzListDisEgn::COpzListDisEgn(COpzListDisEgn* common, const char* iniKey)
    : IniKey(std::string(iniKey ? iniKey : "").substr(0, COpzDisEgn::MAX_INI_KEY)),
      Common(common ? common : this)
{
    COpzListDisEgn::RisettaOpz();
    COpzListDisEgn::GetDaIni();
    if (!common)
        COpzListDisEgn::GetDaIniOpzComList();
}

COpzListDisEgn::COpzListDisEgn(const COpzListDisEgn& o)
    : IniKey(o.IniKey), Common(o.Common == &o ? this : o.Common)
{
    CopiaDataList(o);
    CopiaSet(o);
}

COpzListDisEgn& COpzListDisEgn::operator=(const COpzListDisEgn& o)
{
    if (this == &o)
        return *this;
    IniKey = o.IniKey;
    Common = (o.Common == &o) ? this : o.Common;
    CopiaDataList(o);
    CopiaSet(o);
    return *this;
}

COpzListDisEgn::~COpzListDisEgn() = default;

void COpzListDisEgn::CopiaDataList(const COpzListDisEgn& o)
{
    ColLinee = o.ColLinee;
    ColEllissi = o.ColEllissi;
    VisLinee = o.VisLinee;
    VisEllissi = o.VisEllissi;
    NDecQuot = o.NDecQuot;
    RapScala = o.RapScala;
}

void COpzListDisEgn::CopiaSet(const COpzListDisEgn& o)
{
    std::vector<std::unique_ptr<COpzDisEgn>> sets;
    sets.reserve(o.OpzNor.size());
    for (const auto& s : o.OpzNor) {
        auto c = s->Clone();
        c->SetIniKeyBase(IniKey.c_str());
        sets.push_back(std::move(c));
    }
    OpzNor = std::move(sets);
}

void COpzListDisEgn::RisettaOpz()
{
    ColLinee = 9;
    ColEllissi = 5;
    VisLinee = 1;
    VisEllissi = 1;
    NDecQuot = 3;
    RapScala = 1000;
}

void COpzListDisEgn::GetDaIni()
{
    CIniFile ini;
    const char* sez = IniKey.c_str();
    ColLinee = ini.GetShort(sez, "ColLinee", 9);
    ColEllissi = ini.GetShort(sez, "ColEllissi", 5);
    VisLinee = ini.GetShort(sez, "VisLinee", 1);
    VisEllissi = ini.GetShort(sez, "VisEllissi", 1);
    NDecQuot = ini.GetShort(sez, "NDecQuot", 3);
    RapScala = ini.GetDouble(sez, "RapScala", 1000);
}

void COpzListDisEgn::SetInIni() const
{
    CIniFile ini;
    const char* sez = IniKey.c_str();
    ini.WriteShort(sez, "ColLinee", ColLinee);
    ini.WriteShort(sez, "ColEllissi", ColEllissi);
    ini.WriteShort(sez, "VisLinee", VisLinee);
    ini.WriteShort(sez, "VisEllissi", VisEllissi);
    ini.WriteShort(sez, "NDecQuot", NDecQuot);
    ini.WriteDouble(sez, "RapScala", RapScala);
}

void COpzListDisEgn::GetDaIniOpzComList()
{
    COpzListDisEgn& com = *Common;
    CIniFile ini;
    const char* sez = com.IniKey.c_str();
    const int n = ini.GetShort(sez, "NuOpzDis", 0);
    for (int i = 1; i <= n; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "NomeOpz%d", i);
        const std::string name = ini.GetString(sez, key, std::string("Nuovo"));
        if (com.GetOpzNorFromName(name))
            continue;
        COpzDisEgn* set = com.AddOpzNor();
        set->SetNomeOpz(name);
        set->GetDaIni();
    }
}

void COpzListDisEgn::SetInIniOpzComList() const
{
    const COpzListDisEgn& com = *Common;
    CIniFile ini;
    const char* sez = com.IniKey.c_str();
    ini.WriteShort(sez, "NuOpzDis", static_cast<short>(com.OpzNor.size()));
    for (size_t i = 0; i < com.OpzNor.size(); ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "NomeOpz%d", static_cast<int>(i + 1));
        ini.WriteString(sez, key, com.OpzNor[i]->GetNomeOpz().c_str());
    }
    for (const auto& s : com.OpzNor)
        s->SetInIniIfNotIsIn();
}

// ---- normal list ---------------------------------------------------------

COpzDisEgn* COpzListDisEgn::AddOpzNor()
{
    OpzNor.push_back(std::make_unique<COpzDisEgn>(IniKey.c_str()));
    return OpzNor.back().get();
}

int COpzListDisEgn::AddOpzNor(std::unique_ptr<COpzDisEgn> set)
{
    if (!set)
        return -1;
    set->SetIniKeyBase(IniKey.c_str());
    OpzNor.push_back(std::move(set));
    return GetNuOpzNor() - 1;
}

bool COpzListDisEgn::InsOpzNorAt(std::unique_ptr<COpzDisEgn> set, int i)
{
    if (!set || i < 0 || i > GetNuOpzNor())
        return false;
    set->SetIniKeyBase(IniKey.c_str());
    OpzNor.insert(OpzNor.begin() + i, std::move(set));
    return true;
}

std::unique_ptr<COpzDisEgn> COpzListDisEgn::DelOpzNor(COpzDisEgn* set)
{
    for (size_t i = 0; i < OpzNor.size(); ++i)
        if (OpzNor[i].get() == set)
            return DelOpzNorAt(static_cast<int>(i));
    return nullptr;
}

std::unique_ptr<COpzDisEgn> COpzListDisEgn::DelOpzNorAt(int i)
{
    if (!InRange(GetNuOpzNor(), i))
        return nullptr;
    std::unique_ptr<COpzDisEgn> out = std::move(OpzNor[static_cast<size_t>(i)]);
    OpzNor.erase(OpzNor.begin() + i);
    return out;
}

COpzDisEgn* COpzListDisEgn::GetOpzNor(int i) const
{
    return InRange(GetNuOpzNor(), i) ? OpzNor[static_cast<size_t>(i)].get() : nullptr;
}

COpzDisEgn* COpzListDisEgn::GetOpzNorFromName(const std::string& name) const
{
    for (const auto& s : OpzNor)
        if (s->GetNomeOpz() == name)
            return s.get();
    return nullptr;
}

void COpzListDisEgn::SetOpzNor(int i, const COpzDisEgn& set)
{
    COpzDisEgn* s = GetOpzNor(i);
    if (!s || s == &set)
        return;
    *s = set;
    s->SetIniKeyBase(IniKey.c_str());
}

// ---- common list -----------------------------------------------------------

COpzDisEgn* COpzListDisEgn::AddOpzCom()
{
    return Common == this ? COpzListDisEgn::AddOpzNor() : Common->AddOpzNor();
}

bool COpzListDisEgn::InsOpzComAt(std::unique_ptr<COpzDisEgn> set, int i)
{
    return Common->InsOpzNorAt(std::move(set), i);
}

std::unique_ptr<COpzDisEgn> COpzListDisEgn::DelOpzCom(COpzDisEgn* set)
{
    return Common == this ? COpzListDisEgn::DelOpzNor(set) : Common->DelOpzNor(set);
}

std::unique_ptr<COpzDisEgn> COpzListDisEgn::DelOpzComAt(int i)
{
    return Common == this ? COpzListDisEgn::DelOpzNorAt(i) : Common->DelOpzNorAt(i);
}

void COpzListDisEgn::IMpostaComOpzList(const COpzListDisEgn* src)
{
    if (src)
        *Common = *src;
}

// ---- both lists ------------------------------------------------------------

COpzDisEgn* COpzListDisEgn::GetOpzTot(int i) const
{
    if (i < 0)
        return nullptr;
    return i < GetNuOpzNor() ? GetOpzNor(i) : GetOpzCom(i - GetNuOpzNor());
}

COpzDisEgn* COpzListDisEgn::GetOpzTotFromName(const std::string& name) const
{
    COpzDisEgn* s = GetOpzNorFromName(name);
    return s ? s : GetOpzComFromName(name);
}

void COpzListDisEgn::SetOpzTot(int i, const COpzDisEgn& set)
{
    if (i < 0)
        return;
    if (i < GetNuOpzNor())
        SetOpzNor(i, set);
    else
        SetOpzCom(i - GetNuOpzNor(), set);
}

void COpzListDisEgn::GetNomiComEtSelect(const std::string& name, std::vector<std::string>& names,
                                        int& selected) const
{
    names.clear();
    names.push_back("Standard");
    selected = -1;
    if (name == "Standard")
        selected = 0;
    for (int i = 0; i < GetNuOpzCom(); ++i) {
        names.push_back(GetOpzCom(i)->GetNomeOpz());
        if (selected < 0 && names.back() == name)
            selected = static_cast<int>(names.size()) - 1;
    }
    if (selected < 0) {
        names.push_back(name);
        selected = static_cast<int>(names.size()) - 1;
    }
}

// ---- persistence -----------------------------------------------------------

bool COpzListDisEgn::SalvaInFileDataList(ofpstream& out, short /*v*/) const
{
    for (int16_t s : {ColLinee, ColEllissi, VisLinee, VisEllissi, NDecQuot})
        out.WriteInt16(s);
    out.WriteDouble(RapScala);
    return out.good();
}

bool COpzListDisEgn::LeggeDaFileDataList(ifpstream& in, bool load, short /*v*/)
{
    int16_t s[5] = {};
    double scala = 0;
    for (int16_t& x : s)
        if (!in.ReadInt16(x))
            return false;
    if (!in.ReadDouble(scala))
        return false;
    if (load) {
        ColLinee = s[0];
        ColEllissi = s[1];
        VisLinee = s[2];
        VisEllissi = s[3];
        NDecQuot = s[4];
        RapScala = scala;
    }
    return true;
}

bool COpzListDisEgn::SalvaInFile(ofpstream& out, short v) const
{
    SalvaInFileDataList(out, v);
    if (out.GetVersion() >= 720) {
        out.WriteInt32(GetNuOpzNor());
        for (const auto& s : OpzNor)
            s->SalvaInFile(out, v);
    }
    return out.good();
}

bool COpzListDisEgn::LeggeNuRecord(ifpstream& in, short v, int32_t& count)
{
    if (!in.ReadInt32(count))
        return false;
    if (count < 0 || static_cast<uint64_t>(count) > in.Remaining() / COpzDisEgn::DimMinRecord(v)) {
        in.SetFailed();
        return false;
    }
    return true;
}

bool COpzListDisEgn::LeggeDaFile(ifpstream& in, bool load, short v)
{
    COpzListDisEgn data(*this);
    if (!data.LeggeDaFileDataList(in, true, v))
        return false;
    std::vector<std::unique_ptr<COpzDisEgn>> sets;
    if (in.GetVersion() >= 720) {
        int32_t n = 0;
        if (!LeggeNuRecord(in, in.GetVersion(), n))
            return false;
        const COpzDisEgn proto(IniKey.c_str());   // one read of the settings, then copies
        for (int32_t i = 0; i < n; ++i) {
            auto s = proto.Clone();
            if (!s->LeggeDaFile(in, true, v))
                return false;
            sets.push_back(std::move(s));
        }
    }
    if (!load)
        return true;
    CopiaDataList(data);
    if (in.GetVersion() >= 720)
        OpzNor = std::move(sets);
    return true;
}

bool COpzListDisEgn::LeggeDaFileOpzExist(ifpstream& in, bool load, short v)
{
    COpzListDisEgn data(*this);
    if (!data.LeggeDaFileDataList(in, true, v))
        return false;
    if (in.GetVersion() >= 720) {
        int32_t n = 0;
        if (!LeggeNuRecord(in, in.GetVersion(), n))
            return false;
        // `data` holds clones of the sets: record i goes into clone i.
        COpzDisEgn scarto(IniKey.c_str());
        for (int32_t i = 0; i < n; ++i) {
            COpzDisEgn* dest = data.GetOpzNor(i);
            if (dest) {
                if (!dest->LeggeDaFile(in, true, v))
                    return false;
            } else {
                if (!scarto.LeggeDaFile(in, false, v))
                    return false;
            }
        }
    }
    if (!load)
        return true;
    CopiaDataList(data);
    for (int i = 0; i < GetNuOpzNor(); ++i)
        *OpzNor[static_cast<size_t>(i)] = *data.GetOpzNor(i);
    return true;
}
