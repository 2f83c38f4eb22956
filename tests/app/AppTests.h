// The test classes of the windows, run one after another by main().
#pragma once

#include <QObject>

class TLeinwandTest : public QObject {
  Q_OBJECT
private slots:
  void LinienLassenIhrEndeAus();
  void StricheUndPunkte();
  void RechteckeOhneRechteUntereKante();
  void TextDeckendAufDemPinsel();
  void BreiteLinien();
  void BitmapUndJpeg();
  void BeispielbilderImBuildOrdner();
  void GoldeneBeispielbilder();
};

class TSpaltenfeldTest : public QObject {
  Q_OBJECT
private slots:
  void TippenLoeschenUndAuswahl();
  void KopierenEinfuegenRueckgaengig();
  void MausUndBildlaufbreite();
  void DoppelklickWaehltDieZahl_data();
  void DoppelklickWaehltDieZahl();
};

class TStartTest : public QObject {
  Q_OBJECT
private slots:
  void NachDemStartWieBeschrieben();
  void NichtBeschreibbarerProgrammordner();
  void SchliessenSichertOderBleibtOffen();
  void WaechterFaengtJedeAusnahme_data();
  void WaechterFaengtJedeAusnahme();
  void BilderDerFensterImBuildOrdner();
};

class THauptfensterTest : public QObject {
  Q_OBJECT
private slots:
  void AngleichenUndWertfeld();
  void SpaltenknoepfePlotUndZufallsdaten();
  void OperationSchreibtZurueck();
  void TabfolgeUndBeispielOhneVerrutschen();
};

class TDateienTest : public QObject {
  Q_OBJECT
private slots:
  void SichernUndLaden();
  void AufDateiAnwenden();
  void FallenGelasseneUndUnbrauchbareDateien();
  void Dateiliste();
  void ByteOrderMarkInDerSpalteBleibt_data();
  void ByteOrderMarkInDerSpalteBleibt();
};

class TInformationTest : public QObject {
  Q_OBJECT
private slots:
  void Anfangstexte_data();
  void Anfangstexte();
  void BerichtUndAbbruch();
  void ErklaerungenUndBeispielbilder();
};

class TPlotfensterTest : public QObject {
  Q_OBJECT
private slots:
  void Anfangszustand_data();
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
};

class TInteraktionTest : public QObject {
  Q_OBJECT
private slots:
  void MausOhneZeichnung_data();
  void MausOhneZeichnung();
  void KastenTracerUndTangente();
  void ZoomGrenzenIntegrationenUndLinien();
  void ZoomJenseitsDesBereichs();
};

class TFunktionTest : public QObject {
  Q_OBJECT
private slots:
  void NachDemStartUndSofortPlotten();
  void ErzeugenAusVorgabenUndSpalteEins();
  void UnbrauchbareAnzahlAendertNichts_data();
  void UnbrauchbareAnzahlAendertNichts();
};

class TDiagrammdateiTest : public QObject {
  Q_OBJECT
private slots:
  void SchliessenSchreibtDenDatensatz();
  void SchliessenScheitertNieDaran();
  void Laden();
  void NachDemNeustartWieder();
  void BeschaedigteDateien();
};

class TOptionenTest : public QObject {
  Q_OBJECT
private slots:
  void OptionenAusDerDatei();
  void MuellInDerDateiGibtVorgaben();
  void OkSpeichertUndLaedtLetzte();
  void InfofensterBeispielUndAutor();
  void IniGanzzahlen();
};

class TVergleichTest : public QObject {
  Q_OBJECT
private slots:
  void ExportPngUndSvg_data();
  void ExportPngUndSvg();
  void ExportInUnbeschreibbarenOrdner();
  void VergleichWaehltUebernimmtUndSpeichert();
  void VielePunkteBleibenBedienbarUndLassenSichAbbrechen();
  void WenigePunkteSindNichtVergleichbar();
};
