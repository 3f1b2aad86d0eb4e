#include "formula/contents_tree.h"

#include "collection/field.h"
#include "support/text.h"

#include <algorithm>

namespace quillmar::formula {

namespace {

std::string_view textAt(const collection::Record& record, std::optional<std::size_t> field, std::string& scratch)
{
    if (!field)
        return {};
    const collection::Value& v = record[*field];
    if (const auto* text = std::get_if<collection::Text>(&v))
        return text->view();
    scratch = collection::valueText(v);
    return scratch;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

void ContentsTree::clear()
{
    nodes_.clear();
    areas_.clear();
}

void ContentsTree::fill(const collection::Table& formulas)
{
    clear();
    const auto areaField = formulas.fieldIndex("GEBIET");
    const auto topicField = formulas.fieldIndex("THEMA");
    const auto nameField = formulas.fieldIndex("INHALT");
    nodes_.reserve(formulas.recordCount() / 2 + 16);

    std::string lastArea, lastTopic, lastName;
    bool haveArea = false, haveTopic = false, haveName = false;
    int areaNode = -1, topicNode = -1;
    std::string s1, s2, s3;
    const auto add = [this](std::string_view text, int level, int parent) {
        ContentsNode n;
        n.text = std::string(text);
        n.level = level;
        n.parent = parent;
        const int index = static_cast<int>(nodes_.size());
        if (parent < 0) {
            n.row = static_cast<int>(areas_.size());
            areas_.push_back(index);
        } else {
            auto& siblings = nodes_[static_cast<std::size_t>(parent)].children;
            n.row = static_cast<int>(siblings.size());
            siblings.push_back(index);
        }
        nodes_.push_back(std::move(n));
        return index;
    };
    for (const collection::Record& record : formulas.records()) {
        const std::string_view area = textAt(record, areaField, s1);
        const std::string_view topic = textAt(record, topicField, s2);
        const std::string_view name = textAt(record, nameField, s3);
        if (!haveArea || area != lastArea) {
            areaNode = add(area, 0, -1);
            lastArea = area;
            haveArea = true;
            haveTopic = false;
        }
        if (!haveTopic || topic != lastTopic) {
            topicNode = add(topic, 1, areaNode);
            lastTopic = topic;
            haveTopic = true;
            haveName = false;
        }
        if (!haveName || name != lastName) {
            add(name, 2, topicNode);
            lastName = name;
            haveName = true;
        }
    }
}

NavigationPosition ContentsTree::positionOf(int index) const
{
    NavigationPosition p;
    if (index < 0 || index >= size())
        return p;
    const ContentsNode& n = node(index);
    switch (n.level) {
    case 0: p.area = n.text; break;
    case 1:
        p.area = node(n.parent).text;
        p.topic = n.text;
        break;
    default:
        p.topic = node(n.parent).text;
        p.area = node(node(n.parent).parent).text;
        p.name = n.text;
        break;
    }
    return p;
}

int ContentsTree::find(const NavigationPosition& position) const
{
    const bool area = !position.area.empty();
    const bool topic = !position.topic.empty();
    const bool name = !position.name.empty();
    int level = -1;
    if (area && topic && name)
        level = 2;
    else if (area && topic && !name)
        level = 1;
    else if (area && !topic && !name)
        level = 0;
    else
        return -1;
    for (int i = 0; i < size(); ++i) {
        const ContentsNode& n = node(i);
        if (n.level != level)
            continue;
        if (level == 0 && n.text == position.area)
            return i;
        if (level == 1 && n.text == position.topic && node(n.parent).text == position.area)
            return i;
        if (level == 2 && n.text == position.name) {
            const ContentsNode& topicNode = node(n.parent);
            if (topicNode.text == position.topic && node(topicNode.parent).text == position.area)
                return i;
        }
    }
    return -1;
}

bool containsIgnoringCase(std::string_view haystack, std::string_view needle)
{
    if (needle.empty())
        return false;
    const auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                                [](char a, char b) { return upper(a) == upper(b); });
    return it != haystack.end();
}

int ContentsTree::search(std::string_view text, int from) const
{
    for (int i = std::max(from, 0); i < size(); ++i)
        if (containsIgnoringCase(node(i).text, text))
            return i;
    return -1;
}

} // namespace quillmar::formula
