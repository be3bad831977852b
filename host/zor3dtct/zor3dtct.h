// zor3dtct — the cadastral data library: the cadastral document of a survey
// (header data, ordered rows with their vertices, census rows, lines of the
// technical report, output options) that the PREGEO writer reads and the
// PREGEO import fills.
//
// The document is kept in a text file of our own, one record per line:
//
//   # a comment; blank lines are ignored
//   CTS|1                                   first record: format and version
//   DATA|giorno|mese|anno                   e.g. DATA|05|03|2026
//   PROTOCOLLO|testo
//   COMUNE|codice del comune                e.g. COMUNE|H501
//   FOGLIO|testo
//   MAPPALE|testo
//   TECNICO|cognome|nome
//   QUALIFICA|codice o testo                1 geometra, 2 ingegnere, 3 architetto,
//                                           4 perito edile, 5 perito agrario,
//                                           6 dottore agronomo, 7 agrotecnico
//   PROVINCIA|nome completo
//   OPZIONI|usa PREGEO (0/1)|cartella di installazione|archivio (0 ARCH2, 1 ARCH2m)
//   RIGA|tipo|etichetta 1|etichetta 2|materiale|reale 1|reale 2|intero 1|intero 2
//   VERTICE|nome|colore|tipo linea           belongs to the last RIGA
//   RELAZIONE|una riga della relazione tecnica
//   ORDINE-CENSUARIO|gruppi in ordine       e.g. AFM
//   CENSUARIO|gruppo (A, F, M)|operazione|origine|sub-origine|id provvisorio|
//             id definitivo|ettari|are|centiare|natura|lotti provvisori|
//             lotti definitivi|qualita|classe|codice annotazione|annotazione
//                                           (one line in the file)
//
// Fields are separated by "|"; inside a field "\|" stands for "|", "\\" for
// "\", "\n" and "\r" for line breaks. Trailing fields may be left out and read
// as empty. Reals use "." as decimal point; an empty real is invalid
// (1.7e200); integers are whole numbers in the range of int32. The row type
// is one character: L (job header), S (stations of a job), 3, 4, 5, 6, 7, 8, 9.
// The file is CP1252 text; its bytes are kept as they are.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A vertex of a row of type 3 or 7: its name and two style letters
// (colour N, P, R, V; line type C, D, P, T, V; either case).
class CCtsVrt {
public:
    CCtsVrt() = default;
    CCtsVrt(std::string nome, char colore, char tpLinea) : Nome(std::move(nome)), Colore(colore), TpLinea(tpLinea) {}

    void SetNome(const std::string& s) { Nome = s; }
    const std::string& GetNome() const { return Nome; }
    void SetColore(char c) { Colore = c; }
    char GetColore() const { return Colore; }
    void SetTpLinea(char c) { TpLinea = c; }
    char GetTpLinea() const { return TpLinea; }

private:
    std::string Nome;
    char Colore = 'N';
    char TpLinea = 'C';
};

// A row of the document, written in its order by the PREGEO writer.
class CRig {
public:
    explicit CRig(char tipo = '6');

    char GetTipo() const { return Tipo; }
    void SetTipo(char t) { Tipo = t; }
    const std::string& GetEtich1() const { return Etich1; }
    void SetEtich1(const std::string& s) { Etich1 = s; }
    const std::string& GetEtich2() const { return Etich2; }
    void SetEtich2(const std::string& s) { Etich2 = s; }
    const std::string& GetEtichMat() const { return EtichMat; }   // material label
    void SetEtichMat(const std::string& s) { EtichMat = s; }
    double GetReale1() const { return Reale1; }
    void SetReale1(double v) { Reale1 = v; }
    double GetReale2() const { return Reale2; }
    void SetReale2(double v) { Reale2 = v; }
    int GetIntero1() const { return Intero1; }
    void SetIntero1(int v) { Intero1 = v; }
    int GetIntero2() const { return Intero2; }
    void SetIntero2(int v) { Intero2 = v; }

    int GetVrtArSize() const { return static_cast<int>(VrtAr.size()); }
    CCtsVrt* GetVrtAt(int i);   // null out of range
    const CCtsVrt* GetVrtAt(int i) const;
    CCtsVrt* AddVrt(const std::string& nome = "", char colore = 'N', char tpLinea = 'C');
    void DelAllVrt() { VrtAr.clear(); }

private:
    char Tipo;
    std::string Etich1, Etich2, EtichMat;
    double Reale1, Reale2;
    int Intero1 = 0, Intero2 = 0;
    std::vector<CCtsVrt> VrtAr;
};

// A census entry: group 'M' parcel rows, 'F' fraction rows, 'A' auxiliary rows.
class CCensRig {
public:
    explicit CCensRig(char gruppo = 'M') : Gruppo(gruppo) {}
    char GetGruppo() const { return Gruppo; }
    void SetGruppo(char g) { Gruppo = g; }

    std::string Operazione;   // operation letter
    std::string OrigPrinc;    // main origin identifier
    std::string SubOrig;      // sub-origin
    std::string IdProvv;      // provisional identifier
    std::string IdDef;        // definitive identifier
    std::string Ettari, Are, Centiare;
    std::string Natura;
    std::string LottiProvv, LottiDef;
    std::string Qualita, Classe;
    std::string CodAnnot, TestoAnnot;   // auxiliary rows only

private:
    char Gruppo;
};

// Output options of the PREGEO file.
class COpzCts {
public:
    bool GetUsaPregeo() const { return UsaPregeo; }   // write into the PREGEO installation
    void SetUsaPregeo(bool b) { UsaPregeo = b; }
    const std::string& GetPathPregeo() const { return PathPregeo; }
    void SetPathPregeo(const std::string& s) { PathPregeo = s; }
    int GetVal1() const { return Val1; }   // non-zero: the "m" archive and data folders
    void SetVal1(int v) { Val1 = v; }

private:
    bool UsaPregeo = false;
    std::string PathPregeo;
    int Val1 = 0;
};

class CCts {
public:
    CCts();
    virtual ~CCts();
    CCts(const CCts& o);
    CCts& operator=(const CCts& o);

    // Header
    const std::string& GetGior() const { return Gior; }
    const std::string& GetMese() const { return Mese; }
    const std::string& GetAnno() const { return Anno; }
    void SetData(const std::string& g, const std::string& m, const std::string& a) { Gior = g; Mese = m; Anno = a; }
    const std::string& GetProt() const { return Prot; }
    void SetProt(const std::string& s) { Prot = s; }
    const std::string& GetCdCm() const { return CdCm; }   // municipality code
    void SetCdCm(const std::string& s) { CdCm = s; }
    const std::string& GetFogl() const { return Fogl; }
    void SetFogl(const std::string& s) { Fogl = s; }
    const std::string& GetMapp() const { return Mapp; }
    void SetMapp(const std::string& s) { Mapp = s; }
    const std::string& GetTcnC() const { return TcnC; }   // technician: surname
    void SetTcnC(const std::string& s) { TcnC = s; }
    const std::string& GetTcnN() const { return TcnN; }   // technician: first name
    void SetTcnN(const std::string& s) { TcnN = s; }
    const std::string& GetQualifica() const { return Qualifica; }
    void SetQualifica(const std::string& s) { Qualifica = s; }
    // The qualification as text: a known code gives its name, any other text is kept.
    std::string GetQualificaDecodif() const;
    const std::string& GetNomeProvCompleto() const { return NomeProv; }
    void SetNomeProvCompleto(const std::string& s) { NomeProv = s; }

    // Rows
    int GetRigArSize() const { return static_cast<int>(RigAr.size()); }
    CRig* GetRigAt(int i);   // null out of range
    const CRig* GetRigAt(int i) const;
    CRig* AddRig(char tipo);

    // Census rows and the order of their groups ("AFM": auxiliary, fraction, parcel)
    int GetCensRigArSize() const { return static_cast<int>(CensAr.size()); }
    CCensRig* GetCensRigAt(int i);
    const CCensRig* GetCensRigAt(int i) const;
    CCensRig* AddCensRig(char gruppo);
    const std::string& GetOrdineCens() const { return OrdineCens; }
    void SetOrdineCens(const std::string& s) { OrdineCens = s; }

    // Technical report
    int GetRelazArSize() const { return static_cast<int>(Relaz.size()); }
    std::string GetRelazAt(int i) const;   // "" out of range
    void AddRelaz(const std::string& line) { Relaz.push_back(line); }

    COpzCts& GetOpzCts() { return Opz; }
    const COpzCts& GetOpzCts() const { return Opz; }

    // Empties the whole document.
    void Annulla();

    // The document as text (the format above) and back. Reading replaces the
    // document only when the whole text was read; otherwise err says which
    // line failed and why, and the document is unchanged.
    std::string SalvaInTesto() const;
    bool LeggeDaTesto(std::string_view text, std::string& err);
    // The same with a file: saving writes a temporary file beside it and
    // renames it, so a failure never damages the old file.
    bool SalvaInFile(const std::string& path, std::string& err) const;
    bool LeggeDaFile(const std::string& path, std::string& err);

private:
    std::string Gior, Mese, Anno, Prot, CdCm, Fogl, Mapp, TcnC, TcnN, Qualifica, NomeProv;
    std::vector<std::unique_ptr<CRig>> RigAr;
    std::vector<std::unique_ptr<CCensRig>> CensAr;
    std::string OrdineCens;
    std::vector<std::string> Relaz;
    COpzCts Opz;
};

// True when the name can stand as a point name in a PREGEO file: 1 to 8
// letters (A-Z) and digits, or a fiducial point written PFnn/nnnn
// (letters and digits around the "/").
bool NomeStazionePregeoValido(const std::string& name);
