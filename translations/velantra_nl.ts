<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CardActions</name>
    <message>
        <source>Budget report</source>
        <translation>Vermogensbalans</translation>
    </message>
    <message>
        <source>Setting card</source>
        <translation>Instelkaart</translation>
    </message>
    <message>
        <source>Label for the report (e.g. &quot;Shop 2, window&quot;), may be empty:</source>
        <translation>Label voor de balans (bijv. &quot;Winkel 2, etalage&quot;), mag leeg zijn:</translation>
    </message>
    <message>
        <source>Label for the card (e.g. &quot;Bar 3, left&quot;), may be empty:</source>
        <translation>Label voor de kaart (bijv. &quot;Truss 3, links&quot;), mag leeg zijn:</translation>
    </message>
    <message>
        <source>Nothing was made: %1.</source>
        <translation>Er is niets gemaakt: %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Gekopieerd als tekst</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Opslaan als PDF…</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Kopiëren als tekst</translation>
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
        <translation>%1 kon niet worden opgeslagen: %2.</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Instelkaarten</translation>
    </message>
    <message>
        <source>the image could not be made</source>
        <translation>de afbeelding kon niet worden gemaakt</translation>
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
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modus: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>DMX address: </source>
        <translation>DMX-adres: </translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Opties: </translation>
    </message>
    <message>
        <source>Limit exceeded: %1</source>
        <translation>Grens overschreden: %1</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Blok van 12 schakelaars</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Blok van 4 schakelaars</translation>
    </message>
    <message>
        <source>the label holds a control character</source>
        <translation>het label bevat een stuurteken</translation>
    </message>
    <message>
        <source>the label is longer than %1 characters</source>
        <translation>het label is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>CC #%1 drives %2 LEDs per colour, more than the %3 one output allows.</source>
        <translation>CC #%1 stuurt %2 leds per kleur aan, meer dan de %3 die één uitgang toestaat.</translation>
    </message>
    <message>
        <source>The total power, %1 W, is more than the %2 W the controller gives.</source>
        <translation>Het totale vermogen, %1 W, is meer dan de %2 W die de controller levert.</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Label: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Modus: %1</translation>
    </message>
    <message>
        <source> — counted as %1</source>
        <translation> — geteld als %1</translation>
    </message>
    <message>
        <source>no fixtures</source>
        <translation>geen armaturen</translation>
    </message>
    <message>
        <source>LEDs per colour: %1</source>
        <translation>Leds per kleur: %1</translation>
    </message>
    <message>
        <source>Power: %1 W</source>
        <translation>Vermogen: %1 W</translation>
    </message>
    <message>
        <source>Limits exceeded: none</source>
        <translation>Grenzen overschreden: geen</translation>
    </message>
    <message>
        <source>Levers ON: %1</source>
        <translation>Schakelaars op ON: %1</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>DMX address: %1</source>
        <translation>DMX-adres: %1</translation>
    </message>
    <message>
        <source>Options: %1</source>
        <translation>Opties: %1</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Blok van %1 schakelaars</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Armatuur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>Levers ON</source>
        <translation>Schakelaars op ON</translation>
    </message>
    <message>
        <source>1 fixture</source>
        <translation>1 armatuur</translation>
    </message>
    <message>
        <source>%1 fixtures</source>
        <translation>%1 armaturen</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (vervolg)</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, pagina %2</translation>
    </message>
    <message>
        <source>DMX address %1 is beyond what the levers hold: 1 to %2</source>
        <translation>DMX-adres %1 ligt voorbij wat de schakelaars dragen: 1 tot %2</translation>
    </message>
    <message>
        <source>lever %1 is no named function lever</source>
        <translation>schakelaar %1 is geen benoemde functieschakelaar</translation>
    </message>
    <message>
        <source>Channels: %1, block %2–%3</source>
        <translation>Kanalen: %1, blok %2–%3</translation>
    </message>
    <message>
        <source>Warning: the block runs past %1, to %2</source>
        <translation>Let op: het blok loopt voorbij %1, tot %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown device &apos;%1&apos;: %2</source>
        <translation>onbekend apparaat &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 vraagt een geheel getal, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Een master heeft geen DMX-adres.</translation>
    </message>
    <message>
        <source>--out FILE.pdf|.png|.txt is required</source>
        <translation>--out BESTAND.pdf|.png|.txt is verplicht</translation>
    </message>
    <message>
        <source>--label: </source>
        <translation>--label: </translation>
    </message>
    <message>
        <source>Could not write the card to standard output.</source>
        <translation>De kaart kon niet naar de standaarduitvoer worden geschreven.</translation>
    </message>
    <message>
        <source>--count %1: give OUTPUT:FIXTURE=N</source>
        <translation>--count %1: geef UITGANG:ARMATUUR=N</translation>
    </message>
    <message>
        <source>--count %1: the output is CC1, CC2, CV1 or CV2</source>
        <translation>--count %1: de uitgang is CC1, CC2, CV1 of CV2</translation>
    </message>
    <message>
        <source>--count %1: no such fixture on %2</source>
        <translation>--count %1: geen zulk armatuur op %2</translation>
    </message>
    <message>
        <source>--count %1: this controller has no %2 output</source>
        <translation>--count %1: deze controller heeft geen uitgang %2</translation>
    </message>
    <message>
        <source>unknown controller &apos;%1&apos;: orvo75 or orvo36</source>
        <translation>onbekende controller &apos;%1&apos;: orvo75 of orvo36</translation>
    </message>
    <message>
        <source>Could not write the report to standard output.</source>
        <translation>De balans kon niet naar de standaarduitvoer worden geschreven.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>The language of this run: de, en, es, fr, it or nl (the desktop&apos;s otherwise).</source>
        <translation>De taal van deze uitvoering: de, en, es, fr, it of nl (anders die van het bureaublad).</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont de versie.</translation>
    </message>
    <message>
        <source>%1: %2 (see &apos;%1 --help&apos;)</source>
        <translation>%1: %2 (zie &apos;%1 --help&apos;)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>VELANTRA configuration tools: DIP-switch settings, power budgets and data
sheets for DMX LED lighting. Without a command it opens the main window on
the display (a desktop session, or xvfb-run).</source>
        <translation>VELANTRA configuration tools: dipswitchinstellingen, vermogensbalansen en
gegevensbladen voor DMX-ledverlichting. Zonder opdracht opent het het
hoofdvenster op het scherm (een bureaubladsessie, of xvfb-run).</translation>
    </message>
    <message>
        <source>%1 &lt;command&gt; [options] [arguments]</source>
        <translation>%1 &lt;opdracht&gt; [opties] [argumenten]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Opdrachten:</translation>
    </message>
    <message>
        <source>&apos;%1 &lt;command&gt; --help&apos; shows the options of a command.</source>
        <translation>&apos;%1 &lt;opdracht&gt; --help&apos; toont de opties van een opdracht.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the plan file name is empty</source>
        <translation>de naam van het planbestand is leeg</translation>
    </message>
    <message>
        <source>--out %1: the file name must end in .pdf, .png or .txt, or be - for the text on standard output</source>
        <translation>--out %1: de bestandsnaam moet op .pdf, .png of .txt eindigen, of - zijn voor de tekst op de standaarduitvoer</translation>
    </message>
    <message>
        <source>DMX start address, 1 to 511 (DMX mode; default 1)</source>
        <translation>DMX-startadres, 1 tot 511 (DMX-modus; standaard 1)</translation>
    </message>
    <message>
        <source>Stand-alone master mode instead of DMX slave</source>
        <translation>Stand-alone mastermodus in plaats van DMX-slave</translation>
    </message>
    <message>
        <source>The 120 ohm line terminator ON (DMX mode)</source>
        <translation>De afsluitweerstand van 120 ohm op ON (DMX-modus)</translation>
    </message>
    <message>
        <source>The external pushbutton ON (orvo75, orvo36, fluo; master mode)</source>
        <translation>De externe drukknop op ON (orvo75, orvo36, fluo; mastermodus)</translation>
    </message>
    <message>
        <source>1-100 % modulation ON (fluo)</source>
        <translation>Modulatie 1-100 % op ON (fluo)</translation>
    </message>
    <message>
        <source>Free text on the card&apos;s Label line, e.g. &quot;Bar 3, left&quot;</source>
        <translation>Vrije tekst op de regel Label van de kaart, bijv. &quot;Truss 3, links&quot;</translation>
    </message>
    <message>
        <source>The file to write: .pdf, .png or .txt; - writes the text to standard output</source>
        <translation>Het te schrijven bestand: .pdf, .png of .txt; - schrijft de tekst naar de standaarduitvoer</translation>
    </message>
    <message>
        <source>Writes a device&apos;s setting card (its DIP switches) as PDF, PNG or text</source>
        <translation>Schrijft de instelkaart van een apparaat (zijn dipswitches) als PDF, PNG of tekst</translation>
    </message>
    <message>
        <source>orvo75 (75 W) or orvo36 (36 W)</source>
        <translation>orvo75 (75 W) of orvo36 (36 W)</translation>
    </message>
    <message>
        <source>A count as typed into the grid: OUTPUT:FIXTURE=N, the output CC1, CC2, CV1 or CV2 (CC only on the orvo36), the fixture by its name or grid row 1 to 14, e.g. &quot;CC1:Pomra RGB=2&quot;; repeat for more</source>
        <translation>Een aantal zoals in het raster getypt: UITGANG:ARMATUUR=N, de uitgang CC1, CC2, CV1 of CV2 (alleen CC op de orvo36), het armatuur bij naam of rasterrij 1 tot 14, bijv. &quot;CC1:Pomra RGB=2&quot;; herhaal voor meer</translation>
    </message>
    <message>
        <source>Average power instead of nominal power</source>
        <translation>Gemiddeld vermogen in plaats van nominaal vermogen</translation>
    </message>
    <message>
        <source>Free text on the report&apos;s Label line, e.g. &quot;Shop 2, window&quot;</source>
        <translation>Vrije tekst op de regel Label van de balans, bijv. &quot;Winkel 2, etalage&quot;</translation>
    </message>
    <message>
        <source>Writes a power budget report as PDF, PNG or text</source>
        <translation>Schrijft een vermogensbalans als PDF, PNG of tekst</translation>
    </message>
    <message>
        <source>velantra: cannot open a display; run it in a desktop session or under xvfb-run</source>
        <translation>velantra: geen scherm beschikbaar; start het in een bureaubladsessie of onder xvfb-run</translation>
    </message>
    <message>
        <source>Print the plan&apos;s problems; exit status 1 when there is any.</source>
        <translation>Toont de problemen van het plan; afsluitstatus 1 als er een is.</translation>
    </message>
    <message>
        <source>%1: %2 rows, %3</source>
        <translation>%1: %2 rijen, %3</translation>
    </message>
    <message>
        <source>Channel count, 3 or 6 (orvo75; DMX mode)</source>
        <translation>Aantal kanalen, 3 of 6 (orvo75; DMX-modus)</translation>
    </message>
    <message>
        <source>Speed 0 to 4 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Snelheid 0 tot 4 (orvo75, orvo36, fluo, intell; mastermodus)</translation>
    </message>
    <message>
        <source>Show 0 to 15 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Show 0 tot 15 (orvo75, orvo36, fluo, intell; mastermodus)</translation>
    </message>
    <message>
        <source>Colour-temperature tune CCT 0 to 9 (dor; master mode)</source>
        <translation>Kleurtemperatuursfeer CCT 0 tot 9 (dor; mastermodus)</translation>
    </message>
    <message>
        <source>no power window for %1</source>
        <translation>geen vermogensvenster voor %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenten:</translation>
    </message>
    <message>
        <source>The rig plan (a .json file) or a patch list (a .csv file).</source>
        <translation>Het lichtplan (een .json-bestand) of een patchlijst (een .csv-bestand).</translation>
    </message>
    <message>
        <source>Write the plan as a patch list (CSV) for a lighting console.</source>
        <translation>Schrijft het plan als patchlijst (CSV) voor een lichttafel.</translation>
    </message>
    <message>
        <source>%1: %2 rows on %3 universes, %4</source>
        <translation>%1: %2 rijen in %3 universums, %4</translation>
    </message>
    <message>
        <source>The levers ON, e.g. 3,4,6,9,11 (our device&apos;s 12-lever bank), or none; with --levers the only argument</source>
        <translation>De schakelaars op ON, bijv. 3,4,6,9,11 (blok van 12 schakelaars van ons apparaat), of none; met --levers het enige argument</translation>
    </message>
    <message>
        <source>The levers ON of the device&apos;s 4-lever bank, e.g. 1</source>
        <translation>De schakelaars op ON van het blok van 4 schakelaars van het apparaat, bijv. 1</translation>
    </message>
    <message>
        <source>Another maker&apos;s fixture: the levers of its bank, 8 to 12</source>
        <translation>Armatuur van een andere fabrikant: de schakelaars van zijn blok, 8 tot 12</translation>
    </message>
    <message>
        <source>The lever of the lowest address bit: 1 or the last address lever</source>
        <translation>De schakelaar van de laagste adresbit: 1 of de laatste adresschakelaar</translation>
    </message>
    <message>
        <source>The levers hold the address - 1</source>
        <translation>De schakelaars dragen het adres - 1</translation>
    </message>
    <message>
        <source>ON is the lower side of the bank (the levers given are those at ON either way)</source>
        <translation>ON is de onderkant van het blok (de opgegeven schakelaars zijn hoe dan ook die op ON)</translation>
    </message>
    <message>
        <source>A function lever after the address levers and its name, e.g. 10:stand-alone</source>
        <translation>Een functieschakelaar na de adresschakelaars en zijn naam, bijv. 10:stand-alone</translation>
    </message>
    <message>
        <source>missing &lt;levers&gt;: the levers ON, or none</source>
        <translation>&lt;levers&gt; ontbreekt: de schakelaars op ON, of none</translation>
    </message>
    <message>
        <source>--%1 goes with --levers</source>
        <translation>--%1 hoort bij --levers</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>de %1 heeft geen blok van 4 schakelaars</translation>
    </message>
    <message>
        <source>--four-bank: </source>
        <translation>--four-bank: </translation>
    </message>
    <message>
        <source>--levers reads a fixture of another maker: give only the levers ON, no device</source>
        <translation>--levers leest een armatuur van een andere fabrikant: geef alleen de schakelaars op ON, geen apparaat</translation>
    </message>
    <message>
        <source>--four-bank is for our devices, not with --levers</source>
        <translation>--four-bank is voor onze apparaten, niet met --levers</translation>
    </message>
    <message>
        <source>--function %1: give the lever and its name, e.g. 10:stand-alone</source>
        <translation>--function %1: geef de schakelaar en zijn naam, bijv. 10:stand-alone</translation>
    </message>
    <message>
        <source>Reads DIP levers back: the DMX address, mode and options they set, and what is wrong with them</source>
        <translation>Leest dipswitchschakelaars terug: het DMX-adres, de modus en de opties die ze instellen, en wat er niet klopt</translation>
    </message>
    <message>
        <source>Write the setting cards of the rows, six to a page with cut marks, to a PDF file.</source>
        <translation>Schrijft de instelkaarten van de rijen, zes per pagina met snijtekens, naar een PDF-bestand.</translation>
    </message>
    <message>
        <source>Write the patch sheet (the rows&apos; blocks and levers, universe by universe) to a PDF file.</source>
        <translation>Schrijft het patchblad (blokken en schakelaars van de rijen, universum per universum) naar een PDF-bestand.</translation>
    </message>
    <message>
        <source>The paper of --cards and --patch-sheet: a4 (the default) or letter.</source>
        <translation>Het papier van --cards en --patch-sheet: a4 (standaard) of letter.</translation>
    </message>
    <message>
        <source>give --check, or any of --cards, --patch-sheet and --csv</source>
        <translation>geef --check, of een of meer van --cards, --patch-sheet en --csv</translation>
    </message>
    <message>
        <source>--%1 %2: the file name must end in .%3</source>
        <translation>--%1 %2: de bestandsnaam moet op .%3 eindigen</translation>
    </message>
    <message>
        <source>--paper %1: a4 or letter</source>
        <translation>--paper %1: a4 of letter</translation>
    </message>
    <message>
        <source>--paper goes with --cards or --patch-sheet</source>
        <translation>--paper hoort bij --cards of --patch-sheet</translation>
    </message>
    <message>
        <source>Check a rig plan or patch list, write its setting cards or patch sheet to PDF files, or write it as a patch list.</source>
        <translation>Controleert een lichtplan of patchlijst, schrijft de instelkaarten of het patchblad ervan naar PDF-bestanden, of schrijft het als patchlijst.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import patch list %1</source>
        <translation>Patchlijst %1 importeren</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(niet gelezen)</translation>
    </message>
    <message>
        <source>Column %1 “%2”:</source>
        <translation>Kolom %1 “%2”:</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Kolom %1:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Armatuur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Wat elke kolom bevat:</translation>
    </message>
    <message>
        <source>&amp;Preview (the first %1 rows):</source>
        <translation>&amp;Voorbeeld (de eerste %1 rijen):</translation>
    </message>
    <message>
        <source>Lines &amp;left out:</source>
        <translation>&amp;Weggelaten regels:</translation>
    </message>
    <message>
        <source>Rows: %1. Fixture types: %2. Lines left out: %3.</source>
        <translation>Rijen: %1. Armatuurtypen: %2. Weggelaten regels: %3.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>The %1 has no channel count choice.</source>
        <translation>De %1 heeft geen keuze van het aantal kanalen.</translation>
    </message>
    <message>
        <source>The %1 has no external pushbutton.</source>
        <translation>De %1 heeft geen externe drukknop.</translation>
    </message>
    <message>
        <source>The %1 has no speed choice.</source>
        <translation>De %1 heeft geen snelheidskeuze.</translation>
    </message>
    <message>
        <source>The %1 has no show choice.</source>
        <translation>De %1 heeft geen showkeuze.</translation>
    </message>
    <message>
        <source>The %1 has no tune choice.</source>
        <translation>De %1 heeft geen sfeerkeuze.</translation>
    </message>
    <message>
        <source>The %1 has no modulation choice.</source>
        <translation>De %1 heeft geen modulatiekeuze.</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to 511.</source>
        <translation>DMX-adres %1 valt buiten het bereik: 1 tot 511.</translation>
    </message>
    <message>
        <source>Channel count %1 is not offered: 3 or 6.</source>
        <translation>Aantal kanalen %1 wordt niet aangeboden: 3 of 6.</translation>
    </message>
    <message>
        <source>Speed %1 is out of range: 0 to %2.</source>
        <translation>Snelheid %1 valt buiten het bereik: 0 tot %2.</translation>
    </message>
    <message>
        <source>Show %1 is out of range: 0 to %2.</source>
        <translation>Show %1 valt buiten het bereik: 0 tot %2.</translation>
    </message>
    <message>
        <source>Tune %1 is out of range: 0 to %2.</source>
        <translation>Sfeer %1 valt buiten het bereik: 0 tot %2.</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Een master heeft geen DMX-adres.</translation>
    </message>
    <message>
        <source>The channel count is a DMX-mode choice, not a master one.</source>
        <translation>Het aantal kanalen is een keuze van de DMX-modus, niet van de mastermodus.</translation>
    </message>
    <message>
        <source>The 120 ohm terminator is a DMX-mode choice, not a master one.</source>
        <translation>De afsluitweerstand van 120 ohm is een keuze van de DMX-modus, niet van de mastermodus.</translation>
    </message>
    <message>
        <source>The external pushbutton is a master-mode choice.</source>
        <translation>De externe drukknop is een keuze van de mastermodus.</translation>
    </message>
    <message>
        <source>The tune is a master-mode choice.</source>
        <translation>De sfeer is een keuze van de mastermodus.</translation>
    </message>
    <message>
        <source>The speed is a master-mode choice.</source>
        <translation>De snelheid is een keuze van de mastermodus.</translation>
    </message>
    <message>
        <source>The show is a master-mode choice.</source>
        <translation>De show is een keuze van de mastermodus.</translation>
    </message>
    <message>
        <source>intelligent RGB fixture</source>
        <translation>intelligent RGB-armatuur</translation>
    </message>
    <message>
        <source>DOR fixture</source>
        <translation>DOR-armatuur</translation>
    </message>
    <message>
        <source>a bank has 8 to 12 levers</source>
        <translation>een blok heeft 8 tot 12 schakelaars</translation>
    </message>
    <message>
        <source>the lowest bit is on lever 1 or on lever %1</source>
        <translation>de laagste bit staat op schakelaar 1 of op schakelaar %1</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: those are levers %2 to %3</source>
        <translation>schakelaar %1 is geen functieschakelaar: dat zijn de schakelaars %2 tot %3</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: every lever carries the address</source>
        <translation>schakelaar %1 is geen functieschakelaar: elke schakelaar draagt het adres</translation>
    </message>
    <message>
        <source>lever %1 is named twice</source>
        <translation>schakelaar %1 heeft twee namen</translation>
    </message>
    <message>
        <source>lever %1 has no name</source>
        <translation>schakelaar %1 heeft geen naam</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>geen adresschakelaar staat op ON: adres 0 is geen DMX-adres</translation>
    </message>
    <message>
        <source>address %1 is beyond the last DMX channel, 512</source>
        <translation>adres %1 ligt voorbij het laatste DMX-kanaal, 512</translation>
    </message>
    <message>
        <source>the bank has no lever %1: it has %2</source>
        <translation>het blok heeft geen schakelaar %1: het heeft er %2</translation>
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
        <translation>Schakelaars op ON: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Lever %1 of %2: %3</source>
        <translation>Schakelaar %1 van %2: %3</translation>
    </message>
</context>
<context>
    <name>DipConfigurator</name>
    <message>
        <source>4-lever bank, </source>
        <translation>blok van 4 schakelaars, </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>het is een named pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation>slechts %1 van %2 bytes konden worden geschreven</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>geen bestandsnaam</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
</context>
<context>
    <name>FixtureTypesDialog</name>
    <message>
        <source>“%1” is not a lever and its name, such as “10: stand-alone”.</source>
        <translation>“%1” is geen schakelaar met naam, zoals “10: stand-alone”.</translation>
    </message>
    <message>
        <source>&amp;Address levers</source>
        <translation>&amp;Adresschakelaars</translation>
    </message>
    <message>
        <source>New fixture type</source>
        <translation>Nieuw armatuurtype</translation>
    </message>
    <message>
        <source>Edit fixture type</source>
        <translation>Armatuurtype bewerken</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Fabrikant en model</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>The address</source>
        <translation>Het adres</translation>
    </message>
    <message>
        <source>The address − 1</source>
        <translation>Het adres − 1</translation>
    </message>
    <message>
        <source>10: stand-alone; 11: test</source>
        <translation>10: stand-alone; 11: test</translation>
    </message>
    <message>
        <source>&amp;Levers in the bank:</source>
        <translation>&amp;Schakelaars in het blok:</translation>
    </message>
    <message>
        <source>Lowest &amp;bit on:</source>
        <translation>Laagste &amp;bit op:</translation>
    </message>
    <message>
        <source>&amp;ON is:</source>
        <translation>&amp;ON is:</translation>
    </message>
    <message>
        <source>The levers &amp;hold:</source>
        <translation>De schakelaars &amp;dragen:</translation>
    </message>
    <message>
        <source>&amp;Function levers:</source>
        <translation>&amp;Functieschakelaars:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Kanalen:</translation>
    </message>
    <message>
        <source>Lever 1</source>
        <translation>Schakelaar 1</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Schakelaar %1</translation>
    </message>
    <message>
        <source>Fixture types</source>
        <translation>Armatuurtypen</translation>
    </message>
    <message>
        <source>Fixture &amp;types of this plan:</source>
        <translation>Armatuur&amp;typen van dit plan:</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Toevoegen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bewerken…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>The fixture type “%1” is in use and is not deleted.
Used by: %2.</source>
        <translation>Het armatuurtype “%1” is in gebruik en wordt niet verwijderd.
Gebruikt door: %2.</translation>
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
        <translation>Sluiten</translation>
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
        <translation>Dipswitch</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Vermogen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Gegevens</translation>
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
        <translation>Dipswitch</translation>
    </message>
    <message>
        <source>Intelligent Fixt.</source>
        <translation>Intell. arm.</translation>
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
        <translation>Masterfunct.</translation>
    </message>
    <message>
        <source>Easy run (RGB)</source>
        <translation>Easy run (RGB)</translation>
    </message>
    <message>
        <source>Atm. Tunes (DOR)</source>
        <translation>Sferen (DOR)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Lichtplan</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK VELANTRA configurator</source>
        <translation>MORANDEL BRANVIK VELANTRA configurator</translation>
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
        <translation>ORVO 75 dipswitchconfigurator</translation>
    </message>
    <message>
        <source>ORVO 36 dip-switch configurator</source>
        <translation>ORVO 36 dipswitchconfigurator</translation>
    </message>
    <message>
        <source>ORVO FLUO / Nembra dip-switch configurator</source>
        <translation>ORVO FLUO / Nembra dipswitchconfigurator</translation>
    </message>
    <message>
        <source>Intelligent fixture configurator</source>
        <translation>Configurator intelligente armaturen</translation>
    </message>
    <message>
        <source>DOR fixture configurator</source>
        <translation>Configurator DOR-armaturen</translation>
    </message>
    <message>
        <source>DMX address</source>
        <translation>DMX-adres</translation>
    </message>
    <message>
        <source>Device outline</source>
        <translation>Omtrek van het apparaat</translation>
    </message>
    <message>
        <source>Red indicator lamp</source>
        <translation>Rood controlelampje</translation>
    </message>
    <message>
        <source>Green indicator lamp</source>
        <translation>Groen controlelampje</translation>
    </message>
    <message>
        <source>Rotary knob</source>
        <translation>Draaiknop</translation>
    </message>
    <message>
        <source>Rotary knob groove</source>
        <translation>Inkeping van de draaiknop</translation>
    </message>
    <message>
        <source>Ext. pushbotton</source>
        <translation>Ext. drukknop</translation>
    </message>
    <message>
        <source>Shows</source>
        <translation>Shows</translation>
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
        <translation>Modus</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Snelheden</translation>
    </message>
    <message>
        <source>DMX mode</source>
        <translation>DMX-modus</translation>
    </message>
    <message>
        <source>Res. 120 ohm</source>
        <translation>Afsl. 120 Ω</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Mastermodus</translation>
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
        <translation>6 kan.</translation>
    </message>
    <message>
        <source>3 Ch </source>
        <translation>3 kan. </translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>1-100 % modulatie</translation>
    </message>
    <message>
        <source>Atmosphere tune</source>
        <translation>Sfeer</translation>
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
        <translation>Afsl. 120 Ω</translation>
    </message>
    <message>
        <source>ORVO power configurator</source>
        <translation>ORVO vermogensconfigurator</translation>
    </message>
    <message>
        <source>Spare box, counts nothing</source>
        <translation>Reservevak, telt niets</translation>
    </message>
    <message>
        <source>CC2 mA</source>
        <translation>CC2 mA</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Gem. vermogen</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Nom. vermogen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>CC1 mA.</source>
        <translation>CC1 mA.</translation>
    </message>
    <message>
        <source>Outline of the total</source>
        <translation>Omtrek van het totaal</translation>
    </message>
    <message>
        <source>Power Out CV 1</source>
        <translation>Verm. CV 1</translation>
    </message>
    <message>
        <source>Power Out CV 2</source>
        <translation>Verm. CV 2</translation>
    </message>
    <message>
        <source>Power CC 2</source>
        <translation>Verm. CC 2</translation>
    </message>
    <message>
        <source>Power CC 1</source>
        <translation>Verm. CC 1</translation>
    </message>
    <message>
        <source>Tot. led CC 2</source>
        <translation>Tot. led CC 2</translation>
    </message>
    <message>
        <source>Tot. led CC 1</source>
        <translation>Tot. led CC 1</translation>
    </message>
    <message>
        <source>Constant Voltage Outputs (CV)</source>
        <translation>Const. spanning (CV)</translation>
    </message>
    <message>
        <source>Constant Current Outputs (CC)</source>
        <translation>Uitgangen const. stroom (CC)</translation>
    </message>
    <message>
        <source>ORVO 36 power configurator</source>
        <translation>ORVO 36 vermogensconfigurator</translation>
    </message>
    <message>
        <source>CC2 curr.</source>
        <translation>CC2 stroom</translation>
    </message>
    <message>
        <source>CC curr.(mA)</source>
        <translation>CC-str.(mA)</translation>
    </message>
    <message>
        <source>Outline of the CV outputs</source>
        <translation>Omtrek van de CV-uitgangen</translation>
    </message>
    <message>
        <source>Tot. led </source>
        <translation>Tot. led </translation>
    </message>
    <message>
        <source>Constant Current Output (CC)</source>
        <translation>Uitgang const. stroom (CC)</translation>
    </message>
    <message>
        <source>Easy run menu</source>
        <translation>Easy-run-menu</translation>
    </message>
    <message>
        <source>Passive fixtures data</source>
        <translation>Gegevens passieve armaturen</translation>
    </message>
    <message>
        <source>Intelligent RGB fixtures data</source>
        <translation>Gegevens intelligente RGB-armaturen</translation>
    </message>
    <message>
        <source>DOR Intelligent fixtures data </source>
        <translation>Gegevens intelligente DOR-armaturen</translation>
    </message>
    <message>
        <source>Atmospehre tunes</source>
        <translation>Sferen</translation>
    </message>
    <message>
        <source>Built-in shows and their colours</source>
        <translation>Ingebouwde shows en hun kleuren</translation>
    </message>
    <message>
        <source>Show play-back speeds</source>
        <translation>Afspeelsnelheden van de shows</translation>
    </message>
    <message>
        <source>! ERROR !  DMX address: 1 - 511</source>
        <translation>! FOUT !  DMX-adres: 1 - 511</translation>
    </message>
    <message>
        <source>Speed 0</source>
        <translation>Snelheid 0</translation>
    </message>
    <message>
        <source>Speed 1</source>
        <translation>Snelheid 1</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Snelheid 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Snelheid 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Snelheid 4</translation>
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
        <translation>Totaal nominaal vermogen</translation>
    </message>
    <message>
        <source>Total average power</source>
        <translation>Totaal gem. vermogen</translation>
    </message>
    <message>
        <source>12-lever DIP-switch bank</source>
        <translation>Dipswitchblok van 12 schakelaars</translation>
    </message>
    <message>
        <source>4-lever DIP-switch bank</source>
        <translation>Dipswitchblok van 4 schakelaars</translation>
    </message>
    <message>
        <source>Read levers</source>
        <translation>Schakelaars aflezen</translation>
    </message>
</context>
<context>
    <name>Levers</name>
    <message>
        <source>lever %1 of the 4-lever bank</source>
        <translation>schakelaar %1 van het blok van 4 schakelaars</translation>
    </message>
    <message>
        <source>lever %1 of the 12-lever bank</source>
        <translation>schakelaar %1 van het blok van 12 schakelaars</translation>
    </message>
    <message>
        <source>lever %1</source>
        <translation>schakelaar %1</translation>
    </message>
    <message>
        <source>the 12-lever bank has no lever %1</source>
        <translation>het blok van 12 schakelaars heeft geen schakelaar %1</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>de %1 heeft geen blok van 4 schakelaars</translation>
    </message>
    <message>
        <source>the 4-lever bank has no lever %1</source>
        <translation>het blok van 4 schakelaars heeft geen schakelaar %1</translation>
    </message>
    <message>
        <source>in master mode</source>
        <translation>in mastermodus</translation>
    </message>
    <message>
        <source>in DMX mode</source>
        <translation>in DMX-modus</translation>
    </message>
    <message>
        <source>%1 must be OFF %2</source>
        <translation>%1 moet %2 op OFF staan</translation>
    </message>
    <message>
        <source>%1 must be ON %2</source>
        <translation>%1 moet %2 op ON staan</translation>
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
        <translation>%1: geen instelling %2 heeft dit met de andere schakelaars zoals ze staan</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>geen adresschakelaar staat op ON: adres 0 is geen DMX-adres</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>DMX address %1</source>
        <translation>DMX-adres %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lever number: give the levers ON as 3,4,6</source>
        <translation>&apos;%1&apos; is geen schakelaarnummer: geef de schakelaars op ON als 3,4,6</translation>
    </message>
    <message>
        <source>lever %1: the bank has levers 1 to %2</source>
        <translation>schakelaar %1: het blok heeft schakelaars 1 tot %2</translation>
    </message>
    <message>
        <source>lever %1 is given twice</source>
        <translation>schakelaar %1 staat er twee keer</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Schakelaar %1</translation>
    </message>
    <message>
        <source>Lever %1: ON</source>
        <translation>Schakelaar %1: ON</translation>
    </message>
    <message>
        <source>Lever %1: OFF</source>
        <translation>Schakelaar %1: OFF</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Probleem: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Max 6 led / colour on each constant current output !</source>
        <translation>Max 6 leds / kleur op elke constante-stroomuitgang!</translation>
    </message>
    <message>
        <source>Max 6 led / colour on each constant current output ! </source>
        <translation>Max 6 leds / kleur op elke constante-stroomuitgang! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 75 W !!!</source>
        <translation>TOTAAL VERMOGEN &gt; 75 W !!!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output !</source>
        <translation>Max 9 leds / kleur op elke constante-stroomuitgang!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output ! </source>
        <translation>Max 9 leds / kleur op elke constante-stroomuitgang! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 36 W !!!</source>
        <translation>TOTAAL VERMOGEN &gt; 36 W !!!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fout!</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>The plan has no rows.</source>
        <translation>Het plan heeft geen rijen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; moet een geheel getal van %2 tot %3 zijn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>&quot;%1&quot; moet true of false zijn</translation>
    </message>
    <message>
        <source>&quot;device&quot; must be one of %1</source>
        <translation>&quot;device&quot; moet een van %1 zijn</translation>
    </message>
    <message>
        <source>&quot;mode&quot; must be &quot;dmx&quot; or &quot;master&quot;</source>
        <translation>&quot;mode&quot; moet &quot;dmx&quot; of &quot;master&quot; zijn</translation>
    </message>
    <message>
        <source>a row in DMX mode needs an &quot;address&quot;</source>
        <translation>een rij in DMX-modus heeft een &quot;address&quot; nodig</translation>
    </message>
    <message>
        <source>&quot;channels&quot; does not apply in master mode on the %1</source>
        <translation>&quot;channels&quot; geldt niet in mastermodus op de %1</translation>
    </message>
    <message>
        <source>&quot;channels&quot; of the %1 must be 3 or 6</source>
        <translation>&quot;channels&quot; van de %1 moet 3 of 6 zijn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to the %2 in %3 mode</source>
        <translation>&quot;%1&quot; geldt niet voor de %2 in %3-modus</translation>
    </message>
    <message>
        <source>the file is larger than any plan (%1 bytes)</source>
        <translation>het bestand is groter dan elk plan (%1 bytes)</translation>
    </message>
    <message>
        <source>not a plan file: the JSON text is broken at byte %1 (%2)</source>
        <translation>geen planbestand: de JSON-tekst is kapot bij byte %1 (%2)</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>rij %1: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>&quot;%1&quot; staat er twee keer</translation>
    </message>
    <message>
        <source>not a rig plan: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>geen lichtplan: &quot;format&quot; moet &quot;%1&quot; zijn</translation>
    </message>
    <message>
        <source>(missing or not a number)</source>
        <translation>(ontbreekt of geen getal)</translation>
    </message>
    <message>
        <source>unknown entry &quot;%1&quot;</source>
        <translation>onbekend item &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;rows&quot; must be a list</source>
        <translation>&quot;rows&quot; moet een lijst zijn</translation>
    </message>
    <message>
        <source>%1 rows; a plan holds at most %2</source>
        <translation>%1 rijen; een plan bevat hoogstens %2</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>moet een object zijn</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to %2.</source>
        <translation>DMX-adres %1 valt buiten het bereik: 1 tot %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any patch list (%1 bytes)</source>
        <translation>het bestand is groter dan elke patchlijst (%1 bytes)</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (byte %1)</source>
        <translation>de tekst is geen UTF-8 (byte %1)</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>een hier geopend aanhalingsteken wordt nooit gesloten</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>tekst na een sluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>meer dan %1 kolommen</translation>
    </message>
    <message>
        <source>a plan holds at most %1 rows</source>
        <translation>een plan bevat hoogstens %1 rijen</translation>
    </message>
    <message>
        <source>the file holds no patch: it is empty</source>
        <translation>het bestand bevat geen patch: het is leeg</translation>
    </message>
    <message>
        <source>line 1: no header; name the columns (universe, start, label, fixture, channels, …)</source>
        <translation>regel 1: geen kop; benoem de kolommen (universe, start, label, fixture, channels, …)</translation>
    </message>
    <message>
        <source>and %1 more lines with problems</source>
        <translation>en nog %1 regels met problemen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>&quot;%1&quot; moet %2 zijn</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; moet een tekst zijn</translation>
    </message>
    <message>
        <source>&quot;fixture&quot; must name one of the plan&apos;s types</source>
        <translation>&quot;fixture&quot; moet een van de typen van het plan noemen</translation>
    </message>
    <message>
        <source>a row of a fixture type needs an &quot;address&quot;</source>
        <translation>een rij van een armatuurtype heeft een &quot;address&quot; nodig</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to a fixture type&apos;s row</source>
        <translation>&quot;%1&quot; geldt niet voor de rij van een armatuurtype</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs plan format version %2</source>
        <translation>&quot;%1&quot; vraagt planformaat versie %2</translation>
    </message>
    <message>
        <source>levers: </source>
        <translation>schakelaars: </translation>
    </message>
    <message>
        <source>&quot;count&quot; and &quot;lowest&quot; are required</source>
        <translation>&quot;count&quot; en &quot;lowest&quot; zijn verplicht</translation>
    </message>
    <message>
        <source>&quot;functions&quot; must be a list</source>
        <translation>&quot;functions&quot; moet een lijst zijn</translation>
    </message>
    <message>
        <source>a function lever must be an object</source>
        <translation>een functieschakelaar moet een object zijn</translation>
    </message>
    <message>
        <source>a function lever needs its &quot;lever&quot;</source>
        <translation>een functieschakelaar heeft zijn &quot;lever&quot; nodig</translation>
    </message>
    <message>
        <source>&quot;channels&quot; must be a whole number from %1 to %2</source>
        <translation>&quot;channels&quot; moet een geheel getal van %1 tot %2 zijn</translation>
    </message>
    <message>
        <source>plan format version %1 cannot be read; this program reads versions %2 and %3</source>
        <translation>planformaat versie %1 kan niet worden gelezen; dit programma leest versies %2 en %3</translation>
    </message>
    <message>
        <source>&quot;types&quot; must be a list</source>
        <translation>&quot;types&quot; moet een lijst zijn</translation>
    </message>
    <message>
        <source>%1 fixture types; a plan holds at most %2</source>
        <translation>%1 armatuurtypen; een plan bevat hoogstens %2</translation>
    </message>
    <message>
        <source>type %1: </source>
        <translation>type %1: </translation>
    </message>
    <message>
        <source>Patch sheet: %1</source>
        <translation>Patchblad: %1</translation>
    </message>
    <message>
        <source>Plan: %1, row %2, universe %3</source>
        <translation>Plan: %1, rij %2, universum %3</translation>
    </message>
    <message>
        <source>Plan: %1, row %2</source>
        <translation>Plan: %1, rij %2</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Universum %1</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Start + channels − 1; at most 512.</source>
        <translation>Start + kanalen − 1; hoogstens 512.</translation>
    </message>
    <message>
        <source>The start address, 1–511. A device in master mode takes none.</source>
        <translation>Het startadres, 1–511. Een apparaat in mastermodus heeft er geen.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Mode and options</source>
        <translation>Modus en opties</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universum</translation>
    </message>
    <message>
        <source>The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch choice); a fixture type takes its own count; for the other devices the program does not know the count: type it (1–512), it is required.</source>
        <translation>De DMX-kanalen die het apparaat inneemt. De ORVO 75 neemt er 3 of 6 (zijn keuze 3 Ch / 6 Ch); een armatuurtype zijn eigen aantal; voor de andere apparaten kent het programma het aantal niet: typ het (1–512), het is verplicht.</translation>
    </message>
    <message>
        <source>The DMX universe, as the lighting console numbers them (0–63999).</source>
        <translation>Het DMX-universum, zoals de lichttafel ze nummert (0–63999).</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>row %1 “%2”</source>
        <translation>rij %1 “%2”</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>start %1 is outside 1–511</source>
        <translation>start %1 valt buiten 1–511</translation>
    </message>
    <message>
        <source>ends at %1, beyond 512</source>
        <translation>eindigt op %1, voorbij 512</translation>
    </message>
    <message>
        <source>no channel count</source>
        <translation>geen aantal kanalen</translation>
    </message>
    <message>
        <source>channels %1 overlap %2 (%3)</source>
        <translation>kanalen %1 overlappen %2 (%3)</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Geen problemen</translation>
    </message>
    <message>
        <source>%1 problem in %2 row</source>
        <translation>%1 probleem in %2 rij</translation>
    </message>
    <message>
        <source>%1 problem in %2 rows</source>
        <translation>%1 probleem in %2 rijen</translation>
    </message>
    <message>
        <source>%1 problems in %2 row</source>
        <translation>%1 problemen in %2 rij</translation>
    </message>
    <message>
        <source>%1 problems in %2 rows</source>
        <translation>%1 problemen in %2 rijen</translation>
    </message>
    <message>
        <source>start %1 is beyond the levers of the %2 (at most %3)</source>
        <translation>start %1 ligt voorbij de schakelaars van de %2 (hoogstens %3)</translation>
    </message>
    <message>
        <source>the lever scheme “%1”: %2</source>
        <translation>het schakelaarschema “%1”: %2</translation>
    </message>
    <message>
        <source>it reads like “10 levers; lowest 1; ON up; address”</source>
        <translation>het luidt zoals “10 levers; lowest 1; ON up; address”</translation>
    </message>
    <message>
        <source>“%1” is no count of levers</source>
        <translation>“%1” is geen aantal schakelaars</translation>
    </message>
    <message>
        <source>“%1” names no lowest lever</source>
        <translation>“%1” noemt geen laagste schakelaar</translation>
    </message>
    <message>
        <source>“%1” is not ON up or ON down</source>
        <translation>“%1” is geen ON up of ON down</translation>
    </message>
    <message>
        <source>“%1” is not address or address - 1</source>
        <translation>“%1” is geen address of address - 1</translation>
    </message>
    <message>
        <source>“%1” is no “lever: name”</source>
        <translation>“%1” is geen “schakelaar: naam”</translation>
    </message>
    <message>
        <source>the channels of “%1” are not given</source>
        <translation>de kanalen van “%1” zijn niet opgegeven</translation>
    </message>
    <message>
        <source>channels “%1” is no number</source>
        <translation>kanalen “%1” is geen getal</translation>
    </message>
    <message>
        <source>“%1” is given another channel count on an earlier line</source>
        <translation>“%1” heeft op een eerdere regel een ander aantal kanalen</translation>
    </message>
    <message>
        <source>“%1” is given another lever scheme on an earlier line</source>
        <translation>“%1” heeft op een eerdere regel een ander schakelaarschema</translation>
    </message>
    <message>
        <source>universe “%1” is not from 0 to 63999</source>
        <translation>universum “%1” ligt niet tussen 0 en 63999</translation>
    </message>
    <message>
        <source>no fixture</source>
        <translation>geen armatuur</translation>
    </message>
    <message>
        <source>no start address</source>
        <translation>geen startadres</translation>
    </message>
    <message>
        <source>start “%1” is not from 1 to %2</source>
        <translation>start “%1” ligt niet tussen 1 en %2</translation>
    </message>
    <message>
        <source>a device in master mode takes no start address</source>
        <translation>een apparaat in mastermodus heeft geen startadres</translation>
    </message>
    <message>
        <source>channels “%1” is not from 1 to 512</source>
        <translation>kanalen “%1” ligt niet tussen 1 en 512</translation>
    </message>
    <message>
        <source>end “%1” is not 1 to 512 channels after the start</source>
        <translation>einde “%1” ligt niet 1 tot 512 kanalen na de start</translation>
    </message>
    <message>
        <source>the ORVO 75 takes 3 or 6 channels, as its mode says, in DMX mode</source>
        <translation>de ORVO 75 neemt 3 of 6 kanalen, zoals zijn modus zegt, in DMX-modus</translation>
    </message>
    <message>
        <source>end “%1” does not follow from the start and the channels</source>
        <translation>einde “%1” volgt niet uit de start en de kanalen</translation>
    </message>
    <message>
        <source>no column holds the fixture (a header such as Fixture or Type)</source>
        <translation>geen kolom bevat het armatuur (een kop zoals Fixture of Type)</translation>
    </message>
    <message>
        <source>no column holds the start address (a header such as Start, Address or DMX)</source>
        <translation>geen kolom bevat het startadres (een kop zoals Start, Address of DMX)</translation>
    </message>
    <message>
        <source>the mode “%1” is not DMX or Master</source>
        <translation>de modus “%1” is geen DMX of Master</translation>
    </message>
    <message>
        <source>“%1” is no option</source>
        <translation>“%1” is geen optie</translation>
    </message>
    <message>
        <source>“%1” has no number</source>
        <translation>“%1” heeft geen getal</translation>
    </message>
    <message>
        <source>a fixture type needs a name</source>
        <translation>een armatuurtype heeft een naam nodig</translation>
    </message>
    <message>
        <source>the name: %1</source>
        <translation>de naam: %1</translation>
    </message>
    <message>
        <source>“%1” is one of our devices</source>
        <translation>“%1” is een van onze apparaten</translation>
    </message>
    <message>
        <source>there is already a fixture type “%1”</source>
        <translation>er is al een armatuurtype “%1”</translation>
    </message>
    <message>
        <source>a fixture type takes 1 to 512 channels</source>
        <translation>een armatuurtype neemt 1 tot 512 kanalen</translation>
    </message>
    <message>
        <source>the levers: %1</source>
        <translation>de schakelaars: %1</translation>
    </message>
    <message>
        <source>lever %1: %2</source>
        <translation>schakelaar %1: %2</translation>
    </message>
    <message>
        <source>lever %1: a name holds no “;” and no blank at either end</source>
        <translation>schakelaar %1: een naam bevat geen “;” en geen spatie aan een van beide einden</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>LEDs per colour, %1</source>
        <translation>Leds per kleur, %1</translation>
    </message>
    <message>
        <source>Power %1, watts</source>
        <translation>Vermogen %1, watt</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>%1 %2, no fixture</source>
        <translation>%1 %2, geen armatuur</translation>
    </message>
    <message>
        <source>%1 count, %2</source>
        <translation>Aantal %1, %2</translation>
    </message>
    <message>
        <source>Control %1, %2</source>
        <translation>Ctrl %1, %2</translation>
    </message>
    <message>
        <source>To the first count box of an output: </source>
        <translation>Naar het eerste aantalvak van een uitgang: </translation>
    </message>
    <message>
        <source>Over the limit of %1 LEDs per colour on one output</source>
        <translation>Boven de grens van %1 leds per kleur op één uitgang</translation>
    </message>
    <message>
        <source>Over the limit of %1 watts</source>
        <translation>Boven de grens van %1 watt</translation>
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
        <translation>Schakelaars aflezen</translation>
    </message>
    <message>
        <source>&amp;Device or fixture type:</source>
        <translation>&amp;Apparaat of armatuurtype:</translation>
    </message>
    <message>
        <source>DMX address:</source>
        <translation>DMX-adres:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problemen:</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Blok van 4 schakelaars</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Blok van 12 schakelaars</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Blok van %1 schakelaars</translation>
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
        <translation>geen: een master heeft geen adres</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Rijen</translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation>Rij &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove rows</source>
        <translation>Rijen &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Duplicate…</source>
        <translation>&amp;Dupliceren…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Omh&amp;oog</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Omla&amp;ag</translation>
    </message>
    <message>
        <source>Address &amp;from…</source>
        <translation>Adressen &amp;vanaf…</translation>
    </message>
    <message>
        <source>&amp;Mode and options…</source>
        <translation>&amp;Modus en opties…</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Kaarten</translation>
    </message>
    <message>
        <source>Open &amp;configurator</source>
        <translation>&amp;Configurator openen</translation>
    </message>
    <message>
        <source>&amp;Print cards…</source>
        <translation>Kaarten af&amp;drukken…</translation>
    </message>
    <message>
        <source>Save cards as &amp;PDF…</source>
        <translation>Kaarten opslaan als &amp;PDF…</translation>
    </message>
    <message>
        <source>Copy as &amp;text</source>
        <translation>Kopiëren als &amp;tekst</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Lichtplan</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>Het plan %1 heeft niet-opgeslagen wijzigingen. Opslaan?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>The plan cannot be opened.
%1</source>
        <translation>Het plan kan niet worden geopend.
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>Het plan is niet opgeslagen.
%1</translation>
    </message>
    <message>
        <source>Open rig plan</source>
        <translation>Lichtplan openen</translation>
    </message>
    <message>
        <source>Save rig plan</source>
        <translation>Lichtplan opslaan</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Number of copies:</source>
        <translation>Aantal kopieën:</translation>
    </message>
    <message>
        <source>Address from</source>
        <translation>Adressen vanaf</translation>
    </message>
    <message>
        <source>The configurator cannot show this row.
%1</source>
        <translation>De configurator kan deze rij niet tonen.
%1</translation>
    </message>
    <message>
        <source>No cards were made.
%1</source>
        <translation>Er zijn geen kaarten gemaakt.
%1</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Kaarten opslaan als PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Gekopieerd als tekst</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 rij</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 rijen</translation>
    </message>
    <message>
        <source>Rig plans (*.json);;All files (*)</source>
        <translation>Lichtplannen (*.json);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Patch lists (*.csv);;All files (*)</source>
        <translation>Patchlijsten (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Shows the rows of one universe; empty shows all.</source>
        <translation>Toont de rijen van één universum; leeg toont alle.</translation>
    </message>
    <message>
        <source>Show &amp;universe:</source>
        <translation>&amp;Universum tonen:</translation>
    </message>
    <message>
        <source>&amp;Import patch list (CSV)…</source>
        <translation>Patchlijst &amp;importeren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export patch list (CSV)…</source>
        <translation>Patchlijst &amp;exporteren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Fixture &amp;types…</source>
        <translation>Armatuur&amp;typen…</translation>
    </message>
    <message>
        <source>&amp;Sort by universe and address</source>
        <translation>Sorteren op &amp;universum en adres</translation>
    </message>
    <message>
        <source>The patch list was not saved.
%1</source>
        <translation>De patchlijst is niet opgeslagen.
%1</translation>
    </message>
    <message>
        <source>Patch list saved</source>
        <translation>Patchlijst opgeslagen</translation>
    </message>
    <message>
        <source>The patch list cannot be imported.
%1: %2</source>
        <translation>De patchlijst kan niet worden geïmporteerd.
%1: %2</translation>
    </message>
    <message>
        <source>Import patch list</source>
        <translation>Patchlijst importeren</translation>
    </message>
    <message>
        <source>Export patch list</source>
        <translation>Patchlijst exporteren</translation>
    </message>
    <message>
        <source>Consecutive addresses for the selected rows (all rows when none is selected); a block that does not fit continues at 1 of the next universe.</source>
        <translation>Opeenvolgende adressen voor de geselecteerde rijen (alle als er geen geselecteerd is); een blok dat niet past, gaat verder bij 1 van het volgende universum.</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Universum:</translation>
    </message>
    <message>
        <source>&amp;Starting at:</source>
        <translation>&amp;Beginnend bij:</translation>
    </message>
    <message>
        <source>%1 starts universe %2</source>
        <translation>%1 begint universum %2</translation>
    </message>
    <message>
        <source>Blocks that did not fit went on to the next universe:
%1.</source>
        <translation>Blokken die niet pasten, gingen naar het volgende universum:
%1.</translation>
    </message>
    <message>
        <source>The %1 has no configurator window: its card shows its levers.</source>
        <translation>De %1 heeft geen configuratorvenster: zijn kaart toont zijn schakelaars.</translation>
    </message>
    <message>
        <source>%1[*] - Rig plan</source>
        <translation>%1[*] - Lichtplan</translation>
    </message>
    <message>
        <source>1 universe</source>
        <translation>1 universum</translation>
    </message>
    <message>
        <source>%1 universes</source>
        <translation>%1 universums</translation>
    </message>
    <message>
        <source>Save patch &amp;sheet as PDF…</source>
        <translation>Patch&amp;blad opslaan als PDF…</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Instelkaarten</translation>
    </message>
    <message>
        <source>The cards were not saved.</source>
        <translation>De kaarten zijn niet opgeslagen.</translation>
    </message>
    <message>
        <source>Save patch sheet as PDF</source>
        <translation>Patchblad opslaan als PDF</translation>
    </message>
    <message>
        <source>The patch sheet was not saved.</source>
        <translation>Het patchblad is niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>RowOptionsDialog</name>
    <message>
        <source>Mode and options: %1</source>
        <translation>Modus en opties: %1</translation>
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
        <translation>Niet gekozen</translation>
    </message>
    <message>
        <source>120 ohm terminator</source>
        <translation>afsluitweerstand 120 ohm</translation>
    </message>
    <message>
        <source>Ext. pushbutton</source>
        <translation>Ext. drukknop</translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>1-100 % modulatie</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>DMX channels:</source>
        <translation>DMX-kanalen:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Snelheid:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Tune:</source>
        <translation>Sfeer:</translation>
    </message>
    <message>
        <source>Window&apos;s preset</source>
        <translation>Voorinstelling van het venster</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
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
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Table of %1 rows: </source>
        <translation>Tabel van %1 rijen: </translation>
    </message>
    <message>
        <source>%1, table of %2 rows: </source>
        <translation>%1, tabel van %2 rijen: </translation>
    </message>
    <message>
        <source>No shows</source>
        <translation>Geen shows</translation>
    </message>
    <message>
        <source>Shows %1 to %2, each with a bar of its colours from left to right</source>
        <translation>Shows %1 tot %2, elk met een balk van zijn kleuren van links naar rechts</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>bluish</source>
        <translation>blauwig</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>white cold</source>
        <translation>koud wit</translation>
    </message>
    <message>
        <source>white warm</source>
        <translation>warm wit</translation>
    </message>
    <message>
        <source>show N.</source>
        <translation>show nr.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Dip 2</source>
        <translation>Dip 2</translation>
    </message>
    <message>
        <source>Step time</source>
        <translation>Staptijd</translation>
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
        <translation>Afspeelsnelheid van de shows</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Armatuur</translation>
    </message>
    <message>
        <source>N. led</source>
        <translation>Aant. led</translation>
    </message>
    <message>
        <source>N. led / colour</source>
        <translation>Aant. led / kleur</translation>
    </message>
    <message>
        <source>Driving mode</source>
        <translation>Aansturing</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Nom. vermogen</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Gem. vermogen</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Const. Curr. 350mA</source>
        <translation>Const. stroom 350mA</translation>
    </message>
    <message>
        <source>Power led 1W</source>
        <translation>Power-led 1W</translation>
    </message>
    <message>
        <source>Multichip LED 3.5 W</source>
        <translation>Multichip LED 3.5 W</translation>
    </message>
    <message>
        <source>Constant volt.</source>
        <translation>Const. spanning</translation>
    </message>
    <message>
        <source>3mm LED</source>
        <translation>3mm-led</translation>
    </message>
    <message>
        <source>Multichip LED 0.3 W</source>
        <translation>Multichip LED 0.3 W</translation>
    </message>
    <message>
        <source>Const. Curr. 700mA</source>
        <translation>Const. stroom 700mA</translation>
    </message>
    <message>
        <source>Multichipled 7,5 W</source>
        <translation>Multichipled 7,5 W</translation>
    </message>
    <message>
        <source>5mm LED</source>
        <translation>5mm-led</translation>
    </message>
    <message>
        <source>Constant curr.</source>
        <translation>Const. stroom</translation>
    </message>
    <message>
        <source>Multichip LED 5 mm</source>
        <translation>Multichip LED 5 mm</translation>
    </message>
    <message>
        <source>RGB Passive Fixtures</source>
        <translation>Passieve RGB-armaturen</translation>
    </message>
    <message>
        <source>Max. Power</source>
        <translation>Max. vermogen</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>RGB Intelligent Fixtures dip-switch settable</source>
        <translation>Intelligente RGB-armaturen, in te stellen met dipswitch</translation>
    </message>
    <message>
        <source>DOR Intelligent Fixtures dip-switch settable</source>
        <translation>Intelligente DOR-armaturen, in te stellen met dipswitch</translation>
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
        <translation>Kleuren, van links naar rechts</translation>
    </message>
</context>
</TS>
