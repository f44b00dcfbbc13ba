<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CardActions</name>
    <message>
        <source>Budget report</source>
        <translation>Bilancio di potenza</translation>
    </message>
    <message>
        <source>Setting card</source>
        <translation>Scheda di impostazione</translation>
    </message>
    <message>
        <source>Label for the report (e.g. &quot;Shop 2, window&quot;), may be empty:</source>
        <translation>Etichetta del bilancio (p. es. «Negozio 2, vetrina»), può essere vuota:</translation>
    </message>
    <message>
        <source>Label for the card (e.g. &quot;Bar 3, left&quot;), may be empty:</source>
        <translation>Etichetta della scheda (p. es. «Americana 3, sinistra»), può essere vuota:</translation>
    </message>
    <message>
        <source>Nothing was made: %1.</source>
        <translation>Non è stato creato nulla: %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Copiato come testo</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copia come testo</translation>
    </message>
    <message>
        <source>PDF, A4 (*.pdf)</source>
        <translation>PDF, A4 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF, Letter (*.pdf)</source>
        <translation>PDF, Letter (*.pdf)</translation>
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
        <translation>Impossibile salvare %1: %2.</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Schede di impostazione</translation>
    </message>
    <message>
        <source>the image could not be made</source>
        <translation>non è stato possibile creare l&apos;immagine</translation>
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
        <translation>Data: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modo: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>DMX address: </source>
        <translation>Indirizzo DMX: </translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Opzioni: </translation>
    </message>
    <message>
        <source>Limit exceeded: %1</source>
        <translation>Limite superato: %1</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Blocco a 12 levette</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Blocco a 4 levette</translation>
    </message>
    <message>
        <source>the label holds a control character</source>
        <translation>l&apos;etichetta contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>the label is longer than %1 characters</source>
        <translation>l&apos;etichetta supera i %1 caratteri</translation>
    </message>
    <message>
        <source>CC #%1 drives %2 LEDs per colour, more than the %3 one output allows.</source>
        <translation>CC #%1 pilota %2 LED per colore, più dei %3 che un&apos;uscita consente.</translation>
    </message>
    <message>
        <source>The total power, %1 W, is more than the %2 W the controller gives.</source>
        <translation>La potenza totale, %1 W, supera i %2 W che la centralina fornisce.</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Etichetta: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Modo: %1</translation>
    </message>
    <message>
        <source> — counted as %1</source>
        <translation> — contato come %1</translation>
    </message>
    <message>
        <source>no fixtures</source>
        <translation>nessun apparecchio</translation>
    </message>
    <message>
        <source>LEDs per colour: %1</source>
        <translation>LED per colore: %1</translation>
    </message>
    <message>
        <source>Power: %1 W</source>
        <translation>Potenza: %1 W</translation>
    </message>
    <message>
        <source>Limits exceeded: none</source>
        <translation>Limiti superati: nessuno</translation>
    </message>
    <message>
        <source>Levers ON: %1</source>
        <translation>Levette su ON: %1</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etichetta:</translation>
    </message>
    <message>
        <source>DMX address: %1</source>
        <translation>Indirizzo DMX: %1</translation>
    </message>
    <message>
        <source>Options: %1</source>
        <translation>Opzioni: %1</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Blocco a %1 levette</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Apparecchio</translation>
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
        <translation>Levette su ON</translation>
    </message>
    <message>
        <source>1 fixture</source>
        <translation>1 apparecchio</translation>
    </message>
    <message>
        <source>%1 fixtures</source>
        <translation>%1 apparecchi</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (continua)</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, pagina %2</translation>
    </message>
    <message>
        <source>DMX address %1 is beyond what the levers hold: 1 to %2</source>
        <translation>l&apos;indirizzo DMX %1 va oltre ciò che le levette portano: da 1 a %2</translation>
    </message>
    <message>
        <source>lever %1 is no named function lever</source>
        <translation>la levetta %1 non è una levetta di funzione con nome</translation>
    </message>
    <message>
        <source>Channels: %1, block %2–%3</source>
        <translation>Canali: %1, blocco %2–%3</translation>
    </message>
    <message>
        <source>Warning: the block runs past %1, to %2</source>
        <translation>Attenzione: il blocco va oltre %1, fino a %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown device &apos;%1&apos;: %2</source>
        <translation>apparecchio sconosciuto «%1»: %2</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 richiede un numero intero, non «%2»</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Un master non ha indirizzo DMX.</translation>
    </message>
    <message>
        <source>--out FILE.pdf|.png|.txt is required</source>
        <translation>--out FILE.pdf|.png|.txt è obbligatorio</translation>
    </message>
    <message>
        <source>--label: </source>
        <translation>--label: </translation>
    </message>
    <message>
        <source>Could not write the card to standard output.</source>
        <translation>Impossibile scrivere la scheda sull&apos;output standard.</translation>
    </message>
    <message>
        <source>--count %1: give OUTPUT:FIXTURE=N</source>
        <translation>--count %1: indicare USCITA:APPARECCHIO=N</translation>
    </message>
    <message>
        <source>--count %1: the output is CC1, CC2, CV1 or CV2</source>
        <translation>--count %1: l&apos;uscita è CC1, CC2, CV1 o CV2</translation>
    </message>
    <message>
        <source>--count %1: no such fixture on %2</source>
        <translation>--count %1: nessun apparecchio simile su %2</translation>
    </message>
    <message>
        <source>--count %1: this controller has no %2 output</source>
        <translation>--count %1: questa centralina non ha uscita %2</translation>
    </message>
    <message>
        <source>unknown controller &apos;%1&apos;: orvo75 or orvo36</source>
        <translation>centralina sconosciuta «%1»: orvo75 o orvo36</translation>
    </message>
    <message>
        <source>Could not write the report to standard output.</source>
        <translation>Impossibile scrivere il bilancio sull&apos;output standard.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>The language of this run: de, en, es, fr, it or nl (the desktop&apos;s otherwise).</source>
        <translation>La lingua di questa esecuzione: de, en, es, fr, it o nl (altrimenti quella del desktop).</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>%1: %2 (see &apos;%1 --help&apos;)</source>
        <translation>%1: %2 (vedere «%1 --help»)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>VELANTRA configuration tools: DIP-switch settings, power budgets and data
sheets for DMX LED lighting. Without a command it opens the main window on
the display (a desktop session, or xvfb-run).</source>
        <translation>VELANTRA configuration tools: impostazioni dei dip-switch, bilanci di potenza e
schede tecniche per l&apos;illuminazione LED DMX. Senza comando apre la finestra
principale sullo schermo (una sessione desktop, o xvfb-run).</translation>
    </message>
    <message>
        <source>%1 &lt;command&gt; [options] [arguments]</source>
        <translation>%1 &lt;comando&gt; [opzioni] [argomenti]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>&apos;%1 &lt;command&gt; --help&apos; shows the options of a command.</source>
        <translation>«%1 &lt;comando&gt; --help» mostra le opzioni di un comando.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message>
        <source>the plan file name is empty</source>
        <translation>il nome del file del piano è vuoto</translation>
    </message>
    <message>
        <source>--out %1: the file name must end in .pdf, .png or .txt, or be - for the text on standard output</source>
        <translation>--out %1: il nome del file deve finire in .pdf, .png o .txt, o essere - per il testo sull&apos;output standard</translation>
    </message>
    <message>
        <source>DMX start address, 1 to 511 (DMX mode; default 1)</source>
        <translation>Indirizzo DMX iniziale, da 1 a 511 (modo DMX; predefinito 1)</translation>
    </message>
    <message>
        <source>Stand-alone master mode instead of DMX slave</source>
        <translation>Modo master stand-alone invece di slave DMX</translation>
    </message>
    <message>
        <source>The 120 ohm line terminator ON (DMX mode)</source>
        <translation>La terminazione di linea 120 ohm su ON (modo DMX)</translation>
    </message>
    <message>
        <source>The external pushbutton ON (orvo75, orvo36, fluo; master mode)</source>
        <translation>Il pulsante esterno su ON (orvo75, orvo36, fluo; modo master)</translation>
    </message>
    <message>
        <source>1-100 % modulation ON (fluo)</source>
        <translation>Modulazione 1-100 % su ON (fluo)</translation>
    </message>
    <message>
        <source>Free text on the card&apos;s Label line, e.g. &quot;Bar 3, left&quot;</source>
        <translation>Testo libero sulla riga Etichetta della scheda, p. es. «Americana 3, sinistra»</translation>
    </message>
    <message>
        <source>The file to write: .pdf, .png or .txt; - writes the text to standard output</source>
        <translation>Il file da scrivere: .pdf, .png o .txt; - scrive il testo sull&apos;output standard</translation>
    </message>
    <message>
        <source>Writes a device&apos;s setting card (its DIP switches) as PDF, PNG or text</source>
        <translation>Scrive la scheda di impostazione di un apparecchio (i suoi dip-switch) come PDF, PNG o testo</translation>
    </message>
    <message>
        <source>orvo75 (75 W) or orvo36 (36 W)</source>
        <translation>orvo75 (75 W) o orvo36 (36 W)</translation>
    </message>
    <message>
        <source>A count as typed into the grid: OUTPUT:FIXTURE=N, the output CC1, CC2, CV1 or CV2 (CC only on the orvo36), the fixture by its name or grid row 1 to 14, e.g. &quot;CC1:Pomra RGB=2&quot;; repeat for more</source>
        <translation>Una quantità come digitata nella griglia: USCITA:APPARECCHIO=N, l&apos;uscita CC1, CC2, CV1 o CV2 (solo CC sull&apos;orvo36), l&apos;apparecchio per nome o riga 1-14 della griglia, p. es. «CC1:Pomra RGB=2»; ripetere per altri</translation>
    </message>
    <message>
        <source>Average power instead of nominal power</source>
        <translation>Potenza media invece della potenza nominale</translation>
    </message>
    <message>
        <source>Free text on the report&apos;s Label line, e.g. &quot;Shop 2, window&quot;</source>
        <translation>Testo libero sulla riga Etichetta del bilancio, p. es. «Negozio 2, vetrina»</translation>
    </message>
    <message>
        <source>Writes a power budget report as PDF, PNG or text</source>
        <translation>Scrive un bilancio di potenza come PDF, PNG o testo</translation>
    </message>
    <message>
        <source>velantra: cannot open a display; run it in a desktop session or under xvfb-run</source>
        <translation>velantra: nessuno schermo disponibile; avviarlo in una sessione desktop o con xvfb-run</translation>
    </message>
    <message>
        <source>Print the plan&apos;s problems; exit status 1 when there is any.</source>
        <translation>Stampa i problemi del piano; stato di uscita 1 se ce ne sono.</translation>
    </message>
    <message>
        <source>%1: %2 rows, %3</source>
        <translation>%1: %2 righe, %3</translation>
    </message>
    <message>
        <source>Channel count, 3 or 6 (orvo75; DMX mode)</source>
        <translation>Numero di canali, 3 o 6 (orvo75; modo DMX)</translation>
    </message>
    <message>
        <source>Speed 0 to 4 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Velocità da 0 a 4 (orvo75, orvo36, fluo, intell; modo master)</translation>
    </message>
    <message>
        <source>Show 0 to 15 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Show da 0 a 15 (orvo75, orvo36, fluo, intell; modo master)</translation>
    </message>
    <message>
        <source>Colour-temperature tune CCT 0 to 9 (dor; master mode)</source>
        <translation>Atmosfera di temperatura di colore CCT da 0 a 9 (dor; modo master)</translation>
    </message>
    <message>
        <source>no power window for %1</source>
        <translation>nessuna finestra di potenza per %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <source>The rig plan (a .json file) or a patch list (a .csv file).</source>
        <translation>Il piano luci (un file .json) o una lista di patch (un file .csv).</translation>
    </message>
    <message>
        <source>Write the plan as a patch list (CSV) for a lighting console.</source>
        <translation>Scrive il piano come lista di patch (CSV) per una console luci.</translation>
    </message>
    <message>
        <source>%1: %2 rows on %3 universes, %4</source>
        <translation>%1: %2 righe su %3 universi, %4</translation>
    </message>
    <message>
        <source>The levers ON, e.g. 3,4,6,9,11 (our device&apos;s 12-lever bank), or none; with --levers the only argument</source>
        <translation>Le levette su ON, p. es. 3,4,6,9,11 (blocco a 12 levette del nostro apparecchio), o none; con --levers l&apos;unico argomento</translation>
    </message>
    <message>
        <source>The levers ON of the device&apos;s 4-lever bank, e.g. 1</source>
        <translation>Le levette su ON del blocco a 4 levette dell&apos;apparecchio, p. es. 1</translation>
    </message>
    <message>
        <source>Another maker&apos;s fixture: the levers of its bank, 8 to 12</source>
        <translation>Apparecchio di un altro produttore: le levette del suo blocco, da 8 a 12</translation>
    </message>
    <message>
        <source>The lever of the lowest address bit: 1 or the last address lever</source>
        <translation>La levetta del bit di indirizzo meno significativo: 1 o l&apos;ultima levetta di indirizzo</translation>
    </message>
    <message>
        <source>The levers hold the address - 1</source>
        <translation>Le levette portano l&apos;indirizzo - 1</translation>
    </message>
    <message>
        <source>ON is the lower side of the bank (the levers given are those at ON either way)</source>
        <translation>ON è il lato basso del blocco (le levette indicate sono comunque quelle su ON)</translation>
    </message>
    <message>
        <source>A function lever after the address levers and its name, e.g. 10:stand-alone</source>
        <translation>Una levetta di funzione dopo le levette di indirizzo e il suo nome, p. es. 10:stand-alone</translation>
    </message>
    <message>
        <source>missing &lt;levers&gt;: the levers ON, or none</source>
        <translation>manca &lt;levers&gt;: le levette su ON, o none</translation>
    </message>
    <message>
        <source>--%1 goes with --levers</source>
        <translation>--%1 va con --levers</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1: nessun blocco a 4 levette</translation>
    </message>
    <message>
        <source>--four-bank: </source>
        <translation>--four-bank: </translation>
    </message>
    <message>
        <source>--levers reads a fixture of another maker: give only the levers ON, no device</source>
        <translation>--levers legge un apparecchio di un altro produttore: indicare solo le levette su ON, nessun apparecchio</translation>
    </message>
    <message>
        <source>--four-bank is for our devices, not with --levers</source>
        <translation>--four-bank è per i nostri apparecchi, non con --levers</translation>
    </message>
    <message>
        <source>--function %1: give the lever and its name, e.g. 10:stand-alone</source>
        <translation>--function %1: indicare la levetta e il suo nome, p. es. 10:stand-alone</translation>
    </message>
    <message>
        <source>Reads DIP levers back: the DMX address, mode and options they set, and what is wrong with them</source>
        <translation>Rilegge le levette dei dip-switch: l&apos;indirizzo DMX, il modo e le opzioni che impostano, e cosa c&apos;è di sbagliato</translation>
    </message>
    <message>
        <source>Write the setting cards of the rows, six to a page with cut marks, to a PDF file.</source>
        <translation>Scrive le schede di impostazione delle righe, sei per pagina con segni di taglio, in un file PDF.</translation>
    </message>
    <message>
        <source>Write the patch sheet (the rows&apos; blocks and levers, universe by universe) to a PDF file.</source>
        <translation>Scrive il foglio di patch (blocchi e levette delle righe, universo per universo) in un file PDF.</translation>
    </message>
    <message>
        <source>The paper of --cards and --patch-sheet: a4 (the default) or letter.</source>
        <translation>La carta di --cards e --patch-sheet: a4 (predefinita) o letter.</translation>
    </message>
    <message>
        <source>give --check, or any of --cards, --patch-sheet and --csv</source>
        <translation>indicare --check, o una o più tra --cards, --patch-sheet e --csv</translation>
    </message>
    <message>
        <source>--%1 %2: the file name must end in .%3</source>
        <translation>--%1 %2: il nome del file deve finire in .%3</translation>
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
        <translation>Verifica un piano luci o una lista di patch, ne scrive le schede di impostazione o il foglio di patch in file PDF, o lo scrive come lista di patch.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import patch list %1</source>
        <translation>Importa la lista di patch %1</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(non letto)</translation>
    </message>
    <message>
        <source>Column %1 “%2”:</source>
        <translation>Colonna %1 «%2»:</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Colonna %1:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Apparecchio</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Cosa contiene ogni colonna:</translation>
    </message>
    <message>
        <source>&amp;Preview (the first %1 rows):</source>
        <translation>&amp;Anteprima (le prime %1 righe):</translation>
    </message>
    <message>
        <source>Lines &amp;left out:</source>
        <translation>Righe &amp;tralasciate:</translation>
    </message>
    <message>
        <source>Rows: %1. Fixture types: %2. Lines left out: %3.</source>
        <translation>Righe: %1. Tipi di apparecchio: %2. Righe tralasciate: %3.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>The %1 has no channel count choice.</source>
        <translation>%1: nessuna scelta del numero di canali.</translation>
    </message>
    <message>
        <source>The %1 has no external pushbutton.</source>
        <translation>%1: nessun pulsante esterno.</translation>
    </message>
    <message>
        <source>The %1 has no speed choice.</source>
        <translation>%1: nessuna scelta della velocità.</translation>
    </message>
    <message>
        <source>The %1 has no show choice.</source>
        <translation>%1: nessuna scelta dello show.</translation>
    </message>
    <message>
        <source>The %1 has no tune choice.</source>
        <translation>%1: nessuna scelta dell&apos;atmosfera.</translation>
    </message>
    <message>
        <source>The %1 has no modulation choice.</source>
        <translation>%1: nessuna scelta della modulazione.</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to 511.</source>
        <translation>L&apos;indirizzo DMX %1 è fuori intervallo: da 1 a 511.</translation>
    </message>
    <message>
        <source>Channel count %1 is not offered: 3 or 6.</source>
        <translation>Il numero di canali %1 non è previsto: 3 o 6.</translation>
    </message>
    <message>
        <source>Speed %1 is out of range: 0 to %2.</source>
        <translation>La velocità %1 è fuori intervallo: da 0 a %2.</translation>
    </message>
    <message>
        <source>Show %1 is out of range: 0 to %2.</source>
        <translation>Lo show %1 è fuori intervallo: da 0 a %2.</translation>
    </message>
    <message>
        <source>Tune %1 is out of range: 0 to %2.</source>
        <translation>L&apos;atmosfera %1 è fuori intervallo: da 0 a %2.</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Un master non ha indirizzo DMX.</translation>
    </message>
    <message>
        <source>The channel count is a DMX-mode choice, not a master one.</source>
        <translation>Il numero di canali è una scelta del modo DMX, non del modo master.</translation>
    </message>
    <message>
        <source>The 120 ohm terminator is a DMX-mode choice, not a master one.</source>
        <translation>La terminazione 120 ohm è una scelta del modo DMX, non del modo master.</translation>
    </message>
    <message>
        <source>The external pushbutton is a master-mode choice.</source>
        <translation>Il pulsante esterno è una scelta del modo master.</translation>
    </message>
    <message>
        <source>The tune is a master-mode choice.</source>
        <translation>L&apos;atmosfera è una scelta del modo master.</translation>
    </message>
    <message>
        <source>The speed is a master-mode choice.</source>
        <translation>La velocità è una scelta del modo master.</translation>
    </message>
    <message>
        <source>The show is a master-mode choice.</source>
        <translation>Lo show è una scelta del modo master.</translation>
    </message>
    <message>
        <source>intelligent RGB fixture</source>
        <translation>apparecchio RGB intelligente</translation>
    </message>
    <message>
        <source>DOR fixture</source>
        <translation>apparecchio DOR</translation>
    </message>
    <message>
        <source>a bank has 8 to 12 levers</source>
        <translation>un blocco ha da 8 a 12 levette</translation>
    </message>
    <message>
        <source>the lowest bit is on lever 1 or on lever %1</source>
        <translation>il bit meno significativo è sulla levetta 1 o sulla levetta %1</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: those are levers %2 to %3</source>
        <translation>la levetta %1 non è una levetta di funzione: lo sono le levette da %2 a %3</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: every lever carries the address</source>
        <translation>la levetta %1 non è una levetta di funzione: ogni levetta porta l&apos;indirizzo</translation>
    </message>
    <message>
        <source>lever %1 is named twice</source>
        <translation>la levetta %1 ha due nomi</translation>
    </message>
    <message>
        <source>lever %1 has no name</source>
        <translation>la levetta %1 non ha nome</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>nessuna levetta di indirizzo su ON: l&apos;indirizzo 0 non è un indirizzo DMX</translation>
    </message>
    <message>
        <source>address %1 is beyond the last DMX channel, 512</source>
        <translation>l&apos;indirizzo %1 è oltre l&apos;ultimo canale DMX, 512</translation>
    </message>
    <message>
        <source>the bank has no lever %1: it has %2</source>
        <translation>il blocco non ha la levetta %1: ne ha %2</translation>
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
        <translation>Levette su ON: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Lever %1 of %2: %3</source>
        <translation>Levetta %1 di %2: %3</translation>
    </message>
</context>
<context>
    <name>DipConfigurator</name>
    <message>
        <source>4-lever bank, </source>
        <translation>blocco a 4 levette, </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>è una named pipe, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation>solo %1 di %2 byte sono stati scritti</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>nessun nome di file</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
</context>
<context>
    <name>FixtureTypesDialog</name>
    <message>
        <source>“%1” is not a lever and its name, such as “10: stand-alone”.</source>
        <translation>«%1» non è una levetta con il suo nome, come «10: stand-alone».</translation>
    </message>
    <message>
        <source>&amp;Address levers</source>
        <translation>Levette di &amp;indirizzo</translation>
    </message>
    <message>
        <source>New fixture type</source>
        <translation>Nuovo tipo di apparecchio</translation>
    </message>
    <message>
        <source>Edit fixture type</source>
        <translation>Modifica tipo di apparecchio</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Produttore e modello</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>The address</source>
        <translation>L&apos;indirizzo</translation>
    </message>
    <message>
        <source>The address − 1</source>
        <translation>L&apos;indirizzo − 1</translation>
    </message>
    <message>
        <source>10: stand-alone; 11: test</source>
        <translation>10: stand-alone; 11: test</translation>
    </message>
    <message>
        <source>&amp;Levers in the bank:</source>
        <translation>&amp;Levette nel blocco:</translation>
    </message>
    <message>
        <source>Lowest &amp;bit on:</source>
        <translation>&amp;Bit meno significativo su:</translation>
    </message>
    <message>
        <source>&amp;ON is:</source>
        <translation>&amp;ON è:</translation>
    </message>
    <message>
        <source>The levers &amp;hold:</source>
        <translation>Le levette &amp;portano:</translation>
    </message>
    <message>
        <source>&amp;Function levers:</source>
        <translation>Levette di &amp;funzione:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canali:</translation>
    </message>
    <message>
        <source>Lever 1</source>
        <translation>Levetta 1</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Levetta %1</translation>
    </message>
    <message>
        <source>Fixture types</source>
        <translation>Tipi di apparecchio</translation>
    </message>
    <message>
        <source>Fixture &amp;types of this plan:</source>
        <translation>&amp;Tipi di apparecchio di questo piano:</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>A&amp;ggiungi…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altri %1</translation>
    </message>
    <message>
        <source>The fixture type “%1” is in use and is not deleted.
Used by: %2.</source>
        <translation>Il tipo di apparecchio «%1» è in uso e non viene eliminato.
Usato da: %2.</translation>
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
        <translation>Logo MORANDEL BRANVIK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dati</translation>
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
        <translation>App. intell.</translation>
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
        <translation>Funz. master</translation>
    </message>
    <message>
        <source>Easy run (RGB)</source>
        <translation>Easy run (RGB)</translation>
    </message>
    <message>
        <source>Atm. Tunes (DOR)</source>
        <translation>Atmosfere (DOR)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Piano luci</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK VELANTRA configurator</source>
        <translation>Configuratore MORANDEL BRANVIK VELANTRA</translation>
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
        <translation>Configuratore dip-switch ORVO 75</translation>
    </message>
    <message>
        <source>ORVO 36 dip-switch configurator</source>
        <translation>Configuratore dip-switch ORVO 36</translation>
    </message>
    <message>
        <source>ORVO FLUO / Nembra dip-switch configurator</source>
        <translation>Configuratore dip-switch ORVO FLUO / Nembra</translation>
    </message>
    <message>
        <source>Intelligent fixture configurator</source>
        <translation>Configuratore apparecchi intelligenti</translation>
    </message>
    <message>
        <source>DOR fixture configurator</source>
        <translation>Configuratore apparecchi DOR</translation>
    </message>
    <message>
        <source>DMX address</source>
        <translation>Indirizzo DMX</translation>
    </message>
    <message>
        <source>Device outline</source>
        <translation>Contorno dell&apos;apparecchio</translation>
    </message>
    <message>
        <source>Red indicator lamp</source>
        <translation>Spia rossa</translation>
    </message>
    <message>
        <source>Green indicator lamp</source>
        <translation>Spia verde</translation>
    </message>
    <message>
        <source>Rotary knob</source>
        <translation>Manopola</translation>
    </message>
    <message>
        <source>Rotary knob groove</source>
        <translation>Tacca della manopola</translation>
    </message>
    <message>
        <source>Ext. pushbotton</source>
        <translation>Puls. esterno</translation>
    </message>
    <message>
        <source>Shows</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (slave)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Velocità</translation>
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
        <translation>Modo master</translation>
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
        <translation>Modulazione 1-100 %</translation>
    </message>
    <message>
        <source>Atmosphere tune</source>
        <translation>Atmosfera</translation>
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
        <translation>Configuratore di potenza ORVO</translation>
    </message>
    <message>
        <source>Spare box, counts nothing</source>
        <translation>Casella di riserva, non conta</translation>
    </message>
    <message>
        <source>CC2 mA</source>
        <translation>CC2 mA</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Potenza media</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Pot. nominale</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>CC1 mA.</source>
        <translation>CC1 mA.</translation>
    </message>
    <message>
        <source>Outline of the total</source>
        <translation>Contorno del totale</translation>
    </message>
    <message>
        <source>Power Out CV 1</source>
        <translation>Potenza CV 1</translation>
    </message>
    <message>
        <source>Power Out CV 2</source>
        <translation>Potenza CV 2</translation>
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
        <translation>Uscite tensione costante (CV)</translation>
    </message>
    <message>
        <source>Constant Current Outputs (CC)</source>
        <translation>Uscite corrente costante (CC)</translation>
    </message>
    <message>
        <source>ORVO 36 power configurator</source>
        <translation>Configuratore di potenza ORVO 36</translation>
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
        <translation>Contorno delle uscite CV</translation>
    </message>
    <message>
        <source>Tot. led </source>
        <translation>Tot. LED </translation>
    </message>
    <message>
        <source>Constant Current Output (CC)</source>
        <translation>Uscita corrente costante (CC)</translation>
    </message>
    <message>
        <source>Easy run menu</source>
        <translation>Menu Easy run</translation>
    </message>
    <message>
        <source>Passive fixtures data</source>
        <translation>Dati degli apparecchi passivi</translation>
    </message>
    <message>
        <source>Intelligent RGB fixtures data</source>
        <translation>Dati degli apparecchi RGB intelligenti</translation>
    </message>
    <message>
        <source>DOR Intelligent fixtures data </source>
        <translation>Dati degli apparecchi intelligenti DOR</translation>
    </message>
    <message>
        <source>Atmospehre tunes</source>
        <translation>Atmosfere</translation>
    </message>
    <message>
        <source>Built-in shows and their colours</source>
        <translation>Show incorporati e i loro colori</translation>
    </message>
    <message>
        <source>Show play-back speeds</source>
        <translation>Velocità di riproduzione degli show</translation>
    </message>
    <message>
        <source>! ERROR !  DMX address: 1 - 511</source>
        <translation>! ERRORE !  Indirizzo DMX: 1 - 511</translation>
    </message>
    <message>
        <source>Speed 0</source>
        <translation>Velocità 0</translation>
    </message>
    <message>
        <source>Speed 1</source>
        <translation>Velocità 1</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Velocità 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Velocità 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Velocità 4</translation>
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
        <translation>Potenza nominale totale</translation>
    </message>
    <message>
        <source>Total average power</source>
        <translation>Potenza media totale</translation>
    </message>
    <message>
        <source>12-lever DIP-switch bank</source>
        <translation>Blocco dip-switch a 12 levette</translation>
    </message>
    <message>
        <source>4-lever DIP-switch bank</source>
        <translation>Blocco dip-switch a 4 levette</translation>
    </message>
    <message>
        <source>Read levers</source>
        <translation>Leggi levette</translation>
    </message>
</context>
<context>
    <name>Levers</name>
    <message>
        <source>lever %1 of the 4-lever bank</source>
        <translation>levetta %1 del blocco a 4 levette</translation>
    </message>
    <message>
        <source>lever %1 of the 12-lever bank</source>
        <translation>levetta %1 del blocco a 12 levette</translation>
    </message>
    <message>
        <source>lever %1</source>
        <translation>levetta %1</translation>
    </message>
    <message>
        <source>the 12-lever bank has no lever %1</source>
        <translation>il blocco a 12 levette non ha la levetta %1</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1: nessun blocco a 4 levette</translation>
    </message>
    <message>
        <source>the 4-lever bank has no lever %1</source>
        <translation>il blocco a 4 levette non ha la levetta %1</translation>
    </message>
    <message>
        <source>in master mode</source>
        <translation>in modo master</translation>
    </message>
    <message>
        <source>in DMX mode</source>
        <translation>in modo DMX</translation>
    </message>
    <message>
        <source>%1 must be OFF %2</source>
        <translation>%1 deve essere su OFF %2</translation>
    </message>
    <message>
        <source>%1 must be ON %2</source>
        <translation>%1 deve essere su ON %2</translation>
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
        <translation>%1: nessuna impostazione %2 ha questo con le altre levette come sono</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>nessuna levetta di indirizzo su ON: l&apos;indirizzo 0 non è un indirizzo DMX</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>DMX address %1</source>
        <translation>Indirizzo DMX %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lever number: give the levers ON as 3,4,6</source>
        <translation>«%1» non è un numero di levetta: indicare le levette su ON come 3,4,6</translation>
    </message>
    <message>
        <source>lever %1: the bank has levers 1 to %2</source>
        <translation>levetta %1: il blocco ha le levette da 1 a %2</translation>
    </message>
    <message>
        <source>lever %1 is given twice</source>
        <translation>la levetta %1 è indicata due volte</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Levetta %1</translation>
    </message>
    <message>
        <source>Lever %1: ON</source>
        <translation>Levetta %1: ON</translation>
    </message>
    <message>
        <source>Lever %1: OFF</source>
        <translation>Levetta %1: OFF</translation>
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
        <translation>Max 6 LED / colore su ogni uscita a corrente costante!</translation>
    </message>
    <message>
        <source>Max 6 led / colour on each constant current output ! </source>
        <translation>Max 6 LED / colore su ogni uscita a corrente costante! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 75 W !!!</source>
        <translation>POTENZA TOTALE &gt; 75 W !!!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output !</source>
        <translation>Max 9 LED / colore su ogni uscita a corrente costante!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output ! </source>
        <translation>Max 9 LED / colore su ogni uscita a corrente costante! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 36 W !!!</source>
        <translation>POTENZA TOTALE &gt; 36 W !!!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>The plan has no rows.</source>
        <translation>Il piano non ha righe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>«%1» deve essere un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>«%1» deve essere true o false</translation>
    </message>
    <message>
        <source>&quot;device&quot; must be one of %1</source>
        <translation>«device» deve essere uno di %1</translation>
    </message>
    <message>
        <source>&quot;mode&quot; must be &quot;dmx&quot; or &quot;master&quot;</source>
        <translation>«mode» deve essere «dmx» o «master»</translation>
    </message>
    <message>
        <source>a row in DMX mode needs an &quot;address&quot;</source>
        <translation>una riga in modo DMX richiede un «address»</translation>
    </message>
    <message>
        <source>&quot;channels&quot; does not apply in master mode on the %1</source>
        <translation>«channels» non vale in modo master per %1</translation>
    </message>
    <message>
        <source>&quot;channels&quot; of the %1 must be 3 or 6</source>
        <translation>«channels» deve essere 3 o 6 per %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to the %2 in %3 mode</source>
        <translation>«%1» non vale per %2 in modo %3</translation>
    </message>
    <message>
        <source>the file is larger than any plan (%1 bytes)</source>
        <translation>il file è più grande di qualsiasi piano (%1 byte)</translation>
    </message>
    <message>
        <source>not a plan file: the JSON text is broken at byte %1 (%2)</source>
        <translation>non è un file di piano: il testo JSON è rotto al byte %1 (%2)</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>«%1» è indicato due volte</translation>
    </message>
    <message>
        <source>not a rig plan: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>non è un piano luci: «format» deve essere «%1»</translation>
    </message>
    <message>
        <source>(missing or not a number)</source>
        <translation>(mancante o non un numero)</translation>
    </message>
    <message>
        <source>unknown entry &quot;%1&quot;</source>
        <translation>voce sconosciuta «%1»</translation>
    </message>
    <message>
        <source>&quot;rows&quot; must be a list</source>
        <translation>«rows» deve essere una lista</translation>
    </message>
    <message>
        <source>%1 rows; a plan holds at most %2</source>
        <translation>%1 righe; un piano ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>deve essere un oggetto</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to %2.</source>
        <translation>L&apos;indirizzo DMX %1 è fuori intervallo: da 1 a %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any patch list (%1 bytes)</source>
        <translation>il file è più grande di qualsiasi lista di patch (%1 byte)</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (byte %1)</source>
        <translation>il testo non è UTF-8 (byte %1)</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>una virgoletta aperta qui non viene mai chiusa</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>testo dopo una virgoletta di chiusura</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>più di %1 colonne</translation>
    </message>
    <message>
        <source>a plan holds at most %1 rows</source>
        <translation>un piano contiene al massimo %1 righe</translation>
    </message>
    <message>
        <source>the file holds no patch: it is empty</source>
        <translation>il file non contiene patch: è vuoto</translation>
    </message>
    <message>
        <source>line 1: no header; name the columns (universe, start, label, fixture, channels, …)</source>
        <translation>riga 1: nessuna intestazione; nominare le colonne (universe, start, label, fixture, channels, …)</translation>
    </message>
    <message>
        <source>and %1 more lines with problems</source>
        <translation>e altre %1 righe con problemi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>«%1» deve essere %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>«%1» deve essere un testo</translation>
    </message>
    <message>
        <source>&quot;fixture&quot; must name one of the plan&apos;s types</source>
        <translation>«fixture» deve nominare uno dei tipi del piano</translation>
    </message>
    <message>
        <source>a row of a fixture type needs an &quot;address&quot;</source>
        <translation>una riga di un tipo di apparecchio richiede un «address»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to a fixture type&apos;s row</source>
        <translation>«%1» non vale per la riga di un tipo di apparecchio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs plan format version %2</source>
        <translation>«%1» richiede la versione %2 del formato del piano</translation>
    </message>
    <message>
        <source>levers: </source>
        <translation>levette: </translation>
    </message>
    <message>
        <source>&quot;count&quot; and &quot;lowest&quot; are required</source>
        <translation>«count» e «lowest» sono obbligatori</translation>
    </message>
    <message>
        <source>&quot;functions&quot; must be a list</source>
        <translation>«functions» deve essere una lista</translation>
    </message>
    <message>
        <source>a function lever must be an object</source>
        <translation>una levetta di funzione deve essere un oggetto</translation>
    </message>
    <message>
        <source>a function lever needs its &quot;lever&quot;</source>
        <translation>una levetta di funzione richiede il suo «lever»</translation>
    </message>
    <message>
        <source>&quot;channels&quot; must be a whole number from %1 to %2</source>
        <translation>«channels» deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>plan format version %1 cannot be read; this program reads versions %2 and %3</source>
        <translation>la versione %1 del formato del piano non è leggibile; questo programma legge le versioni %2 e %3</translation>
    </message>
    <message>
        <source>&quot;types&quot; must be a list</source>
        <translation>«types» deve essere una lista</translation>
    </message>
    <message>
        <source>%1 fixture types; a plan holds at most %2</source>
        <translation>%1 tipi di apparecchio; un piano ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>type %1: </source>
        <translation>tipo %1: </translation>
    </message>
    <message>
        <source>Patch sheet: %1</source>
        <translation>Foglio di patch: %1</translation>
    </message>
    <message>
        <source>Plan: %1, row %2, universe %3</source>
        <translation>Piano: %1, riga %2, universo %3</translation>
    </message>
    <message>
        <source>Plan: %1, row %2</source>
        <translation>Piano: %1, riga %2</translation>
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
        <translation>Inizio + canali − 1; al massimo 512.</translation>
    </message>
    <message>
        <source>The start address, 1–511. A device in master mode takes none.</source>
        <translation>L&apos;indirizzo iniziale, 1–511. Un apparecchio in modo master non ne ha.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparecchio</translation>
    </message>
    <message>
        <source>Mode and options</source>
        <translation>Modo e opzioni</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <source>The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch choice); a fixture type takes its own count; for the other devices the program does not know the count: type it (1–512), it is required.</source>
        <translation>I canali DMX che l&apos;apparecchio occupa. L&apos;ORVO 75 ne occupa 3 o 6 (la sua scelta 3 Ch / 6 Ch); un tipo di apparecchio il proprio numero; per gli altri apparecchi il programma non conosce il numero: digitarlo (1–512), è obbligatorio.</translation>
    </message>
    <message>
        <source>The DMX universe, as the lighting console numbers them (0–63999).</source>
        <translation>L&apos;universo DMX, come lo numera la console luci (0–63999).</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>row %1 “%2”</source>
        <translation>riga %1 «%2»</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>start %1 is outside 1–511</source>
        <translation>inizio %1 fuori da 1–511</translation>
    </message>
    <message>
        <source>ends at %1, beyond 512</source>
        <translation>finisce a %1, oltre 512</translation>
    </message>
    <message>
        <source>no channel count</source>
        <translation>nessun numero di canali</translation>
    </message>
    <message>
        <source>channels %1 overlap %2 (%3)</source>
        <translation>i canali %1 si sovrappongono a %2 (%3)</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Nessun problema</translation>
    </message>
    <message>
        <source>%1 problem in %2 row</source>
        <translation>%1 problema in %2 riga</translation>
    </message>
    <message>
        <source>%1 problem in %2 rows</source>
        <translation>%1 problema in %2 righe</translation>
    </message>
    <message>
        <source>%1 problems in %2 row</source>
        <translation>%1 problemi in %2 riga</translation>
    </message>
    <message>
        <source>%1 problems in %2 rows</source>
        <translation>%1 problemi in %2 righe</translation>
    </message>
    <message>
        <source>start %1 is beyond the levers of the %2 (at most %3)</source>
        <translation>inizio %1 oltre le levette di %2 (al massimo %3)</translation>
    </message>
    <message>
        <source>the lever scheme “%1”: %2</source>
        <translation>lo schema di levette «%1»: %2</translation>
    </message>
    <message>
        <source>it reads like “10 levers; lowest 1; ON up; address”</source>
        <translation>si scrive come «10 levers; lowest 1; ON up; address»</translation>
    </message>
    <message>
        <source>“%1” is no count of levers</source>
        <translation>«%1» non è un numero di levette</translation>
    </message>
    <message>
        <source>“%1” names no lowest lever</source>
        <translation>«%1» non indica la levetta più bassa</translation>
    </message>
    <message>
        <source>“%1” is not ON up or ON down</source>
        <translation>«%1» non è ON up né ON down</translation>
    </message>
    <message>
        <source>“%1” is not address or address - 1</source>
        <translation>«%1» non è address né address - 1</translation>
    </message>
    <message>
        <source>“%1” is no “lever: name”</source>
        <translation>«%1» non è «levetta: nome»</translation>
    </message>
    <message>
        <source>the channels of “%1” are not given</source>
        <translation>i canali di «%1» non sono indicati</translation>
    </message>
    <message>
        <source>channels “%1” is no number</source>
        <translation>canali «%1» non è un numero</translation>
    </message>
    <message>
        <source>“%1” is given another channel count on an earlier line</source>
        <translation>«%1» ha un altro numero di canali in una riga precedente</translation>
    </message>
    <message>
        <source>“%1” is given another lever scheme on an earlier line</source>
        <translation>«%1» ha un altro schema di levette in una riga precedente</translation>
    </message>
    <message>
        <source>universe “%1” is not from 0 to 63999</source>
        <translation>l&apos;universo «%1» non è tra 0 e 63999</translation>
    </message>
    <message>
        <source>no fixture</source>
        <translation>nessun apparecchio</translation>
    </message>
    <message>
        <source>no start address</source>
        <translation>nessun indirizzo iniziale</translation>
    </message>
    <message>
        <source>start “%1” is not from 1 to %2</source>
        <translation>inizio «%1» non è tra 1 e %2</translation>
    </message>
    <message>
        <source>a device in master mode takes no start address</source>
        <translation>un apparecchio in modo master non ha indirizzo iniziale</translation>
    </message>
    <message>
        <source>channels “%1” is not from 1 to 512</source>
        <translation>canali «%1» non è tra 1 e 512</translation>
    </message>
    <message>
        <source>end “%1” is not 1 to 512 channels after the start</source>
        <translation>fine «%1» non è da 1 a 512 canali dopo l&apos;inizio</translation>
    </message>
    <message>
        <source>the ORVO 75 takes 3 or 6 channels, as its mode says, in DMX mode</source>
        <translation>l&apos;ORVO 75 occupa 3 o 6 canali, come dice il suo modo, in modo DMX</translation>
    </message>
    <message>
        <source>end “%1” does not follow from the start and the channels</source>
        <translation>fine «%1» non deriva dall&apos;inizio e dai canali</translation>
    </message>
    <message>
        <source>no column holds the fixture (a header such as Fixture or Type)</source>
        <translation>nessuna colonna contiene l&apos;apparecchio (un&apos;intestazione come Fixture o Type)</translation>
    </message>
    <message>
        <source>no column holds the start address (a header such as Start, Address or DMX)</source>
        <translation>nessuna colonna contiene l&apos;indirizzo iniziale (un&apos;intestazione come Start, Address o DMX)</translation>
    </message>
    <message>
        <source>the mode “%1” is not DMX or Master</source>
        <translation>il modo «%1» non è DMX né Master</translation>
    </message>
    <message>
        <source>“%1” is no option</source>
        <translation>«%1» non è un&apos;opzione</translation>
    </message>
    <message>
        <source>“%1” has no number</source>
        <translation>«%1» non ha un numero</translation>
    </message>
    <message>
        <source>a fixture type needs a name</source>
        <translation>un tipo di apparecchio richiede un nome</translation>
    </message>
    <message>
        <source>the name: %1</source>
        <translation>il nome: %1</translation>
    </message>
    <message>
        <source>“%1” is one of our devices</source>
        <translation>«%1» è uno dei nostri apparecchi</translation>
    </message>
    <message>
        <source>there is already a fixture type “%1”</source>
        <translation>esiste già un tipo di apparecchio «%1»</translation>
    </message>
    <message>
        <source>a fixture type takes 1 to 512 channels</source>
        <translation>un tipo di apparecchio occupa da 1 a 512 canali</translation>
    </message>
    <message>
        <source>the levers: %1</source>
        <translation>le levette: %1</translation>
    </message>
    <message>
        <source>lever %1: %2</source>
        <translation>levetta %1: %2</translation>
    </message>
    <message>
        <source>lever %1: a name holds no “;” and no blank at either end</source>
        <translation>levetta %1: un nome non contiene «;» né spazi alle estremità</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>LEDs per colour, %1</source>
        <translation>LED per colore, %1</translation>
    </message>
    <message>
        <source>Power %1, watts</source>
        <translation>Potenza %1, watt</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>%1 %2, no fixture</source>
        <translation>%1 %2, nessun apparecchio</translation>
    </message>
    <message>
        <source>%1 count, %2</source>
        <translation>Quantità %1, %2</translation>
    </message>
    <message>
        <source>Control %1, %2</source>
        <translation>Ctrl %1, %2</translation>
    </message>
    <message>
        <source>To the first count box of an output: </source>
        <translation>Alla prima casella di quantità di un&apos;uscita: </translation>
    </message>
    <message>
        <source>Over the limit of %1 LEDs per colour on one output</source>
        <translation>Oltre il limite di %1 LED per colore su una uscita</translation>
    </message>
    <message>
        <source>Over the limit of %1 watts</source>
        <translation>Oltre il limite di %1 watt</translation>
    </message>
    <message>
        <source>%1, watts</source>
        <translation>%1, watt</translation>
    </message>
</context>
<context>
    <name>ReadLeversWindow</name>
    <message>
        <source>Read levers</source>
        <translation>Leggi levette</translation>
    </message>
    <message>
        <source>&amp;Device or fixture type:</source>
        <translation>&amp;Apparecchio o tipo:</translation>
    </message>
    <message>
        <source>DMX address:</source>
        <translation>Indirizzo DMX:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problemi:</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Blocco a 4 levette</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Blocco a 12 levette</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Blocco a %1 levette</translation>
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
        <translation>nessuno: un master non ha indirizzo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (slave)</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva &amp;con nome…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Righe</translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation>A&amp;ggiungi riga</translation>
    </message>
    <message>
        <source>&amp;Remove rows</source>
        <translation>Ri&amp;muovi righe</translation>
    </message>
    <message>
        <source>&amp;Duplicate…</source>
        <translation>&amp;Duplica…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Sposta in &amp;alto</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Sposta in &amp;basso</translation>
    </message>
    <message>
        <source>Address &amp;from…</source>
        <translation>Indirizzi &amp;da…</translation>
    </message>
    <message>
        <source>&amp;Mode and options…</source>
        <translation>&amp;Modo e opzioni…</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>Sc&amp;hede</translation>
    </message>
    <message>
        <source>Open &amp;configurator</source>
        <translation>Apri &amp;configuratore</translation>
    </message>
    <message>
        <source>&amp;Print cards…</source>
        <translation>S&amp;tampa schede…</translation>
    </message>
    <message>
        <source>Save cards as &amp;PDF…</source>
        <translation>Salva schede come &amp;PDF…</translation>
    </message>
    <message>
        <source>Copy as &amp;text</source>
        <translation>Copia come &amp;testo</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Piano luci</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>Il piano %1 ha modifiche non salvate. Salvarle?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>The plan cannot be opened.
%1</source>
        <translation>Il piano non può essere aperto.
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>Il piano non è stato salvato.
%1</translation>
    </message>
    <message>
        <source>Open rig plan</source>
        <translation>Apri piano luci</translation>
    </message>
    <message>
        <source>Save rig plan</source>
        <translation>Salva piano luci</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Number of copies:</source>
        <translation>Numero di copie:</translation>
    </message>
    <message>
        <source>Address from</source>
        <translation>Indirizzi da</translation>
    </message>
    <message>
        <source>The configurator cannot show this row.
%1</source>
        <translation>Il configuratore non può mostrare questa riga.
%1</translation>
    </message>
    <message>
        <source>No cards were made.
%1</source>
        <translation>Non è stata creata nessuna scheda.
%1</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Salva schede come PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Copiato come testo</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 riga</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 righe</translation>
    </message>
    <message>
        <source>Rig plans (*.json);;All files (*)</source>
        <translation>Piani luci (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Patch lists (*.csv);;All files (*)</source>
        <translation>Liste di patch (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altri %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tutti</translation>
    </message>
    <message>
        <source>Shows the rows of one universe; empty shows all.</source>
        <translation>Mostra le righe di un universo; vuoto le mostra tutte.</translation>
    </message>
    <message>
        <source>Show &amp;universe:</source>
        <translation>Mostra &amp;universo:</translation>
    </message>
    <message>
        <source>&amp;Import patch list (CSV)…</source>
        <translation>&amp;Importa lista di patch (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export patch list (CSV)…</source>
        <translation>&amp;Esporta lista di patch (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Piano</translation>
    </message>
    <message>
        <source>Fixture &amp;types…</source>
        <translation>&amp;Tipi di apparecchio…</translation>
    </message>
    <message>
        <source>&amp;Sort by universe and address</source>
        <translation>&amp;Ordina per universo e indirizzo</translation>
    </message>
    <message>
        <source>The patch list was not saved.
%1</source>
        <translation>La lista di patch non è stata salvata.
%1</translation>
    </message>
    <message>
        <source>Patch list saved</source>
        <translation>Lista di patch salvata</translation>
    </message>
    <message>
        <source>The patch list cannot be imported.
%1: %2</source>
        <translation>La lista di patch non può essere importata.
%1: %2</translation>
    </message>
    <message>
        <source>Import patch list</source>
        <translation>Importa lista di patch</translation>
    </message>
    <message>
        <source>Export patch list</source>
        <translation>Esporta lista di patch</translation>
    </message>
    <message>
        <source>Consecutive addresses for the selected rows (all rows when none is selected); a block that does not fit continues at 1 of the next universe.</source>
        <translation>Indirizzi consecutivi per le righe selezionate (tutte se nessuna è selezionata); un blocco che non entra riprende da 1 nell&apos;universo successivo.</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Universo:</translation>
    </message>
    <message>
        <source>&amp;Starting at:</source>
        <translation>&amp;A partire da:</translation>
    </message>
    <message>
        <source>%1 starts universe %2</source>
        <translation>%1 inizia l&apos;universo %2</translation>
    </message>
    <message>
        <source>Blocks that did not fit went on to the next universe:
%1.</source>
        <translation>I blocchi che non entravano sono passati all&apos;universo successivo:
%1.</translation>
    </message>
    <message>
        <source>The %1 has no configurator window: its card shows its levers.</source>
        <translation>%1: nessuna finestra di configurazione; la sua scheda ne mostra le levette.</translation>
    </message>
    <message>
        <source>%1[*] - Rig plan</source>
        <translation>%1[*] - Piano luci</translation>
    </message>
    <message>
        <source>1 universe</source>
        <translation>1 universo</translation>
    </message>
    <message>
        <source>%1 universes</source>
        <translation>%1 universi</translation>
    </message>
    <message>
        <source>Save patch &amp;sheet as PDF…</source>
        <translation>Salva &amp;foglio di patch come PDF…</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Schede di impostazione</translation>
    </message>
    <message>
        <source>The cards were not saved.</source>
        <translation>Le schede non sono state salvate.</translation>
    </message>
    <message>
        <source>Save patch sheet as PDF</source>
        <translation>Salva foglio di patch come PDF</translation>
    </message>
    <message>
        <source>The patch sheet was not saved.</source>
        <translation>Il foglio di patch non è stato salvato.</translation>
    </message>
</context>
<context>
    <name>RowOptionsDialog</name>
    <message>
        <source>Mode and options: %1</source>
        <translation>Modo e opzioni: %1</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (slave)</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Non scelto</translation>
    </message>
    <message>
        <source>120 ohm terminator</source>
        <translation>terminazione 120 ohm</translation>
    </message>
    <message>
        <source>Ext. pushbutton</source>
        <translation>Pulsante est.</translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>Modulazione 1-100 %</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>DMX channels:</source>
        <translation>Canali DMX:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Tune:</source>
        <translation>Atmosfera:</translation>
    </message>
    <message>
        <source>Window&apos;s preset</source>
        <translation>Preimpostazione della finestra</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
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
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Table of %1 rows: </source>
        <translation>Tabella di %1 righe: </translation>
    </message>
    <message>
        <source>%1, table of %2 rows: </source>
        <translation>%1, tabella di %2 righe: </translation>
    </message>
    <message>
        <source>No shows</source>
        <translation>Nessuno show</translation>
    </message>
    <message>
        <source>Shows %1 to %2, each with a bar of its colours from left to right</source>
        <translation>Show da %1 a %2, ognuno con una barra dei suoi colori da sinistra a destra</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>bluish</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>white cold</source>
        <translation>bianco freddo</translation>
    </message>
    <message>
        <source>white warm</source>
        <translation>bianco caldo</translation>
    </message>
    <message>
        <source>show N.</source>
        <translation>show n.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Dip 2</source>
        <translation>Dip 2</translation>
    </message>
    <message>
        <source>Step time</source>
        <translation>Durata passo</translation>
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
        <translation>Velocità di riproduzione degli show</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Apparecchio</translation>
    </message>
    <message>
        <source>N. led</source>
        <translation>N. LED</translation>
    </message>
    <message>
        <source>N. led / colour</source>
        <translation>N. LED / colore</translation>
    </message>
    <message>
        <source>Driving mode</source>
        <translation>Pilotaggio</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Pot. nominale</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Potenza media</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Const. Curr. 350mA</source>
        <translation>Corr. cost. 350mA</translation>
    </message>
    <message>
        <source>Power led 1W</source>
        <translation>LED di potenza 1W</translation>
    </message>
    <message>
        <source>Multichip LED 3.5 W</source>
        <translation>Multichip LED 3.5 W</translation>
    </message>
    <message>
        <source>Constant volt.</source>
        <translation>Tens. costante</translation>
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
        <translation>Corr. cost. 700mA</translation>
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
        <translation>Corr. costante</translation>
    </message>
    <message>
        <source>Multichip LED 5 mm</source>
        <translation>Multichip LED 5 mm</translation>
    </message>
    <message>
        <source>RGB Passive Fixtures</source>
        <translation>Apparecchi RGB passivi</translation>
    </message>
    <message>
        <source>Max. Power</source>
        <translation>Potenza max.</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>RGB Intelligent Fixtures dip-switch settable</source>
        <translation>Apparecchi RGB intelligenti impostabili con dip-switch</translation>
    </message>
    <message>
        <source>DOR Intelligent Fixtures dip-switch settable</source>
        <translation>Apparecchi DOR intelligenti impostabili con dip-switch</translation>
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
        <translation>Colori, da sinistra a destra</translation>
    </message>
</context>
</TS>
