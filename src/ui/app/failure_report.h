// How a failure that escapes a handler reaches the user. Failures are C++ exceptions that no
// handler catches; Qt's own signal and event code must never be unwound by one, so every
// handler connected to a signal, and every event override that runs program code, runs inside
// the guard below, which shows the failure in the error box and returns.
#pragma once

#include <functional>
#include <string_view>

namespace zelmora {

// Shows the error box: application-modal, a critical icon and one OK button, the message with
// a full stop appended as WithFullStop says, the application title
// (QCoreApplication::applicationName) as caption. Returns when the user has pressed OK.
void ReportFailure(std::string_view message);

// Runs handler. A zelmora::Failure or any other std::exception it raises goes no further: it
// is shown with ReportFailure, and the call returns normally.
void RunGuarded(const std::function<void()>& handler);

// The handler wrapped for connecting to a signal: runs it inside RunGuarded, ignoring the
// signal's arguments.
template <class Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)] { RunGuarded(handler); };
}

}  // namespace zelmora
