// COpzListDisEgn: the drawing options common to a whole book (line and
// ellipse colours, decimals, scale) and an ordered list of option sets. A
// list may point to a common list whose sets all books of the same kind
// share; a list without one is its own common list.
#pragma once

#include "OpzDisEgn.h"
#include "zor2dtgn_export.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ofpstream;
class ifpstream;

class ZOR2DTGN_API COpzListDisEgn {
public:
    COpzListDisEgn(COpzListDisEgn* common, const char* iniKey);
    // A copy of a list that is its own common list is its own common list too.
    COpzListDisEgn(const COpzListDisEgn& o);
    COpzListDisEgn& operator=(const COpzListDisEgn& o);
    virtual ~COpzListDisEgn();

    virtual void RisettaOpz();
    virtual void GetDaIni();
    virtual void SetInIni() const;
    virtual void GetDaIniOpzComList();
    virtual void SetInIniOpzComList() const;

    // Normal list. The list owns its sets; removing one hands it to the caller.
    virtual COpzDisEgn* AddOpzNor();
    int AddOpzNor(std::unique_ptr<COpzDisEgn> set);
    bool InsOpzNorAt(std::unique_ptr<COpzDisEgn> set, int i);
    virtual std::unique_ptr<COpzDisEgn> DelOpzNor(COpzDisEgn* set);
    virtual std::unique_ptr<COpzDisEgn> DelOpzNorAt(int i);
    int GetNuOpzNor() const { return static_cast<int>(OpzNor.size()); }
    COpzDisEgn* GetOpzNor(int i) const;
    COpzDisEgn* GetOpzNorFromName(const std::string& name) const;
    void SetOpzNor(int i, const COpzDisEgn& set);
    void ResetArrayNor() { OpzNor.clear(); }

    // Common list
    virtual COpzDisEgn* AddOpzCom();
    bool InsOpzComAt(std::unique_ptr<COpzDisEgn> set, int i);
    virtual std::unique_ptr<COpzDisEgn> DelOpzCom(COpzDisEgn* set);
    virtual std::unique_ptr<COpzDisEgn> DelOpzComAt(int i);
    int GetNuOpzCom() const { return Common->GetNuOpzNor(); }
    COpzDisEgn* GetOpzCom(int i) const { return Common->GetOpzNor(i); }
    COpzDisEgn* GetOpzComFromName(const std::string& name) const { return Common->GetOpzNorFromName(name); }
    void SetOpzCom(int i, const COpzDisEgn& set) { Common->SetOpzNor(i, set); }
    COpzListDisEgn* GetComOpzList() const { return Common; }
    void IMpostaComOpzList(const COpzListDisEgn* src);

    // Both lists: the normal sets first, then the common ones.
    int GetNuOpzTot() const { return GetNuOpzNor() + GetNuOpzCom(); }
    COpzDisEgn* GetOpzTot(int i) const;
    COpzDisEgn* GetOpzTotFromName(const std::string& name) const;
    void SetOpzTot(int i, const COpzDisEgn& set);

    // "Standard" and the names of the common sets; `selected` is the position
    // of `name` there, which is appended when it is neither.
    void GetNomiComEtSelect(const std::string& name, std::vector<std::string>& names, int& selected) const;

    std::string GetIniKey() const { return IniKey; }

    // The list record: five int16 and a double, then (from 720) a count and
    // the option-set records. Readers change nothing unless the whole record
    // was read and load is true.
    bool SalvaInFileDataList(ofpstream& out, short v) const;
    bool LeggeDaFileDataList(ifpstream& in, bool load, short v);
    bool SalvaInFile(ofpstream& out, short v) const;
    // Replaces the normal sets with the sets read.
    bool LeggeDaFile(ifpstream& in, bool load, short v);
    // Reads record i into the existing set i; records beyond the list are dropped.
    bool LeggeDaFileOpzExist(ifpstream& in, bool load, short v);
    static constexpr uint64_t DimMinDataList() { return 5 * 2 + 8; }

    int16_t ColLinee;
    int16_t ColEllissi;
    int16_t VisLinee;
    int16_t VisEllissi;
    int16_t NDecQuot;
    double RapScala;

protected:
    // Copies the list's own values (not the sets, not the common list).
    void CopiaDataList(const COpzListDisEgn& o);
    // Reads the count of set records and checks it against the bytes left.
    static bool LeggeNuRecord(ifpstream& in, short v, int32_t& count);

private:
    void CopiaSet(const COpzListDisEgn& o);

    std::vector<std::unique_ptr<COpzDisEgn>> OpzNor;
    std::string IniKey;
    COpzListDisEgn* Common;
};
