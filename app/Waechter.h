// The one guard of every Qt handler: no exception crosses into Qt. A program fault is shown
// with its own German message, anything else as one German message of its own.
#pragma once

#include "Meldungen.h"

#include <QObject>

#include <exception>
#include <utility>

// The message the user sees for an exception.
QString Fehlertext(std::exception_ptr fehler);

template <class F> void Bewacht(TMeldungen& meldungen, F&& rumpf) noexcept {
  try {
    std::forward<F>(rumpf)();
  } catch (...) {
    meldungen.Fehler(Fehlertext(std::current_exception()));
  }
}

// Connects a control's signal to a window's handler, run through the guard.
template <class Sender, class Signal, class Fenster>
void Verbinde(TMeldungen& meldungen, Sender* sender, Signal signal, Fenster* fenster, void (Fenster::*handler)()) {
  QObject::connect(sender, signal, fenster, [&meldungen, fenster, handler] {
    Bewacht(meldungen, [&] { (fenster->*handler)(); });
  });
}
