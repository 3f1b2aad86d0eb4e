#pragma once
// The contents of the formula collection as a tree of three levels, built from
// the formula table in its order: the areas (GEBIET), the topics (THEMA) of an
// area, the formula names (INHALT) of a topic. The re-arrangements of a formula
// share its node. Nodes are numbered in the tree's flat order (an area, then its
// topics each followed by its formulas), the order in which "Nächste Formel",
// "Vorhergehende Formel" and the search walk the tree.
#include "collection/table.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::formula {

// Where the contents stand: an area, a topic of it and a formula name of that
// topic; the lower levels are empty above them.
struct NavigationPosition {
    std::string area;
    std::string topic;
    std::string name;

    bool operator==(const NavigationPosition&) const = default;
};

struct ContentsNode {
    std::string text;
    int level = 0;   // 0 area, 1 topic, 2 formula
    int parent = -1; // flat index of the parent; -1 for an area
    int row = 0;     // place among the parent's children (among the areas for an area)
    std::vector<int> children;
};

class ContentsTree {
public:
    // Builds the tree from the records of the table, in table order. A new node
    // begins wherever the text of its level differs from the record before, so
    // two neighbouring topics whose formulas at the boundary share a name both get
    // their formula node.
    void fill(const collection::Table& formulas);
    void clear();

    int size() const { return static_cast<int>(nodes_.size()); }
    bool empty() const { return nodes_.empty(); }
    const ContentsNode& node(int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    const std::vector<int>& areas() const { return areas_; }

    // The navigation position that the node stands for.
    NavigationPosition positionOf(int index) const;

    // The node of a position, searched in flat order: with a formula name, the
    // formula node of that name in that topic of that area; with a topic only, the
    // topic node; with an area only, the area node. -1 when none fits or the
    // position has a formula name without a topic or a topic without an area.
    int find(const NavigationPosition& position) const;

    // The first node from index on whose text contains the search text, letters
    // a-z compared as capitals; -1 when there is none. An empty text matches
    // nothing.
    int search(std::string_view text, int from) const;

private:
    std::vector<ContentsNode> nodes_;
    std::vector<int> areas_;
};

// Whether haystack contains needle when the letters a-z of both are taken as
// capitals (umlauts and other characters compare as they are).
bool containsIgnoringCase(std::string_view haystack, std::string_view needle);

} // namespace quillmar::formula
