<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>No audio output could be opened (PulseAudio, ALSA and JACK were tried).</source>
        <translation>No se pudo abrir ninguna salida de audio (se probaron PulseAudio, ALSA y JACK).</translation>
    </message>
    <message>
        <source>The audio output ALSA could not be opened: this computer has no sound card.</source>
        <translation>No se pudo abrir la salida de audio ALSA: este ordenador no tiene tarjeta de sonido.</translation>
    </message>
    <message>
        <source>The audio output %1 could not be opened.</source>
        <translation>No se pudo abrir la salida de audio %1.</translation>
    </message>
    <message>
        <source>The synthesizer library %1 is not installed: the Built-in Synth cannot play.</source>
        <translation>La biblioteca de síntesis %1 no está instalada: el sintetizador integrado no puede sonar.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont found in %1.</source>
        <translation>No se encontró ninguna soundfont General MIDI en %1.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded.</source>
        <translation>No se pudo cargar ninguna soundfont.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1 through %2, every note %3 ms after it is played.</source>
        <translation>Sintetizador integrado: %1 a través de %2, cada nota suena %3 ms después de tocarla.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... %2 plays until then.</source>
        <translation>Sintetizador integrado: cargando la soundfont %1... Mientras tanto suena %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: loading the soundfont %1 ... Notes played until it is ready are not heard.</source>
        <translation>Sintetizador integrado: cargando la soundfont %1... Las notas que se toquen antes de que esté lista no se oyen.</translation>
    </message>
    <message>
        <source>The soundfont %1</source>
        <translation>La soundfont %1</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found in %1</source>
        <translation>no se encontró ninguna soundfont General MIDI en %1</translation>
    </message>
    <message>
        <source>the soundfont folder %1</source>
        <translation>la carpeta de soundfonts %1</translation>
    </message>
    <message>
        <source>%1. The Built-in Synth keeps its soundfont.</source>
        <translation>%1. El sintetizador integrado conserva su soundfont.</translation>
    </message>
    <message>
        <source>No General MIDI soundfont could be loaded: %1. The Built-in Synth keeps playing %2.</source>
        <translation>No se pudo cargar ninguna soundfont General MIDI: %1. El sintetizador integrado sigue sonando con %2.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2. The Built-in Synth keeps playing %3.</source>
        <translation>No se pudo cargar la soundfont %1: %2. El sintetizador integrado sigue sonando con %3.</translation>
    </message>
    <message>
        <source>No soundfont could be loaded: %1.</source>
        <translation>No se pudo cargar ninguna soundfont: %1.</translation>
    </message>
    <message>
        <source>Built-in Synth: %1; playing %2.</source>
        <translation>Sintetizador integrado: %1; suena %2.</translation>
    </message>
    <message>
        <source>The synthesizer library is missing.</source>
        <translation>Falta la biblioteca del sintetizador.</translation>
    </message>
    <message>
        <source>%1 The Built-in Synth plays through %2 again.</source>
        <translation>%1 El sintetizador integrado vuelve a sonar a través de %2.</translation>
    </message>
    <message>
        <source>Built-in Synth: the audio output %1 went away; it plays again as soon as %1 is back.</source>
        <translation>Sintetizador integrado: la salida de audio %1 ha desaparecido; vuelve a sonar en cuanto %1 regrese.</translation>
    </message>
</context>
<context>
    <name>ControllerNames</name>
    <message>
        <source>Bank Select MSB</source>
        <translation>Selección de banco MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Control de soplido</translation>
    </message>
    <message>
        <source>Foot Controller</source>
        <translation>Pedal de expresión</translation>
    </message>
    <message>
        <source>Portamento Time</source>
        <translation>Tiempo de portamento</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Datos MSB</translation>
    </message>
    <message>
        <source>Channel Volume</source>
        <translation>Volumen del canal</translation>
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
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Bank Select LSB</source>
        <translation>Selección de banco LSB</translation>
    </message>
    <message>
        <source>Modulation LSB</source>
        <translation>Modulación LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Control de soplido LSB</translation>
    </message>
    <message>
        <source>Foot Controller LSB</source>
        <translation>Pedal de expresión LSB</translation>
    </message>
    <message>
        <source>Portamento Time LSB</source>
        <translation>Tiempo de portamento LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Datos LSB</translation>
    </message>
    <message>
        <source>Channel Volume LSB</source>
        <translation>Volumen del canal LSB</translation>
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
        <translation>Expresión LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Efecto 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Efecto 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>General 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>General 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>General 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>General 4 LSB</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Pedal de sostenido</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Pedal suave</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Pedal sostenuto</translation>
    </message>
    <message>
        <source>Legato</source>
        <translation>Pedal legato</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Sostenido 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Variación de sonido</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Tiempo de liberación</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Tiempo de ataque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Portamento Control</source>
        <translation>Control de portamento</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberación</translation>
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
        <translation>Entrada de datos +1</translation>
    </message>
    <message>
        <source>Data Entry -1</source>
        <translation>Entrada de datos -1</translation>
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
        <translation>Silenciar todo el sonido</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Restablecer controladores</translation>
    </message>
    <message>
        <source>Local Control Switch</source>
        <translation>Control local</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Apagar todas las notas</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Modo omni desactivado</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Modo omni activado</translation>
    </message>
    <message>
        <source>Poly Mode Switch</source>
        <translation>Cambio de modo poly</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Modo poly activado</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Sin definir</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The data folder of Tastra, %1, cannot be read (%2).
The default patch set, the patch sets and the help page cannot be used until it can be read.</source>
        <translation>No se puede leer la carpeta de datos de Tastra, %1 (%2).
El conjunto de patches predeterminado, los conjuntos de patches y la ayuda no estarán disponibles hasta que se pueda leer.</translation>
    </message>
    <message>
        <source>The data folder of Tastra was not found in %1 and %2.
The default patch set, the patch sets and the help page are missing; install the program again to get them back.</source>
        <translation>No se encontró la carpeta de datos de Tastra ni en %1 ni en %2.
Faltan el conjunto de patches predeterminado, los conjuntos de patches y la ayuda; vuelva a instalar el programa para recuperarlos.</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in help/help_&lt;code&gt;.html</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>the line holds a zero byte</source>
        <translation>la línea contiene un byte nulo</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;</source>
        <translation>un nombre de sección debe terminar en «]»</translation>
    </message>
    <message>
        <source>unknown section %1 (a key map has [Keys] and [Map])</source>
        <translation>sección desconocida %1 (un mapa de teclas tiene [Keys] y [Map])</translation>
    </message>
    <message>
        <source>section %1 comes twice (first on line %2)</source>
        <translation>la sección %1 aparece dos veces (primero en la línea %2)</translation>
    </message>
    <message>
        <source>%1 is not of the form NAME=VALUE</source>
        <translation>%1 no tiene la forma NOMBRE=VALOR</translation>
    </message>
    <message>
        <source>%1 stands before the first section ([Keys] or [Map])</source>
        <translation>%1 está antes de la primera sección ([Keys] o [Map])</translation>
    </message>
    <message>
        <source>unknown value %1 in [Map] (only Name= is known)</source>
        <translation>valor desconocido %1 en [Map] (solo se conoce Name=)</translation>
    </message>
    <message>
        <source>%1 is not a scan code (a whole number from %2 to %3)</source>
        <translation>%1 no es un código de tecla (un número entero de %2 a %3)</translation>
    </message>
    <message>
        <source>%1 is not a note offset (a whole number of semitones from %2 to %3)</source>
        <translation>%1 no es un desplazamiento de nota (un número entero de semitonos de %2 a %3)</translation>
    </message>
    <message>
        <source>scan code %1 was given a note on line %2 already</source>
        <translation>al código de tecla %1 ya se le asignó una nota en la línea %2</translation>
    </message>
    <message>
        <source>there is no [Keys] section</source>
        <translation>no hay ninguna sección [Keys]</translation>
    </message>
    <message>
        <source>[Keys] names no key</source>
        <translation>[Keys] no nombra ninguna tecla</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file is too large for a key map</source>
        <translation>Mapa de teclas «%1»: el archivo es demasiado grande para un mapa de teclas</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: the file does not exist</source>
        <translation>Mapa de teclas «%1»: el archivo no existe</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el mapa de teclas «%1»: %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;, line %2: %3</source>
        <translation>Mapa de teclas «%1», línea %2: %3</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot;: %2</source>
        <translation>Mapa de teclas «%1»: %2</translation>
    </message>
    <message>
        <source>Key map &quot;%1&quot; could not be saved: %2</source>
        <translation>No se pudo guardar el mapa de teclas «%1»: %2</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>no JACK server is running</source>
        <translation>no hay ningún servidor JACK en marcha</translation>
    </message>
    <message>
        <source>the JACK port %1 could not be made</source>
        <translation>no se pudo crear el puerto JACK %1</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>La operación se completó correctamente.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Se produjo un error no especificado.</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there.</source>
        <translation>El dispositivo MIDI ya no está.</translation>
    </message>
    <message>
        <source>The MIDI device is already in use.</source>
        <translation>El dispositivo MIDI ya está en uso.</translation>
    </message>
    <message>
        <source>The MIDI device has gone away or is not open.</source>
        <translation>El dispositivo MIDI ha desaparecido o no está abierto.</translation>
    </message>
    <message>
        <source>No MIDI driver is installed.</source>
        <translation>No hay ningún controlador MIDI instalado.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>The function is not supported.</source>
        <translation>La función no es compatible.</translation>
    </message>
    <message>
        <source>The buffer was not prepared.</source>
        <translation>El búfer no se preparó.</translation>
    </message>
    <message>
        <source>The buffer is still in use by the device.</source>
        <translation>El dispositivo todavía usa el búfer.</translation>
    </message>
    <message>
        <source>Neither a JACK server nor the ALSA sequencer is available.</source>
        <translation>No hay disponible ni un servidor JACK ni el secuenciador ALSA.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected.</source>
        <translation>No se pudo conectar el puerto MIDI.</translation>
    </message>
    <message>
        <source>The MIDI port could not be connected: %1.</source>
        <translation>No se pudo conectar el puerto MIDI: %1.</translation>
    </message>
    <message>
        <source>JACK refused the connection from %1</source>
        <translation>JACK rechazó la conexión desde %1</translation>
    </message>
    <message>
        <source>The MIDI port took no messages for a while: some were lost.</source>
        <translation>El puerto MIDI no aceptó mensajes durante un rato: se perdieron algunos.</translation>
    </message>
    <message>
        <source>JACK refused the connection to %1</source>
        <translation>JACK rechazó la conexión con %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>No se pudieron guardar los ajustes en %1.</translation>
    </message>
</context>
<context>
    <name>Soundfont</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacía</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a soundfont</source>
        <translation>%1 no es una soundfont</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 está dañada</translation>
    </message>
</context>
<context>
    <name>SynthOutput</name>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Editor de acordes</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click &quot;New&quot; to add a new chord. Then enable the edit mode by activating the &quot;Edit&quot; button. Use the keyboard below or Tastra or an external device to toggle notes of the current chord.</source>
        <translation>Aquí define sus propios acordes. Pulse «Nuevo» para añadir un acorde y active el modo de edición con el botón «Editar». Con el teclado de abajo, con Tastra o con un dispositivo externo añade o quita notas del acorde actual.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Para probar un acorde, desactive el modo de edición y toque en el teclado de abajo.</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Nombre del acorde</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Notas del acorde</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>A MIDI keyboard: play notes with the mouse and the computer keyboard and send them, with
controllers, program and bank changes, to a MIDI output device.</source>
        <translation>Un teclado MIDI: toque notas con el ratón y el teclado del ordenador y envíelas, con
controladores y cambios de programa y de banco, a un dispositivo de salida MIDI.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open the MIDI output &lt;name&gt; for this run, as named in the Midi Out menu (letter case and spaces do not matter). The remembered output stays remembered unless another one is chosen in the menu.</source>
        <translation>Abrir la salida MIDI &lt;nombre&gt; para esta ejecución, con el nombre del menú Salida Midi (no importan mayúsculas ni espacios). La salida recordada se mantiene salvo que se elija otra en el menú.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Open the MIDI input &lt;name&gt; for this run, as named in the Midi In menu. The remembered input stays remembered unless another one is chosen in the menu.</source>
        <translation>Abrir la entrada MIDI &lt;nombre&gt; para esta ejecución, con el nombre del menú Entrada Midi. La entrada recordada se mantiene salvo que se elija otra en el menú.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Avisos y errores</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occured:</source>
        <translation> Se han producido los siguientes avisos y/o errores:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation>Exportar configuración</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Exportar presets de perillas</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Exportar instantáneas de perillas</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Exportar acordes</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar configuración</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Importar presets de perillas</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Importar instantáneas de perillas</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Importar acordes</translation>
    </message>
    <message>
        <source>Please choose:</source>
        <translation>Elija:</translation>
    </message>
    <message>
        <source>With this function, you export your settings to an ini file.</source>
        <translation>Con esta función exporta su configuración a un archivo INI.</translation>
    </message>
    <message>
        <source>With this function, you import your settings from a previously exported ini file.</source>
        <translation>Con esta función importa su configuración desde un archivo INI exportado antes.</translation>
    </message>
    <message>
        <source>These settings include </source>
        <translation>Esta configuración incluye </translation>
    </message>
    <message>
        <source>- window size and position</source>
        <translation>- el tamaño y la posición de la ventana</translation>
    </message>
    <message>
        <source>- which patch, chord, knob preset is selected</source>
        <translation>- el patch, el acorde y el preset de perillas elegidos</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)</source>
        <translation>- la configuración del teclado (como el ancho de las teclas)</translation>
    </message>
    <message>
        <source>- mouse wheel assignment</source>
        <translation>- la asignación de la rueda del ratón</translation>
    </message>
    <message>
        <source>- joystick assignment</source>
        <translation>- la asignación del joystick</translation>
    </message>
    <message>
        <source>- most other options of the settings dialog.</source>
        <translation>- la mayoría de las demás opciones de la ventana de configuración.</translation>
    </message>
    <message>
        <source>After saving, you can restore the settings again with the Import Settings function in the menu.</source>
        <translation>Después de guardar, puede restaurar la configuración con la función «Importar configuración» del menú.</translation>
    </message>
    <message>
        <source>You can save an ini file with the Export Settings function in the menu.</source>
        <translation>Puede guardar un archivo INI con la función «Exportar configuración» del menú.</translation>
    </message>
    <message>
        <source>With this function, you export your knob presets to an ini file.</source>
        <translation>Con esta función exporta sus presets de perillas a un archivo INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob presets again with the Import Knob Presets function in the menu.</source>
        <translation>Después de guardar, puede volver a cargar los presets de perillas con la función «Importar presets de perillas» del menú.</translation>
    </message>
    <message>
        <source>With this function, you export your knob snapshots to an ini file.</source>
        <translation>Con esta función exporta sus instantáneas de perillas a un archivo INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the knob snapshots again with the Import Knob Snapshots function in the menu.</source>
        <translation>Después de guardar, puede volver a cargar las instantáneas de perillas con la función «Importar instantáneas de perillas» del menú.</translation>
    </message>
    <message>
        <source>With this function, you export your self made chords to an ini file.</source>
        <translation>Con esta función exporta sus propios acordes a un archivo INI.</translation>
    </message>
    <message>
        <source>After saving, you can load the chords again with the Import Chords function in the menu.</source>
        <translation>Después de guardar, puede volver a cargar los acordes con la función «Importar acordes» del menú.</translation>
    </message>
    <message>
        <source>With this function, you import knob presets from an ini file.</source>
        <translation>Con esta función importa presets de perillas desde un archivo INI.</translation>
    </message>
    <message>
        <source>These presets must have been exported previously with the Export Knob Preset function in the menu.</source>
        <translation>Estos presets deben haberse exportado antes con la función «Exportar presets de perillas» del menú.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Sobrescribir los presets de perillas existentes</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Añadir a los presets de perillas existentes</translation>
    </message>
    <message>
        <source>With this function, you import knob snapshots from an ini file.</source>
        <translation>Con esta función importa instantáneas de perillas desde un archivo INI.</translation>
    </message>
    <message>
        <source>These snapshots must have been exported previously with the Export Knob Snapshots function in the menu.</source>
        <translation>Estas instantáneas deben haberse exportado antes con la función «Exportar instantáneas de perillas» del menú.</translation>
    </message>
    <message>
        <source>With this function, you import chords from an ini file.</source>
        <translation>Con esta función importa acordes desde un archivo INI.</translation>
    </message>
    <message>
        <source>These chords must have been exported previously with the Export Chords function in the menu.</source>
        <translation>Estos acordes deben haberse exportado antes con la función «Exportar acordes» del menú.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Sobrescribir los acordes existentes</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Añadir a los acordes existentes</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall Windows.</source>
        <translation>Es útil si quiere pasar su configuración a otro ordenador, dársela a un amigo o tiene que reinstalar el sistema.</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Pulse Aceptar para continuar o Cancelar para cancelar esta operación.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TImportExport</name>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Importar un archivo INI exportado antes.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>&amp;Presets de perillas...</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>I&amp;nstantáneas de perillas</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Acordes...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>Exportar a un archivo INI.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>&amp;Presets de perillas</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Acordes</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read. Nothing was imported.</source>
        <translation>No se pudo leer el archivo «%1». No se importó nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Configuración guardada.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>No se pudo guardar ningún preset de perillas.</translation>
    </message>
    <message>
        <source>%1 knob presets saved successfully.</source>
        <translation>%1 presets de perillas guardados.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>No se pudo guardar ninguna instantánea de perillas.</translation>
    </message>
    <message>
        <source>%1 knob snapshots saved successfully.</source>
        <translation>%1 instantáneas de perillas guardadas.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>No se pudo guardar ningún acorde propio.</translation>
    </message>
    <message>
        <source>%1 custom chords saved successfully.</source>
        <translation>%1 acordes propios guardados.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no settings. Nothing was imported.</source>
        <translation>El archivo «%1» no contiene configuración. No se importó nada.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Configuración cargada.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>No se pudo cargar ningún preset de perillas.</translation>
    </message>
    <message>
        <source>%1 knob presets loaded successfully.</source>
        <translation>%1 presets de perillas cargados.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>No se pudo cargar ninguna instantánea de perillas.</translation>
    </message>
    <message>
        <source>%1 knob snapshots loaded successfully.</source>
        <translation>%1 instantáneas de perillas cargadas.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>No se pudo cargar ningún acorde propio.</translation>
    </message>
    <message>
        <source>%1 custom chords loaded successfully.</source>
        <translation>%1 acordes propios cargados.</translation>
    </message>
</context>
<context>
    <name>TKeyListener</name>
    <message>
        <source>The X display %1 cannot be opened a second time.</source>
        <translation>No se puede abrir la pantalla X %1 una segunda vez.</translation>
    </message>
    <message>
        <source>This X server lacks X Input 2.1, which hearing keys meant for other programs needs.</source>
        <translation>Este servidor X no tiene X Input 2.1, necesario para oír las teclas destinadas a otros programas.</translation>
    </message>
    <message>
        <source>The X display %1 cannot be listened to.</source>
        <translation>No se puede escuchar la pantalla X %1.</translation>
    </message>
    <message>
        <source>The connection to the X server was lost: keys no longer play from other windows.</source>
        <translation>Se perdió la conexión con el servidor X: las teclas ya no tocan desde otras ventanas.</translation>
    </message>
    <message>
        <source>Wayland lets no program hear keys typed into other windows; start this one in an X11 session to use it.</source>
        <translation>Wayland no deja que ningún programa oiga las teclas pulsadas en otras ventanas; inicie este en una sesión X11 para usar esta función.</translation>
    </message>
    <message>
        <source>Hearing keys typed into other windows needs an X11 display, and this program runs on &quot;%1&quot;.</source>
        <translation>Oír las teclas pulsadas en otras ventanas requiere una pantalla X11, y este programa funciona sobre «%1».</translation>
    </message>
    <message>
        <source>This program runs through XWayland: keys typed into the Wayland session&apos;s native windows are not heard, only those typed into X11 windows.</source>
        <translation>Este programa se ejecuta a través de XWayland: las teclas pulsadas en las ventanas nativas de la sesión Wayland no se oyen, solo las pulsadas en ventanas X11.</translation>
    </message>
</context>
<context>
    <name>TKeyMapEditor</name>
    <message>
        <source>Key Map Editor</source>
        <translation>Editor de mapas de teclas</translation>
    </message>
    <message>
        <source>Save Key Map</source>
        <translation>Guardar mapa de teclas</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Mapas de teclas (*.ini);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Press a computer key, then click the piano key it should play. The piano shows which computer keys play each note; offsets count from the C the octave keys (F3, F4) move.</source>
        <translation>Pulse una tecla del ordenador y luego haga clic en la tecla del piano que debe tocar. El piano muestra qué teclas del ordenador tocan cada nota; los desplazamientos cuentan desde el do que mueven las teclas de octava (F3, F4).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Computer key:</source>
        <translation>&amp;Tecla del ordenador:</translation>
    </message>
    <message>
        <source>&amp;Remove Key</source>
        <translation>&amp;Quitar tecla</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No key chosen</source>
        <translation>Ninguna tecla elegida</translation>
    </message>
    <message>
        <source>Plays nothing yet: click a piano key</source>
        <translation>Aún no toca nada: haga clic en una tecla del piano</translation>
    </message>
    <message>
        <source>Plays %1</source>
        <translation>Toca %1</translation>
    </message>
    <message>
        <source>Plays nothing in this octave</source>
        <translation>No toca nada en esta octava</translation>
    </message>
    <message>
        <source>Press a computer key first</source>
        <translation>Pulse primero una tecla del ordenador</translation>
    </message>
    <message>
        <source>The key map has no keys yet: nothing was saved.</source>
        <translation>El mapa aún no tiene teclas: no se guardó nada.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(fuera)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a note: type a name such as %2, or a number from 0 to 127.</source>
        <translation>«%1» no es una nota: escriba un nombre como %2, o un número de 0 a 127.</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Mapa de teclas</translation>
    </message>
</context>
<context>
    <name>TKeyboard</name>
    <message>
        <source>The computer keys play the two piano rows.</source>
        <translation>Las teclas del ordenador tocan las dos filas de piano.</translation>
    </message>
    <message>
        <source>%1, played by %2</source>
        <translation>%1, tocada con %2</translation>
    </message>
</context>
<context>
    <name>TKeysPage</name>
    <message>
        <source>Choose Key Map</source>
        <translation>Elegir mapa de teclas</translation>
    </message>
    <message>
        <source>Key maps (*.ini);;All files (*)</source>
        <translation>Mapas de teclas (*.ini);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Key map</source>
        <translation>Mapa de teclas</translation>
    </message>
    <message>
        <source>A key map says which computer keys play which notes: several keys may play one note, and any key of the main block may play. Without one, the two piano rows of the &quot;Playing&quot; page play.</source>
        <translation>Un mapa de teclas indica qué teclas del ordenador tocan qué notas: varias teclas pueden tocar la misma nota y cualquier tecla del bloque principal puede tocar. Sin mapa tocan las dos filas de piano de la página «Interpretación».</translation>
    </message>
    <message>
        <source>(none: the two piano rows)</source>
        <translation>(ninguno: las dos filas de piano)</translation>
    </message>
    <message>
        <source>Key map &amp;file:</source>
        <translation>&amp;Archivo de mapa:</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>E&amp;legir...</translation>
    </message>
    <message>
        <source>&amp;Piano Rows</source>
        <translation>&amp;Filas de piano</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>The octave keys (F3, F4) move a key map as they move the piano rows. A key of the map that is also a command key plays its note instead.</source>
        <translation>Las teclas de octava (F3, F4) desplazan un mapa igual que las filas de piano. Una tecla del mapa que también es una tecla de órdenes toca su nota.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 keys.</source>
        <translation>«%1»: %2 teclas.</translation>
    </message>
    <message>
        <source>My key map</source>
        <translation>Mi mapa de teclas</translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Editor de presets de perillas</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Nuevo preset</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Escriba el nombre del nuevo preset de perillas:</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Puede colocar perillas sobre el teclado. Estas perillas envían datos de controlador a su dispositivo MIDI o secuenciador.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Aquí define qué perillas se muestran y sus propiedades. También puede guardar presets con juegos de perillas.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Número de perillas:</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Presets de perillas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>¡No hay perillas!</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Rango mostrado</translation>
    </message>
    <message>
        <source>This determines, how the values of the Controller are displayed, either in absolute values 0 to 127 or relative values from -64 to +64.</source>
        <translation>Determina cómo se muestran los valores del controlador: absolutos de 0 a 127 o relativos de -64 a +64.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controlador</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>Valor &amp;predeterminado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Perilla %1</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Ha cambiado las perillas. ¿Quiere guardarlas como preset?</translation>
    </message>
    <message>
        <source>You have made changes to knob preset &quot;%1&quot;. Do you want to save it ?</source>
        <translation>Ha cambiado el preset de perillas «%1». ¿Quiere guardarlo?</translation>
    </message>
    <message>
        <source>You can&apos;t name a preset &quot;%1&quot;.</source>
        <translation>Un preset no puede llamarse «%1».</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>¡Ya existe un preset con este nombre!</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Primero debe crear un preset nuevo para poder guardarlo.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Elija el preset que quiere eliminar.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset &quot;%1&quot; ?
This can&apos;t be undone later !</source>
        <translation>¿Seguro que quiere eliminar el preset «%1»?
¡No se podrá deshacer!</translation>
    </message>
</context>
<context>
    <name>TKnobNames</name>
    <message>
        <source>Default</source>
        <comment>the knob preset</comment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>the knob preset</comment>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>the first knob&apos;s caption</comment>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>TKnobPanel</name>
    <message>
        <source>&amp;Knobs</source>
        <translation>Pe&amp;rillas</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Presets</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Instantáneas</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Definir</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Instantánea %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Definir instantánea &amp;%1</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Configurar...</translation>
    </message>
</context>
<context>
    <name>TLabelsPage</name>
    <message>
        <source>Labels on the keys</source>
        <translation>Etiquetas en las teclas</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>On C keys only</source>
        <translation>Solo en las teclas do</translation>
    </message>
    <message>
        <source>While pressed</source>
        <translation>Al pulsar</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>Nombres de las &amp;notas:</translation>
    </message>
    <message>
        <source>&amp;Middle C is called:</source>
        <translation>El do &amp;central se llama:</translation>
    </message>
    <message>
        <source>Black keys as &amp;flats (Db, Des, Reb)</source>
        <translation>Teclas negras como &amp;bemoles (Db, Des, Reb)</translation>
    </message>
    <message>
        <source>Show the computer &amp;key that plays each piano key</source>
        <translation>Mostrar la &amp;tecla del ordenador que toca cada tecla del piano</translation>
    </message>
    <message>
        <source>Incoming notes</source>
        <translation>Notas entrantes</translation>
    </message>
    <message>
        <source>&amp;Colour the keys MIDI input lights by channel:</source>
        <translation>&amp;Colorear por canal las teclas que ilumina la entrada MIDI:</translation>
    </message>
    <message>
        <source>&amp;Default Colours</source>
        <translation>Colores &amp;predeterminados</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1: %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Pressed keys</source>
        <translation>Teclas pulsadas</translation>
    </message>
    <message>
        <source>&amp;Fill pressed keys with a colour:</source>
        <translation>&amp;Rellenar las teclas pulsadas con un color:</translation>
    </message>
    <message>
        <source>With channel colours on, a key takes the colour of the channel it plays on</source>
        <translation>Con los colores de canal, una tecla toma el color del canal en el que suena</translation>
    </message>
</context>
<context>
    <name>TMidiDevice</name>
    <message>
        <source>Cannot open MIDI output device &quot;%1&quot;:</source>
        <translation>No se puede abrir el dispositivo de salida MIDI «%1»:</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Error no especificado</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; would create a virtual feedback loop !</source>
        <translation>Abrir «%1» crearía un bucle de realimentación virtual.</translation>
    </message>
    <message>
        <source>Cannot open MIDI input device &quot;%1&quot;:</source>
        <translation>No se puede abrir el dispositivo de entrada MIDI «%1»:</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>An event at byte %1 runs past the end of its track: the file is cut short or damaged.</source>
        <translation>Un evento en el byte %1 sobrepasa el final de su pista: el archivo está cortado o dañado.</translation>
    </message>
    <message>
        <source>A number at byte %1 is longer than four bytes: the file is damaged.</source>
        <translation>Un número en el byte %1 ocupa más de cuatro bytes: el archivo está dañado.</translation>
    </message>
    <message>
        <source>Byte %1 holds 0x%2, which cannot begin an event in a MIDI file: the file is damaged.</source>
        <translation>El byte %1 contiene 0x%2, que no puede iniciar un evento en un archivo MIDI: el archivo está dañado.</translation>
    </message>
    <message>
        <source>Data without a status byte at byte %1 (running status with no message before it): the file is damaged.</source>
        <translation>Datos sin byte de estado en el byte %1 (running status sin mensaje anterior): el archivo está dañado.</translation>
    </message>
    <message>
        <source>The message at byte %1 is cut short by another status byte: the file is damaged.</source>
        <translation>El mensaje en el byte %1 queda cortado por otro byte de estado: el archivo está dañado.</translation>
    </message>
    <message>
        <source>The file&apos;s header gives no length to its ticks: the file is damaged.</source>
        <translation>La cabecera del archivo no da duración a sus ticks: el archivo está dañado.</translation>
    </message>
    <message>
        <source>An event comes more than a day into the song: the file&apos;s delta times are damaged.</source>
        <translation>Un evento llega más de un día después del inicio de la pieza: los tiempos delta del archivo están dañados.</translation>
    </message>
    <message>
        <source>This is not a Standard MIDI File: it does not begin with a MIDI header.</source>
        <translation>No es un archivo MIDI estándar: no empieza con una cabecera MIDI.</translation>
    </message>
    <message>
        <source>The file&apos;s header is cut short.</source>
        <translation>La cabecera del archivo está cortada.</translation>
    </message>
    <message>
        <source>Files of format %1 are not played: only formats 0 and 1 are.</source>
        <translation>Los archivos de formato %1 no se reproducen: solo los formatos 0 y 1.</translation>
    </message>
    <message>
        <source>The file ends inside a chunk that begins at byte %1: it is cut short or the chunk&apos;s length is wrong.</source>
        <translation>El archivo termina dentro de un bloque que empieza en el byte %1: está cortado o la longitud del bloque es errónea.</translation>
    </message>
    <message>
        <source>The file holds no notes or other messages to play.</source>
        <translation>El archivo no contiene notas ni otros mensajes que reproducir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MB large: MIDI files over %3 MB are not played.</source>
        <translation>&quot;%1&quot; ocupa %2 MB: los archivos MIDI de más de %3 MB no se reproducen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; no se puede leer: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>&quot;%1&quot; no se puede reproducir: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; no se pudo escribir: %2</translation>
    </message>
</context>
<context>
    <name>TMidiMenu</name>
    <message>
        <source>Waiting for %1 %2 to be plugged in or switched on.</source>
        <translation>Esperando a que se conecte o encienda %2 (%1).</translation>
    </message>
    <message>
        <source>Closing %1: %2 ...</source>
        <translation>Cerrando %2 (%1)...</translation>
    </message>
    <message>
        <source>Closed %1: %2</source>
        <translation>%1 cerrada: %2</translation>
    </message>
    <message>
        <source>Error: %1 could not be opened.</source>
        <translation>Error: no se pudo abrir %1.</translation>
    </message>
    <message>
        <source>Opened %1: %2</source>
        <translation>%1 abierta: %2</translation>
    </message>
    <message>
        <source>Disconnected %1 from %2: it would create a virtual feedback loop !</source>
        <translation>%1 desconectado de %2: crearía un bucle de realimentación virtual.</translation>
    </message>
    <message>
        <source>MIDI OUT</source>
        <translation>Salida MIDI</translation>
    </message>
    <message>
        <source>MIDI IN</source>
        <translation>Entrada MIDI</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Sintetizador integrado</translation>
    </message>
    <message>
        <source>%1 (own port)</source>
        <translation>%1 (puerto propio)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>TNsmClient</name>
    <message>
        <source>NSM_URL &quot;%1&quot; is not the address of a session manager: going on without a session.</source>
        <translation>NSM_URL «%1» no es la dirección de un gestor de sesiones: se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The OSC library (liblo) cannot be loaded: going on without a session.</source>
        <translation>No se puede cargar la biblioteca OSC (liblo): se continúa sin sesión.</translation>
    </message>
    <message>
        <source>No socket could be opened to talk to the session manager: going on without a session.</source>
        <translation>No se pudo abrir ningún socket para hablar con el gestor de sesiones: se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session manager at %1 does not answer: going on without a session.</source>
        <translation>El gestor de sesiones en %1 no responde: se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session manager at %1 opened no session: going on without a session.</source>
        <translation>El gestor de sesiones en %1 no abrió ninguna sesión: se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session manager refused the program (no reason given): going on without a session.</source>
        <translation>El gestor de sesiones rechazó el programa (sin indicar el motivo): se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session manager refused the program (%1): going on without a session.</source>
        <translation>El gestor de sesiones rechazó el programa (%1): se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session could not be opened (%1): going on without a session.</source>
        <translation>No se pudo abrir la sesión (%1): se continúa sin sesión.</translation>
    </message>
    <message>
        <source>Session &quot;%1&quot;: settings kept in %2</source>
        <translation>Sesión «%1»: ajustes guardados en %2</translation>
    </message>
    <message>
        <source>The session manager cannot be reached any more (%1): going on without a session.</source>
        <translation>El gestor de sesiones ya no está accesible (%1): se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session manager at %1 cannot be reached (%2): going on without a session.</source>
        <translation>El gestor de sesiones en %1 no está accesible (%2): se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The session manager has gone: going on without a session.</source>
        <translation>El gestor de sesiones ha terminado: se continúa sin sesión.</translation>
    </message>
    <message>
        <source>The client id &quot;%1&quot; cannot name a MIDI client (1 to 63 characters, no &apos;:&apos; or control characters).</source>
        <translation>El identificador de cliente «%1» no puede dar nombre a un cliente MIDI (de 1 a 63 caracteres, sin «:» ni caracteres de control).</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; is not an absolute path.</source>
        <translation>La carpeta de sesión «%1» no es una ruta absoluta.</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: %2</source>
        <translation>No se puede crear la carpeta de sesión «%1»: %2</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be made: it is not a folder</source>
        <translation>No se puede crear la carpeta de sesión «%1»: no es una carpeta</translation>
    </message>
    <message>
        <source>The session folder &quot;%1&quot; cannot be written.</source>
        <translation>No se puede escribir en la carpeta de sesión «%1».</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>El script no es un Cubase Parse File.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot; is ignored.</source>
        <translation>Se ignora el comando desconocido «%1».</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Error de sintaxis.</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>El subgrupo no existe. Baje el nivel.</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>No se encontró el comando [end].</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Se esperaba un número.</translation>
    </message>
    <message>
        <source>Line %1: Warning: %2</source>
        <translation>Línea %1: advertencia: %2</translation>
    </message>
    <message>
        <source>Line %1: Error: %2</source>
        <translation>Línea %1: error: %2</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>Archivo de script de patches vacío.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Fin prematuro del Cubase Parse File.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>No se encontró el número de versión.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Número de versión incorrecto.</translation>
    </message>
    <message>
        <source>Function [%1] is not implemented and ignored.</source>
        <translation>La función [%1] no está implementada y se ignora.</translation>
    </message>
    <message>
        <source>No &quot;define patchnames&quot; section !</source>
        <translation>¡No hay ninguna sección «define patchnames»!</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Falta el nombre.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>No hay ningún grupo definido para la propiedad sorted. Se ignora.</translation>
    </message>
    <message>
        <source>Ignoring remaining &quot;%1&quot; in command.</source>
        <translation>Se ignora el resto «%1» del comando.</translation>
    </message>
    <message>
        <source>Program number out of bounds (0..127)</source>
        <translation>Número de programa fuera de rango (0..127)</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB fuera de rango (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB fuera de rango (-1..127)</translation>
    </message>
    <message>
        <source>Bank number out of bounds (0..16383)</source>
        <translation>Número de banco fuera de rango (0..16383)</translation>
    </message>
    <message>
        <source>Key out of bounds (0..127)</source>
        <translation>Tecla fuera de rango (0..127)</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>No hay ningún programa definido para la tecla.</translation>
    </message>
    <message>
        <source>Midi channel out of bounds.</source>
        <translation>Canal MIDI fuera de rango.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose a directory</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Choose Patch Set</source>
        <translation>Elegir conjunto de patches</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Go to Tastra&apos;s directory</source>
        <translation>Ir a la carpeta de Tastra</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nombre del dispositivo:</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Fabricante del dispositivo:</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Nombre del autor:</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Scripts de patches (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>TQtPrompts</name>
    <message>
        <source>Snapshot name</source>
        <translation>Nombre de la instantánea</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Escriba un nombre para esta instantánea:</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Elegir archivo de exportación</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Elegir archivo de importación</translation>
    </message>
    <message>
        <source>Ini files (*.ini);;All files (*.*)</source>
        <translation>Archivos INI (*.ini);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Guardar grabación</translation>
    </message>
    <message>
        <source>Play MIDI File</source>
        <translation>Reproducir archivo MIDI</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf);;All files (*)</source>
        <translation>Archivos MIDI (*.mid *.midi *.smf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Recording kept</source>
        <translation>Grabación conservada</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>TRecordLink</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Start Recording</source>
        <translation>&amp;Iniciar grabación</translation>
    </message>
    <message>
        <source>Save Recording &amp;As...</source>
        <translation>Guardar grabación &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Play MIDI File...</source>
        <translation>&amp;Reproducir archivo MIDI...</translation>
    </message>
    <message>
        <source>The recording before could not be kept, so no new one was started: save it first.
%1</source>
        <translation>No se pudo conservar la grabación anterior, así que no se empezó una nueva: guárdela primero.
%1</translation>
    </message>
    <message>
        <source>The recording is kept: save it somewhere else.</source>
        <translation>La grabación se conserva: guárdela en otro lugar.</translation>
    </message>
    <message>
        <source>Recording saved as &quot;%1&quot;.</source>
        <translation>Grabación guardada como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The recording could not be kept in &quot;%1&quot;: %2</source>
        <translation>No se pudo conservar la grabación en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>A recording was not saved when the program ended last; it was kept as &quot;%1&quot; in &quot;%2&quot;.
Save it now?</source>
        <translation>Una grabación no estaba guardada cuando el programa terminó la última vez; se conservó como &quot;%1&quot; en &quot;%2&quot;.
¿Guardarla ahora?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved as &quot;%2&quot;: %3
It stays kept.</source>
        <translation>&quot;%1&quot; no se pudo guardar como &quot;%2&quot;: %3
Se sigue conservando.</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>&amp;Detener grabación</translation>
    </message>
    <message>
        <source>Stop &amp;Playing</source>
        <translation>Detener la re&amp;producción</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Grabando %1</translation>
    </message>
    <message>
        <source>Playing %1 / %2</source>
        <translation>Reproduciendo %1 / %2</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>Display the numbers starting with 1 rather than 0</source>
        <translation>Numerar desde 1 en lugar de 0</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 izquierda/derecha</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 arriba/abajo</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 eje Z</translation>
    </message>
    <message>
        <source> button %1 pressed</source>
        <translation> botón %1 pulsado</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Mouse Wheel</source>
        <translation>Rueda del ratón</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Built-in Synth</source>
        <translation>Sintetizador integrado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Idioma de los nombres de notas</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;Internacional</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Alemán</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Francés / italiano</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Ancho de tecla</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Teclado de estilo antiguo</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Mostrar las flechas del teclado</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard&lt;without these buttons.</source>
        <translation>Con Alt+arrastrar el ratón se desplaza el teclado&lt;sin estos botones.</translation>
    </message>
    <message>
        <source>Number Display</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>First controller number is 1</source>
        <translation>El primer controlador es el 1</translation>
    </message>
    <message>
        <source>First program number is 1</source>
        <translation>El primer programa es el 1</translation>
    </message>
    <message>
        <source>First bank number is 1</source>
        <translation>El primer banco es el 1</translation>
    </message>
    <message>
        <source>First channel number is 1</source>
        <translation>El primer canal es el 1</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Asignación de notas a teclas</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note &quot;C&quot; / &quot;do&quot;.</source>
        <translation>Aquí indica qué tecla del teclado del ordenador corresponde a la nota «C» / «do».</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Manual superior (segunda fila del teclado del ordenador):</translation>
    </message>
    <message>
        <source>Lower manual (forth row on computer keyboard):</source>
        <translation>Manual inferior (cuarta fila del teclado del ordenador):</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Velocidad / dinámica</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. In Zorvik&apos;s Tastra, you only have 2 different velocity values.</source>
        <translation>La velocidad es el volumen de una nota. En un teclado real es la fuerza con que se pulsa la tecla. Zorvik&apos;s Tastra solo tiene 2 valores de velocidad.</translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Velocidad normal (0..127):</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Velocidad con Mayús (en porcentaje):</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% más &amp;fuerte</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% más &amp;suave</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Controlador &amp;arriba/abajo</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Controlador &amp;izquierda/derecha</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the &quot;special hold mode&quot; on the keyboard.</source>
        <translation>Estos controladores se envían al usar el «modo de sostenido especial» del teclado.</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Ruedas</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Controlador de la rueda de &amp;modulación</translation>
    </message>
    <message>
        <source>These is the controller that is sent by the &quot;modulation wheel&quot; at the left side of the keyboard.</source>
        <translation>Este es el controlador que envía la «rueda de modulación» a la izquierda del teclado.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Consejo: para elegir fácilmente los números de controlador, seleccione una lista y mueva el deslizador o la perilla que quiere controlar con ella.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. You must have set up your joystick(s) in the control panel to be able to use them in Zorvik&apos;s Tastra.</source>
        <translation>Un joystick puede enviar mensajes de controlador. Sus joysticks deben estar configurados en el sistema para que Zorvik&apos;s Tastra pueda usarlos.</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Para elegir fácilmente el número de controlador, mueva el deslizador o la perilla que quiere controlar. Si hay problemas, desactívelo abajo.</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/acción</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controlador</translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Desactivar la elección automática del controlador</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Tastra or a connected MIDI device to set the controller.</source>
        <translation>La rueda del ratón puede enviar mensajes de controlador. Elija un controlador abajo. También puede girar la perilla o rueda del controlador deseado en Tastra o en un dispositivo MIDI conectado.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Sensibilidad</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one &quot;tick&quot; of the mousewheel.</source>
        <translation>La sensibilidad define cuánto cambia el controlador con cada paso de la rueda del ratón.</translation>
    </message>
    <message>
        <source>&quot;Slow&quot; means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, &quot;Fast&quot; has the effect that little wheel movement results in big controller changes.</source>
        <translation>«Lenta» da una resolución muy fina, pero hay que girar mucho para cambiar bastante el controlador. «Rápida», en cambio, hace que un pequeño giro cambie mucho el controlador.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Rueda de pitch bend</translation>
    </message>
</context>
<context>
    <name>TSoundSelection</name>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Patch actual (Re Pág/Av Pág)</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Número de programa actual (Mayús+Re Pág/Av Pág)</translation>
    </message>
    <message>
        <source>Load the default General MIDI patch set</source>
        <translation>Cargar el conjunto de patches General MIDI predeterminado</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
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
        <translation>&amp;Patches</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>&amp;Elegir conjunto de patches...</translation>
    </message>
    <message>
        <source>Load Default Patch Set</source>
        <translation>Cargar el conjunto de patches predeterminado</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Bank: %1 (MSB: %2 LSB: %3)</source>
        <translation>Banco: %1 (MSB: %2 LSB: %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
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
        <translation>Soundfonts (*.sf2 *.SF2 *.sf3);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Sound&amp;font file:</source>
        <translation>Archivo sound&amp;font:</translation>
    </message>
    <message>
        <source>The General MIDI soundfont of the system</source>
        <translation>La soundfont General MIDI del sistema</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Salida de audio</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 frames</translation>
    </message>
    <message>
        <source>O&amp;utput:</source>
        <translation>&amp;Salida:</translation>
    </message>
    <message>
        <source>Buffer si&amp;ze:</source>
        <translation>&amp;Tamaño del búfer:</translation>
    </message>
    <message>
        <source>Buffer&amp;s:</source>
        <translation>&amp;Búferes:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Reverberación</translation>
    </message>
    <message>
        <source>&amp;Chorus</source>
        <translation>&amp;Chorus</translation>
    </message>
    <message>
        <source>&amp;Gain:</source>
        <translation>&amp;Ganancia:</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later: %1.</source>
        <translation>Cada nota suena un periodo de JACK después: %1.</translation>
    </message>
    <message>
        <source>Each note sounds one JACK period later.</source>
        <translation>Cada nota suena un periodo de JACK después.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1.</source>
        <translation>Cada nota suena un búfer después: %1.</translation>
    </message>
    <message>
        <source>Now playing %1 through %2.</source>
        <translation>Ahora suena %1 a través de %2.</translation>
    </message>
    <message>
        <source>Starting ...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>No puede sonar: %1</translation>
    </message>
    <message>
        <source>Not playing: choose it or the MIDI Mapper in Midi Out.</source>
        <translation>No suena: elíjalo, o el MIDI Mapper, en Salida Midi.</translation>
    </message>
    <message>
        <source>%1 frames, %2 ms at %3 Hz</source>
        <translation>%1 frames, %2 ms a %3 Hz</translation>
    </message>
    <message>
        <source>Its audio output went away; it plays again as soon as it is back.</source>
        <translation>Su salida de audio ha desaparecido; vuelve a sonar en cuanto regrese.</translation>
    </message>
    <message>
        <source>Each note sounds %1 ms after it is played: one block (%2) and %3 ms in the sound server&apos;s queue.</source>
        <translation>Cada nota suena %1 ms después de tocarla: un bloque (%2) y %3 ms en la cola del servidor de sonido.</translation>
    </message>
    <message>
        <source>Each note sounds one buffer later: %1; on the desktop sound server, later by its queue as well.</source>
        <translation>Cada nota suena un búfer después: %1; a través del servidor de sonido del escritorio, además más tarde según su cola.</translation>
    </message>
</context>
<context>
    <name>TTastra</name>
    <message>
        <source>Chord</source>
        <translation>Acorde</translation>
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
        <translation>Se perdieron algunos mensajes MIDI entrantes: llegaron más rápido de lo que podían recibirse.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>&amp;Entrada Midi</translation>
    </message>
    <message>
        <source>Midi &amp;Out</source>
        <translation>Sa&amp;lida Midi</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Bajar una octava</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Subir una octava</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>Midi T&amp;hru</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Support &amp;Forums</source>
        <translation>&amp;Foros de ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;br&gt;&lt;br&gt;A MIDI keyboard for the desktop.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Versión %2&lt;br&gt;&lt;br&gt;Un teclado MIDI para el escritorio.</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>¡Pánico!</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>&amp;Transponer...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>&amp;Editor de acordes...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>The language will change the next time the program starts.</source>
        <translation>El idioma cambiará la próxima vez que se inicie el programa.</translation>
    </message>
</context>
<context>
    <name>TTouchGroup</name>
    <message>
        <source>Strike, touch and pressure</source>
        <translation>Pulsación, tacto y presión</translation>
    </message>
    <message>
        <source>&amp;Velocity from where the key is struck</source>
        <translation>&amp;Velocidad según dónde se golpea la tecla</translation>
    </message>
    <message>
        <source>Near the front edge of a key loudest, near its back edge softest</source>
        <translation>Lo más fuerte cerca del borde delantero de una tecla, lo más suave cerca del trasero</translation>
    </message>
    <message>
        <source>Softest, at the back edge:</source>
        <translation>Lo más suave, en el borde trasero:</translation>
    </message>
    <message>
        <source>Loudest, at the front edge:</source>
        <translation>Lo más fuerte, en el borde delantero:</translation>
    </message>
    <message>
        <source>Play with every finger on a &amp;touch screen</source>
        <translation>Tocar con cada dedo en una pantalla &amp;táctil</translation>
    </message>
    <message>
        <source>Velocity from how hard a finger presses, where the screen tells</source>
        <translation>Velocidad según la fuerza del dedo, si la pantalla la indica</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Channel pressure (aftertouch)</source>
        <translation>Presión de canal (aftertouch)</translation>
    </message>
    <message>
        <source>Polyphonic key pressure</source>
        <translation>Presión polifónica de tecla</translation>
    </message>
    <message>
        <source>&amp;Pressure while a key is held:</source>
        <translation>&amp;Presión mientras se mantiene una tecla:</translation>
    </message>
    <message>
        <source>A held key&apos;s pressure follows how hard the finger presses, or moving up on the key with the mouse or a finger.</source>
        <translation>La presión de una tecla mantenida sigue la fuerza del dedo, o un movimiento hacia arriba sobre la tecla con el ratón o un dedo.</translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Show Help</source>
        <translation>Mostrar ayuda</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponer</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Número de semitonos que transponer:</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Mostrar las notas transpuestas en el teclado</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>Transponer las notas de MIDI Thru</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Mantener la transposición al cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>En esta ventana transpone todas las notas salientes hacia arriba (positivo) o hacia abajo (negativo), en semitonos.</translation>
    </message>
    <message>
        <source>Checking &quot;Display transposed notes on keyboard&quot; results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Con «Mostrar las notas transpuestas en el teclado» se transpone antes de mostrar las notas en el teclado. Puede parecer que se tocan notas equivocadas.</translation>
    </message>
    <message>
        <source>Checking &quot;Transpose MIDI Thru notes&quot; will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Con «Transponer las notas de MIDI Thru» también se transponen todas las notas que llegan a la entrada MIDI.</translation>
    </message>
    <message>
        <source>When you check &quot;Keep transpose when this window is closed&quot;, the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Con «Mantener la transposición al cerrar esta ventana», las notas siguen transpuestas aunque haya cerrado esta ventana. Si no, al cerrarla la transposición vuelve a 0.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Ocultar ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Modulación: %1</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Rueda de pitch bend (MAYÚS para el modo fino, CTRL para que no vuelva al centro)</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Rueda de modulación (MAYÚS para el modo fino)</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Desplazar las teclas visibles hacia los graves</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Desplazar las teclas visibles hacia los agudos</translation>
    </message>
</context>
<context>
    <name>TWindowSystem</name>
    <message>
        <source>Wayland lets no program keep its window above the others.</source>
        <translation>Wayland no permite a ningún programa mantener su ventana encima de las demás.</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>This program was started without a key listener.</source>
        <translation>Este programa se inició sin escucha de teclas.</translation>
    </message>
    <message>
        <source>Thru &amp;Without Delay</source>
        <translation>Thru &amp;sin retardo</translation>
    </message>
    <message>
        <source>Pass incoming MIDI on within the same JACK cycle, at the frame it came at, with the chord and transposition</source>
        <translation>Pasar el MIDI entrante en el mismo ciclo de JACK, en la trama en que llegó, con el acorde y la transposición</translation>
    </message>
    <message>
        <source>Thru without delay needs the MIDI input and output to be JACK ports of this program</source>
        <translation>Thru sin retardo necesita que la entrada y la salida MIDI sean puertos JACK de este programa</translation>
    </message>
    <message>
        <source>Thru without delay could not be set up on the JACK ports</source>
        <translation>No se pudo preparar Thru sin retardo en los puertos JACK</translation>
    </message>
    <message>
        <source>Play From &amp;Any Window</source>
        <translation>Tocar desde &amp;cualquier ventana</translation>
    </message>
    <message>
        <source>Play the computer keys while another program has the focus; that program still receives every key</source>
        <translation>Tocar con las teclas del ordenador mientras otro programa tiene el foco; ese programa sigue recibiendo cada tecla</translation>
    </message>
    <message>
        <source>Playing from any window</source>
        <translation>Tocando desde cualquier ventana</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Botón izquierdo: modo normal   Botón derecho: modo de sostenido especial</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Cambiar acorde (Inicio/Fin)</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Cambiar la octava al tocar con el teclado del ordenador</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Octava: %1</translation>
    </message>
    <message>
        <source>Transpose is activated (%1 semitones)!<byte value="xd"/>
You can edit the transposition from the Options menu.</source>
        <translation>¡La transposición está activada (%1 semitonos)!<byte value="xd"/>
Puede cambiarla desde el menú Opciones.</translation>
    </message>
    <message>
        <source>Do not show this reminder in future.</source>
        <translation>No volver a mostrar este aviso.</translation>
    </message>
    <message>
        <source>Discuss this program in the online discussion forums</source>
        <translation>Hablar de este programa en los foros en línea</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Pulse aquí para detener todos los sonidos de inmediato (Ctrl-Espacio)</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Pánico: %1%</translation>
    </message>
    <message>
        <source>Reading patch list...</source>
        <translation>Leyendo la lista de patches...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Mayor m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Menor m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quintas</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octava</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power chord</translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as &quot;%1&quot;; the program starts with its default settings.</source>
        <translation>No se pudo leer el archivo de configuración. Se guardó como «%1»; el programa se inicia con la configuración predeterminada.</translation>
    </message>
</context>
</TS>
