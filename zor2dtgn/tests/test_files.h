// Small helpers for tests that read fixtures and write temporary files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace testfiles {

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

// A temporary file name, removed when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& stem)
        : path_((std::filesystem::temp_directory_path() /
                 ("rilievo_" + stem + "_" + std::to_string(::getpid()))).string())
    {
    }
    ~TempFile() { std::filesystem::remove(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace testfiles

namespace testfiles {

// Points the settings file at a fresh, empty file for the life of the object,
// so that tests running side by side never share settings.
class ScopedIni {
public:
    ScopedIni()
        : path_((std::filesystem::temp_directory_path() /
                 ("rilievo_ini_" + std::to_string(::getpid()) + "_" + std::to_string(++Serial())))
                    .string())
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

private:
    static int& Serial()
    {
        static int n = 0;
        return n;
    }
    std::string path_;
    std::string old_;
    bool hadOld_ = false;
};

}  // namespace testfiles
