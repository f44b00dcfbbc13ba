<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardActions</name>
    <message>
        <source>Budget report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label for the report (e.g. &quot;Shop 2, window&quot;), may be empty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label for the card (e.g. &quot;Bar 3, left&quot;), may be empty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was made: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardWriter</name>
    <message>
        <source>Could not save %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image could not be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX address: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown device &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--out FILE.pdf|.png|.txt is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--label: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the card to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count %1: give OUTPUT:FIXTURE=N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count %1: the output is CC1, CC2, CV1 or CV2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count %1: no such fixture on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count %1: this controller has no %2 output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown controller &apos;%1&apos;: orvo75 or orvo36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the report to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of this run: de, en, es, fr, it or nl (the desktop&apos;s otherwise).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (see &apos;%1 --help&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VELANTRA configuration tools: DIP-switch settings, power budgets and data
sheets for DMX LED lighting. Without a command it opens the main window on
the display (a desktop session, or xvfb-run).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &lt;command&gt; [options] [arguments]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1 &lt;command&gt; --help&apos; shows the options of a command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --check and --cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cards %1: the file name must end in .pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan file name is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DipBank</name>
    <message>
        <source>Lever %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levers ON: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DipConfigurator</name>
    <message>
        <source>4-lever bank, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>VELANTRA configuration tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO 75</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dip-switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO 36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO FLUO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dip-Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligent Fixt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nembra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master funct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy run (RGB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atm. Tunes (DOR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK VELANTRA configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aut. T.Zelvaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver 5.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO 75 dip-switch configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO 36 dip-switch configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO FLUO / Nembra dip-switch configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligent fixture configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOR fixture configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red indicator lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green indicator lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotary knob</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotary knob groove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext. pushbotton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res. 120 ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Ch </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmosphere tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCT 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120 ohm resistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO power configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spare box, counts nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC2 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC1 mA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline of the total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Out CV 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Out CV 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power CC 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power CC 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot. led CC 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot. led CC 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constant Voltage Outputs (CV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constant Current Outputs (CC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORVO 36 power configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC2 curr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC curr.(mA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline of the CV outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot. led </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constant Current Output (CC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy run menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive fixtures data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligent RGB fixtures data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOR Intelligent fixtures data </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmospehre tunes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in shows and their colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show play-back speeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! ERROR !  DMX address: 1 - 511</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total nominal power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total average power</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Max 6 led / colour on each constant current output !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max 6 led / colour on each constant current output ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 75 W !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 36 W !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Start + channels − 1; at most 512.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch choice); for the other devices the program does not know the count: type it (1–512), it is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start address, 1–511. A device in master mode takes none.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>LEDs per colour, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power %1, watts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, no fixture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 count, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the first count box of an output: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the limit of %1 LEDs per colour on one output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the limit of %1 watts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, watts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigPlanWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort by address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address &amp;from…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode and options…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print cards…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save cards as &amp;PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as &amp;text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan cannot be opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open rig plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save rig plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consecutive addresses for the selected rows (all rows when none is selected), starting at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configurator cannot show this row.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cards were made.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cards were not saved.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowOptionsDialog</name>
    <message>
        <source>Mode and options: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120 ohm terminator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext. pushbutton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window&apos;s preset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
