// The tests of the windows: one class, so that any test function can be named on the command
// line; each source file holds the functions of one window or part.
#pragma once

#include <QObject>

class TFensterTest : public QObject {
  Q_OBJECT
private slots:
  // LeinwandTest.cpp: the Qt canvas and the image files.
  void LinienLassenIhrEndeAus();
  void StricheUndPunkte();
  void RechteckeOhneRechteUntereKante();
  void TextDeckendAufDemPinsel();
  void BreiteLinien();
  void BitmapUndJpeg();
  void BeispielbilderGoldenUndImBuildOrdner();
  // SpaltenfeldTest.cpp: the column field.
  void TippenLoeschenUndAuswahl();
  void KopierenEinfuegenRueckgaengig();
  void MausUndBildlaufbreite();
  void DoppelklickWaehltDieZahl_data();
  void DoppelklickWaehltDieZahl();
  // StartTest.cpp: the start, closing, the guard of the handlers.
  void NachDemStartWieBeschrieben();
  void NichtBeschreibbarerProgrammordner();
  void SchliessenSichertOderBleibtOffen();
  void WaechterFaengtJedeAusnahme_data();
  void WaechterFaengtJedeAusnahme();
  // HauptfensterTest.cpp: the main window.
  void AngleichenUndWertfeld();
  void SpaltenknoepfePlotUndZufallsdaten();
  void OperationSchreibtZurueck();
  void TabfolgeUndBeispielOhneVerrutschen();
  // DateienTest.cpp: data sets, dropped files, the file list.
  void SichernUndLaden();
  void AufDateiAnwenden();
  void FallenGelasseneUndUnbrauchbareDateien();
  void Dateiliste();
  void ByteOrderMarkInDerSpalteBleibt_data();
  void ByteOrderMarkInDerSpalteBleibt();
  // InformationTest.cpp: the information and explanation windows.
  void Anfangstexte();
  void BerichtUndAbbruch();
  void ErklaerungenUndBeispielbilder();
  // PlotfensterTest.cpp: the plot window's controls.
  void Anfangszustand();
  void PlotknopfEinfrierenUndNormalisieren();
  void FehlschlagZeigtLampeUndHilfen();
  void LeereSpalteZweiMitKasten();
  void FelderImDatensatz_data();
  void FelderImDatensatz();
  void FarbeSpeichernUndKopieren();
  void GruppenknoepfeOhneZeichnung();
  void FitsteuerungUndStartwerte();
  void BestUndFehlerarten();
  // InteraktionTest.cpp: the mouse on the plot, zoom, integrations, lines.
  void MausOhneZeichnung_data();
  void MausOhneZeichnung();
  void KastenTracerUndTangente();
  void ZoomGrenzenIntegrationenUndLinien();
  void ZoomJenseitsDesBereichs();
  // FunktionTest.cpp: the function window.
  void NachDemStartUndSofortPlotten();
  void ErzeugenAusVorgabenUndSpalteEins();
  void UnbrauchbareAnzahlAendertNichts_data();
  void UnbrauchbareAnzahlAendertNichts();
  // DiagrammdateiTest.cpp: the stored diagram settings.
  void SchliessenSchreibtDenDatensatz();
  void SchliessenScheitertNieDaran();
  void Laden();
  void NachDemNeustartWieder();
  void BeschaedigteDateien();
  // OptionenTest.cpp: the options and the info window.
  void OptionenAusDerDatei();
  void MuellInDerDateiGibtVorgaben();
  void OkSpeichertUndLaedtLetzte();
  void InfofensterBeispielUndAutor();
  void IniGanzzahlen();
  // VergleichTest.cpp: image export and the model comparison.
  void ExportPngUndSvg_data();
  void ExportPngUndSvg();
  void ExportInUnbeschreibbarenOrdner();
  void VergleichWaehltUebernimmtUndSpeichert();
  void VielePunkteBleibenBedienbarUndLassenSichAbbrechen();
  void WenigePunkteSindNichtVergleichbar();
};
