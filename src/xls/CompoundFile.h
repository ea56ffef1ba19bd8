#pragma once
// The OLE2 compound file that holds a workbook: a tree of storages and streams, read from and
// written to bytes through libgsf (which also handles the mini stream of small streams).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillbat::xls {

struct OleNode {
    std::string name;
    bool isStream = true;
    std::string data;               // a stream's bytes
    std::vector<OleNode> children;  // a storage's entries, in file order
};

struct CompoundFile {
    OleNode root{"", false, {}, {}};
    std::array<uint8_t, 16> classId{};

    // The top-level stream of that name, or nullptr.
    OleNode* FindStream(std::string_view name);
    const OleNode* FindStream(std::string_view name) const;
    // Replaces the top-level stream of that name, adding it at the front when missing.
    void SetStream(std::string_view name, std::string data);
};

// Returns "" on success, else why the bytes are not a compound file.
std::string ReadCompoundFile(std::string_view bytes, CompoundFile& out);
// Returns "" on success, else why it could not be written.
std::string WriteCompoundFile(const CompoundFile& file, std::string& bytes);

}  // namespace quillbat::xls
