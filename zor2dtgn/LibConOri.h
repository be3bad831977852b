// COriData: the storage of the orientation points, the common points and the
// name of the common-points file. CLibConOri: the library interface over a
// COriData, base of the field book.
//
// The common-points file: header, tag "QDC", int16 version, int32 count, then
// for each point its entity record and int16 reliability.
#pragma once

#include "Ori.h"
#include "zor2dtgn_export.h"

#include <zor1lbgn.h>

#include <memory>
#include <string>
#include <vector>

class ofpstream;
class ifpstream;

using TOriList = std::vector<std::unique_ptr<COri>>;

class ZOR2DTGN_API COriData : public CLibGen {
public:
    explicit COriData(int kind);
    COriData(const COriData&) = delete;
    COriData& operator=(const COriData&) = delete;
    ~COriData() override;

    int GetTipo() const { return Tipo; }

    // The default name of the common-points file: the "NomeFileQdc" key of
    // section "PERSIST", else "CommonPtFile.qdc" in the folder of the most
    // recently used file, else in the program folder.
    static std::string GetNomeFileOcmDaIni();
    static void SetNomeFileOcmInIni(const char* name);

private:
    friend class CLibConOri;
    TOriList OriAr;
    TOriList OcmAr;
    int Tipo;
    std::string NomeFileOcm;
};

class ZOR2DTGN_API CLibConOri : public CLibGen {
public:
    explicit CLibConOri(COriData* data) : Data(data) {}
    CLibConOri(const CLibConOri&) = default;
    CLibConOri& operator=(const CLibConOri&) = default;
    ~CLibConOri() override;

    COriData* GetOriData() const { return Data; }

    // Orientation points (indices from 0; out of range: null or nothing)
    COri* AddOri();
    COri* InsOriAt(int i);
    void DelOriAt(int i);
    COri* GetOriAt(int i) const;
    int GetOriArSize() const;
    void OriArReserve(int n);
    int OriArAddReserve(int n);
    void OriSwap(int i, int k);

    // Common points
    COri* AddOcm();
    COri* InsOcmAt(int i);
    void DelOcmAt(int i);
    COri* GetOcmAt(int i) const;
    int GetOcmArSize() const;
    int OcmArAddReserve(int n);
    void OcmArReserve(int n);   // deletes every common point first

    std::string GetNomeFileOcm() const;
    const char* GetNomeFileOcmChar() const;
    void SetNomeFileOcm(const char* name);
    std::string GetNomeFileOcmDaIni() const { return COriData::GetNomeFileOcmDaIni(); }
    void SetNomeFileOcmInIni(const char* name) const { COriData::SetNomeFileOcmInIni(name); }

    // Loads the common points from the named file. A file that is missing or
    // not a sound common-points file changes nothing and gives false.
    bool LeggeOcmDaFile();
    // Writes the common points to the named file through a temporary file
    // beside it, so that a failure leaves the old file as it was.
    bool SalvaOcmInFile() const;

    // The orientation list inside a book: int32 count, then the records.
    bool SalvaOriInFile(ofpstream& out, short version) const;
    // Appends the points read when load is true. Nothing changes unless the
    // whole list was read.
    bool LeggeOriDaFile(ifpstream& in, bool load, short version);

    // Base operations: the orientation list alone.
    bool SalvaInFile(ofpstream& out, short version) override;
    bool LeggeDaFile(ifpstream& in, short version) override;

    // The whole orientation list into `out` (replaced), nothing else touched.
    static bool LeggeListaOri(ifpstream& in, short version, TOriList& out);

protected:
    static bool SalvaOri(const COri& o, ofpstream& out) { return o.SalvaInFile(out); }
    static bool LeggeOri(COri& o, ifpstream& in) { return o.LeggeDaFile(in); }
    // The common-points file name, present from version 680.
    bool SalvaNomeFileOcm(ofpstream& out, short version) const;
    bool LeggeNomeFileOcm(ifpstream& in, short version);
    // Reads the name into `name` (unchanged below 680) without storing it.
    static bool LeggeNomeFileOcm(ifpstream& in, short version, std::string& name);
    // Appends points read elsewhere (the book's reader commits them so).
    void AccodaOri(TOriList&& points);

private:
    COriData* Data;
};
