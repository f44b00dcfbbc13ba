<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardActions</name>
    <message>
        <source>Budget report</source>
        <translation>Leistungsbilanz</translation>
    </message>
    <message>
        <source>Setting card</source>
        <translation>Einstellkarte</translation>
    </message>
    <message>
        <source>Label for the report (e.g. &quot;Shop 2, window&quot;), may be empty:</source>
        <translation>Bezeichnung der Bilanz (z. B. „Laden 2, Fenster“), darf leer sein:</translation>
    </message>
    <message>
        <source>Label for the card (e.g. &quot;Bar 3, left&quot;), may be empty:</source>
        <translation>Bezeichnung der Karte (z. B. „Traverse 3, links“), darf leer sein:</translation>
    </message>
    <message>
        <source>Nothing was made: %1.</source>
        <translation>Nichts wurde erstellt: %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Als Text kopiert</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Als Text kopieren</translation>
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
        <translation>%1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Einstellkarten</translation>
    </message>
    <message>
        <source>the image could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
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
        <translation>Betriebsart: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>DMX address: </source>
        <translation>DMX-Adresse: </translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Optionen: </translation>
    </message>
    <message>
        <source>Limit exceeded: %1</source>
        <translation>Grenze überschritten: %1</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>12-fach-Schalterblock</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>4-fach-Schalterblock</translation>
    </message>
    <message>
        <source>the label holds a control character</source>
        <translation>die Bezeichnung enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the label is longer than %1 characters</source>
        <translation>die Bezeichnung ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>CC #%1 drives %2 LEDs per colour, more than the %3 one output allows.</source>
        <translation>CC #%1 treibt %2 LEDs pro Farbe, mehr als die %3, die ein Ausgang erlaubt.</translation>
    </message>
    <message>
        <source>The total power, %1 W, is more than the %2 W the controller gives.</source>
        <translation>Die Gesamtleistung von %1 W ist größer als die %2 W, die das Steuergerät liefert.</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Bezeichnung: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Betriebsart: %1</translation>
    </message>
    <message>
        <source> — counted as %1</source>
        <translation> — gezählt als %1</translation>
    </message>
    <message>
        <source>no fixtures</source>
        <translation>keine Leuchten</translation>
    </message>
    <message>
        <source>LEDs per colour: %1</source>
        <translation>LEDs pro Farbe: %1</translation>
    </message>
    <message>
        <source>Power: %1 W</source>
        <translation>Leistung: %1 W</translation>
    </message>
    <message>
        <source>Limits exceeded: none</source>
        <translation>Grenzen überschritten: keine</translation>
    </message>
    <message>
        <source>Levers ON: %1</source>
        <translation>Schalter auf ON: %1</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>DMX address: %1</source>
        <translation>DMX-Adresse: %1</translation>
    </message>
    <message>
        <source>Options: %1</source>
        <translation>Optionen: %1</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>%1-fach-Schalterblock</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>Levers ON</source>
        <translation>Schalter auf ON</translation>
    </message>
    <message>
        <source>1 fixture</source>
        <translation>1 Leuchte</translation>
    </message>
    <message>
        <source>%1 fixtures</source>
        <translation>%1 Leuchten</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (Fortsetzung)</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, Seite %2</translation>
    </message>
    <message>
        <source>DMX address %1 is beyond what the levers hold: 1 to %2</source>
        <translation>DMX-Adresse %1 liegt jenseits dessen, was die Schalter tragen: 1 bis %2</translation>
    </message>
    <message>
        <source>lever %1 is no named function lever</source>
        <translation>Schalter %1 ist kein benannter Funktionsschalter</translation>
    </message>
    <message>
        <source>Channels: %1, block %2–%3</source>
        <translation>Kanäle: %1, Block %2–%3</translation>
    </message>
    <message>
        <source>Warning: the block runs past %1, to %2</source>
        <translation>Achtung: der Block reicht über %1 hinaus, bis %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown device &apos;%1&apos;: %2</source>
        <translation>unbekanntes Gerät „%1“: %2</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 verlangt eine ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Ein Master hat keine DMX-Adresse.</translation>
    </message>
    <message>
        <source>--out FILE.pdf|.png|.txt is required</source>
        <translation>--out DATEI.pdf|.png|.txt ist erforderlich</translation>
    </message>
    <message>
        <source>--label: </source>
        <translation>--label: </translation>
    </message>
    <message>
        <source>Could not write the card to standard output.</source>
        <translation>Die Karte konnte nicht auf die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>--count %1: give OUTPUT:FIXTURE=N</source>
        <translation>--count %1: AUSGANG:LEUCHTE=N angeben</translation>
    </message>
    <message>
        <source>--count %1: the output is CC1, CC2, CV1 or CV2</source>
        <translation>--count %1: der Ausgang ist CC1, CC2, CV1 oder CV2</translation>
    </message>
    <message>
        <source>--count %1: no such fixture on %2</source>
        <translation>--count %1: keine solche Leuchte an %2</translation>
    </message>
    <message>
        <source>--count %1: this controller has no %2 output</source>
        <translation>--count %1: dieses Steuergerät hat keinen Ausgang %2</translation>
    </message>
    <message>
        <source>unknown controller &apos;%1&apos;: orvo75 or orvo36</source>
        <translation>unbekanntes Steuergerät „%1“: orvo75 oder orvo36</translation>
    </message>
    <message>
        <source>Could not write the report to standard output.</source>
        <translation>Die Bilanz konnte nicht auf die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>The language of this run: de, en, es, fr, it or nl (the desktop&apos;s otherwise).</source>
        <translation>Die Sprache dieses Aufrufs: de, en, es, fr, it oder nl (sonst die des Desktops).</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>%1: %2 (see &apos;%1 --help&apos;)</source>
        <translation>%1: %2 (siehe „%1 --help“)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>VELANTRA configuration tools: DIP-switch settings, power budgets and data
sheets for DMX LED lighting. Without a command it opens the main window on
the display (a desktop session, or xvfb-run).</source>
        <translation>VELANTRA configuration tools: DIP-Schalter-Einstellungen, Leistungsbilanzen und
Datenblätter für DMX-LED-Beleuchtung. Ohne Befehl öffnet es das Hauptfenster
auf dem Bildschirm (einer Desktop-Sitzung oder xvfb-run).</translation>
    </message>
    <message>
        <source>%1 &lt;command&gt; [options] [arguments]</source>
        <translation>%1 &lt;Befehl&gt; [Optionen] [Argumente]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>&apos;%1 &lt;command&gt; --help&apos; shows the options of a command.</source>
        <translation>„%1 &lt;Befehl&gt; --help“ zeigt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>the plan file name is empty</source>
        <translation>der Name der Plandatei ist leer</translation>
    </message>
    <message>
        <source>--out %1: the file name must end in .pdf, .png or .txt, or be - for the text on standard output</source>
        <translation>--out %1: der Dateiname muss auf .pdf, .png oder .txt enden, oder - sein für den Text auf der Standardausgabe</translation>
    </message>
    <message>
        <source>DMX start address, 1 to 511 (DMX mode; default 1)</source>
        <translation>DMX-Startadresse, 1 bis 511 (DMX-Betrieb; Vorgabe 1)</translation>
    </message>
    <message>
        <source>Stand-alone master mode instead of DMX slave</source>
        <translation>Stand-alone-Master-Betrieb statt DMX-Slave</translation>
    </message>
    <message>
        <source>The 120 ohm line terminator ON (DMX mode)</source>
        <translation>Der Abschlusswiderstand 120 Ohm auf ON (DMX-Betrieb)</translation>
    </message>
    <message>
        <source>The external pushbutton ON (orvo75, orvo36, fluo; master mode)</source>
        <translation>Der externe Taster auf ON (orvo75, orvo36, fluo; Master-Betrieb)</translation>
    </message>
    <message>
        <source>1-100 % modulation ON (fluo)</source>
        <translation>Modulation 1-100 % auf ON (fluo)</translation>
    </message>
    <message>
        <source>Free text on the card&apos;s Label line, e.g. &quot;Bar 3, left&quot;</source>
        <translation>Freier Text in der Zeile „Bezeichnung“ der Karte, z. B. „Traverse 3, links“</translation>
    </message>
    <message>
        <source>The file to write: .pdf, .png or .txt; - writes the text to standard output</source>
        <translation>Die zu schreibende Datei: .pdf, .png oder .txt; - schreibt den Text auf die Standardausgabe</translation>
    </message>
    <message>
        <source>Writes a device&apos;s setting card (its DIP switches) as PDF, PNG or text</source>
        <translation>Schreibt die Einstellkarte eines Geräts (seine DIP-Schalter) als PDF, PNG oder Text</translation>
    </message>
    <message>
        <source>orvo75 (75 W) or orvo36 (36 W)</source>
        <translation>orvo75 (75 W) oder orvo36 (36 W)</translation>
    </message>
    <message>
        <source>A count as typed into the grid: OUTPUT:FIXTURE=N, the output CC1, CC2, CV1 or CV2 (CC only on the orvo36), the fixture by its name or grid row 1 to 14, e.g. &quot;CC1:Pomra RGB=2&quot;; repeat for more</source>
        <translation>Eine Anzahl, wie im Raster eingetippt: AUSGANG:LEUCHTE=N, der Ausgang CC1, CC2, CV1 oder CV2 (beim orvo36 nur CC), die Leuchte mit Namen oder Rasterzeile 1 bis 14, z. B. „CC1:Pomra RGB=2“; für weitere wiederholen</translation>
    </message>
    <message>
        <source>Average power instead of nominal power</source>
        <translation>Mittlere Leistung statt Nennleistung</translation>
    </message>
    <message>
        <source>Free text on the report&apos;s Label line, e.g. &quot;Shop 2, window&quot;</source>
        <translation>Freier Text in der Zeile „Bezeichnung“ der Bilanz, z. B. „Laden 2, Fenster“</translation>
    </message>
    <message>
        <source>Writes a power budget report as PDF, PNG or text</source>
        <translation>Schreibt eine Leistungsbilanz als PDF, PNG oder Text</translation>
    </message>
    <message>
        <source>velantra: cannot open a display; run it in a desktop session or under xvfb-run</source>
        <translation>velantra: kein Bildschirm verfügbar; in einer Desktop-Sitzung oder unter xvfb-run starten</translation>
    </message>
    <message>
        <source>Print the plan&apos;s problems; exit status 1 when there is any.</source>
        <translation>Die Probleme des Plans ausgeben; Exit-Status 1, wenn es welche gibt.</translation>
    </message>
    <message>
        <source>%1: %2 rows, %3</source>
        <translation>%1: %2 Zeilen, %3</translation>
    </message>
    <message>
        <source>Channel count, 3 or 6 (orvo75; DMX mode)</source>
        <translation>Kanalzahl, 3 oder 6 (orvo75; DMX-Betrieb)</translation>
    </message>
    <message>
        <source>Speed 0 to 4 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Tempo 0 bis 4 (orvo75, orvo36, fluo, intell; Master-Betrieb)</translation>
    </message>
    <message>
        <source>Show 0 to 15 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Show 0 bis 15 (orvo75, orvo36, fluo, intell; Master-Betrieb)</translation>
    </message>
    <message>
        <source>Colour-temperature tune CCT 0 to 9 (dor; master mode)</source>
        <translation>Farbtemperatur-Stimmung CCT 0 bis 9 (dor; Master-Betrieb)</translation>
    </message>
    <message>
        <source>no power window for %1</source>
        <translation>kein Leistungsfenster für %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>The rig plan (a .json file) or a patch list (a .csv file).</source>
        <translation>Der Rig-Plan (eine .json-Datei) oder eine Patchliste (eine .csv-Datei).</translation>
    </message>
    <message>
        <source>Write the plan as a patch list (CSV) for a lighting console.</source>
        <translation>Den Plan als Patchliste (CSV) für ein Lichtpult schreiben.</translation>
    </message>
    <message>
        <source>%1: %2 rows on %3 universes, %4</source>
        <translation>%1: %2 Zeilen in %3 Universen, %4</translation>
    </message>
    <message>
        <source>The levers ON, e.g. 3,4,6,9,11 (our device&apos;s 12-lever bank), or none; with --levers the only argument</source>
        <translation>Die Schalter auf ON, z. B. 3,4,6,9,11 (12-fach-Schalterblock unseres Geräts), oder none; mit --levers das einzige Argument</translation>
    </message>
    <message>
        <source>The levers ON of the device&apos;s 4-lever bank, e.g. 1</source>
        <translation>Die Schalter auf ON des 4-fach-Schalterblocks des Geräts, z. B. 1</translation>
    </message>
    <message>
        <source>Another maker&apos;s fixture: the levers of its bank, 8 to 12</source>
        <translation>Leuchte eines anderen Herstellers: die Schalter ihres Blocks, 8 bis 12</translation>
    </message>
    <message>
        <source>The lever of the lowest address bit: 1 or the last address lever</source>
        <translation>Der Schalter des niedrigsten Adressbits: 1 oder der letzte Adressschalter</translation>
    </message>
    <message>
        <source>The levers hold the address - 1</source>
        <translation>Die Schalter tragen die Adresse - 1</translation>
    </message>
    <message>
        <source>ON is the lower side of the bank (the levers given are those at ON either way)</source>
        <translation>ON ist die untere Seite des Blocks (die angegebenen Schalter sind in jedem Fall die auf ON)</translation>
    </message>
    <message>
        <source>A function lever after the address levers and its name, e.g. 10:stand-alone</source>
        <translation>Ein Funktionsschalter nach den Adressschaltern und sein Name, z. B. 10:stand-alone</translation>
    </message>
    <message>
        <source>missing &lt;levers&gt;: the levers ON, or none</source>
        <translation>&lt;levers&gt; fehlt: die Schalter auf ON, oder none</translation>
    </message>
    <message>
        <source>--%1 goes with --levers</source>
        <translation>--%1 gehört zu --levers</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1: kein 4-fach-Schalterblock</translation>
    </message>
    <message>
        <source>--four-bank: </source>
        <translation>--four-bank: </translation>
    </message>
    <message>
        <source>--levers reads a fixture of another maker: give only the levers ON, no device</source>
        <translation>--levers liest eine Leuchte eines anderen Herstellers: nur die Schalter auf ON angeben, kein Gerät</translation>
    </message>
    <message>
        <source>--four-bank is for our devices, not with --levers</source>
        <translation>--four-bank gilt für unsere Geräte, nicht mit --levers</translation>
    </message>
    <message>
        <source>--function %1: give the lever and its name, e.g. 10:stand-alone</source>
        <translation>--function %1: den Schalter und seinen Namen angeben, z. B. 10:stand-alone</translation>
    </message>
    <message>
        <source>Reads DIP levers back: the DMX address, mode and options they set, and what is wrong with them</source>
        <translation>Liest DIP-Schalter zurück: die DMX-Adresse, Betriebsart und Optionen, die sie einstellen, und was an ihnen falsch ist</translation>
    </message>
    <message>
        <source>Write the setting cards of the rows, six to a page with cut marks, to a PDF file.</source>
        <translation>Die Einstellkarten der Zeilen, sechs pro Seite mit Schnittmarken, in eine PDF-Datei schreiben.</translation>
    </message>
    <message>
        <source>Write the patch sheet (the rows&apos; blocks and levers, universe by universe) to a PDF file.</source>
        <translation>Das Patchblatt (Blöcke und Schalter der Zeilen, Universum für Universum) in eine PDF-Datei schreiben.</translation>
    </message>
    <message>
        <source>The paper of --cards and --patch-sheet: a4 (the default) or letter.</source>
        <translation>Das Papier von --cards und --patch-sheet: a4 (Vorgabe) oder letter.</translation>
    </message>
    <message>
        <source>give --check, or any of --cards, --patch-sheet and --csv</source>
        <translation>--check angeben, oder beliebige von --cards, --patch-sheet und --csv</translation>
    </message>
    <message>
        <source>--%1 %2: the file name must end in .%3</source>
        <translation>--%1 %2: der Dateiname muss auf .%3 enden</translation>
    </message>
    <message>
        <source>--paper %1: a4 or letter</source>
        <translation>--paper %1: a4 oder letter</translation>
    </message>
    <message>
        <source>--paper goes with --cards or --patch-sheet</source>
        <translation>--paper gehört zu --cards oder --patch-sheet</translation>
    </message>
    <message>
        <source>Check a rig plan or patch list, write its setting cards or patch sheet to PDF files, or write it as a patch list.</source>
        <translation>Einen Rig-Plan oder eine Patchliste prüfen, seine Einstellkarten oder sein Patchblatt in PDF-Dateien schreiben oder ihn als Patchliste schreiben.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import patch list %1</source>
        <translation>Patchliste %1 importieren</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(nicht gelesen)</translation>
    </message>
    <message>
        <source>Column %1 “%2”:</source>
        <translation>Spalte %1 „%2“:</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Spalte %1:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
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
        <translation>Ende</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Was jede Spalte enthält:</translation>
    </message>
    <message>
        <source>&amp;Preview (the first %1 rows):</source>
        <translation>&amp;Vorschau (die ersten %1 Zeilen):</translation>
    </message>
    <message>
        <source>Lines &amp;left out:</source>
        <translation>&amp;Ausgelassene Zeilen:</translation>
    </message>
    <message>
        <source>Rows: %1. Fixture types: %2. Lines left out: %3.</source>
        <translation>Zeilen: %1. Leuchtentypen: %2. Ausgelassene Zeilen: %3.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>The %1 has no channel count choice.</source>
        <translation>%1: keine Wahl der Kanalzahl.</translation>
    </message>
    <message>
        <source>The %1 has no external pushbutton.</source>
        <translation>%1: kein externer Taster.</translation>
    </message>
    <message>
        <source>The %1 has no speed choice.</source>
        <translation>%1: keine Tempowahl.</translation>
    </message>
    <message>
        <source>The %1 has no show choice.</source>
        <translation>%1: keine Showwahl.</translation>
    </message>
    <message>
        <source>The %1 has no tune choice.</source>
        <translation>%1: keine Stimmungswahl.</translation>
    </message>
    <message>
        <source>The %1 has no modulation choice.</source>
        <translation>%1: keine Modulationswahl.</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to 511.</source>
        <translation>DMX-Adresse %1 liegt außerhalb des Bereichs: 1 bis 511.</translation>
    </message>
    <message>
        <source>Channel count %1 is not offered: 3 or 6.</source>
        <translation>Kanalzahl %1 wird nicht angeboten: 3 oder 6.</translation>
    </message>
    <message>
        <source>Speed %1 is out of range: 0 to %2.</source>
        <translation>Tempo %1 liegt außerhalb des Bereichs: 0 bis %2.</translation>
    </message>
    <message>
        <source>Show %1 is out of range: 0 to %2.</source>
        <translation>Show %1 liegt außerhalb des Bereichs: 0 bis %2.</translation>
    </message>
    <message>
        <source>Tune %1 is out of range: 0 to %2.</source>
        <translation>Stimmung %1 liegt außerhalb des Bereichs: 0 bis %2.</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Ein Master hat keine DMX-Adresse.</translation>
    </message>
    <message>
        <source>The channel count is a DMX-mode choice, not a master one.</source>
        <translation>Die Kanalzahl ist eine Wahl des DMX-Betriebs, nicht des Master-Betriebs.</translation>
    </message>
    <message>
        <source>The 120 ohm terminator is a DMX-mode choice, not a master one.</source>
        <translation>Der Abschlusswiderstand 120 Ohm ist eine Wahl des DMX-Betriebs, nicht des Master-Betriebs.</translation>
    </message>
    <message>
        <source>The external pushbutton is a master-mode choice.</source>
        <translation>Der externe Taster ist eine Wahl des Master-Betriebs.</translation>
    </message>
    <message>
        <source>The tune is a master-mode choice.</source>
        <translation>Die Stimmung ist eine Wahl des Master-Betriebs.</translation>
    </message>
    <message>
        <source>The speed is a master-mode choice.</source>
        <translation>Das Tempo ist eine Wahl des Master-Betriebs.</translation>
    </message>
    <message>
        <source>The show is a master-mode choice.</source>
        <translation>Die Show ist eine Wahl des Master-Betriebs.</translation>
    </message>
    <message>
        <source>intelligent RGB fixture</source>
        <translation>intelligente RGB-Leuchte</translation>
    </message>
    <message>
        <source>DOR fixture</source>
        <translation>DOR-Leuchte</translation>
    </message>
    <message>
        <source>a bank has 8 to 12 levers</source>
        <translation>ein Schalterblock hat 8 bis 12 Schalter</translation>
    </message>
    <message>
        <source>the lowest bit is on lever 1 or on lever %1</source>
        <translation>das niedrigste Bit liegt auf Schalter 1 oder auf Schalter %1</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: those are levers %2 to %3</source>
        <translation>Schalter %1 ist kein Funktionsschalter: das sind die Schalter %2 bis %3</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: every lever carries the address</source>
        <translation>Schalter %1 ist kein Funktionsschalter: jeder Schalter trägt die Adresse</translation>
    </message>
    <message>
        <source>lever %1 is named twice</source>
        <translation>Schalter %1 ist zweimal benannt</translation>
    </message>
    <message>
        <source>lever %1 has no name</source>
        <translation>Schalter %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>kein Adressschalter steht auf ON: Adresse 0 ist keine DMX-Adresse</translation>
    </message>
    <message>
        <source>address %1 is beyond the last DMX channel, 512</source>
        <translation>Adresse %1 liegt nach dem letzten DMX-Kanal, 512</translation>
    </message>
    <message>
        <source>the bank has no lever %1: it has %2</source>
        <translation>der Block hat keinen Schalter %1: er hat %2</translation>
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
        <translation>Schalter auf ON: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Lever %1 of %2: %3</source>
        <translation>Schalter %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>DipConfigurator</name>
    <message>
        <source>4-lever bank, </source>
        <translation>4-fach-Schalterblock, </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es ist eine Named Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation>nur %1 von %2 Bytes konnten geschrieben werden</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>FixtureTypesDialog</name>
    <message>
        <source>“%1” is not a lever and its name, such as “10: stand-alone”.</source>
        <translation>„%1“ ist kein Schalter mit Namen wie „10: stand-alone“.</translation>
    </message>
    <message>
        <source>&amp;Address levers</source>
        <translation>&amp;Adressschalter</translation>
    </message>
    <message>
        <source>New fixture type</source>
        <translation>Neuer Leuchtentyp</translation>
    </message>
    <message>
        <source>Edit fixture type</source>
        <translation>Leuchtentyp bearbeiten</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Hersteller und Modell</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>The address</source>
        <translation>Die Adresse</translation>
    </message>
    <message>
        <source>The address − 1</source>
        <translation>Die Adresse − 1</translation>
    </message>
    <message>
        <source>10: stand-alone; 11: test</source>
        <translation>10: Stand-alone; 11: Test</translation>
    </message>
    <message>
        <source>&amp;Levers in the bank:</source>
        <translation>&amp;Schalter im Block:</translation>
    </message>
    <message>
        <source>Lowest &amp;bit on:</source>
        <translation>Niedrigstes &amp;Bit auf:</translation>
    </message>
    <message>
        <source>&amp;ON is:</source>
        <translation>&amp;ON ist:</translation>
    </message>
    <message>
        <source>The levers &amp;hold:</source>
        <translation>Die Schalter &amp;tragen:</translation>
    </message>
    <message>
        <source>&amp;Function levers:</source>
        <translation>&amp;Funktionsschalter:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Kanäle:</translation>
    </message>
    <message>
        <source>Lever 1</source>
        <translation>Schalter 1</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Schalter %1</translation>
    </message>
    <message>
        <source>Fixture types</source>
        <translation>Leuchtentypen</translation>
    </message>
    <message>
        <source>Fixture &amp;types of this plan:</source>
        <translation>Leuchten&amp;typen dieses Plans:</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>The fixture type “%1” is in use and is not deleted.
Used by: %2.</source>
        <translation>Der Leuchtentyp „%1“ wird verwendet und nicht gelöscht.
Verwendet von: %2.</translation>
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
        <translation>Ende</translation>
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
        <translation>DIP-Schalter</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
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
        <translation>DIP-Schalter</translation>
    </message>
    <message>
        <source>Intelligent Fixt.</source>
        <translation>Intell. Leuchten</translation>
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
        <translation>Master-Fkt.</translation>
    </message>
    <message>
        <source>Easy run (RGB)</source>
        <translation>Easy run (RGB)</translation>
    </message>
    <message>
        <source>Atm. Tunes (DOR)</source>
        <translation>Lichtstimmungen (DOR)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Rig-Plan</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK VELANTRA configurator</source>
        <translation>MORANDEL BRANVIK VELANTRA Konfigurator</translation>
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
        <translation>ORVO 75 DIP-Schalter-Konfigurator</translation>
    </message>
    <message>
        <source>ORVO 36 dip-switch configurator</source>
        <translation>ORVO 36 DIP-Schalter-Konfigurator</translation>
    </message>
    <message>
        <source>ORVO FLUO / Nembra dip-switch configurator</source>
        <translation>ORVO FLUO / Nembra DIP-Schalter-Konfigurator</translation>
    </message>
    <message>
        <source>Intelligent fixture configurator</source>
        <translation>Konfigurator intelligente Leuchten</translation>
    </message>
    <message>
        <source>DOR fixture configurator</source>
        <translation>Konfigurator DOR-Leuchten</translation>
    </message>
    <message>
        <source>DMX address</source>
        <translation>DMX-Adresse</translation>
    </message>
    <message>
        <source>Device outline</source>
        <translation>Umriss des Geräts</translation>
    </message>
    <message>
        <source>Red indicator lamp</source>
        <translation>Rote Kontrollleuchte</translation>
    </message>
    <message>
        <source>Green indicator lamp</source>
        <translation>Grüne Kontrollleuchte</translation>
    </message>
    <message>
        <source>Rotary knob</source>
        <translation>Drehknopf</translation>
    </message>
    <message>
        <source>Rotary knob groove</source>
        <translation>Kerbe des Drehknopfs</translation>
    </message>
    <message>
        <source>Ext. pushbotton</source>
        <translation>Ext. Taster</translation>
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
        <translation>DMX (Slave)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>DMX mode</source>
        <translation>DMX-Betrieb</translation>
    </message>
    <message>
        <source>Res. 120 ohm</source>
        <translation>Abschl. 120 Ω</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Master-Betrieb</translation>
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
        <translation>6 Kan.</translation>
    </message>
    <message>
        <source>3 Ch </source>
        <translation>3 Kan. </translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>1-100 % Modulation</translation>
    </message>
    <message>
        <source>Atmosphere tune</source>
        <translation>Lichtstimmung</translation>
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
        <translation>Abschluss 120 Ω</translation>
    </message>
    <message>
        <source>ORVO power configurator</source>
        <translation>ORVO Leistungskonfigurator</translation>
    </message>
    <message>
        <source>Spare box, counts nothing</source>
        <translation>Reservefeld, zählt nicht</translation>
    </message>
    <message>
        <source>CC2 mA</source>
        <translation>CC2 mA</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Mittlere Leistung</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Nennleistung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>CC1 mA.</source>
        <translation>CC1 mA.</translation>
    </message>
    <message>
        <source>Outline of the total</source>
        <translation>Umriss der Summe</translation>
    </message>
    <message>
        <source>Power Out CV 1</source>
        <translation>Leist. CV 1</translation>
    </message>
    <message>
        <source>Power Out CV 2</source>
        <translation>Leist. CV 2</translation>
    </message>
    <message>
        <source>Power CC 2</source>
        <translation>Leist. CC 2</translation>
    </message>
    <message>
        <source>Power CC 1</source>
        <translation>Leist. CC 1</translation>
    </message>
    <message>
        <source>Tot. led CC 2</source>
        <translation>LEDs CC 2</translation>
    </message>
    <message>
        <source>Tot. led CC 1</source>
        <translation>LEDs CC 1</translation>
    </message>
    <message>
        <source>Constant Voltage Outputs (CV)</source>
        <translation>Konstantspannung (CV)</translation>
    </message>
    <message>
        <source>Constant Current Outputs (CC)</source>
        <translation>Ausgänge Konstantstrom (CC)</translation>
    </message>
    <message>
        <source>ORVO 36 power configurator</source>
        <translation>ORVO 36 Leistungskonfigurator</translation>
    </message>
    <message>
        <source>CC2 curr.</source>
        <translation>CC2 Str.</translation>
    </message>
    <message>
        <source>CC curr.(mA)</source>
        <translation>CC Str. (mA)</translation>
    </message>
    <message>
        <source>Outline of the CV outputs</source>
        <translation>Umriss der CV-Ausgänge</translation>
    </message>
    <message>
        <source>Tot. led </source>
        <translation>LEDs </translation>
    </message>
    <message>
        <source>Constant Current Output (CC)</source>
        <translation>Ausgang Konstantstrom (CC)</translation>
    </message>
    <message>
        <source>Easy run menu</source>
        <translation>Easy-run-Menü</translation>
    </message>
    <message>
        <source>Passive fixtures data</source>
        <translation>Daten passive Leuchten</translation>
    </message>
    <message>
        <source>Intelligent RGB fixtures data</source>
        <translation>Daten intelligente RGB-Leuchten</translation>
    </message>
    <message>
        <source>DOR Intelligent fixtures data </source>
        <translation>Daten intelligente DOR-Leuchten</translation>
    </message>
    <message>
        <source>Atmospehre tunes</source>
        <translation>Lichtstimmungen</translation>
    </message>
    <message>
        <source>Built-in shows and their colours</source>
        <translation>Eingebaute Shows und ihre Farben</translation>
    </message>
    <message>
        <source>Show play-back speeds</source>
        <translation>Abspieltempi der Shows</translation>
    </message>
    <message>
        <source>! ERROR !  DMX address: 1 - 511</source>
        <translation>! FEHLER !  DMX-Adresse: 1 - 511</translation>
    </message>
    <message>
        <source>Speed 0</source>
        <translation>Tempo 0</translation>
    </message>
    <message>
        <source>Speed 1</source>
        <translation>Tempo 1</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Tempo 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Tempo 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Tempo 4</translation>
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
        <translation>Gesamte Nennleistung</translation>
    </message>
    <message>
        <source>Total average power</source>
        <translation>Gesamte mittl. Leistung</translation>
    </message>
    <message>
        <source>12-lever DIP-switch bank</source>
        <translation>12-fach-DIP-Schalterblock</translation>
    </message>
    <message>
        <source>4-lever DIP-switch bank</source>
        <translation>4-fach-DIP-Schalterblock</translation>
    </message>
    <message>
        <source>Read levers</source>
        <translation>Schalter ablesen</translation>
    </message>
</context>
<context>
    <name>Levers</name>
    <message>
        <source>lever %1 of the 4-lever bank</source>
        <translation>Schalter %1 des 4-fach-Schalterblocks</translation>
    </message>
    <message>
        <source>lever %1 of the 12-lever bank</source>
        <translation>Schalter %1 des 12-fach-Schalterblocks</translation>
    </message>
    <message>
        <source>lever %1</source>
        <translation>Schalter %1</translation>
    </message>
    <message>
        <source>the 12-lever bank has no lever %1</source>
        <translation>der 12-fach-Schalterblock hat keinen Schalter %1</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1: kein 4-fach-Schalterblock</translation>
    </message>
    <message>
        <source>the 4-lever bank has no lever %1</source>
        <translation>der 4-fach-Schalterblock hat keinen Schalter %1</translation>
    </message>
    <message>
        <source>in master mode</source>
        <translation>im Master-Betrieb</translation>
    </message>
    <message>
        <source>in DMX mode</source>
        <translation>im DMX-Betrieb</translation>
    </message>
    <message>
        <source>%1 must be OFF %2</source>
        <translation>%1 muss %2 auf OFF stehen</translation>
    </message>
    <message>
        <source>%1 must be ON %2</source>
        <translation>%1 muss %2 auf ON stehen</translation>
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
        <translation>%1: keine Einstellung %2 hat das bei den übrigen Schaltern, wie sie stehen</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>kein Adressschalter steht auf ON: Adresse 0 ist keine DMX-Adresse</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>DMX address %1</source>
        <translation>DMX-Adresse %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lever number: give the levers ON as 3,4,6</source>
        <translation>„%1“ ist keine Schalternummer: die Schalter auf ON als 3,4,6 angeben</translation>
    </message>
    <message>
        <source>lever %1: the bank has levers 1 to %2</source>
        <translation>Schalter %1: der Block hat die Schalter 1 bis %2</translation>
    </message>
    <message>
        <source>lever %1 is given twice</source>
        <translation>Schalter %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Schalter %1</translation>
    </message>
    <message>
        <source>Lever %1: ON</source>
        <translation>Schalter %1: ON</translation>
    </message>
    <message>
        <source>Lever %1: OFF</source>
        <translation>Schalter %1: OFF</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Max 6 led / colour on each constant current output !</source>
        <translation>Max. 6 LEDs / Farbe an jedem Konstantstrom-Ausgang!</translation>
    </message>
    <message>
        <source>Max 6 led / colour on each constant current output ! </source>
        <translation>Max. 6 LEDs / Farbe an jedem Konstantstrom-Ausgang! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 75 W !!!</source>
        <translation>GESAMTLEISTUNG &gt; 75 W !!!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output !</source>
        <translation>Max. 9 LEDs / Farbe an jedem Konstantstrom-Ausgang!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output ! </source>
        <translation>Max. 9 LEDs / Farbe an jedem Konstantstrom-Ausgang! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 36 W !!!</source>
        <translation>GESAMTLEISTUNG &gt; 36 W !!!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>The plan has no rows.</source>
        <translation>Der Plan hat keine Zeilen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>„%1“ muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>„%1“ muss true oder false sein</translation>
    </message>
    <message>
        <source>&quot;device&quot; must be one of %1</source>
        <translation>„device“ muss eines von %1 sein</translation>
    </message>
    <message>
        <source>&quot;mode&quot; must be &quot;dmx&quot; or &quot;master&quot;</source>
        <translation>„mode“ muss „dmx“ oder „master“ sein</translation>
    </message>
    <message>
        <source>a row in DMX mode needs an &quot;address&quot;</source>
        <translation>eine Zeile im DMX-Betrieb braucht eine „address“</translation>
    </message>
    <message>
        <source>&quot;channels&quot; does not apply in master mode on the %1</source>
        <translation>„channels“ gilt nicht im Master-Betrieb bei %1</translation>
    </message>
    <message>
        <source>&quot;channels&quot; of the %1 must be 3 or 6</source>
        <translation>„channels“ muss bei %1 3 oder 6 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to the %2 in %3 mode</source>
        <translation>„%1“ gilt nicht für %2 im Betrieb %3</translation>
    </message>
    <message>
        <source>the file is larger than any plan (%1 bytes)</source>
        <translation>die Datei ist größer als jeder Plan (%1 Bytes)</translation>
    </message>
    <message>
        <source>not a plan file: the JSON text is broken at byte %1 (%2)</source>
        <translation>keine Plandatei: der JSON-Text ist bei Byte %1 fehlerhaft (%2)</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>„%1“ ist zweimal angegeben</translation>
    </message>
    <message>
        <source>not a rig plan: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>kein Rig-Plan: „format“ muss „%1“ sein</translation>
    </message>
    <message>
        <source>(missing or not a number)</source>
        <translation>(fehlt oder keine Zahl)</translation>
    </message>
    <message>
        <source>unknown entry &quot;%1&quot;</source>
        <translation>unbekannter Eintrag „%1“</translation>
    </message>
    <message>
        <source>&quot;rows&quot; must be a list</source>
        <translation>„rows“ muss eine Liste sein</translation>
    </message>
    <message>
        <source>%1 rows; a plan holds at most %2</source>
        <translation>%1 Zeilen; ein Plan fasst höchstens %2</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to %2.</source>
        <translation>DMX-Adresse %1 liegt außerhalb des Bereichs: 1 bis %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any patch list (%1 bytes)</source>
        <translation>die Datei ist größer als jede Patchliste (%1 Bytes)</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (byte %1)</source>
        <translation>der Text ist kein UTF-8 (Byte %1)</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>ein hier geöffnetes Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>a plan holds at most %1 rows</source>
        <translation>ein Plan fasst höchstens %1 Zeilen</translation>
    </message>
    <message>
        <source>the file holds no patch: it is empty</source>
        <translation>die Datei enthält keinen Patch: sie ist leer</translation>
    </message>
    <message>
        <source>line 1: no header; name the columns (universe, start, label, fixture, channels, …)</source>
        <translation>Zeile 1: keine Überschrift; die Spalten benennen (universe, start, label, fixture, channels, …)</translation>
    </message>
    <message>
        <source>and %1 more lines with problems</source>
        <translation>und %1 weitere Zeilen mit Problemen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>„%1“ muss %2 sein</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>„%1“ muss ein Text sein</translation>
    </message>
    <message>
        <source>&quot;fixture&quot; must name one of the plan&apos;s types</source>
        <translation>„fixture“ muss einen der Leuchtentypen des Plans nennen</translation>
    </message>
    <message>
        <source>a row of a fixture type needs an &quot;address&quot;</source>
        <translation>eine Zeile eines Leuchtentyps braucht eine „address“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to a fixture type&apos;s row</source>
        <translation>„%1“ gilt nicht für die Zeile eines Leuchtentyps</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs plan format version %2</source>
        <translation>„%1“ braucht Planformat Version %2</translation>
    </message>
    <message>
        <source>levers: </source>
        <translation>Schalter: </translation>
    </message>
    <message>
        <source>&quot;count&quot; and &quot;lowest&quot; are required</source>
        <translation>„count“ und „lowest“ sind erforderlich</translation>
    </message>
    <message>
        <source>&quot;functions&quot; must be a list</source>
        <translation>„functions“ muss eine Liste sein</translation>
    </message>
    <message>
        <source>a function lever must be an object</source>
        <translation>ein Funktionsschalter muss ein Objekt sein</translation>
    </message>
    <message>
        <source>a function lever needs its &quot;lever&quot;</source>
        <translation>ein Funktionsschalter braucht seinen „lever“</translation>
    </message>
    <message>
        <source>&quot;channels&quot; must be a whole number from %1 to %2</source>
        <translation>„channels“ muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>plan format version %1 cannot be read; this program reads versions %2 and %3</source>
        <translation>Planformat Version %1 kann nicht gelesen werden; dieses Programm liest die Versionen %2 und %3</translation>
    </message>
    <message>
        <source>&quot;types&quot; must be a list</source>
        <translation>„types“ muss eine Liste sein</translation>
    </message>
    <message>
        <source>%1 fixture types; a plan holds at most %2</source>
        <translation>%1 Leuchtentypen; ein Plan fasst höchstens %2</translation>
    </message>
    <message>
        <source>type %1: </source>
        <translation>Typ %1: </translation>
    </message>
    <message>
        <source>Patch sheet: %1</source>
        <translation>Patchblatt: %1</translation>
    </message>
    <message>
        <source>Plan: %1, row %2, universe %3</source>
        <translation>Plan: %1, Zeile %2, Universum %3</translation>
    </message>
    <message>
        <source>Plan: %1, row %2</source>
        <translation>Plan: %1, Zeile %2</translation>
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
        <translation>Start + Kanäle − 1; höchstens 512.</translation>
    </message>
    <message>
        <source>The start address, 1–511. A device in master mode takes none.</source>
        <translation>Die Startadresse, 1–511. Ein Gerät im Master-Betrieb hat keine.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Mode and options</source>
        <translation>Betriebsart und Optionen</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universum</translation>
    </message>
    <message>
        <source>The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch choice); a fixture type takes its own count; for the other devices the program does not know the count: type it (1–512), it is required.</source>
        <translation>Die DMX-Kanäle, die das Gerät belegt. Das ORVO 75 belegt 3 oder 6 (seine Wahl 3 Ch / 6 Ch); ein Leuchtentyp seine eigene Zahl; bei den anderen Geräten kennt das Programm die Zahl nicht: eintippen (1–512), sie ist erforderlich.</translation>
    </message>
    <message>
        <source>The DMX universe, as the lighting console numbers them (0–63999).</source>
        <translation>Das DMX-Universum, wie das Lichtpult sie zählt (0–63999).</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>row %1 “%2”</source>
        <translation>Zeile %1 „%2“</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>start %1 is outside 1–511</source>
        <translation>Start %1 liegt außerhalb 1–511</translation>
    </message>
    <message>
        <source>ends at %1, beyond 512</source>
        <translation>endet bei %1, nach 512</translation>
    </message>
    <message>
        <source>no channel count</source>
        <translation>keine Kanalzahl</translation>
    </message>
    <message>
        <source>channels %1 overlap %2 (%3)</source>
        <translation>Kanäle %1 überschneiden %2 (%3)</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Keine Probleme</translation>
    </message>
    <message>
        <source>%1 problem in %2 row</source>
        <translation>%1 Problem in %2 Zeile</translation>
    </message>
    <message>
        <source>%1 problem in %2 rows</source>
        <translation>%1 Problem in %2 Zeilen</translation>
    </message>
    <message>
        <source>%1 problems in %2 row</source>
        <translation>%1 Probleme in %2 Zeile</translation>
    </message>
    <message>
        <source>%1 problems in %2 rows</source>
        <translation>%1 Probleme in %2 Zeilen</translation>
    </message>
    <message>
        <source>start %1 is beyond the levers of the %2 (at most %3)</source>
        <translation>Start %1 liegt jenseits der Schalter von %2 (höchstens %3)</translation>
    </message>
    <message>
        <source>the lever scheme “%1”: %2</source>
        <translation>das Schalterschema „%1“: %2</translation>
    </message>
    <message>
        <source>it reads like “10 levers; lowest 1; ON up; address”</source>
        <translation>es lautet etwa „10 levers; lowest 1; ON up; address“</translation>
    </message>
    <message>
        <source>“%1” is no count of levers</source>
        <translation>„%1“ ist keine Schalterzahl</translation>
    </message>
    <message>
        <source>“%1” names no lowest lever</source>
        <translation>„%1“ nennt keinen niedrigsten Schalter</translation>
    </message>
    <message>
        <source>“%1” is not ON up or ON down</source>
        <translation>„%1“ ist weder ON up noch ON down</translation>
    </message>
    <message>
        <source>“%1” is not address or address - 1</source>
        <translation>„%1“ ist weder address noch address - 1</translation>
    </message>
    <message>
        <source>“%1” is no “lever: name”</source>
        <translation>„%1“ ist kein „Schalter: Name“</translation>
    </message>
    <message>
        <source>the channels of “%1” are not given</source>
        <translation>die Kanäle von „%1“ sind nicht angegeben</translation>
    </message>
    <message>
        <source>channels “%1” is no number</source>
        <translation>Kanäle „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>“%1” is given another channel count on an earlier line</source>
        <translation>„%1“ hat in einer früheren Zeile eine andere Kanalzahl</translation>
    </message>
    <message>
        <source>“%1” is given another lever scheme on an earlier line</source>
        <translation>„%1“ hat in einer früheren Zeile ein anderes Schalterschema</translation>
    </message>
    <message>
        <source>universe “%1” is not from 0 to 63999</source>
        <translation>Universum „%1“ liegt nicht zwischen 0 und 63999</translation>
    </message>
    <message>
        <source>no fixture</source>
        <translation>keine Leuchte</translation>
    </message>
    <message>
        <source>no start address</source>
        <translation>keine Startadresse</translation>
    </message>
    <message>
        <source>start “%1” is not from 1 to %2</source>
        <translation>Start „%1“ liegt nicht zwischen 1 und %2</translation>
    </message>
    <message>
        <source>a device in master mode takes no start address</source>
        <translation>ein Gerät im Master-Betrieb hat keine Startadresse</translation>
    </message>
    <message>
        <source>channels “%1” is not from 1 to 512</source>
        <translation>Kanäle „%1“ liegt nicht zwischen 1 und 512</translation>
    </message>
    <message>
        <source>end “%1” is not 1 to 512 channels after the start</source>
        <translation>Ende „%1“ liegt nicht 1 bis 512 Kanäle nach dem Start</translation>
    </message>
    <message>
        <source>the ORVO 75 takes 3 or 6 channels, as its mode says, in DMX mode</source>
        <translation>das ORVO 75 belegt im DMX-Betrieb 3 oder 6 Kanäle, wie seine Betriebsart sagt</translation>
    </message>
    <message>
        <source>end “%1” does not follow from the start and the channels</source>
        <translation>Ende „%1“ ergibt sich nicht aus Start und Kanälen</translation>
    </message>
    <message>
        <source>no column holds the fixture (a header such as Fixture or Type)</source>
        <translation>keine Spalte enthält die Leuchte (eine Überschrift wie Fixture oder Type)</translation>
    </message>
    <message>
        <source>no column holds the start address (a header such as Start, Address or DMX)</source>
        <translation>keine Spalte enthält die Startadresse (eine Überschrift wie Start, Address oder DMX)</translation>
    </message>
    <message>
        <source>the mode “%1” is not DMX or Master</source>
        <translation>die Betriebsart „%1“ ist weder DMX noch Master</translation>
    </message>
    <message>
        <source>“%1” is no option</source>
        <translation>„%1“ ist keine Option</translation>
    </message>
    <message>
        <source>“%1” has no number</source>
        <translation>„%1“ hat keine Zahl</translation>
    </message>
    <message>
        <source>a fixture type needs a name</source>
        <translation>ein Leuchtentyp braucht einen Namen</translation>
    </message>
    <message>
        <source>the name: %1</source>
        <translation>der Name: %1</translation>
    </message>
    <message>
        <source>“%1” is one of our devices</source>
        <translation>„%1“ ist eines unserer Geräte</translation>
    </message>
    <message>
        <source>there is already a fixture type “%1”</source>
        <translation>es gibt schon einen Leuchtentyp „%1“</translation>
    </message>
    <message>
        <source>a fixture type takes 1 to 512 channels</source>
        <translation>ein Leuchtentyp belegt 1 bis 512 Kanäle</translation>
    </message>
    <message>
        <source>the levers: %1</source>
        <translation>die Schalter: %1</translation>
    </message>
    <message>
        <source>lever %1: %2</source>
        <translation>Schalter %1: %2</translation>
    </message>
    <message>
        <source>lever %1: a name holds no “;” and no blank at either end</source>
        <translation>Schalter %1: ein Name enthält kein „;“ und kein Leerzeichen an den Enden</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>LEDs per colour, %1</source>
        <translation>LEDs pro Farbe, %1</translation>
    </message>
    <message>
        <source>Power %1, watts</source>
        <translation>Leistung %1, Watt</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 %2, no fixture</source>
        <translation>%1 %2, keine Leuchte</translation>
    </message>
    <message>
        <source>%1 count, %2</source>
        <translation>%1 Anzahl, %2</translation>
    </message>
    <message>
        <source>Control %1, %2</source>
        <translation>Strg %1, %2</translation>
    </message>
    <message>
        <source>To the first count box of an output: </source>
        <translation>Zum ersten Anzahlfeld eines Ausgangs: </translation>
    </message>
    <message>
        <source>Over the limit of %1 LEDs per colour on one output</source>
        <translation>Über der Grenze von %1 LEDs pro Farbe an einem Ausgang</translation>
    </message>
    <message>
        <source>Over the limit of %1 watts</source>
        <translation>Über der Grenze von %1 Watt</translation>
    </message>
    <message>
        <source>%1, watts</source>
        <translation>%1, Watt</translation>
    </message>
</context>
<context>
    <name>ReadLeversWindow</name>
    <message>
        <source>Read levers</source>
        <translation>Schalter ablesen</translation>
    </message>
    <message>
        <source>&amp;Device or fixture type:</source>
        <translation>&amp;Gerät oder Leuchtentyp:</translation>
    </message>
    <message>
        <source>DMX address:</source>
        <translation>DMX-Adresse:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Probleme:</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>4-fach-Schalterblock</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>12-fach-Schalterblock</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>%1-fach-Schalterblock</translation>
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
        <translation>keine: ein Master hat keine Adresse</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (Slave)</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Zeilen</translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation>Zeile &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove rows</source>
        <translation>Zeilen &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Duplicate…</source>
        <translation>&amp;Duplizieren…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Address &amp;from…</source>
        <translation>Adressen &amp;ab…</translation>
    </message>
    <message>
        <source>&amp;Mode and options…</source>
        <translation>&amp;Betriebsart und Optionen…</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Karten</translation>
    </message>
    <message>
        <source>Open &amp;configurator</source>
        <translation>&amp;Konfigurator öffnen</translation>
    </message>
    <message>
        <source>&amp;Print cards…</source>
        <translation>Karten &amp;drucken…</translation>
    </message>
    <message>
        <source>Save cards as &amp;PDF…</source>
        <translation>Karten als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Copy as &amp;text</source>
        <translation>Als &amp;Text kopieren</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Rig-Plan</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>Der Plan %1 hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The plan cannot be opened.
%1</source>
        <translation>Der Plan kann nicht geöffnet werden.
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>Der Plan wurde nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>Open rig plan</source>
        <translation>Rig-Plan öffnen</translation>
    </message>
    <message>
        <source>Save rig plan</source>
        <translation>Rig-Plan speichern</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Number of copies:</source>
        <translation>Anzahl der Kopien:</translation>
    </message>
    <message>
        <source>Address from</source>
        <translation>Adressen ab</translation>
    </message>
    <message>
        <source>The configurator cannot show this row.
%1</source>
        <translation>Der Konfigurator kann diese Zeile nicht zeigen.
%1</translation>
    </message>
    <message>
        <source>No cards were made.
%1</source>
        <translation>Es wurden keine Karten erstellt.
%1</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Karten als PDF speichern</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Als Text kopiert</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>Rig plans (*.json);;All files (*)</source>
        <translation>Rig-Pläne (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Patch lists (*.csv);;All files (*)</source>
        <translation>Patchlisten (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Shows the rows of one universe; empty shows all.</source>
        <translation>Zeigt die Zeilen eines Universums; leer zeigt alle.</translation>
    </message>
    <message>
        <source>Show &amp;universe:</source>
        <translation>&amp;Universum zeigen:</translation>
    </message>
    <message>
        <source>&amp;Import patch list (CSV)…</source>
        <translation>Patchliste &amp;importieren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export patch list (CSV)…</source>
        <translation>Patchliste &amp;exportieren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Fixture &amp;types…</source>
        <translation>Leuchten&amp;typen…</translation>
    </message>
    <message>
        <source>&amp;Sort by universe and address</source>
        <translation>Nach &amp;Universum und Adresse sortieren</translation>
    </message>
    <message>
        <source>The patch list was not saved.
%1</source>
        <translation>Die Patchliste wurde nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>Patch list saved</source>
        <translation>Patchliste gespeichert</translation>
    </message>
    <message>
        <source>The patch list cannot be imported.
%1: %2</source>
        <translation>Die Patchliste kann nicht importiert werden.
%1: %2</translation>
    </message>
    <message>
        <source>Import patch list</source>
        <translation>Patchliste importieren</translation>
    </message>
    <message>
        <source>Export patch list</source>
        <translation>Patchliste exportieren</translation>
    </message>
    <message>
        <source>Consecutive addresses for the selected rows (all rows when none is selected); a block that does not fit continues at 1 of the next universe.</source>
        <translation>Fortlaufende Adressen für die ausgewählten Zeilen (alle, wenn keine ausgewählt ist); ein Block, der nicht passt, beginnt bei 1 des nächsten Universums.</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Universum:</translation>
    </message>
    <message>
        <source>&amp;Starting at:</source>
        <translation>&amp;Beginnend bei:</translation>
    </message>
    <message>
        <source>%1 starts universe %2</source>
        <translation>%1 beginnt Universum %2</translation>
    </message>
    <message>
        <source>Blocks that did not fit went on to the next universe:
%1.</source>
        <translation>Blöcke, die nicht passten, gingen ins nächste Universum:
%1.</translation>
    </message>
    <message>
        <source>The %1 has no configurator window: its card shows its levers.</source>
        <translation>%1: kein Konfiguratorfenster; seine Karte zeigt seine Schalter.</translation>
    </message>
    <message>
        <source>%1[*] - Rig plan</source>
        <translation>%1[*] - Rig-Plan</translation>
    </message>
    <message>
        <source>1 universe</source>
        <translation>1 Universum</translation>
    </message>
    <message>
        <source>%1 universes</source>
        <translation>%1 Universen</translation>
    </message>
    <message>
        <source>Save patch &amp;sheet as PDF…</source>
        <translation>Patch&amp;blatt als PDF speichern…</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Einstellkarten</translation>
    </message>
    <message>
        <source>The cards were not saved.</source>
        <translation>Die Karten wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save patch sheet as PDF</source>
        <translation>Patchblatt als PDF speichern</translation>
    </message>
    <message>
        <source>The patch sheet was not saved.</source>
        <translation>Das Patchblatt wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>RowOptionsDialog</name>
    <message>
        <source>Mode and options: %1</source>
        <translation>Betriebsart und Optionen: %1</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (Slave)</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Nicht gewählt</translation>
    </message>
    <message>
        <source>120 ohm terminator</source>
        <translation>Abschlusswiderstand 120 Ohm</translation>
    </message>
    <message>
        <source>Ext. pushbutton</source>
        <translation>Ext. Taster</translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>1-100 % Modulation</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>DMX channels:</source>
        <translation>DMX-Kanäle:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Tune:</source>
        <translation>Stimmung:</translation>
    </message>
    <message>
        <source>Window&apos;s preset</source>
        <translation>Vorgabe des Fensters</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
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
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Table of %1 rows: </source>
        <translation>Tabelle mit %1 Zeilen: </translation>
    </message>
    <message>
        <source>%1, table of %2 rows: </source>
        <translation>%1, Tabelle mit %2 Zeilen: </translation>
    </message>
    <message>
        <source>No shows</source>
        <translation>Keine Shows</translation>
    </message>
    <message>
        <source>Shows %1 to %2, each with a bar of its colours from left to right</source>
        <translation>Shows %1 bis %2, jede mit einem Balken ihrer Farben von links nach rechts</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>bluish</source>
        <translation>bläulich</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>white cold</source>
        <translation>kaltweiß</translation>
    </message>
    <message>
        <source>white warm</source>
        <translation>warmweiß</translation>
    </message>
    <message>
        <source>show N.</source>
        <translation>Show Nr.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Dip 2</source>
        <translation>Dip 2</translation>
    </message>
    <message>
        <source>Step time</source>
        <translation>Schrittzeit</translation>
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
        <translation>Abspieltempo der Shows</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>N. led</source>
        <translation>Anz. LED</translation>
    </message>
    <message>
        <source>N. led / colour</source>
        <translation>Anz. LED / Farbe</translation>
    </message>
    <message>
        <source>Driving mode</source>
        <translation>Ansteuerung</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Nennleistung</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Mittlere Leistung</translation>
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
        <translation>Konstantstr. 350mA</translation>
    </message>
    <message>
        <source>Power led 1W</source>
        <translation>Power-LED 1W</translation>
    </message>
    <message>
        <source>Multichip LED 3.5 W</source>
        <translation>Multichip LED 3.5 W</translation>
    </message>
    <message>
        <source>Constant volt.</source>
        <translation>Konstantspann.</translation>
    </message>
    <message>
        <source>3mm LED</source>
        <translation>3-mm-LED</translation>
    </message>
    <message>
        <source>Multichip LED 0.3 W</source>
        <translation>Multichip LED 0.3 W</translation>
    </message>
    <message>
        <source>Const. Curr. 700mA</source>
        <translation>Konstantstr. 700mA</translation>
    </message>
    <message>
        <source>Multichipled 7,5 W</source>
        <translation>Multichip-LED 7,5 W</translation>
    </message>
    <message>
        <source>5mm LED</source>
        <translation>5-mm-LED</translation>
    </message>
    <message>
        <source>Constant curr.</source>
        <translation>Konstantstrom</translation>
    </message>
    <message>
        <source>Multichip LED 5 mm</source>
        <translation>Multichip LED 5 mm</translation>
    </message>
    <message>
        <source>RGB Passive Fixtures</source>
        <translation>Passive RGB-Leuchten</translation>
    </message>
    <message>
        <source>Max. Power</source>
        <translation>Max. Leistung</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>RGB Intelligent Fixtures dip-switch settable</source>
        <translation>Intelligente RGB-Leuchten, per DIP-Schalter einstellbar</translation>
    </message>
    <message>
        <source>DOR Intelligent Fixtures dip-switch settable</source>
        <translation>Intelligente DOR-Leuchten, per DIP-Schalter einstellbar</translation>
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
        <translation>Farben, von links nach rechts</translation>
    </message>
</context>
</TS>
