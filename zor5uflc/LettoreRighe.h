// CLettoreRighe: the line reader of every instrument-file converter.
//
// A line is everything up to a line end: LF, CR LF or a lone CR. Lines have
// no length limit (a long line is one line, never split into records), the
// line end is not part of the line, and a last line without a line end keeps
// all its characters. Bytes are returned as they are in the file (no code
// page conversion, NUL bytes included). An empty file has no lines; a file
// ending with a line end has no empty line after it.
#pragma once

#include "zor5uflc_export.h"

#include <cstdio>
#include <string>
#include <vector>

class ZOR5UFLC_API CLettoreRighe {
public:
    CLettoreRighe() = default;
    ~CLettoreRighe();
    CLettoreRighe(const CLettoreRighe&) = delete;
    CLettoreRighe& operator=(const CLettoreRighe&) = delete;

    // Opens a file for reading (closing any open one); false when it cannot.
    bool Apre(const std::string& path);
    void Chiude();
    bool EstAperto() const { return file_ != nullptr; }

    // The next line into `line`; false at the end of the file (or when no
    // file is open), with `line` empty.
    bool LeggeRiga(std::string& line);

    // True when reading stopped on an input error rather than the file's end.
    bool ErroreLettura() const { return errore_; }
    // Number of lines returned so far.
    long long GetNuRiga() const { return riga_; }

private:
    bool Riempie();

    std::FILE* file_ = nullptr;
    std::vector<char> buf_;
    size_t pos_ = 0;
    size_t len_ = 0;
    bool fine_ = false;
    bool saltaLF_ = false;   // the last line ended with CR: a following LF belongs to it
    bool errore_ = false;
    long long riga_ = 0;
};
