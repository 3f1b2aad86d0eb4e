#include "collection/text_value.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace quillmar::collection {

struct Text::Block {
    std::size_t refs;
    std::size_t used;
    std::size_t capacity;
    char* bytes() { return reinterpret_cast<char*>(this + 1); }

    static Block* make(std::size_t capacity)
    {
        void* raw = std::malloc(sizeof(Block) + capacity);
        if (!raw)
            throw std::bad_alloc();
        return new (raw) Block{1, 0, capacity};
    }
    static void unref(Block* b) noexcept
    {
        if (b && --b->refs == 0)
            std::free(b);
    }
};

namespace {
constexpr std::size_t kPoolBlock = 64 * 1024;
}

Text::Text(std::string_view s)
{
    if (s.empty())
        return;
    block_ = Block::make(s.size());
    std::memcpy(block_->bytes(), s.data(), s.size());
    data_ = block_->bytes();
    size_ = static_cast<std::uint32_t>(s.size());
}

Text::Text(const Text& other) noexcept : data_(other.data_), size_(other.size_), block_(other.block_)
{
    if (block_)
        ++block_->refs;
}

Text& Text::operator=(const Text& other) noexcept
{
    if (this != &other) {
        if (other.block_)
            ++other.block_->refs;
        release();
        data_ = other.data_;
        size_ = other.size_;
        block_ = other.block_;
    }
    return *this;
}

Text& Text::operator=(Text&& other) noexcept
{
    if (this != &other) {
        release();
        data_ = other.data_;
        size_ = other.size_;
        block_ = other.block_;
        other.data_ = "";
        other.size_ = 0;
        other.block_ = nullptr;
    }
    return *this;
}

void Text::release() noexcept
{
    Block::unref(block_);
    block_ = nullptr;
}

TextPool::~TextPool() { Text::Block::unref(current_); }

Text TextPool::add(std::string_view s)
{
    if (s.empty())
        return Text();
    if (s.size() > kPoolBlock / 4)
        return Text(s); // a long text is not worth a shared block
    if (!current_ || current_->capacity - current_->used < s.size()) {
        Text::Block::unref(current_);
        current_ = Text::Block::make(kPoolBlock);
    }
    Text t;
    t.block_ = current_;
    ++current_->refs;
    t.data_ = current_->bytes() + current_->used;
    t.size_ = static_cast<std::uint32_t>(s.size());
    std::memcpy(current_->bytes() + current_->used, s.data(), s.size());
    current_->used += s.size();
    return t;
}

} // namespace quillmar::collection
