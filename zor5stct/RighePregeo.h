// Pieces of the PREGEO survey file rows that need only numbers and texts:
// field widths, name conversion, text cleaning, vertex lines, census rows and
// the archive record.
#pragma once

#include "zor5stct_export.h"

#include <string>
#include <vector>

class CRig;
class CCensRig;
class CCts;

namespace pregeo {

// Pads with "0" on the left up to width; characters beyond the width are cut
// from the right end.
ZOR5STCT_API std::string AddZero(const std::string& text, int width);
// Cuts the same way; pads with blanks on the right when right is true, on the left otherwise.
ZOR5STCT_API std::string AddSpace(const std::string& text, int width, bool right);

// A text field made safe for a row: blanks removed at both ends, "|" written
// as "/" and line breaks (CR, LF) as blanks, so no text can split or add a field.
ZOR5STCT_API std::string TestoPulito(const std::string& text);
// The same without removing blanks (report lines keep their indentation).
ZOR5STCT_API std::string SenzaSeparatori(const std::string& text);

// The name as PREGEO wants it: cleaned, upper-cased, and a fiducial name of
// 8 characters starting with PF gets "/" after its fourth character
// (PF120034 -> PF12/0034).
ZOR5STCT_API std::string NomeConvertito(const std::string& name);

// A number with the given decimals ("." in every locale), or "***" when invalid.
ZOR5STCT_API std::string NumeroOAsterischi(double v, int decimals);

// One line of the technical report cut into pieces of at most width
// characters, breaking after the last blank that fits when there is one.
// An empty line gives one empty piece.
ZOR5STCT_API std::vector<std::string> SpezzaRigaRelaz(const std::string& line, std::size_t width = 70);

// The vertex rows of a document row of type 3 or 7, each ending with sep (no
// line end). The style letters of the vertices are corrected in place
// (colour N, P, R, V and line type C, D, P, T, V in either case; N and C otherwise).
ZOR5STCT_API std::vector<std::string> RigheVertici(CRig& rig, const std::string& sep);

// The fields of a census entry (without the leading "6"), each cut or padded
// to its width; `troppoLunghi` grows by one for every field that had to be cut.
// Auxiliary entries (group 'A') have their own layout.
ZOR5STCT_API std::vector<std::string> CampiCensuario(const CCensRig& c, int& troppoLunghi);

// The 39-byte archive record of the document: protocol (6), municipality (5),
// the last two digits of the year (2), sheet (4), a blank, technician (20), "I".
ZOR5STCT_API std::string RecordArchivio(const CCts& doc);
inline constexpr std::size_t kDimRecordArchivio = 39;

}  // namespace pregeo
