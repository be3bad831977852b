// CConvFileCts: format 7 of FConvFileNoTopcon, text files of cadastral survey
// rows ("|"-separated records: the second character of a line says job "0",
// station "1" or point "2"; the fields start at the fourth character).
// A file whose name contains ".PRE" has the long layout (station: name,
// unused, instrument height; point: name, target height, code, horizontal
// reading, zenith angle, distance); any other name the short layout (station:
// name, identification; point: name, unused, horizontal reading, distance,
// code, as a horizontal sight).
#pragma once

#include "ConvGen.h"
#include "LettoreRighe.h"

#include <string>

class ZOR5UFLC_API CConvFileCts : public CConvGen {
public:
    CConvFileCts(CLibCmp& lib, std::string* nomeFile);
    ~CConvFileCts() override;

    bool Esegui() override;
    // Converts one line and adds what it produced (used by Esegui).
    void ConvertiRiga(const std::string& line);

private:
    bool OpenFile();
    std::string SeparaCampo();

    std::string m_Resto;
    double m_dPressione = VAL_NON;
    double m_dTemperatura = VAL_NON;
    double m_dAltStr = VAL_NON;
    bool m_bJobPend = false, m_bStaPend = false, m_bPunPend = false;
    std::string m_NomePun;
    double m_dAltPri = VAL_NON;
    std::string m_Code;
    double m_dHz = VAL_NON, m_dZen = VAL_NON, m_dDist = VAL_NON;
    std::string m_NomeSta;
    std::string m_NomeJob;
    bool m_bCorto = true;
    CLettoreRighe m_File;

    static constexpr double VAL_NON = 1.7e200;
};
