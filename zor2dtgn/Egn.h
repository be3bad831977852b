// CEgn: the generic surveyed entity, base of stations, points, orientation
// points and GPS points.
#pragma once

#include "zor2dtgn_export.h"

#include <zor0ntfy.h>
#include <zor1ptrf.h>

#include <cstdint>
#include <string>

class ofpstream;
class ifpstream;

// Survey code bits of CodeEgn (the two letters are what the surveyor types).
enum : uint32_t {
    COD_OR = 0x1, COD_QU = 0x2, COD_PO = 0x4, COD_IA = 0x8, COD_OC = 0x10, COD_QI = 0x20,
    COD_IL = 0x100, COD_FL = 0x200, COD_CL = 0x400, COD_NC = 0x800, COD_NV = 0x1000,
    COD_NP = 0x2000, COD_NT = 0x4000, COD_PD = 0x8000,
};

class ZOR2DTGN_API CEgn : public ZORNotifySource, public CPointerRef {
public:
    CEgn();
    CEgn(const CEgn&) = default;
    CEgn& operator=(const CEgn&) = default;
    virtual ~CEgn();

    // Texts
    void SetNome(const std::string& s) { Nome = s; }
    void SetNomeChar(const char* s) { Nome = s ? s : ""; }
    std::string GetNome() const { return Nome; }
    const char* GetNomeChar() const { return Nome.c_str(); }
    const std::string& NomeRef() const { return Nome; }   // no copy: name lookups and orderings
    void SetSecScri(const std::string& s) { SecScri = s; }
    void SetSecScriChar(const char* s) { SecScri = s ? s : ""; }
    std::string GetSecScri() const { return SecScri; }
    const char* GetSecScriChar() const { return SecScri.c_str(); }
    const std::string& SecScriRef() const { return SecScri; }
    void SetNote(const std::string& s) { Note = s; }
    void SetNoteChar(const char* s) { Note = s ? s : ""; }
    std::string GetNote() const { return Note; }
    const char* GetNoteChar() const { return Note.c_str(); }
    void SetNomeFoto(const std::string& s) { NomeFoto = s; }
    void SetNomeFotoChar(const char* s) { NomeFoto = s ? s : ""; }
    std::string GetNomeFoto() const { return NomeFoto; }
    const char* GetNomeFotoChar() const { return NomeFoto.c_str(); }
    void SetAttribDis(const std::string& s) { AttribDis = s; }
    void SetAttribDisChar(const char* s) { AttribDis = s ? s : ""; }
    std::string GetAttribDis() const { return AttribDis; }
    const char* GetAttribDisChar() const { return AttribDis.c_str(); }

    // Coordinates (setting one does not change the validity)
    void SetCoordX(double v) { CoordX = v; }
    void SetCoordY(double v) { CoordY = v; }
    void SetCoordZ(double v) { CoordZ = v; }
    double GetCoordX() const { return CoordX; }
    double GetCoordY() const { return CoordY; }
    double GetCoordZ() const { return CoordZ; }

    // Validity: 0 none, 1 X and Y, 3 X, Y and Z
    void AnnullaValidita() { VldtEgn = 0; }
    bool EstValidoXY() const { return (VldtEgn & 1) != 0; }
    bool EstValidoXYZ() const { return VldtEgn == 3; }
    void SetVldtEgn(unsigned char v) { VldtEgn = v; }
    unsigned char GetVldtEgn() const { return VldtEgn; }
    void CalcolaValiditaXYZ();

    // Codes
    void SetCodeEgn(unsigned long code) { CodeEgn = static_cast<uint32_t>(code); }
    uint32_t GetCodeEgn() const { return CodeEgn; }
    bool EstCodeUgualeA(unsigned long mask) const { return (CodeEgn & mask) != 0; }
    bool IsCodedOR() const { return EstCodeUgualeA(COD_OR); }
    bool IsCodedQU() const { return EstCodeUgualeA(COD_QU); }
    bool IsCodedPO() const { return EstCodeUgualeA(COD_PO); }
    bool IsCodedIA() const { return EstCodeUgualeA(COD_IA); }
    bool IsCodedOC() const { return EstCodeUgualeA(COD_OC); }
    bool IsCodedQI() const { return EstCodeUgualeA(COD_QI); }
    bool IsCodedIL() const { return EstCodeUgualeA(COD_IL); }
    bool IsCodedFL() const { return EstCodeUgualeA(COD_FL); }
    bool IsCodedCL() const { return EstCodeUgualeA(COD_CL); }
    bool IsCodedNC() const { return EstCodeUgualeA(COD_NC); }
    bool IsCodedNV() const { return EstCodeUgualeA(COD_NV); }
    bool IsCodedNP() const { return EstCodeUgualeA(COD_NP); }
    bool IsCodedNT() const { return EstCodeUgualeA(COD_NT); }
    bool IsCodedPD() const { return EstCodeUgualeA(COD_PD); }
    bool IsCodedOrQu() const { return EstCodeUgualeA(0x3); }
    bool IsCodedOrQuPo() const { return EstCodeUgualeA(0x7); }
    bool IsCodedOrQuPoIaOc() const { return EstCodeUgualeA(0x1F); }
    bool IsCodedAllOrQuPo() const { return EstCodeUgualeA(0x70007); }
    bool IsCodedAllOrQuPoIaOc() const { return EstCodeUgualeA(0x1F0007); }
    void SetCodeOR(bool on) { SetBit(COD_OR, on); }
    void SetCodeQU(bool on) { SetBit(COD_QU, on); }
    void SetCodePO(bool on) { SetBit(COD_PO, on); }
    void SetCodeIA(bool on) { SetBit(COD_IA, on); }
    void SetCodeOC(bool on) { SetBit(COD_OC, on); }
    void SetCodeQI(bool on) { SetBit(COD_QI, on); }
    void SetCodeIL(bool on) { SetBit(COD_IL, on); }
    void SetCodeFL(bool on) { SetBit(COD_FL, on); }
    void SetCodeCL(bool on) { SetBit(COD_CL, on); }
    void SetCodeNC(bool on) { SetBit(COD_NC, on); }
    void SetCodeNV(bool on) { SetBit(COD_NV, on); }
    void SetCodeNP(bool on) { SetBit(COD_NP, on); }
    void SetCodeNT(bool on) { SetBit(COD_NT, on); }
    void SetCodePD(bool on) { SetBit(COD_PD, on); }

    // Labels of the drawn symbol
    void SetShiftS1x(float v) { ShiftS1x = v; }
    void SetShiftS1y(float v) { ShiftS1y = v; }
    void SetShiftS2x(float v) { ShiftS2x = v; }
    void SetShiftS2y(float v) { ShiftS2y = v; }
    void SetShiftS3x(float v) { ShiftS3x = v; }
    void SetShiftS3y(float v) { ShiftS3y = v; }
    float GetShiftS1x() const { return ShiftS1x; }
    float GetShiftS1y() const { return ShiftS1y; }
    float GetShiftS2x() const { return ShiftS2x; }
    float GetShiftS2y() const { return ShiftS2y; }
    float GetShiftS3x() const { return ShiftS3x; }
    float GetShiftS3y() const { return ShiftS3y; }
    void SetDifRotS1(float v) { DifRotS1 = v; }
    void SetDifRotS2(float v) { DifRotS2 = v; }
    void SetDifRotS3(float v) { DifRotS3 = v; }
    float GetDifRotS1() const { return DifRotS1; }
    float GetDifRotS2() const { return DifRotS2; }
    float GetDifRotS3() const { return DifRotS3; }

    // Resets (texts are never touched)
    void AnnullaCoor();
    void AnnullaShiftS();
    void AnnullaDifRotS();
    void AnnullaTutteLeVar();

    // Codes that old field books kept as letters at the start of SecScri.
    void TrasfCodOldAlf(bool setCode, bool strip);

    // The entity record at the stream's version. Reading fails without
    // changing the entity when the stream fails before the record is complete.
    bool SalvaInFile(ofpstream& out) const;
    bool LeggeDaFile(ifpstream& in);
    // The fewest bytes an entity record of version v can take (every text empty):
    // the bound for counts of records read from a file.
    static constexpr uint64_t DimMinRecord(short v)
    {
        return 4 + 4 + 3 * 8 + 6 * 4 + (v >= 603 ? 1 + 4 : 0) + (v >= 715 ? 3 * 4 + 3 * 4 : 0);
    }

private:
    void SetBit(uint32_t bit, bool on) { CodeEgn = on ? (CodeEgn | bit) : (CodeEgn & ~bit); }

    std::string Nome;
    std::string SecScri;
    std::string Note;
    std::string NomeFoto;
    std::string AttribDis;
    double CoordX, CoordY, CoordZ;
    unsigned char VldtEgn;
    uint32_t CodeEgn;
    float ShiftS1x, ShiftS1y, ShiftS2x, ShiftS2y, ShiftS3x, ShiftS3y;
    float DifRotS1, DifRotS2, DifRotS3;
};
