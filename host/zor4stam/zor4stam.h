// zor4stam — the printing library: the text-file writer CFileOutTmp through
// which the survey libraries write their data files and their reports.
//
// A writer collects lines in memory and writes them when it is closed:
// - a data file (IsFileAperto with a path) is written to a temporary file
//   beside it and renamed over it, so a failed write never damages the old file;
// - a report (IsFileAperto with "rpt\NAME.qdt" or "rpt/NAME.qdt") collects the
//   report body; StampaReport then fills the template NAME.qdt of the "rpt"
//   folder of the program directory (CProgDir::GetProgDir) and writes the
//   finished report to the report file (SetFileReport, or the data file's name
//   with the extension ".txt").
// Lines end with CR LF; text bytes are written as they are (CP1252 for the
// suite's files); numbers use "." as decimal point whatever the locale.
//
// Templates are plain text; these markers are replaced:
//   {FILE}    the file name given to StampaReport
//   {RIGHE}   the number of body lines
//   {CORPO}   on a line of its own: the body lines
#pragma once

#include <string>

class CFileOutTmp {
public:
    CFileOutTmp();
    virtual ~CFileOutTmp();
    CFileOutTmp(const CFileOutTmp&) = delete;
    CFileOutTmp& operator=(const CFileOutTmp&) = delete;

    // Starts a data file or a report body; false (with GetErrore) when the
    // data file's folder cannot take the temporary file or the template is missing.
    bool IsFileAperto(const std::string& name);
    bool IsAperto() const { return aperto_; }

    // Text: padded with blanks on the right up to width (never cut).
    void ScriviStringa(const std::string& text, int width = 0);
    // Text in a tab column: padded with blanks to the next multiple of 4 columns
    // (tab < 0), or to column tab counted from the start of the line.
    void ScriviStringaTab(const std::string& text, int tab);
    // Text and the line end.
    void ScriviStringaLn(const std::string& text = "");
    void ScriviNumero(double value, int decimals);
    void ScriviSpazi(int n);

    // Ends the output: a data file is written and renamed over the target.
    // False (with GetErrore) when anything failed; the target is then untouched.
    bool ChiudeFile();
    // Fills the template of the report and writes it to the report file.
    bool StampaReport(const std::string& report, const std::string& fileName);

    void SetFileReport(const std::string& path) { fileReport_ = path; }
    const std::string& GetFileReport() const { return fileReport_; }
    const std::string& GetErrore() const { return errore_; }
    // The body written so far (the data file's bytes, or the report's body).
    const std::string& GetTesto() const { return testo_; }

private:
    bool ScriviFile(const std::string& path, const std::string& bytes);

    std::string testo_;
    std::string target_;     // data file path; empty for a report
    std::string template_;   // template path of a report
    std::string fileReport_;
    std::string errore_;
    std::size_t inizioRiga_ = 0;
    bool aperto_ = false;
    bool report_ = false;
};
