// CLibCmp: the field book. Jobs own their stations, stations own their
// observed points; everything is reached by position (job, station within the
// job, point within the station, all from 0). The book also owns its
// reduction settings, options and station memories, and through its base the
// orientation points and the common points.
#pragma once

#include "CalcDsOr.h"
#include "Job.h"
#include "MemEdSta.h"
#include "MemOrSta.h"
#include "MemRoTra.h"
#include "OpzElaToll.h"
#include "OpzElaVarie.h"
#include "OpzLibCmp.h"
#include "OpzListDisEtp.h"
#include "Pun.h"
#include "Sta.h"
#include "zor3dtlc_export.h"

#include <LibConOri.h>

#include <memory>
#include <vector>

class COpzListDisEgn;
class COriData;

class ZOR3DTLC_API CLibCmp : public CLibConOri {
public:
    // commonDrawingList: the drawing options shared by all books (null: the
    // book's list is its own); kind < 0 selects fixed drawing defaults instead
    // of the settings file.
    CLibCmp(COpzListDisEgn* commonDrawingList, COriData* oriData, int kind);
    CLibCmp(const CLibCmp&) = delete;
    CLibCmp& operator=(const CLibCmp&) = delete;
    ~CLibCmp() override;

    CCalcDsOr& GetCalcDsOr() { return CalcDsOr; }
    const CCalcDsOr& GetCalcDsOr() const { return CalcDsOr; }
    COpzElaToll& GetOpzElaToll() { return OpzElaToll; }
    const COpzElaToll& GetOpzElaToll() const { return OpzElaToll; }
    COpzElaVarie& GetOpzElaVarie() { return OpzElaVarie; }
    const COpzElaVarie& GetOpzElaVarie() const { return OpzElaVarie; }
    COpzLibCmp& GetOpzLibCmp() { return OpzLibCmp; }
    const COpzLibCmp& GetOpzLibCmp() const { return OpzLibCmp; }
    COpzListDisEtp& GetOpzListDisEtp() { return OpzListDisEtp; }
    const COpzListDisEtp& GetOpzListDisEtp() const { return OpzListDisEtp; }
    CMemRoTra* GetMemRoTra() const { return MemRoTra.get(); }
    CMemEdSta* GetMemEdSta() const { return MemEdSta.get(); }
    CMemOrSta* GetMemOrSta() const { return MemOrSta.get(); }
    short GetVersione() const { return Versione; }
    int GetTipo() const { return Tipo; }
    // Running totals of the book.
    int GetNuTotJob() const { return NuTotJob; }
    int GetNuTotSta() const { return NuTotSta; }
    int GetNuTotPun() const { return NuTotPun; }

    // Jobs (out of range: null, or nothing)
    CJob* AddJob();
    CJob* InsJobAt(int i);
    void DelJobAt(int i);
    CJob* GetJobAt(int i) const;
    int GetJobArSize() const { return static_cast<int>(JobAr.size()); }
    void JobArReserve(int n);
    int JobArAddReserve(int n);
    void JobSwap(int i, int k);

    // Stations of job j
    CSta* AddSta(int j);
    CSta* InsStaAt(int j, int i);
    void DelStaAt(int j, int i);
    void DelStaAt(CSta* sta);
    CSta* GetStaAt(int j, int i) const;
    int GetStaArSize(int j) const;
    void StaArReserve(int j, int n);
    int StaArAddReserve(int j, int n);
    void StaSwap(int j, int i, int k);
    bool GetIndiciDiSta(const CSta* sta, int& j, int& i) const;

    // Points of station (j, i)
    CPun* AddPun(int j, int i);
    CPun* AddPun(CSta* sta);
    CPun* InsPunAt(int j, int i, int k);
    void DelPunAt(int j, int i, int k);
    void DelPunAt(CPun* pun);
    CPun* GetPunAt(int j, int i, int k) const;
    CPun* GetPunAt(const CSta* sta, int k) const;
    int GetPunArSize(int j, int i) const;
    int GetPunArSize(const CSta* sta) const;   // -1 when the station is not in the book
    void PunArReserve(int j, int i, int n);
    int PunArAddReserve(int j, int i, int n);
    void PunSwap(int j, int i, int k, int m);
    bool GetIndiciDiPun(const CPun* pun, int& j, int& i, int& k) const;

    // Strips the letter codes of old books from the texts of every station,
    // point and orientation point, leaving the code words as they are.
    void CancOldCodeAlfabet();

    // Makes the book plane: instrument and target heights 0 and every
    // observation horizontal. With the book option File2Do3D the slope
    // distances stay as they are; without it each observation is reduced to
    // its horizontal distance (face II readings brought to face I, which sets
    // faceTwo). `changed` tells that the processing results were voided.
    void ModDimens2d3d(bool& changed, bool& faceTwo);

    // The field-book block at version v (the stream's version): options, jobs
    // with stations and points, orientation points, memories and the name of
    // the common-points file.
    bool SalvaInFile(ofpstream& out, short version) override;
    bool SalvaBlocco(ofpstream& out, short version) const;
    // Reads the block; loadOptions and loadData choose what is taken, every
    // byte is read in any case. Jobs and orientation points read are appended.
    // A read that fails changes nothing and gives false; on success the common
    // points are loaded from the named file.
    bool LeggeDaFile(ifpstream& in, bool loadOptions, bool loadData, short version);
    bool LeggeDaFile(ifpstream& in, short version) override;
    // The data block alone (jobs, stations, points, orientation points).
    bool SalvaTutteLeEtp(ofpstream& out, short version) const;
    bool LeggeTutteLeEtp(ifpstream& in, bool load, short version);

private:
    struct TDatiLetti;
    class CRisolviRifNuovi;
    bool LeggeDati(ifpstream& in, short v, short cdElabLib, TDatiLetti& out) const;
    void CommittaDati(TDatiLetti& dati);
    static void CancOldCodeAlfabet(TDatiLetti& dati);

    CJob* Job(int j) const;
    CSta* Sta(int j, int i) const;
    // Every memory entry that refers to the station or point forgets it.
    void DimenticaSta(const CSta* sta);
    void DimenticaPun(const CPun* pun);
    // Deletes the points of the station from the last to the first.
    void SvuotaSta(CSta& sta);

    CCalcDsOr CalcDsOr;
    COpzElaToll OpzElaToll;
    COpzElaVarie OpzElaVarie;
    COpzLibCmp OpzLibCmp;
    COpzListDisEtp OpzListDisEtp;
    std::unique_ptr<CMemRoTra> MemRoTra;
    std::unique_ptr<CMemEdSta> MemEdSta;
    std::unique_ptr<CMemOrSta> MemOrSta;
    std::vector<std::unique_ptr<CJob>> JobAr;
    short Versione;
    int Tipo;
    int NuTotJob;
    int NuTotSta;
    int NuTotPun;
};
