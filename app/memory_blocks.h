#pragma once
// The process heap as the program's handlers see it: byte strings and texts are
// blocks taken from it and given back right after use. Running out of memory for
// one ends the program through the fatal error box.
#include <cstddef>
#include <utility>

namespace vantelo {

// A block of `size` bytes; never null for size > 0 (no memory is fatal).
void* AllocateBlock(std::size_t size);
// Grows or shrinks a block; on failure the old block is released and the program
// ends through the fatal error with the size asked for.
void* ResizeBlock(void* block, std::size_t size);
// Gives a block back; no block at all does nothing.
void ReleaseBlock(void* block);

// Byte string: an owned, counted run of bytes, possibly empty, which may hold
// zero bytes. The empty byte string holds no storage.
class ByteString {
public:
    ByteString() = default;
    ByteString(const void* bytes, std::size_t size);
    ByteString(ByteString&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    ByteString& operator=(ByteString&& other) noexcept;
    ByteString(const ByteString&) = delete;
    ByteString& operator=(const ByteString&) = delete;
    ~ByteString() { Release(); }

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Appends, growing the one buffer geometrically so a long body costs time in
    // proportion to its size.
    void Append(const void* bytes, std::size_t count);
    void Release();

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Text: an owned run of bytes that ends at its first zero byte, in code page 936.
// The empty text holds no storage and reads as "".
class Text {
public:
    Text() = default;
    // Copies `length` bytes (which must hold no zero byte) and terminates them.
    Text(const char* bytes, std::size_t length);
    // A copy of a zero-terminated string; nullptr gives the empty text.
    static Text FromCString(const char* chars);
    Text(Text&& other) noexcept : data_(std::exchange(other.data_, nullptr)), length_(std::exchange(other.length_, 0)) {}
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { Release(); }

    const char* c_str() const { return data_ ? data_ : ""; }
    std::size_t length() const { return length_; }
    bool empty() const { return length_ == 0; }
    void Release();

private:
    char* data_ = nullptr;
    std::size_t length_ = 0;
};

}  // namespace vantelo
