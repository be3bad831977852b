// The field-book file on disk: the 5-byte header, the tag "LIB" and the
// version (int16), then the field-book block at that version.
#pragma once

#include "zor3dtlc_export.h"

#include <cstdint>
#include <string>

class CLibCmp;

inline constexpr const char* TAG_LIBRO = "LIB";

struct TEsitoLibro {
    short Versione = 0;          // version found in the file
    uint64_t ByteAvanzati = 0;   // bytes after the block (a sound file has none)
    std::string Errore;          // Italian description of what went wrong
};

// Writes the book at the current version through a temporary file beside
// `path`, renamed over it only when everything was written.
ZOR3DTLC_API bool SalvaLibroInFile(const CLibCmp& lib, const std::string& path, TEsitoLibro* esito = nullptr);
// Reads a book file, appending its jobs and orientation points and taking its
// options. On failure the book is unchanged and the result is false.
ZOR3DTLC_API bool LeggeLibroDaFile(CLibCmp& lib, const std::string& path, TEsitoLibro* esito = nullptr);
