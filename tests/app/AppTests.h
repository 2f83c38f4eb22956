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
  void TippenUndZeilen();
  void LoeschenUndAuswahl();
  void KopierenEinfuegenRueckgaengig();
  void MausSetztCursor();
  void GrosseSpalten();
  void BildlaufbreiteFolgtDerLaengstenZeile();
  void ZeichenAusserhalbDerGrundebene();
  void DoppelklickWaehltDieZahl_data();
  void DoppelklickWaehltDieZahl();
};

class TStartTest : public QObject {
  Q_OBJECT
private slots:
  void NachDemStartWieBeschrieben();
  void ErsterStartZeigtWillkommen();
  void NichtBeschreibbarerProgrammordner();
  void SchliessenSichertLetzteUndOptionen();
  void SchliessenMitFehlerBleibtOffen();
  void WaechterFaengtJedeAusnahme_data();
  void WaechterFaengtJedeAusnahme();
  void BilderDerFensterImBuildOrdner();
};

class THauptfensterTest : public QObject {
  Q_OBJECT
private slots:
  void AngleichenSetztFelderJeOperation();
  void LeerenZeigtZeilenzahl();
  void OperationSchreibtZurueck();
  void FehlerBehaeltGeschriebeneZeilen();
  void WertMitPunktWirdKomma();
  void SpaltenVerschiebenUndTauschen();
  void KnoepfeOeffnenIhreFenster();
  void PiUndE();
  void PlottenBrauchtDatenpaare();
  void ZufallsdatenHabenGleichLangeSpalten();
  void NichtsVerrutschtBeimBeispiel();
  void ReturnImWertfeldFuehrtAus();
  void TabFolgtDemAufbau();
};

class TDateienTest : public QObject {
  Q_OBJECT
private slots:
  void SichernUndLadenGenau();
  void LadenMeldetFehlendeDateien();
  void LadenVerstehtFremdeDateien();
  void AufDateiAnwenden();
  void FallenGelasseneDateien();
  void UnbrauchbareDateien();
  void DateilisteZaehltVierDateien();
  void DateilisteLaedtOhneNamenZuAendern();
  void ByteOrderMarkInDerSpalteBleibt_data();
  void ByteOrderMarkInDerSpalteBleibt();
};

class TInformationTest : public QObject {
  Q_OBJECT
private slots:
  void Anfangstexte_data();
  void Anfangstexte();
  void AbbruchBehaeltSpaetereTexte();
  void BerichtMitDaten();
  void SpeichernUeberschreibtOderMeldetEinmal();
  void ErklaerungenDerOperationen();
  void BeispielbilderDerModelle();
};

class TPlotfensterTest : public QObject {
  Q_OBJECT
private slots:
  void Anfangszustand_data();
  void Anfangszustand();
  void PlotknopfZeichnetWieDerRenderer();
  void SpaltenWerdenNormalisiert();
  void EinfrierenSammeltAenderungen();
  void FehlschlagZeigtLampeUndHilfen();
  void LeereSpalteZweiMitKasten();
  void FelderImDatensatz_data();
  void FelderImDatensatz();
  void FarbeUeberDenDialog();
  void SpeichernUndKopieren();
  void Gruppenknoepfe();
  void Fitsteuerung();
  void StartwerteGetInitUndSchritte();
  void BestUndFehlerarten();
  void OhneZeichnungKeinAbsturz();
};

class TInteraktionTest : public QObject {
  Q_OBJECT
private slots:
  void MausOhneZeichnung_data();
  void MausOhneZeichnung();
  void KastenUndTracer();
  void ZoomUndGrenzenumschalter();
  void ZoomJenseitsDesBereichs();
  void IntegrationenUndLinien();
  void TangenteWieGezeichnet();
};

class TFunktionTest : public QObject {
  Q_OBJECT
private slots:
  void NachDemStart();
  void ErzeugenMitDenVorgaben();
  void AusSpalteEins();
  void UnbrauchbareAnzahlAendertNichts_data();
  void UnbrauchbareAnzahlAendertNichts();
  void KoeffizientenAusDemFitUndSofortPlotten();
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
  void ZeigenVerwirftNichtGespeichertes();
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
