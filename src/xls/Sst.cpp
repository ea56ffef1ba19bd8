#include "xls/Sst.h"

#include "xls/ByteIo.h"
#include "xls/Record.h"
#include "platform/Utf8.h"

namespace quillbat::xls {
namespace {

// Reads across the SST record and its CONTINUE records: plain bytes run straight on, while
// characters that resume in a new record begin with a fresh flags byte there.
class SegmentedReader {
public:
    explicit SegmentedReader(const std::vector<std::string_view>& segments) : segs_(segments) {}

    bool AtEnd() {
        SkipExhausted();
        return seg_ >= segs_.size();
    }
    bool Failed() const { return failed_; }

    uint32_t Uint(int bytes) {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
        return v;
    }

    void SkipBytes(size_t n) {
        while (n > 0 && !failed_) {
            SkipExhausted();
            if (seg_ >= segs_.size()) {
                failed_ = true;
                return;
            }
            size_t take = std::min(n, segs_[seg_].size() - pos_);
            pos_ += take;
            n -= take;
        }
    }

    std::string Bytes(size_t n) {
        std::string out;
        for (size_t i = 0; i < n && !failed_; ++i) out.push_back(static_cast<char>(Byte()));
        return out;
    }

    std::u16string Chars(size_t count, bool wide) {
        std::u16string out;
        while (out.size() < count && !failed_) {
            if (pos_ >= Current().size()) {
                ++seg_;
                pos_ = 0;
                if (seg_ >= segs_.size() || segs_[seg_].empty()) {
                    failed_ = true;
                    break;
                }
                wide = static_cast<uint8_t>(segs_[seg_][pos_++]) & 0x01;
            }
            out.push_back(wide ? static_cast<char16_t>(Uint(2)) : static_cast<char16_t>(Byte()));
        }
        return out;
    }

private:
    std::string_view Current() const {
        return seg_ < segs_.size() ? segs_[seg_] : std::string_view();
    }
    void SkipExhausted() {
        while (seg_ < segs_.size() && pos_ >= segs_[seg_].size()) {
            ++seg_;
            pos_ = 0;
        }
    }
    uint8_t Byte() {
        SkipExhausted();
        if (seg_ >= segs_.size()) {
            failed_ = true;
            return 0;
        }
        return static_cast<uint8_t>(segs_[seg_][pos_++]);
    }

    const std::vector<std::string_view>& segs_;
    size_t seg_ = 0;
    size_t pos_ = 0;
    bool failed_ = false;
};

// Builds the SST record and its CONTINUE records, writing each finished one to the stream.
class SstWriter {
public:
    explicit SstWriter(std::string& stream) : stream_(stream) {}

    size_t Space() const { return kMaxRecordData - current_.size(); }
    // Absolute stream position of the next byte, and its offset within its record.
    size_t StreamPos() const { return stream_.size() + 4 + current_.size(); }
    size_t RecordPos() const { return 4 + current_.size(); }
    std::string& Data() { return current_; }

    void NextRecord() {
        AppendRecord(stream_, first_ ? rec::kSst : rec::kContinue, current_);
        first_ = false;
        current_.clear();
    }
    void Finish() { NextRecord(); }

private:
    std::string& stream_;
    std::string current_;
    bool first_ = true;
};

void AppendSstChars(SstWriter& w, std::u16string_view units, bool wide) {
    size_t charSize = wide ? 2 : 1;
    size_t done = 0;
    while (done < units.size()) {
        if (w.Space() < charSize) {
            w.NextRecord();
            PutU8(w.Data(), wide ? 1 : 0);
        }
        size_t take = std::min(units.size() - done, w.Space() / charSize);
        for (size_t i = 0; i < take; ++i) {
            if (wide)
                PutU16(w.Data(), units[done + i]);
            else
                PutU8(w.Data(), static_cast<uint8_t>(units[done + i]));
        }
        done += take;
    }
}

void AppendSstString(SstWriter& w, const XlText& text) {
    std::u16string units = Utf8ToUtf16(text.text);
    if (units.size() > 0xFFFF) units.resize(0xFFFF);
    bool wide = !FitsIn8Bits(units);
    size_t runCount = std::min<size_t>(text.runs.size() / 4, 0xFFFF);
    size_t header = 3 + (runCount ? 2 : 0);
    if (w.Space() < header + (units.empty() ? 0 : (wide ? 2 : 1))) w.NextRecord();
    std::string& d = w.Data();
    PutU16(d, static_cast<uint16_t>(units.size()));
    PutU8(d, static_cast<uint8_t>((wide ? 0x01 : 0) | (runCount ? 0x08 : 0)));
    if (runCount) PutU16(d, static_cast<uint16_t>(runCount));
    AppendSstChars(w, units, wide);
    for (size_t i = 0; i < runCount; ++i) {
        if (w.Space() < 4) w.NextRecord();
        w.Data().append(text.runs, 4 * i, 4);
    }
}

}  // namespace

std::string ReadSst(const std::vector<std::string_view>& segments, std::vector<XlText>& out) {
    out.clear();
    SegmentedReader in(segments);
    in.Uint(4);  // total references: recomputed on save
    uint32_t unique = in.Uint(4);
    for (uint32_t i = 0; i < unique && !in.AtEnd() && !in.Failed(); ++i) {
        uint16_t count = static_cast<uint16_t>(in.Uint(2));
        uint8_t flags = static_cast<uint8_t>(in.Uint(1));
        uint16_t runs = (flags & 0x08) ? static_cast<uint16_t>(in.Uint(2)) : 0;
        uint32_t phonetic = (flags & 0x04) ? in.Uint(4) : 0;
        XlText text;
        text.text = Utf16ToUtf8(in.Chars(count, flags & 0x01));
        text.runs = in.Bytes(4 * static_cast<size_t>(runs));
        in.SkipBytes(phonetic);
        if (in.Failed()) break;
        out.push_back(std::move(text));
    }
    if (in.Failed()) return "the shared string table is truncated";
    return "";
}

uint16_t ExtSstBucketSize(size_t uniqueStrings) {
    size_t size = uniqueStrings / 128 + 1;
    return static_cast<uint16_t>(std::min<size_t>(std::max<size_t>(size, 8), 0xFFFF));
}

void AppendSstAndExtSst(std::string& stream, const std::vector<XlText>& strings,
                        uint32_t totalReferences) {
    uint16_t bucket = ExtSstBucketSize(strings.size());
    std::string extSst;
    PutU16(extSst, bucket);
    SstWriter w(stream);
    PutU32(w.Data(), totalReferences);
    PutU32(w.Data(), static_cast<uint32_t>(strings.size()));
    for (size_t i = 0; i < strings.size(); ++i) {
        if (i % bucket == 0) {
            // The bucket points at the string's header: start the string here, not in the next
            // record (8 bytes hold the largest header and one character).
            if (w.Space() < 8) w.NextRecord();
            PutU32(extSst, static_cast<uint32_t>(w.StreamPos()));
            PutU16(extSst, static_cast<uint16_t>(w.RecordPos()));
            PutU16(extSst, 0);
        }
        AppendSstString(w, strings[i]);
    }
    w.Finish();
    AppendRecord(stream, rec::kExtSst, extSst);
}

}  // namespace quillbat::xls
