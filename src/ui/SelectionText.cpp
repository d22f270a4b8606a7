#include "ui/SelectionText.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <memory>

namespace {

// A text larger than this is cut off here; no request could carry it anyway.
constexpr quint32 longestText = 16 * 1024 * 1024;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }  // NOLINT(cppcoreguidelines-no-malloc)
};
template <class T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

QString readWithQt(SelectionText::Source source) {
    const QClipboard* board = QGuiApplication::clipboard();
    if (source == SelectionText::Source::Selection && board->supportsSelection()) {
        QString selected = board->text(QClipboard::Selection);
        if (!selected.isEmpty()) return selected;
    }
    return board->text(QClipboard::Clipboard);
}

// One read of X11 selections on a connection of its own, so that an owner
// that does not answer holds up nothing but this read: the selections asked
// in turn until one holds text, each as UTF-8 and else as Latin-1, large
// texts in pieces (INCR). Deletes itself when done.
class XcbRead : public QObject {
public:
    XcbRead(SelectionText::Source source, QObject* context, SelectionText::Done done)
        : m_source(source), m_context(context), m_done(std::move(done)) {}
    ~XcbRead() override {
        if (m_connection) xcb_disconnect(m_connection);
    }
    XcbRead(const XcbRead&) = delete;
    XcbRead& operator=(const XcbRead&) = delete;

    // False when there is no X server to ask.
    bool start() {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection)) return false;
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber && screen.rem > 0; ++i) xcb_screen_next(&screen);
        if (screen.rem == 0) return false;
        m_window = xcb_generate_id(m_connection);
        const quint32 events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen.data->root, 0, 0, 1,
                          1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                          XCB_CW_EVENT_MASK, &events);
        m_utf8 = atom("UTF8_STRING");
        m_incr = atom("INCR");
        m_property = atom("PARLAMO_SELECTION");
        const xcb_atom_t clipboard = atom("CLIPBOARD");
        if (m_source == SelectionText::Source::Selection) m_selections.push_back(XCB_ATOM_PRIMARY);
        m_selections.push_back(clipboard);
        if (xcb_connection_has_error(m_connection)) return false;

        auto* notifier =
            new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &XcbRead::pump);
        QTimer::singleShot(SelectionText::answerWaitMs, this, [this] {
            finish({QString(), true});
        });
        askNext();
        return true;
    }

private:
    xcb_atom_t atom(const char* name) {
        const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, quint16(qstrlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The next selection that has an owner, else nothing to read.
    void askNext() {
        while (m_next < m_selections.size()) {
            const xcb_atom_t selection = m_selections[m_next++];
            const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
                m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
            if (!owner || owner->owner == XCB_NONE) continue;
            m_selection = selection;
            ask(m_utf8);
            return;
        }
        finish({});
    }

    void ask(xcb_atom_t target) {
        m_target = target;
        xcb_delete_property(m_connection, m_window, m_property);
        xcb_convert_selection(m_connection, m_window, m_selection, target, m_property,
                              XCB_CURRENT_TIME);
        xcb_flush(m_connection);
    }

    // Handles what came: the events xcb has read already and those waiting.
    void pump() {
        while (!m_finished) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_connection);
            if (!event) break;
            handle(event);
            std::free(event);  // NOLINT(cppcoreguidelines-no-malloc)
        }
        if (!m_finished && xcb_connection_has_error(m_connection)) finish({});
    }

    void handle(const xcb_generic_event_t* event) {
        switch (event->response_type & 0x7f) {
            case XCB_SELECTION_NOTIFY: {
                const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
                if (notify->requestor != m_window || m_pieces) return;
                if (notify->property == XCB_NONE) {
                    // No UTF-8 from this owner: Latin-1, else the next selection.
                    if (m_target == m_utf8) return ask(XCB_ATOM_STRING);
                    return got(QString());
                }
                return readProperty();
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                if (m_pieces && change->window == m_window && change->atom == m_property &&
                    change->state == XCB_PROPERTY_NEW_VALUE)
                    readPiece();
                return;
            }
            default:
                return;
        }
    }

    // Reading deletes the property, which tells an owner sending in pieces
    // to send the next one.
    XcbReply<xcb_get_property_reply_t> takeProperty() {
        return XcbReply<xcb_get_property_reply_t>(
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, 1, m_window, m_property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, longestText / 4),
                                   nullptr));
    }

    void readProperty() {
        const XcbReply<xcb_get_property_reply_t> reply = takeProperty();
        if (!reply) return got(QString());
        if (reply->type == m_incr) {
            m_pieces = true;
            m_bytes.clear();
            xcb_flush(m_connection);
            return;
        }
        m_bytes = bytesOf(reply.get());
        got(decoded(reply->type));
    }

    void readPiece() {
        const XcbReply<xcb_get_property_reply_t> reply = takeProperty();
        xcb_flush(m_connection);
        if (!reply) return got(QString());
        const QByteArray piece = bytesOf(reply.get());
        if (piece.isEmpty()) {  // the last piece
            m_pieces = false;
            return got(decoded(reply->type));
        }
        if (m_bytes.size() < qsizetype(longestText)) m_bytes += piece;
    }

    static QByteArray bytesOf(xcb_get_property_reply_t* reply) {
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
    }

    QString decoded(xcb_atom_t type) const {
        return type == XCB_ATOM_STRING ? QString::fromLatin1(m_bytes) : QString::fromUtf8(m_bytes);
    }

    void got(const QString& text) {
        if (text.isEmpty() && m_next < m_selections.size()) return askNext();
        finish({text, false});
    }

    void finish(const SelectionText::Result& result) {
        if (m_finished) return;
        m_finished = true;
        deleteLater();
        if (m_context) m_done(result);
    }

    SelectionText::Source m_source;
    QPointer<QObject> m_context;
    SelectionText::Done m_done;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = 0;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE, m_incr = XCB_ATOM_NONE, m_property = XCB_ATOM_NONE;
    QList<xcb_atom_t> m_selections;
    qsizetype m_next = 0;
    xcb_atom_t m_selection = XCB_ATOM_NONE, m_target = XCB_ATOM_NONE;
    QByteArray m_bytes;
    bool m_pieces = false;
    bool m_finished = false;
};

}  // namespace

namespace SelectionText {

void read(Source source, QObject* context, const Done& done) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto* reading = new XcbRead(source, context, done);
        if (reading->start()) return;
        delete reading;
    }
    done({readWithQt(source), false});
}

bool readableOnlyWithFocus() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace SelectionText
