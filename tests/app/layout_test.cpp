// Every window and page, at the default font and at twice its size: texts show whole and
// controls do not cover one another.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <set>

#include "app/keyboardpages.h"
#include "app/knobpanel.h"
#include "app/language.h"
#include "keyboard/keyboard.h"
#include "keyboard/keyboardtestutil.h"
#include "keyboard/labellayout.h"
#include "knobs/guiknoblist.h"
#include "platform/keys/keylegends.h"
#include "support/windowcatalog.h"

namespace {

QString Shown(QString text) {
    // "&" marks the access key and is not drawn; "&&" draws one.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The text a label, button or group box shows, as set.
QString OwnText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    return {};
}

QString Name(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? QString() : " " + w->objectName();
    const QString text = OwnText(w);
    return QString::fromLatin1(w->metaObject()->className()) + name +
           (text.isEmpty() ? QString() : " \"" + text.left(40) + "\"");
}

// Why the widget's own text does not fit it; empty when it does.
QString TextFault(const QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty() || Qt::mightBeRichText(l->text())) return {};
        const QRect r =
            l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) {
            const int need = l->heightForWidth(l->width());
            return need > l->height()
                       ? QString("needs height %1, has %2").arg(need).arg(l->height())
                       : QString();
        }
        const QStringList lines = Shown(l->text()).split(QLatin1Char('\n'));
        int width = 0;
        for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
        const int height = fm.height() * static_cast<int>(lines.size());
        if (width > r.width()) return QString("text %1 wide, room %2").arg(width).arg(r.width());
        if (height > r.height() + 2)
            return QString("text %1 high, room %2").arg(height).arg(r.height());
        return {};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const int need = w->sizeHint().width();
        return need > w->width() ? QString("needs width %1, has %2").arg(need).arg(w->width())
                                 : QString();
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->text().isEmpty()) return {};
        const int need = fm.horizontalAdvance(Shown(b->text())) + 6;
        return need > b->width() ? QString("text needs %1, has %2").arg(need).arg(b->width())
                                 : QString();
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        const int need = fm.horizontalAdvance(Shown(g->title())) + 12;
        return need > g->width() ? QString("title needs %1, has %2").arg(need).arg(g->width())
                                 : QString();
    }
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) {
        const QSize need = s->minimumSizeHint();
        return need.width() > s->width() || need.height() > s->height()
                   ? QString("needs %1x%2").arg(need.width()).arg(need.height())
                   : QString();
    }
    return {};
}

// Qt's own composite controls lay out their insides themselves.
bool LooksInside(const QWidget* w) {
    return !(qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
             qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QTabBar*>(w) ||
             qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
             w->inherits("QLineEdit") || w->inherits("QMenuBar") || w->inherits("QSizeGrip"));
}

// Knob captions are the user's own names and are cut to their knob's column by design.
std::vector<const QWidget*> g_userTexts;
// The source texts the language under test translates differently: one shown as it is was
// made without going through the translation (or in another context than its .ts entry).
QSet<QString> g_translatedSources;

QSet<QString> TranslatedSources(const QString& language) {
    QSet<QString> sources;
    QFile file(QStringLiteral(TASTRA_SOURCE_DIR "/translations/tastra_%1.ts").arg(language));
    if (language == QLatin1String("en") || !file.open(QIODevice::ReadOnly)) return sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() == QLatin1String("translation")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!text.isEmpty() && text != source) sources.insert(source);
        }
    }
    return sources;
}

void Check(const QWidget* parent, const QString& path, QStringList& faults) {
    std::vector<const QWidget*> kids;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w->isWindow() || !w->isVisibleTo(parent)) continue;
        // A control squeezed to nothing by its layout is not drawn at all.
        if (w->size().isEmpty() &&
            (w->focusPolicy() != Qt::NoFocus || !w->findChildren<QWidget*>().isEmpty()))
            faults << path + " > " + Name(w) + " has no room";
        if (!w->size().isEmpty()) kids.push_back(w);
    }
    const QRect inside(QPoint(0, 0), parent->size());
    for (size_t i = 0; i < kids.size(); ++i) {
        const QWidget* w = kids[i];
        const QString where = path + " > " + Name(w);
        if (!inside.contains(w->geometry()))
            faults << where + QString(" leaves its parent (%1,%2 %3x%4 in %5x%6)")
                                  .arg(w->x())
                                  .arg(w->y())
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(parent->width())
                                  .arg(parent->height());
        // A dialog's size grip sits on its corner by design.
        for (size_t j = i + 1; j < kids.size(); ++j)
            if (w->geometry().intersects(kids[j]->geometry()) && !w->inherits("QSizeGrip") &&
                !kids[j]->inherits("QSizeGrip"))
                faults << where + " overlaps " + Name(kids[j]);
        const bool userText =
            std::find(g_userTexts.begin(), g_userTexts.end(), w) != g_userTexts.end();
        const QString text = userText ? QString() : TextFault(w);
        if (!text.isEmpty()) faults << where + ": " + text;
        if (!userText && g_translatedSources.contains(OwnText(w)))
            faults << where + ": not translated";
        if (LooksInside(w)) Check(w, where, faults);
    }
}

struct TLayoutCase {
    size_t view;
    double scale;
    const char* language;  // "en": the source texts
};

void PrintTo(const TLayoutCase& c, std::ostream* os) {
    *os << WindowViews()[c.view].name.toStdString() << " x" << c.scale << " " << c.language;
}

// The application's font at `scale` times its size while the object lives.
class TFontScale {
public:
    explicit TFontScale(double scale) : m_font(QApplication::font()) {
        QFont f = m_font;
        f.setPointSizeF(m_font.pointSizeF() * scale);
        QApplication::setFont(f);
    }
    ~TFontScale() { QApplication::setFont(m_font); }

private:
    QFont m_font;
};

class Layout : public ::testing::TestWithParam<TLayoutCase> {
protected:
    TFontScale m_scale{GetParam().scale};
    // Installed before the windows are made, as the program does at its start.
    std::vector<std::unique_ptr<QTranslator>> m_translators =
        InstallTranslations(GetParam().language, TASTRA_TRANSLATIONS_DIR);
};

TEST_P(Layout, TextsShowWholeAndControlsDoNotCoverEachOther) {
    const TWindowView& view = WindowViews()[GetParam().view];
    if (QString(GetParam().language) != QLatin1String("en")) {
        ASSERT_FALSE(m_translators.empty()) << "no translation in " TASTRA_TRANSLATIONS_DIR;
    }
    TShowcase showcase(view.knobs);
    TTastra2& main = showcase.Main();
    // The keyboard's hint in the status bar, as when the mouse is over it.
    QStatusTipEvent tip(main.Keyboard1->statusTip());
    QApplication::sendEvent(&main, &tip);
    QWidget* window = view.open(main);
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    g_userTexts.clear();
    g_translatedSources = TranslatedSources(GetParam().language);
    for (int i = 0; i < main.Knobs().KnobList().Count(); ++i)
        g_userTexts.push_back(main.Knobs().KnobList().Entry(i)->CaptionLabel);
    QStringList faults;
    Check(window, view.name, faults);
    if (window->isWindow() && window != &main) {
        // A tool window fits on a small screen.
        const QSize screen(1024 * GetParam().scale, 768 * GetParam().scale);
        if (window->width() > screen.width() || window->height() > screen.height())
            faults << view.name + QString(" is %1x%2").arg(window->width()).arg(window->height());
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

// The labels on the keys, at every key width of the drawn keys and every size of the artwork, at
// the default font and at twice its size: each label's text stays in its room, the room inside
// its key, and the dots (pressed key, marked key) stay free. Every key is down, half of them lit
// by incoming channels, and several computer keys play one note.
struct TLabelLayoutCase {
    TPaintStyle style;
    double scale;
};

void PrintTo(const TLabelLayoutCase& c, std::ostream* os) {
    *os << (c.style == psDraw ? "drawn" : "images") << " x" << c.scale;
}

// Legends as long as layouts print them: letters, accented letters, a word.
class TWideLegends : public TKeyLegends {
public:
    QString Legend(int scan) override {
        static const char* const names[] = {"W", "\u00dc", "M", "Tab", "\u00df", "Caps Lock"};
        return QString::fromUtf8(names[scan % 6]);
    }
    void Reload() override {}
};

// The colour most pixels of `area` have in `image`.
QColor MostCommon(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) ++counts[image.pixel(x, y) & RGB_MASK];
    QRgb most = 0;
    int n = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > n) {
            n = it.value();
            most = it.key();
        }
    return QColor(most);
}

bool IsBlackKey(int note) {
    const int pc = note % 12;
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

class KeyLabelLayout : public ::testing::TestWithParam<TLabelLayoutCase> {
protected:
    // Why the labels of kb as it is set now are not right; empty when they are.
    static QStringList Faults(TKeyboard& kb, const QString& where) {
        QStringList faults;
        const TKeyLook shown = kb.Look();
        const TKeyLabels mode = shown.labels;
        const bool legendsOn = shown.legends;
        kbtest::ChangeLook(kb, [](TKeyLook& l) {
            l.labels = klNever;
            l.legends = false;
        });
        const QImage bare = kb.grab().toImage();
        kb.SetLook(shown);
        const QImage labelled = kb.grab().toImage();
        const std::vector<TKeyLabel> labels = kb.Painter().Labels(kb.rect());
        const TLabelLayout layout(kb.font());
        // Each kind of line (legend or name, white or black key): the sizes it is shown at.
        std::map<std::pair<bool, bool>, std::set<int>> kinds;
        QRegion rooms;
        bool markLabelled = false;
        for (const auto& l : labels) {
            const QString key =
                where + QString(" key %1 \"%2\"").arg(l.note).arg(l.Texts().join('/'));
            rooms += l.room;
            markLabelled = markLabelled || l.note == shown.markNote;
            const int left = kb.KeyLeft(l.note) - kb.ScrollOffset();
            if (l.room.left() < left || l.room.right() >= left + kb.KeyWidth() ||
                l.room.top() < 0 || l.room.bottom() >= kb.height())
                faults << key + " has room outside its key";
            for (const QRect& dot : kb.Painter().DotRects(l.note))
                if (l.room.intersects(dot.adjusted(0, 0, 1, 1))) faults << key + " covers a dot";
            QString name;
            for (const TLabelLine& line : l.lines) {
                const double cap = QFontMetricsF(layout.Font(line.pixels)).capHeight();
                if (cap < TLabelLayout::kMinCapHeight)
                    faults << key + QString(": capitals %1 px high").arg(cap);
                kinds[{IsBlackKey(l.note), line.legend}].insert(line.pixels);
                if (!line.legend) name += line.text;
            }
            // A note name never loses its octave (low octaves included).
            if (!name.isEmpty() && !name.contains(QRegularExpression("[0-9]")))
                faults << key + ": a name without its octave";
            // The text reads on the key as it is drawn (the colour most of its room has).
            const QColor ground = MostCommon(bare, l.room);
            const double contrast = keylabels::Contrast(l.colour, ground);
            if (contrast < 4.5)
                faults << key + QString(": contrast %1 on %2")
                                    .arg(contrast, 0, 'f', 2)
                                    .arg(ground.name());
        }
        for (const auto& [kind, sizes] : kinds)
            if (sizes.size() > 1)
                faults << where + QString(": %1 on %2 keys at %3 sizes")
                                      .arg(kind.second ? "legends" : "names")
                                      .arg(kind.first ? "black" : "white")
                                      .arg(sizes.size());
        const int markLeft = kb.KeyLeft(shown.markNote) - kb.ScrollOffset();
        if (kb.KeyWidth() >= 14 && (legendsOn || mode == klAlways) && !markLabelled &&
            markLeft >= 0 && markLeft + kb.KeyWidth() <= kb.width())
            faults << where + ": middle C carries no label";
        int outside = 0;
        QPoint first;
        for (int y = 0; y < bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x)
                if (bare.pixel(x, y) != labelled.pixel(x, y) && !rooms.contains(QPoint(x, y)) &&
                    !outside++)
                    first = QPoint(x, y);
        if (outside)
            faults << where + QString(": %1 pixels of text outside the rooms, first at %2,%3")
                                  .arg(outside)
                                  .arg(first.x())
                                  .arg(first.y());
        return faults;
    }

private:
    TFontScale m_scale{GetParam().scale};
};

TEST_P(KeyLabelLayout, TextsStayInTheirKeysReadAndLeaveTheDotsFree) {
    TShowcase showcase(0);
    TTastra2& main = showcase.Main();
    TKeyboard& kb = *main.Keyboard1;
    TWideLegends legends;
    kb.Keys().SetKeyLegends(&legends);
    kb.Keys().SetKeyMapFile(QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/accordion.ini"));
    kbtest::ChangeLook(kb, [](TKeyLook& l) {
        l.channelColours = true;
        l.markNote = 60;
    });
    kb.SetTabStop(false);  // no focus frame comes and goes between the pictures
    kb.SetPaintStyle(GetParam().style);
    std::vector<int> sizes;
    if (GetParam().style == psDraw)
        for (int w = 4; w <= 100; ++w) sizes.push_back(w);
    else
        sizes = {isSmall, isNormal, isBig};
    QStringList faults;
    for (int size : sizes) {
        if (GetParam().style == psDraw)
            kb.SetKeyWidth(size);
        else
            kb.SetImageSize(static_cast<TImageSize>(size));
        main.FitKeyboardToStyle();
        kb.Player().ResetPlaying();
        kb.Player().ClearThruDisplay();
        for (int n = 0; n < 128; ++n)
            if (n % 2)
                kb.Player().PlayNote(kb.Player().Channel(), n, true, 100);
            else
                kb.Player().ShowIncomingNote(n, 100, n % 16);
        // Middle C in the middle, then the lowest octaves, whose names are the longest.
        for (int base : {std::max(0, 60 - kb.width() / kb.KeyWidth() * 12 / 7 / 2), 0}) {
            kb.SetBaseNote(base);
            const QString where = QString("width %1 from %2").arg(kb.KeyWidth()).arg(base);
            kbtest::ChangeLook(kb, [](TKeyLook& l) {
                l.labels = klAlways;
                l.legends = true;
            });
            QApplication::processEvents();
            faults << Faults(kb, where);
            // Keys wide enough for a letter carry labels.
            if (kb.KeyWidth() >= 14 && kb.Painter().Labels(kb.rect()).empty())
                faults << where + ": no labels";
            // Names alone, on C keys only, and while pressed (every key is down).
            kbtest::ChangeLook(kb, [](TKeyLook& l) { l.legends = false; });
            for (TKeyLabels mode : {klCKeys, klPressed}) {
                kbtest::ChangeLook(kb, [mode](TKeyLook& l) { l.labels = mode; });
                faults << Faults(kb, where + (mode == klCKeys ? " C keys" : " pressed"));
            }
        }
    }
    kb.Keys().SetKeyLegends(nullptr);
    EXPECT_TRUE(faults.isEmpty()) << faults.mid(0, 20).join('\n').toStdString();
}

// The Labels page's swatches show the colour the keys are lit in, in both styles.
TEST_P(KeyLabelLayout, SwatchesShowTheColourTheKeysGet) {
    TShowcase showcase(0);
    TTastra2& main = showcase.Main();
    TKeyboard& kb = *main.Keyboard1;
    kb.SetPaintStyle(GetParam().style);
    main.FitKeyboardToStyle();
    kbtest::ChangeLook(kb, [](TKeyLook& l) {
        l.channelColours = true;
        l.pressedFill = true;
    });
    const TKeyLook& look = kb.Look();
    kb.SetBaseNote(48);
    TLabelsPage page(main.DisplayOffsets().channel);
    page.Load(kb);
    page.resize(page.sizeHint());
    page.show();
    QApplication::processEvents();
    QStringList faults;
    // A white key and a black key per channel, and the user's own press in the pressed colour.
    for (int ch = 0; ch < 16; ++ch) {
        const QImage swatch = page.BChannel[ch]->grab().toImage();
        const QColor shown(swatch.pixel(4, 4));
        if (shown != look.palette[ch])
            faults << QString("channel %1: swatch %2, colour %3")
                          .arg(ch)
                          .arg(shown.name(), look.palette[ch].name());
        kb.Player().ResetPlaying();
        kb.Player().ClearThruDisplay();
        kb.Player().ShowIncomingNote(50, 100, ch);  // D
        kb.Player().ShowIncomingNote(51, 100, ch);  // D#
        const QImage keys = kb.grab().toImage();
        for (int note : {50, 51}) {
            const int left = kb.KeyLeft(note) - kb.ScrollOffset();
            const int right = left + (IsBlackKey(note) ? kb.KeyWidth() / 2 : kb.KeyWidth());
            const int bottom = IsBlackKey(note) ? kb.height() / 3 : kb.height() - 2;
            const QColor key = MostCommon(keys, QRect(QPoint(left, 2), QPoint(right - 1, bottom)));
            if (key != shown)
                faults << QString("channel %1 note %2: key %3, swatch %4")
                              .arg(ch)
                              .arg(note)
                              .arg(key.name(), shown.name());
        }
    }
    kb.Player().ResetPlaying();
    kb.Player().ClearThruDisplay();
    kbtest::ChangeLook(kb, [](TKeyLook& l) { l.channelColours = false; });
    kb.Player().PlayNote(kb.Player().Channel(), 52, true, 100);
    const QImage pressed = kb.grab().toImage();
    const QColor swatch(page.BPressedColour->grab().toImage().pixel(4, 4));
    const int left = kb.KeyLeft(52) - kb.ScrollOffset();
    const QColor key =
        MostCommon(pressed, QRect(QPoint(left, kb.height() * 3 / 5),
                                  QPoint(left + kb.KeyWidth() - 2, kb.height() - 2)));
    if (swatch != look.pressedColour || key != swatch)
        faults << QString("pressed: swatch %1, key %2, colour %3")
                      .arg(swatch.name(), key.name(), look.pressedColour.name());
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyLabelLayout,
                         ::testing::Values(TLabelLayoutCase{psDraw, 1.0},
                                           TLabelLayoutCase{psDraw, 2.0},
                                           TLabelLayoutCase{psImage, 1.0},
                                           TLabelLayoutCase{psImage, 2.0}),
                         [](const auto& info) {
                             return std::string(info.param.style == psDraw ? "Drawn" : "Images") +
                                    (info.param.scale > 1 ? "_x2" : "_x1");
                         });

TEST(ChannelField, DrawsItsUpDownArrows) {
    TShowcase showcase(0);
    const QImage image = showcase.Main().EChannel->grab().toImage();
    // The arrows stand in the right-hand part of the field; the digit in the left-hand one.
    int dark = 0;
    for (int x = image.width() - 14; x < image.width() - 3; ++x)
        for (int y = 3; y < image.height() - 3; ++y) dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GE(dark, 4);
}

std::vector<TLayoutCase> AllCases() {
    std::vector<TLayoutCase> cases;
    // English and each language whose translation is complete.
    for (const char* language : {"en", "de", "es", "fr", "it"})
        for (double scale : {1.0, 2.0})
            for (size_t i = 0; i < WindowViews().size(); ++i) cases.push_back({i, scale, language});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Windows, Layout, ::testing::ValuesIn(AllCases()), [](const auto& info) {
    QString name = WindowViews()[info.param.view].name;
    name.replace('-', '_');
    const QString language = QString::fromLatin1(info.param.language);
    return (name + QString("_x%1").arg(info.param.scale) +
            (language == QLatin1String("en") ? QString() : "_" + language))
        .toStdString();
});

}  // namespace
