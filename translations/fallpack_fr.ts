<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BRIKOAboutBoxWindow</name>
    <message>
        <source>About Brikoline</source>
        <translation>À propos de Brikoline</translation>
    </message>
</context>
<context>
    <name>BRIKOBestWindow</name>
    <message>
        <source>Highscores</source>
        <translation>Meilleurs scores</translation>
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
        <translation>Commandes de BRIKO</translation>
    </message>
</context>
<context>
    <name>BRIKOMainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Best</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Démo</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Commandes</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>BRIKOOptionsWindow</name>
    <message>
        <source>BRIKO Options</source>
        <translation>Options de BRIKO</translation>
    </message>
    <message>
        <source>&amp;Blocks</source>
        <translation>B&amp;locs</translation>
    </message>
    <message>
        <source>Blocks design</source>
        <translation>Dessin des blocs</translation>
    </message>
    <message>
        <source>&amp;Aggregated blocks.</source>
        <translation>&amp;Blocs assemblés.</translation>
    </message>
    <message>
        <source>Four conca&amp;ve blocks.</source>
        <translation>Quatre blocs con&amp;caves.</translation>
    </message>
    <message>
        <source>Four &amp;pyramidal blocks.</source>
        <translation>Quatre blocs &amp;pyramidaux.</translation>
    </message>
    <message>
        <source>Four &amp;flat blocks.</source>
        <translation>Quatre blocs pl&amp;ats.</translation>
    </message>
    <message>
        <source>Four conve&amp;x blocks.</source>
        <translation>Quatre blocs con&amp;vexes.</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Wav files</source>
        <translation>Fichiers &amp;Wav</translation>
    </message>
    <message>
        <source>&amp;Sound effects enabled.</source>
        <translation>&amp;Effets sonores activés.</translation>
    </message>
    <message>
        <source>&amp;Music type</source>
        <translation>Type de &amp;musique</translation>
    </message>
    <message>
        <source>&amp;A-type.</source>
        <translation>Type &amp;A.</translation>
    </message>
    <message>
        <source>&amp;B-type.</source>
        <translation>Type &amp;B.</translation>
    </message>
    <message>
        <source>&amp;C-type.</source>
        <translation>Type &amp;C.</translation>
    </message>
    <message>
        <source>&amp;Off.</source>
        <translation>Auc&amp;une.</translation>
    </message>
    <message>
        <source>&amp;Misc</source>
        <translation>&amp;Divers</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>Demonstration mode in loo&amp;p.</source>
        <translation>Démonstration en &amp;boucle.</translation>
    </message>
    <message>
        <source>&amp;Joystick enabled.</source>
        <translation>&amp;Joystick activé.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
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
        <translation>SCORE</translation>
    </message>
    <message>
        <source>ROWS</source>
        <translation>LIGNES</translation>
    </message>
    <message>
        <source>PIECES</source>
        <translation>PIÈCES</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>move</source>
        <translation>bouger</translation>
    </message>
    <message>
        <source>rotate</source>
        <translation>tourner</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>mirror</source>
        <translation>retourner</translation>
    </message>
    <message>
        <source>fall fast (hold)</source>
        <translation>plus vite (tenir)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>drop at once</source>
        <translation>lâcher d&apos;un coup</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>lâcher</translation>
    </message>
    <message>
        <source>button 1:
mirror</source>
        <translation>bouton 1 :
retourner</translation>
    </message>
    <message>
        <source>F2 new • F3 pause • F10 demo • F4 or right click: best</source>
        <translation>F2 nouveau • F3 pause • F10 démo • F4 ou clic droit : scores</translation>
    </message>
    <message>
        <source>Twelve pentominoes to turn and mirror,
and a player of its own for the demonstration.</source>
        <translation>Douze pentaminos à tourner et à retourner,
et un joueur à lui pour la démonstration.</translation>
    </message>
    <message>
        <source>Version 1.95 • a Fallpack game</source>
        <translation>Version 1.95 • un jeu Fallpack</translation>
    </message>
    <message>
        <source>Press a key or click to close.</source>
        <translation>Une touche ou un clic pour fermer.</translation>
    </message>
</context>
<context>
    <name>OrchardBestWindow</name>
    <message>
        <source>Highscores</source>
        <translation>Meilleurs scores</translation>
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
        <translation>Meilleurs scores</translation>
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
        <translation>Options de Pillora</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>To align</source>
        <translation>Aligner</translation>
    </message>
    <message>
        <source>&amp;A few sound effects</source>
        <translation>&amp;Quelques effets sonores</translation>
    </message>
    <message>
        <source>Single capsules &amp;fall down</source>
        <translation>Les demi-capsules &amp;tombent</translation>
    </message>
    <message>
        <source>&amp;Viruses move within the board</source>
        <translation>Les &amp;virus se déplacent</translation>
    </message>
    <message>
        <source>&amp;Show next capsule</source>
        <translation>&amp;Afficher la suivante</translation>
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
        <translation>À propos d&apos;Orchard for Windows 95</translation>
    </message>
</context>
<context>
    <name>TOrchardMainWindow</name>
    <message>
        <source>Current Score</source>
        <translation>Score actuel</translation>
    </message>
    <message>
        <source>Played blocks</source>
        <translation>Blocs joués</translation>
    </message>
    <message>
        <source>Next block</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Eliminated</source>
        <translation>Éliminés</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Best</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>TOrchardOptionWindow</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Blocks</source>
        <translation>B&amp;locs</translation>
    </message>
    <message>
        <source>Blocks options.</source>
        <translation>Options des blocs.</translation>
    </message>
    <message>
        <source>&amp;Blocks of fruits</source>
        <translation>Blocs de &amp;fruits</translation>
    </message>
    <message>
        <source>&amp;Enable jocker block</source>
        <translation>Bloc &amp;joker actif</translation>
    </message>
    <message>
        <source>Show &amp;next block</source>
        <translation>Voir le s&amp;uivant</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Wav files</source>
        <translation>Fichiers &amp;Wav</translation>
    </message>
    <message>
        <source>A few &amp;sound effects.</source>
        <translation>Des &amp;effets sonores.</translation>
    </message>
    <message>
        <source>&amp;Music type</source>
        <translation>Type de &amp;musique</translation>
    </message>
    <message>
        <source>&amp;A-type</source>
        <translation>Type &amp;A</translation>
    </message>
    <message>
        <source>&amp;B-type</source>
        <translation>Type &amp;B</translation>
    </message>
    <message>
        <source>&amp;C-type</source>
        <translation>Type &amp;C</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>Auc&amp;une</translation>
    </message>
    <message>
        <source>&amp;Misc.</source>
        <translation>&amp;Divers</translation>
    </message>
    <message>
        <source>Number of fruits to align</source>
        <translation>Fruits à aligner</translation>
    </message>
    <message>
        <source>Starting level</source>
        <translation>Niveau de départ</translation>
    </message>
    <message>
        <source>Joystick enabled.</source>
        <translation>Joystick activé.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
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
        <translation>Score actuel</translation>
    </message>
    <message>
        <source>Played capsules</source>
        <translation>Capsules jouées</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Next capsule</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Viruses</source>
        <translation>Virus</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Best</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>briko::DemoStats</name>
    <message>
        <source>BRIKO Demo Statistics : </source>
        <translation>Statistiques des démos de BRIKO : </translation>
    </message>
    <message>
        <source>BRIKO Demo Statistics</source>
        <translation>Statistiques des démos de BRIKO</translation>
    </message>
    <message>
        <source>No demo game has been played !</source>
        <translation>Aucune partie de démonstration n&apos;a été jouée !</translation>
    </message>
    <message>
        <source> Demos played : </source>
        <translation> Démos jouées : </translation>
    </message>
    <message>
        <source> Maximum score : </source>
        <translation> Score maximum : </translation>
    </message>
    <message>
        <source> Minimum score : </source>
        <translation> Score minimum : </translation>
    </message>
    <message>
        <source> Mean score : </source>
        <translation> Score moyen : </translation>
    </message>
    <message>
        <source>Your maximum score is greater</source>
        <translation>Votre score maximum est meilleur</translation>
    </message>
    <message>
        <source>than mine ! Please let me know !</source>
        <translation>que le mien ! Faites-le-moi savoir !</translation>
    </message>
</context>
<context>
    <name>briko::TBrikoMainWindow</name>
    <message>
        <source>Dedicated to @Self</source>
        <translation>Dédié à @Self</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Démo</translation>
    </message>
</context>
<context>
    <name>kit</name>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 – À propos</translation>
    </message>
    <message>
        <source>Game Over ...</source>
        <translation>Partie terminée ...</translation>
    </message>
    <message>
        <source>Sorry !</source>
        <translation>Désolé !</translation>
    </message>
    <message>
        <source>Really ?</source>
        <translation>Vraiment ?</translation>
    </message>
    <message>
        <source>Abort Game ?</source>
        <translation>Abandonner la partie ?</translation>
    </message>
    <message>
        <source>You&apos;re running this game from a CDROM drive</source>
        <translation>Vous lancez ce jeu depuis un lecteur de CD-ROM</translation>
    </message>
    <message>
        <source>Please, copy all the files on a hard drive !</source>
        <translation>Veuillez copier tous les fichiers sur un disque dur !</translation>
    </message>
    <message>
        <source>Warning !</source>
        <translation>Attention !</translation>
    </message>
</context>
<context>
    <name>kit::BestWindow</name>
    <message>
        <source>You may be running %1 froma CDROM drive, please copy files on a hard drive</source>
        <translation>Vous lancez peut-être %1 depuis un lecteur de CD-ROM, veuillez copier les fichiers sur un disque dur</translation>
    </message>
    <message>
        <source>Write Error !</source>
        <translation>Erreur d&apos;écriture !</translation>
    </message>
    <message>
        <source>Please enter your name !</source>
        <translation>Veuillez entrer votre nom !</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; is damaged: it holds fewer than five entries.</source>
        <translation>Le fichier des meilleurs scores « %1 » est abîmé : il contient moins de cinq entrées.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; is read-only.</source>
        <translation>Le fichier des meilleurs scores « %1 » est en lecture seule.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; cannot be read (%2).</source>
        <translation>Le fichier des meilleurs scores « %1 » ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>It is left as it is, and no new score can be stored in it.</source>
        <translation>Il reste tel quel, et aucun nouveau score ne peut y être inscrit.</translation>
    </message>
    <message>
        <source>Warning !</source>
        <translation>Attention !</translation>
    </message>
    <message>
        <source>Orchard for Windows 95 top five !</source>
        <translation>Orchard for Windows 95 : les cinq meilleurs !</translation>
    </message>
    <message>
        <source>BRIKO top five !</source>
        <translation>BRIKO : les cinq meilleurs !</translation>
    </message>
    <message>
        <source>Pillora top five !</source>
        <translation>Pillora : les cinq meilleurs !</translation>
    </message>
</context>
<context>
    <name>kit::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – Aide</translation>
    </message>
</context>
<context>
    <name>orchard::TTOrchardMainWindow</name>
    <message>
        <source>Orchard version 1.95,
released in July 1996</source>
        <translation>Orchard version 1.95,
sortie en juillet 1996</translation>
    </message>
</context>
<context>
    <name>orchard::TTOrchardOptionWindow</name>
    <message>
        <source>Bad values !!!</source>
        <translation>Valeurs incorrectes !!!</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>Erreur !</translation>
    </message>
</context>
<context>
    <name>pillora::TTPilloraWindow</name>
    <message>
        <source>Pillora version 1.95</source>
        <translation>Pillora version 1.95</translation>
    </message>
    <message>
        <source>Game, pictures and sounds made by the Fallpack developers</source>
        <translation>Jeu, images et sons faits par les développeurs de Fallpack</translation>
    </message>
</context>
</TS>
