// Every handler runs through here: no exception crosses Qt's event loop. An error's text is shown
// in an error box (full stop added unless it ends in one) and the program goes on.
#pragma once

#include "common/Errors.h"
#include "windows/Dialogs.h"
#include "windows/Text.h"

#include <exception>
#include <utility>

namespace fw {

// Returns false when the handler failed.
template <class Handler> bool guarded(Dialogs& dialogs, QWidget* parent, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const Error& e) {
    dialogs.error(parent, errorText(e.withFullStop()));
  } catch (const std::exception& e) {
    dialogs.error(parent, errorText(Error(e.what()).withFullStop()));
  } catch (...) {
    dialogs.error(parent, QStringLiteral("Unknown error."));
  }
  return false;
}

} // namespace fw
