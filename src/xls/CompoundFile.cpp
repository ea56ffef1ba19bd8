#include "xls/CompoundFile.h"

#include <gsf/gsf.h>

#include <mutex>

namespace quillbat::xls {
namespace {

constexpr int kMaxDepth = 16;

void IgnoreLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// Damaged files make libgsf log its failed checks; the caller gets an error text instead.
void InitGsfOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);
        const char* domains[] = {nullptr, "libgsf", "libgsf:msole", "GLib-GObject"};
        for (const char* domain : domains) g_log_set_handler(domain, levels, IgnoreLog, nullptr);
    });
}

// Takes ownership of a GObject reference and drops it at scope end.
template <typename T>
struct GRef {
    T* p;
    explicit GRef(T* ptr) : p(ptr) {}
    ~GRef() {
        if (p) g_object_unref(p);
    }
    GRef(const GRef&) = delete;
    GRef& operator=(const GRef&) = delete;
};

std::string ReadStreamBytes(GsfInput* input, std::string& out) {
    gsf_off_t size = gsf_input_size(input);
    if (size < 0) return "a stream has no size";
    out.resize(static_cast<size_t>(size));
    if (size > 0 &&
        !gsf_input_read(input, static_cast<size_t>(size), reinterpret_cast<guint8*>(out.data())))
        return "a stream is truncated";
    return "";
}

std::string ReadStorage(GsfInfile* storage, OleNode& node, int depth) {
    if (depth > kMaxDepth) return "storages are nested too deeply";
    int count = gsf_infile_num_children(storage);
    for (int i = 0; i < count; ++i) {
        GRef<GsfInput> child(gsf_infile_child_by_index(storage, i));
        if (!child.p) return "an entry cannot be opened";
        OleNode entry;
        const char* name = gsf_infile_name_by_index(storage, i);
        entry.name = name ? name : "";
        bool isStorage =
            GSF_IS_INFILE(child.p) && gsf_infile_num_children(GSF_INFILE(child.p)) >= 0;
        entry.isStream = !isStorage;
        std::string error = isStorage ? ReadStorage(GSF_INFILE(child.p), entry, depth + 1)
                                      : ReadStreamBytes(child.p, entry.data);
        if (!error.empty()) return error;
        node.children.push_back(std::move(entry));
    }
    return "";
}

bool WriteStorage(GsfOutfile* storage, const OleNode& node) {
    for (const OleNode& entry : node.children) {
        GsfOutput* child = gsf_outfile_new_child(storage, entry.name.c_str(), !entry.isStream);
        if (!child) return false;
        bool ok = entry.isStream
                      ? gsf_output_write(child, entry.data.size(),
                                         reinterpret_cast<const guint8*>(entry.data.data()))
                      : WriteStorage(GSF_OUTFILE(child), entry);
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

OleNode* CompoundFile::FindStream(std::string_view name) {
    for (OleNode& entry : root.children)
        if (entry.isStream && entry.name == name) return &entry;
    return nullptr;
}

const OleNode* CompoundFile::FindStream(std::string_view name) const {
    return const_cast<CompoundFile*>(this)->FindStream(name);
}

void CompoundFile::SetStream(std::string_view name, std::string data) {
    if (OleNode* node = FindStream(name)) {
        node->data = std::move(data);
        return;
    }
    root.children.insert(root.children.begin(),
                         OleNode{std::string(name), true, std::move(data), {}});
}

std::string ReadCompoundFile(std::string_view bytes, CompoundFile& out) {
    InitGsfOnce();
    out = CompoundFile{};
    GRef<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                              static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError* gerror = nullptr;
    GRef<GsfInfile> ole(gsf_infile_msole_new(input.p, &gerror));
    if (!ole.p) {
        if (gerror) g_error_free(gerror);
        return "it is not an OLE2 compound file";
    }
    gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(ole.p), out.classId.data());
    return ReadStorage(ole.p, out.root, 0);
}

std::string WriteCompoundFile(const CompoundFile& file, std::string& bytes) {
    InitGsfOnce();
    GRef<GsfOutput> sink(gsf_output_memory_new());
    GsfOutfile* ole = gsf_outfile_msole_new(sink.p);
    if (!ole) return "the compound file cannot be started";
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole), file.classId.data());
    bool ok = WriteStorage(ole, file.root);
    ok = gsf_output_close(GSF_OUTPUT(ole)) && ok;
    g_object_unref(ole);
    if (!gsf_output_is_closed(sink.p)) gsf_output_close(sink.p);
    if (!ok) return "the compound file cannot be written";
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.p));
    bytes.assign(reinterpret_cast<const char*>(data), static_cast<size_t>(gsf_output_size(sink.p)));
    return "";
}

}  // namespace quillbat::xls
