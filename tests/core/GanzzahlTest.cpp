#include "core/Ganzzahl.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct TFall {
  std::string text;
  bool gelesen;
  int32_t wert;
};

TEST(GanzzahlLesen, DezimalImBereichVon32Bit) {
  const TFall faelle[] = {
      {"0", true, 0},          {"17", true, 17},         {"-5", true, -5},     {"+5", true, 5},
      {"007", true, 7},        {"2147483647", true, INT_MAX}, {"-2147483648", true, INT_MIN},
      {"2147483648", false, 0}, {"-2147483649", false, 0}, {"99999999999999999999", false, 0},
      {"", false, 0},          {"-", false, 0},          {"+-1", false, 0},    {" 5", false, 0},
      {"5 ", false, 0},        {"1.5", false, 0},        {"1,0", false, 0},    {"1e3", false, 0},
      {"$10", false, 0},       {"0x10", false, 0},       {std::string("1\0junk", 6), false, 0},
      {"\xEF\xBC\x91", false, 0}, // a full-width digit
  };
  for (const TFall& f : faelle) {
    int32_t w = 0;
    EXPECT_EQ(GanzzahlLesen(f.text, w), f.gelesen) << f.text;
    EXPECT_EQ(w, f.wert) << f.text;
    EXPECT_EQ(GanzzahlAusText(f.text, 42), f.gelesen ? f.wert : 42) << f.text;
  }
}

TEST(GanzzahlLesen, HexadezimalFuellt32Bit) {
  const TFall faelle[] = {
      {"$10", true, 16},   {"0x1F", true, 31},       {"0XfF", true, 255},   {"$FFFFFFFF", true, -1},
      {"-$10", true, -16}, {"$100000000", false, 0}, {"0x0x10", false, 0},  {"$", false, 0},
      {"0x", false, 0},    {"$G", false, 0},         {"12", true, 12},
  };
  for (const TFall& f : faelle) {
    int32_t w = 0;
    EXPECT_EQ(GanzzahlLesen(f.text, w, true), f.gelesen) << f.text;
    EXPECT_EQ(w, f.wert) << f.text;
  }
}

TEST(GanzzahlStreng, MeldetDenText) {
  EXPECT_EQ(GanzzahlStreng("-12"), -12);
  for (const char* t : {"", "x", "1,5", "3000000000"})
    EXPECT_EQ(Meldung([&] { GanzzahlStreng(t); }), std::string("'") + t + "' ist kein gültiger Integerwert") << t;
}

} // namespace
