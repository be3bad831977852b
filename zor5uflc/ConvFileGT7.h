// CConvFileGT7: converter of GTS-7 field files.
//
// Each line is a record: a tag, a blank, and comma-separated fields. A job,
// a station or a point is gathered from consecutive records and written to
// the book when a later record would overwrite one of its values, or at the
// end of the file. The first line names the instrument family ("GT...",
// "AP...", "GM...", "FC...") or the field software that wrote the file; in
// the second case the next line must already be a GTS-7 record.
//
// Units: gon and metres, unless a "UNITS d,a" record says otherwise: d is
// "M" (metres) or "F" (feet, 0.3048 m), a is "G" (gon) or "D" (degrees as
// DDD.MMSS); values after the record are converted to gon and metres.
#pragma once

#include "ConvGen.h"
#include "LettoreRighe.h"

#include <string>

class ZOR5UFLC_API CConvFileGT7 : public CConvGen {
public:
    CConvFileGT7(CLibCmp& lib, std::string* nomeFile);
    ~CConvFileGT7() override;

    bool Esegui() override;

private:
    bool OpenFile();
    bool LeggeUnaRigaGTS7();
    std::string SeparaCampo();
    void AnnullaCampi();
    bool EseguiRecord();   // false for a tag that is no GTS-7 record

    void CampoJOB();
    void CampoDATE();
    void CampoNAME();
    void CampoINST();
    void CampoUNITS();
    void CampoSTN();
    void CampoBS();
    void CampoFS();   // also "SS"
    void CampoHV();
    void CampoSD();
    void CampoHD();
    void CampoOFFSET();
    void CampoNOTE();

    void SalvaRigaL();
    void SalvaRigaS();
    void SalvaRigaP();
    void FlushJob();
    void FlushSta();
    void FlushPun();
    // Writes the pending point and starts a new one observing the same point
    // (same name, code and target height) for the next observation record.
    void NuovaOsservazione();

    // A field converted to gon or metres, as text; unchanged when it holds
    // no number or when the file is already in gon and metres.
    std::string Angolo(const std::string& campo) const;
    std::string Distanza(const std::string& campo) const;
    double NumDistanza(const std::string& campo) const;

    CLettoreRighe m_File;
    std::string m_RigaLetta;      // the line as read (its buffer is reused)
    std::string m_Tag;
    std::string m_S[7];
    bool m_bJob = false;
    bool m_bSta = false;
    bool m_bPun = false;
    bool m_bPunScritto = false;   // a point has been written: the last values below are set
    std::string m_LastNome, m_LastCode, m_LastNote;
    double m_LastAltPri, m_LastHz, m_LastV, m_LastSD;
    bool m_bGradi = false;        // angles in DDD.MMSS degrees
    bool m_bPiedi = false;        // distances in feet
};
