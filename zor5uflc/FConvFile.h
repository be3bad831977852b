// The import commands of the host: pick an instrument file and its format,
// run the matching converter on the field book.
#pragma once

#include "zor5uflc_export.h"

#include <string>

class CLibCmp;

// Asks for a file (dialog library); the last three characters of its name,
// in any case, choose the converter ("GT7" and "DAT": GTS-7). False when the
// dialog is cancelled, the name is empty or unknown, or the conversion fails.
ZOR5UFLC_API bool FConvFileDaStrum(CLibCmp& lib, int kind);
// Asks for a file and a format number 1 to 16 and runs that format's converter.
ZOR5UFLC_API bool FConvFileNoTopcon(CLibCmp& lib);

// Number of formats of FConvFileNoTopcon and their names (for the host's lists).
inline constexpr int NU_FORMATI_NO_TOPCON = 16;
ZOR5UFLC_API std::string NomeFormatoNoTopcon(int format);
