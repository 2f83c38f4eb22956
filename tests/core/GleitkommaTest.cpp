#include "core/Gleitkomma.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

TEST(Gleitkomma, GepruefteOperationen) {
  EXPECT_EQ(Teile(1, 4), 0.25L);
  EXPECT_EQ(Meldung([] { Teile(1, 0); }), DivisionDurchNull);
  EXPECT_EQ(Meldung([] { Teile(-1, 0); }), DivisionDurchNull);
  EXPECT_EQ(Meldung([] { Teile(0, 0); }), Ungueltig);
  EXPECT_EQ(Meldung([] { Teile(LDBL_MAX, 0.5L); }), Ueberlauf);
  EXPECT_EQ(Teile(1e-4000L, 1e4000L), 0);
  EXPECT_EQ(Ln(1), 0);
  EXPECT_EQ(Meldung([] { Ln(0); }), DivisionDurchNull);
  EXPECT_EQ(Meldung([] { Ln(-1); }), Ungueltig);
  EXPECT_EQ(Wurzel(16), 4);
  EXPECT_EQ(Meldung([] { Wurzel(-1e-300L); }), Ungueltig);
  EXPECT_EQ(EHoch(0), 1);
  EXPECT_EQ(EHoch(-1e6L), 0);
  EXPECT_EQ(Meldung([] { EHoch(20000); }), Ueberlauf);
  EXPECT_EQ(Meldung([] { Pruefe(HUGE_VALL); }), Ueberlauf);
  EXPECT_EQ(Meldung([] { Pruefe(std::numeric_limits<long double>::quiet_NaN()); }), Ungueltig);
}

TEST(Gleitkomma, SpeichernAls64BitPrueftDenBereich) {
  EXPECT_EQ(AlsDouble(1.5L), 1.5);
  EXPECT_EQ(AlsDouble(DBL_MAX), DBL_MAX);
  EXPECT_EQ(AlsDouble(static_cast<long double>(DBL_MAX) + 0x1p969L), DBL_MAX);
  EXPECT_EQ(Meldung([] { AlsDouble(static_cast<long double>(DBL_MAX) + 0x1p970L); }), Ueberlauf);
  EXPECT_EQ(Meldung([] { AlsDouble(1e309L); }), Ueberlauf);
  EXPECT_EQ(Meldung([] { AlsDouble(-1e309L); }), Ueberlauf);
  EXPECT_EQ(AlsDouble(1e-400L), 0);
  EXPECT_TRUE(std::isinf(AlsDouble(HUGE_VALL)));
}

TEST(Gleitkomma, RundenAufGanzeZahlen) {
  EXPECT_EQ(RundeGanz(2.5L), 2);
  EXPECT_EQ(RundeGanz(3.5L), 4);
  EXPECT_EQ(RundeGanz(-2.5L), -2);
  EXPECT_EQ(RundeGanz(-9223372036854775808.0L), INT64_MIN);
  EXPECT_EQ(Meldung([] { RundeGanz(9223372036854775808.0L); }), Ungueltig);
  EXPECT_EQ(Meldung([] { RundeGanz(std::numeric_limits<long double>::quiet_NaN()); }), Ungueltig);
  EXPECT_TRUE(IstGanz(-3));
  EXPECT_FALSE(IstGanz(0.5L));
  EXPECT_FALSE(IstGanz(1e30L));
  EXPECT_FALSE(IstGanz(HUGE_VALL));
}

TEST(Fehler, MeldungenImWortlaut) {
  EXPECT_STREQ(TKonvertierungsFehler("x").what(), "'x' ist kein gültiger Gleitkommawert");
  EXPECT_STREQ(TIniFehler("/a/Quarn.ini").what(), "In /a/Quarn.ini kann nicht geschrieben werden");
}

} // namespace
