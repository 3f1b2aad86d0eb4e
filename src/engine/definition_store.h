#pragma once
// The definition store: every variable and function defined during the run, in
// the order of their first definition, shared by every window.
#include "engine/compiled_expression.h"
#include "support/messages.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::engine {

// One stored definition. Other programs refer to the cell itself, so a
// redefinition replaces its contents but never the cell.
class Definition {
public:
    // The line as the caller passed it at the latest definition.
    const std::string& definitionText() const { return definitionText_; }
    // Upper case, without blanks.
    const std::string& name() const { return name_; }
    // Upper case; empty for a variable.
    const std::string& parameterName() const { return parameterName_; }
    bool isFunction() const { return !parameterName_.empty(); }
    // Null once the definition was deleted while other programs still refer to
    // the cell; runs through it then fail until the name is defined again.
    CompiledExpression* program() const { return program_.get(); }

private:
    friend class DefinitionStore;
    std::string definitionText_;
    std::string name_;
    std::string parameterName_;
    std::unique_ptr<CompiledExpression> program_;
};

class DefinitionStore {
public:
    // messages receives the texts the evaluator shows (a refused self-reference).
    explicit DefinitionStore(Messages& messages);
    ~DefinitionStore();
    DefinitionStore(const DefinitionStore&) = delete;
    DefinitionStore& operator=(const DefinitionStore&) = delete;

    Messages& messages() const { return messages_; }

    // The definition texts of all definitions, in store order.
    std::vector<std::string> list() const;

    // Removes every definition.
    void clear();

    // Deletes the definition of name (any case). A cell that other definitions
    // still use stays behind without a program: they fail cleanly when run and
    // work again once the name is defined anew. False when name is not defined.
    bool remove(std::string_view name);

    // The defined cell of exactly this (upper-case) name, or null.
    const Definition* find(std::string_view name) const;

    // Number of definitions.
    std::size_t size() const;

    // Defines or redefines name (upper case) with parameterName and body; line
    // becomes the definition text. On failure nothing changes.
    bool define(std::string_view name, std::string_view parameterName, std::string_view body,
                std::string_view line);

    // Among the defined cells whose name text begins with, the one with the
    // longest name (the first of equally long ones), or null.
    Definition* longestNameAt(std::string_view text) const;
    // The same, counting only names that text continues with "(".
    Definition* longestCallAt(std::string_view text) const;

private:
    bool isReferenced(const Definition* cell) const;
    void dropUnusedDeleted();

    Messages& messages_;
    std::vector<std::unique_ptr<Definition>> cells_;
};

} // namespace quillmar::engine
