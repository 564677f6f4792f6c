<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FenetreEnseignant</name>
    <message numerus="yes">
        <source>%n exercice(s) dans le paquet pour l&apos;ENT %1.</source>
        <translation>
            <numerusform>%n exercice dans le paquet pour l&apos;ENT %1.</numerusform>
            <numerusform>%n exercices dans le paquet pour l&apos;ENT %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercice(s) écrit(s) dans %1, avec leurs fiches (%2).</source>
        <translation>
            <numerusform>%n exercice écrit dans %1, avec ses fiches (%2).</numerusform>
            <numerusform>%n exercices écrits dans %1, avec leurs fiches (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Notation interrompue : %n copie(s) notée(s) sur %1.</source>
        <translation>
            <numerusform>Notation interrompue : %n copie notée sur %1.</numerusform>
            <numerusform>Notation interrompue : %n copies notées sur %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copie(s) notée(s).</source>
        <translation>
            <numerusform>%n copie notée.</numerusform>
            <numerusform>%n copies notées.</numerusform>
        </translation>
    </message>
</context>
</TS>
