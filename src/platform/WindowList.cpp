#include "platform/WindowList.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace quillbat {

namespace {

constexpr std::size_t kMaxTextLength = 259;

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool Ok() const { return xcb_connection_has_error(connection_) == 0; }
    xcb_window_t Root() const { return xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root; }

    xcb_atom_t Atom(const char* name) {
        auto cookie = xcb_intern_atom(connection_, 1, static_cast<uint16_t>(std::strlen(name)), name);
        XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection_, cookie, nullptr),
                                                std::free);
        return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    // The property's bytes; empty when the window does not have it.
    std::string Property(xcb_window_t window, xcb_atom_t property) {
        if (property == XCB_ATOM_NONE) return "";
        auto cookie = xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
        XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection_, cookie, nullptr),
                                                 std::free);
        if (!reply) return "";
        auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
        return std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }

    std::vector<xcb_window_t> Children(xcb_window_t window) {
        XcbReply<xcb_query_tree_reply_t> reply(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr), std::free);
        if (!reply) return {};
        xcb_window_t* first = xcb_query_tree_children(reply.get());
        return {first, first + xcb_query_tree_children_length(reply.get())};
    }

    bool Viewable(xcb_window_t window) {
        auto cookie = xcb_get_window_attributes(connection_, window);
        XcbReply<xcb_get_window_attributes_reply_t> reply(
            xcb_get_window_attributes_reply(connection_, cookie, nullptr), std::free);
        return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    }

private:
    xcb_connection_t* connection_;
};

uint32_t FirstCardinal(const std::string& bytes) {
    uint32_t value = 0;
    if (bytes.size() >= sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

std::vector<xcb_window_t> Windows(const std::string& bytes) {
    std::vector<xcb_window_t> windows(bytes.size() / sizeof(xcb_window_t));
    if (!windows.empty()) std::memcpy(windows.data(), bytes.data(), windows.size() * sizeof(xcb_window_t));
    return windows;
}

// At most kMaxTextLength bytes, without cutting a UTF-8 character in two.
std::string Cut(std::string text) {
    if (text.size() <= kMaxTextLength) return text;
    std::size_t end = kMaxTextLength;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

class WindowReader {
public:
    explicit WindowReader(Display& display) : display_(display) {}

    // The root's children, the window manager's client list, and the client windows (those
    // with WM_STATE) up to two levels inside the root's children, each once.
    std::vector<xcb_window_t> TopLevelWindows() {
        std::vector<xcb_window_t> found = display_.Children(display_.Root());
        for (xcb_window_t client : Windows(display_.Property(display_.Root(), clientList_)))
            Add(found, client);
        for (xcb_window_t frame : display_.Children(display_.Root())) AddClientsInside(found, frame, 2);
        return found;
    }

    void AddRow(TextTable& rows, xcb_window_t window) {
        int row = rows.AddRow();
        rows.Set(WindowField::kHandle, row, std::to_string(window));
        rows.Set(WindowField::kClassName, row, Cut(ClassName(window)));
        rows.Set(WindowField::kProcessId, row,
                 std::to_string(FirstCardinal(display_.Property(window, pid_))));
        rows.Set(WindowField::kThreadId, row, "0");
        rows.Set(WindowField::kTitle, row, Cut(Title(window)));
        rows.Set(WindowField::kState, row, State(window));
    }

private:
    static void Add(std::vector<xcb_window_t>& found, xcb_window_t window) {
        if (std::find(found.begin(), found.end(), window) == found.end()) found.push_back(window);
    }

    void AddClientsInside(std::vector<xcb_window_t>& found, xcb_window_t frame, int depth) {
        if (depth == 0 || HasWmState(frame)) return;
        for (xcb_window_t child : display_.Children(frame)) {
            if (HasWmState(child))
                Add(found, child);
            else
                AddClientsInside(found, child, depth - 1);
        }
    }

    bool HasWmState(xcb_window_t window) { return !display_.Property(window, wmState_).empty(); }

    std::string ClassName(xcb_window_t window) {
        std::string value = display_.Property(window, XCB_ATOM_WM_CLASS);  // instance NUL class NUL
        std::size_t split = value.find('\0');
        if (split == std::string::npos) return "";
        std::string cls = value.substr(split + 1);
        return cls.substr(0, cls.find('\0'));
    }

    std::string Title(xcb_window_t window) {
        std::string title = display_.Property(window, netWmName_);
        return title.empty() ? display_.Property(window, XCB_ATOM_WM_NAME) : title;
    }

    // Normal (1) and iconic (3) clients count as shown, as a minimised window does elsewhere.
    bool Visible(xcb_window_t window) {
        uint32_t state = FirstCardinal(display_.Property(window, wmState_));
        return state == 1 || state == 3 || display_.Viewable(window);
    }

    std::string State(xcb_window_t window) {
        uint32_t owner = FirstCardinal(display_.Property(window, XCB_ATOM_WM_TRANSIENT_FOR));
        if (owner != 0) return std::to_string(owner);
        return Visible(window) ? kVisibleTopLevel : "-1";
    }

    Display& display_;
    xcb_atom_t pid_ = display_.Atom("_NET_WM_PID");
    xcb_atom_t wmState_ = display_.Atom("WM_STATE");
    xcb_atom_t netWmName_ = display_.Atom("_NET_WM_NAME");
    xcb_atom_t clientList_ = display_.Atom("_NET_CLIENT_LIST");
};

}  // namespace

bool GetWindowList(TextTable& rows) {
    rows.Resize(WindowField::kCount, 0);
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* x11 = std::getenv("DISPLAY");
    if ((wayland && *wayland) || !x11 || !*x11) return false;
    Display display;
    if (!display.Ok()) return false;
    WindowReader reader(display);
    for (xcb_window_t window : reader.TopLevelWindows()) reader.AddRow(rows, window);
    return true;
}

}  // namespace quillbat
