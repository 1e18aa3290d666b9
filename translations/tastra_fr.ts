<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>No audio output could be opened (PulseAudio, ALSA and JACK were tried).</source>
        <translation>Aucune sortie audio n&apos;a pu être ouverte (PulseAudio, ALSA et JACK ont été essayés).</translation>
    </message>
    <message>
        <source>The audio output ALSA could not be opened: this computer has no sound card.</source>
        <translation>La sortie audio ALSA n&apos;a pas pu être ouverte : cet ordinateur n&apos;a pas de carte son.</translation>
    </message>
    <message>
        <source>The audio output %1 could not be opened.</source>
        <translation>La sortie audio %1 n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The synthesizer library %1 is not installed: the Built-in Synth cannot play.</source>
        <translation>La bibliothèque de synthèse %1 n&apos;est pas installée : le synthé intégré ne peut pas jouer.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont found in %1.</source>
        <translation>Aucune soundfont General MIDI trouvée dans %1.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded.</source>
        <translation>Aucune soundfont n&apos;a pu être chargée.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1 through %2, every note %3 ms after it is played.</source>
        <translation>Synthé intégré : %1 via %2, chaque note sonne %3 ms après avoir été jouée.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... %2 plays until then.</source>
        <translation>Synthé intégré : chargement de la soundfont %1... %2 joue en attendant.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... Notes played until it is ready are not heard.</source>
        <translation>Synthé intégré : chargement de la soundfont %1... Les notes jouées avant qu&apos;elle soit prête ne s&apos;entendent pas.</translation>
    </message>
    <message>
        <source>The soundfont %1</source>
        <translation>La soundfont %1</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found in %1</source>
        <translation>aucune soundfont General MIDI trouvée dans %1</translation>
    </message>
    <message>
        <source>the soundfont folder %1</source>
        <translation>le dossier des soundfonts %1</translation>
    </message>
    <message>
        <source>%1. The Built-in Synth keeps its soundfont.</source>
        <translation>%1. Le synthé intégré garde sa soundfont.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont could be loaded: %1. The Built-in Synth keeps playing %2.</source>
        <translation>Aucune soundfont General MIDI n&apos;a pu être chargée : %1. Le synthé intégré continue de jouer %2.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2. The Built-in Synth keeps playing %3.</source>
        <translation>La soundfont %1 n&apos;a pas pu être chargée : %2. Le synthé intégré continue de jouer %3.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded: %1.</source>
        <translation>Aucune soundfont n&apos;a pu être chargée : %1.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1; playing %2.</source>
        <translation>Synthé intégré : %1 ; c&apos;est %2 qui joue.</translation>
    </message>
    <message>
        <source>The synthesizer library is missing.</source>
        <translation>La bibliothèque du synthétiseur est absente.</translation>
    </message>
    <message>
        <source>%1 The Built-in Synth plays through %2 again.</source>
        <translation>%1 Le synthé intégré joue de nouveau via %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: the audio output %1 went away; it plays again as soon as %1 is back.</source>
        <translation>Synthé intégré : la sortie audio %1 a disparu ; il rejoue dès que %1 est de retour.</translation>
    </message>
</context>
<context>
    <name>ControllerNames</name>
    <message>
        <source>Bank Select MSB</source>
        <translation>Sélection de banque MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Contrôleur de souffle</translation>
    </message>
    <message>
        <source>Foot Controller</source>
        <translation>Pédale d&apos;expression</translation>
    </message>
    <message>
        <source>Portamento Time</source>
        <translation>Durée du portamento</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Données MSB</translation>
    </message>
    <message>
        <source>Channel Volume</source>
        <translation>Volume du canal</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panoramique</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Bank Select LSB</source>
        <translation>Sélection de banque LSB</translation>
    </message>
    <message>
        <source>Modulation LSB</source>
        <translation>Modulation LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Contrôleur de souffle LSB</translation>
    </message>
    <message>
        <source>Foot Controller LSB</source>
        <translation>Pédale d&apos;expression LSB</translation>
    </message>
    <message>
        <source>Portamento Time LSB</source>
        <translation>Durée du portamento LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Données LSB</translation>
    </message>
    <message>
        <source>Channel Volume LSB</source>
        <translation>Volume du canal LSB</translation>
    </message>
    <message>
        <source>Balance LSB</source>
        <translation>Balance LSB</translation>
    </message>
    <message>
        <source>Pan LSB</source>
        <translation>Panoramique LSB</translation>
    </message>
    <message>
        <source>Expression LSB</source>
        <translation>Expression LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Effet 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Effet 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>Général 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>Général 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>Général 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>Général 4 LSB</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Pédale de sustain</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Pédale douce</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Pédale sostenuto</translation>
    </message>
    <message>
        <source>Legato</source>
        <translation>Pédale legato</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Maintien 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Variation du son</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Temps de relâchement</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Temps d&apos;attaque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillance</translation>
    </message>
    <message>
        <source>Portamento Control</source>
        <translation>Contrôle du portamento</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Réverbération</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Trémolo</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>Phaser</translation>
    </message>
    <message>
        <source>Data Entry +1</source>
        <translation>Entrée de données +1</translation>
    </message>
    <message>
        <source>Data Entry -1</source>
        <translation>Entrée de données -1</translation>
    </message>
    <message>
        <source>NRPN LSB</source>
        <translation>NRPN LSB</translation>
    </message>
    <message>
        <source>NRPN MSB</source>
        <translation>NRPN MSB</translation>
    </message>
    <message>
        <source>RPN LSB</source>
        <translation>RPN LSB</translation>
    </message>
    <message>
        <source>RPN MSB</source>
        <translation>RPN MSB</translation>
    </message>
    <message>
        <source>All Sound off</source>
        <translation>Tous les sons coupés</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Réinitialiser les contrôleurs</translation>
    </message>
    <message>
        <source>Local Control Switch</source>
        <translation>Local Control</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Toutes les notes coupées</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Mode omni désactivé</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Mode omni activé</translation>
    </message>
    <message>
        <source>Poly Mode Switch</source>
        <translation>Commutation mode poly</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Mode poly activé</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non défini</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The data folder of Tastra, %1, cannot be read (%2).
The default patch set, the patch sets and the help page cannot be used until it can be read.</source>
        <translation>Le dossier de données de Tastra, %1, est illisible (%2).
Le jeu de patchs par défaut, les jeux de patchs et l&apos;aide restent indisponibles tant qu&apos;il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The data folder of Tastra was not found in %1 and %2.
The default patch set, the patch sets and the help page are missing; install the program again to get them back.</source>
        <translation>Le dossier de données de Tastra est introuvable dans %1 et dans %2.
Le jeu de patchs par défaut, les jeux de patchs et l&apos;aide manquent ; réinstallez le programme pour les retrouver.</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in help/help_&lt;code&gt;.html</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>the line holds a zero byte</source>
        <translation>la ligne contient un octet nul</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;</source>
        <translation>un nom de section doit se terminer par « ] »</translation>
    </message>
    <message>
        <source>unknown section %1 (a key map has [Keys] and [Map])</source>
        <translation>section inconnue %1 (une disposition de touches a [Keys] et [Map])</translation>
    </message>
    <message>
        <source>section %1 comes twice (first on line %2)</source>
        <translation>la section %1 apparaît deux fois (d&apos;abord à la ligne %2)</translation>
    </message>
    <message>
        <source>%1 is not of the form NAME=VALUE</source>
        <translation>%1 n&apos;est pas de la forme NOM=VALEUR</translation>
    </message>
    <message>
        <source>%1 stands before the first section ([Keys] or [Map])</source>
        <translation>%1 précède la première section ([Keys] ou [Map])</translation>
    </message>
    <message>
        <source>unknown value %1 in [Map] (only Name= is known)</source>
        <translation>valeur inconnue %1 dans [Map] (seul Name= est connu)</translation>
    </message>
    <message>
        <source>%1 is not a scan code (a whole number from %2 to %3)</source>
        <translation>%1 n&apos;est pas un code de touche (un nombre entier de %2 à %3)</translation>
    </message>
    <message>
        <source>%1 is not a note offset (a whole number of semitones from %2 to %3)</source>
        <translation>%1 n&apos;est pas un décalage de note (un nombre entier de demi-tons de %2 à %3)</translation>
    </message>
    <message>
        <source>scan code %1 was given a note on line %2 already</source>
        <translation>le code de touche %1 a déjà reçu une note à la ligne %2</translation>
    </message>
    <message>
        <source>there is no [Keys] section</source>
        <translation>il n&apos;y a pas de section [Keys]</translation>
    </message>
    <message>
        <source>[Keys] names no key</source>
        <translation>[Keys] ne nomme aucune touche</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file is too large for a key map</source>
        <translation>Disposition de touches « %1 » : le fichier est trop grand pour une disposition de touches</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file does not exist</source>
        <translation>Disposition de touches « %1 » : le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; cannot be read: %2</source>
        <translation>La disposition de touches « %1 » ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;, line %2: %3</source>
        <translation>Disposition de touches « %1 », ligne %2 : %3</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: %2</source>
        <translation>Disposition de touches « %1 » : %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; could not be saved: %2</source>
        <translation>La disposition de touches « %1 » n&apos;a pas pu être enregistrée : %2</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>no JACK server is running</source>
        <translation>aucun serveur JACK n&apos;est en marche</translation>
    </message>
    <message>
        <source>the JACK port %1 could not be made</source>
        <translation>le port JACK %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L&apos;opération a réussi.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Une erreur non précisée s&apos;est produite.</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there.</source>
        <translation>Le périphérique MIDI n&apos;est plus là.</translation>
    </message>
    <message>
        <source>The MIDI device is already in use.</source>
        <translation>Le périphérique MIDI est déjà utilisé.</translation>
    </message>
    <message>
        <source>The MIDI device has gone away or is not open.</source>
        <translation>Le périphérique MIDI a disparu ou n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>No MIDI driver is installed.</source>
        <translation>Aucun pilote MIDI n&apos;est installé.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The function is not supported.</source>
        <translation>La fonction n&apos;est pas prise en charge.</translation>
    </message>
    <message>
        <source>The buffer was not prepared.</source>
        <translation>Le tampon n&apos;a pas été préparé.</translation>
    </message>
    <message>
        <source>The buffer is still in use by the device.</source>
        <translation>Le tampon est encore utilisé par le périphérique.</translation>
    </message>
    <message>
        <source>Neither a JACK server nor the ALSA sequencer is available.</source>
        <translation>Ni serveur JACK ni séquenceur ALSA ne sont disponibles.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected.</source>
        <translation>Le port MIDI n&apos;a pas pu être connecté.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected: %1.</source>
        <translation>Le port MIDI n&apos;a pas pu être connecté : %1.</translation>
    </message>
    <message>
        <source>JACK refused the connection from %1</source>
        <translation>JACK a refusé la connexion depuis %1</translation>
    </message>
    <message>
        <source>The MIDI port took no messages for a while: some were lost.</source>
        <translation>Le port MIDI n&apos;a accepté aucun message pendant un moment : certains ont été perdus.</translation>
    </message>
    <message>
        <source>JACK refused the connection to %1</source>
        <translation>JACK a refusé la connexion vers %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>Soundfont</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 est illisible (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a soundfont</source>
        <translation>%1 n&apos;est pas une soundfont</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 est endommagée</translation>
    </message>
</context>
<context>
    <name>SynthOutput</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Éditeur d&apos;accords</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click &quot;New&quot; to add a new chord. Then enable the edit mode by activating the &quot;Edit&quot; button. Use the keyboard below or Tastra or an external device to toggle notes of the current chord.</source>
        <translation>Définissez ici vos propres accords. Cliquez sur « Nouveau » pour ajouter un accord, puis activez le mode d&apos;édition avec le bouton « Éditer ». Le clavier ci-dessous, Tastra ou un appareil externe ajoutent ou retirent des notes de l&apos;accord actuel.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Pour essayer un accord, désactivez le mode d&apos;édition et jouez sur le clavier ci-dessous.</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Nom de l&apos;accord</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Notes de l&apos;accord</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Éditer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>A MIDI keyboard: play notes with the mouse and the computer keyboard and send them, with
controllers, program and bank changes, to a MIDI output device.</source>
        <translation>Un clavier MIDI : jouez des notes avec la souris et le clavier de l&apos;ordinateur et envoyez-les,
avec contrôleurs et changements de programme et de banque, à un périphérique de sortie MIDI.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open the MIDI output &lt;name&gt; for this run, as named in the Midi Out menu (letter case and spaces do not matter). The remembered output stays remembered unless another one is chosen in the menu.</source>
        <translation>Ouvrir la sortie MIDI &lt;nom&gt; pour cette exécution, nommée comme dans le menu Sortie Midi (majuscules et espaces sans importance). La sortie mémorisée le reste tant qu&apos;une autre n&apos;est pas choisie dans le menu.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Open the MIDI input &lt;name&gt; for this run, as named in the Midi In menu. The remembered input stays remembered unless another one is chosen in the menu.</source>
        <translation>Ouvrir l&apos;entrée MIDI &lt;nom&gt; pour cette exécution, nommée comme dans le menu Entrée Midi. L&apos;entrée mémorisée le reste tant qu&apos;une autre n&apos;est pas choisie dans le menu.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1 : %2
Essayez « %1 --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Usage : %1 [options]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Avertissements et erreurs</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occured:</source>
        <translation> Les avertissements et/ou erreurs suivants se sont produits :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les réglages</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Exporter les presets de boutons</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Exporter les instantanés de boutons</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Exporter les accords</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer les réglages</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Importer les presets de boutons</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Importer les instantanés de boutons</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Importer les accords</translation>
    </message>
    <message>
        <source>Please choose:</source>
        <translation>Veuillez choisir :</translation>
    </message>
    <message>
        <source>With this function, you export your settings to an ini file.</source>
        <translation>Cette fonction exporte vos réglages dans un fichier INI.</translation>
    </message>
    <message>
        <source>With this function, you import your settings from a previously exported ini file.</source>
        <translation>Cette fonction importe vos réglages depuis un fichier INI exporté auparavant.</translation>
    </message>
    <message>
        <source>These settings include </source>
        <translation>Ces réglages comprennent </translation>
    </message>
    <message>
        <source>- window size and position</source>
        <translation>- la taille et la position de la fenêtre</translation>
    </message>
    <message>
        <source>- which patch, chord, knob preset is selected</source>
        <translation>- le patch, l&apos;accord et le preset de boutons choisis</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)</source>
        <translation>- les réglages du clavier (comme la largeur des touches)</translation>
    </message>
    <message>
        <source>- mouse wheel assignment</source>
        <translation>- l&apos;affectation de la molette de la souris</translation>
    </message>
    <message>
        <source>- joystick assignment</source>
        <translation>- l&apos;affectation du joystick</translation>
    </message>
    <message>
        <source>- most other options of the settings dialog.</source>
        <translation>- la plupart des autres options de la fenêtre des réglages.</translation>
    </message>
    <message>
        <source>After saving, you can restore the settings again with the Import Settings function in the menu.</source>
        <translation>Après l&apos;enregistrement, vous pourrez restaurer les réglages avec la fonction « Importer les réglages » du menu.</translation>
    </message>
    <message>
        <source>You can save an ini file with the Export Settings function in the menu.</source>
        <translation>Vous pouvez enregistrer un fichier INI avec la fonction « Exporter les réglages » du menu.</translation>
    </message>
    <message>
        <source>With this function, you export your knob presets to an ini file.</source>
        <translation>Cette fonction exporte vos presets de boutons dans un fichier INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob presets again with the Import Knob Presets function in the menu.</source>
        <translation>Après l&apos;enregistrement, vous pourrez recharger les presets de boutons avec la fonction « Importer les presets de boutons » du menu.</translation>
    </message>
    <message>
        <source>With this function, you export your knob snapshots to an ini file.</source>
        <translation>Cette fonction exporte vos instantanés de boutons dans un fichier INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob snapshots again with the Import Knob Snapshots function in the menu.</source>
        <translation>Après l&apos;enregistrement, vous pourrez recharger les instantanés de boutons avec la fonction « Importer les instantanés de boutons » du menu.</translation>
    </message>
    <message>
        <source>With this function, you export your self made chords to an ini file.</source>
        <translation>Cette fonction exporte vos propres accords dans un fichier INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the chords again with the Import Chords function in the menu.</source>
        <translation>Après l&apos;enregistrement, vous pourrez recharger les accords avec la fonction « Importer les accords » du menu.</translation>
    </message>
    <message>
        <source>With this function, you import knob presets from an ini file.</source>
        <translation>Cette fonction importe des presets de boutons depuis un fichier INI.</translation>
    </message>
    <message>
        <source>These presets must have been exported previously with the Export Knob Preset function in the menu.</source>
        <translation>Ces presets doivent avoir été exportés auparavant avec la fonction « Exporter les presets de boutons » du menu.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Remplacer les presets de boutons existants</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Ajouter aux presets de boutons existants</translation>
    </message>
    <message>
        <source>With this function, you import knob snapshots from an ini file.</source>
        <translation>Cette fonction importe des instantanés de boutons depuis un fichier INI.</translation>
    </message>
    <message>
        <source>These snapshots must have been exported previously with the Export Knob Snapshots function in the menu.</source>
        <translation>Ces instantanés doivent avoir été exportés auparavant avec la fonction « Exporter les instantanés de boutons » du menu.</translation>
    </message>
    <message>
        <source>With this function, you import chords from an ini file.</source>
        <translation>Cette fonction importe des accords depuis un fichier INI.</translation>
    </message>
    <message>
        <source>These chords must have been exported previously with the Export Chords function in the menu.</source>
        <translation>Ces accords doivent avoir été exportés auparavant avec la fonction « Exporter les accords » du menu.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Remplacer les accords existants</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Ajouter aux accords existants</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall Windows.</source>
        <translation>C&apos;est utile pour transférer vos réglages vers un autre ordinateur, les donner à un ami ou si vous devez réinstaller votre système.</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Cliquez sur OK pour continuer ou sur Annuler pour annuler cette opération.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TImportExport</name>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Importer un fichier INI exporté auparavant.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>&amp;Presets de boutons...</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>&amp;Instantanés de boutons</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Accords...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>Exporter dans un fichier INI.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>&amp;Presets de boutons</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Accords</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read. Nothing was imported.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Réglages enregistrés.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>Aucun preset de boutons n&apos;a pu être enregistré.</translation>
    </message>
    <message>
        <source>%1 knob presets saved successfully.</source>
        <translation>%1 presets de boutons enregistrés.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>Aucun instantané de boutons n&apos;a pu être enregistré.</translation>
    </message>
    <message>
        <source>%1 knob snapshots saved successfully.</source>
        <translation>%1 instantanés de boutons enregistrés.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>Aucun accord personnel n&apos;a pu être enregistré.</translation>
    </message>
    <message>
        <source>%1 custom chords saved successfully.</source>
        <translation>%1 accords personnels enregistrés.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no settings. Nothing was imported.</source>
        <translation>Le fichier « %1 » ne contient aucun réglage. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Réglages chargés.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>Aucun preset de boutons n&apos;a pu être chargé.</translation>
    </message>
    <message>
        <source>%1 knob presets loaded successfully.</source>
        <translation>%1 presets de boutons chargés.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>Aucun instantané de boutons n&apos;a pu être chargé.</translation>
    </message>
    <message>
        <source>%1 knob snapshots loaded successfully.</source>
        <translation>%1 instantanés de boutons chargés.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>Aucun accord personnel n&apos;a pu être chargé.</translation>
    </message>
    <message>
        <source>%1 custom chords loaded successfully.</source>
        <translation>%1 accords personnels chargés.</translation>
    </message>
</context>
<context>
    <name>TKeyListener</name>
    <message>
        <source>The X display %1 cannot be opened a second time.</source>
        <translation>L&apos;affichage X %1 ne peut pas être ouvert une seconde fois.</translation>
    </message>
    <message>
        <source>This X server lacks X Input 2.1, which hearing keys meant for other programs needs.</source>
        <translation>Ce serveur X ne dispose pas de X Input 2.1, nécessaire pour entendre les touches destinées à d&apos;autres programmes.</translation>
    </message>
    <message>
        <source>The X display %1 cannot be listened to.</source>
        <translation>Impossible d&apos;écouter l&apos;affichage X %1.</translation>
    </message>
    <message>
        <source>The connection to the X server was lost: keys no longer play from other windows.</source>
        <translation>La connexion au serveur X a été perdue : les touches ne jouent plus depuis les autres fenêtres.</translation>
    </message>
    <message>
        <source>Wayland lets no program hear keys typed into other windows; start this one in an X11 session to use it.</source>
        <translation>Wayland ne laisse aucun programme entendre les touches tapées dans d&apos;autres fenêtres ; lancez celui-ci dans une session X11 pour utiliser cette fonction.</translation>
    </message>
    <message>
        <source>Hearing keys typed into other windows needs an X11 display, and this program runs on &quot;%1&quot;.</source>
        <translation>Entendre les touches tapées dans d&apos;autres fenêtres nécessite un affichage X11, et ce programme tourne sur « %1 ».</translation>
    </message>
    <message>
        <source>This program runs through XWayland: keys typed into the Wayland session&apos;s native windows are not heard, only those typed into X11 windows.</source>
        <translation>Ce programme passe par XWayland : les touches tapées dans les fenêtres natives de la session Wayland ne sont pas entendues, seulement celles tapées dans des fenêtres X11.</translation>
    </message>
</context>
<context>
    <name>TKeyMapEditor</name>
    <message>
        <source>Key Map Editor</source>
        <translation>Éditeur de disposition de touches</translation>
    </message>
    <message>
        <source>Save Key Map</source>
        <translation>Enregistrer la disposition de touches</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Dispositions de touches (*.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Press a computer key, then click the piano key it should play. The piano shows which computer keys play each note; offsets count from the C the octave keys (F3, F4) move.</source>
        <translation>Appuyez sur une touche de l&apos;ordinateur, puis cliquez sur la touche du piano qu&apos;elle doit jouer. Le piano montre quelles touches de l&apos;ordinateur jouent chaque note ; les décalages comptent à partir du do que déplacent les touches d&apos;octave (F3, F4).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Computer key:</source>
        <translation>&amp;Touche de l&apos;ordinateur :</translation>
    </message>
    <message>
        <source>&amp;Remove Key</source>
        <translation>&amp;Retirer la touche</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No key chosen</source>
        <translation>Aucune touche choisie</translation>
    </message>
    <message>
        <source>Plays nothing yet: click a piano key</source>
        <translation>Ne joue encore rien : cliquez sur une touche du piano</translation>
    </message>
    <message>
        <source>Plays %1</source>
        <translation>Joue %1</translation>
    </message>
    <message>
        <source>Plays nothing in this octave</source>
        <translation>Ne joue rien dans cette octave</translation>
    </message>
    <message>
        <source>Press a computer key first</source>
        <translation>Appuyez d&apos;abord sur une touche de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>The key map has no keys yet: nothing was saved.</source>
        <translation>La disposition n&apos;a encore aucune touche : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(hors clavier)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a note: type a name such as %2, or a number from 0 to 127.</source>
        <translation>« %1 » n&apos;est pas une note : tapez un nom comme %2, ou un nombre de 0 à 127.</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Disposition des touches</translation>
    </message>
</context>
<context>
    <name>TKeyboard</name>
    <message>
        <source>The computer keys play the two piano rows.</source>
        <translation>Les touches de l&apos;ordinateur jouent les deux rangées de piano.</translation>
    </message>
    <message>
        <source>%1, played by %2</source>
        <translation>%1, joué par %2</translation>
    </message>
</context>
<context>
    <name>TKeysPage</name>
    <message>
        <source>Choose Key Map</source>
        <translation>Choisir une disposition de touches</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Dispositions de touches (*.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Disposition de touches</translation>
    </message>
    <message>
        <source>A key map says which computer keys play which notes: several keys may play one note, and any key of the main block may play. Without one, the two piano rows of the &quot;Playing&quot; page play.</source>
        <translation>Une disposition de touches indique quelles touches de l&apos;ordinateur jouent quelles notes : plusieurs touches peuvent jouer la même note, et toute touche du bloc principal peut jouer. Sans disposition, ce sont les deux rangées de piano de la page « Jeu » qui jouent.</translation>
    </message>
    <message>
        <source>(none: the two piano rows)</source>
        <translation>(aucune : les deux rangées de piano)</translation>
    </message>
    <message>
        <source>Key map &amp;file:</source>
        <translation>&amp;Fichier de disposition :</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>C&amp;hoisir...</translation>
    </message>
    <message>
        <source>&amp;Piano Rows</source>
        <translation>&amp;Rangées de piano</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>The octave keys (F3, F4) move a key map as they move the piano rows. A key of the map that is also a command key plays its note instead.</source>
        <translation>Les touches d&apos;octave (F3, F4) déplacent une disposition comme elles déplacent les rangées de piano. Une touche de la disposition qui est aussi une touche de commande joue sa note à la place.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 keys.</source>
        <translation>« %1 » : %2 touches.</translation>
    </message>
    <message>
        <source>My key map</source>
        <translation>Ma disposition de touches</translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Éditeur de presets de boutons</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Nouveau preset</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Saisissez le nom du nouveau preset de boutons :</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Vous pouvez placer des boutons au-dessus du clavier. Ils envoient des données de contrôleur à votre appareil MIDI ou à votre séquenceur.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Définissez ici les boutons affichés et leurs propriétés. Vous pouvez aussi enregistrer des presets de jeux de boutons.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Nombre de boutons :</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Presets de boutons</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>Aucun bouton !</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Plage affichée</translation>
    </message>
    <message>
        <source>This determines, how the values of the Controller are displayed, either in absolute values 0 to 127 or relative values from -64 to +64.</source>
        <translation>Ceci détermine l&apos;affichage des valeurs du contrôleur : absolues de 0 à 127 ou relatives de -64 à +64.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Contrôleur</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>Valeur par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Vous avez modifié les boutons. Voulez-vous les enregistrer comme preset ?</translation>
    </message>
    <message>
        <source>You have made changes to knob preset &quot;%1&quot;. Do you want to save it ?</source>
        <translation>Vous avez modifié le preset de boutons « %1 ». Voulez-vous l&apos;enregistrer ?</translation>
    </message>
    <message>
        <source>You can&apos;t name a preset &quot;%1&quot;.</source>
        <translation>Un preset ne peut pas s&apos;appeler « %1 ».</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>Un preset de ce nom existe déjà !</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Vous devez d&apos;abord créer un nouveau preset avant de pouvoir l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Veuillez choisir le preset à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset &quot;%1&quot; ?
This can&apos;t be undone later !</source>
        <translation>Voulez-vous vraiment supprimer le preset « %1 » ?
Cette action est irréversible !</translation>
    </message>
</context>
<context>
    <name>TKnobNames</name>
    <message>
        <source>Default</source>
        <comment>the knob preset</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>the knob preset</comment>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>the first knob&apos;s caption</comment>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>TKnobPanel</name>
    <message>
        <source>&amp;Knobs</source>
        <translation>&amp;Boutons</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Presets</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Instantanés</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Définir</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Instantané %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Définir l&apos;instantané &amp;%1</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Configurer...</translation>
    </message>
</context>
<context>
    <name>TLabelsPage</name>
    <message>
        <source>Labels on the keys</source>
        <translation>Étiquettes sur les touches</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>On C keys only</source>
        <translation>Sur les touches do seulement</translation>
    </message>
    <message>
        <source>While pressed</source>
        <translation>Pendant l&apos;appui</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>Noms des &amp;notes :</translation>
    </message>
    <message>
        <source>&amp;Middle C is called:</source>
        <translation>Le do &amp;central s&apos;appelle :</translation>
    </message>
    <message>
        <source>Black keys as &amp;flats (Db, Des, Reb)</source>
        <translation>Touches noires en &amp;bémols (Db, Des, Reb)</translation>
    </message>
    <message>
        <source>Show the computer &amp;key that plays each piano key</source>
        <translation>Afficher la &amp;touche de l&apos;ordinateur qui joue chaque touche du piano</translation>
    </message>
    <message>
        <source>Incoming notes</source>
        <translation>Notes entrantes</translation>
    </message>
    <message>
        <source>&amp;Colour the keys MIDI input lights by channel:</source>
        <translation>&amp;Colorer par canal les touches allumées par l&apos;entrée MIDI :</translation>
    </message>
    <message>
        <source>&amp;Default Colours</source>
        <translation>Couleurs par &amp;défaut</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1 : %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Pressed keys</source>
        <translation>Touches enfoncées</translation>
    </message>
    <message>
        <source>&amp;Fill pressed keys with a colour:</source>
        <translation>&amp;Remplir les touches enfoncées d&apos;une couleur :</translation>
    </message>
    <message>
        <source>With channel colours on, a key takes the colour of the channel it plays on</source>
        <translation>Avec les couleurs de canal, une touche prend la couleur du canal sur lequel elle joue</translation>
    </message>
</context>
<context>
    <name>TMidiDevice</name>
    <message>
        <source>Cannot open MIDI output device &quot;%1&quot;:</source>
        <translation>Impossible d&apos;ouvrir le périphérique de sortie MIDI « %1 » :</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Erreur non précisée</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; would create a virtual feedback loop !</source>
        <translation>Ouvrir « %1 » créerait une boucle de rétroaction virtuelle !</translation>
    </message>
    <message>
        <source>Cannot open MIDI input device &quot;%1&quot;:</source>
        <translation>Impossible d&apos;ouvrir le périphérique d&apos;entrée MIDI « %1 » :</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>An event at byte %1 runs past the end of its track: the file is cut short or damaged.</source>
        <translation>Un événement à l&apos;octet %1 dépasse la fin de sa piste : le fichier est tronqué ou endommagé.</translation>
    </message>
    <message>
        <source>A number at byte %1 is longer than four bytes: the file is damaged.</source>
        <translation>Un nombre à l&apos;octet %1 dépasse quatre octets : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Byte %1 holds 0x%2, which cannot begin an event in a MIDI file: the file is damaged.</source>
        <translation>L&apos;octet %1 contient 0x%2, qui ne peut pas commencer un événement dans un fichier MIDI : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Data without a status byte at byte %1 (running status with no message before it): the file is damaged.</source>
        <translation>Des données sans octet de statut à l&apos;octet %1 (running status sans message avant) : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The message at byte %1 is cut short by another status byte: the file is damaged.</source>
        <translation>Le message à l&apos;octet %1 est interrompu par un autre octet de statut : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The file&apos;s header gives no length to its ticks: the file is damaged.</source>
        <translation>L&apos;en-tête du fichier ne donne aucune durée à ses ticks : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>An event comes more than a day into the song: the file&apos;s delta times are damaged.</source>
        <translation>Un événement arrive plus d&apos;un jour après le début du morceau : les temps delta du fichier sont endommagés.</translation>
    </message>
    <message>
        <source>This is not a Standard MIDI File: it does not begin with a MIDI header.</source>
        <translation>Ce n&apos;est pas un fichier MIDI standard : il ne commence pas par un en-tête MIDI.</translation>
    </message>
    <message>
        <source>The file&apos;s header is cut short.</source>
        <translation>L&apos;en-tête du fichier est tronqué.</translation>
    </message>
    <message>
        <source>Files of format %1 are not played: only formats 0 and 1 are.</source>
        <translation>Les fichiers de format %1 ne sont pas lus : seuls les formats 0 et 1 le sont.</translation>
    </message>
    <message>
        <source>The file ends inside a chunk that begins at byte %1: it is cut short or the chunk&apos;s length is wrong.</source>
        <translation>Le fichier se termine à l&apos;intérieur d&apos;un bloc qui commence à l&apos;octet %1 : il est tronqué ou la longueur du bloc est fausse.</translation>
    </message>
    <message>
        <source>The file holds no notes or other messages to play.</source>
        <translation>Le fichier ne contient ni notes ni autres messages à jouer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MB large: MIDI files over %3 MB are not played.</source>
        <translation>« %1 » fait %2 Mo : les fichiers MIDI de plus de %3 Mo ne sont pas lus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>« %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>« %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>« %1 » n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>TMidiMenu</name>
    <message>
        <source>Waiting for %1 %2 to be plugged in or switched on.</source>
        <translation>En attente du branchement ou de la mise en marche de %2 (%1).</translation>
    </message>
    <message>
        <source>Closing %1: %2 ...</source>
        <translation>Fermeture en cours (%1) : %2...</translation>
    </message>
    <message>
        <source>Closed %1: %2</source>
        <translation>%1 fermée : %2</translation>
    </message>
    <message>
        <source>Error: %1 could not be opened.</source>
        <translation>Erreur : %1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Opened %1: %2</source>
        <translation>%1 ouverte : %2</translation>
    </message>
    <message>
        <source>Disconnected %1 from %2: it would create a virtual feedback loop !</source>
        <translation>%1 déconnecté de %2 : cela créerait une boucle de rétroaction virtuelle !</translation>
    </message>
    <message>
        <source>MIDI OUT</source>
        <translation>Sortie MIDI</translation>
    </message>
    <message>
        <source>MIDI IN</source>
        <translation>Entrée MIDI</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Synthé intégré</translation>
    </message>
    <message>
        <source>%1 (own port)</source>
        <translation>%1 (port propre)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>TNsmClient</name>
    <message>
        <source>NSM_URL &quot;%1&quot; is not the address of a session manager: going on without a session.</source>
        <translation>NSM_URL « %1 » n&apos;est pas l&apos;adresse d&apos;un gestionnaire de session : poursuite sans session.</translation>
    </message>
    <message>
        <source>The OSC library (liblo) cannot be loaded: going on without a session.</source>
        <translation>La bibliothèque OSC (liblo) ne peut pas être chargée : poursuite sans session.</translation>
    </message>
    <message>
        <source>No socket could be opened to talk to the session manager: going on without a session.</source>
        <translation>Aucun socket n&apos;a pu être ouvert pour dialoguer avec le gestionnaire de session : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session manager at %1 does not answer: going on without a session.</source>
        <translation>Le gestionnaire de session à l&apos;adresse %1 ne répond pas : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session manager at %1 opened no session: going on without a session.</source>
        <translation>Le gestionnaire de session à l&apos;adresse %1 n&apos;a ouvert aucune session : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session manager refused the program (no reason given): going on without a session.</source>
        <translation>Le gestionnaire de session a refusé le programme (sans donner de raison) : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session manager refused the program (%1): going on without a session.</source>
        <translation>Le gestionnaire de session a refusé le programme (%1) : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session could not be opened (%1): going on without a session.</source>
        <translation>La session n&apos;a pas pu être ouverte (%1) : poursuite sans session.</translation>
    </message>
    <message>
        <source>Session &quot;%1&quot;: settings kept in %2</source>
        <translation>Session « %1 » : réglages conservés dans %2</translation>
    </message>
    <message>
        <source>The session manager cannot be reached any more (%1): going on without a session.</source>
        <translation>Le gestionnaire de session n&apos;est plus joignable (%1) : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session manager at %1 cannot be reached (%2): going on without a session.</source>
        <translation>Le gestionnaire de session à l&apos;adresse %1 est injoignable (%2) : poursuite sans session.</translation>
    </message>
    <message>
        <source>The session manager has gone: going on without a session.</source>
        <translation>Le gestionnaire de session s&apos;est arrêté : poursuite sans session.</translation>
    </message>
    <message>
        <source>The client id &quot;%1&quot; cannot name a MIDI client (1 to 63 characters, no &apos;:&apos; or control characters).</source>
        <translation>L&apos;identifiant de client « %1 » ne peut pas nommer un client MIDI (1 à 63 caractères, sans « : » ni caractères de contrôle).</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; is not an absolute path.</source>
        <translation>Le dossier de session « %1 » n&apos;est pas un chemin absolu.</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: %2</source>
        <translation>Le dossier de session « %1 » ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: it is not a folder</source>
        <translation>Le dossier de session « %1 » ne peut pas être créé : ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be written.</source>
        <translation>Le dossier de session « %1 » n&apos;est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Le script n&apos;est pas un Cubase Parse File.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot; is ignored.</source>
        <translation>La commande inconnue « %1 » est ignorée.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Erreur de syntaxe.</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>Le sous-groupe n&apos;existe pas. Diminuez le niveau.</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>Commande [end] introuvable.</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Nombre attendu.</translation>
    </message>
    <message>
        <source>Line %1: Warning: %2</source>
        <translation>Ligne %1 : avertissement : %2</translation>
    </message>
    <message>
        <source>Line %1: Error: %2</source>
        <translation>Ligne %1 : erreur : %2</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>Fichier de script de patchs vide.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Fin prématurée du Cubase Parse File.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>Numéro de version introuvable.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Numéro de version erroné.</translation>
    </message>
    <message>
        <source>Function [%1] is not implemented and ignored.</source>
        <translation>La fonction [%1] n&apos;est pas prise en charge et est ignorée.</translation>
    </message>
    <message>
        <source>No &quot;define patchnames&quot; section !</source>
        <translation>Aucune section « define patchnames » !</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Le nom manque.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>Aucun groupe défini pour la propriété sorted. Ignoré.</translation>
    </message>
    <message>
        <source>Ignoring remaining &quot;%1&quot; in command.</source>
        <translation>Le reste « %1 » de la commande est ignoré.</translation>
    </message>
    <message>
        <source>Program number out of bounds (0..127)</source>
        <translation>Numéro de programme hors limites (0..127)</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB hors limites (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB hors limites (-1..127)</translation>
    </message>
    <message>
        <source>Bank number out of bounds (0..16383)</source>
        <translation>Numéro de banque hors limites (0..16383)</translation>
    </message>
    <message>
        <source>Key out of bounds (0..127)</source>
        <translation>Touche hors limites (0..127)</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>Aucun programme défini pour la touche.</translation>
    </message>
    <message>
        <source>Midi channel out of bounds.</source>
        <translation>Canal MIDI hors limites.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose a directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Choose Patch Set</source>
        <translation>Choisir un jeu de patchs</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Go to Tastra&apos;s directory</source>
        <translation>Aller au dossier de Tastra</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nom de l&apos;appareil :</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Fabricant de l&apos;appareil :</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Nom du créateur :</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Scripts de patchs (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>TQtPrompts</name>
    <message>
        <source>Snapshot name</source>
        <translation>Nom de l&apos;instantané</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Veuillez saisir un nom pour cet instantané :</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Choisir le fichier d&apos;exportation</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Ini files (*.ini);;All files (*.*)</source>
        <translation>Fichiers INI (*.ini);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Enregistrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Play MIDI File</source>
        <translation>Lire un fichier MIDI</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf);;All files (*)</source>
        <translation>Fichiers MIDI (*.mid *.midi *.smf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Recording kept</source>
        <translation>Enregistrement conservé</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>TRecordLink</name>
    <message>
        <source>&amp;Record</source>
        <translation>Enre&amp;gistrement</translation>
    </message>
    <message>
        <source>&amp;Start Recording</source>
        <translation>&amp;Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save Recording &amp;As...</source>
        <translation>Enregistrer l&apos;enregistrement &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Play MIDI File...</source>
        <translation>&amp;Lire un fichier MIDI...</translation>
    </message>
    <message>
        <source>The recording before could not be kept, so no new one was started: save it first.
%1</source>
        <translation>L&apos;enregistrement précédent n&apos;a pas pu être conservé, aucun nouveau n&apos;a donc été commencé : enregistrez-le d&apos;abord.
%1</translation>
    </message>
    <message>
        <source>The recording is kept: save it somewhere else.</source>
        <translation>L&apos;enregistrement est conservé : enregistrez-le ailleurs.</translation>
    </message>
    <message>
        <source>Recording saved as &quot;%1&quot;.</source>
        <translation>Enregistrement sauvegardé sous « %1 ».</translation>
    </message>
    <message>
        <source>The recording could not be kept in &quot;%1&quot;: %2</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être conservé dans « %1 » : %2</translation>
    </message>
    <message>
        <source>A recording was not saved when the program ended last; it was kept as &quot;%1&quot; in &quot;%2&quot;.
Save it now?</source>
        <translation>Un enregistrement n&apos;était pas sauvegardé à la dernière fermeture du programme ; il a été conservé sous « %1 » dans « %2 ».
L&apos;enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved as &quot;%2&quot;: %3
It stays kept.</source>
        <translation>« %1 » n&apos;a pas pu être enregistré sous « %2 » : %3
Il reste conservé.</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>&amp;Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Stop &amp;Playing</source>
        <translation>Arrêter la &amp;lecture</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Enregistrement %1</translation>
    </message>
    <message>
        <source>Playing %1 / %2</source>
        <translation>Lecture %1 / %2</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>Display the numbers starting with 1 rather than 0</source>
        <translation>Numéroter à partir de 1 au lieu de 0</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 gauche/droite</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 haut/bas</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 axe Z</translation>
    </message>
    <message>
        <source> button %1 pressed</source>
        <translation> bouton %1 appuyé</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Mouse Wheel</source>
        <translation>Molette de la souris</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Synthé intégré</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Langue des noms de notes</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;International</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Allemand</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Français / italien</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Largeur des touches</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Clavier à l&apos;ancienne</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Afficher les flèches du clavier</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard&lt;without these buttons.</source>
        <translation>Alt+glisser avec la souris déplace le clavier&lt;sans ces boutons.</translation>
    </message>
    <message>
        <source>Number Display</source>
        <translation>Affichage des numéros</translation>
    </message>
    <message>
        <source>First controller number is 1</source>
        <translation>Le premier contrôleur porte le numéro 1</translation>
    </message>
    <message>
        <source>First program number is 1</source>
        <translation>Le premier programme porte le numéro 1</translation>
    </message>
    <message>
        <source>First bank number is 1</source>
        <translation>La première banque porte le numéro 1</translation>
    </message>
    <message>
        <source>First channel number is 1</source>
        <translation>Le premier canal porte le numéro 1</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Correspondance notes-touches</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note &quot;C&quot; / &quot;do&quot;.</source>
        <translation>Indiquez ici quelle touche du clavier de l&apos;ordinateur correspond à la note « C » / « do ».</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Clavier supérieur (deuxième rangée du clavier de l&apos;ordinateur) :</translation>
    </message>
    <message>
        <source>Lower manual (forth row on computer keyboard):</source>
        <translation>Clavier inférieur (quatrième rangée du clavier de l&apos;ordinateur) :</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Vélocité / jeu dynamique</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. In Zorvik&apos;s Tastra, you only have 2 different velocity values.</source>
        <translation>La vélocité est le volume d&apos;une note. Sur un vrai clavier, c&apos;est la force avec laquelle vous frappez la touche. Zorvik&apos;s Tastra n&apos;a que 2 valeurs de vélocité.</translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Vélocité normale (0..127) :</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Vélocité avec Maj (en pourcentage) :</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% plus &amp;fort</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% plus &amp;doux</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Contrôleur &amp;haut/bas</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Contrôleur &amp;gauche/droite</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the &quot;special hold mode&quot; on the keyboard.</source>
        <translation>Ces contrôleurs sont envoyés lorsque vous utilisez le « mode de maintien spécial » sur le clavier.</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Molettes</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Contrôleur de la molette de &amp;modulation</translation>
    </message>
    <message>
        <source>These is the controller that is sent by the &quot;modulation wheel&quot; at the left side of the keyboard.</source>
        <translation>Ce contrôleur est envoyé par la « molette de modulation » à gauche du clavier.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Astuce : pour choisir facilement les numéros de contrôleur, sélectionnez une liste puis bougez le curseur ou le bouton que vous voulez piloter avec.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. You must have set up your joystick(s) in the control panel to be able to use them in Zorvik&apos;s Tastra.</source>
        <translation>Un joystick peut envoyer des messages de contrôleur. Vos joysticks doivent être configurés dans le système pour que Zorvik&apos;s Tastra puisse les utiliser.</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Pour choisir facilement le numéro de contrôleur, bougez le curseur ou le bouton que vous voulez piloter avec. En cas de problème, désactivez-le ci-dessous.</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/action</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Contrôleur</translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Désactiver le choix automatique du contrôleur</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Tastra or a connected MIDI device to set the controller.</source>
        <translation>La molette de la souris peut envoyer des messages de contrôleur. Choisissez un contrôleur ci-dessous. Vous pouvez aussi tourner le bouton ou la molette du contrôleur voulu sur Tastra ou sur un appareil MIDI connecté.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Sensibilité</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one &quot;tick&quot; of the mousewheel.</source>
        <translation>La sensibilité définit de combien le contrôleur change à chaque cran de la molette.</translation>
    </message>
    <message>
        <source>&quot;Slow&quot; means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, &quot;Fast&quot; has the effect that little wheel movement results in big controller changes.</source>
        <translation>« Lente » donne une résolution très fine, mais il faut beaucoup tourner pour changer nettement le contrôleur. « Rapide », au contraire, fait qu&apos;un petit mouvement de la molette change beaucoup le contrôleur.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Molette de pitch bend</translation>
    </message>
</context>
<context>
    <name>TSoundSelection</name>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Patch actuel (Page préc./Page suiv.)</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Numéro de programme actuel (Maj+Page préc./Page suiv.)</translation>
    </message>
    <message>
        <source>Load the default General MIDI patch set</source>
        <translation>Charger le jeu de patchs General MIDI par défaut</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>&amp;Patches</source>
        <translation>&amp;Patchs</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>&amp;Choisir un jeu de patchs...</translation>
    </message>
    <message>
        <source>Load Default Patch Set</source>
        <translation>Charger le jeu de patchs par défaut</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Bank: %1 (MSB: %2 LSB: %3)</source>
        <translation>Banque : %1 (MSB : %2 LSB : %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>TSynthPage</name>
    <message>
        <source>Soundfont</source>
        <translation>Soundfont</translation>
    </message>
    <message>
        <source>Soundfonts (*.sf2 *.SF2 *.sf3);;All files (*)</source>
        <translation>Soundfonts (*.sf2 *.SF2 *.sf3);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Sound&amp;font file:</source>
        <translation>Fichier sound&amp;font :</translation>
    </message>
    <message>
        <source>The General MIDI soundfont of the system</source>
        <translation>La soundfont General MIDI du système</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Sortie audio</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 trames</translation>
    </message>
    <message>
        <source>O&amp;utput:</source>
        <translation>&amp;Sortie :</translation>
    </message>
    <message>
        <source>Buffer si&amp;ze:</source>
        <translation>&amp;Taille du tampon :</translation>
    </message>
    <message>
        <source>Buffer&amp;s:</source>
        <translation>T&amp;ampons :</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Réverbération</translation>
    </message>
    <message>
        <source>&amp;Chorus</source>
        <translation>&amp;Chorus</translation>
    </message>
    <message>
        <source>&amp;Gain:</source>
        <translation>&amp;Gain :</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later: %1.</source>
        <translation>Chaque note sonne une période JACK plus tard : %1.</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later.</source>
        <translation>Chaque note sonne une période JACK plus tard.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1.</source>
        <translation>Chaque note sonne un tampon plus tard : %1.</translation>
    </message>
    <message>
        <source>Now playing %1 through %2.</source>
        <translation>Joue maintenant %1 via %2.</translation>
    </message>
    <message>
        <source>Starting ...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Impossible de jouer : %1</translation>
    </message>
    <message>
        <source>Not playing: choose it or the MIDI Mapper in Midi Out.</source>
        <translation>Ne joue pas : choisissez-le ou le MIDI Mapper dans Sortie Midi.</translation>
    </message>
    <message>
        <source>%1 frames, %2 ms at %3 Hz</source>
        <translation>%1 trames, %2 ms à %3 Hz</translation>
    </message>
    <message>
        <source>Its audio output went away; it plays again as soon as it is back.</source>
        <translation>Sa sortie audio a disparu ; il rejoue dès qu&apos;elle est de retour.</translation>
    </message>
    <message>
        <source>Each note sounds %1 ms after it is played: one block (%2) and %3 ms in the sound server&apos;s queue.</source>
        <translation>Chaque note sonne %1 ms après avoir été jouée : un bloc (%2) et %3 ms dans la file du serveur de son.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1; on the desktop sound server, later by its queue as well.</source>
        <translation>Chaque note sonne un tampon plus tard : %1 ; via le serveur de son du bureau, plus tard encore de la durée de sa file.</translation>
    </message>
</context>
<context>
    <name>TTastra</name>
    <message>
        <source>Chord</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>TTastra2</name>
    <message>
        <source>Some incoming MIDI messages were lost: they came faster than they could be taken.</source>
        <translation>Des messages MIDI entrants ont été perdus : ils arrivaient plus vite qu&apos;ils ne pouvaient être pris en charge.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>&amp;Entrée Midi</translation>
    </message>
    <message>
        <source>Midi &amp;Out</source>
        <translation>S&amp;ortie Midi</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>Op&amp;tions</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Octave inférieure</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Octave supérieure</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>Midi T&amp;hru</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Support &amp;Forums</source>
        <translation>&amp;Forums d&apos;entraide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;br&gt;&lt;br&gt;A MIDI keyboard for the desktop.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;br&gt;&lt;br&gt;Un clavier MIDI pour le bureau.</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>Panique !</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>&amp;Transposer...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>Éditeur d&apos;&amp;accords...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>The language will change the next time the program starts.</source>
        <translation>La langue changera au prochain démarrage du programme.</translation>
    </message>
</context>
<context>
    <name>TTouchGroup</name>
    <message>
        <source>Strike, touch and pressure</source>
        <translation>Frappe, toucher et pression</translation>
    </message>
    <message>
        <source>&amp;Velocity from where the key is struck</source>
        <translation>&amp;Vélocité selon l&apos;endroit où la touche est frappée</translation>
    </message>
    <message>
        <source>Near the front edge of a key loudest, near its back edge softest</source>
        <translation>Le plus fort près du bord avant d&apos;une touche, le plus doux près de son bord arrière</translation>
    </message>
    <message>
        <source>Softest, at the back edge:</source>
        <translation>Le plus doux, au bord arrière :</translation>
    </message>
    <message>
        <source>Loudest, at the front edge:</source>
        <translation>Le plus fort, au bord avant :</translation>
    </message>
    <message>
        <source>Play with every finger on a &amp;touch screen</source>
        <translation>Jouer avec chaque doigt sur un écran &amp;tactile</translation>
    </message>
    <message>
        <source>Velocity from how hard a finger presses, where the screen tells</source>
        <translation>Vélocité selon la force d&apos;appui du doigt, si l&apos;écran la fournit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Channel pressure (aftertouch)</source>
        <translation>Pression de canal (aftertouch)</translation>
    </message>
    <message>
        <source>Polyphonic key pressure</source>
        <translation>Pression polyphonique par touche</translation>
    </message>
    <message>
        <source>&amp;Pressure while a key is held:</source>
        <translation>&amp;Pression tant qu&apos;une touche est tenue :</translation>
    </message>
    <message>
        <source>A held key&apos;s pressure follows how hard the finger presses, or moving up on the key with the mouse or a finger.</source>
        <translation>La pression d&apos;une touche tenue suit la force d&apos;appui du doigt, ou un mouvement vers le haut sur la touche avec la souris ou un doigt.</translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Show Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transposer</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Nombre de demi-tons de transposition :</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Afficher les notes transposées sur le clavier</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>Transposer les notes du MIDI Thru</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Garder la transposition à la fermeture de cette fenêtre.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>Cette fenêtre transpose toutes les notes sortantes vers l&apos;aigu (positif) ou vers le grave (négatif), en demi-tons.</translation>
    </message>
    <message>
        <source>Checking &quot;Display transposed notes on keyboard&quot; results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Avec « Afficher les notes transposées sur le clavier », la transposition a lieu avant l&apos;affichage des notes sur le clavier. On peut alors avoir l&apos;impression de jouer de fausses notes.</translation>
    </message>
    <message>
        <source>Checking &quot;Transpose MIDI Thru notes&quot; will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Avec « Transposer les notes du MIDI Thru », toutes les notes arrivant sur l&apos;entrée MIDI sont aussi transposées.</translation>
    </message>
    <message>
        <source>When you check &quot;Keep transpose when this window is closed&quot;, the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Avec « Garder la transposition à la fermeture de cette fenêtre », les notes restent transposées même après la fermeture de cette fenêtre. Sinon, la fermeture remet la transposition à 0.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Masquer l&apos;aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TWheelControls</name>
    <message>
        <source>Pitch: %1</source>
        <translation>Pitch bend : %1</translation>
    </message>
    <message>
        <source>Modulation: %1</source>
        <translation>Modulation : %1</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Molette de pitch bend (MAJ pour le mode fin, CTRL pour empêcher le retour)</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Molette de modulation (MAJ pour le mode fin)</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Décaler les touches visibles vers le grave</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Décaler les touches visibles vers l&apos;aigu</translation>
    </message>
</context>
<context>
    <name>TWindowSystem</name>
    <message>
        <source>Wayland lets no program keep its window above the others.</source>
        <translation>Wayland ne permet à aucun programme de garder sa fenêtre au-dessus des autres.</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>This program was started without a key listener.</source>
        <translation>Ce programme a été lancé sans écoute des touches.</translation>
    </message>
    <message>
        <source>Thru &amp;Without Delay</source>
        <translation>Thru &amp;sans délai</translation>
    </message>
    <message>
        <source>Pass incoming MIDI on within the same JACK cycle, at the frame it came at, with the chord and transposition</source>
        <translation>Transmettre le MIDI entrant dans le même cycle JACK, à la trame de son arrivée, avec l'accord et la transposition</translation>
    </message>
    <message>
        <source>Thru without delay needs the MIDI input and output to be JACK ports of this program</source>
        <translation>Thru sans délai demande que l'entrée et la sortie MIDI soient des ports JACK de ce programme</translation>
    </message>
    <message>
        <source>Thru without delay could not be set up on the JACK ports</source>
        <translation>Thru sans délai n'a pas pu être mis en place sur les ports JACK</translation>
    </message>
    <message>
        <source>Play From &amp;Any Window</source>
        <translation>Jouer depuis &amp;n&apos;importe quelle fenêtre</translation>
    </message>
    <message>
        <source>Play the computer keys while another program has the focus; that program still receives every key</source>
        <translation>Jouer avec les touches de l&apos;ordinateur pendant qu&apos;un autre programme a le focus ; ce programme reçoit toujours chaque touche</translation>
    </message>
    <message>
        <source>Playing from any window</source>
        <translation>Joue depuis n&apos;importe quelle fenêtre</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Bouton gauche : jeu normal   Bouton droit : mode de maintien spécial</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Changer d&apos;accord (Début/Fin)</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Changer l&apos;octave du jeu au clavier de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Base : %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Octave : %1</translation>
    </message>
    <message>
        <source>Transpose is activated (%1 semitones)!<byte value="xd"/>
You can edit the transposition from the Options menu.</source>
        <translation>La transposition est active (%1 demi-tons) !<byte value="xd"/>
Vous pouvez la modifier depuis le menu Options.</translation>
    </message>
    <message>
        <source>Do not show this reminder in future.</source>
        <translation>Ne plus afficher ce rappel.</translation>
    </message>
    <message>
        <source>Discuss this program in the online discussion forums</source>
        <translation>Discuter de ce programme dans les forums en ligne</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Cliquez ici pour arrêter immédiatement tous les sons (Ctrl-Espace)</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Panique : %1%</translation>
    </message>
    <message>
        <source>Reading patch list...</source>
        <translation>Lecture de la liste des patchs...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Mineur</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Majeur m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Mineur m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quintes</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power chord</translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as &quot;%1&quot;; the program starts with its default settings.</source>
        <translation>Le fichier de réglages n&apos;a pas pu être lu. Il a été conservé sous « %1 » ; le programme démarre avec ses réglages par défaut.</translation>
    </message>
</context>
</TS>
