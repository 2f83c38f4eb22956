#include "Waechter.h"

#include "core/Fehler.h"

#include <new>

QString Fehlertext(std::exception_ptr fehler) {
  try {
    std::rethrow_exception(fehler);
  } catch (const TQuarnFehler& f) {
    return QString::fromUtf8(f.what());
  } catch (const std::bad_alloc&) {
    return QStringLiteral("Nicht genügend Arbeitsspeicher für diese Aktion");
  } catch (const std::exception& f) {
    return QStringLiteral("Interner Fehler: ") + QString::fromUtf8(f.what());
  } catch (...) {
    return QStringLiteral("Interner Fehler");
  }
}
