#include "platform/keys/keylegends.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QByteArray>
#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <optional>

namespace {

// X and evdev number the keys of the main block as set-1 scan codes plus 8.
constexpr int kKeycodeOffset = 8;

// The locale whose compose table turns a dead key into the character it stands for.
QByteArray ComposeLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* v = std::getenv(name); v && *v) return QByteArray(v);
    return QByteArrayLiteral("C");
}

QString Utf8Of(xkb_keysym_t sym) {
    char buf[16] = {};
    if (xkb_keysym_to_utf8(sym, buf, sizeof buf) <= 0) return {};
    const QString s = QString::fromUtf8(buf);
    for (const QChar c : s)
        if (!c.isPrint()) return {};
    return s;
}

class TXkbLegends : public TKeyLegends {
public:
    TXkbLegends(bool fromServer, QByteArray layout, QByteArray variant)
        : m_fromServer(fromServer), m_layout(std::move(layout)), m_variant(std::move(variant)) {}
    ~TXkbLegends() override { Free(); }

    QString Legend(int scanCode) override {
        if (scanCode < 1 || scanCode >= static_cast<int>(m_cache.size())) return {};
        if (!m_loaded) Load();
        std::optional<QString>& cached = m_cache[scanCode];
        if (!cached) cached = Lookup(static_cast<xkb_keycode_t>(scanCode + kKeycodeOffset));
        return *cached;
    }

    void Reload() override {
        Free();
        m_loaded = false;
        for (auto& c : m_cache) c.reset();
    }

private:
    void Free() {
        if (m_compose) xkb_compose_table_unref(m_compose);
        if (m_state) xkb_state_unref(m_state);
        if (m_keymap) xkb_keymap_unref(m_keymap);
        if (m_context) xkb_context_unref(m_context);
        m_compose = nullptr;
        m_state = nullptr;
        m_keymap = nullptr;
        m_context = nullptr;
    }

    void Load() {
        m_loaded = true;
        m_context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        if (!m_context) return;
        if (m_fromServer) LoadFromServer();
        if (!m_keymap) {
            const xkb_rule_names names{nullptr, nullptr,
                                       m_layout.isEmpty() ? nullptr : m_layout.constData(),
                                       m_variant.isEmpty() ? nullptr : m_variant.constData(),
                                       nullptr};
            m_keymap = xkb_keymap_new_from_names(m_context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        }
        if (m_keymap && !m_state) m_state = xkb_state_new(m_keymap);
        m_compose = xkb_compose_table_new_from_locale(m_context, ComposeLocale().constData(),
                                                      XKB_COMPOSE_COMPILE_NO_FLAGS);
    }

    // The keymap and the active group of the X server the application is connected to.
    void LoadFromServer() {
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                            : nullptr;
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection) return;
        if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                         XKB_X11_MIN_MINOR_XKB_VERSION,
                                         XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr,
                                         nullptr, nullptr))
            return;
        const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
        if (device < 0) return;
        m_keymap = xkb_x11_keymap_new_from_device(m_context, connection, device,
                                                  XKB_KEYMAP_COMPILE_NO_FLAGS);
        if (m_keymap) m_state = xkb_x11_state_new_from_device(m_keymap, connection, device);
    }

    QString Lookup(xkb_keycode_t keycode) const {
        if (!m_keymap) return {};
        const xkb_layout_index_t layout = m_state ? xkb_state_key_get_layout(m_state, keycode) : 0;
        const xkb_keysym_t* syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(
            m_keymap, keycode, layout == XKB_LAYOUT_INVALID ? 0 : layout, 0, &syms);
        if (count < 1) return {};
        const xkb_keysym_t sym = syms[0];
        // Letters are printed on keys in capitals.
        QString text = Utf8Of(xkb_keysym_to_upper(sym));
        if (text.isEmpty()) text = Utf8Of(sym);
        if (!text.isEmpty() && !text.trimmed().isEmpty()) return text;
        if (text.isEmpty()) text = Composed(sym);
        if (!text.isEmpty() && !text.trimmed().isEmpty()) return text;
        // Keys without a character (Space, Tab, Shift) go by the keysym's name.
        char name[64] = {};
        if (xkb_keysym_get_name(sym, name, sizeof name) <= 0) return {};
        return QString::fromLatin1(name).replace(QLatin1Char('_'), QLatin1Char(' '));
    }

    // A dead key followed by a space composes the character the key stands for.
    QString Composed(xkb_keysym_t sym) const {
        if (!m_compose) return {};
        xkb_compose_state* state = xkb_compose_state_new(m_compose, XKB_COMPOSE_STATE_NO_FLAGS);
        if (!state) return {};
        QString text;
        xkb_compose_state_feed(state, sym);
        xkb_compose_state_feed(state, XKB_KEY_space);
        if (xkb_compose_state_get_status(state) == XKB_COMPOSE_COMPOSED) {
            char buf[16] = {};
            if (xkb_compose_state_get_utf8(state, buf, sizeof buf) > 0)
                text = QString::fromUtf8(buf).trimmed();
        }
        xkb_compose_state_unref(state);
        return text;
    }

    bool m_fromServer;
    QByteArray m_layout, m_variant;
    bool m_loaded = false;
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_state = nullptr;
    xkb_compose_table* m_compose = nullptr;
    std::array<std::optional<QString>, 128> m_cache;
};

}  // namespace

std::unique_ptr<TKeyLegends> CreateLayoutKeyLegends() {
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return std::make_unique<TXkbLegends>(x11, QByteArray(), QByteArray());
}

std::unique_ptr<TKeyLegends> CreateNamedKeyLegends(const QString& layout, const QString& variant) {
    return std::make_unique<TXkbLegends>(false, layout.toUtf8(), variant.toUtf8());
}
