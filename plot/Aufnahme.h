// The plot window's controls as raw values, and the settings record assembled from them: the
// one place that maps every control onto a field of TDiagrammEinstellungen.
#pragma once

#include "Diagrammeinstellungen.h"

#include "core/Typen.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the controls hold: texts as typed, boxes, list positions.
struct TPlotfelder {
  std::string Markierung{};                                 // Edit17
  bool Verbinden = false, Beschriftung = true, Skala = true; // CheckBox1, 2, 10
  bool PunkteAus = false, Fehlerbalken = false;              // CheckBox14, 16
  uint32_t Farbe = 0x000000FF;                               // the colour dialog's colour
  std::string KommastellenX = "3", KommastellenY = "3";     // Edit20, Edit23
  std::string Stellen = "4", KommastellenFit = "4";         // Edit22, Edit24
  bool Ausreisser = false;                                   // CheckBox13
  std::string Prozent = "100", DX = "0,0", DY = "0,0";      // Edit15, Edit18, Edit19
  int Fehlerart = 0;                                         // ComboBox2 position
  std::vector<bool> Fix;                                     // CheckListBox1, one per coefficient
  bool MitStartwerten = false;                               // CheckBox18
  std::array<std::string, 8> Startwerte;                     // StringGrid1 column 1, rows 1..8
  std::string AchseX = "X", AchseY = "Y";                    // Edit1, Edit2
  std::string NameX = "x", NameY = "y", NameZ = "z";         // Edit3, Edit4, Edit5
  bool XminAn = false, XmaxAn = false, YminAn = false, YmaxAn = false; // CheckBox6, 7, 4, 5
  std::string Xmin = "0", Xmax = "0", Ymin = "0", Ymax = "0";          // Edit8, 9, 6, 7
  bool Vertikale = false, Horizontale = false, Schnitt = false;       // CheckBox8, 9, 17
  std::string VertikaleText = "x", VertikaleWert = "0";                // Edit11, Edit12
  std::string HorizontaleText = "y", HorizontaleWert = "0";            // Edit13, Edit14
  std::string Schritte = "100";                                        // Edit16
  bool Tangente = false;                                               // CheckBox19
  std::string TangenteX = "1,0";                                       // Edit21
  bool Formel = true, Kasten = true, Chi = true;                       // CheckBox20, 23, 24
  int Zeichendicke = 0;                                                // TrackBar1
  bool LogX = false, LogY = false;                                     // CheckBox11, 22
  int LogBasis = 1;                                                    // ComboBox3 position
  bool Variation = false;                                              // CheckBox12
  bool Gleichmaessig = true, Linie = true;                             // CheckBox25, 26
};

// The base of the logarithm list: position 0 gives 2, 1 gives e, 2 gives 10, anything else 0.
double LogBasisAusPosition(int position);

// The record of the controls. Vordergrund, Hintergrund, Integrationen, the model number and
// the box position are kept from the current record; they have handlers of their own.
TDiagrammEinstellungen Diagrammaufnahme(const TPlotfelder& felder, const TDiagrammEinstellungen& aktuell);

// A stored record made fit for the controls it goes back into: a model outside 1..17 becomes 0,
// an error mode outside 0..3 becomes 0, counts and places are clamped to their controls'
// ranges, and a number that is not finite takes the control's default. A damaged or foreign
// file (it has no header) thus never puts the window into a state no user could reach.
TDiagrammEinstellungen DiagrammBereinigt(TDiagrammEinstellungen e);

// A column as the plot window reads it: an empty line becomes "0" and every "." a ",", in the
// lines themselves; each line is then read with ZahlAusText (default 0). Returns the values
// and the indexes of the lines that changed.
struct TPlotspalte {
  TVektor Werte;
  std::vector<std::size_t> Geaendert;
};
TPlotspalte PlotspalteLesen(TStringListe& zeilen);
