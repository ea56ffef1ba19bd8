#include "gameday/FlatTable.h"

#include <pugixml.hpp>

#include <unordered_map>

#include "gameday/UniqueNames.h"
#include "platform/Utf8.h"

namespace quillbat {

namespace {

constexpr int kMaxDepth = 256;

// One element path (root/child/...) of the document.
struct SchemaNode {
    std::string name;
    std::vector<std::string> attributes;  // in order of first appearance
    std::unordered_map<std::string, int> attributeIndex;
    std::vector<int> children;  // node indices, in order of first appearance
    std::unordered_map<std::string, int> childIndex;  // the same, by element name
    bool hasText = false;
    bool repeats = false;
    long lastParentOccurrence = -1;  // for telling repeats
    std::vector<int> attributeColumns;
    int textColumn = -1;
};

bool CarriesText(const pugi::xml_node& element) {
    for (pugi::xml_node child : element.children()) {
        if ((child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) && *child.value())
            return true;
    }
    return false;
}

std::string TextOf(const pugi::xml_node& element) {
    std::string text;
    for (pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
    }
    return text;
}

class Schema {
public:
    std::vector<SchemaNode> nodes;

    // Records the element and everything below it; false when nested too deeply.
    bool Record(const pugi::xml_node& element, int index, int depth) {
        if (depth > kMaxDepth) return false;
        RecordAttributes(element, index);
        if (!nodes[index].hasText && CarriesText(element)) nodes[index].hasText = true;
        long occurrence = ++occurrences_;
        for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            int childIndex = ChildOf(index, child.name());
            SchemaNode& node = nodes[childIndex];
            if (node.lastParentOccurrence == occurrence) node.repeats = true;
            node.lastParentOccurrence = occurrence;
            if (!Record(child, childIndex, depth + 1)) return false;
        }
        return true;
    }

    // The child path of this name; -1 when there is none.
    int FindChild(int parent, const char* name) const {
        auto found = nodes[parent].childIndex.find(name);
        return found == nodes[parent].childIndex.end() ? -1 : found->second;
    }

    // The child path of this name, added when missing.
    int ChildOf(int parent, const char* name) {
        if (int found = FindChild(parent, name); found >= 0) return found;
        int index = static_cast<int>(nodes.size());
        nodes[parent].children.push_back(index);
        nodes[parent].childIndex.emplace(name, index);
        nodes.push_back(SchemaNode{});
        nodes.back().name = name;
        return index;
    }

    // Index of the attribute in the path's list; the i-th attribute is tried first since
    // elements of one path usually list their attributes in the same order.
    static int AttributeOf(const SchemaNode& node, int position, const char* name) {
        if (position < static_cast<int>(node.attributes.size()) && node.attributes[position] == name)
            return position;
        auto it = node.attributeIndex.find(name);
        return it == node.attributeIndex.end() ? -1 : it->second;
    }

private:
    void RecordAttributes(const pugi::xml_node& element, int index) {
        SchemaNode& node = nodes[index];
        int position = 0;
        for (pugi::xml_attribute attribute : element.attributes()) {
            if (AttributeOf(node, position++, attribute.name()) < 0) {
                node.attributeIndex.emplace(attribute.name(), static_cast<int>(node.attributes.size()));
                node.attributes.emplace_back(attribute.name());
            }
        }
    }

    long occurrences_ = 0;
};

int AddColumn(const std::string& name, UniqueNames& namer, std::vector<std::string>& columns) {
    columns.push_back(namer.Take(name));
    return static_cast<int>(columns.size()) - 1;
}

void AssignColumns(Schema& schema, int index, UniqueNames& namer, std::vector<std::string>& columns) {
    SchemaNode& node = schema.nodes[index];
    for (const std::string& attribute : node.attributes)
        node.attributeColumns.push_back(AddColumn(attribute, namer, columns));
    if (node.hasText) node.textColumn = AddColumn(node.name, namer, columns);
    for (std::size_t i = 0; i < schema.nodes[index].children.size(); ++i) {
        AssignColumns(schema, schema.nodes[index].children[i], namer, columns);
    }
}

// Calls visit(child, index) for each repeating element met below the element through
// non-repeating ones, in document order: the elements that give rows of their own.
template <typename Visit>
void ForEachRepeating(const Schema& schema, const pugi::xml_node& element, int index, Visit&& visit) {
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        int childIndex = schema.FindChild(index, child.name());
        if (schema.nodes[childIndex].repeats) {
            visit(child, childIndex);
        } else {
            ForEachRepeating(schema, child, childIndex, visit);
        }
    }
}

// The number of rows the element gives, found without building them (at most one per element).
std::size_t CountRows(const Schema& schema, const pugi::xml_node& element, int index) {
    std::size_t rows = 0;
    bool any = false;
    ForEachRepeating(schema, element, index, [&](const pugi::xml_node& child, int childIndex) {
        any = true;
        rows += CountRows(schema, child, childIndex);
    });
    return any ? rows : 1;
}

// Fills rows from the document, keeping the values inherited from above in `current`.
class RowBuilder {
public:
    RowBuilder(Schema& schema, std::size_t width, std::vector<std::vector<std::string>>& rows)
        : schema_(schema), current_(width), rows_(rows) {}

    void Emit(const pugi::xml_node& element, int index) {
        std::vector<std::pair<int, std::string>> saved;
        std::vector<std::pair<pugi::xml_node, int>> frontier;
        Collect(element, index, saved, frontier);
        if (frontier.empty()) rows_.push_back(current_);
        for (const auto& [repeating, repeatingIndex] : frontier) Emit(repeating, repeatingIndex);
        for (auto it = saved.rbegin(); it != saved.rend(); ++it) current_[it->first] = std::move(it->second);
    }

private:
    // Sets the values of the element and of its non-repeating descendants that are not below
    // a repeating one; gathers the repeating descendants met on the way, in document order.
    void Collect(const pugi::xml_node& element, int index, std::vector<std::pair<int, std::string>>& saved,
                 std::vector<std::pair<pugi::xml_node, int>>& frontier) {
        const SchemaNode& node = schema_.nodes[index];
        int position = 0;
        for (pugi::xml_attribute attribute : element.attributes()) {
            int at = Schema::AttributeOf(node, position++, attribute.name());
            Set(node.attributeColumns[at], attribute.value(), saved);
        }
        if (node.textColumn >= 0) Set(node.textColumn, TextOf(element), saved);
        for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            int childIndex = schema_.FindChild(index, child.name());
            if (schema_.nodes[childIndex].repeats) {
                frontier.emplace_back(child, childIndex);
            } else {
                Collect(child, childIndex, saved, frontier);
            }
        }
    }

    void Set(int column, std::string value, std::vector<std::pair<int, std::string>>& saved) {
        saved.emplace_back(column, std::move(current_[column]));
        current_[column] = std::move(value);
    }

    Schema& schema_;
    std::vector<std::string> current_;
    std::vector<std::vector<std::string>>& rows_;
};

pugi::xml_encoding EncodingOf(std::string_view xml) {
    bool utf16Bom =
        xml.size() >= 2 && ((xml[0] == '\xFF' && xml[1] == '\xFE') || (xml[0] == '\xFE' && xml[1] == '\xFF'));
    return utf16Bom || IsValidUtf8(xml) ? pugi::encoding_auto : pugi::encoding_latin1;
}

}  // namespace

int FlatTable::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == name) return static_cast<int>(i);
    }
    return -1;
}

const std::string& FlatTable::Cell(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= static_cast<int>(rows.size())) return empty;
    const auto& cells = rows[static_cast<std::size_t>(row)];
    return column >= 0 && column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)]
                                                                  : empty;
}

std::string ParseFlatTable(std::string_view xml, FlatTable& table) {
    table = FlatTable{};
    pugi::xml_document document;
    pugi::xml_parse_result parsed =
        document.load_buffer(xml.data(), xml.size(), pugi::parse_default, EncodingOf(xml));
    if (!parsed) {
        return std::string("not well-formed XML (") + parsed.description() + " at byte " +
               std::to_string(parsed.offset) + ")";
    }
    pugi::xml_node root = document.document_element();
    for (pugi::xml_node after = root.next_sibling(); after; after = after.next_sibling()) {
        if (after.type() == pugi::node_element) return "not well-formed XML (more than one root element)";
    }
    Schema schema;
    schema.nodes.push_back(SchemaNode{});
    schema.nodes[0].name = root.name();
    if (!schema.Record(root, 0, 0))
        return "XML nested more than " + std::to_string(kMaxDepth) + " levels deep";

    UniqueNames namer;
    AssignColumns(schema, 0, namer, table.columns);
    std::size_t rows = CountRows(schema, root, 0);
    if (table.columns.size() > 0 && rows > kMaxFlatTableCells / table.columns.size()) {
        std::string size =
            std::to_string(rows) + " rows of " + std::to_string(table.columns.size()) + " columns";
        table = FlatTable{};
        return "the flat table would have " + size + ", more than " + std::to_string(kMaxFlatTableCells) +
               " cells";
    }
    table.rows.reserve(rows);
    RowBuilder(schema, table.columns.size(), table.rows).Emit(root, 0);
    return "";
}

}  // namespace quillbat
