#include "xls/ByteIo.h"

#include <cstring>

namespace quillbat::xls {

bool ByteReader::Take(size_t n) {
    if (failed_ || n > Left()) {
        failed_ = true;
        return false;
    }
    return true;
}

uint8_t ByteReader::U8() {
    if (!Take(1)) return 0;
    return static_cast<uint8_t>(data_[pos_++]);
}

uint16_t ByteReader::U16() {
    if (!Take(2)) return 0;
    uint16_t v = GetU16At(data_, pos_);
    pos_ += 2;
    return v;
}

uint32_t ByteReader::U32() {
    if (!Take(4)) return 0;
    uint32_t v = GetU32At(data_, pos_);
    pos_ += 4;
    return v;
}

double ByteReader::F64() {
    if (!Take(8)) return 0;
    double v = GetF64At(data_, pos_);
    pos_ += 8;
    return v;
}

std::string_view ByteReader::Bytes(size_t n) {
    if (!Take(n)) return {};
    std::string_view v = data_.substr(pos_, n);
    pos_ += n;
    return v;
}

void ByteReader::Skip(size_t n) {
    if (Take(n)) pos_ += n;
}

void PutU8(std::string& out, uint8_t v) {
    out.push_back(static_cast<char>(v));
}

void PutU16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void PutU32(std::string& out, uint32_t v) {
    PutU16(out, static_cast<uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<uint16_t>(v >> 16));
}

void PutF64(std::string& out, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    PutU32(out, static_cast<uint32_t>(bits));
    PutU32(out, static_cast<uint32_t>(bits >> 32));
}

uint16_t GetU16At(std::string_view data, size_t pos) {
    if (pos + 2 > data.size()) return 0;
    return static_cast<uint16_t>(static_cast<uint8_t>(data[pos]) |
                                 (static_cast<uint8_t>(data[pos + 1]) << 8));
}

uint32_t GetU32At(std::string_view data, size_t pos) {
    if (pos + 4 > data.size()) return 0;
    return GetU16At(data, pos) | (static_cast<uint32_t>(GetU16At(data, pos + 2)) << 16);
}

double GetF64At(std::string_view data, size_t pos) {
    if (pos + 8 > data.size()) return 0;
    uint64_t bits = GetU32At(data, pos) | (static_cast<uint64_t>(GetU32At(data, pos + 4)) << 32);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

void SetU16At(std::string& data, size_t pos, uint16_t v) {
    if (data.size() < pos + 2) data.resize(pos + 2, '\0');
    data[pos] = static_cast<char>(v & 0xFF);
    data[pos + 1] = static_cast<char>(v >> 8);
}

void SetU32At(std::string& data, size_t pos, uint32_t v) {
    SetU16At(data, pos, static_cast<uint16_t>(v & 0xFFFF));
    SetU16At(data, pos + 2, static_cast<uint16_t>(v >> 16));
}

void SetF64At(std::string& data, size_t pos, double v) {
    std::string bytes;
    PutF64(bytes, v);
    if (data.size() < pos + 8) data.resize(pos + 8, '\0');
    data.replace(pos, 8, bytes);
}

}  // namespace quillbat::xls
