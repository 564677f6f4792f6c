<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AideQt</name>
    <message>
        <source>Aide de Strataloom</source>
        <translation>Strataloom help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide « %1 » ne peut pas être lu.</source>
        <translation>The help file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide « %1 » est introuvable.</source>
        <translation>The help file “%1” cannot be found.</translation>
    </message>
    <message>
        <source>Aide indisponible</source>
        <translation>Help unavailable</translation>
    </message>
    <message>
        <source>La rubrique %1 est absente du fichier d&apos;aide.</source>
        <translation>Topic %1 is missing from the help file.</translation>
    </message>
</context>
<context>
    <name>BoiteAPropos</name>
    <message>
        <source>STRATALOOM</source>
        <translation>STRATALOOM</translation>
    </message>
</context>
<context>
    <name>Cartes</name>
    <message>
        <source>Dépôt de la couche %1</source>
        <extracomment>%1 is the letter of the layer in the view.</extracomment>
        <translation>Deposition of layer %1</translation>
    </message>
    <message>
        <source>Dépôt d&apos;une couche</source>
        <translation>Deposition of a layer</translation>
    </message>
    <message>
        <source>Épanchement de la coulée de lave %1</source>
        <extracomment>%1 is the letter of the lava flow in the view.</extracomment>
        <translation>Lava flow %1</translation>
    </message>
    <message>
        <source>Épanchement d&apos;une coulée de lave</source>
        <translation>A lava flow</translation>
    </message>
    <message>
        <source>Érosion</source>
        <translation>Erosion</translation>
    </message>
    <message>
        <source>Mise en place du granite %1</source>
        <extracomment>%1 is the letter of the granite in the view.</extracomment>
        <translation>Intrusion of granite %1</translation>
    </message>
    <message>
        <source>Mise en place d&apos;un granite</source>
        <translation>Intrusion of a granite</translation>
    </message>
    <message>
        <source>Plissement (compression)</source>
        <translation>Folding (compression)</translation>
    </message>
    <message>
        <source>Chevauchement (faille inverse)</source>
        <translation>Thrust (reverse fault)</translation>
    </message>
    <message>
        <source>Faille normale (distension)</source>
        <translation>Normal fault (extension)</translation>
    </message>
</context>
<context>
    <name>Commandes</name>
    <message>
        <source>Charger une image modèle</source>
        <translation>Load a model picture</translation>
    </message>
    <message>
        <source>Sauver en tant que modèle</source>
        <translation>Save as a model</translation>
    </message>
    <message>
        <source>Exporter l&apos;image affichée</source>
        <translation>Export the displayed picture</translation>
    </message>
    <message>
        <source>Charger une liste d&apos;événements</source>
        <translation>Load an event list</translation>
    </message>
    <message>
        <source>Sauver la liste des événements</source>
        <translation>Save the event list</translation>
    </message>
    <message>
        <source>Exporter la liste des événements</source>
        <translation>Export the event list</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Retour début</source>
        <translation>Back to start</translation>
    </message>
    <message>
        <source>Lettres des formations</source>
        <translation>Formation letters</translation>
    </message>
    <message>
        <source>Teintes des formations</source>
        <translation>Formation tints</translation>
    </message>
    <message>
        <source>Roches</source>
        <translation>Rocks</translation>
    </message>
    <message>
        <source>Légende...</source>
        <translation>Legend...</translation>
    </message>
    <message>
        <source>Ouvrir un exercice...</source>
        <translation>Open an exercise...</translation>
    </message>
    <message>
        <source>Vérifier ma coupe</source>
        <translation>Check my section</translation>
    </message>
    <message>
        <source>Ordonner les événements...</source>
        <translation>Put the events in order...</translation>
    </message>
    <message>
        <source>Enregistrer ma réponse...</source>
        <translation>Save my answer...</translation>
    </message>
    <message>
        <source>Créer un exercice avec cette coupe...</source>
        <translation>Create an exercise from this section...</translation>
    </message>
    <message>
        <source>Espace enseignant...</source>
        <translation>Teacher&apos;s space...</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>A &amp;propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Evénements</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Exercice</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Exporter pour l&apos;ENT (SCORM)...</source>
        <translation>Export for the school platform (SCORM)...</translation>
    </message>
    <message>
        <source>Ouvrir une réponse...</source>
        <translation>Open an answer...</translation>
    </message>
</context>
<context>
    <name>Correction</name>
    <message>
        <source>une couche de roche</source>
        <translation>a rock layer</translation>
    </message>
    <message>
        <source>une coulée de lave</source>
        <translation>a lava flow</translation>
    </message>
    <message>
        <source>un granite</source>
        <translation>a granite</translation>
    </message>
    <message>
        <source>une faille</source>
        <translation>a fault</translation>
    </message>
    <message>
        <source>une surface d&apos;érosion</source>
        <translation>an erosion surface</translation>
    </message>
    <message>
        <source>%1 couches de roche</source>
        <extracomment>%1 is a number, 2 or more.</extracomment>
        <translation>%1 rock layers</translation>
    </message>
    <message>
        <source>%1 coulées de lave</source>
        <extracomment>%1 is a number, 2 or more.</extracomment>
        <translation>%1 lava flows</translation>
    </message>
    <message>
        <source>%1 granites</source>
        <extracomment>%1 is a number, 2 or more.</extracomment>
        <translation>%1 granites</translation>
    </message>
    <message>
        <source>%1 failles</source>
        <extracomment>%1 is a number, 2 or more.</extracomment>
        <translation>%1 faults</translation>
    </message>
    <message>
        <source>%1 surfaces d&apos;érosion</source>
        <extracomment>%1 is a number, 2 or more.</extracomment>
        <translation>%1 erosion surfaces</translation>
    </message>
    <message>
        <source>Il manque à ta coupe %1 que montre le modèle.</source>
        <extracomment>%1 says how many formations of a kind: &quot;une couche de roche&quot;, &quot;2 failles&quot;...</extracomment>
        <translation>Your section lacks %1 that the model shows.</translation>
    </message>
    <message>
        <source>Ta coupe montre %1 de plus que le modèle.</source>
        <extracomment>%1 says how many formations of a kind: &quot;une couche de roche&quot;, &quot;2 failles&quot;...</extracomment>
        <translation>Your section shows %1 more than the model.</translation>
    </message>
    <message>
        <source>La surface du sol n&apos;a pas la même forme que dans le modèle : là où l&apos;un montre du ciel, l&apos;autre montre de la roche (zones en couleur).</source>
        <translation>The ground surface does not have the same shape as in the model: where one shows sky, the other shows rock (coloured areas).</translation>
    </message>
    <message>
        <source>Tes formations sont les bonnes, mais une structure n&apos;est pas à sa place : compare les plis, les failles et les épaisseurs dans les zones en couleur.</source>
        <translation>Your formations are the right ones, but a structure is not in its place: compare the folds, the faults and the thicknesses in the coloured areas.</translation>
    </message>
    <message>
        <source>Ta coupe n&apos;est pas tout à fait celle du modèle : regarde les zones en couleur.</source>
        <translation>Your section is not quite the model&apos;s: look at the coloured areas.</translation>
    </message>
    <message>
        <source>À la place du plissement, ta coupe montre un chevauchement.</source>
        <translation>In place of the folding, your section shows a thrust.</translation>
    </message>
    <message>
        <source>À la place du chevauchement, ta coupe montre un plissement.</source>
        <translation>In place of the thrust, your section shows a folding.</translation>
    </message>
</context>
<context>
    <name>DialogueFichier</name>
    <message>
        <source>Le dossier %1 n&apos;existe pas.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;existe pas.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>Disponibilite</name>
    <message>
        <source>plus de place pour une nouvelle couche : fais d&apos;abord une érosion</source>
        <translation>no more room for a new layer: apply an erosion first</translation>
    </message>
    <message>
        <source>Strataloom ne sait poser une coulée que sur une surface plane : fais d&apos;abord une érosion</source>
        <translation>Strataloom can only lay a lava flow on a flat surface: apply an erosion first</translation>
    </message>
    <message>
        <source>la surface est trop près du haut de l&apos;image pour y dessiner la coulée : fais d&apos;abord une érosion</source>
        <translation>the surface is too close to the top of the picture to draw the lava flow there: apply an erosion first</translation>
    </message>
    <message>
        <source>la surface est déjà trop près du bas de l&apos;image : une érosion la ferait disparaître</source>
        <translation>the surface is already too close to the bottom of the picture: an erosion would make it disappear</translation>
    </message>
    <message>
        <source>la surface est trop près du bas de l&apos;image : il ne reste plus assez de couches à traverser</source>
        <translation>the surface is too close to the bottom of the picture: there are not enough layers left to cut through</translation>
    </message>
    <message>
        <source>une distension figure dans la liste : Strataloom ne sait pas mettre en place un granite dans une région déjà étirée</source>
        <translation>an extension is in the list: Strataloom cannot intrude a granite into a region it has already stretched</translation>
    </message>
    <message>
        <source>une distension figure dans la liste : Strataloom ne sait pas comprimer une région déjà étirée</source>
        <translation>an extension is in the list: Strataloom cannot compress a region it has already stretched</translation>
    </message>
    <message>
        <source>une distension figure dans la liste : Strataloom ne sait pas faire chevaucher une région déjà étirée</source>
        <translation>an extension is in the list: Strataloom cannot thrust a region it has already stretched</translation>
    </message>
    <message>
        <source>la surface est trop près du haut de l&apos;image : les couches qui montent n&apos;auraient plus de place</source>
        <translation>the surface is too close to the top of the picture: the layers moving up would have no room left</translation>
    </message>
    <message>
        <source>les images de la coupe manquent : aucun événement n&apos;est possible</source>
        <translation>the pictures of the section are missing: no event is possible</translation>
    </message>
    <message>
        <source>Ouvre l&apos;aide de « %1 » : ce que fait cet événement et quand il est possible.</source>
        <translation>Opens the help on “%1”: what this event does and when it is possible.</translation>
    </message>
    <message>
        <source>Impossible pour l&apos;instant : %1.</source>
        <translation>Not possible for now: %1.</translation>
    </message>
    <message>
        <source>« %1 » est impossible pour l&apos;instant : %2.</source>
        <translation>“%1” is not possible for now: %2.</translation>
    </message>
    <message>
        <source>la base de la nappe d&apos;un chevauchement précédent remonterait dans l&apos;image : Strataloom ne sait pas faire un chevauchement de plus</source>
        <translation>the base of an earlier thrust sheet would rise into the picture: Strataloom cannot add another thrust</translation>
    </message>
    <message>
        <source>En rouge : l&apos;aide du dernier événement appliqué.</source>
        <translation>In red: the help of the last event applied.</translation>
    </message>
</context>
<context>
    <name>Enseignant</name>
    <message>
        <source>La graine doit être un nombre entier de 0 à 4294967295.</source>
        <translation>The seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>Chargement impossible : %1 (%2).</source>
        <translation>Cannot load %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Evenements</name>
    <message>
        <source>Sédimentation</source>
        <translation>Sedimentation</translation>
    </message>
    <message>
        <source>Volcanisme</source>
        <translation>Volcanism</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosion</translation>
    </message>
    <message>
        <source>Plutonisme</source>
        <translation>Plutonism</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Chevauchement</source>
        <translation>Thrust</translation>
    </message>
    <message>
        <source>Distension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Une nouvelle couche se dépose sur la surface ; sur un relief, elle comble d&apos;abord les creux.</source>
        <translation>A new layer is deposited on the surface; on an uneven surface, it fills the hollows first.</translation>
    </message>
    <message>
        <source>Une coulée de lave sort d&apos;un petit volcan près du bord droit et s&apos;étale sur la surface ; son filon recoupe les couches.</source>
        <translation>A lava flow pours out of a small volcano near the right edge and spreads over the surface; its dyke cuts across the layers.</translation>
    </message>
    <message>
        <source>Le haut de la coupe est raboté : il reste une surface plane.</source>
        <translation>The top of the section is planed off: a flat surface remains.</translation>
    </message>
    <message>
        <source>Un magma granitique s&apos;injecte en profondeur, près du bord droit, et y cristallise.</source>
        <translation>A granitic magma intrudes at depth, near the right edge, and crystallises there.</translation>
    </message>
    <message>
        <source>Les couches sont serrées et se plissent.</source>
        <translation>The layers are squeezed and fold.</translation>
    </message>
    <message>
        <source>Les couches se plissent, puis un paquet de couches glisse sur ses voisines le long d&apos;une faille.</source>
        <translation>The layers fold, then a pile of layers slides over its neighbours along a fault.</translation>
    </message>
    <message>
        <source>La région s&apos;étire : un bloc s&apos;effondre entre deux failles.</source>
        <translation>The region stretches: a block collapses between two faults.</translation>
    </message>
</context>
<context>
    <name>Exercice</name>
    <message>
        <source>la liste compte plus de %1 événements</source>
        <extracomment>%1 is a number of events.</extracomment>
        <translation>the list holds more than %1 events</translation>
    </message>
    <message>
        <source>la liste des événements dépasse %1 lignes</source>
        <extracomment>%1 is a number of lines.</extracomment>
        <translation>the event list exceeds %1 lines</translation>
    </message>
    <message>
        <source>la liste des événements est illisible</source>
        <translation>the event list cannot be read</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier d&apos;exercice</source>
        <translation>this is not an exercise file</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier de réponse</source>
        <translation>this is not an answer file</translation>
    </message>
    <message>
        <source>le fichier est tronqué</source>
        <translation>the file is truncated</translation>
    </message>
    <message>
        <source>l&apos;en-tête est abîmé</source>
        <translation>the header is damaged</translation>
    </message>
    <message>
        <source>le fichier a des octets en trop après la fin</source>
        <translation>the file has extra bytes after its end</translation>
    </message>
    <message>
        <source>le fichier est abîmé (la somme de contrôle ne correspond pas)</source>
        <translation>the file is damaged (the checksum does not match)</translation>
    </message>
    <message>
        <source>le titre dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the title exceeds %1 bytes</translation>
    </message>
    <message>
        <source>le titre n&apos;est pas un texte UTF-8 sans caractère de contrôle</source>
        <translation>the title is not UTF-8 text without control characters</translation>
    </message>
    <message>
        <source>la liste des événements est vide</source>
        <translation>the event list is empty</translation>
    </message>
    <message>
        <source>la liste des événements dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the event list exceeds %1 bytes</translation>
    </message>
    <message>
        <source>une ligne de la liste ne s&apos;écrirait pas telle quelle</source>
        <translation>a line of the list could not be written as it is</translation>
    </message>
    <message>
        <source>l&apos;image de la coupe est vide ou trop grande</source>
        <translation>the picture of the section is empty or too big</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève est vide</source>
        <translation>the pupil&apos;s name is empty</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the pupil&apos;s name exceeds %1 bytes</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève n&apos;est pas un texte UTF-8 sans caractère de contrôle</source>
        <translation>the pupil&apos;s name is not UTF-8 text without control characters</translation>
    </message>
    <message>
        <source>l&apos;image de la coupe annoncée (%1 x %2 pixels) est vide ou trop grande</source>
        <extracomment>%1 and %2 are the width and the height the file announces.</extracomment>
        <translation>the announced picture of the section (%1 x %2 pixels) is empty or too big</translation>
    </message>
    <message>
        <source>le titre annoncé dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the announced title exceeds %1 bytes</translation>
    </message>
    <message>
        <source>la liste des événements annoncée est vide ou dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the announced event list is empty or exceeds %1 bytes</translation>
    </message>
    <message>
        <source>la liste des événements est abîmée</source>
        <translation>the event list is damaged</translation>
    </message>
    <message>
        <source>l&apos;empreinte de l&apos;exercice ne correspond pas à son contenu</source>
        <translation>the exercise&apos;s fingerprint does not match its content</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève annoncé est vide ou dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the announced pupil&apos;s name is empty or exceeds %1 bytes</translation>
    </message>
    <message>
        <source>la liste des événements annoncée dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the announced event list exceeds %1 bytes</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève n&apos;est pas un texte UTF-8 lisible</source>
        <translation>the pupil&apos;s name is not readable UTF-8 text</translation>
    </message>
    <message>
        <source>le fichier dépasse %1 octets</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>the file exceeds %1 bytes</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève contient un caractère invisible ou de contrôle (%1)</source>
        <extracomment>%1 is a character&apos;s code, such as U+202E.</extracomment>
        <translation>the pupil&apos;s name holds an invisible or control character (%1)</translation>
    </message>
    <message>
        <source>le nom de l&apos;élève ne contient ni lettre ni chiffre</source>
        <translation>the pupil&apos;s name holds no letter or digit</translation>
    </message>
    <message>
        <source>version %1 du format inconnue (ce programme lit les versions 1 et 2)</source>
        <extracomment>%1 is the version number the file announces.</extracomment>
        <translation>unknown format version %1 (this program reads versions 1 and 2)</translation>
    </message>
    <message>
        <source>l&apos;ordre des événements est illisible</source>
        <translation>the order of the events cannot be read</translation>
    </message>
    <message>
        <source>version %1 du format inconnue (ce programme lit les versions 1 à 3)</source>
        <extracomment>%1 is the version number the file announces.</extracomment>
        <translation>unknown format version %1 (this program reads versions 1 to 3)</translation>
    </message>
</context>
<context>
    <name>Fenetre</name>
    <message>
        <source>Strataloom</source>
        <translation>Strataloom</translation>
    </message>
    <message>
        <source>Vous allez travailler dans le domaine sédimentaire uniquement.<byte value="xd"/>L&apos;histoire géologique antérieure de la région ne sera pas prise<byte value="xd"/>en compte. L&apos;influence des stuctures géologiques antérieures<byte value="xd"/>sera donc négligée</source>
        <translation>You are going to work in the sedimentary domain only.<byte value="xd"/>The earlier geological history of the region will not be<byte value="xd"/>taken into account. The influence of earlier geological<byte value="xd"/>structures will therefore be neglected.</translation>
    </message>
    <message>
        <source>Un ou plusieurs fichiers d&apos;images sont absents</source>
        <translation>One or more picture files are missing</translation>
    </message>
    <message>
        <source>Chargement impossible</source>
        <translation>Cannot load</translation>
    </message>
    <message>
        <source>Impossible de charger le fichier</source>
        <translation>Cannot load the file</translation>
    </message>
    <message>
        <source>Retour impossible</source>
        <translation>Cannot go back</translation>
    </message>
    <message>
        <source>Clic pour afficher le modèle...</source>
        <translation>Click to show the model...</translation>
    </message>
    <message>
        <source>Hello !</source>
        <translation>Hello!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Aucune formation n&apos;est visible.</source>
        <translation>No formation is visible.</translation>
    </message>
    <message>
        <source>La rubrique %1 est absente du fichier d&apos;aide.</source>
        <translation>Topic %1 is missing from the help file.</translation>
    </message>
    <message>
        <source>Aide indisponible</source>
        <translation>Help unavailable</translation>
    </message>
    <message>
        <source>Exemple.lst</source>
        <translation>Exemple.lst</translation>
    </message>
    <message>
        <source>Liste.txt</source>
        <translation>Liste.txt</translation>
    </message>
    <message>
        <source>Exemple.bmp</source>
        <translation>Exemple.bmp</translation>
    </message>
    <message>
        <source>La coupe commencée dans ce navigateur a été gardée : %1.<byte value="xd"/>Voulez-vous la reprendre ?</source>
        <translation>The section started in this browser has been kept: %1.<byte value="xd"/>Do you want to go on with it?</translation>
    </message>
    <message>
        <source>un événement après la couche de départ</source>
        <translation>one event after the starting series</translation>
    </message>
    <message>
        <source>%1 événements après la couche de départ</source>
        <translation>%1 events after the starting series</translation>
    </message>
    <message>
        <source>la couche de départ seule</source>
        <translation>the starting series alone</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Nouvelle coupe</source>
        <translation>New section</translation>
    </message>
    <message>
        <source>Le navigateur n&apos;a plus de place pour garder ta coupe : si tu fermes la page, elle sera perdue.<byte value="xd"/>Pense à la sauver avec « Sauver la liste des événements ».</source>
        <translation>The browser has no room left to keep your section: if you close the page, it will be lost.<byte value="xd"/>Remember to save it with “Save the event list”.</translation>
    </message>
    <message>
        <source>Légende des formations</source>
        <translation>Legend of the formations</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Conçu par l&apos;équipe Strataloom</source>
        <translation>Designed by the Strataloom team</translation>
    </message>
    <message>
        <source>Aide de Strataloom</source>
        <translation>Strataloom help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Coupe géologique</source>
        <translation>Geological cross-section</translation>
    </message>
    <message>
        <source>Image modèle</source>
        <translation>Model picture</translation>
    </message>
    <message>
        <source>liste des événements géologiques</source>
        <translation>list of the geological events</translation>
    </message>
    <message>
        <source>Les lettres des formations sont tirées au hasard : elles ne disent ni leur âge ni leur place. Les failles (F), le plan de chevauchement (T) et les surfaces d&apos;érosion (S) sont des structures, à part.</source>
        <translation>The formations&apos; letters are drawn at random: they tell neither their age nor their place. Faults (F), the thrust plane (T) and erosion surfaces (S) are structures, listed apart.</translation>
    </message>
    <message>
        <source>La coupe commencée la dernière fois a été gardée : %1.<byte value="xd"/>Veux-tu la reprendre ?</source>
        <translation>The section started last time has been kept: %1.<byte value="xd"/>Do you want to go on with it?</translation>
    </message>
    <message>
        <source>Ton travail sur l&apos;exercice « %1 » a été gardé : %2.<byte value="xd"/>Veux-tu le reprendre ?</source>
        <translation>Your work on the exercise “%1” has been kept: %2.<byte value="xd"/>Do you want to go on with it?</translation>
    </message>
    <message>
        <source>%1, et l&apos;ordre des événements que tu as vérifié</source>
        <translation>%1, and the order of the events you checked</translation>
    </message>
</context>
<context>
    <name>FenetreEnseignant</name>
    <message>
        <source>Espace enseignant</source>
        <translation>Teacher&apos;s space</translation>
    </message>
    <message>
        <source>Préparer une série</source>
        <translation>Prepare a series</translation>
    </message>
    <message>
        <source>Noter une classe</source>
        <translation>Mark a class</translation>
    </message>
    <message>
        <source>Fermer l&apos;espace enseignant</source>
        <translation>Close the teacher&apos;s space</translation>
    </message>
    <message>
        <source>Nombre d&apos;exercices</source>
        <translation>Number of exercises</translation>
    </message>
    <message>
        <source>Nombre d&apos;exercices :</source>
        <translation>Number of exercises:</translation>
    </message>
    <message>
        <source>Événements par exercice</source>
        <translation>Events per exercise</translation>
    </message>
    <message>
        <source>Événements par exercice :</source>
        <translation>Events per exercise:</translation>
    </message>
    <message>
        <source>Événements permis</source>
        <translation>Allowed events</translation>
    </message>
    <message>
        <source>Permettre : %1</source>
        <translation>Allow: %1</translation>
    </message>
    <message>
        <source>Graine de la série</source>
        <translation>Seed of the series</translation>
    </message>
    <message>
        <source>Nouvelle graine</source>
        <translation>New seed</translation>
    </message>
    <message>
        <source>Tirer une nouvelle graine</source>
        <translation>Draw a new seed</translation>
    </message>
    <message>
        <source>Graine :</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Créer la série...</source>
        <translation>Create the series...</translation>
    </message>
    <message>
        <source>Créer la série dans un dossier</source>
        <translation>Create the series in a folder</translation>
    </message>
    <message>
        <source>Série écrite</source>
        <translation>Series written</translation>
    </message>
    <message>
        <source>Exercice...</source>
        <translation>Exercise...</translation>
    </message>
    <message>
        <source>Choisir le fichier d&apos;exercice</source>
        <translation>Choose the exercise file</translation>
    </message>
    <message>
        <source>aucun exercice choisi</source>
        <translation>no exercise chosen</translation>
    </message>
    <message>
        <source>Exercice choisi</source>
        <translation>Chosen exercise</translation>
    </message>
    <message>
        <source>Copies...</source>
        <translation>Answers...</translation>
    </message>
    <message>
        <source>Choisir le dossier des réponses des élèves</source>
        <translation>Choose the folder of the pupils&apos; answers</translation>
    </message>
    <message>
        <source>aucun dossier choisi</source>
        <translation>no folder chosen</translation>
    </message>
    <message>
        <source>Dossier des réponses</source>
        <translation>Answers folder</translation>
    </message>
    <message>
        <source>Notes de la classe</source>
        <translation>The class&apos;s marks</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Note /20</source>
        <translation>Mark /20</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Enregistrer en CSV...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Enregistrer les notes en CSV</source>
        <translation>Save the marks as CSV</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1 (%2).</source>
        <translation>Cannot write %1 (%2).</translation>
    </message>
    <message>
        <source>Exercice à noter</source>
        <translation>Exercise to mark</translation>
    </message>
    <message>
        <source>Exercice Strataloom (*.exo)|*.exo</source>
        <translation>Strataloom exercise (*.exo)|*.exo</translation>
    </message>
    <message>
        <source>Dossier des réponses des élèves</source>
        <translation>Folder of the pupils&apos; answers</translation>
    </message>
    <message>
        <source>Chargement impossible : %1 (%2).</source>
        <translation>Cannot load %1 (%2).</translation>
    </message>
    <message>
        <source>Enregistrer les notes</source>
        <translation>Save the marks</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)|*.csv</source>
        <translation>CSV table (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Copies notées</source>
        <translation>Answers marked</translation>
    </message>
    <message>
        <source>Notation des copies...</source>
        <translation>Marking the answers...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>%n copie(s) notée(s).</source>
        <translation>
            <numerusform>%n answer marked.</numerusform>
            <numerusform>%n answers marked.</numerusform>
        </translation>
    </message>
    <message>
        <source>La série n&apos;a pas été écrite : aucun fichier du dossier n&apos;a changé.</source>
        <translation>The series was not written: no file in the folder was changed.</translation>
    </message>
    <message>
        <source>Datation relative</source>
        <translation>Relative dating</translation>
    </message>
    <message>
        <source>Titre de la série</source>
        <translation>Title of the series</translation>
    </message>
    <message>
        <source>Ordre /20</source>
        <translation>Order /20</translation>
    </message>
    <message>
        <source>Dossier où créer « %1 »</source>
        <translation>Folder in which to create “%1”</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.</source>
        <translation>The file %1 already exists.</translation>
    </message>
    <message>
        <source>Impossible de créer le dossier %1.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n exercice(s) écrit(s) dans %1, avec leurs fiches (%2).</source>
        <translation>
            <numerusform>%n exercise written in %1, with its sheets (%2).</numerusform>
            <numerusform>%n exercises written in %1, with their sheets (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercice(s) dans le paquet pour l&apos;ENT %1.</source>
        <translation>
            <numerusform>%n exercise in the package for the school platform %1.</numerusform>
            <numerusform>%n exercises in the package for the school platform %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Exporter la série pour l&apos;ENT (SCORM)...</source>
        <translation>Export the series for the school platform (SCORM)...</translation>
    </message>
    <message>
        <source>Exporter la série en un paquet pour l&apos;ENT</source>
        <translation>Export the series as one package for the school platform</translation>
    </message>
    <message numerus="yes">
        <source>Notation interrompue : %n copie(s) notée(s) sur %1.</source>
        <translation>
            <numerusform>Marking stopped: %n answer marked out of %1.</numerusform>
            <numerusform>Marking stopped: %n answers marked out of %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FenetreOrdonner</name>
    <message>
        <source>Ordonner les événements</source>
        <translation>Put the events in order</translation>
    </message>
    <message>
        <source>Coupe à expliquer</source>
        <translation>Section to explain</translation>
    </message>
    <message>
        <source>La coupe du modèle, avec la lettre de chaque formation.</source>
        <translation>The model&apos;s section, with each formation&apos;s letter.</translation>
    </message>
    <message>
        <source>Range les événements du plus ancien (en haut) au plus récent (en bas). Fais glisser une carte, ou choisis-la puis appuie sur « Monter » ou « Descendre » (Alt+Haut, Alt+Bas).</source>
        <translation>Put the events in order from the oldest (at the top) to the most recent (at the bottom). Drag a card, or choose it and press “Move up” or “Move down” (Alt+Up, Alt+Down).</translation>
    </message>
    <message>
        <source>Événements à ranger</source>
        <translation>Events to order</translation>
    </message>
    <message>
        <source>Du plus ancien, en haut, au plus récent, en bas. Alt+Haut et Alt+Bas déplacent la carte choisie.</source>
        <translation>From the oldest, at the top, to the most recent, at the bottom. Alt+Up and Alt+Down move the chosen card.</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Monter la carte choisie</source>
        <translation>Move the chosen card up</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Descendre la carte choisie</source>
        <translation>Move the chosen card down</translation>
    </message>
    <message>
        <source>Résultat de la vérification</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>Cet exercice a été préparé avec d&apos;autres images de roches : la coupe montrée est celle que donnent les images d&apos;ici.</source>
        <translation>This exercise was prepared with other rock pictures: the section shown is the one the pictures here give.</translation>
    </message>
    <message>
        <source>Vérifier</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Vérifier l&apos;ordre des événements</source>
        <translation>Check the order of the events</translation>
    </message>
    <message>
        <source>Fermer la fenêtre</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Principe qui date la carte choisie</source>
        <translation>Principle that dates the chosen card</translation>
    </message>
    <message>
        <source>(choisis un principe)</source>
        <translation>(choose a principle)</translation>
    </message>
    <message>
        <source>Formation ou structure qui le montre</source>
        <translation>Formation or structure that shows it</translation>
    </message>
    <message>
        <source>(choisis une formation)</source>
        <translation>(choose a formation)</translation>
    </message>
    <message>
        <source>&amp;Principe :</source>
        <translation>&amp;Principle:</translation>
    </message>
    <message>
        <source>&amp;Montré par :</source>
        <translation>&amp;Shown by:</translation>
    </message>
    <message>
        <source>La première carte, la plus ancienne, n&apos;a pas à être justifiée.</source>
        <translation>The first card, the oldest, needs no justification.</translation>
    </message>
    <message>
        <source>Justifie « %1 » : quel principe la date par rapport à une carte placée avant elle, et quelle formation ou structure le montre ?</source>
        <translation>Justify “%1”: which principle dates it against a card placed before it, and which formation or structure shows it?</translation>
    </message>
</context>
<context>
    <name>FenetrePrincipale</name>
    <message>
        <source>Cadre de la coupe</source>
        <translation>Frame of the section</translation>
    </message>
    <message>
        <source>Commandes</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>L&apos;image modèle, montrée à la place de la coupe pour la comparer</source>
        <translation>The model picture, shown in place of the section to compare them</translation>
    </message>
    <message>
        <source>Liste des événements</source>
        <translation>Event list</translation>
    </message>
    <message>
        <source>Annule le dernier événement de la liste</source>
        <translation>Undoes the last event of the list</translation>
    </message>
    <message>
        <source>Revient à la coupe de départ et vide la liste</source>
        <translation>Goes back to the starting section and empties the list</translation>
    </message>
    <message>
        <source>Aide : %1</source>
        <translation>Help: %1</translation>
    </message>
    <message>
        <source>Aucun événement appliqué depuis le départ</source>
        <translation>No event applied since the start</translation>
    </message>
    <message>
        <source>Un événement après le départ : %1</source>
        <translation>One event after the start: %1</translation>
    </message>
    <message>
        <source>%1 événements après le départ, le dernier : %2</source>
        <translation>%1 events after the start, the last one: %2</translation>
    </message>
    <message>
        <source>Aucune formation visible</source>
        <translation>No formation visible</translation>
    </message>
    <message>
        <source>La liste des événements n&apos;a pas été sauvée.<byte value="xd"/>Voulez-vous la sauver ?</source>
        <translation>The event list has not been saved.<byte value="xd"/>Do you want to save it?</translation>
    </message>
    <message>
        <source>STRATALOOM</source>
        <translation>STRATALOOM</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Retour début</source>
        <translation>Back to start</translation>
    </message>
    <message>
        <source>Applique d&apos;abord les événements de l&apos;exercice : la coupe de départ seule ne fait pas un exercice.</source>
        <translation>Apply the exercise&apos;s events first: the starting section alone does not make an exercise.</translation>
    </message>
    <message>
        <source>Le titre de l&apos;exercice, tel que les élèves le liront :</source>
        <translation>The title of the exercise, as the pupils will read it:</translation>
    </message>
    <message>
        <source>Exercice impossible à créer : %1</source>
        <translation>Cannot create the exercise: %1</translation>
    </message>
    <message>
        <source>Créer un exercice</source>
        <translation>Create an exercise</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Ouvrir un exercice</source>
        <translation>Open an exercise</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;exercice %1 : %2</source>
        <translation>Cannot open the exercise %1: %2</translation>
    </message>
    <message>
        <source>L&apos;exercice %1 a été préparé avec d&apos;autres images de roches : sa coupe ne peut pas être refaite ici.</source>
        <translation>The exercise %1 was prepared with other rock pictures: its section cannot be rebuilt here.</translation>
    </message>
    <message>
        <source>Exercice « %1 » : construis la coupe du modèle. Appuie sur la coupe pour voir le modèle, puis choisis « Vérifier ma coupe » dans le menu Exercice.</source>
        <translation>Exercise “%1”: build the model&apos;s section. Press on the section to see the model, then choose “Check my section” in the Exercise menu.</translation>
    </message>
    <message>
        <source>Note : %1/20</source>
        <translation>Mark: %1/20</translation>
    </message>
    <message>
        <source>Bravo : ta coupe est exactement celle du modèle.</source>
        <translation>Well done: your section is exactly the model&apos;s.</translation>
    </message>
    <message>
        <source>Ta coupe n&apos;est pas encore celle du modèle : les zones en magenta diffèrent.</source>
        <translation>Your section is not the model&apos;s yet: the areas in magenta differ.</translation>
    </message>
    <message>
        <source>Ton nom, pour ton professeur :</source>
        <translation>Your name, for your teacher:</translation>
    </message>
    <message>
        <source>Réponse impossible à enregistrer : %1</source>
        <translation>Cannot save the answer: %1</translation>
    </message>
    <message>
        <source>Enregistrer ma réponse</source>
        <translation>Save my answer</translation>
    </message>
    <message>
        <source>Sauvegarde de la liste des évennements géologiques</source>
        <translation>Saving the list of geological events</translation>
    </message>
    <message>
        <source>Fichier Strataloom (*.lst)|*.lst</source>
        <translation>Strataloom file (*.lst)|*.lst</translation>
    </message>
    <message>
        <source>Fichier texte (*.txt)|*.txt</source>
        <translation>Text file (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Chargement d&apos;une liste d&apos;évennements géologiques</source>
        <translation>Loading a list of geological events</translation>
    </message>
    <message>
        <source>Géologie|*.lst</source>
        <translation>Geology|*.lst</translation>
    </message>
    <message>
        <source>Exercices Strataloom (*.exo)|*.exo</source>
        <translation>Strataloom exercises (*.exo)|*.exo</translation>
    </message>
    <message>
        <source>Réponses Strataloom (*.rep)|*.rep</source>
        <translation>Strataloom answers (*.rep)|*.rep</translation>
    </message>
    <message>
        <source>L&apos;exercice est enregistré, mais sa coupe ne suffit pas à retrouver l&apos;ordre de ses événements :
%1
Les élèves risquent d&apos;être refusés en lisant correctement la coupe.</source>
        <translation>The exercise is saved, but its section is not enough to find the order of its events:
%1
Pupils may be refused although they read the section correctly.</translation>
    </message>
    <message>
        <source>Ta réponse à l&apos;exercice n&apos;a pas été enregistrée.<byte value="xd"/>Veux-tu l&apos;enregistrer ?</source>
        <translation>Your answer to the exercise has not been saved.<byte value="xd"/>Do you want to save it?</translation>
    </message>
    <message>
        <source>Ligne d&apos;état</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Exercice enregistré : %1</source>
        <translation>Exercise saved: %1</translation>
    </message>
    <message>
        <source>Réponse enregistrée : %1</source>
        <translation>Answer saved: %1</translation>
    </message>
    <message>
        <source>Formations visibles : %1</source>
        <translation>Visible formations: %1</translation>
    </message>
    <message>
        <source>Paquet pour l&apos;ENT enregistré : %1</source>
        <translation>Package for the school platform saved: %1</translation>
    </message>
    <message>
        <source>Impossible de lire la page %1 : %2</source>
        <translation>Cannot read the page %1: %2</translation>
    </message>
    <message>
        <source>Paquet impossible à faire : %1</source>
        <translation>Package cannot be made: %1</translation>
    </message>
    <message>
        <source>Exporter pour l&apos;ENT (SCORM)</source>
        <translation>Export for the school platform (SCORM)</translation>
    </message>
    <message>
        <source>Paquets SCORM (*.zip)|*.zip</source>
        <translation>SCORM packages (*.zip)|*.zip</translation>
    </message>
    <message>
        <source>Strataloom ne peut pas garder ta coupe dans %1 : si tu fermes la fenêtre, elle sera perdue.<byte value="xd"/>Pense à la sauver avec « Sauver la liste des événements » ou « Enregistrer ma réponse ».</source>
        <translation>Strataloom cannot keep your section in %1: if you close the window, it will be lost.<byte value="xd"/>Remember to save it with “Save the event list” or “Save my answer”.</translation>
    </message>
    <message>
        <source>Ouvrir une réponse</source>
        <translation>Open an answer</translation>
    </message>
    <message>
        <source>Choisis l&apos;exercice de cette réponse</source>
        <translation>Choose the exercise of this answer</translation>
    </message>
    <message>
        <source>L&apos;exercice %1 n&apos;est pas celui de la réponse %2 : choisis l&apos;exercice que tu as fait pour cette réponse.</source>
        <translation>The exercise %1 is not the one of the answer %2: choose the exercise you did for this answer.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la réponse %1 : %2</source>
        <translation>Cannot open the answer %1: %2</translation>
    </message>
    <message>
        <source>Réponse de %1 à l&apos;exercice « %2 » : tu peux continuer ta coupe et ton ordre des événements.</source>
        <translation>Answer of %1 to the exercise “%2”: you can go on with your section and your order of the events.</translation>
    </message>
    <message>
        <source>Réponse de %1 à l&apos;exercice « %2 » : tu peux continuer ta coupe.</source>
        <translation>Answer of %1 to the exercise “%2”: you can go on with your section.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste d&apos;événements : Strataloom n&apos;ouvre que les listes d&apos;événements (.lst), les exercices (.exo) et les réponses (.rep).</source>
        <translation>The file %1 is not an event list: Strataloom opens only event lists (.lst), exercises (.exo) and answers (.rep).</translation>
    </message>
    <message>
        <source>La page strataloom.html, que le paquet pour l&apos;ENT contient, n&apos;est pas à côté du programme. Choisissez le fichier strataloom.html : Strataloom s&apos;en souviendra.</source>
        <translation>The page strataloom.html, which the course package holds, is not beside the program. Choose the file strataloom.html: Strataloom will remember it.</translation>
    </message>
    <message>
        <source>Où est la page strataloom.html ?</source>
        <translation>Where is the page strataloom.html?</translation>
    </message>
    <message>
        <source>Page Strataloom (*.html)|*.html</source>
        <translation>Strataloom page (*.html)|*.html</translation>
    </message>
    <message>
        <source>Exercice : %1</source>
        <translation>Exercise: %1</translation>
    </message>
</context>
<context>
    <name>FichesPdf</name>
    <message>
        <source>Strataloom — fiches d&apos;exercices</source>
        <translation>Strataloom — exercise sheets</translation>
    </message>
    <message>
        <source>Graine de la série : %1</source>
        <translation>Series seed: %1</translation>
    </message>
    <message>
        <source>Nom : ................................   Classe : ..........   Date : ................</source>
        <translation>Name: ................................   Class: ..........   Date: ................</translation>
    </message>
    <message>
        <source>Les lettres nomment les formations ; elles ne disent rien de leur âge. La légende donne leurs roches.</source>
        <translation>The letters name the formations; they say nothing of their age. The legend gives their rocks.</translation>
    </message>
    <message>
        <source>Événements possibles : %1.</source>
        <translation>Possible events: %1.</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Événement</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Justifie : principe et observation</source>
        <translation>Justify: principle and observation</translation>
    </message>
    <message>
        <source>Corrigé — %1</source>
        <translation>Answer key — %1</translation>
    </message>
    <message>
        <source>Légende : %1.</source>
        <translation>Legend: %1.</translation>
    </message>
    <message>
        <source>Strataloom ne sait pas lire la chronologie de cette coupe.</source>
        <translation>Strataloom cannot read this section&apos;s chronology.</translation>
    </message>
    <message>
        <source>Plus de %1 ordres sont acceptés : tout ordre qui respecte les relations ci-dessous est juste.</source>
        <translation>More than %1 orders are accepted: any order that keeps the relations below is right.</translation>
    </message>
    <message>
        <source>Un seul ordre est accepté :</source>
        <translation>Only one order is accepted:</translation>
    </message>
    <message>
        <source>%1 ordres sont acceptés, tous justes :</source>
        <translation>%1 orders are accepted, all right:</translation>
    </message>
    <message>
        <source>Ce que montre la coupe, avec le principe qui date chaque relation :</source>
        <translation>What the section shows, with the principle that dates each relation:</translation>
    </message>
    <message>
        <source>Étape %1 : %2</source>
        <translation>Step %1: %2</translation>
    </message>
    <message>
        <source>départ</source>
        <translation>start</translation>
    </message>
    <message>
        <source>%1 (sans effet)</source>
        <translation>%1 (no effect)</translation>
    </message>
    <message>
        <source>Érosion</source>
        <translation>Erosion</translation>
    </message>
    <message>
        <source>Cette coupe géologique part d&apos;une série sédimentaire (calcaire, argile, conglomérat). Retrouve l&apos;événement géologique qui l&apos;a formée, et justifie ta réponse par un principe de datation relative et ce que tu observes sur la coupe.</source>
        <translation>This geological section starts from a sedimentary series (limestone, clay, conglomerate). Find the geological event that formed it, and justify your answer with a principle of relative dating and what you see on the section.</translation>
    </message>
    <message>
        <source>Cette coupe géologique part d&apos;une série sédimentaire (calcaire, argile, conglomérat). Retrouve, dans l&apos;ordre, les %1 événements géologiques qui l&apos;ont formée, et justifie la place de chacun par un principe de datation relative et ce que tu observes sur la coupe.</source>
        <translation>This geological section starts from a sedimentary series (limestone, clay, conglomerate). Find, in order, the %1 geological events that formed it, and justify the place of each with a principle of relative dating and what you see on the section.</translation>
    </message>
    <message>
        <source>Exercice : %1</source>
        <translation>Exercise: %1</translation>
    </message>
</context>
<context>
    <name>Fichiers</name>
    <message>
        <source>aucune erreur</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>le fichier ou son dossier n&apos;existe pas</source>
        <translation>the file or its folder does not exist</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être ouvert</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>la lecture a échoué</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>le fichier est trop gros</source>
        <translation>the file is too big</translation>
    </message>
    <message>
        <source>la liste compte plus de 10 000 lignes</source>
        <translation>the list has more than 10,000 lines</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une image BMP lisible</source>
        <translation>this is not a readable BMP picture</translation>
    </message>
    <message>
        <source>les images sont trop grandes</source>
        <translation>the pictures are too big</translation>
    </message>
    <message>
        <source>Couche1.bmp doit faire plus de 100 pixels de large</source>
        <translation>Couche1.bmp must be more than 100 pixels wide</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>erreur inconnue</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>c&apos;est un lien symbolique : choisissez un autre nom</source>
        <translation>it is a symbolic link: choose another name</translation>
    </message>
    <message>
        <source>« %1 » est un lien symbolique : choisissez un autre nom</source>
        <extracomment>%1 is the name of the file the person chose.</extracomment>
        <translation>“%1” is a symbolic link: choose another name</translation>
    </message>
</context>
<context>
    <name>FichiersQt</name>
    <message>
        <source>Choisir un dossier</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
</context>
<context>
    <name>Justifications</name>
    <message>
        <source>superposition</source>
        <translation>superposition</translation>
    </message>
    <message>
        <source>recoupement</source>
        <translation>cross-cutting</translation>
    </message>
    <message>
        <source>continuité</source>
        <translation>lateral continuity</translation>
    </message>
    <message>
        <source>inclusion</source>
        <translation>inclusion</translation>
    </message>
    <message>
        <source>discordance</source>
        <translation>unconformity</translation>
    </message>
    <message>
        <source>%1 : justification juste.</source>
        <extracomment>%1 is a card&apos;s name in quotes.</extracomment>
        <translation>%1: the justification is right.</translation>
    </message>
    <message>
        <source>%1 : choisis un principe et une formation.</source>
        <translation>%1: choose a principle and a formation.</translation>
    </message>
    <message>
        <source>%1 : %2 date bien cette carte, mais pas par le principe de %3.</source>
        <extracomment>%2 is a formation (&quot;la couche B&quot;), %3 a principle (&quot;superposition&quot;).</extracomment>
        <translation>%1: %2 does date this card, but not by the principle of %3.</translation>
    </message>
    <message>
        <source>%1 : %2 ne permet pas de dater cette carte par rapport à une carte placée avant elle.</source>
        <translation>%1: %2 does not date this card against a card placed before it.</translation>
    </message>
    <message>
        <source>%1 : la coupe ne date cette carte par rapport à aucune carte placée avant elle ; sa justification n&apos;est pas comptée.</source>
        <translation>%1: the section dates this card against no card placed before it; its justification is not counted.</translation>
    </message>
    <message>
        <source>Étapes mal justifiées : %1. La première :</source>
        <extracomment>%1 is a number of steps of the order (1 or more).</extracomment>
        <translation>Steps wrongly justified: %1. The first one:</translation>
    </message>
    <message>
        <source>Note de l&apos;ordre : %1/%2</source>
        <extracomment>%1 is the order&apos;s mark, %2 the most it can be (20).</extracomment>
        <translation>Order mark: %1/%2</translation>
    </message>
</context>
<context>
    <name>Legende</name>
    <message>
        <source>calcaire, argile, conglomérat</source>
        <translation>limestone, clay, conglomerate</translation>
    </message>
    <message>
        <source>série de départ, sédimentaire</source>
        <translation>starting series, sedimentary</translation>
    </message>
    <message>
        <source>grès</source>
        <translation>sandstone</translation>
    </message>
    <message>
        <source>craie à silex</source>
        <translation>chalk with flints</translation>
    </message>
    <message>
        <source>basalte : coulée et filon</source>
        <translation>basalt: flow and dyke</translation>
    </message>
    <message>
        <source>volcanisme</source>
        <translation>volcanism</translation>
    </message>
    <message>
        <source>granite</source>
        <translation>granite</translation>
    </message>
    <message>
        <source>plutonisme</source>
        <translation>plutonism</translation>
    </message>
    <message>
        <source>surface d&apos;érosion</source>
        <translation>erosion surface</translation>
    </message>
    <message>
        <source>érosion</source>
        <translation>erosion</translation>
    </message>
    <message>
        <source>plan de chevauchement</source>
        <translation>thrust plane</translation>
    </message>
    <message>
        <source>chevauchement</source>
        <translation>thrust</translation>
    </message>
    <message>
        <source>distension</source>
        <translation>extension</translation>
    </message>
    <message>
        <source>pli</source>
        <translation>fold</translation>
    </message>
    <message>
        <source>compression</source>
        <translation>compression</translation>
    </message>
    <message>
        <source>formation inconnue</source>
        <translation>unknown formation</translation>
    </message>
    <message>
        <source>événement inconnu</source>
        <translation>unknown event</translation>
    </message>
    <message>
        <source>%1 : %2 (%3)</source>
        <extracomment>A line of the legend: %1 the letter, %2 the rocks, %3 the kind of event.</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 — trop mince pour porter sa lettre</source>
        <translation>%1 — too thin to carry its letter</translation>
    </message>
    <message>
        <source>série de départ</source>
        <translation>starting series</translation>
    </message>
    <message>
        <source>sédimentation</source>
        <translation>sedimentation</translation>
    </message>
    <message>
        <source>calcaire</source>
        <translation>limestone</translation>
    </message>
    <message>
        <source>argile</source>
        <translation>clay</translation>
    </message>
    <message>
        <source>conglomérat</source>
        <translation>conglomerate</translation>
    </message>
    <message>
        <source>roche sédimentaire</source>
        <translation>sedimentary rock</translation>
    </message>
    <message>
        <source>marne</source>
        <translation>marl</translation>
    </message>
    <message>
        <source>sable</source>
        <translation>sand</translation>
    </message>
    <message>
        <source>faille normale</source>
        <translation>normal fault</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <extracomment>A line of the pupils&apos; legend: %1 the letter, %2 the rock.
----------
A line of the structures&apos; legend: %1 the label (F1, T, S1), %2 what it is.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Structures</source>
        <translation>Structures</translation>
    </message>
</context>
<context>
    <name>LienExercice</name>
    <message>
        <source>ce lien ne contient pas d&apos;exercice</source>
        <translation>this link holds no exercise</translation>
    </message>
    <message>
        <source>le lien est trop long</source>
        <translation>the link is too long</translation>
    </message>
    <message>
        <source>le lien est tronqué</source>
        <translation>the link is truncated</translation>
    </message>
    <message>
        <source>la coupe du lien ne peut pas être refaite ici</source>
        <translation>the link&apos;s section cannot be rebuilt here</translation>
    </message>
    <message>
        <source>ce lien a été fait avec d&apos;autres images de roches, ou il est abîmé : sa coupe ne peut pas être refaite ici</source>
        <translation>this link was made with other rock pictures, or it is damaged: its section cannot be rebuilt here</translation>
    </message>
</context>
<context>
    <name>Lisibilite</name>
    <message>
        <source>La liste place %1 avant %2, mais la coupe montre le contraire : %3.</source>
        <extracomment>%1 and %2 quoted cards; %3 says what the picture shows.</extracomment>
        <translation>The list puts %1 before %2, but the section shows the opposite: %3.</translation>
    </message>
    <message>
        <source>%1 ne se voit pas sur la coupe.</source>
        <extracomment>%1 a quoted card.</extracomment>
        <translation>%1 does not show in the section.</translation>
    </message>
    <message>
        <source>%1 affleure dès sa mise en place : un granite se forme en profondeur et n&apos;affleure qu&apos;après une érosion.</source>
        <extracomment>%1 a quoted card (a granite).</extracomment>
        <translation>%1 crops out as soon as it is emplaced: a granite forms at depth and crops out only after an erosion.</translation>
    </message>
    <message>
        <source>%1 repose sur %2, qu&apos;aucune érosion n&apos;a encore mis à l&apos;affleurement : un granite se forme en profondeur.</source>
        <extracomment>%1 a quoted card (a layer or a flow), %2 a quoted granite.</extracomment>
        <translation>%1 rests on %2, which no erosion has exposed yet: a granite forms at depth.</translation>
    </message>
    <message>
        <source>La coupe montre des relations qui se contredisent.</source>
        <translation>The section shows relations that contradict each other.</translation>
    </message>
    <message>
        <source>La coupe permet plus de %1 ordres : elle ne date pas assez d&apos;événements.</source>
        <translation>The section allows more than %1 orders: it dates too few events.</translation>
    </message>
    <message>
        <source>La coupe ne permet pas de dater %1 et %2 l&apos;un par rapport à l&apos;autre, mais les échanger change la coupe.</source>
        <extracomment>%1 and %2 quoted cards.</extracomment>
        <translation>The section does not date %1 and %2 relative to each other, but swapping them changes the section.</translation>
    </message>
</context>
<context>
    <name>Listes</name>
    <message>
        <source>… et 1 autre ligne ignorée</source>
        <translation>… and 1 other line ignored</translation>
    </message>
    <message>
        <source>… et %1 autres lignes ignorées</source>
        <extracomment>%1 is a number of lines, more than one.</extracomment>
        <translation>… and %1 other lines ignored</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>aucun événement reconnu</source>
        <translation>no event recognised</translation>
    </message>
    <message>
        <source>même coupe que le corrigé</source>
        <translation>same section as the key</translation>
    </message>
    <message>
        <source>coupe différente</source>
        <translation>different section</translation>
    </message>
    <message>
        <source>même réponse que %1</source>
        <extracomment>%1 lists up to three other answer files, separated by commas.</extracomment>
        <translation>same answer as %1</translation>
    </message>
    <message>
        <source> et %1 autres</source>
        <extracomment>%1 is how many more answer files give the same answer.</extracomment>
        <translation> and %1 others</translation>
    </message>
    <message>
        <source>ordre non fait</source>
        <translation>order not done</translation>
    </message>
    <message>
        <source>répond à un autre exercice</source>
        <translation>answers another exercise</translation>
    </message>
    <message>
        <source>même nom d&apos;élève que %1</source>
        <extracomment>%1 lists the other answer files, separated by commas.</extracomment>
        <translation>same pupil&apos;s name as %1</translation>
    </message>
    <message>
        <source>même nom d&apos;élève que %1 et %2 autres</source>
        <extracomment>%1 is another answer file, %2 how many more share the name (at least 3).</extracomment>
        <translation>same pupil&apos;s name as %1 and %2 others</translation>
    </message>
    <message>
        <source>plus de %1 événements : réponse non rejouée</source>
        <extracomment>%1 is a number of events.</extracomment>
        <translation>more than %1 events: answer not replayed</translation>
    </message>
    <message>
        <source>le fichier dépasse 16 Mio</source>
        <translation>the file is over 16 MiB</translation>
    </message>
    <message>
        <source>nom écrit avec les lettres de plusieurs alphabets</source>
        <translation>name written with letters of several alphabets</translation>
    </message>
</context>
<context>
    <name>Ordre</name>
    <message>
        <source>« %1 »</source>
        <extracomment>A card&apos;s name quoted in a sentence.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>la couche %1</source>
        <extracomment>%1 is the letter of the layer in the view.</extracomment>
        <translation>layer %1</translation>
    </message>
    <message>
        <source>la couche</source>
        <translation>the layer</translation>
    </message>
    <message>
        <source>la coulée %1</source>
        <extracomment>%1 is the letter of the lava flow in the view.</extracomment>
        <translation>lava flow %1</translation>
    </message>
    <message>
        <source>la coulée</source>
        <translation>the lava flow</translation>
    </message>
    <message>
        <source>le granite %1</source>
        <extracomment>%1 is the letter of the granite in the view.</extracomment>
        <translation>granite %1</translation>
    </message>
    <message>
        <source>le granite</source>
        <translation>the granite</translation>
    </message>
    <message>
        <source>la faille</source>
        <translation>the fault</translation>
    </message>
    <message>
        <source>la surface d&apos;érosion</source>
        <translation>the erosion surface</translation>
    </message>
    <message>
        <source>Place toutes les cartes, chacune une seule fois, avant de vérifier.</source>
        <translation>Place all the cards, each one once, before checking.</translation>
    </message>
    <message>
        <source>Bravo : cet ordre redonne exactement la coupe du modèle.</source>
        <translation>Well done: this order gives back exactly the model&apos;s section.</translation>
    </message>
    <message>
        <source>Cet ordre ne redonne pas la coupe du modèle.</source>
        <translation>This order does not give back the model&apos;s section.</translation>
    </message>
    <message>
        <source>Bravo : cet ordre respecte tout ce que montre la coupe.</source>
        <translation>Well done: this order keeps everything the section shows.</translation>
    </message>
    <message>
        <source>Bravo : cet ordre redonne exactement la coupe du modèle. La coupe ne permet pas de dater %1 et %2 l&apos;un par rapport à l&apos;autre.</source>
        <extracomment>%1 and %2 name formations or events (&quot;la couche B&quot;, &quot;le plissement&quot;).</extracomment>
        <translation>Well done: this order gives back exactly the model&apos;s section. The section does not date %1 and %2 relative to each other.</translation>
    </message>
    <message>
        <source>Bravo : cet ordre respecte tout ce que montre la coupe. La coupe ne permet pas de dater %1 et %2 l&apos;un par rapport à l&apos;autre.</source>
        <extracomment>%1 and %2 name formations or events (&quot;la couche B&quot;, &quot;le plissement&quot;).</extracomment>
        <translation>Well done: this order keeps everything the section shows. The section does not date %1 and %2 relative to each other.</translation>
    </message>
    <message>
        <source>%1 doit venir après %2 : %3.</source>
        <extracomment>%1 and %2 quoted cards, %1 to put after %2; %3 says what the section shows and its principle.</extracomment>
        <translation>%1 must come after %2: %3.</translation>
    </message>
    <message>
        <source>la série de départ %1</source>
        <extracomment>%1 is the letter of the starting series in the view.</extracomment>
        <translation>starting series %1</translation>
    </message>
    <message>
        <source>la série de départ</source>
        <translation>the starting series</translation>
    </message>
    <message>
        <source>la faille %1</source>
        <extracomment>%1 is the label of the fault trace in the view (F1, F2...).</extracomment>
        <translation>fault %1</translation>
    </message>
    <message>
        <source>le plan de chevauchement %1</source>
        <extracomment>%1 is the label of the thrust plane in the view (T).</extracomment>
        <translation>thrust plane %1</translation>
    </message>
    <message>
        <source>le chevauchement</source>
        <translation>the thrust</translation>
    </message>
    <message>
        <source>la surface d&apos;érosion %1</source>
        <extracomment>%1 is the label of the erosion surface in the view (S1, S2...).</extracomment>
        <translation>erosion surface %1</translation>
    </message>
    <message>
        <source>le plissement</source>
        <translation>the folding</translation>
    </message>
    <message>
        <source>la série de départ (%1)</source>
        <extracomment>%1 lists the letters of the bands of the starting series in the view: &quot;A, D, E&quot;.</extracomment>
        <translation>the starting series (%1)</translation>
    </message>
    <message>
        <source>les failles %1 et %2</source>
        <extracomment>%1 lists the labels of all fault traces but the last (&quot;F1&quot; or &quot;F1, F2&quot;), %2 is the last.</extracomment>
        <translation>faults %1 and %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;exercice de ce lien : %1</source>
        <translation>Cannot open the exercise of this link: %1</translation>
    </message>
    <message>
        <source>Nom du fichier :</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Copier le lien de l&apos;exercice</source>
        <translation>Copy the exercise&apos;s link</translation>
    </message>
    <message>
        <source>Le lien de l&apos;exercice, à copier et à donner aux élèves :</source>
        <translation>The exercise&apos;s link, to copy and give to the pupils:</translation>
    </message>
    <message>
        <source>La liste de cet exercice est trop longue pour tenir dans un lien.</source>
        <translation>This exercise&apos;s list is too long to fit in a link.</translation>
    </message>
    <message>
        <source>Imprimer les fiches</source>
        <translation>Print the sheets</translation>
    </message>
    <message>
        <source>Série téléchargée : %1. Les fiches s&apos;ouvrent dans un nouvel onglet, d&apos;où le navigateur les imprime ou les enregistre en PDF.</source>
        <extracomment>%1 is the name of the downloaded zip file.</extracomment>
        <translation>Series downloaded: %1. The sheets open in a new tab, from which the browser prints them or saves them as PDF.</translation>
    </message>
    <message>
        <source>Le navigateur n&apos;a pas ouvert l&apos;onglet des fiches : choisissez « Imprimer les fiches ».</source>
        <translation>The browser did not open the sheets&apos; tab: choose “Print the sheets”.</translation>
    </message>
    <message>
        <source>Ou déposez ici l&apos;exercice (.exo) et les réponses des élèves (.rep, .lst), ensemble ou l&apos;un après l&apos;autre.</source>
        <translation>Or drop the exercise (.exo) and the pupils&apos; answers (.rep, .lst) here, together or one after the other.</translation>
    </message>
    <message>
        <source>Copies notées : %1</source>
        <extracomment>%1 is a number of answer files.</extracomment>
        <translation>Answers marked: %1</translation>
    </message>
    <message>
        <source>Copie %1 sur %2…</source>
        <extracomment>The class being marked: %1 answer files marked so far out of %2.</extracomment>
        <translation>Answer %1 of %2…</translation>
    </message>
    <message>
        <source>Ces images de roches ne redonnent pas la coupe de l&apos;exercice : les réponses sont comparées à la coupe que ses événements donnent ici.</source>
        <translation>These rock pictures do not give the exercise&apos;s section again: the answers are compared with the section its events give here.</translation>
    </message>
    <message>
        <source>La plateforme ne peut pas garder ton travail : %1. Il reste gardé dans ce navigateur.</source>
        <extracomment>%1 says why, &quot;ton travail dépasse les 4096 caractères que la plateforme garde&quot;.</extracomment>
        <translation>The platform cannot keep your work: %1. It stays kept in this browser.</translation>
    </message>
    <message>
        <source>Le travail gardé par la plateforme ne peut pas être repris : %1.</source>
        <extracomment>%1 says why, &quot;le travail gardé est abîmé (la somme de contrôle ne correspond pas)&quot;.</extracomment>
        <translation>The work kept by the platform cannot be taken back: %1.</translation>
    </message>
    <message>
        <source>Élève : %1</source>
        <extracomment>The pupil&apos;s name as the learning platform gives it.</extracomment>
        <translation>Pupil: %1</translation>
    </message>
    <message>
        <source>Rendre</source>
        <translation>Hand in</translation>
    </message>
    <message>
        <source>Ton travail est rendu à la plateforme. Note de ta coupe : %1/20.</source>
        <extracomment>%1 is the mark out of 20.</extracomment>
        <translation>Your work has been handed in to the platform. Your section&apos;s mark: %1/20.</translation>
    </message>
    <message>
        <source>La plateforme d&apos;apprentissage a refusé %1 : %2 (erreur %3). Ton travail reste dans la page ; si cela se répète, préviens ton professeur.</source>
        <extracomment>%1 is the platform&apos;s function called (LMSCommit...), %2 the platform&apos;s own words for the error, %3 its code.</extracomment>
        <translation>The learning platform refused %1: %2 (error %3). Your work stays in the page; if this happens again, tell your teacher.</translation>
    </message>
    <message>
        <source>La plateforme ne peut pas garder ton travail : %1. Il n&apos;est gardé que tant que la page reste ouverte.</source>
        <extracomment>%1 says why, &quot;ton travail dépasse les 4096 caractères que la plateforme garde&quot;. The platform does not name the pupil, so the browser keeps nothing.</extracomment>
        <translation>The platform cannot keep your work: %1. It is kept only while the page stays open.</translation>
    </message>
    <message>
        <source>Ton travail gardé sur la plateforme y reste tel quel tant que tu ne changes pas ta coupe.</source>
        <translation>Your work kept on the platform stays there as it is until you change your section.</translation>
    </message>
    <message>
        <source>Strataloom ne trouve pas la plateforme d&apos;apprentissage : ta note ne lui sera pas transmise et ton travail n&apos;est gardé que tant que la page reste ouverte.</source>
        <extracomment>Without the platform the pupil is not known: the browser keeps nothing of a course package&apos;s work.</extracomment>
        <translation>Strataloom cannot find the learning platform: your mark will not be sent to it and your work is kept only while the page stays open.</translation>
    </message>
    <message>
        <source>Dans ce cours, seul l&apos;exercice donné par ton professeur s&apos;ouvre : ton travail et ta note restent ceux de cet exercice.</source>
        <extracomment>A dropped exercise file or an exercise link, refused inside a course package.</extracomment>
        <translation>In this course, only the exercise your teacher gave opens: your work and your mark stay those of this exercise.</translation>
    </message>
    <message>
        <source>L&apos;exercice affiché n&apos;est pas celui du cours : rien n&apos;est transmis à la plateforme.</source>
        <translation>The exercise shown is not the course&apos;s: nothing is sent to the platform.</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ton travail est rendu à la plateforme. Note de ta coupe : %1/20 ; ordre non fait : 0/20 ; note transmise (la moyenne des deux) : %2/20.</source>
        <extracomment>%1 the section&apos;s mark, %2 the mark sent (the mean, the order counting 0), out of 20.</extracomment>
        <translation>Your work is handed in to the platform. Mark for your section: %1/20; order not done: 0/20; mark sent (the mean of the two): %2/20.</translation>
    </message>
    <message>
        <source>Ton travail est rendu à la plateforme. Note de ta coupe : %1/20 ; note de ton ordre : %2/20 ; note transmise (la moyenne des deux) : %3/20.</source>
        <extracomment>%1 the section&apos;s mark, %2 the order&apos;s, %3 the mark sent (their mean), out of 20.</extracomment>
        <translation>Your work is handed in to the platform. Mark for your section: %1/20; mark for your order: %2/20; mark sent (the mean of the two): %3/20.</translation>
    </message>
    <message>
        <source>Rendre ton travail à la plateforme : la note de ta coupe et celle de ton ordre lui sont transmises. Tu peux encore le changer et le rendre à nouveau.</source>
        <translation>Hand your work in to the platform: the marks for your section and for your order are sent to it. You can still change it and hand it in again.</translation>
    </message>
    <message>
        <source>Applique d&apos;abord les événements de l&apos;exercice : la coupe de départ seule ne fait pas un exercice.</source>
        <translation>Apply the exercise&apos;s events first: the starting section alone does not make an exercise.</translation>
    </message>
    <message>
        <source>Exercice impossible à créer : %1</source>
        <translation>Cannot create the exercise: %1</translation>
    </message>
    <message>
        <source>Espace enseignant</source>
        <translation>Teacher&apos;s space</translation>
    </message>
    <message>
        <source>Fermer l&apos;espace enseignant</source>
        <translation>Close the teacher&apos;s space</translation>
    </message>
    <message>
        <source>Préparer une série</source>
        <translation>Prepare a series</translation>
    </message>
    <message>
        <source>Noter une classe</source>
        <translation>Mark a class</translation>
    </message>
    <message>
        <source>Nombre d&apos;exercices :</source>
        <translation>Number of exercises:</translation>
    </message>
    <message>
        <source>Événements par exercice :</source>
        <translation>Events per exercise:</translation>
    </message>
    <message>
        <source>Événements permis</source>
        <translation>Allowed events</translation>
    </message>
    <message>
        <source>Permettre : %1</source>
        <translation>Allow: %1</translation>
    </message>
    <message>
        <source>Graine :</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Graine de la série</source>
        <translation>Seed of the series</translation>
    </message>
    <message>
        <source>Nouvelle graine</source>
        <translation>New seed</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Datation relative</source>
        <translation>Relative dating</translation>
    </message>
    <message>
        <source>La graine doit être un nombre entier de 0 à 4294967295.</source>
        <translation>The seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>Créer la série...</source>
        <translation>Create the series...</translation>
    </message>
    <message>
        <source>Exercice...</source>
        <translation>Exercise...</translation>
    </message>
    <message>
        <source>aucun exercice choisi</source>
        <translation>no exercise chosen</translation>
    </message>
    <message>
        <source>Copies...</source>
        <translation>Answers...</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Note /20</source>
        <translation>Mark /20</translation>
    </message>
    <message>
        <source>Ordre /20</source>
        <translation>Order /20</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Notes de la classe</source>
        <translation>The class&apos;s marks</translation>
    </message>
    <message>
        <source>Enregistrer en CSV...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Le titre de l&apos;exercice, tel que les élèves le liront :</source>
        <translation>The title of the exercise, as the pupils will read it:</translation>
    </message>
    <message>
        <source>Exercice enregistré : %1</source>
        <translation>Exercise saved: %1</translation>
    </message>
    <message>
        <source>L&apos;exercice est enregistré, mais sa coupe ne suffit pas à retrouver l&apos;ordre de ses événements :
%1
Les élèves risquent d&apos;être refusés en lisant correctement la coupe.</source>
        <translation>The exercise is saved, but its section is not enough to find the order of its events:
%1
Pupils may be refused although they read the section correctly.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;exercice %1 : %2</source>
        <translation>Cannot open the exercise %1: %2</translation>
    </message>
    <message>
        <source>L&apos;exercice %1 a été préparé avec d&apos;autres images de roches : sa coupe ne peut pas être refaite ici.</source>
        <translation>The exercise %1 was prepared with other rock pictures: its section cannot be rebuilt here.</translation>
    </message>
    <message>
        <source>Bravo : ta coupe est exactement celle du modèle.</source>
        <translation>Well done: your section is exactly the model&apos;s.</translation>
    </message>
    <message>
        <source>Ta coupe n&apos;est pas encore celle du modèle : les zones en magenta diffèrent.</source>
        <translation>Your section is not the model&apos;s yet: the areas in magenta differ.</translation>
    </message>
    <message>
        <source>Note : %1/20</source>
        <translation>Mark: %1/20</translation>
    </message>
    <message>
        <source>Réponse impossible à enregistrer : %1</source>
        <translation>Cannot save the answer: %1</translation>
    </message>
    <message>
        <source>Ta réponse à l&apos;exercice n&apos;a pas été enregistrée.<byte value="xd"/>Veux-tu l&apos;enregistrer ?</source>
        <translation>Your answer to the exercise has not been saved.<byte value="xd"/>Do you want to save it?</translation>
    </message>
    <message>
        <source>La liste des événements n&apos;a pas été sauvée.<byte value="xd"/>Voulez-vous la sauver ?</source>
        <translation>The event list has not been saved.<byte value="xd"/>Do you want to save it?</translation>
    </message>
    <message>
        <source>Ordonner les événements</source>
        <translation>Put the events in order</translation>
    </message>
    <message>
        <source>Range les événements du plus ancien (en haut) au plus récent (en bas). Fais glisser une carte, ou choisis-la puis appuie sur « Monter » ou « Descendre » (Alt+Haut, Alt+Bas).</source>
        <translation>Put the events in order from the oldest (at the top) to the most recent (at the bottom). Drag a card, or choose it and press “Move up” or “Move down” (Alt+Up, Alt+Down).</translation>
    </message>
    <message>
        <source>Événements à ranger</source>
        <translation>Events to order</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>(choisis un principe)</source>
        <translation>(choose a principle)</translation>
    </message>
    <message>
        <source>(choisis une formation)</source>
        <translation>(choose a formation)</translation>
    </message>
    <message>
        <source>&amp;Principe :</source>
        <translation>&amp;Principle:</translation>
    </message>
    <message>
        <source>&amp;Montré par :</source>
        <translation>&amp;Shown by:</translation>
    </message>
    <message>
        <source>La première carte, la plus ancienne, n&apos;a pas à être justifiée.</source>
        <translation>The first card, the oldest, needs no justification.</translation>
    </message>
    <message>
        <source>Justifie « %1 » : quel principe la date par rapport à une carte placée avant elle, et quelle formation ou structure le montre ?</source>
        <translation>Justify “%1”: which principle dates it against a card placed before it, and which formation or structure shows it?</translation>
    </message>
    <message>
        <source>Vérifier</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Résultat de la vérification</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>Coupe à expliquer</source>
        <translation>Section to explain</translation>
    </message>
    <message>
        <source>Ton nom, pour ton professeur :</source>
        <translation>Your name, for your teacher:</translation>
    </message>
    <message>
        <source>Exercice « %1 » : construis la coupe du modèle. Appuie sur la coupe pour voir le modèle, puis choisis « Vérifier ma coupe » dans le menu Exercice.</source>
        <translation>Exercise “%1”: build the model&apos;s section. Press on the section to see the model, then choose “Check my section” in the Exercise menu.</translation>
    </message>
    <message>
        <source>Enregistrer ma réponse</source>
        <translation>Save my answer</translation>
    </message>
    <message>
        <source>Exercice : %1</source>
        <translation>Exercise: %1</translation>
    </message>
    <message>
        <source>Construis la coupe du modèle (appuie sur la coupe pour le voir) et vérifie-la, range les événements (menu Exercice), puis « Rendre ».</source>
        <translation>Build the model&apos;s section (press the section to see it) and check it, put the events in order (Exercise menu), then “Hand in”.</translation>
    </message>
    <message>
        <source>Liste enregistrée : %1</source>
        <translation>List saved: %1</translation>
    </message>
    <message>
        <source>Image enregistrée : %1</source>
        <translation>Picture saved: %1</translation>
    </message>
    <message>
        <source>Réponse enregistrée : %1</source>
        <translation>Answer saved: %1</translation>
    </message>
    <message>
        <source>Série enregistrée : %1</source>
        <translation>Series saved: %1</translation>
    </message>
    <message>
        <source>Notes enregistrées : %1</source>
        <translation>Marks saved: %1</translation>
    </message>
    <message>
        <source>Paquet enregistré : %1</source>
        <translation>Package saved: %1</translation>
    </message>
    <message>
        <source>Le lien de l&apos;exercice est copié : collez-le là où les élèves le trouveront.</source>
        <translation>The exercise&apos;s link is copied: paste it where the pupils will find it.</translation>
    </message>
    <message>
        <source>Cette page est ouverte depuis un fichier : ce lien ne fonctionne que sur cet ordinateur. Donnez plutôt aux élèves la page de l&apos;exercice (menu Exercice, « Enregistrer la page de l&apos;exercice... »), ou déposez la page sur un site web.</source>
        <translation>This page was opened from a file: this link only works on this computer. Give the pupils the exercise&apos;s page instead (Exercise menu, “Save the exercise&apos;s page...”), or put the page on a website.</translation>
    </message>
    <message>
        <source>Enregistrer la page de l&apos;exercice...</source>
        <translation>Save the exercise&apos;s page...</translation>
    </message>
    <message>
        <source>Cette page est celle de l&apos;exercice « %1 » : elle n&apos;en ouvre pas d&apos;autre. Ton travail reste celui de cet exercice.</source>
        <extracomment>%1 is the exercise&apos;s title. A dropped exercise file or an exercise link, refused in an exercise&apos;s own page.</extracomment>
        <translation>This page is the page of the exercise “%1”: it opens no other. Your work stays that of this exercise.</translation>
    </message>
    <message>
        <source>Construis la coupe du modèle (appuie sur la coupe pour le voir) et vérifie-la, range les événements, puis enregistre ta réponse (menu Exercice) et donne le fichier à ton professeur.</source>
        <translation>Build the model&apos;s section (press the section to see it) and check it, order the events, then save your answer (Exercise menu) and give the file to your teacher.</translation>
    </message>
    <message>
        <source>Page de l&apos;exercice enregistrée : %1</source>
        <translation>Exercise page saved: %1</translation>
    </message>
    <message>
        <source>Exporter la série pour l&apos;ENT (SCORM)...</source>
        <translation>Export the series for the school platform (SCORM)...</translation>
    </message>
    <message>
        <source>Paquet pour l&apos;ENT téléchargé : %1. Chaque exercice y est une activité notée.</source>
        <extracomment>%1 is the name of the downloaded package.</extracomment>
        <translation>Package for the school platform downloaded: %1. Each exercise is a marked activity in it.</translation>
    </message>
    <message>
        <source>Fiches de l&apos;exercice ouvert</source>
        <translation>Sheets of the open exercise</translation>
    </message>
</context>
<context>
    <name>Paquet</name>
    <message>
        <source>aucun exercice à mettre dans le paquet</source>
        <translation>no exercise to put in the package</translation>
    </message>
    <message>
        <source>un paquet tient au plus %1 exercices</source>
        <translation>a package holds at most %1 exercises</translation>
    </message>
    <message>
        <source>la note pour réussir doit aller de 0 à 20 (et non %1)</source>
        <translation>the pass mark must be from 0 to 20 (not %1)</translation>
    </message>
    <message>
        <source>l&apos;exercice « %1 » ne peut pas être lu : %2</source>
        <translation>the exercise “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>La note sur 20 à partir de laquelle la plateforme compte l&apos;exercice comme réussi (de 0 à 20) :</source>
        <translation>The mark out of 20 from which the platform counts the exercise as passed (0 to 20):</translation>
    </message>
    <message>
        <source>La note pour réussir doit être un nombre entier de 0 à 20.</source>
        <translation>The pass mark must be a whole number from 0 to 20.</translation>
    </message>
    <message>
        <source>la page donnée n&apos;est pas celle de Strataloom (ses trois scripts marqués manquent)</source>
        <translation>the page given is not Strataloom&apos;s (its three marked scripts are missing)</translation>
    </message>
    <message>
        <source>le nom « %1 » ne peut pas entrer dans une archive</source>
        <translation>the name “%1” cannot go into an archive</translation>
    </message>
    <message>
        <source>le nom « %1 » est donné deux fois</source>
        <translation>the name “%1” is given twice</translation>
    </message>
    <message>
        <source>l&apos;archive ne peut pas tenir plus de %1 fichiers</source>
        <translation>the archive cannot hold more than %1 files</translation>
    </message>
    <message>
        <source>l&apos;archive dépasserait %1 Mio</source>
        <translation>the archive would exceed %1 MiB</translation>
    </message>
    <message>
        <source>la page donnée porte déjà un exercice</source>
        <translation>the page given already holds an exercise</translation>
    </message>
</context>
<context>
    <name>Relations</name>
    <message>
        <source>%1 repose sur %2 (principe de superposition)</source>
        <extracomment>%1 rests on %2.</extracomment>
        <translation>%1 rests on %2 (principle of superposition)</translation>
    </message>
    <message>
        <source>%1 recoupe %2 (principe de recoupement)</source>
        <extracomment>%1 (a fault, a thrust plane, a granite) cuts %2.</extracomment>
        <translation>%1 cuts across %2 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>%1 scelle %2 (principe de recoupement)</source>
        <extracomment>%1 (a layer or a lava flow) covers the top of the fault %2 without being cut.</extracomment>
        <translation>%1 seals %2 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>%1 tronque %2 (principe de recoupement)</source>
        <extracomment>%1 is an erosion surface that truncates %2.</extracomment>
        <translation>%1 truncates %2 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>le plissement affecte %1 (principe de recoupement)</source>
        <extracomment>%1 is the folded formation.</extracomment>
        <translation>the folding affects %1 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>le chevauchement décale %1 (principe de recoupement)</source>
        <extracomment>%1 is the formation the thrust offsets.</extracomment>
        <translation>the thrust offsets %1 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>%1 recoupe %3, déjà déformée par %2 (principe de recoupement)</source>
        <extracomment>%1 is a granite or a fault crossing %3, already deformed by %2.</extracomment>
        <translation>%1 cuts across %3, already deformed by %2 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>discordance : %1 tronque %3, déjà déformée par %2</source>
        <extracomment>%1 is an erosion surface truncating %3, already deformed by %2.</extracomment>
        <translation>unconformity: %1 truncates %3, already deformed by %2</translation>
    </message>
    <message>
        <source>discordance : %1 repose sur %2, qui tronque des formations déformées</source>
        <extracomment>%1 rests on the erosion surface %2, which truncates deformed formations.</extracomment>
        <translation>unconformity: %1 rests on %2, which truncates deformed formations</translation>
    </message>
    <message>
        <source>%1 repose sur %2, une lacune sans discordance (principe de superposition)</source>
        <extracomment>%1 rests on the erosion surface %2, which truncates no deformed formation: a gap, not a discordance.</extracomment>
        <translation>%1 rests on %2, a gap without unconformity (principle of superposition)</translation>
    </message>
    <message>
        <source>%1 et son filon recoupent %2 (principe de recoupement)</source>
        <extracomment>%1 is a lava flow (&quot;la coulée E&quot;); the flow and its feeder dyke, named together, cut %2.</extracomment>
        <translation>%1 and its dyke cut across %2 (principle of cross-cutting relationships)</translation>
    </message>
    <message>
        <source>discordance : %1 repose sur %3, déjà déformée par %2 avant son dépôt</source>
        <extracomment>%1 was laid on %3 after %2 (a folding or a thrust) had deformed it: an unconformity. Nothing is said of whether %1 was deformed later.</extracomment>
        <translation>unconformity: %1 rests on %3, already deformed by %2 before it was laid</translation>
    </message>
    <message>
        <source>%1 et son filon recoupent %3, déjà déformée par %2 (principe de recoupement)</source>
        <extracomment>%1 is a lava flow (&quot;la coulée E&quot;); its feeder dyke crosses %3, already deformed by %2.</extracomment>
        <translation>%1 and its dyke cut across %3, already deformed by %2 (principle of cross-cutting relationships)</translation>
    </message>
</context>
<context>
    <name>Reprise</name>
    <message>
        <source>le travail gardé est illisible</source>
        <translation>the kept work cannot be read</translation>
    </message>
    <message>
        <source>ta liste contient une ligne qui ne nomme aucun événement : la plateforme ne peut pas la garder</source>
        <translation>your list holds a line that names no event: the platform cannot keep it</translation>
    </message>
    <message>
        <source>l&apos;ordre vérifié ne peut pas être gardé par la plateforme</source>
        <translation>the checked order cannot be kept by the platform</translation>
    </message>
    <message>
        <source>ton travail dépasse les %1 caractères que la plateforme garde</source>
        <extracomment>%1 is the most characters a learning platform keeps.</extracomment>
        <translation>your work is longer than the %1 characters the platform keeps</translation>
    </message>
    <message>
        <source>le travail gardé est trop long</source>
        <translation>the kept work is too long</translation>
    </message>
    <message>
        <source>le travail gardé par la plateforme n&apos;est pas un travail de Strataloom</source>
        <translation>the work kept by the platform is not Strataloom work</translation>
    </message>
    <message>
        <source>le travail gardé est abîmé (la somme de contrôle ne correspond pas)</source>
        <translation>the kept work is damaged (the checksum does not match)</translation>
    </message>
    <message>
        <source>le travail gardé est celui d&apos;un autre exercice</source>
        <translation>the kept work belongs to another exercise</translation>
    </message>
    <message>
        <source>le fichier gardé n&apos;est pas un travail de Strataloom</source>
        <translation>the kept file is not Strataloom work</translation>
    </message>
</context>
<context>
    <name>Serie</name>
    <message>
        <source>Exercice %1</source>
        <translation>Exercise %1</translation>
    </message>
    <message>
        <source>Exercice %1 — %2</source>
        <extracomment>%1 is the number of the exercise in the series, %2 the series&apos; title.</extracomment>
        <translation>Exercise %1 — %2</translation>
    </message>
    <message>
        <source>Ces réglages ne permettent pas de tirer l&apos;exercice %1 : aucune des %2 listes tirées ne donne une coupe lisible et vraisemblable où chaque événement se voit. Essayez un autre nombre d&apos;événements ou d&apos;autres types d&apos;événements.</source>
        <extracomment>%1 is the number of the exercise in the series, %2 how many lists were drawn for it.</extracomment>
        <translation>These settings cannot give exercise %1: none of the %2 lists drawn gives a legible, plausible section in which every event shows. Try another number of events or other kinds of events.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>strataloom : aucun écran n&apos;est disponible (ni DISPLAY ni WAYLAND_DISPLAY ne sont définies).
Lancez Strataloom depuis le bureau, ou sur un écran virtuel avec :
  xvfb-run -a -s &apos;-screen 0 1024x768x24&apos; strataloom
</source>
        <translation>strataloom: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start Strataloom from the desktop, or on a virtual display with:
  xvfb-run -a -s &apos;-screen 0 1024x768x24&apos; strataloom
</translation>
    </message>
</context>
</TS>
