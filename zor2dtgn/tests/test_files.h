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
