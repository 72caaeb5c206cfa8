<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quorvel::AboutBox</name>
    <message>
        <source>Back to basics &lt;default&gt;</source>
        <translation>Back to basics &lt;default&gt;</translation>
    </message>
    <message>
        <source>Theme by %1</source>
        <translation>Thema von %1</translation>
    </message>
    <message>
        <source>Graphics by %1</source>
        <translation>Grafik von %1</translation>
    </message>
    <message>
        <source>Messages by %1</source>
        <translation>Meldungen von %1</translation>
    </message>
    <message>
        <source>Sounds by %1</source>
        <translation>Klänge von %1</translation>
    </message>
    <message>
        <source>Music by %1</source>
        <translation>Musik von %1</translation>
    </message>
    <message>
        <source>About Quorvel 3-D</source>
        <translation>Über Quorvel 3-D</translation>
    </message>
    <message>
        <source>A random 3-D maze: find the way out before</source>
        <translation>Ein zufälliges 3-D-Labyrinth: Finde hinaus,</translation>
    </message>
    <message>
        <source>your food and your flashlight run out.</source>
        <translation>bevor Proviant und Taschenlampe versagen.</translation>
    </message>
    <message>
        <source>Every maze is new. Good luck in there!</source>
        <translation>Jedes Labyrinth ist neu. Viel Glück da drin!</translation>
    </message>
    <message>
        <source>Visit the home page</source>
        <translation>Die Homepage besuchen</translation>
    </message>
    <message>
        <source>Check for new version</source>
        <translation>Nach neuer Version sehen</translation>
    </message>
    <message>
        <source>Look on the home page for a newer version</source>
        <translation>Auf der Homepage nach einer neueren Version sehen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>A link: a click visits the home page.</source>
        <translation>Ein Link: Ein Klick öffnet die Homepage.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the about box.</source>
        <translation>Das Info-Fenster schließen.</translation>
    </message>
    <message>
        <source>Quorvel 3-D version %1</source>
        <translation>Quorvel 3-D Version %1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Visit %1 in your browser.</source>
        <translation>Es ließ sich kein Webbrowser öffnen. Besuche %1 in deinem Browser.</translation>
    </message>
    <message>
        <source>No web browser could be opened to look for a new version. Visit %1 in your browser.</source>
        <translation>Es ließ sich kein Webbrowser öffnen, um nach einer neuen Version zu sehen. Besuche %1 in deinem Browser.</translation>
    </message>
</context>
<context>
    <name>quorvel::BestTimesScreen</name>
    <message>
        <source>Nice-n-Easy</source>
        <translation>Schön leicht</translation>
    </message>
    <message>
        <source>A little harder now</source>
        <translation>Ein wenig schwerer</translation>
    </message>
    <message>
        <source>A real challenge</source>
        <translation>Echt knifflig</translation>
    </message>
    <message>
        <source>Now we&apos;re getting there</source>
        <translation>Jetzt wird&apos;s ernst</translation>
    </message>
    <message>
        <source>O.K. This is hard</source>
        <translation>O.K. Das ist hart</translation>
    </message>
    <message>
        <source>Only for the Strongest</source>
        <translation>Nur für die Stärksten</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Rank %1:</source>
        <translation>Platz %1:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Watch this run again on the game screen.</source>
        <translation>Diesen Lauf noch einmal im Spielfenster ansehen.</translation>
    </message>
    <message>
        <source>Checked: the kept run of this result plays again with the rules to this very time and gems.</source>
        <translation>Geprüft: Der aufbewahrte Lauf dieses Ergebnisses ergibt nach den Regeln genau diese Zeit und diese Edelsteine.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close the best times.</source>
        <translation>Die Bestzeiten schließen.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>third</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>%1, rank %2: %3, %4</source>
        <translation>%1, Platz %2: %3, %4</translation>
    </message>
    <message>
        <source>Enter or a click shows the statistics of this game.</source>
        <translation>Enter oder ein Klick zeigt die Statistik dieses Spiels.</translation>
    </message>
    <message>
        <source>Watch %1</source>
        <translation>%1 ansehen</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinTheme</name>
    <message>
        <source>You found &lt;an-item&gt;.</source>
        <translation>Gefunden: &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>OK &lt;player&gt;. You can always use more &lt;items&gt;.</source>
        <translation>OK &lt;player&gt;. Mehr &lt;items&gt; kann man immer brauchen.</translation>
    </message>
    <message>
        <source>You got &lt;an-item&gt;.</source>
        <translation>Eingesteckt: &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>Now you know where to find &lt;an-item&gt;, if you need to.</source>
        <translation>Jetzt weißt du, wo es &lt;items&gt; gibt, falls du welche brauchst.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You found &lt;an-item&gt; for your &lt;light&gt;.</source>
        <translation>&lt;player&gt;, hier sind &lt;items&gt; für deine &lt;light&gt;.</translation>
    </message>
    <message>
        <source>This &lt;box&gt; has &lt;an-item&gt; in it.</source>
        <translation>In dieser &lt;box&gt; stecken &lt;items&gt;.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, It is a fine &lt;item&gt; indeed! (5 points)</source>
        <translation>&lt;player&gt;, das ist wirklich ein feiner &lt;item&gt;! (5 Punkte)</translation>
    </message>
    <message>
        <source>You know, &lt;Items&gt; are worth 5 points!</source>
        <translation>Übrigens: &lt;Items&gt; sind 5 Punkte wert!</translation>
    </message>
    <message>
        <source>&lt;An-item&gt;,  Very nice... (5 points)</source>
        <translation>&lt;An-item&gt;,  sehr schön... (5 Punkte)</translation>
    </message>
    <message>
        <source>Wow! This &lt;Item&gt; really shines. (3 points)</source>
        <translation>Wow! Dieser &lt;Item&gt; funkelt wirklich. (3 Punkte)</translation>
    </message>
    <message>
        <source>Oh how it sparkles! (3 points)</source>
        <translation>Oh, wie das glitzert! (3 Punkte)</translation>
    </message>
    <message>
        <source>Whatever this &lt;gem&gt; is, it&apos;s worth 3 points.</source>
        <translation>Was immer das für ein &lt;gem&gt; ist, er ist 3 Punkte wert.</translation>
    </message>
    <message>
        <source>You found a precious &lt;item&gt;. (1 point)</source>
        <translation>Du hast einen kostbaren &lt;item&gt; gefunden. (1 Punkt)</translation>
    </message>
    <message>
        <source>I really like the look of this &lt;item&gt;... (1 point)</source>
        <translation>Dieser &lt;item&gt; gefällt mir richtig gut... (1 Punkt)</translation>
    </message>
    <message>
        <source>&lt;An-item&gt;. Hey I always wanted &lt;an-item&gt;. (1 point)</source>
        <translation>&lt;An-item&gt;. So einen wollte ich schon immer. (1 Punkt)</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You found &lt;an-item&gt;. (0 points)</source>
        <translation>&lt;player&gt;, gefunden: &lt;an-item&gt;. (0 Punkte)</translation>
    </message>
    <message>
        <source>Great, it&apos;s just &lt;an-item&gt;. (0 points)</source>
        <translation>Toll, nur &lt;an-item&gt;. (0 Punkte)</translation>
    </message>
    <message>
        <source>You found &lt;an-item&gt; and threw it away. (0 points)</source>
        <translation>Gefunden und gleich weggeworfen: &lt;an-item&gt;. (0 Punkte)</translation>
    </message>
    <message>
        <source>Great job &lt;player&gt;. You found a handy &lt;item&gt;.</source>
        <translation>Gut gemacht, &lt;player&gt;. Ein praktischer &lt;item&gt;.</translation>
    </message>
    <message>
        <source>North, South, East, West.  It works!.</source>
        <translation>Norden, Süden, Osten, Westen.  Es funktioniert!.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you won&apos;t get lost now.</source>
        <translation>&lt;player&gt;, jetzt verläufst du dich nicht mehr.</translation>
    </message>
    <message>
        <source>OK &lt;player&gt;. Now you can see yourself.</source>
        <translation>OK &lt;player&gt;. Jetzt kannst du dich selbst sehen.</translation>
    </message>
    <message>
        <source>&lt;Item&gt;? What&apos;s that?  Oh well, I got one anyway.</source>
        <translation>&lt;Item&gt;? Was ist das?  Egal, jetzt hab ich eins.</translation>
    </message>
    <message>
        <source>Great, now I can see myself walking in circles.</source>
        <translation>Toll, jetzt sehe ich mich im Kreis laufen.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is now yours.</source>
        <translation>Der &lt;item&gt; gehört jetzt dir.</translation>
    </message>
    <message>
        <source>Wonderful &lt;player&gt;. Now you can see the exit.</source>
        <translation>Wunderbar, &lt;player&gt;. Jetzt siehst du den Ausgang.</translation>
    </message>
    <message>
        <source>Like a lighthouse to a ship, the &lt;item&gt; is to you.</source>
        <translation>Was der Leuchtturm dem Schiff, ist der &lt;item&gt; für dich.</translation>
    </message>
    <message>
        <source>You now have &lt;an-item&gt;.</source>
        <translation>Neu im Gepäck: &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>You may now keep track of where you have been.</source>
        <translation>Jetzt kannst du verfolgen, wo du schon warst.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is a great thing to have.</source>
        <translation>So ein &lt;item&gt; ist Gold wert.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is now in hand.</source>
        <translation>Der &lt;item&gt; liegt jetzt in deiner Hand.</translation>
    </message>
    <message>
        <source>Wow! So many &lt;boxes&gt;!</source>
        <translation>Wow! So viele &lt;boxes&gt;!</translation>
    </message>
    <message>
        <source>&lt;A-box&gt; here. &lt;A-box&gt; there.</source>
        <translation>&lt;A-box&gt; hier. &lt;A-box&gt; da.</translation>
    </message>
    <message>
        <source>Odd... This &lt;box&gt; is empty.</source>
        <translation>Seltsam... Diese &lt;box&gt; ist leer.</translation>
    </message>
    <message>
        <source>You searched the &lt;box&gt;, but found nothing.</source>
        <translation>Du hast die &lt;box&gt; durchsucht, aber nichts gefunden.</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;.  There is nothing in this one.</source>
        <translation>Tut mir leid, &lt;player&gt;.  Da ist nichts drin.</translation>
    </message>
    <message>
        <source>There is a map on the wall here!</source>
        <translation>Hier hängt eine Karte an der Wand!</translation>
    </message>
    <message>
        <source>Wow! I can see the whole maze now!</source>
        <translation>Wow! Jetzt sehe ich das ganze Labyrinth!</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. You can&apos;t take it with you.</source>
        <translation>Tut mir leid, &lt;player&gt;. Die kannst du nicht mitnehmen.</translation>
    </message>
    <message>
        <source>You lose some &lt;foods&gt;!</source>
        <translation>Du verlierst etwas &lt;foods&gt;!</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you are missing some of your &lt;foods&gt;!</source>
        <translation>&lt;player&gt;, dir fehlt etwas von deinem &lt;foods&gt;!</translation>
    </message>
    <message>
        <source>You just lost some &lt;foods&gt;.</source>
        <translation>Eben ging etwas &lt;foods&gt; verloren.</translation>
    </message>
    <message>
        <source>You lose some &lt;gems&gt;!</source>
        <translation>Du verlierst ein paar &lt;gems&gt;!</translation>
    </message>
    <message>
        <source>Some of your &lt;gems&gt; fell through a hole in you pocket!</source>
        <translation>Ein paar deiner &lt;gems&gt; sind durch ein Loch in der Tasche gefallen!</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you dropped some of your &lt;gems&gt;!</source>
        <translation>&lt;player&gt;, du hast ein paar &lt;gems&gt; verloren!</translation>
    </message>
    <message>
        <source>Start of new messages.....</source>
        <translation>Beginn der neuen Meldungen.....</translation>
    </message>
    <message>
        <source>Let the messages begin.....</source>
        <translation>Bühne frei für die Meldungen.....</translation>
    </message>
    <message>
        <source>&lt;player&gt;, do not forget to read your messages.</source>
        <translation>&lt;player&gt;, vergiss nicht, deine Meldungen zu lesen.</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. you ran out of &lt;foods&gt;.  You lose!!!</source>
        <translation>Tut mir leid, &lt;player&gt;. dein &lt;foods&gt; ist aus.  Verloren!!!</translation>
    </message>
    <message>
        <source>You can&apos;t continue without &lt;foods&gt;. This game is over.</source>
        <translation>Ohne &lt;foods&gt; geht es nicht weiter. Das Spiel ist aus.</translation>
    </message>
    <message>
        <source>Sorry, you lose. &lt;player&gt;, Please try again later.</source>
        <translation>Leider verloren. &lt;player&gt;, versuch es später noch einmal.</translation>
    </message>
    <message>
        <source>CONGRATULATIONS &lt;PLAYER&gt;!!! YOU WON!!!</source>
        <translation>GLÜCKWUNSCH &lt;PLAYER&gt;!!! GEWONNEN!!!</translation>
    </message>
    <message>
        <source>I WON! I WON! I WON!</source>
        <translation>GEWONNEN! GEWONNEN! GEWONNEN!</translation>
    </message>
    <message>
        <source>You did it &lt;player&gt;! The victory is now yours!</source>
        <translation>Geschafft, &lt;player&gt;! Der Sieg gehört dir!</translation>
    </message>
    <message>
        <source>I guess this maze was just to big. Please try again later.</source>
        <translation>Dieses Labyrinth war wohl einfach zu groß. Versuch es später noch einmal.</translation>
    </message>
    <message>
        <source>I guess it was just to hard for you.</source>
        <translation>Es war wohl einfach zu schwer für dich.</translation>
    </message>
    <message>
        <source>I knew I made this maze to hard.</source>
        <translation>Ich wusste, ich hab dieses Labyrinth zu schwer gemacht.</translation>
    </message>
    <message>
        <source>You start running.</source>
        <translation>Du fängst an zu rennen.</translation>
    </message>
    <message>
        <source>You feel the wind on your face as you take off running.</source>
        <translation>Du spürst den Wind im Gesicht, als du losrennst.</translation>
    </message>
    <message>
        <source>Run! Run! Run!</source>
        <translation>Lauf! Lauf! Lauf!</translation>
    </message>
    <message>
        <source>You ran into a wall.</source>
        <translation>Du bist gegen eine Wand gerannt.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you crash hard into a wall and fall down!</source>
        <translation>&lt;player&gt;, du krachst gegen eine Wand und fällst hin!</translation>
    </message>
    <message>
        <source>* * * You see stars after hitting the wall! * * * </source>
        <translation>* * * Nach dem Aufprall siehst du Sterne! * * * </translation>
    </message>
    <message>
        <source>&lt;player&gt;, There is a wall there!</source>
        <translation>&lt;player&gt;, da ist eine Wand!</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. You can not go this way.</source>
        <translation>Tut mir leid, &lt;player&gt;. Hier geht es nicht weiter.</translation>
    </message>
    <message>
        <source>Your head starts to hurt from hitting the wall.</source>
        <translation>Vom Gegen-die-Wand-Laufen tut dir langsam der Kopf weh.</translation>
    </message>
    <message>
        <source>You use &lt;a-battery&gt;, causing your &lt;light&gt; to shine brightly again.</source>
        <translation>Du setzt &lt;a-battery&gt; ein, und deine &lt;light&gt; leuchtet wieder hell.</translation>
    </message>
    <message>
        <source>I can see clearly now.</source>
        <translation>Jetzt sehe ich wieder klar.</translation>
    </message>
    <message>
        <source>Your &lt;light&gt; brightens.</source>
        <translation>Deine &lt;light&gt; wird heller.</translation>
    </message>
    <message>
        <source>Hurry &lt;player&gt;. You are running low on &lt;foods&gt;.</source>
        <translation>Beeil dich, &lt;player&gt;. Dein &lt;foods&gt; wird knapp.</translation>
    </message>
    <message>
        <source>You can not go without &lt;foods&gt; much longer.</source>
        <translation>Ohne &lt;foods&gt; hältst du es nicht mehr lange aus.</translation>
    </message>
    <message>
        <source>Where can I find &lt;foods&gt; when I need some?</source>
        <translation>Wo finde ich bloß &lt;foods&gt;, wenn ich welchen brauche?</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You must find &lt;foods&gt; now!</source>
        <translation>&lt;player&gt;, du musst jetzt &lt;foods&gt; finden!</translation>
    </message>
    <message>
        <source>You can not go without &lt;foods&gt; any longer!</source>
        <translation>Ohne &lt;foods&gt; hältst du es nicht mehr aus!</translation>
    </message>
    <message>
        <source>If you don&apos;t find &lt;foods&gt; now, it will be to late!</source>
        <translation>Wenn du nicht sofort &lt;foods&gt; findest, ist es zu spät!</translation>
    </message>
    <message>
        <source>You&apos;re running low on &lt;batteries&gt; for your &lt;light&gt;!</source>
        <translation>Die &lt;batteries&gt; für deine &lt;light&gt; gehen zur Neige!</translation>
    </message>
    <message>
        <source>Your &lt;light&gt; is getting dim. You need &lt;a-battery&gt;!</source>
        <translation>Deine &lt;light&gt; wird schwach. Du brauchst &lt;a-battery&gt;!</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you need &lt;batteries&gt; soon.</source>
        <translation>&lt;player&gt;, du brauchst bald &lt;batteries&gt;.</translation>
    </message>
    <message>
        <source>Without &lt;batteries&gt;, your &lt;light&gt; has gone out!</source>
        <translation>Ohne &lt;batteries&gt; ist deine &lt;light&gt; ausgegangen!</translation>
    </message>
    <message>
        <source>Don&apos;t give up. You can find &lt;batteries&gt; all around.</source>
        <translation>Nicht aufgeben. Überall liegen &lt;batteries&gt; herum.</translation>
    </message>
    <message>
        <source>Hey! Who&apos;s the wise guy who turned out the lights?</source>
        <translation>He! Welcher Witzbold hat das Licht ausgemacht?</translation>
    </message>
    <message>
        <source>You get a strange feeling here.</source>
        <translation>Hier beschleicht dich ein seltsames Gefühl.</translation>
    </message>
    <message>
        <source>You feel as if you should be looking for something.</source>
        <translation>Dir ist, als solltest du nach etwas suchen.</translation>
    </message>
    <message>
        <source>To every thing, Turn, Turn, Turn.</source>
        <translation>Alles hat seine Zeit, dreh dich, dreh dich, dreh dich.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::battery</name>
    <message>
        <source>batteries</source>
        <translation>Batterien</translation>
    </message>
    <message>
        <source>Power level.</source>
        <translation>Ladestand.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::beacon</name>
    <message>
        <source>beacon</source>
        <translation>Peilsender</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Beacon.</source>
        <translation>Peilsender.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::box</name>
    <message>
        <source>box</source>
        <translation>Kiste</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>a</source>
        <translation>eine</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::compass</name>
    <message>
        <source>compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Compass.</source>
        <translation>Kompass.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::detector</name>
    <message>
        <source>detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Detector.</source>
        <translation>Detektor.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::empty</name>
    <message>
        <source>empty</source>
        <translation>leere</translation>
    </message>
    <message>
        <source>an</source>
        <translation>eine</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::food</name>
    <message>
        <source>food</source>
        <translation>Proviant</translation>
    </message>
    <message>
        <source>Food.</source>
        <translation>Proviant.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem</name>
    <message>
        <source>stone</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>stones</source>
        <translation>Edelsteine</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Edelsteine.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem1</name>
    <message>
        <source>ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>rubies</source>
        <translation>Rubine</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Edelsteine.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem3</name>
    <message>
        <source>emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>emeralds</source>
        <translation>Smaragde</translation>
    </message>
    <message>
        <source>an</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Edelsteine.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem5</name>
    <message>
        <source>diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Diamanten</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Edelsteine.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gps</name>
    <message>
        <source>G.P.S.</source>
        <translation>G.P.S.</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::light</name>
    <message>
        <source>flashlight</source>
        <translation>Taschenlampe</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::open</name>
    <message>
        <source>open</source>
        <translation>offene</translation>
    </message>
    <message>
        <source>an</source>
        <translation>eine</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::power</name>
    <message>
        <source>Power level.</source>
        <translation>Ladestand.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::stone</name>
    <message>
        <source>worthless stone</source>
        <translation>wertloser Stein</translation>
    </message>
    <message>
        <source>worthless stones</source>
        <translation>wertlose Steine</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Edelsteine.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::tracker</name>
    <message>
        <source>tracker</source>
        <translation>Tracker</translation>
    </message>
    <message>
        <source>a</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Tracker.</source>
        <translation>Tracker.</translation>
    </message>
</context>
<context>
    <name>quorvel::Clock</name>
    <message>
        <source>%1 day, %2</source>
        <translation>%1 Tag, %2</translation>
    </message>
    <message>
        <source>%1 days, %2</source>
        <translation>%1 Tage, %2</translation>
    </message>
</context>
<context>
    <name>quorvel::CommandLine</name>
    <message>
        <source>show this help and end</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>play maze number L-S at once: level L (1 to 6)
from generator state S (0 to 4294967295); a word
that belongs to no switch is refused</source>
        <translation>sofort das Labyrinth Nummer L-S spielen: Stufe L
(1 bis 6) aus Generatorzustand S (0 bis
4294967295); ein Wort ohne Schalter wird abgelehnt</translation>
    </message>
    <message>
        <source>watch the run kept in FILE (one of the Replays
folder) and say whether it reaches its recorded
result; Space pauses, Right plays one event,
1 2 4 set the speed, Esc stops</source>
        <translation>den in FILE aufbewahrten Lauf ansehen (einen aus
dem Ordner Replays) und sagen, ob er sein
aufgezeichnetes Ergebnis erreicht; Leertaste hält
an, Rechts spielt ein Ereignis, 1 2 4 setzen das
Tempo, Esc beendet</translation>
    </message>
    <message>
        <source>  -uNAME, /UNAME        play as NAME without being asked for a name (the
                        letter u in either case)
      --                end the options: what follows is passed on as it is
</source>
        <translation>  -uNAME, /UNAME        als NAME spielen, ohne nach einem Namen gefragt zu
                        werden (der Buchstabe u, groß oder klein)
      --                beendet die Optionen: was folgt, wird so
                        weitergegeben, wie es ist
</translation>
    </message>
    <message>
        <source>Every &quot;-&quot; and &quot;/&quot; in the rest of the command line starts a switch, so a
player&apos;s name writes these as escapes:
  %b a blank   %q a double quote   %p a percent sign   %d a minus   %s a slash
For example -uJohn%bSmith plays as &quot;John Smith&quot;, /UAnn%dMarie as &quot;Ann-Marie&quot;.
</source>
        <translation>Jedes &quot;-&quot; und &quot;/&quot; im Rest der Befehlszeile beginnt einen Schalter, daher
schreibt ein Spielername diese Zeichen umschrieben:
  %b ein Leerzeichen   %q ein doppeltes Anführungszeichen
  %p ein Prozentzeichen   %d ein Minus   %s ein Schrägstrich
Zum Beispiel spielt -uJohn%bSmith als &quot;John Smith&quot;, /UAnn%dMarie als
&quot;Ann-Marie&quot;.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, with one dash or two, are passed on to Qt; among them:
  -platform NAME        the window system: xcb (X11), wayland, or offscreen
                        and minimal, which need no display
  -display DISPLAY      the X display to open (xcb)
  -style STYLE, -stylesheet FILE, -platformtheme NAME, -reverse,
  -qwindowgeometry GEOMETRY, -qwindowtitle TITLE, -qwindowicon FILE,
  -platformpluginpath PATH, -plugin NAME, -session ID, -name NAME
</source>
        <translation>Qts eigene Optionen, mit einem oder zwei Strichen, gehen an Qt; darunter:
  -platform NAME        das Fenstersystem: xcb (X11), wayland, oder offscreen
                        und minimal, die keine Anzeige brauchen
  -display DISPLAY      die zu öffnende X-Anzeige (xcb)
  -style STYLE, -stylesheet FILE, -platformtheme NAME, -reverse,
  -qwindowgeometry GEOMETRY, -qwindowtitle TITLE, -qwindowicon FILE,
  -platformpluginpath PATH, -plugin NAME, -session ID, -name NAME
</translation>
    </message>
    <message>
        <source>On a Wayland desktop with XWayland (both WAYLAND_DISPLAY and DISPLAY set) the
game runs through X11 (Qt&apos;s xcb platform), where it can place its map window
beside the game screen and carry a locked map along, which no Wayland client
may do. Set QT_QPA_PLATFORM or give -platform to choose otherwise.
</source>
        <translation>Auf einem Wayland-Desktop mit XWayland (WAYLAND_DISPLAY und DISPLAY gesetzt)
läuft das Spiel über X11 (Qts Plattform xcb), wo es sein Kartenfenster neben
das Spielfenster stellen und eine angeheftete Karte mitführen kann, was kein
Wayland-Programm darf. QT_QPA_PLATFORM oder -platform wählen etwas anderes.
</translation>
    </message>
    <message>
        <source>Environment:
  QUORVEL3D_HOME        the folder of the settings, saved games, best times
                        and themes; else the program&apos;s own folder when it is
                        writable, else $XDG_DATA_HOME/quorvel3d
  DISPLAY, WAYLAND_DISPLAY  the display to open
  QT_QPA_PLATFORM       Qt&apos;s platform, as -platform
  SDL_AUDIODRIVER       SDL&apos;s audio driver (dummy plays nothing)
  SDL_SOUNDFONTS        the General MIDI SoundFont of the music
</source>
        <translation>Umgebung:
  QUORVEL3D_HOME        der Ordner der Einstellungen, gespeicherten Spiele,
                        Bestzeiten und Themen; sonst der eigene Ordner des
                        Programms, wenn er beschreibbar ist, sonst
                        $XDG_DATA_HOME/quorvel3d
  DISPLAY, WAYLAND_DISPLAY  die zu öffnende Anzeige
  QT_QPA_PLATFORM       Qts Plattform, wie -platform
  SDL_AUDIODRIVER       SDLs Audiotreiber (dummy spielt nichts)
  SDL_SOUNDFONTS        die General-MIDI-SoundFont der Musik
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends (or another copy is running already),
1 when it cannot start, 2 for a bad command line.
</source>
        <translation>Rückgabewert: 0, wenn das Spiel endet (oder schon eine andere Kopie läuft),
1, wenn es nicht starten kann, 2 bei einer fehlerhaften Befehlszeile.
</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [-uNAME] [QT-OPTION]...
Quorvel 3-D: a random 3-D maze, seen in first person.

Options:
</source>
        <translation>Aufruf: %1 [OPTION]... [-uNAME] [QT-OPTION]...
Quorvel 3-D: ein zufälliges 3-D-Labyrinth, aus der Ich-Perspektive.

Optionen:
</translation>
    </message>
</context>
<context>
    <name>quorvel::EndScreen</name>
    <message>
        <source>You Lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Winner! (New Best Time)</source>
        <translation>Gewonnen! (Neue Bestzeit)</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Do you want to save your game before exiting?</source>
        <translation>Möchtest du dein Spiel vor dem Gehen speichern?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stats...</source>
        <translation>Statistik...</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Save the game, then leave the maze.</source>
        <translation>Das Spiel speichern, dann das Labyrinth verlassen.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Leave the maze without saving.</source>
        <translation>Das Labyrinth ohne Speichern verlassen.</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>The statistics of this game.</source>
        <translation>Die Statistik dieses Spiels.</translation>
    </message>
    <message>
        <source>Maze number
%1</source>
        <translation>Labyrinth Nr.
%1</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>You won, with the best time of rank %1.</source>
        <translation>Du hast gewonnen, mit der Bestzeit auf Platz %1.</translation>
    </message>
    <message>
        <source>You won.</source>
        <translation>Du hast gewonnen.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>You lost: the food ran out.</source>
        <translation>Du hast verloren: Der Proviant ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>Aufbruch</translation>
    </message>
    <message>
        <source>You are leaving this maze.</source>
        <translation>Du verlässt dieses Labyrinth.</translation>
    </message>
</context>
<context>
    <name>quorvel::GameScreen</name>
    <message>
        <source>north</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>An opening to the left.</source>
        <translation>Ein Durchgang links.</translation>
    </message>
    <message>
        <source>An opening to the right.</source>
        <translation>Ein Durchgang rechts.</translation>
    </message>
    <message>
        <source>Move forward.</source>
        <translation>Vorwärts gehen.</translation>
    </message>
    <message>
        <source>Turn left.</source>
        <translation>Nach links drehen.</translation>
    </message>
    <message>
        <source>Turn right.</source>
        <translation>Nach rechts drehen.</translation>
    </message>
    <message>
        <source>Step back.</source>
        <translation>Einen Schritt zurück.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Sounds on or off (S).</source>
        <translation>Klänge an oder aus (S).</translation>
    </message>
    <message>
        <source>Music on or off (M).</source>
        <translation>Musik an oder aus (M).</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>&amp;Quit Maze...</source>
        <translation>&amp;Verlassen...</translation>
    </message>
    <message>
        <source>Quit this maze.</source>
        <translation>Dieses Labyrinth verlassen.</translation>
    </message>
    <message>
        <source>ITEMS :</source>
        <translation>DINGE :</translation>
    </message>
    <message>
        <source>Time in maze:</source>
        <translation>Zeit im Labyrinth:</translation>
    </message>
    <message>
        <source>Stepcounter:</source>
        <translation>Schrittzähler:</translation>
    </message>
    <message>
        <source>Current number of steps taken in maze.</source>
        <translation>Bisherige Zahl der Schritte im Labyrinth.</translation>
    </message>
    <message>
        <source>View ahead</source>
        <translation>Blick nach vorn</translation>
    </message>
    <message>
        <source>Player and sides</source>
        <translation>Spieler und Seiten</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Move forward</source>
        <translation>Vorwärts gehen</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Quit Maze</source>
        <translation>Labyrinth verlassen</translation>
    </message>
    <message>
        <source>Leave this maze, with the offer to save it.</source>
        <translation>Dieses Labyrinth verlassen, mit dem Angebot, es zu speichern.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Dinge</translation>
    </message>
    <message>
        <source>Items held</source>
        <translation>Dinge im Gepäck</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Proviant</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Edelsteine</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Time and steps</source>
        <translation>Zeit und Schritte</translation>
    </message>
    <message>
        <source>Time in maze</source>
        <translation>Zeit im Labyrinth</translation>
    </message>
    <message>
        <source>How long this maze has taken so far.</source>
        <translation>Wie lange dieses Labyrinth bisher gedauert hat.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Not found yet.</source>
        <translation>Noch nicht gefunden.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>Labyrinth %1</translation>
    </message>
    <message>
        <source>Sound cues on.</source>
        <translation>Klanghinweise an.</translation>
    </message>
    <message>
        <source>Sound cues off.</source>
        <translation>Klanghinweise aus.</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <source>A wall to the left.</source>
        <translation>Eine Wand links.</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <source>A wall to the right.</source>
        <translation>Eine Wand rechts.</translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation>Blick nach %1.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 benutzen</translation>
    </message>
    <message>
        <source>Use battery</source>
        <translation>Batterie benutzen</translation>
    </message>
    <message>
        <source>Nothing to use yet: a battery is used here once one is found.</source>
        <translation>Noch nichts zu benutzen: Hier wird eine Batterie eingesetzt, sobald du eine findest.</translation>
    </message>
    <message>
        <source>Quit game?</source>
        <translation>Spiel beenden?</translation>
    </message>
    <message>
        <source>Are you sure you want to stop playing?</source>
        <translation>Willst du wirklich aufhören zu spielen?</translation>
    </message>
    <message>
        <source>The number of this maze: share it, or play the maze again with
quorvel3d %1 %2</source>
        <translation>Die Nummer dieses Labyrinths: Teile sie, oder spiele das Labyrinth noch einmal mit
quorvel3d %1 %2</translation>
    </message>
    <message>
        <source>Play with the keys: each move says what happens and what lies ahead.</source>
        <translation>Mit den Tasten spielen: Jeder Zug sagt, was geschieht und was vor dir liegt.</translation>
    </message>
    <message>
        <source>%1; key %2.</source>
        <translation>%1; Taste %2.</translation>
    </message>
    <message>
        <source>One step forward</source>
        <translation>Ein Schritt vorwärts</translation>
    </message>
    <message>
        <source>A quarter-turn to the left</source>
        <translation>Eine Vierteldrehung nach links</translation>
    </message>
    <message>
        <source>A quarter-turn to the right</source>
        <translation>Eine Vierteldrehung nach rechts</translation>
    </message>
    <message>
        <source>One step backwards</source>
        <translation>Ein Schritt rückwärts</translation>
    </message>
    <message>
        <source>Sounds on or off</source>
        <translation>Klänge an oder aus</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musik an oder aus</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Keine Meldungen.</translation>
    </message>
    <message>
        <source>Use %1; key %2.</source>
        <translation>%1 benutzen; Taste %2.</translation>
    </message>
    <message>
        <source>Batteries here: %1 uses them.</source>
        <translation>Batterien hier: %1 benutzt sie.</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>General Information</source>
        <translation>Allgemeines</translation>
    </message>
    <message>
        <source>About Themes</source>
        <translation>Über Themen</translation>
    </message>
    <message>
        <source>About Levels</source>
        <translation>Über Stufen</translation>
    </message>
    <message>
        <source>Loading a Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Loading a Previously Saved Game</source>
        <translation>Ein gespeichertes Spiel laden</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Necessary Items</source>
        <translation>Nötige Dinge</translation>
    </message>
    <message>
        <source>Helpful Items</source>
        <translation>Nützliche Dinge</translation>
    </message>
    <message>
        <source>Scoring Items</source>
        <translation>Punkte-Dinge</translation>
    </message>
    <message>
        <source>Navigating the Maze</source>
        <translation>Im Labyrinth bewegen</translation>
    </message>
    <message>
        <source>Ending the Game</source>
        <translation>Das Spielende</translation>
    </message>
    <message>
        <source>Saving a Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Saving a Game while in Progress</source>
        <translation>Ein laufendes Spiel speichern</translation>
    </message>
    <message>
        <source>Grand Finale</source>
        <translation>Das große Finale</translation>
    </message>
    <message>
        <source>The Grand Finale</source>
        <translation>Das große Finale</translation>
    </message>
    <message>
        <source>Quorvel 3-D Help</source>
        <translation>Quorvel 3-D Hilfe</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erstes</translation>
    </message>
    <message>
        <source>First Topic</source>
        <translation>Erstes Thema</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous Topic</source>
        <translation>Voriges Thema</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next Topic</source>
        <translation>Nächstes Thema</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letztes</translation>
    </message>
    <message>
        <source>Last Topic</source>
        <translation>Letztes Thema</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Hilfe schließen</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>The topics of the help under their headings; choosing one shows its page. N, P, F and L go to the next, previous, first and last topic.</source>
        <translation>Die Themen der Hilfe unter ihren Überschriften; eines zu wählen zeigt seine Seite. N, P, F und L gehen zum nächsten, vorigen, ersten und letzten Thema.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The topic shown, and the hint of a button.</source>
        <translation>Das gezeigte Thema und der Hinweis einer Schaltfläche.</translation>
    </message>
    <message>
        <source>Topic %1 of %2:  %3</source>
        <translation>Thema %1 von %2:  %3</translation>
    </message>
    <message>
        <source>Your keys</source>
        <translation>Deine Tasten</translation>
    </message>
    <message>
        <source>The settings file moves these keys for every player:</source>
        <translation>Die Einstellungsdatei verlegt diese Tasten für jeden Spieler:</translation>
    </message>
    <message>
        <source>step forward</source>
        <translation>Schritt vorwärts</translation>
    </message>
    <message>
        <source>step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>turn left</source>
        <translation>nach links drehen</translation>
    </message>
    <message>
        <source>turn right</source>
        <translation>nach rechts drehen</translation>
    </message>
    <message>
        <source>use a battery</source>
        <translation>eine Batterie benutzen</translation>
    </message>
    <message>
        <source>run</source>
        <translation>rennen</translation>
    </message>
    <message>
        <source>the overhead map</source>
        <translation>die Übersichtskarte</translation>
    </message>
    <message>
        <source>sounds on or off</source>
        <translation>Klänge an oder aus</translation>
    </message>
    <message>
        <source>music on or off</source>
        <translation>Musik an oder aus</translation>
    </message>
    <message>
        <source>the story</source>
        <translation>die Geschichte</translation>
    </message>
    <message>
        <source>yell</source>
        <translation>schreien</translation>
    </message>
    <message>
        <source>laugh</source>
        <translation>lachen</translation>
    </message>
    <message>
        <source>cry</source>
        <translation>weinen</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>springen</translation>
    </message>
    <message>
        <source>dance</source>
        <translation>tanzen</translation>
    </message>
    <message>
        <source>spoken play on or off</source>
        <translation>Sprachausgabe an oder aus</translation>
    </message>
    <message>
        <source>say the counters</source>
        <translation>die Zähler sagen</translation>
    </message>
    <message>
        <source>say the compass heading</source>
        <translation>die Kompassrichtung sagen</translation>
    </message>
    <message>
        <source>say what the tools tell</source>
        <translation>sagen, was die Werkzeuge zeigen</translation>
    </message>
    <message>
        <source>say what lies ahead</source>
        <translation>sagen, was voraus liegt</translation>
    </message>
    <message>
        <source>sound cues on or off</source>
        <translation>Klanghinweise an oder aus</translation>
    </message>
    <message>
        <source>the map&apos;s colours for colour-blind eyes</source>
        <translation>die Kartenfarben für farbenblinde Augen</translation>
    </message>
    <message>
        <source>say the last messages again</source>
        <translation>die letzten Meldungen noch einmal sagen</translation>
    </message>
</context>
<context>
    <name>quorvel::MapWindow</name>
    <message>
        <source>Quorvel Map</source>
        <translation>Quorvel-Karte</translation>
    </message>
    <message>
        <source>Lock the map to the game window</source>
        <translation>Die Karte ans Spielfenster heften</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>%1; it then keeps no keys.</source>
        <translation>%1; sie nimmt dann keine Tasten an.</translation>
    </message>
    <message>
        <source>A larger map.</source>
        <translation>Eine größere Karte.</translation>
    </message>
    <message>
        <source>A smaller map.</source>
        <translation>Eine kleinere Karte.</translation>
    </message>
    <message>
        <source>Map tools</source>
        <translation>Kartenwerkzeuge</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overhead map</source>
        <translation>Übersichtskarte</translation>
    </message>
    <message>
        <source>The maze from above, as far as the tools show it; resting the mouse on a cell tells what it holds.</source>
        <translation>Das Labyrinth von oben, soweit die Werkzeuge es zeigen; die Maus über einem Feld sagt, was darin liegt.</translation>
    </message>
    <message>
        <source>A wall (map)</source>
        <translation>Eine Wand (Karte)</translation>
    </message>
    <message>
        <source>A wall</source>
        <translation>Eine Wand</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Your path</source>
        <translation>Dein Weg</translation>
    </message>
    <message>
        <source>The exit</source>
        <translation>Der Ausgang</translation>
    </message>
    <message>
        <source>Your location</source>
        <translation>Dein Standort</translation>
    </message>
</context>
<context>
    <name>quorvel::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>The kind of this message.</source>
        <translation>Die Art dieser Meldung.</translation>
    </message>
</context>
<context>
    <name>quorvel::MessagePanel</name>
    <message>
        <source>                                   Messages :                              </source>
        <translation>                                   Meldungen :                           </translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Previous message recived.</source>
        <translation>Vorige Meldung erhalten.</translation>
    </message>
    <message>
        <source>Old message.</source>
        <translation>Alte Meldung.</translation>
    </message>
    <message>
        <source>Older messages</source>
        <translation>Ältere Meldungen</translation>
    </message>
    <message>
        <source>The message before the current one.</source>
        <translation>Die Meldung vor der aktuellen.</translation>
    </message>
    <message>
        <source>An older message.</source>
        <translation>Eine ältere Meldung.</translation>
    </message>
    <message>
        <source>Current message.</source>
        <translation>Aktuelle Meldung.</translation>
    </message>
    <message>
        <source>Current message</source>
        <translation>Aktuelle Meldung</translation>
    </message>
    <message>
        <source>The newest message.</source>
        <translation>Die neueste Meldung.</translation>
    </message>
    <message>
        <source>No message yet</source>
        <translation>Noch keine Meldung</translation>
    </message>
    <message>
        <source>Message Indicator:</source>
        <translation>Meldungsanzeige:</translation>
    </message>
    <message>
        <source>Message indicator</source>
        <translation>Meldungsanzeige</translation>
    </message>
    <message>
        <source>Something urgent in the messages.</source>
        <translation>Etwas Dringendes in den Meldungen.</translation>
    </message>
    <message>
        <source>Something to read in the messages.</source>
        <translation>Etwas zu lesen in den Meldungen.</translation>
    </message>
</context>
<context>
    <name>quorvel::OpeningScreen</name>
    <message>
        <source>Please enter your name (up to 12 characters).</source>
        <translation>Bitte gib deinen Namen ein (bis zu 12 Zeichen).</translation>
    </message>
    <message>
        <source>Nice -n- &amp;Easy...</source>
        <translation>Schön &amp;leicht...</translation>
    </message>
    <message>
        <source>A &amp;little harder now...</source>
        <translation>Ein &amp;wenig schwerer...</translation>
    </message>
    <message>
        <source>A &amp;real challenge...</source>
        <translation>Echt &amp;knifflig...</translation>
    </message>
    <message>
        <source>&amp;Now we&apos;re getting there...</source>
        <translation>&amp;Jetzt wird&apos;s ernst...</translation>
    </message>
    <message>
        <source>O.K. This is &amp;hard...</source>
        <translation>O.K. Das ist &amp;hart...</translation>
    </message>
    <message>
        <source>&amp;Only for the Strongest...</source>
        <translation>&amp;Nur für die Stärksten...</translation>
    </message>
    <message>
        <source>Either the theme entered was not a valid path or
     One or more files were missing or corrupt.

      The theme has been reset to the defalt.
                    &lt; Back to basics &lt;Default&gt; &gt;.</source>
        <translation>Entweder war das gewählte Thema kein gültiger Pfad, oder
     eine oder mehrere Dateien fehlten oder waren beschädigt.

      Das Thema wurde auf den Standard zurückgesetzt.
                    &lt; Back to basics &lt;Default&gt; &gt;.</translation>
    </message>
    <message>
        <source>Player&apos;s name: </source>
        <translation>Spielername: </translation>
    </message>
    <message>
        <source>Skill level: </source>
        <translation>Schwierigkeit: </translation>
    </message>
    <message>
        <source>Theme: </source>
        <translation>Thema: </translation>
    </message>
    <message>
        <source>The look, words and sounds of the maze.</source>
        <translation>Aussehen, Worte und Klänge des Labyrinths.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>PLEASE SELECT A &amp;THEME .</source>
        <translation>BITTE EIN &amp;THEMA WÄHLEN .</translation>
    </message>
    <message>
        <source>A theme is a folder beside the game with its own walls, words and sounds.</source>
        <translation>Ein Thema ist ein Ordner neben dem Spiel mit eigenen Wänden, Worten und Klängen.</translation>
    </message>
    <message>
        <source>PREVIEW.</source>
        <translation>VORSCHAU.</translation>
    </message>
    <message>
        <source>PLEASE SELECT  A SKILL LEVEL .</source>
        <translation>BITTE EINE STUFE WÄHLEN .</translation>
    </message>
    <message>
        <source>Load the saved game of level %1</source>
        <translation>Das gespeicherte Spiel der Stufe %1 laden</translation>
    </message>
    <message>
        <source>Go on with the game you saved at level %1.</source>
        <translation>Das auf Stufe %1 gespeicherte Spiel fortsetzen.</translation>
    </message>
    <message>
        <source>A maze of %1 x %1 cells.</source>
        <translation>Ein Labyrinth aus %1 x %1 Feldern.</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>LET&apos;S GET STARTED!!!</source>
        <translation>AUF GEHT&apos;S!!!</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start a new maze.</source>
        <translation>Ein neues Labyrinth beginnen.</translation>
    </message>
    <message>
        <source>E&amp;xit.</source>
        <translation>&amp;Ende.</translation>
    </message>
    <message>
        <source>Leave the game.</source>
        <translation>Das Spiel verlassen.</translation>
    </message>
    <message>
        <source>New &amp;Player</source>
        <translation>Neuer &amp;Spieler</translation>
    </message>
    <message>
        <source>Change the player.</source>
        <translation>Den Spieler wechseln.</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>How to play.</source>
        <translation>So wird gespielt.</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>About Quorvel 3-D.</source>
        <translation>Über Quorvel 3-D.</translation>
    </message>
    <message>
        <source>&amp;Best times</source>
        <translation>&amp;Bestzeiten</translation>
    </message>
    <message>
        <source>The best times of every level.</source>
        <translation>Die Bestzeiten jeder Stufe.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>The intro tune on or off (M).</source>
        <translation>Die Intro-Melodie an oder aus (M).</translation>
    </message>
    <message>
        <source>Intro tune</source>
        <translation>Intro-Melodie</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Version %1.   Press M to switch the intro.</source>
        <translation>Version %1.   M schaltet das Intro um.</translation>
    </message>
    <message>
        <source>Welcome to Quorvel 3-D</source>
        <translation>Willkommen bei Quorvel 3-D</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play under the name typed.</source>
        <translation>Unter dem eingegebenen Namen spielen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Play under the name offered.</source>
        <translation>Unter dem vorgeschlagenen Namen spielen.</translation>
    </message>
    <message>
        <source>Type another name.</source>
        <translation>Einen anderen Namen eingeben.</translation>
    </message>
    <message>
        <source>The name you enter must not be over 12 characters.</source>
        <translation>Der eingegebene Name darf nicht länger als 12 Zeichen sein.</translation>
    </message>
    <message>
        <source>The name you enter can not contain \ / : * ? &quot; &lt; &gt; | . or spaces</source>
        <translation>Der eingegebene Name darf weder \ / : * ? &quot; &lt; &gt; | . noch Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>The name you enter can not be used: %1.</source>
        <translation>Der eingegebene Name ist nicht verwendbar: %1.</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Themenvorschau</translation>
    </message>
    <message>
        <source>Walls and doors of the theme %1.</source>
        <translation>Wände und Türen des Themas %1.</translation>
    </message>
    <message>
        <source>Load saved game</source>
        <translation>Gespeichertes Spiel laden</translation>
    </message>
    <message>
        <source>The name offered: %1</source>
        <translation>Der vorgeschlagene Name: %1</translation>
    </message>
    <message>
        <source>Theme: %1</source>
        <translation>Thema: %1</translation>
    </message>
    <message>
        <source>Skill level: %1, a maze of %2 by %2 cells</source>
        <translation>Schwierigkeit: %1, ein Labyrinth aus %2 mal %2 Feldern</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Spieler: %1</translation>
    </message>
    <message>
        <source>No saved games</source>
        <translation>Keine gespeicherten Spiele</translation>
    </message>
    <message>
        <source>A saved game of level %1; Alt and the level&apos;s number loads it</source>
        <translation>Ein gespeichertes Spiel der Stufe %1; Alt und die Nummer der Stufe lädt es</translation>
    </message>
    <message>
        <source>Saved games of levels %1; Alt and the level&apos;s number loads it</source>
        <translation>Gespeicherte Spiele der Stufen %1; Alt und die Nummer der Stufe lädt eines</translation>
    </message>
    <message>
        <source>%1 switches speech on or off; </source>
        <translation>%1 schaltet die Sprache an oder aus; </translation>
    </message>
    <message>
        <source>Keys: Enter starts a new maze; Alt and E, L, R, N, H or O chooses the skill level; Alt and P changes the player; %1Esc leaves the game</source>
        <translation>Tasten: Enter beginnt ein neues Labyrinth; Alt und L, W, K, J, H oder N wählt die Schwierigkeit; Alt und S wechselt den Spieler; %1Esc verlässt das Spiel</translation>
    </message>
</context>
<context>
    <name>quorvel::Problems</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>A run cannot be watched while a game is played.</source>
        <translation>Ein Lauf kann nicht angesehen werden, während ein Spiel läuft.</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Ladefehler</translation>
    </message>
    <message>
        <source>The run %1 cannot be watched: %2.</source>
        <translation>Der Lauf %1 kann nicht angesehen werden: %2.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Save File!</source>
        <translation>%1 ist keine gültige Quorvel-Speicherdatei!</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>%1 has is corrupt or has been altered!</source>
        <translation>%1 ist beschädigt oder wurde verändert!</translation>
    </message>
    <message>
        <source>%1 contains invalid data!</source>
        <translation>%1 enthält ungültige Daten!</translation>
    </message>
    <message>
        <source>Unable to read %1!</source>
        <translation>%1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Score File! Defuault scores will be used!</source>
        <translation>%1 ist keine gültige Quorvel-Bestzeitendatei! Die Standard-Bestzeiten werden verwendet!</translation>
    </message>
    <message>
        <source>%1 is corrupt or has been altered!  Defuault scores will be used!</source>
        <translation>%1 ist beschädigt oder wurde verändert! Die Standard-Bestzeiten werden verwendet!</translation>
    </message>
    <message>
        <source>Unable to read %1!  Defuault scores will be used!</source>
        <translation>%1 kann nicht gelesen werden! Die Standard-Bestzeiten werden verwendet!</translation>
    </message>
    <message>
        <source>Unable to write to %1!</source>
        <translation>%1 kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Unable to write to %1! High scores may not be able to be viewed</source>
        <translation>%1 kann nicht geschrieben werden! Die Bestzeiten sind womöglich nicht zu sehen</translation>
    </message>
    <message>
        <source>Unable to read %1! High scores may not be able to be viewed!</source>
        <translation>%1 kann nicht gelesen werden! Die Bestzeiten sind womöglich nicht zu sehen!</translation>
    </message>
    <message>
        <source>Unable to create Saved Game folder!</source>
        <translation>Der Ordner für gespeicherte Spiele kann nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Speicherfehler</translation>
    </message>
    <message>
        <source>Replace Save File?</source>
        <translation>Spielstand ersetzen?</translation>
    </message>
    <message>
        <source>You already have a save file.

Do you want to save anyway? (the old save file will be replaced)</source>
        <translation>Du hast schon einen Spielstand.

Trotzdem speichern? (Der alte Spielstand wird ersetzt)</translation>
    </message>
</context>
<context>
    <name>quorvel::RunWatch</name>
    <message>
        <source>a player</source>
        <translation>einem Spieler</translation>
    </message>
    <message>
        <source>won in %1 with %2 and %3</source>
        <translation>gewonnen in %1 mit %2 und %3</translation>
    </message>
    <message>
        <source>lost in %1 with %2 and %3</source>
        <translation>verloren in %1 mit %2 und %3</translation>
    </message>
    <message>
        <source>left unfinished after %1 with %2 and %3</source>
        <translation>nach %1 unvollendet verlassen, mit %2 und %3</translation>
    </message>
    <message>
        <source>%1 gem</source>
        <translation>%1 Edelstein</translation>
    </message>
    <message>
        <source>%1 gems</source>
        <translation>%1 Edelsteinen</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 Schritt</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritten</translation>
    </message>
    <message>
        <source>The run reached its recorded result: %1.</source>
        <translation>Der Lauf hat sein aufgezeichnetes Ergebnis erreicht: %1.</translation>
    </message>
    <message>
        <source>The run departed from its record at event %1 of %2: %3.</source>
        <translation>Der Lauf ist bei Ereignis %1 von %2 von seiner Aufzeichnung abgewichen: %3.</translation>
    </message>
    <message>
        <source>Watching %1&apos;s run: %2</source>
        <translation>Lauf von %1: %2</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Space goes on
Right plays one event
1, 2, 4: speed
Esc stops</source>
        <translation>Leertaste: weiter
Rechts: ein Ereignis
1, 2, 4: Tempo
Esc: beenden</translation>
    </message>
    <message>
        <source>Space pauses
1, 2, 4: speed
Esc stops</source>
        <translation>Leertaste: anhalten
1, 2, 4: Tempo
Esc: beenden</translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay</name>
    <message>
        <source>%1: press %2</source>
        <translation>%1: drücke %2</translation>
    </message>
    <message>
        <source>Quorvel 3-D cannot speak: no speech service answered (speech-dispatcher with a voice such as espeak-ng). The game plays on without speech.</source>
        <translation>Quorvel 3-D kann nicht sprechen: Kein Sprachdienst hat geantwortet (speech-dispatcher mit einer Stimme wie espeak-ng). Das Spiel geht ohne Sprache weiter.</translation>
    </message>
    <message>
        <source>Spoken play on</source>
        <translation>Sprachausgabe an</translation>
    </message>
    <message>
        <source>Spoken play off.</source>
        <translation>Sprachausgabe aus.</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>direkt voraus</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 Felder voraus</translation>
    </message>
    <message>
        <source>one cell</source>
        <translation>ein Feld</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Felder</translation>
    </message>
    <message>
        <source>no</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>elf</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>zwölf</translation>
    </message>
    <message>
        <source>north</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>standing in the exit</source>
        <translation>du stehst im Ausgang</translation>
    </message>
    <message>
        <source>the exit ahead</source>
        <translation>der Ausgang direkt voraus</translation>
    </message>
    <message>
        <source>a wall with the map of the maze</source>
        <translation>eine Wand mit der Karte des Labyrinths</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>eine Wand</translation>
    </message>
    <message>
        <source>Food %1, battery %2 percent, gems %3, steps %4, time %5.</source>
        <translation>Proviant %1, Batterie %2 Prozent, Edelsteine %3, Schritte %4, Zeit %5.</translation>
    </message>
    <message>
        <source>No compass.</source>
        <translation>Kein Kompass.</translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation>Blick nach %1.</translation>
    </message>
    <message>
        <source>G.P.S.: X %1, Y %2.</source>
        <translation>G.P.S.: X %1, Y %2.</translation>
    </message>
    <message>
        <source>Beacon: no exit.</source>
        <translation>Peilsender: kein Ausgang.</translation>
    </message>
    <message>
        <source>Beacon: the exit is here.</source>
        <translation>Peilsender: Der Ausgang ist hier.</translation>
    </message>
    <message>
        <source>Beacon: the exit lies %1.</source>
        <translation>Peilsender: Der Ausgang liegt %1.</translation>
    </message>
    <message>
        <source>Beacon: the exit lies %1 and %2.</source>
        <translation>Peilsender: Der Ausgang liegt %1 und %2.</translation>
    </message>
    <message>
        <source>Detector: %1 box left.</source>
        <translation>Detektor: Kisten übrig: %1.</translation>
    </message>
    <message>
        <source>Detector: %1 boxes left.</source>
        <translation>Detektor: Kisten übrig: %1.</translation>
    </message>
    <message>
        <source>one cell; the exit two ahead</source>
        <translation>ein Feld; der Ausgang zwei Felder voraus</translation>
    </message>
    <message>
        <source>two cells; the exit three ahead</source>
        <translation>zwei Felder; der Ausgang drei Felder voraus</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <source>both sides after %1</source>
        <translation>beide Seiten bei Feld %1</translation>
    </message>
    <message>
        <source>left after %1</source>
        <translation>links bei Feld %1</translation>
    </message>
    <message>
        <source>right after %1</source>
        <translation>rechts bei Feld %1</translation>
    </message>
    <message>
        <source>the map at its end</source>
        <translation>die Karte an seinem Ende</translation>
    </message>
    <message>
        <source>batteries %1</source>
        <translation>Batterien %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>Kiste %1</translation>
    </message>
    <message>
        <source>opened box %1</source>
        <translation>offene Kiste %1</translation>
    </message>
    <message>
        <source>Open both sides.</source>
        <translation>Offen auf beiden Seiten.</translation>
    </message>
    <message>
        <source>Open left.</source>
        <translation>Links offen.</translation>
    </message>
    <message>
        <source>Open right.</source>
        <translation>Rechts offen.</translation>
    </message>
    <message>
        <source>The exit is to your left.</source>
        <translation>Der Ausgang liegt links von dir.</translation>
    </message>
    <message>
        <source>The map is to your left.</source>
        <translation>Die Karte liegt links von dir.</translation>
    </message>
    <message>
        <source>The exit is to your right.</source>
        <translation>Der Ausgang liegt rechts von dir.</translation>
    </message>
    <message>
        <source>The map is to your right.</source>
        <translation>Die Karte liegt rechts von dir.</translation>
    </message>
    <message>
        <source>The exit is behind you.</source>
        <translation>Der Ausgang liegt hinter dir.</translation>
    </message>
    <message>
        <source>The map is behind you.</source>
        <translation>Die Karte liegt hinter dir.</translation>
    </message>
    <message>
        <source>Found the compass.</source>
        <translation>Kompass gefunden.</translation>
    </message>
    <message>
        <source>Found the detector.</source>
        <translation>Detektor gefunden.</translation>
    </message>
    <message>
        <source>Found the beacon.</source>
        <translation>Peilsender gefunden.</translation>
    </message>
    <message>
        <source>Found the G.P.S.</source>
        <translation>G.P.S. gefunden.</translation>
    </message>
    <message>
        <source>Found the tracker.</source>
        <translation>Tracker gefunden.</translation>
    </message>
    <message>
        <source>Ran %1.</source>
        <translation>%1 gerannt.</translation>
    </message>
    <message>
        <source>Tracker: your trail is on the map.</source>
        <translation>Tracker: deine Spur steht auf der Karte.</translation>
    </message>
    <message>
        <source>No G.P.S., beacon, detector or tracker.</source>
        <translation>Kein G.P.S., kein Peilsender, kein Detektor, kein Tracker.</translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay::Way</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 nach %2</translation>
    </message>
</context>
<context>
    <name>quorvel::StatisticsScreen</name>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Ding:</translation>
    </message>
    <message>
        <source>Placed:</source>
        <translation>Verteilt:</translation>
    </message>
    <message>
        <source>Found:</source>
        <translation>Gefunden:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Game statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the statistics.</source>
        <translation>Die Statistik schließen.</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 Schritt</translation>
    </message>
    <message>
        <source>%1 steps </source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>%1 placed</source>
        <translation>%1 verteilt</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>Labyrinth %1</translation>
    </message>
    <message>
        <source>Item, placed, found:</source>
        <translation>Ding, verteilt, gefunden:</translation>
    </message>
    <message>
        <source>%1, %2 placed, %3 found</source>
        <translation>%1, %2 verteilt, %3 gefunden</translation>
    </message>
    <message>
        <source>Best time of rank %1.</source>
        <translation>Bestzeit auf Platz %1.</translation>
    </message>
    <message>
        <source>None placed.</source>
        <translation>Keine verteilt.</translation>
    </message>
    <message>
        <source>All found.</source>
        <translation>Alle gefunden.</translation>
    </message>
    <message>
        <source>None found.</source>
        <translation>Keine gefunden.</translation>
    </message>
    <message>
        <source>Some found.</source>
        <translation>Einige gefunden.</translation>
    </message>
</context>
<context>
    <name>quorvel::StoryWindow</name>
    <message>
        <source>Quorvel 3-D Story</source>
        <translation>Quorvel 3-D Geschichte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Hilfe schließen</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <source>The story of the theme.</source>
        <translation>Die Geschichte des Themas.</translation>
    </message>
    <message>
        <source>Close the story.</source>
        <translation>Die Geschichte schließen.</translation>
    </message>
    <message>
        <source>The story of %1</source>
        <translation>Die Geschichte von %1</translation>
    </message>
</context>
</TS>
