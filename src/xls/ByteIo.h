#pragma once
// Little-endian reading and writing over byte strings. The reader never reads past its end:
// a short read sets a failure flag and yields zeros, so a parser of hostile data can check once.

#include <cstdint>
#include <string>
#include <string_view>

namespace quillbat::xls {

class ByteReader {
public:
    explicit ByteReader(std::string_view data, size_t pos = 0) : data_(data), pos_(pos) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    double F64();
    std::string_view Bytes(size_t n);
    void Skip(size_t n);

    size_t Pos() const { return pos_; }
    size_t Left() const { return failed_ || pos_ > data_.size() ? 0 : data_.size() - pos_; }
    bool Failed() const { return failed_; }
    std::string_view Data() const { return data_; }

private:
    bool Take(size_t n);
    std::string_view data_;
    size_t pos_;
    bool failed_ = false;
};

void PutU8(std::string& out, uint8_t v);
void PutU16(std::string& out, uint16_t v);
void PutU32(std::string& out, uint32_t v);
void PutF64(std::string& out, double v);

// Read or overwrite a value at a fixed offset; reads past the end give 0, writes grow the text.
uint16_t GetU16At(std::string_view data, size_t pos);
uint32_t GetU32At(std::string_view data, size_t pos);
double GetF64At(std::string_view data, size_t pos);
void SetU16At(std::string& data, size_t pos, uint16_t v);
void SetU32At(std::string& data, size_t pos, uint32_t v);
void SetF64At(std::string& data, size_t pos, double v);

}  // namespace quillbat::xls
