<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>Core</name>
        <message>
            <source>The optimization is still running. Stop it and close?</source>
            <translation>La optimización sigue en curso. ¿Detenerla y cerrar?</translation>
        </message>
        <message>
            <source>Cut order</source>
            <translation>Orden de corte</translation>
        </message>
        <message>
            <source>All dimensions</source>
            <translation>Todas las cotas</translation>
        </message>
        <message>
            <source>Deep optimization stopped. The best result found so far is kept.</source>
            <translation>Optimización profunda detenida. Se conserva el mejor resultado encontrado hasta ahora.</translation>
        </message>
        <message>
            <source>Deep optimization: starting from the standard engine's result...</source>
            <translation>Optimización profunda: partiendo del resultado del motor estándar...</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES specfied.</source>
            <translation>No se indicaron MEDIDAS DE VIDRIO válidas.</translation>
        </message>
        <message>
            <source>Wrong BLADE specfied.</source>
            <translation>HOJA indicada incorrecta.</translation>
        </message>
        <message>
            <source>No valid COILS specified.</source>
            <translation>No se indicaron BOBINAS válidas.</translation>
        </message>
        <message>
            <source>No valid SHEETS specified.</source>
            <translation>No se indicaron PLANCHAS válidas.</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES.</source>
            <translation>No hay MEDIDAS DE VIDRIO válidas.</translation>
        </message>
        <message>
            <source>Too many COILS: at most 32767 rows.</source>
            <translation>Demasiadas BOBINAS: como máximo 32767 filas.</translation>
        </message>
        <message>
            <source>Too many SHEETS: at most 32767 rows.</source>
            <translation>Demasiadas PLANCHAS: como máximo 32767 filas.</translation>
        </message>
        <message>
            <source>Too many GLASS SIZES: at most 32767 rows.</source>
            <translation>Demasiadas MEDIDAS DE VIDRIO: como máximo 32767 filas.</translation>
        </message>
        <message>
            <source>Optimization done.</source>
            <translation>Optimización terminada.</translation>
        </message>
        <message>
            <source>Optimization Stopped. After viewing the results, you can continue optimization from this point onwards till this file remains open.</source>
            <translation>Optimización detenida. Tras ver los resultados, puede continuar la optimización desde este punto mientras el archivo siga abierto.</translation>
        </message>
        <message>
            <source>No complete result: a result holds at most 32767 layouts and 32767 layout elements.</source>
            <translation>Sin resultado completo: un resultado admite como máximo 32767 planes y 32767 elementos de plan.</translation>
        </message>
        <message>
            <source>Preparing...</source>
            <translation>Preparando...</translation>
        </message>
        <message>
            <source>Optimizing...</source>
            <translation>Optimizando...</translation>
        </message>
        <message>
            <source>Terminating...</source>
            <translation>Terminando...</translation>
        </message>
        <message>
            <source>Total Layouts      Overall Yield</source>
            <translation>Planes totales     Rendimiento total</translation>
        </message>
        <message>
            <source>Time Remaining</source>
            <translation>Tiempo restante</translation>
        </message>
        <message>
            <source>Save File...</source>
            <translation>Guardar archivo...</translation>
        </message>
        <message>
            <source>open File...</source>
            <translation>Abrir archivo...</translation>
        </message>
        <message>
            <source>Attention!</source>
            <translation>¡Atención!</translation>
        </message>
        <message>
            <source>Save changes in current file?</source>
            <translation>¿Guardar los cambios en el archivo actual?</translation>
        </message>
        <message>
            <source>Earlier version data file detected. Set the required tolerance and optimize.</source>
            <translation>Se detectó un archivo de una versión anterior. Fije la tolerancia necesaria y optimice.</translation>
        </message>
        <message>
            <source>Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do you want to continue?</source>
            <translation>Los datos actuales de Datos básicos y Opciones de optimización se guardarán como PREDETERMINADOS. ¿Desea continuar?</translation>
        </message>
        <message>
            <source>Save Changes?</source>
            <translation>¿Guardar los cambios?</translation>
        </message>
        <message>
            <source>Total Glass Size Area is MORE then Total Sheet Area!</source>
            <translation>¡El área total de las medidas de vidrio es MAYOR que el área total de las planchas!</translation>
        </message>
        <message>
            <source>Start OPTIMIZATION?</source>
            <translation>¿Iniciar la OPTIMIZACIÓN?</translation>
        </message>
        <message>
            <source>Alternate Arrangment for this layout is not possible</source>
            <translation>No es posible una disposición alternativa para este plan de corte</translation>
        </message>
        <message>
            <source>Try &amp;Next Arrangement</source>
            <translation>Probar la disposición &amp;siguiente</translation>
        </message>
        <message>
            <source>&amp;Keep This Arrangement</source>
            <translation>&amp;Conservar esta disposición</translation>
        </message>
        <message>
            <source>&amp;Original Arrangement</source>
            <translation>Disposición &amp;original</translation>
        </message>
        <message>
            <source>Line Width for Printing</source>
            <translation>Grosor de línea al imprimir</translation>
        </message>
        <message>
            <source>Basic Details List</source>
            <translation>Lista de datos básicos</translation>
        </message>
        <message>
            <source>Sheet Dimensions</source>
            <translation>Cotas de la plancha</translation>
        </message>
        <message>
            <source>Margin Dimensions</source>
            <translation>Cotas de los márgenes</translation>
        </message>
        <message>
            <source>Only First In Block</source>
            <translation>Solo el primero del bloque</translation>
        </message>
        <message>
            <source>Glass Dimensions</source>
            <translation>Cotas de los vidrios</translation>
        </message>
        <message>
            <source>Glass Actual Dimensions</source>
            <translation>Cotas reales de los vidrios</translation>
        </message>
        <message>
            <source>Glass Description</source>
            <translation>Descripción del vidrio</translation>
        </message>
        <message>
            <source>Glass Color</source>
            <translation>Color del vidrio</translation>
        </message>
        <message>
            <source>Balance Dimensions</source>
            <translation>Cotas de los retales</translation>
        </message>
        <message>
            <source>Balance Boundries</source>
            <translation>Contornos de los retales</translation>
        </message>
        <message>
            <source>Balance List</source>
            <translation>Lista de retales</translation>
        </message>
        <message>
            <source>What would you like to add to the existing layout?</source>
            <translation>¿Qué desea añadir al plan de corte existente?</translation>
        </message>
        <message>
            <source>You have not selected any item</source>
            <translation>No ha seleccionado ningún elemento</translation>
        </message>
        <message>
            <source>Delete / Resize Existing Balance</source>
            <translation>Eliminar / redimensionar retal existente</translation>
        </message>
        <message>
            <source>Delete / Move Existing Glass-Piece</source>
            <translation>Eliminar / mover pieza de vidrio existente</translation>
        </message>
        <message>
            <source>Delete / Modify Existing Balance</source>
            <translation>Eliminar / modificar retal existente</translation>
        </message>
        <message>
            <source>Define Position &amp; Size of New Balance</source>
            <translation>Definir posición y tamaño del nuevo retal</translation>
        </message>
        <message>
            <source>Define Position &amp; Orientation of New Glass-Piece</source>
            <translation>Definir posición y orientación de la nueva pieza de vidrio</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Mover</translation>
        </message>
        <message>
            <source>Modify</source>
            <translation>Modificar</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Añadir</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Nota:</translation>
        </message>
        <message>
            <source>XS and YS are Coordinates of the LEFT-TOP corner</source>
            <translation>XS e YS son las coordenadas de la esquina SUPERIOR IZQUIERDA</translation>
        </message>
        <message>
            <source>DIM-X (Horizontal) and DIM-Y (Vertical) are the Dimensions</source>
            <translation>DIM-X (horizontal) y DIM-Y (vertical) son las medidas</translation>
        </message>
        <message>
            <source>ORN  (1 or 2) is the Orientation</source>
            <translation>ORN  (1 o 2) es la orientación</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Redimensionar</translation>
        </message>
        <message>
            <source>In order to edit the layout current unit need to be MM, Change now ?</source>
            <translation>Para editar el plan de corte la unidad debe ser MM. ¿Cambiarla ahora?</translation>
        </message>
        <message>
            <source>This file was not optimized.</source>
            <translation>Este archivo no se ha optimizado.</translation>
        </message>
        <message>
            <source>Material specified was not found in stock. Do you want select item from the stock ?</source>
            <translation>El material indicado no está en existencias. ¿Desea elegir un artículo de las existencias?</translation>
        </message>
        <message>
            <source>Sheet Library is empty</source>
            <translation>La biblioteca de planchas está vacía</translation>
        </message>
        <message>
            <source>Update Material Library?</source>
            <translation>¿Actualizar la biblioteca de materiales?</translation>
        </message>
        <message>
            <source>Material Library Updated!</source>
            <translation>¡Biblioteca de materiales actualizada!</translation>
        </message>
        <message>
            <source>Layout and position</source>
            <translation>Plan y posición</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>Código</translation>
        </message>
        <message>
            <source>Recover the job you were working on?</source>
            <translation>¿Recuperar el trabajo en el que estaba?</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Importar lista de vidrios</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Importar lista de existencias</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Export DXF</source>
            <translation>Exportar DXF</translation>
        </message>
        <message>
            <source>Excel Workbook</source>
            <translation>Libro de Excel</translation>
        </message>
        <message>
            <source>CSV (Comma delimited)</source>
            <translation>CSV (delimitado por comas)</translation>
        </message>
        <message>
            <source>Lists</source>
            <translation>Listas</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Todos los archivos</translation>
        </message>
        <message>
            <source>DXF drawings</source>
            <translation>Dibujos DXF</translation>
        </message>
        <message>
            <source>Overall Yield (%)</source>
            <translation>Rendimiento total (%)</translation>
        </message>
        <message>
            <source>Total Layouts</source>
            <translation>Planes totales</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Beneficio</translation>
        </message>
        <message>
            <source>ITEM</source>
            <translation>ARTÍCULO</translation>
        </message>
        <message>
            <source>ADDRESS</source>
            <translation>DIRECCIÓN</translation>
        </message>
        <message>
            <source>MAT</source>
            <translation>MAT</translation>
        </message>
        <message>
            <source>GRADE</source>
            <translation>CALIDAD</translation>
        </message>
        <message>
            <source>LAYOUT</source>
            <translation>PLAN</translation>
        </message>
        <message>
            <source>ROWS</source>
            <translation>FILAS</translation>
        </message>
        <message>
            <source>COLS</source>
            <translation>COLUMNAS</translation>
        </message>
        <message>
            <source>THICK</source>
            <translation>ESPESOR</translation>
        </message>
        <message>
            <source>KERF</source>
            <translation>ENTALLA</translation>
        </message>
        <message>
            <source>BLADE</source>
            <translation>HOJA</translation>
        </message>
        <message>
            <source>LENGTH</source>
            <translation>LONGITUD</translation>
        </message>
        <message>
            <source>WIDTH</source>
            <translation>ANCHO</translation>
        </message>
        <message>
            <source>QTY</source>
            <translation>CANT</translation>
        </message>
        <message>
            <source>TAG</source>
            <translation>MARCA</translation>
        </message>
        <message>
            <source>CUSTOMER</source>
            <translation>CLIENTE</translation>
        </message>
        <message>
            <source>PRODUCT</source>
            <translation>PRODUCTO</translation>
        </message>
        <message>
            <source>SITE</source>
            <translation>OBRA</translation>
        </message>
        <message>
            <source>REF</source>
            <translation>REF</translation>
        </message>
        <message>
            <source>FROM</source>
            <translation>DE</translation>
        </message>
        <message>
            <source>PRODUCTS</source>
            <translation>PRODUCTOS</translation>
        </message>
        <message>
            <source>DENSITY</source>
            <translation>DENSIDAD</translation>
        </message>
        <message>
            <source>NOTE</source>
            <translation>NOTA</translation>
        </message>
        <message>
            <source>REPORT</source>
            <translation>INFORME</translation>
        </message>
        <message>
            <source>UNIT</source>
            <translation>UNIDAD</translation>
        </message>
        <message>
            <source>Paste from clipboard ?</source>
            <translation>¿Pegar desde el portapapeles?</translation>
        </message>
        <message>
            <source>You are trying to change data. You need to optimize again. 

Continue?</source>
            <translation>Está cambiando datos. Tendrá que optimizar de nuevo. 

¿Continuar?</translation>
        </message>
        <message>
            <source>Sr No</source>
            <translation>N.º</translation>
        </message>
        <message>
            <source>Use leftovers first</source>
            <translation>Usar primero los retales</translation>
        </message>
        <message>
            <source>Keep one leftover</source>
            <translation>Conservar un retal</translation>
        </message>
        <message>
            <source>Breakout numbers</source>
            <translation>Números de descarga</translation>
        </message>
        <message>
            <source>Labels in breakout order</source>
            <translation>Etiquetas en orden de descarga</translation>
        </message>
        <message>
            <source>Rack and slot on labels</source>
            <translation>Caballete y ranura en las etiquetas</translation>
        </message>
        <message>
            <source>Density Table</source>
            <translation>Tabla de densidades</translation>
        </message>
        <message>
            <source>Rack Library</source>
            <translation>Biblioteca de caballetes</translation>
        </message>
        <message>
            <source>RACK</source>
            <translation>CABALLETE</translation>
        </message>
        <message>
            <source>SLOTS</source>
            <translation>RANURAS</translation>
        </message>
        <message>
            <source>PIECES</source>
            <translation>PIEZAS</translation>
        </message>
        <message>
            <source>LOAD (KG)</source>
            <translation>CARGA (KG)</translation>
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
            <translation>Plan de caballetes</translation>
        </message>
        <message>
            <source>Racks</source>
            <translation>Caballetes</translation>
        </message>
        <message>
            <source>Not Racked</source>
            <translation>Sin colocar</translation>
        </message>
        <message>
            <source>Rack</source>
            <translation>Caballete</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Ranura</translation>
        </message>
        <message>
            <source>In Slot</source>
            <translation>En ranura</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Motivo</translation>
        </message>
        <message>
            <source>Slots</source>
            <translation>Ranuras</translation>
        </message>
        <message>
            <source>Slots Used</source>
            <translation>Ranuras usadas</translation>
        </message>
        <message>
            <source>Pieces</source>
            <translation>Piezas</translation>
        </message>
        <message>
            <source>Load(kg)</source>
            <translation>Carga(kg)</translation>
        </message>
        <message>
            <source>Most Load(kg)</source>
            <translation>Carga máx.(kg)</translation>
        </message>
        <message>
            <source>No.</source>
            <translation>N.º</translation>
        </message>
        <message>
            <source>Layout No.</source>
            <translation>Plano N.º</translation>
        </message>
        <message>
            <source>Sheet</source>
            <translation>Plancha</translation>
        </message>
        <message>
            <source>Breakout</source>
            <translation>Descarga</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Posición</translation>
        </message>
        <message>
            <source>Customer</source>
            <translation>Cliente</translation>
        </message>
        <message>
            <source>Sr.No</source>
            <translation>N.º Ser.</translation>
        </message>
        <message>
            <source>Weight(kg)</source>
            <translation>Peso(kg)</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).

Start it now?</source>
            <translation>Este trabajo tiene defectos, pilas o reglas de la línea de corte: necesita la optimización profunda (Mayús+F5).

¿Iniciarla ahora?</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).</source>
            <translation>Este trabajo tiene defectos, pilas o reglas de la línea de corte: necesita la optimización profunda (Mayús+F5).</translation>
        </message>
        <message>
            <source>Choose the row of the sheets whose flaws you want to edit.</source>
            <translation>Elija la fila de las planchas cuyos defectos quiere editar.</translation>
        </message>
        <message>
            <source>Sheet(s) Utilization Summary</source>
            <translation>Resumen de uso de planchas</translation>
        </message>
        <message>
            <source>Glass Size(s) Summary</source>
            <translation>Resumen de medidas de vidrio</translation>
        </message>
        <message>
            <source>Cost &amp; Area Summary</source>
            <translation>Resumen de costes y superficies</translation>
        </message>
        <message>
            <source>Overall Yield(%)</source>
            <translation>Rendimiento total(%)</translation>
        </message>
        <message>
            <source>Sheet Size</source>
            <translation>Medida plancha</translation>
        </message>
        <message>
            <source>Glass Sizes</source>
            <translation>Medidas de vidrio</translation>
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
            <translation>Artículo:</translation>
        </message>
        <message>
            <source>Unit:</source>
            <translation>Unidad:</translation>
        </message>
        <message>
            <source>Qty</source>
            <translation>Cant</translation>
        </message>
        <message>
            <source>Pcs</source>
            <translation>uds</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>Área</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Retales</translation>
        </message>
        <message>
            <source>Wastage</source>
            <translation>Desperdicio</translation>
        </message>
        <message>
            <source>Entity</source>
            <translation>Concepto</translation>
        </message>
        <message>
            <source>POS</source>
            <translation>POS</translation>
        </message>
        <message>
            <source>SLOT</source>
            <translation>HUECO</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Archivo:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Fecha:</translation>
        </message>
        <message>
            <source>%1 missing in sheet number (%2), Proceed?</source>
            <translation>Falta %1 en la plancha número (%2). ¿Continuar?</translation>
        </message>
        <message>
            <source>%1 missing in glass size (%2), Proceed?</source>
            <translation>Falta %1 en la medida de vidrio (%2). ¿Continuar?</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>No se pudo abrir %1: %2</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>No se pudo guardar %1: %2</translation>
        </message>
        <message>
            <source>Could not read %1</source>
            <translation>No se pudo leer %1</translation>
        </message>
        <message>
            <source>%1 holds no rack.</source>
            <translation>%1 no contiene caballetes.</translation>
        </message>
        <message>
            <source>%1 has no density for %2: its weights are 0.</source>
            <translation>%1 no tiene densidad para %2: sus pesos son 0.</translation>
        </message>
        <message>
            <source>Too many pieces: more than %1.</source>
            <translation>Demasiadas piezas: más de %1.</translation>
        </message>
        <message>
            <source>The layout file is damaged: %1</source>
            <translation>El archivo de planes de corte está dañado: %1</translation>
        </message>
        <message>
            <source>SR.NO</source>
            <translation>N.º SER.</translation>
        </message>
        <message>
            <source>A/C</source>
            <translation>CUENTA</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Plans guillotine cuts of glass pieces from stock sheets.</source>
            <translation>Planifica los cortes de guillotina de piezas de vidrio a partir de planchas en stock.</translation>
        </message>
        <message>
            <source>The data folder to use.</source>
            <translation>La carpeta de datos que se usará.</translation>
        </message>
        <message>
            <source>The language of this run (en, de, it, es, fr, tr).</source>
            <translation>El idioma de esta ejecución (en, de, it, es, fr, tr).</translation>
        </message>
        <message>
            <source>A job file to open.</source>
            <translation>Un archivo de trabajo que se abrirá.</translation>
        </message>
        <message>
            <source>%1 is already running</source>
            <translation>%1 ya se está ejecutando</translation>
        </message>
    </context>
    <context>
        <name>lumora::AboutWindow</name>
        <message>
            <source>%1 version %2</source>
            <translation>%1 versión %2</translation>
        </message>
        <message>
            <source>About </source>
            <translation>Acerca de </translation>
        </message>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Planes de corte de guillotina para cristalerías</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>lumora::AddNewDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Next</source>
            <translation>Siguiente</translation>
        </message>
    </context>
    <context>
        <name>lumora::BalanceWindow</name>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Tabla de retales y desperdicios</translation>
        </message>
    </context>
    <context>
        <name>lumora::BasicDetailsWindow</name>
        <message>
            <source>Select I&amp;tem</source>
            <translation>Seleccionar ar&amp;tículo</translation>
        </message>
    </context>
    <context>
        <name>lumora::BrokenPiecesDialog</name>
        <message>
            <source>Recut</source>
            <translation>Recortar</translation>
        </message>
        <message>
            <source>Broken Pieces</source>
            <translation>Piezas rotas</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Select the pieces that broke: they go into a new job, cut from the library's leftovers first.</source>
            <translation>Elija las piezas rotas: pasan a un trabajo nuevo y se cortan primero de los retales de la biblioteca.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChargeableSizeWindow</name>
        <message>
            <source>Done</source>
            <translation>Hecho</translation>
        </message>
        <message>
            <source>Chargeable Size Definition</source>
            <translation>Definición de la medida facturable</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChildWindowPlaces</name>
        <message>
            <source>&amp;Tile</source>
            <translation>&amp;Mosaico</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>&amp;Cascada</translation>
        </message>
    </context>
    <context>
        <name>lumora::ConfigureWindow</name>
        <message>
            <source>Configure</source>
            <translation>Configurar</translation>
        </message>
        <message>
            <source>Chargeable Size</source>
            <translation>Medida facturable</translation>
        </message>
        <message>
            <source>Scrap Criteria</source>
            <translation>Criterios de desperdicio</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etiquetas</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Varios</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>The language applies at the next start.</source>
            <translation>El idioma se aplica en el próximo inicio.</translation>
        </message>
        <message>
            <source>Print in the chosen language</source>
            <translation>Imprimir en el idioma elegido</translation>
        </message>
        <message>
            <source>The field captions of printed labels; the files stay in English</source>
            <translation>Los rótulos de los campos de las etiquetas impresas; los archivos siguen en inglés</translation>
        </message>
    </context>
    <context>
        <name>lumora::CuttingLineWindow</name>
        <message>
            <source>no limit</source>
            <translation>sin límite</translation>
        </message>
        <message>
            <source>Cutting Line</source>
            <translation>Línea de corte</translation>
        </message>
        <message>
            <source>Cut this job on the cutting line</source>
            <translation>Cortar este trabajo en la línea de corte</translation>
        </message>
        <message>
            <source>2 stages</source>
            <translation>2 etapas</translation>
        </message>
        <message>
            <source>3 stages</source>
            <translation>3 etapas</translation>
        </message>
        <message>
            <source>3 stages and a trim cut</source>
            <translation>3 etapas y un corte de saneado</translation>
        </message>
        <message>
            <source>Unlimited</source>
            <translation>Ilimitadas</translation>
        </message>
        <message>
            <source>&amp;Stages:</source>
            <translation>&amp;Etapas:</translation>
        </message>
        <message>
            <source>Vertical (strips side by side)</source>
            <translation>Vertical (tiras una junto a otra)</translation>
        </message>
        <message>
            <source>Horizontal (strips one above another)</source>
            <translation>Horizontal (tiras una sobre otra)</translation>
        </message>
        <message>
            <source>&amp;First cut:</source>
            <translation>&amp;Primer corte:</translation>
        </message>
        <message>
            <source>Strip width, l&amp;east:</source>
            <translation>Ancho de tira, mí&amp;nimo:</translation>
        </message>
        <message>
            <source>Strip width, &amp;most:</source>
            <translation>Ancho de tira, má&amp;ximo:</translation>
        </message>
        <message>
            <source>&amp;Row height, least:</source>
            <translation>Altura de &amp;fila, mínima:</translation>
        </message>
        <message>
            <source>&amp;Waste width, least:</source>
            <translation>Ancho de &amp;desperdicio, mínimo:</translation>
        </message>
        <message>
            <source>&amp;Cuts may pass through flaws</source>
            <translation>Los &amp;cortes pueden pasar por defectos</translation>
        </message>
        <message>
            <source>Sheets are used in their listed &amp;order</source>
            <translation>Las planchas se usan en el &amp;orden de la lista</translation>
        </message>
    </context>
    <context>
        <name>lumora::DiaSettingsWindow</name>
        <message>
            <source>Apply</source>
            <translation>Aplicar</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Ajustes del plan de corte</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Plan de corte</translation>
        </message>
        <message>
            <source>Printout</source>
            <translation>Impresión</translation>
        </message>
    </context>
    <context>
        <name>lumora::FlawEditorWindow</name>
        <message>
            <source>SHEET</source>
            <translation>PLANCHA</translation>
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
            <translation>AN (MM)</translation>
        </message>
        <message>
            <source>H (MM)</source>
            <translation>AL (MM)</translation>
        </message>
        <message>
            <source>Flaws of Sheet Row %1</source>
            <translation>Defectos de la fila de plancha %1</translation>
        </message>
        <message>
            <source>Sheet </source>
            <translation>Plancha </translation>
        </message>
        <message>
            <source> of %1</source>
            <translation> de %1</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Eliminar</translation>
        </message>
        <message>
            <source>Drag on the sheet to add a flaw; Delete removes the selected one.</source>
            <translation>Arrastre sobre la plancha para añadir un defecto; Supr borra el elegido.</translation>
        </message>
    </context>
    <context>
        <name>lumora::GlassWindow</name>
        <message>
            <source>ORN 1: glass L1 along the coil's L1</source>
            <translation>ORN 1: L1 del vidrio a lo largo de L1 de la bobina</translation>
        </message>
        <message>
            <source>ORN 1: glass L1 along the sheet's L1</source>
            <translation>ORN 1: L1 del vidrio a lo largo de L1 de la plancha</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the coil's L2</source>
            <translation>ORN 2: L1 del vidrio a lo largo de L2 de la bobina</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the sheet's L2</source>
            <translation>ORN 2: L1 del vidrio a lo largo de L2 de la plancha</translation>
        </message>
        <message>
            <source>Total QTY:</source>
            <translation>Cantidad total:</translation>
        </message>
        <message>
            <source>Stack of Glass Row %1</source>
            <translation>Pila de la fila de vidrio %1</translation>
        </message>
        <message>
            <source>in grid order</source>
            <translation>en orden de la tabla</translation>
        </message>
        <message>
            <source>&amp;Stack (empty for none):</source>
            <translation>&amp;Pila (vacía para ninguna):</translation>
        </message>
        <message>
            <source>&amp;Place in the stack:</source>
            <translation>P&amp;uesto en la pila:</translation>
        </message>
        <message>
            <source>Stack...</source>
            <translation>Pila...</translation>
        </message>
        <message>
            <source>The stack the current row's pieces go to, and their place in it</source>
            <translation>La pila a la que van las piezas de la fila actual y su puesto en ella</translation>
        </message>
        <message>
            <source>Stack: %1%2</source>
            <translation>Pila: %1%2</translation>
        </message>
        <message>
            <source>, place %1</source>
            <translation>, puesto %1</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridToolBar</name>
        <message>
            <source>Export to Spreadsheet...</source>
            <translation>Exportar a hoja de cálculo...</translation>
        </message>
        <message>
            <source>Sort Ascending</source>
            <translation>Orden ascendente</translation>
        </message>
        <message>
            <source>Sort Descending</source>
            <translation>Orden descendente</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Vista previa de impresión</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Pegar</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridWidget</name>
        <message>
            <source>Print Preview</source>
            <translation>Vista previa de impresión</translation>
        </message>
    </context>
    <context>
        <name>lumora::ItemChoiceWindow</name>
        <message>
            <source>Select</source>
            <translation>Seleccionar</translation>
        </message>
        <message>
            <source>Item Choice</source>
            <translation>Elección de artículo</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobExchange</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Importar lista de vidrios...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Importar lista de existencias...</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Exportar...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Ventana</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobGridWindow</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Importar lista de vidrios...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Importar lista de existencias...</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Datos básicos</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Especificaciones de bobinas</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Especificaciones de planchas</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Especificaciones de medidas de vidrio</translation>
        </message>
        <message>
            <source>     Unit: </source>
            <translation>     Unidad: </translation>
        </message>
    </context>
    <context>
        <name>lumora::LabelsWindow</name>
        <message>
            <source>Rows of labels on a page</source>
            <translation>Filas de etiquetas por página</translation>
        </message>
        <message>
            <source>Labels side by side in a row</source>
            <translation>Etiquetas lado a lado en una fila</translation>
        </message>
        <message>
            <source>Horizontal start: the character column where the first label of a row begins (1 is the left edge)</source>
            <translation>Inicio horizontal: la columna de caracteres donde empieza la primera etiqueta de una fila (1 es el borde izquierdo)</translation>
        </message>
        <message>
            <source>Horizontal pitch: characters from the start of one label to the start of the next</source>
            <translation>Paso horizontal: caracteres desde el inicio de una etiqueta hasta el inicio de la siguiente</translation>
        </message>
        <message>
            <source>Vertical start: empty lines at the top of every page</source>
            <translation>Inicio vertical: líneas vacías al principio de cada página</translation>
        </message>
        <message>
            <source>Vertical pitch: empty lines after every row of labels</source>
            <translation>Paso vertical: líneas vacías tras cada fila de etiquetas</translation>
        </message>
        <message>
            <source>Define Labels</source>
            <translation>Definir etiquetas</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Imprimir etiquetas</translation>
        </message>
    </context>
    <context>
        <name>lumora::Launcher</name>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Planes de corte de guillotina para cristalerías</translation>
        </message>
        <message>
            <source>Base Module</source>
            <translation>Módulo base</translation>
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
            <translation>Gestor de la biblioteca de materiales</translation>
        </message>
        <message>
            <source>P L M</source>
            <translation>P L M</translation>
        </message>
        <message>
            <source>Product Library Manager</source>
            <translation>Gestor de la biblioteca de productos</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Cargar productos</translation>
        </message>
        <message>
            <source>Configure</source>
            <translation>Configurar</translation>
        </message>
        <message>
            <source>Modify Settings</source>
            <translation>Modificar ajustes</translation>
        </message>
        <message>
            <source>About...</source>
            <translation>Acerca de...</translation>
        </message>
        <message>
            <source>About LUMORA</source>
            <translation>Acerca de LUMORA</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Close LUMORA</source>
            <translation>Cerrar LUMORA</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutEditing</name>
        <message>
            <source>Undo</source>
            <translation>Deshacer</translation>
        </message>
        <message>
            <source>Undo the last change of the layouts (Ctrl+Z)</source>
            <translation>Deshacer el último cambio de los planes de corte (Ctrl+Z)</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Rehacer</translation>
        </message>
        <message>
            <source>Redo the change undone (Ctrl+Shift+Z)</source>
            <translation>Rehacer el cambio deshecho (Ctrl+Mayús+Z)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutsWindow</name>
        <message>
            <source>Stretch</source>
            <translation>Estirar</translation>
        </message>
        <message>
            <source>Stretch the layout to the height of the view</source>
            <translation>Estirar el plan de corte a la altura de la vista</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>Print Layouts</source>
            <translation>Imprimir planes de corte</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etiquetas</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Imprimir etiquetas</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Ajustes</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Ajustes del plan de corte</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Editar</translation>
        </message>
        <message>
            <source>Edit Layout</source>
            <translation>Editar plan de corte</translation>
        </message>
        <message>
            <source>Alternate</source>
            <translation>Alternativa</translation>
        </message>
        <message>
            <source>Alternate Arrangement</source>
            <translation>Disposición alternativa</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Planes de corte</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajustar</translation>
        </message>
        <message>
            <source>Back to the whole sheet (Ctrl + wheel, + and - zoom)</source>
            <translation>Volver a la plancha entera (Ctrl + rueda, + y - para el zoom)</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Vista previa</translation>
        </message>
        <message>
            <source>Print Preview of every layout</source>
            <translation>Vista previa de impresión de cada plan de corte</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Vista previa de impresión</translation>
        </message>
        <message>
            <source>Labels Preview</source>
            <translation>Vista previa de etiquetas</translation>
        </message>
        <message>
            <source>Print Preview of the labels</source>
            <translation>Vista previa de impresión de las etiquetas</translation>
        </message>
        <message>
            <source>Export DXF...</source>
            <translation>Exportar DXF...</translation>
        </message>
        <message>
            <source>Write every layout into one DXF drawing</source>
            <translation>Escribir todos los planes de corte en un dibujo DXF</translation>
        </message>
        <message>
            <source>Broken...</source>
            <translation>Roturas...</translation>
        </message>
        <message>
            <source>Cut broken pieces again in a new job (Ctrl+click marks a piece on the drawing)</source>
            <translation>Volver a cortar las piezas rotas en un trabajo nuevo (Ctrl+clic marca una pieza en el dibujo)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LibraryWindow</name>
        <message>
            <source>Done</source>
            <translation>Hecho</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Actualizar</translation>
        </message>
    </context>
    <context>
        <name>lumora::ListImportDialog</name>
        <message>
            <source>The first line names the columns</source>
            <translation>La primera línea da nombre a las columnas</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Importar lista de vidrios</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Importar lista de existencias</translation>
        </message>
        <message>
            <source>Lengths in</source>
            <translation>Longitudes en</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(ninguna)</translation>
        </message>
        <message>
            <source>%L1 rows to import.</source>
            <translation>%L1 filas para importar.</translation>
        </message>
        <message>
            <source>%L1 rows to import. Lines that do not fit:
%2</source>
            <translation>%L1 filas para importar. Líneas que no encajan:
%2</translation>
        </message>
    </context>
    <context>
        <name>lumora::LoadProductsWindow</name>
        <message>
            <source>Load</source>
            <translation>Cargar</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Cargar productos</translation>
        </message>
        <message>
            <source>Base name of the job files</source>
            <translation>Nombre base de los archivos de trabajo</translation>
        </message>
        <message>
            <source>Make '.opt' files</source>
            <translation>Crear archivos '.opt'</translation>
        </message>
        <message>
            <source>File name</source>
            <translation>Nombre de archivo</translation>
        </message>
    </context>
    <context>
        <name>lumora::MainWindow</name>
        <message>
            <source>Coi&amp;l Specifications</source>
            <translation>Especificaciones de bo&amp;binas</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Datos básicos</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Especificaciones de bobinas</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Especificaciones de planchas</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Especificaciones de medidas de vidrio</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>Informe</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Planes de corte</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Tabla de retales y desperdicios</translation>
        </message>
        <message>
            <source>Written: </source>
            <translation>Escrito: </translation>
        </message>
        <message>
            <source>Deep Optimization</source>
            <translation>Optimización profunda</translation>
        </message>
        <message>
            <source>Time limit in seconds (the best result found by then is kept):</source>
            <translation>Límite de tiempo en segundos (se conserva el mejor resultado encontrado hasta entonces):</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Nuevo</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Abrir...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Guardar</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Guardar &amp;como...</translation>
        </message>
        <message>
            <source>Save As Defaults</source>
            <translation>Guardar como predeterminados</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Editar</translation>
        </message>
        <message>
            <source>&amp;Basic Details</source>
            <translation>Datos &amp;básicos</translation>
        </message>
        <message>
            <source>&amp;Sheet Specifications</source>
            <translation>Especificaciones de &amp;planchas</translation>
        </message>
        <message>
            <source>&amp;Glass Size Specifications</source>
            <translation>Especificaciones de medidas de &amp;vidrio</translation>
        </message>
        <message>
            <source>&amp;Optimize</source>
            <translation>&amp;Optimizar</translation>
        </message>
        <message>
            <source>&amp;Start Optimization</source>
            <translation>&amp;Iniciar optimización</translation>
        </message>
        <message>
            <source>Maximum Yield</source>
            <translation>Máximo rendimiento</translation>
        </message>
        <message>
            <source>Minimum Layouts</source>
            <translation>Mínimo de planes</translation>
        </message>
        <message>
            <source>&amp;Deep Optimization...</source>
            <translation>Optimización &amp;profunda...</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ver</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Informe</translation>
        </message>
        <message>
            <source>&amp;Layouts</source>
            <translation>&amp;Planes de corte</translation>
        </message>
        <message>
            <source>&amp;Balance And Scrap Table</source>
            <translation>&amp;Tabla de retales y desperdicios</translation>
        </message>
        <message>
            <source>&amp;Tools</source>
            <translation>&amp;Herramientas</translation>
        </message>
        <message>
            <source>&amp;Unit Conversion Tool</source>
            <translation>Conversión de &amp;unidades</translation>
        </message>
        <message>
            <source>&amp;Density Table</source>
            <translation>Tabla de &amp;densidades</translation>
        </message>
        <message>
            <source>Change Unit to &amp;IN</source>
            <translation>Cambiar unidad a &amp;IN</translation>
        </message>
        <message>
            <source>Change Unit to &amp;MM</source>
            <translation>Cambiar unidad a &amp;MM</translation>
        </message>
        <message>
            <source>Define &amp;Labels...</source>
            <translation>Definir &amp;etiquetas...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>&amp;Lumora Help</source>
            <translation>Ayuda de &amp;Lumora</translation>
        </message>
        <message>
            <source>&amp;About LUMORA</source>
            <translation>&amp;Acerca de LUMORA</translation>
        </message>
        <message>
            <source>Toolbar</source>
            <translation>Barra de herramientas</translation>
        </message>
        <message>
            <source>New FIle</source>
            <translation>Archivo nuevo</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Abrir archivo</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Guardar archivo</translation>
        </message>
        <message>
            <source>Start Optimization</source>
            <translation>Iniciar optimización</translation>
        </message>
        <message>
            <source>Change Unit to IN</source>
            <translation>Cambiar unidad a IN</translation>
        </message>
        <message>
            <source>Change Unit to MM</source>
            <translation>Cambiar unidad a MM</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Plan de caballetes</translation>
        </message>
        <message>
            <source>Cutting &amp;Line...</source>
            <translation>&amp;Línea de corte...</translation>
        </message>
        <message>
            <source>Rack &amp;Plan</source>
            <translation>&amp;Plan de caballetes</translation>
        </message>
    </context>
    <context>
        <name>lumora::ManualWindow</name>
        <message>
            <source>Lumora Help</source>
            <translation>Ayuda de Lumora</translation>
        </message>
        <message>
            <source>No web browser could show the manual; it is here as well as in the folder </source>
            <translation>Ningún navegador pudo mostrar el manual; está aquí y también en la carpeta </translation>
        </message>
        <message>
            <source> (index.html is its first page).</source>
            <translation> (index.html es su primera página).</translation>
        </message>
    </context>
    <context>
        <name>lumora::MaterialLibraryWindow</name>
        <message>
            <source>Material Library Manager</source>
            <translation>Gestor de la biblioteca de materiales</translation>
        </message>
    </context>
    <context>
        <name>lumora::MiscWindow</name>
        <message>
            <source>Misc</source>
            <translation>Varios</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProductLibraryWindow</name>
        <message>
            <source>Product Library Manager</source>
            <translation>Gestor de la biblioteca de productos</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProgressWindow</name>
        <message>
            <source>Stop</source>
            <translation>Detener</translation>
        </message>
        <message>
            <source>Time Elapsed</source>
            <translation>Tiempo transcurrido</translation>
        </message>
        <message>
            <source>Total Time</source>
            <translation>Tiempo total</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Search steps:</source>
            <translation>Pasos de búsqueda:</translation>
        </message>
        <message>
            <source>Passes to go / improvements:</source>
            <translation>Pasadas restantes / mejoras:</translation>
        </message>
    </context>
    <context>
        <name>lumora::RackPlanWindow</name>
        <message>
            <source>Rack Library...</source>
            <translation>Biblioteca de caballetes...</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Plan de caballetes</translation>
        </message>
        <message>
            <source>%1 pieces in breakout order: %2 in racks, %3 not racked.</source>
            <translation>%1 piezas en orden de descarga: %2 en caballetes, %3 sin colocar.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ReportWindow</name>
        <message>
            <source>Report</source>
            <translation>Informe</translation>
        </message>
    </context>
    <context>
        <name>lumora::ScrapCriteriaWindow</name>
        <message>
            <source>Scrap Criteria</source>
            <translation>Criterios de desperdicio</translation>
        </message>
    </context>
    <context>
        <name>lumora::SettingsRowWindow</name>
        <message>
            <source>Apply</source>
            <translation>Aplicar</translation>
        </message>
    </context>
    <context>
        <name>lumora::SheetWindow</name>
        <message>
            <source>Import</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>Margin set on this side of the stock</source>
            <translation>Margen fijado en este lado de la plancha</translation>
        </message>
        <message>
            <source>Flaws...</source>
            <translation>Defectos...</translation>
        </message>
        <message>
            <source>The flaws of the sheets of the current row</source>
            <translation>Los defectos de las planchas de la fila actual</translation>
        </message>
        <message>
            <source>%1 shaded row(s): leftovers from the material library</source>
            <translation>%1 fila(s) sombreada(s): retales de la biblioteca de materiales</translation>
        </message>
    </context>
    <context>
        <name>lumora::UnitConversionWindow</name>
        <message>
            <source>Unit Conversion Tool</source>
            <translation>Conversión de unidades</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>INPUT</source>
            <translation>ENTRADA</translation>
        </message>
        <message>
            <source>OUTPUT</source>
            <translation>SALIDA</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Pegar</translation>
        </message>
    </context>
</TS>
