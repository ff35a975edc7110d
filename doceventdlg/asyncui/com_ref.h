#pragma once

// One counted reference to a COM object, released when the owner goes.
// Move-only; put() releases the reference held before handing out the slot.

template <typename T>
class ComRef {
public:
    ComRef() : object_(0) {}
    explicit ComRef(T* adopted) : object_(adopted) {}
    ~ComRef() { reset(); }

    ComRef(ComRef&& other) : object_(other.detach()) {}
    ComRef& operator=(ComRef&& other) {
        if (this != &other) {
            reset();
            object_ = other.detach();
        }
        return *this;
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != 0; }

    T* detach() {
        T* object = object_;
        object_ = 0;
        return object;
    }
    void reset() {
        T* object = detach();
        if (object != 0) object->Release();
    }
    T** put() {
        reset();
        return &object_;
    }

private:
    T* object_;
};
