<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>No audio output could be opened (PulseAudio, ALSA and JACK were tried).</source>
        <translation>Non è stato possibile aprire alcuna uscita audio (sono stati provati PulseAudio, ALSA e JACK).</translation>
    </message>
    <message>
        <source>The audio output ALSA could not be opened: this computer has no sound card.</source>
        <translation>Non è stato possibile aprire l&apos;uscita audio ALSA: questo computer non ha una scheda audio.</translation>
    </message>
    <message>
        <source>The audio output %1 could not be opened.</source>
        <translation>Non è stato possibile aprire l&apos;uscita audio %1.</translation>
    </message>
    <message>
        <source>The synthesizer library %1 is not installed: the Built-in Synth cannot play.</source>
        <translation>La libreria di sintesi %1 non è installata: il sintetizzatore integrato non può suonare.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont found in %1.</source>
        <translation>Nessun soundfont General MIDI trovato in %1.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded.</source>
        <translation>Non è stato possibile caricare alcun soundfont.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1 through %2, every note %3 ms after it is played.</source>
        <translation>Sintetizzatore integrato: %1 tramite %2, ogni nota suona %3 ms dopo essere stata suonata.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... %2 plays until then.</source>
        <translation>Sintetizzatore integrato: caricamento del soundfont %1... Nel frattempo suona %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... Notes played until it is ready are not heard.</source>
        <translation>Sintetizzatore integrato: caricamento del soundfont %1... Le note suonate prima che sia pronto non si sentono.</translation>
    </message>
    <message>
        <source>The soundfont %1</source>
        <translation>Il soundfont %1</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found in %1</source>
        <translation>nessun soundfont General MIDI trovato in %1</translation>
    </message>
    <message>
        <source>the soundfont folder %1</source>
        <translation>la cartella dei soundfont %1</translation>
    </message>
    <message>
        <source>%1. The Built-in Synth keeps its soundfont.</source>
        <translation>%1. Il sintetizzatore integrato mantiene il suo soundfont.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont could be loaded: %1. The Built-in Synth keeps playing %2.</source>
        <translation>Non è stato possibile caricare alcun soundfont General MIDI: %1. Il sintetizzatore integrato continua a suonare %2.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2. The Built-in Synth keeps playing %3.</source>
        <translation>Non è stato possibile caricare il soundfont %1: %2. Il sintetizzatore integrato continua a suonare %3.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded: %1.</source>
        <translation>Non è stato possibile caricare alcun soundfont: %1.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1; playing %2.</source>
        <translation>Sintetizzatore integrato: %1; suona %2.</translation>
    </message>
    <message>
        <source>The synthesizer library is missing.</source>
        <translation>Manca la libreria del sintetizzatore.</translation>
    </message>
    <message>
        <source>%1 The Built-in Synth plays through %2 again.</source>
        <translation>%1 Il sintetizzatore integrato suona di nuovo tramite %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: the audio output %1 went away; it plays again as soon as %1 is back.</source>
        <translation>Sintetizzatore integrato: l&apos;uscita audio %1 è sparita; suona di nuovo appena %1 torna.</translation>
    </message>
</context>
<context>
    <name>ControllerNames</name>
    <message>
        <source>Bank Select MSB</source>
        <translation>Selezione banco MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulazione</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Controllo del fiato</translation>
    </message>
    <message>
        <source>Foot Controller</source>
        <translation>Pedale di espressione</translation>
    </message>
    <message>
        <source>Portamento Time</source>
        <translation>Tempo di portamento</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Dati MSB</translation>
    </message>
    <message>
        <source>Channel Volume</source>
        <translation>Volume del canale</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Bilanciamento</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Espressione</translation>
    </message>
    <message>
        <source>Bank Select LSB</source>
        <translation>Selezione banco LSB</translation>
    </message>
    <message>
        <source>Modulation LSB</source>
        <translation>Modulazione LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Controllo del fiato LSB</translation>
    </message>
    <message>
        <source>Foot Controller LSB</source>
        <translation>Pedale di espressione LSB</translation>
    </message>
    <message>
        <source>Portamento Time LSB</source>
        <translation>Tempo di portamento LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Dati LSB</translation>
    </message>
    <message>
        <source>Channel Volume LSB</source>
        <translation>Volume del canale LSB</translation>
    </message>
    <message>
        <source>Balance LSB</source>
        <translation>Bilanciamento LSB</translation>
    </message>
    <message>
        <source>Pan LSB</source>
        <translation>Panorama LSB</translation>
    </message>
    <message>
        <source>Expression LSB</source>
        <translation>Espressione LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Effetto 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Effetto 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>Generale 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>Generale 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>Generale 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>Generale 4 LSB</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Pedale di sustain</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Pedale del piano</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Pedale tonale</translation>
    </message>
    <message>
        <source>Legato</source>
        <translation>Pedale legato</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Tenuta 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Variazione del suono</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Timbro</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Tempo di rilascio</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Tempo di attacco</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillantezza</translation>
    </message>
    <message>
        <source>Portamento Control</source>
        <translation>Controllo del portamento</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Riverbero</translation>
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
        <translation>Inserimento dati +1</translation>
    </message>
    <message>
        <source>Data Entry -1</source>
        <translation>Inserimento dati -1</translation>
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
        <translation>Tutti i suoni spenti</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Azzera i controller</translation>
    </message>
    <message>
        <source>Local Control Switch</source>
        <translation>Controllo locale</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Tutte le note spente</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Modo omni disattivo</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Modo omni attivo</translation>
    </message>
    <message>
        <source>Poly Mode Switch</source>
        <translation>Cambio modo poly</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Modo poly attivo</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non definito</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The data folder of Tastra, %1, cannot be read (%2).
The default patch set, the patch sets and the help page cannot be used until it can be read.</source>
        <translation>La cartella dei dati di Tastra, %1, non è leggibile (%2).
Il set di patch predefinito, i set di patch e l&apos;aiuto non sono disponibili finché non può essere letta.</translation>
    </message>
    <message>
        <source>The data folder of Tastra was not found in %1 and %2.
The default patch set, the patch sets and the help page are missing; install the program again to get them back.</source>
        <translation>La cartella dei dati di Tastra non è stata trovata né in %1 né in %2.
Mancano il set di patch predefinito, i set di patch e l&apos;aiuto; reinstallare il programma per riaverli.</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in help/help_&lt;code&gt;.html</comment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>the line holds a zero byte</source>
        <translation>la riga contiene un byte nullo</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;</source>
        <translation>il nome di una sezione deve terminare con «]»</translation>
    </message>
    <message>
        <source>unknown section %1 (a key map has [Keys] and [Map])</source>
        <translation>sezione sconosciuta %1 (una mappa dei tasti ha [Keys] e [Map])</translation>
    </message>
    <message>
        <source>section %1 comes twice (first on line %2)</source>
        <translation>la sezione %1 compare due volte (la prima alla riga %2)</translation>
    </message>
    <message>
        <source>%1 is not of the form NAME=VALUE</source>
        <translation>%1 non ha la forma NOME=VALORE</translation>
    </message>
    <message>
        <source>%1 stands before the first section ([Keys] or [Map])</source>
        <translation>%1 si trova prima della prima sezione ([Keys] o [Map])</translation>
    </message>
    <message>
        <source>unknown value %1 in [Map] (only Name= is known)</source>
        <translation>valore sconosciuto %1 in [Map] (è noto solo Name=)</translation>
    </message>
    <message>
        <source>%1 is not a scan code (a whole number from %2 to %3)</source>
        <translation>%1 non è un codice di scansione (un numero intero da %2 a %3)</translation>
    </message>
    <message>
        <source>%1 is not a note offset (a whole number of semitones from %2 to %3)</source>
        <translation>%1 non è uno scostamento di nota (un numero intero di semitoni da %2 a %3)</translation>
    </message>
    <message>
        <source>scan code %1 was given a note on line %2 already</source>
        <translation>al codice di scansione %1 è già stata assegnata una nota alla riga %2</translation>
    </message>
    <message>
        <source>there is no [Keys] section</source>
        <translation>non c&apos;è nessuna sezione [Keys]</translation>
    </message>
    <message>
        <source>[Keys] names no key</source>
        <translation>[Keys] non nomina alcun tasto</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file is too large for a key map</source>
        <translation>Mappa dei tasti «%1»: il file è troppo grande per una mappa dei tasti</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file does not exist</source>
        <translation>Mappa dei tasti «%1»: il file non esiste</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere la mappa dei tasti «%1»: %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;, line %2: %3</source>
        <translation>Mappa dei tasti «%1», riga %2: %3</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: %2</source>
        <translation>Mappa dei tasti «%1»: %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; could not be saved: %2</source>
        <translation>Impossibile salvare la mappa dei tasti «%1»: %2</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>no JACK server is running</source>
        <translation>nessun server JACK è in esecuzione</translation>
    </message>
    <message>
        <source>the JACK port %1 could not be made</source>
        <translation>non è stato possibile creare la porta JACK %1</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L&apos;operazione è stata completata.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Si è verificato un errore non specificato.</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there.</source>
        <translation>Il dispositivo MIDI non c&apos;è più.</translation>
    </message>
    <message>
        <source>The MIDI device is already in use.</source>
        <translation>Il dispositivo MIDI è già in uso.</translation>
    </message>
    <message>
        <source>The MIDI device has gone away or is not open.</source>
        <translation>Il dispositivo MIDI è scomparso o non è aperto.</translation>
    </message>
    <message>
        <source>No MIDI driver is installed.</source>
        <translation>Non è installato alcun driver MIDI.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>The function is not supported.</source>
        <translation>La funzione non è supportata.</translation>
    </message>
    <message>
        <source>The buffer was not prepared.</source>
        <translation>Il buffer non è stato preparato.</translation>
    </message>
    <message>
        <source>The buffer is still in use by the device.</source>
        <translation>Il buffer è ancora in uso da parte del dispositivo.</translation>
    </message>
    <message>
        <source>Neither a JACK server nor the ALSA sequencer is available.</source>
        <translation>Non sono disponibili né un server JACK né il sequencer ALSA.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected.</source>
        <translation>Non è stato possibile collegare la porta MIDI.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected: %1.</source>
        <translation>Non è stato possibile collegare la porta MIDI: %1.</translation>
    </message>
    <message>
        <source>JACK refused the connection from %1</source>
        <translation>JACK ha rifiutato il collegamento da %1</translation>
    </message>
    <message>
        <source>The MIDI port took no messages for a while: some were lost.</source>
        <translation>La porta MIDI non ha accettato messaggi per un po&apos;: alcuni sono andati persi.</translation>
    </message>
    <message>
        <source>JACK refused the connection to %1</source>
        <translation>JACK ha rifiutato il collegamento a %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Non è stato possibile salvare le impostazioni in %1.</translation>
    </message>
</context>
<context>
    <name>Soundfont</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 non è leggibile (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 è vuoto</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message>
        <source>%1 is not a soundfont</source>
        <translation>%1 non è un soundfont</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 è danneggiato</translation>
    </message>
</context>
<context>
    <name>SynthOutput</name>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Editor degli accordi</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click &quot;New&quot; to add a new chord. Then enable the edit mode by activating the &quot;Edit&quot; button. Use the keyboard below or Tastra or an external device to toggle notes of the current chord.</source>
        <translation>Qui si definiscono accordi propri. Fare clic su «Nuovo» per aggiungere un accordo, poi attivare la modalità di modifica con il pulsante «Modifica». Con la tastiera qui sotto, con Tastra o con un dispositivo esterno si aggiungono o tolgono note dell&apos;accordo attuale.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Per provare un accordo, disattivare la modalità di modifica e suonare sulla tastiera qui sotto.</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Nome dell&apos;accordo</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Note dell&apos;accordo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>A MIDI keyboard: play notes with the mouse and the computer keyboard and send them, with
controllers, program and bank changes, to a MIDI output device.</source>
        <translation>Una tastiera MIDI: suona note con il mouse e la tastiera del computer e inviale, con
controller e cambi di programma e di banco, a un dispositivo di uscita MIDI.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Open the MIDI output &lt;name&gt; for this run, as named in the Midi Out menu (letter case and spaces do not matter). The remembered output stays remembered unless another one is chosen in the menu.</source>
        <translation>Apre l&apos;uscita MIDI &lt;nome&gt; per questa esecuzione, con il nome del menu Uscita Midi (maiuscole e spazi non contano). L&apos;uscita memorizzata resta tale finché non se ne sceglie un&apos;altra nel menu.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Open the MIDI input &lt;name&gt; for this run, as named in the Midi In menu. The remembered input stays remembered unless another one is chosen in the menu.</source>
        <translation>Apre l&apos;ingresso MIDI &lt;nome&gt; per questa esecuzione, con il nome del menu Ingresso Midi. L&apos;ingresso memorizzato resta tale finché non se ne sceglie un altro nel menu.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Provare «%1 --help» per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Avvisi ed errori</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occured:</source>
        <translation> Si sono verificati i seguenti avvisi e/o errori:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation>Esporta impostazioni</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Esporta preset delle manopole</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Esporta istantanee delle manopole</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Esporta accordi</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importa impostazioni</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Importa preset delle manopole</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Importa istantanee delle manopole</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Importa accordi</translation>
    </message>
    <message>
        <source>Please choose:</source>
        <translation>Scegliere:</translation>
    </message>
    <message>
        <source>With this function, you export your settings to an ini file.</source>
        <translation>Questa funzione esporta le impostazioni in un file INI.</translation>
    </message>
    <message>
        <source>With this function, you import your settings from a previously exported ini file.</source>
        <translation>Questa funzione importa le impostazioni da un file INI esportato in precedenza.</translation>
    </message>
    <message>
        <source>These settings include </source>
        <translation>Le impostazioni comprendono </translation>
    </message>
    <message>
        <source>- window size and position</source>
        <translation>- dimensione e posizione della finestra</translation>
    </message>
    <message>
        <source>- which patch, chord, knob preset is selected</source>
        <translation>- il patch, l&apos;accordo e il preset delle manopole scelti</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)</source>
        <translation>- le impostazioni della tastiera (come la larghezza dei tasti)</translation>
    </message>
    <message>
        <source>- mouse wheel assignment</source>
        <translation>- l&apos;assegnazione della rotella del mouse</translation>
    </message>
    <message>
        <source>- joystick assignment</source>
        <translation>- l&apos;assegnazione del joystick</translation>
    </message>
    <message>
        <source>- most other options of the settings dialog.</source>
        <translation>- la maggior parte delle altre opzioni della finestra delle impostazioni.</translation>
    </message>
    <message>
        <source>After saving, you can restore the settings again with the Import Settings function in the menu.</source>
        <translation>Dopo il salvataggio si possono ripristinare le impostazioni con la funzione «Importa impostazioni» del menu.</translation>
    </message>
    <message>
        <source>You can save an ini file with the Export Settings function in the menu.</source>
        <translation>Un file INI si salva con la funzione «Esporta impostazioni» del menu.</translation>
    </message>
    <message>
        <source>With this function, you export your knob presets to an ini file.</source>
        <translation>Questa funzione esporta i preset delle manopole in un file INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob presets again with the Import Knob Presets function in the menu.</source>
        <translation>Dopo il salvataggio si possono ricaricare i preset delle manopole con la funzione «Importa preset delle manopole» del menu.</translation>
    </message>
    <message>
        <source>With this function, you export your knob snapshots to an ini file.</source>
        <translation>Questa funzione esporta le istantanee delle manopole in un file INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob snapshots again with the Import Knob Snapshots function in the menu.</source>
        <translation>Dopo il salvataggio si possono ricaricare le istantanee delle manopole con la funzione «Importa istantanee delle manopole» del menu.</translation>
    </message>
    <message>
        <source>With this function, you export your self made chords to an ini file.</source>
        <translation>Questa funzione esporta i propri accordi in un file INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the chords again with the Import Chords function in the menu.</source>
        <translation>Dopo il salvataggio si possono ricaricare gli accordi con la funzione «Importa accordi» del menu.</translation>
    </message>
    <message>
        <source>With this function, you import knob presets from an ini file.</source>
        <translation>Questa funzione importa preset delle manopole da un file INI.</translation>
    </message>
    <message>
        <source>These presets must have been exported previously with the Export Knob Preset function in the menu.</source>
        <translation>Questi preset devono essere stati esportati in precedenza con la funzione «Esporta preset delle manopole» del menu.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Sovrascrivi i preset delle manopole esistenti</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Aggiungi ai preset delle manopole esistenti</translation>
    </message>
    <message>
        <source>With this function, you import knob snapshots from an ini file.</source>
        <translation>Questa funzione importa istantanee delle manopole da un file INI.</translation>
    </message>
    <message>
        <source>These snapshots must have been exported previously with the Export Knob Snapshots function in the menu.</source>
        <translation>Queste istantanee devono essere state esportate in precedenza con la funzione «Esporta istantanee delle manopole» del menu.</translation>
    </message>
    <message>
        <source>With this function, you import chords from an ini file.</source>
        <translation>Questa funzione importa accordi da un file INI.</translation>
    </message>
    <message>
        <source>These chords must have been exported previously with the Export Chords function in the menu.</source>
        <translation>Questi accordi devono essere stati esportati in precedenza con la funzione «Esporta accordi» del menu.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Sovrascrivi gli accordi esistenti</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Aggiungi agli accordi esistenti</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall Windows.</source>
        <translation>È utile per trasferire le impostazioni su un altro computer, darle a un amico o se bisogna reinstallare il sistema.</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Fare clic su OK per continuare o su Annulla per annullare l&apos;operazione.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TImportExport</name>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Importa un file INI esportato in precedenza.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>I&amp;mpostazioni</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>&amp;Preset delle manopole...</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>I&amp;stantanee delle manopole</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Accordi...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>Esporta in un file INI.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>&amp;Preset delle manopole</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Accordi</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read. Nothing was imported.</source>
        <translation>Impossibile leggere il file «%1». Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Impossibile scrivere il file «%1».</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Impostazioni salvate.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>Non è stato possibile salvare alcun preset delle manopole.</translation>
    </message>
    <message>
        <source>%1 knob presets saved successfully.</source>
        <translation>%1 preset delle manopole salvati.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>Non è stato possibile salvare alcuna istantanea delle manopole.</translation>
    </message>
    <message>
        <source>%1 knob snapshots saved successfully.</source>
        <translation>%1 istantanee delle manopole salvate.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>Non è stato possibile salvare alcun accordo personale.</translation>
    </message>
    <message>
        <source>%1 custom chords saved successfully.</source>
        <translation>%1 accordi personali salvati.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no settings. Nothing was imported.</source>
        <translation>Il file «%1» non contiene impostazioni. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Impostazioni caricate.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>Non è stato possibile caricare alcun preset delle manopole.</translation>
    </message>
    <message>
        <source>%1 knob presets loaded successfully.</source>
        <translation>%1 preset delle manopole caricati.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>Non è stato possibile caricare alcuna istantanea delle manopole.</translation>
    </message>
    <message>
        <source>%1 knob snapshots loaded successfully.</source>
        <translation>%1 istantanee delle manopole caricate.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>Non è stato possibile caricare alcun accordo personale.</translation>
    </message>
    <message>
        <source>%1 custom chords loaded successfully.</source>
        <translation>%1 accordi personali caricati.</translation>
    </message>
</context>
<context>
    <name>TKeyListener</name>
    <message>
        <source>The X display %1 cannot be opened a second time.</source>
        <translation>Non è possibile aprire il display X %1 una seconda volta.</translation>
    </message>
    <message>
        <source>This X server lacks X Input 2.1, which hearing keys meant for other programs needs.</source>
        <translation>A questo server X manca X Input 2.1, necessario per sentire i tasti destinati ad altri programmi.</translation>
    </message>
    <message>
        <source>The X display %1 cannot be listened to.</source>
        <translation>Non è possibile ascoltare il display X %1.</translation>
    </message>
    <message>
        <source>The connection to the X server was lost: keys no longer play from other windows.</source>
        <translation>La connessione al server X è stata persa: i tasti non suonano più dalle altre finestre.</translation>
    </message>
    <message>
        <source>Wayland lets no program hear keys typed into other windows; start this one in an X11 session to use it.</source>
        <translation>Wayland non permette a nessun programma di sentire i tasti digitati in altre finestre; avviare questo in una sessione X11 per usare la funzione.</translation>
    </message>
    <message>
        <source>Hearing keys typed into other windows needs an X11 display, and this program runs on &quot;%1&quot;.</source>
        <translation>Sentire i tasti digitati in altre finestre richiede un display X11, e questo programma gira su «%1».</translation>
    </message>
    <message>
        <source>This program runs through XWayland: keys typed into the Wayland session&apos;s native windows are not heard, only those typed into X11 windows.</source>
        <translation>Questo programma gira tramite XWayland: i tasti premuti nelle finestre native della sessione Wayland non vengono sentiti, solo quelli premuti nelle finestre X11.</translation>
    </message>
</context>
<context>
    <name>TKeyMapEditor</name>
    <message>
        <source>Key Map Editor</source>
        <translation>Editor della mappa dei tasti</translation>
    </message>
    <message>
        <source>Save Key Map</source>
        <translation>Salva mappa dei tasti</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Mappe dei tasti (*.ini);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Press a computer key, then click the piano key it should play. The piano shows which computer keys play each note; offsets count from the C the octave keys (F3, F4) move.</source>
        <translation>Premere un tasto del computer, poi fare clic sul tasto del pianoforte che deve suonare. Il pianoforte mostra quali tasti del computer suonano ogni nota; gli spostamenti contano dal do che i tasti di ottava (F3, F4) spostano.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Computer key:</source>
        <translation>&amp;Tasto del computer:</translation>
    </message>
    <message>
        <source>&amp;Remove Key</source>
        <translation>&amp;Rimuovi tasto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No key chosen</source>
        <translation>Nessun tasto scelto</translation>
    </message>
    <message>
        <source>Plays nothing yet: click a piano key</source>
        <translation>Non suona ancora nulla: fare clic su un tasto del pianoforte</translation>
    </message>
    <message>
        <source>Plays %1</source>
        <translation>Suona %1</translation>
    </message>
    <message>
        <source>Plays nothing in this octave</source>
        <translation>Non suona nulla in questa ottava</translation>
    </message>
    <message>
        <source>Press a computer key first</source>
        <translation>Premere prima un tasto del computer</translation>
    </message>
    <message>
        <source>The key map has no keys yet: nothing was saved.</source>
        <translation>La mappa non ha ancora tasti: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(fuori)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a note: type a name such as %2, or a number from 0 to 127.</source>
        <translation>«%1» non è una nota: scrivere un nome come %2, o un numero da 0 a 127.</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Mappa dei tasti</translation>
    </message>
</context>
<context>
    <name>TKeyboard</name>
    <message>
        <source>The computer keys play the two piano rows.</source>
        <translation>I tasti del computer suonano le due file di pianoforte.</translation>
    </message>
    <message>
        <source>%1, played by %2</source>
        <translation>%1, suonato da %2</translation>
    </message>
</context>
<context>
    <name>TKeysPage</name>
    <message>
        <source>Choose Key Map</source>
        <translation>Scegli mappa dei tasti</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Mappe dei tasti (*.ini);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Mappa dei tasti</translation>
    </message>
    <message>
        <source>A key map says which computer keys play which notes: several keys may play one note, and any key of the main block may play. Without one, the two piano rows of the &quot;Playing&quot; page play.</source>
        <translation>Una mappa dei tasti indica quali tasti del computer suonano quali note: più tasti possono suonare la stessa nota e ogni tasto del blocco principale può suonare. Senza mappa suonano le due file di pianoforte della pagina «Esecuzione».</translation>
    </message>
    <message>
        <source>(none: the two piano rows)</source>
        <translation>(nessuna: le due file di pianoforte)</translation>
    </message>
    <message>
        <source>Key map &amp;file:</source>
        <translation>&amp;File della mappa:</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>Sce&amp;gli...</translation>
    </message>
    <message>
        <source>&amp;Piano Rows</source>
        <translation>File di &amp;pianoforte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>The octave keys (F3, F4) move a key map as they move the piano rows. A key of the map that is also a command key plays its note instead.</source>
        <translation>I tasti di ottava (F3, F4) spostano una mappa come spostano le file di pianoforte. Un tasto della mappa che è anche un tasto di comando suona invece la sua nota.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 keys.</source>
        <translation>«%1»: %2 tasti.</translation>
    </message>
    <message>
        <source>My key map</source>
        <translation>La mia mappa dei tasti</translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Editor dei preset delle manopole</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Nuovo preset</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Inserire il nome del nuovo preset delle manopole:</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Si possono disporre manopole sopra la tastiera. Queste manopole inviano dati di controller al dispositivo MIDI o al sequencer.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Qui si definiscono le manopole mostrate e le loro proprietà. Si possono anche salvare preset con gruppi di manopole.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Numero di manopole:</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Preset delle manopole</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>Nessuna manopola!</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Intervallo mostrato</translation>
    </message>
    <message>
        <source>This determines, how the values of the Controller are displayed, either in absolute values 0 to 127 or relative values from -64 to +64.</source>
        <translation>Determina come sono mostrati i valori del controller: assoluti da 0 a 127 o relativi da -64 a +64.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controller</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>Valore &amp;predefinito</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Manopola %1</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Le manopole sono state modificate. Salvarle come preset?</translation>
    </message>
    <message>
        <source>You have made changes to knob preset &quot;%1&quot;. Do you want to save it ?</source>
        <translation>Il preset delle manopole «%1» è stato modificato. Salvarlo?</translation>
    </message>
    <message>
        <source>You can&apos;t name a preset &quot;%1&quot;.</source>
        <translation>Un preset non può chiamarsi «%1».</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>Esiste già un preset con questo nome!</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Occorre prima creare un nuovo preset per poterlo salvare.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Scegliere il preset da eliminare.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset &quot;%1&quot; ?
This can&apos;t be undone later !</source>
        <translation>Eliminare davvero il preset «%1»?
L&apos;operazione non si può annullare!</translation>
    </message>
</context>
<context>
    <name>TKnobNames</name>
    <message>
        <source>Default</source>
        <comment>the knob preset</comment>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>the knob preset</comment>
        <translation>Attuale</translation>
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
        <translation>&amp;Manopole</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Preset</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Istantanee</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Definisci</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Istantanea %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Definisci istantanea &amp;%1</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Configura...</translation>
    </message>
</context>
<context>
    <name>TLabelsPage</name>
    <message>
        <source>Labels on the keys</source>
        <translation>Etichette sui tasti</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>On C keys only</source>
        <translation>Solo sui tasti do</translation>
    </message>
    <message>
        <source>While pressed</source>
        <translation>Mentre è premuto</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>Nomi delle &amp;note:</translation>
    </message>
    <message>
        <source>&amp;Middle C is called:</source>
        <translation>Il do &amp;centrale si chiama:</translation>
    </message>
    <message>
        <source>Black keys as &amp;flats (Db, Des, Reb)</source>
        <translation>Tasti neri come &amp;bemolle (Db, Des, Reb)</translation>
    </message>
    <message>
        <source>Show the computer &amp;key that plays each piano key</source>
        <translation>Mostra il &amp;tasto del computer che suona ogni tasto del pianoforte</translation>
    </message>
    <message>
        <source>Incoming notes</source>
        <translation>Note in arrivo</translation>
    </message>
    <message>
        <source>&amp;Colour the keys MIDI input lights by channel:</source>
        <translation>&amp;Colora per canale i tasti accesi dall&apos;ingresso MIDI:</translation>
    </message>
    <message>
        <source>&amp;Default Colours</source>
        <translation>Colori &amp;predefiniti</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canale %1</translation>
    </message>
    <message>
        <source>Pressed keys</source>
        <translation>Tasti premuti</translation>
    </message>
    <message>
        <source>&amp;Fill pressed keys with a colour:</source>
        <translation>&amp;Riempi i tasti premuti con un colore:</translation>
    </message>
    <message>
        <source>With channel colours on, a key takes the colour of the channel it plays on</source>
        <translation>Con i colori dei canali, un tasto prende il colore del canale su cui suona</translation>
    </message>
</context>
<context>
    <name>TMidiDevice</name>
    <message>
        <source>Cannot open MIDI output device &quot;%1&quot;:</source>
        <translation>Impossibile aprire il dispositivo di uscita MIDI «%1»:</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Errore non specificato</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; would create a virtual feedback loop !</source>
        <translation>Aprire «%1» creerebbe un anello di retroazione virtuale!</translation>
    </message>
    <message>
        <source>Cannot open MIDI input device &quot;%1&quot;:</source>
        <translation>Impossibile aprire il dispositivo di ingresso MIDI «%1»:</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>An event at byte %1 runs past the end of its track: the file is cut short or damaged.</source>
        <translation>Un evento al byte %1 va oltre la fine della sua traccia: il file è troncato o danneggiato.</translation>
    </message>
    <message>
        <source>A number at byte %1 is longer than four bytes: the file is damaged.</source>
        <translation>Un numero al byte %1 è più lungo di quattro byte: il file è danneggiato.</translation>
    </message>
    <message>
        <source>Byte %1 holds 0x%2, which cannot begin an event in a MIDI file: the file is damaged.</source>
        <translation>Il byte %1 contiene 0x%2, che non può iniziare un evento in un file MIDI: il file è danneggiato.</translation>
    </message>
    <message>
        <source>Data without a status byte at byte %1 (running status with no message before it): the file is damaged.</source>
        <translation>Dati senza byte di stato al byte %1 (running status senza un messaggio precedente): il file è danneggiato.</translation>
    </message>
    <message>
        <source>The message at byte %1 is cut short by another status byte: the file is damaged.</source>
        <translation>Il messaggio al byte %1 è interrotto da un altro byte di stato: il file è danneggiato.</translation>
    </message>
    <message>
        <source>The file&apos;s header gives no length to its ticks: the file is damaged.</source>
        <translation>L&apos;intestazione del file non dà durata ai suoi tick: il file è danneggiato.</translation>
    </message>
    <message>
        <source>An event comes more than a day into the song: the file&apos;s delta times are damaged.</source>
        <translation>Un evento arriva più di un giorno dopo l&apos;inizio del brano: i tempi delta del file sono danneggiati.</translation>
    </message>
    <message>
        <source>This is not a Standard MIDI File: it does not begin with a MIDI header.</source>
        <translation>Non è un file MIDI standard: non inizia con un&apos;intestazione MIDI.</translation>
    </message>
    <message>
        <source>The file&apos;s header is cut short.</source>
        <translation>L&apos;intestazione del file è troncata.</translation>
    </message>
    <message>
        <source>Files of format %1 are not played: only formats 0 and 1 are.</source>
        <translation>I file di formato %1 non vengono riprodotti: solo i formati 0 e 1.</translation>
    </message>
    <message>
        <source>The file ends inside a chunk that begins at byte %1: it is cut short or the chunk&apos;s length is wrong.</source>
        <translation>Il file termina dentro un blocco che inizia al byte %1: è troncato o la lunghezza del blocco è sbagliata.</translation>
    </message>
    <message>
        <source>The file holds no notes or other messages to play.</source>
        <translation>Il file non contiene note né altri messaggi da riprodurre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MB large: MIDI files over %3 MB are not played.</source>
        <translation>&quot;%1&quot; è di %2 MB: i file MIDI oltre %3 MB non vengono riprodotti.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; non può essere letto: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>&quot;%1&quot; non può essere riprodotto: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; non è stato possibile scriverlo: %2</translation>
    </message>
</context>
<context>
    <name>TMidiMenu</name>
    <message>
        <source>Waiting for %1 %2 to be plugged in or switched on.</source>
        <translation>In attesa che %2 (%1) venga collegato o acceso.</translation>
    </message>
    <message>
        <source>Closing %1: %2 ...</source>
        <translation>Chiusura di %2 (%1)...</translation>
    </message>
    <message>
        <source>Closed %1: %2</source>
        <translation>%1 chiusa: %2</translation>
    </message>
    <message>
        <source>Error: %1 could not be opened.</source>
        <translation>Errore: impossibile aprire %1.</translation>
    </message>
    <message>
        <source>Opened %1: %2</source>
        <translation>%1 aperta: %2</translation>
    </message>
    <message>
        <source>Disconnected %1 from %2: it would create a virtual feedback loop !</source>
        <translation>%1 scollegato da %2: creerebbe un anello di retroazione virtuale!</translation>
    </message>
    <message>
        <source>MIDI OUT</source>
        <translation>Uscita MIDI</translation>
    </message>
    <message>
        <source>MIDI IN</source>
        <translation>Entrata MIDI</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Synth integrato</translation>
    </message>
    <message>
        <source>%1 (own port)</source>
        <translation>%1 (porta propria)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
</context>
<context>
    <name>TNsmClient</name>
    <message>
        <source>NSM_URL &quot;%1&quot; is not the address of a session manager: going on without a session.</source>
        <translation>NSM_URL «%1» non è l&apos;indirizzo di un gestore di sessioni: si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The OSC library (liblo) cannot be loaded: going on without a session.</source>
        <translation>La libreria OSC (liblo) non può essere caricata: si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>No socket could be opened to talk to the session manager: going on without a session.</source>
        <translation>Non è stato possibile aprire un socket per comunicare con il gestore di sessioni: si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session manager at %1 does not answer: going on without a session.</source>
        <translation>Il gestore di sessioni all&apos;indirizzo %1 non risponde: si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session manager at %1 opened no session: going on without a session.</source>
        <translation>Il gestore di sessioni all&apos;indirizzo %1 non ha aperto alcuna sessione: si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session manager refused the program (no reason given): going on without a session.</source>
        <translation>Il gestore di sessioni ha rifiutato il programma (senza indicare il motivo): si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session manager refused the program (%1): going on without a session.</source>
        <translation>Il gestore di sessioni ha rifiutato il programma (%1): si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session could not be opened (%1): going on without a session.</source>
        <translation>Non è stato possibile aprire la sessione (%1): si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>Session &quot;%1&quot;: settings kept in %2</source>
        <translation>Sessione «%1»: impostazioni conservate in %2</translation>
    </message>
    <message>
        <source>The session manager cannot be reached any more (%1): going on without a session.</source>
        <translation>Il gestore di sessioni non è più raggiungibile (%1): si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session manager at %1 cannot be reached (%2): going on without a session.</source>
        <translation>Il gestore di sessioni all&apos;indirizzo %1 non è raggiungibile (%2): si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The session manager has gone: going on without a session.</source>
        <translation>Il gestore di sessioni è terminato: si prosegue senza sessione.</translation>
    </message>
    <message>
        <source>The client id &quot;%1&quot; cannot name a MIDI client (1 to 63 characters, no &apos;:&apos; or control characters).</source>
        <translation>L&apos;identificativo del client «%1» non può dare il nome a un client MIDI (da 1 a 63 caratteri, senza «:» né caratteri di controllo).</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; is not an absolute path.</source>
        <translation>La cartella della sessione «%1» non è un percorso assoluto.</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: %2</source>
        <translation>Non è possibile creare la cartella della sessione «%1»: %2</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: it is not a folder</source>
        <translation>Non è possibile creare la cartella della sessione «%1»: non è una cartella</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be written.</source>
        <translation>Non è possibile scrivere nella cartella della sessione «%1».</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Lo script non è un Cubase Parse File.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossibile leggere il file «%1». %2</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot; is ignored.</source>
        <translation>Il comando sconosciuto «%1» viene ignorato.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Errore di sintassi.</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>Il sottogruppo non esiste. Abbassare il livello.</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>Comando [end] non trovato.</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Atteso un numero.</translation>
    </message>
    <message>
        <source>Line %1: Warning: %2</source>
        <translation>Riga %1: avviso: %2</translation>
    </message>
    <message>
        <source>Line %1: Error: %2</source>
        <translation>Riga %1: errore: %2</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>File di script delle patch vuoto.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Fine prematura del Cubase Parse File.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>Numero di versione non trovato.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Numero di versione errato.</translation>
    </message>
    <message>
        <source>Function [%1] is not implemented and ignored.</source>
        <translation>La funzione [%1] non è implementata e viene ignorata.</translation>
    </message>
    <message>
        <source>No &quot;define patchnames&quot; section !</source>
        <translation>Nessuna sezione «define patchnames»!</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Manca il nome.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>Nessun gruppo definito per la proprietà sorted. Ignorato.</translation>
    </message>
    <message>
        <source>Ignoring remaining &quot;%1&quot; in command.</source>
        <translation>Il resto «%1» del comando viene ignorato.</translation>
    </message>
    <message>
        <source>Program number out of bounds (0..127)</source>
        <translation>Numero di programma fuori intervallo (0..127)</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB fuori intervallo (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB fuori intervallo (-1..127)</translation>
    </message>
    <message>
        <source>Bank number out of bounds (0..16383)</source>
        <translation>Numero di banco fuori intervallo (0..16383)</translation>
    </message>
    <message>
        <source>Key out of bounds (0..127)</source>
        <translation>Tasto fuori intervallo (0..127)</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>Nessun programma definito per il tasto.</translation>
    </message>
    <message>
        <source>Midi channel out of bounds.</source>
        <translation>Canale MIDI fuori intervallo.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose a directory</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Choose Patch Set</source>
        <translation>Scegli set di patch</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Go to Tastra&apos;s directory</source>
        <translation>Vai alla cartella di Tastra</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nome del dispositivo:</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Produttore del dispositivo:</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Nome dell&apos;autore:</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Script di patch (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>TQtPrompts</name>
    <message>
        <source>Snapshot name</source>
        <translation>Nome dell&apos;istantanea</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Inserire un nome per questa istantanea:</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Scegli il file di esportazione</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Scegli il file da importare</translation>
    </message>
    <message>
        <source>Ini files (*.ini);;All files (*.*)</source>
        <translation>File INI (*.ini);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Salva registrazione</translation>
    </message>
    <message>
        <source>Play MIDI File</source>
        <translation>Riproduci file MIDI</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf);;All files (*)</source>
        <translation>File MIDI (*.mid *.midi *.smf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Recording kept</source>
        <translation>Registrazione conservata</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>S&amp;carta</translation>
    </message>
</context>
<context>
    <name>TRecordLink</name>
    <message>
        <source>&amp;Record</source>
        <translation>Re&amp;gistra</translation>
    </message>
    <message>
        <source>&amp;Start Recording</source>
        <translation>&amp;Avvia registrazione</translation>
    </message>
    <message>
        <source>Save Recording &amp;As...</source>
        <translation>Salva registrazione &amp;come...</translation>
    </message>
    <message>
        <source>&amp;Play MIDI File...</source>
        <translation>&amp;Riproduci file MIDI...</translation>
    </message>
    <message>
        <source>The recording before could not be kept, so no new one was started: save it first.
%1</source>
        <translation>Non è stato possibile conservare la registrazione precedente, quindi non ne è stata avviata una nuova: salvala prima.
%1</translation>
    </message>
    <message>
        <source>The recording is kept: save it somewhere else.</source>
        <translation>La registrazione è conservata: salvala altrove.</translation>
    </message>
    <message>
        <source>Recording saved as &quot;%1&quot;.</source>
        <translation>Registrazione salvata come &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The recording could not be kept in &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile conservare la registrazione in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>A recording was not saved when the program ended last; it was kept as &quot;%1&quot; in &quot;%2&quot;.
Save it now?</source>
        <translation>Una registrazione non era salvata quando il programma è terminato l&apos;ultima volta; è stata conservata come &quot;%1&quot; in &quot;%2&quot;.
Salvarla ora?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved as &quot;%2&quot;: %3
It stays kept.</source>
        <translation>&quot;%1&quot; non è stato possibile salvarlo come &quot;%2&quot;: %3
Resta conservato.</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>&amp;Ferma registrazione</translation>
    </message>
    <message>
        <source>Stop &amp;Playing</source>
        <translation>Ferma la ri&amp;produzione</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Registrazione %1</translation>
    </message>
    <message>
        <source>Playing %1 / %2</source>
        <translation>Riproduzione %1 / %2</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>Display the numbers starting with 1 rather than 0</source>
        <translation>Numerare da 1 invece che da 0</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 sinistra/destra</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 su/giù</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 asse Z</translation>
    </message>
    <message>
        <source> button %1 pressed</source>
        <translation> pulsante %1 premuto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Esecuzione</translation>
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
        <translation>Rotella del mouse</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Sintetizzatore integrato</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Lingua dei nomi delle note</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;Internazionale</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Francese / italiano</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Larghezza dei tasti</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Tastiera in stile classico</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Mostra le frecce della tastiera</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard&lt;without these buttons.</source>
        <translation>Con Alt+trascinamento del mouse si sposta la tastiera&lt;senza questi pulsanti.</translation>
    </message>
    <message>
        <source>Number Display</source>
        <translation>Numerazione</translation>
    </message>
    <message>
        <source>First controller number is 1</source>
        <translation>Il primo controller è il numero 1</translation>
    </message>
    <message>
        <source>First program number is 1</source>
        <translation>Il primo programma è il numero 1</translation>
    </message>
    <message>
        <source>First bank number is 1</source>
        <translation>Il primo banco è il numero 1</translation>
    </message>
    <message>
        <source>First channel number is 1</source>
        <translation>Il primo canale è il numero 1</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Corrispondenza note-tasti</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note &quot;C&quot; / &quot;do&quot;.</source>
        <translation>Qui si indica quale tasto della tastiera del computer corrisponde alla nota «C» / «do».</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Manuale superiore (seconda fila della tastiera del computer):</translation>
    </message>
    <message>
        <source>Lower manual (forth row on computer keyboard):</source>
        <translation>Manuale inferiore (quarta fila della tastiera del computer):</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Velocity / dinamica</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. In Zorvik&apos;s Tastra, you only have 2 different velocity values.</source>
        <translation>La velocity è il volume di una singola nota. Su una vera tastiera è la forza con cui si preme il tasto. Zorvik&apos;s Tastra ha solo 2 valori di velocity.</translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Velocity normale (0..127):</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Velocity con Maiusc (in percentuale):</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% più &amp;forte</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% più &amp;piano</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Controller &amp;su/giù</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Controller &amp;sinistra/destra</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the &quot;special hold mode&quot; on the keyboard.</source>
        <translation>Questi controller vengono inviati quando si usa la «modalità di tenuta speciale» sulla tastiera.</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Rotelle</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Controller della rotella di &amp;modulazione</translation>
    </message>
    <message>
        <source>These is the controller that is sent by the &quot;modulation wheel&quot; at the left side of the keyboard.</source>
        <translation>Questo è il controller inviato dalla «rotella di modulazione» a sinistra della tastiera.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Suggerimento: per scegliere facilmente i numeri dei controller, selezionare un elenco e muovere il cursore o la manopola da controllare.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. You must have set up your joystick(s) in the control panel to be able to use them in Zorvik&apos;s Tastra.</source>
        <translation>Un joystick può inviare messaggi di controller. I joystick devono essere configurati nel sistema perché Zorvik&apos;s Tastra possa usarli.</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Per scegliere facilmente il numero del controller, muovere il cursore o la manopola da controllare. In caso di problemi, disattivarlo qui sotto.</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/azione</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controller</translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Disattiva la scelta automatica del controller</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Tastra or a connected MIDI device to set the controller.</source>
        <translation>La rotella del mouse può inviare messaggi di controller. Scegliere un controller qui sotto. Si può anche girare la manopola o la rotella del controller desiderato su Tastra o su un dispositivo MIDI collegato.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Sensibilità</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one &quot;tick&quot; of the mousewheel.</source>
        <translation>La sensibilità definisce di quanto cambia il controller a ogni scatto della rotella del mouse.</translation>
    </message>
    <message>
        <source>&quot;Slow&quot; means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, &quot;Fast&quot; has the effect that little wheel movement results in big controller changes.</source>
        <translation>«Lenta» dà una risoluzione molto fine, ma bisogna girare molto per cambiare sensibilmente il controller. «Veloce», invece, fa sì che un piccolo movimento della rotella cambi molto il controller.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Rotella del pitch bend</translation>
    </message>
</context>
<context>
    <name>TSoundSelection</name>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Patch attuale (Pag su/Pag giù)</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Numero di programma attuale (Maiusc+Pag su/Pag giù)</translation>
    </message>
    <message>
        <source>Load the default General MIDI patch set</source>
        <translation>Carica il set di patch General MIDI predefinito</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>&amp;Patches</source>
        <translation>&amp;Patch</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>&amp;Scegli set di patch...</translation>
    </message>
    <message>
        <source>Load Default Patch Set</source>
        <translation>Carica il set di patch predefinito</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Bank: %1 (MSB: %2 LSB: %3)</source>
        <translation>Banco: %1 (MSB: %2 LSB: %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
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
        <translation>Soundfont (*.sf2 *.SF2 *.sf3);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Sound&amp;font file:</source>
        <translation>File sound&amp;font:</translation>
    </message>
    <message>
        <source>The General MIDI soundfont of the system</source>
        <translation>Il soundfont General MIDI del sistema</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predefinito</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Uscita audio</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 frame</translation>
    </message>
    <message>
        <source>O&amp;utput:</source>
        <translation>&amp;Uscita:</translation>
    </message>
    <message>
        <source>Buffer si&amp;ze:</source>
        <translation>&amp;Dimensione del buffer:</translation>
    </message>
    <message>
        <source>Buffer&amp;s:</source>
        <translation>&amp;Buffer:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Riverbero</translation>
    </message>
    <message>
        <source>&amp;Chorus</source>
        <translation>&amp;Chorus</translation>
    </message>
    <message>
        <source>&amp;Gain:</source>
        <translation>&amp;Guadagno:</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later: %1.</source>
        <translation>Ogni nota suona un periodo JACK più tardi: %1.</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later.</source>
        <translation>Ogni nota suona un periodo JACK più tardi.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1.</source>
        <translation>Ogni nota suona un buffer più tardi: %1.</translation>
    </message>
    <message>
        <source>Now playing %1 through %2.</source>
        <translation>Ora suona %1 tramite %2.</translation>
    </message>
    <message>
        <source>Starting ...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Impossibile suonare: %1</translation>
    </message>
    <message>
        <source>Not playing: choose it or the MIDI Mapper in Midi Out.</source>
        <translation>Non suona: sceglierlo, o il MIDI Mapper, in Uscita Midi.</translation>
    </message>
    <message>
        <source>%1 frames, %2 ms at %3 Hz</source>
        <translation>%1 frame, %2 ms a %3 Hz</translation>
    </message>
    <message>
        <source>Its audio output went away; it plays again as soon as it is back.</source>
        <translation>La sua uscita audio è sparita; suona di nuovo appena torna.</translation>
    </message>
    <message>
        <source>Each note sounds %1 ms after it is played: one block (%2) and %3 ms in the sound server&apos;s queue.</source>
        <translation>Ogni nota suona %1 ms dopo essere stata suonata: un blocco (%2) e %3 ms nella coda del server audio.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1; on the desktop sound server, later by its queue as well.</source>
        <translation>Ogni nota suona un buffer più tardi: %1; tramite il server audio del desktop, più tardi anche della sua coda.</translation>
    </message>
</context>
<context>
    <name>TTastra</name>
    <message>
        <source>Chord</source>
        <translation>Accordo</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>TTastra2</name>
    <message>
        <source>Some incoming MIDI messages were lost: they came faster than they could be taken.</source>
        <translation>Alcuni messaggi MIDI in arrivo sono andati persi: arrivavano più velocemente di quanto potessero essere ricevuti.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>&amp;Ingresso Midi</translation>
    </message>
    <message>
        <source>Midi &amp;Out</source>
        <translation>&amp;Uscita Midi</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Ottava sotto</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Ottava sopra</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>Midi T&amp;hru</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Support &amp;Forums</source>
        <translation>&amp;Forum di assistenza</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;br&gt;&lt;br&gt;A MIDI keyboard for the desktop.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Versione %2&lt;br&gt;&lt;br&gt;Una tastiera MIDI per il desktop.</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>Panico!</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>&amp;Trasponi...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>&amp;Editor degli accordi...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Impostazioni...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Come il desktop</translation>
    </message>
    <message>
        <source>The language will change the next time the program starts.</source>
        <translation>La lingua cambierà al prossimo avvio del programma.</translation>
    </message>
</context>
<context>
    <name>TTouchGroup</name>
    <message>
        <source>Strike, touch and pressure</source>
        <translation>Colpo, tocco e pressione</translation>
    </message>
    <message>
        <source>&amp;Velocity from where the key is struck</source>
        <translation>&amp;Velocity secondo il punto in cui si colpisce il tasto</translation>
    </message>
    <message>
        <source>Near the front edge of a key loudest, near its back edge softest</source>
        <translation>Più forte vicino al bordo anteriore di un tasto, più piano vicino a quello posteriore</translation>
    </message>
    <message>
        <source>Softest, at the back edge:</source>
        <translation>Più piano, al bordo posteriore:</translation>
    </message>
    <message>
        <source>Loudest, at the front edge:</source>
        <translation>Più forte, al bordo anteriore:</translation>
    </message>
    <message>
        <source>Play with every finger on a &amp;touch screen</source>
        <translation>Suonare con ogni dito su uno schermo &amp;tattile</translation>
    </message>
    <message>
        <source>Velocity from how hard a finger presses, where the screen tells</source>
        <translation>Velocity secondo la forza del dito, se lo schermo la indica</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Channel pressure (aftertouch)</source>
        <translation>Pressione di canale (aftertouch)</translation>
    </message>
    <message>
        <source>Polyphonic key pressure</source>
        <translation>Pressione polifonica del tasto</translation>
    </message>
    <message>
        <source>&amp;Pressure while a key is held:</source>
        <translation>P&amp;ressione mentre un tasto è tenuto:</translation>
    </message>
    <message>
        <source>A held key&apos;s pressure follows how hard the finger presses, or moving up on the key with the mouse or a finger.</source>
        <translation>La pressione di un tasto tenuto segue la forza del dito, o un movimento verso l&apos;alto sul tasto con il mouse o un dito.</translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Show Help</source>
        <translation>Mostra aiuto</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Trasponi</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Numero di semitoni da trasporre:</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Mostra le note trasposte sulla tastiera</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>Trasponi le note del MIDI Thru</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Mantieni la trasposizione alla chiusura della finestra.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>Questa finestra traspone tutte le note in uscita verso l&apos;alto (positivo) o verso il basso (negativo), in semitoni.</translation>
    </message>
    <message>
        <source>Checking &quot;Display transposed notes on keyboard&quot; results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Con «Mostra le note trasposte sulla tastiera» la trasposizione avviene prima che le note siano mostrate sulla tastiera. Può sembrare di suonare note sbagliate.</translation>
    </message>
    <message>
        <source>Checking &quot;Transpose MIDI Thru notes&quot; will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Con «Trasponi le note del MIDI Thru» vengono trasposte anche tutte le note che arrivano all&apos;ingresso MIDI.</translation>
    </message>
    <message>
        <source>When you check &quot;Keep transpose when this window is closed&quot;, the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Con «Mantieni la trasposizione alla chiusura della finestra» le note restano trasposte anche dopo aver chiuso questa finestra. Altrimenti la chiusura riporta la trasposizione a 0.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Nascondi aiuto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TWheelControls</name>
    <message>
        <source>Pitch: %1</source>
        <translation>Pitch bend: %1</translation>
    </message>
    <message>
        <source>Modulation: %1</source>
        <translation>Modulazione: %1</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Rotella del pitch bend (MAIUSC per la modalità fine, CTRL per non farla tornare al centro)</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Rotella di modulazione (MAIUSC per la modalità fine)</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Sposta i tasti visibili verso il grave</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Sposta i tasti visibili verso l&apos;acuto</translation>
    </message>
</context>
<context>
    <name>TWindowSystem</name>
    <message>
        <source>Wayland lets no program keep its window above the others.</source>
        <translation>Wayland non permette a nessun programma di tenere la sua finestra sopra le altre.</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>This program was started without a key listener.</source>
        <translation>Questo programma è stato avviato senza ascolto dei tasti.</translation>
    </message>
    <message>
        <source>Thru &amp;Without Delay</source>
        <translation>Thru &amp;senza ritardo</translation>
    </message>
    <message>
        <source>Pass incoming MIDI on within the same JACK cycle, at the frame it came at, with the chord and transposition</source>
        <translation>Passa il MIDI in arrivo nello stesso ciclo JACK, al frame in cui è arrivato, con l'accordo e la trasposizione</translation>
    </message>
    <message>
        <source>Thru without delay needs the MIDI input and output to be JACK ports of this program</source>
        <translation>Thru senza ritardo richiede che l'ingresso e l'uscita MIDI siano porte JACK di questo programma</translation>
    </message>
    <message>
        <source>Thru without delay could not be set up on the JACK ports</source>
        <translation>Non è stato possibile preparare Thru senza ritardo sulle porte JACK</translation>
    </message>
    <message>
        <source>Play From &amp;Any Window</source>
        <translation>Suona da &amp;qualsiasi finestra</translation>
    </message>
    <message>
        <source>Play the computer keys while another program has the focus; that program still receives every key</source>
        <translation>Suonare con i tasti del computer mentre un altro programma ha il focus; quel programma riceve comunque ogni tasto</translation>
    </message>
    <message>
        <source>Playing from any window</source>
        <translation>Suona da qualsiasi finestra</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Tasto sinistro: esecuzione normale   Tasto destro: modalità di tenuta speciale</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Cambia accordo (Inizio/Fine)</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Cambia l&apos;ottava quando si suona con la tastiera del computer</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Ottava: %1</translation>
    </message>
    <message>
        <source>Transpose is activated (%1 semitones)!<byte value="xd"/>
You can edit the transposition from the Options menu.</source>
        <translation>La trasposizione è attiva (%1 semitoni)!<byte value="xd"/>
Si può modificare dal menu Opzioni.</translation>
    </message>
    <message>
        <source>Do not show this reminder in future.</source>
        <translation>Non mostrare più questo promemoria.</translation>
    </message>
    <message>
        <source>Discuss this program in the online discussion forums</source>
        <translation>Discuti di questo programma nei forum online</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Fare clic qui per fermare subito tutti i suoni (Ctrl-Spazio)</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Panico: %1%</translation>
    </message>
    <message>
        <source>Reading patch list...</source>
        <translation>Lettura dell&apos;elenco dei patch...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Maggiore</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Minore</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Maggiore m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Minore m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Ottava</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power chord</translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as &quot;%1&quot;; the program starts with its default settings.</source>
        <translation>Impossibile leggere il file delle impostazioni. È stato conservato come «%1»; il programma si avvia con le impostazioni predefinite.</translation>
    </message>
</context>
</TS>
