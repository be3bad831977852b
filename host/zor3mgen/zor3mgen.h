// zor3mgen — code conversion: turns the codes an instrument records with each
// station and point into the survey codes of the field book.
//
// Without a table the conversion is the identity: every text comes back as it
// was given, and ModalitaConver gives "" (no drawing attribute).
//
// Table file (optional). A plain text file, one rule a line (LF or CRLF):
//
//     # comment            (also lines starting with ";"; blank lines are skipped)
//     FE   = OR recinzione | RECINZIONI
//     ALB  = QU albero
//     SPIG = PO
//
// The text before the first "=" is the instrument code, the text after it the
// survey code that replaces it; an optional "|" ends the survey code and is
// followed by the drawing attribute of the code. Every part is trimmed of
// blanks. Codes are compared exactly (case matters). A code is looked up
// whole first; when it is not in the table, its first word is looked up and
// the rest of the text is kept after the replacement ("FE 12" -> "OR
// recinzione 12"). Codes found in neither way are left unchanged. A line
// without "=", or with nothing before it, is not a rule and is counted in
// GetRigheScartate(). Later rules for the same code replace earlier ones.
//
// Which table a default-constructed converter loads: the one set with
// SetFileTabellaPredefinita, else the file named by the key "FileTabella" of
// section "CONV-COD" of the settings file; none when both are empty. The strip
// switch comes from SetCancCodAlfPredefinito, else the key "CancCodAlf" of the
// same section (false).
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

class CConvCod {
public:
    CConvCod();
    ~CConvCod();
    CConvCod(const CConvCod&) = default;
    CConvCod& operator=(const CConvCod&) = default;

    // The converted texts: references valid until the next call on this object.
    const std::string& IdenConvertito(const std::string& iden);
    const std::string& CodeConvertito(const std::string& code);
    // The drawing attribute of a code ("" when the table gives none).
    std::string ModalitaConver(const std::string& code) const;

    // Replaces the table by the rules of a file. False (and an empty table)
    // when the file cannot be read.
    bool CaricaTabella(const std::string& path);
    // Adds or replaces one rule.
    void AggiungeRegola(const std::string& codStrum, const std::string& codRilievo, const std::string& attributo);
    int GetNuRegole() const { return static_cast<int>(regole_.size()); }
    int GetRigheScartate() const { return scartate_; }

    // Letter codes are to be stripped from the texts after conversion.
    bool CancCodAlf = false;

    // Defaults of the host for every converter constructed afterwards
    // (nullopt: back to the settings file).
    static void SetFileTabellaPredefinita(std::optional<std::string> path);
    static void SetCancCodAlfPredefinito(std::optional<bool> strip);

private:
    struct Regola {
        std::string codice;
        std::string attributo;
    };
    const Regola* Trova(const std::string& code, std::string& resto) const;
    const std::string& Converte(const std::string& text);

    std::unordered_map<std::string, Regola> regole_;
    int scartate_ = 0;
    std::string risultato_;
};
