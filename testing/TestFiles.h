// Test support shared by every test program: fixture paths, whole-file reads
// and writes, temporary files and a private settings file per test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>

namespace rtest {

// A fixture of the test program's data folder ($RILIEVO_TEST_DATA).
inline std::string DataPath(const std::string& name)
{
    const char* dir = std::getenv("RILIEVO_TEST_DATA");
    return std::string(dir ? dir : "data") + "/" + name;
}

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh name in the temporary folder, unique within the process and across
// test programs running side by side.
inline std::string TempPath(const std::string& stem)
{
    static int serial = 0;
    return (std::filesystem::temp_directory_path() /
            ("rilievo_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + "_" + stem))
        .string();
}

// A temporary file (optionally with the given bytes), removed when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& stem) : path_(TempPath(stem)) {}
    TempFile(const std::string& stem, const std::string& bytes) : path_(TempPath(stem)) { WriteAll(path_, bytes); }
    ~TempFile()
    {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Points the settings file ($RILIEVO_INI) at a fresh, empty file for the life
// of the object, so that tests never share settings.
class ScopedIni {
public:
    ScopedIni() : path_(TempPath("ini"))
    {
        const char* old = std::getenv("RILIEVO_INI");
        hadOld_ = old != nullptr;
        if (old)
            old_ = old;
        ::setenv("RILIEVO_INI", path_.c_str(), 1);
    }
    ~ScopedIni()
    {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
        if (hadOld_)
            ::setenv("RILIEVO_INI", old_.c_str(), 1);
        else
            ::unsetenv("RILIEVO_INI");
    }
    ScopedIni(const ScopedIni&) = delete;
    ScopedIni& operator=(const ScopedIni&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string old_;
    bool hadOld_ = false;
};

}  // namespace rtest
