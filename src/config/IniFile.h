#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One section of the settings store as a small, human-readable INI file:
//
//   [Software\Velmor\Rorererizu\3]
//   uid=ab12
//   folder=C:\Apps\          (backslashes are literal)
//   padded="  text "         (quoted when spaces at either end or control
//                             characters would not survive as they stand)
//   @=the unnamed default value
//
// Lines the reader does not understand (and comments) are kept as they are
// when the file is written back, so a hand edit is never thrown away.
class IniFile {
public:
    enum class State {
        Missing,     // no such file
        Ok,          // read (possibly with lines that were skipped)
        Unreadable,  // exists but cannot be opened: must not be overwritten
        Corrupt,     // not text (binary, not UTF-8, absurdly large): reads as empty
    };

    static IniFile read(const QString& path);
    static IniFile parse(const QByteArray& bytes);

    State state() const { return m_state; }

    // The value of that exact name; the empty name is the unnamed default
    // value. Nothing when absent; an empty text when stored empty.
    std::optional<QString> value(const QString& name) const;
    void setValue(const QString& name, const QString& text);
    // False when there was no such value.
    bool remove(const QString& name);

    // The file's text. header is written as the first line of a new file.
    QByteArray serialize(const QString& header) const;

    // Creates the missing folders and replaces the file atomically (write a
    // temporary file beside it, then rename). False when anything fails; the
    // old file is then untouched.
    static bool writeAtomically(const QString& path, const QByteArray& bytes);

    // The escaped forms used in the file, for the tests.
    static QString formatName(const QString& name);
    static QString formatValue(const QString& text);

private:
    struct Line {
        QString raw;                  // as read, or empty for a line of ours
        std::optional<QString> name;  // set for a value line
        QString text;
        bool dirty = false;  // rewritten from name/text
    };
    static std::optional<Line> parseLine(const QString& raw);
    int indexOf(const QString& name) const;

    QList<Line> m_lines;
    State m_state = State::Missing;
};
