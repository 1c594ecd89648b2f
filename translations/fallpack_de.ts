<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BRIKOAboutBoxWindow</name>
    <message>
        <source>About Brikoline</source>
        <translation>Über Brikoline</translation>
    </message>
</context>
<context>
    <name>BRIKOBestWindow</name>
    <message>
        <source>Highscores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>BRIKOControls</name>
    <message>
        <source>BRIKO Controls</source>
        <translation>BRIKO-Steuerung</translation>
    </message>
</context>
<context>
    <name>BRIKOMainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Best</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Steuerung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>BRIKOOptionsWindow</name>
    <message>
        <source>BRIKO Options</source>
        <translation>BRIKO-Optionen</translation>
    </message>
    <message>
        <source>&amp;Blocks</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>Blocks design</source>
        <translation>Blockdesign</translation>
    </message>
    <message>
        <source>&amp;Aggregated blocks.</source>
        <translation>&amp;Verbundene Blöcke.</translation>
    </message>
    <message>
        <source>Four conca&amp;ve blocks.</source>
        <translation>Vier &amp;konkave Blöcke.</translation>
    </message>
    <message>
        <source>Four &amp;pyramidal blocks.</source>
        <translation>Vier &amp;pyramidale Blöcke.</translation>
    </message>
    <message>
        <source>Four &amp;flat blocks.</source>
        <translation>Vier &amp;flache Blöcke.</translation>
    </message>
    <message>
        <source>Four conve&amp;x blocks.</source>
        <translation>Vier konve&amp;xe Blöcke.</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Wav files</source>
        <translation>&amp;Wav-Dateien</translation>
    </message>
    <message>
        <source>&amp;Sound effects enabled.</source>
        <translation>Sound&amp;effekte an.</translation>
    </message>
    <message>
        <source>&amp;Music type</source>
        <translation>&amp;Musikart</translation>
    </message>
    <message>
        <source>&amp;A-type.</source>
        <translation>Musik &amp;A.</translation>
    </message>
    <message>
        <source>&amp;B-type.</source>
        <translation>Musik &amp;B.</translation>
    </message>
    <message>
        <source>&amp;C-type.</source>
        <translation>Musik &amp;C.</translation>
    </message>
    <message>
        <source>&amp;Off.</source>
        <translation>&amp;Keine.</translation>
    </message>
    <message>
        <source>&amp;Misc</source>
        <translation>&amp;Sonstiges</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Demonstration mode in loo&amp;p.</source>
        <translation>Demo in Sch&amp;leife.</translation>
    </message>
    <message>
        <source>&amp;Joystick enabled.</source>
        <translation>&amp;Joystick an.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>BrikoPictures</name>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>ROWS</source>
        <translation>REIHEN</translation>
    </message>
    <message>
        <source>PIECES</source>
        <translation>TEILE</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>NÄCHSTES</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>move</source>
        <translation>lenken</translation>
    </message>
    <message>
        <source>rotate</source>
        <translation>drehen</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umsch</translation>
    </message>
    <message>
        <source>mirror</source>
        <translation>spiegeln</translation>
    </message>
    <message>
        <source>fall fast (hold)</source>
        <translation>schnell (halten)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>drop at once</source>
        <translation>fallen lassen</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>fallen</translation>
    </message>
    <message>
        <source>button 1:
mirror</source>
        <translation>Knopf 1:
spiegeln</translation>
    </message>
    <message>
        <source>F2 new • F3 pause • F10 demo • F4 or right click: best</source>
        <translation>F2 neu • F3 Pause • F10 Demo • F4 oder Rechtsklick: Bestenliste</translation>
    </message>
    <message>
        <source>Twelve pentominoes to turn and mirror,
and a player of its own for the demonstration.</source>
        <translation>Zwölf Pentominos zum Drehen und Spiegeln,
und ein eigener Spieler für die Demonstration.</translation>
    </message>
    <message>
        <source>Version 1.95 • a Fallpack game</source>
        <translation>Version 1.95 • ein Fallpack-Spiel</translation>
    </message>
    <message>
        <source>Press a key or click to close.</source>
        <translation>Taste oder Klick schließt das Fenster.</translation>
    </message>
</context>
<context>
    <name>OrchardBestWindow</name>
    <message>
        <source>Highscores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>PilloraBestWindow</name>
    <message>
        <source>Highscores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>PilloraOptionWindow</name>
    <message>
        <source>Pillora Options</source>
        <translation>Pillora-Optionen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>To align</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>&amp;A few sound effects</source>
        <translation>&amp;Einige Soundeffekte</translation>
    </message>
    <message>
        <source>Single capsules &amp;fall down</source>
        <translation>Einzelne Kapseln &amp;fallen</translation>
    </message>
    <message>
        <source>&amp;Viruses move within the board</source>
        <translation>&amp;Viren bewegen sich</translation>
    </message>
    <message>
        <source>&amp;Show next capsule</source>
        <translation>Nächste Kapsel &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TOrchardAboutWindow</name>
    <message>
        <source>About Orchard for Windows 95</source>
        <translation>Über Orchard for Windows 95</translation>
    </message>
</context>
<context>
    <name>TOrchardMainWindow</name>
    <message>
        <source>Current Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Played blocks</source>
        <translation>Gespielte Blöcke</translation>
    </message>
    <message>
        <source>Next block</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Eliminated</source>
        <translation>Abgeräumt</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Best</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>TOrchardOptionWindow</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Blocks</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>Blocks options.</source>
        <translation>Blockoptionen.</translation>
    </message>
    <message>
        <source>&amp;Blocks of fruits</source>
        <translation>&amp;Fruchtbilder</translation>
    </message>
    <message>
        <source>&amp;Enable jocker block</source>
        <translation>&amp;Joker-Block an</translation>
    </message>
    <message>
        <source>Show &amp;next block</source>
        <translation>&amp;Nächsten zeigen</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Wav files</source>
        <translation>&amp;Wav-Dateien</translation>
    </message>
    <message>
        <source>A few &amp;sound effects.</source>
        <translation>&amp;Einige Soundeffekte.</translation>
    </message>
    <message>
        <source>&amp;Music type</source>
        <translation>&amp;Musikart</translation>
    </message>
    <message>
        <source>&amp;A-type</source>
        <translation>Musik &amp;A</translation>
    </message>
    <message>
        <source>&amp;B-type</source>
        <translation>Musik &amp;B</translation>
    </message>
    <message>
        <source>&amp;C-type</source>
        <translation>Musik &amp;C</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Misc.</source>
        <translation>&amp;Sonstiges</translation>
    </message>
    <message>
        <source>Number of fruits to align</source>
        <translation>Früchte in einer Reihe</translation>
    </message>
    <message>
        <source>Starting level</source>
        <translation>Anfangsstufe</translation>
    </message>
    <message>
        <source>Joystick enabled.</source>
        <translation>Joystick an.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TPilloraWindow</name>
    <message>
        <source>Current score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Played capsules</source>
        <translation>Gespielte Kapseln</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Next capsule</source>
        <translation>Nächste Kapsel</translation>
    </message>
    <message>
        <source>Viruses</source>
        <translation>Viren</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Best</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>briko::DemoStats</name>
    <message>
        <source>BRIKO Demo Statistics : </source>
        <translation>BRIKO-Demo-Statistik: </translation>
    </message>
    <message>
        <source>BRIKO Demo Statistics</source>
        <translation>BRIKO-Demo-Statistik</translation>
    </message>
    <message>
        <source>No demo game has been played !</source>
        <translation>Es wurde noch keine Demo gespielt!</translation>
    </message>
    <message>
        <source> Demos played : </source>
        <translation> Gespielte Demos: </translation>
    </message>
    <message>
        <source> Maximum score : </source>
        <translation> Höchstes Ergebnis: </translation>
    </message>
    <message>
        <source> Minimum score : </source>
        <translation> Niedrigstes Ergebnis: </translation>
    </message>
    <message>
        <source> Mean score : </source>
        <translation> Mittleres Ergebnis: </translation>
    </message>
    <message>
        <source>Your maximum score is greater</source>
        <translation>Ihr höchstes Ergebnis ist besser</translation>
    </message>
    <message>
        <source>than mine ! Please let me know !</source>
        <translation>als meines! Bitte sagen Sie es mir!</translation>
    </message>
</context>
<context>
    <name>briko::TBrikoMainWindow</name>
    <message>
        <source>Dedicated to @Self</source>
        <translation>Gewidmet: @Self</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
</context>
<context>
    <name>kit</name>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Game Over ...</source>
        <translation>Spiel vorbei ...</translation>
    </message>
    <message>
        <source>Sorry !</source>
        <translation>Schade!</translation>
    </message>
    <message>
        <source>Really ?</source>
        <translation>Wirklich?</translation>
    </message>
    <message>
        <source>Abort Game ?</source>
        <translation>Spiel abbrechen?</translation>
    </message>
    <message>
        <source>You&apos;re running this game from a CDROM drive</source>
        <translation>Sie starten dieses Spiel von einem CD-ROM-Laufwerk</translation>
    </message>
    <message>
        <source>Please, copy all the files on a hard drive !</source>
        <translation>Bitte kopieren Sie alle Dateien auf eine Festplatte!</translation>
    </message>
    <message>
        <source>Warning !</source>
        <translation>Achtung!</translation>
    </message>
</context>
<context>
    <name>kit::BestWindow</name>
    <message>
        <source>You may be running %1 froma CDROM drive, please copy files on a hard drive</source>
        <translation>Sie starten %1 vielleicht von einem CD-ROM-Laufwerk, bitte kopieren Sie die Dateien auf eine Festplatte</translation>
    </message>
    <message>
        <source>Write Error !</source>
        <translation>Schreibfehler!</translation>
    </message>
    <message>
        <source>Please enter your name !</source>
        <translation>Bitte geben Sie Ihren Namen ein!</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; is damaged: it holds fewer than five entries.</source>
        <translation>Die Bestenliste „%1“ ist beschädigt: Sie hat weniger als fünf Einträge.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; is read-only.</source>
        <translation>Die Bestenliste „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; cannot be read (%2).</source>
        <translation>Die Bestenliste „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>It is left as it is, and no new score can be stored in it.</source>
        <translation>Sie bleibt, wie sie ist, und kein neues Ergebnis kann darin gespeichert werden.</translation>
    </message>
    <message>
        <source>Warning !</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Orchard for Windows 95 top five !</source>
        <translation>Orchard for Windows 95: die besten fünf!</translation>
    </message>
    <message>
        <source>BRIKO top five !</source>
        <translation>BRIKO: die besten fünf!</translation>
    </message>
    <message>
        <source>Pillora top five !</source>
        <translation>Pillora: die besten fünf!</translation>
    </message>
</context>
<context>
    <name>kit::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – Hilfe</translation>
    </message>
</context>
<context>
    <name>orchard::TTOrchardMainWindow</name>
    <message>
        <source>Orchard version 1.95,
released in July 1996</source>
        <translation>Orchard Version 1.95,
erschienen im Juli 1996</translation>
    </message>
</context>
<context>
    <name>orchard::TTOrchardOptionWindow</name>
    <message>
        <source>Bad values !!!</source>
        <translation>Ungültige Werte!!!</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>Fehler!</translation>
    </message>
</context>
<context>
    <name>pillora::TTPilloraWindow</name>
    <message>
        <source>Pillora version 1.95</source>
        <translation>Pillora Version 1.95</translation>
    </message>
    <message>
        <source>Game, pictures and sounds made by the Fallpack developers</source>
        <translation>Spiel, Bilder und Klänge von den Fallpack-Entwicklern</translation>
    </message>
</context>
</TS>
