<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
    <context>
        <name>Core</name>
        <message>
            <source>The optimization is still running. Stop it and close?</source>
            <translation>L'ottimizzazione è ancora in corso. Fermarla e chiudere?</translation>
        </message>
        <message>
            <source>Cut order</source>
            <translation>Ordine di taglio</translation>
        </message>
        <message>
            <source>All dimensions</source>
            <translation>Tutte le quote</translation>
        </message>
        <message>
            <source>Deep optimization stopped. The best result found so far is kept.</source>
            <translation>Ottimizzazione approfondita fermata. Si tiene il miglior risultato trovato finora.</translation>
        </message>
        <message>
            <source>Deep optimization: starting from the standard engine's result...</source>
            <translation>Ottimizzazione approfondita: si parte dal risultato del motore standard...</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES specfied.</source>
            <translation>Nessuna MISURA VETRO valida indicata.</translation>
        </message>
        <message>
            <source>Wrong BLADE specfied.</source>
            <translation>LAMA indicata errata.</translation>
        </message>
        <message>
            <source>No valid COILS specified.</source>
            <translation>Nessun ROTOLO valido indicato.</translation>
        </message>
        <message>
            <source>No valid SHEETS specified.</source>
            <translation>Nessuna LASTRA valida indicata.</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES.</source>
            <translation>Nessuna MISURA VETRO valida.</translation>
        </message>
        <message>
            <source>Too many COILS: at most 32767 rows.</source>
            <translation>Troppi ROTOLI: al massimo 32767 righe.</translation>
        </message>
        <message>
            <source>Too many SHEETS: at most 32767 rows.</source>
            <translation>Troppe LASTRE: al massimo 32767 righe.</translation>
        </message>
        <message>
            <source>Too many GLASS SIZES: at most 32767 rows.</source>
            <translation>Troppe MISURE VETRO: al massimo 32767 righe.</translation>
        </message>
        <message>
            <source>Optimization done.</source>
            <translation>Ottimizzazione completata.</translation>
        </message>
        <message>
            <source>Optimization Stopped. After viewing the results, you can continue optimization from this point onwards till this file remains open.</source>
            <translation>Ottimizzazione fermata. Dopo aver visto i risultati, si può continuare l'ottimizzazione da questo punto finché il file resta aperto.</translation>
        </message>
        <message>
            <source>No complete result: a result holds at most 32767 layouts and 32767 layout elements.</source>
            <translation>Nessun risultato completo: un risultato contiene al massimo 32767 schemi e 32767 elementi di schema.</translation>
        </message>
        <message>
            <source>Preparing...</source>
            <translation>Preparazione...</translation>
        </message>
        <message>
            <source>Optimizing...</source>
            <translation>Ottimizzazione in corso...</translation>
        </message>
        <message>
            <source>Terminating...</source>
            <translation>Chiusura in corso...</translation>
        </message>
        <message>
            <source>Total Layouts      Overall Yield</source>
            <translation>Schemi totali      Resa totale</translation>
        </message>
        <message>
            <source>Time Remaining</source>
            <translation>Tempo rimanente</translation>
        </message>
        <message>
            <source>Save File...</source>
            <translation>Salva file...</translation>
        </message>
        <message>
            <source>open File...</source>
            <translation>Apri file...</translation>
        </message>
        <message>
            <source>Attention!</source>
            <translation>Attenzione!</translation>
        </message>
        <message>
            <source>Save changes in current file?</source>
            <translation>Salvare le modifiche nel file corrente?</translation>
        </message>
        <message>
            <source>Earlier version data file detected. Set the required tolerance and optimize.</source>
            <translation>Rilevato un file di una versione precedente. Impostare la tolleranza richiesta e ottimizzare.</translation>
        </message>
        <message>
            <source>Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do you want to continue?</source>
            <translation>I dati attuali di Dati di base e Opzioni di ottimizzazione saranno salvati come PREDEFINITI. Continuare?</translation>
        </message>
        <message>
            <source>Save Changes?</source>
            <translation>Salvare le modifiche?</translation>
        </message>
        <message>
            <source>Total Glass Size Area is MORE then Total Sheet Area!</source>
            <translation>L'area totale delle misure vetro è MAGGIORE dell'area totale delle lastre!</translation>
        </message>
        <message>
            <source>Start OPTIMIZATION?</source>
            <translation>Avviare l'OTTIMIZZAZIONE?</translation>
        </message>
        <message>
            <source>Alternate Arrangment for this layout is not possible</source>
            <translation>Per questo schema non è possibile una disposizione alternativa</translation>
        </message>
        <message>
            <source>Try &amp;Next Arrangement</source>
            <translation>Prova la disposizione &amp;successiva</translation>
        </message>
        <message>
            <source>&amp;Keep This Arrangement</source>
            <translation>&amp;Mantieni questa disposizione</translation>
        </message>
        <message>
            <source>&amp;Original Arrangement</source>
            <translation>Disposizione &amp;originale</translation>
        </message>
        <message>
            <source>Line Width for Printing</source>
            <translation>Spessore linea in stampa</translation>
        </message>
        <message>
            <source>Basic Details List</source>
            <translation>Elenco dati di base</translation>
        </message>
        <message>
            <source>Sheet Dimensions</source>
            <translation>Quote della lastra</translation>
        </message>
        <message>
            <source>Margin Dimensions</source>
            <translation>Quote dei margini</translation>
        </message>
        <message>
            <source>Only First In Block</source>
            <translation>Solo il primo del blocco</translation>
        </message>
        <message>
            <source>Glass Dimensions</source>
            <translation>Quote dei vetri</translation>
        </message>
        <message>
            <source>Glass Actual Dimensions</source>
            <translation>Quote reali dei vetri</translation>
        </message>
        <message>
            <source>Glass Description</source>
            <translation>Descrizione del vetro</translation>
        </message>
        <message>
            <source>Glass Color</source>
            <translation>Colore del vetro</translation>
        </message>
        <message>
            <source>Balance Dimensions</source>
            <translation>Quote degli avanzi</translation>
        </message>
        <message>
            <source>Balance Boundries</source>
            <translation>Contorni degli avanzi</translation>
        </message>
        <message>
            <source>Balance List</source>
            <translation>Elenco avanzi</translation>
        </message>
        <message>
            <source>What would you like to add to the existing layout?</source>
            <translation>Che cosa si vuole aggiungere allo schema esistente?</translation>
        </message>
        <message>
            <source>You have not selected any item</source>
            <translation>Non è stato selezionato alcun elemento</translation>
        </message>
        <message>
            <source>Delete / Resize Existing Balance</source>
            <translation>Elimina / ridimensiona avanzo esistente</translation>
        </message>
        <message>
            <source>Delete / Move Existing Glass-Piece</source>
            <translation>Elimina / sposta vetro esistente</translation>
        </message>
        <message>
            <source>Delete / Modify Existing Balance</source>
            <translation>Elimina / modifica avanzo esistente</translation>
        </message>
        <message>
            <source>Define Position &amp; Size of New Balance</source>
            <translation>Definisci posizione e misura del nuovo avanzo</translation>
        </message>
        <message>
            <source>Define Position &amp; Orientation of New Glass-Piece</source>
            <translation>Definisci posizione e orientamento del nuovo vetro</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Sposta</translation>
        </message>
        <message>
            <source>Modify</source>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Nota:</translation>
        </message>
        <message>
            <source>XS and YS are Coordinates of the LEFT-TOP corner</source>
            <translation>XS e YS sono le coordinate dell'angolo IN ALTO A SINISTRA</translation>
        </message>
        <message>
            <source>DIM-X (Horizontal) and DIM-Y (Vertical) are the Dimensions</source>
            <translation>DIM-X (orizzontale) e DIM-Y (verticale) sono le misure</translation>
        </message>
        <message>
            <source>ORN  (1 or 2) is the Orientation</source>
            <translation>ORN  (1 o 2) è l'orientamento</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Ridimensiona</translation>
        </message>
        <message>
            <source>In order to edit the layout current unit need to be MM, Change now ?</source>
            <translation>Per modificare lo schema l'unità deve essere MM. Cambiarla ora?</translation>
        </message>
        <message>
            <source>This file was not optimized.</source>
            <translation>Questo file non è stato ottimizzato.</translation>
        </message>
        <message>
            <source>Material specified was not found in stock. Do you want select item from the stock ?</source>
            <translation>Il materiale indicato non è in magazzino. Scegliere un articolo dal magazzino?</translation>
        </message>
        <message>
            <source>Sheet Library is empty</source>
            <translation>La libreria lastre è vuota</translation>
        </message>
        <message>
            <source>Update Material Library?</source>
            <translation>Aggiornare la libreria materiali?</translation>
        </message>
        <message>
            <source>Material Library Updated!</source>
            <translation>Libreria materiali aggiornata!</translation>
        </message>
        <message>
            <source>Layout and position</source>
            <translation>Schema e posizione</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>Codice</translation>
        </message>
        <message>
            <source>Recover the job you were working on?</source>
            <translation>Recuperare la commessa su cui si stava lavorando?</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Importa elenco vetri</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Importa elenco magazzino</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Esporta</translation>
        </message>
        <message>
            <source>Export DXF</source>
            <translation>Esporta DXF</translation>
        </message>
        <message>
            <source>Excel Workbook</source>
            <translation>Cartella di lavoro Excel</translation>
        </message>
        <message>
            <source>CSV (Comma delimited)</source>
            <translation>CSV (delimitato da virgole)</translation>
        </message>
        <message>
            <source>Lists</source>
            <translation>Elenchi</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Tutti i file</translation>
        </message>
        <message>
            <source>DXF drawings</source>
            <translation>Disegni DXF</translation>
        </message>
        <message>
            <source>Overall Yield (%)</source>
            <translation>Resa totale (%)</translation>
        </message>
        <message>
            <source>Total Layouts</source>
            <translation>Schemi totali</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Utile</translation>
        </message>
        <message>
            <source>ITEM</source>
            <translation>ARTICOLO</translation>
        </message>
        <message>
            <source>ADDRESS</source>
            <translation>INDIRIZZO</translation>
        </message>
        <message>
            <source>MAT</source>
            <translation>MAT</translation>
        </message>
        <message>
            <source>GRADE</source>
            <translation>QUALITÀ</translation>
        </message>
        <message>
            <source>LAYOUT</source>
            <translation>SCHEMA</translation>
        </message>
        <message>
            <source>ROWS</source>
            <translation>RIGHE</translation>
        </message>
        <message>
            <source>COLS</source>
            <translation>COLONNE</translation>
        </message>
        <message>
            <source>THICK</source>
            <translation>SPESSORE</translation>
        </message>
        <message>
            <source>KERF</source>
            <translation>SOLCO</translation>
        </message>
        <message>
            <source>BLADE</source>
            <translation>LAMA</translation>
        </message>
        <message>
            <source>LENGTH</source>
            <translation>LUNGHEZZA</translation>
        </message>
        <message>
            <source>WIDTH</source>
            <translation>LARGHEZZA</translation>
        </message>
        <message>
            <source>QTY</source>
            <translation>QTÀ</translation>
        </message>
        <message>
            <source>TAG</source>
            <translation>ETICHETTA</translation>
        </message>
        <message>
            <source>CUSTOMER</source>
            <translation>CLIENTE</translation>
        </message>
        <message>
            <source>PRODUCT</source>
            <translation>PRODOTTO</translation>
        </message>
        <message>
            <source>SITE</source>
            <translation>CANTIERE</translation>
        </message>
        <message>
            <source>REF</source>
            <translation>RIF</translation>
        </message>
        <message>
            <source>FROM</source>
            <translation>DA</translation>
        </message>
        <message>
            <source>PRODUCTS</source>
            <translation>PRODOTTI</translation>
        </message>
        <message>
            <source>DENSITY</source>
            <translation>DENSITÀ</translation>
        </message>
        <message>
            <source>NOTE</source>
            <translation>NOTA</translation>
        </message>
        <message>
            <source>REPORT</source>
            <translation>RAPPORTO</translation>
        </message>
        <message>
            <source>UNIT</source>
            <translation>UNITÀ</translation>
        </message>
        <message>
            <source>Paste from clipboard ?</source>
            <translation>Incollare dagli appunti?</translation>
        </message>
        <message>
            <source>You are trying to change data. You need to optimize again. 

Continue?</source>
            <translation>Si stanno modificando i dati. Sarà necessario ottimizzare di nuovo. 

Continuare?</translation>
        </message>
        <message>
            <source>Sr No</source>
            <translation>N.</translation>
        </message>
        <message>
            <source>Use leftovers first</source>
            <translation>Usare prima gli sfridi</translation>
        </message>
        <message>
            <source>Keep one leftover</source>
            <translation>Tenere uno sfrido</translation>
        </message>
        <message>
            <source>Breakout numbers</source>
            <translation>Numeri di scarico</translation>
        </message>
        <message>
            <source>Labels in breakout order</source>
            <translation>Etichette in ordine di scarico</translation>
        </message>
        <message>
            <source>Rack and slot on labels</source>
            <translation>Cavalletto e posto sulle etichette</translation>
        </message>
        <message>
            <source>Density Table</source>
            <translation>Tabella densità</translation>
        </message>
        <message>
            <source>Rack Library</source>
            <translation>Libreria cavalletti</translation>
        </message>
        <message>
            <source>RACK</source>
            <translation>CAVALLETTO</translation>
        </message>
        <message>
            <source>SLOTS</source>
            <translation>POSTI</translation>
        </message>
        <message>
            <source>PIECES</source>
            <translation>PEZZI</translation>
        </message>
        <message>
            <source>LOAD (KG)</source>
            <translation>CARICO (KG)</translation>
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
            <translation>Piano cavalletti</translation>
        </message>
        <message>
            <source>Racks</source>
            <translation>Cavalletti</translation>
        </message>
        <message>
            <source>Not Racked</source>
            <translation>Non sistemati</translation>
        </message>
        <message>
            <source>Rack</source>
            <translation>Cavalletto</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Posto</translation>
        </message>
        <message>
            <source>In Slot</source>
            <translation>Nel posto</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Motivo</translation>
        </message>
        <message>
            <source>Slots</source>
            <translation>Posti</translation>
        </message>
        <message>
            <source>Slots Used</source>
            <translation>Posti usati</translation>
        </message>
        <message>
            <source>Pieces</source>
            <translation>Pezzi</translation>
        </message>
        <message>
            <source>Load(kg)</source>
            <translation>Carico(kg)</translation>
        </message>
        <message>
            <source>Most Load(kg)</source>
            <translation>Carico max(kg)</translation>
        </message>
        <message>
            <source>No.</source>
            <translation>N.</translation>
        </message>
        <message>
            <source>Layout No.</source>
            <translation>Schema N.</translation>
        </message>
        <message>
            <source>Sheet</source>
            <translation>Lastra</translation>
        </message>
        <message>
            <source>Breakout</source>
            <translation>Scarico</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Posizione</translation>
        </message>
        <message>
            <source>Customer</source>
            <translation>Cliente</translation>
        </message>
        <message>
            <source>Sr.No</source>
            <translation>N.Ser.</translation>
        </message>
        <message>
            <source>Weight(kg)</source>
            <translation>Peso(kg)</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).

Start it now?</source>
            <translation>Questa commessa ha difetti, pile o regole della linea di taglio: richiede l'ottimizzazione approfondita (Maiusc+F5).

Avviarla ora?</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).</source>
            <translation>Questa commessa ha difetti, pile o regole della linea di taglio: richiede l'ottimizzazione approfondita (Maiusc+F5).</translation>
        </message>
        <message>
            <source>Choose the row of the sheets whose flaws you want to edit.</source>
            <translation>Scegliere la riga delle lastre di cui modificare i difetti.</translation>
        </message>
        <message>
            <source>Sheet(s) Utilization Summary</source>
            <translation>Riepilogo utilizzo lastre</translation>
        </message>
        <message>
            <source>Glass Size(s) Summary</source>
            <translation>Riepilogo misure vetro</translation>
        </message>
        <message>
            <source>Cost &amp; Area Summary</source>
            <translation>Riepilogo costi e superfici</translation>
        </message>
        <message>
            <source>Overall Yield(%)</source>
            <translation>Resa totale(%)</translation>
        </message>
        <message>
            <source>Sheet Size</source>
            <translation>Misura lastra</translation>
        </message>
        <message>
            <source>Glass Sizes</source>
            <translation>Misure vetro</translation>
        </message>
        <message>
            <source>Yield(%)</source>
            <translation>Resa(%)</translation>
        </message>
        <message>
            <source>TOTAL</source>
            <translation>TOTALE</translation>
        </message>
        <message>
            <source>Item:</source>
            <translation>Articolo:</translation>
        </message>
        <message>
            <source>Unit:</source>
            <translation>Unità:</translation>
        </message>
        <message>
            <source>Qty</source>
            <translation>Q.tà</translation>
        </message>
        <message>
            <source>Pcs</source>
            <translation>pz</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>Area</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Avanzi</translation>
        </message>
        <message>
            <source>Wastage</source>
            <translation>Sfrido</translation>
        </message>
        <message>
            <source>Entity</source>
            <translation>Voce</translation>
        </message>
        <message>
            <source>POS</source>
            <translation>POS</translation>
        </message>
        <message>
            <source>SLOT</source>
            <translation>POSTO</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>File:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Data:</translation>
        </message>
        <message>
            <source>%1 missing in sheet number (%2), Proceed?</source>
            <translation>%1 mancante nella lastra numero (%2). Procedere?</translation>
        </message>
        <message>
            <source>%1 missing in glass size (%2), Proceed?</source>
            <translation>%1 mancante nella misura vetro (%2). Procedere?</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>Impossibile aprire %1: %2</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>Impossibile salvare %1: %2</translation>
        </message>
        <message>
            <source>Could not read %1</source>
            <translation>Impossibile leggere %1</translation>
        </message>
        <message>
            <source>%1 holds no rack.</source>
            <translation>%1 non contiene cavalletti.</translation>
        </message>
        <message>
            <source>%1 has no density for %2: its weights are 0.</source>
            <translation>%1 non ha la densità di %2: i suoi pesi sono 0.</translation>
        </message>
        <message>
            <source>Too many pieces: more than %1.</source>
            <translation>Troppi pezzi: più di %1.</translation>
        </message>
        <message>
            <source>The layout file is damaged: %1</source>
            <translation>Il file degli schemi è danneggiato: %1</translation>
        </message>
        <message>
            <source>SR.NO</source>
            <translation>N.SER.</translation>
        </message>
        <message>
            <source>A/C</source>
            <translation>CONTO</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Plans guillotine cuts of glass pieces from stock sheets.</source>
            <translation>Pianifica i tagli a ghigliottina dei pezzi di vetro dalle lastre a magazzino.</translation>
        </message>
        <message>
            <source>The data folder to use.</source>
            <translation>La cartella dati da usare.</translation>
        </message>
        <message>
            <source>The language of this run (en, de, it, es, fr, tr).</source>
            <translation>La lingua di questa esecuzione (en, de, it, es, fr, tr).</translation>
        </message>
        <message>
            <source>A job file to open.</source>
            <translation>Un file di commessa da aprire.</translation>
        </message>
        <message>
            <source>%1 is already running</source>
            <translation>%1 è già in esecuzione</translation>
        </message>
    </context>
    <context>
        <name>lumora::AboutWindow</name>
        <message>
            <source>%1 version %2</source>
            <translation>%1 versione %2</translation>
        </message>
        <message>
            <source>About </source>
            <translation>Informazioni su </translation>
        </message>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Schemi di taglio a ghigliottina per vetrerie</translation>
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
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Next</source>
            <translation>Avanti</translation>
        </message>
    </context>
    <context>
        <name>lumora::BalanceWindow</name>
        <message>
            <source>Export</source>
            <translation>Esporta</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Tabella avanzi e sfridi</translation>
        </message>
    </context>
    <context>
        <name>lumora::BasicDetailsWindow</name>
        <message>
            <source>Select I&amp;tem</source>
            <translation>Seleziona ar&amp;ticolo</translation>
        </message>
    </context>
    <context>
        <name>lumora::BrokenPiecesDialog</name>
        <message>
            <source>Recut</source>
            <translation>Ritagliare</translation>
        </message>
        <message>
            <source>Broken Pieces</source>
            <translation>Pezzi rotti</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Select the pieces that broke: they go into a new job, cut from the library's leftovers first.</source>
            <translation>Scegliere i pezzi rotti: vanno in una nuova commessa, tagliati prima dagli sfridi della libreria.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChargeableSizeWindow</name>
        <message>
            <source>Done</source>
            <translation>Fatto</translation>
        </message>
        <message>
            <source>Chargeable Size Definition</source>
            <translation>Definizione della misura fatturabile</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChildWindowPlaces</name>
        <message>
            <source>&amp;Tile</source>
            <translation>&amp;Affianca</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>&amp;Sovrapponi</translation>
        </message>
    </context>
    <context>
        <name>lumora::ConfigureWindow</name>
        <message>
            <source>Configure</source>
            <translation>Configura</translation>
        </message>
        <message>
            <source>Chargeable Size</source>
            <translation>Misura fatturabile</translation>
        </message>
        <message>
            <source>Scrap Criteria</source>
            <translation>Criteri di sfrido</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etichette</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Varie</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>The language applies at the next start.</source>
            <translation>La lingua vale dal prossimo avvio.</translation>
        </message>
        <message>
            <source>Print in the chosen language</source>
            <translation>Stampa nella lingua scelta</translation>
        </message>
        <message>
            <source>The field captions of printed labels; the files stay in English</source>
            <translation>Le didascalie dei campi delle etichette stampate; i file restano in inglese</translation>
        </message>
    </context>
    <context>
        <name>lumora::CuttingLineWindow</name>
        <message>
            <source>no limit</source>
            <translation>nessun limite</translation>
        </message>
        <message>
            <source>Cutting Line</source>
            <translation>Linea di taglio</translation>
        </message>
        <message>
            <source>Cut this job on the cutting line</source>
            <translation>Tagliare questa commessa sulla linea di taglio</translation>
        </message>
        <message>
            <source>2 stages</source>
            <translation>2 stadi</translation>
        </message>
        <message>
            <source>3 stages</source>
            <translation>3 stadi</translation>
        </message>
        <message>
            <source>3 stages and a trim cut</source>
            <translation>3 stadi e un taglio di rifilo</translation>
        </message>
        <message>
            <source>Unlimited</source>
            <translation>Illimitati</translation>
        </message>
        <message>
            <source>&amp;Stages:</source>
            <translation>&amp;Stadi:</translation>
        </message>
        <message>
            <source>Vertical (strips side by side)</source>
            <translation>Verticale (strisce affiancate)</translation>
        </message>
        <message>
            <source>Horizontal (strips one above another)</source>
            <translation>Orizzontale (strisce una sopra l'altra)</translation>
        </message>
        <message>
            <source>&amp;First cut:</source>
            <translation>&amp;Primo taglio:</translation>
        </message>
        <message>
            <source>Strip width, l&amp;east:</source>
            <translation>Larghezza striscia, m&amp;inima:</translation>
        </message>
        <message>
            <source>Strip width, &amp;most:</source>
            <translation>Larghezza striscia, &amp;massima:</translation>
        </message>
        <message>
            <source>&amp;Row height, least:</source>
            <translation>Altezza &amp;fila, minima:</translation>
        </message>
        <message>
            <source>&amp;Waste width, least:</source>
            <translation>Larghezza &amp;sfrido, minima:</translation>
        </message>
        <message>
            <source>&amp;Cuts may pass through flaws</source>
            <translation>I &amp;tagli possono attraversare i difetti</translation>
        </message>
        <message>
            <source>Sheets are used in their listed &amp;order</source>
            <translation>Le lastre si usano nell'&amp;ordine elencato</translation>
        </message>
    </context>
    <context>
        <name>lumora::DiaSettingsWindow</name>
        <message>
            <source>Apply</source>
            <translation>Applica</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Impostazioni schema di taglio</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Schema di taglio</translation>
        </message>
        <message>
            <source>Printout</source>
            <translation>Stampa</translation>
        </message>
    </context>
    <context>
        <name>lumora::FlawEditorWindow</name>
        <message>
            <source>SHEET</source>
            <translation>LASTRA</translation>
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
            <translation>L (MM)</translation>
        </message>
        <message>
            <source>H (MM)</source>
            <translation>A (MM)</translation>
        </message>
        <message>
            <source>Flaws of Sheet Row %1</source>
            <translation>Difetti della riga lastra %1</translation>
        </message>
        <message>
            <source>Sheet </source>
            <translation>Lastra </translation>
        </message>
        <message>
            <source> of %1</source>
            <translation> di %1</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Elimina</translation>
        </message>
        <message>
            <source>Drag on the sheet to add a flaw; Delete removes the selected one.</source>
            <translation>Trascinare sulla lastra per aggiungere un difetto; Canc elimina quello scelto.</translation>
        </message>
    </context>
    <context>
        <name>lumora::GlassWindow</name>
        <message>
            <source>ORN 1: glass L1 along the coil's L1</source>
            <translation>ORN 1: L1 del vetro lungo L1 del rotolo</translation>
        </message>
        <message>
            <source>ORN 1: glass L1 along the sheet's L1</source>
            <translation>ORN 1: L1 del vetro lungo L1 della lastra</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the coil's L2</source>
            <translation>ORN 2: L1 del vetro lungo L2 del rotolo</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the sheet's L2</source>
            <translation>ORN 2: L1 del vetro lungo L2 della lastra</translation>
        </message>
        <message>
            <source>Total QTY:</source>
            <translation>Quantità totale:</translation>
        </message>
        <message>
            <source>Stack of Glass Row %1</source>
            <translation>Pila della riga vetro %1</translation>
        </message>
        <message>
            <source>in grid order</source>
            <translation>in ordine di griglia</translation>
        </message>
        <message>
            <source>&amp;Stack (empty for none):</source>
            <translation>&amp;Pila (vuota per nessuna):</translation>
        </message>
        <message>
            <source>&amp;Place in the stack:</source>
            <translation>P&amp;osto nella pila:</translation>
        </message>
        <message>
            <source>Stack...</source>
            <translation>Pila...</translation>
        </message>
        <message>
            <source>The stack the current row's pieces go to, and their place in it</source>
            <translation>La pila in cui vanno i pezzi della riga corrente e il loro posto in essa</translation>
        </message>
        <message>
            <source>Stack: %1%2</source>
            <translation>Pila: %1%2</translation>
        </message>
        <message>
            <source>, place %1</source>
            <translation>, posto %1</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridToolBar</name>
        <message>
            <source>Export to Spreadsheet...</source>
            <translation>Esporta in foglio di calcolo...</translation>
        </message>
        <message>
            <source>Sort Ascending</source>
            <translation>Ordine crescente</translation>
        </message>
        <message>
            <source>Sort Descending</source>
            <translation>Ordine decrescente</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Stampa</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Anteprima di stampa</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copia</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Incolla</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridWidget</name>
        <message>
            <source>Print Preview</source>
            <translation>Anteprima di stampa</translation>
        </message>
    </context>
    <context>
        <name>lumora::ItemChoiceWindow</name>
        <message>
            <source>Select</source>
            <translation>Seleziona</translation>
        </message>
        <message>
            <source>Item Choice</source>
            <translation>Scelta articolo</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobExchange</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Importa elenco vetri...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Importa elenco magazzino...</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Esporta...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>F&amp;inestra</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobGridWindow</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Importa elenco vetri...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Importa elenco magazzino...</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Dati di base</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Specifiche rotoli</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Specifiche lastre</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Specifiche misure vetro</translation>
        </message>
        <message>
            <source>     Unit: </source>
            <translation>     Unità: </translation>
        </message>
    </context>
    <context>
        <name>lumora::LabelsWindow</name>
        <message>
            <source>Rows of labels on a page</source>
            <translation>Righe di etichette per pagina</translation>
        </message>
        <message>
            <source>Labels side by side in a row</source>
            <translation>Etichette affiancate in una riga</translation>
        </message>
        <message>
            <source>Horizontal start: the character column where the first label of a row begins (1 is the left edge)</source>
            <translation>Inizio orizzontale: la colonna di caratteri in cui inizia la prima etichetta di una riga (1 è il bordo sinistro)</translation>
        </message>
        <message>
            <source>Horizontal pitch: characters from the start of one label to the start of the next</source>
            <translation>Passo orizzontale: caratteri dall'inizio di un'etichetta all'inizio della successiva</translation>
        </message>
        <message>
            <source>Vertical start: empty lines at the top of every page</source>
            <translation>Inizio verticale: righe vuote in cima a ogni pagina</translation>
        </message>
        <message>
            <source>Vertical pitch: empty lines after every row of labels</source>
            <translation>Passo verticale: righe vuote dopo ogni riga di etichette</translation>
        </message>
        <message>
            <source>Define Labels</source>
            <translation>Definisci etichette</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Stampa etichette</translation>
        </message>
    </context>
    <context>
        <name>lumora::Launcher</name>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Schemi di taglio a ghigliottina per vetrerie</translation>
        </message>
        <message>
            <source>Base Module</source>
            <translation>Modulo base</translation>
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
            <translation>Gestione libreria materiali</translation>
        </message>
        <message>
            <source>P L M</source>
            <translation>P L M</translation>
        </message>
        <message>
            <source>Product Library Manager</source>
            <translation>Gestione libreria prodotti</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Carica prodotti</translation>
        </message>
        <message>
            <source>Configure</source>
            <translation>Configura</translation>
        </message>
        <message>
            <source>Modify Settings</source>
            <translation>Modifica impostazioni</translation>
        </message>
        <message>
            <source>About...</source>
            <translation>Informazioni...</translation>
        </message>
        <message>
            <source>About LUMORA</source>
            <translation>Informazioni su LUMORA</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Esci</translation>
        </message>
        <message>
            <source>Close LUMORA</source>
            <translation>Chiudi LUMORA</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutEditing</name>
        <message>
            <source>Undo</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Undo the last change of the layouts (Ctrl+Z)</source>
            <translation>Annulla l'ultima modifica degli schemi di taglio (Ctrl+Z)</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Ripeti</translation>
        </message>
        <message>
            <source>Redo the change undone (Ctrl+Shift+Z)</source>
            <translation>Ripeti la modifica annullata (Ctrl+Maiusc+Z)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutsWindow</name>
        <message>
            <source>Stretch</source>
            <translation>Allunga</translation>
        </message>
        <message>
            <source>Stretch the layout to the height of the view</source>
            <translation>Allunga lo schema di taglio all'altezza della vista</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Stampa</translation>
        </message>
        <message>
            <source>Print Layouts</source>
            <translation>Stampa schemi di taglio</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etichette</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Stampa etichette</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Impostazioni schema di taglio</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>Edit Layout</source>
            <translation>Modifica schema di taglio</translation>
        </message>
        <message>
            <source>Alternate</source>
            <translation>Alternativa</translation>
        </message>
        <message>
            <source>Alternate Arrangement</source>
            <translation>Disposizione alternativa</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Schemi di taglio</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Adatta</translation>
        </message>
        <message>
            <source>Back to the whole sheet (Ctrl + wheel, + and - zoom)</source>
            <translation>Torna alla lastra intera (Ctrl + rotella, + e - per lo zoom)</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Anteprima</translation>
        </message>
        <message>
            <source>Print Preview of every layout</source>
            <translation>Anteprima di stampa di ogni schema di taglio</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Anteprima di stampa</translation>
        </message>
        <message>
            <source>Labels Preview</source>
            <translation>Anteprima etichette</translation>
        </message>
        <message>
            <source>Print Preview of the labels</source>
            <translation>Anteprima di stampa delle etichette</translation>
        </message>
        <message>
            <source>Export DXF...</source>
            <translation>Esporta DXF...</translation>
        </message>
        <message>
            <source>Write every layout into one DXF drawing</source>
            <translation>Scrivi tutti gli schemi di taglio in un unico disegno DXF</translation>
        </message>
        <message>
            <source>Broken...</source>
            <translation>Rotture...</translation>
        </message>
        <message>
            <source>Cut broken pieces again in a new job (Ctrl+click marks a piece on the drawing)</source>
            <translation>Ritagliare i pezzi rotti in una nuova commessa (Ctrl+clic segna un pezzo sul disegno)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LibraryWindow</name>
        <message>
            <source>Done</source>
            <translation>Fatto</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aggiorna</translation>
        </message>
    </context>
    <context>
        <name>lumora::ListImportDialog</name>
        <message>
            <source>The first line names the columns</source>
            <translation>La prima riga dà il nome alle colonne</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Importa elenco vetri</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Importa elenco magazzino</translation>
        </message>
        <message>
            <source>Lengths in</source>
            <translation>Lunghezze in</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(nessuna)</translation>
        </message>
        <message>
            <source>%L1 rows to import.</source>
            <translation>%L1 righe da importare.</translation>
        </message>
        <message>
            <source>%L1 rows to import. Lines that do not fit:
%2</source>
            <translation>%L1 righe da importare. Righe non adatte:
%2</translation>
        </message>
    </context>
    <context>
        <name>lumora::LoadProductsWindow</name>
        <message>
            <source>Load</source>
            <translation>Carica</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Carica prodotti</translation>
        </message>
        <message>
            <source>Base name of the job files</source>
            <translation>Nome base dei file di commessa</translation>
        </message>
        <message>
            <source>Make '.opt' files</source>
            <translation>Crea file '.opt'</translation>
        </message>
        <message>
            <source>File name</source>
            <translation>Nome file</translation>
        </message>
    </context>
    <context>
        <name>lumora::MainWindow</name>
        <message>
            <source>Coi&amp;l Specifications</source>
            <translation>Specifiche ro&amp;toli</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Dati di base</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Specifiche rotoli</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Specifiche lastre</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Specifiche misure vetro</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>Rapporto</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Schemi di taglio</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Tabella avanzi e sfridi</translation>
        </message>
        <message>
            <source>Written: </source>
            <translation>Scritto: </translation>
        </message>
        <message>
            <source>Deep Optimization</source>
            <translation>Ottimizzazione approfondita</translation>
        </message>
        <message>
            <source>Time limit in seconds (the best result found by then is kept):</source>
            <translation>Limite di tempo in secondi (si tiene il miglior risultato trovato fino ad allora):</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Nuovo</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Apri...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Salva</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Salva &amp;con nome...</translation>
        </message>
        <message>
            <source>Save As Defaults</source>
            <translation>Salva come predefiniti</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Esci</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifica</translation>
        </message>
        <message>
            <source>&amp;Basic Details</source>
            <translation>Dati di &amp;base</translation>
        </message>
        <message>
            <source>&amp;Sheet Specifications</source>
            <translation>Specifiche &amp;lastre</translation>
        </message>
        <message>
            <source>&amp;Glass Size Specifications</source>
            <translation>Specifiche misure &amp;vetro</translation>
        </message>
        <message>
            <source>&amp;Optimize</source>
            <translation>&amp;Ottimizza</translation>
        </message>
        <message>
            <source>&amp;Start Optimization</source>
            <translation>&amp;Avvia ottimizzazione</translation>
        </message>
        <message>
            <source>Maximum Yield</source>
            <translation>Resa massima</translation>
        </message>
        <message>
            <source>Minimum Layouts</source>
            <translation>Minimo di schemi</translation>
        </message>
        <message>
            <source>&amp;Deep Optimization...</source>
            <translation>Ottimizzazione &amp;approfondita...</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Visualizza</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Rapporto</translation>
        </message>
        <message>
            <source>&amp;Layouts</source>
            <translation>&amp;Schemi di taglio</translation>
        </message>
        <message>
            <source>&amp;Balance And Scrap Table</source>
            <translation>&amp;Tabella avanzi e sfridi</translation>
        </message>
        <message>
            <source>&amp;Tools</source>
            <translation>S&amp;trumenti</translation>
        </message>
        <message>
            <source>&amp;Unit Conversion Tool</source>
            <translation>Conversione &amp;unità</translation>
        </message>
        <message>
            <source>&amp;Density Table</source>
            <translation>Tabella &amp;densità</translation>
        </message>
        <message>
            <source>Change Unit to &amp;IN</source>
            <translation>Passa all'unità &amp;IN</translation>
        </message>
        <message>
            <source>Change Unit to &amp;MM</source>
            <translation>Passa all'unità &amp;MM</translation>
        </message>
        <message>
            <source>Define &amp;Labels...</source>
            <translation>Definisci &amp;etichette...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aiuto</translation>
        </message>
        <message>
            <source>&amp;Lumora Help</source>
            <translation>Guida di &amp;Lumora</translation>
        </message>
        <message>
            <source>&amp;About LUMORA</source>
            <translation>&amp;Informazioni su LUMORA</translation>
        </message>
        <message>
            <source>Toolbar</source>
            <translation>Barra degli strumenti</translation>
        </message>
        <message>
            <source>New FIle</source>
            <translation>Nuovo file</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Apri file</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Salva file</translation>
        </message>
        <message>
            <source>Start Optimization</source>
            <translation>Avvia ottimizzazione</translation>
        </message>
        <message>
            <source>Change Unit to IN</source>
            <translation>Passa all'unità IN</translation>
        </message>
        <message>
            <source>Change Unit to MM</source>
            <translation>Passa all'unità MM</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Piano cavalletti</translation>
        </message>
        <message>
            <source>Cutting &amp;Line...</source>
            <translation>&amp;Linea di taglio...</translation>
        </message>
        <message>
            <source>Rack &amp;Plan</source>
            <translation>&amp;Piano cavalletti</translation>
        </message>
    </context>
    <context>
        <name>lumora::ManualWindow</name>
        <message>
            <source>Lumora Help</source>
            <translation>Guida di Lumora</translation>
        </message>
        <message>
            <source>No web browser could show the manual; it is here as well as in the folder </source>
            <translation>Nessun browser ha potuto mostrare il manuale; è qui e anche nella cartella </translation>
        </message>
        <message>
            <source> (index.html is its first page).</source>
            <translation> (index.html è la sua prima pagina).</translation>
        </message>
    </context>
    <context>
        <name>lumora::MaterialLibraryWindow</name>
        <message>
            <source>Material Library Manager</source>
            <translation>Gestione libreria materiali</translation>
        </message>
    </context>
    <context>
        <name>lumora::MiscWindow</name>
        <message>
            <source>Misc</source>
            <translation>Varie</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProductLibraryWindow</name>
        <message>
            <source>Product Library Manager</source>
            <translation>Gestione libreria prodotti</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProgressWindow</name>
        <message>
            <source>Stop</source>
            <translation>Ferma</translation>
        </message>
        <message>
            <source>Time Elapsed</source>
            <translation>Tempo trascorso</translation>
        </message>
        <message>
            <source>Total Time</source>
            <translation>Tempo totale</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Search steps:</source>
            <translation>Passi di ricerca:</translation>
        </message>
        <message>
            <source>Passes to go / improvements:</source>
            <translation>Passate rimanenti / miglioramenti:</translation>
        </message>
    </context>
    <context>
        <name>lumora::RackPlanWindow</name>
        <message>
            <source>Rack Library...</source>
            <translation>Libreria cavalletti...</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Piano cavalletti</translation>
        </message>
        <message>
            <source>%1 pieces in breakout order: %2 in racks, %3 not racked.</source>
            <translation>%1 pezzi in ordine di scarico: %2 sui cavalletti, %3 non sistemati.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ReportWindow</name>
        <message>
            <source>Report</source>
            <translation>Rapporto</translation>
        </message>
    </context>
    <context>
        <name>lumora::ScrapCriteriaWindow</name>
        <message>
            <source>Scrap Criteria</source>
            <translation>Criteri di sfrido</translation>
        </message>
    </context>
    <context>
        <name>lumora::SettingsRowWindow</name>
        <message>
            <source>Apply</source>
            <translation>Applica</translation>
        </message>
    </context>
    <context>
        <name>lumora::SheetWindow</name>
        <message>
            <source>Import</source>
            <translation>Importa</translation>
        </message>
        <message>
            <source>Margin set on this side of the stock</source>
            <translation>Margine impostato su questo lato della lastra</translation>
        </message>
        <message>
            <source>Flaws...</source>
            <translation>Difetti...</translation>
        </message>
        <message>
            <source>The flaws of the sheets of the current row</source>
            <translation>I difetti delle lastre della riga corrente</translation>
        </message>
        <message>
            <source>%1 shaded row(s): leftovers from the material library</source>
            <translation>%1 riga/e ombreggiata/e: sfridi dalla libreria materiali</translation>
        </message>
    </context>
    <context>
        <name>lumora::UnitConversionWindow</name>
        <message>
            <source>Unit Conversion Tool</source>
            <translation>Conversione unità</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>INPUT</source>
            <translation>INGRESSO</translation>
        </message>
        <message>
            <source>OUTPUT</source>
            <translation>USCITA</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Incolla</translation>
        </message>
    </context>
</TS>
