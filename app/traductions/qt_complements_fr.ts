<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts Qt's own dialogs show that Qt's French catalogue (qtbase_fr)
     leaves in English: the kinds of entry in a file dialog. Loaded after
     it when the program speaks French; kept by hand, not by lupdate. -->
<TS version="2.1" language="fr_FR">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Dossier de fichiers</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>Match Windows Explorer</comment>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
</TS>
