// ofpstream / ifpstream: the binary persistence streams.
#include "fpstream.h"

#include "LittleEndian.h"

#include <filesystem>
#include <system_error>

ofpstream::ofpstream(const std::string& name, short version, const std::string& tag)
{
    open(name, version, tag);
}

ofpstream::~ofpstream()
{
    close();
}

bool ofpstream::open(const std::string& name, short version, const std::string& tag)
{
    close();
    version_ = version;
    tag_ = tag;
    written_ = 0;
    file_.open(name, std::ios::binary | std::ios::out | std::ios::trunc);
    failed_ = !file_.is_open();
    if (failed_)
        return false;
    Put(INTESTAZIONE_FP, sizeof INTESTAZIONE_FP);
    return good();
}

bool ofpstream::close()
{
    if (!file_.is_open())
        return !failed_;
    file_.flush();
    if (!file_)
        failed_ = true;
    file_.close();
    if (file_.fail())
        failed_ = true;
    return !failed_;
}

void ofpstream::Put(const void* bytes, size_t n)
{
    if (failed_)
        return;
    file_.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(n));
    if (!file_)
        failed_ = true;
    else
        written_ += n;
}

void ofpstream::WriteTagAndVersion()
{
    WriteString(tag_);
    WriteInt16(version_);
}

void ofpstream::WriteUInt8(uint8_t v)
{
    Put(&v, 1);
}

void ofpstream::WriteInt16(int16_t v)
{
    unsigned char b[2];
    le::Encode(v, b);
    Put(b, sizeof b);
}

void ofpstream::WriteInt32(int32_t v)
{
    unsigned char b[4];
    le::Encode(v, b);
    Put(b, sizeof b);
}

void ofpstream::WriteUInt32(uint32_t v)
{
    unsigned char b[4];
    le::Encode(v, b);
    Put(b, sizeof b);
}

void ofpstream::WriteDouble(double v)
{
    unsigned char b[8];
    le::Encode(v, b);
    Put(b, sizeof b);
}

void ofpstream::WriteFloat(float v)
{
    unsigned char b[4];
    le::Encode(v, b);
    Put(b, sizeof b);
}

void ofpstream::WriteString(const std::string& s)
{
    if (s.size() > 0x7FFFFFFFu) {   // cannot be described by the 32-bit length
        failed_ = true;
        return;
    }
    WriteInt32(static_cast<int32_t>(s.size()));
    Put(s.data(), s.size());
}

void ofpstream::WriteBool(bool v)
{
    WriteInt32(v ? 1 : 0);
}

ifpstream::ifpstream(const std::string& name)
{
    open(name);
}

ifpstream::~ifpstream() = default;

bool ifpstream::Attach(std::unique_ptr<std::streambuf> buf, uint64_t size)
{
    buf_ = std::move(buf);
    size_ = size;
    pos_ = 0;
    version_ = 0;
    tag_.clear();
    failed_ = false;
    // The header is skipped without being examined. A file shorter than the
    // header holds no data at all.
    const uint64_t skip = size_ < sizeof INTESTAZIONE_FP ? size_ : sizeof INTESTAZIONE_FP;
    if (skip > 0 && buf_->pubseekoff(static_cast<std::streamoff>(skip), std::ios::beg, std::ios::in) < 0) {
        failed_ = true;
        return false;
    }
    pos_ = skip;
    return true;
}

bool ifpstream::open(const std::string& name)
{
    close();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(name, ec)) {
        failed_ = true;
        return false;
    }
    const auto size = std::filesystem::file_size(name, ec);
    auto fb = std::make_unique<std::filebuf>();
    if (ec || !fb->open(name, std::ios::binary | std::ios::in)) {
        failed_ = true;
        return false;
    }
    return Attach(std::move(fb), size);
}

bool ifpstream::OpenBytes(std::string bytes)
{
    close();
    const uint64_t size = bytes.size();
    return Attach(std::make_unique<std::stringbuf>(std::move(bytes), std::ios::in), size);
}

void ifpstream::close()
{
    buf_.reset();
    size_ = pos_ = 0;
    failed_ = true;
}

bool ifpstream::Get(void* bytes, size_t n)
{
    if (failed_ || !buf_ || Remaining() < n) {
        failed_ = true;
        return false;
    }
    const auto got = buf_->sgetn(static_cast<char*>(bytes), static_cast<std::streamsize>(n));
    if (got != static_cast<std::streamsize>(n)) {
        failed_ = true;
        return false;
    }
    pos_ += n;
    return true;
}

bool ifpstream::ReadTagAndVersion()
{
    std::string tag;
    int16_t version = 0;
    if (!ReadString(tag) || !ReadInt16(version))
        return false;
    tag_ = std::move(tag);
    version_ = version;
    return true;
}

bool ifpstream::ReadUInt8(uint8_t& v)
{
    return Get(&v, 1);
}

bool ifpstream::ReadInt16(int16_t& v)
{
    unsigned char b[2];
    if (!Get(b, sizeof b))
        return false;
    v = le::Decode<int16_t>(b);
    return true;
}

bool ifpstream::ReadInt32(int32_t& v)
{
    unsigned char b[4];
    if (!Get(b, sizeof b))
        return false;
    v = le::Decode<int32_t>(b);
    return true;
}

bool ifpstream::ReadUInt32(uint32_t& v)
{
    unsigned char b[4];
    if (!Get(b, sizeof b))
        return false;
    v = le::Decode<uint32_t>(b);
    return true;
}

bool ifpstream::ReadDouble(double& v)
{
    unsigned char b[8];
    if (!Get(b, sizeof b))
        return false;
    v = le::Decode<double>(b);
    return true;
}

bool ifpstream::ReadFloat(float& v)
{
    unsigned char b[4];
    if (!Get(b, sizeof b))
        return false;
    v = le::Decode<float>(b);
    return true;
}

bool ifpstream::ReadString(std::string& s)
{
    int32_t len = 0;
    if (!ReadInt32(len))
        return false;
    if (len <= 0) {
        s.clear();
        return true;
    }
    if (static_cast<uint64_t>(len) > Remaining()) {
        failed_ = true;
        return false;
    }
    std::string text(static_cast<size_t>(len), '\0');
    if (!Get(text.data(), text.size()))
        return false;
    s = std::move(text);
    return true;
}

bool ifpstream::ReadBoolB1(bool& v)
{
    int32_t i = 0;
    if (!ReadInt32(i))
        return false;
    v = (i == 1);
    return true;
}

bool ifpstream::ReadBoolB2(bool& v)
{
    int32_t i = 0;
    if (!ReadInt32(i))
        return false;
    v = (i > 0);
    return true;
}
