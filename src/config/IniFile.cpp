#include "config/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "config/SafeFile.h"

namespace {

// A settings file this large is not one of ours; refuse to read it into memory.
constexpr qint64 maxFileSize = 1024 * 1024;

// Only space and tab count as padding. QString::trimmed() would also eat
// no-break spaces and similar, which are real text here.
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.mid(b, e - b);
}

QString quote(const QString& s) {
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        switch (c.unicode()) {
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '"':
                out += QStringLiteral("\\\"");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (isControl(c))
                    out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
                else
                    out += c;
        }
    }
    return out + QLatin1Char('"');
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at s[pos] == '"'. On success pos ends after the
// closing quote.
std::optional<QString> unquote(const QString& s, qsizetype& pos) {
    QString out;
    ++pos;
    while (pos < s.size()) {
        const QChar c = s[pos++];
        if (c == QLatin1Char('"')) return out;
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (pos >= s.size()) return std::nullopt;
        const QChar e = s[pos++];
        switch (e.unicode()) {
            case '\\':
                out += QLatin1Char('\\');
                break;
            case '"':
                out += QLatin1Char('"');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'x': {
                if (pos + 2 > s.size()) return std::nullopt;
                const int hi = hexDigit(s[pos]), lo = hexDigit(s[pos + 1]);
                if (hi < 0 || lo < 0) return std::nullopt;
                out += QChar(char16_t(hi * 16 + lo));
                pos += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;  // no closing quote
}

}  // namespace

QString IniFile::formatName(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("@");
    bool plain = !isBlank(name.front()) && !isBlank(name.back());
    const QChar first = name.front();
    if (first == QLatin1Char('@') || first == QLatin1Char('"') || first == QLatin1Char(';') ||
        first == QLatin1Char('#') || first == QLatin1Char('['))
        plain = false;
    for (const QChar c : name)
        if (c == QLatin1Char('=') || isControl(c)) plain = false;
    return plain ? name : quote(name);
}

QString IniFile::formatValue(const QString& text) {
    if (text.isEmpty()) return text;
    bool plain =
        !isBlank(text.front()) && !isBlank(text.back()) && text.front() != QLatin1Char('"');
    for (const QChar c : text)
        if (isControl(c)) plain = false;
    return plain ? text : quote(text);
}

std::optional<IniFile::Line> IniFile::parseLine(const QString& raw) {
    Line line;
    line.raw = raw;
    const QString t = trimBlanks(raw);
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')) ||
        t.startsWith(QLatin1Char('[')))
        return line;  // blank, comment or section title: kept, not a value

    qsizetype pos = 0;
    QString name;
    if (t.front() == QLatin1Char('"')) {
        const auto n = unquote(t, pos);
        if (!n) return std::nullopt;
        name = *n;
        while (pos < t.size() && isBlank(t[pos])) ++pos;
        if (pos >= t.size() || t[pos] != QLatin1Char('=')) return std::nullopt;
    } else {
        pos = t.indexOf(QLatin1Char('='));
        if (pos < 0) return std::nullopt;
        name = trimBlanks(t.left(pos));
        if (name == QStringLiteral("@"))
            name.clear();
        else if (name.isEmpty())
            return std::nullopt;
    }
    ++pos;  // the '='
    while (pos < t.size() && isBlank(t[pos])) ++pos;
    QString text;
    if (pos < t.size() && t[pos] == QLatin1Char('"')) {
        const auto v = unquote(t, pos);
        if (!v) return std::nullopt;
        if (!trimBlanks(t.mid(pos)).isEmpty()) return std::nullopt;
        text = *v;
    } else {
        text = t.mid(pos);  // already free of padding at the end
    }
    line.name = name;
    line.text = text;
    return line;
}

IniFile IniFile::parse(const QByteArray& bytes) {
    IniFile f;
    f.m_state = State::Ok;
    if (bytes.size() > maxFileSize || bytes.contains('\0')) {
        f.m_state = State::Corrupt;
        return f;
    }
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    if (decode.hasError()) {
        f.m_state = State::Corrupt;
        return f;
    }
    if (text.startsWith(QChar(0xfeff))) text.remove(0, 1);
    const QStringList rows = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QString raw = rows[i];
        // Every carriage return before the line feed belongs to the line end.
        // Keeping one of several would put it back at the end of the line
        // when the line is written out as read, and change what the line says
        // the next time the file is read.
        while (raw.endsWith(QLatin1Char('\r'))) raw.chop(1);
        if (i == rows.size() - 1 && raw.isEmpty()) break;  // after the last newline
        if (auto line = parseLine(raw)) {
            f.m_lines.append(*line);
        } else {
            // Not understood: ignored when reading, kept when writing.
            Line keep;
            keep.raw = raw;
            f.m_lines.append(keep);
        }
    }
    return f;
}

IniFile IniFile::read(const QString& path) {
    IniFile f;
    // Only a regular file is read, and never more than the limit: a FIFO at
    // the name must not stop the start, nor a link to /dev/zero fill memory.
    const SafeFile::ReadResult in = SafeFile::readRegular(path, maxFileSize);
    switch (in.status) {
        case SafeFile::Status::Ok:
            return parse(in.bytes);
        case SafeFile::Status::Missing:
            return f;
        case SafeFile::Status::TooLarge:
            f.m_state = State::Corrupt;
            return f;
        case SafeFile::Status::NotRegular:
        case SafeFile::Status::Failed:
            break;
    }
    f.m_state = State::Unreadable;
    return f;
}

int IniFile::indexOf(const QString& name) const {
    for (int i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].name && *m_lines[i].name == name) return i;
    return -1;
}

std::optional<QString> IniFile::value(const QString& name) const {
    // A name written twice by hand: the first one counts.
    const int i = indexOf(name);
    if (i < 0) return std::nullopt;
    return m_lines[i].text;
}

void IniFile::setValue(const QString& name, const QString& text) {
    const int i = indexOf(name);
    if (i < 0) {
        Line line;
        line.name = name;
        line.text = text;
        line.dirty = true;
        m_lines.append(line);
        return;
    }
    m_lines[i].text = text;
    m_lines[i].dirty = true;
    // Later duplicates would hide nothing but confuse a reader of the file.
    for (int j = m_lines.size() - 1; j > i; --j)
        if (m_lines[j].name && *m_lines[j].name == name) m_lines.removeAt(j);
}

bool IniFile::remove(const QString& name) {
    bool found = false;
    for (int j = m_lines.size() - 1; j >= 0; --j) {
        if (m_lines[j].name && *m_lines[j].name == name) {
            m_lines.removeAt(j);
            found = true;
        }
    }
    return found;
}

QByteArray IniFile::serialize(const QString& header) const {
    QString out;
    bool hasTitle = false;
    for (const Line& l : m_lines)
        if (!l.name && trimBlanks(l.raw).startsWith(QLatin1Char('['))) hasTitle = true;
    if (!hasTitle && !header.isEmpty()) out += header + QLatin1Char('\n');
    for (const Line& l : m_lines) {
        if (l.name && (l.dirty || l.raw.isEmpty()))
            out += formatName(*l.name) + QLatin1Char('=') + formatValue(l.text);
        else
            out += l.raw;
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

bool IniFile::writeAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) return false;
    QSaveFile file(path);
    // Never fall back to writing the file in place: a half-written file is
    // worse than a setting not kept.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
