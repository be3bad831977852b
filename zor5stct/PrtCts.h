// CPrtCts: writes the PREGEO survey file of a survey from its cadastral
// document and its field book, with the archive record of the PREGEO
// installation, and prints the same rows as a report.
#pragma once

#include "zor5stct_export.h"

#include <zor4stam.h>

#include <string>
#include <vector>

class CCts;
class CRig;
class CLibCmp;
class CPun;

class ZOR5STCT_API CPrtCts : public CFileOutTmp {
public:
    // window: parent of message boxes (unused here); fileName: the PREGEO file
    // name, which CreaFile replaces by year + protocol + ".DAT" before asking.
    CPrtCts(void* window, CCts& doc, CLibCmp& lib, const char* fileName);
    ~CPrtCts() override;

    // Writes the PREGEO file (and the archive record when an archive is used).
    // True when the file was written and, with an archive, the record too.
    bool CreaFile();
    // Writes the rows as a report from the template "rpt/cts.qdt".
    bool Stampa();

    // An archive chosen by the host instead of the PREGEO installation's own:
    // it is checked and updated like the installation's, and the file name is
    // asked for as without an installation.
    void SetNomeArchivio(const std::string& path) { NomeArch = path; }
    const std::string& GetNomeFile() const { return NomeFile; }
    void* GetWindow() const { return Window; }
    const std::string& GetNomeArchivio() const { return NomeArch; }

    // What the last run found worth telling.
    bool GetNomiValidi() const { return NomiValidi; }
    bool GetFaceDue() const { return FaceDue; }
    int GetNuSegnaposto() const { return NuSegnaposto; }       // invalid values written as 0, blank or "***"
    int GetNuCampiTagliati() const { return NuCampiTagliati; }   // census fields cut to their width

protected:
    void ScriviRiga0();
    void ScriviIntestazioneDelJob(CRig& rig);
    void ScriviStazioniDelJob(CRig& rig);
    void ScriviPun(CPun& pun);
    void ScriviRiga3o7(CRig& rig);
    void ScriviRiga4(CRig& rig);
    void ScriviRiga5(CRig& rig);
    void ScriviRiga6(CRig& rig);
    void ScriviRiga9(CRig& rig);
    void ScriviPuntiFiduciali();
    void ScriviRigheMapp();
    void ScriviRigheFraz();
    void ScriviRigheAus();
    void ScriviRigheDelDocumento();
    void ScriviTutteLeRighe();
    // A field: the text with blanks removed at both ends, then the separator.
    void ScriviStringaNoSpazi(const std::string& text);
    // A field: the name converted for PREGEO, then the separator.
    void ScriviNomeConvertitoPregeo(const std::string& name);
    static std::string AddZero(const std::string& text, int width);
    static std::string AddSpace(const std::string& text, int width, bool right);
    bool RichSeScrivereSopra();
    bool ControlloFilePregeoArch();
    bool ScriveFilePregeoArch();
    bool RichiestaNomeDriveEtPath();
    bool CreaFileInterno();
    bool StampaInterna();
    void StampaRelazTecn();
    void ShowWarnings();

private:
    // Starts a row: in report mode its type in a tab column, then the type and the separator.
    void IniziaRiga(const std::string& tipo);
    void FineRiga() { ScriviStringaLn(); }
    void Campo(const std::string& text) { ScriviStringa(text + Sep); }
    void RigaTesto(const std::string& tipo, const std::string& text);
    void ScriviGruppoCens(char gruppo, const char* codice);
    void ScriviCensuario();
    void Errore(const std::string& text);
    void Inizializza(bool report);

    void* Window;
    CCts* Doc;
    CLibCmp* Lib;
    std::string NomeFile;
    std::string NomeArch;
    std::string Sep;
    std::string Caption;
    bool ModoReport = false;
    bool NomiValidi = true;
    bool FaceDue = false;
    int NuSegnaposto = 0;
    int NuCampiTagliati = 0;
    long PosArch = -1;   // record position chosen in the archive
};
