// The busy cursor while a handler works on large columns.
#pragma once

#include <QApplication>

class TWartecursor {
public:
  TWartecursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWartecursor() { QApplication::restoreOverrideCursor(); }
  TWartecursor(const TWartecursor&) = delete;
  TWartecursor& operator=(const TWartecursor&) = delete;
};
