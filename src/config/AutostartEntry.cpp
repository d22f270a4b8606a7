#include "config/AutostartEntry.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "config/SafeFile.h"

namespace {

constexpr qint64 maxEntrySize = 1024 * 1024;

// Characters of an Exec argument that force it into double quotes.
bool isReserved(QChar c) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return reserved.contains(c);
}

QString quoteArgument(const QString& arg) {
    bool needQuotes = arg.isEmpty();
    for (const QChar c : arg)
        if (isReserved(c)) needQuotes = true;
    QString out;
    for (const QChar c : arg) {
        if (c == QLatin1Char('%'))
            out += QStringLiteral("%%");  // a literal percent sign, not a field code
        else if (needQuotes && QStringLiteral("\"`$\\").contains(c))
            out += QLatin1Char('\\') + QString(c);
        else
            out += c;
    }
    return needQuotes ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

// The escapes of a desktop file's string values.
QString escapeValue(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        switch (c.unicode()) {
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            case ' ':
                out += i == 0 ? QStringLiteral("\\s") : QStringLiteral(" ");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString unescapeValue(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c != QLatin1Char('\\') || i + 1 >= s.size()) {
            out += c;
            continue;
        }
        const QChar e = s[++i];
        switch (e.unicode()) {
            case 's':
                out += QLatin1Char(' ');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case '\\':
                out += QLatin1Char('\\');
                break;
            default:  // not a known escape: keep it as written
                out += c;
                out += e;
        }
    }
    return out;
}

bool isSwitch(const QString& word) {
    if (word.size() < 2) return false;
    if (word.front() == QLatin1Char('-')) return true;
    // "/startup", not a path such as "/opt/x".
    return word.front() == QLatin1Char('/') && word.indexOf(QLatin1Char('/'), 1) < 0;
}

}  // namespace

QString AutostartEntry::fileName(const QString& valueName) {
    QString slug;
    bool dash = false;
    for (const QChar c : valueName.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            if (dash && !slug.isEmpty()) slug += QLatin1Char('-');
            dash = false;
            slug += c;
        } else {
            dash = true;
        }
    }
    return slug.isEmpty() ? QString() : slug + QStringLiteral(".desktop");
}

QStringList AutostartEntry::splitCommand(const QString& command) {
    QList<qsizetype> ends;
    for (qsizetype i = 0; i < command.size(); ++i)
        if (command[i] == QLatin1Char(' ')) ends.append(i);
    ends.append(command.size());
    for (qsizetype k = ends.size() - 1; k >= 0; --k) {
        const QString program = command.left(ends[k]);
        if (program.isEmpty() || !QFileInfo(program).isFile()) continue;
        QStringList out{program};
        if (ends[k] < command.size()) out += command.mid(ends[k] + 1).split(QLatin1Char(' '));
        return out;
    }
    QStringList words = command.split(QLatin1Char(' '));
    qsizetype first = words.size();
    while (first > 1 && isSwitch(words[first - 1])) --first;
    QStringList out{words.mid(0, first).join(QLatin1Char(' '))};
    out += words.mid(first);
    return out;
}

QString AutostartEntry::execLine(const QString& command) {
    QStringList quoted;
    for (const QString& arg : splitCommand(command)) quoted += quoteArgument(arg);
    return escapeValue(quoted.join(QLatin1Char(' ')));
}

std::optional<QStringList> AutostartEntry::parseExec(const QString& execValue) {
    const QString s = unescapeValue(execValue);
    QStringList args;
    QString current;
    bool inWord = false, quoted = false, inQuotes = false, onlyFieldCode = false;
    auto finish = [&] {
        // A bare field code (%f, %U, ...) expands to nothing for an autostart
        // entry, which is started without files.
        if (inWord && !(onlyFieldCode && current.isEmpty() && !quoted)) args += current;
        current.clear();
        inWord = quoted = onlyFieldCode = false;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else if (c == QLatin1Char('\\') && i + 1 < s.size() &&
                       QStringLiteral("\"`$\\").contains(s[i + 1])) {
                current += s[++i];
            } else if (c == QLatin1Char('%') && i + 1 < s.size() && s[i + 1] == QLatin1Char('%')) {
                current += QLatin1Char('%');
                ++i;
            } else {
                current += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            finish();
            continue;
        }
        if (!inWord) {
            inWord = true;
            onlyFieldCode = true;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = quoted = true;
            onlyFieldCode = false;
        } else if (c == QLatin1Char('%') && i + 1 < s.size()) {
            const QChar code = s[++i];
            if (code == QLatin1Char('%')) {
                current += QLatin1Char('%');
                onlyFieldCode = false;
            }
            // other field codes are dropped
        } else {
            current += c;
            onlyFieldCode = false;
        }
    }
    if (inQuotes) return std::nullopt;
    finish();
    return args;
}

std::optional<QString> AutostartEntry::read(const QString& path) {
    // A FIFO or a device at the name is not an entry, and reading it could
    // block or never end.
    const SafeFile::ReadResult in = SafeFile::readRegular(path, maxEntrySize);
    if (in.status != SafeFile::Status::Ok) return std::nullopt;
    const QByteArray& bytes = in.bytes;
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError() || bytes.contains('\0')) return std::nullopt;

    bool inEntry = false, sawEntry = false;
    std::optional<QString> exec;
    bool hidden = false, disabled = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
            sawEntry = sawEntry || inEntry;
            continue;
        }
        if (!inEntry) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QStringLiteral("Exec") && !exec)
            exec = value;
        else if (key == QStringLiteral("Hidden"))
            hidden = value == QStringLiteral("true");
        else if (key == QStringLiteral("X-GNOME-Autostart-enabled"))
            disabled = value == QStringLiteral("false");
    }
    if (!sawEntry) return std::nullopt;
    if (hidden || disabled || !exec || exec->isEmpty()) return QString();
    const auto args = parseExec(*exec);
    if (!args || args->isEmpty()) return QString();
    return args->join(QLatin1Char(' '));
}

QByteArray AutostartEntry::render(const QString& valueName, const QString& command) {
    QString out = QStringLiteral("[Desktop Entry]\nType=Application\nName=") +
                  escapeValue(valueName) + QLatin1Char('\n');
    if (command.isEmpty()) {
        // Kept as an entry that is there but off, which is what an empty
        // value means; the desktop skips hidden entries.
        out += QStringLiteral("Exec=\nHidden=true\n");
    } else {
        out += QStringLiteral("Exec=") + execLine(command) + QLatin1Char('\n');
        out += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    }
    return out.toUtf8();
}
