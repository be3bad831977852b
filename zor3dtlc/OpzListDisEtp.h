// COpzListDisEtp: the drawing options of the field book's five kinds of
// items (section base "DIS-ETP"), and the four option-set classes.
#pragma once

#include "zor3dtlc_export.h"

#include <OpzDisEgn.h>
#include <OpzListDisEgn.h>

#include <memory>

inline constexpr const char* INI_KEY_DIS_ETP = "DIS-ETP";

class ZOR3DTLC_API COpzDisStaEtp : public COpzDisEgn {
public:
    COpzDisStaEtp() : COpzDisEgn(INI_KEY_DIS_ETP) {}
    std::unique_ptr<COpzDisEgn> Clone() const override { return std::make_unique<COpzDisStaEtp>(*this); }

protected:
    void doRisettaOpz() override;
    void doGetDaIni() override;
};

class ZOR3DTLC_API COpzDisPunEtp : public COpzDisEgn {
public:
    COpzDisPunEtp() : COpzDisEgn(INI_KEY_DIS_ETP) {}
    std::unique_ptr<COpzDisEgn> Clone() const override { return std::make_unique<COpzDisPunEtp>(*this); }

protected:
    void doRisettaOpz() override;
    void doGetDaIni() override;
};

class ZOR3DTLC_API COpzDisPcdEtp : public COpzDisPunEtp {
public:
    COpzDisPcdEtp() = default;
    std::unique_ptr<COpzDisEgn> Clone() const override { return std::make_unique<COpzDisPcdEtp>(*this); }

protected:
    void doRisettaOpz() override;
    void doGetDaIni() override;
};

class ZOR3DTLC_API COpzDisOriEtp : public COpzDisEgn {
public:
    COpzDisOriEtp() : COpzDisEgn(INI_KEY_DIS_ETP) {}
    std::unique_ptr<COpzDisEgn> Clone() const override { return std::make_unique<COpzDisOriEtp>(*this); }

protected:
    void doRisettaOpz() override;
    void doGetDaIni() override;
};

class ZOR3DTLC_API COpzListDisEtp : public COpzListDisEgn {
public:
    // Positions of the five sets in the normal list.
    enum { OPZ_STA = 0, OPZ_PUN = 1, OPZ_PUN_OR = 2, OPZ_PUN_PO = 3, OPZ_ORI = 4, NU_OPZ_ETP = 5 };

    explicit COpzListDisEtp(COpzListDisEgn* common);
    COpzListDisEtp(const COpzListDisEtp&) = default;
    COpzListDisEtp& operator=(const COpzListDisEtp&) = default;
    ~COpzListDisEtp() override;

    COpzDisEgn* GetOpzSta() const { return GetOpzNor(OPZ_STA); }
    COpzDisEgn* GetOpzPun() const { return GetOpzNor(OPZ_PUN); }
    COpzDisEgn* GetOpzPunOR() const { return GetOpzNor(OPZ_PUN_OR); }
    COpzDisEgn* GetOpzPunPO() const { return GetOpzNor(OPZ_PUN_PO); }
    COpzDisEgn* GetOpzOri() const { return GetOpzNor(OPZ_ORI); }

    // Resets the five sets; kind >= 0 then reads each from the settings, a
    // negative kind shows every element of stations and detail points and
    // hides those of the other three sets.
    void SetOpzToDef(int kind);

    // The book's drawing-option block at version v. Reading changes nothing
    // unless the whole block was read and load is true.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);

    // Takes the values of another list of the same shape, keeping this
    // list's own set objects.
    void AssegnaValori(const COpzListDisEtp& o);

private:
    bool LeggeCorto(ifpstream& in, short v);
};
