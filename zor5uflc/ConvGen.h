// CConvGen: the common base of the instrument-file converters. A converter
// lives for one conversion: it is constructed on the field book and the file
// name, runs Esegui() once and, when destroyed, tells the user what is left
// to tell (items the book refused, notices about the data).
#pragma once

#include "zor5uflc_export.h"

#include <memory>
#include <string>

class CLibCmp;
class CConvCod;

// Message numbers of the dialog library used at the end of a conversion.
enum : int {
    IDS_CONV_TITOLO = 11374,          // title of the end-of-import messages
    IDS_CONV_AGGIUNTA_FALLITA = 11375,
    IDS_CONV_AVVISO_1 = 11376,
    IDS_CONV_AVVISO_2 = 11377,
};

class ZOR5UFLC_API CConvGen {
public:
    CConvGen(CLibCmp& lib, std::string* nomeFile);
    virtual ~CConvGen();
    CConvGen(const CConvGen&) = delete;
    CConvGen& operator=(const CConvGen&) = delete;

    // Runs the conversion; false when the file cannot be opened or read as
    // its format.
    virtual bool Esegui() = 0;

    // Appends a job; it becomes the current job and no station is current.
    void AggiungeJob(const std::string& nome, const std::string& oper, const std::string& strum,
                     const std::string& data);
    // Appends a station to the current job (creating a job when there is none).
    void AggiungeSta(const std::string& nome, const std::string& iden, double altStr, double temper,
                     double pressi);
    // Appends a point with its raw data (slope distance, zenith angle,
    // horizontal reading) to the current station (creating what is missing).
    void AggiungePun(const std::string& nome, const std::string& code, const std::string& note, double altPri,
                     double d0, double d1, double d2);

    int GetJobCorr() const { return m_iJob; }
    int GetStaCorr() const { return m_iSta; }
    bool GetAggFallita() const { return m_bAggFallita; }
    int GetAvviso() const { return m_iAvviso; }

protected:
    bool CreaJobSeManca();

    std::string* m_pNomeFile;
    std::unique_ptr<CConvCod> m_pConvCod;
    std::string m_Riga;        // text of the line being parsed
    int m_iJob;                // current job
    int m_iSta = -1;           // current station within the current job
    bool m_bAggFallita = false;
    int m_iAvviso = 0;         // 1 or 2: something to tell at the end
    CLibCmp* m_pLib;
};
