// CLettoreRighe: buffered reading of lines with any line end.
#include "LettoreRighe.h"

#include <cstring>

namespace {
constexpr size_t kBuffer = 1 << 16;
}

CLettoreRighe::~CLettoreRighe()
{
    Chiude();
}

bool CLettoreRighe::Apre(const std::string& path)
{
    Chiude();
    if (path.empty())
        return false;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return false;
    buf_.resize(kBuffer);
    return true;
}

void CLettoreRighe::Chiude()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    pos_ = len_ = 0;
    fine_ = saltaLF_ = errore_ = false;
    riga_ = 0;
}

// Refills the buffer; false when nothing more can be read.
bool CLettoreRighe::Riempie()
{
    pos_ = len_ = 0;
    if (fine_ || !file_)
        return false;
    len_ = std::fread(buf_.data(), 1, buf_.size(), file_);
    if (len_ < buf_.size()) {
        fine_ = true;
        errore_ = std::ferror(file_) != 0;
    }
    return len_ > 0;
}

bool CLettoreRighe::LeggeRiga(std::string& line)
{
    line.clear();
    if (!file_)
        return false;
    bool any = false;   // a line exists once a byte of it (or its line end) is seen
    for (;;) {
        if (pos_ >= len_ && !Riempie())
            break;
        if (saltaLF_) {
            saltaLF_ = false;
            if (buf_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        const char* start = buf_.data() + pos_;
        const size_t n = len_ - pos_;
        size_t i = 0;
        while (i < n && start[i] != '\n' && start[i] != '\r')
            ++i;
        line.append(start, i);
        any = true;
        if (i < n) {
            saltaLF_ = start[i] == '\r';
            pos_ += i + 1;
            ++riga_;
            return true;
        }
        pos_ = len_;
    }
    // End of the file: a last line without a line end is still a line.
    if (any && !line.empty()) {
        ++riga_;
        return true;
    }
    return false;
}
