<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>No audio output could be opened (PulseAudio, ALSA and JACK were tried).</source>
        <translation>Es ließ sich keine Audioausgabe öffnen (PulseAudio, ALSA und JACK wurden versucht).</translation>
    </message>
    <message>
        <source>The audio output ALSA could not be opened: this computer has no sound card.</source>
        <translation>Die Audioausgabe ALSA ließ sich nicht öffnen: Dieser Computer hat keine Soundkarte.</translation>
    </message>
    <message>
        <source>The audio output %1 could not be opened.</source>
        <translation>Die Audioausgabe %1 ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The synthesizer library %1 is not installed: the Built-in Synth cannot play.</source>
        <translation>Die Synthesizer-Bibliothek %1 ist nicht installiert: Der eingebaute Synth kann nicht spielen.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont found in %1.</source>
        <translation>Kein General-MIDI-Soundfont in %1 gefunden.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded.</source>
        <translation>Es ließ sich kein Soundfont laden.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1 through %2, every note %3 ms after it is played.</source>
        <translation>Eingebauter Synth: %1 über %2, jede Note erklingt %3 ms nach dem Anschlag.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... %2 plays until then.</source>
        <translation>Eingebauter Synth: Lade den Soundfont %1 ... Bis dahin spielt %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... Notes played until it is ready are not heard.</source>
        <translation>Eingebauter Synth: Lade den Soundfont %1 ... Bis er bereit ist, sind gespielte Noten nicht zu hören.</translation>
    </message>
    <message>
        <source>The soundfont %1</source>
        <translation>Der Soundfont %1</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found in %1</source>
        <translation>kein General-MIDI-Soundfont in %1 gefunden</translation>
    </message>
    <message>
        <source>the soundfont folder %1</source>
        <translation>der Soundfont-Ordner %1</translation>
    </message>
    <message>
        <source>%1. The Built-in Synth keeps its soundfont.</source>
        <translation>%1. Der eingebaute Synth behält seinen Soundfont.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont could be loaded: %1. The Built-in Synth keeps playing %2.</source>
        <translation>Es ließ sich kein General-MIDI-Soundfont laden: %1. Der eingebaute Synth spielt weiter %2.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2. The Built-in Synth keeps playing %3.</source>
        <translation>Der Soundfont %1 ließ sich nicht laden: %2. Der eingebaute Synth spielt weiter %3.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded: %1.</source>
        <translation>Es ließ sich kein Soundfont laden: %1.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1; playing %2.</source>
        <translation>Eingebauter Synth: %1; es spielt %2.</translation>
    </message>
    <message>
        <source>The synthesizer library is missing.</source>
        <translation>Die Synthesizer-Bibliothek fehlt.</translation>
    </message>
    <message>
        <source>%1 The Built-in Synth plays through %2 again.</source>
        <translation>%1 Der eingebaute Synth spielt wieder über %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: the audio output %1 went away; it plays again as soon as %1 is back.</source>
        <translation>Eingebauter Synth: Die Audioausgabe %1 ist weg; er spielt wieder, sobald %1 zurück ist.</translation>
    </message>
</context>
<context>
    <name>ControllerNames</name>
    <message>
        <source>Bank Select MSB</source>
        <translation>Bankwahl MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Blaswandler</translation>
    </message>
    <message>
        <source>Foot Controller</source>
        <translation>Fußcontroller</translation>
    </message>
    <message>
        <source>Portamento Time</source>
        <translation>Portamento-Zeit</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Daten MSB</translation>
    </message>
    <message>
        <source>Channel Volume</source>
        <translation>Kanallautstärke</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Bank Select LSB</source>
        <translation>Bankwahl LSB</translation>
    </message>
    <message>
        <source>Modulation LSB</source>
        <translation>Modulation LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Blaswandler LSB</translation>
    </message>
    <message>
        <source>Foot Controller LSB</source>
        <translation>Fußcontroller LSB</translation>
    </message>
    <message>
        <source>Portamento Time LSB</source>
        <translation>Portamento-Zeit LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Daten LSB</translation>
    </message>
    <message>
        <source>Channel Volume LSB</source>
        <translation>Kanallautstärke LSB</translation>
    </message>
    <message>
        <source>Balance LSB</source>
        <translation>Balance LSB</translation>
    </message>
    <message>
        <source>Pan LSB</source>
        <translation>Panorama LSB</translation>
    </message>
    <message>
        <source>Expression LSB</source>
        <translation>Expression LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Effekt 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Effekt 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>Allgemein 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>Allgemein 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>Allgemein 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>Allgemein 4 LSB</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Haltepedal</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Softpedal</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto-Pedal</translation>
    </message>
    <message>
        <source>Legato</source>
        <translation>Legato-Pedal</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Halten 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Klangvariation</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Klangfarbe</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Ausklingzeit (Release)</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Einschwingzeit (Attack)</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Portamento Control</source>
        <translation>Portamento-Steuerung</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Hall</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Tremolo</translation>
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
        <translation>Dateneingabe +1</translation>
    </message>
    <message>
        <source>Data Entry -1</source>
        <translation>Dateneingabe -1</translation>
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
        <translation>Alle Klänge aus</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Controller zurücksetzen</translation>
    </message>
    <message>
        <source>Local Control Switch</source>
        <translation>Local Control an/aus</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Alle Noten aus</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Omni-Modus aus</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Omni-Modus an</translation>
    </message>
    <message>
        <source>Poly Mode Switch</source>
        <translation>Poly-Modus umschalten</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Poly-Modus an</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Undefiniert</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The data folder of Tastra, %1, cannot be read (%2).
The default patch set, the patch sets and the help page cannot be used until it can be read.</source>
        <translation>Der Datenordner von Tastra, %1, kann nicht gelesen werden (%2).
Das Standard-Patch-Set, die Patch-Sets und die Hilfe sind nicht verfügbar, bis er gelesen werden kann.</translation>
    </message>
    <message>
        <source>The data folder of Tastra was not found in %1 and %2.
The default patch set, the patch sets and the help page are missing; install the program again to get them back.</source>
        <translation>Der Datenordner von Tastra wurde weder in %1 noch in %2 gefunden.
Das Standard-Patch-Set, die Patch-Sets und die Hilfe fehlen; installieren Sie das Programm neu, um sie zurückzubekommen.</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in help/help_&lt;code&gt;.html</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>the line holds a zero byte</source>
        <translation>die Zeile enthält ein Nullbyte</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;</source>
        <translation>ein Abschnittsname muss mit „]“ enden</translation>
    </message>
    <message>
        <source>unknown section %1 (a key map has [Keys] and [Map])</source>
        <translation>unbekannter Abschnitt %1 (eine Tastenbelegung hat [Keys] und [Map])</translation>
    </message>
    <message>
        <source>section %1 comes twice (first on line %2)</source>
        <translation>Abschnitt %1 kommt doppelt vor (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <source>%1 is not of the form NAME=VALUE</source>
        <translation>%1 hat nicht die Form NAME=WERT</translation>
    </message>
    <message>
        <source>%1 stands before the first section ([Keys] or [Map])</source>
        <translation>%1 steht vor dem ersten Abschnitt ([Keys] oder [Map])</translation>
    </message>
    <message>
        <source>unknown value %1 in [Map] (only Name= is known)</source>
        <translation>unbekannter Wert %1 in [Map] (nur Name= ist bekannt)</translation>
    </message>
    <message>
        <source>%1 is not a scan code (a whole number from %2 to %3)</source>
        <translation>%1 ist kein Scancode (eine ganze Zahl von %2 bis %3)</translation>
    </message>
    <message>
        <source>%1 is not a note offset (a whole number of semitones from %2 to %3)</source>
        <translation>%1 ist kein Notenabstand (eine ganze Zahl von Halbtönen von %2 bis %3)</translation>
    </message>
    <message>
        <source>scan code %1 was given a note on line %2 already</source>
        <translation>Scancode %1 wurde schon in Zeile %2 eine Note zugewiesen</translation>
    </message>
    <message>
        <source>there is no [Keys] section</source>
        <translation>es gibt keinen Abschnitt [Keys]</translation>
    </message>
    <message>
        <source>[Keys] names no key</source>
        <translation>[Keys] nennt keine Taste</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file is too large for a key map</source>
        <translation>Tastenbelegung „%1“: Die Datei ist zu groß für eine Tastenbelegung</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file does not exist</source>
        <translation>Tastenbelegung „%1“: Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; cannot be read: %2</source>
        <translation>Tastenbelegung „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;, line %2: %3</source>
        <translation>Tastenbelegung „%1“, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: %2</source>
        <translation>Tastenbelegung „%1“: %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; could not be saved: %2</source>
        <translation>Tastenbelegung „%1“ ließ sich nicht speichern: %2</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>no JACK server is running</source>
        <translation>es läuft kein JACK-Server</translation>
    </message>
    <message>
        <source>the JACK port %1 could not be made</source>
        <translation>der JACK-Port %1 ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Ein nicht näher bestimmter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there.</source>
        <translation>Das MIDI-Gerät ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The MIDI device is already in use.</source>
        <translation>Das MIDI-Gerät wird bereits benutzt.</translation>
    </message>
    <message>
        <source>The MIDI device has gone away or is not open.</source>
        <translation>Das MIDI-Gerät ist verschwunden oder nicht geöffnet.</translation>
    </message>
    <message>
        <source>No MIDI driver is installed.</source>
        <translation>Es ist kein MIDI-Treiber installiert.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The function is not supported.</source>
        <translation>Die Funktion wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The buffer was not prepared.</source>
        <translation>Der Puffer wurde nicht vorbereitet.</translation>
    </message>
    <message>
        <source>The buffer is still in use by the device.</source>
        <translation>Der Puffer wird noch vom Gerät benutzt.</translation>
    </message>
    <message>
        <source>Neither a JACK server nor the ALSA sequencer is available.</source>
        <translation>Weder ein JACK-Server noch der ALSA-Sequencer ist verfügbar.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected.</source>
        <translation>Der MIDI-Port ließ sich nicht verbinden.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected: %1.</source>
        <translation>Der MIDI-Port ließ sich nicht verbinden: %1.</translation>
    </message>
    <message>
        <source>JACK refused the connection from %1</source>
        <translation>JACK hat die Verbindung von %1 abgelehnt</translation>
    </message>
    <message>
        <source>The MIDI port took no messages for a while: some were lost.</source>
        <translation>Der MIDI-Port hat eine Weile keine Nachrichten angenommen: Einige gingen verloren.</translation>
    </message>
    <message>
        <source>JACK refused the connection to %1</source>
        <translation>JACK hat die Verbindung zu %1 abgelehnt</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Die Einstellungen ließen sich nicht in %1 speichern.</translation>
    </message>
</context>
<context>
    <name>Soundfont</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a soundfont</source>
        <translation>%1 ist kein Soundfont</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
</context>
<context>
    <name>SynthOutput</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Akkord-Editor</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click &quot;New&quot; to add a new chord. Then enable the edit mode by activating the &quot;Edit&quot; button. Use the keyboard below or Tastra or an external device to toggle notes of the current chord.</source>
        <translation>Hier definieren Sie eigene Akkorde. Klicken Sie auf „Neu“, um einen Akkord anzulegen. Schalten Sie dann mit dem Knopf „Bearbeiten“ den Bearbeitungsmodus ein. Mit der Tastatur unten, mit Tastra oder mit einem externen Gerät schalten Sie Noten des aktuellen Akkords ein und aus.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Um einen Akkord auszuprobieren, schalten Sie den Bearbeitungsmodus aus und spielen auf der Tastatur unten.</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Akkordname</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Akkordtöne</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>A MIDI keyboard: play notes with the mouse and the computer keyboard and send them, with
controllers, program and bank changes, to a MIDI output device.</source>
        <translation>Ein MIDI-Keyboard: Noten mit der Maus und der Computertastatur spielen und sie mit
Controllern, Programm- und Bankwechseln an ein MIDI-Ausgabegerät senden.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open the MIDI output &lt;name&gt; for this run, as named in the Midi Out menu (letter case and spaces do not matter). The remembered output stays remembered unless another one is chosen in the menu.</source>
        <translation>Den MIDI-Ausgang &lt;name&gt; für diesen Lauf öffnen, benannt wie im Menü Midi-Ausgang (Groß- und Kleinschreibung und Leerzeichen sind egal). Der gespeicherte Ausgang bleibt gespeichert, solange im Menü kein anderer gewählt wird.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Open the MIDI input &lt;name&gt; for this run, as named in the Midi In menu. The remembered input stays remembered unless another one is chosen in the menu.</source>
        <translation>Den MIDI-Eingang &lt;name&gt; für diesen Lauf öffnen, benannt wie im Menü Midi-Eingang. Der gespeicherte Eingang bleibt gespeichert, solange im Menü kein anderer gewählt wird.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
&apos;%1 --help&apos; zeigt mehr Informationen.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Warnungen und Fehler</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occured:</source>
        <translation> Die folgenden Warnungen und/oder Fehler sind aufgetreten:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Regler-Presets exportieren</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Regler-Schnappschüsse exportieren</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Akkorde exportieren</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Regler-Presets importieren</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Regler-Schnappschüsse importieren</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Akkorde importieren</translation>
    </message>
    <message>
        <source>Please choose:</source>
        <translation>Bitte wählen Sie:</translation>
    </message>
    <message>
        <source>With this function, you export your settings to an ini file.</source>
        <translation>Mit dieser Funktion exportieren Sie Ihre Einstellungen in eine INI-Datei.</translation>
    </message>
    <message>
        <source>With this function, you import your settings from a previously exported ini file.</source>
        <translation>Mit dieser Funktion importieren Sie Ihre Einstellungen aus einer zuvor exportierten INI-Datei.</translation>
    </message>
    <message>
        <source>These settings include </source>
        <translation>Zu diesen Einstellungen gehören </translation>
    </message>
    <message>
        <source>- window size and position</source>
        <translation>- Fenstergröße und -position</translation>
    </message>
    <message>
        <source>- which patch, chord, knob preset is selected</source>
        <translation>- der gewählte Patch, Akkord und das gewählte Regler-Preset</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)</source>
        <translation>- Tastatureinstellungen (etwa die Tastenbreite)</translation>
    </message>
    <message>
        <source>- mouse wheel assignment</source>
        <translation>- die Belegung des Mausrads</translation>
    </message>
    <message>
        <source>- joystick assignment</source>
        <translation>- die Joystick-Belegung</translation>
    </message>
    <message>
        <source>- most other options of the settings dialog.</source>
        <translation>- die meisten anderen Optionen des Einstellungsfensters.</translation>
    </message>
    <message>
        <source>After saving, you can restore the settings again with the Import Settings function in the menu.</source>
        <translation>Nach dem Speichern können Sie die Einstellungen mit der Funktion „Einstellungen importieren“ im Menü wiederherstellen.</translation>
    </message>
    <message>
        <source>You can save an ini file with the Export Settings function in the menu.</source>
        <translation>Eine INI-Datei speichern Sie mit der Funktion „Einstellungen exportieren“ im Menü.</translation>
    </message>
    <message>
        <source>With this function, you export your knob presets to an ini file.</source>
        <translation>Mit dieser Funktion exportieren Sie Ihre Regler-Presets in eine INI-Datei.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob presets again with the Import Knob Presets function in the menu.</source>
        <translation>Nach dem Speichern können Sie die Regler-Presets mit der Funktion „Regler-Presets importieren“ im Menü wieder laden.</translation>
    </message>
    <message>
        <source>With this function, you export your knob snapshots to an ini file.</source>
        <translation>Mit dieser Funktion exportieren Sie Ihre Regler-Schnappschüsse in eine INI-Datei.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob snapshots again with the Import Knob Snapshots function in the menu.</source>
        <translation>Nach dem Speichern können Sie die Regler-Schnappschüsse mit der Funktion „Regler-Schnappschüsse importieren“ im Menü wieder laden.</translation>
    </message>
    <message>
        <source>With this function, you export your self made chords to an ini file.</source>
        <translation>Mit dieser Funktion exportieren Sie Ihre selbst erstellten Akkorde in eine INI-Datei.</translation>
    </message>
    <message>
        <source>After saving, you can load the chords again with the Import Chords function in the menu.</source>
        <translation>Nach dem Speichern können Sie die Akkorde mit der Funktion „Akkorde importieren“ im Menü wieder laden.</translation>
    </message>
    <message>
        <source>With this function, you import knob presets from an ini file.</source>
        <translation>Mit dieser Funktion importieren Sie Regler-Presets aus einer INI-Datei.</translation>
    </message>
    <message>
        <source>These presets must have been exported previously with the Export Knob Preset function in the menu.</source>
        <translation>Diese Presets müssen zuvor mit der Funktion „Regler-Presets exportieren“ im Menü exportiert worden sein.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Vorhandene Regler-Presets überschreiben</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Zu den vorhandenen Regler-Presets hinzufügen</translation>
    </message>
    <message>
        <source>With this function, you import knob snapshots from an ini file.</source>
        <translation>Mit dieser Funktion importieren Sie Regler-Schnappschüsse aus einer INI-Datei.</translation>
    </message>
    <message>
        <source>These snapshots must have been exported previously with the Export Knob Snapshots function in the menu.</source>
        <translation>Diese Schnappschüsse müssen zuvor mit der Funktion „Regler-Schnappschüsse exportieren“ im Menü exportiert worden sein.</translation>
    </message>
    <message>
        <source>With this function, you import chords from an ini file.</source>
        <translation>Mit dieser Funktion importieren Sie Akkorde aus einer INI-Datei.</translation>
    </message>
    <message>
        <source>These chords must have been exported previously with the Export Chords function in the menu.</source>
        <translation>Diese Akkorde müssen zuvor mit der Funktion „Akkorde exportieren“ im Menü exportiert worden sein.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Vorhandene Akkorde überschreiben</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Zu den vorhandenen Akkorden hinzufügen</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall Windows.</source>
        <translation>Das ist nützlich, wenn Sie Ihre Einstellungen auf einen anderen Computer übertragen, an einen Freund weitergeben oder Ihr System neu installieren müssen.</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Klicken Sie auf OK, um fortzufahren, oder auf Abbrechen, um den Vorgang abzubrechen.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TImportExport</name>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Eine zuvor exportierte INI-Datei importieren.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>Regler-&amp;Presets...</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>Regler-&amp;Schnappschüsse</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Akkorde...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>In eine INI-Datei exportieren.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>Regler-&amp;Presets</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Akkorde</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read. Nothing was imported.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Die Einstellungen wurden gespeichert.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>Es konnten keine Regler-Presets gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 knob presets saved successfully.</source>
        <translation>%1 Regler-Presets wurden gespeichert.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>Es konnten keine Regler-Schnappschüsse gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 knob snapshots saved successfully.</source>
        <translation>%1 Regler-Schnappschüsse wurden gespeichert.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>Es konnten keine eigenen Akkorde gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 custom chords saved successfully.</source>
        <translation>%1 eigene Akkorde wurden gespeichert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no settings. Nothing was imported.</source>
        <translation>Die Datei „%1“ enthält keine Einstellungen. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Die Einstellungen wurden geladen.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>Es konnten keine Regler-Presets geladen werden.</translation>
    </message>
    <message>
        <source>%1 knob presets loaded successfully.</source>
        <translation>%1 Regler-Presets wurden geladen.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>Es konnten keine Regler-Schnappschüsse geladen werden.</translation>
    </message>
    <message>
        <source>%1 knob snapshots loaded successfully.</source>
        <translation>%1 Regler-Schnappschüsse wurden geladen.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>Es konnten keine eigenen Akkorde geladen werden.</translation>
    </message>
    <message>
        <source>%1 custom chords loaded successfully.</source>
        <translation>%1 eigene Akkorde wurden geladen.</translation>
    </message>
</context>
<context>
    <name>TKeyListener</name>
    <message>
        <source>The X display %1 cannot be opened a second time.</source>
        <translation>Das X-Display %1 lässt sich kein zweites Mal öffnen.</translation>
    </message>
    <message>
        <source>This X server lacks X Input 2.1, which hearing keys meant for other programs needs.</source>
        <translation>Diesem X-Server fehlt X Input 2.1, das nötig ist, um Tasten zu hören, die für andere Programme bestimmt sind.</translation>
    </message>
    <message>
        <source>The X display %1 cannot be listened to.</source>
        <translation>Das X-Display %1 lässt sich nicht abhören.</translation>
    </message>
    <message>
        <source>The connection to the X server was lost: keys no longer play from other windows.</source>
        <translation>Die Verbindung zum X-Server ist verloren: Tasten spielen nicht mehr aus anderen Fenstern.</translation>
    </message>
    <message>
        <source>Wayland lets no program hear keys typed into other windows; start this one in an X11 session to use it.</source>
        <translation>Unter Wayland kann kein Programm Tasten hören, die in andere Fenster getippt werden; starten Sie dieses in einer X11-Sitzung, um die Funktion zu nutzen.</translation>
    </message>
    <message>
        <source>Hearing keys typed into other windows needs an X11 display, and this program runs on &quot;%1&quot;.</source>
        <translation>Um Tasten aus anderen Fenstern zu hören, braucht es ein X11-Display, und dieses Programm läuft auf „%1“.</translation>
    </message>
    <message>
        <source>This program runs through XWayland: keys typed into the Wayland session&apos;s native windows are not heard, only those typed into X11 windows.</source>
        <translation>Dieses Programm läuft über XWayland: Tasten, die in native Fenster der Wayland-Sitzung getippt werden, hört es nicht, nur die in X11-Fenstern.</translation>
    </message>
</context>
<context>
    <name>TKeyMapEditor</name>
    <message>
        <source>Key Map Editor</source>
        <translation>Tastenbelegung bearbeiten</translation>
    </message>
    <message>
        <source>Save Key Map</source>
        <translation>Tastenbelegung speichern</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Tastenbelegungen (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Press a computer key, then click the piano key it should play. The piano shows which computer keys play each note; offsets count from the C the octave keys (F3, F4) move.</source>
        <translation>Drücken Sie eine Computertaste und klicken Sie dann auf die Klaviertaste, die sie spielen soll. Das Klavier zeigt, welche Computertasten jede Note spielen; die Abstände zählen ab dem C, das die Oktavtasten (F3, F4) verschieben.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Computer key:</source>
        <translation>&amp;Computertaste:</translation>
    </message>
    <message>
        <source>&amp;Remove Key</source>
        <translation>Taste &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No key chosen</source>
        <translation>Keine Taste gewählt</translation>
    </message>
    <message>
        <source>Plays nothing yet: click a piano key</source>
        <translation>Spielt noch nichts: Klicken Sie auf eine Klaviertaste</translation>
    </message>
    <message>
        <source>Plays %1</source>
        <translation>Spielt %1</translation>
    </message>
    <message>
        <source>Plays nothing in this octave</source>
        <translation>Spielt in dieser Oktave nichts</translation>
    </message>
    <message>
        <source>Press a computer key first</source>
        <translation>Drücken Sie zuerst eine Computertaste</translation>
    </message>
    <message>
        <source>The key map has no keys yet: nothing was saved.</source>
        <translation>Die Tastenbelegung hat noch keine Tasten: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(außerhalb)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a note: type a name such as %2, or a number from 0 to 127.</source>
        <translation>„%1“ ist keine Note: Geben Sie einen Namen wie %2 oder eine Zahl von 0 bis 127 ein.</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Tastenbelegung</translation>
    </message>
</context>
<context>
    <name>TKeyboard</name>
    <message>
        <source>The computer keys play the two piano rows.</source>
        <translation>Die Computertasten spielen die zwei Klavierreihen.</translation>
    </message>
    <message>
        <source>%1, played by %2</source>
        <translation>%1, gespielt von %2</translation>
    </message>
</context>
<context>
    <name>TKeysPage</name>
    <message>
        <source>Choose Key Map</source>
        <translation>Tastenbelegung wählen</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Tastenbelegungen (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>A key map says which computer keys play which notes: several keys may play one note, and any key of the main block may play. Without one, the two piano rows of the &quot;Playing&quot; page play.</source>
        <translation>Eine Tastenbelegung legt fest, welche Computertasten welche Noten spielen: Mehrere Tasten können dieselbe Note spielen, und jede Taste des Hauptblocks kann spielen. Ohne Tastenbelegung spielen die beiden Klavierreihen der Seite „Spielen“.</translation>
    </message>
    <message>
        <source>(none: the two piano rows)</source>
        <translation>(keine: die beiden Klavierreihen)</translation>
    </message>
    <message>
        <source>Key map &amp;file:</source>
        <translation>Belegungs&amp;datei:</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>&amp;Piano Rows</source>
        <translation>&amp;Klavierreihen</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>The octave keys (F3, F4) move a key map as they move the piano rows. A key of the map that is also a command key plays its note instead.</source>
        <translation>Die Oktavtasten (F3, F4) verschieben eine Tastenbelegung wie die Klavierreihen. Eine Taste der Belegung, die auch ein Befehl ist, spielt stattdessen ihre Note.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 keys.</source>
        <translation>„%1“: %2 Tasten.</translation>
    </message>
    <message>
        <source>My key map</source>
        <translation>Meine Tastenbelegung</translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Regler-Presets bearbeiten</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Neues Preset</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Geben Sie den Namen des neuen Regler-Presets ein:</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Sie können Regler über der Tastatur anordnen. Diese Regler senden Controller-Daten an Ihr MIDI-Gerät oder Ihren Sequenzer.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Hier legen Sie fest, welche Regler angezeigt werden und welche Eigenschaften sie haben. Sie können auch Presets mit Reglersätzen speichern.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Anzahl der Regler:</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Regler-Presets</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>Keine Regler!</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Anzeigebereich</translation>
    </message>
    <message>
        <source>This determines, how the values of the Controller are displayed, either in absolute values 0 to 127 or relative values from -64 to +64.</source>
        <translation>Dies bestimmt, wie die Werte des Controllers angezeigt werden: absolut von 0 bis 127 oder relativ von -64 bis +64.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controller</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>&amp;Standardwert</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Regler %1</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Sie haben die Regler geändert. Möchten Sie sie als Preset speichern?</translation>
    </message>
    <message>
        <source>You have made changes to knob preset &quot;%1&quot;. Do you want to save it ?</source>
        <translation>Sie haben das Regler-Preset „%1“ geändert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>You can&apos;t name a preset &quot;%1&quot;.</source>
        <translation>Ein Preset kann nicht „%1“ heißen.</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>Ein Preset mit diesem Namen gibt es schon!</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Sie müssen zuerst ein neues Preset anlegen, bevor Sie es speichern können.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Bitte wählen Sie das Preset, das gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset &quot;%1&quot; ?
This can&apos;t be undone later !</source>
        <translation>Möchten Sie das Preset „%1“ wirklich löschen?
Das lässt sich nicht rückgängig machen!</translation>
    </message>
</context>
<context>
    <name>TKnobNames</name>
    <message>
        <source>Default</source>
        <comment>the knob preset</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>the knob preset</comment>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>the first knob&apos;s caption</comment>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>TKnobPanel</name>
    <message>
        <source>&amp;Knobs</source>
        <translation>&amp;Regler</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Presets</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Schnappschüsse</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Schnappschuss %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Schnappschuss &amp;%1 festlegen</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Einrichten...</translation>
    </message>
</context>
<context>
    <name>TLabelsPage</name>
    <message>
        <source>Labels on the keys</source>
        <translation>Beschriftung der Tasten</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>On C keys only</source>
        <translation>Nur auf den C-Tasten</translation>
    </message>
    <message>
        <source>While pressed</source>
        <translation>Beim Drücken</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Notennamen:</translation>
    </message>
    <message>
        <source>&amp;Middle C is called:</source>
        <translation>&amp;Das mittlere C heißt:</translation>
    </message>
    <message>
        <source>Black keys as &amp;flats (Db, Des, Reb)</source>
        <translation>Schwarze Tasten mit &amp;b (Db, Des, Reb)</translation>
    </message>
    <message>
        <source>Show the computer &amp;key that plays each piano key</source>
        <translation>Die Computer&amp;taste zeigen, die jede Klaviertaste spielt</translation>
    </message>
    <message>
        <source>Incoming notes</source>
        <translation>Eingehende Noten</translation>
    </message>
    <message>
        <source>&amp;Colour the keys MIDI input lights by channel:</source>
        <translation>Vom MIDI-Eingang beleuchtete Tasten nach Kanal &amp;färben:</translation>
    </message>
    <message>
        <source>&amp;Default Colours</source>
        <translation>&amp;Standardfarben</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Pressed keys</source>
        <translation>Gedrückte Tasten</translation>
    </message>
    <message>
        <source>&amp;Fill pressed keys with a colour:</source>
        <translation>Gedrückte Tasten &amp;farbig füllen:</translation>
    </message>
    <message>
        <source>With channel colours on, a key takes the colour of the channel it plays on</source>
        <translation>Mit Kanalfarben nimmt eine Taste die Farbe des Kanals an, auf dem sie spielt</translation>
    </message>
</context>
<context>
    <name>TMidiDevice</name>
    <message>
        <source>Cannot open MIDI output device &quot;%1&quot;:</source>
        <translation>Das MIDI-Ausgabegerät „%1“ kann nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; would create a virtual feedback loop !</source>
        <translation>„%1“ zu öffnen ergäbe eine virtuelle Rückkopplungsschleife!</translation>
    </message>
    <message>
        <source>Cannot open MIDI input device &quot;%1&quot;:</source>
        <translation>Das MIDI-Eingabegerät „%1“ kann nicht geöffnet werden:</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>An event at byte %1 runs past the end of its track: the file is cut short or damaged.</source>
        <translation>Ein Ereignis bei Byte %1 reicht über das Ende seiner Spur hinaus: Die Datei ist abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>A number at byte %1 is longer than four bytes: the file is damaged.</source>
        <translation>Eine Zahl bei Byte %1 ist länger als vier Bytes: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Byte %1 holds 0x%2, which cannot begin an event in a MIDI file: the file is damaged.</source>
        <translation>Byte %1 enthält 0x%2, womit in einer MIDI-Datei kein Ereignis beginnen kann: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Data without a status byte at byte %1 (running status with no message before it): the file is damaged.</source>
        <translation>Daten ohne Statusbyte bei Byte %1 (Running Status ohne vorherige Nachricht): Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The message at byte %1 is cut short by another status byte: the file is damaged.</source>
        <translation>Die Nachricht bei Byte %1 wird von einem anderen Statusbyte abgeschnitten: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The file&apos;s header gives no length to its ticks: the file is damaged.</source>
        <translation>Der Kopf der Datei gibt ihren Ticks keine Länge: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>An event comes more than a day into the song: the file&apos;s delta times are damaged.</source>
        <translation>Ein Ereignis liegt mehr als einen Tag im Stück: Die Delta-Zeiten der Datei sind beschädigt.</translation>
    </message>
    <message>
        <source>This is not a Standard MIDI File: it does not begin with a MIDI header.</source>
        <translation>Dies ist keine Standard-MIDI-Datei: Sie beginnt nicht mit einem MIDI-Kopf.</translation>
    </message>
    <message>
        <source>The file&apos;s header is cut short.</source>
        <translation>Der Kopf der Datei ist abgeschnitten.</translation>
    </message>
    <message>
        <source>Files of format %1 are not played: only formats 0 and 1 are.</source>
        <translation>Dateien im Format %1 werden nicht gespielt: nur die Formate 0 und 1.</translation>
    </message>
    <message>
        <source>The file ends inside a chunk that begins at byte %1: it is cut short or the chunk&apos;s length is wrong.</source>
        <translation>Die Datei endet in einem Chunk, der bei Byte %1 beginnt: Sie ist abgeschnitten oder die Länge des Chunks ist falsch.</translation>
    </message>
    <message>
        <source>The file holds no notes or other messages to play.</source>
        <translation>Die Datei enthält keine Noten oder anderen Nachrichten zum Spielen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MB large: MIDI files over %3 MB are not played.</source>
        <translation>&quot;%1&quot; ist %2 MB groß: MIDI-Dateien über %3 MB werden nicht gespielt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>&quot;%1&quot; kann nicht gespielt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TMidiMenu</name>
    <message>
        <source>Waiting for %1 %2 to be plugged in or switched on.</source>
        <translation>Warte darauf, dass %2 (%1) angeschlossen oder eingeschaltet wird.</translation>
    </message>
    <message>
        <source>Closing %1: %2 ...</source>
        <translation>Schließe %1: %2 ...</translation>
    </message>
    <message>
        <source>Closed %1: %2</source>
        <translation>%1 geschlossen: %2</translation>
    </message>
    <message>
        <source>Error: %1 could not be opened.</source>
        <translation>Fehler: %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Opened %1: %2</source>
        <translation>%1 geöffnet: %2</translation>
    </message>
    <message>
        <source>Disconnected %1 from %2: it would create a virtual feedback loop !</source>
        <translation>%1 von %2 getrennt: Das ergäbe eine virtuelle Rückkopplungsschleife!</translation>
    </message>
    <message>
        <source>MIDI OUT</source>
        <translation>MIDI-Ausgang</translation>
    </message>
    <message>
        <source>MIDI IN</source>
        <translation>MIDI-Eingang</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Eingebauter Synth</translation>
    </message>
    <message>
        <source>%1 (own port)</source>
        <translation>%1 (eigener Port)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
</context>
<context>
    <name>TNsmClient</name>
    <message>
        <source>NSM_URL &quot;%1&quot; is not the address of a session manager: going on without a session.</source>
        <translation>NSM_URL „%1“ ist nicht die Adresse eines Sitzungsmanagers: Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The OSC library (liblo) cannot be loaded: going on without a session.</source>
        <translation>Die OSC-Bibliothek (liblo) lässt sich nicht laden: Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>No socket could be opened to talk to the session manager: going on without a session.</source>
        <translation>Es ließ sich kein Socket zum Sitzungsmanager öffnen: Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session manager at %1 does not answer: going on without a session.</source>
        <translation>Der Sitzungsmanager unter %1 antwortet nicht: Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session manager at %1 opened no session: going on without a session.</source>
        <translation>Der Sitzungsmanager unter %1 hat keine Sitzung geöffnet: Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session manager refused the program (no reason given): going on without a session.</source>
        <translation>Der Sitzungsmanager hat das Programm abgewiesen (ohne Angabe von Gründen): Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session manager refused the program (%1): going on without a session.</source>
        <translation>Der Sitzungsmanager hat das Programm abgewiesen (%1): Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session could not be opened (%1): going on without a session.</source>
        <translation>Die Sitzung ließ sich nicht öffnen (%1): Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>Session &quot;%1&quot;: settings kept in %2</source>
        <translation>Sitzung „%1“: Einstellungen liegen in %2</translation>
    </message>
    <message>
        <source>The session manager cannot be reached any more (%1): going on without a session.</source>
        <translation>Der Sitzungsmanager ist nicht mehr erreichbar (%1): Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session manager at %1 cannot be reached (%2): going on without a session.</source>
        <translation>Der Sitzungsmanager unter %1 ist nicht erreichbar (%2): Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The session manager has gone: going on without a session.</source>
        <translation>Der Sitzungsmanager ist beendet: Es geht ohne Sitzung weiter.</translation>
    </message>
    <message>
        <source>The client id &quot;%1&quot; cannot name a MIDI client (1 to 63 characters, no &apos;:&apos; or control characters).</source>
        <translation>Die Client-ID „%1“ kann keinen MIDI-Client benennen (1 bis 63 Zeichen, kein „:“ und keine Steuerzeichen).</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; is not an absolute path.</source>
        <translation>Der Sitzungsordner „%1“ ist kein absoluter Pfad.</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: %2</source>
        <translation>Der Sitzungsordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: it is not a folder</source>
        <translation>Der Sitzungsordner „%1“ lässt sich nicht anlegen: Er ist kein Ordner</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be written.</source>
        <translation>In den Sitzungsordner „%1“ lässt sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ lässt sich nicht öffnen. %2</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Das Skript ist kein Cubase Parse File.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ lässt sich nicht lesen. %2</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot; is ignored.</source>
        <translation>Unbekannter Befehl „%1“ wird übergangen.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Syntaxfehler.</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>Die Untergruppe existiert nicht. Die Ebene verringern.</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>Befehl [end] nicht gefunden.</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Zahl erwartet.</translation>
    </message>
    <message>
        <source>Line %1: Warning: %2</source>
        <translation>Zeile %1: Warnung: %2</translation>
    </message>
    <message>
        <source>Line %1: Error: %2</source>
        <translation>Zeile %1: Fehler: %2</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>Leere Patch-Skript-Datei.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Vorzeitiges Ende des Cubase Parse File.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>Versionsnummer nicht gefunden.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Falsche Versionsnummer.</translation>
    </message>
    <message>
        <source>Function [%1] is not implemented and ignored.</source>
        <translation>Die Funktion [%1] ist nicht umgesetzt und wird übergangen.</translation>
    </message>
    <message>
        <source>No &quot;define patchnames&quot; section !</source>
        <translation>Kein Abschnitt „define patchnames“!</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Der Name fehlt.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>Keine Gruppe für die Eigenschaft sorted festgelegt. Übergangen.</translation>
    </message>
    <message>
        <source>Ignoring remaining &quot;%1&quot; in command.</source>
        <translation>Der Rest „%1“ im Befehl wird übergangen.</translation>
    </message>
    <message>
        <source>Program number out of bounds (0..127)</source>
        <translation>Programmnummer außerhalb des Bereichs (0..127)</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB außerhalb des Bereichs (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB außerhalb des Bereichs (-1..127)</translation>
    </message>
    <message>
        <source>Bank number out of bounds (0..16383)</source>
        <translation>Banknummer außerhalb des Bereichs (0..16383)</translation>
    </message>
    <message>
        <source>Key out of bounds (0..127)</source>
        <translation>Taste außerhalb des Bereichs (0..127)</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>Für die Taste ist kein Programm festgelegt.</translation>
    </message>
    <message>
        <source>Midi channel out of bounds.</source>
        <translation>MIDI-Kanal außerhalb des Bereichs.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose a directory</source>
        <translation>Einen Ordner wählen</translation>
    </message>
    <message>
        <source>Choose Patch Set</source>
        <translation>Patch-Set wählen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Go to Tastra&apos;s directory</source>
        <translation>Zum Ordner von Tastra</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Gerätehersteller:</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Name des Erstellers:</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Patch-Skripte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
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
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>TQtPrompts</name>
    <message>
        <source>Snapshot name</source>
        <translation>Name des Schnappschusses</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Bitte geben Sie einen Namen für diesen Schnappschuss ein:</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Exportdatei wählen</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Importdatei wählen</translation>
    </message>
    <message>
        <source>Ini files (*.ini);;All files (*.*)</source>
        <translation>INI-Dateien (*.ini);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Aufnahme speichern</translation>
    </message>
    <message>
        <source>Play MIDI File</source>
        <translation>MIDI-Datei abspielen</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf);;All files (*)</source>
        <translation>MIDI-Dateien (*.mid *.midi *.smf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Recording kept</source>
        <translation>Aufnahme aufbewahrt</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>S&amp;päter</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>TRecordLink</name>
    <message>
        <source>&amp;Record</source>
        <translation>Auf&amp;nahme</translation>
    </message>
    <message>
        <source>&amp;Start Recording</source>
        <translation>Aufnahme &amp;starten</translation>
    </message>
    <message>
        <source>Save Recording &amp;As...</source>
        <translation>Aufnahme speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Play MIDI File...</source>
        <translation>MIDI-Datei &amp;abspielen...</translation>
    </message>
    <message>
        <source>The recording before could not be kept, so no new one was started: save it first.
%1</source>
        <translation>Die vorige Aufnahme konnte nicht aufbewahrt werden, daher wurde keine neue begonnen: Speichern Sie sie zuerst.
%1</translation>
    </message>
    <message>
        <source>The recording is kept: save it somewhere else.</source>
        <translation>Die Aufnahme bleibt erhalten: Speichern Sie sie an einem anderen Ort.</translation>
    </message>
    <message>
        <source>Recording saved as &quot;%1&quot;.</source>
        <translation>Aufnahme gespeichert als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The recording could not be kept in &quot;%1&quot;: %2</source>
        <translation>Die Aufnahme konnte nicht in &quot;%1&quot; aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>A recording was not saved when the program ended last; it was kept as &quot;%1&quot; in &quot;%2&quot;.
Save it now?</source>
        <translation>Eine Aufnahme war beim letzten Ende des Programms nicht gespeichert; sie wurde als &quot;%1&quot; in &quot;%2&quot; aufbewahrt.
Jetzt speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved as &quot;%2&quot;: %3
It stays kept.</source>
        <translation>&quot;%1&quot; konnte nicht als &quot;%2&quot; gespeichert werden: %3
Sie bleibt aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>Aufnahme &amp;beenden</translation>
    </message>
    <message>
        <source>Stop &amp;Playing</source>
        <translation>Abspielen b&amp;eenden</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Aufnahme %1</translation>
    </message>
    <message>
        <source>Playing %1 / %2</source>
        <translation>Wiedergabe %1 / %2</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>Display the numbers starting with 1 rather than 0</source>
        <translation>Die Zahlen ab 1 statt ab 0 anzeigen</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 links/rechts</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 oben/unten</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 Z-Achse</translation>
    </message>
    <message>
        <source> button %1 pressed</source>
        <translation> Knopf %1 gedrückt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Mouse Wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Eingebauter Synth</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Sprache der Notennamen</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;International</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Französisch / Italienisch</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Tastenbreite</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Tastatur im alten Stil</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Pfeiltasten der Tastatur zeigen</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard&lt;without these buttons.</source>
        <translation>Mit Alt+Ziehen der Maus verschieben Sie die Tastatur&lt;auch ohne diese Knöpfe.</translation>
    </message>
    <message>
        <source>Number Display</source>
        <translation>Zahlenanzeige</translation>
    </message>
    <message>
        <source>First controller number is 1</source>
        <translation>Erste Controller-Nummer ist 1</translation>
    </message>
    <message>
        <source>First program number is 1</source>
        <translation>Erste Programmnummer ist 1</translation>
    </message>
    <message>
        <source>First bank number is 1</source>
        <translation>Erste Banknummer ist 1</translation>
    </message>
    <message>
        <source>First channel number is 1</source>
        <translation>Erste Kanalnummer ist 1</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Zuordnung von Noten und Tasten</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note &quot;C&quot; / &quot;do&quot;.</source>
        <translation>Hier legen Sie fest, welche Taste der Computertastatur der Note „C“ / „do“ entspricht.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Oberes Manual (zweite Reihe der Computertastatur):</translation>
    </message>
    <message>
        <source>Lower manual (forth row on computer keyboard):</source>
        <translation>Unteres Manual (vierte Reihe der Computertastatur):</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Anschlagstärke / Dynamik</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. In Zorvik&apos;s Tastra, you only have 2 different velocity values.</source>
        <translation>Die Anschlagstärke (Velocity) ist die Lautstärke einer einzelnen Note. Auf echten Keyboards ist das, wie fest Sie eine Taste anschlagen. In Zorvik&apos;s Tastra gibt es nur 2 verschiedene Anschlagstärken.</translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Normale Anschlagstärke (0..127):</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Anschlagstärke mit Umschalt (in Prozent):</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% &amp;lauter</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% l&amp;eiser</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Controller für &amp;oben/unten</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Controller für &amp;links/rechts</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the &quot;special hold mode&quot; on the keyboard.</source>
        <translation>Diese Controller werden gesendet, wenn Sie den „besonderen Haltemodus“ auf der Tastatur benutzen.</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Räder</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Controller des &amp;Modulationsrads</translation>
    </message>
    <message>
        <source>These is the controller that is sent by the &quot;modulation wheel&quot; at the left side of the keyboard.</source>
        <translation>Diesen Controller sendet das „Modulationsrad“ links neben der Tastatur.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Tipp: Um die Controller-Nummern einfach einzustellen, wählen Sie ein Auswahlfeld und bewegen den Schieber oder Regler, den Sie damit steuern möchten.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. You must have set up your joystick(s) in the control panel to be able to use them in Zorvik&apos;s Tastra.</source>
        <translation>Mit einem Joystick können Sie Controller-Nachrichten senden. Dazu müssen Ihre Joysticks im System eingerichtet sein, damit Zorvik&apos;s Tastra sie benutzen kann.</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Um die Controller-Nummer einfach einzustellen, bewegen Sie den Schieber oder Regler, den Sie damit steuern möchten. Bei Problemen schalten Sie das unten ab.</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/Aktion</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controller</translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Automatische Controller-Wahl abschalten</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Tastra or a connected MIDI device to set the controller.</source>
        <translation>Mit dem Mausrad können Sie Controller-Nachrichten senden. Wählen Sie unten einen Controller. Um ihn einzustellen, können Sie auch den gewünschten Regler oder das Rad an Tastra oder an einem angeschlossenen MIDI-Gerät bewegen.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Empfindlichkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one &quot;tick&quot; of the mousewheel.</source>
        <translation>Die Empfindlichkeit bestimmt, wie stark sich der Controller mit einer Raststufe des Mausrads ändert.</translation>
    </message>
    <message>
        <source>&quot;Slow&quot; means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, &quot;Fast&quot; has the effect that little wheel movement results in big controller changes.</source>
        <translation>„Langsam“ bedeutet eine sehr feine Auflösung, aber Sie müssen viel drehen, um den Controller deutlich zu ändern. „Schnell“ dagegen bewirkt, dass eine kleine Radbewegung den Controller stark ändert.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Pitch-Bend-Rad</translation>
    </message>
</context>
<context>
    <name>TSoundSelection</name>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Aktueller Patch (Bild auf/Bild ab)</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Aktuelle Programmnummer (Umschalt+Bild auf/Bild ab)</translation>
    </message>
    <message>
        <source>Load the default General MIDI patch set</source>
        <translation>Das Standard-Patch-Set für General MIDI laden</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>&amp;Patches</source>
        <translation>&amp;Patches</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>Patch-Set &amp;wählen...</translation>
    </message>
    <message>
        <source>Load Default Patch Set</source>
        <translation>Standard-Patch-Set laden</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Bank: %1 (MSB: %2 LSB: %3)</source>
        <translation>Bank: %1 (MSB: %2 LSB: %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
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
        <translation>Soundfonts (*.sf2 *.SF2 *.sf3);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Sound&amp;font file:</source>
        <translation>Sound&amp;font-Datei:</translation>
    </message>
    <message>
        <source>The General MIDI soundfont of the system</source>
        <translation>Der General-MIDI-Soundfont des Systems</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Audioausgabe</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 Frames</translation>
    </message>
    <message>
        <source>O&amp;utput:</source>
        <translation>&amp;Ausgabe:</translation>
    </message>
    <message>
        <source>Buffer si&amp;ze:</source>
        <translation>Puffer&amp;größe:</translation>
    </message>
    <message>
        <source>Buffer&amp;s:</source>
        <translation>P&amp;uffer:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Hall</translation>
    </message>
    <message>
        <source>&amp;Chorus</source>
        <translation>&amp;Chorus</translation>
    </message>
    <message>
        <source>&amp;Gain:</source>
        <translation>&amp;Verstärkung:</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later: %1.</source>
        <translation>Jede Note erklingt eine JACK-Periode später: %1.</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later.</source>
        <translation>Jede Note erklingt eine JACK-Periode später.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1.</source>
        <translation>Jede Note erklingt einen Puffer später: %1.</translation>
    </message>
    <message>
        <source>Now playing %1 through %2.</source>
        <translation>Spielt jetzt %1 über %2.</translation>
    </message>
    <message>
        <source>Starting ...</source>
        <translation>Startet ...</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Kann nicht spielen: %1</translation>
    </message>
    <message>
        <source>Not playing: choose it or the MIDI Mapper in Midi Out.</source>
        <translation>Spielt nicht: ihn oder den MIDI Mapper im Midi-Ausgang wählen.</translation>
    </message>
    <message>
        <source>%1 frames, %2 ms at %3 Hz</source>
        <translation>%1 Frames, %2 ms bei %3 Hz</translation>
    </message>
    <message>
        <source>Its audio output went away; it plays again as soon as it is back.</source>
        <translation>Seine Audioausgabe ist weg; er spielt wieder, sobald sie zurück ist.</translation>
    </message>
    <message>
        <source>Each note sounds %1 ms after it is played: one block (%2) and %3 ms in the sound server&apos;s queue.</source>
        <translation>Jede Note erklingt %1 ms nach dem Anschlag: ein Block (%2) und %3 ms in der Warteschlange des Soundservers.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1; on the desktop sound server, later by its queue as well.</source>
        <translation>Jede Note erklingt einen Puffer später: %1; über den Soundserver des Desktops zusätzlich um dessen Warteschlange später.</translation>
    </message>
</context>
<context>
    <name>TTastra</name>
    <message>
        <source>Chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>TTastra2</name>
    <message>
        <source>Some incoming MIDI messages were lost: they came faster than they could be taken.</source>
        <translation>Einige eingehende MIDI-Nachrichten gingen verloren: Sie kamen schneller, als sie angenommen werden konnten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>Midi-&amp;Eingang</translation>
    </message>
    <message>
        <source>Midi &amp;Out</source>
        <translation>Midi-&amp;Ausgang</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Oktave tiefer</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Oktave höher</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>Midi-T&amp;hru</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Support &amp;Forums</source>
        <translation>Support-&amp;Foren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;br&gt;&lt;br&gt;A MIDI keyboard for the desktop.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;br&gt;&lt;br&gt;Ein MIDI-Keyboard für den Desktop.</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>Panik!</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>&amp;Transponieren...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>&amp;Akkord-Editor...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>The language will change the next time the program starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Programms.</translation>
    </message>
</context>
<context>
    <name>TTouchGroup</name>
    <message>
        <source>Strike, touch and pressure</source>
        <translation>Anschlag, Berührung und Druck</translation>
    </message>
    <message>
        <source>&amp;Velocity from where the key is struck</source>
        <translation>Anschlagstärke &amp;je nach Anschlagstelle auf der Taste</translation>
    </message>
    <message>
        <source>Near the front edge of a key loudest, near its back edge softest</source>
        <translation>Nahe der Vorderkante einer Taste am lautesten, nahe der Hinterkante am leisesten</translation>
    </message>
    <message>
        <source>Softest, at the back edge:</source>
        <translation>Am leisesten, an der Hinterkante:</translation>
    </message>
    <message>
        <source>Loudest, at the front edge:</source>
        <translation>Am lautesten, an der Vorderkante:</translation>
    </message>
    <message>
        <source>Play with every finger on a &amp;touch screen</source>
        <translation>Mit jedem Finger auf einem &amp;Touchscreen spielen</translation>
    </message>
    <message>
        <source>Velocity from how hard a finger presses, where the screen tells</source>
        <translation>Anschlagstärke nach dem Fingerdruck, wo der Bildschirm ihn meldet</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Channel pressure (aftertouch)</source>
        <translation>Kanaldruck (Aftertouch)</translation>
    </message>
    <message>
        <source>Polyphonic key pressure</source>
        <translation>Polyphoner Tastendruck</translation>
    </message>
    <message>
        <source>&amp;Pressure while a key is held:</source>
        <translation>&amp;Druck, solange eine Taste gehalten wird:</translation>
    </message>
    <message>
        <source>A held key&apos;s pressure follows how hard the finger presses, or moving up on the key with the mouse or a finger.</source>
        <translation>Der Druck einer gehaltenen Taste folgt dem Fingerdruck oder einer Bewegung nach oben auf der Taste, mit der Maus oder einem Finger.</translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Show Help</source>
        <translation>Hilfe zeigen</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Anzahl der Halbtöne, um die transponiert wird:</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Transponierte Noten auf der Tastatur zeigen</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>MIDI-Thru-Noten transponieren</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Transposition beim Schließen des Fensters beibehalten.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>In diesem Fenster transponieren Sie alle ausgehenden Noten in Halbtönen nach oben (positiv) oder nach unten (negativ).</translation>
    </message>
    <message>
        <source>Checking &quot;Display transposed notes on keyboard&quot; results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Mit „Transponierte Noten auf der Tastatur zeigen“ wird transponiert, bevor die Noten auf der Tastatur angezeigt werden. Das kann aussehen, als würden falsche Noten gespielt.</translation>
    </message>
    <message>
        <source>Checking &quot;Transpose MIDI Thru notes&quot; will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Mit „MIDI-Thru-Noten transponieren“ werden auch alle Noten transponiert, die am MIDI-Eingang ankommen.</translation>
    </message>
    <message>
        <source>When you check &quot;Keep transpose when this window is closed&quot;, the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Mit „Transposition beim Schließen des Fensters beibehalten“ bleiben die Noten transponiert, auch wenn Sie dieses Fenster geschlossen haben. Sonst setzt das Schließen die Transposition auf 0 zurück.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Hilfe ausblenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TWheelControls</name>
    <message>
        <source>Pitch: %1</source>
        <translation>Pitch-Bend: %1</translation>
    </message>
    <message>
        <source>Modulation: %1</source>
        <translation>Modulation: %1</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Pitch-Bend-Rad (UMSCHALT für feine Schritte, STRG gegen das Zurückspringen)</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Modulationsrad (UMSCHALT für feine Schritte)</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Sichtbare Tasten nach unten schieben</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Sichtbare Tasten nach oben schieben</translation>
    </message>
</context>
<context>
    <name>TWindowSystem</name>
    <message>
        <source>Wayland lets no program keep its window above the others.</source>
        <translation>Wayland lässt kein Programm sein Fenster über den anderen halten.</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>This program was started without a key listener.</source>
        <translation>Das Programm wurde ohne Tastenabhörer gestartet.</translation>
    </message>
    <message>
        <source>Thru &amp;Without Delay</source>
        <translation>Thru &amp;ohne Verzögerung</translation>
    </message>
    <message>
        <source>Pass incoming MIDI on within the same JACK cycle, at the frame it came at, with the chord and transposition</source>
        <translation>Eingehendes MIDI im selben JACK-Zyklus am Frame seiner Ankunft weitergeben, mit Akkord und Transposition</translation>
    </message>
    <message>
        <source>Thru without delay needs the MIDI input and output to be JACK ports of this program</source>
        <translation>Thru ohne Verzögerung braucht als MIDI-Eingang und -Ausgang JACK-Ports dieses Programms</translation>
    </message>
    <message>
        <source>Thru without delay could not be set up on the JACK ports</source>
        <translation>Thru ohne Verzögerung ließ sich an den JACK-Ports nicht einrichten</translation>
    </message>
    <message>
        <source>Play From &amp;Any Window</source>
        <translation>Aus &amp;jedem Fenster spielen</translation>
    </message>
    <message>
        <source>Play the computer keys while another program has the focus; that program still receives every key</source>
        <translation>Die Computertasten spielen, während ein anderes Programm den Fokus hat; dieses Programm erhält weiterhin jede Taste</translation>
    </message>
    <message>
        <source>Playing from any window</source>
        <translation>Spielt aus jedem Fenster</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Linke Taste: normales Spielen   Rechte Taste: besonderer Haltemodus</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Akkord wechseln (Pos1/Ende)</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Die Oktave beim Spielen mit der Computertastatur wechseln</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Basis: %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Oktave: %1</translation>
    </message>
    <message>
        <source>Transpose is activated (%1 semitones)!<byte value="xd"/>
You can edit the transposition from the Options menu.</source>
        <translation>Transponieren ist eingeschaltet (%1 Halbtöne)!<byte value="xd"/>
Sie können die Transposition im Menü Optionen ändern.</translation>
    </message>
    <message>
        <source>Do not show this reminder in future.</source>
        <translation>Diesen Hinweis künftig nicht mehr zeigen.</translation>
    </message>
    <message>
        <source>Discuss this program in the online discussion forums</source>
        <translation>Über dieses Programm in den Online-Foren diskutieren</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Hier klicken, um sofort alle Klänge zu stoppen (Strg-Leertaste)</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Panik: %1%</translation>
    </message>
    <message>
        <source>Reading patch list...</source>
        <translation>Patch-Liste wird gelesen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Moll</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Dur m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Moll m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quinten</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Powerchord</translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as &quot;%1&quot;; the program starts with its default settings.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden. Sie wurde als „%1“ aufbewahrt; das Programm startet mit den Standardeinstellungen.</translation>
    </message>
</context>
</TS>
