#include "app/tastra.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QStatusTipEvent>
#include <QTimer>

#include "app/anywindowkeys.h"
#include "app/directthrulink.h"
#include "app/disableditem.h"
#include "app/errform.h"
#include "app/firstpaint.h"
#include "app/importexport.h"
#include "app/joystickrouter.h"
#include "app/knobpanel.h"
#include "app/language.h"
#include "app/outputsender.h"
#include "app/recordlink.h"
#include "app/soundselection.h"
#include "app/statuspanels.h"
#include "app/synthlink.h"
#include "app/texts.h"
#include "app/userprompts.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "platform/keys/keystamps.h"
#include "platform/keys/keylegends.h"
#include "platform/lib/freememory.h"
#include "platform/lib/steadyclock.h"
#include "platform/midi/systemmidi.h"
#include "platform/settings/programpaths.h"
#include "platform/settings/settingsstore.h"
#include "platform/ui/windowsystem.h"
#include "platform/shell/datafolder.h"
#include "platform/shell/gotoweb.h"
#include "resources/decodedart.h"

TTastra2::TTastra2(const TTastraServices& services, QWidget* parent)
    : TTastra(parent), m_services(services) {
    setObjectName(QStringLiteral("Tastra"));
    if (m_services.dataFolder.empty()) m_services.dataFolder = DataFolder();
    m_goToWeb.DataFolder = m_services.dataFolder;
    if (!m_services.prompts) m_ownPrompts = std::make_unique<TQtPrompts>(this);
    m_prompts = m_services.prompts ? m_services.prompts : m_ownPrompts.get();
    MidiInMenu1 = new TMidiInMenu(*m_services.midiIn, this);
    MidiOutMenu1 = new TMidiOutMenu(*m_services.midiOut, this);
    MidiInMenu1->SetRunDevice(m_services.runMidiIn);
    MidiOutMenu1->SetRunDevice(m_services.runMidiOut);
    m_sender =
        std::make_unique<TOutputSender>([this]() -> TMidiOutput& { return MidiOut(); }, *m_prompts,
                                        [this](const QString& t) { SetStatusText(t); });

    m_status = new TStatusPanels(this);
    setStatusBar(m_status);
    CreateMenus();

    // Creation reads no settings: everything stored is applied when the window is first shown.
    SetStatusText(QString());
    ClientArea()->SetBackground(
        QPixmap::fromImage(ArtImage(QStringLiteral(":/background/BACKGROUND.png"))));
    // Only the main window carries the program title: an application display name would be
    // appended to every tool window's own title.
    setWindowTitle(texts::kProgramTitle);

    m_player.OnDisplay = [this](uint8_t s, uint8_t d1, uint8_t d2) { ReflectMessage(s, d1, d2); };
    Keyboard1->OnOctaveChange = [this](TKeyboard*) { Keyboard1OctaveChange(); };
    Keyboard1->OnBaseNoteChange = [this](TKeyboard*, const QString& text) {
        m_status->SetPanelText(2, texts::Shown(texts::kBaseFormat).arg(text));
    };
    Keyboard1->OnNoteHover = [this](TKeyboard*, const QString& text) {
        m_status->SetPanelText(1, text);
    };
    if (!m_services.keyLegends) m_ownLegends = CreateLayoutKeyLegends();
    Keyboard1->Keys().SetKeyLegends(m_services.keyLegends ? m_services.keyLegends
                                                          : m_ownLegends.get());
    // Settings are read while the window is being shown: the message waits until it is up.
    Keyboard1->Keys().OnKeyMapError = [this](TKeyboard*, const QString& text) {
        QMetaObject::invokeMethod(
            this, [this, text] { m_prompts->Error(text); }, Qt::QueuedConnection);
    };
    ConnectDeviceMenus();
    PutShort = [this](uint8_t s, uint8_t d1, uint8_t d2) { SendAndShow(s, d1, d2); };

    m_status->SetPanelText(
        2,
        texts::Shown(texts::kBaseFormat).arg(Keyboard1->Names().NoteName(Keyboard1->BaseNote())));
    ReloadChords();
    CreatePanicPanel();
    CreateParts();
    // An open menu takes the computer keyboard from the piano, unless it plays from any window.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this,
                [this] { Keyboard1->Keys().SetCaptureKeyboard(m_anyWindow->On()); });
        connect(menu, &QMenu::aboutToHide, this, [this] {
            Keyboard1->Keys().SetCaptureKeyboard(isActiveWindow() || m_anyWindow->On());
        });
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    DropTopmost();
                else
                    RaiseTopmost();
            });
    qApp->installEventFilter(this);
    LayOutToFont();
    ApplySizeRules();
}

void TTastra2::ConnectDeviceMenus() {
    // The device menus: errors in a box, progress in the status bar, the keyboard tidied up
    // before a device closes. Notes held through thru are released while the output can still
    // hear it: once the input is gone their note-offs would never come.
    MidiInMenu1->SetOnMidiInput([this](TMidiInput* input) { MidiInput(input); });
    for (TMidiMenuBase* menu :
         {static_cast<TMidiMenuBase*>(MidiInMenu1), static_cast<TMidiMenuBase*>(MidiOutMenu1)}) {
        menu->SetRegKey("MidiDevices");
        menu->SetRegPath(ProgramKeyPath());
        menu->SetDefaultMidiMapper(true);
        menu->OpenRegPathStore = m_services.openSettingsRoot;
        menu->OnError = [this](TMidiMenuBase*, const std::string& text) {
            m_prompts->Error(QString::fromStdString(text));
        };
        menu->OnTextMessage = [this](TMidiMenuBase*, const std::string& text) {
            SetStatusText(QString::fromStdString(text));
        };
    }
    MidiInMenu1->OnBeforeClose = [this](TMidiMenuBase*) {
        DirectThruBeforeClose();
        m_player.ReleaseThruNotes();
        Keyboard1->Player().ClearThruDisplay();
    };
    MidiOutMenu1->OnBeforeClose = [this](TMidiMenuBase*) {
        DirectThruBeforeClose();
        m_player.ReleaseThruNotes();
        Keyboard1->Player().ResetPlaying();
        Keyboard1->Player().ClearThruDisplay();
    };
    // A device found gone by a failed send is awaited as when the recheck finds it gone; the
    // notes are tidied up once the send that failed is over.
    m_sender->OnDeviceVanished = [this](const std::string& device) {
        QMetaObject::invokeMethod(
            this, [this, device] { MidiOutMenu1->AwaitVanished(device); }, Qt::QueuedConnection);
    };
    MidiOutMenu1->OnAfterOpen = [this](TMidiMenuBase*) {
        m_sender->DeviceOpened();
        if (m_directThru) m_directThru->Apply();
    };
    MidiInMenu1->OnAfterOpen = [this](TMidiMenuBase*) {
        if (m_directThru) m_directThru->Apply();
    };
}

void TTastra2::DirectThruBeforeClose() {
    if (!m_directThru) return;
    m_directThru->Release();
    // Also called where the device stays open (a loop cut, a source gone): the ports are put in
    // line again once the menu is done.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_closed) m_directThru->Apply();
        },
        Qt::QueuedConnection);
}

void TTastra2::CreateParts() {
    const auto show = [this](uint8_t s, uint8_t d1, uint8_t d2) { SendAndShow(s, d1, d2); };
    const auto channel = [this] { return Keyboard1->Player().Channel(); };
    TSoundHost sound;
    sound.window = this;
    sound.area = ClientArea();
    sound.menuBar = menuBar();
    sound.keyboard = Keyboard1;
    sound.status = m_status;
    sound.prompts = m_prompts;
    sound.offsets = &DisplayOffsets();
    sound.send = [this](uint8_t s, uint8_t d1, uint8_t d2) { m_sender->Send(s, d1, d2); };
    sound.openSettingsRoot = m_services.openSettingsRoot;
    sound.dataFolder = m_services.dataFolder;
    m_sound = std::make_unique<TSoundSelection>(std::move(sound));

    TKnobPanelHost knobs;
    knobs.window = this;
    knobs.area = ClientArea();
    knobs.menuBar = menuBar();
    knobs.menuBefore = FindMenu(QStringLiteral("Options1"));
    knobs.prompts = m_prompts;
    knobs.offsets = &DisplayOffsets();
    knobs.send = show;
    knobs.channel = channel;
    knobs.openSettingsRoot = m_services.openSettingsRoot;
    knobs.openSettingsKey = m_services.openSettingsKey;
    m_knobs = std::make_unique<TKnobPanel>(std::move(knobs));
    m_knobs->KnobList().OnArranged = [this](TGUIKnobList*) {
        if (m_rowsBottom > 0) PlaceKeyboardBelow(m_rowsBottom);
    };
    ArrangeKnobs();

    TImportExportHost impExp;
    impExp.prompts = m_prompts;
    impExp.section = RegKey().toStdString();
    impExp.saveSettings = [this](TSettingsStore& store) { SaveSettings(store); };
    impExp.importSettings = [this](TSettingsStore& store) {
        m_sound->LoadForNextStart([&] { LoadSettings(store); });
    };
    impExp.openPresets = m_knobs->PresetsStore();
    impExp.storeCurrentKnobs = [this] { return m_knobs->StoreCurrentPreset(); };
    impExp.presetsChanged = [this] {
        m_knobs->RebuildPresetMenu();
        m_knobs->SelectPreset(m_knobs->PresetName());
    };
    impExp.writeSnapshots = [this](TSettingsStore& file) { return m_knobs->WriteSnapshots(file); };
    impExp.readSnapshots = [this](TSettingsStore& file) { return m_knobs->ReadSnapshots(file); };
    impExp.hasKnobs = [this] { return m_knobs->KnobList().Count() > 0; };
    impExp.hasSnapshots = [this] { return m_knobs->HasSnapshots(); };
    impExp.chords = &m_chordList;
    impExp.openSettingsRoot = m_services.openSettingsRoot;
    impExp.chordsChanged = [this] { RebuildChordItems(); };
    QMenu* file = FindMenu(QStringLiteral("File1"));
    m_impExp = std::make_unique<TImportExport>(std::move(impExp), file);
    // The import and export submenus stand above Exit.
    QAction* exit = FindAction(QStringLiteral("Exit1"));
    file->removeAction(exit);
    file->addAction(exit);

    m_joysticks = std::make_unique<TJoystickRouter>(m_services.joystick, show, channel);

    TSynthLink::THost synth;
    synth.synth = m_services.synth;
    synth.prompts = m_prompts;
    synth.statusText = [this](const QString& t) { SetStatusText(t); };
    synth.statusHint = [this](const QString& t) { m_status->SetPanelHint(0, t); };
    synth.failed = [this](const QString& t) { SynthFailed(t); };
    m_synth = std::make_unique<TSynthLink>(std::move(synth));

    TAnyWindowHost anyWindow;
    anyWindow.listener = m_services.keyListener;
    anyWindow.keyboard = Keyboard1;
    anyWindow.status = m_status;
    anyWindow.menu = FindMenu(QStringLiteral("Options1"));
    anyWindow.before = nullptr;  // after the menu's original items
    anyWindow.findAction = [this](const QString& name) { return FindAction(name); };
    anyWindow.windowHasKeys = [this] {
        return isActiveWindow() && !QApplication::activePopupWidget();
    };
    anyWindow.statusText = [this](const QString& t) { SetStatusText(t); };
    anyWindow.statusPanelsChanged = [this] { FitStatusBar(); };
    m_anyWindow = std::make_unique<TAnyWindowKeys>(std::move(anyWindow));

    TDirectThruHost directThru;
    directThru.menu = FindMenu(QStringLiteral("Options1"));
    directThru.input = &MidiIn();
    directThru.output = &MidiOut();
    directThru.player = &m_player;
    directThru.midiThru = [this] { return m_midiThru; };
    directThru.send = [this](uint8_t s, uint8_t d1, uint8_t d2) { MidiOut().SendShort(s, d1, d2); };
    directThru.statusText = [this](const QString& t) { SetStatusText(t); };
    directThru.thruSwitched = [this] {
        m_player.ReleaseThruNotes();
        Keyboard1->Player().ClearThruDisplay();
    };
    m_directThru = std::make_unique<TDirectThruLink>(std::move(directThru));

    TRecordHost record;
    record.menuBar = menuBar();
    record.menuBefore = FindMenu(QStringLiteral("Options1"));
    record.status = m_status;
    record.prompts = m_prompts;
    record.statusText = [this](const QString& t) { SetStatusText(t); };
    record.statusPanelsChanged = [this] { FitStatusBar(); };
    record.play = [this](uint8_t s, uint8_t d1, uint8_t d2, std::int64_t due) {
        PlayFileMessage(s, d1, d2, due);
    };
    record.now = [] { return SteadyNowNs(); };
    record.keepFolder = m_services.recordingsFolder;
    m_record = std::make_unique<TRecordLink>(std::move(record));
    // What is sent is recorded at the moment it was played: the key's, the incoming message's
    // or the file's where known, else now.
    m_sender->OnSent = [this](uint8_t s, uint8_t d1, uint8_t d2) {
        if (m_record->Recorder().Recording())
            m_record->Sent(s, d1, d2,
                           m_services.midiOut->SteadyMoment(MidiOut().EventTime(), SteadyNowNs()));
    };

    if (m_services.keyStamps) UseKeyStamps(m_services.keyStamps);
}

void TTastra2::UseKeyStamps(TKeyStamps* stamps) {
    // Keys are stamped as they arrive only while they are the program's own, and their notes
    // leave from there.
    Keyboard1->Keys().SetKeyStamps(stamps);
    stamps->SetActive(QGuiApplication::applicationState() == Qt::ApplicationActive);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [stamps](Qt::ApplicationState state) {
                stamps->SetActive(state == Qt::ApplicationActive);
            });
}

void TTastra2::SynthFailed(const QString& text) {
    TMidiOutput& out = MidiOut();
    if (out.IsClosed() ||
        (out.DeviceId() != kMidiMapperId && out.DeviceName() != kBuiltinSynthName))
        return;
    // Said as a failed open would have said it, once the device is closed.
    const std::string name = out.DeviceName();
    MidiOutMenu1->CloseWithCursor();
    const QString failed =
        QCoreApplication::translate("TMidiDevice", "Cannot open MIDI output device \"%1\":");
    m_sender->DeviceFailed(QString::fromStdString(MidiErrorMessage(
        failed.arg(QString::fromStdString(name)).toStdString(), true, text.toStdString())));
}

TTastra2::~TTastra2() {
    Keyboard1->Keys().SetKeyStamps(nullptr);  // no key is played into a window going away
    if (!m_closed) FormClose();
    Keyboard1->Keys().SetKeyLegends(nullptr);  // the window's own legends go before the keyboard
}

QAction* TTastra2::FindAction(const QString& objectName) const {
    return menuBar()->findChild<QAction*>(objectName);
}

QMenu* TTastra2::FindMenu(const QString& objectName) const {
    return menuBar()->findChild<QMenu*>(objectName);
}

TMidiOutput& TTastra2::MidiOut() { return MidiOutMenu1->Output(); }
TMidiInput& TTastra2::MidiIn() { return MidiInMenu1->Input(); }

void TTastra2::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto item = [this](QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut, const QString& hint, auto handler) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty()) a->setShortcut(shortcut);
        if (!hint.isEmpty()) a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    item(file, "Exit1", tr("E&xit"), {}, {}, [this] { close(); });

    // Filled with the devices by the device menus.
    bar->addMenu(tr("Midi &In"))->setObjectName(QStringLiteral("MidiIn1"));
    bar->addMenu(tr("Midi &Out"))->setObjectName(QStringLiteral("MidiOut1"));

    QMenu* options = bar->addMenu(tr("Op&tions"));
    options->setObjectName(QStringLiteral("Options1"));
    item(options, "OctaveDown1", tr("Octave Down"), QKeySequence(Qt::Key_F3),
         texts::Shown(texts::kOctaveHint), [this] { Keyboard1->Player().OctaveDown(); });
    item(options, "OctaveUp1", tr("Octave Up"), QKeySequence(Qt::Key_F4),
         texts::Shown(texts::kOctaveHint), [this] { Keyboard1->Player().OctaveUp(); });
    options->addSeparator()->setObjectName(QStringLiteral("N2"));
    QAction* onTop = item(options, "StayonTop1", tr("Stay &on Top"), {}, {},
                          [this] { SetStayOnTop(!m_stayOnTop); });
    onTop->setCheckable(true);
    // Where the window system cannot do it, the stored choice is kept for a session that can.
    if (const QString why = StayOnTopUnavailable(); !why.isEmpty()) DisableWithReason(onTop, why);
    QAction* thru = item(options, "MidiThru1", tr("Midi &Thru"), {}, {}, [this] {
        m_midiThru = FindAction(QStringLiteral("MidiThru1"))->isChecked();
        // Without thru the note-offs of what it holds would no longer be passed on.
        m_directThru->Publish();
        if (!m_midiThru) m_directThru->Release();
        if (!m_midiThru) m_player.ReleaseThruNotes();
    });
    thru->setCheckable(true);
    thru->setChecked(true);
    CreateDialogMenuItems(options);
    CreateLanguageMenu(options);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    const auto failed = [this](const std::string& message) {
        m_prompts->Error(QString::fromStdString(message));
    };
    item(help, "Readme1", tr("&Help Index"), {}, {},
         [this, failed] { ShowDocument(m_goToWeb, HelpPage(m_goToWeb.DataFolder), true, failed); });
    item(help, "DiscussinForums1", tr("Support &Forums"), {}, texts::Shown(texts::kForumsHint),
         [this, failed] { ShowDocument(m_goToWeb, texts::kForumAddress, false, failed); });
    item(help, "About2", tr("&About"), {}, {}, [this] { About2Click(); });
}

void TTastra2::About2Click() {
    QMessageBox::about(this, tr("About"),
                       tr("<b>%1</b><br>Version %2<br><br>A MIDI keyboard for the desktop.")
                           .arg(texts::kProgramTitle, QStringLiteral(TASTRA_VERSION)));
}

void TTastra2::Keyboard1OctaveChange() {
    m_status->SetPanelText(
        3, texts::Shown(texts::kOctaveFormat).arg(Keyboard1->Player().KeyOctave() - 2));
}

void TTastra2::SetStatusText(const QString& text) {
    m_statusText = text;
    m_status->SetPanelText(0, text);
    // Progress texts must show while the window thread is busy.
    m_status->repaint();
}

bool TTastra2::event(QEvent* event) {
    // The computer keyboard plays while this window is active and no menu is open (or from any
    // window, when chosen); losing it releases every note the keys were holding.
    if (event->type() == QEvent::WindowActivate) Keyboard1->Keys().SetCaptureKeyboard(true);
    if (event->type() == QEvent::WindowDeactivate)
        Keyboard1->Keys().SetCaptureKeyboard(m_anyWindow->On());
    if (event->type() == QEvent::StatusTip) {
        // Hints go to panel 0; without a hint the status text comes back. While a control holds
        // the mouse (a key held down, a wheel dragged) the panel stays as it is.
        if (!QWidget::mouseGrabber()) {
            const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
            m_status->SetPanelText(0, tip.isEmpty() ? m_statusText : tip);
        }
        return true;
    }
    return TTastra::event(event);
}

void TTastra2::FormResize() {
    TTastra::FormResize();
    if (m_panic) m_panic->move(ClientArea()->width() - m_panic->width() - 5, 4);
    ArrangeKnobs();
    if (m_status) m_status->Layout();
}

void TTastra2::showEvent(QShowEvent* event) {
    TTastra::showEvent(event);
    Start();
    if (m_remindWhenShown) {
        m_remindWhenShown = false;
        QMetaObject::invokeMethod(
            this, [this] { RemindTranspose(); }, Qt::QueuedConnection);
    }
}

void TTastra2::Start() {
    if (m_shown) return;
    m_shown = true;
    Keyboard1->setFocus();
    LoadFromRegistry();
    m_knobs->Start(m_firstTime);
    RunAfterFirstPaint(this, [this] { DeferredStartup(); });
    Keyboard1OctaveChange();
}

void TTastra2::DeferredStartup() {
    // The device lists are read here, after the first paint: reading them may connect to the
    // MIDI system and wait for its answer. Each step is posted on its own, so that the window
    // answers (repaints, the window manager's pings) between them.
    const std::vector<std::function<void()>> steps = {
        [this] { MidiInMenu1->SetBaseMenu(FindMenu("MidiIn1")); },
        [this] { MidiOutMenu1->SetBaseMenu(FindMenu("MidiOut1")); },
        [this] {
            SetStatusText(texts::Shown(texts::kReadingPatchList));
            m_sound->ReadPatchList();
            SetStatusText(QString());
        },
        [this] { MidiInMenu1->LoadFromRegPath(); },
        [this] {
            MidiOutMenu1->LoadFromRegPath();
            m_devicesRead = true;
            m_sound->SendProgram();
        },
        [this] {
            m_joysticks->Update();
            ReturnFreedMemory();
        },
        [this] { m_anyWindow->CheckAvailable(); },
        [this] {
            if (m_services.startupDone) m_services.startupDone();
            StartupNotice();
            if (isVisible()) m_record->OfferKept();
            if (OnStarted) OnStarted();
        },
    };
    RunStartupStep(steps, 0);
}

void TTastra2::RunStartupStep(const std::vector<std::function<void()>>& steps, size_t next) {
    // A window closed meanwhile keeps the stored devices and patch script: the rest is dropped.
    if (m_closed || next >= steps.size()) return;
    steps[next]();
    QMetaObject::invokeMethod(
        this, [this, steps, next] { RunStartupStep(steps, next + 1); }, Qt::QueuedConnection);
}

void TTastra2::StartupNotice() {
    if (m_startupNoticeHandled || m_closed) return;
    m_startupNoticeHandled = true;
    // A window started hidden reminds when it is shown: no message box without its window.
    if (isVisible())
        RemindTranspose();
    else
        m_remindWhenShown = true;
}

void TTastra2::RemindTranspose() {
    if (!m_dontRemindTranspose && Keyboard1->Player().Transpose() != 0)
        m_dontRemindTranspose = m_prompts->Reminder(
            texts::Shown(texts::kTransposeReminder).arg(Keyboard1->Player().Transpose()),
            m_dontRemindTranspose);
}

void TTastra2::closeEvent(QCloseEvent* event) {
    if (!m_closed) FormClose();
    event->accept();
}

void TTastra2::FormClose() {
    CloseDialogs();
    const std::string failure = ReleaseAndSave();
    // What is in memory stays as it is; the user learns that it is not on the disk.
    if (!failure.empty()) m_prompts->Error(QString::fromStdString(failure));
    MidiInMenu1->CloseWithCursor();
    MidiOutMenu1->CloseWithCursor();
}

std::string TTastra2::ReleaseAndSave() {
    if (m_closed) return {};
    m_closed = true;
    // The file stops playing and releases its notes; a recording nobody saved is kept where the
    // next start offers it.
    m_record->StopPlaying();
    std::string kept = KeepRecording();
    // Notes that came in through thru and are still held by the outside source are released
    // too: after the window closes no release of theirs could reach the device any more.
    m_directThru->Detach(false);
    m_player.ReleaseThruNotes();
    m_anyWindow->Shutdown();
    Keyboard1->Player().ResetAll();
    // Under a session manager only the session's save command saves: a signal it sends to end
    // the program releases the notes and leaves the session's files as they were saved.
    const std::string settings = m_saveOnClose ? StoreSettings() : std::string();
    if (kept.empty()) return settings;
    return settings.empty() ? kept : settings + "\n" + kept;
}

std::string TTastra2::KeepRecording() { return m_record->Keep(); }

std::string TTastra2::KeepRecordingIn(const std::string& folder) {
    return m_record->Keep(folder, false);
}

void TTastra2::SettingsFileSetAside(const std::string& copy) {
    m_setAside << texts::Shown(texts::kSettingsSetAside).arg(QString::fromStdString(copy));
    if (m_setAside.size() > 1) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_closed) return;
            TErrForm* form = m_sound->ErrForm();
            form->SetLines(m_setAside);
            m_setAside.clear();
            m_prompts->ShowWarnings(*form);
            form->Clear();
        },
        Qt::QueuedConnection);
}

void TTastra2::LoadFromRegistry() {
    if (!m_services.openSettingsRoot) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_services.openSettingsRoot();
        if (store) LoadSettings(*store);
    } catch (const std::exception&) {
        // A store that cannot be read leaves the defaults (or what was read before the failure).
    }
}

bool TTastra2::SaveToRegistry() {
    const std::string failure = StoreSettings();
    // What is in memory stays as it is; the user learns that it is not on the disk.
    if (!failure.empty()) m_prompts->Error(QString::fromStdString(failure));
    return failure.empty();
}

std::string TTastra2::StoreSettings() {
    if (!m_services.openSettingsRoot) return {};
    std::string failure;
    try {
        std::unique_ptr<TSettingsStore> store = m_services.openSettingsRoot();
        if (store) {
            SaveSettings(*store);
            failure = FlushStore(*store);
            if (failure.empty()) m_knobs->SnapshotsStored();
            // Both live in the same file: one message says it all.
            if (failure.empty()) failure = m_knobs->PresetSaveFailure();
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }
    return failure;
}
