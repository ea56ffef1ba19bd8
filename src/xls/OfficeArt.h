#pragma once
// Office drawing records (the contents of MSODRAWINGGROUP and MSODRAWING): an 8-byte header
// (version and instance, type, length) and a body; containers (version 0xF) hold records.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillbat::xls::art {

constexpr uint16_t kDggContainer = 0xF000, kBStoreContainer = 0xF001, kDgContainer = 0xF002,
                   kSpgrContainer = 0xF003, kSpContainer = 0xF004, kFdgg = 0xF006,
                   kFbse = 0xF007, kFdg = 0xF008, kFspgr = 0xF009, kFsp = 0xF00A,
                   kFopt = 0xF00B, kClientAnchor = 0xF010, kClientData = 0xF011,
                   kBlipPng = 0xF01E, kSplitMenuColors = 0xF11E;
constexpr size_t kHeaderSize = 8;

struct Header {
    uint16_t version = 0, instance = 0, type = 0;
    uint32_t length = 0;
    bool IsContainer() const { return version == 0xF; }
};

// The header at pos; false when fewer than 8 bytes are left.
bool ReadHeader(std::string_view data, size_t pos, Header& out);
// A whole record: header and body.
std::string MakeRecord(uint16_t version, uint16_t instance, uint16_t type, std::string_view body);

// Calls visit(header, offset of the header) for each record in data[begin, end), depth first.
// Stops at a record whose length runs past its container.
void Walk(std::string_view data, size_t begin, size_t end,
          const std::function<void(const Header&, size_t)>& visit);

}  // namespace quillbat::xls::art
