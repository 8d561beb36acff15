#pragma once
// Start, event loop and end of the framework, with the last-resort handler.
#include <exception>

#include "core/Runtime.h"

namespace fw {

// Hands a re-open request to the copy of the program that runs for this
// user and display, or else creates the application (reaching the display)
// and calls the start-up routine back once, before any event.
void RunFrameworkInitialization(void (*startup)());
// The event loop; returns at quit, or rethrows what escaped a call from it.
void RuntimeRun();
// Reports an exception that nothing else caught: its class and message on
// standard error and, where a display is, in a message box. The program
// takes no more re-open requests from then on.
void UnhandledException(const std::exception_ptr& error);
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
// After a window has closed: the last one to close ends the program as Quit
// does.
void WindowClosed();
// Ends the runtime; the exit status: 0 after a quit, 1 after an unhandled
// exception or when the running copy did not answer.
int32_t RuntimeExit();

}  // namespace fw
