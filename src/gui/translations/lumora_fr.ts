<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>Core</name>
        <message>
            <source>The optimization is still running. Stop it and close?</source>
            <translation>L'optimisation est toujours en cours. L'arrêter et fermer ?</translation>
        </message>
        <message>
            <source>Cut order</source>
            <translation>Ordre de coupe</translation>
        </message>
        <message>
            <source>All dimensions</source>
            <translation>Toutes les cotes</translation>
        </message>
        <message>
            <source>Deep optimization stopped. The best result found so far is kept.</source>
            <translation>Optimisation approfondie arrêtée. Le meilleur résultat trouvé jusqu'ici est gardé.</translation>
        </message>
        <message>
            <source>Deep optimization: starting from the standard engine's result...</source>
            <translation>Optimisation approfondie : départ du résultat du moteur standard...</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES specfied.</source>
            <translation>Aucune DIMENSION DE VERRE valable indiquée.</translation>
        </message>
        <message>
            <source>Wrong BLADE specfied.</source>
            <translation>LAME indiquée incorrecte.</translation>
        </message>
        <message>
            <source>No valid COILS specified.</source>
            <translation>Aucune BOBINE valable indiquée.</translation>
        </message>
        <message>
            <source>No valid SHEETS specified.</source>
            <translation>Aucun PLATEAU valable indiqué.</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES.</source>
            <translation>Aucune DIMENSION DE VERRE valable.</translation>
        </message>
        <message>
            <source>Too many COILS: at most 32767 rows.</source>
            <translation>Trop de BOBINES : au plus 32767 lignes.</translation>
        </message>
        <message>
            <source>Too many SHEETS: at most 32767 rows.</source>
            <translation>Trop de PLATEAUX : au plus 32767 lignes.</translation>
        </message>
        <message>
            <source>Too many GLASS SIZES: at most 32767 rows.</source>
            <translation>Trop de DIMENSIONS DE VERRE : au plus 32767 lignes.</translation>
        </message>
        <message>
            <source>Optimization done.</source>
            <translation>Optimisation terminée.</translation>
        </message>
        <message>
            <source>Optimization Stopped. After viewing the results, you can continue optimization from this point onwards till this file remains open.</source>
            <translation>Optimisation arrêtée. Après avoir vu les résultats, vous pouvez reprendre l'optimisation à partir d'ici tant que ce fichier reste ouvert.</translation>
        </message>
        <message>
            <source>No complete result: a result holds at most 32767 layouts and 32767 layout elements.</source>
            <translation>Pas de résultat complet : un résultat contient au plus 32767 plans et 32767 éléments de plan.</translation>
        </message>
        <message>
            <source>Preparing...</source>
            <translation>Préparation...</translation>
        </message>
        <message>
            <source>Optimizing...</source>
            <translation>Optimisation en cours...</translation>
        </message>
        <message>
            <source>Terminating...</source>
            <translation>Arrêt en cours...</translation>
        </message>
        <message>
            <source>Total Layouts      Overall Yield</source>
            <translation>Plans au total     Rendement global</translation>
        </message>
        <message>
            <source>Time Remaining</source>
            <translation>Temps restant</translation>
        </message>
        <message>
            <source>Save File...</source>
            <translation>Enregistrer le fichier...</translation>
        </message>
        <message>
            <source>open File...</source>
            <translation>Ouvrir un fichier...</translation>
        </message>
        <message>
            <source>Attention!</source>
            <translation>Attention !</translation>
        </message>
        <message>
            <source>Save changes in current file?</source>
            <translation>Enregistrer les modifications du fichier actuel ?</translation>
        </message>
        <message>
            <source>Earlier version data file detected. Set the required tolerance and optimize.</source>
            <translation>Fichier d'une version antérieure détecté. Réglez la tolérance voulue et optimisez.</translation>
        </message>
        <message>
            <source>Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do you want to continue?</source>
            <translation>Les données actuelles des Données de base et des Options d'optimisation seront enregistrées comme VALEURS PAR DÉFAUT. Voulez-vous continuer ?</translation>
        </message>
        <message>
            <source>Save Changes?</source>
            <translation>Enregistrer les modifications ?</translation>
        </message>
        <message>
            <source>Total Glass Size Area is MORE then Total Sheet Area!</source>
            <translation>La surface totale des dimensions de verre est PLUS GRANDE que la surface totale des plateaux !</translation>
        </message>
        <message>
            <source>Start OPTIMIZATION?</source>
            <translation>Lancer l'OPTIMISATION ?</translation>
        </message>
        <message>
            <source>Alternate Arrangment for this layout is not possible</source>
            <translation>Aucune disposition alternative n'est possible pour ce plan de coupe</translation>
        </message>
        <message>
            <source>Try &amp;Next Arrangement</source>
            <translation>Essayer la disposition &amp;suivante</translation>
        </message>
        <message>
            <source>&amp;Keep This Arrangement</source>
            <translation>&amp;Garder cette disposition</translation>
        </message>
        <message>
            <source>&amp;Original Arrangement</source>
            <translation>Disposition &amp;d'origine</translation>
        </message>
        <message>
            <source>Line Width for Printing</source>
            <translation>Épaisseur de trait à l'impression</translation>
        </message>
        <message>
            <source>Basic Details List</source>
            <translation>Liste des données de base</translation>
        </message>
        <message>
            <source>Sheet Dimensions</source>
            <translation>Cotes du plateau</translation>
        </message>
        <message>
            <source>Margin Dimensions</source>
            <translation>Cotes des marges</translation>
        </message>
        <message>
            <source>Only First In Block</source>
            <translation>Seulement le premier du bloc</translation>
        </message>
        <message>
            <source>Glass Dimensions</source>
            <translation>Cotes des verres</translation>
        </message>
        <message>
            <source>Glass Actual Dimensions</source>
            <translation>Cotes réelles des verres</translation>
        </message>
        <message>
            <source>Glass Description</source>
            <translation>Description du verre</translation>
        </message>
        <message>
            <source>Glass Color</source>
            <translation>Couleur du verre</translation>
        </message>
        <message>
            <source>Balance Dimensions</source>
            <translation>Cotes des chutes</translation>
        </message>
        <message>
            <source>Balance Boundries</source>
            <translation>Contours des chutes</translation>
        </message>
        <message>
            <source>Balance List</source>
            <translation>Liste des chutes</translation>
        </message>
        <message>
            <source>What would you like to add to the existing layout?</source>
            <translation>Que voulez-vous ajouter au plan de coupe existant ?</translation>
        </message>
        <message>
            <source>You have not selected any item</source>
            <translation>Vous n'avez sélectionné aucun élément</translation>
        </message>
        <message>
            <source>Delete / Resize Existing Balance</source>
            <translation>Supprimer / redimensionner une chute existante</translation>
        </message>
        <message>
            <source>Delete / Move Existing Glass-Piece</source>
            <translation>Supprimer / déplacer un volume existant</translation>
        </message>
        <message>
            <source>Delete / Modify Existing Balance</source>
            <translation>Supprimer / modifier une chute existante</translation>
        </message>
        <message>
            <source>Define Position &amp; Size of New Balance</source>
            <translation>Définir la position et la taille de la nouvelle chute</translation>
        </message>
        <message>
            <source>Define Position &amp; Orientation of New Glass-Piece</source>
            <translation>Définir la position et l'orientation du nouveau volume</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Déplacer</translation>
        </message>
        <message>
            <source>Modify</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Remarque :</translation>
        </message>
        <message>
            <source>XS and YS are Coordinates of the LEFT-TOP corner</source>
            <translation>XS et YS sont les coordonnées du coin HAUT-GAUCHE</translation>
        </message>
        <message>
            <source>DIM-X (Horizontal) and DIM-Y (Vertical) are the Dimensions</source>
            <translation>DIM-X (horizontale) et DIM-Y (verticale) sont les dimensions</translation>
        </message>
        <message>
            <source>ORN  (1 or 2) is the Orientation</source>
            <translation>ORN  (1 ou 2) est l'orientation</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Redimensionner</translation>
        </message>
        <message>
            <source>In order to edit the layout current unit need to be MM, Change now ?</source>
            <translation>Pour modifier le plan de coupe, l'unité doit être MM. La changer maintenant ?</translation>
        </message>
        <message>
            <source>This file was not optimized.</source>
            <translation>Ce fichier n'a pas été optimisé.</translation>
        </message>
        <message>
            <source>Material specified was not found in stock. Do you want select item from the stock ?</source>
            <translation>Le matériau indiqué n'est pas en stock. Voulez-vous choisir un article du stock ?</translation>
        </message>
        <message>
            <source>Sheet Library is empty</source>
            <translation>La bibliothèque des plateaux est vide</translation>
        </message>
        <message>
            <source>Update Material Library?</source>
            <translation>Mettre à jour la bibliothèque de matériaux ?</translation>
        </message>
        <message>
            <source>Material Library Updated!</source>
            <translation>Bibliothèque de matériaux mise à jour !</translation>
        </message>
        <message>
            <source>Layout and position</source>
            <translation>Plan et position</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>Code</translation>
        </message>
        <message>
            <source>Recover the job you were working on?</source>
            <translation>Récupérer la commande sur laquelle vous travailliez ?</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Importer la liste des verres</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Importer la liste du stock</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Export DXF</source>
            <translation>Exporter en DXF</translation>
        </message>
        <message>
            <source>Excel Workbook</source>
            <translation>Classeur Excel</translation>
        </message>
        <message>
            <source>CSV (Comma delimited)</source>
            <translation>CSV (séparateur : virgule)</translation>
        </message>
        <message>
            <source>Lists</source>
            <translation>Listes</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Tous les fichiers</translation>
        </message>
        <message>
            <source>DXF drawings</source>
            <translation>Dessins DXF</translation>
        </message>
        <message>
            <source>Overall Yield (%)</source>
            <translation>Rendement global (%)</translation>
        </message>
        <message>
            <source>Total Layouts</source>
            <translation>Plans au total</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Bénéfice</translation>
        </message>
        <message>
            <source>ITEM</source>
            <translation>ARTICLE</translation>
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
            <translation>QUALITÉ</translation>
        </message>
        <message>
            <source>LAYOUT</source>
            <translation>PLAN</translation>
        </message>
        <message>
            <source>ROWS</source>
            <translation>RANGÉES</translation>
        </message>
        <message>
            <source>COLS</source>
            <translation>COLONNES</translation>
        </message>
        <message>
            <source>THICK</source>
            <translation>ÉPAISSEUR</translation>
        </message>
        <message>
            <source>KERF</source>
            <translation>TRAIT</translation>
        </message>
        <message>
            <source>BLADE</source>
            <translation>LAME</translation>
        </message>
        <message>
            <source>LENGTH</source>
            <translation>LONGUEUR</translation>
        </message>
        <message>
            <source>WIDTH</source>
            <translation>LARGEUR</translation>
        </message>
        <message>
            <source>QTY</source>
            <translation>QTÉ</translation>
        </message>
        <message>
            <source>TAG</source>
            <translation>REPÈRE</translation>
        </message>
        <message>
            <source>CUSTOMER</source>
            <translation>CLIENT</translation>
        </message>
        <message>
            <source>PRODUCT</source>
            <translation>PRODUIT</translation>
        </message>
        <message>
            <source>SITE</source>
            <translation>CHANTIER</translation>
        </message>
        <message>
            <source>REF</source>
            <translation>RÉF</translation>
        </message>
        <message>
            <source>FROM</source>
            <translation>DE</translation>
        </message>
        <message>
            <source>PRODUCTS</source>
            <translation>PRODUITS</translation>
        </message>
        <message>
            <source>DENSITY</source>
            <translation>DENSITÉ</translation>
        </message>
        <message>
            <source>NOTE</source>
            <translation>NOTE</translation>
        </message>
        <message>
            <source>REPORT</source>
            <translation>RAPPORT</translation>
        </message>
        <message>
            <source>UNIT</source>
            <translation>UNITÉ</translation>
        </message>
        <message>
            <source>Paste from clipboard ?</source>
            <translation>Coller depuis le presse-papiers ?</translation>
        </message>
        <message>
            <source>You are trying to change data. You need to optimize again. 

Continue?</source>
            <translation>Vous modifiez des données. Il faudra optimiser de nouveau. 

Continuer ?</translation>
        </message>
        <message>
            <source>Sr No</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>Use leftovers first</source>
            <translation>Utiliser d'abord les chutes</translation>
        </message>
        <message>
            <source>Keep one leftover</source>
            <translation>Garder une chute</translation>
        </message>
        <message>
            <source>Breakout numbers</source>
            <translation>Numéros de dépilage</translation>
        </message>
        <message>
            <source>Labels in breakout order</source>
            <translation>Étiquettes dans l'ordre de dépilage</translation>
        </message>
        <message>
            <source>Rack and slot on labels</source>
            <translation>Chevalet et fente sur les étiquettes</translation>
        </message>
        <message>
            <source>Density Table</source>
            <translation>Table des densités</translation>
        </message>
        <message>
            <source>Rack Library</source>
            <translation>Bibliothèque de chevalets</translation>
        </message>
        <message>
            <source>RACK</source>
            <translation>CHEVALET</translation>
        </message>
        <message>
            <source>SLOTS</source>
            <translation>FENTES</translation>
        </message>
        <message>
            <source>PIECES</source>
            <translation>PIÈCES</translation>
        </message>
        <message>
            <source>LOAD (KG)</source>
            <translation>CHARGE (KG)</translation>
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
            <translation>Plan des chevalets</translation>
        </message>
        <message>
            <source>Racks</source>
            <translation>Chevalets</translation>
        </message>
        <message>
            <source>Not Racked</source>
            <translation>Non rangées</translation>
        </message>
        <message>
            <source>Rack</source>
            <translation>Chevalet</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Fente</translation>
        </message>
        <message>
            <source>In Slot</source>
            <translation>Dans la fente</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Motif</translation>
        </message>
        <message>
            <source>Slots</source>
            <translation>Fentes</translation>
        </message>
        <message>
            <source>Slots Used</source>
            <translation>Fentes utilisées</translation>
        </message>
        <message>
            <source>Pieces</source>
            <translation>Pièces</translation>
        </message>
        <message>
            <source>Load(kg)</source>
            <translation>Charge(kg)</translation>
        </message>
        <message>
            <source>Most Load(kg)</source>
            <translation>Charge max.(kg)</translation>
        </message>
        <message>
            <source>No.</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>Layout No.</source>
            <translation>Plan N°</translation>
        </message>
        <message>
            <source>Sheet</source>
            <translation>Plateau</translation>
        </message>
        <message>
            <source>Breakout</source>
            <translation>Dépilage</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Customer</source>
            <translation>Client</translation>
        </message>
        <message>
            <source>Sr.No</source>
            <translation>N° Sér.</translation>
        </message>
        <message>
            <source>Weight(kg)</source>
            <translation>Poids(kg)</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).

Start it now?</source>
            <translation>Ce travail a des défauts, des piles ou des règles de ligne de découpe : il lui faut l'optimisation approfondie (Maj+F5).

La lancer maintenant ?</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).</source>
            <translation>Ce travail a des défauts, des piles ou des règles de ligne de découpe : il lui faut l'optimisation approfondie (Maj+F5).</translation>
        </message>
        <message>
            <source>Choose the row of the sheets whose flaws you want to edit.</source>
            <translation>Choisissez la ligne des plateaux dont vous voulez modifier les défauts.</translation>
        </message>
        <message>
            <source>Sheet(s) Utilization Summary</source>
            <translation>Récapitulatif des plaques</translation>
        </message>
        <message>
            <source>Glass Size(s) Summary</source>
            <translation>Récapitulatif des dimensions de verre</translation>
        </message>
        <message>
            <source>Cost &amp; Area Summary</source>
            <translation>Récapitulatif coûts et surfaces</translation>
        </message>
        <message>
            <source>Overall Yield(%)</source>
            <translation>Rendement global(%)</translation>
        </message>
        <message>
            <source>Sheet Size</source>
            <translation>Format plaque</translation>
        </message>
        <message>
            <source>Glass Sizes</source>
            <translation>Dimensions de verre</translation>
        </message>
        <message>
            <source>Yield(%)</source>
            <translation>Rend.(%)</translation>
        </message>
        <message>
            <source>TOTAL</source>
            <translation>TOTAL</translation>
        </message>
        <message>
            <source>Item:</source>
            <translation>Article:</translation>
        </message>
        <message>
            <source>Unit:</source>
            <translation>Unité:</translation>
        </message>
        <message>
            <source>Qty</source>
            <translation>Qté</translation>
        </message>
        <message>
            <source>Pcs</source>
            <translation>pcs</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>Surface</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Chutes</translation>
        </message>
        <message>
            <source>Wastage</source>
            <translation>Perte</translation>
        </message>
        <message>
            <source>Entity</source>
            <translation>Poste</translation>
        </message>
        <message>
            <source>POS</source>
            <translation>POS</translation>
        </message>
        <message>
            <source>SLOT</source>
            <translation>CASE</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Fichier:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Date:</translation>
        </message>
        <message>
            <source>%1 missing in sheet number (%2), Proceed?</source>
            <translation>%1 manquant dans le plateau numéro (%2). Continuer ?</translation>
        </message>
        <message>
            <source>%1 missing in glass size (%2), Proceed?</source>
            <translation>%1 manquant dans la dimension de verre (%2). Continuer ?</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>Impossible d'ouvrir %1 : %2</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>Impossible d'enregistrer %1 : %2</translation>
        </message>
        <message>
            <source>Could not read %1</source>
            <translation>Impossible de lire %1</translation>
        </message>
        <message>
            <source>%1 holds no rack.</source>
            <translation>%1 ne contient aucun chevalet.</translation>
        </message>
        <message>
            <source>%1 has no density for %2: its weights are 0.</source>
            <translation>%1 n'a pas de densité pour %2 : ses poids sont 0.</translation>
        </message>
        <message>
            <source>Too many pieces: more than %1.</source>
            <translation>Trop de pièces : plus de %1.</translation>
        </message>
        <message>
            <source>The layout file is damaged: %1</source>
            <translation>Le fichier des plans de coupe est endommagé : %1</translation>
        </message>
        <message>
            <source>SR.NO</source>
            <translation>N° SÉR.</translation>
        </message>
        <message>
            <source>A/C</source>
            <translation>COMPTE</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Plans guillotine cuts of glass pieces from stock sheets.</source>
            <translation>Planifie les coupes à la guillotine des pièces de verre dans les plateaux en stock.</translation>
        </message>
        <message>
            <source>The data folder to use.</source>
            <translation>Le dossier de données à utiliser.</translation>
        </message>
        <message>
            <source>The language of this run (en, de, it, es, fr, tr).</source>
            <translation>La langue de cette exécution (en, de, it, es, fr, tr).</translation>
        </message>
        <message>
            <source>A job file to open.</source>
            <translation>Un fichier de travail à ouvrir.</translation>
        </message>
        <message>
            <source>%1 is already running</source>
            <translation>%1 est déjà en cours d'exécution</translation>
        </message>
    </context>
    <context>
        <name>lumora::AboutWindow</name>
        <message>
            <source>%1 version %2</source>
            <translation>%1 version %2</translation>
        </message>
        <message>
            <source>About </source>
            <translation>À propos de </translation>
        </message>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Plans de découpe à la guillotine pour miroiteries</translation>
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
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Next</source>
            <translation>Suivant</translation>
        </message>
    </context>
    <context>
        <name>lumora::BalanceWindow</name>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Tableau des chutes et déchets</translation>
        </message>
    </context>
    <context>
        <name>lumora::BasicDetailsWindow</name>
        <message>
            <source>Select I&amp;tem</source>
            <translation>Choisir l'ar&amp;ticle</translation>
        </message>
    </context>
    <context>
        <name>lumora::BrokenPiecesDialog</name>
        <message>
            <source>Recut</source>
            <translation>Recouper</translation>
        </message>
        <message>
            <source>Broken Pieces</source>
            <translation>Pièces cassées</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Select the pieces that broke: they go into a new job, cut from the library's leftovers first.</source>
            <translation>Choisissez les pièces cassées : elles passent dans un nouveau travail, découpées d'abord dans les chutes de la bibliothèque.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChargeableSizeWindow</name>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Chargeable Size Definition</source>
            <translation>Définition de la taille facturable</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChildWindowPlaces</name>
        <message>
            <source>&amp;Tile</source>
            <translation>&amp;Mosaïque</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>&amp;Cascade</translation>
        </message>
    </context>
    <context>
        <name>lumora::ConfigureWindow</name>
        <message>
            <source>Configure</source>
            <translation>Configurer</translation>
        </message>
        <message>
            <source>Chargeable Size</source>
            <translation>Taille facturable</translation>
        </message>
        <message>
            <source>Scrap Criteria</source>
            <translation>Critères de déchet</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Étiquettes</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Divers</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>The language applies at the next start.</source>
            <translation>La langue s'applique au prochain démarrage.</translation>
        </message>
        <message>
            <source>Print in the chosen language</source>
            <translation>Imprimer dans la langue choisie</translation>
        </message>
        <message>
            <source>The field captions of printed labels; the files stay in English</source>
            <translation>Les libellés des champs des étiquettes imprimées ; les fichiers restent en anglais</translation>
        </message>
    </context>
    <context>
        <name>lumora::CuttingLineWindow</name>
        <message>
            <source>no limit</source>
            <translation>sans limite</translation>
        </message>
        <message>
            <source>Cutting Line</source>
            <translation>Ligne de découpe</translation>
        </message>
        <message>
            <source>Cut this job on the cutting line</source>
            <translation>Découper ce travail sur la ligne de découpe</translation>
        </message>
        <message>
            <source>2 stages</source>
            <translation>2 étapes</translation>
        </message>
        <message>
            <source>3 stages</source>
            <translation>3 étapes</translation>
        </message>
        <message>
            <source>3 stages and a trim cut</source>
            <translation>3 étapes et une coupe de délignage</translation>
        </message>
        <message>
            <source>Unlimited</source>
            <translation>Illimitées</translation>
        </message>
        <message>
            <source>&amp;Stages:</source>
            <translation>É&amp;tapes :</translation>
        </message>
        <message>
            <source>Vertical (strips side by side)</source>
            <translation>Vertical (bandes côte à côte)</translation>
        </message>
        <message>
            <source>Horizontal (strips one above another)</source>
            <translation>Horizontal (bandes superposées)</translation>
        </message>
        <message>
            <source>&amp;First cut:</source>
            <translation>&amp;Première coupe :</translation>
        </message>
        <message>
            <source>Strip width, l&amp;east:</source>
            <translation>Largeur de bande, m&amp;inimum :</translation>
        </message>
        <message>
            <source>Strip width, &amp;most:</source>
            <translation>Largeur de bande, ma&amp;ximum :</translation>
        </message>
        <message>
            <source>&amp;Row height, least:</source>
            <translation>Hauteur de &amp;rangée, minimum :</translation>
        </message>
        <message>
            <source>&amp;Waste width, least:</source>
            <translation>Largeur de &amp;chute, minimum :</translation>
        </message>
        <message>
            <source>&amp;Cuts may pass through flaws</source>
            <translation>Les &amp;coupes peuvent traverser les défauts</translation>
        </message>
        <message>
            <source>Sheets are used in their listed &amp;order</source>
            <translation>Les plateaux sont utilisés dans l'&amp;ordre de la liste</translation>
        </message>
    </context>
    <context>
        <name>lumora::DiaSettingsWindow</name>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Réglages du plan de coupe</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Plan de coupe</translation>
        </message>
        <message>
            <source>Printout</source>
            <translation>Impression</translation>
        </message>
    </context>
    <context>
        <name>lumora::FlawEditorWindow</name>
        <message>
            <source>SHEET</source>
            <translation>PLATEAU</translation>
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
            <translation>H (MM)</translation>
        </message>
        <message>
            <source>Flaws of Sheet Row %1</source>
            <translation>Défauts de la ligne de plateau %1</translation>
        </message>
        <message>
            <source>Sheet </source>
            <translation>Plateau </translation>
        </message>
        <message>
            <source> of %1</source>
            <translation> sur %1</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>Drag on the sheet to add a flaw; Delete removes the selected one.</source>
            <translation>Faites glisser sur le plateau pour ajouter un défaut ; Suppr efface celui choisi.</translation>
        </message>
    </context>
    <context>
        <name>lumora::GlassWindow</name>
        <message>
            <source>ORN 1: glass L1 along the coil's L1</source>
            <translation>ORN 1 : L1 du verre le long de L1 de la bobine</translation>
        </message>
        <message>
            <source>ORN 1: glass L1 along the sheet's L1</source>
            <translation>ORN 1 : L1 du verre le long de L1 du plateau</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the coil's L2</source>
            <translation>ORN 2 : L1 du verre le long de L2 de la bobine</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the sheet's L2</source>
            <translation>ORN 2 : L1 du verre le long de L2 du plateau</translation>
        </message>
        <message>
            <source>Total QTY:</source>
            <translation>Quantité totale :</translation>
        </message>
        <message>
            <source>Stack of Glass Row %1</source>
            <translation>Pile de la ligne de verre %1</translation>
        </message>
        <message>
            <source>in grid order</source>
            <translation>dans l'ordre de la grille</translation>
        </message>
        <message>
            <source>&amp;Stack (empty for none):</source>
            <translation>&amp;Pile (vide pour aucune) :</translation>
        </message>
        <message>
            <source>&amp;Place in the stack:</source>
            <translation>P&amp;lace dans la pile :</translation>
        </message>
        <message>
            <source>Stack...</source>
            <translation>Pile...</translation>
        </message>
        <message>
            <source>The stack the current row's pieces go to, and their place in it</source>
            <translation>La pile où vont les pièces de la ligne en cours et leur place dans celle-ci</translation>
        </message>
        <message>
            <source>Stack: %1%2</source>
            <translation>Pile : %1%2</translation>
        </message>
        <message>
            <source>, place %1</source>
            <translation>, place %1</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridToolBar</name>
        <message>
            <source>Export to Spreadsheet...</source>
            <translation>Exporter vers un tableur...</translation>
        </message>
        <message>
            <source>Sort Ascending</source>
            <translation>Tri croissant</translation>
        </message>
        <message>
            <source>Sort Descending</source>
            <translation>Tri décroissant</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Imprimer</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Aperçu avant impression</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copier</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Coller</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridWidget</name>
        <message>
            <source>Print Preview</source>
            <translation>Aperçu avant impression</translation>
        </message>
    </context>
    <context>
        <name>lumora::ItemChoiceWindow</name>
        <message>
            <source>Select</source>
            <translation>Choisir</translation>
        </message>
        <message>
            <source>Item Choice</source>
            <translation>Choix de l'article</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobExchange</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Importer la liste des verres...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Importer la liste du stock...</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Exporter...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>F&amp;enêtre</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobGridWindow</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Importer la liste des verres...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Importer la liste du stock...</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Données de base</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Spécifications des bobines</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Spécifications des plateaux</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Spécifications des dimensions de verre</translation>
        </message>
        <message>
            <source>     Unit: </source>
            <translation>     Unité : </translation>
        </message>
    </context>
    <context>
        <name>lumora::LabelsWindow</name>
        <message>
            <source>Rows of labels on a page</source>
            <translation>Rangées d'étiquettes par page</translation>
        </message>
        <message>
            <source>Labels side by side in a row</source>
            <translation>Étiquettes côte à côte dans une rangée</translation>
        </message>
        <message>
            <source>Horizontal start: the character column where the first label of a row begins (1 is the left edge)</source>
            <translation>Début horizontal : la colonne de caractères où commence la première étiquette d'une rangée (1 est le bord gauche)</translation>
        </message>
        <message>
            <source>Horizontal pitch: characters from the start of one label to the start of the next</source>
            <translation>Pas horizontal : caractères du début d'une étiquette au début de la suivante</translation>
        </message>
        <message>
            <source>Vertical start: empty lines at the top of every page</source>
            <translation>Début vertical : lignes vides en haut de chaque page</translation>
        </message>
        <message>
            <source>Vertical pitch: empty lines after every row of labels</source>
            <translation>Pas vertical : lignes vides après chaque rangée d'étiquettes</translation>
        </message>
        <message>
            <source>Define Labels</source>
            <translation>Définir les étiquettes</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Imprimer les étiquettes</translation>
        </message>
    </context>
    <context>
        <name>lumora::Launcher</name>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Plans de découpe à la guillotine pour miroiteries</translation>
        </message>
        <message>
            <source>Base Module</source>
            <translation>Module de base</translation>
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
            <translation>Gestion de la bibliothèque de matériaux</translation>
        </message>
        <message>
            <source>P L M</source>
            <translation>P L M</translation>
        </message>
        <message>
            <source>Product Library Manager</source>
            <translation>Gestion de la bibliothèque de produits</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Charger les produits</translation>
        </message>
        <message>
            <source>Configure</source>
            <translation>Configurer</translation>
        </message>
        <message>
            <source>Modify Settings</source>
            <translation>Modifier les réglages</translation>
        </message>
        <message>
            <source>About...</source>
            <translation>À propos...</translation>
        </message>
        <message>
            <source>About LUMORA</source>
            <translation>À propos de LUMORA</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Close LUMORA</source>
            <translation>Fermer LUMORA</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutEditing</name>
        <message>
            <source>Undo</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Undo the last change of the layouts (Ctrl+Z)</source>
            <translation>Annuler la dernière modification des plans de coupe (Ctrl+Z)</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Rétablir</translation>
        </message>
        <message>
            <source>Redo the change undone (Ctrl+Shift+Z)</source>
            <translation>Rétablir la modification annulée (Ctrl+Maj+Z)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutsWindow</name>
        <message>
            <source>Stretch</source>
            <translation>Étirer</translation>
        </message>
        <message>
            <source>Stretch the layout to the height of the view</source>
            <translation>Étirer le plan de coupe à la hauteur de la vue</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Imprimer</translation>
        </message>
        <message>
            <source>Print Layouts</source>
            <translation>Imprimer les plans de coupe</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Étiquettes</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Imprimer les étiquettes</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Réglages</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Réglages du plan de coupe</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>Edit Layout</source>
            <translation>Modifier le plan de coupe</translation>
        </message>
        <message>
            <source>Alternate</source>
            <translation>Variante</translation>
        </message>
        <message>
            <source>Alternate Arrangement</source>
            <translation>Disposition alternative</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Plans de coupe</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajuster</translation>
        </message>
        <message>
            <source>Back to the whole sheet (Ctrl + wheel, + and - zoom)</source>
            <translation>Retour au plateau entier (Ctrl + molette, + et - pour zoomer)</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Aperçu</translation>
        </message>
        <message>
            <source>Print Preview of every layout</source>
            <translation>Aperçu avant impression de chaque plan de coupe</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Aperçu avant impression</translation>
        </message>
        <message>
            <source>Labels Preview</source>
            <translation>Aperçu des étiquettes</translation>
        </message>
        <message>
            <source>Print Preview of the labels</source>
            <translation>Aperçu avant impression des étiquettes</translation>
        </message>
        <message>
            <source>Export DXF...</source>
            <translation>Exporter en DXF...</translation>
        </message>
        <message>
            <source>Write every layout into one DXF drawing</source>
            <translation>Écrire tous les plans de coupe dans un seul dessin DXF</translation>
        </message>
        <message>
            <source>Broken...</source>
            <translation>Casse...</translation>
        </message>
        <message>
            <source>Cut broken pieces again in a new job (Ctrl+click marks a piece on the drawing)</source>
            <translation>Recouper les pièces cassées dans un nouveau travail (Ctrl+clic marque une pièce sur le dessin)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LibraryWindow</name>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Mettre à jour</translation>
        </message>
    </context>
    <context>
        <name>lumora::ListImportDialog</name>
        <message>
            <source>The first line names the columns</source>
            <translation>La première ligne nomme les colonnes</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Importer la liste des verres</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Importer la liste du stock</translation>
        </message>
        <message>
            <source>Lengths in</source>
            <translation>Longueurs en</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(aucune)</translation>
        </message>
        <message>
            <source>%L1 rows to import.</source>
            <translation>%L1 lignes à importer.</translation>
        </message>
        <message>
            <source>%L1 rows to import. Lines that do not fit:
%2</source>
            <translation>%L1 lignes à importer. Lignes qui ne conviennent pas :
%2</translation>
        </message>
    </context>
    <context>
        <name>lumora::LoadProductsWindow</name>
        <message>
            <source>Load</source>
            <translation>Charger</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Charger les produits</translation>
        </message>
        <message>
            <source>Base name of the job files</source>
            <translation>Nom de base des fichiers de commande</translation>
        </message>
        <message>
            <source>Make '.opt' files</source>
            <translation>Créer les fichiers '.opt'</translation>
        </message>
        <message>
            <source>File name</source>
            <translation>Nom de fichier</translation>
        </message>
    </context>
    <context>
        <name>lumora::MainWindow</name>
        <message>
            <source>Coi&amp;l Specifications</source>
            <translation>Spécifications des bo&amp;bines</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Données de base</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Spécifications des bobines</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Spécifications des plateaux</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Spécifications des dimensions de verre</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>Rapport</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Plans de coupe</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Tableau des chutes et déchets</translation>
        </message>
        <message>
            <source>Written: </source>
            <translation>Écrit : </translation>
        </message>
        <message>
            <source>Deep Optimization</source>
            <translation>Optimisation approfondie</translation>
        </message>
        <message>
            <source>Time limit in seconds (the best result found by then is kept):</source>
            <translation>Limite de temps en secondes (le meilleur résultat trouvé d'ici là est gardé) :</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Nouveau</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Ouvrir...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Enregistrer &amp;sous...</translation>
        </message>
        <message>
            <source>Save As Defaults</source>
            <translation>Enregistrer comme valeurs par défaut</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>É&amp;dition</translation>
        </message>
        <message>
            <source>&amp;Basic Details</source>
            <translation>Données de &amp;base</translation>
        </message>
        <message>
            <source>&amp;Sheet Specifications</source>
            <translation>Spécifications des &amp;plateaux</translation>
        </message>
        <message>
            <source>&amp;Glass Size Specifications</source>
            <translation>Spécifications des dimensions de &amp;verre</translation>
        </message>
        <message>
            <source>&amp;Optimize</source>
            <translation>&amp;Optimiser</translation>
        </message>
        <message>
            <source>&amp;Start Optimization</source>
            <translation>&amp;Lancer l'optimisation</translation>
        </message>
        <message>
            <source>Maximum Yield</source>
            <translation>Rendement maximal</translation>
        </message>
        <message>
            <source>Minimum Layouts</source>
            <translation>Minimum de plans</translation>
        </message>
        <message>
            <source>&amp;Deep Optimization...</source>
            <translation>Optimisation &amp;approfondie...</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Affichage</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Rapport</translation>
        </message>
        <message>
            <source>&amp;Layouts</source>
            <translation>&amp;Plans de coupe</translation>
        </message>
        <message>
            <source>&amp;Balance And Scrap Table</source>
            <translation>&amp;Tableau des chutes et déchets</translation>
        </message>
        <message>
            <source>&amp;Tools</source>
            <translation>&amp;Outils</translation>
        </message>
        <message>
            <source>&amp;Unit Conversion Tool</source>
            <translation>Conversion d'&amp;unités</translation>
        </message>
        <message>
            <source>&amp;Density Table</source>
            <translation>Table des &amp;densités</translation>
        </message>
        <message>
            <source>Change Unit to &amp;IN</source>
            <translation>Passer à l'unité &amp;IN</translation>
        </message>
        <message>
            <source>Change Unit to &amp;MM</source>
            <translation>Passer à l'unité &amp;MM</translation>
        </message>
        <message>
            <source>Define &amp;Labels...</source>
            <translation>Définir les &amp;étiquettes...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>&amp;Lumora Help</source>
            <translation>Aide de &amp;Lumora</translation>
        </message>
        <message>
            <source>&amp;About LUMORA</source>
            <translation>À &amp;propos de LUMORA</translation>
        </message>
        <message>
            <source>Toolbar</source>
            <translation>Barre d'outils</translation>
        </message>
        <message>
            <source>New FIle</source>
            <translation>Nouveau fichier</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Ouvrir un fichier</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Enregistrer le fichier</translation>
        </message>
        <message>
            <source>Start Optimization</source>
            <translation>Lancer l'optimisation</translation>
        </message>
        <message>
            <source>Change Unit to IN</source>
            <translation>Passer à l'unité IN</translation>
        </message>
        <message>
            <source>Change Unit to MM</source>
            <translation>Passer à l'unité MM</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Plan des chevalets</translation>
        </message>
        <message>
            <source>Cutting &amp;Line...</source>
            <translation>&amp;Ligne de découpe...</translation>
        </message>
        <message>
            <source>Rack &amp;Plan</source>
            <translation>&amp;Plan des chevalets</translation>
        </message>
    </context>
    <context>
        <name>lumora::ManualWindow</name>
        <message>
            <source>Lumora Help</source>
            <translation>Aide de Lumora</translation>
        </message>
        <message>
            <source>No web browser could show the manual; it is here as well as in the folder </source>
            <translation>Aucun navigateur n'a pu afficher le manuel ; il est ici ainsi que dans le dossier </translation>
        </message>
        <message>
            <source> (index.html is its first page).</source>
            <translation> (index.html en est la première page).</translation>
        </message>
    </context>
    <context>
        <name>lumora::MaterialLibraryWindow</name>
        <message>
            <source>Material Library Manager</source>
            <translation>Gestion de la bibliothèque de matériaux</translation>
        </message>
    </context>
    <context>
        <name>lumora::MiscWindow</name>
        <message>
            <source>Misc</source>
            <translation>Divers</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProductLibraryWindow</name>
        <message>
            <source>Product Library Manager</source>
            <translation>Gestion de la bibliothèque de produits</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProgressWindow</name>
        <message>
            <source>Stop</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <source>Time Elapsed</source>
            <translation>Temps écoulé</translation>
        </message>
        <message>
            <source>Total Time</source>
            <translation>Temps total</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Search steps:</source>
            <translation>Étapes de recherche :</translation>
        </message>
        <message>
            <source>Passes to go / improvements:</source>
            <translation>Passes restantes / améliorations :</translation>
        </message>
    </context>
    <context>
        <name>lumora::RackPlanWindow</name>
        <message>
            <source>Rack Library...</source>
            <translation>Bibliothèque de chevalets...</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Plan des chevalets</translation>
        </message>
        <message>
            <source>%1 pieces in breakout order: %2 in racks, %3 not racked.</source>
            <translation>%1 pièces dans l'ordre de dépilage : %2 sur chevalets, %3 non rangées.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ReportWindow</name>
        <message>
            <source>Report</source>
            <translation>Rapport</translation>
        </message>
    </context>
    <context>
        <name>lumora::ScrapCriteriaWindow</name>
        <message>
            <source>Scrap Criteria</source>
            <translation>Critères de déchet</translation>
        </message>
    </context>
    <context>
        <name>lumora::SettingsRowWindow</name>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
    </context>
    <context>
        <name>lumora::SheetWindow</name>
        <message>
            <source>Import</source>
            <translation>Importer</translation>
        </message>
        <message>
            <source>Margin set on this side of the stock</source>
            <translation>Marge réglée sur ce côté du plateau</translation>
        </message>
        <message>
            <source>Flaws...</source>
            <translation>Défauts...</translation>
        </message>
        <message>
            <source>The flaws of the sheets of the current row</source>
            <translation>Les défauts des plateaux de la ligne en cours</translation>
        </message>
        <message>
            <source>%1 shaded row(s): leftovers from the material library</source>
            <translation>%1 ligne(s) ombrée(s) : chutes de la bibliothèque de matériaux</translation>
        </message>
    </context>
    <context>
        <name>lumora::UnitConversionWindow</name>
        <message>
            <source>Unit Conversion Tool</source>
            <translation>Conversion d'unités</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>INPUT</source>
            <translation>ENTRÉE</translation>
        </message>
        <message>
            <source>OUTPUT</source>
            <translation>SORTIE</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Coller</translation>
        </message>
    </context>
</TS>
