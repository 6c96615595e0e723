#include "app/memory_blocks.h"

#include <cstdlib>
#include <cstring>

#include "app/fatal_error.h"

namespace vantelo {

void* AllocateBlock(std::size_t size) {
    if (size == 0) return nullptr;
    void* block = std::malloc(size);
    if (!block) ReportOutOfMemory(size);
    return block;
}

void* ResizeBlock(void* block, std::size_t size) {
    void* grown = std::realloc(block, size);
    if (!grown && size > 0) {
        std::free(block);  // give the memory back before the error box needs some
        ReportOutOfMemory(size);
    }
    return grown;
}

void ReleaseBlock(void* block) { std::free(block); }

ByteString::ByteString(const void* bytes, std::size_t size) { Append(bytes, size); }

ByteString& ByteString::operator=(ByteString&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

void ByteString::Append(const void* bytes, std::size_t count) {
    if (count == 0) return;
    if (count > capacity_ - size_) {
        std::size_t wanted = size_ + count;
        if (wanted < size_) ReportOutOfMemory(SIZE_MAX);  // the size itself overflowed
        std::size_t capacity = capacity_ ? capacity_ : 256;
        while (capacity < wanted) capacity = capacity > SIZE_MAX / 2 ? wanted : capacity * 2;
        data_ = static_cast<char*>(ResizeBlock(data_, capacity));
        capacity_ = capacity;
    }
    std::memcpy(data_ + size_, bytes, count);
    size_ += count;
}

void ByteString::Release() {
    ReleaseBlock(std::exchange(data_, nullptr));
    size_ = capacity_ = 0;
}

Text::Text(const char* bytes, std::size_t length) {
    if (length == 0) return;
    data_ = static_cast<char*>(AllocateBlock(length + 1));
    std::memcpy(data_, bytes, length);
    data_[length] = '\0';
    length_ = length;
}

Text Text::FromCString(const char* chars) {
    return chars ? Text(chars, std::strlen(chars)) : Text();
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        length_ = std::exchange(other.length_, 0);
    }
    return *this;
}

void Text::Release() {
    ReleaseBlock(std::exchange(data_, nullptr));
    length_ = 0;
}

}  // namespace vantelo
