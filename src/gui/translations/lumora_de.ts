<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>Core</name>
        <message>
            <source>The optimization is still running. Stop it and close?</source>
            <translation>Die Optimierung läuft noch. Anhalten und schließen?</translation>
        </message>
        <message>
            <source>Cut order</source>
            <translation>Schnittfolge</translation>
        </message>
        <message>
            <source>All dimensions</source>
            <translation>Alle Maße</translation>
        </message>
        <message>
            <source>Deep optimization stopped. The best result found so far is kept.</source>
            <translation>Tiefe Optimierung angehalten. Das bisher beste Ergebnis bleibt erhalten.</translation>
        </message>
        <message>
            <source>Deep optimization: starting from the standard engine's result...</source>
            <translation>Tiefe Optimierung: Start vom Ergebnis des Standardverfahrens...</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES specfied.</source>
            <translation>Keine gültigen GLASMASSE angegeben.</translation>
        </message>
        <message>
            <source>Wrong BLADE specfied.</source>
            <translation>Falsche SCHNITTBREITE angegeben.</translation>
        </message>
        <message>
            <source>No valid COILS specified.</source>
            <translation>Keine gültigen ROLLEN angegeben.</translation>
        </message>
        <message>
            <source>No valid SHEETS specified.</source>
            <translation>Keine gültigen TAFELN angegeben.</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES.</source>
            <translation>Keine gültigen GLASMASSE.</translation>
        </message>
        <message>
            <source>Too many COILS: at most 32767 rows.</source>
            <translation>Zu viele ROLLEN: höchstens 32767 Zeilen.</translation>
        </message>
        <message>
            <source>Too many SHEETS: at most 32767 rows.</source>
            <translation>Zu viele TAFELN: höchstens 32767 Zeilen.</translation>
        </message>
        <message>
            <source>Too many GLASS SIZES: at most 32767 rows.</source>
            <translation>Zu viele GLASMASSE: höchstens 32767 Zeilen.</translation>
        </message>
        <message>
            <source>Optimization done.</source>
            <translation>Optimierung fertig.</translation>
        </message>
        <message>
            <source>Optimization Stopped. After viewing the results, you can continue optimization from this point onwards till this file remains open.</source>
            <translation>Optimierung angehalten. Nach dem Ansehen der Ergebnisse können Sie die Optimierung von hier aus fortsetzen, solange diese Datei geöffnet bleibt.</translation>
        </message>
        <message>
            <source>No complete result: a result holds at most 32767 layouts and 32767 layout elements.</source>
            <translation>Kein vollständiges Ergebnis: ein Ergebnis fasst höchstens 32767 Schnittpläne und 32767 Planelemente.</translation>
        </message>
        <message>
            <source>Preparing...</source>
            <translation>Vorbereitung...</translation>
        </message>
        <message>
            <source>Optimizing...</source>
            <translation>Optimierung läuft...</translation>
        </message>
        <message>
            <source>Terminating...</source>
            <translation>Wird beendet...</translation>
        </message>
        <message>
            <source>Total Layouts      Overall Yield</source>
            <translation>Schnittpläne       Gesamtausbeute</translation>
        </message>
        <message>
            <source>Time Remaining</source>
            <translation>Restzeit</translation>
        </message>
        <message>
            <source>Save File...</source>
            <translation>Datei speichern...</translation>
        </message>
        <message>
            <source>open File...</source>
            <translation>Datei öffnen...</translation>
        </message>
        <message>
            <source>Attention!</source>
            <translation>Achtung!</translation>
        </message>
        <message>
            <source>Save changes in current file?</source>
            <translation>Änderungen in der aktuellen Datei speichern?</translation>
        </message>
        <message>
            <source>Earlier version data file detected. Set the required tolerance and optimize.</source>
            <translation>Datei einer früheren Version erkannt. Stellen Sie die nötige Toleranz ein und optimieren Sie.</translation>
        </message>
        <message>
            <source>Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do you want to continue?</source>
            <translation>Die aktuellen Grunddaten und Optimierungsoptionen werden als VORGABEN gespeichert. Möchten Sie fortfahren?</translation>
        </message>
        <message>
            <source>Save Changes?</source>
            <translation>Änderungen speichern?</translation>
        </message>
        <message>
            <source>Total Glass Size Area is MORE then Total Sheet Area!</source>
            <translation>Die Gesamtfläche der Glasmaße ist GRÖSSER als die Gesamtfläche der Tafeln!</translation>
        </message>
        <message>
            <source>Start OPTIMIZATION?</source>
            <translation>OPTIMIERUNG starten?</translation>
        </message>
        <message>
            <source>Alternate Arrangment for this layout is not possible</source>
            <translation>Eine alternative Anordnung ist für diesen Schnittplan nicht möglich</translation>
        </message>
        <message>
            <source>Try &amp;Next Arrangement</source>
            <translation>&amp;Nächste Anordnung versuchen</translation>
        </message>
        <message>
            <source>&amp;Keep This Arrangement</source>
            <translation>Diese Anordnung &amp;behalten</translation>
        </message>
        <message>
            <source>&amp;Original Arrangement</source>
            <translation>&amp;Ursprüngliche Anordnung</translation>
        </message>
        <message>
            <source>Line Width for Printing</source>
            <translation>Linienbreite beim Drucken</translation>
        </message>
        <message>
            <source>Basic Details List</source>
            <translation>Liste der Grunddaten</translation>
        </message>
        <message>
            <source>Sheet Dimensions</source>
            <translation>Tafelmaße</translation>
        </message>
        <message>
            <source>Margin Dimensions</source>
            <translation>Randmaße</translation>
        </message>
        <message>
            <source>Only First In Block</source>
            <translation>Nur das erste im Block</translation>
        </message>
        <message>
            <source>Glass Dimensions</source>
            <translation>Glasmaße</translation>
        </message>
        <message>
            <source>Glass Actual Dimensions</source>
            <translation>Tatsächliche Glasmaße</translation>
        </message>
        <message>
            <source>Glass Description</source>
            <translation>Glasbeschreibung</translation>
        </message>
        <message>
            <source>Glass Color</source>
            <translation>Glasfarbe</translation>
        </message>
        <message>
            <source>Balance Dimensions</source>
            <translation>Reststückmaße</translation>
        </message>
        <message>
            <source>Balance Boundries</source>
            <translation>Reststückgrenzen</translation>
        </message>
        <message>
            <source>Balance List</source>
            <translation>Reststückliste</translation>
        </message>
        <message>
            <source>What would you like to add to the existing layout?</source>
            <translation>Was möchten Sie dem Schnittplan hinzufügen?</translation>
        </message>
        <message>
            <source>You have not selected any item</source>
            <translation>Sie haben nichts ausgewählt</translation>
        </message>
        <message>
            <source>Delete / Resize Existing Balance</source>
            <translation>Vorhandenes Reststück löschen / ändern</translation>
        </message>
        <message>
            <source>Delete / Move Existing Glass-Piece</source>
            <translation>Vorhandene Glasscheibe löschen / verschieben</translation>
        </message>
        <message>
            <source>Delete / Modify Existing Balance</source>
            <translation>Vorhandenes Reststück löschen / ändern</translation>
        </message>
        <message>
            <source>Define Position &amp; Size of New Balance</source>
            <translation>Lage und Größe des neuen Reststücks festlegen</translation>
        </message>
        <message>
            <source>Define Position &amp; Orientation of New Glass-Piece</source>
            <translation>Lage und Ausrichtung der neuen Glasscheibe festlegen</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Verschieben</translation>
        </message>
        <message>
            <source>Modify</source>
            <translation>Ändern</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Hinweis:</translation>
        </message>
        <message>
            <source>XS and YS are Coordinates of the LEFT-TOP corner</source>
            <translation>XS und YS sind die Koordinaten der Ecke LINKS OBEN</translation>
        </message>
        <message>
            <source>DIM-X (Horizontal) and DIM-Y (Vertical) are the Dimensions</source>
            <translation>DIM-X (waagerecht) und DIM-Y (senkrecht) sind die Maße</translation>
        </message>
        <message>
            <source>ORN  (1 or 2) is the Orientation</source>
            <translation>ORN  (1 oder 2) ist die Ausrichtung</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Größe ändern</translation>
        </message>
        <message>
            <source>In order to edit the layout current unit need to be MM, Change now ?</source>
            <translation>Zum Bearbeiten des Schnittplans muss die Einheit MM sein. Jetzt umstellen?</translation>
        </message>
        <message>
            <source>This file was not optimized.</source>
            <translation>Diese Datei wurde nicht optimiert.</translation>
        </message>
        <message>
            <source>Material specified was not found in stock. Do you want select item from the stock ?</source>
            <translation>Das angegebene Material ist nicht im Lager. Möchten Sie einen Artikel aus dem Lager wählen?</translation>
        </message>
        <message>
            <source>Sheet Library is empty</source>
            <translation>Die Tafelbibliothek ist leer</translation>
        </message>
        <message>
            <source>Update Material Library?</source>
            <translation>Materialbibliothek aktualisieren?</translation>
        </message>
        <message>
            <source>Material Library Updated!</source>
            <translation>Materialbibliothek aktualisiert!</translation>
        </message>
        <message>
            <source>Layout and position</source>
            <translation>Schnittplan und Position</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>Code</translation>
        </message>
        <message>
            <source>Recover the job you were working on?</source>
            <translation>Den Auftrag wiederherstellen, an dem Sie gearbeitet haben?</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Glasliste importieren</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Lagerliste importieren</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Export DXF</source>
            <translation>DXF exportieren</translation>
        </message>
        <message>
            <source>Excel Workbook</source>
            <translation>Excel-Arbeitsmappe</translation>
        </message>
        <message>
            <source>CSV (Comma delimited)</source>
            <translation>CSV (durch Komma getrennt)</translation>
        </message>
        <message>
            <source>Lists</source>
            <translation>Listen</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Alle Dateien</translation>
        </message>
        <message>
            <source>DXF drawings</source>
            <translation>DXF-Zeichnungen</translation>
        </message>
        <message>
            <source>Overall Yield (%)</source>
            <translation>Gesamtausbeute (%)</translation>
        </message>
        <message>
            <source>Total Layouts</source>
            <translation>Schnittpläne gesamt</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Gewinn</translation>
        </message>
        <message>
            <source>ITEM</source>
            <translation>ARTIKEL</translation>
        </message>
        <message>
            <source>ADDRESS</source>
            <translation>ADRESSE</translation>
        </message>
        <message>
            <source>MAT</source>
            <translation>MAT</translation>
        </message>
        <message>
            <source>GRADE</source>
            <translation>GÜTE</translation>
        </message>
        <message>
            <source>LAYOUT</source>
            <translation>PLAN</translation>
        </message>
        <message>
            <source>ROWS</source>
            <translation>REIHEN</translation>
        </message>
        <message>
            <source>COLS</source>
            <translation>SPALTEN</translation>
        </message>
        <message>
            <source>THICK</source>
            <translation>DICKE</translation>
        </message>
        <message>
            <source>KERF</source>
            <translation>SCHNITTFUGE</translation>
        </message>
        <message>
            <source>BLADE</source>
            <translation>KLINGE</translation>
        </message>
        <message>
            <source>LENGTH</source>
            <translation>LÄNGE</translation>
        </message>
        <message>
            <source>WIDTH</source>
            <translation>BREITE</translation>
        </message>
        <message>
            <source>QTY</source>
            <translation>MENGE</translation>
        </message>
        <message>
            <source>TAG</source>
            <translation>KENNUNG</translation>
        </message>
        <message>
            <source>CUSTOMER</source>
            <translation>KUNDE</translation>
        </message>
        <message>
            <source>PRODUCT</source>
            <translation>PRODUKT</translation>
        </message>
        <message>
            <source>SITE</source>
            <translation>BAUSTELLE</translation>
        </message>
        <message>
            <source>REF</source>
            <translation>REF</translation>
        </message>
        <message>
            <source>FROM</source>
            <translation>VON</translation>
        </message>
        <message>
            <source>PRODUCTS</source>
            <translation>PRODUKTE</translation>
        </message>
        <message>
            <source>DENSITY</source>
            <translation>DICHTE</translation>
        </message>
        <message>
            <source>NOTE</source>
            <translation>NOTIZ</translation>
        </message>
        <message>
            <source>REPORT</source>
            <translation>BERICHT</translation>
        </message>
        <message>
            <source>UNIT</source>
            <translation>EINHEIT</translation>
        </message>
        <message>
            <source>Paste from clipboard ?</source>
            <translation>Aus der Zwischenablage einfügen?</translation>
        </message>
        <message>
            <source>You are trying to change data. You need to optimize again. 

Continue?</source>
            <translation>Sie ändern Daten. Danach muss neu optimiert werden. 

Fortfahren?</translation>
        </message>
        <message>
            <source>Sr No</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>Use leftovers first</source>
            <translation>Reststücke zuerst verwenden</translation>
        </message>
        <message>
            <source>Keep one leftover</source>
            <translation>Ein Reststück behalten</translation>
        </message>
        <message>
            <source>Breakout numbers</source>
            <translation>Ausbruchnummern</translation>
        </message>
        <message>
            <source>Labels in breakout order</source>
            <translation>Etiketten in Ausbruchreihenfolge</translation>
        </message>
        <message>
            <source>Rack and slot on labels</source>
            <translation>Gestell und Fach auf Etiketten</translation>
        </message>
        <message>
            <source>Density Table</source>
            <translation>Dichtetabelle</translation>
        </message>
        <message>
            <source>Rack Library</source>
            <translation>Gestellbibliothek</translation>
        </message>
        <message>
            <source>RACK</source>
            <translation>GESTELL</translation>
        </message>
        <message>
            <source>SLOTS</source>
            <translation>FÄCHER</translation>
        </message>
        <message>
            <source>PIECES</source>
            <translation>SCHEIBEN</translation>
        </message>
        <message>
            <source>LOAD (KG)</source>
            <translation>LAST (KG)</translation>
        </message>
        <message>
            <source>L1 (MM)</source>
            <translation>L1 (MM)</translation>
        </message>
        <message>
            <source>L2 (MM)</source>
            <translation>L2 (MM)</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Gestellplan</translation>
        </message>
        <message>
            <source>Racks</source>
            <translation>Gestelle</translation>
        </message>
        <message>
            <source>Not Racked</source>
            <translation>Nicht aufgestellt</translation>
        </message>
        <message>
            <source>Rack</source>
            <translation>Gestell</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Fach</translation>
        </message>
        <message>
            <source>In Slot</source>
            <translation>Im Fach</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Grund</translation>
        </message>
        <message>
            <source>Slots</source>
            <translation>Fächer</translation>
        </message>
        <message>
            <source>Slots Used</source>
            <translation>Belegte Fächer</translation>
        </message>
        <message>
            <source>Pieces</source>
            <translation>Scheiben</translation>
        </message>
        <message>
            <source>Load(kg)</source>
            <translation>Last(kg)</translation>
        </message>
        <message>
            <source>Most Load(kg)</source>
            <translation>Höchstlast(kg)</translation>
        </message>
        <message>
            <source>No.</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>Layout No.</source>
            <translation>Zuschnittplan Nr.</translation>
        </message>
        <message>
            <source>Sheet</source>
            <translation>Tafel</translation>
        </message>
        <message>
            <source>Breakout</source>
            <translation>Ausbruch</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Customer</source>
            <translation>Kunde</translation>
        </message>
        <message>
            <source>Sr.No</source>
            <translation>Lfd.Nr.</translation>
        </message>
        <message>
            <source>Weight(kg)</source>
            <translation>Gewicht(kg)</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).

Start it now?</source>
            <translation>Dieser Auftrag hat Fehlerstellen, Stapel oder Regeln der Schneidlinie: Er braucht die tiefe Optimierung (Umschalt+F5).

Jetzt starten?</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).</source>
            <translation>Dieser Auftrag hat Fehlerstellen, Stapel oder Regeln der Schneidlinie: Er braucht die tiefe Optimierung (Umschalt+F5).</translation>
        </message>
        <message>
            <source>Choose the row of the sheets whose flaws you want to edit.</source>
            <translation>Wählen Sie die Zeile der Tafeln, deren Fehlerstellen Sie bearbeiten möchten.</translation>
        </message>
        <message>
            <source>Sheet(s) Utilization Summary</source>
            <translation>Plattenverbrauch</translation>
        </message>
        <message>
            <source>Glass Size(s) Summary</source>
            <translation>Übersicht der Glasmaße</translation>
        </message>
        <message>
            <source>Cost &amp; Area Summary</source>
            <translation>Kosten und Flächen</translation>
        </message>
        <message>
            <source>Overall Yield(%)</source>
            <translation>Gesamtausbeute(%)</translation>
        </message>
        <message>
            <source>Sheet Size</source>
            <translation>Plattenmaß</translation>
        </message>
        <message>
            <source>Glass Sizes</source>
            <translation>Glasmaße</translation>
        </message>
        <message>
            <source>Yield(%)</source>
            <translation>Ausb.(%)</translation>
        </message>
        <message>
            <source>TOTAL</source>
            <translation>SUMME</translation>
        </message>
        <message>
            <source>Item:</source>
            <translation>Artikel:</translation>
        </message>
        <message>
            <source>Unit:</source>
            <translation>Einheit:</translation>
        </message>
        <message>
            <source>Qty</source>
            <translation>Stk</translation>
        </message>
        <message>
            <source>Pcs</source>
            <translation>Stk</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>Fläche</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Reststücke</translation>
        </message>
        <message>
            <source>Wastage</source>
            <translation>Verschnitt</translation>
        </message>
        <message>
            <source>Entity</source>
            <translation>Posten</translation>
        </message>
        <message>
            <source>POS</source>
            <translation>POS</translation>
        </message>
        <message>
            <source>SLOT</source>
            <translation>FACH</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Datei:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Datum:</translation>
        </message>
        <message>
            <source>%1 missing in sheet number (%2), Proceed?</source>
            <translation>%1 fehlt bei Tafel Nr. (%2). Fortfahren?</translation>
        </message>
        <message>
            <source>%1 missing in glass size (%2), Proceed?</source>
            <translation>%1 fehlt bei Glasmaß (%2). Fortfahren?</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>%1 konnte nicht geöffnet werden: %2</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>%1 konnte nicht gespeichert werden: %2</translation>
        </message>
        <message>
            <source>Could not read %1</source>
            <translation>%1 konnte nicht gelesen werden</translation>
        </message>
        <message>
            <source>%1 holds no rack.</source>
            <translation>%1 enthält kein Gestell.</translation>
        </message>
        <message>
            <source>%1 has no density for %2: its weights are 0.</source>
            <translation>%1 hat keine Dichte für %2: seine Gewichte sind 0.</translation>
        </message>
        <message>
            <source>Too many pieces: more than %1.</source>
            <translation>Zu viele Stücke: mehr als %1.</translation>
        </message>
        <message>
            <source>The layout file is damaged: %1</source>
            <translation>Die Schnittplandatei ist beschädigt: %1</translation>
        </message>
        <message>
            <source>SR.NO</source>
            <translation>LFD.NR.</translation>
        </message>
        <message>
            <source>A/C</source>
            <translation>KONTO</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Plans guillotine cuts of glass pieces from stock sheets.</source>
            <translation>Plant Guillotinenschnitte von Glasscheiben aus Lagertafeln.</translation>
        </message>
        <message>
            <source>The data folder to use.</source>
            <translation>Der zu verwendende Datenordner.</translation>
        </message>
        <message>
            <source>The language of this run (en, de, it, es, fr, tr).</source>
            <translation>Die Sprache dieses Laufs (en, de, it, es, fr, tr).</translation>
        </message>
        <message>
            <source>A job file to open.</source>
            <translation>Eine zu öffnende Auftragsdatei.</translation>
        </message>
        <message>
            <source>%1 is already running</source>
            <translation>%1 läuft bereits</translation>
        </message>
    </context>
    <context>
        <name>lumora::AboutWindow</name>
        <message>
            <source>%1 version %2</source>
            <translation>%1 Version %2</translation>
        </message>
        <message>
            <source>About </source>
            <translation>Über </translation>
        </message>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Giljotinen-Zuschnittpläne für Glasereien</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>lumora::AddNewDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Next</source>
            <translation>Weiter</translation>
        </message>
    </context>
    <context>
        <name>lumora::BalanceWindow</name>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Reststück- und Verschnitttabelle</translation>
        </message>
    </context>
    <context>
        <name>lumora::BasicDetailsWindow</name>
        <message>
            <source>Select I&amp;tem</source>
            <translation>Ar&amp;tikel wählen</translation>
        </message>
    </context>
    <context>
        <name>lumora::BrokenPiecesDialog</name>
        <message>
            <source>Recut</source>
            <translation>Nachschneiden</translation>
        </message>
        <message>
            <source>Broken Pieces</source>
            <translation>Bruchscheiben</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Select the pieces that broke: they go into a new job, cut from the library's leftovers first.</source>
            <translation>Wählen Sie die gebrochenen Scheiben: Sie kommen in einen neuen Auftrag und werden zuerst aus den Reststücken der Bibliothek geschnitten.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChargeableSizeWindow</name>
        <message>
            <source>Done</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>Chargeable Size Definition</source>
            <translation>Festlegung der berechneten Größe</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChildWindowPlaces</name>
        <message>
            <source>&amp;Tile</source>
            <translation>&amp;Nebeneinander</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>Über&amp;lappend</translation>
        </message>
    </context>
    <context>
        <name>lumora::ConfigureWindow</name>
        <message>
            <source>Configure</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Chargeable Size</source>
            <translation>Berechnete Größe</translation>
        </message>
        <message>
            <source>Scrap Criteria</source>
            <translation>Verschnittkriterien</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etiketten</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Sonstiges</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>The language applies at the next start.</source>
            <translation>Die Sprache gilt ab dem nächsten Start.</translation>
        </message>
        <message>
            <source>Print in the chosen language</source>
            <translation>In der gewählten Sprache drucken</translation>
        </message>
        <message>
            <source>The field captions of printed labels; the files stay in English</source>
            <translation>Die Feldbezeichnungen gedruckter Etiketten; die Dateien bleiben englisch</translation>
        </message>
    </context>
    <context>
        <name>lumora::CuttingLineWindow</name>
        <message>
            <source>no limit</source>
            <translation>keine Grenze</translation>
        </message>
        <message>
            <source>Cutting Line</source>
            <translation>Schneidlinie</translation>
        </message>
        <message>
            <source>Cut this job on the cutting line</source>
            <translation>Diesen Auftrag auf der Schneidlinie zuschneiden</translation>
        </message>
        <message>
            <source>2 stages</source>
            <translation>2 Stufen</translation>
        </message>
        <message>
            <source>3 stages</source>
            <translation>3 Stufen</translation>
        </message>
        <message>
            <source>3 stages and a trim cut</source>
            <translation>3 Stufen und ein Besäumschnitt</translation>
        </message>
        <message>
            <source>Unlimited</source>
            <translation>Unbegrenzt</translation>
        </message>
        <message>
            <source>&amp;Stages:</source>
            <translation>&amp;Stufen:</translation>
        </message>
        <message>
            <source>Vertical (strips side by side)</source>
            <translation>Senkrecht (Streifen nebeneinander)</translation>
        </message>
        <message>
            <source>Horizontal (strips one above another)</source>
            <translation>Waagerecht (Streifen übereinander)</translation>
        </message>
        <message>
            <source>&amp;First cut:</source>
            <translation>&amp;Erster Schnitt:</translation>
        </message>
        <message>
            <source>Strip width, l&amp;east:</source>
            <translation>Streifenbreite, m&amp;indestens:</translation>
        </message>
        <message>
            <source>Strip width, &amp;most:</source>
            <translation>Streifenbreite, &amp;höchstens:</translation>
        </message>
        <message>
            <source>&amp;Row height, least:</source>
            <translation>&amp;Reihenhöhe, mindestens:</translation>
        </message>
        <message>
            <source>&amp;Waste width, least:</source>
            <translation>&amp;Verschnittbreite, mindestens:</translation>
        </message>
        <message>
            <source>&amp;Cuts may pass through flaws</source>
            <translation>S&amp;chnitte dürfen durch Fehlerstellen gehen</translation>
        </message>
        <message>
            <source>Sheets are used in their listed &amp;order</source>
            <translation>Tafeln werden in ihrer aufgeführten Reihen&amp;folge verwendet</translation>
        </message>
    </context>
    <context>
        <name>lumora::DiaSettingsWindow</name>
        <message>
            <source>Apply</source>
            <translation>Übernehmen</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Schnittplan-Einstellungen</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Schnittplan</translation>
        </message>
        <message>
            <source>Printout</source>
            <translation>Ausdruck</translation>
        </message>
    </context>
    <context>
        <name>lumora::FlawEditorWindow</name>
        <message>
            <source>SHEET</source>
            <translation>TAFEL</translation>
        </message>
        <message>
            <source>X (MM)</source>
            <translation>X (MM)</translation>
        </message>
        <message>
            <source>Y (MM)</source>
            <translation>Y (MM)</translation>
        </message>
        <message>
            <source>W (MM)</source>
            <translation>B (MM)</translation>
        </message>
        <message>
            <source>H (MM)</source>
            <translation>H (MM)</translation>
        </message>
        <message>
            <source>Flaws of Sheet Row %1</source>
            <translation>Fehlerstellen der Tafelzeile %1</translation>
        </message>
        <message>
            <source>Sheet </source>
            <translation>Tafel </translation>
        </message>
        <message>
            <source> of %1</source>
            <translation> von %1</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>Drag on the sheet to add a flaw; Delete removes the selected one.</source>
            <translation>Auf der Tafel ziehen fügt eine Fehlerstelle hinzu; Entf löscht die gewählte.</translation>
        </message>
    </context>
    <context>
        <name>lumora::GlassWindow</name>
        <message>
            <source>ORN 1: glass L1 along the coil's L1</source>
            <translation>ORN 1: Glas-L1 entlang L1 der Rolle</translation>
        </message>
        <message>
            <source>ORN 1: glass L1 along the sheet's L1</source>
            <translation>ORN 1: Glas-L1 entlang L1 der Tafel</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the coil's L2</source>
            <translation>ORN 2: Glas-L1 entlang L2 der Rolle</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the sheet's L2</source>
            <translation>ORN 2: Glas-L1 entlang L2 der Tafel</translation>
        </message>
        <message>
            <source>Total QTY:</source>
            <translation>Gesamtmenge:</translation>
        </message>
        <message>
            <source>Stack of Glass Row %1</source>
            <translation>Stapel der Glaszeile %1</translation>
        </message>
        <message>
            <source>in grid order</source>
            <translation>in Tabellenreihenfolge</translation>
        </message>
        <message>
            <source>&amp;Stack (empty for none):</source>
            <translation>&amp;Stapel (leer für keinen):</translation>
        </message>
        <message>
            <source>&amp;Place in the stack:</source>
            <translation>P&amp;latz im Stapel:</translation>
        </message>
        <message>
            <source>Stack...</source>
            <translation>Stapel...</translation>
        </message>
        <message>
            <source>The stack the current row's pieces go to, and their place in it</source>
            <translation>Der Stapel, auf den die Scheiben der aktuellen Zeile kommen, und ihr Platz darin</translation>
        </message>
        <message>
            <source>Stack: %1%2</source>
            <translation>Stapel: %1%2</translation>
        </message>
        <message>
            <source>, place %1</source>
            <translation>, Platz %1</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridToolBar</name>
        <message>
            <source>Export to Spreadsheet...</source>
            <translation>In Tabellenkalkulation exportieren...</translation>
        </message>
        <message>
            <source>Sort Ascending</source>
            <translation>Aufsteigend sortieren</translation>
        </message>
        <message>
            <source>Sort Descending</source>
            <translation>Absteigend sortieren</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Druckvorschau</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Einfügen</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridWidget</name>
        <message>
            <source>Print Preview</source>
            <translation>Druckvorschau</translation>
        </message>
    </context>
    <context>
        <name>lumora::ItemChoiceWindow</name>
        <message>
            <source>Select</source>
            <translation>Auswählen</translation>
        </message>
        <message>
            <source>Item Choice</source>
            <translation>Artikelauswahl</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobExchange</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Glasliste importieren...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Lagerliste importieren...</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Exportieren...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Fenster</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobGridWindow</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Glasliste importieren...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Lagerliste importieren...</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Grunddaten</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Rollen-Angaben</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Tafel-Angaben</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Glasmaß-Angaben</translation>
        </message>
        <message>
            <source>     Unit: </source>
            <translation>     Einheit: </translation>
        </message>
    </context>
    <context>
        <name>lumora::LabelsWindow</name>
        <message>
            <source>Rows of labels on a page</source>
            <translation>Etikettenreihen auf einer Seite</translation>
        </message>
        <message>
            <source>Labels side by side in a row</source>
            <translation>Etiketten nebeneinander in einer Reihe</translation>
        </message>
        <message>
            <source>Horizontal start: the character column where the first label of a row begins (1 is the left edge)</source>
            <translation>Horizontaler Anfang: die Zeichenspalte, in der das erste Etikett einer Reihe beginnt (1 ist der linke Rand)</translation>
        </message>
        <message>
            <source>Horizontal pitch: characters from the start of one label to the start of the next</source>
            <translation>Horizontaler Abstand: Zeichen vom Anfang eines Etiketts bis zum Anfang des nächsten</translation>
        </message>
        <message>
            <source>Vertical start: empty lines at the top of every page</source>
            <translation>Vertikaler Anfang: Leerzeilen oben auf jeder Seite</translation>
        </message>
        <message>
            <source>Vertical pitch: empty lines after every row of labels</source>
            <translation>Vertikaler Abstand: Leerzeilen nach jeder Etikettenreihe</translation>
        </message>
        <message>
            <source>Define Labels</source>
            <translation>Etiketten festlegen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Etiketten drucken</translation>
        </message>
    </context>
    <context>
        <name>lumora::Launcher</name>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Giljotinen-Zuschnittpläne für Glasereien</translation>
        </message>
        <message>
            <source>Base Module</source>
            <translation>Grundmodul</translation>
        </message>
        <message>
            <source>S D R</source>
            <translation>S D R</translation>
        </message>
        <message>
            <source>Strandor</source>
            <translation>Strandor</translation>
        </message>
        <message>
            <source>M L M</source>
            <translation>M L M</translation>
        </message>
        <message>
            <source>Material Library Manager</source>
            <translation>Materialbibliothek</translation>
        </message>
        <message>
            <source>P L M</source>
            <translation>P L M</translation>
        </message>
        <message>
            <source>Product Library Manager</source>
            <translation>Produktbibliothek</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Produkte laden</translation>
        </message>
        <message>
            <source>Configure</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Modify Settings</source>
            <translation>Einstellungen ändern</translation>
        </message>
        <message>
            <source>About...</source>
            <translation>Über...</translation>
        </message>
        <message>
            <source>About LUMORA</source>
            <translation>Über LUMORA</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Close LUMORA</source>
            <translation>LUMORA beenden</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutEditing</name>
        <message>
            <source>Undo</source>
            <translation>Rückgängig</translation>
        </message>
        <message>
            <source>Undo the last change of the layouts (Ctrl+Z)</source>
            <translation>Letzte Änderung der Schnittpläne rückgängig machen (Strg+Z)</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>Redo the change undone (Ctrl+Shift+Z)</source>
            <translation>Rückgängig gemachte Änderung wiederholen (Strg+Umschalt+Z)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutsWindow</name>
        <message>
            <source>Stretch</source>
            <translation>Strecken</translation>
        </message>
        <message>
            <source>Stretch the layout to the height of the view</source>
            <translation>Schnittplan auf die Höhe der Ansicht strecken</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>Print Layouts</source>
            <translation>Schnittpläne drucken</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etiketten</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Etiketten drucken</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Schnittplan-Einstellungen</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Edit Layout</source>
            <translation>Schnittplan bearbeiten</translation>
        </message>
        <message>
            <source>Alternate</source>
            <translation>Alternative</translation>
        </message>
        <message>
            <source>Alternate Arrangement</source>
            <translation>Alternative Anordnung</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Schnittpläne</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Einpassen</translation>
        </message>
        <message>
            <source>Back to the whole sheet (Ctrl + wheel, + and - zoom)</source>
            <translation>Zurück zur ganzen Tafel (Strg + Mausrad, + und - zoomen)</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Vorschau</translation>
        </message>
        <message>
            <source>Print Preview of every layout</source>
            <translation>Druckvorschau aller Schnittpläne</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Druckvorschau</translation>
        </message>
        <message>
            <source>Labels Preview</source>
            <translation>Etikettenvorschau</translation>
        </message>
        <message>
            <source>Print Preview of the labels</source>
            <translation>Druckvorschau der Etiketten</translation>
        </message>
        <message>
            <source>Export DXF...</source>
            <translation>DXF exportieren...</translation>
        </message>
        <message>
            <source>Write every layout into one DXF drawing</source>
            <translation>Alle Schnittpläne in eine DXF-Zeichnung schreiben</translation>
        </message>
        <message>
            <source>Broken...</source>
            <translation>Bruch...</translation>
        </message>
        <message>
            <source>Cut broken pieces again in a new job (Ctrl+click marks a piece on the drawing)</source>
            <translation>Gebrochene Scheiben in einem neuen Auftrag nachschneiden (Strg+Klick markiert eine Scheibe in der Zeichnung)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LibraryWindow</name>
        <message>
            <source>Done</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aktualisieren</translation>
        </message>
    </context>
    <context>
        <name>lumora::ListImportDialog</name>
        <message>
            <source>The first line names the columns</source>
            <translation>Die erste Zeile benennt die Spalten</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Glasliste importieren</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Lagerliste importieren</translation>
        </message>
        <message>
            <source>Lengths in</source>
            <translation>Längen in</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(keine)</translation>
        </message>
        <message>
            <source>%L1 rows to import.</source>
            <translation>%L1 Zeilen zu importieren.</translation>
        </message>
        <message>
            <source>%L1 rows to import. Lines that do not fit:
%2</source>
            <translation>%L1 Zeilen zu importieren. Zeilen, die nicht passen:
%2</translation>
        </message>
    </context>
    <context>
        <name>lumora::LoadProductsWindow</name>
        <message>
            <source>Load</source>
            <translation>Laden</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Produkte laden</translation>
        </message>
        <message>
            <source>Base name of the job files</source>
            <translation>Grundname der Auftragsdateien</translation>
        </message>
        <message>
            <source>Make '.opt' files</source>
            <translation>'.opt'-Dateien erzeugen</translation>
        </message>
        <message>
            <source>File name</source>
            <translation>Dateiname</translation>
        </message>
    </context>
    <context>
        <name>lumora::MainWindow</name>
        <message>
            <source>Coi&amp;l Specifications</source>
            <translation>Ro&amp;llen-Angaben</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Grunddaten</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Rollen-Angaben</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Tafel-Angaben</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Glasmaß-Angaben</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>Bericht</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Schnittpläne</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Reststück- und Verschnitttabelle</translation>
        </message>
        <message>
            <source>Written: </source>
            <translation>Geschrieben: </translation>
        </message>
        <message>
            <source>Deep Optimization</source>
            <translation>Tiefe Optimierung</translation>
        </message>
        <message>
            <source>Time limit in seconds (the best result found by then is kept):</source>
            <translation>Zeitlimit in Sekunden (das bis dahin beste Ergebnis bleibt erhalten):</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Neu</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>Ö&amp;ffnen...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Speichern &amp;unter...</translation>
        </message>
        <message>
            <source>Save As Defaults</source>
            <translation>Als Vorgabe speichern</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Basic Details</source>
            <translation>&amp;Grunddaten</translation>
        </message>
        <message>
            <source>&amp;Sheet Specifications</source>
            <translation>&amp;Tafel-Angaben</translation>
        </message>
        <message>
            <source>&amp;Glass Size Specifications</source>
            <translation>&amp;Glasmaß-Angaben</translation>
        </message>
        <message>
            <source>&amp;Optimize</source>
            <translation>&amp;Optimieren</translation>
        </message>
        <message>
            <source>&amp;Start Optimization</source>
            <translation>Optimierung &amp;starten</translation>
        </message>
        <message>
            <source>Maximum Yield</source>
            <translation>Höchste Ausbeute</translation>
        </message>
        <message>
            <source>Minimum Layouts</source>
            <translation>Wenigste Schnittpläne</translation>
        </message>
        <message>
            <source>&amp;Deep Optimization...</source>
            <translation>&amp;Tiefe Optimierung...</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ansicht</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Bericht</translation>
        </message>
        <message>
            <source>&amp;Layouts</source>
            <translation>&amp;Schnittpläne</translation>
        </message>
        <message>
            <source>&amp;Balance And Scrap Table</source>
            <translation>&amp;Reststück- und Verschnitttabelle</translation>
        </message>
        <message>
            <source>&amp;Tools</source>
            <translation>&amp;Werkzeuge</translation>
        </message>
        <message>
            <source>&amp;Unit Conversion Tool</source>
            <translation>&amp;Einheitenumrechnung</translation>
        </message>
        <message>
            <source>&amp;Density Table</source>
            <translation>&amp;Dichtetabelle</translation>
        </message>
        <message>
            <source>Change Unit to &amp;IN</source>
            <translation>Einheit auf &amp;IN umstellen</translation>
        </message>
        <message>
            <source>Change Unit to &amp;MM</source>
            <translation>Einheit auf &amp;MM umstellen</translation>
        </message>
        <message>
            <source>Define &amp;Labels...</source>
            <translation>&amp;Etiketten festlegen...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>&amp;Lumora Help</source>
            <translation>&amp;Lumora-Hilfe</translation>
        </message>
        <message>
            <source>&amp;About LUMORA</source>
            <translation>Ü&amp;ber LUMORA</translation>
        </message>
        <message>
            <source>Toolbar</source>
            <translation>Werkzeugleiste</translation>
        </message>
        <message>
            <source>New FIle</source>
            <translation>Neue Datei</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Datei öffnen</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Datei speichern</translation>
        </message>
        <message>
            <source>Start Optimization</source>
            <translation>Optimierung starten</translation>
        </message>
        <message>
            <source>Change Unit to IN</source>
            <translation>Einheit auf IN umstellen</translation>
        </message>
        <message>
            <source>Change Unit to MM</source>
            <translation>Einheit auf MM umstellen</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Gestellplan</translation>
        </message>
        <message>
            <source>Cutting &amp;Line...</source>
            <translation>Schneid&amp;linie...</translation>
        </message>
        <message>
            <source>Rack &amp;Plan</source>
            <translation>&amp;Gestellplan</translation>
        </message>
    </context>
    <context>
        <name>lumora::ManualWindow</name>
        <message>
            <source>Lumora Help</source>
            <translation>Lumora-Hilfe</translation>
        </message>
        <message>
            <source>No web browser could show the manual; it is here as well as in the folder </source>
            <translation>Kein Webbrowser konnte das Handbuch anzeigen; es steht hier und im Ordner </translation>
        </message>
        <message>
            <source> (index.html is its first page).</source>
            <translation> (index.html ist seine erste Seite).</translation>
        </message>
    </context>
    <context>
        <name>lumora::MaterialLibraryWindow</name>
        <message>
            <source>Material Library Manager</source>
            <translation>Materialbibliothek</translation>
        </message>
    </context>
    <context>
        <name>lumora::MiscWindow</name>
        <message>
            <source>Misc</source>
            <translation>Sonstiges</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProductLibraryWindow</name>
        <message>
            <source>Product Library Manager</source>
            <translation>Produktbibliothek</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProgressWindow</name>
        <message>
            <source>Stop</source>
            <translation>Anhalten</translation>
        </message>
        <message>
            <source>Time Elapsed</source>
            <translation>Verstrichene Zeit</translation>
        </message>
        <message>
            <source>Total Time</source>
            <translation>Gesamtzeit</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Search steps:</source>
            <translation>Suchschritte:</translation>
        </message>
        <message>
            <source>Passes to go / improvements:</source>
            <translation>Verbleibende Durchläufe / Verbesserungen:</translation>
        </message>
    </context>
    <context>
        <name>lumora::RackPlanWindow</name>
        <message>
            <source>Rack Library...</source>
            <translation>Gestellbibliothek...</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Gestellplan</translation>
        </message>
        <message>
            <source>%1 pieces in breakout order: %2 in racks, %3 not racked.</source>
            <translation>%1 Scheiben in Ausbruchreihenfolge: %2 in Gestellen, %3 nicht aufgestellt.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ReportWindow</name>
        <message>
            <source>Report</source>
            <translation>Bericht</translation>
        </message>
    </context>
    <context>
        <name>lumora::ScrapCriteriaWindow</name>
        <message>
            <source>Scrap Criteria</source>
            <translation>Verschnittkriterien</translation>
        </message>
    </context>
    <context>
        <name>lumora::SettingsRowWindow</name>
        <message>
            <source>Apply</source>
            <translation>Übernehmen</translation>
        </message>
    </context>
    <context>
        <name>lumora::SheetWindow</name>
        <message>
            <source>Import</source>
            <translation>Importieren</translation>
        </message>
        <message>
            <source>Margin set on this side of the stock</source>
            <translation>Randabzug auf dieser Seite des Lagerglases</translation>
        </message>
        <message>
            <source>Flaws...</source>
            <translation>Fehlerstellen...</translation>
        </message>
        <message>
            <source>The flaws of the sheets of the current row</source>
            <translation>Die Fehlerstellen der Tafeln der aktuellen Zeile</translation>
        </message>
        <message>
            <source>%1 shaded row(s): leftovers from the material library</source>
            <translation>%1 schattierte Zeile(n): Reststücke aus der Materialbibliothek</translation>
        </message>
    </context>
    <context>
        <name>lumora::UnitConversionWindow</name>
        <message>
            <source>Unit Conversion Tool</source>
            <translation>Einheitenumrechnung</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>INPUT</source>
            <translation>EINGABE</translation>
        </message>
        <message>
            <source>OUTPUT</source>
            <translation>AUSGABE</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Einfügen</translation>
        </message>
    </context>
</TS>
