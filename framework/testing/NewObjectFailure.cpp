#include "testing/NewObjectFailure.h"

#include <new>

#include "core/Ref.h"

namespace fw::testing {
namespace {

long objectsBeforeFailure = -1;

void CountDown() {
  if (objectsBeforeFailure == 0) {
    objectsBeforeFailure = -1;
    throw std::bad_alloc();
  }
  if (objectsBeforeFailure > 0) {
    --objectsBeforeFailure;
  }
}

}  // namespace

void FailNewObject(long n) {
  objectsBeforeFailure = n;
  detail::SetBeforeNewObject(n < 0 ? nullptr : &CountDown);
}

}  // namespace fw::testing
