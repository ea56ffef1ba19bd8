#pragma once
// Small helpers for writing XML and HTML text the way the sources laid it out.

#include <string>
#include <utility>
#include <vector>

namespace quillbat::sample {

using Attributes = std::vector<std::pair<std::string, std::string>>;

// Escapes &, <, > and " for an attribute value or element text.
std::string XmlEscape(const std::string& text);

// <name a="1" b="2"/> (or without the slash when open is true), on one line.
std::string CompactTag(const std::string& name, const Attributes& attributes, bool open = false);

// The "pretty" layout of the gameday server: the start tag keeps its first attributes on its
// line until about 90 columns, then every further attribute goes on a line of its own, aligned
// under the first attribute. No line end after the tag.
std::string PrettyTag(int indent, const std::string& name, const Attributes& attributes, bool open = false);

// The copyright comment every gameday file starts with.
std::string GamedayNotice();

}  // namespace quillbat::sample
