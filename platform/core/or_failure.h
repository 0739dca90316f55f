// The system's C interfaces report failure by their result alone. When
// memory runs out inside one (an object, a pixel array or a list that
// cannot be had), the call gives its failure result instead of letting the
// exception reach a caller that cannot expect it.
#pragma once

#include <new>
#include <stdexcept>

namespace platform {

template <typename Result, typename Body>
Result OrFailure(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return failure;
  } catch (const std::length_error&) {  // a size past what a container can hold
    return failure;
  }
}

}  // namespace platform
