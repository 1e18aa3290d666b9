#include "keyboard/keylabels.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "keyboard/keyboard.h"
#include "keyboard/keymap.h"
#include "keyboardtestutil.h"
#include "platform/keys/keylegends.h"

namespace {

double Luminance(const QColor& c) {
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// Legends of a US keyboard's two piano rows, without asking any keymap.
class TFakeLegends : public TKeyLegends {
public:
    std::map<int, QString> names{{16, "Q"}, {44, "Z"}, {3, "2"}};
    int reloads = 0;
    QString Legend(int scan) override { return names.count(scan) ? names[scan] : QString(); }
    void Reload() override { ++reloads; }
};

std::map<int, QStringList> LabelsByNote(const TKeyboard& kb) {
    std::map<int, QStringList> byNote;
    for (const auto& l : kb.Painter().Labels(kb.rect())) byNote[l.note] = l.Texts();
    return byNote;
}

}  // namespace

TEST(KeyLabels, NoteNamesInEachLanguageWithSharpsOrFlatsAndTheChosenMiddleC) {
    struct TCase {
        int note, language;
        bool flats;
        int middleC;
        bool octave;
        const char* name;
    };
    const TCase cases[] = {
        {61, 0, false, 3, true, "C#3"}, {61, 0, true, 3, true, "Db3"},
        {61, 1, true, 3, true, "Des3"}, {61, 2, true, 3, true, "Reb3"},
        {63, 1, true, 4, true, "Es4"},  {68, 1, true, 4, true, "As4"},
        {70, 1, true, 4, true, "B4"},   {71, 1, true, 4, true, "H4"},
        {66, 2, true, 5, true, "Solb5"}, {60, 0, false, 5, true, "C5"},
        {0, 0, false, 3, true, "C-2"},  {0, 0, false, 5, true, "C0"},
        {127, 2, false, 4, false, "Sol"}, {200, 0, false, 9, true, "G10"},  // clamped
    };
    for (const TCase& c : cases)
        EXPECT_EQ(keylabels::NoteLabel(c.note, c.language, c.flats, c.middleC, c.octave), c.name)
            << c.note << " " << c.language;
}

TEST(KeyLabels, DefaultChannelColoursShowOnWhiteAndBlackKeysAndTheirTextReads) {
    const TChannelPalette palette = keylabels::DefaultPalette();
    for (int ch = 0; ch < 16; ++ch) {
        const double l = Luminance(palette[ch]);
        EXPECT_GE(1.05 / (l + 0.05), 2.4) << "channel " << ch << " on white";
        EXPECT_GE((l + 0.05) / 0.05, 2.4) << "channel " << ch << " on black";
        for (int other = 0; other < ch; ++other) EXPECT_NE(palette[ch], palette[other]);
    }
    EXPECT_EQ(keylabels::TextColourOn(Qt::yellow), QColor(Qt::black));
    EXPECT_EQ(keylabels::TextColourOn(QColor(0, 0, 120)), QColor(Qt::white));

    TChannelPalette mine = palette;
    mine[3] = QColor(1, 2, 3);
    mine[15] = QColor(255, 254, 253);
    EXPECT_EQ(keylabels::PaletteFromText(keylabels::PaletteText(mine)), mine);
    // What cannot be read keeps the default of its channel.
    const TChannelPalette bad = keylabels::PaletteFromText("zz,+FFFFF,12345,010203");
    EXPECT_EQ(bad[0], palette[0]);
    EXPECT_EQ(bad[1], palette[1]);
    EXPECT_EQ(bad[2], palette[2]);
    EXPECT_EQ(bad[3], QColor(1, 2, 3));
    EXPECT_EQ(bad[4], palette[4]);
}

TEST(KeyLabels, RoomAvoidsTheDotsAndTheFirstFittingTextWins) {
    const QRect face(0, 10, 12, 30);
    EXPECT_EQ(keylabels::LabelRoom(face, {QRect(40, 20, 6, 6)}), face);
    EXPECT_EQ(keylabels::LabelRoom(face, {QRect(3, 25, 6, 6)}), QRect(0, 10, 12, 15));
    EXPECT_EQ(keylabels::LabelRoom(face, {QRect(3, 12, 6, 6)}), QRect(0, 18, 12, 22));

    // The first text that fits the room wins, shortened rather than shrunk.
    const TLabelLayout layout{QFont()};
    TLabelKey key;
    key.room = QRect(0, 0, 14, 30);
    key.legends = QStringList{"Q", "W", "E", "R", "T"};
    key.name = "Sol#4";
    key.shortName = "Sol#";
    const std::vector<TKeyLabel> fitted = layout.Layout({key});
    ASSERT_EQ(fitted.size(), 1u);
    EXPECT_NE(fitted[0].Texts().first(), "Q W E R T");
    const QSize need = layout.BlockSize(fitted[0].lines);
    EXPECT_LE(need.width(), 14);
    EXPECT_LE(need.height(), 30);
    key.room = QRect(0, 0, 3, 30);
    EXPECT_TRUE(layout.Layout({key}).empty());
    key.room = QRect(0, 0, 30, 3);
    EXPECT_TRUE(layout.Layout({key}).empty());
}

TEST(KeyboardLabels, ModesChooseTheKeysAndLegendsFollowTheOctave) {
    kbtest::TPlayedKeyboard played;
    TKeyboard& kb = played.kb;
    kb.resize(900, 76);
    kb.SetBaseNote(36);
    EXPECT_TRUE(kb.Painter().Labels(kb.rect()).empty());  // off by default

    kbtest::ChangeLook(kb, [](TKeyLook& l) {
        l.labels = klCKeys;
        l.middleC = 4;
    });
    auto labels = LabelsByNote(kb);
    ASSERT_FALSE(labels.empty());
    for (const auto& [note, lines] : labels) EXPECT_EQ(note % 12, 0) << note;
    EXPECT_EQ(labels[60], QStringList{"C4"});

    kbtest::ChangeLook(kb, [](TKeyLook& l) { l.labels = klPressed; });
    EXPECT_TRUE(kb.Painter().Labels(kb.rect()).empty());
    kb.Player().PlayNote(0, 61, true, 100);
    kb.Player().ShowIncomingNote(64, 100, 2);
    labels = LabelsByNote(kb);
    EXPECT_EQ(labels.size(), 2u);
    EXPECT_TRUE(labels.count(61) && labels.count(64));

    TFakeLegends legends;
    kbtest::ChangeLook(kb, [](TKeyLook& l) {
        l.labels = klNever;
        l.legends = true;
    });
    kb.Keys().SetKeyLegends(&legends);
    labels = LabelsByNote(kb);
    EXPECT_EQ(labels, (std::map<int, QStringList>{{48, {"Z"}}, {60, {"Q"}}, {61, {"2"}}}));
    kb.Player().OctaveUp();
    labels = LabelsByNote(kb);
    EXPECT_EQ(labels[60], QStringList{"Z"});
    EXPECT_EQ(labels[72], QStringList{"Q"});

    // Two keys on one note share its label; the note name stays below them where the keys are
    // tall enough for both.
    kb.SetKeyWidth(30);
    kb.resize(900, 120);
    kbtest::ChangeLook(kb, [](TKeyLook& l) { l.labels = klAlways; });
    kb.Player().UseKeyMap(scanmap::MapOfKeys({{16, 0}, {44, 0}}));
    EXPECT_EQ(LabelsByNote(kb)[60], (QStringList{"Q Z", "C4"}));

    QEvent change(QEvent::KeyboardLayoutChange);
    QApplication::sendEvent(&kb, &change);
    EXPECT_EQ(legends.reloads, 1);
}

TEST(KeyboardLabels, IncomingChannelsColourTheirKeysInBothStylesAndOwnPressesDoNot) {
    for (TPaintStyle style : {psDraw, psImage}) {
        kbtest::TPlayedKeyboard played(kbtest::StandInArtwork());
        TKeyboard& kb = played.kb;
        kb.SetPaintStyle(style);
        kb.resize(400, 76);
        kb.SetBaseNote(48);
        kbtest::ChangeLook(kb, [](TKeyLook& l) {
            l.channelColours = true;
            l.palette[4] = QColor(200, 40, 40);
        });
        kb.Player().ShowIncomingNote(50, 100, 4);  // D, white
        kb.Player().ShowIncomingNote(51, 100, 4);  // D#, black
        kb.Player().PlayNote(0, 52, true, 100);    // E, the user's own, and also lit by channel 4
        kb.Player().ShowIncomingNote(52, 100, 4);
        kb.Player().PlayNote(0, 53, true, 100);  // F, the user's own only
        QImage image = kb.grab().toImage();
        auto at = [&](int note, int y) {
            return QColor(image.pixel(kb.KeyLeft(note) - kb.ScrollOffset() + 2, y));
        };
        for (int note : {50, 51}) {
            // The pressed artwork is tinted, the drawn key filled: red either way.
            const QColor lit = at(note, note == 51 ? 5 : 70);
            EXPECT_GT(lit.red(), 120) << "style " << style << " note " << note;
            EXPECT_LT(lit.green(), 60) << "style " << style << " note " << note;
        }
        if (style == psDraw) {
            EXPECT_EQ(at(50, 70), QColor(200, 40, 40));
        }
        EXPECT_EQ(at(52, 70), at(53, 70)) << "style " << style;
        kb.Player().ShowIncomingNote(50, 0, 4);
        image = kb.grab().toImage();
        EXPECT_EQ(at(50, 70), at(55, 70)) << "style " << style;
    }
}

TEST(KeyboardKeyMap, AMapFileThatCannotBeUsedKeepsTheRowsAndSaysWhy) {
    QTemporaryDir dir;
    kbtest::TPlayedKeyboard played;
    TKeyboard& kb = played.kb;
    TComputerKeys& keys = kb.Keys();
    QStringList told;
    keys.OnKeyMapError = [&](TKeyboard*, const QString& text) { told << text; };

    const QString good = dir.filePath("good.ini");
    QString message;
    ASSERT_TRUE(keymap::SaveKeyMapFile(good, {"Good", {{30, 0}}}, message));
    EXPECT_TRUE(keys.SetKeyMapFile(good));
    EXPECT_TRUE(kb.Player().KeyMapInUse());
    EXPECT_EQ(kb.Player().ComputerKey(30, false, false), 48);

    const QString bad = dir.filePath("bad.ini");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Keys]\n30=0\n31=lots\n");
    f.close();
    EXPECT_FALSE(keys.SetKeyMapFile(bad));
    EXPECT_FALSE(kb.Player().KeyMapInUse());
    EXPECT_EQ(kb.Player().ScanMap(), scanmap::DefaultScanMap());
    EXPECT_EQ(keys.KeyMapFile(), bad);  // tried again at the next start
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("Key map \"" + bad + "\", line 3: ")) << told[0].toStdString();
    EXPECT_TRUE(told[0].endsWith("The computer keys play the two piano rows."));
    EXPECT_EQ(kb.Player().ComputerKey(30, true, false), 48);  // the held key still stops

    EXPECT_FALSE(keys.SetKeyMapFile(dir.filePath("gone.ini")));
    EXPECT_TRUE(told.last().contains("does not exist"));
    EXPECT_TRUE(keys.SetKeyMapFile(QString()));
    EXPECT_EQ(told.size(), 2);
}

TEST(KeyLegends, NamesComeFromTheLayoutNotFromATableOfOurOwn) {
    struct TCase {
        const char* layout;
        int scan;
        const char* legend;
    };
    const TCase cases[] = {{"us", 16, "Q"}, {"us", 21, "Y"}, {"us", 57, "space"},
                           {"de", 21, "Z"}, {"de", 44, "Y"}, {"de", 12, "\u00df"},
                           {"fr", 16, "A"}, {"fr", 30, "Q"}, {"fr", 2, "&"}};
    for (const TCase& c : cases)
        EXPECT_EQ(CreateNamedKeyLegends(c.layout)->Legend(c.scan), QString::fromUtf8(c.legend))
            << c.layout << " " << c.scan;
    EXPECT_TRUE(CreateNamedKeyLegends("us")->Legend(0).isEmpty());
    EXPECT_TRUE(CreateNamedKeyLegends("us")->Legend(128).isEmpty());

    // Without an X server the environment chooses the layout, as xkbcommon's default does.
    const QByteArray before = qgetenv("XKB_DEFAULT_LAYOUT");
    qputenv("XKB_DEFAULT_LAYOUT", "fr");
    const QString legend = CreateLayoutKeyLegends()->Legend(16);
    if (before.isEmpty())
        qunsetenv("XKB_DEFAULT_LAYOUT");
    else
        qputenv("XKB_DEFAULT_LAYOUT", before);
    EXPECT_EQ(legend, "A");
}

TEST(KeyboardLabels, FilledPressedKeysTakeTheirChannelsColourInsteadOfTheDot) {
    for (TPaintStyle style : {psDraw, psImage}) {
        kbtest::TPlayedKeyboard played(kbtest::StandInArtwork());
        TKeyboard& kb = played.kb;
        kb.SetPaintStyle(style);
        kb.resize(400, 76);
        kb.SetBaseNote(48);
        kb.Player().SetChannel(3);
        kb.Player().PlayNote(3, 52, true, 100);  // E, the user's own
        const TKeyLook& look = kb.Look();
        EXPECT_FALSE(look.KeyColour(kb.Player(), 52).isValid()) << "the dot stays the default";
        kbtest::ChangeLook(kb, [](TKeyLook& l) { l.pressedFill = true; });
        EXPECT_EQ(look.KeyColour(kb.Player(), 52), look.pressedColour);
        kbtest::ChangeLook(kb, [](TKeyLook& l) { l.channelColours = true; });
        const QColor channel = look.palette[3];
        EXPECT_EQ(look.KeyColour(kb.Player(), 52), channel);
        const QImage image = kb.grab().toImage();
        const int x = kb.KeyLeft(52) - kb.ScrollOffset() + kb.KeyWidth() / 2;
        // The front of the key, where the dot was, takes the channel's colour (the artwork's
        // shading aside); no grey dot is left.
        int rows = 0, coloured = 0;
        for (int y = kb.height() * 3 / 4; y < kb.height() - 2; ++y, ++rows) {
            coloured += QColor(image.pixel(x, y)) == channel;
            EXPECT_NE(QColor(image.pixel(x, y)), QColor(0x80, 0x80, 0x80)) << "style " << style;
        }
        EXPECT_GT(2 * coloured, rows) << "style " << style;
    }
}
