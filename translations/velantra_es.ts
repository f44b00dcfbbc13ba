<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardActions</name>
    <message>
        <source>Budget report</source>
        <translation>Balance de potencia</translation>
    </message>
    <message>
        <source>Setting card</source>
        <translation>Ficha de ajuste</translation>
    </message>
    <message>
        <source>Label for the report (e.g. &quot;Shop 2, window&quot;), may be empty:</source>
        <translation>Etiqueta del balance (p. ej. «Tienda 2, escaparate»), puede quedar vacía:</translation>
    </message>
    <message>
        <source>Label for the card (e.g. &quot;Bar 3, left&quot;), may be empty:</source>
        <translation>Etiqueta de la ficha (p. ej. «Vara 3, izquierda»), puede quedar vacía:</translation>
    </message>
    <message>
        <source>Nothing was made: %1.</source>
        <translation>No se ha creado nada: %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Copiado como texto</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copiar como texto</translation>
    </message>
    <message>
        <source>PDF, A4 (*.pdf)</source>
        <translation>PDF, A4 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF, Letter (*.pdf)</source>
        <translation>PDF, Carta (*.pdf)</translation>
    </message>
    <message>
        <source>VELANTRA configuration tools</source>
        <translation>VELANTRA configuration tools</translation>
    </message>
</context>
<context>
    <name>CardWriter</name>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>No se pudo guardar %1: %2.</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Fichas de ajuste</translation>
    </message>
    <message>
        <source>the image could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modo: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>DMX address: </source>
        <translation>Dirección DMX: </translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Opciones: </translation>
    </message>
    <message>
        <source>Limit exceeded: %1</source>
        <translation>Límite superado: %1</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Bloque de 12 palancas</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Bloque de 4 palancas</translation>
    </message>
    <message>
        <source>the label holds a control character</source>
        <translation>la etiqueta contiene un carácter de control</translation>
    </message>
    <message>
        <source>the label is longer than %1 characters</source>
        <translation>la etiqueta tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>CC #%1 drives %2 LEDs per colour, more than the %3 one output allows.</source>
        <translation>CC #%1 alimenta %2 LED por color, más de los %3 que permite una salida.</translation>
    </message>
    <message>
        <source>The total power, %1 W, is more than the %2 W the controller gives.</source>
        <translation>La potencia total, %1 W, supera los %2 W que da el controlador.</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Etiqueta: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Modo: %1</translation>
    </message>
    <message>
        <source> — counted as %1</source>
        <translation> — contado como %1</translation>
    </message>
    <message>
        <source>no fixtures</source>
        <translation>ninguna luminaria</translation>
    </message>
    <message>
        <source>LEDs per colour: %1</source>
        <translation>LED por color: %1</translation>
    </message>
    <message>
        <source>Power: %1 W</source>
        <translation>Potencia: %1 W</translation>
    </message>
    <message>
        <source>Limits exceeded: none</source>
        <translation>Límites superados: ninguno</translation>
    </message>
    <message>
        <source>Levers ON: %1</source>
        <translation>Palancas en ON: %1</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>DMX address: %1</source>
        <translation>Dirección DMX: %1</translation>
    </message>
    <message>
        <source>Options: %1</source>
        <translation>Opciones: %1</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Bloque de %1 palancas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Luminaria</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Can.</translation>
    </message>
    <message>
        <source>Levers ON</source>
        <translation>Palancas en ON</translation>
    </message>
    <message>
        <source>1 fixture</source>
        <translation>1 luminaria</translation>
    </message>
    <message>
        <source>%1 fixtures</source>
        <translation>%1 luminarias</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (continuación)</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, página %2</translation>
    </message>
    <message>
        <source>DMX address %1 is beyond what the levers hold: 1 to %2</source>
        <translation>la dirección DMX %1 supera lo que llevan las palancas: de 1 a %2</translation>
    </message>
    <message>
        <source>lever %1 is no named function lever</source>
        <translation>la palanca %1 no es una palanca de función con nombre</translation>
    </message>
    <message>
        <source>Channels: %1, block %2–%3</source>
        <translation>Canales: %1, bloque %2–%3</translation>
    </message>
    <message>
        <source>Warning: the block runs past %1, to %2</source>
        <translation>Atención: el bloque pasa de %1, hasta %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown device &apos;%1&apos;: %2</source>
        <translation>aparato desconocido «%1»: %2</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 requiere un número entero, no «%2»</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Un maestro no lleva dirección DMX.</translation>
    </message>
    <message>
        <source>--out FILE.pdf|.png|.txt is required</source>
        <translation>--out ARCHIVO.pdf|.png|.txt es obligatorio</translation>
    </message>
    <message>
        <source>--label: </source>
        <translation>--label: </translation>
    </message>
    <message>
        <source>Could not write the card to standard output.</source>
        <translation>No se pudo escribir la ficha en la salida estándar.</translation>
    </message>
    <message>
        <source>--count %1: give OUTPUT:FIXTURE=N</source>
        <translation>--count %1: indique SALIDA:LUMINARIA=N</translation>
    </message>
    <message>
        <source>--count %1: the output is CC1, CC2, CV1 or CV2</source>
        <translation>--count %1: la salida es CC1, CC2, CV1 o CV2</translation>
    </message>
    <message>
        <source>--count %1: no such fixture on %2</source>
        <translation>--count %1: no hay tal luminaria en %2</translation>
    </message>
    <message>
        <source>--count %1: this controller has no %2 output</source>
        <translation>--count %1: este controlador no tiene salida %2</translation>
    </message>
    <message>
        <source>unknown controller &apos;%1&apos;: orvo75 or orvo36</source>
        <translation>controlador desconocido «%1»: orvo75 u orvo36</translation>
    </message>
    <message>
        <source>Could not write the report to standard output.</source>
        <translation>No se pudo escribir el balance en la salida estándar.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>The language of this run: de, en, es, fr, it or nl (the desktop&apos;s otherwise).</source>
        <translation>El idioma de esta ejecución: de, en, es, fr, it o nl (si no, el del escritorio).</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>%1: %2 (see &apos;%1 --help&apos;)</source>
        <translation>%1: %2 (véase «%1 --help»)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>VELANTRA configuration tools: DIP-switch settings, power budgets and data
sheets for DMX LED lighting. Without a command it opens the main window on
the display (a desktop session, or xvfb-run).</source>
        <translation>VELANTRA configuration tools: ajustes de dip-switch, balances de potencia y
fichas técnicas para iluminación LED DMX. Sin orden abre la ventana principal
en la pantalla (una sesión de escritorio, o xvfb-run).</translation>
    </message>
    <message>
        <source>%1 &lt;command&gt; [options] [arguments]</source>
        <translation>%1 &lt;orden&gt; [opciones] [argumentos]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>&apos;%1 &lt;command&gt; --help&apos; shows the options of a command.</source>
        <translation>«%1 &lt;orden&gt; --help» muestra las opciones de una orden.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>the plan file name is empty</source>
        <translation>el nombre del archivo del plano está vacío</translation>
    </message>
    <message>
        <source>--out %1: the file name must end in .pdf, .png or .txt, or be - for the text on standard output</source>
        <translation>--out %1: el nombre del archivo debe terminar en .pdf, .png o .txt, o ser - para el texto en la salida estándar</translation>
    </message>
    <message>
        <source>DMX start address, 1 to 511 (DMX mode; default 1)</source>
        <translation>Dirección DMX inicial, de 1 a 511 (modo DMX; por defecto 1)</translation>
    </message>
    <message>
        <source>Stand-alone master mode instead of DMX slave</source>
        <translation>Modo maestro autónomo en lugar de esclavo DMX</translation>
    </message>
    <message>
        <source>The 120 ohm line terminator ON (DMX mode)</source>
        <translation>El terminador de línea de 120 ohmios en ON (modo DMX)</translation>
    </message>
    <message>
        <source>The external pushbutton ON (orvo75, orvo36, fluo; master mode)</source>
        <translation>El pulsador externo en ON (orvo75, orvo36, fluo; modo maestro)</translation>
    </message>
    <message>
        <source>1-100 % modulation ON (fluo)</source>
        <translation>Modulación 1-100 % en ON (fluo)</translation>
    </message>
    <message>
        <source>Free text on the card&apos;s Label line, e.g. &quot;Bar 3, left&quot;</source>
        <translation>Texto libre en la línea Etiqueta de la ficha, p. ej. «Vara 3, izquierda»</translation>
    </message>
    <message>
        <source>The file to write: .pdf, .png or .txt; - writes the text to standard output</source>
        <translation>El archivo que escribir: .pdf, .png o .txt; - escribe el texto en la salida estándar</translation>
    </message>
    <message>
        <source>Writes a device&apos;s setting card (its DIP switches) as PDF, PNG or text</source>
        <translation>Escribe la ficha de ajuste de un aparato (sus dip-switch) como PDF, PNG o texto</translation>
    </message>
    <message>
        <source>orvo75 (75 W) or orvo36 (36 W)</source>
        <translation>orvo75 (75 W) u orvo36 (36 W)</translation>
    </message>
    <message>
        <source>A count as typed into the grid: OUTPUT:FIXTURE=N, the output CC1, CC2, CV1 or CV2 (CC only on the orvo36), the fixture by its name or grid row 1 to 14, e.g. &quot;CC1:Pomra RGB=2&quot;; repeat for more</source>
        <translation>Una cantidad como se escribe en la cuadrícula: SALIDA:LUMINARIA=N, la salida CC1, CC2, CV1 o CV2 (solo CC en el orvo36), la luminaria por su nombre o fila 1 a 14, p. ej. «CC1:Pomra RGB=2»; repetir para más</translation>
    </message>
    <message>
        <source>Average power instead of nominal power</source>
        <translation>Potencia media en lugar de potencia nominal</translation>
    </message>
    <message>
        <source>Free text on the report&apos;s Label line, e.g. &quot;Shop 2, window&quot;</source>
        <translation>Texto libre en la línea Etiqueta del balance, p. ej. «Tienda 2, escaparate»</translation>
    </message>
    <message>
        <source>Writes a power budget report as PDF, PNG or text</source>
        <translation>Escribe un balance de potencia como PDF, PNG o texto</translation>
    </message>
    <message>
        <source>velantra: cannot open a display; run it in a desktop session or under xvfb-run</source>
        <translation>velantra: no hay pantalla disponible; ejecútelo en una sesión de escritorio o con xvfb-run</translation>
    </message>
    <message>
        <source>Print the plan&apos;s problems; exit status 1 when there is any.</source>
        <translation>Muestra los problemas del plano; estado de salida 1 si hay alguno.</translation>
    </message>
    <message>
        <source>%1: %2 rows, %3</source>
        <translation>%1: %2 filas, %3</translation>
    </message>
    <message>
        <source>Channel count, 3 or 6 (orvo75; DMX mode)</source>
        <translation>Número de canales, 3 o 6 (orvo75; modo DMX)</translation>
    </message>
    <message>
        <source>Speed 0 to 4 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Velocidad de 0 a 4 (orvo75, orvo36, fluo, intell; modo maestro)</translation>
    </message>
    <message>
        <source>Show 0 to 15 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Show de 0 a 15 (orvo75, orvo36, fluo, intell; modo maestro)</translation>
    </message>
    <message>
        <source>Colour-temperature tune CCT 0 to 9 (dor; master mode)</source>
        <translation>Ambiente de temperatura de color CCT de 0 a 9 (dor; modo maestro)</translation>
    </message>
    <message>
        <source>no power window for %1</source>
        <translation>no hay ventana de potencia para %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>The rig plan (a .json file) or a patch list (a .csv file).</source>
        <translation>El plano de luces (un archivo .json) o una lista de patch (un archivo .csv).</translation>
    </message>
    <message>
        <source>Write the plan as a patch list (CSV) for a lighting console.</source>
        <translation>Escribe el plano como lista de patch (CSV) para una mesa de luces.</translation>
    </message>
    <message>
        <source>%1: %2 rows on %3 universes, %4</source>
        <translation>%1: %2 filas en %3 universos, %4</translation>
    </message>
    <message>
        <source>The levers ON, e.g. 3,4,6,9,11 (our device&apos;s 12-lever bank), or none; with --levers the only argument</source>
        <translation>Las palancas en ON, p. ej. 3,4,6,9,11 (bloque de 12 palancas de nuestro aparato), o none; con --levers el único argumento</translation>
    </message>
    <message>
        <source>The levers ON of the device&apos;s 4-lever bank, e.g. 1</source>
        <translation>Las palancas en ON del bloque de 4 palancas del aparato, p. ej. 1</translation>
    </message>
    <message>
        <source>Another maker&apos;s fixture: the levers of its bank, 8 to 12</source>
        <translation>Luminaria de otro fabricante: las palancas de su bloque, de 8 a 12</translation>
    </message>
    <message>
        <source>The lever of the lowest address bit: 1 or the last address lever</source>
        <translation>La palanca del bit de dirección más bajo: 1 o la última palanca de dirección</translation>
    </message>
    <message>
        <source>The levers hold the address - 1</source>
        <translation>Las palancas llevan la dirección - 1</translation>
    </message>
    <message>
        <source>ON is the lower side of the bank (the levers given are those at ON either way)</source>
        <translation>ON es el lado inferior del bloque (las palancas indicadas son en todo caso las que están en ON)</translation>
    </message>
    <message>
        <source>A function lever after the address levers and its name, e.g. 10:stand-alone</source>
        <translation>Una palanca de función tras las de dirección y su nombre, p. ej. 10:stand-alone</translation>
    </message>
    <message>
        <source>missing &lt;levers&gt;: the levers ON, or none</source>
        <translation>falta &lt;levers&gt;: las palancas en ON, o none</translation>
    </message>
    <message>
        <source>--%1 goes with --levers</source>
        <translation>--%1 va con --levers</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1: sin bloque de 4 palancas</translation>
    </message>
    <message>
        <source>--four-bank: </source>
        <translation>--four-bank: </translation>
    </message>
    <message>
        <source>--levers reads a fixture of another maker: give only the levers ON, no device</source>
        <translation>--levers lee una luminaria de otro fabricante: indique solo las palancas en ON, ningún aparato</translation>
    </message>
    <message>
        <source>--four-bank is for our devices, not with --levers</source>
        <translation>--four-bank es para nuestros aparatos, no con --levers</translation>
    </message>
    <message>
        <source>--function %1: give the lever and its name, e.g. 10:stand-alone</source>
        <translation>--function %1: indique la palanca y su nombre, p. ej. 10:stand-alone</translation>
    </message>
    <message>
        <source>Reads DIP levers back: the DMX address, mode and options they set, and what is wrong with them</source>
        <translation>Relee palancas de dip-switch: la dirección DMX, el modo y las opciones que ajustan, y qué está mal en ellas</translation>
    </message>
    <message>
        <source>Write the setting cards of the rows, six to a page with cut marks, to a PDF file.</source>
        <translation>Escribe las fichas de ajuste de las filas, seis por página con marcas de corte, en un archivo PDF.</translation>
    </message>
    <message>
        <source>Write the patch sheet (the rows&apos; blocks and levers, universe by universe) to a PDF file.</source>
        <translation>Escribe la hoja de patch (bloques y palancas de las filas, universo por universo) en un archivo PDF.</translation>
    </message>
    <message>
        <source>The paper of --cards and --patch-sheet: a4 (the default) or letter.</source>
        <translation>El papel de --cards y --patch-sheet: a4 (por defecto) o letter.</translation>
    </message>
    <message>
        <source>give --check, or any of --cards, --patch-sheet and --csv</source>
        <translation>indique --check, o cualquiera de --cards, --patch-sheet y --csv</translation>
    </message>
    <message>
        <source>--%1 %2: the file name must end in .%3</source>
        <translation>--%1 %2: el nombre del archivo debe terminar en .%3</translation>
    </message>
    <message>
        <source>--paper %1: a4 or letter</source>
        <translation>--paper %1: a4 o letter</translation>
    </message>
    <message>
        <source>--paper goes with --cards or --patch-sheet</source>
        <translation>--paper va con --cards o --patch-sheet</translation>
    </message>
    <message>
        <source>Check a rig plan or patch list, write its setting cards or patch sheet to PDF files, or write it as a patch list.</source>
        <translation>Comprueba un plano de luces o una lista de patch, escribe sus fichas de ajuste o su hoja de patch en archivos PDF, o lo escribe como lista de patch.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import patch list %1</source>
        <translation>Importar la lista de patch %1</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(sin leer)</translation>
    </message>
    <message>
        <source>Column %1 “%2”:</source>
        <translation>Columna %1 «%2»:</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Columna %1:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Luminaria</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Qué contiene cada columna:</translation>
    </message>
    <message>
        <source>&amp;Preview (the first %1 rows):</source>
        <translation>&amp;Vista previa (las primeras %1 filas):</translation>
    </message>
    <message>
        <source>Lines &amp;left out:</source>
        <translation>Líneas &amp;omitidas:</translation>
    </message>
    <message>
        <source>Rows: %1. Fixture types: %2. Lines left out: %3.</source>
        <translation>Filas: %1. Tipos de luminaria: %2. Líneas omitidas: %3.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>The %1 has no channel count choice.</source>
        <translation>%1: sin elección del número de canales.</translation>
    </message>
    <message>
        <source>The %1 has no external pushbutton.</source>
        <translation>%1: sin pulsador externo.</translation>
    </message>
    <message>
        <source>The %1 has no speed choice.</source>
        <translation>%1: sin elección de velocidad.</translation>
    </message>
    <message>
        <source>The %1 has no show choice.</source>
        <translation>%1: sin elección de show.</translation>
    </message>
    <message>
        <source>The %1 has no tune choice.</source>
        <translation>%1: sin elección de ambiente.</translation>
    </message>
    <message>
        <source>The %1 has no modulation choice.</source>
        <translation>%1: sin elección de modulación.</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to 511.</source>
        <translation>La dirección DMX %1 está fuera de rango: de 1 a 511.</translation>
    </message>
    <message>
        <source>Channel count %1 is not offered: 3 or 6.</source>
        <translation>El número de canales %1 no se ofrece: 3 o 6.</translation>
    </message>
    <message>
        <source>Speed %1 is out of range: 0 to %2.</source>
        <translation>La velocidad %1 está fuera de rango: de 0 a %2.</translation>
    </message>
    <message>
        <source>Show %1 is out of range: 0 to %2.</source>
        <translation>El show %1 está fuera de rango: de 0 a %2.</translation>
    </message>
    <message>
        <source>Tune %1 is out of range: 0 to %2.</source>
        <translation>El ambiente %1 está fuera de rango: de 0 a %2.</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Un maestro no lleva dirección DMX.</translation>
    </message>
    <message>
        <source>The channel count is a DMX-mode choice, not a master one.</source>
        <translation>El número de canales es una elección del modo DMX, no del modo maestro.</translation>
    </message>
    <message>
        <source>The 120 ohm terminator is a DMX-mode choice, not a master one.</source>
        <translation>El terminador de 120 ohmios es una elección del modo DMX, no del modo maestro.</translation>
    </message>
    <message>
        <source>The external pushbutton is a master-mode choice.</source>
        <translation>El pulsador externo es una elección del modo maestro.</translation>
    </message>
    <message>
        <source>The tune is a master-mode choice.</source>
        <translation>El ambiente es una elección del modo maestro.</translation>
    </message>
    <message>
        <source>The speed is a master-mode choice.</source>
        <translation>La velocidad es una elección del modo maestro.</translation>
    </message>
    <message>
        <source>The show is a master-mode choice.</source>
        <translation>El show es una elección del modo maestro.</translation>
    </message>
    <message>
        <source>intelligent RGB fixture</source>
        <translation>luminaria RGB inteligente</translation>
    </message>
    <message>
        <source>DOR fixture</source>
        <translation>luminaria DOR</translation>
    </message>
    <message>
        <source>a bank has 8 to 12 levers</source>
        <translation>un bloque tiene de 8 a 12 palancas</translation>
    </message>
    <message>
        <source>the lowest bit is on lever 1 or on lever %1</source>
        <translation>el bit más bajo está en la palanca 1 o en la palanca %1</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: those are levers %2 to %3</source>
        <translation>la palanca %1 no es una palanca de función: lo son las palancas %2 a %3</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: every lever carries the address</source>
        <translation>la palanca %1 no es una palanca de función: todas las palancas llevan la dirección</translation>
    </message>
    <message>
        <source>lever %1 is named twice</source>
        <translation>la palanca %1 tiene dos nombres</translation>
    </message>
    <message>
        <source>lever %1 has no name</source>
        <translation>la palanca %1 no tiene nombre</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>ninguna palanca de dirección en ON: la dirección 0 no es una dirección DMX</translation>
    </message>
    <message>
        <source>address %1 is beyond the last DMX channel, 512</source>
        <translation>la dirección %1 está más allá del último canal DMX, 512</translation>
    </message>
    <message>
        <source>the bank has no lever %1: it has %2</source>
        <translation>el bloque no tiene palanca %1: tiene %2</translation>
    </message>
</context>
<context>
    <name>DipBank</name>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Levers ON: </source>
        <translation>Palancas en ON: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Lever %1 of %2: %3</source>
        <translation>Palanca %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>DipConfigurator</name>
    <message>
        <source>4-lever bank, </source>
        <translation>bloque de 4 palancas, </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation>solo se pudieron escribir %1 de %2 bytes</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>sin nombre de archivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
</context>
<context>
    <name>FixtureTypesDialog</name>
    <message>
        <source>“%1” is not a lever and its name, such as “10: stand-alone”.</source>
        <translation>«%1» no es una palanca y su nombre, como «10: stand-alone».</translation>
    </message>
    <message>
        <source>&amp;Address levers</source>
        <translation>Palancas de &amp;dirección</translation>
    </message>
    <message>
        <source>New fixture type</source>
        <translation>Nuevo tipo de luminaria</translation>
    </message>
    <message>
        <source>Edit fixture type</source>
        <translation>Editar tipo de luminaria</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Fabricante y modelo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>The address</source>
        <translation>La dirección</translation>
    </message>
    <message>
        <source>The address − 1</source>
        <translation>La dirección − 1</translation>
    </message>
    <message>
        <source>10: stand-alone; 11: test</source>
        <translation>10: autónomo; 11: prueba</translation>
    </message>
    <message>
        <source>&amp;Levers in the bank:</source>
        <translation>&amp;Palancas del bloque:</translation>
    </message>
    <message>
        <source>Lowest &amp;bit on:</source>
        <translation>&amp;Bit más bajo en:</translation>
    </message>
    <message>
        <source>&amp;ON is:</source>
        <translation>&amp;ON es:</translation>
    </message>
    <message>
        <source>The levers &amp;hold:</source>
        <translation>Las palancas &amp;llevan:</translation>
    </message>
    <message>
        <source>&amp;Function levers:</source>
        <translation>Palancas de &amp;función:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canales:</translation>
    </message>
    <message>
        <source>Lever 1</source>
        <translation>Palanca 1</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Palanca %1</translation>
    </message>
    <message>
        <source>Fixture types</source>
        <translation>Tipos de luminaria</translation>
    </message>
    <message>
        <source>Fixture &amp;types of this plan:</source>
        <translation>&amp;Tipos de luminaria de este plano:</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>The fixture type “%1” is in use and is not deleted.
Used by: %2.</source>
        <translation>El tipo de luminaria «%1» está en uso y no se elimina.
Usado por: %2.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>VELANTRA configuration tools</source>
        <translation>VELANTRA configuration tools</translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK logo</source>
        <translation>Logotipo MORANDEL BRANVIK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>ORVO</source>
        <translation>ORVO</translation>
    </message>
    <message>
        <source>ORVO 75</source>
        <translation>ORVO 75</translation>
    </message>
    <message>
        <source>Dip-switch</source>
        <translation>Dip-switch</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>ORVO 36</source>
        <translation>ORVO 36</translation>
    </message>
    <message>
        <source>ORVO FLUO</source>
        <translation>ORVO FLUO</translation>
    </message>
    <message>
        <source>Dip-Switch</source>
        <translation>Dip-switch</translation>
    </message>
    <message>
        <source>Intelligent Fixt.</source>
        <translation>Lum. intelig.</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>DOR</source>
        <translation>DOR</translation>
    </message>
    <message>
        <source>Nembra</source>
        <translation>Nembra</translation>
    </message>
    <message>
        <source>Master funct.</source>
        <translation>Func. maestro</translation>
    </message>
    <message>
        <source>Easy run (RGB)</source>
        <translation>Easy run (RGB)</translation>
    </message>
    <message>
        <source>Atm. Tunes (DOR)</source>
        <translation>Ambientes (DOR)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herram.</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Plano de luces</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK VELANTRA configurator</source>
        <translation>Configurador MORANDEL BRANVIK VELANTRA</translation>
    </message>
    <message>
        <source>Aut. T.Zelvaro</source>
        <translation>Aut. T.Zelvaro</translation>
    </message>
    <message>
        <source>Ver 5.3</source>
        <translation>Ver 5.3</translation>
    </message>
    <message>
        <source>ORVO 75 dip-switch configurator</source>
        <translation>Configurador dip-switch ORVO 75</translation>
    </message>
    <message>
        <source>ORVO 36 dip-switch configurator</source>
        <translation>Configurador dip-switch ORVO 36</translation>
    </message>
    <message>
        <source>ORVO FLUO / Nembra dip-switch configurator</source>
        <translation>Configurador dip-switch ORVO FLUO / Nembra</translation>
    </message>
    <message>
        <source>Intelligent fixture configurator</source>
        <translation>Configurador de luminarias inteligentes</translation>
    </message>
    <message>
        <source>DOR fixture configurator</source>
        <translation>Configurador de luminarias DOR</translation>
    </message>
    <message>
        <source>DMX address</source>
        <translation>Dirección DMX</translation>
    </message>
    <message>
        <source>Device outline</source>
        <translation>Contorno del aparato</translation>
    </message>
    <message>
        <source>Red indicator lamp</source>
        <translation>Piloto rojo</translation>
    </message>
    <message>
        <source>Green indicator lamp</source>
        <translation>Piloto verde</translation>
    </message>
    <message>
        <source>Rotary knob</source>
        <translation>Mando giratorio</translation>
    </message>
    <message>
        <source>Rotary knob groove</source>
        <translation>Muesca del mando giratorio</translation>
    </message>
    <message>
        <source>Ext. pushbotton</source>
        <translation>Pulsador ext.</translation>
    </message>
    <message>
        <source>Shows</source>
        <translation>Shows</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (esclavo)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Velocidades</translation>
    </message>
    <message>
        <source>DMX mode</source>
        <translation>Modo DMX</translation>
    </message>
    <message>
        <source>Res. 120 ohm</source>
        <translation>Term. 120 Ω</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Modo maestro</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>6 Ch</source>
        <translation>6 can.</translation>
    </message>
    <message>
        <source>3 Ch </source>
        <translation>3 can. </translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>Modulación 1-100 %</translation>
    </message>
    <message>
        <source>Atmosphere tune</source>
        <translation>Ambiente</translation>
    </message>
    <message>
        <source>CCT 9</source>
        <translation>CCT 9</translation>
    </message>
    <message>
        <source>CCT 0</source>
        <translation>CCT 0</translation>
    </message>
    <message>
        <source>CCT 1</source>
        <translation>CCT 1</translation>
    </message>
    <message>
        <source>CCT 3</source>
        <translation>CCT 3</translation>
    </message>
    <message>
        <source>CCT 4</source>
        <translation>CCT 4</translation>
    </message>
    <message>
        <source>CCT 5</source>
        <translation>CCT 5</translation>
    </message>
    <message>
        <source>CCT 6</source>
        <translation>CCT 6</translation>
    </message>
    <message>
        <source>CCT 7</source>
        <translation>CCT 7</translation>
    </message>
    <message>
        <source>CCT 8</source>
        <translation>CCT 8</translation>
    </message>
    <message>
        <source>CCT 2</source>
        <translation>CCT 2</translation>
    </message>
    <message>
        <source>120 ohm resistor</source>
        <translation>Resist. 120 Ω</translation>
    </message>
    <message>
        <source>ORVO power configurator</source>
        <translation>Configurador de potencia ORVO</translation>
    </message>
    <message>
        <source>Spare box, counts nothing</source>
        <translation>Casilla de reserva, no cuenta</translation>
    </message>
    <message>
        <source>CC2 mA</source>
        <translation>CC2 mA</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Potencia media</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Pot. nominal</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>CC1 mA.</source>
        <translation>CC1 mA.</translation>
    </message>
    <message>
        <source>Outline of the total</source>
        <translation>Contorno del total</translation>
    </message>
    <message>
        <source>Power Out CV 1</source>
        <translation>Potencia CV 1</translation>
    </message>
    <message>
        <source>Power Out CV 2</source>
        <translation>Potencia CV 2</translation>
    </message>
    <message>
        <source>Power CC 2</source>
        <translation>Pot. CC 2</translation>
    </message>
    <message>
        <source>Power CC 1</source>
        <translation>Pot. CC 1</translation>
    </message>
    <message>
        <source>Tot. led CC 2</source>
        <translation>Tot. LED CC 2</translation>
    </message>
    <message>
        <source>Tot. led CC 1</source>
        <translation>Tot. LED CC 1</translation>
    </message>
    <message>
        <source>Constant Voltage Outputs (CV)</source>
        <translation>Salidas tensión constante (CV)</translation>
    </message>
    <message>
        <source>Constant Current Outputs (CC)</source>
        <translation>Salidas corriente const. (CC)</translation>
    </message>
    <message>
        <source>ORVO 36 power configurator</source>
        <translation>Configurador de potencia ORVO 36</translation>
    </message>
    <message>
        <source>CC2 curr.</source>
        <translation>Corr. CC2</translation>
    </message>
    <message>
        <source>CC curr.(mA)</source>
        <translation>Corr.CC(mA)</translation>
    </message>
    <message>
        <source>Outline of the CV outputs</source>
        <translation>Contorno de las salidas CV</translation>
    </message>
    <message>
        <source>Tot. led </source>
        <translation>Tot. LED </translation>
    </message>
    <message>
        <source>Constant Current Output (CC)</source>
        <translation>Salida corriente const. (CC)</translation>
    </message>
    <message>
        <source>Easy run menu</source>
        <translation>Menú Easy run</translation>
    </message>
    <message>
        <source>Passive fixtures data</source>
        <translation>Datos de luminarias pasivas</translation>
    </message>
    <message>
        <source>Intelligent RGB fixtures data</source>
        <translation>Datos de luminarias RGB inteligentes</translation>
    </message>
    <message>
        <source>DOR Intelligent fixtures data </source>
        <translation>Datos de luminarias inteligentes DOR</translation>
    </message>
    <message>
        <source>Atmospehre tunes</source>
        <translation>Ambientes</translation>
    </message>
    <message>
        <source>Built-in shows and their colours</source>
        <translation>Shows integrados y sus colores</translation>
    </message>
    <message>
        <source>Show play-back speeds</source>
        <translation>Velocidades de reproducción de los shows</translation>
    </message>
    <message>
        <source>! ERROR !  DMX address: 1 - 511</source>
        <translation>! ERROR !  Dirección DMX: 1 - 511</translation>
    </message>
    <message>
        <source>Speed 0</source>
        <translation>Veloc. 0</translation>
    </message>
    <message>
        <source>Speed 1</source>
        <translation>Veloc. 1</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Veloc. 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Veloc. 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Veloc. 4</translation>
    </message>
    <message>
        <source>Show 0</source>
        <translation>Show 0</translation>
    </message>
    <message>
        <source>Show 1</source>
        <translation>Show 1</translation>
    </message>
    <message>
        <source>Show 2</source>
        <translation>Show 2</translation>
    </message>
    <message>
        <source>Show 3</source>
        <translation>Show 3</translation>
    </message>
    <message>
        <source>Show 4</source>
        <translation>Show 4</translation>
    </message>
    <message>
        <source>Show 5</source>
        <translation>Show 5</translation>
    </message>
    <message>
        <source>Show 6</source>
        <translation>Show 6</translation>
    </message>
    <message>
        <source>Show 7</source>
        <translation>Show 7</translation>
    </message>
    <message>
        <source>Show 8</source>
        <translation>Show 8</translation>
    </message>
    <message>
        <source>Show 9</source>
        <translation>Show 9</translation>
    </message>
    <message>
        <source>Show 10</source>
        <translation>Show 10</translation>
    </message>
    <message>
        <source>Show 11</source>
        <translation>Show 11</translation>
    </message>
    <message>
        <source>Show 12</source>
        <translation>Show 12</translation>
    </message>
    <message>
        <source>Show 13</source>
        <translation>Show 13</translation>
    </message>
    <message>
        <source>Show 14</source>
        <translation>Show 14</translation>
    </message>
    <message>
        <source>Show 15</source>
        <translation>Show 15</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Total nominal power</source>
        <translation>Potencia nominal total</translation>
    </message>
    <message>
        <source>Total average power</source>
        <translation>Potencia media total</translation>
    </message>
    <message>
        <source>12-lever DIP-switch bank</source>
        <translation>Bloque dip-switch de 12 palancas</translation>
    </message>
    <message>
        <source>4-lever DIP-switch bank</source>
        <translation>Bloque dip-switch de 4 palancas</translation>
    </message>
    <message>
        <source>Read levers</source>
        <translation>Leer palancas</translation>
    </message>
</context>
<context>
    <name>Levers</name>
    <message>
        <source>lever %1 of the 4-lever bank</source>
        <translation>palanca %1 del bloque de 4 palancas</translation>
    </message>
    <message>
        <source>lever %1 of the 12-lever bank</source>
        <translation>palanca %1 del bloque de 12 palancas</translation>
    </message>
    <message>
        <source>lever %1</source>
        <translation>palanca %1</translation>
    </message>
    <message>
        <source>the 12-lever bank has no lever %1</source>
        <translation>el bloque de 12 palancas no tiene palanca %1</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1: sin bloque de 4 palancas</translation>
    </message>
    <message>
        <source>the 4-lever bank has no lever %1</source>
        <translation>el bloque de 4 palancas no tiene palanca %1</translation>
    </message>
    <message>
        <source>in master mode</source>
        <translation>en modo maestro</translation>
    </message>
    <message>
        <source>in DMX mode</source>
        <translation>en modo DMX</translation>
    </message>
    <message>
        <source>%1 must be OFF %2</source>
        <translation>%1 debe estar en OFF %2</translation>
    </message>
    <message>
        <source>%1 must be ON %2</source>
        <translation>%1 debe estar en ON %2</translation>
    </message>
    <message>
        <source>%1 ON</source>
        <translation>%1 ON</translation>
    </message>
    <message>
        <source>%1 OFF</source>
        <translation>%1 OFF</translation>
    </message>
    <message>
        <source>%1: no setting %2 has this with the other levers as they are</source>
        <translation>%1: ningún ajuste %2 tiene esto con las demás palancas como están</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>ninguna palanca de dirección en ON: la dirección 0 no es una dirección DMX</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>DMX address %1</source>
        <translation>Dirección DMX %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lever number: give the levers ON as 3,4,6</source>
        <translation>«%1» no es un número de palanca: indique las palancas en ON como 3,4,6</translation>
    </message>
    <message>
        <source>lever %1: the bank has levers 1 to %2</source>
        <translation>palanca %1: el bloque tiene las palancas 1 a %2</translation>
    </message>
    <message>
        <source>lever %1 is given twice</source>
        <translation>la palanca %1 aparece dos veces</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Palanca %1</translation>
    </message>
    <message>
        <source>Lever %1: ON</source>
        <translation>Palanca %1: ON</translation>
    </message>
    <message>
        <source>Lever %1: OFF</source>
        <translation>Palanca %1: OFF</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Max 6 led / colour on each constant current output !</source>
        <translation>¡Máx. 6 LED / color en cada salida de corriente constante!</translation>
    </message>
    <message>
        <source>Max 6 led / colour on each constant current output ! </source>
        <translation>¡Máx. 6 LED / color en cada salida de corriente constante! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 75 W !!!</source>
        <translation>¡¡¡POTENCIA TOTAL &gt; 75 W!!!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output !</source>
        <translation>¡Máx. 9 LED / color en cada salida de corriente constante!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output ! </source>
        <translation>¡Máx. 9 LED / color en cada salida de corriente constante! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 36 W !!!</source>
        <translation>¡¡¡POTENCIA TOTAL &gt; 36 W!!!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>The plan has no rows.</source>
        <translation>El plano no tiene filas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>«%1» debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>«%1» debe ser true o false</translation>
    </message>
    <message>
        <source>&quot;device&quot; must be one of %1</source>
        <translation>«device» debe ser uno de %1</translation>
    </message>
    <message>
        <source>&quot;mode&quot; must be &quot;dmx&quot; or &quot;master&quot;</source>
        <translation>«mode» debe ser «dmx» o «master»</translation>
    </message>
    <message>
        <source>a row in DMX mode needs an &quot;address&quot;</source>
        <translation>una fila en modo DMX necesita un «address»</translation>
    </message>
    <message>
        <source>&quot;channels&quot; does not apply in master mode on the %1</source>
        <translation>«channels» no se aplica en modo maestro para %1</translation>
    </message>
    <message>
        <source>&quot;channels&quot; of the %1 must be 3 or 6</source>
        <translation>«channels» debe ser 3 o 6 para %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to the %2 in %3 mode</source>
        <translation>«%1» no se aplica a %2 en modo %3</translation>
    </message>
    <message>
        <source>the file is larger than any plan (%1 bytes)</source>
        <translation>el archivo es mayor que cualquier plano (%1 bytes)</translation>
    </message>
    <message>
        <source>not a plan file: the JSON text is broken at byte %1 (%2)</source>
        <translation>no es un archivo de plano: el texto JSON está roto en el byte %1 (%2)</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>fila %1: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>«%1» aparece dos veces</translation>
    </message>
    <message>
        <source>not a rig plan: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>no es un plano de luces: «format» debe ser «%1»</translation>
    </message>
    <message>
        <source>(missing or not a number)</source>
        <translation>(falta o no es un número)</translation>
    </message>
    <message>
        <source>unknown entry &quot;%1&quot;</source>
        <translation>entrada desconocida «%1»</translation>
    </message>
    <message>
        <source>&quot;rows&quot; must be a list</source>
        <translation>«rows» debe ser una lista</translation>
    </message>
    <message>
        <source>%1 rows; a plan holds at most %2</source>
        <translation>%1 filas; un plano admite como máximo %2</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>debe ser un objeto</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to %2.</source>
        <translation>La dirección DMX %1 está fuera de rango: de 1 a %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any patch list (%1 bytes)</source>
        <translation>el archivo es mayor que cualquier lista de patch (%1 bytes)</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (byte %1)</source>
        <translation>el texto no es UTF-8 (byte %1)</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>unas comillas abiertas aquí nunca se cierran</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texto tras unas comillas de cierre</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>más de %1 columnas</translation>
    </message>
    <message>
        <source>a plan holds at most %1 rows</source>
        <translation>un plano admite como máximo %1 filas</translation>
    </message>
    <message>
        <source>the file holds no patch: it is empty</source>
        <translation>el archivo no contiene patch: está vacío</translation>
    </message>
    <message>
        <source>line 1: no header; name the columns (universe, start, label, fixture, channels, …)</source>
        <translation>línea 1: sin encabezado; nombre las columnas (universe, start, label, fixture, channels, …)</translation>
    </message>
    <message>
        <source>and %1 more lines with problems</source>
        <translation>y %1 líneas más con problemas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>«%1» debe ser %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>«%1» debe ser un texto</translation>
    </message>
    <message>
        <source>&quot;fixture&quot; must name one of the plan&apos;s types</source>
        <translation>«fixture» debe nombrar uno de los tipos del plano</translation>
    </message>
    <message>
        <source>a row of a fixture type needs an &quot;address&quot;</source>
        <translation>una fila de un tipo de luminaria necesita un «address»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to a fixture type&apos;s row</source>
        <translation>«%1» no se aplica a la fila de un tipo de luminaria</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs plan format version %2</source>
        <translation>«%1» necesita la versión %2 del formato de plano</translation>
    </message>
    <message>
        <source>levers: </source>
        <translation>palancas: </translation>
    </message>
    <message>
        <source>&quot;count&quot; and &quot;lowest&quot; are required</source>
        <translation>«count» y «lowest» son obligatorios</translation>
    </message>
    <message>
        <source>&quot;functions&quot; must be a list</source>
        <translation>«functions» debe ser una lista</translation>
    </message>
    <message>
        <source>a function lever must be an object</source>
        <translation>una palanca de función debe ser un objeto</translation>
    </message>
    <message>
        <source>a function lever needs its &quot;lever&quot;</source>
        <translation>una palanca de función necesita su «lever»</translation>
    </message>
    <message>
        <source>&quot;channels&quot; must be a whole number from %1 to %2</source>
        <translation>«channels» debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>plan format version %1 cannot be read; this program reads versions %2 and %3</source>
        <translation>no se puede leer la versión %1 del formato de plano; este programa lee las versiones %2 y %3</translation>
    </message>
    <message>
        <source>&quot;types&quot; must be a list</source>
        <translation>«types» debe ser una lista</translation>
    </message>
    <message>
        <source>%1 fixture types; a plan holds at most %2</source>
        <translation>%1 tipos de luminaria; un plano admite como máximo %2</translation>
    </message>
    <message>
        <source>type %1: </source>
        <translation>tipo %1: </translation>
    </message>
    <message>
        <source>Patch sheet: %1</source>
        <translation>Hoja de patch: %1</translation>
    </message>
    <message>
        <source>Plan: %1, row %2, universe %3</source>
        <translation>Plano: %1, fila %2, universo %3</translation>
    </message>
    <message>
        <source>Plan: %1, row %2</source>
        <translation>Plano: %1, fila %2</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Universo %1</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Start + channels − 1; at most 512.</source>
        <translation>Inicio + canales − 1; como máximo 512.</translation>
    </message>
    <message>
        <source>The start address, 1–511. A device in master mode takes none.</source>
        <translation>La dirección inicial, 1–511. Un aparato en modo maestro no lleva ninguna.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Aparato</translation>
    </message>
    <message>
        <source>Mode and options</source>
        <translation>Modo y opciones</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <source>The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch choice); a fixture type takes its own count; for the other devices the program does not know the count: type it (1–512), it is required.</source>
        <translation>Los canales DMX que ocupa el aparato. El ORVO 75 ocupa 3 o 6 (su elección 3 Ch / 6 Ch); un tipo de luminaria, su propio número; para los demás aparatos el programa no conoce el número: escríbalo (1–512), es obligatorio.</translation>
    </message>
    <message>
        <source>The DMX universe, as the lighting console numbers them (0–63999).</source>
        <translation>El universo DMX, tal como los numera la mesa de luces (0–63999).</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>row %1 “%2”</source>
        <translation>fila %1 «%2»</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>start %1 is outside 1–511</source>
        <translation>inicio %1 fuera de 1–511</translation>
    </message>
    <message>
        <source>ends at %1, beyond 512</source>
        <translation>termina en %1, más allá de 512</translation>
    </message>
    <message>
        <source>no channel count</source>
        <translation>sin número de canales</translation>
    </message>
    <message>
        <source>channels %1 overlap %2 (%3)</source>
        <translation>los canales %1 se solapan con %2 (%3)</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Sin problemas</translation>
    </message>
    <message>
        <source>%1 problem in %2 row</source>
        <translation>%1 problema en %2 fila</translation>
    </message>
    <message>
        <source>%1 problem in %2 rows</source>
        <translation>%1 problema en %2 filas</translation>
    </message>
    <message>
        <source>%1 problems in %2 row</source>
        <translation>%1 problemas en %2 fila</translation>
    </message>
    <message>
        <source>%1 problems in %2 rows</source>
        <translation>%1 problemas en %2 filas</translation>
    </message>
    <message>
        <source>start %1 is beyond the levers of the %2 (at most %3)</source>
        <translation>inicio %1 más allá de las palancas de %2 (como máximo %3)</translation>
    </message>
    <message>
        <source>the lever scheme “%1”: %2</source>
        <translation>el esquema de palancas «%1»: %2</translation>
    </message>
    <message>
        <source>it reads like “10 levers; lowest 1; ON up; address”</source>
        <translation>se escribe como «10 levers; lowest 1; ON up; address»</translation>
    </message>
    <message>
        <source>“%1” is no count of levers</source>
        <translation>«%1» no es un número de palancas</translation>
    </message>
    <message>
        <source>“%1” names no lowest lever</source>
        <translation>«%1» no indica la palanca más baja</translation>
    </message>
    <message>
        <source>“%1” is not ON up or ON down</source>
        <translation>«%1» no es ON up ni ON down</translation>
    </message>
    <message>
        <source>“%1” is not address or address - 1</source>
        <translation>«%1» no es address ni address - 1</translation>
    </message>
    <message>
        <source>“%1” is no “lever: name”</source>
        <translation>«%1» no es «palanca: nombre»</translation>
    </message>
    <message>
        <source>the channels of “%1” are not given</source>
        <translation>los canales de «%1» no se indican</translation>
    </message>
    <message>
        <source>channels “%1” is no number</source>
        <translation>canales «%1» no es un número</translation>
    </message>
    <message>
        <source>“%1” is given another channel count on an earlier line</source>
        <translation>«%1» tiene otro número de canales en una línea anterior</translation>
    </message>
    <message>
        <source>“%1” is given another lever scheme on an earlier line</source>
        <translation>«%1» tiene otro esquema de palancas en una línea anterior</translation>
    </message>
    <message>
        <source>universe “%1” is not from 0 to 63999</source>
        <translation>el universo «%1» no está entre 0 y 63999</translation>
    </message>
    <message>
        <source>no fixture</source>
        <translation>ninguna luminaria</translation>
    </message>
    <message>
        <source>no start address</source>
        <translation>sin dirección inicial</translation>
    </message>
    <message>
        <source>start “%1” is not from 1 to %2</source>
        <translation>inicio «%1» no está entre 1 y %2</translation>
    </message>
    <message>
        <source>a device in master mode takes no start address</source>
        <translation>un aparato en modo maestro no lleva dirección inicial</translation>
    </message>
    <message>
        <source>channels “%1” is not from 1 to 512</source>
        <translation>canales «%1» no está entre 1 y 512</translation>
    </message>
    <message>
        <source>end “%1” is not 1 to 512 channels after the start</source>
        <translation>fin «%1» no está de 1 a 512 canales tras el inicio</translation>
    </message>
    <message>
        <source>the ORVO 75 takes 3 or 6 channels, as its mode says, in DMX mode</source>
        <translation>el ORVO 75 ocupa 3 o 6 canales, como dice su modo, en modo DMX</translation>
    </message>
    <message>
        <source>end “%1” does not follow from the start and the channels</source>
        <translation>fin «%1» no se deduce del inicio y los canales</translation>
    </message>
    <message>
        <source>no column holds the fixture (a header such as Fixture or Type)</source>
        <translation>ninguna columna contiene la luminaria (un encabezado como Fixture o Type)</translation>
    </message>
    <message>
        <source>no column holds the start address (a header such as Start, Address or DMX)</source>
        <translation>ninguna columna contiene la dirección inicial (un encabezado como Start, Address o DMX)</translation>
    </message>
    <message>
        <source>the mode “%1” is not DMX or Master</source>
        <translation>el modo «%1» no es DMX ni Master</translation>
    </message>
    <message>
        <source>“%1” is no option</source>
        <translation>«%1» no es una opción</translation>
    </message>
    <message>
        <source>“%1” has no number</source>
        <translation>«%1» no tiene número</translation>
    </message>
    <message>
        <source>a fixture type needs a name</source>
        <translation>un tipo de luminaria necesita un nombre</translation>
    </message>
    <message>
        <source>the name: %1</source>
        <translation>el nombre: %1</translation>
    </message>
    <message>
        <source>“%1” is one of our devices</source>
        <translation>«%1» es uno de nuestros aparatos</translation>
    </message>
    <message>
        <source>there is already a fixture type “%1”</source>
        <translation>ya hay un tipo de luminaria «%1»</translation>
    </message>
    <message>
        <source>a fixture type takes 1 to 512 channels</source>
        <translation>un tipo de luminaria ocupa de 1 a 512 canales</translation>
    </message>
    <message>
        <source>the levers: %1</source>
        <translation>las palancas: %1</translation>
    </message>
    <message>
        <source>lever %1: %2</source>
        <translation>palanca %1: %2</translation>
    </message>
    <message>
        <source>lever %1: a name holds no “;” and no blank at either end</source>
        <translation>palanca %1: un nombre no lleva «;» ni espacios en los extremos</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>LEDs per colour, %1</source>
        <translation>LED por color, %1</translation>
    </message>
    <message>
        <source>Power %1, watts</source>
        <translation>Potencia %1, vatios</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>%1 %2, no fixture</source>
        <translation>%1 %2, sin luminaria</translation>
    </message>
    <message>
        <source>%1 count, %2</source>
        <translation>Cantidad %1, %2</translation>
    </message>
    <message>
        <source>Control %1, %2</source>
        <translation>Control %1, %2</translation>
    </message>
    <message>
        <source>To the first count box of an output: </source>
        <translation>A la primera casilla de cantidad de una salida: </translation>
    </message>
    <message>
        <source>Over the limit of %1 LEDs per colour on one output</source>
        <translation>Por encima del límite de %1 LED por color en una salida</translation>
    </message>
    <message>
        <source>Over the limit of %1 watts</source>
        <translation>Por encima del límite de %1 vatios</translation>
    </message>
    <message>
        <source>%1, watts</source>
        <translation>%1, vatios</translation>
    </message>
</context>
<context>
    <name>ReadLeversWindow</name>
    <message>
        <source>Read levers</source>
        <translation>Leer palancas</translation>
    </message>
    <message>
        <source>&amp;Device or fixture type:</source>
        <translation>&amp;Aparato o tipo de luminaria:</translation>
    </message>
    <message>
        <source>DMX address:</source>
        <translation>Dirección DMX:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problemas:</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Bloque de 4 palancas</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Bloque de 12 palancas</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Bloque de %1 palancas</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>none: a master takes no address</source>
        <translation>ninguna: un maestro no lleva dirección</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (esclavo)</translation>
    </message>
    <message>
        <source>DMX</source>
        <translation>DMX</translation>
    </message>
</context>
<context>
    <name>RigPlanWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Filas</translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation>&amp;Añadir fila</translation>
    </message>
    <message>
        <source>&amp;Remove rows</source>
        <translation>&amp;Quitar filas</translation>
    </message>
    <message>
        <source>&amp;Duplicate…</source>
        <translation>&amp;Duplicar…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Address &amp;from…</source>
        <translation>Direcciones &amp;desde…</translation>
    </message>
    <message>
        <source>&amp;Mode and options…</source>
        <translation>&amp;Modo y opciones…</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>Fic&amp;has</translation>
    </message>
    <message>
        <source>Open &amp;configurator</source>
        <translation>Abrir &amp;configurador</translation>
    </message>
    <message>
        <source>&amp;Print cards…</source>
        <translation>&amp;Imprimir fichas…</translation>
    </message>
    <message>
        <source>Save cards as &amp;PDF…</source>
        <translation>Guardar fichas como &amp;PDF…</translation>
    </message>
    <message>
        <source>Copy as &amp;text</source>
        <translation>Copiar como &amp;texto</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Plano de luces</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>El plano %1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>The plan cannot be opened.
%1</source>
        <translation>No se puede abrir el plano.
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>El plano no se ha guardado.
%1</translation>
    </message>
    <message>
        <source>Open rig plan</source>
        <translation>Abrir plano de luces</translation>
    </message>
    <message>
        <source>Save rig plan</source>
        <translation>Guardar plano de luces</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Number of copies:</source>
        <translation>Número de copias:</translation>
    </message>
    <message>
        <source>Address from</source>
        <translation>Direcciones desde</translation>
    </message>
    <message>
        <source>The configurator cannot show this row.
%1</source>
        <translation>El configurador no puede mostrar esta fila.
%1</translation>
    </message>
    <message>
        <source>No cards were made.
%1</source>
        <translation>No se ha creado ninguna ficha.
%1</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Guardar fichas como PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Copiado como texto</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>Rig plans (*.json);;All files (*)</source>
        <translation>Planos de luces (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Patch lists (*.csv);;All files (*)</source>
        <translation>Listas de patch (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>Shows the rows of one universe; empty shows all.</source>
        <translation>Muestra las filas de un universo; vacío las muestra todas.</translation>
    </message>
    <message>
        <source>Show &amp;universe:</source>
        <translation>Mostrar &amp;universo:</translation>
    </message>
    <message>
        <source>&amp;Import patch list (CSV)…</source>
        <translation>&amp;Importar lista de patch (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export patch list (CSV)…</source>
        <translation>&amp;Exportar lista de patch (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plano</translation>
    </message>
    <message>
        <source>Fixture &amp;types…</source>
        <translation>&amp;Tipos de luminaria…</translation>
    </message>
    <message>
        <source>&amp;Sort by universe and address</source>
        <translation>&amp;Ordenar por universo y dirección</translation>
    </message>
    <message>
        <source>The patch list was not saved.
%1</source>
        <translation>La lista de patch no se ha guardado.
%1</translation>
    </message>
    <message>
        <source>Patch list saved</source>
        <translation>Lista de patch guardada</translation>
    </message>
    <message>
        <source>The patch list cannot be imported.
%1: %2</source>
        <translation>No se puede importar la lista de patch.
%1: %2</translation>
    </message>
    <message>
        <source>Import patch list</source>
        <translation>Importar lista de patch</translation>
    </message>
    <message>
        <source>Export patch list</source>
        <translation>Exportar lista de patch</translation>
    </message>
    <message>
        <source>Consecutive addresses for the selected rows (all rows when none is selected); a block that does not fit continues at 1 of the next universe.</source>
        <translation>Direcciones consecutivas para las filas seleccionadas (todas si no hay ninguna seleccionada); un bloque que no cabe sigue en 1 del universo siguiente.</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Universo:</translation>
    </message>
    <message>
        <source>&amp;Starting at:</source>
        <translation>&amp;Empezando en:</translation>
    </message>
    <message>
        <source>%1 starts universe %2</source>
        <translation>%1 empieza el universo %2</translation>
    </message>
    <message>
        <source>Blocks that did not fit went on to the next universe:
%1.</source>
        <translation>Los bloques que no cabían pasaron al universo siguiente:
%1.</translation>
    </message>
    <message>
        <source>The %1 has no configurator window: its card shows its levers.</source>
        <translation>%1: sin ventana de configurador; su ficha muestra sus palancas.</translation>
    </message>
    <message>
        <source>%1[*] - Rig plan</source>
        <translation>%1[*] - Plano de luces</translation>
    </message>
    <message>
        <source>1 universe</source>
        <translation>1 universo</translation>
    </message>
    <message>
        <source>%1 universes</source>
        <translation>%1 universos</translation>
    </message>
    <message>
        <source>Save patch &amp;sheet as PDF…</source>
        <translation>Guardar &amp;hoja de patch como PDF…</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Fichas de ajuste</translation>
    </message>
    <message>
        <source>The cards were not saved.</source>
        <translation>Las fichas no se han guardado.</translation>
    </message>
    <message>
        <source>Save patch sheet as PDF</source>
        <translation>Guardar hoja de patch como PDF</translation>
    </message>
    <message>
        <source>The patch sheet was not saved.</source>
        <translation>La hoja de patch no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>RowOptionsDialog</name>
    <message>
        <source>Mode and options: %1</source>
        <translation>Modo y opciones: %1</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (esclavo)</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Sin elegir</translation>
    </message>
    <message>
        <source>120 ohm terminator</source>
        <translation>terminador de 120 ohmios</translation>
    </message>
    <message>
        <source>Ext. pushbutton</source>
        <translation>Pulsador ext.</translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>Modulación 1-100 %</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>DMX channels:</source>
        <translation>Canales DMX:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Tune:</source>
        <translation>Ambiente:</translation>
    </message>
    <message>
        <source>Window&apos;s preset</source>
        <translation>Preajuste de la ventana</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Table of %1 rows: </source>
        <translation>Tabla de %1 filas: </translation>
    </message>
    <message>
        <source>%1, table of %2 rows: </source>
        <translation>%1, tabla de %2 filas: </translation>
    </message>
    <message>
        <source>No shows</source>
        <translation>Sin shows</translation>
    </message>
    <message>
        <source>Shows %1 to %2, each with a bar of its colours from left to right</source>
        <translation>Shows %1 a %2, cada uno con una barra de sus colores de izquierda a derecha</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>bluish</source>
        <translation>azulado</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>white cold</source>
        <translation>blanco frío</translation>
    </message>
    <message>
        <source>white warm</source>
        <translation>blanco cálido</translation>
    </message>
    <message>
        <source>show N.</source>
        <translation>show n.º</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Dip 2</source>
        <translation>Dip 2</translation>
    </message>
    <message>
        <source>Step time</source>
        <translation>Tiempo de paso</translation>
    </message>
    <message>
        <source>10,6 min</source>
        <translation>10,6 min</translation>
    </message>
    <message>
        <source>5,3 min</source>
        <translation>5,3 min</translation>
    </message>
    <message>
        <source>160 sec</source>
        <translation>160 s</translation>
    </message>
    <message>
        <source>80 sec</source>
        <translation>80 s</translation>
    </message>
    <message>
        <source>30 sec</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>Show play-back speed</source>
        <translation>Velocidad de reproducción de los shows</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Luminaria</translation>
    </message>
    <message>
        <source>N. led</source>
        <translation>N.º LED</translation>
    </message>
    <message>
        <source>N. led / colour</source>
        <translation>N.º LED / color</translation>
    </message>
    <message>
        <source>Driving mode</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Pot. nominal</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Potencia media</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Const. Curr. 350mA</source>
        <translation>Corr. const. 350mA</translation>
    </message>
    <message>
        <source>Power led 1W</source>
        <translation>LED de potencia 1W</translation>
    </message>
    <message>
        <source>Multichip LED 3.5 W</source>
        <translation>Multichip LED 3.5 W</translation>
    </message>
    <message>
        <source>Constant volt.</source>
        <translation>Tensión const.</translation>
    </message>
    <message>
        <source>3mm LED</source>
        <translation>LED 3 mm</translation>
    </message>
    <message>
        <source>Multichip LED 0.3 W</source>
        <translation>Multichip LED 0.3 W</translation>
    </message>
    <message>
        <source>Const. Curr. 700mA</source>
        <translation>Corr. const. 700mA</translation>
    </message>
    <message>
        <source>Multichipled 7,5 W</source>
        <translation>LED multichip 7,5 W</translation>
    </message>
    <message>
        <source>5mm LED</source>
        <translation>LED 5 mm</translation>
    </message>
    <message>
        <source>Constant curr.</source>
        <translation>Corriente const.</translation>
    </message>
    <message>
        <source>Multichip LED 5 mm</source>
        <translation>Multichip LED 5 mm</translation>
    </message>
    <message>
        <source>RGB Passive Fixtures</source>
        <translation>Luminarias RGB pasivas</translation>
    </message>
    <message>
        <source>Max. Power</source>
        <translation>Potencia máx.</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>RGB Intelligent Fixtures dip-switch settable</source>
        <translation>Luminarias RGB inteligentes ajustables por dip-switch</translation>
    </message>
    <message>
        <source>DOR Intelligent Fixtures dip-switch settable</source>
        <translation>Luminarias DOR inteligentes ajustables por dip-switch</translation>
    </message>
    <message>
        <source>CCT</source>
        <translation>CCT</translation>
    </message>
    <message>
        <source>°K</source>
        <translation>°K</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Colours, left to right</source>
        <translation>Colores, de izquierda a derecha</translation>
    </message>
</context>
</TS>
