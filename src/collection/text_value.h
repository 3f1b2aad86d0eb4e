#pragma once
// The text of a table cell: an immutable UTF-8 string. Texts read from a file
// share large blocks (one allocation for thousands of cells), which makes opening
// a table cheap; a text set later gets a block of its own. Blocks are reference
// counted without atomics: a table and its copies belong to one thread.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillmar::collection {

class TextPool;

class Text {
public:
    Text() = default;
    Text(std::string_view s);
    Text(const std::string& s) : Text(std::string_view(s)) {}
    Text(const char* s) : Text(std::string_view(s)) {}
    Text(const Text& other) noexcept;
    Text(Text&& other) noexcept : data_(other.data_), size_(other.size_), block_(other.block_)
    {
        other.data_ = "";
        other.size_ = 0;
        other.block_ = nullptr;
    }
    Text& operator=(const Text& other) noexcept;
    Text& operator=(Text&& other) noexcept;
    ~Text()
    {
        if (block_)
            release();
    }

    std::string_view view() const { return {data_, size_}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }

    friend bool operator==(const Text& a, const Text& b) { return a.view() == b.view(); }
    friend bool operator==(const Text& a, std::string_view b) { return a.view() == b; }

private:
    friend class TextPool;
    struct Block;
    void release() noexcept; // drops the reference to the block

    const char* data_ = "";
    std::uint32_t size_ = 0;
    Block* block_ = nullptr;
};

// Copies many texts into shared blocks.
class TextPool {
public:
    TextPool() = default;
    TextPool(const TextPool&) = delete;
    TextPool& operator=(const TextPool&) = delete;
    ~TextPool();
    Text add(std::string_view s);

private:
    Text::Block* current_ = nullptr;
};

} // namespace quillmar::collection
