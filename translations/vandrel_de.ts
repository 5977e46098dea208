<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>A car game: dodge the traffic on a three-lane road.
Qt&apos;s own options, such as -platform and -style, work too.</source>
        <translation>Ein Autospiel: Weichen Sie dem Verkehr auf einer dreispurigen Straße aus.
Auch die Qt-eigenen Optionen wie -platform und -style funktionieren.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.</source>
        <translation>%1: unerwartetes Argument „%2“.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 kmph</source>
        <extracomment>The speed, in the row under the road: short</extracomment>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>Game Over</source>
        <extracomment>The title of the two boxes at the end of a game</extracomment>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>You covered %1 km</source>
        <translation>Sie sind %1 km weit gefahren</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>Noch einmal spielen?</translation>
    </message>
    <message>
        <source>Time Over!!</source>
        <translation>Zeit abgelaufen!!</translation>
    </message>
    <message>
        <source>Crashed!!</source>
        <translation>Unfall!!</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>The time left, in the row under the road beside the speed and the distance: short</extracomment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vandrel Help</source>
        <translation>Hilfe zu Vandrel</translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1: choose a single key, without Ctrl, Alt, Shift or Meta.</source>
        <translation>%1: Wählen Sie eine einzelne Taste ohne Strg, Alt, Umschalt oder Meta.</translation>
    </message>
    <message>
        <source>F11 is kept for Full Screen in the View menu.</source>
        <translation>F11 bleibt dem Vollbildmodus im Menü Ansicht vorbehalten.</translation>
    </message>
    <message>
        <source>This key cannot be chosen.</source>
        <translation>Diese Taste kann nicht gewählt werden.</translation>
    </message>
    <message>
        <source>%1 already does “%2”. Choose another key.</source>
        <translation>%1 ist schon die Taste für „%2“. Wählen Sie eine andere Taste.</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>PAUSED</source>
        <extracomment>Over the road while the game is paused: at most about 9 letters</extracomment>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>Set Speed</source>
        <extracomment>The title of the box that asks for the starting speed</extracomment>
        <translation>Geschwindigkeit festlegen</translation>
    </message>
    <message>
        <source>Enter the time:</source>
        <translation>Geben Sie die Zeit in Sekunden ein (mit Komma oder Punkt, z.&#xa0;B. 45,5):</translation>
    </message>
    <message>
        <source>Set Time</source>
        <extracomment>The title of the box that asks for the game&apos;s length</extracomment>
        <translation>Zeit festlegen</translation>
    </message>
    <message>
        <source>The game will now restart</source>
        <translation>Das Spiel wird jetzt neu gestartet</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The title of the box that says a new game begins</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>the place where you got this copy of Vandrel</source>
        <extracomment>Where to report bugs when the build names no one: completes &quot;Report any bugs at %1&quot;</extracomment>
        <translation>dort, wo Sie Vandrel bezogen haben</translation>
    </message>
    <message>
        <source>the Vandrel developers</source>
        <translation>den Vandrel-Entwicklern</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>Über Vandrel</translation>
    </message>
    <message>
        <source>Vandrel Version %1</source>
        <translation>Vandrel Version %1</translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation>Erstellt von %1</translation>
    </message>
    <message>
        <source>Enter the Starting Speed: (between %1 and %2)</source>
        <extracomment>%1 and %2: the lowest and the highest starting speed, in km/h</extracomment>
        <translation>Geben Sie die Startgeschwindigkeit ein (zwischen %1 und %2):</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a phrase</comment>
        <extracomment>%1: &quot;the place where you got this copy of Vandrel&quot;</extracomment>
        <translation>Melden Sie Fehler bitte %1</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a web address</comment>
        <extracomment>%1: a web address</extracomment>
        <translation>Melden Sie Fehler bitte unter %1</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to an e-mail address</comment>
        <extracomment>%1: an e-mail address</extracomment>
        <translation>Melden Sie Fehler bitte an %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-eigenen Optionen an.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Zeigt die Hilfe einschließlich der allgemeinen Qt-Optionen an.</translation>
    </message>
</context>
<context>
    <name>SoundChoice</name>
    <message>
        <source>Background Music</source>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Only a chime when the time bonus is taken, no music</extracomment>
        <translation>Nur Bonuston</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Kein Ton</translation>
    </message>
</context>
<context>
    <name>StatusRow</name>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
</context>
<context>
    <name>frmBest</name>
    <message>
        <source>Your best distance so far</source>
        <translation>Ihre bisher beste Strecke</translation>
    </message>
    <message>
        <source>Your 2nd best distance</source>
        <translation>Ihre zweitbeste Strecke</translation>
    </message>
    <message>
        <source>Your 3rd best distance</source>
        <translation>Ihre drittbeste Strecke</translation>
    </message>
    <message>
        <source>Your 4th best distance</source>
        <translation>Ihre viertbeste Strecke</translation>
    </message>
    <message>
        <source>Your 5th best distance</source>
        <translation>Ihre fünftbeste Strecke</translation>
    </message>
    <message>
        <source>Your 6th best distance</source>
        <translation>Ihre sechstbeste Strecke</translation>
    </message>
    <message>
        <source>Your 7th best distance</source>
        <translation>Ihre siebtbeste Strecke</translation>
    </message>
    <message>
        <source>Your 8th best distance</source>
        <translation>Ihre achtbeste Strecke</translation>
    </message>
    <message>
        <source>Your 9th best distance</source>
        <translation>Ihre neuntbeste Strecke</translation>
    </message>
    <message>
        <source>Your 10th best distance</source>
        <translation>Ihre zehntbeste Strecke</translation>
    </message>
    <message>
        <source>Best Distances</source>
        <translation>Beste Strecken</translation>
    </message>
    <message>
        <source>Best distances</source>
        <extracomment>The table, as screen readers name it</extracomment>
        <translation>Beste Strecken</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Starting speed</source>
        <translation>Startgeschwindigkeit</translation>
    </message>
    <message>
        <source>Game length</source>
        <translation>Spieldauer</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Empty...</source>
        <translation>&amp;Leeren...</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>A distance in the table of best distances</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <extracomment>A starting speed in the table of best distances</extracomment>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A game&apos;s length in the table of best distances, in seconds</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Crashed</source>
        <translation>Unfall</translation>
    </message>
    <message>
        <source>Time over</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>No game has entered the table yet.</source>
        <translation>Bisher hat es noch kein Spiel in die Tabelle geschafft.</translation>
    </message>
    <message>
        <source>Your best distances, the longest first</source>
        <translation>Ihre besten Strecken, die längste zuerst</translation>
    </message>
    <message>
        <source>Empty the table of best distances? This cannot be undone.</source>
        <translation>Möchten Sie die Tabelle der besten Strecken leeren? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>frmKeys</name>
    <message>
        <source>Keys</source>
        <extracomment>The keys dialog&apos;s title</extracomment>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Choose a box and press the key for its action.</source>
        <translation>Wählen Sie ein Feld und drücken Sie die Taste für seine Aktion.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Zweite Taste</translation>
    </message>
    <message>
        <source>%1, second key</source>
        <extracomment>A box of the keys dialog for an action&apos;s second key, as screen readers name it</extracomment>
        <translation>%1, zweite Taste</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Standard wiederherstellen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Vandrel!</source>
        <extracomment>The game window&apos;s title: the game&apos;s name, said with excitement</extracomment>
        <translation>Vandrel!</translation>
    </message>
    <message>
        <source>Road</source>
        <extracomment>The road the cars drive on, as screen readers name it</extracomment>
        <translation>Straße</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Set &amp;Speed</source>
        <translation>&amp;Geschwindigkeit festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <translation>&amp;Zeit festlegen</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Ton...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Vandrel</translation>
    </message>
    <message>
        <source>&amp;Best Distances...</source>
        <translation>Beste &amp;Strecken...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbildmodus</translation>
    </message>
    <message>
        <source>Smooth &amp;Motion</source>
        <translation>&amp;Flüssige Bewegung</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>T&amp;asten...</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Sound Options</source>
        <extracomment>The sound dialog&apos;s title</extracomment>
        <translation>Toneinstellungen</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Musikdatei</translation>
    </message>
    <message>
        <source>Choose the music file</source>
        <translation>Musikdatei auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the Music</source>
        <translation>Musik auswählen</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Vandrel is starting</source>
        <translation>Vandrel wird gestartet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
