// What the fuzz targets of the file importers share: a quiet message sink and
// neutral code conversion, and the fuzzer's bytes as a real file to open.
#pragma once

#include <hostui.h>
#include <zor3mgen.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzzsupport {

// Installs, once, a recording sink (messages are dropped at every call) and
// the identity code conversion, so that no input depends on settings.
inline void QuietImport()
{
    static hostui::RecordingSink sink;
    static const bool once = [] {
        hostui::SetSink(&sink);
        CConvCod::SetFileTabellaPredefinita(std::string());
        CConvCod::SetCancCodAlfPredefinito(false);
        return true;
    }();
    (void)once;
    sink.messages.clear();
}

// The bytes as an anonymous in-memory file, reachable by name through /proc.
class MemFile {
public:
    MemFile(const uint8_t* data, size_t size) : fd_(::memfd_create("fuzz", 0))
    {
        if (fd_ < 0)
            return;
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd_, data + done, size - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        name_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    MemFile(const MemFile&) = delete;
    MemFile& operator=(const MemFile&) = delete;
    bool ok() const { return fd_ >= 0; }
    const std::string& name() const { return name_; }

private:
    int fd_;
    std::string name_;
};

}  // namespace fuzzsupport
