// COriData and CLibConOri: orientation points, common points and the
// common-points file.
#include "LibConOri.h"

#include "fpstream.h"

#include <zor0util.h>
#include <zor1inif.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {
const char* const kPersist = "PERSIST";
const char* const kTagOcm = "QDC";

template <typename List>
bool InRange(const List& l, int i)
{
    return i >= 0 && static_cast<size_t>(i) < l.size();
}
}  // namespace

COriData::COriData(int kind) : Tipo(kind), NomeFileOcm(GetNomeFileOcmDaIni()) {}

COriData::~COriData() = default;

std::string COriData::GetNomeFileOcmDaIni()
{
    CIniFile ini;
    std::vector<char> buf(1024, '\0');
    ini.GetLastFile(kPersist, "LastLoadedFile", "LastStoredFile", "LastLoadedFile", "LastStoredFile",
                    buf.data(), static_cast<int>(buf.size()));
    std::string base(buf.data());
    if (!base.empty())
        EstraiIlPathFile(base);
    else
        base = CProgDir::GetProgDir() + "\\";
    const std::string def = base + "CommonPtFile.qdc";
    std::fill(buf.begin(), buf.end(), '\0');
    ini.GetString(kPersist, "NomeFileQdc", def.c_str(), buf.data(), static_cast<int>(buf.size()));
    return std::string(buf.data());
}

void COriData::SetNomeFileOcmInIni(const char* name)
{
    CIniFile ini;
    ini.WriteString(kPersist, "NomeFileQdc", name ? name : "");
}

CLibConOri::~CLibConOri() = default;

// ---- orientation points --------------------------------------------------

COri* CLibConOri::AddOri()
{
    if (!Data)
        return nullptr;
    Data->OriAr.push_back(std::make_unique<COri>());
    return Data->OriAr.back().get();
}

COri* CLibConOri::InsOriAt(int i)
{
    if (!Data || i < 0 || static_cast<size_t>(i) > Data->OriAr.size())
        return nullptr;
    auto it = Data->OriAr.insert(Data->OriAr.begin() + i, std::make_unique<COri>());
    return it->get();
}

void CLibConOri::DelOriAt(int i)
{
    if (Data && InRange(Data->OriAr, i))
        Data->OriAr.erase(Data->OriAr.begin() + i);
}

COri* CLibConOri::GetOriAt(int i) const
{
    return Data && InRange(Data->OriAr, i) ? Data->OriAr[static_cast<size_t>(i)].get() : nullptr;
}

int CLibConOri::GetOriArSize() const
{
    return Data ? static_cast<int>(Data->OriAr.size()) : 0;
}

void CLibConOri::OriArReserve(int n)
{
    if (Data && n > 0)
        Data->OriAr.reserve(static_cast<size_t>(n));
}

int CLibConOri::OriArAddReserve(int n)
{
    if (Data && n > 0)
        Data->OriAr.reserve(Data->OriAr.size() + static_cast<size_t>(n));
    return n;
}

void CLibConOri::OriSwap(int i, int k)
{
    if (Data && InRange(Data->OriAr, i) && InRange(Data->OriAr, k))
        std::swap(Data->OriAr[static_cast<size_t>(i)], Data->OriAr[static_cast<size_t>(k)]);
}

// ---- common points ---------------------------------------------------------

COri* CLibConOri::AddOcm()
{
    if (!Data)
        return nullptr;
    Data->OcmAr.push_back(std::make_unique<COri>());
    return Data->OcmAr.back().get();
}

COri* CLibConOri::InsOcmAt(int i)
{
    if (!Data || i < 0 || static_cast<size_t>(i) > Data->OcmAr.size())
        return nullptr;
    auto it = Data->OcmAr.insert(Data->OcmAr.begin() + i, std::make_unique<COri>());
    return it->get();
}

void CLibConOri::DelOcmAt(int i)
{
    if (Data && InRange(Data->OcmAr, i))
        Data->OcmAr.erase(Data->OcmAr.begin() + i);
}

COri* CLibConOri::GetOcmAt(int i) const
{
    return Data && InRange(Data->OcmAr, i) ? Data->OcmAr[static_cast<size_t>(i)].get() : nullptr;
}

int CLibConOri::GetOcmArSize() const
{
    return Data ? static_cast<int>(Data->OcmAr.size()) : 0;
}

int CLibConOri::OcmArAddReserve(int n)
{
    if (Data && n > 0)
        Data->OcmAr.reserve(Data->OcmAr.size() + static_cast<size_t>(n));
    return n;
}

void CLibConOri::OcmArReserve(int n)
{
    if (!Data)
        return;
    Data->OcmAr.clear();
    if (n > 0)
        Data->OcmAr.reserve(static_cast<size_t>(n));
}

// ---- file name and files -------------------------------------------------

std::string CLibConOri::GetNomeFileOcm() const
{
    return Data ? Data->NomeFileOcm : std::string();
}

const char* CLibConOri::GetNomeFileOcmChar() const
{
    return Data ? Data->NomeFileOcm.c_str() : "";
}

void CLibConOri::SetNomeFileOcm(const char* name)
{
    if (Data)
        Data->NomeFileOcm = name ? name : "";
}

bool CLibConOri::LeggeListaOri(ifpstream& in, short version, TOriList& out)
{
    int32_t count = 0;
    if (!in.ReadInt32(count))
        return false;
    // A negative count, or more records than the bytes left can hold, is not
    // a list this system wrote.
    if (count < 0 || static_cast<uint64_t>(count) > in.Remaining() / COri::DimMinRecord(version)) {
        in.SetFailed();
        return false;
    }
    TOriList read;
    read.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        auto o = std::make_unique<COri>();
        if (!o->LeggeDaFile(in))
            return false;
        read.push_back(std::move(o));
    }
    out = std::move(read);
    return true;
}

bool CLibConOri::LeggeOcmDaFile()
{
    if (!Data)
        return false;
    ifpstream in(Data->NomeFileOcm);
    if (in.fail() || !in.ReadTagAndVersion() || in.GetTag() != kTagOcm)
        return false;
    TOriList points;
    if (!LeggeListaOri(in, in.GetVersion(), points))
        return false;
    Data->OcmAr = std::move(points);
    return true;
}

bool CLibConOri::SalvaOcmInFile() const
{
    if (!Data || Data->NomeFileOcm.empty())
        return false;
    const std::string& name = Data->NomeFileOcm;
    const std::string tmp = name + ".tmp";
    bool ok = false;
    {
        ofpstream out(tmp, VERSIONE_CORRENTE, kTagOcm);
        if (out.good()) {
            out.WriteTagAndVersion();
            out.WriteInt32(static_cast<int32_t>(Data->OcmAr.size()));
            for (const auto& o : Data->OcmAr)
                o->SalvaInFile(out);
            ok = out.close();
        }
    }
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(tmp, name, ec);
        ok = !ec;
    }
    if (!ok)
        std::filesystem::remove(tmp, ec);
    return ok;
}

bool CLibConOri::SalvaOriInFile(ofpstream& out, short /*version*/) const
{
    const int n = GetOriArSize();
    out.WriteInt32(n);
    for (int i = 0; i < n; ++i)
        SalvaOri(*GetOriAt(i), out);
    return out.good();
}

bool CLibConOri::LeggeOriDaFile(ifpstream& in, bool load, short version)
{
    TOriList read;
    if (!LeggeListaOri(in, version, read))
        return false;
    if (load)
        AccodaOri(std::move(read));
    return true;
}

void CLibConOri::AccodaOri(TOriList&& points)
{
    if (!Data)
        return;
    Data->OriAr.reserve(Data->OriAr.size() + points.size());
    for (auto& p : points)
        Data->OriAr.push_back(std::move(p));
    points.clear();
}

bool CLibConOri::SalvaNomeFileOcm(ofpstream& out, short version) const
{
    if (version >= 680)
        out.WriteString(GetNomeFileOcm());
    return out.good();
}

bool CLibConOri::LeggeNomeFileOcm(ifpstream& in, short version, std::string& name)
{
    if (version < 680)
        return in.good();
    return in.ReadString(name);
}

bool CLibConOri::LeggeNomeFileOcm(ifpstream& in, short version)
{
    std::string name = GetNomeFileOcm();
    if (!LeggeNomeFileOcm(in, version, name))
        return false;
    SetNomeFileOcm(name.c_str());
    return true;
}

bool CLibConOri::SalvaInFile(ofpstream& out, short version)
{
    return SalvaOriInFile(out, version);
}

bool CLibConOri::LeggeDaFile(ifpstream& in, short version)
{
    return LeggeOriDaFile(in, true, version);
}
