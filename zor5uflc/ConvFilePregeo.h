// CConvFilePregeo: reads a PREGEO survey file back into the field book (jobs,
// stations, points and fiducial points) and the cadastral document (header,
// rows, technical report, census rows), then takes the computed coordinates
// of stations and points from the PREGEO result file beside it (".out").
//
// The result file is read as a list of points, one a line: the point name,
// its X and its Y, separated by blanks, tabs or "|"; lines whose second and
// third fields are not numbers (headings) are skipped.
#pragma once

#include "LettoreRighe.h"
#include "zor5uflc_export.h"

#include <string>
#include <string_view>
#include <vector>

class CLibCmp;
class CCts;
class CRig;

class ZOR5UFLC_API CConvFilePregeo {
public:
    CConvFilePregeo(CLibCmp& lib, CCts& doc);
    ~CConvFilePregeo();
    CConvFilePregeo(const CConvFilePregeo&) = delete;
    CConvFilePregeo& operator=(const CConvFilePregeo&) = delete;

    // Asks for the file, then reads it; false when cancelled or unreadable.
    bool Importa(bool& coordinatesRead);
    // Reads the given file; false when it cannot be opened.
    bool Load(const char* path, bool& coordinatesRead);
    // Reads the rows of a PREGEO file held in memory (no result file).
    void LeggeTesto(std::string_view text);

    bool GetAggFallita() const { return m_bAggFallita; }
    // A result file elsewhere than beside the survey file (same name, ".out").
    void SetNomeFileOut(const std::string& path) { m_NomeFileOut = path; }

private:
    bool RichiestaNomeDriveEtPath();
    bool Esegui(bool& coordinatesRead);
    void ConvertiRiga(const std::string& line);
    bool LeggeUnaRigaPregeo();
    std::string SeparaCampo();      // the next field, trimmed
    std::string SeparaCampoGrezzo();   // the next field as written
    CRig* GetRigaDiTipo(char type, int value);
    void ConversioneRiga0();
    void ConversioneRiga1();
    void ConversioneRiga2();
    void ConversioneRiga3o7(char type);
    void ConversioneRiga4();
    void ConversioneRiga5();
    void ControllaRiga6();
    void ConversioneRiga6(const std::string& text);
    void ConversioneRigaRelaz(const std::string& raw);
    void ConversioneRigaCens(const std::string& first);
    void ConversioneRiga8();
    void ConversioneRiga9();
    bool ConversioneFileOut();
    void IntestazioneJob(const std::string& text);

    CLettoreRighe m_File;
    std::string m_Riga;
    int m_iTipoRiga = -1;
    std::size_t m_iPos = 0;
    CLibCmp* m_pLib;
    CCts* m_pDoc;
    int m_iJob;
    int m_iSta = -1;
    bool m_bIntestJobPend = false;
    bool m_bPrimoFiduc = true;
    bool m_bAggFallita = false;
    bool m_bRelaz = false;
    bool m_bCens = false;
    char m_cGruppoCens = 'M';
    std::string m_NomeFile;
    std::string m_NomeFileOut;
    // The row of type 3 or 7 being read, and where its vertices stand.
    CRig* m_pRigVrt = nullptr;
    int m_iUltimoVrtRigaPrec = -1;
    bool m_bEtichPrese = false;
    CRig* m_pRigL = nullptr;   // the job header row of the last job header read
};

// Ask for a PREGEO file and read it into the book and the document.
ZOR5UFLC_API bool FImportFilePregeo(CLibCmp& lib, CCts& doc, bool& coordinatesRead);
// Read the given PREGEO file into the book and the document.
ZOR5UFLC_API bool FLoadFilePregeo(CLibCmp& lib, CCts& doc, const char* fileName, bool& coordinatesRead);
