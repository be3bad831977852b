// The suite's binary persistence streams.
//
// A file starts with the 5 header bytes 3A 01 01 00 00. A document with a
// type tag writes, right after the header, the tag as a string and the
// version as a 16-bit integer; some books write their data right after the
// header instead, and their reader sets the version on the stream itself.
// Numbers are little-endian with their declared width; doubles and floats
// are IEEE 754; a string is a 32-bit length and that many bytes; a boolean
// is a 32-bit 0 or 1, read back by rule B1 (true when 1) or B2 (true when > 0).
//
// Reading treats the file as hostile: a read that would pass the end of the
// data, or a string length larger than the bytes left, fails the stream. Once
// failed, every further read fails and leaves its destination unchanged.
#pragma once

#include "zor2dtgn_export.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

inline constexpr short VERSIONE_CORRENTE = 720;   // written by every writer
inline constexpr unsigned char INTESTAZIONE_FP[5] = {0x3A, 0x01, 0x01, 0x00, 0x00};

class ZOR2DTGN_API ofpstream {
public:
    ofpstream() = default;
    // Creates or truncates the file and writes the header; fails when it cannot.
    ofpstream(const std::string& name, short version, const std::string& tag);
    ofpstream(const ofpstream&) = delete;
    ofpstream& operator=(const ofpstream&) = delete;
    ~ofpstream();

    bool open(const std::string& name, short version, const std::string& tag);
    // Flushes and closes; false when anything written was lost.
    bool close();
    bool is_open() const { return file_.is_open(); }
    bool good() const { return !failed_ && file_.is_open(); }
    bool fail() const { return !good(); }

    short GetVersion() const { return version_; }
    void SetVersion(short v) { version_ = v; }
    const std::string& GetTag() const { return tag_; }

    // The tag (string) and the version (int16) of a tagged document.
    void WriteTagAndVersion();

    void WriteUInt8(uint8_t v);
    void WriteInt16(int16_t v);
    void WriteInt32(int32_t v);
    void WriteUInt32(uint32_t v);
    void WriteDouble(double v);
    void WriteFloat(float v);
    void WriteString(const std::string& s);
    void WriteBool(bool v);   // 32-bit 0 or 1

    uint64_t BytesWritten() const { return written_; }

private:
    void Put(const void* bytes, size_t n);

    std::ofstream file_;
    short version_ = VERSIONE_CORRENTE;
    std::string tag_;
    bool failed_ = true;
    uint64_t written_ = 0;
};

class ZOR2DTGN_API ifpstream {
public:
    ifpstream() = default;
    // Opens the file and moves past the header (not examined); fails when the
    // file cannot be opened.
    explicit ifpstream(const std::string& name);
    ifpstream(const ifpstream&) = delete;
    ifpstream& operator=(const ifpstream&) = delete;
    ~ifpstream();

    bool open(const std::string& name);
    // Reads from a copy of the given bytes, laid out as a file (header first).
    bool OpenBytes(std::string bytes);
    void close();
    bool good() const { return !failed_; }
    bool fail() const { return failed_; }

    short GetVersion() const { return version_; }
    void SetVersion(short v) { version_ = v; }
    const std::string& GetTag() const { return tag_; }

    // Reads the tag (string) and the version (int16) of a tagged document.
    bool ReadTagAndVersion();

    bool ReadUInt8(uint8_t& v);
    bool ReadInt16(int16_t& v);
    bool ReadInt32(int32_t& v);
    bool ReadUInt32(uint32_t& v);
    bool ReadDouble(double& v);
    bool ReadFloat(float& v);
    // A length of 0 or less gives the empty text; a length beyond the bytes
    // left fails the stream.
    bool ReadString(std::string& s);
    bool ReadBoolB1(bool& v);   // true when the integer is 1
    bool ReadBoolB2(bool& v);   // true when the integer is greater than 0

    // Bytes between the read position and the end of the data.
    uint64_t Remaining() const { return size_ - pos_; }
    uint64_t Position() const { return pos_; }
    // Marks the stream failed (a reader that found impossible data).
    void SetFailed() { failed_ = true; }

private:
    bool Get(void* bytes, size_t n);
    bool Attach(std::unique_ptr<std::streambuf> buf, uint64_t size);

    std::unique_ptr<std::streambuf> buf_;
    uint64_t size_ = 0;
    uint64_t pos_ = 0;
    short version_ = 0;
    std::string tag_;
    bool failed_ = true;
};
