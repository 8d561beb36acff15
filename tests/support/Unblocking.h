#pragma once
// For tests of code that must not wait on a FIFO: a call that does wait
// fails the test instead of hanging it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

// Runs call on a thread of its own. When it has not returned within the
// bound, the test fails, and the FIFO's writing end is opened and closed
// until the call returns, as a blocked reader then sees the end of the file.
template <class Call>
auto WithoutWaitingOn(const std::filesystem::path& fifo, Call call) {
  auto result = std::async(std::launch::async, call);
  if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "the call waits on " << fifo;
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
      int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) {
        close(fd);
      }
    }
  }
  return result.get();
}
