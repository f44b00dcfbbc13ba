<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardActions</name>
    <message>
        <source>Budget report</source>
        <translation>Bilan de puissance</translation>
    </message>
    <message>
        <source>Setting card</source>
        <translation>Fiche de réglage</translation>
    </message>
    <message>
        <source>Label for the report (e.g. &quot;Shop 2, window&quot;), may be empty:</source>
        <translation>Repère du bilan (p. ex. « Magasin 2, vitrine »), peut rester vide :</translation>
    </message>
    <message>
        <source>Label for the card (e.g. &quot;Bar 3, left&quot;), may be empty:</source>
        <translation>Repère de la fiche (p. ex. « Perche 3, gauche »), peut rester vide :</translation>
    </message>
    <message>
        <source>Nothing was made: %1.</source>
        <translation>Rien n&apos;a été créé : %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Copié en texte</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copier en texte</translation>
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
        <translation>Impossible d&apos;enregistrer %1 : %2.</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Fiches de réglage</translation>
    </message>
    <message>
        <source>the image could not be made</source>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
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
        <translation>Date : </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Mode : </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>DMX address: </source>
        <translation>Adresse DMX : </translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Options : </translation>
    </message>
    <message>
        <source>Limit exceeded: %1</source>
        <translation>Limite dépassée : %1</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Bloc de 12 leviers</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Bloc de 4 leviers</translation>
    </message>
    <message>
        <source>the label holds a control character</source>
        <translation>le repère contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the label is longer than %1 characters</source>
        <translation>le repère dépasse %1 caractères</translation>
    </message>
    <message>
        <source>CC #%1 drives %2 LEDs per colour, more than the %3 one output allows.</source>
        <translation>CC #%1 alimente %2 LED par couleur, plus que les %3 qu&apos;une sortie permet.</translation>
    </message>
    <message>
        <source>The total power, %1 W, is more than the %2 W the controller gives.</source>
        <translation>La puissance totale, %1 W, dépasse les %2 W que fournit le contrôleur.</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Repère : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Mode : %1</translation>
    </message>
    <message>
        <source> — counted as %1</source>
        <translation> — compté comme %1</translation>
    </message>
    <message>
        <source>no fixtures</source>
        <translation>aucun luminaire</translation>
    </message>
    <message>
        <source>LEDs per colour: %1</source>
        <translation>LED par couleur : %1</translation>
    </message>
    <message>
        <source>Power: %1 W</source>
        <translation>Puissance : %1 W</translation>
    </message>
    <message>
        <source>Limits exceeded: none</source>
        <translation>Limites dépassées : aucune</translation>
    </message>
    <message>
        <source>Levers ON: %1</source>
        <translation>Leviers sur ON : %1</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Repère :</translation>
    </message>
    <message>
        <source>DMX address: %1</source>
        <translation>Adresse DMX : %1</translation>
    </message>
    <message>
        <source>Options: %1</source>
        <translation>Options : %1</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Bloc de %1 leviers</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Luminaire</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Can.</translation>
    </message>
    <message>
        <source>Levers ON</source>
        <translation>Leviers sur ON</translation>
    </message>
    <message>
        <source>1 fixture</source>
        <translation>1 luminaire</translation>
    </message>
    <message>
        <source>%1 fixtures</source>
        <translation>%1 luminaires</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (suite)</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, page %2</translation>
    </message>
    <message>
        <source>DMX address %1 is beyond what the levers hold: 1 to %2</source>
        <translation>l&apos;adresse DMX %1 dépasse ce que portent les leviers : 1 à %2</translation>
    </message>
    <message>
        <source>lever %1 is no named function lever</source>
        <translation>le levier %1 n&apos;est pas un levier de fonction nommé</translation>
    </message>
    <message>
        <source>Channels: %1, block %2–%3</source>
        <translation>Canaux : %1, bloc %2–%3</translation>
    </message>
    <message>
        <source>Warning: the block runs past %1, to %2</source>
        <translation>Attention : le bloc dépasse %1, jusqu&apos;à %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown device &apos;%1&apos;: %2</source>
        <translation>appareil inconnu « %1 » : %2</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>--%1 attend un nombre entier, pas « %2 »</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Un maître n&apos;a pas d&apos;adresse DMX.</translation>
    </message>
    <message>
        <source>--out FILE.pdf|.png|.txt is required</source>
        <translation>--out FICHIER.pdf|.png|.txt est obligatoire</translation>
    </message>
    <message>
        <source>--label: </source>
        <translation>--label: </translation>
    </message>
    <message>
        <source>Could not write the card to standard output.</source>
        <translation>Impossible d&apos;écrire la fiche sur la sortie standard.</translation>
    </message>
    <message>
        <source>--count %1: give OUTPUT:FIXTURE=N</source>
        <translation>--count %1 : indiquer SORTIE:LUMINAIRE=N</translation>
    </message>
    <message>
        <source>--count %1: the output is CC1, CC2, CV1 or CV2</source>
        <translation>--count %1 : la sortie est CC1, CC2, CV1 ou CV2</translation>
    </message>
    <message>
        <source>--count %1: no such fixture on %2</source>
        <translation>--count %1 : pas de tel luminaire sur %2</translation>
    </message>
    <message>
        <source>--count %1: this controller has no %2 output</source>
        <translation>--count %1 : ce contrôleur n&apos;a pas de sortie %2</translation>
    </message>
    <message>
        <source>unknown controller &apos;%1&apos;: orvo75 or orvo36</source>
        <translation>contrôleur inconnu « %1 » : orvo75 ou orvo36</translation>
    </message>
    <message>
        <source>Could not write the report to standard output.</source>
        <translation>Impossible d&apos;écrire le bilan sur la sortie standard.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>The language of this run: de, en, es, fr, it or nl (the desktop&apos;s otherwise).</source>
        <translation>La langue de cette exécution : de, en, es, fr, it ou nl (sinon celle du bureau).</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>%1: %2 (see &apos;%1 --help&apos;)</source>
        <translation>%1 : %2 (voir « %1 --help »)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>VELANTRA configuration tools: DIP-switch settings, power budgets and data
sheets for DMX LED lighting. Without a command it opens the main window on
the display (a desktop session, or xvfb-run).</source>
        <translation>VELANTRA configuration tools : réglages des dip-switchs, bilans de puissance et
fiches techniques pour l&apos;éclairage LED DMX. Sans commande, il ouvre la fenêtre
principale à l&apos;écran (une session de bureau, ou xvfb-run).</translation>
    </message>
    <message>
        <source>%1 &lt;command&gt; [options] [arguments]</source>
        <translation>%1 &lt;commande&gt; [options] [arguments]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>&apos;%1 &lt;command&gt; --help&apos; shows the options of a command.</source>
        <translation>« %1 &lt;commande&gt; --help » affiche les options d&apos;une commande.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>the plan file name is empty</source>
        <translation>le nom du fichier du plan est vide</translation>
    </message>
    <message>
        <source>--out %1: the file name must end in .pdf, .png or .txt, or be - for the text on standard output</source>
        <translation>--out %1 : le nom du fichier doit finir par .pdf, .png ou .txt, ou être - pour le texte sur la sortie standard</translation>
    </message>
    <message>
        <source>DMX start address, 1 to 511 (DMX mode; default 1)</source>
        <translation>Adresse DMX de départ, 1 à 511 (mode DMX ; 1 par défaut)</translation>
    </message>
    <message>
        <source>Stand-alone master mode instead of DMX slave</source>
        <translation>Mode maître autonome au lieu d&apos;esclave DMX</translation>
    </message>
    <message>
        <source>The 120 ohm line terminator ON (DMX mode)</source>
        <translation>La terminaison de ligne 120 ohms sur ON (mode DMX)</translation>
    </message>
    <message>
        <source>The external pushbutton ON (orvo75, orvo36, fluo; master mode)</source>
        <translation>Le bouton-poussoir externe sur ON (orvo75, orvo36, fluo ; mode maître)</translation>
    </message>
    <message>
        <source>1-100 % modulation ON (fluo)</source>
        <translation>Modulation 1-100 % sur ON (fluo)</translation>
    </message>
    <message>
        <source>Free text on the card&apos;s Label line, e.g. &quot;Bar 3, left&quot;</source>
        <translation>Texte libre sur la ligne Repère de la fiche, p. ex. « Perche 3, gauche »</translation>
    </message>
    <message>
        <source>The file to write: .pdf, .png or .txt; - writes the text to standard output</source>
        <translation>Le fichier à écrire : .pdf, .png ou .txt ; - écrit le texte sur la sortie standard</translation>
    </message>
    <message>
        <source>Writes a device&apos;s setting card (its DIP switches) as PDF, PNG or text</source>
        <translation>Écrit la fiche de réglage d&apos;un appareil (ses dip-switchs) en PDF, PNG ou texte</translation>
    </message>
    <message>
        <source>orvo75 (75 W) or orvo36 (36 W)</source>
        <translation>orvo75 (75 W) ou orvo36 (36 W)</translation>
    </message>
    <message>
        <source>A count as typed into the grid: OUTPUT:FIXTURE=N, the output CC1, CC2, CV1 or CV2 (CC only on the orvo36), the fixture by its name or grid row 1 to 14, e.g. &quot;CC1:Pomra RGB=2&quot;; repeat for more</source>
        <translation>Un nombre tel que saisi dans la grille : SORTIE:LUMINAIRE=N, la sortie CC1, CC2, CV1 ou CV2 (CC seulement sur l&apos;orvo36), le luminaire par son nom ou sa ligne 1 à 14, p. ex. « CC1:Pomra RGB=2 » ; répéter pour d&apos;autres</translation>
    </message>
    <message>
        <source>Average power instead of nominal power</source>
        <translation>Puissance moyenne au lieu de la puissance nominale</translation>
    </message>
    <message>
        <source>Free text on the report&apos;s Label line, e.g. &quot;Shop 2, window&quot;</source>
        <translation>Texte libre sur la ligne Repère du bilan, p. ex. « Magasin 2, vitrine »</translation>
    </message>
    <message>
        <source>Writes a power budget report as PDF, PNG or text</source>
        <translation>Écrit un bilan de puissance en PDF, PNG ou texte</translation>
    </message>
    <message>
        <source>velantra: cannot open a display; run it in a desktop session or under xvfb-run</source>
        <translation>velantra : aucun écran disponible ; lancer dans une session de bureau ou sous xvfb-run</translation>
    </message>
    <message>
        <source>Print the plan&apos;s problems; exit status 1 when there is any.</source>
        <translation>Afficher les problèmes du plan ; code de sortie 1 s&apos;il y en a.</translation>
    </message>
    <message>
        <source>%1: %2 rows, %3</source>
        <translation>%1 : %2 lignes, %3</translation>
    </message>
    <message>
        <source>Channel count, 3 or 6 (orvo75; DMX mode)</source>
        <translation>Nombre de canaux, 3 ou 6 (orvo75 ; mode DMX)</translation>
    </message>
    <message>
        <source>Speed 0 to 4 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Vitesse 0 à 4 (orvo75, orvo36, fluo, intell ; mode maître)</translation>
    </message>
    <message>
        <source>Show 0 to 15 (orvo75, orvo36, fluo, intell; master mode)</source>
        <translation>Show 0 à 15 (orvo75, orvo36, fluo, intell ; mode maître)</translation>
    </message>
    <message>
        <source>Colour-temperature tune CCT 0 to 9 (dor; master mode)</source>
        <translation>Ambiance de température de couleur CCT 0 à 9 (dor ; mode maître)</translation>
    </message>
    <message>
        <source>no power window for %1</source>
        <translation>pas de fenêtre de puissance pour %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>The rig plan (a .json file) or a patch list (a .csv file).</source>
        <translation>Le plan de feux (un fichier .json) ou une liste de patch (un fichier .csv).</translation>
    </message>
    <message>
        <source>Write the plan as a patch list (CSV) for a lighting console.</source>
        <translation>Écrire le plan comme liste de patch (CSV) pour une console lumière.</translation>
    </message>
    <message>
        <source>%1: %2 rows on %3 universes, %4</source>
        <translation>%1 : %2 lignes sur %3 univers, %4</translation>
    </message>
    <message>
        <source>The levers ON, e.g. 3,4,6,9,11 (our device&apos;s 12-lever bank), or none; with --levers the only argument</source>
        <translation>Les leviers sur ON, p. ex. 3,4,6,9,11 (bloc de 12 leviers de notre appareil), ou none ; avec --levers le seul argument</translation>
    </message>
    <message>
        <source>The levers ON of the device&apos;s 4-lever bank, e.g. 1</source>
        <translation>Les leviers sur ON du bloc de 4 leviers de l&apos;appareil, p. ex. 1</translation>
    </message>
    <message>
        <source>Another maker&apos;s fixture: the levers of its bank, 8 to 12</source>
        <translation>Luminaire d&apos;un autre fabricant : les leviers de son bloc, 8 à 12</translation>
    </message>
    <message>
        <source>The lever of the lowest address bit: 1 or the last address lever</source>
        <translation>Le levier du bit d&apos;adresse de poids faible : 1 ou le dernier levier d&apos;adresse</translation>
    </message>
    <message>
        <source>The levers hold the address - 1</source>
        <translation>Les leviers portent l&apos;adresse - 1</translation>
    </message>
    <message>
        <source>ON is the lower side of the bank (the levers given are those at ON either way)</source>
        <translation>ON est le côté bas du bloc (les leviers donnés sont de toute façon ceux sur ON)</translation>
    </message>
    <message>
        <source>A function lever after the address levers and its name, e.g. 10:stand-alone</source>
        <translation>Un levier de fonction après les leviers d&apos;adresse et son nom, p. ex. 10:stand-alone</translation>
    </message>
    <message>
        <source>missing &lt;levers&gt;: the levers ON, or none</source>
        <translation>&lt;levers&gt; manquant : les leviers sur ON, ou none</translation>
    </message>
    <message>
        <source>--%1 goes with --levers</source>
        <translation>--%1 va avec --levers</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1 : pas de bloc de 4 leviers</translation>
    </message>
    <message>
        <source>--four-bank: </source>
        <translation>--four-bank : </translation>
    </message>
    <message>
        <source>--levers reads a fixture of another maker: give only the levers ON, no device</source>
        <translation>--levers lit un luminaire d&apos;un autre fabricant : ne donner que les leviers sur ON, pas d&apos;appareil</translation>
    </message>
    <message>
        <source>--four-bank is for our devices, not with --levers</source>
        <translation>--four-bank est pour nos appareils, pas avec --levers</translation>
    </message>
    <message>
        <source>--function %1: give the lever and its name, e.g. 10:stand-alone</source>
        <translation>--function %1 : donner le levier et son nom, p. ex. 10:stand-alone</translation>
    </message>
    <message>
        <source>Reads DIP levers back: the DMX address, mode and options they set, and what is wrong with them</source>
        <translation>Relit des leviers de dip-switch : l&apos;adresse DMX, le mode et les options qu&apos;ils règlent, et ce qui ne va pas</translation>
    </message>
    <message>
        <source>Write the setting cards of the rows, six to a page with cut marks, to a PDF file.</source>
        <translation>Écrire les fiches de réglage des lignes, six par page avec traits de coupe, dans un fichier PDF.</translation>
    </message>
    <message>
        <source>Write the patch sheet (the rows&apos; blocks and levers, universe by universe) to a PDF file.</source>
        <translation>Écrire la feuille de patch (blocs et leviers des lignes, univers par univers) dans un fichier PDF.</translation>
    </message>
    <message>
        <source>The paper of --cards and --patch-sheet: a4 (the default) or letter.</source>
        <translation>Le papier de --cards et --patch-sheet : a4 (par défaut) ou letter.</translation>
    </message>
    <message>
        <source>give --check, or any of --cards, --patch-sheet and --csv</source>
        <translation>indiquer --check, ou l&apos;une ou plusieurs de --cards, --patch-sheet et --csv</translation>
    </message>
    <message>
        <source>--%1 %2: the file name must end in .%3</source>
        <translation>--%1 %2 : le nom du fichier doit finir par .%3</translation>
    </message>
    <message>
        <source>--paper %1: a4 or letter</source>
        <translation>--paper %1 : a4 ou letter</translation>
    </message>
    <message>
        <source>--paper goes with --cards or --patch-sheet</source>
        <translation>--paper va avec --cards ou --patch-sheet</translation>
    </message>
    <message>
        <source>Check a rig plan or patch list, write its setting cards or patch sheet to PDF files, or write it as a patch list.</source>
        <translation>Vérifier un plan de feux ou une liste de patch, écrire ses fiches de réglage ou sa feuille de patch en PDF, ou l&apos;écrire comme liste de patch.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import patch list %1</source>
        <translation>Importer la liste de patch %1</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(non lu)</translation>
    </message>
    <message>
        <source>Column %1 “%2”:</source>
        <translation>Colonne %1 « %2 » :</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Colonne %1 :</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Univers</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Luminaire</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Ce que contient chaque colonne :</translation>
    </message>
    <message>
        <source>&amp;Preview (the first %1 rows):</source>
        <translation>&amp;Aperçu (les %1 premières lignes) :</translation>
    </message>
    <message>
        <source>Lines &amp;left out:</source>
        <translation>Lignes &amp;omises :</translation>
    </message>
    <message>
        <source>Rows: %1. Fixture types: %2. Lines left out: %3.</source>
        <translation>Lignes : %1. Types de luminaire : %2. Lignes omises : %3.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>The %1 has no channel count choice.</source>
        <translation>%1 : pas de choix du nombre de canaux.</translation>
    </message>
    <message>
        <source>The %1 has no external pushbutton.</source>
        <translation>%1 : pas de bouton-poussoir externe.</translation>
    </message>
    <message>
        <source>The %1 has no speed choice.</source>
        <translation>%1 : pas de choix de vitesse.</translation>
    </message>
    <message>
        <source>The %1 has no show choice.</source>
        <translation>%1 : pas de choix de show.</translation>
    </message>
    <message>
        <source>The %1 has no tune choice.</source>
        <translation>%1 : pas de choix d&apos;ambiance.</translation>
    </message>
    <message>
        <source>The %1 has no modulation choice.</source>
        <translation>%1 : pas de choix de modulation.</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to 511.</source>
        <translation>L&apos;adresse DMX %1 est hors plage : 1 à 511.</translation>
    </message>
    <message>
        <source>Channel count %1 is not offered: 3 or 6.</source>
        <translation>Le nombre de canaux %1 n&apos;est pas proposé : 3 ou 6.</translation>
    </message>
    <message>
        <source>Speed %1 is out of range: 0 to %2.</source>
        <translation>La vitesse %1 est hors plage : 0 à %2.</translation>
    </message>
    <message>
        <source>Show %1 is out of range: 0 to %2.</source>
        <translation>Le show %1 est hors plage : 0 à %2.</translation>
    </message>
    <message>
        <source>Tune %1 is out of range: 0 to %2.</source>
        <translation>L&apos;ambiance %1 est hors plage : 0 à %2.</translation>
    </message>
    <message>
        <source>A master takes no DMX address.</source>
        <translation>Un maître n&apos;a pas d&apos;adresse DMX.</translation>
    </message>
    <message>
        <source>The channel count is a DMX-mode choice, not a master one.</source>
        <translation>Le nombre de canaux est un choix du mode DMX, pas du mode maître.</translation>
    </message>
    <message>
        <source>The 120 ohm terminator is a DMX-mode choice, not a master one.</source>
        <translation>La terminaison 120 ohms est un choix du mode DMX, pas du mode maître.</translation>
    </message>
    <message>
        <source>The external pushbutton is a master-mode choice.</source>
        <translation>Le bouton-poussoir externe est un choix du mode maître.</translation>
    </message>
    <message>
        <source>The tune is a master-mode choice.</source>
        <translation>L&apos;ambiance est un choix du mode maître.</translation>
    </message>
    <message>
        <source>The speed is a master-mode choice.</source>
        <translation>La vitesse est un choix du mode maître.</translation>
    </message>
    <message>
        <source>The show is a master-mode choice.</source>
        <translation>Le show est un choix du mode maître.</translation>
    </message>
    <message>
        <source>intelligent RGB fixture</source>
        <translation>luminaire RGB intelligent</translation>
    </message>
    <message>
        <source>DOR fixture</source>
        <translation>luminaire DOR</translation>
    </message>
    <message>
        <source>a bank has 8 to 12 levers</source>
        <translation>un bloc a de 8 à 12 leviers</translation>
    </message>
    <message>
        <source>the lowest bit is on lever 1 or on lever %1</source>
        <translation>le bit de poids faible est sur le levier 1 ou sur le levier %1</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: those are levers %2 to %3</source>
        <translation>le levier %1 n&apos;est pas un levier de fonction : ce sont les leviers %2 à %3</translation>
    </message>
    <message>
        <source>lever %1 is not a function lever: every lever carries the address</source>
        <translation>le levier %1 n&apos;est pas un levier de fonction : chaque levier porte l&apos;adresse</translation>
    </message>
    <message>
        <source>lever %1 is named twice</source>
        <translation>le levier %1 est nommé deux fois</translation>
    </message>
    <message>
        <source>lever %1 has no name</source>
        <translation>le levier %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>aucun levier d&apos;adresse sur ON : l&apos;adresse 0 n&apos;est pas une adresse DMX</translation>
    </message>
    <message>
        <source>address %1 is beyond the last DMX channel, 512</source>
        <translation>l&apos;adresse %1 dépasse le dernier canal DMX, 512</translation>
    </message>
    <message>
        <source>the bank has no lever %1: it has %2</source>
        <translation>le bloc n&apos;a pas de levier %1 : il en a %2</translation>
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
        <translation>Leviers sur ON : </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Lever %1 of %2: %3</source>
        <translation>Levier %1 sur %2 : %3</translation>
    </message>
</context>
<context>
    <name>DipConfigurator</name>
    <message>
        <source>4-lever bank, </source>
        <translation>bloc de 4 leviers, </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c&apos;est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est une socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation>seuls %1 octets sur %2 ont pu être écrits</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
</context>
<context>
    <name>FixtureTypesDialog</name>
    <message>
        <source>“%1” is not a lever and its name, such as “10: stand-alone”.</source>
        <translation>« %1 » n&apos;est pas un levier et son nom, comme « 10: stand-alone ».</translation>
    </message>
    <message>
        <source>&amp;Address levers</source>
        <translation>Leviers d&apos;&amp;adresse</translation>
    </message>
    <message>
        <source>New fixture type</source>
        <translation>Nouveau type de luminaire</translation>
    </message>
    <message>
        <source>Edit fixture type</source>
        <translation>Modifier le type de luminaire</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Fabricant et modèle</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>The address</source>
        <translation>L&apos;adresse</translation>
    </message>
    <message>
        <source>The address − 1</source>
        <translation>L&apos;adresse − 1</translation>
    </message>
    <message>
        <source>10: stand-alone; 11: test</source>
        <translation>10 : autonome ; 11 : test</translation>
    </message>
    <message>
        <source>&amp;Levers in the bank:</source>
        <translation>&amp;Leviers du bloc :</translation>
    </message>
    <message>
        <source>Lowest &amp;bit on:</source>
        <translation>&amp;Bit de poids faible sur :</translation>
    </message>
    <message>
        <source>&amp;ON is:</source>
        <translation>&amp;ON est :</translation>
    </message>
    <message>
        <source>The levers &amp;hold:</source>
        <translation>Les leviers &amp;portent :</translation>
    </message>
    <message>
        <source>&amp;Function levers:</source>
        <translation>Leviers de &amp;fonction :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canaux :</translation>
    </message>
    <message>
        <source>Lever 1</source>
        <translation>Levier 1</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Levier %1</translation>
    </message>
    <message>
        <source>Fixture types</source>
        <translation>Types de luminaire</translation>
    </message>
    <message>
        <source>Fixture &amp;types of this plan:</source>
        <translation>&amp;Types de luminaire de ce plan :</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>The fixture type “%1” is in use and is not deleted.
Used by: %2.</source>
        <translation>Le type de luminaire « %1 » est utilisé et n&apos;est pas supprimé.
Utilisé par : %2.</translation>
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
        <translation>Quitter</translation>
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
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
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
        <translation>Lum. intell.</translation>
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
        <translation>Fct. maître</translation>
    </message>
    <message>
        <source>Easy run (RGB)</source>
        <translation>Easy run (RGB)</translation>
    </message>
    <message>
        <source>Atm. Tunes (DOR)</source>
        <translation>Ambiances (DOR)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Plan de feux</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>MORANDEL BRANVIK VELANTRA configurator</source>
        <translation>Configurateur MORANDEL BRANVIK VELANTRA</translation>
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
        <translation>Configurateur dip-switch ORVO 75</translation>
    </message>
    <message>
        <source>ORVO 36 dip-switch configurator</source>
        <translation>Configurateur dip-switch ORVO 36</translation>
    </message>
    <message>
        <source>ORVO FLUO / Nembra dip-switch configurator</source>
        <translation>Configurateur dip-switch ORVO FLUO / Nembra</translation>
    </message>
    <message>
        <source>Intelligent fixture configurator</source>
        <translation>Configurateur luminaires intelligents</translation>
    </message>
    <message>
        <source>DOR fixture configurator</source>
        <translation>Configurateur luminaires DOR</translation>
    </message>
    <message>
        <source>DMX address</source>
        <translation>Adresse DMX</translation>
    </message>
    <message>
        <source>Device outline</source>
        <translation>Contour de l&apos;appareil</translation>
    </message>
    <message>
        <source>Red indicator lamp</source>
        <translation>Voyant rouge</translation>
    </message>
    <message>
        <source>Green indicator lamp</source>
        <translation>Voyant vert</translation>
    </message>
    <message>
        <source>Rotary knob</source>
        <translation>Bouton rotatif</translation>
    </message>
    <message>
        <source>Rotary knob groove</source>
        <translation>Encoche du bouton rotatif</translation>
    </message>
    <message>
        <source>Ext. pushbotton</source>
        <translation>Poussoir ext.</translation>
    </message>
    <message>
        <source>Shows</source>
        <translation>Shows</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (esclave)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Vitesses</translation>
    </message>
    <message>
        <source>DMX mode</source>
        <translation>Mode DMX</translation>
    </message>
    <message>
        <source>Res. 120 ohm</source>
        <translation>Term. 120 Ω</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Mode maître</translation>
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
        <translation>Modulation 1-100 %</translation>
    </message>
    <message>
        <source>Atmosphere tune</source>
        <translation>Ambiance</translation>
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
        <translation>Résist. 120 Ω</translation>
    </message>
    <message>
        <source>ORVO power configurator</source>
        <translation>Configurateur de puissance ORVO</translation>
    </message>
    <message>
        <source>Spare box, counts nothing</source>
        <translation>Case de réserve, ne compte rien</translation>
    </message>
    <message>
        <source>CC2 mA</source>
        <translation>CC2 mA</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Puiss. moyenne</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Puiss. nominale</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>CC1 mA.</source>
        <translation>CC1 mA.</translation>
    </message>
    <message>
        <source>Outline of the total</source>
        <translation>Contour du total</translation>
    </message>
    <message>
        <source>Power Out CV 1</source>
        <translation>Puiss. CV 1</translation>
    </message>
    <message>
        <source>Power Out CV 2</source>
        <translation>Puiss. CV 2</translation>
    </message>
    <message>
        <source>Power CC 2</source>
        <translation>Puiss. CC 2</translation>
    </message>
    <message>
        <source>Power CC 1</source>
        <translation>Puiss. CC 1</translation>
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
        <translation>Sorties tension constante (CV)</translation>
    </message>
    <message>
        <source>Constant Current Outputs (CC)</source>
        <translation>Sorties courant constant (CC)</translation>
    </message>
    <message>
        <source>ORVO 36 power configurator</source>
        <translation>Configurateur de puissance ORVO 36</translation>
    </message>
    <message>
        <source>CC2 curr.</source>
        <translation>Cour. CC2</translation>
    </message>
    <message>
        <source>CC curr.(mA)</source>
        <translation>Cour.CC(mA)</translation>
    </message>
    <message>
        <source>Outline of the CV outputs</source>
        <translation>Contour des sorties CV</translation>
    </message>
    <message>
        <source>Tot. led </source>
        <translation>Tot. LED </translation>
    </message>
    <message>
        <source>Constant Current Output (CC)</source>
        <translation>Sortie courant constant (CC)</translation>
    </message>
    <message>
        <source>Easy run menu</source>
        <translation>Menu Easy run</translation>
    </message>
    <message>
        <source>Passive fixtures data</source>
        <translation>Données des luminaires passifs</translation>
    </message>
    <message>
        <source>Intelligent RGB fixtures data</source>
        <translation>Données des luminaires RGB intelligents</translation>
    </message>
    <message>
        <source>DOR Intelligent fixtures data </source>
        <translation>Données des luminaires intelligents DOR</translation>
    </message>
    <message>
        <source>Atmospehre tunes</source>
        <translation>Ambiances</translation>
    </message>
    <message>
        <source>Built-in shows and their colours</source>
        <translation>Shows intégrés et leurs couleurs</translation>
    </message>
    <message>
        <source>Show play-back speeds</source>
        <translation>Vitesses de lecture des shows</translation>
    </message>
    <message>
        <source>! ERROR !  DMX address: 1 - 511</source>
        <translation>! ERREUR !  Adresse DMX : 1 - 511</translation>
    </message>
    <message>
        <source>Speed 0</source>
        <translation>Vitesse 0</translation>
    </message>
    <message>
        <source>Speed 1</source>
        <translation>Vitesse 1</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Vitesse 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Vitesse 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Vitesse 4</translation>
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
        <translation>Puiss. nominale totale</translation>
    </message>
    <message>
        <source>Total average power</source>
        <translation>Puiss. moyenne totale</translation>
    </message>
    <message>
        <source>12-lever DIP-switch bank</source>
        <translation>Bloc dip-switch de 12 leviers</translation>
    </message>
    <message>
        <source>4-lever DIP-switch bank</source>
        <translation>Bloc dip-switch de 4 leviers</translation>
    </message>
    <message>
        <source>Read levers</source>
        <translation>Lire les leviers</translation>
    </message>
</context>
<context>
    <name>Levers</name>
    <message>
        <source>lever %1 of the 4-lever bank</source>
        <translation>levier %1 du bloc de 4 leviers</translation>
    </message>
    <message>
        <source>lever %1 of the 12-lever bank</source>
        <translation>levier %1 du bloc de 12 leviers</translation>
    </message>
    <message>
        <source>lever %1</source>
        <translation>levier %1</translation>
    </message>
    <message>
        <source>the 12-lever bank has no lever %1</source>
        <translation>le bloc de 12 leviers n&apos;a pas de levier %1</translation>
    </message>
    <message>
        <source>the %1 has no 4-lever bank</source>
        <translation>%1 : pas de bloc de 4 leviers</translation>
    </message>
    <message>
        <source>the 4-lever bank has no lever %1</source>
        <translation>le bloc de 4 leviers n&apos;a pas de levier %1</translation>
    </message>
    <message>
        <source>in master mode</source>
        <translation>en mode maître</translation>
    </message>
    <message>
        <source>in DMX mode</source>
        <translation>en mode DMX</translation>
    </message>
    <message>
        <source>%1 must be OFF %2</source>
        <translation>%1 doit être sur OFF %2</translation>
    </message>
    <message>
        <source>%1 must be ON %2</source>
        <translation>%1 doit être sur ON %2</translation>
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
        <translation>%1 : aucun réglage %2 n&apos;a cela avec les autres leviers tels qu&apos;ils sont</translation>
    </message>
    <message>
        <source>no address lever is ON: address 0 is no DMX address</source>
        <translation>aucun levier d&apos;adresse sur ON : l&apos;adresse 0 n&apos;est pas une adresse DMX</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>DMX address %1</source>
        <translation>Adresse DMX %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lever number: give the levers ON as 3,4,6</source>
        <translation>« %1 » n&apos;est pas un numéro de levier : donner les leviers sur ON comme 3,4,6</translation>
    </message>
    <message>
        <source>lever %1: the bank has levers 1 to %2</source>
        <translation>levier %1 : le bloc a les leviers 1 à %2</translation>
    </message>
    <message>
        <source>lever %1 is given twice</source>
        <translation>le levier %1 est donné deux fois</translation>
    </message>
    <message>
        <source>Lever %1</source>
        <translation>Levier %1</translation>
    </message>
    <message>
        <source>Lever %1: ON</source>
        <translation>Levier %1 : ON</translation>
    </message>
    <message>
        <source>Lever %1: OFF</source>
        <translation>Levier %1 : OFF</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problème : %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Max 6 led / colour on each constant current output !</source>
        <translation>Max 6 LED / couleur sur chaque sortie à courant constant !</translation>
    </message>
    <message>
        <source>Max 6 led / colour on each constant current output ! </source>
        <translation>Max 6 LED / couleur sur chaque sortie à courant constant ! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 75 W !!!</source>
        <translation>PUISSANCE TOTALE &gt; 75 W !!!</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output !</source>
        <translation>Max 9 LED / couleur sur chaque sortie à courant constant !</translation>
    </message>
    <message>
        <source>Max 9 led / colour on each constant current output ! </source>
        <translation>Max 9 LED / couleur sur chaque sortie à courant constant ! </translation>
    </message>
    <message>
        <source>TOTAL POWER &gt; 36 W !!!</source>
        <translation>PUISSANCE TOTALE &gt; 36 W !!!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>The plan has no rows.</source>
        <translation>Le plan n&apos;a aucune ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>« %1 » doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>« %1 » doit être true ou false</translation>
    </message>
    <message>
        <source>&quot;device&quot; must be one of %1</source>
        <translation>« device » doit être l&apos;un de %1</translation>
    </message>
    <message>
        <source>&quot;mode&quot; must be &quot;dmx&quot; or &quot;master&quot;</source>
        <translation>« mode » doit être « dmx » ou « master »</translation>
    </message>
    <message>
        <source>a row in DMX mode needs an &quot;address&quot;</source>
        <translation>une ligne en mode DMX demande une « address »</translation>
    </message>
    <message>
        <source>&quot;channels&quot; does not apply in master mode on the %1</source>
        <translation>« channels » ne s&apos;applique pas en mode maître pour %1</translation>
    </message>
    <message>
        <source>&quot;channels&quot; of the %1 must be 3 or 6</source>
        <translation>« channels » doit être 3 ou 6 pour %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to the %2 in %3 mode</source>
        <translation>« %1 » ne s&apos;applique pas à %2 en mode %3</translation>
    </message>
    <message>
        <source>the file is larger than any plan (%1 bytes)</source>
        <translation>le fichier est plus grand que tout plan (%1 octets)</translation>
    </message>
    <message>
        <source>not a plan file: the JSON text is broken at byte %1 (%2)</source>
        <translation>pas un fichier de plan : le texte JSON est rompu à l&apos;octet %1 (%2)</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>« %1 » est donné deux fois</translation>
    </message>
    <message>
        <source>not a rig plan: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>pas un plan de feux : « format » doit être « %1 »</translation>
    </message>
    <message>
        <source>(missing or not a number)</source>
        <translation>(absente ou pas un nombre)</translation>
    </message>
    <message>
        <source>unknown entry &quot;%1&quot;</source>
        <translation>entrée inconnue « %1 »</translation>
    </message>
    <message>
        <source>&quot;rows&quot; must be a list</source>
        <translation>« rows » doit être une liste</translation>
    </message>
    <message>
        <source>%1 rows; a plan holds at most %2</source>
        <translation>%1 lignes ; un plan en contient au plus %2</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>doit être un objet</translation>
    </message>
    <message>
        <source>DMX address %1 is out of range: 1 to %2.</source>
        <translation>L&apos;adresse DMX %1 est hors plage : 1 à %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than any patch list (%1 bytes)</source>
        <translation>le fichier est plus grand que toute liste de patch (%1 octets)</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (byte %1)</source>
        <translation>le texte n&apos;est pas en UTF-8 (octet %1)</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>un guillemet ouvert ici n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>du texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>plus de %1 colonnes</translation>
    </message>
    <message>
        <source>a plan holds at most %1 rows</source>
        <translation>un plan contient au plus %1 lignes</translation>
    </message>
    <message>
        <source>the file holds no patch: it is empty</source>
        <translation>le fichier ne contient aucun patch : il est vide</translation>
    </message>
    <message>
        <source>line 1: no header; name the columns (universe, start, label, fixture, channels, …)</source>
        <translation>ligne 1 : pas d&apos;en-tête ; nommer les colonnes (universe, start, label, fixture, channels, …)</translation>
    </message>
    <message>
        <source>and %1 more lines with problems</source>
        <translation>et %1 autres lignes avec des problèmes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>« %1 » doit être %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>« %1 » doit être un texte</translation>
    </message>
    <message>
        <source>&quot;fixture&quot; must name one of the plan&apos;s types</source>
        <translation>« fixture » doit nommer l&apos;un des types du plan</translation>
    </message>
    <message>
        <source>a row of a fixture type needs an &quot;address&quot;</source>
        <translation>une ligne d&apos;un type de luminaire demande une « address »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not apply to a fixture type&apos;s row</source>
        <translation>« %1 » ne s&apos;applique pas à la ligne d&apos;un type de luminaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs plan format version %2</source>
        <translation>« %1 » demande la version %2 du format de plan</translation>
    </message>
    <message>
        <source>levers: </source>
        <translation>leviers : </translation>
    </message>
    <message>
        <source>&quot;count&quot; and &quot;lowest&quot; are required</source>
        <translation>« count » et « lowest » sont obligatoires</translation>
    </message>
    <message>
        <source>&quot;functions&quot; must be a list</source>
        <translation>« functions » doit être une liste</translation>
    </message>
    <message>
        <source>a function lever must be an object</source>
        <translation>un levier de fonction doit être un objet</translation>
    </message>
    <message>
        <source>a function lever needs its &quot;lever&quot;</source>
        <translation>un levier de fonction demande son « lever »</translation>
    </message>
    <message>
        <source>&quot;channels&quot; must be a whole number from %1 to %2</source>
        <translation>« channels » doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>plan format version %1 cannot be read; this program reads versions %2 and %3</source>
        <translation>la version %1 du format de plan ne peut être lue ; ce programme lit les versions %2 et %3</translation>
    </message>
    <message>
        <source>&quot;types&quot; must be a list</source>
        <translation>« types » doit être une liste</translation>
    </message>
    <message>
        <source>%1 fixture types; a plan holds at most %2</source>
        <translation>%1 types de luminaire ; un plan en contient au plus %2</translation>
    </message>
    <message>
        <source>type %1: </source>
        <translation>type %1 : </translation>
    </message>
    <message>
        <source>Patch sheet: %1</source>
        <translation>Feuille de patch : %1</translation>
    </message>
    <message>
        <source>Plan: %1, row %2, universe %3</source>
        <translation>Plan : %1, ligne %2, univers %3</translation>
    </message>
    <message>
        <source>Plan: %1, row %2</source>
        <translation>Plan : %1, ligne %2</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Univers %1</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Start + channels − 1; at most 512.</source>
        <translation>Départ + canaux − 1 ; au plus 512.</translation>
    </message>
    <message>
        <source>The start address, 1–511. A device in master mode takes none.</source>
        <translation>L&apos;adresse de départ, 1–511. Un appareil en mode maître n&apos;en prend aucune.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Mode and options</source>
        <translation>Mode et options</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Univers</translation>
    </message>
    <message>
        <source>The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch choice); a fixture type takes its own count; for the other devices the program does not know the count: type it (1–512), it is required.</source>
        <translation>Les canaux DMX que prend l&apos;appareil. L&apos;ORVO 75 en prend 3 ou 6 (son choix 3 Ch / 6 Ch) ; un type de luminaire prend son propre nombre ; pour les autres appareils, le programme ne connaît pas le nombre : saisissez-le (1–512), il est obligatoire.</translation>
    </message>
    <message>
        <source>The DMX universe, as the lighting console numbers them (0–63999).</source>
        <translation>L&apos;univers DMX, tel que la console lumière les numérote (0–63999).</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>row %1 “%2”</source>
        <translation>ligne %1 « %2 »</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>start %1 is outside 1–511</source>
        <translation>départ %1 hors de 1–511</translation>
    </message>
    <message>
        <source>ends at %1, beyond 512</source>
        <translation>finit à %1, au-delà de 512</translation>
    </message>
    <message>
        <source>no channel count</source>
        <translation>pas de nombre de canaux</translation>
    </message>
    <message>
        <source>channels %1 overlap %2 (%3)</source>
        <translation>canaux %1 chevauchent %2 (%3)</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Aucun problème</translation>
    </message>
    <message>
        <source>%1 problem in %2 row</source>
        <translation>%1 problème sur %2 ligne</translation>
    </message>
    <message>
        <source>%1 problem in %2 rows</source>
        <translation>%1 problème sur %2 lignes</translation>
    </message>
    <message>
        <source>%1 problems in %2 row</source>
        <translation>%1 problèmes sur %2 ligne</translation>
    </message>
    <message>
        <source>%1 problems in %2 rows</source>
        <translation>%1 problèmes sur %2 lignes</translation>
    </message>
    <message>
        <source>start %1 is beyond the levers of the %2 (at most %3)</source>
        <translation>départ %1 au-delà des leviers de %2 (au plus %3)</translation>
    </message>
    <message>
        <source>the lever scheme “%1”: %2</source>
        <translation>le schéma de leviers « %1 » : %2</translation>
    </message>
    <message>
        <source>it reads like “10 levers; lowest 1; ON up; address”</source>
        <translation>il s&apos;écrit comme « 10 levers; lowest 1; ON up; address »</translation>
    </message>
    <message>
        <source>“%1” is no count of levers</source>
        <translation>« %1 » n&apos;est pas un nombre de leviers</translation>
    </message>
    <message>
        <source>“%1” names no lowest lever</source>
        <translation>« %1 » ne nomme pas de levier de poids faible</translation>
    </message>
    <message>
        <source>“%1” is not ON up or ON down</source>
        <translation>« %1 » n&apos;est ni ON up ni ON down</translation>
    </message>
    <message>
        <source>“%1” is not address or address - 1</source>
        <translation>« %1 » n&apos;est ni address ni address - 1</translation>
    </message>
    <message>
        <source>“%1” is no “lever: name”</source>
        <translation>« %1 » n&apos;est pas « levier: nom »</translation>
    </message>
    <message>
        <source>the channels of “%1” are not given</source>
        <translation>les canaux de « %1 » ne sont pas donnés</translation>
    </message>
    <message>
        <source>channels “%1” is no number</source>
        <translation>canaux « %1 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>“%1” is given another channel count on an earlier line</source>
        <translation>« %1 » a un autre nombre de canaux sur une ligne précédente</translation>
    </message>
    <message>
        <source>“%1” is given another lever scheme on an earlier line</source>
        <translation>« %1 » a un autre schéma de leviers sur une ligne précédente</translation>
    </message>
    <message>
        <source>universe “%1” is not from 0 to 63999</source>
        <translation>l&apos;univers « %1 » n&apos;est pas entre 0 et 63999</translation>
    </message>
    <message>
        <source>no fixture</source>
        <translation>aucun luminaire</translation>
    </message>
    <message>
        <source>no start address</source>
        <translation>pas d&apos;adresse de départ</translation>
    </message>
    <message>
        <source>start “%1” is not from 1 to %2</source>
        <translation>départ « %1 » n&apos;est pas entre 1 et %2</translation>
    </message>
    <message>
        <source>a device in master mode takes no start address</source>
        <translation>un appareil en mode maître n&apos;a pas d&apos;adresse de départ</translation>
    </message>
    <message>
        <source>channels “%1” is not from 1 to 512</source>
        <translation>canaux « %1 » n&apos;est pas entre 1 et 512</translation>
    </message>
    <message>
        <source>end “%1” is not 1 to 512 channels after the start</source>
        <translation>fin « %1 » n&apos;est pas 1 à 512 canaux après le départ</translation>
    </message>
    <message>
        <source>the ORVO 75 takes 3 or 6 channels, as its mode says, in DMX mode</source>
        <translation>l&apos;ORVO 75 prend 3 ou 6 canaux, comme le dit son mode, en mode DMX</translation>
    </message>
    <message>
        <source>end “%1” does not follow from the start and the channels</source>
        <translation>fin « %1 » ne découle pas du départ et des canaux</translation>
    </message>
    <message>
        <source>no column holds the fixture (a header such as Fixture or Type)</source>
        <translation>aucune colonne ne contient le luminaire (un en-tête comme Fixture ou Type)</translation>
    </message>
    <message>
        <source>no column holds the start address (a header such as Start, Address or DMX)</source>
        <translation>aucune colonne ne contient l&apos;adresse de départ (un en-tête comme Start, Address ou DMX)</translation>
    </message>
    <message>
        <source>the mode “%1” is not DMX or Master</source>
        <translation>le mode « %1 » n&apos;est ni DMX ni Master</translation>
    </message>
    <message>
        <source>“%1” is no option</source>
        <translation>« %1 » n&apos;est pas une option</translation>
    </message>
    <message>
        <source>“%1” has no number</source>
        <translation>« %1 » n&apos;a pas de nombre</translation>
    </message>
    <message>
        <source>a fixture type needs a name</source>
        <translation>un type de luminaire demande un nom</translation>
    </message>
    <message>
        <source>the name: %1</source>
        <translation>le nom : %1</translation>
    </message>
    <message>
        <source>“%1” is one of our devices</source>
        <translation>« %1 » est l&apos;un de nos appareils</translation>
    </message>
    <message>
        <source>there is already a fixture type “%1”</source>
        <translation>il existe déjà un type de luminaire « %1 »</translation>
    </message>
    <message>
        <source>a fixture type takes 1 to 512 channels</source>
        <translation>un type de luminaire prend 1 à 512 canaux</translation>
    </message>
    <message>
        <source>the levers: %1</source>
        <translation>les leviers : %1</translation>
    </message>
    <message>
        <source>lever %1: %2</source>
        <translation>levier %1 : %2</translation>
    </message>
    <message>
        <source>lever %1: a name holds no “;” and no blank at either end</source>
        <translation>levier %1 : un nom ne contient pas de « ; » ni d&apos;espace à ses extrémités</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>LEDs per colour, %1</source>
        <translation>LED par couleur, %1</translation>
    </message>
    <message>
        <source>Power %1, watts</source>
        <translation>Puissance %1, watts</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1 %2, no fixture</source>
        <translation>%1 %2, aucun luminaire</translation>
    </message>
    <message>
        <source>%1 count, %2</source>
        <translation>Nombre %1, %2</translation>
    </message>
    <message>
        <source>Control %1, %2</source>
        <translation>Contrôle %1, %2</translation>
    </message>
    <message>
        <source>To the first count box of an output: </source>
        <translation>Vers la première case de nombre d&apos;une sortie : </translation>
    </message>
    <message>
        <source>Over the limit of %1 LEDs per colour on one output</source>
        <translation>Au-delà de la limite de %1 LED par couleur sur une sortie</translation>
    </message>
    <message>
        <source>Over the limit of %1 watts</source>
        <translation>Au-delà de la limite de %1 watts</translation>
    </message>
    <message>
        <source>%1, watts</source>
        <translation>%1, watts</translation>
    </message>
</context>
<context>
    <name>ReadLeversWindow</name>
    <message>
        <source>Read levers</source>
        <translation>Lire les leviers</translation>
    </message>
    <message>
        <source>&amp;Device or fixture type:</source>
        <translation>&amp;Appareil ou type de luminaire :</translation>
    </message>
    <message>
        <source>DMX address:</source>
        <translation>Adresse DMX :</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problèmes :</translation>
    </message>
    <message>
        <source>4-lever bank</source>
        <translation>Bloc de 4 leviers</translation>
    </message>
    <message>
        <source>12-lever bank</source>
        <translation>Bloc de 12 leviers</translation>
    </message>
    <message>
        <source>%1-lever bank</source>
        <translation>Bloc de %1 leviers</translation>
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
        <translation>aucune : un maître n&apos;a pas d&apos;adresse</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (esclave)</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Lignes</translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>&amp;Remove rows</source>
        <translation>&amp;Supprimer les lignes</translation>
    </message>
    <message>
        <source>&amp;Duplicate…</source>
        <translation>&amp;Dupliquer…</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Des&amp;cendre</translation>
    </message>
    <message>
        <source>Address &amp;from…</source>
        <translation>Adresses à &amp;partir de…</translation>
    </message>
    <message>
        <source>&amp;Mode and options…</source>
        <translation>M&amp;ode et options…</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>Fi&amp;ches</translation>
    </message>
    <message>
        <source>Open &amp;configurator</source>
        <translation>Ouvrir le &amp;configurateur</translation>
    </message>
    <message>
        <source>&amp;Print cards…</source>
        <translation>&amp;Imprimer les fiches…</translation>
    </message>
    <message>
        <source>Save cards as &amp;PDF…</source>
        <translation>Enregistrer les fiches en &amp;PDF…</translation>
    </message>
    <message>
        <source>Copy as &amp;text</source>
        <translation>Copier en &amp;texte</translation>
    </message>
    <message>
        <source>Rig plan</source>
        <translation>Plan de feux</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>Le plan %1 a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The plan cannot be opened.
%1</source>
        <translation>Le plan ne peut pas être ouvert.
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>Le plan n&apos;a pas été enregistré.
%1</translation>
    </message>
    <message>
        <source>Open rig plan</source>
        <translation>Ouvrir un plan de feux</translation>
    </message>
    <message>
        <source>Save rig plan</source>
        <translation>Enregistrer le plan de feux</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Number of copies:</source>
        <translation>Nombre de copies :</translation>
    </message>
    <message>
        <source>Address from</source>
        <translation>Adresses à partir de</translation>
    </message>
    <message>
        <source>The configurator cannot show this row.
%1</source>
        <translation>Le configurateur ne peut pas afficher cette ligne.
%1</translation>
    </message>
    <message>
        <source>No cards were made.
%1</source>
        <translation>Aucune fiche n&apos;a été créée.
%1</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Enregistrer les fiches en PDF</translation>
    </message>
    <message>
        <source>Copied as text</source>
        <translation>Copié en texte</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>Rig plans (*.json);;All files (*)</source>
        <translation>Plans de feux (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Patch lists (*.csv);;All files (*)</source>
        <translation>Listes de patch (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>Shows the rows of one universe; empty shows all.</source>
        <translation>Affiche les lignes d&apos;un univers ; vide les affiche toutes.</translation>
    </message>
    <message>
        <source>Show &amp;universe:</source>
        <translation>Afficher l&apos;&amp;univers :</translation>
    </message>
    <message>
        <source>&amp;Import patch list (CSV)…</source>
        <translation>&amp;Importer une liste de patch (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export patch list (CSV)…</source>
        <translation>&amp;Exporter la liste de patch (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Fixture &amp;types…</source>
        <translation>&amp;Types de luminaire…</translation>
    </message>
    <message>
        <source>&amp;Sort by universe and address</source>
        <translation>&amp;Trier par univers et adresse</translation>
    </message>
    <message>
        <source>The patch list was not saved.
%1</source>
        <translation>La liste de patch n&apos;a pas été enregistrée.
%1</translation>
    </message>
    <message>
        <source>Patch list saved</source>
        <translation>Liste de patch enregistrée</translation>
    </message>
    <message>
        <source>The patch list cannot be imported.
%1: %2</source>
        <translation>La liste de patch ne peut pas être importée.
%1 : %2</translation>
    </message>
    <message>
        <source>Import patch list</source>
        <translation>Importer une liste de patch</translation>
    </message>
    <message>
        <source>Export patch list</source>
        <translation>Exporter la liste de patch</translation>
    </message>
    <message>
        <source>Consecutive addresses for the selected rows (all rows when none is selected); a block that does not fit continues at 1 of the next universe.</source>
        <translation>Adresses consécutives pour les lignes sélectionnées (toutes si aucune ne l&apos;est) ; un bloc qui ne tient pas reprend à 1 dans l&apos;univers suivant.</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Univers :</translation>
    </message>
    <message>
        <source>&amp;Starting at:</source>
        <translation>&amp;À partir de :</translation>
    </message>
    <message>
        <source>%1 starts universe %2</source>
        <translation>%1 commence l&apos;univers %2</translation>
    </message>
    <message>
        <source>Blocks that did not fit went on to the next universe:
%1.</source>
        <translation>Les blocs qui ne tenaient pas sont passés à l&apos;univers suivant :
%1.</translation>
    </message>
    <message>
        <source>The %1 has no configurator window: its card shows its levers.</source>
        <translation>%1 : pas de fenêtre de configurateur ; sa fiche montre ses leviers.</translation>
    </message>
    <message>
        <source>%1[*] - Rig plan</source>
        <translation>%1[*] - Plan de feux</translation>
    </message>
    <message>
        <source>1 universe</source>
        <translation>1 univers</translation>
    </message>
    <message>
        <source>%1 universes</source>
        <translation>%1 univers</translation>
    </message>
    <message>
        <source>Save patch &amp;sheet as PDF…</source>
        <translation>Enregistrer la &amp;feuille de patch en PDF…</translation>
    </message>
    <message>
        <source>Setting cards</source>
        <translation>Fiches de réglage</translation>
    </message>
    <message>
        <source>The cards were not saved.</source>
        <translation>Les fiches n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Save patch sheet as PDF</source>
        <translation>Enregistrer la feuille de patch en PDF</translation>
    </message>
    <message>
        <source>The patch sheet was not saved.</source>
        <translation>La feuille de patch n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>RowOptionsDialog</name>
    <message>
        <source>Mode and options: %1</source>
        <translation>Mode et options : %1</translation>
    </message>
    <message>
        <source>DMX (slave)</source>
        <translation>DMX (esclave)</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>120 ohm terminator</source>
        <translation>terminaison 120 ohms</translation>
    </message>
    <message>
        <source>Ext. pushbutton</source>
        <translation>Poussoir ext.</translation>
    </message>
    <message>
        <source>1-100 % Modulation</source>
        <translation>Modulation 1-100 %</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>DMX channels:</source>
        <translation>Canaux DMX :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show :</translation>
    </message>
    <message>
        <source>Tune:</source>
        <translation>Ambiance :</translation>
    </message>
    <message>
        <source>Window&apos;s preset</source>
        <translation>Préréglage de la fenêtre</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
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
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Table of %1 rows: </source>
        <translation>Tableau de %1 lignes : </translation>
    </message>
    <message>
        <source>%1, table of %2 rows: </source>
        <translation>%1, tableau de %2 lignes : </translation>
    </message>
    <message>
        <source>No shows</source>
        <translation>Aucun show</translation>
    </message>
    <message>
        <source>Shows %1 to %2, each with a bar of its colours from left to right</source>
        <translation>Shows %1 à %2, chacun avec une barre de ses couleurs de gauche à droite</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>bluish</source>
        <translation>bleuté</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>white cold</source>
        <translation>blanc froid</translation>
    </message>
    <message>
        <source>white warm</source>
        <translation>blanc chaud</translation>
    </message>
    <message>
        <source>show N.</source>
        <translation>show n°</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Dip 2</source>
        <translation>Dip 2</translation>
    </message>
    <message>
        <source>Step time</source>
        <translation>Durée du pas</translation>
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
        <translation>Vitesse de lecture des shows</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Luminaire</translation>
    </message>
    <message>
        <source>N. led</source>
        <translation>Nb LED</translation>
    </message>
    <message>
        <source>N. led / colour</source>
        <translation>Nb LED / couleur</translation>
    </message>
    <message>
        <source>Driving mode</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Nominal power</source>
        <translation>Puiss. nominale</translation>
    </message>
    <message>
        <source>Average power</source>
        <translation>Puiss. moyenne</translation>
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
        <translation>Cour. const. 350mA</translation>
    </message>
    <message>
        <source>Power led 1W</source>
        <translation>LED de puissance 1W</translation>
    </message>
    <message>
        <source>Multichip LED 3.5 W</source>
        <translation>Multichip LED 3.5 W</translation>
    </message>
    <message>
        <source>Constant volt.</source>
        <translation>Tension const.</translation>
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
        <translation>Cour. const. 700mA</translation>
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
        <translation>Courant const.</translation>
    </message>
    <message>
        <source>Multichip LED 5 mm</source>
        <translation>Multichip LED 5 mm</translation>
    </message>
    <message>
        <source>RGB Passive Fixtures</source>
        <translation>Luminaires RGB passifs</translation>
    </message>
    <message>
        <source>Max. Power</source>
        <translation>Puiss. max.</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>RGB Intelligent Fixtures dip-switch settable</source>
        <translation>Luminaires RGB intelligents réglables par dip-switch</translation>
    </message>
    <message>
        <source>DOR Intelligent Fixtures dip-switch settable</source>
        <translation>Luminaires DOR intelligents réglables par dip-switch</translation>
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
        <translation>Couleurs, de gauche à droite</translation>
    </message>
</context>
</TS>
