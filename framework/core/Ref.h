#pragma once
// Ref<T> is the framework's object reference: Nil is the empty reference, and
// every use of a member goes through Get(), which raises NilObjectException on
// Nil. No code of the system dereferences an unchecked pointer.
#include <memory>
#include <type_traits>
#include <utility>

#include "core/Exceptions.h"

namespace fw {

template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}  // NOLINT: Nil converts implicitly, as in the language it stands for
  Ref(std::shared_ptr<T> p) : p_(std::move(p)) {}  // NOLINT
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(std::shared_ptr<U> p) : p_(std::move(p)) {}  // NOLINT
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& other) : p_(other.Shared()) {}  // NOLINT

  T& Get() const {
    if (!p_) {
      throw NilObjectException();
    }
    return *p_;
  }
  T* operator->() const { return &Get(); }
  T& operator*() const { return Get(); }

  bool IsNil() const { return !p_; }
  const std::shared_ptr<T>& Shared() const { return p_; }

  friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }
  friend bool operator==(const Ref& a, std::nullptr_t) { return !a.p_; }

 private:
  std::shared_ptr<T> p_;
};

// The framework's cast: Nil for Nil and for an object of another class.
template <class T, class U>
Ref<T> Cast(const Ref<U>& r) {
  return Ref<T>(std::dynamic_pointer_cast<T>(r.Shared()));
}

namespace detail {
// Runs before every object is made: the seam through which a test makes
// the making fail (testing/NewObjectFailure.h).
void BeforeNewObject();
void SetBeforeNewObject(void (*hook)());
}  // namespace detail

// An object of a class on which no constructor of the system has run yet.
template <class T>
Ref<T> RuntimeNewObject() {
  detail::BeforeNewObject();
  return Ref<T>(std::make_shared<T>());
}

}  // namespace fw
