#include "XmlText.h"

namespace quillbat::sample {

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

namespace {
std::string Attribute(const std::pair<std::string, std::string>& a) {
    return a.first + "=\"" + XmlEscape(a.second) + "\"";
}
}  // namespace

std::string CompactTag(const std::string& name, const Attributes& attributes, bool open) {
    std::string tag = "<" + name;
    for (const auto& a : attributes) tag += " " + Attribute(a);
    return tag + (open ? ">" : "/>");
}

std::string PrettyTag(int indent, const std::string& name, const Attributes& attributes, bool open) {
    std::string tag(indent, ' ');
    tag += "<" + name;
    const std::size_t alignTo = tag.size() + 1;
    bool wrapped = false;
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        std::string text = Attribute(attributes[i]);
        std::size_t lineLength = tag.size() - (tag.rfind('\n') == std::string::npos ? 0 : tag.rfind('\n') + 1);
        if (i > 0 && (wrapped || lineLength + text.size() > 90)) {
            tag += "\n" + std::string(alignTo, ' ') + text;
            wrapped = true;
        } else {
            tag += " " + text;
        }
    }
    return tag + (open ? ">" : "/>");
}

std::string GamedayNotice() {
    return "<!--Copyright 2014 Quillbat sample data: an invented season, not real games or players.-->";
}

}  // namespace quillbat::sample
