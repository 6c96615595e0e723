#pragma once
// Owning references to GObjects, so that every unref happens on every way out.
#include <glib-object.h>
#include <utility>

namespace vantelo {

template <typename T>
class GObjectRef {
public:
    GObjectRef() = default;
    // Takes over a reference the caller already owns (a "transfer full" result).
    static GObjectRef Adopt(T* object) { return GObjectRef(object); }
    // Adds a reference of its own; a floating reference is sunk.
    static GObjectRef Retain(T* object) {
        if (object) g_object_ref_sink(object);
        return GObjectRef(object);
    }
    GObjectRef(GObjectRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GObjectRef& operator=(GObjectRef&& other) noexcept {
        if (this != &other) { Reset(); object_ = std::exchange(other.object_, nullptr); }
        return *this;
    }
    GObjectRef(const GObjectRef&) = delete;
    GObjectRef& operator=(const GObjectRef&) = delete;
    ~GObjectRef() { Reset(); }

    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void Reset() { if (object_) g_object_unref(std::exchange(object_, nullptr)); }

private:
    explicit GObjectRef(T* object) : object_(object) {}
    T* object_ = nullptr;
};

// Owns memory that GLib handed over and expects back through g_free.
class GCharsRef {
public:
    explicit GCharsRef(char* chars) : chars_(chars) {}
    GCharsRef(const GCharsRef&) = delete;
    GCharsRef& operator=(const GCharsRef&) = delete;
    ~GCharsRef() { g_free(chars_); }
    const char* get() const { return chars_; }
private:
    char* chars_;
};

}  // namespace vantelo
