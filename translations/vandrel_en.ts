<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A car game: dodge the traffic on a three-lane road.
Qt&apos;s own options, such as -platform and -style, work too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 kmph</source>
        <extracomment>The speed, in the row under the road: short</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <extracomment>The title of the two boxes at the end of a game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You covered %1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Over!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crashed!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>The time left, in the row under the road beside the speed and the distance: short</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vandrel Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: choose a single key, without Ctrl, Alt, Shift or Meta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F11 is kept for Full Screen in the View menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This key cannot be chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already does “%2”. Choose another key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>PAUSED</source>
        <extracomment>Over the road while the game is paused: at most about 9 letters</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>Set Speed</source>
        <extracomment>The title of the box that asks for the starting speed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Time</source>
        <extracomment>The title of the box that asks for the game&apos;s length</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game will now restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The title of the box that says a new game begins</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the place where you got this copy of Vandrel</source>
        <extracomment>Where to report bugs when the build names no one: completes &quot;Report any bugs at %1&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Vandrel developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vandrel Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Starting Speed: (between %1 and %2)</source>
        <extracomment>%1 and %2: the lowest and the highest starting speed, in km/h</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a phrase</comment>
        <extracomment>%1: &quot;the place where you got this copy of Vandrel&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a web address</comment>
        <extracomment>%1: a web address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to an e-mail address</comment>
        <extracomment>%1: an e-mail address</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundChoice</name>
    <message>
        <source>Background Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Only a chime when the time bonus is taken, no music</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusRow</name>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBest</name>
    <message>
        <source>Your best distance so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 2nd best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 3rd best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 4th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 5th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 6th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 7th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 8th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 9th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your 10th best distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Distances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best distances</source>
        <extracomment>The table, as screen readers name it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Empty...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>A distance in the table of best distances</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <extracomment>A starting speed in the table of best distances</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A game&apos;s length in the table of best distances, in seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game has entered the table yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your best distances, the longest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the table of best distances? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmKeys</name>
    <message>
        <source>Keys</source>
        <extracomment>The keys dialog&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a box and press the key for its action.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, second key</source>
        <extracomment>A box of the keys dialog for an action&apos;s second key, as screen readers name it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Vandrel!</source>
        <extracomment>The game window&apos;s title: the game&apos;s name, said with excitement</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Road</source>
        <extracomment>The road the cars drive on, as screen readers name it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best Distances...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth &amp;Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Sound Options</source>
        <extracomment>The sound dialog&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the music file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Music</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Vandrel is starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
