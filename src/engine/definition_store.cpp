#include "engine/definition_store.h"

#include "support/text.h"

#include <algorithm>

namespace quillmar::engine {

DefinitionStore::DefinitionStore(Messages& messages) : messages_(messages) {}

DefinitionStore::~DefinitionStore() = default;

std::vector<std::string> DefinitionStore::list() const
{
    std::vector<std::string> texts;
    for (const auto& cell : cells_) {
        if (cell->program_)
            texts.push_back(cell->definitionText_);
    }
    return texts;
}

void DefinitionStore::clear()
{
    cells_.clear();
}

std::size_t DefinitionStore::size() const
{
    return static_cast<std::size_t>(
        std::count_if(cells_.begin(), cells_.end(), [](const auto& cell) { return cell->program_ != nullptr; }));
}

const Definition* DefinitionStore::find(std::string_view name) const
{
    for (const auto& cell : cells_) {
        if (cell->program_ && cell->name_ == name)
            return cell.get();
    }
    return nullptr;
}

bool DefinitionStore::define(std::string_view name, std::string_view parameterName, std::string_view body,
                      std::string_view line)
{
    // Deleted cells count here too: defining the name again revives the cell
    // that older definitions still refer to.
    auto existing = std::find_if(cells_.begin(), cells_.end(),
                                 [&](const auto& cell) { return cell->name_ == name; });
    auto program = std::make_unique<CompiledExpression>(*this);
    if (!program->compile(body, parameterName, name))
        return false;
    if (existing == cells_.end()) {
        cells_.push_back(std::make_unique<Definition>());
        existing = cells_.end() - 1;
    }
    Definition& cell = **existing;
    cell.definitionText_ = line;
    cell.name_ = name;
    cell.parameterName_ = parameterName;
    cell.program_ = std::move(program);
    return true;
}

Definition* DefinitionStore::longestNameAt(std::string_view text) const
{
    Definition* best = nullptr;
    for (const auto& cell : cells_) {
        if (cell->program_ && text.starts_with(cell->name_)
            && (best == nullptr || cell->name_.size() > best->name_.size()))
            best = cell.get();
    }
    return best;
}

Definition* DefinitionStore::longestCallAt(std::string_view text) const
{
    Definition* best = nullptr;
    for (const auto& cell : cells_) {
        const std::string& name = cell->name_;
        if (cell->program_ && text.size() > name.size() && text[name.size()] == '(' && text.starts_with(name)
            && (best == nullptr || name.size() > best->name_.size()))
            best = cell.get();
    }
    return best;
}

bool DefinitionStore::isReferenced(const Definition* cell) const
{
    return std::any_of(cells_.begin(), cells_.end(), [&](const auto& other) {
        return other.get() != cell && other->program_ && other->program_->references(cell);
    });
}

void DefinitionStore::dropUnusedDeleted()
{
    // A deleted definition no longer refers to anything, so deleted cells that
    // only it used are dropped with it.
    bool dropped = true;
    while (dropped) {
        dropped = false;
        for (auto it = cells_.begin(); it != cells_.end(); ++it) {
            if (!(*it)->program_ && !isReferenced(it->get())) {
                cells_.erase(it);
                dropped = true;
                break;
            }
        }
    }
}

bool DefinitionStore::remove(std::string_view name)
{
    const std::string upper = text::upperAscii(name);
    auto it = std::find_if(cells_.begin(), cells_.end(),
                           [&](const auto& cell) { return cell->program_ && cell->name_ == upper; });
    if (it == cells_.end())
        return false;
    Definition& cell = **it;
    cell.program_.reset();
    cell.definitionText_.clear();
    cell.parameterName_.clear();
    dropUnusedDeleted();
    return true;
}

} // namespace quillmar::engine
