#include "engine/fktliste.h"

#include "support/text.h"

#include <algorithm>

namespace quillmar {

fktliste::fktliste(Messages& messages) : messages_(messages) {}

fktliste::~fktliste() = default;

std::vector<std::string> fktliste::list() const
{
    std::vector<std::string> texts;
    for (const auto& cell : cells_) {
        if (cell->program_)
            texts.push_back(cell->definitionText_);
    }
    return texts;
}

void fktliste::clear()
{
    cells_.clear();
}

std::size_t fktliste::size() const
{
    return static_cast<std::size_t>(
        std::count_if(cells_.begin(), cells_.end(), [](const auto& cell) { return cell->program_ != nullptr; }));
}

const Tfktzelle* fktliste::find(std::string_view name) const
{
    for (const auto& cell : cells_) {
        if (cell->program_ && cell->name_ == name)
            return cell.get();
    }
    return nullptr;
}

bool fktliste::define(std::string_view name, std::string_view parameterName, std::string_view body,
                      std::string_view line)
{
    // Deleted cells count here too: defining the name again revives the cell
    // that older definitions still refer to.
    auto existing = std::find_if(cells_.begin(), cells_.end(),
                                 [&](const auto& cell) { return cell->name_ == name; });
    auto program = std::make_unique<tfunktion>(*this);
    if (!program->compile(body, parameterName, name))
        return false;
    if (existing == cells_.end()) {
        cells_.push_back(std::make_unique<Tfktzelle>());
        existing = cells_.end() - 1;
    }
    Tfktzelle& cell = **existing;
    cell.definitionText_ = line;
    cell.name_ = name;
    cell.parameterName_ = parameterName;
    cell.program_ = std::move(program);
    return true;
}

Tfktzelle* fktliste::longestNameAt(std::string_view text) const
{
    Tfktzelle* best = nullptr;
    for (const auto& cell : cells_) {
        if (cell->program_ && text.starts_with(cell->name_)
            && (best == nullptr || cell->name_.size() > best->name_.size()))
            best = cell.get();
    }
    return best;
}

Tfktzelle* fktliste::longestCallAt(std::string_view text) const
{
    Tfktzelle* best = nullptr;
    for (const auto& cell : cells_) {
        const std::string& name = cell->name_;
        if (cell->program_ && text.size() > name.size() && text[name.size()] == '(' && text.starts_with(name)
            && (best == nullptr || name.size() > best->name_.size()))
            best = cell.get();
    }
    return best;
}

bool fktliste::isReferenced(const Tfktzelle* cell) const
{
    return std::any_of(cells_.begin(), cells_.end(), [&](const auto& other) {
        return other.get() != cell && other->program_ && other->program_->references(cell);
    });
}

void fktliste::dropUnusedDeleted()
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

bool fktliste::remove(std::string_view name)
{
    const std::string upper = text::upperAscii(name);
    auto it = std::find_if(cells_.begin(), cells_.end(),
                           [&](const auto& cell) { return cell->program_ && cell->name_ == upper; });
    if (it == cells_.end())
        return false;
    Tfktzelle& cell = **it;
    cell.program_.reset();
    cell.definitionText_.clear();
    cell.parameterName_.clear();
    dropUnusedDeleted();
    return true;
}

} // namespace quillmar
