#pragma once

// The run routine: the framework's start with Startup, then the event loop,
// under the one last-resort exception handler.
void RunMain();
// Called back once by the framework before any event.
void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();
// What finalisation releases: the framework's window lists, then the bar.
void Finalise();
