// CEgn: resets, validity, old letter codes and the entity record.
#include "Egn.h"

#include "fpstream.h"

#include <zor0util.h>

#include <cctype>

CEgn::CEgn()
{
    AnnullaTutteLeVar();
}

CEgn::~CEgn() = default;

void CEgn::CalcolaValiditaXYZ()
{
    if (!EstValido(CoordX) || !EstValido(CoordY))
        VldtEgn = 0;
    else
        VldtEgn = EstValido(CoordZ) ? 3 : 1;
}

void CEgn::AnnullaCoor()
{
    CoordX = CoordY = CoordZ = VAL_NON_VALIDO;
    VldtEgn = 0;
}

void CEgn::AnnullaShiftS()
{
    ShiftS1x = ShiftS1y = ShiftS2x = ShiftS2y = ShiftS3x = ShiftS3y = 0.0f;
}

void CEgn::AnnullaDifRotS()
{
    DifRotS1 = DifRotS2 = DifRotS3 = 0.0f;
}

void CEgn::AnnullaTutteLeVar()
{
    AnnullaCoor();
    AnnullaValidita();
    AnnullaShiftS();
    AnnullaDifRotS();
    CodeEgn = 0;
}

namespace {
uint32_t CodeOfPair(char a, char b)
{
    const char p[2] = {static_cast<char>(std::toupper(static_cast<unsigned char>(a))),
                       static_cast<char>(std::toupper(static_cast<unsigned char>(b)))};
    struct Pair {
        char a, b;
        uint32_t bit;
    };
    static constexpr Pair kPairs[] = {
        {'C', 'L', COD_CL}, {'F', 'L', COD_FL}, {'I', 'A', COD_IA}, {'I', 'L', COD_IL},
        {'N', 'C', COD_NC}, {'N', 'P', COD_NP}, {'N', 'T', COD_NT}, {'N', 'V', COD_NV},
        {'O', 'C', COD_OC}, {'O', 'R', COD_OR}, {'P', 'O', COD_PO}, {'Q', 'I', COD_QI},
        {'Q', 'U', COD_QU},
    };
    for (const Pair& q : kPairs)
        if (q.a == p[0] && q.b == p[1])
            return q.bit;
    return 0;
}
}  // namespace

void CEgn::TrasfCodOldAlf(bool setCode, bool strip)
{
    const std::string& t = SecScri;
    const size_t n = t.size();
    if (n < 2)
        return;
    uint32_t word = 0;
    size_t i = 1;
    // True when the scan stopped on a pair that runs on into a longer word:
    // that word is text, not codes, and is kept whole.
    bool stoppedInWord = false;
    for (;;) {
        const char c0 = t[i - 1];
        const char c1 = t[i];
        const bool atEnd = i + 1 >= n;
        const char c2 = atEnd ? '\0' : t[i + 1];
        const bool separated = atEnd || c2 == ' ' || c2 == '.';
        if (separated)
            word |= CodeOfPair(c0, c1);
        else
            stoppedInWord = true;
        if (word != 0 && !atEnd && c2 == '.' && n >= i + 4) {
            i += 3;
            continue;
        }
        break;
    }
    if (setCode)
        CodeEgn = word;
    if (strip && word != 0) {
        const size_t from = stoppedInWord ? i - 1 : i + 2;
        std::string rest = from < n ? t.substr(from) : std::string();
        StringTrimBoth(rest);
        SecScri = rest;
    }
}

bool CEgn::SalvaInFile(ofpstream& out) const
{
    const short v = out.GetVersion();
    out.WriteString(Nome);
    out.WriteString(SecScri);
    out.WriteDouble(CoordX);
    out.WriteDouble(CoordY);
    out.WriteDouble(CoordZ);
    for (float f : {ShiftS1x, ShiftS1y, ShiftS2x, ShiftS2y, ShiftS3x, ShiftS3y})
        out.WriteFloat(f);
    if (v >= 603) {
        out.WriteUInt8(VldtEgn);
        out.WriteUInt32(CodeEgn);
    }
    if (v >= 715) {
        out.WriteString(Note);
        out.WriteString(NomeFoto);
        out.WriteString(AttribDis);
        out.WriteFloat(DifRotS1);
        out.WriteFloat(DifRotS2);
        out.WriteFloat(DifRotS3);
    }
    return out.good();
}

bool CEgn::LeggeDaFile(ifpstream& in)
{
    const short v = in.GetVersion();
    // Read into a copy: the entity changes only when the whole record was read.
    CEgn r(*this);
    bool ok = in.ReadString(r.Nome) && in.ReadString(r.SecScri) && in.ReadDouble(r.CoordX) &&
              in.ReadDouble(r.CoordY) && in.ReadDouble(r.CoordZ) && in.ReadFloat(r.ShiftS1x) &&
              in.ReadFloat(r.ShiftS1y) && in.ReadFloat(r.ShiftS2x) && in.ReadFloat(r.ShiftS2y) &&
              in.ReadFloat(r.ShiftS3x) && in.ReadFloat(r.ShiftS3y);
    if (ok && v >= 603) {
        ok = in.ReadUInt8(r.VldtEgn) && in.ReadUInt32(r.CodeEgn);
    } else if (ok) {
        r.CalcolaValiditaXYZ();
        r.TrasfCodOldAlf(true, false);
    }
    if (ok && v >= 715)
        ok = in.ReadString(r.Note) && in.ReadString(r.NomeFoto) && in.ReadString(r.AttribDis) &&
             in.ReadFloat(r.DifRotS1) && in.ReadFloat(r.DifRotS2) && in.ReadFloat(r.DifRotS3);
    if (!ok)
        return false;
    // The bases (notification target, drawing references) are not part of the record.
    Nome = std::move(r.Nome);
    SecScri = std::move(r.SecScri);
    Note = std::move(r.Note);
    NomeFoto = std::move(r.NomeFoto);
    AttribDis = std::move(r.AttribDis);
    CoordX = r.CoordX;
    CoordY = r.CoordY;
    CoordZ = r.CoordZ;
    VldtEgn = r.VldtEgn;
    CodeEgn = r.CodeEgn;
    ShiftS1x = r.ShiftS1x;
    ShiftS1y = r.ShiftS1y;
    ShiftS2x = r.ShiftS2x;
    ShiftS2y = r.ShiftS2y;
    ShiftS3x = r.ShiftS3x;
    ShiftS3y = r.ShiftS3y;
    DifRotS1 = r.DifRotS1;
    DifRotS2 = r.DifRotS2;
    DifRotS3 = r.DifRotS3;
    return true;
}
