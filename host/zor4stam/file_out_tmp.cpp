// CFileOutTmp: data files and reports written through a temporary file.
#include "zor4stam.h"

#include <zor0util.h>
#include <zor1inif.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

CFileOutTmp::CFileOutTmp() = default;
CFileOutTmp::~CFileOutTmp()
{
    // A data file left open was never finished: drop its temporary file.
    if (aperto_ && !report_)
        std::remove((target_ + ".tmp").c_str());
}

namespace {
bool LeggeTutto(const std::string& path, std::string& out)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}
}  // namespace

bool CFileOutTmp::IsFileAperto(const std::string& name)
{
    testo_.clear();
    inizioRiga_ = 0;
    errore_.clear();
    aperto_ = false;
    report_ = name.size() > 4 && (name.compare(0, 4, "rpt\\") == 0 || name.compare(0, 4, "rpt/") == 0);
    if (report_) {
        target_.clear();
        template_ = UnisciPath(UnisciPath(CProgDir::GetProgDir(), "rpt"), name.substr(4));
        std::FILE* f = std::fopen(template_.c_str(), "rb");
        if (!f) {
            errore_ = "modello di stampa mancante: " + template_;
            return false;
        }
        std::fclose(f);
    } else {
        target_ = name;
        // Probe the folder now, so that a wrong folder is known before the work.
        const std::string tmp = target_ + ".tmp";
        std::FILE* f = std::fopen(tmp.c_str(), "wb");
        if (!f) {
            errore_ = "impossibile creare " + tmp + ": " + std::strerror(errno);
            return false;
        }
        std::fclose(f);
    }
    aperto_ = true;
    return true;
}

void CFileOutTmp::ScriviStringa(const std::string& text, int width)
{
    testo_ += text;
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        testo_.append(static_cast<std::size_t>(width) - text.size(), ' ');
}

void CFileOutTmp::ScriviStringaTab(const std::string& text, int tab)
{
    testo_ += text;
    std::size_t col = testo_.size() - inizioRiga_;
    std::size_t dove = tab < 0 ? (col / 4 + 1) * 4 : static_cast<std::size_t>(tab);
    if (dove > col)
        testo_.append(dove - col, ' ');
}

void CFileOutTmp::ScriviStringaLn(const std::string& text)
{
    testo_ += text;
    testo_ += "\r\n";
    inizioRiga_ = testo_.size();
}

void CFileOutTmp::ScriviNumero(double value, int decimals)
{
    testo_ += StringDaDouble(value, 0, decimals);
}

void CFileOutTmp::ScriviSpazi(int n)
{
    if (n > 0)
        testo_.append(static_cast<std::size_t>(n), ' ');
}

bool CFileOutTmp::ScriviFile(const std::string& path, const std::string& bytes)
{
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) {
        errore_ = "impossibile creare " + tmp + ": " + std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        errore_ = "errore di scrittura di " + tmp;
        std::remove(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        errore_ = "impossibile rinominare " + tmp + " in " + path + ": " + std::strerror(errno);
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

bool CFileOutTmp::ChiudeFile()
{
    if (!aperto_)
        return false;
    aperto_ = false;
    if (report_)
        return true;
    return ScriviFile(target_, testo_);
}

bool CFileOutTmp::StampaReport(const std::string& report, const std::string& fileName)
{
    std::string modello;
    const std::string path = UnisciPath(UnisciPath(CProgDir::GetProgDir(), "rpt"), report + ".qdt");
    if (!LeggeTutto(path, modello)) {
        errore_ = "modello di stampa mancante: " + path;
        return false;
    }
    std::size_t righe = 0;
    for (std::size_t i = 0; i + 1 < testo_.size(); ++i)
        if (testo_[i] == '\r' && testo_[i + 1] == '\n')
            ++righe;
    std::string out;
    std::size_t pos = 0;
    while (pos < modello.size()) {
        std::size_t fine = modello.find('\n', pos);
        if (fine == std::string::npos)
            fine = modello.size();
        std::string line = modello.substr(pos, fine - pos);
        pos = fine + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "{CORPO}") {
            out += testo_;
            continue;
        }
        for (const auto& [marca, valore] : {std::pair<std::string, std::string>{"{FILE}", fileName},
                                            std::pair<std::string, std::string>{"{RIGHE}", std::to_string(righe)}}) {
            for (std::size_t at = line.find(marca); at != std::string::npos; at = line.find(marca, at + valore.size()))
                line.replace(at, marca.size(), valore);
        }
        out += line;
        out += "\r\n";
    }
    std::string dest = fileReport_;
    if (dest.empty()) {
        dest = fileName;
        std::string nome = fileName;
        EstraiIlNomeFile(nome);
        std::size_t punto = nome.rfind('.');
        if (punto != std::string::npos)
            dest.resize(dest.size() - (nome.size() - punto));
        dest += ".txt";
        fileReport_ = dest;
    }
    return ScriviFile(dest, out);
}
