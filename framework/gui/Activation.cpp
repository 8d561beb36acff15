#include "gui/Activation.h"

#include <utility>

namespace fw {
namespace {

String& PendingToken() {
  static String token;
  return token;
}

}  // namespace

void SetActivationToken(const String& token) {
  PendingToken() = token;
}

String TakeActivationToken() {
  return std::exchange(PendingToken(), String());
}

}  // namespace fw
