#pragma once
// For tests only: running out of memory while the system makes its objects.

namespace fw::testing {

// The n-th object made from now on (counting from 0) fails with
// std::bad_alloc, once; a negative n makes none fail.
void FailNewObject(long n);

}  // namespace fw::testing
